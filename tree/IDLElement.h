// tree/IDLElement.h - the element of a union case: a type and a declarator.

#ifndef VELMARIC_TREE_IDLELEMENT_H
#define VELMARIC_TREE_IDLELEMENT_H

#include "tree/IDLDefinition.h"

class IDLElement : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLElement);

  /// An element without type and declarator yet.
  IDLElement();
  ~IDLElement() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the qualified type and the declarator's name.
  void headerCode(std::ostream& os) override;

  /// Stores `declarator` (not owned) and `type` and binds the declarator to
  /// `type` (see IDLSimpleDecl::bindDeclarator).
  void setDeclarator(IDLDefinition* declarator, IDLDefinition* type);
  /// Enters the element into the current scope under its declarator's name.
  void addToScope();
  /// Whether the type is known (see IDLArrayDecl::isFullyResolved).
  bool isFullyResolved();

  IDLDefinition* typeSpec() const { return _type; }
  IDLDefinition* declarator() const { return _declarator; }

private:
  IDLDefinition* _type = nullptr;
  IDLDefinition* _declarator = nullptr;
};

#endif
