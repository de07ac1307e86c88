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
  // Client implementation
  /// Writes the get stub of each declarator and, unless the attribute is
  /// readonly, its set stub.
  void clientCCode(std::ostream& os) override;
  // Client header
  /// Writes a get member per declarator and, unless read-only, a set
  /// member.
  void headerCode(std::ostream& os) override;

  // Server header and tie classes
  /// Writes the pure virtual accessors of each declarator: the getter and,
  /// unless the attribute is readonly, the setter.
  void serverHeaderCode(std::ostream& os) override;
  /// Writes the declarations of the accessors' static dispatch functions.
  void serverHeaderCodeAgain(std::ostream& os) override;
  /// Writes the tie accessors that forward to the implementation.
  void tieCode(std::ostream& os, int flag) override;

  // Server implementation
  /// Writes the get dispatch function of each declarator and, unless the
  /// attribute is readonly, its set dispatch function.
  void serverCCode(std::ostream& os) override;

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
