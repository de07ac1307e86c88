// tests/stubs/HolderClassTest.cc - the "_var" holder classes of interfaces:
// their declaration in the client header and their members in the client
// implementation file.

#include "generate/Generator.h"
#include "support/ParseIdl.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"

#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

IDLDefinition* interfaceNamed(const char* name) {
  return static_cast<IDLInterfaceHeader*>(lookup(name))->interface();
}

std::string declarationOf(const char* name) {
  std::ostringstream os;
  Generator::declareObjectVar(os, interfaceNamed(name));
  return os.str();
}

std::string implementationOf(const char* name) {
  std::ostringstream os;
  Generator::implementObjectVar(os, interfaceNamed(name));
  return os.str();
}

} // namespace

// With the default settings the holder of a file-level interface has the
// object-stream and standard-stream friends and nothing qualified.
TEST(HolderClass, DeclarationAtFileLevelWithDefaults) {
  parseIdl("interface A { };\n");
  EXPECT_EQ(declarationOf("A"),
            "\n"
            "#ifndef _A_var_\n"
            "#define _A_var_\n"
            "class A_var\n"
            "{\n"
            "    public:\n"
            "\tA_var();\n"
            "\tA_var(A_ptr);\n"
            "\tA_var(const A_var&);\n"
            "\t~A_var();\n"
            "\tA_var& operator=(A_ptr);\n"
            "\toperator A_ptr() const { return _ptr; }\n"
            "#if defined(_HPCC_BUG)\n"
            "\toperator A *&() { return _ptr; }\n"
            "#else\n"
            "\toperator A_ptr&() { return _ptr; }\n"
            "#endif\n"
            "\tA_ptr operator->() const { return _ptr;}\n"
            "\tfriend NCistream& operator>>(NCistream&, A_var&);\n"
            "\tfriend NCostream& operator<<(NCostream&, const A_var&);\n"
            "\tfriend istream& operator>>(istream&, A_var&);\n"
            "\tfriend ostream& operator<<(ostream&, const A_var&);\n"
            "    private:\n"
            "\tA_ptr\t_ptr;\n"
            "\tvoid operator=(const A_var&) {}\n"
            "};\n"
            "#endif\n");
}

// The export macro goes into the class head and before every friend; the
// container friends replace the standard-stream ones when those are off.
TEST(HolderClass, DeclarationWithExportAndContainerWithoutStdStream) {
  parseIdl("module M { interface B { }; };\n");
  Generator::generateExport = "_USEREXPORT";
  Generator::generateStdStream = 0;
  Generator::generateContainer = 1;
  std::string out = declarationOf("M::B");
  EXPECT_THAT(out, HasSubstr("\n#ifndef _M__B_var_\n"
                             "#define _M__B_var_\n"
                             "class _USEREXPORT B_var\n"
                             "{\n"));
  EXPECT_THAT(
      out,
      HasSubstr(
          "\tB_ptr operator->() const { return _ptr;}\n"
          "\t_USEREXPORT friend NCistream& operator>>(NCistream&, B_var&);\n"
          "\t_USEREXPORT friend NCostream& operator<<(NCostream&, const B_var&);\n"
          "\t_USEREXPORT friend CORBA::ULong hash(const B_var&);\n"
          "\t_USEREXPORT friend CORBA::Long compare(const B_var&, const B_var&);\n"
          "    private:\n"));
  EXPECT_THAT(out, Not(HasSubstr("(istream&")));
  EXPECT_THAT(out, Not(HasSubstr("(ostream&")));
}

// With neither standard streams nor containers only the two object-stream
// friends are declared.
TEST(HolderClass, DeclarationHasOnlyObjectStreamFriendsWhenBothAreOff) {
  parseIdl("interface A { };\n");
  Generator::generateStdStream = 0;
  std::string out = declarationOf("A");
  EXPECT_THAT(
      out,
      HasSubstr("{ return _ptr;}\n"
                "\tfriend NCistream& operator>>(NCistream&, A_var&);\n"
                "\tfriend NCostream& operator<<(NCostream&, const A_var&);\n"
                "    private:\n"));
}

// Inside a module class the lines carry the class indentation, but the
// directives start in column 1; the level is left as it was.
TEST(HolderClass, DirectivesStartInColumnOneInsideAClass) {
  parseIdl("module M { interface B { }; };\n");
  Generator::_indentation = 1;
  std::string out = declarationOf("M::B");
  EXPECT_THAT(out, HasSubstr("\n#ifndef _M__B_var_\n"
                             "#define _M__B_var_\n"
                             "\tclass B_var\n"
                             "\t{\n"
                             "\t    public:\n"));
  EXPECT_THAT(out, HasSubstr("\t\toperator B_ptr() const { return _ptr; }\n"
                             "#if defined(_HPCC_BUG)\n"
                             "\t\toperator B *&() { return _ptr; }\n"
                             "#else\n"
                             "\t\toperator B_ptr&() { return _ptr; }\n"
                             "#endif\n"
                             "\t\tB_ptr operator->() const { return _ptr;}\n"));
  EXPECT_THAT(out, HasSubstr("\t};\n#endif\n\t"));
  EXPECT_EQ(Generator::_indentation, 1);
}

// Interfaces of one name in two modules get guards of their own.
TEST(HolderClass, GuardsJoinScopeAndName) {
  parseIdl("module M1 { interface A { }; };\n"
           "module M2 { interface A { }; };\n");
  EXPECT_THAT(declarationOf("M1::A"), HasSubstr("#ifndef _M1__A_var_\n"));
  EXPECT_THAT(declarationOf("M2::A"), HasSubstr("#ifndef _M2__A_var_\n"));
}

// The members of a file-level holder with the default settings.
TEST(HolderClass, ImplementationAtFileLevelWithDefaults) {
  parseIdl("interface A { };\n");
  EXPECT_EQ(implementationOf("A"),
            "A_var::A_var()\n"
            "\t\t: _ptr(A::_nil()) {}\n"
            "A_var::A_var(A_ptr ptr)\n"
            "\t\t: _ptr(ptr) {}\n"
            "A_var::A_var(const A_var& var)\n"
            "\t\t:_ptr(A::_duplicate((A_ptr)var)) {}\n"
            "A_var::~A_var()\n"
            "{\n"
            "\tCORBA::release(_ptr);\n"
            "}\n"
            "A_var& A_var::operator=(A_ptr p)\n"
            "{\n"
            "\tif (_ptr != p) {\n"
            "\t\tCORBA::release(_ptr);\n"
            "\t\t_ptr = p;\n"
            "\t}\n"
            "\treturn *this;\n"
            "}\n"
            "NCistream& operator>>(NCistream& strm, A_var& var)\n"
            "{\n"
            "\tstrm >> var._ptr;\n"
            "\treturn strm;\n"
            "}\n"
            "NCostream& operator<<(NCostream& strm, const A_var& var)\n"
            "{\n"
            "\tstrm << var._ptr;\n"
            "\treturn strm;\n"
            "}\n"
            "istream& operator>>(istream& strm, A_var& var)\n"
            "{\n"
            "\tNCistream istrm(strm);\n"
            "\tistrm >> var._ptr;\n"
            "\treturn strm;\n"
            "}\n"
            "ostream& operator<<(ostream& strm, const A_var& var)\n"
            "{\n"
            "\tstrm << (CORBA::Object_ptr)var._ptr;\n"
            "\treturn strm;\n"
            "}\n");
}

// Inside a module every qualified name carries the scope except the one
// before "::_duplicate(("; the export macro prefixes the free functions.
TEST(HolderClass, ImplementationInModuleWithExportAndContainer) {
  parseIdl("module M { interface B { }; };\n");
  Generator::generateExport = "_USEREXPORT";
  Generator::generateStdStream = 0;
  Generator::generateContainer = 1;
  std::string out = implementationOf("M::B");
  EXPECT_THAT(
      out, ::testing::StartsWith("M::B_var::B_var()\n"
                                 "\t\t: _ptr(M::B::_nil()) {}\n"
                                 "M::B_var::B_var(M::B_ptr ptr)\n"
                                 "\t\t: _ptr(ptr) {}\n"
                                 "M::B_var::B_var(const M::B_var& var)\n"
                                 "\t\t:_ptr(B::_duplicate((M::B_ptr)var)) {}\n"
                                 "M::B_var::~B_var()\n"));
  EXPECT_THAT(out, HasSubstr("}\nM::B_var& M::B_var::operator=(M::B_ptr p)\n"));
  EXPECT_THAT(
      out,
      HasSubstr(
          "}\n_USEREXPORT NCistream& operator>>(NCistream& strm, M::B_var& var)\n"));
  EXPECT_THAT(
      out,
      HasSubstr(
          "}\n_USEREXPORT NCostream& operator<<(NCostream& strm, const M::B_var& var)\n"));
  EXPECT_THAT(
      out,
      ::testing::EndsWith(
          "}\n"
          "_USEREXPORT CORBA::ULong hash(const M::B_var& var)\n"
          "{\n"
          "\treturn hash((CORBA::Object_ptr)var._ptr);\n"
          "}\n"
          "_USEREXPORT CORBA::Long compare(const M::B_var& v1, const M::B_var& v2)\n"
          "{\n"
          "\treturn compare((CORBA::Object_ptr)v1._ptr,(CORBA::Object_ptr)v2._ptr);\n"
          "}\n"));
  EXPECT_THAT(out, Not(HasSubstr("(istream&")));
}

// Of the standard-stream functions only the reader takes the export macro.
TEST(HolderClass, StandardStreamWriterIsNotExported) {
  parseIdl("interface A { };\n");
  Generator::generateExport = "EXP";
  std::string out = implementationOf("A");
  EXPECT_THAT(
      out,
      HasSubstr("}\nEXP istream& operator>>(istream& strm, A_var& var)\n"));
  EXPECT_THAT(
      out,
      HasSubstr("}\nostream& operator<<(ostream& strm, const A_var& var)\n"));
}

// A null interface writes nothing.
TEST(HolderClass, NullInterfaceWritesNothing) {
  std::ostringstream os;
  Generator::declareObjectVar(os, nullptr);
  Generator::implementObjectVar(os, nullptr);
  EXPECT_EQ(os.str(), "");
}
