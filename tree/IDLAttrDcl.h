// tree/IDLAttrDcl.h - an attribute declaration: mode, type and names.

#ifndef VELMARIC_TREE_IDLATTRDCL_H
#define VELMARIC_TREE_IDLATTRDCL_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLAttrDcl : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLAttrDcl);

  /// An attribute declaration; `readonly` is "readonly" or empty (copied;
  /// null counts as empty).
  explicit IDLAttrDcl(const char* readonly);
  ~IDLAttrDcl() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;

  /// Stores `declarators` (not owned) and `type` and binds each declarator
  /// to `type` (see IDLSimpleDecl::bindDeclarator).
  void setDeclarators(NCOrderedCltn* declarators, IDLDefinition* type);
  /// Enters the attribute into the current scope under each declarator's
  /// name.
  void addToScope();

  /// "readonly" or empty; owned.
  const NCString& readonly() const { return *_readonly; }
  IDLDefinition* typeSpec() const { return _type; }
  NCOrderedCltn* declarators() const { return _declarators; }

private:
  NCString* _readonly;
  IDLDefinition* _type = nullptr;
  NCOrderedCltn* _declarators = nullptr;
};

#endif
