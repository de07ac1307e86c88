// tree/IDLContextExpr.h - the context clause of an operation.

#ifndef VELMARIC_TREE_IDLCONTEXTEXPR_H
#define VELMARIC_TREE_IDLCONTEXTEXPR_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLContextExpr : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLContextExpr);

  /// The string literal nodes of the clause (not owned); null when the
  /// operation has no context clause.
  explicit IDLContextExpr(NCOrderedCltn* names);
  ~IDLContextExpr() override;

  void write(NCostream& os) const override;
  /// Nothing without a list.
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes "context (" and the names separated by ",", then ")";
  /// nothing without a list.
  void headerCode(std::ostream& os) override;
  // Marshalling
  /// Writes the statement that moves the context `value` through a marshal
  /// stream with << and >>. Object streams carry no context.
  void writeObjectToStream(std::ostream& os, const char* value,
                           const char* stream, int isPointer,
                           const char* direction, int fixedLength) override;
  void readObjectFromStream(std::ostream& os, const char* value,
                            const char* stream, int isPointer,
                            const char* direction, const char* extra,
                            int fixedLength) override;

  NCOrderedCltn* names() const { return _names; }

private:
  NCOrderedCltn* _names;
};

#endif
