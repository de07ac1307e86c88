// tests/stubs/TieTest.cc - the tie class templates: the reference and the
// pointer tie of an interface, their forwarding members, the ties of modules
// and the choice of ties by the server header's driver.

#include "generate/Generator.h"
#include "stubs/ServerHeaderGen.h"
#include "support/ParseIdl.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLSpec.h"

#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

IDLDefinition* nodeNamed(const char* name) {
  IDLDefinition* def = lookup(name);
  if (def->classInfo() == IDLInterfaceHeader::desc())
    return static_cast<IDLInterfaceHeader*>(def)->interface();
  return def;
}

std::string tieCodeOf(const char* name) {
  std::ostringstream os;
  nodeNamed(name)->tieCode(os, 1);
  EXPECT_EQ(Generator::_indentation, 0);
  EXPECT_EQ(Generator::_currentContext, nullptr);
  return os.str();
}

// Writes the tie of `name` the way the driver does for the pointer tie.
std::string pointerTieCodeOf(const char* name) {
  Generator::generateTie = 0;
  Generator::generatePTie = 1;
  std::string out = tieCodeOf(name);
  Generator::generateTie = 1;
  Generator::generatePTie = 0;
  return out;
}

// Parses `idl` as the file being written.
void parseFile(const char* idl) {
  IDLSpec* spec = parseIdl(idl);
  Generator::_spec = spec;
  Generator::_idl_file_name = spec->fileName();
}

std::string serverHeaderBody() {
  std::ostringstream os;
  EXPECT_EQ(ServerHeaderGen::printBody(os), 0);
  return os.str();
}

const char* const exceptionsIdl = "exception E1 { long code; };\n"
                                  "exception E2 { string why; };\n";

} // namespace

// The reference tie holds a T& and forwards through "_ref."; the exception
// specification of a raising operation ends with ") { ".
TEST(Tie, ReferenceTieOfFileLevelInterface) {
  parseIdl(std::string(exceptionsIdl) +
           "interface A {\n"
           "  long f(in long x, inout string s) raises (E1, E2);\n"
           "  attribute short level;\n"
           "};\n");
  EXPECT_EQ(tieCodeOf("A"),
            "template <class T>\n"
            "class _tie_A : public A\n"
            "{\n"
            "    public:\n"
            "\t_tie_A(T& t, const char *obj_name=(char*)NULL) : \n"
            "\t\t\tA(obj_name), \n"
            "\t\t\t_ref(t) {\n"
            "\t\t_object_name(obj_name);\n"
            "\t}\n"
            "\t_tie_A(T& t, const char *service_name,\n"
            "\t\t\tconst CORBA::ReferenceData& id)\n"
            "\t\t\t:_ref(t) {\n"
            "\t\t_service(service_name, id);\n"
            "\t}\n"
            "\t~_tie_A() {}\n"
            "\tCORBA::Long f(CORBA::Long x,\n"
            "\t\tchar *& s)\n"
            "\t\tthrow(\n"
            "\t\t\tE1,\n"
            "\t\t\tE2) { \n"
            "\t\treturn _ref.f(\n"
            "\t\tx,\n"
            "\t\ts);\n"
            "\t}\n"
            "\tCORBA::Short level() {\n"
            "\t\treturn _ref.level();\n"
            "\t}\n"
            "\tvoid level(CORBA::Short val) {\n"
            "\t\t_ref.level(val);\n"
            "\t}\n"
            "\n"
            "    private:\n"
            "\tT& _ref;\n"
            "};\n");
}

// The pointer tie of an interface in a module: the name carries the module,
// the members inherited from a base are forwarded too, a context parameter
// follows the others on the same line, and a void call returns nothing.
TEST(Tie, PointerTieOfInterfaceInModuleForwardsInheritedMembers) {
  parseIdl("interface A { void f(in long x); };\n"
           "module M {\n"
           "  interface B : A {\n"
           "    string g(in short y) context(\"c\");\n"
           "    readonly attribute string name;\n"
           "  };\n"
           "};\n");
  EXPECT_EQ(pointerTieCodeOf("M::B"),
            "template <class T>\n"
            "class M__ptie_B : public M::B\n"
            "{\n"
            "    protected:\n"
            "\tM__ptie_B(const char *obj_name=(char*)NULL) : \n"
            "\t\t\tM::B(obj_name) {\n"
            "\t\t_object_name(obj_name);\n"
            "\t}\n"
            "\tM__ptie_B(const char *service_name,\n"
            "\t\t\tconst CORBA::ReferenceData& id) {\n"
            "\t\t_service(service_name, id);\n"
            "\t}\n"
            "    public:\n"
            "\tvirtual ~M__ptie_B() {}\n"
            "\tvoid f(CORBA::Long x) {\n"
            "\t\t_get_impl()->f(\n"
            "\t\tx);\n"
            "\t}\n"
            "\tchar * g(CORBA::Short y, \t\tCORBA::Context_ptr _context) {\n"
            "\t\treturn _get_impl()->g(\n"
            "\t\ty,\n"
            "\t\t_context);\n"
            "\t}\n"
            "\tchar * name() {\n"
            "\t\treturn _get_impl()->name();\n"
            "\t}\n"
            "\n"
            "    protected:\n"
            "\tvirtual T *_get_impl() =0;\n"
            "};\n");
}

// The forwarding members of single operations: each parameter direction,
// the context clause alone, no parameters, and a raises clause with and
// without exception specifications.
TEST(Tie, ForwardingMembersOfOperations) {
  parseIdl(std::string(exceptionsIdl) +
           "struct V { string s; };\n"
           "interface I {\n"
           "  V all(in V a, out V b, inout V c, in I d);\n"
           "  void ctx() context(\"c\");\n"
           "  void none();\n"
           "  oneway void ping();\n"
           "  void fails() raises (E1);\n"
           "};\n");
  struct Case {
    const char* op;
    int excepSpec;
    const char* member;
  } cases[] = {
      {"I::all", 1,
       "\tV * all(const V& a,\n"
       "\t\tV *& b,\n"
       "\t\tV& c,\n"
       "\t\tI_ptr d) {\n"
       "\t\treturn _ref.all(\n"
       "\t\ta,\n"
       "\t\tb,\n"
       "\t\tc,\n"
       "\t\td);\n"
       "\t}\n"},
      {"I::ctx", 1,
       "\tvoid ctx(\t\tCORBA::Context_ptr _context) {\n"
       "\t\t_ref.ctx(\n"
       "\t\t_context);\n"
       "\t}\n"},
      {"I::none", 1,
       "\tvoid none() {\n"
       "\t\t_ref.none();\n"
       "\t}\n"},
      {"I::ping", 1,
       "\tvoid ping() {\n"
       "\t\t_ref.ping();\n"
       "\t}\n"},
      {"I::fails", 1,
       "\tvoid fails()\n"
       "\t\tthrow(\n"
       "\t\t\tE1) { \n"
       "\t\t_ref.fails();\n"
       "\t}\n"},
      {"I::fails", 0,
       "\tvoid fails() {\n"
       "\t\t_ref.fails();\n"
       "\t}\n"},
  };
  for (const Case& c : cases) {
    Generator::generateExcepSpec = c.excepSpec;
    EXPECT_EQ(tieCodeOf(c.op), c.member) << c.op << " " << c.excepSpec;
  }
}

// Forward declarations and interfaces with empty bodies get no tie; modules
// get one only when they hold an interface at some depth, framed by line
// ends.
TEST(Tie, ModulesAndEmptyInterfaces) {
  parseIdl("interface F;\n"
           "interface E { };\n"
           "module Types { const long C = 1; struct S { long x; }; };\n"
           "module Outer { module Inner { interface I { void f(); }; }; };\n");
  EXPECT_EQ(tieCodeOf("F"), "");
  EXPECT_EQ(tieCodeOf("E"), "");
  EXPECT_EQ(tieCodeOf("Types"), "");
  std::string out = tieCodeOf("Outer");
  EXPECT_THAT(out, ::testing::StartsWith("\n\ntemplate <class T>\n"
                                         "class Outer_Inner__tie_I : public "
                                         "Outer::Inner::I\n"));
  EXPECT_THAT(out, HasSubstr("\t~Outer_Inner__tie_I() {}\n"));
  EXPECT_THAT(out, ::testing::EndsWith("\tT& _ref;\n};\n\n\n"));
}

// The driver writes each top-level definition's skeleton, then its ties:
// with both settings on the reference tie and then the pointer tie, each
// setting restored afterwards; with both off no tie at all.
TEST(Tie, DriverWritesTiesAfterEachSkeleton) {
  parseFile("interface A { void f(); };\n"
            "interface B { void g(); };\n");
  Generator::generatePTie = 1;
  std::string both = serverHeaderBody();
  EXPECT_EQ(Generator::generateTie, 1);
  EXPECT_EQ(Generator::generatePTie, 1);
  std::size_t skelA = both.find("class _sk_A : public A\n");
  std::size_t tieA = both.find("class _tie_A : public A\n");
  std::size_t ptieA = both.find("class _ptie_A : public A\n");
  std::size_t skelB = both.find("class _sk_B : public B\n");
  std::size_t tieB = both.find("class _tie_B : public B\n");
  std::size_t ptieB = both.find("class _ptie_B : public B\n");
  ASSERT_NE(ptieB, std::string::npos);
  EXPECT_LT(skelA, tieA);
  EXPECT_LT(tieA, ptieA);
  EXPECT_LT(ptieA, skelB);
  EXPECT_LT(skelB, tieB);
  EXPECT_LT(tieB, ptieB);
  // The skeleton's last line is followed directly by the template.
  EXPECT_THAT(both, HasSubstr("\t\n};\ntemplate <class T>\nclass _tie_A"));
  EXPECT_THAT(both, HasSubstr("};\ntemplate <class T>\nclass _ptie_A"));

  Generator::generateTie = 0;
  Generator::generatePTie = 0;
  std::string none = serverHeaderBody();
  EXPECT_THAT(none, HasSubstr("class _sk_B : public B\n"));
  EXPECT_THAT(none, Not(HasSubstr("template")));
}

// Only the pointer tie on: it is written alone.
TEST(Tie, DriverWritesOnlyThePointerTie) {
  Generator::generateTie = 0;
  Generator::generatePTie = 1;
  parseFile("interface A { void f(); };\n");
  std::string out = serverHeaderBody();
  EXPECT_THAT(out, HasSubstr("class _ptie_A : public A\n"));
  EXPECT_THAT(out, Not(HasSubstr("_tie_A")));
}
