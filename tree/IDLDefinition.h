// tree/IDLDefinition.h - base class of every node of the definition tree.
//
// A node carries its kind, the file it came from, the scope it opens and the
// scope it was defined in. The virtual operations after those of NCObject
// form a fixed table of 20 slots; the code-generation slots are overridden by
// the node classes in the emitters that own each output file.

#ifndef VELMARIC_TREE_IDLDEFINITION_H
#define VELMARIC_TREE_IDLDEFINITION_H

#include "nclib/NCObject.h"
#include "nclib/NCString.h"

#include <iosfwd>

class IDLPrimType;
class IDLScope;

class IDLDefinition : public NCObject {
  VELMARIC_DECLARE_CLASS(IDLDefinition);

  /// The node kinds. The tree dump prints them by name (kindName).
  // ORDER DEFINITION-TYPE
  enum DefinitionType {
    DEF_type,
    DEF_const,
    DEF_except,
    DEF_interface,
    DEF_module,
    DEF_struct,
    DEF_member,
    DEF_simple_decl,
    DEF_union,
    DEF_enum,
    DEF_simple_type,
    DEF_constr_type,
    DEF_not_implemented,
    DEF_float,
    DEF_double,
    DEF_long_double,
    DEF_long,
    DEF_long_long,
    DEF_short,
    DEF_unsigned_long,
    DEF_unsigned_long_long,
    DEF_unsigned_short,
    DEF_char,
    DEF_boolean,
    DEF_octet,
    DEF_any,
    DEF_string,
    DEF_scoped_name,
    DEF_export,
    DEF_attr,
    DEF_op_dcl,
    DEF_array,
    DEF_case_label,
    DEF_default_case_label,
    DEF_element,
    DEF_case,
    DEF_specification,
    DEF_void,
    DEF_or_expr,
    DEF_logical,
    DEF_true,
    DEF_false,
    DEF_minus,
    DEF_plus,
    DEF_tilde,
    DEF_literal,
    DEF_param,
    DEF_unresolved,
    DEF_unnamed_scope,
    DEF_enum_type,
    DEF_error,
    DEF_primitive_type,
    DEF_unary,
    DEF_binary,
    DEF_unary_op,
    DEF_typedecl,
    DEF_string_type,
    DEF_sequence_type,
    DEF_attr_dcl,
    DEF_array_decl,
    DEF_raises,
    DEF_context,
    /// Never built by the front end; the generators treat it as an interface.
    DEF_interface_like,
    /// "No second kind": the constructor then uses the kind itself.
    DEF_none,
  };
  /// Number of kinds, DEF_none included.
  static constexpr int definitionTypeCount = DEF_none + 1;

  /// A node of `kind` whose second kind is `second`, or `kind` itself when
  /// `second` is DEF_none. Records a copy of the current source file name
  /// (when there is one) and the current scope as the defined-in scope.
  explicit IDLDefinition(DefinitionType kind, DefinitionType second = DEF_none);
  IDLDefinition(const IDLDefinition&) = delete;
  IDLDefinition& operator=(const IDLDefinition&) = delete;
  /// Writes "Freeing:" and the generic dump to standard output.
  ~IDLDefinition() override;

  /// Kind, scope reference and fixed-length flag.
  void write(NCostream& os) const override;
  /// The generic dump: kind name, file context and fixed-length flag.
  void prettyPrint(NCostream& os) const override;
  /// The kind.
  std::uint32_t hash() const override;
  /// Kind minus the other node's kind; `other` must be a definition.
  int compare(const NCObject& other) const override;

  // The twenty node slots, in table order. The base versions write nothing,
  // except that headerCode writes "1" for DEF_true and "0" for DEF_false.
  virtual void headerCode(std::ostream& os);
  virtual void tieCode(std::ostream& os, int flag);
  virtual void serverHeaderCode(std::ostream& os);
  virtual void serverHeaderCodeAgain(std::ostream& os);
  virtual void serverCCode(std::ostream& os);
  virtual void clientCCode(std::ostream& os);
  virtual void readObjectFromStream(std::ostream& os, const char* value,
                                    const char* stream, int isPointer,
                                    const char* direction, const char* extra,
                                    int fixedLength);
  virtual void writeObjectToStream(std::ostream& os, const char* value,
                                   const char* stream, int isPointer,
                                   const char* direction, int fixedLength);
  virtual void readObjectFromNCStream(std::ostream& os, const char* value,
                                      const char* stream, int isPointer);
  virtual void writeObjectToNCStream(std::ostream& os, const char* value,
                                     const char* stream, int isPointer);
  virtual void typeCodeHeaderCode(std::ostream& os, const char* name,
                                  int global);
  virtual void typeCodeCCode(std::ostream& os, IDLDefinition* nameSource);
  virtual void unscopedTypeCodeName(std::ostream& os);
  virtual void unscopedName(std::ostream& os);
  /// The scope this node opens; null until setScope().
  virtual IDLScope* scope() const;
  /// The scope the node was defined in (or entered into); may be null.
  virtual IDLScope* definedInScope() const;
  /// The node's name; the shared "UNDEFINED" string for nodes without one.
  virtual const NCString& name() const;
  /// Integer value of a constant expression; 0 here.
  virtual long getInt() const;
  /// Floating value of a constant expression; 0.0 here.
  virtual float getFloat() const;
  /// Result type of a constant expression (not owned), or null as here.
  virtual IDLPrimType* type() const;

  DefinitionType kind() const { return _kind; }
  DefinitionType secondKind() const { return _secondKind; }
  /// The source file the node came from, or null; owned by the node.
  const NCString* fileName() const { return _fileName; }
  /// Replaces the file name with a copy of `name` (null clears it).
  void setFileName(const char* name);
  /// 1 unless the node denotes a type of variable length.
  int fixedLength() const { return _fixedLength; }
  void setFixedLength(int fixed) { _fixedLength = fixed; }
  int typeCodeDeclared() const { return _typeCodeDeclared; }
  void setTypeCodeDeclared(int mark) { _typeCodeDeclared = mark; }
  int typeCodeDefined() const { return _typeCodeDefined; }
  void setTypeCodeDefined(int mark) { _typeCodeDefined = mark; }

  /// Makes `s` (not owned, may be null) the scope this node opens and this
  /// node the owner of `s`.
  void setScope(IDLScope* s);
  /// Records `s` (not owned) as the scope the node was entered into.
  void setDefinedInScope(IDLScope* s) { _definedInScope = s; }

  /// Expression class of a type kind: 0 integer, 1 character, 2 boolean,
  /// 3 floating, 4 string, 5 anything else.
  static int exprType(DefinitionType k);
  /// The expression class of this node's second kind.
  int exprType() const { return exprType(_secondKind); }

  /// The name the dump prints for `k`, or null for the kinds without one.
  static const char* kindName(DefinitionType k);

  /// Whether `obj` (not null) is a node of any class: symbol-table values
  /// may also be lists of nodes.
  static bool isDefinition(const NCObject* obj);

  /// The defining node of the type `d` refers to, looking through scoped
  /// names and typedefs; a name declared as an array in a typedef gives its
  /// array declarator. Null (with a message on standard error for a null
  /// `d`) when the chain ends unresolved. Nothing is owned by the caller.
  static IDLDefinition* getType(IDLDefinition* d);

  /// The text "UNDEFINED", shared by every node without a name.
  static const NCString undefstr;

protected:
  /// Writes "Freeing:" and this node's prettyPrint to standard output; each
  /// node class's destructor calls it, so the dump is that class's own.
  void traceFreeing() const;
  /// For nodes whose second kind is not in their stream form.
  void setSecondKind(DefinitionType k) { _secondKind = k; }

private:
  DefinitionType _kind;
  NCString* _fileName = nullptr;
  IDLScope* _scope = nullptr;
  IDLScope* _definedInScope = nullptr;
  DefinitionType _secondKind;
  int _fixedLength = 1;
  int _typeCodeDeclared = 0;
  int _typeCodeDefined = 0;
};

#endif
