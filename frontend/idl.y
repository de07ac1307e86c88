/* frontend/idl.y - the IDL grammar.
 *
 * PROVISIONAL until the real grammar with its parse actions lands: it
 * declares every token and the semantic value, and accepts any sequence of
 * tokens except a stray character, so that the driver, the scanner and the
 * error path run end to end. Replace the rules; keep the declarations.
 */

%code requires {
class IDLDefinition;
class IDLScopedName;
class NCOrderedCltn;
class NCString;
}

%code {
#include "frontend/IDLError.h"
#include "frontend/ScanSupport.h"

// The value stack starts at 150 entries and doubles when full.
#define YYINITDEPTH 150
}

%define parse.error simple

/* The token value. Identifier and literal tokens carry their text, quotes
   and all; the other tokens carry their own code in the first word. The
   pointers are the values the grammar's actions build. */
%union {
  int code;
  char text[2048];
  IDLDefinition* node;
  IDLScopedName* scopedName;
  NCOrderedCltn* list;
  NCString* string;
}

/* Keywords, in the scanner's table order. */
%token <code> MODULE "module"
%token <code> INTERFACE "interface"
%token <code> CONST "const"
%token <code> TRUETOK "TRUE"
%token <code> FALSETOK "FALSE"
%token <code> TYPEDEF "typedef"
%token <code> FLOAT "float"
%token <code> DOUBLE "double"
%token <code> LONG "long"
%token <code> SHORT "short"
%token <code> UNSIGNED "unsigned"
%token <code> CHAR "char"
%token <code> BOOLEAN "boolean"
%token <code> OCTET "octet"
%token <code> ANY "any"
%token <code> STRUCT "struct"
%token <code> UNION "union"
%token <code> SWITCH "switch"
%token <code> CASE "case"
%token <code> DEFAULT "default"
%token <code> ENUM "enum"
%token <code> SEQUENCE "sequence"
%token <code> STRING "string"
%token <code> READONLY "readonly"
%token <code> ATTRIBUTE "attribute"
%token <code> EXCEPTION "exception"
%token <code> ONEWAY "oneway"
%token <code> VOID "void"
%token <code> IN "in"
%token <code> OUT "out"
%token <code> INOUT "inout"
%token <code> RAISES "raises"
%token <code> CONTEXT "context"

/* Punctuators, in the scanner's table order. */
%token <code> GREATER ">"
%token <code> LESS "<"
%token <code> SEMICOLON ";"
%token <code> PLUS "+"
%token <code> MINUS "-"
%token <code> TILDE "~"
%token <code> STAR "*"
%token <code> SLASH "/"
%token <code> EQUAL "="
%token <code> PERCENT "%"
%token <code> COMMA ","
%token <code> COLON ":"
%token <code> DOUBLE_COLON "::"
%token <code> BAR "|"
%token <code> AMPERSAND "&"
%token <code> CARET "^"
%token <code> LEFT_BRACE "{"
%token <code> RIGHT_BRACE "}"
%token <code> RIGHT_SHIFT ">>"
%token <code> LEFT_SHIFT "<<"
%token <code> LEFT_BRACKET "["
%token <code> RIGHT_BRACKET "]"
%token <code> LEFT_PAREN "("
%token <code> RIGHT_PAREN ")"

/* Names and literals carry their text. */
%token <text> IDENTIFIER
%token <text> INTEGER_LITERAL
%token <text> FLOATING_PT_LITERAL
%token <text> CHARACTER_LITERAL
%token <text> STRING_LITERAL

/* "#pragma", and a character no rule takes: no grammar rule accepts it, so
   it always ends in a syntax error. */
%token <code> PRAGMA
%token <code> STRAY_CHARACTER

%%

/* specification: { token }  (provisional) */
specification
        : %empty
        | specification token
        ;

/* token: any token but STRAY_CHARACTER  (provisional) */
token
        : "module" | "interface" | "const" | "TRUE" | "FALSE" | "typedef"
        | "float" | "double" | "long" | "short" | "unsigned" | "char"
        | "boolean" | "octet" | "any" | "struct" | "union" | "switch"
        | "case" | "default" | "enum" | "sequence" | "string" | "readonly"
        | "attribute" | "exception" | "oneway" | "void" | "in" | "out"
        | "inout" | "raises" | "context"
        | ">" | "<" | ";" | "+" | "-" | "~" | "*" | "/" | "=" | "%" | ","
        | ":" | "::" | "|" | "&" | "^" | "{" | "}" | ">>" | "<<" | "["
        | "]" | "(" | ")"
        | IDENTIFIER | INTEGER_LITERAL | FLOATING_PT_LITERAL
        | CHARACTER_LITERAL | STRING_LITERAL | PRAGMA
        ;

%%
