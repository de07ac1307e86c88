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
