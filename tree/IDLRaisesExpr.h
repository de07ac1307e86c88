// tree/IDLRaisesExpr.h - the raises clause of an operation.

#ifndef VELMARIC_TREE_IDLRAISESEXPR_H
#define VELMARIC_TREE_IDLRAISESEXPR_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLRaisesExpr : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLRaisesExpr);

  /// The IDLScopedName nodes of the exceptions raised (not owned); null
  /// when the operation has no raises clause.
  explicit IDLRaisesExpr(NCOrderedCltn* exceptions);
  ~IDLRaisesExpr() override;

  void write(NCostream& os) const override;
  /// Nothing without a list.
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the exceptions as a handler's parameters: each
  /// name, "& " and "_excpt" with its position from 1, separated by ", ".
  void headerCode(std::ostream& os) override;

  NCOrderedCltn* exceptions() const { return _exceptions; }

private:
  NCOrderedCltn* _exceptions;
};

#endif
