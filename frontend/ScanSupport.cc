// frontend/ScanSupport.cc - token values, line counting, markers, comments.
//
// The input is held whole in memory, so the end of the comment starting at
// any position is worked out once for the whole text: no input, however
// many unfinished comments it holds, is rescanned over and over.

#include "frontend/ScanSupport.h"

#include "driver/IDLParser.h"
#include "frontend/idl.tab.hh"
#include "nclib/NCString.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <string>
#include <vector>

// Provided by the generated scanner.
extern char* yytext;
extern int yyleng;
void yyrestart(std::FILE* input);

namespace {

constexpr long noEnd = -1;

// clang-format off
constexpr const char* tokenTooLongFormat = "Input string too long, limit %d\n";
constexpr const char* valueTooLongFormat = "%s too long %d.\n";
// clang-format on

std::string input;             // the current input, up to a NUL
bool inputLoaded = false;      // input holds IDLParser::strm's text
std::size_t readPosition = 0;  // next character for the scanner's buffer
std::size_t scanPosition = 0;  // first character not yet matched
std::vector<long> commentEnds; // per position: end of a comment body
std::size_t lastNewline = std::string::npos;

[[noreturn]] void tokenTooLong() {
  // This path ends the process at once, without the usual clean-up.
  std::printf(tokenTooLongFormat, maxTokenText);
  std::exit(1);
}

void loadInput() {
  input.clear();
  if (IDLParser::strm)
    std::getline(*IDLParser::strm, input, '\0');
  lastNewline = input.rfind('\n');
  inputLoaded = true;
}

// For each position p, the position just after the "*/" that ends a comment
// body starting at p, or noEnd. A "*" takes the next character with it
// unless that is "/", so the table is filled from the end backwards.
void buildCommentEnds() {
  std::size_t n = input.size();
  commentEnds.assign(n + 1, noEnd);
  for (std::size_t i = n; i-- > 0;) {
    if (input[i] != '*')
      commentEnds[i] = commentEnds[i + 1];
    else if (i + 1 == n)
      commentEnds[i] = noEnd;
    else if (input[i + 1] == '/')
      commentEnds[i] = static_cast<long>(i + 2);
    else
      commentEnds[i] = commentEnds[i + 2];
  }
}

} // namespace

void restartScanner() {
  input.clear();
  inputLoaded = false;
  readPosition = 0;
  scanPosition = 0;
  commentEnds.clear();
  lastNewline = std::string::npos;
  yyrestart(nullptr);
}

int scanReadInput(char* buffer, std::size_t size) {
  if (!inputLoaded)
    loadInput();
  std::size_t count = input.size() - readPosition;
  if (count > size)
    count = size;
  std::memcpy(buffer, input.data() + readPosition, count);
  readPosition += count;
  return static_cast<int>(count);
}

void scanMatched(int length) {
  if (length > maxTokenText)
    tokenTooLong();
  scanPosition += static_cast<std::size_t>(length);
}

void scanGiveBack(int count) {
  scanPosition -= static_cast<std::size_t>(count);
}

void scanSkipped(int count) {
  scanPosition += static_cast<std::size_t>(count);
}

int scanCode(int code) {
  yylval.code = code;
  return code;
}

int scanText(int code) {
  if (yyleng >= maxTokenValue) {
    std::printf(valueTooLongFormat, yytext, maxTokenValue);
    yylval.text[0] = '\0';
    return code;
  }
  std::memcpy(yylval.text, yytext, static_cast<std::size_t>(yyleng) + 1);
  return code;
}

void scanNewline() {
  ++IDLParser::currentCPPIncludedFileLineNumber;
}

void scanLineMarker() {
  NCString marker(yytext);
  IDLParser::setCPPIncludedFileAndLine(&marker);
}

long scanBlockComment() {
  if (commentEnds.empty())
    buildCommentEnds();
  long end = commentEnds[scanPosition];
  if (end == noEnd)
    return noEnd;
  long body = end - static_cast<long>(scanPosition);
  if (body + 2 > maxTokenText)
    tokenTooLong();
  for (std::size_t i = scanPosition; i < static_cast<std::size_t>(end); ++i)
    if (input[i] == '\n')
      scanNewline();
  return body;
}

long scanLineComment() {
  if (lastNewline == std::string::npos || lastNewline < scanPosition)
    return noEnd;
  long body =
      static_cast<long>(input.find('\n', scanPosition) - scanPosition) + 1;
  if (body + 2 > maxTokenText)
    tokenTooLong();
  scanNewline();
  return body;
}
