// tree/IDLParamDcl.h - an operation parameter: direction, type, declarator.

#ifndef VELMARIC_TREE_IDLPARAMDCL_H
#define VELMARIC_TREE_IDLPARAMDCL_H

#include "tree/IDLDefinition.h"

class IDLParamDcl : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLParamDcl);

  /// A parameter passed `direction` ("in", "out" or "inout"; copied).
  explicit IDLParamDcl(const char* direction);
  ~IDLParamDcl() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;

  /// Stores `declarator` (not owned) and `type` and binds the declarator to
  /// `type` (see IDLSimpleDecl::bindDeclarator).
  void setDeclarator(IDLDefinition* declarator, IDLDefinition* type);
  /// Enters the parameter into the current scope under its declarator's
  /// name.
  void addToScope();

  /// "in", "out" or "inout"; owned.
  const NCString& direction() const { return *_direction; }
  IDLDefinition* typeSpec() const { return _type; }
  IDLDefinition* declarator() const { return _declarator; }

private:
  NCString* _direction;
  IDLDefinition* _type = nullptr;
  IDLDefinition* _declarator = nullptr;
};

#endif
