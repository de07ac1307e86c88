// tree/IDLConstDcl.h - a constant declaration with its evaluated value.

#ifndef VELMARIC_TREE_IDLCONSTDCL_H
#define VELMARIC_TREE_IDLCONSTDCL_H

#include "tree/IDLDefinition.h"

class IDLConstDcl : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLConstDcl);

  /// Constant `name` (copied) of `declaredType` with the expression `value`
  /// (neither owned). The value is taken with storeValue().
  IDLConstDcl(const char* name, IDLDefinition* declaredType,
              IDLDefinition* value);
  ~IDLConstDcl() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client implementation
  /// Writes a line end and, for a constant declared inside a class, its
  /// definition.
  void clientCCode(std::ostream& os) override;
  // Client header
  /// Writes the constant: a static member with its value in a comment
  /// inside a class, an initialised constant at global scope. No line end
  /// after it.
  void headerCode(std::ostream& os) override;
  const NCString& name() const override { return _name; }
  /// The stored integer value, floating value and result type.
  long getInt() const override { return _intValue; }
  float getFloat() const override { return _floatValue; }
  IDLPrimType* type() const override { return _literalType; }

  /// Takes the integer and floating values of the value expression and
  /// passes its result type to setType(). Ends the run with "Illegal type in
  /// const declaration." when the expression has no result type.
  void storeValue();
  /// Stores `t` (not owned) as the result type. Ends the run with
  /// "Mismatched types." when its expression class differs from that of the
  /// declared type.
  void setType(IDLPrimType* t);

  IDLDefinition* declaredType() const { return _declaredType; }
  IDLDefinition* value() const { return _value; }

private:
  NCString _name;
  IDLDefinition* _declaredType;
  IDLDefinition* _value;
  IDLPrimType* _literalType = nullptr;
  long _intValue = 0;
  float _floatValue = 0.0f;
};

#endif
