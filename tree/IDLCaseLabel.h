// tree/IDLCaseLabel.h - a case label; without a value it is "default".

#ifndef VELMARIC_TREE_IDLCASELABEL_H
#define VELMARIC_TREE_IDLCASELABEL_H

#include "tree/IDLDefinition.h"

class IDLCaseLabel : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLCaseLabel);

  /// A label of the constant expression `value` (not owned); null makes the
  /// default label.
  explicit IDLCaseLabel(IDLDefinition* value);
  ~IDLCaseLabel() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes "case " and the value, or "default", then ":".
  void headerCode(std::ostream& os) override;

  /// The label value, or null for "default".
  IDLDefinition* value() const { return _value; }

private:
  IDLDefinition* _value;
};

#endif
