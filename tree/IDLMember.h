// tree/IDLMember.h - a struct or exception member: a type and declarators.

#ifndef VELMARIC_TREE_IDLMEMBER_H
#define VELMARIC_TREE_IDLMEMBER_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLMember : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLMember);

  /// A member of `type` (not owned, may be null) without declarators yet.
  explicit IDLMember(IDLDefinition* type);
  ~IDLMember() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the qualified type, the name and ";" per declarator, each
  /// ended by a line end.
  void headerCode(std::ostream& os) override;

  /// Stores `declarators` (not owned) and `type` and binds each declarator
  /// to `type` (see IDLSimpleDecl::bindDeclarator).
  void setDeclarators(NCOrderedCltn* declarators, IDLDefinition* type);
  /// Enters the member into the current scope under each declarator's name.
  void addToScope();
  /// Whether the type is known (see IDLArrayDecl::isFullyResolved).
  bool isFullyResolved();

  IDLDefinition* typeSpec() const { return _type; }
  NCOrderedCltn* declarators() const { return _declarators; }

private:
  IDLDefinition* _type;
  NCOrderedCltn* _declarators = nullptr;
};

#endif
