// tree/IDLTypeDecl.h - a typedef: one type and its declarators.

#ifndef VELMARIC_TREE_IDLTYPEDECL_H
#define VELMARIC_TREE_IDLTYPEDECL_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLTypeDecl : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLTypeDecl);

  /// A typedef of `type` (not owned, may be null) without declarators yet.
  explicit IDLTypeDecl(IDLDefinition* type);
  ~IDLTypeDecl() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client implementation
  /// Writes the code of a struct, union or enum declared in the typedef,
  /// the sequence and (out-of-line) array classes of its declarators and the
  /// type-code definition.
  void clientCCode(std::ostream& os) override;
  // Client header
  /// Writes a struct, union or enum declared in the typedef, then the
  /// typedefs of each declarator with the classes of its arrays and
  /// anonymous sequences.
  void headerCode(std::ostream& os) override;
  /// Writes the type-code name: "_tc_" and the name.
  void unscopedTypeCodeName(std::ostream& os) override;
  /// Writes the type-code declaration for the client header, once per file: a
  /// pointer per declarator; arrays, anonymous sequences and strings declare
  /// their own, named after the declarator. A non-null `name` replaces the
  /// type-code name; `global` is 0 inside a class.
  void typeCodeHeaderCode(std::ostream& os, const char* name,
                          int global) override;
  /// Writes the type-code definition for the client implementation file, once
  /// per file: a TypeCode per declarator; array and sequence declarators write
  /// their own. A non-null `nameSource` lends the pointer its name and scope.
  void typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) override;
  /// The first declarator's name, or "UNDEFINED" without declarators.
  const NCString& name() const override;

  /// Stores `declarators` (IDLSimpleDecl/IDLArrayDecl nodes; not owned) and
  /// `type`, and gives each declarator `type` as its declared type. A
  /// declarator of an anonymous sequence type is registered with the
  /// current scope's sequences.
  void setDeclarators(NCOrderedCltn* declarators, IDLDefinition* type);
  /// Enters each declarator's name into the current scope: an array
  /// declarator as itself, any other with this typedef as the value.
  void addToScope();

  IDLDefinition* typeSpec() const { return _type; }
  NCOrderedCltn* declarators() const { return _declarators; }

private:
  IDLDefinition* _type;
  NCOrderedCltn* _declarators = nullptr;
};

#endif
