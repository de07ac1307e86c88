// tests/frontend/ConstExprTest.cc - evaluation and type checks of constant
// expressions.

#include "frontend/ConstExpr.h"

#include "support/TreeBuilders.h"
#include "tree/IDLEnum.h"

#include <climits>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace treetest;
using ::testing::ExitedWithCode;

namespace {

IDLLiteral* integer(const char* text) {
  return keep(IDLLiteral::makeInteger(text));
}

IDLLiteral* floating(const char* text) {
  return keep(IDLLiteral::makeFloat(text));
}

IDLBinaryExpr* binary(IDLDefinition* left, const char* op,
                      IDLDefinition* right) {
  IDLBinaryExpr* e = keep(new IDLBinaryExpr(op, left, right));
  e->typeCheckAndEvaluate();
  return e;
}

IDLUnaryExpr* unary(const char* op, IDLDefinition* operand) {
  IDLUnaryExpr* e = keep(new IDLUnaryExpr(keep(new IDLUnaryOp(op)), operand));
  e->typeCheckAndEvaluate();
  return e;
}

IDLUnaryExpr* parens(IDLDefinition* inner) {
  return keep(new IDLUnaryExpr(inner));
}

} // namespace

TEST(ConstExpr, IntegerLiteralsInEveryBase) {
  struct {
    const char* text;
    long value;
  } cases[] = {
      {"17", 17},
      {"010", 8},
      {"0x10", 16},
      {"0X1f", 31},
      {"0", 0},
      {"2147483647", 2147483647L},
      // Literals are 32-bit values too.
      {"4294967295", -1},
  };
  for (auto& c : cases) {
    IDLLiteral* l = integer(c.text);
    EXPECT_EQ(l->getInt(), c.value) << c.text;
    EXPECT_EQ(l->getFloat(), static_cast<float>(c.value)) << c.text;
    ASSERT_NE(l->type(), nullptr);
    EXPECT_STREQ(l->type()->name().chars(), "long");
    EXPECT_EQ(l->type()->secondKind(), IDLDefinition::DEF_long);
    EXPECT_STREQ(l->name().chars(), c.text);
  }
}

TEST(ConstExpr, OtherLiterals) {
  IDLLiteral* f = floating("2.75");
  EXPECT_EQ(f->getFloat(), 2.75f);
  EXPECT_EQ(f->getInt(), 2);
  EXPECT_EQ(f->type()->secondKind(), IDLDefinition::DEF_float);
  EXPECT_EQ(floating("-3.9")->getInt(), -3);
  // A suffix letter ends the conversion.
  EXPECT_EQ(floating("1.5e1f")->getFloat(), 15.0f);

  struct {
    IDLLiteral* literal;
    const char* typeName;
    IDLDefinition::DefinitionType subkind;
  } cases[] = {
      {keep(IDLLiteral::makeCharacter("'a'")), "char", IDLDefinition::DEF_char},
      {keep(IDLLiteral::makeString("\"s\"")), "string",
       IDLDefinition::DEF_string},
      {keep(IDLLiteral::makeBoolean("TRUE")), "boolean",
       IDLDefinition::DEF_boolean},
      {keep(IDLLiteral::makeBoolean("FALSE")), "boolean",
       IDLDefinition::DEF_boolean},
  };
  for (auto& c : cases) {
    EXPECT_EQ(c.literal->getInt(), 0);
    EXPECT_EQ(c.literal->getFloat(), 0.0f);
    EXPECT_STREQ(c.literal->type()->name().chars(), c.typeName);
    EXPECT_EQ(c.literal->type()->secondKind(), c.subkind);
  }
  EXPECT_STREQ(cases[1].literal->name().chars(), "\"s\"");
}

TEST(ConstExpr, LiteralTypesBelongToTheRootScope) {
  IDLScope* root = makeRootScope();
  IDLScope::begin(IDLScope::ST_MODULE, str("M"), nullptr);
  EXPECT_EQ(integer("1")->type()->definedInScope(), root);
}

// Integer arithmetic truncates toward zero and wraps at 32 bits.
TEST(ConstExpr, IntegerArithmetic) {
  struct {
    IDLDefinition* expr;
    long value;
  } cases[] = {
      {binary(integer("7"), "/", integer("2")), 3},
      {binary(unary("-", integer("7")), "/", integer("2")), -3},
      {binary(unary("-", integer("7")), "%", integer("2")), -1},
      {binary(integer("7"), "%", unary("-", integer("2"))), 1},
      {binary(integer("0x10"), "+", integer("1")), 17},
      {binary(integer("3"), "-", integer("5")), -2},
      {binary(integer("6"), "*", integer("7")), 42},
      {binary(integer("1"), "<<", integer("31")), INT32_MIN},
      {binary(integer("2147483647"), "+", integer("1")), INT32_MIN},
      {binary(integer("65536"), "*", integer("65536")), 0},
      {binary(unary("-", integer("8")), ">>", integer("1")), -4},
      {binary(integer("8"), ">>", integer("3")), 1},
      {binary(integer("12"), "&", integer("10")), 8},
      {binary(integer("12"), "|", integer("10")), 14},
      {binary(integer("12"), "^", integer("10")), 6},
      {unary("~", integer("0")), -1},
      {unary("+", integer("5")), 5},
      {unary("-", integer("-2147483648")), INT32_MIN},
      // The one overflowing quotient wraps back to the dividend.
      {binary(integer("-2147483648"), "/", unary("-", integer("1"))),
       INT32_MIN},
      {binary(integer("-2147483648"), "%", unary("-", integer("1"))), 0},
      {binary(parens(binary(integer("1"), "+", integer("2"))), "*",
              integer("3")),
       9},
  };
  int i = 0;
  for (auto& c : cases) {
    EXPECT_EQ(c.expr->getInt(), c.value) << "case " << i;
    ASSERT_NE(c.expr->type(), nullptr) << "case " << i;
    EXPECT_EQ(c.expr->type()->secondKind(), IDLDefinition::DEF_long);
    ++i;
  }
}

// An integer operation leaves the floating value alone; a unary one keeps
// the operand's.
TEST(ConstExpr, IntegerOperationsSetOnlyTheIntegerValue) {
  EXPECT_EQ(binary(integer("7"), "/", integer("2"))->getFloat(), 0.0f);
  EXPECT_EQ(binary(integer("7"), "<<", integer("2"))->getFloat(), 0.0f);
  EXPECT_EQ(unary("-", integer("7"))->getFloat(), 7.0f);
}

TEST(ConstExpr, FloatingArithmetic) {
  IDLBinaryExpr* quotient = binary(floating("1.0"), "/", floating("0.5"));
  EXPECT_EQ(quotient->getFloat(), 2.0f);
  EXPECT_EQ(quotient->getInt(), 0);
  EXPECT_EQ(quotient->type()->secondKind(), IDLDefinition::DEF_float);
  EXPECT_EQ(binary(floating("1.5"), "+", floating("2.25"))->getFloat(), 3.75f);
  EXPECT_EQ(binary(floating("1.5"), "-", floating("2.25"))->getFloat(), -0.75f);
  EXPECT_EQ(binary(floating("1.5"), "*", floating("2.0"))->getFloat(), 3.0f);
  EXPECT_EQ(unary("-", floating("1.5"))->getFloat(), -1.5f);
  EXPECT_EQ(unary("+", floating("1.5"))->getFloat(), 1.5f);
}

// The result type is the left operand's.
TEST(ConstExpr, ResultTypeIsTheLeftOperandsType) {
  IDLLiteral* left = integer("1");
  IDLBinaryExpr* e = binary(left, "+", integer("2"));
  EXPECT_EQ(e->type(), left->type());
}

TEST(ConstExpr, ParenthesesCopyTheInnerValues) {
  IDLUnaryExpr* p = parens(floating("2.5"));
  EXPECT_EQ(p->getFloat(), 2.5f);
  EXPECT_EQ(p->getInt(), 2);
  EXPECT_STREQ(p->type()->name().chars(), "float");
  EXPECT_STREQ(p->name().chars(), "PARENTHESIZED");
  EXPECT_STREQ(unary("-", integer("1"))->name().chars(), "UNARY");
}

// Each illegal operation ends the run with its own message; the shifts and
// bitwise operators report their type errors as modulo.
TEST(ConstExpr, TypeAndRangeErrors) {
  struct {
    const char* op;
    IDLDefinition* left;
    IDLDefinition* right;
    const char* message;
  } cases[] = {
      {"<<", integer("1"), integer("32"),
       "Illegal right hand parameter for left shift operator"},
      {"<<", integer("1"), unary("-", integer("1")),
       "Illegal right hand parameter for left shift operator"},
      {">>", integer("1"), integer("32"),
       "Illegal right hand parameter for right shift operator"},
      {">>", integer("1"), unary("-", integer("3")),
       "Illegal right hand parameter for right shift operator"},
      {"/", integer("1"), integer("0"), "Division by zero"},
      {"%", integer("1"), integer("0"), "Division by zero"},
      {"/", floating("1.0"), floating("0.0"), "Division by zero"},
      {"+", integer("1"), floating("2.0"),
       "Mixed types not allowed in expression\\."},
      {"+", keep(IDLLiteral::makeCharacter("'a'")),
       keep(IDLLiteral::makeCharacter("'b'")), "Illegal types for plus"},
      {"-", keep(IDLLiteral::makeCharacter("'a'")),
       keep(IDLLiteral::makeCharacter("'b'")), "Illegal types for minus"},
      {"*", keep(IDLLiteral::makeString("\"a\"")),
       keep(IDLLiteral::makeString("\"b\"")), "Illegal types for times"},
      {"/", keep(IDLLiteral::makeBoolean("TRUE")),
       keep(IDLLiteral::makeBoolean("TRUE")), "Illegal types for division"},
      {"%", floating("1.0"), floating("2.0"), "Illegal types for modulo"},
      {"&", keep(IDLLiteral::makeBoolean("TRUE")),
       keep(IDLLiteral::makeBoolean("FALSE")), "Illegal types for modulo"},
      {"|", floating("1.0"), floating("2.0"), "Illegal types for modulo"},
      {"^", floating("1.0"), floating("2.0"), "Illegal types for modulo"},
      {"<<", floating("1.0"), floating("2.0"), "Illegal types for modulo"},
      {">>", floating("1.0"), floating("2.0"), "Illegal types for modulo"},
      {"+", integer("1"), keep(new IDLEnum("RED")), "Unable to determine type"},
      {"?", integer("1"), integer("2"), "Illegal operation"},
  };
  for (auto& c : cases) {
    IDLBinaryExpr* e = keep(new IDLBinaryExpr(c.op, c.left, c.right));
    EXPECT_EXIT(e->typeCheckAndEvaluate(), ExitedWithCode(1),
                std::string("\nVelmaric:  ") + c.message + "\n")
        << c.op << " " << c.message;
  }
}

TEST(ConstExpr, UnaryTypeErrors) {
  struct {
    const char* op;
    IDLDefinition* operand;
    const char* message;
  } cases[] = {
      {"-", keep(IDLLiteral::makeCharacter("'a'")),
       "Illegal type for unary minus"},
      {"~", floating("1.0"), "Illegal type for unary complement"},
      {"+", keep(IDLLiteral::makeBoolean("TRUE")),
       "Illegal type for unary plus"},
      {"-", keep(new IDLEnum("RED")), "Unable to determine type"},
      {"!", integer("1"), "Illegal operation"},
  };
  for (auto& c : cases) {
    IDLUnaryExpr* e =
        keep(new IDLUnaryExpr(keep(new IDLUnaryOp(c.op)), c.operand));
    EXPECT_EXIT(e->typeCheckAndEvaluate(), ExitedWithCode(1),
                std::string("\nVelmaric:  ") + c.message + "\n")
        << c.op;
  }
}

// A constant used by name answers with its own values.
TEST(ConstExpr, ConstantReferringToAnotherConstant) {
  makeRootScope();
  longConst("a", "5");
  IDLBinaryExpr* e = binary(scopedName({"a"}), "*", integer("2"));
  EXPECT_EQ(e->getInt(), 10);
  IDLConstDcl* b = keep(new IDLConstDcl("b", prim("long"), e));
  b->storeValue();
  EXPECT_EQ(b->getInt(), 10);
  EXPECT_EQ(b->getFloat(), 0.0f);
  IDLScope::addToCurrentScope(b->name(), *b);
  EXPECT_EQ(binary(scopedName({"b"}), "-", scopedName({"a"}))->getInt(), 5);
}

// An enumerator has no result type, so it cannot take part in arithmetic.
TEST(ConstExpr, EnumeratorInAnExpressionHasNoType) {
  makeRootScope();
  IDLEnum* red = keep(new IDLEnum("RED"));
  IDLScope::addToCurrentScope(red->name(), *red);
  IDLBinaryExpr* e =
      keep(new IDLBinaryExpr("+", scopedName({"RED"}), integer("1")));
  EXPECT_EXIT(e->typeCheckAndEvaluate(), ExitedWithCode(1),
              "Velmaric:  Unable to determine type\n");
}

TEST(ConstExpr, ComparisonAndHashing) {
  IDLLiteral* one = integer("1");
  IDLLiteral* alsoOne = integer("1");
  IDLLiteral* two = integer("2");
  EXPECT_TRUE(one->isEqual(*alsoOne));
  EXPECT_LT(one->compare(*two), 0);
  EXPECT_EQ(one->hash(), NCString("1").hash());
  IDLBinaryExpr* plus = keep(new IDLBinaryExpr("+", one, two));
  IDLBinaryExpr* minus = keep(new IDLBinaryExpr("-", one, two));
  EXPECT_NE(plus->compare(*minus), 0);
  EXPECT_EQ(plus->opCode(), IDLBinaryExpr::OP_PLUS);
  EXPECT_EQ(minus->opCode(), IDLBinaryExpr::OP_MINUS);
  EXPECT_EQ(keep(new IDLUnaryOp("~"))->opCode(), IDLUnaryOp::OP_COMPLEMENT);
  EXPECT_EQ(keep(new IDLUnaryOp("+"))->opCode(), IDLUnaryOp::OP_PLUS);
}
