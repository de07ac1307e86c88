// tests/stubs/ArrayClassTest.cc - the slice typedefs, allocation functions,
// _forany and _var classes of IDL arrays, inline and out of line.
//
// Each case parses a small IDL text and writes the classes of one array the
// way the client header and the client implementation file ask for them.

#include "generate/Generator.h"
#include "support/ParseIdl.h"
#include "tree/IDLArrayDecl.h"

#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

enum class Template { declare, implement };

// The output of one template for the array declarator `name`, with the
// element named as the client header names it.
std::string arrayClasses(const char* name, Template which = Template::declare,
                         int constConversion = 0) {
  IDLDefinition* found = lookup(name);
  EXPECT_EQ(found->kind(), IDLDefinition::DEF_array_decl) << name;
  auto* array = static_cast<IDLArrayDecl*>(found);
  std::ostringstream element;
  Generator::scopedName(element, array->declaredType(), array);
  std::ostringstream os;
  if (which == Template::declare)
    Generator::declareArrayVar(os, array->name().chars(), element.str().c_str(),
                               array->declaredType(), array->dimensions(),
                               array, constConversion);
  else
    Generator::implementArrayVar(os, array->name().chars(),
                                 element.str().c_str(), array->declaredType(),
                                 array->dimensions(), array, constConversion);
  return os.str();
}

// How often `line` occurs in `text`.
int countOf(const std::string& text, const std::string& line) {
  int n = 0;
  for (auto at = text.find(line); at != std::string::npos;
       at = text.find(line, at + 1))
    ++n;
  return n;
}

} // namespace

// The whole header text of a one-dimensional array of longs with the
// default settings, readable streaming off: primitives travel in one put or
// get, and the holder copies with memcpy.
TEST(ArrayClass, OneDimensionalLongArrayIsDeclaredInline) {
  Generator::generateStdStream = 0;
  parseIdl("typedef long L[10];");
  EXPECT_EQ(arrayClasses("L"),
            "\n"
            "typedef CORBA::Long L_slice;\n"
            "typedef L_slice *L_slice_ptr;\n"
            "inline L_slice *L_alloc() {\n"
            "\treturn new CORBA::Long[10];\n"
            "}\n"
            "inline void L_free(L_slice *data) {\n"
            "\tif (data) delete[] data;\n"
            "}\n"
            "class L_forany\n"
            "{\n"
            "    public:\n"
            "\tL_forany(L_slice *slice) :_ptr(slice) {}\n"
            "\tL_forany() :_ptr((L_slice *)NULL) {}\n"
            "\t~L_forany() {} \n"
            "\tCORBA::Long& operator[](CORBA::ULong index) {\n"
            "\t\treturn _ptr[index];\n"
            "\t}\n"
            "\tconst CORBA::Long& operator[](CORBA::ULong index) const {\n"
            "\t\treturn _ptr[index];\n"
            "\t}\n"
            "\toperator L_slice *() { return _ptr;}\n"
            "\tfriend NCostream& operator<<(NCostream& strm,\n"
            "\t\t\tconst L_forany& obj) {\n"
            "\t\tconst CORBA::ULong *data = \n"
            "\t\t\t(const CORBA::ULong *)obj._ptr;\n"
            "\t\tif (data == (CORBA::ULong *)NULL) {\n"
            "\t\t\tthrow CORBA::BAD_PARAM();\n"
            "\t\t}\n"
            "\t\tstrm.put(data, 10);\n"
            "\t\treturn strm;\n"
            "\t}\n"
            "\tinline friend NCistream& operator>>(NCistream& strm,\n"
            "\t\t\tL_forany& obj) {\n"
            "\t\tif (obj._ptr == (L_slice *)NULL) \n"
            "\t\t\tobj._ptr = L_alloc();\n"
            "\t\tCORBA::ULong *data = (CORBA::ULong *)obj._ptr;\n"
            "\t\tstrm.get(data, 10);\n"
            "\t\treturn strm;\n"
            "\t}\n"
            "\tL_forany& operator=(const L_forany obj) {\n"
            "\t\tCORBA::Long *_data = (CORBA::Long *)_ptr;\n"
            "\t\tconst CORBA::Long *_odata = (const CORBA::Long *)obj._ptr;\n"
            "\t\tfor (CORBA::ULong i=0; i < 10; i++)\n"
            "\t\t\t_data[i] = _odata[i];\n"
            "\t\treturn *this;\n"
            "\t}\n"
            "    private:\n"
            "\tL_slice\t*_ptr;\n"
            "};\n"
            "class L_var\n"
            "{\n"
            "    public:\n"
            "\tL_var() : _ptr((L_slice *)NULL) {}\n"
            "\tL_var(L_slice *slice) :_ptr(slice) {}\n"
            "\tL_var(const L_var& var) {\n"
            "\t\t_ptr = L_alloc();\n"
            "\t\tmemcpy(_ptr, var._ptr, size_t(10) *sizeof(CORBA::Long));\n"
            "\t}\n"
            "\t~L_var() { L_free(_ptr); }\n"
            "\tL_var& operator=(L_slice *slice) {\n"
            "\t\tL_free(_ptr);\n"
            "\t\t_ptr = slice;\n"
            "\t\treturn *this;\n"
            "\t}\n"
            "\tL_var& operator=(L_var& var) {\n"
            "\t\tif (!_ptr)\n"
            "\t\t\t_ptr = L_alloc();\n"
            "\t\tmemcpy(_ptr, var._ptr, size_t(10) *sizeof(CORBA::Long));\n"
            "\t\treturn *this;\n"
            "\t}\n"
            "\tCORBA::Long& operator[](CORBA::ULong index) {\n"
            "\t\treturn _ptr[index];\n"
            "\t}\n"
            "\tconst CORBA::Long& operator[](CORBA::ULong index) const {\n"
            "\t\treturn _ptr[index];\n"
            "\t}\n"
            "\toperator L_slice *() { return _ptr;}\n"
            "#if defined(_HPCC_BUG)\n"
            "\toperator L_slice *& () {return _ptr;}\n"
            "#else\n"
            "\toperator L_slice_ptr& () {return _ptr;}\n"
            "#endif\n"
            "\tfriend inline NCostream& operator<<(NCostream& strm,\n"
            "\t\t\tL_var& var) {\n"
            "\t\tL_forany temp(var._ptr);\n"
            "\t\tstrm << temp;\n"
            "\t\treturn strm;\n"
            "\t}\n"
            "\tfriend inline NCistream& operator>>(NCistream& strm,\n"
            "\t\t\tL_var& var) {\n"
            "\t\tL_forany temp(var._ptr);\n"
            "\t\tstrm >> temp;\n"
            "\t\treturn strm;\n"
            "\t}\n"
            "    private:\n"
            "\tL_slice\t*_ptr;\n"
            "\tvoid operator=(const L_var&) {}\n"
            "};\n");
  EXPECT_EQ(Generator::_indentation, 0);
}

// The slice drops the first dimension and the slice of the slice the first
// two; allocation spans all of them. Inside a module the functions are
// static members, at file level they carry the export macro.
TEST(ArrayClass, TypedefsAndAllocationFollowDimensionsAndPlace) {
  Generator::generateExport = "_USEREXPORT";
  parseIdl("typedef short T2[3][4];\n"
           "typedef char T3[2][3][4];\n"
           "const long N = 5;\n"
           "module M { typedef long A[N * 2]; };\n");
  const std::string two = arrayClasses("T2");
  EXPECT_THAT(two,
              HasSubstr("\n"
                        "typedef CORBA::Short T2_slice[4];\n"
                        "typedef T2_slice *T2_slice_ptr;\n"
                        "_USEREXPORT inline T2_slice *T2_alloc() {\n"
                        "\treturn new CORBA::Short[3][4];\n"
                        "}\n"
                        "_USEREXPORT inline void T2_free(T2_slice *data) {\n"));
  EXPECT_THAT(two, Not(HasSubstr("_slice_slice")));
  EXPECT_THAT(two, HasSubstr("\t\tstrm.put(data, 12);\n"));

  EXPECT_THAT(arrayClasses("T3"),
              HasSubstr("typedef CORBA::Char T3_slice[3][4];\n"
                        "typedef T3_slice *T3_slice_ptr;\n"
                        "typedef CORBA::Char T3_slice_slice[4];\n"
                        "_USEREXPORT inline T3_slice *T3_alloc() {\n"
                        "\treturn new CORBA::Char[2][3][4];\n"));

  const std::string nested = arrayClasses("M::A");
  EXPECT_THAT(nested,
              HasSubstr("typedef CORBA::Long A_slice;\n"
                        "typedef A_slice *A_slice_ptr;\n"
                        "static inline A_slice *A_alloc() {\n"
                        "\treturn new CORBA::Long[10];\n"
                        "}\n"
                        "static inline void A_free(A_slice *data) {\n"));
  EXPECT_THAT(nested, Not(HasSubstr("_USEREXPORT inline A_")));
  EXPECT_THAT(nested, HasSubstr("class _USEREXPORT A_forany\n{\n"));
  EXPECT_THAT(nested, HasSubstr("class _USEREXPORT A_var\n{\n"));
  EXPECT_THAT(nested, HasSubstr("\t_USEREXPORT friend inline NCostream& "
                                "operator<<(NCostream& strm,\n"
                                "\t\t\tA_var& var) {\n"));
  EXPECT_THAT(nested, HasSubstr("\t_USEREXPORT friend inline NCistream& "
                                "operator>>(NCistream& strm,\n"
                                "\t\t\tA_var& var) {\n"));
}

// A row of a two-dimensional array is a pointer to its elements; beyond two
// dimensions only the const form exists and returns the slice of the slice;
// an array of arrays returns the element array and, const, its slice.
TEST(ArrayClass, IndexingReturnsElementRowOrSlice) {
  parseIdl("typedef short T2[3][4];\n"
           "typedef char T3[2][3][4];\n"
           "typedef long A[3];\n"
           "typedef A B[4];\n");
  const std::string two = arrayClasses("T2");
  EXPECT_EQ(countOf(two, "\tCORBA::Short *operator[](CORBA::ULong index) {\n"
                         "\t\treturn _ptr[index];\n"
                         "\t}\n"
                         "\tconst CORBA::Short *operator[](CORBA::ULong "
                         "index) const {\n"
                         "\t\treturn _ptr[index];\n"
                         "\t}\n"),
            2);

  const std::string three = arrayClasses("T3");
  EXPECT_EQ(countOf(three, "\tT3_slice_slice *operator[](CORBA::ULong "
                           "index) const {\n"
                           "\t\treturn _ptr[index];\n"
                           "\t}\n"),
            2);
  EXPECT_THAT(three, Not(HasSubstr("operator[](CORBA::ULong index) {")));

  EXPECT_EQ(countOf(arrayClasses("B"),
                    "\tA& operator[](CORBA::ULong index) {\n"
                    "\t\treturn _ptr[index];\n"
                    "\t}\n"
                    "\tA_slice *operator[](CORBA::ULong index) const {\n"
                    "\t\treturn _ptr[index];\n"
                    "\t}\n"),
            2);
}

// Each element family streams, assigns and copies its own way.
TEST(ArrayClass, ElementFamiliesStreamAssignAndCopyTheirOwnWay) {
  parseIdl("enum Color { red, green };\n"
           "typedef Color CA[2];\n"
           "typedef string SA[3];\n"
           "interface I {};\n"
           "typedef I IA[2];\n"
           "module M { struct S { long x; }; typedef S TA[2]; };\n"
           "typedef long A[3];\n"
           "typedef A B[4];\n");
  struct Case {
    const char* array;
    std::vector<const char*> present;
    std::vector<const char*> absent;
  };
  const std::vector<Case> cases = {
      {"CA",
       {"\t\tstrm.put(data, 2);\n",
        "\t\tmemcpy(_ptr, var._ptr, size_t(2) *sizeof(Color));\n"},
       {"strm << data[i]"}},
      {"SA",
       {"\t\tconst CORBA::String_var *data = \n"
        "\t\t\t(const CORBA::String_var *)obj._ptr;\n"
        "\t\tif (data == (CORBA::String_var *)NULL) {\n",
        "\t\tfor (CORBA::ULong i=0; i < 3; i++)\n"
        "\t\t\tstrm << data[i];\n",
        "\t\tCORBA::String_var *data = (CORBA::String_var *)obj._ptr;\n"
        "\t\tfor (CORBA::ULong i=0; i < 3; i++)\n"
        "\t\t\tstrm >> data[i];\n",
        "\t\t\t_data[i] = _odata[i];\n",
        "\t\tCORBA::String_var *_t1 = (CORBA::String_var *)_ptr;\n"
        "\t\tCORBA::String_var *_t2 = (CORBA::String_var *)var._ptr;\n"
        "\t\tfor (CORBA::ULong i=0; i < 3; i++)\n"
        "\t\t\t_t1[i] = _t2[i];\n"},
       {"memcpy", "_duplicate", "strm.put"}},
      {"IA",
       {"\t\tfor (CORBA::ULong i=0; i < 2; i++)\n"
        "\t\t\t_data[i] = I_var::_duplicate(_odata[i]);\n",
        "\t\t\t_t1[i] = I_var::_duplicate(_t2[i]);\n",
        "\t\t\tstrm << data[i];\n"},
       {"memcpy"}},
      {"M::TA",
       {"\t\tconst M::S *data = \n", "\t\t\t_data[i] = _odata[i];\n",
        "\t\t\t_t1[i] = _t2[i];\n"},
       {"memcpy", "_duplicate"}},
      {"B",
       {"\t\tif (obj._ptr == 0) {\n"
        "\t\t\tthrow CORBA::BAD_PARAM();\n"
        "\t\t}\n"
        "\t\tfor (CORBA::ULong i=0; i < 4; i++) {\n"
        "\t\t\tA_forany _data((A_slice *)obj._ptr[i]);\n"
        "\t\t\tstrm << _data;\n"
        "\t\t}\n",
        "\t\tfor (CORBA::ULong i=0; i < 4; i++) {\n"
        "\t\t\tA_forany _data(obj._ptr[i]);\n"
        "\t\t\tstrm >> _data;\n"
        "\t\t}\n",
        "\t\tfor (CORBA::ULong i=0; i < 4; i++) {\n"
        "\t\t\tA_forany _data(_ptr[i]);\n"
        "\t\t\tA_forany _odata((A_slice *)obj._ptr[i]);\n"
        "\t\t\t_data = _odata;\n"
        "\t\t}\n",
        "\t\t_ptr = B_alloc();\n"
        "\t\tfor (CORBA::ULong i=0; i < 4; i++) {\n"
        "\t\t\tA_forany _t1(_ptr[i]);\n"
        "\t\t\tA_forany _t2((A_slice *)var._ptr[i]);\n"
        "\t\t\t_t1 = _t2;\n"
        "\t\t}\n"},
       {"memcpy", " *data = ", "strm.put"}},
  };
  for (const Case& c : cases) {
    const std::string out = arrayClasses(c.array);
    for (const char* line : c.present)
      EXPECT_THAT(out, HasSubstr(line)) << c.array;
    for (const char* line : c.absent)
      EXPECT_THAT(out, Not(HasSubstr(line))) << c.array;
  }
}

// Without C++ exceptions a null array is reported through the current
// environment and the stream is returned untouched, inline and out of line.
TEST(ArrayClass, NullArrayWithoutExceptionsGoesToTheEnvironment) {
  Generator::generateExceptions = 0;
  parseIdl("typedef long L[10];");
  const std::string header = arrayClasses("L");
  EXPECT_THAT(header, HasSubstr("\t\tif (data == (CORBA::ULong *)NULL) {\n"
                                "\t\t\tCORBA::current_environment().exception("
                                "new CORBA::BAD_PARAM);\n"
                                "\t\t\treturn strm;\n"
                                "\t\t}\n"
                                "\t\tstrm.put(data, 10);\n"));
  EXPECT_THAT(header, Not(HasSubstr("throw")));
  Generator::generateInline = 0;
  const std::string code = arrayClasses("L", Template::implement);
  EXPECT_THAT(code, HasSubstr("\tif (data == (CORBA::ULong *)NULL) {\n"
                              "\t\tCORBA::current_environment().exception("
                              "new CORBA::BAD_PARAM);\n"
                              "\t\treturn strm;\n"
                              "\t}\n"));
  EXPECT_THAT(code, Not(HasSubstr("throw")));
}

// Readable streaming and the container functions come inline when asked
// for, with the export macro in front of those friends.
TEST(ArrayClass, ReadableStreamsAndContainerFunctionsInline) {
  Generator::generateContainer = 1;
  Generator::generateExport = "EXP";
  parseIdl("typedef long L[10];\n"
           "typedef long A[3];\n"
           "typedef A B[4];\n");
  const std::string out = arrayClasses("L");
  EXPECT_THAT(
      out,
      HasSubstr("\tEXP inline friend ostream& operator<<(ostream& strm, "
                "const L_forany& obj) {\n"
                "\t\tif (&strm == &cout || &strm == &cerr || &strm == &clog) "
                "{\n"
                "\t\t\tstrm << \"ARRAY NAME: L\" << endl;\n"
                "\t\t\tconst CORBA::Long *data = (const CORBA::Long "
                "*)obj._ptr;\n"
                "\t\t\tfor (CORBA::ULong i=0; i < 10; i++)\n"
                "\t\t\t\tstrm << \"[\" << i << \"] \" << data[i] << endl;\n"
                "\t\t}\n"
                "\t\telse {\n"
                "\t\t\tNCostream ostrm(strm);\n"
                "\t\t\tostrm << obj;\n"
                "\t\t}\n"
                "\t\treturn strm;\n"
                "\t}\n"
                "\tEXP inline friend istream& operator>>(istream& strm, "
                "L_forany& obj) {\n"
                "\t\tNCistream istrm(strm);\n"
                "\t\tistrm >> obj;\n"
                "\t\treturn strm;\n"
                "\t}\n"
                "\tEXP inline friend CORBA::Long compare(L_forany o1, "
                "L_forany o2) {\n"
                "\t\tCORBA::Long diff = 0;\n"
                "\t\tCORBA::Long *t1 = (CORBA::Long *)o1._ptr;\n"
                "\t\tCORBA::Long *t2 = (CORBA::Long *)o2._ptr;\n"
                "\t\tfor (CORBA::ULong i=0; i < 10; i++)\n"
                "\t\t\tif ( (diff = (CORBA::Long)(t1[i] - t2[i])) != 0)\n"
                "\t\t\t\tbreak;\n"
                "\t\treturn diff;\n"
                "\t}\n"
                "\tEXP inline friend CORBA::ULong hash(L_forany obj) {\n"
                "\t\tunsigned h = 0;\n"
                "\t\tCORBA::Long *temp = (CORBA::Long *)obj._ptr;\n"
                "\t\tfor (CORBA::ULong i= 0; i< 10; i++) {\n"
                "\t\t\th ^= (CORBA::ULong)temp[i];\n"
                "\t\t}\n"
                "\t\treturn h;\n"
                "\t}\n"
                "    private:\n"));

  const std::string nested = arrayClasses("B");
  EXPECT_THAT(nested,
              HasSubstr("\t\t\t\tstrm << \"[\" << i << \"] \" << _data << "
                        "endl;\n"));
  EXPECT_THAT(nested, HasSubstr("\t\t\tif ((diff = compare(A_forany(t1[i]), "
                                "A_forany(t2[i]))) != 0)\n"));
  EXPECT_THAT(nested, HasSubstr("\t\t\th ^= hash(A_forany(temp[i]));\n"));
}

// With inline members off the header only declares the larger members.
TEST(ArrayClass, InlineOffDeclaresTheLargerMembers) {
  Generator::generateInline = 0;
  Generator::generateContainer = 1;
  Generator::generateExport = "EXP";
  parseIdl("typedef long L[10];");
  const std::string out = arrayClasses("L");
  EXPECT_THAT(out, HasSubstr("\toperator L_slice *() { return _ptr;}\n"
                             "\tfriend NCostream& operator<<(NCostream& strm,\n"
                             "\t\t\tconst L_forany& obj);\n"
                             "\tfriend NCistream& operator>>(NCistream& strm,\n"
                             "\t\t\tL_forany& obj);\n"
                             "\tL_forany& operator=(const L_forany obj);\n"
                             "\tEXP friend ostream& operator<<(ostream& strm, "
                             "const L_forany& obj);\n"
                             "\tEXP friend CORBA::Long compare(L_forany o1, "
                             "L_forany o2);\n"
                             "\tEXP friend CORBA::ULong hash(L_forany obj);\n"
                             "    private:\n"));
  EXPECT_THAT(out, HasSubstr("\tL_var(L_slice *slice) :_ptr(slice) {}\n"
                             "\tL_var(const L_var& var);\n"
                             "\t~L_var() { L_free(_ptr); }\n"));
  EXPECT_THAT(out,
              HasSubstr("\t}\n"
                        "\tL_var& operator=(L_var& var);\n"
                        "\tCORBA::Long& operator[](CORBA::ULong index) {\n"));
  for (const char* body : {"strm.put", "strm.get", "memcpy", "istrm", "_odata",
                           "return diff;", "return h;"})
    EXPECT_THAT(out, Not(HasSubstr(body))) << body;
  // The holder's stream operators are small and stay inline.
  EXPECT_THAT(out, HasSubstr("\t\tstrm >> temp;\n"));
}

// The out-of-line definitions of a two-dimensional struct array, readable
// streaming off: one after the other, bodies one tab left of the inline
// ones, typed pointers on one line.
TEST(ArrayClass, ImplementationDefinesTheMembersOutOfLine) {
  Generator::generateInline = 0;
  Generator::generateStdStream = 0;
  parseIdl("struct S { long x; };\n"
           "typedef S SA[2][3];\n");
  EXPECT_EQ(arrayClasses("SA", Template::implement),
            "NCostream& operator<<(NCostream& strm, const SA_forany& obj)\n"
            "{\n"
            "\tconst S *data = (const S *)obj._ptr;\n"
            "\tif (data == (S *)NULL) {\n"
            "\t\tthrow CORBA::BAD_PARAM();\n"
            "\t}\n"
            "\tfor (CORBA::ULong i=0; i < 6; i++)\n"
            "\t\tstrm << data[i];\n"
            "\treturn strm;\n"
            "}\n"
            "NCistream& operator>>(NCistream& strm, SA_forany& obj)\n"
            "{\n"
            "\tif (obj._ptr == (SA_slice *)NULL) \n"
            "\t\tobj._ptr = SA_alloc();\n"
            "\tS *data = (S *)obj._ptr;\n"
            "\tfor (CORBA::ULong i=0; i < 6; i++)\n"
            "\t\tstrm >> data[i];\n"
            "\treturn strm;\n"
            "}\n"
            "SA_forany& SA_forany::operator=(const SA_forany obj)\n"
            "{\n"
            "\tS *_data = (S *)_ptr;\n"
            "\tconst S *_odata = (const S *)obj._ptr;\n"
            "\tfor (CORBA::ULong i=0; i < 6; i++)\n"
            "\t\t_data[i] = _odata[i];\n"
            "\treturn *this;\n"
            "}\n"
            "SA_var::SA_var(const SA_var& var)\n"
            "{\n"
            "\t_ptr = SA_alloc();\n"
            "\tS *_t1 = (S *)_ptr;\n"
            "\tS *_t2 = (S *)var._ptr;\n"
            "\tfor (CORBA::ULong i=0; i < 6; i++)\n"
            "\t\t_t1[i] = _t2[i];\n"
            "}\n"
            "SA_var& SA_var::operator=(SA_var& var)\n"
            "{\n"
            "\tif (!_ptr)\n"
            "\t\t_ptr = SA_alloc();\n"
            "\tS *_t1 = (S *)_ptr;\n"
            "\tS *_t2 = (S *)var._ptr;\n"
            "\tfor (CORBA::ULong i=0; i < 6; i++)\n"
            "\t\t_t1[i] = _t2[i];\n"
            "\treturn *this;\n"
            "}\n");
}

// Out of line, readable output and the container functions follow the
// assignment, before the holder's members.
TEST(ArrayClass, ImplementationWritesReadableAndContainerFunctions) {
  Generator::generateInline = 0;
  Generator::generateContainer = 1;
  parseIdl("typedef long L[10];");
  const std::string out = arrayClasses("L", Template::implement);
  EXPECT_THAT(out, HasSubstr("\treturn *this;\n"
                             "}\n"
                             "ostream& operator<<(ostream& strm, const "
                             "L_forany& obj)\n"
                             "{\n"
                             "\tif (&strm == &cout || &strm == &cerr || "
                             "&strm == &clog) {\n"
                             "\t\tstrm << \"ARRAY NAME: L\" << endl;\n"));
  EXPECT_THAT(out, HasSubstr("\treturn strm;\n"
                             "}\n"
                             "CORBA::Long compare(L_forany o1, L_forany o2)\n"
                             "{\n"));
  EXPECT_THAT(out, HasSubstr("\treturn diff;\n"
                             "}\n"
                             "CORBA::ULong hash(L_forany obj)\n"
                             "{\n"));
  EXPECT_THAT(out, HasSubstr("\treturn h;\n"
                             "}\n"
                             "L_var::L_var(const L_var& var)\n"));
  EXPECT_THAT(out, Not(HasSubstr("operator>>(istream&")));
}

// The conversion to the whole array type appears in both classes exactly
// when asked for; in the holder it follows the directive block.
TEST(ArrayClass, ConstConversionOnlyWhenAskedFor) {
  parseIdl("typedef long L[10];");
  const std::string conversion =
      "\toperator L& () const { return *(L *)_ptr; }\n";
  EXPECT_EQ(countOf(arrayClasses("L"), conversion), 0);
  const std::string out = arrayClasses("L", Template::declare, 1);
  EXPECT_EQ(countOf(out, conversion), 2);
  EXPECT_THAT(out, HasSubstr("\toperator L_slice *() { return _ptr;}\n" +
                             conversion + "\tfriend NCostream& operator<<"));
  EXPECT_THAT(out, HasSubstr("#endif\n" + conversion));
}

// Inside a class body every line carries the body's tabs except the
// directives, and the level is left as it was.
TEST(ArrayClass, DirectivesStayInColumnOneInsideAClass) {
  parseIdl("typedef long L[10];");
  Generator::_indentation = 1;
  const std::string out = arrayClasses("L");
  EXPECT_THAT(out, HasSubstr("\n\ttypedef CORBA::Long L_slice;\n"
                             "\ttypedef L_slice *L_slice_ptr;\n"));
  EXPECT_THAT(out, HasSubstr("\t\toperator L_slice *() { return _ptr;}\n"
                             "#if defined(_HPCC_BUG)\n"
                             "\t\toperator L_slice *& () {return _ptr;}\n"
                             "#else\n"
                             "\t\toperator L_slice_ptr& () {return _ptr;}\n"
                             "#endif\n"
                             "\t\tfriend inline NCostream&"));
  EXPECT_THAT(out, HasSubstr("\tvoid operator=(const L_var&) {}\n\t};\n\t"));
  EXPECT_EQ(Generator::_indentation, 1);
}
