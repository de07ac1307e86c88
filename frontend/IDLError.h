// frontend/IDLError.h - the front end's single error path.
//
// Every report is fatal: the message goes to standard error with the current
// source file and line, the temporary file is removed and the process ends
// with status 1. The grammar keeps _errorState naming the construct it
// recognised last, so a syntax error reads "Syntax error following ...".

#ifndef VELMARIC_FRONTEND_IDLERROR_H
#define VELMARIC_FRONTEND_IDLERROR_H

class IDLScopedName;
class NCString;

class IDLError {
public:
  /// The construct the parser recognised last. The values are the indexes
  /// of the message table in IDLError.cc. The underlying type is fixed so
  /// that any int may be stored, as the grammar's error rule reports it.
  // ORDER ERROR-STATE
  enum ErrorState : int {
    ES_SYNTAX,
    ES_MODULE,
    ES_INTERFACE,
    ES_TYPE_DCL,
    ES_CONST_DCL,
    ES_STRUCT,
    ES_MEMBER,
    ES_UNION,
    ES_CASE,
    ES_ENUM,
    ES_SEQUENCE,
    ES_OP_DCL,
    ES_EXCEPT_DCL,
    ES_PARAM_DCL,
    ES_INHERITANCE,
    ES_SCOPED_NAME_LIST,
    ES_SCOPED_NAME,
    ES_CONST_EXPR,
    ES_BOOLEAN_LITERAL,
    ES_DECLARATORS,
    ES_IDENTIFIER,
    ES_FLOAT,
    ES_DOUBLE,
    ES_LONG,
    ES_SHORT,
    ES_UNSIGNED_LONG,
    ES_UNSIGNED_SHORT,
    ES_CHAR,
    ES_BOOLEAN,
    ES_OCTET,
    ES_ANY,
  };
  /// Number of states, and so of entries in the message table.
  static constexpr int errorStateCount = ES_ANY + 1;

  /// Number of errors reported; starts at 0.
  static int _errorCount;
  /// Set by the grammar actions, read by yyerror; starts at ES_SYNTAX and is
  /// never reset, not even between files.
  static ErrorState _errorState;

  /// Writes "\nVelmaric:  Error in idl file <file> at line number: <line>"
  /// to standard error and counts the error. Does not end the run.
  static void errorBasicOutput();

  /// Reports `message` (not null, not kept) and ends the run.
  [[noreturn]] static void error(const char* message);
  /// Reports `message` followed by `name` as the tree dump prints it, and
  /// ends the run. `name` is not kept; null prints nothing for it.
  [[noreturn]] static void error(const char* message, IDLScopedName* name);
  /// Reports `message` followed by `name` and one blank (the way an object
  /// stream on standard error writes a text), and ends the run. `name` is not
  /// kept; null prints nothing for it.
  [[noreturn]] static void error(const char* message, NCString* name);
  /// Reports the message of `state` and ends the run; returns, doing
  /// nothing, when `state` lies outside the message table.
  static void error(ErrorState state);

  /// The message of `state`, or null outside the table.
  static const char* stateMessage(ErrorState state);

  /// Removes the temporary file and ends the process with status 1.
  [[noreturn]] static void exit();
};

/// The parser's error hook: reports the current error state, which ends the
/// run; only for a state outside the table does it write "Velmaric error: "
/// and `message`, and return to the parser.
void yyerror(const char* message);

#endif
