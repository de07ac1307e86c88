/* frontend/idl.y - the IDL grammar.
 *
 * The rules decide when something happens; the builders of ParseActions.cc
 * decide what. Inner constructs are reduced before the construct holding
 * them, and a construct's header (which opens its scope) before its body.
 */

%code requires {
class IDLCaseLabel;
class IDLContextExpr;
class IDLDefinition;
class IDLElement;
class IDLException;
class IDLInterface;
class IDLInterfaceHeader;
class IDLModule;
class IDLOpDcl;
class IDLRaisesExpr;
class IDLScopedName;
class IDLStructure;
class IDLUnaryOp;
class IDLUnion;
class NCOrderedCltn;
}

%code {
#include "frontend/ConstExpr.h"
#include "frontend/IDLError.h"
#include "frontend/ParseActions.h"
#include "frontend/ScanSupport.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLCase.h"
#include "tree/IDLCaseLabel.h"
#include "tree/IDLConstDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLElement.h"
#include "tree/IDLEnum.h"
#include "tree/IDLEnumType.h"
#include "tree/IDLException.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLRaisesExpr.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLStringType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <cstring>

using namespace parse;

// The stacks start at 150 entries and double whenever they are full. The
// parser's storage ends at 19200 entries (the value of a grammar symbol is
// 2048 bytes, so about 40 megabytes); input nested deeper than that is
// reported as a stack overflow.
#define YYINITDEPTH 150
#define YYMAXDEPTH (YYINITDEPTH << 7)

// The skeleton's texts pass through YY_. The one for a stack that cannot
// grow any more is "memory exhausted" in the skeleton; this parser's name
// for it is "yacc stack overflow".
static const char* parserText(const char* text) {
  return std::strcmp(text, "memory exhausted") == 0 ? "yacc stack overflow"
                                                    : text;
}
#define YY_(Msgid) parserText(Msgid)
}

%define parse.error simple

/* One conflict-free LALR(1) table; a new conflict breaks the build. */
%expect 0

/* The token value. Identifier and literal tokens carry their text, quotes
   and all; the other tokens carry their own code in the first word. The
   pointers are the values the grammar's actions build. */
%union {
  int code;
  char text[2048];
  const char* word;
  IDLDefinition* node;
  IDLScopedName* scopedName;
  NCOrderedCltn* list;
  IDLModule* module;
  IDLInterface* interface;
  IDLInterfaceHeader* header;
  IDLStructure* structure;
  IDLUnion* unionNode;
  IDLCaseLabel* caseLabel;
  IDLElement* element;
  IDLException* exception;
  IDLOpDcl* operation;
  IDLUnaryOp* unaryOp;
  IDLRaisesExpr* raises;
  IDLContextExpr* context;
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

%type <list> definitions exports scoped_name_list inheritance_spec
%type <list> declarators member_list switch_body case_labels enumerators
%type <list> fixed_array_sizes attr_names parameter_dcls param_dcl_list
%type <list> string_literal_list
%type <node> definition export type_dcl const_dcl except_dcl interface
%type <node> const_type const_exp or_expr xor_expr and_expr shift_expr
%type <node> add_expr mult_expr unary_expr primary_expr literal
%type <node> positive_int_const type_spec simple_type_spec base_type_spec
%type <node> template_type_spec constr_type_spec declarator
%type <node> simple_declarator array_declarator fixed_array_size
%type <node> floating_pt_type integer_type char_type boolean_type
%type <node> octet_type any_type struct_type member union_type
%type <node> switch_type_spec switch_case enum_type enumerator
%type <node> sequence_type string_type attr_dcl op_dcl op_type_spec
%type <node> param_dcl param_type_spec
%type <scopedName> scoped_name name_components
%type <module> module module_header
%type <interface> forward_dcl interface_dcl interface_body_start
%type <header> interface_header
%type <structure> struct_header
%type <unionNode> union_header
%type <caseLabel> case_label
%type <element> element_spec
%type <exception> except_header
%type <operation> op_header
%type <unaryOp> unary_operator
%type <word> param_attribute
%type <raises> raises_expr
%type <context> context_expr

%%

/* ================================================================ files */

/* specification: start definitions */
specification
        : start definitions             { endSpecification($2); }
        ;

/* start: (empty) */
start
        : %empty                        { beginSpecification(); }
        ;

/* definitions: { definition | pragma }
   Pragmas stand between definitions at file and module level only; they add
   nothing to the list. */
definitions
        : %empty                        { $$ = newList(); }
        | definitions definition        { $$ = appendDefinition($1, $2); }
        | definitions pragma            { $$ = $1; }
        ;

/* pragma: PRAGMA IDENTIFIER scoped_name STRING_LITERAL
         | PRAGMA IDENTIFIER scoped_name FLOATING_PT_LITERAL
         | PRAGMA IDENTIFIER STRING_LITERAL */
pragma
        : PRAGMA IDENTIFIER scoped_name STRING_LITERAL
                                        { namedStringPragma($2, $3, $4); }
        | PRAGMA IDENTIFIER scoped_name FLOATING_PT_LITERAL
                                        { namedFloatPragma($2, $3, $4); }
        | PRAGMA IDENTIFIER STRING_LITERAL
                                        { stringPragma($2, $3); }
        ;

/* definition: type_dcl ";" | const_dcl ";" | except_dcl ";" | module ";"
             | interface ";" | error
   A syntax error is reported by yyerror, which ends the run; the error rule
   is reached only for a state yyerror could not report. */
definition
        : type_dcl ";"                  { $$ = $1; }
        | const_dcl ";"                 { $$ = $1; }
        | except_dcl ";"                { $$ = $1; }
        | module ";"                    { $$ = $1; }
        | interface ";"                 { $$ = $1; }
        | error                         { $$ = errorDefinition(); }
        ;

/* module: "module" IDENTIFIER "{" definitions "}" */
module
        : module_header "{" definitions "}"
                                        { $$ = endModule($1, $3); }
        ;

/* module_header: "module" IDENTIFIER */
module_header
        : MODULE IDENTIFIER             { $$ = beginModule($2); }
        ;

/* =========================================================== interfaces */

/* interface: forward_dcl | interface_dcl */
interface
        : forward_dcl                   { $$ = $1; }
        | interface_dcl                 { $$ = $1; }
        ;

/* forward_dcl: "interface" IDENTIFIER */
forward_dcl
        : INTERFACE IDENTIFIER          { $$ = forwardDcl($2); }
        ;

/* interface_dcl: interface_header "{" { export } "}" */
interface_dcl
        : interface_body_start exports "}"
                                        { $$ = endInterfaceBody($1, $2); }
        ;

/* interface_body_start: interface_header "{"
   The body's interface exists, with the inherited names, before the first
   export is read. */
interface_body_start
        : interface_header "{"          { $$ = beginInterfaceBody($1); }
        ;

/* interface_header: "interface" IDENTIFIER opt inheritance_spec */
interface_header
        : INTERFACE IDENTIFIER          { $$ = interfaceHeader($2, nullptr); }
        | INTERFACE IDENTIFIER inheritance_spec
                                        { $$ = interfaceHeader($2, $3); }
        ;

/* exports: { export }
   An interface body holds no modules, no interfaces and no pragmas. */
exports
        : %empty                        { $$ = newList(); }
        | exports export                { $$ = appendTo($1, $2); }
        ;

/* export: type_dcl ";" | const_dcl ";" | except_dcl ";" | attr_dcl ";"
         | op_dcl ";" */
export
        : type_dcl ";"                  { $$ = $1; }
        | const_dcl ";"                 { $$ = $1; }
        | except_dcl ";"                { $$ = $1; }
        | attr_dcl ";"                  { $$ = $1; }
        | op_dcl ";"                    { $$ = $1; }
        ;

/* inheritance_spec: ":" scoped_name { "," scoped_name } */
inheritance_spec
        : ":" scoped_name_list          { $$ = inheritanceSpec($2); }
        ;

/* scoped_name_list: scoped_name { "," scoped_name } */
scoped_name_list
        : scoped_name                   { $$ = listOf($1, IDLError::ES_SCOPED_NAME_LIST); }
        | scoped_name_list "," scoped_name
                                        { $$ = appendTo($1, $3, IDLError::ES_SCOPED_NAME_LIST); }
        ;

/* scoped_name: name_components | "::" name_components
   A leading "::" is dropped: the name is looked up from the current scope
   outward all the same. */
scoped_name
        : name_components               { $$ = resolveScopedName($1); }
        | "::" name_components          { $$ = resolveScopedName($2); }
        ;

/* name_components: IDENTIFIER { "::" IDENTIFIER }
   Right recursive, so the node is made at the last identifier and the
   others are put in front of it, last one first. */
name_components
        : IDENTIFIER                    { $$ = lastNameComponent($1); }
        | IDENTIFIER "::" name_components
                                        { $$ = prependNameComponent($1, $3); }
        ;

/* ============================================================ constants */

/* const_dcl: "const" const_type IDENTIFIER "=" const_exp */
const_dcl
        : CONST const_type IDENTIFIER "=" const_exp
                                        { $$ = constDcl($2, $3, $5); }
        ;

/* const_type: integer_type | char_type | boolean_type | floating_pt_type
             | string_type | scoped_name */
const_type
        : integer_type                  { $$ = $1; }
        | char_type                     { $$ = $1; }
        | boolean_type                  { $$ = $1; }
        | floating_pt_type              { $$ = $1; }
        | string_type                   { $$ = $1; }
        | scoped_name                   { $$ = $1; }
        ;

/* const_exp: or_expr */
const_exp
        : or_expr                       { $$ = $1; }
        ;

/* or_expr: xor_expr | or_expr "|" xor_expr */
or_expr
        : xor_expr                      { $$ = $1; }
        | or_expr "|" xor_expr          { $$ = binaryExpr("|", $1, $3); }
        ;

/* xor_expr: and_expr | xor_expr "^" and_expr */
xor_expr
        : and_expr                      { $$ = $1; }
        | xor_expr "^" and_expr         { $$ = binaryExpr("^", $1, $3); }
        ;

/* and_expr: shift_expr | and_expr "&" shift_expr */
and_expr
        : shift_expr                    { $$ = $1; }
        | and_expr "&" shift_expr       { $$ = binaryExpr("&", $1, $3); }
        ;

/* shift_expr: add_expr | shift_expr ">>" add_expr | shift_expr "<<" add_expr */
shift_expr
        : add_expr                      { $$ = $1; }
        | shift_expr ">>" add_expr      { $$ = binaryExpr(">>", $1, $3); }
        | shift_expr "<<" add_expr      { $$ = binaryExpr("<<", $1, $3); }
        ;

/* add_expr: mult_expr | add_expr "+" mult_expr | add_expr "-" mult_expr */
add_expr
        : mult_expr                     { $$ = $1; }
        | add_expr "+" mult_expr        { $$ = binaryExpr("+", $1, $3); }
        | add_expr "-" mult_expr        { $$ = binaryExpr("-", $1, $3); }
        ;

/* mult_expr: unary_expr | mult_expr "*" unary_expr | mult_expr "/" unary_expr
            | mult_expr "%" unary_expr */
mult_expr
        : unary_expr                    { $$ = $1; }
        | mult_expr "*" unary_expr      { $$ = binaryExpr("*", $1, $3); }
        | mult_expr "/" unary_expr      { $$ = binaryExpr("/", $1, $3); }
        | mult_expr "%" unary_expr      { $$ = binaryExpr("%", $1, $3); }
        ;

/* unary_expr: unary_operator primary_expr | primary_expr */
unary_expr
        : unary_operator primary_expr   { $$ = unaryExpr($1, $2); }
        | primary_expr                  { $$ = $1; }
        ;

/* unary_operator: "-" | "+" | "~" */
unary_operator
        : "-"                           { $$ = unaryOperator("-"); }
        | "+"                           { $$ = unaryOperator("+"); }
        | "~"                           { $$ = unaryOperator("~"); }
        ;

/* primary_expr: scoped_name | literal | "(" const_exp ")" */
primary_expr
        : scoped_name                   { $$ = $1; }
        | literal                       { $$ = $1; }
        | "(" const_exp ")"             { $$ = parenthesizedExpr($2); }
        ;

/* literal: INTEGER_LITERAL | STRING_LITERAL | CHARACTER_LITERAL
          | FLOATING_PT_LITERAL | "TRUE" | "FALSE" */
literal
        : INTEGER_LITERAL               { $$ = IDLLiteral::makeInteger($1); }
        | STRING_LITERAL                { $$ = IDLLiteral::makeString($1); }
        | CHARACTER_LITERAL             { $$ = IDLLiteral::makeCharacter($1); }
        | FLOATING_PT_LITERAL           { $$ = IDLLiteral::makeFloat($1); }
        | "TRUE"                        { $$ = booleanLiteral("TRUE"); }
        | "FALSE"                       { $$ = booleanLiteral("FALSE"); }
        ;

/* positive_int_const: const_exp */
positive_int_const
        : const_exp                     { $$ = $1; }
        ;

/* ================================================================ types */

/* type_dcl: "typedef" type_spec declarators | struct_type | union_type
           | enum_type */
type_dcl
        : TYPEDEF type_spec declarators { $$ = typeDcl($2, $3); }
        | struct_type                   { $$ = $1; }
        | union_type                    { $$ = $1; }
        | enum_type                     { $$ = $1; }
        ;

/* type_spec: simple_type_spec | constr_type_spec */
type_spec
        : simple_type_spec              { $$ = $1; }
        | constr_type_spec              { $$ = $1; }
        ;

/* simple_type_spec: base_type_spec | template_type_spec | scoped_name */
simple_type_spec
        : base_type_spec                { $$ = $1; }
        | template_type_spec            { $$ = $1; }
        | scoped_name                   { $$ = $1; }
        ;

/* base_type_spec: floating_pt_type | integer_type | char_type | boolean_type
                 | octet_type | any_type */
base_type_spec
        : floating_pt_type              { $$ = $1; }
        | integer_type                  { $$ = $1; }
        | char_type                     { $$ = $1; }
        | boolean_type                  { $$ = $1; }
        | octet_type                    { $$ = $1; }
        | any_type                      { $$ = $1; }
        ;

/* template_type_spec: sequence_type | string_type */
template_type_spec
        : sequence_type                 { $$ = $1; }
        | string_type                   { $$ = $1; }
        ;

/* constr_type_spec: struct_type | union_type | enum_type */
constr_type_spec
        : struct_type                   { $$ = $1; }
        | union_type                    { $$ = $1; }
        | enum_type                     { $$ = $1; }
        ;

/* declarators: declarator { "," declarator } */
declarators
        : declarator                    { $$ = listOf($1, IDLError::ES_DECLARATORS); }
        | declarators "," declarator    { $$ = appendTo($1, $3, IDLError::ES_DECLARATORS); }
        ;

/* declarator: simple_declarator | array_declarator */
declarator
        : simple_declarator             { $$ = $1; }
        | array_declarator              { $$ = $1; }
        ;

/* simple_declarator: IDENTIFIER */
simple_declarator
        : IDENTIFIER                    { $$ = simpleDeclarator($1); }
        ;

/* floating_pt_type: "float" | "long" "double" | "double" */
floating_pt_type
        : FLOAT                         { $$ = baseType(IDLDefinition::DEF_float); }
        | LONG DOUBLE                   { $$ = baseType(IDLDefinition::DEF_long_double); }
        | DOUBLE                        { $$ = baseType(IDLDefinition::DEF_double); }
        ;

/* integer_type: "long" "long" | "long" | "short" | "unsigned" "long" "long"
               | "unsigned" "long" | "unsigned" "short"
   The 64-bit forms are read so that they can be refused by name. */
integer_type
        : LONG LONG                     { $$ = baseType(IDLDefinition::DEF_long_long); }
        | LONG                          { $$ = baseType(IDLDefinition::DEF_long); }
        | SHORT                         { $$ = baseType(IDLDefinition::DEF_short); }
        | UNSIGNED LONG LONG            { $$ = baseType(IDLDefinition::DEF_unsigned_long_long); }
        | UNSIGNED LONG                 { $$ = baseType(IDLDefinition::DEF_unsigned_long); }
        | UNSIGNED SHORT                { $$ = baseType(IDLDefinition::DEF_unsigned_short); }
        ;

/* char_type: "char" */
char_type
        : CHAR                          { $$ = baseType(IDLDefinition::DEF_char); }
        ;

/* boolean_type: "boolean" */
boolean_type
        : BOOLEAN                       { $$ = baseType(IDLDefinition::DEF_boolean); }
        ;

/* octet_type: "octet" */
octet_type
        : OCTET                         { $$ = baseType(IDLDefinition::DEF_octet); }
        ;

/* any_type: "any" */
any_type
        : ANY                           { $$ = baseType(IDLDefinition::DEF_any); }
        ;

/* struct_type: struct_header "{" member { member } "}"
   A structure needs at least one member. */
struct_type
        : struct_header "{" member_list "}"
                                        { $$ = endStruct($1, $3); }
        ;

/* struct_header: "struct" IDENTIFIER */
struct_header
        : STRUCT IDENTIFIER             { $$ = beginStruct($2); }
        ;

/* member_list: member { member } */
member_list
        : member                        { $$ = listOf($1, IDLError::ES_MEMBER); }
        | member_list member            { $$ = appendTo($1, $2, IDLError::ES_MEMBER); }
        ;

/* member: type_spec declarators ";" */
member
        : type_spec declarators ";"     { $$ = member($1, $2); }
        ;

/* union_type: union_header "(" switch_type_spec ")" "{" switch_case
               { switch_case } "}" */
union_type
        : union_header "(" switch_type_spec ")" "{" switch_body "}"
                                        { $$ = endUnion($1, $3, $6); }
        ;

/* union_header: "union" IDENTIFIER "switch" */
union_header
        : UNION IDENTIFIER SWITCH       { $$ = beginUnion($2); }
        ;

/* switch_type_spec: integer_type | char_type | boolean_type | enum_type
                   | scoped_name */
switch_type_spec
        : integer_type                  { $$ = $1; }
        | char_type                     { $$ = $1; }
        | boolean_type                  { $$ = $1; }
        | enum_type                     { $$ = $1; }
        | scoped_name                   { $$ = $1; }
        ;

/* switch_body: switch_case { switch_case } */
switch_body
        : switch_case                   { $$ = listOf($1, IDLError::ES_CASE); }
        | switch_body switch_case       { $$ = appendTo($1, $2, IDLError::ES_CASE); }
        ;

/* switch_case: case_label { case_label } element_spec ";" */
switch_case
        : case_labels element_spec ";"  { $$ = unionCase($1, $2); }
        ;

/* case_labels: case_label { case_label } */
case_labels
        : case_label                    { $$ = listOf($1, IDLError::ES_CASE); }
        | case_labels case_label        { $$ = appendTo($1, $2, IDLError::ES_CASE); }
        ;

/* case_label: "case" const_exp ":" | "default" ":" */
case_label
        : CASE const_exp ":"            { $$ = caseLabel($2); }
        | DEFAULT ":"                   { $$ = caseLabel(nullptr); }
        ;

/* element_spec: type_spec declarator */
element_spec
        : type_spec declarator          { $$ = element($1, $2); }
        ;

/* enum_type: "enum" IDENTIFIER "{" enumerator { "," enumerator } "}" */
enum_type
        : ENUM IDENTIFIER "{" enumerators "}"
                                        { $$ = enumType($2, $4); }
        ;

/* enumerators: enumerator { "," enumerator } */
enumerators
        : enumerator                    { $$ = listOf($1, IDLError::ES_ENUM); }
        | enumerators "," enumerator    { $$ = appendTo($1, $3, IDLError::ES_ENUM); }
        ;

/* enumerator: IDENTIFIER */
enumerator
        : IDENTIFIER                    { $$ = parse::enumerator($1); }
        ;

/* sequence_type: "sequence" "<" simple_type_spec "," positive_int_const ">"
                | "sequence" "<" simple_type_spec ">" */
sequence_type
        : SEQUENCE "<" simple_type_spec "," positive_int_const ">"
                                        { $$ = sequenceType($3, $5); }
        | SEQUENCE "<" simple_type_spec ">"
                                        { $$ = sequenceType($3, nullptr); }
        ;

/* string_type: "string" "<" positive_int_const ">" | "string" */
string_type
        : STRING "<" positive_int_const ">"
                                        { $$ = stringType($3); }
        | STRING                        { $$ = stringType(nullptr); }
        ;

/* array_declarator: IDENTIFIER fixed_array_size { fixed_array_size } */
array_declarator
        : IDENTIFIER fixed_array_sizes  { $$ = arrayDeclarator($1, $2); }
        ;

/* fixed_array_sizes: fixed_array_size { fixed_array_size } */
fixed_array_sizes
        : fixed_array_size              { $$ = listOf($1); }
        | fixed_array_sizes fixed_array_size
                                        { $$ = appendTo($1, $2); }
        ;

/* fixed_array_size: "[" positive_int_const "]" */
fixed_array_size
        : "[" positive_int_const "]"    { $$ = $2; }
        ;

/* ================================================ interface contents */

/* attr_dcl: opt "readonly" "attribute" param_type_spec attr_names */
attr_dcl
        : ATTRIBUTE param_type_spec attr_names
                                        { $$ = attrDcl("", $2, $3); }
        | READONLY ATTRIBUTE param_type_spec attr_names
                                        { $$ = attrDcl("readonly", $3, $4); }
        ;

/* attr_names: IDENTIFIER { IDENTIFIER }
   The names follow each other without commas. */
attr_names
        : IDENTIFIER                    { $$ = attributeName(nullptr, $1); }
        | attr_names IDENTIFIER         { $$ = attributeName($1, $2); }
        ;

/* except_dcl: except_header "{" { member } "}"
   An exception, unlike a structure, may have no members. */
except_dcl
        : except_header "{" "}"         { $$ = endException($1, nullptr); }
        | except_header "{" member_list "}"
                                        { $$ = endException($1, $3); }
        ;

/* except_header: "exception" IDENTIFIER */
except_header
        : EXCEPTION IDENTIFIER          { $$ = beginException($2); }
        ;

/* op_dcl: op_header parameter_dcls opt raises_expr opt context_expr */
op_dcl
        : op_header parameter_dcls raises_expr context_expr
                                        { $$ = endOperation($1, $2, $3, $4); }
        ;

/* op_header: opt "oneway" op_type_spec IDENTIFIER */
op_header
        : op_type_spec IDENTIFIER       { $$ = beginOperation("", $1, $2); }
        | ONEWAY op_type_spec IDENTIFIER
                                        { $$ = beginOperation("oneway", $2, $3); }
        ;

/* op_type_spec: param_type_spec | "void" */
op_type_spec
        : param_type_spec               { $$ = $1; }
        | VOID                          { $$ = voidType(); }
        ;

/* parameter_dcls: "(" param_dcl { "," param_dcl } ")" | "(" ")"
   Only a list with parameters opens the unnamed parameter scope. */
parameter_dcls
        : "(" parameter_scope param_dcl_list ")"
                                        { $$ = endParameterScope($3); }
        | "(" ")"                       { $$ = newList(); }
        ;

/* parameter_scope: (empty) */
parameter_scope
        : %empty                        { beginParameterScope(); }
        ;

/* param_dcl_list: param_dcl { "," param_dcl } */
param_dcl_list
        : param_dcl                     { $$ = listOf($1); }
        | param_dcl_list "," param_dcl  { $$ = appendTo($1, $3); }
        ;

/* param_dcl: param_attribute param_type_spec IDENTIFIER */
param_dcl
        : param_attribute param_type_spec IDENTIFIER
                                        { $$ = paramDcl($1, $2, $3); }
        ;

/* param_attribute: "in" | "out" | "inout" */
param_attribute
        : IN                            { $$ = "in"; }
        | OUT                           { $$ = "out"; }
        | INOUT                         { $$ = "inout"; }
        ;

/* raises_expr: opt ( "raises" "(" scoped_name { "," scoped_name } ")" )
   Without the clause the node is made with no list. */
raises_expr
        : %empty                        { $$ = new IDLRaisesExpr(nullptr); }
        | RAISES "(" scoped_name_list ")"
                                        { $$ = new IDLRaisesExpr($3); }
        ;

/* context_expr: opt ( "context" "(" STRING_LITERAL { "," STRING_LITERAL }
                 ")" )
   Without the clause the node is made with no list. */
context_expr
        : %empty                        { $$ = new IDLContextExpr(nullptr); }
        | CONTEXT "(" string_literal_list ")"
                                        { $$ = new IDLContextExpr($3); }
        ;

/* string_literal_list: STRING_LITERAL { "," STRING_LITERAL } */
string_literal_list
        : STRING_LITERAL                { $$ = contextString(nullptr, $1); }
        | string_literal_list "," STRING_LITERAL
                                        { $$ = contextString($1, $3); }
        ;

/* param_type_spec: base_type_spec | string_type | scoped_name */
param_type_spec
        : base_type_spec                { $$ = $1; }
        | string_type                   { $$ = $1; }
        | scoped_name                   { $$ = $1; }
        ;

%%
