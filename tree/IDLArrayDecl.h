// tree/IDLArrayDecl.h - an array declarator: a name and its dimensions.

#ifndef VELMARIC_TREE_IDLARRAYDECL_H
#define VELMARIC_TREE_IDLARRAYDECL_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLArrayDecl : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLArrayDecl);

  /// Array `name` (copied) with the constant expressions `dimensions` (not
  /// owned, outermost first); its element type is set by its owner.
  IDLArrayDecl(const char* name, NCOrderedCltn* dimensions);
  ~IDLArrayDecl() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the unscoped name.
  void headerCode(std::ostream& os) override;
  // Marshalling
  /// Writes the statement that moves the array `value` (this declarator's
  /// name when null) through a marshal stream or object stream, by the
  /// static members of its _var class (by put on an object stream).
  void writeObjectToStream(std::ostream& os, const char* value,
                           const char* stream, int isPointer,
                           const char* direction, int fixedLength) override;
  void readObjectFromStream(std::ostream& os, const char* value,
                            const char* stream, int isPointer,
                            const char* direction, const char* extra,
                            int fixedLength) override;
  void writeObjectToNCStream(std::ostream& os, const char* value,
                             const char* stream, int isPointer) override;
  void readObjectFromNCStream(std::ostream& os, const char* value,
                              const char* stream, int isPointer) override;
  /// Writes the type-code name: "_tc_" and the name.
  void unscopedTypeCodeName(std::ostream& os) override;
  /// Writes the type-code declaration for the client header, once per file: the
  /// pointer and the Any operators on the _forany wrapper. A non-null `name`
  /// replaces the type-code name; `global` is 0 inside a class.
  void typeCodeHeaderCode(std::ostream& os, const char* name,
                          int global) override;
  /// Writes the type-code definition for the client implementation file, once
  /// per file: a TypeCode nested once per further dimension. A non-null
  /// `nameSource` lends the pointer its name and scope.
  void typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) override;
  const NCString& name() const override { return _name; }

  /// Whether the element type is known: a scoped name is resolved first if
  /// need be; an interface only forward-declared is not fully resolved.
  bool isFullyResolved();

  NCOrderedCltn* dimensions() const { return _dimensions; }
  /// The element type (not owned), or null before binding.
  IDLDefinition* declaredType() const { return _declaredType; }
  void setDeclaredType(IDLDefinition* type) { _declaredType = type; }
  /// The generated class name; empty until the class has been declared.
  const NCString& className() const { return _className; }
  void setClassName(const char* name) { _className = name; }
  int declared() const { return _declared; }
  void setDeclared(int mark) { _declared = mark; }

private:
  NCString _name;
  NCOrderedCltn* _dimensions;
  IDLDefinition* _declaredType = nullptr;
  NCString _className;
  int _declared = 0;
};

#endif
