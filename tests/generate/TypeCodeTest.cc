// tests/generate/TypeCodeTest.cc - type-code names and expressions, the
// type-code declarations of the client header and the definitions of the
// client implementation file.

#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "support/ParseIdl.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSpec.h"
#include "tree/IDLStringType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <iostream>
#include <sstream>
#include <string>
#include <utility>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;
using ::testing::HasSubstr;

namespace {

std::string headerOf(IDLDefinition* def) {
  std::ostringstream os;
  Generator::typeCodeHeaderCode(os, def);
  return os.str();
}

std::string definitionOf(IDLDefinition* def) {
  std::ostringstream os;
  Generator::typeCodeCCode(os, def);
  return os.str();
}

std::string ownTypeCodeNameOf(IDLDefinition* def) {
  std::ostringstream os;
  def->unscopedTypeCodeName(os);
  return os.str();
}

// The n-th top-level definition of the file, for typedefs of arrays, whose
// names stand for the array declarators.
IDLDefinition* topLevel(unsigned n) {
  return static_cast<IDLDefinition*>(
      IDLSpec::specification->definitions()->at(n));
}

IDLDefinition* interfaceNamed(const char* name) {
  return static_cast<IDLInterfaceHeader*>(lookup(name))->interface();
}

// The type and the declarator of the n-th member of a struct.
std::pair<IDLDefinition*, IDLDefinition*> memberOf(const char* structName,
                                                   unsigned n) {
  IDLStructure* s = static_cast<IDLStructure*>(lookup(structName));
  IDLMember* m = static_cast<IDLMember*>(s->members()->at(n));
  return {m->typeSpec(), static_cast<IDLDefinition*>(m->declarators()->at(0))};
}

} // namespace

// Nothing is declared or defined unless type codes were asked for, and the
// nodes stay unmarked.
TEST(TypeCode, NothingIsWrittenWhenTypeCodesAreOff) {
  parseIdl("struct S { long a; };\n"
           "union U switch (long) { case 1: long x; };\n"
           "enum E { e1 };\n"
           "exception X { };\n"
           "typedef long L;\n"
           "interface I { };\n"
           "typedef long A[2];\n"
           "typedef sequence<long> Q;\n"
           "typedef string<4> B;\n");
  for (unsigned i = 0; i < IDLSpec::specification->definitions()->size(); ++i) {
    IDLDefinition* def = topLevel(i);
    EXPECT_EQ(headerOf(def), "") << i;
    EXPECT_EQ(definitionOf(def), "") << i;
    EXPECT_EQ(def->typeCodeDeclared(), 0) << i;
    EXPECT_EQ(def->typeCodeDefined(), 0) << i;
  }
}

// Primitive types use the runtime's type codes; unsigned char shares
// octet's, and a name without one writes nothing.
TEST(TypeCode, PrimitiveTypesNameTheRuntimesTypeCodes) {
  const std::pair<const char*, const char*> cases[] = {
      {"short", "CORBA::_tc_short"},
      {"long", "CORBA::_tc_long"},
      {"unsigned short", "CORBA::_tc_ushort"},
      {"unsigned long", "CORBA::_tc_ulong"},
      {"char", "CORBA::_tc_char"},
      {"unsigned char", "CORBA::_tc_octet"},
      {"float", "CORBA::_tc_float"},
      {"double", "CORBA::_tc_double"},
      {"boolean", "CORBA::_tc_boolean"},
      {"octet", "CORBA::_tc_octet"},
      {"any", "CORBA::_tc_any"},
      {"void", "CORBA::_tc_void"},
      {"long double", ""},
  };
  for (const auto& c : cases) {
    IDLPrimType t(c.first, IDLDefinition::DEF_long);
    EXPECT_EQ(ownTypeCodeNameOf(&t), c.second) << c.first;
  }
}

// Named types put "_tc_" before their name; the runtime's interfaces keep
// the runtime's names; headers and scoped names answer for their targets;
// anonymous types and other nodes have no name.
TEST(TypeCode, NamedTypesPutTcBeforeTheirNames) {
  parseIdl("module M { struct S { long a; }; };\n"
           "union U switch (long) { case 1: long x; };\n"
           "enum E { e1 };\n"
           "exception X { };\n"
           "typedef long L;\n"
           "typedef long A[2];\n"
           "interface I { };\n"
           "struct T { M::S s; string u; sequence<long> q; };\n");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("M::S")), "_tc_S");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("U")), "_tc_U");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("E")), "_tc_E");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("X")), "_tc_X");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("L")), "_tc_L");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("A")), "_tc_A");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("I")), "_tc_I");
  EXPECT_EQ(ownTypeCodeNameOf(interfaceNamed("I")), "_tc_I");
  EXPECT_EQ(ownTypeCodeNameOf(memberOf("T", 0).first), "_tc_S");
  EXPECT_EQ(ownTypeCodeNameOf(memberOf("T", 0).second), "_tc_s");
  EXPECT_EQ(ownTypeCodeNameOf(memberOf("T", 1).first), "");
  EXPECT_EQ(ownTypeCodeNameOf(memberOf("T", 2).first), "");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("M")), "");

  EXPECT_EQ(ownTypeCodeNameOf(lookup("Object")), "CORBA::_tc_Object");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("TypeCode")), "CORBA::_tc_TypeCode");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("Principal")), "CORBA::_tc_Principal");
  EXPECT_EQ(ownTypeCodeNameOf(lookup("Environment")), "_tc_CORBA::Environment");
  IDLInterfaceHeader header("CORBA::NamedValue", nullptr);
  IDLInterface namedValue(IDLInterface::IT_FORWARD, &header, nullptr);
  EXPECT_EQ(ownTypeCodeNameOf(&namedValue), "CORBA::_tc_NamedValue");

  std::ostringstream os;
  Generator::unscopedTypeCodeName(os, lookup("E"), nullptr);
  os << "|";
  Generator::unscopedTypeCodeName(os, lookup("E"), "_tc_Other");
  EXPECT_EQ(os.str(), "_tc_E|_tc_Other");
}

// The type code of a member: named types by their qualified pointer,
// anonymous arrays, sequences and strings described in place (the string
// forms end the line).
TEST(TypeCode, MemberTypeCodeExpressions) {
  parseIdl("module M {\n"
           "  interface I { };\n"
           "  struct S { long a; };\n"
           "  typedef sequence<long> LS;\n"
           "  struct H { long n; M::S s; I i; Object o; long arr[2][3];\n"
           "             string<5> bs; LS ls; sequence<S> q; string u;\n"
           "             sequence<long, 4> b; };\n"
           "};\n");
  const std::pair<unsigned, const char*> cases[] = {
      {0, "CORBA::_tc_long"},
      {1, "M::_tc_S"},
      {2, "M::_tc_I"},
      {3, "CORBA::_tc_Object"},
      {4, "new CORBA::TypeCode(CORBA::tk_array, 2*3, CORBA::_tc_long, 1)"},
      {5, "CORBA::ORB::create_string_tc(5)\n"},
      {6, "M::_tc_LS"},
      {7, "new CORBA::TypeCode(\n"
          "\t\t\tCORBA::tk_sequence,\n"
          "\t\t\t0,\n"
          "\t\t\tM::_tc_S,\n"
          "\t\t\t1)"},
      {8, "CORBA::_tc_string\n"},
      {9, "new CORBA::TypeCode(\n"
          "\t\t\tCORBA::tk_sequence,\n"
          "\t\t\t4,\n"
          "\t\t\tCORBA::_tc_long,\n"
          "\t\t\t1)"},
  };
  for (const auto& c : cases) {
    auto member = memberOf("M::H", c.first);
    std::ostringstream os;
    Generator::scopedTypeCodeName(os, member.first, member.second, nullptr);
    EXPECT_EQ(os.str(), c.second) << c.first;
  }

  // Unqualified, named types lose their scope; a name source names an
  // anonymous sequence.
  std::ostringstream os;
  Generator::unscopedTypeCodeName(os, memberOf("M::H", 1).first, nullptr,
                                  nullptr);
  os << "|";
  Generator::unscopedTypeCodeName(os, memberOf("M::H", 2).first, nullptr,
                                  nullptr);
  os << "|";
  Generator::unscopedTypeCodeName(os, memberOf("M::H", 7).first, nullptr,
                                  lookup("M::LS"));
  EXPECT_EQ(os.str(), "_tc_S|_tc_I|_tc_LS");
}

// At global scope the pointer is extern and the operators are plain; a
// second call writes nothing.
TEST(TypeCode, StructDeclarationAtGlobalScope) {
  parseIdl("struct S { long a; };\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(
      headerOf(lookup("S")),
      "extern CORBA::TypeCode_ptr _tc_S;\n"
      "inline void operator<<=(CORBA::Any& _a, const S& _s) {\n"
      "\tCORBA::MarshalOutBuffer _mbuf;\n"
      "\t_mbuf << _s;\n"
      "\t_a.replace(_tc_S, _mbuf);\n"
      "}\n"
      "inline CORBA::Boolean operator>>=(const CORBA::Any& _a, S& _s) {\n"
      "\tCORBA::TypeCode_var _tc(_a.type());\n"
      "\tif ( !_tc->equal(_tc_S) )\n"
      "\t\treturn 0;\n"
      "\tCORBA::MarshalInBuffer _mbuf((char *)_a.value(), (CORBA::ULong)_a.len());\n"
      "\t_mbuf >> _s;\n"
      "\treturn 1;\n"
      "}\n");
  EXPECT_EQ(lookup("S")->typeCodeDeclared(), 1);
  EXPECT_EQ(headerOf(lookup("S")), "");
}

// Inside a class the pointer is a static member and the operators are
// friends; the export macro goes after "inline" and, at global scope, after
// "extern".
TEST(TypeCode, DeclarationsInsideAClassAndWithExport) {
  parseIdl("module M { struct S { long a; };\n"
           "  union U switch (short) { case 1: long x; }; };\n"
           "struct G { long a; };\n");
  Generator::printTypeCodes = 1;
  Generator::generateExport = "_USEREXPORT";
  Generator::_indentation = 1;
  std::string s = headerOf(lookup("M::S"));
  EXPECT_THAT(
      s,
      HasSubstr(
          "static CORBA::TypeCode_ptr _tc_S;\n"
          "\tinline _USEREXPORT friend void operator<<=(CORBA::Any& _a, const S& _s) {\n"
          "\t\tCORBA::MarshalOutBuffer _mbuf;\n"));
  EXPECT_THAT(
      s,
      HasSubstr(
          "\tinline _USEREXPORT friend CORBA::Boolean operator>>=(const CORBA::Any& _a, S& _s) {\n"));
  std::string u = headerOf(lookup("M::U"));
  EXPECT_THAT(
      u,
      HasSubstr(
          "static CORBA::TypeCode_ptr _tc_U;\n"
          "\tinline _USEREXPORT friend void operator<<=(CORBA::Any& _a, const U& _s) {\n"));
  EXPECT_THAT(u, HasSubstr("\t\t_mbuf >> _s;\n"));
  EXPECT_EQ(Generator::_indentation, 1);

  Generator::_indentation = 0;
  std::string g = headerOf(lookup("G"));
  EXPECT_THAT(
      g,
      HasSubstr(
          "extern _USEREXPORT CORBA::TypeCode_ptr _tc_G;\n"
          "inline _USEREXPORT void operator<<=(CORBA::Any& _a, const G& _s) {\n"));
}

// An exception goes in as a whole and is read back by skipping its name
// and copying its members.
TEST(TypeCode, ExceptionDeclaration) {
  parseIdl("exception X { };\n");
  Generator::printTypeCodes = 1;
  std::string out = headerOf(lookup("X"));
  EXPECT_THAT(out,
              ::testing::StartsWith(
                  "extern CORBA::TypeCode_ptr _tc_X;\n"
                  "inline void operator<<=(CORBA::Any& _a, const X& _exc) {\n"
                  "\tCORBA::MarshalOutBuffer _mbuf;\n"
                  "\t_mbuf << _exc;\n"));
  EXPECT_THAT(out, ::testing::EndsWith("(CORBA::ULong)_a.len());\n"
                                       "\t_mbuf.getString();\n"
                                       "\t_s._copy(_mbuf);\n"
                                       "\treturn 1;\n"
                                       "}\n"));
  EXPECT_THAT(
      out,
      HasSubstr(
          "\ninline CORBA::Boolean operator>>=(const CORBA::Any& _a, X& _s) {\n"));
}

// A typedef'd sequence is declared under the declarator's name and its
// operators take the sequence class.
TEST(TypeCode, SequenceTypedefDeclaration) {
  parseIdl("typedef sequence<long> Q;\n");
  Generator::printTypeCodes = 1;
  IDLTypeDecl* q = static_cast<IDLTypeDecl*>(lookup("Q"));
  static_cast<IDLSequenceType*>(q->typeSpec())->setClassName("Q");
  std::string out = headerOf(q);
  EXPECT_THAT(out,
              ::testing::StartsWith(
                  "extern CORBA::TypeCode_ptr _tc_Q;\n"
                  "inline void operator<<=(CORBA::Any& _a, const Q& _seq) {\n"
                  "\tCORBA::MarshalOutBuffer _mbuf;\n"
                  "\t_mbuf << _seq;\n"
                  "\t_a.replace(_tc_Q, _mbuf);\n"));
  EXPECT_THAT(
      out,
      HasSubstr(
          "\ninline CORBA::Boolean operator>>=(const CORBA::Any& _a, Q& _seq) {\n"));
  EXPECT_THAT(out, ::testing::EndsWith("\t_mbuf >> _seq;\n\treturn 1;\n}\n"));
}

// A typedef'd array goes through its _forany class; the directives of the
// extraction start in column 1 even inside a class.
TEST(TypeCode, ArrayTypedefDeclaration) {
  parseIdl("typedef long A[2];\n"
           "module M { typedef short B[3]; };\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(
      headerOf(topLevel(0)),
      "extern CORBA::TypeCode_ptr _tc_A;\n"
      "inline void operator<<=(CORBA::Any& _a, const A_forany& _arr) {\n"
      "\tCORBA::MarshalOutBuffer _mbuf;\n"
      "\t_mbuf << _arr;\n"
      "\t_a.replace(_tc_A, _mbuf);\n"
      "}\n"
      "inline CORBA::Boolean operator>>=(const CORBA::Any& _a, A_forany& _arr) {\n"
      "\tCORBA::TypeCode_var _tc(_a.type());\n"
      "\tif ( !_tc->equal(_tc_A) )\n"
      "\t\treturn 0;\n"
      "\tCORBA::MarshalInBuffer _mbuf((char *)_a.value(), (CORBA::ULong)_a.len());\n"
      "#if defined(_MSC_BUG)\n"
      "\t(NCistream&)_mbuf >> _arr;\n"
      "#else\n"
      "\t_mbuf >> _arr;\n"
      "#endif\n"
      "\treturn 1;\n"
      "}\n");
  EXPECT_EQ(lookup("A")->typeCodeDeclared(), 1);

  Generator::_indentation = 1;
  IDLModule* m = static_cast<IDLModule*>(lookup("M"));
  std::string b =
      headerOf(static_cast<IDLDefinition*>(m->definitions()->at(0)));
  EXPECT_THAT(
      b,
      HasSubstr(
          "static CORBA::TypeCode_ptr _tc_B;\n"
          "\tinline friend void operator<<=(CORBA::Any& _a, const B_forany& _arr) {\n"));
  EXPECT_THAT(b, HasSubstr("(CORBA::ULong)_a.len());\n"
                           "#if defined(_MSC_BUG)\n"
                           "\t\t(NCistream&)_mbuf >> _arr;\n"
                           "#else\n"
                           "\t\t_mbuf >> _arr;\n"
                           "#endif\n"
                           "\t\treturn 1;\n"));
  EXPECT_EQ(Generator::_indentation, 1);
}

// Enum values are stored in the Any as themselves.
TEST(TypeCode, EnumDeclaration) {
  parseIdl("enum E { e1, e2 };\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(headerOf(lookup("E")),
            "extern CORBA::TypeCode_ptr _tc_E;\n"
            "inline void operator<<=(CORBA::Any& _a, E _e) {\n"
            "\t_a.replace(_tc_E, new E(_e), 1);\n"
            "}\n"
            "inline CORBA::Boolean operator>>=(const CORBA::Any& _a, E& _e) {\n"
            "\tCORBA::TypeCode_var tc(_a.type());\n"
            "\tif (!tc->equal(_tc_E))\n"
            "\t\treturn 0;\n"
            "\telse {\n"
            "\t\t_e = *(E *)_a.value();\n"
            "\t\treturn 1;\n"
            "\t}\n"
            "}\n");
}

// Object references are narrowed on the way out of the Any; the runtime's
// Object, TypeCode and Principal get the declaration only.
TEST(TypeCode, InterfaceDeclarations) {
  parseIdl("interface I { };\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(
      headerOf(interfaceNamed("I")),
      "extern CORBA::TypeCode_ptr _tc_I;\n"
      "inline void operator<<=(CORBA::Any& _a, const I_ptr _obj) {\n"
      "\t_a <<= (const CORBA::Object_ptr)_obj;\n"
      "}\n"
      "inline CORBA::Boolean operator>>=(const CORBA::Any& _a, I_ptr& _obj) {\n"
      "\tCORBA::Object_ptr _temp = (CORBA::Object_ptr)NULL;\n"
      "\tCORBA::Boolean result = 0;\n"
      "\tif ( _a >>= _temp ) {\n"
      "\t\t_obj = I::_narrow(_temp);\n"
      "\t\tCORBA::release(_temp);\n"
      "\t\tresult = (_obj != (I *)NULL);\n"
      "\t}\n"
      "\treturn result;\n"
      "}\n");
  EXPECT_EQ(headerOf(lookup("Object")),
            "extern CORBA::TypeCode_ptr CORBA::_tc_Object;\n");
  EXPECT_EQ(headerOf(lookup("TypeCode")),
            "extern CORBA::TypeCode_ptr CORBA::_tc_TypeCode;\n");
  EXPECT_EQ(headerOf(lookup("Principal")),
            "extern CORBA::TypeCode_ptr CORBA::_tc_Principal;\n");
  EXPECT_THAT(
      headerOf(lookup("Environment")),
      HasSubstr(
          "\ninline void operator<<=(CORBA::Any& _a, const CORBA::Environment_ptr _obj) {\n"));
}

// Each declarator of a typedef gets a pointer; a string declares its own,
// under the declarator's name.
TEST(TypeCode, TypedefDeclarations) {
  parseIdl("typedef long L1, L2;\n"
           "typedef string<4> B;\n"
           "module M { typedef string S; };\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(headerOf(lookup("L1")), "extern CORBA::TypeCode_ptr _tc_L1;\n"
                                    "extern CORBA::TypeCode_ptr _tc_L2;\n");
  IDLTypeDecl* b = static_cast<IDLTypeDecl*>(lookup("B"));
  EXPECT_EQ(headerOf(b), "extern CORBA::TypeCode_ptr _tc_B;\n");
  EXPECT_EQ(b->typeSpec()->typeCodeDeclared(), 1);
  EXPECT_EQ(headerOf(lookup("M::S")), "static CORBA::TypeCode_ptr _tc_S;\n");
}

// An interface's TypeCode takes its repository identifier and name.
TEST(TypeCode, InterfaceDefinition) {
  parseIdl("module M { interface I { }; };\n");
  Generator::printTypeCodes = 1;
  IDLDefinition* i = interfaceNamed("M::I");
  EXPECT_EQ(definitionOf(i),
            "static CORBA::TypeCode _s_tc_M___tc_I(\n"
            "\t\t\"IDL:M/I:1.0\",\n"
            "\t\t\"I\", 1);\n"
            "\n"
            "CORBA::TypeCode_ptr M::_tc_I= &_s_tc_M___tc_I;\n");
  EXPECT_EQ(i->typeCodeDefined(), 1);
  EXPECT_EQ(definitionOf(i), "");
}

// One member-table entry per declarator, in order; the string member's
// type code ends its line before the comma.
TEST(TypeCode, StructDefinition) {
  parseIdl("module M {\n"
           "  struct P { short x; };\n"
           "  struct T { long a, b; string s; sequence<long, 3> q; P p; };\n"
           "};\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(definitionOf(lookup("M::T")),
            "static CORBA::StructMember __tc_M___tc_T[] = {\n"
            "\tCORBA::StructMember(\n"
            "\t\t\"a\",\n"
            "\t\tCORBA::_tc_long,\n"
            "\t\tCORBA::IDLType::_nil()\t),\n"
            "\tCORBA::StructMember(\n"
            "\t\t\"b\",\n"
            "\t\tCORBA::_tc_long,\n"
            "\t\tCORBA::IDLType::_nil()\t),\n"
            "\tCORBA::StructMember(\n"
            "\t\t\"s\",\n"
            "\t\tCORBA::_tc_string\n"
            ",\n"
            "\t\tCORBA::IDLType::_nil()\t),\n"
            "\tCORBA::StructMember(\n"
            "\t\t\"q\",\n"
            "\t\tnew CORBA::TypeCode(\n"
            "\t\t\tCORBA::tk_sequence,\n"
            "\t\t\t3,\n"
            "\t\t\tCORBA::_tc_long,\n"
            "\t\t\t1),\n"
            "\t\tCORBA::IDLType::_nil()\t),\n"
            "\tCORBA::StructMember(\n"
            "\t\t\"p\",\n"
            "\t\tM::_tc_P,\n"
            "\t\tCORBA::IDLType::_nil()\t)\n"
            "};\n"
            "static CORBA::TypeCode _s_tc_M___tc_T(\n"
            "\t\tCORBA::tk_struct,\n"
            "\t\t\"IDL:M/T:1.0\",\n"
            "\t\t\"T\",\n"
            "\t\tCORBA::StructMemberSeq(5,\n"
            "\t\t\t5,\n"
            "\t\t\t__tc_M___tc_T),\n"
            "\t\t1);\n"
            "CORBA::TypeCode_ptr M::_tc_T = &_s_tc_M___tc_T;\n");
}

// An exception is described like a struct; without members it has no
// member table and an empty member sequence.
TEST(TypeCode, ExceptionDefinitions) {
  parseIdl("exception X { };\n"
           "exception Y { long c; };\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(definitionOf(lookup("X")),
            "static CORBA::TypeCode _s_tc__tc_X(\n"
            "\t\tCORBA::tk_except,\n"
            "\t\t\"IDL:X:1.0\",\n"
            "\t\t\"X\",\n"
            "\t\tCORBA::StructMemberSeq(0), 1);\n"
            "CORBA::TypeCode_ptr _tc_X = &_s_tc__tc_X;\n");
  EXPECT_EQ(definitionOf(lookup("Y")),
            "static CORBA::StructMember __tc__tc_Y[] = {\n"
            "\tCORBA::StructMember(\n"
            "\t\t\"c\",\n"
            "\t\tCORBA::_tc_long,\n"
            "\t\tCORBA::IDLType::_nil()\t)\n"
            "};\n"
            "static CORBA::TypeCode _s_tc__tc_Y(\n"
            "\t\tCORBA::tk_except,\n"
            "\t\t\"IDL:Y:1.0\",\n"
            "\t\t\"Y\",\n"
            "\t\tCORBA::StructMemberSeq(1,\n"
            "\t\t\t1,\n"
            "\t\t\t__tc__tc_Y),\n"
            "\t\t1);\n"
            "CORBA::TypeCode_ptr _tc_Y = &_s_tc__tc_Y;\n");
}

// Every declarator of a typedef is an alias of its own.
TEST(TypeCode, TypedefDefinitions) {
  parseIdl("module M { struct S { long a; }; typedef S T, U; };\n"
           "typedef long L;\n"
           "typedef string<8> B;\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(definitionOf(lookup("M::T")),
            "static CORBA::TypeCode _s_tc_M___tc_T(\n"
            "\t\t\"IDL:M/T:1.0\",\n"
            "\t\t\"T\",\n"
            "\t\tM::_tc_S, 1);\n"
            "CORBA::TypeCode_ptr M::_tc_T= &_s_tc_M___tc_T;\n"
            "static CORBA::TypeCode _s_tc_M___tc_U(\n"
            "\t\t\"IDL:M/U:1.0\",\n"
            "\t\t\"U\",\n"
            "\t\tM::_tc_S, 1);\n"
            "CORBA::TypeCode_ptr M::_tc_U= &_s_tc_M___tc_U;\n");
  EXPECT_EQ(definitionOf(lookup("L")),
            "static CORBA::TypeCode _s_tc__tc_L(\n"
            "\t\t\"IDL:L:1.0\",\n"
            "\t\t\"L\",\n"
            "\t\tCORBA::_tc_long, 1);\n"
            "CORBA::TypeCode_ptr _tc_L= &_s_tc__tc_L;\n");
  EXPECT_EQ(definitionOf(lookup("B")),
            "static CORBA::TypeCode _s_tc__tc_B(\n"
            "\t\t\"IDL:B:1.0\",\n"
            "\t\t\"B\",\n"
            "\t\tCORBA::ORB::create_string_tc(8)\n"
            ", 1);\n"
            "CORBA::TypeCode_ptr _tc_B= &_s_tc__tc_B;\n");
}

// Each further dimension nests one more array TypeCode, closed after the
// element type; a dimension naming a constant is written as its value.
TEST(TypeCode, ArrayDefinitions) {
  parseIdl("const long N = 3;\n"
           "typedef long A[2][N];\n"
           "typedef short B[4];\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(definitionOf(topLevel(1)),
            "static CORBA::TypeCode _s_tc__tc_A(\n"
            "\t\tCORBA::tk_array,\n"
            "\t\t2,\n"
            "\t\tnew CORBA::TypeCode(\n"
            "\t\t\tCORBA::tk_array,\n"
            "\t\t\t3,\n"
            "\t\tCORBA::_tc_long,0), 1);\n"
            "CORBA::TypeCode_ptr _tc_A = &_s_tc__tc_A;\n");
  EXPECT_EQ(lookup("A")->typeCodeDefined(), 1);
  EXPECT_EQ(definitionOf(topLevel(2)),
            "static CORBA::TypeCode _s_tc__tc_B(\n"
            "\t\tCORBA::tk_array,\n"
            "\t\t4,\n"
            "\t\tCORBA::_tc_short, 1);\n"
            "CORBA::TypeCode_ptr _tc_B = &_s_tc__tc_B;\n");
}

// The enumerator names form a table of their own.
TEST(TypeCode, EnumDefinition) {
  parseIdl("enum E { red, green };\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(definitionOf(lookup("E")),
            "static char *__tc__tc_E[] = {\n"
            "\t\"red\",\n"
            "\t\"green\"\n"
            "};\n"
            "static CORBA::TypeCode _s_tc__tc_E(\n"
            "\t\t\"IDL:E:1.0\",\n"
            "\t\t\"E\",\n"
            "\t\tCORBA::EnumMemberSeq(2,\n"
            "\t\t\t2,\n"
            "\t\t\t__tc__tc_E),\n"
            "\t\t1);\n"
            "CORBA::TypeCode_ptr _tc_E = &_s_tc__tc_E;\n");
}

// A typedef'd sequence is defined under the declarator's name; an unbounded
// one has bound 0.
TEST(TypeCode, SequenceDefinitions) {
  parseIdl("typedef sequence<long, 5> Q;\n"
           "module M { struct S { long a; }; typedef sequence<S> R; };\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(definitionOf(lookup("Q")),
            "static CORBA::TypeCode\t_s_tc__tc_Q(\n"
            "\t\tCORBA::tk_sequence,\n"
            "\t\t5,\n"
            "\t\tCORBA::_tc_long, 1);\n"
            "\n"
            "CORBA::TypeCode_ptr _tc_Q = &_s_tc__tc_Q;\n");
  EXPECT_EQ(definitionOf(lookup("M::R")),
            "static CORBA::TypeCode\t_s_tc_M___tc_R(\n"
            "\t\tCORBA::tk_sequence,\n"
            "\t\t0,\n"
            "\t\tM::_tc_S, 1);\n"
            "\n"
            "CORBA::TypeCode_ptr M::_tc_R = &_s_tc_M___tc_R;\n");
}

// A string with a bound or a name gets a TypeCode of its own; an unnamed
// unbounded string is the runtime's.
TEST(TypeCode, StringDefinitions) {
  parseIdl("typedef string<8> B;\n"
           "typedef string U;\n");
  auto stringOf = [](const char* name) {
    return static_cast<IDLTypeDecl*>(lookup(name))->typeSpec();
  };
  auto declaratorOf = [](const char* name) {
    return static_cast<IDLDefinition*>(
        static_cast<IDLTypeDecl*>(lookup(name))->declarators()->at(0));
  };
  std::ostringstream bounded;
  stringOf("B")->typeCodeCCode(bounded, declaratorOf("B"));
  EXPECT_EQ(bounded.str(), "static CORBA::TypeCode _s_tc__tc_B(\n"
                           "\t\t8, 1);\n"
                           "\n"
                           "CORBA::TypeCode_ptr _tc_B = &_s_tc__tc_B;\n");
  std::ostringstream named;
  stringOf("U")->typeCodeCCode(named, declaratorOf("U"));
  EXPECT_EQ(named.str(), "static CORBA::TypeCode _s_tc__tc_U(\n"
                         "\t\tCORBA::tc_string,1);\n"
                         "CORBA::TypeCode_ptr _tc_U = &_s_tc__tc_U;\n");
  IDLStringType unnamed(nullptr);
  std::ostringstream plain;
  unnamed.typeCodeCCode(plain, nullptr);
  EXPECT_EQ(plain.str(), "CORBA::TypeCode_ptr  = CORBA::_tc_string;\n");
}

// Every label value gets a variable, numbered in case and label order; the
// default label has an octet of its own and takes no number; the member
// table has one entry per label.
TEST(TypeCode, UnionDefinitionWithIntegerDiscriminator) {
  parseIdl("union U switch (long) {\n"
           "  case 1: case 2: long a;\n"
           "  default: short d;\n"
           "  case 3: string s;\n"
           "};\n");
  Generator::printTypeCodes = 1;
  EXPECT_EQ(definitionOf(lookup("U")),
            "static CORBA::Long __tc__tc_U_0 = 1;\n"
            "static CORBA::Long __tc__tc_U_1 = 2;\n"
            "static CORBA::Octet __tc__tc_U_default = 0;\n"
            "static CORBA::Long __tc__tc_U_2 = 3;\n"
            "static CORBA::UnionMember __tc__tc_U[] = {\n"
            "\tCORBA::UnionMember(\n"
            "\t\t\"a\",\n"
            "\t\tCORBA::Any(CORBA::_tc_long, &__tc__tc_U_0),\n"
            "\t\tCORBA::_tc_long,\n"
            "\t\tCORBA::IDLType::_nil()\n"
            "\t)\n"
            "\t,\n"
            "\tCORBA::UnionMember(\n"
            "\t\t\"a\",\n"
            "\t\tCORBA::Any(CORBA::_tc_long, &__tc__tc_U_1),\n"
            "\t\tCORBA::_tc_long,\n"
            "\t\tCORBA::IDLType::_nil()\n"
            "\t)\n"
            "\t,\n"
            "\tCORBA::UnionMember(\n"
            "\t\t\"d\",\n"
            "\t\tCORBA::Any(CORBA::_tc_octet, &__tc__tc_U_default),\n"
            "\t\tCORBA::_tc_short,\n"
            "\t\tCORBA::IDLType::_nil()\n"
            "\t)\n"
            "\t,\n"
            "\tCORBA::UnionMember(\n"
            "\t\t\"s\",\n"
            "\t\tCORBA::Any(CORBA::_tc_long, &__tc__tc_U_2),\n"
            "\t\tCORBA::_tc_string\n"
            ",\n"
            "\t\tCORBA::IDLType::_nil()\n"
            "\t)\n"
            "};\n"
            "\n"
            "static CORBA::TypeCode _s_tc__tc_U(\n"
            "\t\t\"IDL:U:1.0\",\n"
            "\t\t\"U\",\n"
            "\t\tCORBA::_tc_long,\n"
            "\t\tCORBA::UnionMemberSeq(\n"
            "\t\t\t4, 4,\n"
            "\t\t\t__tc__tc_U),1);\n"
            "\n"
            "CORBA::TypeCode_ptr _tc_U = &_s_tc__tc_U;\n");
}

// The discriminator types with a type code, each with its value type. The
// 64-bit integers, which the grammar rejects, are set on parsed unions.
TEST(TypeCode, UnionDiscriminatorTypes) {
  parseIdl("union S1 switch (short) { case 1: long a; };\n"
           "union S2 switch (unsigned short) { case 1: long a; };\n"
           "union S3 switch (unsigned long) { case 1: long a; };\n"
           "union S4 switch (char) { case 'x': long a; };\n"
           "union S5 switch (boolean) { case TRUE: long a; };\n"
           "union S6 switch (long) { case 1: long a; };\n"
           "union S7 switch (long) { case 1: long a; };\n");
  IDLPrimType longLong("long long", IDLDefinition::DEF_long_long);
  IDLPrimType unsignedLongLong("unsigned long long",
                               IDLDefinition::DEF_unsigned_long_long);
  IDLUnion* s6 = static_cast<IDLUnion*>(lookup("S6"));
  IDLUnion* s7 = static_cast<IDLUnion*>(lookup("S7"));
  IDLDefinition* parsedSwitchTypes[] = {s6->switchType(), s7->switchType()};
  s6->setSwitchType(&longLong);
  s7->setSwitchType(&unsignedLongLong);
  Generator::printTypeCodes = 1;
  struct Case {
    const char* name;
    const char* variable;
    const char* typeCode;
  };
  const Case cases[] = {
      {"S1", "static CORBA::Short __tc__tc_S1_0 = 1;\n", "CORBA::_tc_short"},
      {"S2", "static CORBA::UShort __tc__tc_S2_0 = 1;\n", "CORBA::_tc_ushort"},
      {"S3", "static CORBA::ULong __tc__tc_S3_0 = 1;\n", "CORBA::_tc_ulong"},
      {"S4", "static CORBA::Char __tc__tc_S4_0 = 'x';\n", "CORBA::_tc_char"},
      {"S5", "static CORBA::Boolean __tc__tc_S5_0 = 1;\n",
       "CORBA::_tc_boolean"},
      {"S6", "static CORBA::LongLong __tc__tc_S6_0 = 1;\n",
       "CORBA::_tc_longlong"},
      {"S7", "static CORBA::ULongLong __tc__tc_S7_0 = 1;\n",
       "CORBA::_tc_ulonglong"},
  };
  for (const Case& c : cases) {
    std::string out = definitionOf(lookup(c.name));
    EXPECT_THAT(out, ::testing::StartsWith(c.variable)) << c.name;
    EXPECT_THAT(out, HasSubstr(std::string("\t\tCORBA::Any(") + c.typeCode +
                               ", &__tc__tc_" + c.name + "_0),\n"))
        << c.name;
  }
  // The parsed types go back, so that the tree still reaches them.
  s6->setSwitchType(parsedSwitchTypes[0]);
  s7->setSwitchType(parsedSwitchTypes[1]);
}

// With an enum discriminator the labels are enumerators qualified by the
// enum's scope, and the enum's type code describes the discriminator.
TEST(TypeCode, UnionDefinitionWithEnumDiscriminator) {
  parseIdl("module M { enum C { red, green };\n"
           "  union V switch (C) { case red: long r; case green: short g; };\n"
           "};\n");
  Generator::printTypeCodes = 1;
  std::string out = definitionOf(lookup("M::V"));
  EXPECT_THAT(out, ::testing::StartsWith(
                       "static M::C __tc_M___tc_V_0 = M::red;\n"
                       "static M::C __tc_M___tc_V_1 = M::green;\n"
                       "static CORBA::UnionMember __tc_M___tc_V[] = {\n"));
  EXPECT_THAT(out, HasSubstr("\t\tCORBA::Any(_tc_C, &__tc_M___tc_V_1),\n"));
  EXPECT_THAT(out, HasSubstr("\t\t\"V\",\n"
                             "\t\tM::_tc_C,\n"
                             "\t\tCORBA::UnionMemberSeq(\n"
                             "\t\t\t2, 2,\n"));
}

// A discriminator without a type code ends the run.
TEST(TypeCode, UnionWithOtherDiscriminatorEndsTheRun) {
  parseIdl("module M { typedef float F;\n"
           "  union W switch (F) { case 1: long a; }; };\n");
  Generator::printTypeCodes = 1;
  IDLDefinition* w = lookup("M::W");
  EXPECT_EXIT(
      {
        std::cout.rdbuf(std::cerr.rdbuf());
        definitionOf(w);
      },
      ::testing::ExitedWithCode(1), "Invalid union switch type for M::W");
}
