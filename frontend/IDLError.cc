// frontend/IDLError.cc - the front end's single error path.
//
// Every report ends the run; the temporary file is removed on the way out so
// that no failure leaves the preprocessor's output behind.

#include "frontend/IDLError.h"

#include "driver/IDLParser.h"
#include "nclib/NCString.h"
#include "nclib/NCostream.h"
#include "tree/IDLScopedName.h"

#include <cstdlib>
#include <iostream>
#include <iterator>

int IDLError::_errorCount = 0;
IDLError::ErrorState IDLError::_errorState = IDLError::ES_SYNTAX;

namespace {

// The pieces of every report, all on standard error.
constexpr const char* positionStart = "\nVelmaric:  Error in idl file ";
constexpr const char* positionLine = " at line number: ";
constexpr const char* messageStart = "\nVelmaric:  ";
constexpr const char* messageEnd = "\n";
constexpr const char* parserMessageStart = "Velmaric error: ";

// ORDER ERROR-STATE
constexpr const char* stateMessages[] = {
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
static_assert(std::size(stateMessages) == IDLError::errorStateCount,
              "one message per error state");

} // namespace

void IDLError::errorBasicOutput() {
  // Before the first line marker of a file there is no file name yet; the
  // name is then left empty.
  const NCString* file = IDLParser::currentCPPIncludedFileName;
  std::cerr << positionStart << (file ? file->chars() : "") << positionLine
            << IDLParser::currentCPPIncludedFileLineNumber;
  ++_errorCount;
}

void IDLError::error(const char* message) {
  errorBasicOutput();
  std::cerr << messageStart << message << messageEnd;
  exit();
}

void IDLError::error(const char* message, IDLScopedName* name) {
  errorBasicOutput();
  std::cerr << messageStart << message;
  if (name) {
    NCostream os(std::cerr);
    name->prettyPrint(os);
  }
  std::cerr << messageEnd;
  exit();
}

void IDLError::error(const char* message, NCString* name) {
  errorBasicOutput();
  std::cerr << messageStart << message;
  if (name) {
    // On standard error the object stream writes the text and one blank.
    NCostream os(std::cerr);
    os << name->chars();
  }
  std::cerr << messageEnd;
  exit();
}

void IDLError::error(ErrorState state) {
  if (const char* message = stateMessage(state))
    error(message);
}

const char* IDLError::stateMessage(ErrorState state) {
  if (state < 0 || state >= errorStateCount)
    return nullptr;
  return stateMessages[state];
}

void IDLError::exit() {
  IDLParser::cleanUp();
  std::exit(1);
}

void yyerror(const char* message) {
  IDLError::error(IDLError::_errorState);
  // Only a state outside the table gets here; the parser goes on.
  std::cerr << parserMessageStart << message;
}
