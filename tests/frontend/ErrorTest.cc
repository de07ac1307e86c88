// tests/frontend/ErrorTest.cc - the error layouts, states and exit path.

#include "driver/IDLParser.h"
#include "frontend/IDLError.h"
#include "nclib/NCString.h"
#include "tree/IDLScopedName.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::Eq;
using ::testing::ExitedWithCode;

void setPosition(const char* marker) {
  NCString text(marker);
  IDLParser::setCPPIncludedFileAndLine(&text);
}

std::string prefix(const char* file, int line) {
  return std::string("\nVelmaric:  Error in idl file ") + file +
         " at line number: " + std::to_string(line);
}

// Every state reports its own message, in table order.
TEST(ErrorDeathTest, EachStateReportsItsMessage) {
  const char* messages[] = {
      "Syntax error",
      "Syntax error following module declaration",
      "Syntax error following interface",
      "Syntax error following type declaration",
      "Syntax error following const declaration",
      "Syntax error following structure type",
      "Syntax error following member",
      "Syntax error following union",
      "Syntax error following case statement in switch",
      "Syntax error following enumeration",
      "Syntax error following sequence",
      "Syntax error following operation declaration",
      "Syntax error following exception declaration",
      "Syntax error following parameter declaration",
      "Syntax error following interface inheritance",
      "Syntax error following scoped name list",
      "Syntax error following scoped name",
      "Syntax error following const expression",
      "Syntax error following boolean literal",
      "Syntax error following declarators",
      "Syntax error following identifier",
      "Syntax error following float",
      "Syntax error following double",
      "Syntax error following long",
      "Syntax error following short",
      "Syntax error following unsigned long",
      "Syntax error following unsigned short",
      "Syntax error following char",
      "Syntax error following boolean",
      "Syntax error following octet",
      "Syntax error following any",
  };
  ASSERT_EQ(std::size(messages), 31u);
  setPosition("# 12 \"a.idl\"\n");
  for (int state = 0; state < 31; ++state) {
    auto es = static_cast<IDLError::ErrorState>(state);
    std::string expected =
        prefix("a.idl", 12) + "\nVelmaric:  " + messages[state] + "\n";
    EXPECT_EXIT(IDLError::error(es), ExitedWithCode(1), Eq(expected)) << state;
    IDLError::_errorState = es;
    EXPECT_EXIT(yyerror("syntax error"), ExitedWithCode(1), Eq(expected))
        << state;
  }
  EXPECT_EQ(IDLError::ES_INTERFACE, 2);
  EXPECT_EQ(IDLError::ES_PARAM_DCL, 13);
  EXPECT_EQ(IDLError::ES_ANY, 30);
}

TEST(Error, StateStartsAtSyntax) {
  EXPECT_EQ(IDLError::_errorState, IDLError::ES_SYNTAX);
  EXPECT_EQ(IDLError::_errorCount, 0);
}

// A state outside the table reports nothing; yyerror then writes its own
// line and returns to the parser.
TEST(Error, StateOutsideTheTableReturns) {
  ::testing::internal::CaptureStderr();
  IDLError::error(static_cast<IDLError::ErrorState>(31));
  IDLError::error(static_cast<IDLError::ErrorState>(-1));
  IDLError::_errorState = static_cast<IDLError::ErrorState>(99);
  yyerror("yacc stack overflow");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Velmaric error: yacc stack overflow");
  EXPECT_EQ(IDLError::_errorCount, 0);
}

TEST(ErrorDeathTest, PlainMessageLayout) {
  setPosition("# 12 \"a.idl\" 1\n");
  EXPECT_EXIT(IDLError::error("Failed\n"), ExitedWithCode(1),
              Eq(prefix("a.idl", 12) + "\nVelmaric:  Failed\n\n"));
}

// A name is written as an object stream writes a text on standard error:
// followed by one blank.
TEST(ErrorDeathTest, NameVariantAddsABlank) {
  setPosition("# 4 \"dir/b.idl\"\n");
  NCString name("foo");
  EXPECT_EXIT(
      IDLError::error("Unknown pragma: ", &name), ExitedWithCode(1),
      Eq(prefix("dir/b.idl", 4) + "\nVelmaric:  Unknown pragma: foo \n"));
}

// A scoped name is printed by the tree dump: each piece and "::" followed
// by a blank.
TEST(ErrorDeathTest, ScopedNameVariantUsesTheDump) {
  setPosition("# 3 \"a.idl\"\n");
  NCString a("A");
  NCString b("B");
  IDLScopedName name;
  name.pushComponent(b);
  name.pushComponent(a);
  EXPECT_EXIT(IDLError::error("Couldn't find definition for:", &name),
              ExitedWithCode(1),
              Eq(prefix("a.idl", 3) +
                 "\nVelmaric:  Couldn't find definition for:A :: B \n"));
}

// Before any line marker there is no file name; the name is left empty.
TEST(ErrorDeathTest, NoFileYetLeavesTheNameEmpty) {
  EXPECT_EXIT(IDLError::error("Syntax error"), ExitedWithCode(1),
              Eq(std::string("\nVelmaric:  Error in idl file  at line number: 0"
                             "\nVelmaric:  Syntax error\n")));
}

TEST(ErrorDeathTest, ExitRemovesTheTemporaryFile) {
  IDLParser::initialize();
  int fd = mkstemp(IDLParser::cppTemporaryFileName);
  ASSERT_GE(fd, 0);
  close(fd);
  std::string path = IDLParser::cppTemporaryFileName;
  setPosition("# 1 \"a.idl\"\n");
  EXPECT_EXIT(IDLError::error("x"), ExitedWithCode(1), "");
  EXPECT_NE(access(path.c_str(), F_OK), 0) << path << " still exists";
  unlink(path.c_str());
}

} // namespace
