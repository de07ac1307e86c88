// tree/IDLStringType.h - the string type, bounded or not.

#ifndef VELMARIC_TREE_IDLSTRINGTYPE_H
#define VELMARIC_TREE_IDLSTRINGTYPE_H

#include "tree/IDLDefinition.h"

class IDLStringType : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLStringType);

  /// A string type bounded by the constant expression `bound` (not owned);
  /// null for an unbounded string.
  explicit IDLStringType(IDLDefinition* bound);
  ~IDLStringType() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes "char *".
  void unscopedName(std::ostream& os) override;
  /// "string".
  const NCString& name() const override { return _name; }

  IDLDefinition* bound() const { return _bound; }

private:
  IDLDefinition* _bound;
  NCString _name;
};

#endif
