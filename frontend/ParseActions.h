// frontend/ParseActions.h - the work behind each grammar action.
//
// idl.y decides when something happens; these builders decide what: each
// makes the nodes of one construct, opens or closes its scope, enters its
// names and records the construct in IDLError::_errorState when the
// construct is one that a later syntax error should name. Every node and
// list returned here lives for the rest of the run; only the interim list
// of an interface's exports is freed once they are in the body.

#ifndef VELMARIC_FRONTEND_PARSEACTIONS_H
#define VELMARIC_FRONTEND_PARSEACTIONS_H

#include "frontend/IDLError.h"
#include "tree/IDLDefinition.h"

class IDLArrayDecl;
class IDLAttrDcl;
class IDLCase;
class IDLCaseLabel;
class IDLConstDcl;
class IDLContextExpr;
class IDLElement;
class IDLEnum;
class IDLEnumType;
class IDLException;
class IDLInterface;
class IDLInterfaceHeader;
class IDLMember;
class IDLModule;
class IDLOpDcl;
class IDLParamDcl;
class IDLPrimType;
class IDLRaisesExpr;
class IDLScopedName;
class IDLSpec;
class IDLStringType;
class IDLStructure;
class IDLTypeDecl;
class IDLUnaryOp;
class IDLUnion;
class NCObject;
class NCOrderedCltn;

namespace parse {

// ------------------------------------------------------------ lists

/// A new empty list (capacity 16).
NCOrderedCltn* newList();
/// A new list holding `first` (not null).
NCOrderedCltn* listOf(NCObject* first);
/// As listOf, then records `state`.
NCOrderedCltn* listOf(NCObject* first, IDLError::ErrorState state);
/// Appends `item` (not null) to `list` and returns `list`.
NCOrderedCltn* appendTo(NCOrderedCltn* list, NCObject* item);
/// As appendTo, then records `state`.
NCOrderedCltn* appendTo(NCOrderedCltn* list, NCObject* item,
                        IDLError::ErrorState state);
/// Appends `definition` to `list` unless it is null (a definition that adds
/// nothing, such as a repeated forward declaration); returns `list`.
NCOrderedCltn* appendDefinition(NCOrderedCltn* list, IDLDefinition* definition);

// ------------------------------------------------------------ specification

/// Makes the root scope with the predefined names, unless an earlier file of
/// the run already made it.
void beginSpecification();
/// Makes the file's IDLSpec of `definitions` and makes it
/// IDLSpec::specification.
IDLSpec* endSpecification(NCOrderedCltn* definitions);
/// The "definition ::= error" rule: reports the current error state, which
/// ends the run unless the state lies outside the message table. Null.
IDLDefinition* errorDefinition();

// ------------------------------------------------------------ pragmas
// `word` is the identifier after "#pragma"; literals are the token texts.

/// `#pragma ID name "text"`; any other word is an unknown pragma.
void namedStringPragma(const char* word, IDLScopedName* name,
                       const char* literal);
/// `#pragma version name 1.2`; any other word is an unknown pragma.
void namedFloatPragma(const char* word, IDLScopedName* name,
                      const char* literal);
/// `#pragma prefix "text"`; any other word is an unknown pragma.
void stringPragma(const char* word, const char* literal);

// ------------------------------------------------------------ modules

/// The module `name`, entered into the current scope and _moduleDict, with
/// its scope opened.
IDLModule* beginModule(const char* name);
/// Stores `definitions` in `module` and closes its scope.
IDLModule* endModule(IDLModule* module, NCOrderedCltn* definitions);

// ------------------------------------------------------------ interfaces

/// `interface name;`. The forward IDLInterface, or null when the name
/// already names a fully defined interface (the declaration adds nothing).
IDLInterface* forwardDcl(const char* name);
/// The header of interface `name` with the base names `inheritance` (null
/// when none), entered into (or replacing a forward declaration in) the
/// current scope; opens the interface scope.
IDLInterfaceHeader* interfaceHeader(const char* name,
                                    NCOrderedCltn* inheritance);
/// The full IDLInterface of `header`, with the inherited names imported.
IDLInterface* beginInterfaceBody(IDLInterfaceHeader* header);
/// Appends `exports` to the interface's body and closes its scope.
IDLInterface* endInterfaceBody(IDLInterface* iface, NCOrderedCltn* exports);
/// Checks that every base name in `names` may be derived from; returns
/// `names`.
NCOrderedCltn* inheritanceSpec(NCOrderedCltn* names);

// ------------------------------------------------------------ scoped names

/// A scoped name whose only component so far is `identifier`, the last one
/// of the name.
IDLScopedName* lastNameComponent(const char* identifier);
/// Puts `identifier` in front of the components of `name`; returns `name`.
IDLScopedName* prependNameComponent(const char* identifier,
                                    IDLScopedName* name);
/// Resolves the complete `name` in the current scope; returns `name`.
IDLScopedName* resolveScopedName(IDLScopedName* name);

// ------------------------------------------------------------ constants

/// The constant `name` of `type` with the value of `value`, entered into the
/// current scope and its constants.
IDLConstDcl* constDcl(IDLDefinition* type, const char* name,
                      IDLDefinition* value);
/// `left op right`, evaluated.
IDLDefinition* binaryExpr(const char* op, IDLDefinition* left,
                          IDLDefinition* right);
/// The unary operator spelt `op`.
IDLUnaryOp* unaryOperator(const char* op);
/// `op operand`, evaluated.
IDLDefinition* unaryExpr(IDLUnaryOp* op, IDLDefinition* operand);
/// `( inner )`, which takes the values of `inner` unchecked.
IDLDefinition* parenthesizedExpr(IDLDefinition* inner);
/// The literal TRUE or FALSE (`text`).
IDLDefinition* booleanLiteral(const char* text);

// ------------------------------------------------------------ types

/// The primitive type of `subkind` (DEF_float ... DEF_any). The kinds the
/// compiler does not support (long long, unsigned long long, long double)
/// end the run.
IDLPrimType* baseType(IDLDefinition::DefinitionType subkind);
/// The result type "void" of an operation.
IDLPrimType* voidType();
/// `typedef type declarators`, with the names entered into the current
/// scope.
IDLTypeDecl* typeDcl(IDLDefinition* type, NCOrderedCltn* declarators);
/// A simple declarator `name`.
IDLDefinition* simpleDeclarator(const char* name);
/// The array declarator `name` with the dimensions `sizes`.
IDLArrayDecl* arrayDeclarator(const char* name, NCOrderedCltn* sizes);
/// `sequence<element, bound>` (`bound` null when unbounded), or an equal
/// sequence the current scope already holds.
IDLDefinition* sequenceType(IDLDefinition* element, IDLDefinition* bound);
/// `string<bound>` (`bound` null when unbounded).
IDLStringType* stringType(IDLDefinition* bound);

// ------------------------------------------------------------ structures

/// The structure `name`, entered into the current scope and _structDict,
/// with its scope opened.
IDLStructure* beginStruct(const char* name);
/// Stores `members` and closes the structure's scope.
IDLStructure* endStruct(IDLStructure* structure, NCOrderedCltn* members);
/// A member `type declarators;` entered into the current scope.
IDLMember* member(IDLDefinition* type, NCOrderedCltn* declarators);

// ------------------------------------------------------------ unions

/// The union `name`, entered into the current scope and _unionDict, with
/// its scope opened.
IDLUnion* beginUnion(const char* name);
/// Stores the discriminator type and `cases`, and closes the union's scope.
IDLUnion* endUnion(IDLUnion* unionNode, IDLDefinition* switchType,
                   NCOrderedCltn* cases);
/// A case of `labels` and `element`.
IDLCase* unionCase(NCOrderedCltn* labels, IDLElement* element);
/// `case value:`, or `default:` for a null `value`.
IDLCaseLabel* caseLabel(IDLDefinition* value);
/// A union element `type declarator` entered into the current scope.
IDLElement* element(IDLDefinition* type, IDLDefinition* declarator);

// ------------------------------------------------------------ enums

/// The enumerator `name`, entered into the current scope at once.
IDLEnum* enumerator(const char* name);
/// The enum `name` of `enumerators`, entered into the current scope where
/// enums may be declared.
IDLEnumType* enumType(const char* name, NCOrderedCltn* enumerators);

// ------------------------------------------------------------ interfaces'
// contents

/// Adds the attribute name `name` to `names` (a new list when null).
NCOrderedCltn* attributeName(NCOrderedCltn* names, const char* name);
/// `readonly attribute type names` (`readonly` is "readonly" or ""), with
/// the names entered into the current scope.
IDLAttrDcl* attrDcl(const char* readonly, IDLDefinition* type,
                    NCOrderedCltn* names);
/// The exception `name`, entered into the current scope, with its scope
/// opened.
IDLException* beginException(const char* name);
/// Stores `members` (null for an exception without members) and closes the
/// exception's scope.
IDLException* endException(IDLException* exception, NCOrderedCltn* members);
/// The operation `name` returning `type` (`oneway` is "oneway" or ""),
/// entered into the current scope, with its scope opened.
IDLOpDcl* beginOperation(const char* oneway, IDLDefinition* type,
                         const char* name);
/// Stores the parameters, raises and context clauses and closes the
/// operation's scope.
IDLOpDcl* endOperation(IDLOpDcl* operation, NCOrderedCltn* parameters,
                       IDLRaisesExpr* raises, IDLContextExpr* context);
/// Opens the unnamed scope of a parameter list.
void beginParameterScope();
/// Closes the parameter list's scope; returns `parameters`.
NCOrderedCltn* endParameterScope(NCOrderedCltn* parameters);
/// The parameter `direction type name`, entered into the current scope.
IDLParamDcl* paramDcl(const char* direction, IDLDefinition* type,
                      const char* name);
/// Adds the context string `literal` to `names` (a new list when null).
NCOrderedCltn* contextString(NCOrderedCltn* names, const char* literal);

} // namespace parse

#endif
