// tests/frontend/LexerTest.cc - the scanner's tokens, lines and markers.
//
// A small harness scans a string and dumps each token with its text and the
// file and line current when the token was returned.

#include "driver/IDLParser.h"
#include "frontend/ScanSupport.h"
#include "frontend/idl.tab.hh"
#include "nclib/NCString.h"

#include <chrono>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

struct Token {
  int code;
  std::string text; // identifiers and literals only
  int line;
  std::string file;

  bool operator==(const Token& other) const {
    return code == other.code && text == other.text && line == other.line &&
           file == other.file;
  }
};

std::ostream& operator<<(std::ostream& os, const Token& t) {
  return os << "{" << t.code << " \"" << t.text << "\" " << t.file << ":"
            << t.line << "}";
}

bool carriesText(int code) {
  return code == IDENTIFIER || code == INTEGER_LITERAL ||
         code == FLOATING_PT_LITERAL || code == CHARACTER_LITERAL ||
         code == STRING_LITERAL;
}

// Scans `text` from line 1 of "in.idl" and returns every token.
std::vector<Token> scan(const std::string& text) {
  std::istringstream in(text);
  IDLParser::strm = &in;
  NCString start("# 1 \"in.idl\"\n");
  IDLParser::setCPPIncludedFileAndLine(&start);
  restartScanner();
  std::vector<Token> tokens;
  while (int code = yylex()) {
    Token t{code, carriesText(code) ? yylval.text : "",
            IDLParser::currentCPPIncludedFileLineNumber,
            IDLParser::currentCPPIncludedFileName->chars()};
    if (!carriesText(code)) {
      EXPECT_EQ(yylval.code, code) << "the value holds the token's code";
    }
    tokens.push_back(t);
  }
  IDLParser::strm = nullptr;
  return tokens;
}

std::vector<int> codes(const std::string& text) {
  std::vector<int> result;
  for (const Token& t : scan(text))
    result.push_back(t.code);
  return result;
}

// Codes and texts, ignoring positions.
std::vector<std::pair<int, std::string>> tokens(const std::string& text) {
  std::vector<std::pair<int, std::string>> result;
  for (const Token& t : scan(text))
    result.emplace_back(t.code, t.text);
  return result;
}

using P = std::pair<int, std::string>;
P id(const std::string& s) {
  return {IDENTIFIER, s};
}
P integer(const std::string& s) {
  return {INTEGER_LITERAL, s};
}
P floating(const std::string& s) {
  return {FLOATING_PT_LITERAL, s};
}
P str(const std::string& s) {
  return {STRING_LITERAL, s};
}
P chr(const std::string& s) {
  return {CHARACTER_LITERAL, s};
}
P op(int code) {
  return {code, ""};
}
const P stray{STRAY_CHARACTER, ""};

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Keywords are case-sensitive and must stand alone: followed by identifier
// characters they are identifiers.
TEST(Lexer, KeywordsInTableOrder) {
  const char* words =
      "module interface const TRUE FALSE typedef float double long short "
      "unsigned char boolean octet any struct union switch case default enum "
      "sequence string readonly attribute exception oneway void in out inout "
      "raises context";
  std::vector<int> expected = {
      MODULE,   INTERFACE, CONST,    TRUETOK,   FALSETOK,  TYPEDEF, FLOAT,
      DOUBLE,   LONG,      SHORT,    UNSIGNED,  CHAR,      BOOLEAN, OCTET,
      ANY,      STRUCT,    UNION,    SWITCH,    CASE,      DEFAULT, ENUM,
      SEQUENCE, STRING,    READONLY, ATTRIBUTE, EXCEPTION, ONEWAY,  VOID,
      IN,       OUT,       INOUT,    RAISES,    CONTEXT};
  EXPECT_EQ(expected.size(), 33u);
  EXPECT_EQ(codes(words), expected);
}

TEST(Lexer, KeywordLookalikesAreIdentifiers) {
  EXPECT_THAT(tokens("True Module inx in_ in1 TRUEx moduleinterface"),
              ElementsAre(id("True"), id("Module"), id("inx"), id("in_"),
                          id("in1"), id("TRUEx"), id("moduleinterface")));
}

TEST(Lexer, PunctuatorsUseLongestMatch) {
  EXPECT_EQ(
      codes("> < ; + - ~ * / = % , : :: | & ^ { } >> << [ ] ( )"),
      (std::vector<int>{
          GREATER,      LESS,          SEMICOLON,    PLUS,        MINUS,
          TILDE,        STAR,          SLASH,        EQUAL,       PERCENT,
          COMMA,        COLON,         DOUBLE_COLON, BAR,         AMPERSAND,
          CARET,        LEFT_BRACE,    RIGHT_BRACE,  RIGHT_SHIFT, LEFT_SHIFT,
          LEFT_BRACKET, RIGHT_BRACKET, LEFT_PAREN,   RIGHT_PAREN}));
  EXPECT_EQ(codes(":::"), (std::vector<int>{DOUBLE_COLON, COLON}));
  EXPECT_EQ(codes("<<<"), (std::vector<int>{LEFT_SHIFT, LESS}));
  EXPECT_EQ(codes(">>>>"), (std::vector<int>{RIGHT_SHIFT, RIGHT_SHIFT}));
  EXPECT_EQ(codes("a::b"),
            (std::vector<int>{IDENTIFIER, DOUBLE_COLON, IDENTIFIER}));
}

TEST(Lexer, IdentifiersStartWithALetter) {
  EXPECT_THAT(tokens("_a a_1B z9"),
              ElementsAre(stray, id("a"), id("a_1B"), id("z9")));
}

TEST(Lexer, NumbersSplitWhereThePatternsEnd) {
  struct Case {
    const char* input;
    std::vector<P> expected;
  };
  const Case cases[] = {
      {"1.5e3d", {floating("1.5e3"), id("d")}},
      {"1.5ff", {floating("1.5f"), id("f")}},
      {"1.", {floating("1.")}},
      {"12.25E+10L", {floating("12.25E+10L")}},
      {"1e5", {floating("1e5")}},
      {"7e-2F", {floating("7e-2F")}},
      {"1e", {integer("1"), id("e")}},
      {"1.e", {floating("1."), id("e")}},
      {".5", {stray, integer("5")}},
      {"0789", {integer("07"), integer("89")}},
      {"09", {integer("0"), integer("9")}},
      {"0", {integer("0")}},
      {"0x", {integer("0"), id("x")}},
      {"0x1fA 0XFF", {integer("0x1fA"), integer("0XFF")}},
      {"0xg", {integer("0"), id("xg")}},
      {"1L", {integer("1"), id("L")}},
      {"123", {integer("123")}},
      {"0789.5", {floating("0789.5")}},
  };
  for (const Case& c : cases)
    EXPECT_THAT(tokens(c.input), ElementsAreArray(c.expected)) << c.input;
}

TEST(Lexer, StringsHaveNoEscapesAndStayOnOneLine) {
  EXPECT_THAT(tokens("\"a b\" \"\""), ElementsAre(str("\"a b\""), str("\"\"")));
  // The backslash does not protect the quote.
  EXPECT_THAT(tokens("\"a\\\"b"), ElementsAre(str("\"a\\\""), id("b")));
  EXPECT_THAT(tokens("\"ab\ncd\""),
              ElementsAre(stray, id("ab"), id("cd"), stray));
}

TEST(Lexer, CharacterLiteralsHoldOneCharacterOrAnEscape) {
  EXPECT_THAT(tokens("'a' '\\n' '\\'' ''' ' '"),
              ElementsAre(chr("'a'"), chr("'\\n'"), chr("'\\''"), chr("'''"),
                          chr("' '")));
  // Octal and hexadecimal escapes are no character literals.
  EXPECT_THAT(tokens("'\\101'"),
              ElementsAre(stray, stray, integer("101"), stray));
  EXPECT_THAT(tokens("'\\x41'"), ElementsAre(stray, stray, id("x41"), stray));
  EXPECT_THAT(tokens("'\n'"), ElementsAre(stray, stray));
}

TEST(Lexer, BlanksTabsAndReturnsAreSkipped) {
  EXPECT_THAT(tokens(" \t a\r\n\t\t  b \r"), ElementsAre(id("a"), id("b")));
}

TEST(Lexer, OtherCharactersAreStray) {
  EXPECT_EQ(codes("@ $ ? ! \\ ` . \x01 \xff #"),
            std::vector<int>(10, STRAY_CHARACTER));
}

TEST(Lexer, PragmaAnywhereButNotWithABlank) {
  EXPECT_THAT(tokens("#pragma ID x \"y\"\n"),
              ElementsAre(op(PRAGMA), id("ID"), id("x"), str("\"y\"")));
  EXPECT_THAT(tokens("a #pragma prefix"),
              ElementsAre(id("a"), op(PRAGMA), id("prefix")));
  EXPECT_THAT(tokens("# pragma"), ElementsAre(stray, id("pragma")));
  EXPECT_THAT(tokens("#pragmas"), ElementsAre(op(PRAGMA), id("s")));
}

// "#", a blank, digits (maybe none), a blank and "$pragma", at a line
// beginning only.
TEST(Lexer, DollarPragmaAtLineStart) {
  EXPECT_THAT(tokens("# 12 $pragma x"), ElementsAre(op(PRAGMA), id("x")));
  EXPECT_THAT(tokens("#  $pragma"), ElementsAre(op(PRAGMA)));
  EXPECT_THAT(tokens("a\n# 1 $pragma"), ElementsAre(id("a"), op(PRAGMA)));
  EXPECT_THAT(tokens("a # 1 $pragma"),
              ElementsAre(id("a"), stray, integer("1"), stray, id("pragma")));
}

// Each accepted marker form and the position of the token on the next line:
// the marker's own newline is not counted.
TEST(Lexer, LineMarkerFormsSetTheNextLine) {
  struct Case {
    const char* marker;
    int line;
    const char* file;
  };
  const Case cases[] = {
      {"#line 7 \"b.idl\"\n", 7, "b.idl"},
      {"# 12 \"a.idl\" 2\n", 12, "a.idl"},
      {"# 12 \"a.idl\"\n", 12, "a.idl"},
      {"# 5\n", 5, "in.idl"},
      {"# line 8 \"c.idl\" 1\n", 8, "c.idl"},
      {"# line 8 \"c.idl\"\n", 8, "c.idl"},
      {"# line 9\n", 9, "in.idl"},
      {"#line 40\n", 40, "in.idl"},
      {"# 0010 \"x.idl\"\n", 10, "x.idl"},
      {"# 3 \"\"\n", 3, ""},
      {"# 3 \"two\nlines\"\n", 3, "two\nlines"},
  };
  for (const Case& c : cases) {
    std::string text = std::string("a\n") + c.marker + "x\ny";
    std::vector<Token> got = scan(text);
    ASSERT_EQ(got.size(), 3u) << c.marker;
    EXPECT_EQ(got[1], (Token{IDENTIFIER, "x", c.line, c.file})) << c.marker;
    EXPECT_EQ(got[2], (Token{IDENTIFIER, "y", c.line + 1, c.file})) << c.marker;
  }
}

TEST(Lexer, LineMarkerAtStartOfInputAndAfterLineComment) {
  EXPECT_THAT(scan("# 20 \"f.idl\"\nx"),
              ElementsAre(Token{IDENTIFIER, "x", 20, "f.idl"}));
  EXPECT_THAT(scan("// c\n# 5 \"g.idl\"\nx"),
              ElementsAre(Token{IDENTIFIER, "x", 5, "g.idl"}));
}

TEST(Lexer, LineFormWithoutNameKeepsTheFile) {
  EXPECT_THAT(scan("# 1 \"b.idl\"\n#line 40\nx"),
              ElementsAre(Token{IDENTIFIER, "x", 40, "b.idl"}));
}

// Anything but exactly one blank between the parts, a second flag, a flag
// after the "#line" form or a marker not at a line beginning is no marker:
// it falls apart into ordinary tokens and the line goes on counting.
TEST(Lexer, MalformedMarkersFallApart) {
  struct Case {
    const char* text;
    std::vector<P> expected;
  };
  const Case cases[] = {
      {"#  12 \"a.idl\"\n", {stray, integer("12"), str("\"a.idl\"")}},
      {"#\t12 \"a.idl\"\n", {stray, integer("12"), str("\"a.idl\"")}},
      {"# 12  \"a.idl\"\n", {stray, integer("12"), str("\"a.idl\"")}},
      {"# 12 \"a.idl\" 1 3\n",
       {stray, integer("12"), str("\"a.idl\""), integer("1"), integer("3")}},
      {"# 12 \"a.idl\"  2\n",
       {stray, integer("12"), str("\"a.idl\""), integer("2")}},
      {"# 12 \"a.idl\" \n", {stray, integer("12"), str("\"a.idl\"")}},
      {"#line 7 \"b.idl\" 2\n",
       {stray, id("line"), integer("7"), str("\"b.idl\""), integer("2")}},
      {"#line  7\n", {stray, id("line"), integer("7")}},
      {"# line\n", {stray, id("line")}},
      {"#line\n", {stray, id("line")}},
      {"# 12 a.idl\n", {stray, integer("12"), id("a"), stray, id("idl")}},
      {"# 12", {stray, integer("12")}},
      {"#12\n", {stray, integer("12")}},
      {"# 12 \"a.idl\"", {stray, integer("12"), str("\"a.idl\"")}},
  };
  for (const Case& c : cases) {
    std::vector<Token> got = scan(std::string("a\n") + c.text + "x");
    std::vector<P> seen;
    for (std::size_t i = 1; i + 1 < got.size(); ++i)
      seen.emplace_back(got[i].code, got[i].text);
    EXPECT_THAT(seen, ElementsAreArray(c.expected)) << c.text;
    bool endsLine = c.text[std::char_traits<char>::length(c.text) - 1] == '\n';
    EXPECT_EQ(got.back(), (Token{IDENTIFIER, "x", endsLine ? 3 : 2, "in.idl"}))
        << c.text;
  }
  // Not at a line beginning.
  EXPECT_THAT(scan("a # 12 \"b.idl\"\nx"),
              ElementsAre(Token{IDENTIFIER, "a", 1, "in.idl"},
                          Token{STRAY_CHARACTER, "", 1, "in.idl"},
                          Token{INTEGER_LITERAL, "12", 1, "in.idl"},
                          Token{STRING_LITERAL, "\"b.idl\"", 1, "in.idl"},
                          Token{IDENTIFIER, "x", 2, "in.idl"}));
  // A block comment's last character is no line beginning.
  EXPECT_THAT(codes("/* c */# 1 \"b.idl\"\n"),
              ElementsAre(STRAY_CHARACTER, INTEGER_LITERAL, STRING_LITERAL));
}

TEST(Lexer, NewlinesAndCommentsCountLines) {
  std::vector<Token> got =
      scan("a\n\nb // c\nd /* 1\n2\n3 */ e\n/**/\nf /* *\n*/ g");
  std::vector<int> lines;
  for (const Token& t : got)
    lines.push_back(t.line);
  EXPECT_THAT(lines, ElementsAre(1, 3, 4, 6, 8, 9));
}

TEST(Lexer, LineCommentNeedsItsNewline) {
  EXPECT_THAT(tokens("a // c\nb"), ElementsAre(id("a"), id("b")));
  EXPECT_THAT(tokens("// comment"),
              ElementsAre(op(SLASH), op(SLASH), id("comment")));
  EXPECT_THAT(tokens("///"), ElementsAre(op(SLASH), op(SLASH), op(SLASH)));
}

// A "*" in a comment takes the next character with it, so an odd run of
// stars before the "/" ends the comment and an even one does not.
TEST(Lexer, BlockCommentPairsStars) {
  EXPECT_THAT(tokens("/* a */ x /* b */"), ElementsAre(id("x")));
  EXPECT_THAT(codes("/***/"), ElementsAre(SLASH, STAR, STAR, STAR, SLASH));
  EXPECT_THAT(tokens("/* x **/"), ElementsAre(op(SLASH), op(STAR), id("x"),
                                              op(STAR), op(STAR), op(SLASH)));
  EXPECT_THAT(tokens("/* x ***/ y"), ElementsAre(id("y")));
  EXPECT_THAT(tokens("/**/ y"), ElementsAre(id("y")));
  EXPECT_THAT(tokens("/*/ x */ y"), ElementsAre(id("y")));
  // Without its end a comment is no comment; a later one may still end.
  EXPECT_THAT(tokens("/* abc"), ElementsAre(op(SLASH), op(STAR), id("abc")));
  EXPECT_THAT(tokens("/* a **/ b /**/ c"),
              ElementsAre(op(SLASH), op(STAR), id("a"), op(STAR), op(STAR),
                          op(SLASH), id("b"), id("c")));
}

TEST(Lexer, NulEndsTheInput) {
  EXPECT_THAT(tokens(std::string("a b\0c d", 7)),
              ElementsAre(id("a"), id("b")));
}

TEST(Lexer, RestartReadsTheNextInputFromALineBeginning) {
  EXPECT_THAT(tokens("a /* open"),
              ElementsAre(id("a"), op(SLASH), op(STAR), id("open")));
  EXPECT_THAT(scan("# 4 \"n.idl\"\nb"),
              ElementsAre(Token{IDENTIFIER, "b", 4, "n.idl"}));
}

TEST(Lexer, TokenOf1024CharactersIsKept) {
  std::string name(1024, 'a');
  EXPECT_THAT(tokens(name + " b"), ElementsAre(id(name), id("b")));
  std::string comment = "/*" + std::string(1020, ' ') + "*/";
  EXPECT_THAT(tokens(comment + "b"), ElementsAre(id("b")));
}

TEST(LexerDeathTest, TokenOver1024CharactersEndsTheRun) {
  EXPECT_EXIT(scan(std::string(1025, 'a')), ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(scan("\"" + std::string(1024, 'a') + "\""),
              ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(scan("/*" + std::string(1021, ' ') + "*/"),
              ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(scan("//" + std::string(1022, ' ') + "\n"),
              ::testing::ExitedWithCode(1), "");
}

// Malformed input of any size ends without a crash and in linear time.
TEST(Lexer, MalformedInputEndsQuickly) {
  std::string binary;
  std::uint32_t seed = 12345;
  for (int i = 0; i < 200000; ++i) {
    seed = seed * 1103515245u + 12345u;
    char c = static_cast<char>((seed >> 16) & 0xff);
    binary += c == '\0' ? '\x01' : c;
  }
  std::string openComments;
  for (int i = 0; i < 100000; ++i)
    openComments += "/*a";
  std::string slashes(200000, '/');
  std::string quotes;
  for (int i = 0; i < 50000; ++i)
    quotes += "\"ab '";
  std::string markers;
  for (int i = 0; i < 20000; ++i)
    markers += "# 1 \"x\n# 1 x \" 2 3\n";

  auto start = std::chrono::steady_clock::now();
  scan(binary);
  EXPECT_EQ(scan(openComments).size(), 300000u);
  EXPECT_EQ(scan(slashes).size(), 200000u);
  scan(quotes);
  scan(markers);
  auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
          .count();
  EXPECT_LT(seconds, 20.0);
}

} // namespace
