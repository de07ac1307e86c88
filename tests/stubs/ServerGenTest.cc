// tests/stubs/ServerGenTest.cc - the skeletons' code in the server
// implementation file: method tables, type information, constructors and
// the dispatch functions of operations and attributes.

#include "generate/Generator.h"
#include "nclib/NCLinkedList.h"
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
using ::testing::StartsWith;

namespace {

// The node `name` stands for; an interface with a body is entered under its
// header, so its IDLInterface is taken from there.
IDLDefinition* nodeNamed(const char* name) {
  IDLDefinition* def = lookup(name);
  if (def->classInfo() == IDLInterfaceHeader::desc())
    return static_cast<IDLInterfaceHeader*>(def)->interface();
  return def;
}

// Every emitter leaves the indentation, the current member and the interface
// name stack as it found them.
std::string serverCCodeOf(const char* name) {
  std::ostringstream os;
  nodeNamed(name)->serverCCode(os);
  EXPECT_EQ(Generator::_indentation, 0);
  EXPECT_EQ(Generator::_currentContext, nullptr);
  EXPECT_EQ(Generator::intfNameStack()->size(), 0u);
  return os.str();
}

// The head of the dispatch function of `function` in the skeleton class
// "_sk_I" at file level, up to the implementation pointer.
std::string opHead(const std::string& function) {
  return "\n"
         "void _sk_I::" +
         function +
         "(\n"
         "\t\tvoid *_obj,\n"
         "\t\tCORBA::MarshalStream &_strm,\n"
         "\t\tCORBA::Principal_ptr ,\n"
         "\t\tconst char *,\n"
         "\t\tvoid *_priv_data)\n"
         "{\n"
         "\tI *_impl = (I *)_obj;\n";
}

const char* const typesIdl = "struct F { long a; };\n"
                             "struct V { string s; };\n"
                             "typedef sequence<long> LS;\n"
                             "typedef long FA[3];\n"
                             "typedef string VA[2];\n"
                             "enum Color { red, green };\n"
                             "interface B {};\n";

} // namespace

// ---------------------------------------------------------------------------
// The skeleton of an interface.

// Operations come first in the table, then a get entry per attribute and a
// set entry unless it is readonly; the last entry's line also ends the table.
// The count in the type information is the number of entries.
TEST(ServerGen, InterfaceAtFileLevelWritesTableInfoAndConstructors) {
  parseIdl("interface A {\n"
           "  readonly attribute string r;\n"
           "  void op(in long x);\n"
           "  attribute short s;\n"
           "  long two();\n"
           "};\n");
  std::string out = serverCCodeOf("A");
  EXPECT_THAT(out,
              StartsWith("static CORBA::MethodDescription _A_methods[] = {\n"
                         "\t\t{\"op\", &_sk_A::_op},\n"
                         "\t\t{\"two\", &_sk_A::_two},\n"
                         "\t\t{\"_get_r\", &_sk_A::_get_r},\n"
                         "\t\t{\"_get_s\", &_sk_A::_get_s},\n"
                         "\t\t{\"_set_s\", &_sk_A::_set_s}\t};\n"
                         "const CORBA::TypeInfo _sk_A::_skel_info(\n"
                         "\t\t\"A\",\n"
                         "\t\t(CORBA::ULong)5,\n"
                         "\t\t_A_methods);\n"
                         "_sk_A::_sk_A(const char *object_name) : \n"
                         "\tA(object_name)\n"
                         "{\n"
                         "\t_object_name(object_name);\n"
                         "}\n"
                         "_sk_A::_sk_A(const char *service_name, const "
                         "CORBA::ReferenceData& id)\n"
                         "{\n"
                         "\t_service(service_name, id);\n"
                         "}\n"
                         "\n"
                         "void _sk_A::_get_r(\n"));
  // Each member's code is followed by a line end, in body order.
  EXPECT_THAT(out, HasSubstr("\t_strm.sendMessage();\n"
                             "}\n"
                             "\n"
                             "\n"
                             "void _sk_A::_op(\n"));
  EXPECT_THAT(out, HasSubstr("}\n"
                             "\n"
                             "\n"
                             "void _sk_A::_get_s(\n"));
  // A setter follows its getter without an empty line.
  EXPECT_THAT(out, HasSubstr("\t_strm.sendMessage();\n"
                             "}\n"
                             "void _sk_A::_set_s(\n"));
}

// Without operations and attributes there is no table, and the type
// information says so.
TEST(ServerGen, InterfaceWithoutMembersHasNoTable) {
  parseIdl("interface Empty { struct S { long a; }; };\n");
  EXPECT_EQ(serverCCodeOf("Empty"),
            "const CORBA::TypeInfo _sk_Empty::_skel_info(\n"
            "\t\t\"Empty\",\n"
            "\t\t(CORBA::ULong)0,\n"
            "\t\t(CORBA::MethodDescription *)NULL);\n"
            "_sk_Empty::_sk_Empty(const char *object_name) : \n"
            "\tEmpty(object_name)\n"
            "{\n"
            "\t_object_name(object_name);\n"
            "}\n"
            "_sk_Empty::_sk_Empty(const char *service_name, const "
            "CORBA::ReferenceData& id)\n"
            "{\n"
            "\t_service(service_name, id);\n"
            "}\n"
            // The nested struct writes nothing but still gets its line end.
            "\n");
}

TEST(ServerGen, ForwardDeclarationWritesNothing) {
  parseIdl("interface Fwd;\n");
  EXPECT_EQ(serverCCodeOf("Fwd"), "");
}

// Inside a module the skeleton classes are nested in "_sk_" classes; the
// table's name is made from them. The derived skeleton lists and dispatches
// only what it defines itself; "resume" keeps its request name but its
// dispatch function is renamed.
TEST(ServerGen, InterfaceInModuleWithBase) {
  parseIdl("module M {\n"
           "  interface B { void resume(); attribute long n; };\n"
           "  interface I : B { long get(); };\n"
           "};\n");
  std::string base = serverCCodeOf("M::B");
  EXPECT_THAT(base, StartsWith("static CORBA::MethodDescription "
                               "__sk_M__B_methods[] = {\n"
                               "\t\t{\"resume\", "
                               "&_sk_M::_sk_B::_workaround_resume},\n"
                               "\t\t{\"_get_n\", &_sk_M::_sk_B::_get_n},\n"
                               "\t\t{\"_set_n\", &_sk_M::_sk_B::_set_n}\t};\n"
                               "const CORBA::TypeInfo "
                               "_sk_M::_sk_B::_skel_info(\n"
                               "\t\t\"M::B\",\n"
                               "\t\t(CORBA::ULong)3,\n"
                               "\t\t__sk_M__B_methods);\n"
                               "_sk_M::_sk_B::_sk_B(const char *object_name) "
                               ": \n"
                               "\tM::B(object_name)\n"));
  EXPECT_THAT(base, HasSubstr("\n"
                              "void _sk_M::_sk_B::_workaround_resume(\n"));
  EXPECT_THAT(base, HasSubstr("\tM::B *_impl = (M::B *)_obj;\n"
                              "\t_strm.flushRead();\n"
                              "\t_impl->resume();\n"));

  std::string derived = serverCCodeOf("M::I");
  EXPECT_THAT(derived, StartsWith("static CORBA::MethodDescription "
                                  "__sk_M__I_methods[] = {\n"
                                  "\t\t{\"get\", &_sk_M::_sk_I::_get}\t};\n"
                                  "const CORBA::TypeInfo "
                                  "_sk_M::_sk_I::_skel_info(\n"
                                  "\t\t\"M::I\",\n"
                                  "\t\t(CORBA::ULong)1,\n"
                                  "\t\t__sk_M__I_methods);\n"
                                  "_sk_M::_sk_I::_sk_I(const char "
                                  "*object_name) : \n"
                                  "\tM::I(object_name)\n"));
  EXPECT_THAT(derived, HasSubstr("_sk_M::_sk_I::_sk_I(const char "
                                 "*service_name, const CORBA::ReferenceData& "
                                 "id)\n"));
  EXPECT_THAT(derived, HasSubstr("\tM::I *_impl = (M::I *)_obj;\n"));
  EXPECT_THAT(derived, Not(HasSubstr("resume")));
  EXPECT_THAT(derived, Not(HasSubstr("_n(")));
}

// A module writes the server code of its definitions in order, nested
// modules included.
TEST(ServerGen, ModuleWritesItsDefinitionsInOrder) {
  parseIdl("module M {\n"
           "  interface Z {};\n"
           "  const long C = 1;\n"
           "  module N { interface A {}; };\n"
           "};\n");
  std::string out = serverCCodeOf("M");
  std::size_t z = out.find("const CORBA::TypeInfo _sk_M::_sk_Z::_skel_info(");
  std::size_t a =
      out.find("const CORBA::TypeInfo _sk_M::_sk_N::_sk_A::_skel_info(");
  ASSERT_NE(z, std::string::npos);
  ASSERT_NE(a, std::string::npos);
  EXPECT_LT(z, a);
  EXPECT_THAT(out, HasSubstr("\tM::N::A(object_name)\n"));
}

// ---------------------------------------------------------------------------
// Operation dispatch functions.

// One row per result and parameter kind: the operation
// "T op(in T a, inout T b, out T c)" with exceptions on and tracing off.
struct ParamCase {
  const char* _type;
  const char* _locals;     // the locals of a, b and c
  const char* _result;     // the declaration before " _ret = "
  const char* _inArgument; // what is passed for a
  const char* _holders;    // the holders made after the call
  const char* _outValue;   // what is sent for c
};

// clang-format off
const ParamCase paramCases[] = {
    {"long",
     "\tCORBA::Long a;\n"
     "\tCORBA::Long b;\n"
     "\tCORBA::Long c;\n",
     "CORBA::Long", "a", "", "c"},
    {"Color",
     "\tColor a;\n"
     "\tColor b;\n"
     "\tColor c;\n",
     "Color", "a", "", "c"},
    {"string",
     "\tCORBA::String_var a;\n"
     "\tchar *b = (char *)NULL;\n"
     "\tchar *c = (char *)NULL;\n",
     "CORBA::String_var ", "a",
     "\tCORBA::String_var _v_b(b);\n"
     "\tCORBA::String_var _v_c(c);\n",
     "_v_c"},
    {"F",
     "\tF a;\n"
     "\tF b;\n"
     "\tF c;\n",
     "F", "a", "", "c"},
    {"V",
     "\tV a;\n"
     "\tV b;\n"
     "\tV *c = (V *)NULL;\n",
     "V_var", "a",
     "\tV_var _v_c(c);\n",
     "_v_c"},
    {"LS",
     "\tLS a;\n"
     "\tLS b;\n"
     "\tLS *c = (LS *)NULL;\n",
     "LS_var", "a",
     "\tLS_var _v_c(c);\n",
     "_v_c"},
    {"any",
     "\tCORBA::Any a;\n"
     "\tCORBA::Any b;\n"
     "\tCORBA::Any *c = (CORBA::Any *)NULL;\n",
     "CORBA::Any_var", "a",
     "\tCORBA::Any_var _v_c(c);\n",
     "_v_c"},
    {"B",
     "\tB_var a;\n"
     "\tB_ptr b = (B_ptr)NULL;\n"
     "\tB_ptr c = (B_ptr)NULL;\n",
     "B_var", "a",
     "\tB_var _v_b(b);\n"
     "\tB_var _v_c(c);\n",
     "_v_c"},
    {"FA",
     "\tFA _v_a;\n"
     "\tFA_forany a(_v_a);\n"
     "\tFA _v_b;\n"
     "\tFA_forany b(_v_b);\n"
     "\tFA c;\n",
     "FA_var", "*(const FA*)_v_a",
     "\tFA_forany _v_c(c);\n",
     "_v_c"},
    {"VA",
     "\tVA _v_a;\n"
     "\tVA_forany a(_v_a);\n"
     "\tVA _v_b;\n"
     "\tVA_forany b(_v_b);\n"
     "\tVA_slice *c = (VA_slice *)NULL;\n",
     "VA_var", "*(const VA*)_v_a",
     "\tVA_var _v_c(c);\n",
     "_v_c"},
};
// clang-format on

// The in and inout arguments are read into locals of their kind; the out
// values the implementation allocates are taken over by holders, and the
// reply sends them from there.
TEST(ServerGen, OperationDispatchForEachParameterKind) {
  std::string idl = std::string(typesIdl) + "interface I {\n";
  int k = 0;
  for (const ParamCase& c : paramCases) {
    std::string t = c._type;
    idl += "  " + t + " op" + std::to_string(k++) + "(in " + t + " a, inout " +
           t + " b, out " + t + " c);\n";
  }
  parseIdl(idl + "};\n");
  k = 0;
  for (const ParamCase& c : paramCases) {
    SCOPED_TRACE(c._type);
    std::string op = "op" + std::to_string(k++);
    std::string expected = opHead("_" + op) + c._locals +
                           "\t_strm >> a;\n"
                           "\t_strm >> b;\n"
                           "\n"
                           "\t_strm.flushRead();\n"
                           "\t" +
                           c._result + " _ret = _impl->" + op +
                           "(\n"
                           "\t\t" +
                           c._inArgument +
                           ",\n"
                           "\t\tb,\n"
                           "\t\tc);\n" +
                           c._holders +
                           "\t_impl->_prepare_reply(_priv_data);\n"
                           "\t_strm << _ret;\n"
                           "\t_strm << b;\n"
                           "\t_strm << " +
                           c._outValue +
                           ";\n"
                           "\t_strm.sendMessage();\n"
                           "}\n";
    EXPECT_EQ(serverCCodeOf(("I::" + op).c_str()), expected);
  }
}

// A oneway call leaves the reply context unnamed and sends no reply.
TEST(ServerGen, OnewayOperationSendsNoReply) {
  parseIdl("interface I { oneway void ping(in long x); };\n");
  EXPECT_EQ(serverCCodeOf("I::ping"), "\n"
                                      "void _sk_I::_ping(\n"
                                      "\t\tvoid *_obj,\n"
                                      "\t\tCORBA::MarshalStream &_strm,\n"
                                      "\t\tCORBA::Principal_ptr ,\n"
                                      "\t\tconst char *,\n"
                                      "\t\tvoid *)\n"
                                      "{\n"
                                      "\tI *_impl = (I *)_obj;\n"
                                      "\tCORBA::Long x;\n"
                                      "\t_strm >> x;\n"
                                      "\n"
                                      "\t_strm.flushRead();\n"
                                      "\t_impl->ping(\n"
                                      "\t\tx);\n"
                                      "}\n");
}

// Without parameters there is no empty line and no check before flushRead,
// and the call is one line; the check after the call stays.
TEST(ServerGen, OperationWithoutParametersWithoutExceptions) {
  parseIdl("interface I { void stop(); };\n");
  Generator::generateExceptions = 0;
  EXPECT_EQ(serverCCodeOf("I::stop"),
            opHead("_stop") +
                "\tCORBA::Environment& _env = CORBA::current_environment();\n"
                "\t_env.clear();\n"
                "\t_strm.flushRead();\n"
                "\t_impl->stop();\n"
                "\tif (_env.exception())\n"
                "\t\treturn;\n"
                "\t_impl->_prepare_reply(_priv_data);\n"
                "\t_strm.sendMessage();\n"
                "}\n");
}

// The context is read after the arguments and passed last. Only IDL
// parameters, not the context, make the empty line before flushRead.
TEST(ServerGen, ContextIsReadAndPassedLast) {
  parseIdl("interface I {\n"
           "  void withArg(in long x) context (\"a\", \"b\");\n"
           "  void alone() context (\"z\");\n"
           "};\n");
  EXPECT_THAT(serverCCodeOf("I::withArg"),
              HasSubstr("\t_strm >> x;\n"
                        "\tCORBA::Context_var _context;\n"
                        "\t_strm >> _context;\n"
                        "\n"
                        "\t_strm.flushRead();\n"
                        "\t_impl->withArg(\n"
                        "\t\tx,\n"
                        "\t\t_context);\n"));
  EXPECT_THAT(serverCCodeOf("I::alone"),
              HasSubstr("\tI *_impl = (I *)_obj;\n"
                        "\tCORBA::Context_var _context;\n"
                        "\t_strm >> _context;\n"
                        "\t_strm.flushRead();\n"
                        "\t_impl->alone(\n"
                        "\t\t_context);\n"));
}

// A raises clause changes nothing in the dispatch function: user exceptions
// travel from the implementation to the runtime untouched.
TEST(ServerGen, RaisesClauseAddsNoHandler) {
  parseIdl("exception Oops { long code; };\n"
           "interface I { void risky(in long x) raises (Oops); };\n");
  EXPECT_EQ(serverCCodeOf("I::risky"),
            opHead("_risky") + "\tCORBA::Long x;\n"
                               "\t_strm >> x;\n"
                               "\n"
                               "\t_strm.flushRead();\n"
                               "\t_impl->risky(\n"
                               "\t\tx);\n"
                               "\t_impl->_prepare_reply(_priv_data);\n"
                               "\t_strm.sendMessage();\n"
                               "}\n");
}

// The trace hooks with exceptions: the body is in a try block whose handler
// traces and passes the exception on. Out values are traced through the
// pointer they were returned by, arrays through their _forany.
TEST(ServerGen, TracedOperationWithExceptions) {
  parseIdl("typedef long FA[2];\n"
           "interface I { long op(in long a, out string s, out FA f); };\n");
  Generator::generateTrace = 1;
  EXPECT_EQ(serverCCodeOf("I::op"),
            opHead("_op") +
                "\tCORBA::Long a;\n"
                "\tchar *s = (char *)NULL;\n"
                "\tFA f;\n"
                "#if defined(_TOV_TRACE)\n"
                "\tTOVTrace::server_start_oper(\"I::op\");\n"
                "#endif\n"
                "#if defined(_TOV_TRACE)\n"
                "    try {\n"
                "#endif\n"
                "\t_strm >> a;\n"
                "#if defined(_TOV_TRACE)\n"
                "\tTOVTrace::server_print_param(\"I::op\", \"a\", \"in\");\n"
                "\tTOVTrace::strm << a;\n"
                "#endif\n"
                "\n"
                "\t_strm.flushRead();\n"
                "#if defined(_TOV_TRACE)\n"
                "\tTOVTrace::server_pre_invoke(\"I::op\");\n"
                "#endif\n"
                "\tCORBA::Long _ret = _impl->op(\n"
                "\t\ta,\n"
                "\t\ts,\n"
                "\t\tf);\n"
                "#if defined(_TOV_TRACE)\n"
                "\tTOVTrace::server_post_invoke(\"I::op\");\n"
                "#endif\n"
                "\tCORBA::String_var _v_s(s);\n"
                "\tFA_forany _v_f(f);\n"
                "\t_impl->_prepare_reply(_priv_data);\n"
                "#if defined(_TOV_TRACE)\n"
                "\tTOVTrace::server_print_param(\"I::op\");\n"
                "\tTOVTrace::strm << _ret << endl;\n"
                "#endif\n"
                "\t_strm << _ret;\n"
                "#if defined(_TOV_TRACE)\n"
                "\tTOVTrace::server_print_param(\"I::op\", \"s\", \"out\");\n"
                "\tTOVTrace::strm << *s;\n"
                "#endif\n"
                "\t_strm << _v_s;\n"
                "#if defined(_TOV_TRACE)\n"
                "\tTOVTrace::server_print_param(\"I::op\", \"f\", \"out\");\n"
                "\tTOVTrace::strm << FA_forany(f);\n"
                "#endif\n"
                "\t_strm << _v_f;\n"
                "\t_strm.sendMessage();\n"
                "#if defined(_TOV_TRACE)\n"
                "    }\n"
                "    catch(const CORBA::Exception& excep) {\n"
                "\tTOVTrace::server_oper_excep(\"I::op\", excep);\n"
                "\tthrow;\n"
                "    }\n"
                "#endif\n"
                "#if defined(_TOV_TRACE)\n"
                "\tTOVTrace::server_end_oper(\"I::op\");\n"
                "#endif\n"
                "}\n");
}

// The trace hooks without exceptions: each environment check traces the
// failure before returning; there is no try block.
TEST(ServerGen, TracedOperationWithoutExceptions) {
  parseIdl("module M { interface I { void op(inout long n); }; };\n");
  Generator::generateTrace = 1;
  Generator::generateExceptions = 0;
  EXPECT_EQ(serverCCodeOf("M::I::op"),
            "\n"
            "void _sk_M::_sk_I::_op(\n"
            "\t\tvoid *_obj,\n"
            "\t\tCORBA::MarshalStream &_strm,\n"
            "\t\tCORBA::Principal_ptr ,\n"
            "\t\tconst char *,\n"
            "\t\tvoid *_priv_data)\n"
            "{\n"
            "\tM::I *_impl = (M::I *)_obj;\n"
            "\tCORBA::Environment& _env = CORBA::current_environment();\n"
            "\t_env.clear();\n"
            "\tCORBA::Long n;\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::server_start_oper(\"M::I::op\");\n"
            "#endif\n"
            "\t_strm >> n;\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::server_print_param(\"M::I::op\", \"n\", \"inout\");\n"
            "\tTOVTrace::strm << n;\n"
            "#endif\n"
            "\n"
            "\tif (_env.exception()) {\n"
            "#if defined(_TOV_TRACE)\n"
            "\t\tTOVTrace::server_oper_excep(\"M::I::op\", "
            "*_env.exception());\n"
            "#endif\n"
            "\t\treturn;\n"
            "\t}\n"
            "\t_strm.flushRead();\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::server_pre_invoke(\"M::I::op\");\n"
            "#endif\n"
            "\t_impl->op(\n"
            "\t\tn);\n"
            "\tif (_env.exception()) {\n"
            "#if defined(_TOV_TRACE)\n"
            "\t\tTOVTrace::server_oper_excep(\"M::I::op\", "
            "*_env.exception());\n"
            "#endif\n"
            "\t\treturn;\n"
            "\t}\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::server_post_invoke(\"M::I::op\");\n"
            "#endif\n"
            "\t_impl->_prepare_reply(_priv_data);\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::server_print_param(\"M::I::op\", \"n\", \"inout\");\n"
            "\tTOVTrace::strm << n;\n"
            "#endif\n"
            "\t_strm << n;\n"
            "\t_strm.sendMessage();\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::server_end_oper(\"M::I::op\");\n"
            "#endif\n"
            "}\n");
}

// Without exceptions and tracing the checks are two plain lines.
TEST(ServerGen, UntracedOperationWithoutExceptionsChecksTwice) {
  parseIdl("interface I { void op(in long n); };\n");
  Generator::generateExceptions = 0;
  std::string out = serverCCodeOf("I::op");
  EXPECT_THAT(out, HasSubstr("\t_strm >> n;\n"
                             "\n"
                             "\tif (_env.exception())\n"
                             "\t\treturn;\n"
                             "\t_strm.flushRead();\n"
                             "\t_impl->op(\n"
                             "\t\tn);\n"
                             "\tif (_env.exception())\n"
                             "\t\treturn;\n"
                             "\t_impl->_prepare_reply(_priv_data);\n"));
  EXPECT_THAT(out, Not(HasSubstr("TOV")));
}

// ---------------------------------------------------------------------------
// Attribute dispatch functions.

// One row per attribute type: the getter's result line and the setter's
// value lines and call.
struct AttrCase {
  const char* _type;
  const char* _getResult;
  const char* _setValue;
  const char* _setCall;
};

// clang-format off
const AttrCase attrCases[] = {
    {"long", "\tCORBA::Long _ret = _impl->a();\n",
     "\tCORBA::Long _val;\n", "\t_impl->a(_val);\n"},
    {"Color", "\tColor _ret = _impl->a();\n",
     "\tColor _val;\n", "\t_impl->a(_val);\n"},
    {"string", "\tCORBA::String_var  _ret = _impl->a();\n",
     "\tCORBA::String_var _val;\n", "\t_impl->a(_val);\n"},
    {"F", "\tF _ret = _impl->a();\n",
     "\tF _val;\n", "\t_impl->a(_val);\n"},
    {"V", "\tV_var _ret = _impl->a();\n",
     "\tV _val;\n", "\t_impl->a(_val);\n"},
    {"LS", "\tLS_var _ret = _impl->a();\n",
     "\tLS _val;\n", "\t_impl->a(_val);\n"},
    {"any", "\tCORBA::Any_var _ret = _impl->a();\n",
     "\tCORBA::Any _val;\n", "\t_impl->a(_val);\n"},
    {"B", "\tB_var _ret = _impl->a();\n",
     "\tB_var _val;\n", "\t_impl->a(_val);\n"},
    {"FA", "\tFA_var _ret = _impl->a();\n",
     "\tFA _v_val;\n"
     "FA_forany _val(_v_val);\n",
     "\t_impl->a(*(const FA *)_v_val);\n"},
    {"VA", "\tVA_var _ret = _impl->a();\n",
     "\tVA _v_val;\n"
     "VA_forany _val(_v_val);\n",
     "\t_impl->a(*(const VA *)_v_val);\n"},
};
// clang-format on

// The getter replies after the call; the setter reads the new value into a
// local of its kind first. Note the blank in the getter's stream parameter
// and the trailing blank in the setter's operation-name parameter.
TEST(ServerGen, AttributeDispatchForEachType) {
  std::string idl = typesIdl;
  for (const AttrCase& c : attrCases)
    idl += std::string("interface I") + c._type + " { attribute " + c._type +
           " a; };\n";
  parseIdl(idl);
  for (const AttrCase& c : attrCases) {
    SCOPED_TRACE(c._type);
    std::string i = std::string("I") + c._type;
    std::string expected = "\n"
                           "void _sk_" +
                           i +
                           "::_get_a(\n"
                           "\t\tvoid *_obj,\n"
                           "\t\t CORBA::MarshalStream &_strm,\n"
                           "\t\tCORBA::Principal_ptr ,\n"
                           "\t\tconst char *,\n"
                           "\t\tvoid *_priv_data)\n"
                           "{\n"
                           "\t" +
                           i + " *_impl = (" + i +
                           " *) _obj;\n"
                           "\t_strm.flushRead();\n"
                           "\t_impl->_prepare_reply(_priv_data);\n" +
                           c._getResult +
                           "\t_strm << _ret;\n"
                           "\t_strm.sendMessage();\n"
                           "}\n"
                           "void _sk_" +
                           i +
                           "::_set_a(\n"
                           "\t\tvoid *_obj,\n"
                           "\t\tCORBA::MarshalStream &_strm,\n"
                           "\t\tCORBA::Principal_ptr ,\n"
                           "\t\tconst char *, \n"
                           "\t\tvoid *_priv_data)\n"
                           "{\n"
                           "\t" +
                           i + " *_impl = (" + i + " *) _obj;\n" + c._setValue +
                           "\t_strm >> _val;\n"
                           "\t_strm.flushRead();\n" +
                           c._setCall +
                           "\t_impl->_prepare_reply(_priv_data);\n"
                           "\t_strm.sendMessage();\n"
                           "}\n";
    EXPECT_EQ(serverCCodeOf((i + "::a").c_str()), expected);
  }
}

// A readonly attribute has a getter only; without exceptions both accessors
// check the environment, the getter after the call and the setter after
// reading the value.
TEST(ServerGen, AttributesWithoutExceptions) {
  parseIdl("module M { interface I {\n"
           "  readonly attribute short r;\n"
           "  attribute long a;\n"
           "}; };\n");
  Generator::generateExceptions = 0;
  EXPECT_EQ(serverCCodeOf("M::I::r"),
            "\n"
            "void _sk_M::_sk_I::_get_r(\n"
            "\t\tvoid *_obj,\n"
            "\t\t CORBA::MarshalStream &_strm,\n"
            "\t\tCORBA::Principal_ptr ,\n"
            "\t\tconst char *,\n"
            "\t\tvoid *_priv_data)\n"
            "{\n"
            "\tM::I *_impl = (M::I *) _obj;\n"
            "\tCORBA::Environment& _env = CORBA::current_environment();\n"
            "\t_env.clear();\n"
            "\t_strm.flushRead();\n"
            "\t_impl->_prepare_reply(_priv_data);\n"
            "\tCORBA::Short _ret = _impl->r();\n"
            "\tif (_env.exception())\n"
            "\t\treturn;\n"
            "\t_strm << _ret;\n"
            "\t_strm.sendMessage();\n"
            "}\n");
  EXPECT_THAT(serverCCodeOf("M::I::a"),
              HasSubstr("\n"
                        "void _sk_M::_sk_I::_set_a(\n"
                        "\t\tvoid *_obj,\n"
                        "\t\tCORBA::MarshalStream &_strm,\n"
                        "\t\tCORBA::Principal_ptr ,\n"
                        "\t\tconst char *, \n"
                        "\t\tvoid *_priv_data)\n"
                        "{\n"
                        "\tM::I *_impl = (M::I *) _obj;\n"
                        "\tCORBA::Environment& _env = "
                        "CORBA::current_environment();\n"
                        "\t_env.clear();\n"
                        "\tCORBA::Long _val;\n"
                        "\t_strm >> _val;\n"
                        "\tif (_env.exception())\n"
                        "\t\treturn;\n"
                        "\t_strm.flushRead();\n"
                        "\t_impl->a(_val);\n"));
}

// Attributes carry no trace hooks even when tracing is on.
TEST(ServerGen, AttributesAreNeverTraced) {
  parseIdl("interface I { attribute long a; };\n");
  Generator::generateTrace = 1;
  EXPECT_THAT(serverCCodeOf("I::a"), Not(HasSubstr("TOV")));
  EXPECT_THAT(serverCCodeOf("I"), Not(HasSubstr("TOV")));
}

// Each declarator's accessors start after one line end; its setter follows
// its getter directly.
TEST(ServerGen, EachDeclaratorStartsAfterOneLineEnd) {
  parseIdl("interface I { attribute long a b; };\n");
  std::string out = serverCCodeOf("I::a");
  EXPECT_THAT(out, StartsWith("\nvoid _sk_I::_get_a(\n"));
  EXPECT_THAT(out, HasSubstr("\t_strm.sendMessage();\n"
                             "}\n"
                             "void _sk_I::_set_a(\n"));
  EXPECT_THAT(out, HasSubstr("\t_strm.sendMessage();\n"
                             "}\n"
                             "\n"
                             "void _sk_I::_get_b(\n"));
  EXPECT_THAT(out, HasSubstr("}\n"
                             "void _sk_I::_set_b(\n"));
}
