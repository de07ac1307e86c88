// frontend/ParseActions.cc - the work behind each grammar action.
//
// Each builder does its steps in the order the parser relies on: nodes are
// made and entered before their scope is opened, so that the name is
// visible inside it. A report ends the run, so where a builder records the
// error state among its steps does not matter.

#include "frontend/ParseActions.h"

#include "frontend/ConstExpr.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLCase.h"
#include "tree/IDLCaseLabel.h"
#include "tree/IDLConstDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLElement.h"
#include "tree/IDLEnum.h"
#include "tree/IDLEnumType.h"
#include "tree/IDLException.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLRaisesExpr.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLSpec.h"
#include "tree/IDLStringType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <cassert>
#include <cstring>
#include <string>

namespace {

constexpr unsigned listCapacity = 16;

// clang-format off
constexpr const char* rootScopeName       = "root_scope";
constexpr const char* unknownPragma       = "Unknown pragma: ";
constexpr const char* ambiguousReference  = "ambiguous reference";
constexpr const char* forwardRedefinition = "Forward interface declaration is a redefinition";
constexpr const char* interfaceRedefinition = "Redefinition of (or to) an interface";
constexpr const char* deriveFromForward   = "Cannot derive from a forward declaration: %s";
constexpr const char* deriveFromPseudo    = "Cannot derive from a psuedo Object: %s";
constexpr const char* enumNotAllowed      = "Enums cannot be declared in the current scope";

constexpr const char* idPragmaWord        = "ID";
constexpr const char* versionPragmaWord   = "version";
constexpr const char* prefixPragmaWord    = "prefix";
// clang-format on

// The primitive types: IDL spelling, the construct a syntax error after it
// names, and for the types the compiler refuses, the message.
struct BaseTypeEntry {
  IDLDefinition::DefinitionType subkind;
  const char* name;
  IDLError::ErrorState state;
  const char* refusal;
};

// clang-format off
const BaseTypeEntry baseTypes[] = {
    {IDLDefinition::DEF_float,              "float",              IDLError::ES_FLOAT,          nullptr},
    {IDLDefinition::DEF_double,             "double",             IDLError::ES_DOUBLE,         nullptr},
    {IDLDefinition::DEF_long_double,        "long double",        IDLError::ES_DOUBLE,         "long double currently not supported "},
    {IDLDefinition::DEF_long,               "long",               IDLError::ES_LONG,           nullptr},
    {IDLDefinition::DEF_long_long,          "long long",          IDLError::ES_LONG,           "long long currently not supported "},
    {IDLDefinition::DEF_short,              "short",              IDLError::ES_SHORT,          nullptr},
    {IDLDefinition::DEF_unsigned_long,      "unsigned long",      IDLError::ES_UNSIGNED_LONG,  nullptr},
    {IDLDefinition::DEF_unsigned_long_long, "unsigned long long", IDLError::ES_UNSIGNED_LONG,  "unsigned long long currently not supported "},
    {IDLDefinition::DEF_unsigned_short,     "unsigned short",     IDLError::ES_UNSIGNED_SHORT, nullptr},
    {IDLDefinition::DEF_char,               "char",               IDLError::ES_CHAR,           nullptr},
    {IDLDefinition::DEF_boolean,            "boolean",            IDLError::ES_BOOLEAN,        nullptr},
    {IDLDefinition::DEF_octet,              "octet",              IDLError::ES_OCTET,          nullptr},
    {IDLDefinition::DEF_any,                "any",                IDLError::ES_ANY,            nullptr},
};
// clang-format on

void recognised(IDLError::ErrorState state) {
  IDLError::_errorState = state;
}

// Keeps `node` for the rest of the run, like every node of the tree, when
// nothing in the tree refers to it (the names of pragmas).
void keepForTheRun(NCObject* node) {
  static NCOrderedCltn* const kept = new NCOrderedCltn(listCapacity);
  kept->add(*node);
}

// The scope pragmas are recorded in.
IDLScope* pragmaScope() {
  return IDLScope::_current_scope ? IDLScope::_current_scope
                                  : IDLScope::_root_scope;
}

[[noreturn]] void reportUnknownPragma(const char* word) {
  NCString name(word);
  IDLError::error(unknownPragma, &name);
}

// Reports `format` with `name` in place of its "%s".
[[noreturn]] void reportWithName(const char* format, const NCString& name) {
  std::string message(format);
  message.replace(message.find("%s"), 2, name.chars());
  IDLError::error(message.c_str());
}

// Whether a type node denotes a type of variable length.
bool isVariable(const IDLDefinition* type) {
  return type && type->fixedLength() == 0;
}

// A variable-length type makes its user and the user's array declarator
// variable too; a simple declarator keeps its flag.
void passOnVariableLength(IDLDefinition* user, IDLDefinition* type,
                          IDLDefinition* declarator) {
  if (!isVariable(type))
    return;
  user->setFixedLength(0);
  if (declarator && declarator->kind() == IDLDefinition::DEF_array_decl)
    declarator->setFixedLength(0);
}

void passOnVariableLength(IDLDefinition* user, IDLDefinition* type,
                          NCOrderedCltn* declarators) {
  if (!isVariable(type))
    return;
  user->setFixedLength(0);
  for (unsigned i = 0; declarators && i < declarators->size(); ++i)
    passOnVariableLength(
        user, type,
        static_cast<IDLDefinition*>(declarators->at(static_cast<int>(i))));
}

bool anyVariable(NCOrderedCltn* nodes) {
  for (unsigned i = 0; nodes && i < nodes->size(); ++i)
    if (isVariable(static_cast<IDLDefinition*>(nodes->at(static_cast<int>(i)))))
      return true;
  return false;
}

// Opens a scope of `type` owned by `owner`, named after it.
void openScopeOf(IDLScope::ScopeType type, IDLDefinition* owner) {
  IDLScope::begin(type, *new NCString(owner->name()), owner);
  owner->setScope(IDLScope::_current_scope);
}

// The interface a base name denotes, or null for a header whose interface
// has no body yet. `isInterface` tells whether the definition is one at all.
IDLInterface* baseInterface(IDLDefinition* base, bool& isInterface) {
  isInterface = true;
  if (base->classInfo() == IDLInterface::desc())
    return static_cast<IDLInterface*>(base);
  if (base->classInfo() == IDLInterfaceHeader::desc())
    return static_cast<IDLInterfaceHeader*>(base)->interface();
  isInterface = false;
  return nullptr;
}

} // namespace

namespace parse {

// ------------------------------------------------------------ lists

NCOrderedCltn* newList() {
  return new NCOrderedCltn(listCapacity);
}

NCOrderedCltn* listOf(NCObject* first) {
  NCOrderedCltn* list = newList();
  list->add(*first);
  return list;
}

NCOrderedCltn* listOf(NCObject* first, IDLError::ErrorState state) {
  NCOrderedCltn* list = listOf(first);
  recognised(state);
  return list;
}

NCOrderedCltn* appendTo(NCOrderedCltn* list, NCObject* item) {
  list->add(*item);
  return list;
}

NCOrderedCltn* appendTo(NCOrderedCltn* list, NCObject* item,
                        IDLError::ErrorState state) {
  appendTo(list, item);
  recognised(state);
  return list;
}

NCOrderedCltn* appendDefinition(NCOrderedCltn* list,
                                IDLDefinition* definition) {
  if (definition)
    list->add(*definition);
  return list;
}

// ------------------------------------------------------------ specification

void beginSpecification() {
  // Later files of a run add their names to the first file's root scope.
  if (IDLScope::_root_scope)
    return;
  new IDLScope(IDLScope::ST_GLOBAL, new NCString(rootScopeName), nullptr);
  IDLScope::addGlobalNames();
}

IDLSpec* endSpecification(NCOrderedCltn* definitions) {
  IDLSpec::specification = new IDLSpec(definitions);
  return IDLSpec::specification;
}

IDLDefinition* errorDefinition() {
  IDLError::error(IDLError::_errorState);
  return nullptr;
}

// ------------------------------------------------------------ pragmas

void namedStringPragma(const char* word, IDLScopedName* name,
                       const char* literal) {
  if (std::strcmp(word, idPragmaWord) != 0)
    reportUnknownPragma(word);
  keepForTheRun(name);
  pragmaScope()->addIDPragma(name->resolvedDefinition(), literal);
}

void namedFloatPragma(const char* word, IDLScopedName* name,
                      const char* literal) {
  if (std::strcmp(word, versionPragmaWord) != 0)
    reportUnknownPragma(word);
  keepForTheRun(name);
  pragmaScope()->addVersionPragma(name->resolvedDefinition(), literal);
}

void stringPragma(const char* word, const char* literal) {
  if (std::strcmp(word, prefixPragmaWord) != 0)
    reportUnknownPragma(word);
  pragmaScope()->addPrefixPragma(literal);
}

// ------------------------------------------------------------ modules

IDLModule* beginModule(const char* name) {
  IDLModule* module = new IDLModule(name);
  module->addToDictionary();
  IDLScope::addToCurrentScope(module->name(), *module);
  openScopeOf(IDLScope::ST_MODULE, module);
  return module;
}

IDLModule* endModule(IDLModule* module, NCOrderedCltn* definitions) {
  module->setDefinitions(definitions);
  IDLScope::end(IDLScope::ST_MODULE);
  recognised(IDLError::ES_MODULE);
  return module;
}

// ------------------------------------------------------------ interfaces

IDLInterface* forwardDcl(const char* name) {
  IDLInterfaceHeader* header = new IDLInterfaceHeader(name, nullptr);
  IDLInterface* iface =
      new IDLInterface(IDLInterface::IT_FORWARD, header, nullptr);
  header->setInterface(iface);
  // A forward declaration opens no scope of its own beyond this empty one.
  openScopeOf(IDLScope::ST_INTERFACE, header);
  IDLScope::end(IDLScope::ST_INTERFACE);
  recognised(IDLError::ES_INTERFACE);

  NCObject* existing = IDLScope::lookupInCurrentScope(header->name());
  if (!existing) {
    IDLScope::addToCurrentScope(iface->name(), *iface);
    return iface;
  }
  if (!IDLDefinition::isDefinition(existing))
    IDLError::error(ambiguousReference);
  if (static_cast<IDLDefinition*>(existing)->kind() !=
      IDLDefinition::DEF_interface)
    IDLError::error(forwardRedefinition);
  // After the full definition a forward declaration adds nothing.
  if (existing->classInfo() == IDLInterfaceHeader::desc())
    return nullptr;
  header->setRefersToEarlier(1);
  return iface;
}

IDLInterfaceHeader* interfaceHeader(const char* name,
                                    NCOrderedCltn* inheritance) {
  IDLInterfaceHeader* header = new IDLInterfaceHeader(name, inheritance);
  NCObject* existing = IDLScope::lookupInCurrentScope(header->name());
  if (!existing) {
    IDLScope::addToCurrentScope(header->name(), *header);
  } else {
    if (!IDLDefinition::isDefinition(existing))
      IDLError::error(ambiguousReference);
    // Only a forward declaration may receive a body.
    if (existing->classInfo() != IDLInterface::desc() ||
        static_cast<IDLInterface*>(existing)->interfaceType() !=
            IDLInterface::IT_FORWARD)
      IDLError::error(interfaceRedefinition);
    IDLScope::replaceInCurrentScope(header->name(), *header);
    header->setRefersToEarlier(1);
  }
  openScopeOf(IDLScope::ST_INTERFACE, header);
  recognised(IDLError::ES_INTERFACE);
  return header;
}

IDLInterface* beginInterfaceBody(IDLInterfaceHeader* header) {
  IDLInterface* iface =
      new IDLInterface(IDLInterface::IT_FULL, header, newList());
  header->setInterface(iface);
  if (header->inheritance())
    iface->import();
  recognised(IDLError::ES_INTERFACE);
  return iface;
}

IDLInterface* endInterfaceBody(IDLInterface* iface, NCOrderedCltn* exports) {
  // The exports follow the definitions imported from the bases.
  for (unsigned i = 0; i < exports->size(); ++i)
    iface->body()->add(*exports->at(static_cast<int>(i)));
  delete exports; // the list only; its definitions now belong to the body
  IDLScope::end(IDLScope::ST_INTERFACE);
  return iface;
}

NCOrderedCltn* inheritanceSpec(NCOrderedCltn* names) {
  for (unsigned i = 0; i < names->size(); ++i) {
    IDLScopedName* name =
        static_cast<IDLScopedName*>(names->at(static_cast<int>(i)));
    IDLDefinition* base = name->resolvedDefinition();
    bool isInterface;
    IDLInterface* iface = baseInterface(base, isInterface);
    if (!isInterface)
      continue; // the import reports bases that are no interfaces
    if (!iface || iface->interfaceType() == IDLInterface::IT_FORWARD)
      reportWithName(deriveFromForward, base->name());
    if (iface->pseudoObject())
      reportWithName(deriveFromPseudo, base->name());
  }
  recognised(IDLError::ES_INHERITANCE);
  return names;
}

// ------------------------------------------------------------ scoped names

IDLScopedName* lastNameComponent(const char* identifier) {
  IDLScopedName* name = new IDLScopedName;
  return prependNameComponent(identifier, name);
}

IDLScopedName* prependNameComponent(const char* identifier,
                                    IDLScopedName* name) {
  name->pushComponent(*new NCString(identifier));
  recognised(IDLError::ES_SCOPED_NAME);
  return name;
}

IDLScopedName* resolveScopedName(IDLScopedName* name) {
  name->resolve();
  if (isVariable(name->resolvedDefinition()))
    name->setFixedLength(0);
  recognised(IDLError::ES_SCOPED_NAME);
  return name;
}

// ------------------------------------------------------------ constants

IDLConstDcl* constDcl(IDLDefinition* type, const char* name,
                      IDLDefinition* value) {
  IDLConstDcl* constant = new IDLConstDcl(name, type, value);
  constant->storeValue();
  IDLScope::addToCurrentScope(constant->name(), *constant);
  IDLScope::_current_scope->addConstant(constant);
  recognised(IDLError::ES_CONST_DCL);
  return constant;
}

IDLDefinition* binaryExpr(const char* op, IDLDefinition* left,
                          IDLDefinition* right) {
  IDLBinaryExpr* expr = new IDLBinaryExpr(op, left, right);
  expr->typeCheckAndEvaluate();
  recognised(IDLError::ES_CONST_EXPR);
  return expr;
}

IDLUnaryOp* unaryOperator(const char* op) {
  IDLUnaryOp* unary = new IDLUnaryOp(op);
  recognised(IDLError::ES_CONST_EXPR);
  return unary;
}

IDLDefinition* unaryExpr(IDLUnaryOp* op, IDLDefinition* operand) {
  IDLUnaryExpr* expr = new IDLUnaryExpr(op, operand);
  expr->typeCheckAndEvaluate();
  recognised(IDLError::ES_CONST_EXPR);
  return expr;
}

IDLDefinition* parenthesizedExpr(IDLDefinition* inner) {
  return new IDLUnaryExpr(inner);
}

IDLDefinition* booleanLiteral(const char* text) {
  IDLLiteral* literal = IDLLiteral::makeBoolean(text);
  recognised(IDLError::ES_BOOLEAN_LITERAL);
  return literal;
}

// ------------------------------------------------------------ types

IDLPrimType* baseType(IDLDefinition::DefinitionType subkind) {
  for (const BaseTypeEntry& entry : baseTypes) {
    if (entry.subkind != subkind)
      continue;
    recognised(entry.state);
    if (entry.refusal)
      IDLError::error(entry.refusal);
    return new IDLPrimType(entry.name, subkind);
  }
  assert(false && "the grammar asks only for the primitive kinds");
  return nullptr;
}

IDLPrimType* voidType() {
  return new IDLPrimType("void", IDLDefinition::DEF_void);
}

IDLTypeDecl* typeDcl(IDLDefinition* type, NCOrderedCltn* declarators) {
  IDLTypeDecl* typedecl = new IDLTypeDecl(type);
  typedecl->setDeclarators(declarators, type);
  typedecl->addToScope();
  passOnVariableLength(typedecl, type, declarators);
  recognised(IDLError::ES_TYPE_DCL);
  return typedecl;
}

IDLDefinition* simpleDeclarator(const char* name) {
  IDLSimpleDecl* decl = new IDLSimpleDecl(name);
  recognised(IDLError::ES_IDENTIFIER);
  return decl;
}

IDLArrayDecl* arrayDeclarator(const char* name, NCOrderedCltn* sizes) {
  IDLArrayDecl* decl = new IDLArrayDecl(name, sizes);
  IDLScope::_current_scope->addArray(decl);
  return decl;
}

IDLDefinition* sequenceType(IDLDefinition* element, IDLDefinition* bound) {
  IDLSequenceType* sequence = new IDLSequenceType(element, bound);
  if (isVariable(element))
    sequence->setFixedLength(0);
  recognised(IDLError::ES_SEQUENCE);
  IDLScope* scope = IDLScope::_current_scope;
  if (scope->includesSequence(sequence))
    return scope->sequenceAt(sequence);
  sequence->setDefinedInScope(scope);
  return sequence;
}

IDLStringType* stringType(IDLDefinition* bound) {
  IDLStringType* string = new IDLStringType(bound);
  string->setDefinedInScope(IDLScope::_root_scope);
  string->setFixedLength(0);
  if (bound)
    IDLScope::_current_scope->addString(string);
  return string;
}

// ------------------------------------------------------------ structures

IDLStructure* beginStruct(const char* name) {
  IDLStructure* structure = new IDLStructure(name);
  structure->addToDictionary();
  IDLScope::addToCurrentScope(structure->name(), *structure);
  openScopeOf(IDLScope::ST_STRUCT, structure);
  recognised(IDLError::ES_STRUCT);
  return structure;
}

IDLStructure* endStruct(IDLStructure* structure, NCOrderedCltn* members) {
  structure->setMembers(members);
  IDLScope::end(IDLScope::ST_STRUCT);
  if (anyVariable(members))
    structure->setFixedLength(0);
  recognised(IDLError::ES_STRUCT);
  return structure;
}

IDLMember* member(IDLDefinition* type, NCOrderedCltn* declarators) {
  IDLMember* node = new IDLMember(type);
  node->setDeclarators(declarators, type);
  node->addToScope();
  passOnVariableLength(node, type, declarators);
  recognised(IDLError::ES_MEMBER);
  return node;
}

// ------------------------------------------------------------ unions

IDLUnion* beginUnion(const char* name) {
  IDLUnion* unionNode = new IDLUnion(name);
  unionNode->addToDictionary();
  IDLScope::addToCurrentScope(unionNode->name(), *unionNode);
  openScopeOf(IDLScope::ST_UNION, unionNode);
  recognised(IDLError::ES_UNION);
  return unionNode;
}

IDLUnion* endUnion(IDLUnion* unionNode, IDLDefinition* switchType,
                   NCOrderedCltn* cases) {
  unionNode->setSwitchType(switchType);
  unionNode->setCases(cases);
  IDLScope::end(IDLScope::ST_UNION);
  if (isVariable(switchType) || anyVariable(cases))
    unionNode->setFixedLength(0);
  recognised(IDLError::ES_UNION);
  return unionNode;
}

IDLCase* unionCase(NCOrderedCltn* labels, IDLElement* element) {
  IDLCase* node = new IDLCase(labels, element);
  if (isVariable(element))
    node->setFixedLength(0);
  recognised(IDLError::ES_CASE);
  return node;
}

IDLCaseLabel* caseLabel(IDLDefinition* value) {
  IDLCaseLabel* label = new IDLCaseLabel(value);
  recognised(IDLError::ES_CASE);
  return label;
}

IDLElement* element(IDLDefinition* type, IDLDefinition* declarator) {
  IDLElement* node = new IDLElement;
  node->setDeclarator(declarator, type);
  node->addToScope();
  passOnVariableLength(node, type, declarator);
  recognised(IDLError::ES_CASE);
  return node;
}

// ------------------------------------------------------------ enums

IDLEnum* enumerator(const char* name) {
  IDLEnum* node = new IDLEnum(name);
  IDLScope::addToCurrentScope(node->name(), *node);
  recognised(IDLError::ES_ENUM);
  return node;
}

IDLEnumType* enumType(const char* name, NCOrderedCltn* enumerators) {
  IDLEnumType* node = new IDLEnumType(name, enumerators);
  recognised(IDLError::ES_ENUM);
  switch (IDLScope::_current_scope->scopeType()) {
  case IDLScope::ST_STRUCT:
  case IDLScope::ST_UNION:
  case IDLScope::ST_OPERATION:
    IDLError::error(enumNotAllowed);
  default:
    break;
  }
  IDLScope::addToCurrentScope(node->name(), *node);
  return node;
}

// ------------------------------------------------------------ interfaces'
// contents

NCOrderedCltn* attributeName(NCOrderedCltn* names, const char* name) {
  if (!names)
    names = newList();
  names->add(*new IDLSimpleDecl(name));
  recognised(IDLError::ES_DECLARATORS);
  return names;
}

IDLAttrDcl* attrDcl(const char* readonly, IDLDefinition* type,
                    NCOrderedCltn* names) {
  IDLAttrDcl* attr = new IDLAttrDcl(readonly);
  attr->setDeclarators(names, type);
  attr->addToScope();
  return attr;
}

IDLException* beginException(const char* name) {
  IDLException* exception = new IDLException(name);
  IDLScope::addToCurrentScope(exception->name(), *exception);
  openScopeOf(IDLScope::ST_EXCEPTION, exception);
  recognised(IDLError::ES_EXCEPT_DCL);
  return exception;
}

IDLException* endException(IDLException* exception, NCOrderedCltn* members) {
  exception->setMembers(members);
  IDLScope::end(IDLScope::ST_EXCEPTION);
  recognised(IDLError::ES_EXCEPT_DCL);
  return exception;
}

IDLOpDcl* beginOperation(const char* oneway, IDLDefinition* type,
                         const char* name) {
  IDLOpDcl* operation = new IDLOpDcl(oneway, type, name);
  IDLScope::addToCurrentScope(operation->name(), *operation);
  openScopeOf(IDLScope::ST_OPERATION, operation);
  recognised(IDLError::ES_OP_DCL);
  return operation;
}

IDLOpDcl* endOperation(IDLOpDcl* operation, NCOrderedCltn* parameters,
                       IDLRaisesExpr* raises, IDLContextExpr* context) {
  operation->setParameters(parameters);
  operation->setRaises(raises);
  operation->setContext(context);
  IDLScope::end(IDLScope::ST_OPERATION);
  recognised(IDLError::ES_OP_DCL);
  return operation;
}

void beginParameterScope() {
  NCString* name = IDLScope::newUnnamedScope();
  IDLDefinition* owner = new IDLDefinition(IDLDefinition::DEF_unnamed_scope);
  IDLScope::begin(IDLScope::ST_PARAM_LIST, *name, owner);
  owner->setScope(IDLScope::_current_scope);
  recognised(IDLError::ES_PARAM_DCL);
}

NCOrderedCltn* endParameterScope(NCOrderedCltn* parameters) {
  IDLScope::end(IDLScope::ST_PARAM_LIST);
  return parameters;
}

IDLParamDcl* paramDcl(const char* direction, IDLDefinition* type,
                      const char* name) {
  IDLParamDcl* param = new IDLParamDcl(direction);
  param->setDeclarator(new IDLSimpleDecl(name), type);
  param->addToScope();
  recognised(IDLError::ES_PARAM_DCL);
  return param;
}

NCOrderedCltn* contextString(NCOrderedCltn* names, const char* literal) {
  if (!names)
    names = newList();
  names->add(*IDLLiteral::makeString(literal));
  return names;
}

} // namespace parse
