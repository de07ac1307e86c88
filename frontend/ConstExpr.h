// frontend/ConstExpr.h - nodes of constant expressions.
//
// The parser evaluates every operation as soon as its node is built, so each
// node carries its integer value, floating value and result type. Integer
// arithmetic is 32-bit and wraps; type errors and division by zero end the
// run through IDLError.

#ifndef VELMARIC_FRONTEND_CONSTEXPR_H
#define VELMARIC_FRONTEND_CONSTEXPR_H

#include "tree/IDLDefinition.h"

/// A literal with its text exactly as scanned (quotes included).
class IDLLiteral : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLLiteral);

  /// A literal of `text` (copied) of type `type` (not owned, may be null)
  /// with the given values.
  IDLLiteral(const char* text, IDLPrimType* type, long intValue,
             float floatValue);
  ~IDLLiteral() override;

  /// The builders the grammar calls. Each gives the literal a new
  /// IDLPrimType whose defining scope is the root scope. `text` is copied.
  /// Decimal, octal after a leading 0, hexadecimal after 0x or 0X; "long".
  static IDLLiteral* makeInteger(const char* text);
  /// Converted as by atof and stored as float; the integer value is that
  /// truncated toward zero; "float".
  static IDLLiteral* makeFloat(const char* text);
  /// "char", values 0.
  static IDLLiteral* makeCharacter(const char* text);
  /// "string", values 0.
  static IDLLiteral* makeString(const char* text);
  /// "TRUE" or "FALSE"; "boolean", values 0.
  static IDLLiteral* makeBoolean(const char* text);

  /// The IDLDefinition part and the text.
  void write(NCostream& os) const override;
  /// The text.
  void prettyPrint(NCostream& os) const override;
  /// Writes "1" for TRUE, "0" for FALSE, else the text.
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the unscoped name.
  void headerCode(std::ostream& os) override;
  /// The text's hash.
  std::uint32_t hash() const override;
  /// The IDLDefinition part, then integer value, floating value and text.
  int compare(const NCObject& other) const override;
  /// The text.
  const NCString& name() const override { return _text; }
  long getInt() const override { return _intValue; }
  float getFloat() const override { return _floatValue; }
  IDLPrimType* type() const override { return _type; }

private:
  NCString _text;
  IDLPrimType* _type;
  long _intValue;
  float _floatValue;
};

/// A unary operator: "-", "~" or "+".
class IDLUnaryOp : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLUnaryOp);

  enum OpCode { OP_MINUS = 0, OP_COMPLEMENT = 1, OP_PLUS = 2, OP_OTHER = 3 };

  /// The operator spelt `text` (copied).
  explicit IDLUnaryOp(const char* text);
  ~IDLUnaryOp() override;

  void write(NCostream& os) const override;
  /// The operator text.
  void prettyPrint(NCostream& os) const override;
  /// Writes the operator text.
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the unscoped name.
  void headerCode(std::ostream& os) override;
  /// The IDLDefinition part, then the text.
  int compare(const NCObject& other) const override;
  const NCString& name() const override { return _text; }

  OpCode opCode() const { return _opCode; }

private:
  NCString _text;
  OpCode _opCode;
};

/// A unary operation ("UNARY") or a parenthesized expression
/// ("PARENTHESIZED").
class IDLUnaryExpr : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLUnaryExpr);

  /// A unary operation applying `op` to `operand` (neither owned); its
  /// values are set by typeCheckAndEvaluate().
  IDLUnaryExpr(IDLUnaryOp* op, IDLDefinition* operand);
  /// The parenthesized `inner` (not owned); copies its values and type.
  explicit IDLUnaryExpr(IDLDefinition* inner);
  ~IDLUnaryExpr() override;

  /// Evaluates the operation, or ends the run on a type error.
  void typeCheckAndEvaluate();

  void write(NCostream& os) const override;
  /// "(", the operand, ")" when parenthesized; else operator and operand.
  void prettyPrint(NCostream& os) const override;
  /// Writes the value: integer or floating by the result type, else
  /// nothing.
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes "( ", the operand and " )" when parenthesized, else the
  /// operator, a blank, the operand and a blank.
  void headerCode(std::ostream& os) override;
  /// "UNARY" or "PARENTHESIZED".
  const NCString& name() const override { return _text; }
  long getInt() const override { return _intValue; }
  float getFloat() const override { return _floatValue; }
  IDLPrimType* type() const override { return _type; }

  bool isParenthesized() const;
  IDLUnaryOp* op() const { return _op; }
  IDLDefinition* operand() const { return _operand; }

private:
  NCString _text;
  IDLUnaryOp* _op;
  IDLDefinition* _operand;
  long _intValue = 0;
  float _floatValue = 0.0f;
  IDLPrimType* _type = nullptr;
};

/// A binary operation.
class IDLBinaryExpr : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLBinaryExpr);

  enum OpCode {
    OP_PLUS = 0,
    OP_MINUS = 1,
    OP_TIMES = 2,
    OP_MODULO = 3,
    OP_DIVIDE = 4,
    OP_LEFT_SHIFT = 5,
    OP_RIGHT_SHIFT = 6,
    OP_AND = 7,
    OP_OR = 8,
    OP_XOR = 9,
    OP_OTHER = 10,
  };

  /// `left` `text` `right` (operands not owned; text copied); its values are
  /// set by typeCheckAndEvaluate().
  IDLBinaryExpr(const char* text, IDLDefinition* left, IDLDefinition* right);
  ~IDLBinaryExpr() override;

  /// Evaluates the operation, or ends the run on a type error or a division
  /// by zero.
  void typeCheckAndEvaluate();

  void write(NCostream& os) const override;
  /// The left operand, the operator text, " ", the right operand.
  void prettyPrint(NCostream& os) const override;
  /// Writes the value: integer or floating by the result type, else
  /// nothing.
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the left operand, the operator and the right operand,
  /// separated by blanks.
  void headerCode(std::ostream& os) override;
  /// The IDLDefinition part, then the operator text.
  int compare(const NCObject& other) const override;
  /// The operator text.
  const NCString& name() const override { return _text; }
  long getInt() const override { return _intValue; }
  float getFloat() const override { return _floatValue; }
  IDLPrimType* type() const override { return _type; }

  OpCode opCode() const { return _opCode; }
  IDLDefinition* left() const { return _left; }
  IDLDefinition* right() const { return _right; }

private:
  NCString _text;
  IDLDefinition* _left;
  IDLDefinition* _right;
  long _intValue = 0;
  float _floatValue = 0.0f;
  OpCode _opCode;
  IDLPrimType* _type = nullptr;
};

#endif
