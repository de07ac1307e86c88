// tests/generate/HeaderDeclsTest.cc - the client header declarations of
// constants, enums, typedefs, structs, exceptions and unions.
//
// Expected texts are written by hand from the documented output. The member
// lists come from the struct support emitter and the array and sequence
// classes from their templates; here the test only checks that they appear
// in their place.

#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "support/ParseIdl.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLSpec.h"
#include "tree/IDLTypeDecl.h"

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

// Parses `text` as the file being written.
void parseAsThisFile(const char* text) {
  IDLSpec* spec = parseIdl(text);
  Generator::_spec = spec;
  Generator::_idl_file_name = spec->fileName();
}

std::string headerOf(IDLDefinition* def) {
  std::ostringstream os;
  def->headerCode(os);
  EXPECT_EQ(Generator::_indentation, 0);
  return os.str();
}

std::string headerOf(const char* name) {
  return headerOf(lookup(name));
}

// Pieces that must be in a text and pieces that must not.
void expectPieces(const std::string& text,
                  const std::vector<std::string>& present,
                  const std::vector<std::string>& absent = {}) {
  for (const std::string& piece : present)
    EXPECT_THAT(text, HasSubstr(piece));
  for (const std::string& piece : absent)
    EXPECT_THAT(text, Not(HasSubstr(piece)));
}

const char* const colorEnum = "enum Color { red, green, blue };\n";

} // namespace

// ---------------------------------------------------------------------------
// Constants

// Inside a class a constant is a static member whose value is given in the
// implementation file; at global scope it is initialised in place, and a
// string constant's pointer is constant too. A constant opens no scope, so
// it declares no sequence class: the typedef after it names its own.
TEST(HeaderDecls, ConstantsAreMembersInsideClassesAndInitialisedOutside) {
  parseAsThisFile("const long C = 5;\n"
                  "const string S = \"abc\";\n"
                  "const boolean B = TRUE;\n"
                  "interface I { const long K = 3 + 4; };\n"
                  "module M { const double D = 1.5;\n"
                  "           typedef sequence<long> LS; };\n");
  EXPECT_EQ(headerOf("C"), "\nconst CORBA::Long C = 5;");
  EXPECT_EQ(headerOf("S"), "\nconst char * const S = \"abc\";");
  EXPECT_EQ(headerOf("B"), "\nconst CORBA::Boolean B = 1;");
  EXPECT_EQ(headerOf("I::K"), "\n\tstatic const CORBA::Long K; /* 3 + 4 */");
  EXPECT_EQ(headerOf("M::D"), "\n\tstatic const CORBA::Double D; /* 1.5 */");
}

// ---------------------------------------------------------------------------
// Enums

// An enum at global scope with the default settings; the extraction rejects
// values from the number of enumerators on.
TEST(HeaderDecls, EnumIsWrittenWhole) {
  parseAsThisFile(colorEnum);
  EXPECT_EQ(headerOf("Color"),
            "\n"
            "enum Color {\n"
            "\tred,\n"
            "\tgreen,\n"
            "\tblue\n"
            "};\n"
            "inline NCostream& operator<<(NCostream& _strm, Color _enum_type) "
            "{\n"
            "\t_strm << (CORBA::ULong)_enum_type;\n"
            "\treturn _strm;\n"
            "}\n"
            "inline NCistream& operator>>(NCistream& _strm, Color& _enum_type) "
            "{\n"
            "\tCORBA::ULong _temp;\n"
            "\t_strm >> _temp;\n"
            "\tif (_temp >= 3)\n"
            "\t\tthrow CORBA::BAD_PARAM();\n"
            "\t_enum_type = Color(_temp);\n"
            "\treturn _strm;\n"
            "}\n"
            "inline ostream& operator<<(ostream& _strm, Color _enum_type) {\n"
            "\tif( &_strm == &cout || &_strm == &cerr || &_strm == &clog) {\n"
            "\t\t_strm << \"Color:\";\n"
            "\t\tswitch(_enum_type) {\n"
            "\t\t\tcase red:\n"
            "\t\t\t\t_strm << \"red\" << endl;\n"
            "\t\t\t\tbreak;\n"
            "\t\t\tcase green:\n"
            "\t\t\t\t_strm << \"green\" << endl;\n"
            "\t\t\t\tbreak;\n"
            "\t\t\tcase blue:\n"
            "\t\t\t\t_strm << \"blue\" << endl;\n"
            "\t\t\t\tbreak;\n"
            "\t\t}\n"
            "\t}\n"
            "\telse \n"
            "\t\t_strm << (CORBA::ULong)_enum_type;\n"
            "\treturn _strm;\n"
            "}\n"
            "inline istream& operator>>(istream& _strm, Color& _enum_type) {\n"
            "\tCORBA::ULong _temp;\n"
            "\t_strm >> _temp;\n"
            "\t_enum_type = Color(_temp);\n"
            "\treturn _strm;\n"
            "}\n");
}

// Inside a module the operators are friends; the export macro, the error
// reporting and the readable streams change their own lines.
TEST(HeaderDecls, EnumSettingsPickTheirLines) {
  parseAsThisFile("module M { enum E { a, b }; };\n");
  Generator::generateExport = "EXP";
  Generator::generateExceptions = 0;
  Generator::generateStdStream = 0;
  expectPieces(headerOf("M::E"),
               {"\nEXP inline friend NCostream& operator<<(NCostream& _strm, "
                "E _enum_type) {\n",
                "\nEXP inline friend NCistream& operator>>(NCistream& _strm, "
                "E& _enum_type) {\n",
                "\n\tif (_temp >= 2) { \n"
                "\t\tTOVTHROW(CORBA::BAD_PARAM());\n"
                "\t\treturn _strm;\n"
                "\t}\n"
                "\t_enum_type = E(_temp);\n"},
               {"throw", "(ostream&", "(istream&"});
}

// ---------------------------------------------------------------------------
// Typedefs

// Each kind of type gets its typedef and, where it has them, the typedefs
// of its companion types; several declarators each get their own.
TEST(HeaderDecls, TypedefsRenameCompanionTypesByKind) {
  parseAsThisFile("interface A { };\n"
                  "struct F { long a; };\n"
                  "enum Color { red };\n"
                  "module M { struct G { long g; }; typedef G T9; };\n"
                  "typedef long T1;\n"
                  "typedef string T2;\n"
                  "typedef A T3;\n"
                  "typedef F T4;\n"
                  "typedef any T5;\n"
                  "typedef Color T6;\n"
                  "typedef long T7, T8;\n"
                  "typedef T4 T10;\n");
  // clang-format off
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"T1", "\ntypedef CORBA::Long T1;\n"},
      {"T2", "\ntypedef char *T2;\n"
             "typedef CORBA::String_var T2_var;\n"},
      {"T3", "\ntypedef A T3;\n"
             "typedef A_ptr T3_ptr;\n"
             "typedef ARef T3Ref;\n"
             "typedef A_var T3_var;\n"},
      {"T4", "\ntypedef F T4;\n"
             "typedef F_var T4_var;\n"},
      {"T5", "\ntypedef CORBA::Any T5;\n"
             "typedef CORBA::Any_var T5_var;\n"},
      {"T6", "\ntypedef Color T6;\n"},
      {"T7", "\ntypedef CORBA::Long T7;\n"
             "\ntypedef CORBA::Long T8;\n"},
      {"M::T9", "\ntypedef M::G T9;\n"
                "typedef M::G_var T9_var;\n"},
      {"T10", "\ntypedef T4 T10;\n"
              "typedef T4_var T10_var;\n"},
  };
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(headerOf(c.first), c.second) << c.first;
}

// An array typedef writes the C++ array type and then the array's classes,
// with the conversion to the whole array; string elements are held in
// their holder class.
TEST(HeaderDecls, ArrayTypedefsDeclareTheirClasses) {
  parseAsThisFile("typedef long L[2][3];\n"
                  "typedef string SA[4];\n");
  NCOrderedCltn* defs = IDLSpec::specification->definitions();
  std::string l = headerOf(static_cast<IDLDefinition*>(defs->at(0)));
  EXPECT_THAT(l, StartsWith("\ntypedef CORBA::Long L[2][3];\n"
                            "\n"
                            "typedef CORBA::Long L_slice[3];\n"));
  EXPECT_THAT(l, HasSubstr("\toperator L& () const { return *(L *)_ptr; }\n"));
  auto* array = static_cast<IDLArrayDecl*>(lookup("L"));
  EXPECT_EQ(array->declared(), 1);
  EXPECT_STREQ(array->className().chars(), "L");

  std::string sa = headerOf(static_cast<IDLDefinition*>(defs->at(1)));
  EXPECT_THAT(sa, StartsWith("\ntypedef CORBA::String_var SA[4];\n"));
}

// A typedef of an anonymous sequence names the sequence's class; a struct
// declared in the typedef comes first.
TEST(HeaderDecls, SequenceTypedefNamesTheClassAndInlineStructComesFirst) {
  parseAsThisFile("typedef sequence<long> LS;\n"
                  "typedef struct S { long a; } T;\n");
  std::string ls = headerOf("LS");
  EXPECT_THAT(ls, StartsWith("\n\n"));
  EXPECT_THAT(ls, HasSubstr("\nclass LS\n{\n"));
  EXPECT_THAT(ls, HasSubstr("\ntypedef LS *LS_ptr;\n"));
  EXPECT_THAT(ls, EndsWith("};\n\n\n"));
  auto* typedecl = static_cast<IDLTypeDecl*>(lookup("LS"));
  auto* seq = static_cast<IDLSequenceType*>(typedecl->typeSpec());
  EXPECT_STREQ(seq->className().chars(), "LS");

  std::string t = headerOf("T");
  EXPECT_THAT(t, StartsWith("\nstruct S {\n"));
  EXPECT_THAT(t, EndsWith("};\n\ntypedef S T;\ntypedef S_var T_var;\n"));
}

// ---------------------------------------------------------------------------
// Structs

// A fixed-length struct with the default settings: no assignment operator,
// no extraction into a pointer, and a holder that converts by value.
TEST(HeaderDecls, FixedStructIsWrittenWhole) {
  parseAsThisFile("struct P { long x; };\n");
  EXPECT_EQ(headerOf("P"),
            "\n"
            "struct P {\n"
            "\tCORBA::Long\tx;\n"
            "};\n"
            "NCostream& operator<<(NCostream&, const P& );\n"
            "NCistream& operator>>(NCistream&, P& );\n"
            "\n"
            "ostream& operator<<(ostream&, const P& );\n"
            "inline istream& operator>>(istream& _strm, P& _obj) {\n"
            "\tNCistream _istrm(_strm);\n"
            "\t_istrm >> _obj;\n"
            "\treturn _strm;\n"
            "}\n"
            "\n"
            "\n"
            "typedef P *P_ptr;\n"
            "class P_var\n"
            "{\n"
            "    public:\n"
            "\tP_var() { _ptr = (P*)NULL;}\n"
            "\tP_var(P *ptr) {\n"
            "\t\t_ptr = ptr;\n"
            "\t}\n"
            "\tP_var(const P_var& var) {\n"
            "\t\tif (var._ptr)\n"
            "\t\t\t_ptr = new P(*var._ptr);\n"
            "\t\telse\n"
            "\t\t\t_ptr = (P *)NULL;\n"
            "\t}\n"
            "\t~P_var() {\n"
            "\t\tif (_ptr != (P *)NULL) delete _ptr;\n"
            "\t}\n"
            "\tP_var& operator=(P *ptr) {\n"
            "\t\tif (_ptr != (P *)NULL) delete _ptr;\n"
            "\t\t_ptr = ptr;\n"
            "\t\treturn *this;\n"
            "\t}\n"
            "\tP_var& operator=(const P_var& var) {\n"
            "\t\tif (_ptr != (P *)NULL) delete _ptr;\n"
            "\t\tif (var._ptr)\n"
            "\t\t\t_ptr = new P(*var._ptr);\n"
            "\t\telse\n"
            "\t\t\t_ptr = (P *)NULL;\n"
            "\t\treturn *this;\n"
            "\t}\n"
            "\tP *operator->() { return _ptr; }\n"
            "\toperator P () const { return *_ptr; }\n"
            "\toperator P& () { return *_ptr; }\n"
            "\tinline friend NCostream& operator<<(NCostream& strm,\n"
            "\t\t\tconst P_var& var) {\n"
            "\t\tif (var._ptr == (P *)NULL) {\n"
            "\t\t\tthrow CORBA::BAD_PARAM();\n"
            "\t\t}\n"
            "\t\telse\n"
            "\t\t\tstrm << *var._ptr;\n"
            "\t\treturn strm;\n"
            "\t}\n"
            "\tinline friend NCistream& operator>>(NCistream& strm,\n"
            "\t\t\tP_var& var) {\n"
            "\t\tif ( ! var._ptr)\n"
            "\t\t\tvar._ptr = new P;\n"
            "\t\tstrm >> *var._ptr;\n"
            "\t\treturn strm;\n"
            "\t}\n"
            "    private:\n"
            "\tP *_ptr;\n"
            "};\n");
}

// A variable-length struct gets an assignment operator, extraction into a
// pointer and the pointer conversions, with the directives in column 1.
TEST(HeaderDecls, VariableStructAddsPointerMembers) {
  parseAsThisFile("struct V { string s; };\n");
  expectPieces(headerOf("V"),
               {"\tV& operator=(const V&);\n"
                "};\n",
                "\ninline NCistream& operator>>(NCistream& _strm, V*& _obj) {\n"
                "\t_obj = new V;\n"
                "\t_strm >> *_obj;\n"
                "\treturn _strm;\n"
                "}\n"
                "\n",
                "\ninline istream& operator>>(istream& _strm, V*& _obj) {\n"
                "\t_obj = new V;\n"
                "\t_strm >> *_obj;\n"
                "\treturn _strm;\n"
                "}\n"
                "\n"
                "\n"
                "typedef V *V_ptr;\n",
                "\n\toperator V *() const { return _ptr; }\n"
                "#if defined(_HPCC_BUG)\n"
                "\toperator V *& () { return _ptr; }\n"
                "#else\n"
                "\toperator V_ptr& () { return _ptr; }\n"
                "#endif\n"
                "\toperator V& () { return *_ptr; }\n"},
               {"\toperator V () const"});
}

// Friends inside a module, the export macro, the container functions and
// the error reporting without exceptions; without readable streams their
// operators are left out.
TEST(HeaderDecls, StructSettingsPickTheirLines) {
  parseAsThisFile("module M { struct P { long x; }; };\n");
  Generator::generateExport = "EXP";
  Generator::generateContainer = 1;
  Generator::generateExceptions = 0;
  Generator::generateStdStream = 0;
  expectPieces(
      headerOf("M::P"),
      {"\nstruct EXP P {\n",
       "\nEXP friend NCostream& operator<<(NCostream&, const P& );\n"
       "EXP friend NCistream& operator>>(NCistream&, P& );\n"
       "\n"
       "EXP friend CORBA::ULong hash(const P& );\n"
       "EXP friend CORBA::Long compare(const P&, const P&);\n"
       "\n"
       "typedef P *P_ptr;\n"
       "class EXP P_var\n",
       "\n\tEXP inline friend NCostream& operator<<(NCostream& strm,\n",
       "\n\t\tif (var._ptr == (P *)NULL) {\n"
       "\t\t\tCORBA::current_environment().exception(\n"
       "\t\t\t\tnew CORBA::BAD_PARAM);\n"
       "\t\t}\n",
       "\n\tEXP inline friend NCistream& operator>>(NCistream& strm,\n"},
      {"throw", "(ostream&", "(istream&"});
}

// ---------------------------------------------------------------------------
// Exceptions

// An exception without members has the default constructor only and no
// member streaming.
TEST(HeaderDecls, EmptyExceptionIsWrittenWhole) {
  parseAsThisFile("exception X { };\n");
  EXPECT_EQ(headerOf("X"),
            "\n"
            "class X: public CORBA_UserException\n"
            "{\n"
            "    public:\n"
            "\tstatic const CORBA_Exception::Description\t_description;\n"
            "\t\n"
            "\n"
            "\tX() {}\n"
            "\tstatic CORBA::Exception *_factory() { return new X(); }\n"
            "\t~X() {}\n"
            "\tvirtual const CORBA_Exception::Description& _desc() const;\n"
            "\tstatic X *_narrow(CORBA::Exception *exc);\n"
            "\tCORBA::Exception *_deep_copy() const { return new X(*this); }\n"
            "\tvoid _throw() const {\n"
            "\t\tthrow *this;\n"
            "\t}\n"
            "\tinline friend NCistream& operator>>(NCistream& _strm, X& _e) {\n"
            "\t\tCORBA::String_var _exp_name;\n"
            "\t\t_strm >> _exp_name;\n"
            "\t\t_e._copy(_strm);\n"
            "\t\treturn _strm;\n"
            "\t}\n"
            "};\n");
}

// The member constructor takes one parameter per declarator, by category;
// arrays of object references cannot be passed and are left out. An array
// of strings is passed as its slice, as the constructor's definition in the
// implementation file takes it.
TEST(HeaderDecls, ExceptionMembersGetAConstructorAndStreaming) {
  parseAsThisFile("interface A { };\n"
                  "struct F { long a; };\n"
                  "exception E { long code; string why; A obj; F f;\n"
                  "              long arr[2]; A objs[2];\n"
                  "              string names[3]; };\n");
  expectPieces(headerOf("E"),
               {"\n\tE() {}\n"
                "\tE(\n"
                "\t\t\tCORBA::Long _code,\n"
                "\t\t\tconst char * _why,\n"
                "\t\t\tA_ptr _obj,\n"
                "\t\t\tconst F&  _f,\n"
                "\t\t\tarr_slice * _arr,\n"
                "\t\t\tnames_slice * _names);\n"
                "\tstatic CORBA::Exception *_factory() { return new E(); }\n",
                "\n\t}\n"
                "\tvoid _write(NCostream&) const;\n"
                "\tvoid _copy(NCistream&);\n"
                "\tvoid _pretty_print(NCostream&) const;\n"
                "\tinline friend NCistream& operator>>"},
               {"_objs"});

  Generator::generateExceptions = 0;
  Generator::generateStdStream = 0;
  expectPieces(headerOf("E"),
               {"\n\tvoid _throw() const {\n"
                "\t\tCORBA::current_environment().exception(\n"
                "\t\t\t_deep_copy());\n"
                "\t}\n"
                "\tvoid _write(NCostream&) const;\n"
                "\tvoid _copy(NCistream&);\n"
                "\tinline friend"},
               {"_pretty_print", "throw *this;"});
}

// ---------------------------------------------------------------------------
// Unions

// The discriminator and the members, then per case a setter that also
// selects the case and getters chosen by the member's kind; a default case
// selects 0. The holder copies without testing for null.
TEST(HeaderDecls, UnionAccessorsFollowTheMemberKinds) {
  parseAsThisFile("interface A { };\n"
                  "struct F { long a; };\n"
                  "struct V { string s; };\n"
                  "typedef long L[2];\n"
                  "union U switch (long) {\n"
                  "  case 1: long a;\n"
                  "  case 2: case 3: string s;\n"
                  "  case 4: F f;\n"
                  "  case 5: A obj;\n"
                  "  case 6: L arr;\n"
                  "  default: V v;\n"
                  "};\n");
  std::string out = headerOf("U");
  expectPieces(
      out,
      {"\n"
       "class U\n"
       "{\n"
       "    public:\n"
       "    private:\n"
       "\tCORBA::Long\t_disc;\n"
       "\tCORBA::Long\t__a;\n"
       "\tCORBA::String_var\t__s;\n"
       "\tF\t__f;\n"
       "\tA_var\t__obj;\n"
       "\tL\t__arr;\n"
       "\tV\t__v;\n"
       "    public:\n"
       "\tU() : _disc(0) {}\n"
       "\t~U() {}\n"
       "\tU(const U& obj);\n"
       "\tU& operator=(const U& obj);\n"
       "\n"
       "\tvoid _d(CORBA::Long val) { _disc = val; }\n"
       "\tCORBA::Long _d() const { return _disc; }\n"
       "\n"
       "\tvoid a(CORBA::Long val) {\n"
       "\t\t__a = val;\n"
       "\t\t_disc = 1;\n"
       "\t}\n"
       "\tCORBA::Long a() const { return __a; }\n"
       "\tvoid s(char *val) {\n"
       "\t\t__s = val;\n"
       "\t\t_disc = 2;\n"
       "\t}\n"
       "\tvoid s(const char *val) {\n"
       "\t\t__s = val;\n"
       "\t\t_disc = 2;\n"
       "\t}\n"
       "\tvoid s(const CORBA::String_var& val) {\n"
       "\t\t__s = val;\n"
       "\t\t_disc = 2;\n"
       "\t}\n"
       "\tconst char *s() const { return __s; }\n"
       "\tvoid f(const F& val) {\n"
       "\t\t__f = val;\n"
       "\t\t_disc = 4;\n"
       "\t}\n"
       "\tconst F& f() const { return __f; }\n"
       "\tF& f() { return __f; }\n"
       "\tvoid obj(A_ptr obj) { __obj = obj;\n"
       "\t\t_disc = 5;\n"
       "\t}\n"
       "\tA_ptr obj() const { return __obj; }\n"
       "\tvoid arr(L val) {\n"
       "\t\tL_forany ___t1(__arr);\n"
       "\t\tL_forany ___t2(val);\n"
       "\t\t___t1 = ___t2;\n"
       "\t\t_disc = 6;\n"
       "\t}\n"
       "\tL_slice *arr() const { return (L_slice *)__arr; }\n"
       "\tvoid v(const V& val) {\n"
       "\t\t__v = val;\n"
       "\t\t_disc = 0;\n"
       "\t}\n"
       "\tconst V& v() const { return __v; }\n"
       "\tV& v() { return __v; }\n"
       "\tfriend NCostream& operator<<(NCostream&, const U& );\n"
       "\tfriend NCistream& operator>>(NCistream&, U& );\n"
       "\tinline friend NCistream& operator>>(NCistream& strm, U *& obj) {\n"
       "\t\tobj = new U;\n"
       "\t\tstrm >> *obj;\n"
       "\t\treturn strm;\n"
       "\t}\n"
       "\tfriend ostream& operator<<(ostream&, const U&);\n"
       "\tinline friend istream& operator>>(istream& strm, U& obj) {\n"
       "\t\tNCistream istrm(strm);\n"
       "\t\tstrm >> obj;\n"
       "\t\treturn strm;\n"
       "\t}\n"
       "\tinline friend istream& operator>>(istream& strm, U *& obj) {\n"
       "\t\tobj = new U;\n"
       "\t\tstrm >> *obj;\n"
       "\t\treturn strm;\n"
       "\t}\n"
       "};\n"
       "\n"
       "typedef U *U_ptr;\n"
       "class U_var\n"
       "{\n",
       "\n\tU_var(const U_var& var) {\n"
       "\t\t_ptr = new U(*var._ptr);\n"
       "\t}\n",
       "\n\tU_var& operator=(const U_var& var) {\n"
       "\t\tif (_ptr != (U *)NULL) delete _ptr;\n"
       "\t\t_ptr = new U(*var._ptr);\n"
       "\t\treturn *this;\n"
       "\t}\n",
       "\n\toperator U *() { return _ptr; }\n"
       "#if defined(_HPCC_BUG)\n"},
      {"hash(", "\t\tif (var._ptr)\n"});
}

// An enum discriminator starts as the enumerator 0 and each setter selects
// its enumerator by qualified name; a fixed-length union converts by value
// and declares no extraction into a pointer; the container functions and
// the export macro are added on request.
TEST(HeaderDecls, UnionDiscriminatorsAndSettings) {
  parseAsThisFile("module M {\n"
                  "  enum Color { red, green };\n"
                  "  union EU switch (Color) { case green: long g; };\n"
                  "};\n");
  Generator::generateContainer = 1;
  Generator::generateExport = "EXP";
  expectPieces(
      headerOf("M::EU"),
      {"\nclass EXP EU\n", "\n\tColor\t_disc;\n",
       "\n\tEU() : _disc(Color(0)) {}\n",
       "\n\tvoid _d(Color val) { _disc = val; }\n"
       "\tColor _d() const { return _disc; }\n",
       "\n\t\t_disc = M::green;\n",
       "\n\tEXP friend NCostream& operator<<(NCostream&, const EU& );\n",
       "\n\tEXP friend CORBA::ULong hash(const EU& );\n"
       "\tEXP friend CORBA::Long compare(const EU&, const EU& );\n"
       "};\n",
       "\n\toperator EU () const { return *_ptr; }\n"},
      {"EU *& obj", "operator EU *()"});
}
