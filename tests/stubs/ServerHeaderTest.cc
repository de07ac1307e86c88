// tests/stubs/ServerHeaderTest.cc - the skeleton classes of the server
// header: module classes, skeleton classes, pure virtual members and the
// declarations of the dispatch functions.

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

// The node `name` stands for; an interface with a body is entered under its
// header, so its IDLInterface is taken from there.
IDLDefinition* nodeNamed(const char* name) {
  IDLDefinition* def = lookup(name);
  if (def->classInfo() == IDLInterfaceHeader::desc())
    return static_cast<IDLInterfaceHeader*>(def)->interface();
  return def;
}

std::string serverHeaderCodeOf(const char* name) {
  std::ostringstream os;
  nodeNamed(name)->serverHeaderCode(os);
  EXPECT_EQ(Generator::_indentation, 0);
  EXPECT_EQ(Generator::_currentContext, nullptr);
  return os.str();
}

std::string serverHeaderCodeAgainOf(const char* name) {
  std::ostringstream os;
  nodeNamed(name)->serverHeaderCodeAgain(os);
  EXPECT_EQ(Generator::_indentation, 0);
  return os.str();
}

const char* const fileLevelIdl =
    "struct S { string s; };\n"
    "exception E1 { long code; };\n"
    "exception E2 { string why; };\n"
    "interface A {\n"
    "  S op(in long a, out S b, inout string c) raises (E1, E2);\n"
    "  oneway void ping(in A other);\n"
    "  readonly attribute string name;\n"
    "  attribute short level;\n"
    "};\n";

// The four lines of a dispatch declaration after its head, at one level of
// class indentation.
const std::string dispatchParams = "\t\t\tCORBA::MarshalStream &strm,\n"
                                   "\t\t\tCORBA::Principal_ptr principal,\n"
                                   "\t\t\tconst char *oper,\n"
                                   "\t\t\tvoid *priv_data);\n";

} // namespace

// A file-level skeleton: constructors, a pure virtual per operation and
// accessor (with the exception specification), then the dispatch
// declarations, each after an empty line.
TEST(ServerHeader, InterfaceAtFileLevelDeclaresEveryMember) {
  parseIdl(fileLevelIdl);
  std::string expected =
      "class _sk_A : public A\n"
      "{\n"
      "    protected:\n"
      "\t_sk_A(const char *object_name = (const char *)NULL);\n"
      "\t_sk_A(const char *service_name, const CORBA::ReferenceData& data);\n"
      "\tvirtual ~_sk_A() {}\n"
      "    public:\n"
      "\tstatic const CORBA::TypeInfo _skel_info;\n"
      "\n"
      "\t// The following operations need to be implemented by the server.\n"
      "\tvirtual S * op(CORBA::Long a,\n"
      "\t\t\tS *& b,\n"
      "\t\t\tchar *& c)\n"
      "\t\t\tthrow (\n"
      "\t\t\t\tE1,\n"
      "\t\t\t\tE2) = 0;\n"
      "\tvirtual void ping(A_ptr other) = 0;\n"
      "\tvirtual char * name() = 0;\n"
      "\tvirtual CORBA::Short level() = 0;\n"
      "\tvirtual void level(CORBA::Short val) = 0;\n"
      "\t\n"
      "\t// Skeleton Operations implemented automatically\n"
      "\t\n";
  for (const char* function :
       {"_op", "_ping", "_get_name", "_get_level", "_set_level"})
    expected += std::string("\tstatic void ") + function + "(void *obj,\n" +
                dispatchParams + "\t\n";
  expected += "};\n";
  EXPECT_EQ(serverHeaderCodeOf("A"), expected);
}

// Without exception specifications the raises clause still breaks the line,
// leaving " = 0;" alone on the next one.
TEST(ServerHeader, RaisesWithoutExceptionSpecificationEndsOnNextLine) {
  parseIdl(fileLevelIdl);
  Generator::generateExcepSpec = 0;
  std::string out = serverHeaderCodeOf("A");
  EXPECT_THAT(out, HasSubstr("\n\t\t\tchar *& c)\n"
                             "\t = 0;\n"
                             "\tvirtual void ping(A_ptr other) = 0;\n"));
  EXPECT_THAT(out, Not(HasSubstr("throw")));
}

// The skeleton export macro goes between "class " and the class name, for
// full and forward declarations alike.
TEST(ServerHeader, SkeletonExportGoesIntoTheClassHead) {
  parseIdl("interface F;\ninterface A { };\n");
  EXPECT_EQ(serverHeaderCodeOf("F"), "class _sk_F;\n");
  Generator::generateSkelExport = "_SKELEXPORT";
  EXPECT_EQ(serverHeaderCodeOf("F"), "class _SKELEXPORT _sk_F;\n");
  EXPECT_THAT(serverHeaderCodeOf("A"),
              HasSubstr("class _SKELEXPORT _sk_A : public A\n{\n"));
}

// A module becomes a class of skeletons indented one level; inherited
// operations are pure virtual again but dispatched only by the base, and a
// context clause with no parameters is the only parameter.
TEST(ServerHeader, ModuleEnclosesSkeletonsAndSkipsInheritedDispatch) {
  parseIdl("interface A { void f(in long x); };\n"
           "module M {\n"
           "  interface B : A { void g() context(\"c\"); };\n"
           "  interface Fwd;\n"
           "};\n");
  EXPECT_EQ(serverHeaderCodeOf("M"),
            "\n"
            "class _sk_M {\n"
            "    public:\n"
            "\tclass _sk_B : public M::B\n"
            "\t{\n"
            "\t    protected:\n"
            "\t\t_sk_B(const char *object_name = (const char *)NULL);\n"
            "\t\t_sk_B(const char *service_name, const "
            "CORBA::ReferenceData& data);\n"
            "\t\tvirtual ~_sk_B() {}\n"
            "\t    public:\n"
            "\t\tstatic const CORBA::TypeInfo _skel_info;\n"
            "\t\n"
            "\t\t// The following operations need to be implemented by the "
            "server.\n"
            "\t\tvirtual void f(CORBA::Long x) = 0;\n"
            "\t\tvirtual void g(\t\tCORBA::Context_ptr _context) = 0;\n"
            "\t\t\n"
            "\t\t// Skeleton Operations implemented automatically\n"
            "\t\t\n"
            "\t\tstatic void _g(void *obj,\n"
            "\t\t\t\tCORBA::MarshalStream &strm,\n"
            "\t\t\t\tCORBA::Principal_ptr principal,\n"
            "\t\t\t\tconst char *oper,\n"
            "\t\t\t\tvoid *priv_data);\n"
            "\t\t\n"
            "\t};\n"
            "\tclass _sk_Fwd;\n"
            "\t\n"
            "};\n");
}

// Nested modules nest their classes and qualify the client class fully.
TEST(ServerHeader, NestedModulesQualifyTheClientClass) {
  parseIdl("module M { module N { interface I { }; }; };\n");
  std::string out = serverHeaderCodeOf("M");
  EXPECT_THAT(out, HasSubstr("\nclass _sk_M {\n"
                             "    public:\n"
                             "\t\n"
                             "\tclass _sk_N {\n"
                             "\t    public:\n"
                             "\t\tclass _sk_I : public M::N::I\n"));
  EXPECT_THAT(out, HasSubstr("\t\t};\n\t\t\n\t};\n\t\n};\n"));
}

// The dispatch function of "resume" gets "workaround_" after its leading
// "_", while the pure virtual keeps the name; a readonly attribute has only
// a getter.
TEST(ServerHeader, DispatchDeclarationHeads) {
  parseIdl("interface R {\n"
           "  void resume();\n"
           "  void resumed();\n"
           "  readonly attribute long a b;\n"
           "  attribute long c;\n"
           "};\n");
  // At indentation 0 the parameter lines carry two tabs only.
  auto declaration = [](const char* head) {
    return std::string("\n") + head + "(void *obj,\n" +
           "\t\tCORBA::MarshalStream &strm,\n"
           "\t\tCORBA::Principal_ptr principal,\n"
           "\t\tconst char *oper,\n"
           "\t\tvoid *priv_data);\n";
  };
  struct Case {
    const char* node;
    std::string declarations;
  } cases[] = {
      {"R::resume", declaration("static void _workaround_resume")},
      {"R::resumed", declaration("static void _resumed")},
      {"R::a",
       declaration("static void _get_a") + declaration("static void _get_b")},
      {"R::c",
       declaration("static void _get_c") + declaration("static void _set_c")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(serverHeaderCodeAgainOf(c.node), c.declarations) << c.node;
  EXPECT_EQ(serverHeaderCodeOf("R::resume"), "virtual void resume() = 0;\n");
  EXPECT_EQ(serverHeaderCodeOf("R::a"), "virtual CORBA::Long a() = 0;\n"
                                        "virtual CORBA::Long b() = 0;\n");
}

// Only interfaces, modules, operations and attributes write skeleton code.
TEST(ServerHeader, OtherDefinitionsWriteNothing) {
  parseIdl("const long C = 1;\n"
           "struct T { long x; };\n"
           "typedef sequence<long> L;\n"
           "exception X { };\n");
  for (const char* name : {"C", "T", "L", "X"}) {
    EXPECT_EQ(serverHeaderCodeOf(name), "") << name;
    EXPECT_EQ(serverHeaderCodeAgainOf(name), "") << name;
  }
}
