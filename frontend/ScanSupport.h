// frontend/ScanSupport.h - the scanner's entry points and its rule helpers.
//
// The rules in idl.l decide what a piece of text is; these helpers do the
// work: token values, line counting, line markers and comments. The whole
// preprocessed file is read into memory first, so a comment can be measured
// once instead of being rescanned from every "/*".

#ifndef VELMARIC_FRONTEND_SCANSUPPORT_H
#define VELMARIC_FRONTEND_SCANSUPPORT_H

#include <cstddef>

/// The next token of the input: its code, or 0 at end of input. Identifier
/// and literal texts are left in yylval.text, other codes in yylval.code.
int yylex();

/// Starts a new input: the next yylex() reads IDLParser::strm from its
/// current position, at a line beginning, up to its end or a NUL character.
void restartScanner();

/// Longest text one token may have.
constexpr int maxTokenText = 1024;
/// Room for a token's text in the token value.
constexpr int maxTokenValue = 2048;

/// Fills `buffer` with up to `size` characters of input; 0 at end of input.
int scanReadInput(char* buffer, std::size_t size);
/// Accounts for a match of `length` characters; a match longer than
/// maxTokenText ends the process with status 1.
void scanMatched(int length);
/// Accounts for `count` characters handed back to the input.
void scanGiveBack(int count);
/// Accounts for `count` characters taken from the input outside a match.
void scanSkipped(int count);

/// Stores `code` in the token value and returns it.
int scanCode(int code);
/// Stores the matched text in the token value and returns `code`.
int scanText(int code);
/// Counts one source line.
void scanNewline();
/// Hands a line marker (the matched text, newline included) to IDLParser.
void scanLineMarker();

/// Called just after "/*" was matched. Returns the number of characters up
/// to and including the closing "*/" and counts the newlines among them, or
/// returns -1 when the comment has no end (it is then no comment).
long scanBlockComment();
/// Called just after "//" was matched. Returns the number of characters up
/// to and including the next newline and counts that line, or returns -1
/// when no newline follows (it is then no comment).
long scanLineComment();

#endif
