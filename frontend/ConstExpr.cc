// frontend/ConstExpr.cc - building and evaluating constant expressions.
//
// Integer values are 32-bit: every integer result is computed in
// std::uint32_t and read back as a signed 32-bit value, so overflow wraps
// (the most negative value divided by -1 gives itself, remainder 0).

#include "frontend/ConstExpr.h"

#include "frontend/IDLError.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLScope.h"
#include "tree/StreamFields.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

VELMARIC_DEFINE_CLASS(IDLLiteral, IDLDefinition::desc())
VELMARIC_DEFINE_CLASS(IDLUnaryOp, IDLDefinition::desc())
VELMARIC_DEFINE_CLASS(IDLUnaryExpr, IDLDefinition::desc())
VELMARIC_DEFINE_CLASS(IDLBinaryExpr, IDLDefinition::desc())

namespace {

// clang-format off
// Messages of constant-expression evaluation; each ends the run.
constexpr const char* unableToDetermineType = "Unable to determine type";
constexpr const char* illegalUnaryMinus     = "Illegal type for unary minus";
constexpr const char* illegalUnaryComplement = "Illegal type for unary complement";
constexpr const char* illegalUnaryPlus      = "Illegal type for unary plus";
constexpr const char* illegalOperation      = "Illegal operation";
constexpr const char* mixedTypes            = "Mixed types not allowed in expression.";
constexpr const char* illegalPlus           = "Illegal types for plus";
constexpr const char* illegalMinus          = "Illegal types for minus";
constexpr const char* illegalTimes          = "Illegal types for times";
constexpr const char* divisionByZero        = "Division by zero";
constexpr const char* illegalDivision       = "Illegal types for division";
// The shifts and the bitwise operators report their type errors with the
// modulo text as well.
constexpr const char* illegalModulo         = "Illegal types for modulo";
constexpr const char* illegalLeftShift      = "Illegal right hand parameter for left shift operator";
constexpr const char* illegalRightShift     = "Illegal right hand parameter for right shift operator";

// Texts of the expression nodes.
constexpr const char* unaryText         = "UNARY";
constexpr const char* parenthesizedText = "PARENTHESIZED";
// clang-format on

// Expression classes of IDLDefinition::exprType.
constexpr int integerClass = 0;
constexpr int floatingClass = 3;

long fromUint32(std::uint32_t v) {
  return static_cast<long>(static_cast<std::int32_t>(v));
}

std::int32_t toInt32(long v) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

// A floating value truncated toward zero, wrapped to 32 bits.
long truncateToInt32(double v) {
  if (!std::isfinite(v))
    return 0;
  double whole = std::trunc(v);
  if (whole >= -2147483648.0 && whole < 2147483648.0)
    return static_cast<long>(whole);
  double wrapped = std::fmod(whole, 4294967296.0);
  if (wrapped < 0)
    wrapped += 4294967296.0;
  return fromUint32(static_cast<std::uint32_t>(wrapped));
}

// The type node of a literal; literals are typed in the root scope.
IDLPrimType* literalType(const char* name,
                         IDLDefinition::DefinitionType subkind) {
  IDLPrimType* type = new IDLPrimType(name, subkind);
  type->setDefinedInScope(IDLScope::_root_scope);
  return type;
}

int compareLongs(long a, long b) {
  return (a > b) - (a < b);
}

} // namespace

// ---------------------------------------------------------------- literals

IDLLiteral::IDLLiteral(const char* text, IDLPrimType* type, long intValue,
                       float floatValue)
    : IDLDefinition(DEF_literal), _text(text), _type(type), _intValue(intValue),
      _floatValue(floatValue) {}

IDLLiteral::IDLLiteral(NCistream& is)
    : IDLDefinition(is), _type(nullptr), _intValue(0), _floatValue(0.0f) {
  streamfields::readText(is, _text);
}

IDLLiteral::~IDLLiteral() {
  traceFreeing();
}

IDLLiteral* IDLLiteral::makeInteger(const char* text) {
  // Base 0 reads a leading 0 as octal and 0x or 0X as hexadecimal.
  unsigned long value = std::strtoul(text, nullptr, 0);
  long intValue = fromUint32(static_cast<std::uint32_t>(value));
  return new IDLLiteral(text, literalType("long", DEF_long), intValue,
                        static_cast<float>(intValue));
}

IDLLiteral* IDLLiteral::makeFloat(const char* text) {
  float floatValue = static_cast<float>(std::atof(text));
  return new IDLLiteral(text, literalType("float", DEF_float),
                        truncateToInt32(floatValue), floatValue);
}

IDLLiteral* IDLLiteral::makeCharacter(const char* text) {
  return new IDLLiteral(text, literalType("char", DEF_char), 0, 0.0f);
}

IDLLiteral* IDLLiteral::makeString(const char* text) {
  return new IDLLiteral(text, literalType("string", DEF_string), 0, 0.0f);
}

IDLLiteral* IDLLiteral::makeBoolean(const char* text) {
  return new IDLLiteral(text, literalType("boolean", DEF_boolean), 0, 0.0f);
}

void IDLLiteral::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _text.chars();
}

void IDLLiteral::prettyPrint(NCostream& os) const {
  os << _text.chars();
}

std::uint32_t IDLLiteral::hash() const {
  return _text.hash();
}

int IDLLiteral::compare(const NCObject& other) const {
  if (int c = IDLDefinition::compare(other))
    return c;
  const IDLLiteral& that = static_cast<const IDLLiteral&>(other);
  if (int c = compareLongs(_intValue, that._intValue))
    return c;
  if (_floatValue != that._floatValue)
    return _floatValue < that._floatValue ? -1 : 1;
  return _text.compare(that._text);
}

// --------------------------------------------------------- unary operators

namespace {

IDLUnaryOp::OpCode unaryOpCode(const char* text) {
  if (std::strcmp(text, "-") == 0)
    return IDLUnaryOp::OP_MINUS;
  if (std::strcmp(text, "~") == 0)
    return IDLUnaryOp::OP_COMPLEMENT;
  if (std::strcmp(text, "+") == 0)
    return IDLUnaryOp::OP_PLUS;
  return IDLUnaryOp::OP_OTHER;
}

} // namespace

IDLUnaryOp::IDLUnaryOp(const char* text)
    : IDLDefinition(DEF_unary_op), _text(text),
      _opCode(unaryOpCode(_text.chars())) {}

IDLUnaryOp::IDLUnaryOp(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _text);
  _opCode = unaryOpCode(_text.chars());
}

IDLUnaryOp::~IDLUnaryOp() {
  traceFreeing();
}

void IDLUnaryOp::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _text.chars();
}

void IDLUnaryOp::prettyPrint(NCostream& os) const {
  os << _text.chars();
}

int IDLUnaryOp::compare(const NCObject& other) const {
  if (int c = IDLDefinition::compare(other))
    return c;
  return _text.compare(static_cast<const IDLUnaryOp&>(other)._text);
}

// ------------------------------------------------------ unary expressions

IDLUnaryExpr::IDLUnaryExpr(IDLUnaryOp* op, IDLDefinition* operand)
    : IDLDefinition(DEF_unary), _text(unaryText), _op(op), _operand(operand) {}

IDLUnaryExpr::IDLUnaryExpr(IDLDefinition* inner)
    : IDLDefinition(DEF_unary), _text(parenthesizedText), _op(nullptr),
      _operand(inner) {
  if (inner) {
    _intValue = inner->getInt();
    _floatValue = inner->getFloat();
    _type = inner->type();
  }
}

IDLUnaryExpr::IDLUnaryExpr(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _text);
  _op = streamfields::readRef<IDLUnaryOp>(is);
  _operand = streamfields::readRef<IDLDefinition>(is);
  is >> _intValue;
  is >> _floatValue;
  _type = streamfields::readRef<IDLPrimType>(is);
}

IDLUnaryExpr::~IDLUnaryExpr() {
  traceFreeing();
}

bool IDLUnaryExpr::isParenthesized() const {
  return std::strcmp(_text.chars(), parenthesizedText) == 0;
}

void IDLUnaryExpr::typeCheckAndEvaluate() {
  _floatValue = _operand ? _operand->getFloat() : 0.0f;
  _intValue = _operand ? _operand->getInt() : 0;
  _type = _operand ? _operand->type() : nullptr;
  // Parentheses only pass the inner values on.
  if (isParenthesized())
    return;
  if (!_type)
    IDLError::error(unableToDetermineType);
  int exprClass = _type->exprType();
  switch (_op ? _op->opCode() : IDLUnaryOp::OP_OTHER) {
  case IDLUnaryOp::OP_MINUS:
    if (exprClass == integerClass)
      _intValue = fromUint32(0u - static_cast<std::uint32_t>(_intValue));
    else if (exprClass == floatingClass)
      _floatValue = -_floatValue;
    else
      IDLError::error(illegalUnaryMinus);
    break;
  case IDLUnaryOp::OP_COMPLEMENT:
    if (exprClass != integerClass)
      IDLError::error(illegalUnaryComplement);
    _intValue = fromUint32(~static_cast<std::uint32_t>(_intValue));
    break;
  case IDLUnaryOp::OP_PLUS:
    if (exprClass != integerClass && exprClass != floatingClass)
      IDLError::error(illegalUnaryPlus);
    break;
  case IDLUnaryOp::OP_OTHER:
    IDLError::error(illegalOperation);
  }
}

void IDLUnaryExpr::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _text.chars();
  os.writeTransObj(_op);
  os.writeTransObj(_operand);
  os << _intValue;
  os << _floatValue;
  os.writeTransObj(_type);
}

void IDLUnaryExpr::prettyPrint(NCostream& os) const {
  if (isParenthesized()) {
    os << "(";
    if (_operand)
      _operand->prettyPrint(os);
    os << ")";
    return;
  }
  if (_op)
    _op->prettyPrint(os);
  if (_operand)
    _operand->prettyPrint(os);
}

// ----------------------------------------------------- binary expressions

namespace {

IDLBinaryExpr::OpCode binaryOpCode(const char* text) {
  // clang-format off
  static const char* const spellings[] = {
      "+", "-", "*", "%", "/", "<<", ">>", "&", "|", "^",
  };
  // clang-format on
  for (int code = 0; code < IDLBinaryExpr::OP_OTHER; ++code)
    if (std::strcmp(text, spellings[code]) == 0)
      return static_cast<IDLBinaryExpr::OpCode>(code);
  return IDLBinaryExpr::OP_OTHER;
}

} // namespace

IDLBinaryExpr::IDLBinaryExpr(const char* text, IDLDefinition* left,
                             IDLDefinition* right)
    : IDLDefinition(DEF_binary), _text(text), _left(left), _right(right),
      _opCode(binaryOpCode(_text.chars())) {}

IDLBinaryExpr::IDLBinaryExpr(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _text);
  _left = streamfields::readRef<IDLDefinition>(is);
  _right = streamfields::readRef<IDLDefinition>(is);
  is >> _intValue;
  is >> _floatValue;
  _opCode = binaryOpCode(_text.chars());
  _type = streamfields::readRef<IDLPrimType>(is);
}

IDLBinaryExpr::~IDLBinaryExpr() {
  traceFreeing();
}

void IDLBinaryExpr::typeCheckAndEvaluate() {
  IDLPrimType* leftType = _left ? _left->type() : nullptr;
  IDLPrimType* rightType = _right ? _right->type() : nullptr;
  if (!leftType || !rightType)
    IDLError::error(unableToDetermineType);
  if (leftType->exprType() != rightType->exprType())
    IDLError::error(mixedTypes);

  const std::int32_t l = toInt32(_left->getInt());
  const std::int32_t r = toInt32(_right->getInt());
  const std::uint32_t ul = static_cast<std::uint32_t>(l);
  const std::uint32_t ur = static_cast<std::uint32_t>(r);
  const float lf = _left->getFloat();
  const float rf = _right->getFloat();
  _type = leftType;
  const bool isInteger = leftType->exprType() == integerClass;
  const bool isFloating = leftType->exprType() == floatingClass;

  switch (_opCode) {
  case OP_PLUS:
    if (isInteger)
      _intValue = fromUint32(ul + ur);
    else if (isFloating)
      _floatValue = lf + rf;
    else
      IDLError::error(illegalPlus);
    break;
  case OP_MINUS:
    if (isInteger)
      _intValue = fromUint32(ul - ur);
    else if (isFloating)
      _floatValue = lf - rf;
    else
      IDLError::error(illegalMinus);
    break;
  case OP_TIMES:
    if (isInteger)
      _intValue = fromUint32(ul * ur);
    else if (isFloating)
      _floatValue = lf * rf;
    else
      IDLError::error(illegalTimes);
    break;
  case OP_DIVIDE:
    if (isInteger) {
      if (r == 0)
        IDLError::error(divisionByZero);
      // In 64 bits the one overflowing quotient wraps back to itself.
      _intValue = fromUint32(static_cast<std::uint32_t>(
          static_cast<std::int64_t>(l) / static_cast<std::int64_t>(r)));
    } else if (isFloating) {
      if (rf == 0.0f)
        IDLError::error(divisionByZero);
      _floatValue = lf / rf;
    } else {
      IDLError::error(illegalDivision);
    }
    break;
  case OP_MODULO:
    if (!isInteger)
      IDLError::error(illegalModulo);
    if (r == 0)
      IDLError::error(divisionByZero);
    _intValue = fromUint32(static_cast<std::uint32_t>(
        static_cast<std::int64_t>(l) % static_cast<std::int64_t>(r)));
    break;
  case OP_LEFT_SHIFT:
    if (!isInteger)
      IDLError::error(illegalModulo);
    if (r < 0 || r >= 32)
      IDLError::error(illegalLeftShift);
    _intValue = fromUint32(ul << r);
    break;
  case OP_RIGHT_SHIFT:
    if (!isInteger)
      IDLError::error(illegalModulo);
    if (r < 0 || r >= 32)
      IDLError::error(illegalRightShift);
    // Arithmetic shift: the sign is copied in from the left.
    _intValue = l < 0 ? fromUint32(~(~ul >> r)) : fromUint32(ul >> r);
    break;
  case OP_AND:
    if (!isInteger)
      IDLError::error(illegalModulo);
    _intValue = fromUint32(ul & ur);
    break;
  case OP_OR:
    if (!isInteger)
      IDLError::error(illegalModulo);
    _intValue = fromUint32(ul | ur);
    break;
  case OP_XOR:
    if (!isInteger)
      IDLError::error(illegalModulo);
    _intValue = fromUint32(ul ^ ur);
    break;
  case OP_OTHER:
    IDLError::error(illegalOperation);
  }
}

void IDLBinaryExpr::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _text.chars();
  os.writeTransObj(_left);
  os.writeTransObj(_right);
  os << _intValue;
  os << _floatValue;
  os.writeTransObj(_type);
}

void IDLBinaryExpr::prettyPrint(NCostream& os) const {
  if (_left)
    _left->prettyPrint(os);
  os << _text.chars();
  os << " ";
  if (_right)
    _right->prettyPrint(os);
}

int IDLBinaryExpr::compare(const NCObject& other) const {
  if (int c = IDLDefinition::compare(other))
    return c;
  return _text.compare(static_cast<const IDLBinaryExpr&>(other)._text);
}
