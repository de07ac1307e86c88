// tree/IDLOpDcl.h - an operation: result, parameters, raises and context.

#ifndef VELMARIC_TREE_IDLOPDCL_H
#define VELMARIC_TREE_IDLOPDCL_H

#include "tree/IDLDefinition.h"

class IDLContextExpr;
class IDLRaisesExpr;
class NCOrderedCltn;

class IDLOpDcl : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLOpDcl);

  /// Operation `name` (copied) returning `returnType` (not owned; an
  /// IDLPrimType of second kind DEF_void for void). `oneway` is "oneway" or
  /// empty (copied; null counts as empty).
  IDLOpDcl(const char* oneway, IDLDefinition* returnType, const char* name);
  ~IDLOpDcl() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client implementation
  /// Writes the client stub and, when an argument hands out storage and
  /// Generator::overloadVarFunc is set, the overload taking _var holders.
  void clientCCode(std::ostream& os) override;
  // Client header
  /// Writes the classes of the parameter list's sequences and arrays,
  /// then the pure member declaration (no line end after it) and, when an
  /// argument hands out storage, the overload taking _var holders. Ends the
  /// run for a oneway operation with a result or with a parameter that is
  /// not "in".
  void headerCode(std::ostream& os) override;
  // Server header and tie classes
  /// Writes the pure virtual member the server implements, with its
  /// exception specification when Generator::generateExcepSpec is set.
  void serverHeaderCode(std::ostream& os) override;
  /// Writes the declaration of the static dispatch function.
  void serverHeaderCodeAgain(std::ostream& os) override;
  /// Writes the tie member that forwards the call to the implementation.
  void tieCode(std::ostream& os, int flag) override;
  // Server implementation
  /// Writes the static dispatch function: it reads the in and inout
  /// arguments, calls the implementation and, unless oneway, sends the
  /// result and the inout and out values back.
  void serverCCode(std::ostream& os) override;
  const NCString& name() const override { return _name; }

  /// "oneway" or empty; owned.
  const NCString& oneway() const { return *_oneway; }
  IDLDefinition* returnType() const { return _returnType; }
  /// The IDLParamDcl nodes (not owned), or null.
  NCOrderedCltn* parameters() const { return _parameters; }
  void setParameters(NCOrderedCltn* parameters) { _parameters = parameters; }
  /// Always set by the grammar; its list is null without a raises clause.
  IDLRaisesExpr* raises() const { return _raises; }
  void setRaises(IDLRaisesExpr* raises) { _raises = raises; }
  /// Always set by the grammar; its list is null without a context clause.
  IDLContextExpr* context() const { return _context; }
  void setContext(IDLContextExpr* context) { _context = context; }

private:
  NCString _name;
  NCString* _oneway;
  IDLDefinition* _returnType;
  NCOrderedCltn* _parameters = nullptr;
  IDLRaisesExpr* _raises = nullptr;
  IDLContextExpr* _context = nullptr;
};

#endif
