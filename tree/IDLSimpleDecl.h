// tree/IDLSimpleDecl.h - a plain declarator: a name and its declared type.

#ifndef VELMARIC_TREE_IDLSIMPLEDECL_H
#define VELMARIC_TREE_IDLSIMPLEDECL_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLSimpleDecl : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLSimpleDecl);

  /// Declarator `name` (copied); its type is set by its owner.
  explicit IDLSimpleDecl(const char* name);
  ~IDLSimpleDecl() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the unscoped name.
  void headerCode(std::ostream& os) override;
  /// Writes the type-code name: "_tc_" and the name.
  void unscopedTypeCodeName(std::ostream& os) override;
  const NCString& name() const override { return _name; }

  /// The declared type (not owned), or null before binding.
  IDLDefinition* declaredType() const { return _declaredType; }
  void setDeclaredType(IDLDefinition* type) { _declaredType = type; }

  /// Gives `declarator` (an IDLSimpleDecl or IDLArrayDecl) `type` as its
  /// declared type; when `type` is a sequence type, also registers the
  /// declarator with the current scope's sequences. Nothing is owned.
  static void bindDeclarator(IDLDefinition* declarator, IDLDefinition* type);
  /// bindDeclarator for every declarator of `declarators` (may be null).
  static void bindDeclarators(NCOrderedCltn* declarators, IDLDefinition* type);
  /// Enters `value` into the current scope under the name of every
  /// declarator of `declarators` (may be null).
  static void addNamesToScope(NCOrderedCltn* declarators, IDLDefinition& value);

private:
  NCString _name;
  IDLDefinition* _declaredType = nullptr;
};

#endif
