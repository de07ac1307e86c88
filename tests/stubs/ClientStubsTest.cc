// tests/stubs/ClientStubsTest.cc - the client stubs of operations and
// attributes in the client implementation file.
//
// Expected texts are written line by line from the documented stub shapes.

#include "generate/Generator.h"
#include "support/ParseIdl.h"
#include "tree/IDLDefinition.h"

#include <cstring>
#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

std::string clientCCodeOf(const char* name) {
  std::ostringstream os;
  lookup(name)->clientCCode(os);
  return os.str();
}

// The switches every stub reads, with the program's defaults.
struct Flags {
  int exceptions = 1;
  int trace = 0;
  int overload = 1;

  void apply() const {
    Generator::generateExceptions = exceptions;
    Generator::generateTrace = trace;
    Generator::overloadVarFunc = overload;
  }
};

void replaceAll(std::string& text, const std::string& from,
                const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

} // namespace

// The operation hash of "op" is 174; a void operation has no result, and the
// retry is a plain call followed by "return;".
TEST(ClientStubs, VoidOperationWithoutParameters) {
  parseIdl("interface I { void op(); };\n");
  EXPECT_EQ(clientCCodeOf("I::op"), "void I::op()\n"
                                    "{\n"
                                    "\tCORBA::MarshalStream *_strm = "
                                    "_create_request(\n"
                                    "\t\t\t\"op\",\n"
                                    "\t\t\t1,\n"
                                    "\t\t\t174);\n"
                                    "\n"
                                    "\ttry {\n"
                                    "\t\t_invoke();\n"
                                    "\t}\n"
                                    "\tcatch (const CORBA::TRANSIENT& ) {\n"
                                    "\t\t\top();\n"
                                    "\t\t\treturn;\n"
                                    "\t}\n"
                                    "\t_strm->flushRead();\n"
                                    "}\n");
  EXPECT_EQ(Generator::_indentation, 0);
}

// In and inout arguments are sent in order; the reply brings the result,
// then the out and inout values. Names are qualified by module and
// interface; the hash of "abc" is 291.
TEST(ClientStubs, OperationWithResultAndAllDirections) {
  parseIdl("module M { interface I {\n"
           "  long abc(in long a, out long b, inout long c);\n"
           "}; };\n");
  EXPECT_EQ(clientCCodeOf("M::I::abc"),
            "CORBA::Long M::I::abc(\n"
            "\t\tCORBA::Long a,\n"
            "\t\tCORBA::Long& b,\n"
            "\t\tCORBA::Long& c)\n"
            "{\n"
            "\tCORBA::Long _ret = (CORBA::Long)0;\n"
            "\tCORBA::MarshalStream *_strm = _create_request(\n"
            "\t\t\t\"abc\",\n"
            "\t\t\t1,\n"
            "\t\t\t291);\n"
            "\t*_strm << a;\n"
            "\t*_strm << c;\n"
            "\n"
            "\ttry {\n"
            "\t\t_invoke();\n"
            "\t}\n"
            "\tcatch (const CORBA::TRANSIENT& ) {\n"
            "\t\t\treturn abc(\n"
            "\t\t\t\ta,\n"
            "\t\t\t\tb,\n"
            "\t\t\t\tc);\n"
            "\t}\n"
            "\t*_strm >> _ret;\n"
            "\t*_strm >> b;\n"
            "\t*_strm >> c;\n"
            "\t_strm->flushRead();\n"
            "\treturn _ret;\n"
            "}\n");
}

// Without exceptions the environment reports failures: a failed creation
// returns at once and a TRANSIENT failure of the invocation retries.
TEST(ClientStubs, OperationReportsThroughTheEnvironment) {
  parseIdl("interface I { long f(in long a); };\n");
  Generator::generateExceptions = 0;
  EXPECT_EQ(clientCCodeOf("I::f"),
            "CORBA::Long I::f(\n"
            "\t\tCORBA::Long a)\n"
            "{\n"
            "\tCORBA::Long _ret = (CORBA::Long)0;\n"
            "\tCORBA::Environment& _env = CORBA::current_environment();\n"
            "\t_env.clear();\n"
            "\tCORBA::MarshalStream *_strm = _create_request(\n"
            "\t\t\t\"f\",\n"
            "\t\t\t1,\n"
            "\t\t\t102);\n"
            "\tif (_env.exception()) \n"
            "\t\treturn _ret;\n"
            "\t*_strm << a;\n"
            "\n"
            "\t\t_invoke();\n"
            "\tif (_env.exception()) {\n"
            "\t\tif (CORBA::TRANSIENT::_narrow(_env.exception()) != \n"
            "\t\t\t\t(CORBA::TRANSIENT *)NULL)\n"
            "\t\t\treturn f(\n"
            "\t\t\t\ta);\n"
            "\t\telse\n"
            "\t\t\treturn _ret;\n"
            "\t}\n"
            "\t*_strm >> _ret;\n"
            "\t_strm->flushRead();\n"
            "\treturn _ret;\n"
            "}\n");
}

// Traced with exceptions: the creation and the reading of the reply sit in
// try blocks of their own inside the trace directives, and every step is
// reported under the operation's qualified name.
TEST(ClientStubs, TracedOperationWithExceptions) {
  parseIdl("interface I { long f(in long a); };\n");
  Generator::generateTrace = 1;
  EXPECT_EQ(clientCCodeOf("I::f"),
            "CORBA::Long I::f(\n"
            "\t\tCORBA::Long a)\n"
            "{\n"
            "\tCORBA::Long _ret = (CORBA::Long)0;\n"
            "\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::client_start_oper(\"I::f\");\n"
            "\tCORBA::MarshalStream *_strm;\n"
            "\ttry {\n"
            "\t\t_strm = _create_request(\n"
            "#else\n"
            "\tCORBA::MarshalStream *_strm = _create_request(\n"
            "#endif\n"
            "\t\t\t\"f\",\n"
            "\t\t\t1,\n"
            "\t\t\t102);\n"
            "#if defined(_TOV_TRACE)\n"
            "\t}\n"
            "\tcatch(const CORBA::Exception& excep) {\n"
            "\t\tTOVTrace::client_oper_excep(\"I::f\", excep);\n"
            "\t\tthrow;\n"
            "\t}\n"
            "#endif\n"
            "\t*_strm << a;\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::client_print_param(\"I::f\", \"a\", \"in\");\n"
            "\tTOVTrace::strm << a << endl;\n"
            "#endif\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::client_pre_invoke(\"I::f\");\n"
            "#endif\n"
            "\n"
            "\ttry {\n"
            "\t\t_invoke();\n"
            "\t}\n"
            "\tcatch (const CORBA::TRANSIENT& excep) {\n"
            "#if defined(_TOV_TRACE)\n"
            "\t\tTOVTrace::client_oper_excep(\"I::f\", excep);\n"
            "#endif\n"
            "\t\t\treturn f(\n"
            "\t\t\t\ta);\n"
            "\t}\n"
            "#if defined(_TOV_TRACE)\n"
            "\tcatch (const CORBA::Exception& excep) {\n"
            "\t\tTOVTrace::client_oper_excep(\"I::f\", excep);\n"
            "\t\tthrow;\n"
            "\t}\n"
            "#endif\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::client_post_invoke(\"I::f\");\n"
            "#endif\n"
            "#if defined(_TOV_TRACE)\n"
            "    try {\n"
            "\t*_strm >> _ret;\n"
            "\tTOVTrace::client_print_param(\"I::f\");\n"
            "\tTOVTrace::strm << _ret << endl;\n"
            "#else\n"
            "\t*_strm >> _ret;\n"
            "#endif\n"
            "#if defined(_TOV_TRACE)\n"
            "    }\n"
            "    catch(const CORBA::Exception& excep) {\n"
            "\tTOVTrace::client_oper_excep(\"I::f\", excep);\n"
            "\tthrow;\n"
            "}\n"
            "#endif\n"
            "\t_strm->flushRead();\n"
            "#if defined(_TOV_TRACE)\n"
            "\tTOVTrace::client_end_oper(\"I::f\");\n"
            "#endif\n"
            "\treturn _ret;\n"
            "}\n");
}

// Traced through the environment: the trace lines come without try blocks;
// the texts are those of the environment variant.
TEST(ClientStubs, TracedVoidOperationWithoutExceptions) {
  parseIdl("interface I { void g(out long b); };\n");
  Generator::generateTrace = 1;
  Generator::generateExceptions = 0;
  std::string out = clientCCodeOf("I::g");
  EXPECT_THAT(out, HasSubstr("\t_env.clear();\n"
                             "\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tTOVTrace::client_start_oper(\"I::g\");\n"
                             "#else\n"
                             "\tCORBA::MarshalStream *_strm = "
                             "_create_request(\n"
                             "#endif\n"
                             "\t\t\t\"g\",\n"));
  EXPECT_THAT(out, HasSubstr("\t\t\t103);\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tif (_env.exception()) { \n"
                             "\t\tTOVTrace::client_oper_excep(\"I::g\", "
                             "*_env.exception());\n"
                             "\t\treturn;\n"
                             "#endif\n"));
  EXPECT_THAT(out, HasSubstr("\t\t_invoke();\n"
                             "\tif (_env.exception()) {\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tTOVTrace::client_oper_excep(\"I::g\", "
                             "*_env.exception());\n"
                             "#endif\n"
                             "\t\tif (CORBA::TRANSIENT::_narrow("
                             "_env.exception()) != \n"
                             "\t\t\t\t(CORBA::TRANSIENT *)NULL)\n"
                             "\t\t\tg(\n"
                             "\t\t\t\tb);\n"
                             "\t\telse\n"
                             "\t\treturn;\n"
                             "\t}\n"));
  // No try block is opened for the reply, so out values are not traced.
  EXPECT_THAT(out, HasSubstr("#endif\n"
                             "\t*_strm >> b;\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tif (_env.exception())\n"
                             "\t\tTOVTrace::client_oper_excep(\"I::g\", "
                             "*_env.exception());\n"
                             "#endif\n"
                             "\t_strm->flushRead();\n"));
  EXPECT_THAT(out, Not(HasSubstr("try {")));
  EXPECT_THAT(out, Not(HasSubstr("\"b\", \"out\"")));
}

// The stub variants side by side: the reply flag, the call that sends, the
// result local, the environment and the trace hooks follow the operation
// and the switches (with tracing off no stub writes a trace line); a raises
// clause changes nothing in the stub.
TEST(ClientStubs, VariantsFollowTheOperationAndTheSwitches) {
  parseIdl("exception X { };\n"
           "interface I {\n"
           "  void v(in long a);\n"
           "  long r(in long a);\n"
           "  void vx(in long a) raises (X);\n"
           "  long rx(in long a) raises (X);\n"
           "  oneway void w(in long a);\n"
           "  attribute long t;\n"
           "};\n");
  struct Case {
    const char* op;
    bool oneway;
    bool isVoid;
  };
  const Case cases[] = {{"I::v", false, true},
                        {"I::r", false, false},
                        {"I::vx", false, true},
                        {"I::rx", false, false},
                        {"I::w", true, true}};
  for (const Case& c : cases) {
    for (int exceptions = 0; exceptions <= 1; ++exceptions) {
      for (int trace = 0; trace <= 1; ++trace) {
        Flags flags;
        flags.exceptions = exceptions;
        flags.trace = trace;
        flags.apply();
        SCOPED_TRACE(std::string(c.op) +
                     " exceptions=" + std::to_string(exceptions) +
                     " trace=" + std::to_string(trace));
        std::string out = clientCCodeOf(c.op);
        EXPECT_THAT(out, HasSubstr(c.oneway ? "\n\t\t\t0,\n" : "\n\t\t\t1,\n"));
        EXPECT_THAT(
            out, HasSubstr(c.oneway ? "\t\t_send();\n" : "\t\t_invoke();\n"));
        EXPECT_THAT(out, Not(HasSubstr(c.oneway ? "_invoke()" : "_send()")));
        if (c.isVoid)
          EXPECT_THAT(out, Not(HasSubstr("_ret")));
        else
          EXPECT_THAT(out, HasSubstr("\n\treturn _ret;\n}\n"));
        if (exceptions) {
          EXPECT_THAT(out, Not(HasSubstr("_env")));
          EXPECT_THAT(out, HasSubstr("\ttry {\n"));
        } else {
          EXPECT_THAT(out, HasSubstr("\n\t_env.clear();\n"));
          EXPECT_THAT(out, Not(HasSubstr("catch")));
        }
        if (!trace) {
          EXPECT_THAT(out, Not(HasSubstr("TOVTrace")));
          EXPECT_THAT(out, Not(HasSubstr("_TOV_TRACE")));
          std::string attribute = clientCCodeOf("I::t");
          EXPECT_THAT(attribute, Not(HasSubstr("TOVTrace")));
          EXPECT_THAT(attribute, Not(HasSubstr("_TOV_TRACE")));
        } else {
          EXPECT_THAT(out, HasSubstr("\tTOVTrace::client_end_oper(\"" +
                                     std::string(c.op) + "\");\n"));
          // A void operation opens the reply's traced try block even
          // without out values, so that its closing lines have a match.
          if (c.isVoid && exceptions) {
            EXPECT_THAT(out, HasSubstr("\n#if defined(_TOV_TRACE)\n"
                                       "    try {\n"
                                       "#endif\n"
                                       "#if defined(_TOV_TRACE)\n"
                                       "    }\n"));
          }
        }
      }
    }
  }
  // With and without a raises clause the stubs differ only in the name and
  // its hash (114 for "r", 156 for "rx").
  Flags().apply();
  std::string expected = clientCCodeOf("I::r");
  replaceAll(expected, "I::r(", "I::rx(");
  replaceAll(expected, "\"r\",", "\"rx\",");
  replaceAll(expected, "\t114);", "\t156);");
  replaceAll(expected, "return r(", "return rx(");
  EXPECT_EQ(clientCCodeOf("I::rx"), expected);
}

// The result local by the kind of the result type.
TEST(ClientStubs, ResultLocalFollowsTheResultType) {
  parseIdl("interface A { };\n"
           "enum E { e1 };\n"
           "struct F { long x; };\n"
           "struct V { string s; };\n"
           "typedef long L3[3];\n"
           "typedef sequence<long> Q;\n"
           "interface I {\n"
           "  A ra(); string rs(); L3 rl(); F rf(); V rv(); Q rq(); E re();\n"
           "  any ry(); double rd();\n"
           "};\n");
  struct Case {
    const char* op;
    const char* head;
    const char* local;
  };
  const Case cases[] = {
      {"I::ra", "A_ptr I::ra()\n", "\tA_ptr _ret = A::_nil();\n"},
      {"I::rs", "char * I::rs()\n", "\tchar *_ret = (char *)NULL;\n"},
      {"I::rl", "L3_slice * I::rl()\n", "\tL3_forany _ret;\n"},
      {"I::rf", "F I::rf()\n", "\tF _ret;\n"},
      {"I::rv", "V * I::rv()\n", "\tV *_ret = (V *)0;\n"},
      {"I::rq", "Q * I::rq()\n", "\tQ *_ret = (Q *)0;\n"},
      {"I::re", "E I::re()\n", "\tE _ret = (E)0;\n"},
      {"I::ry", "CORBA::Any * I::ry()\n",
       "\tCORBA::Any *_ret = (CORBA::Any *)0;\n"},
      {"I::rd", "CORBA::Double I::rd()\n",
       "\tCORBA::Double _ret = (CORBA::Double)0;\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.op);
    std::string out = clientCCodeOf(c.op);
    EXPECT_EQ(out.substr(0, out.find("{\n") + 2 + std::strlen(c.local)),
              std::string(c.head) + "{\n" + c.local);
  }
}

// Arrays travel through their _forany class; an "in" array is passed to the
// retry through a cast under _MSC_BUG; an out array of variable length is
// allocated first; strings and references are cleared before reading.
TEST(ClientStubs, ArgumentsAndOutValuesOfEveryShape) {
  parseIdl("interface A { };\n"
           "typedef long L3[3];\n"
           "typedef string S2[2];\n"
           "typedef sequence<long> Q;\n"
           "interface I {\n"
           "  void op(out string s, out A a, out S2 v, out L3 f, inout L3 g,\n"
           "          out Q q, in L3 h);\n"
           "};\n");
  Generator::overloadVarFunc = 0;
  std::string out = clientCCodeOf("I::op");
  EXPECT_THAT(out, HasSubstr("\t\t\t174);\n"
                             "\tL3_forany _a_g((L3_slice *)g);\n"
                             "\t*_strm << _a_g;\n"
                             "\tL3_forany _a_h((L3_slice *)h);\n"
                             "\t*_strm << _a_h;\n"
                             "\n"));
  EXPECT_THAT(out, HasSubstr("\tcatch (const CORBA::TRANSIENT& ) {\n"
                             "\t\t\top(\n"
                             "\t\t\t\ts,\n"
                             "\t\t\t\ta,\n"
                             "\t\t\t\tv,\n"
                             "\t\t\t\tf,\n"
                             "\t\t\t\tg,\n"
                             "\t\t\t\tq,\n"
                             "#if defined(_MSC_BUG)\n"
                             "\t\t\t\t*(L3 *)h\n"
                             "#else\n"
                             "\t\t\t\th\n"
                             "#endif\n"
                             ");\n"
                             "\t\t\treturn;\n"
                             "\t}\n"));
  EXPECT_THAT(out, HasSubstr("\t}\n"
                             "\ts = (char *)NULL;\n"
                             "\t*_strm >> s;\n"
                             "\ta = (A_ptr)NULL;\n"
                             "\t*_strm >> a;\n"
                             "\tv = S2_alloc();\n"
                             "\tS2_forany _a_v(v);\n"
                             "\t*_strm >>  _a_v;\n"
                             "\tL3_forany _a_f(f);\n"
                             "\t*_strm >>  _a_f;\n"
                             "\t*_strm >> _a_g;\n"
                             "\t*_strm >> q;\n"
                             "\t_strm->flushRead();\n"));
}

// Traced out values print the array's _forany, a pointed-to value through
// "*", and anything else (references included) as it is.
TEST(ClientStubs, TracedOutValuesByShape) {
  parseIdl(
      "interface A { };\n"
      "typedef long L3[3];\n"
      "typedef sequence<long> Q;\n"
      "interface I { void op(out L3 f, out Q q, out A a, inout L3 g); };\n");
  Generator::generateTrace = 1;
  std::string out = clientCCodeOf("I::op");
  // The operation is void, so the reply's try block opens on its own.
  EXPECT_THAT(out, HasSubstr("\tTOVTrace::client_post_invoke(\"I::op\");\n"
                             "#endif\n"
                             "#if defined(_TOV_TRACE)\n"
                             "    try {\n"
                             "#endif\n"
                             "\tL3_forany _a_f(f);\n"));
  EXPECT_THAT(out, HasSubstr("\tTOVTrace::client_print_param(\"I::op\", \"f\", "
                             "\"out\");\n"
                             "\tTOVTrace::strm << _a_f<< endl;\n"));
  EXPECT_THAT(out, HasSubstr("\tTOVTrace::client_print_param(\"I::op\", \"q\", "
                             "\"out\");\n"
                             "\tTOVTrace::strm << *q << endl;\n"));
  EXPECT_THAT(out, HasSubstr("\tTOVTrace::client_print_param(\"I::op\", \"a\", "
                             "\"out\");\n"
                             "\tTOVTrace::strm << a << endl;\n"));
  // The inout array is traced once as an argument and once as a value.
  EXPECT_THAT(out, HasSubstr("\t*_strm << _a_g;\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tTOVTrace::client_print_param(\"I::op\", \"g\", "
                             "\"inout\");\n"
                             "\tTOVTrace::strm << _a_g<< endl;\n"
                             "#endif\n"));
  EXPECT_THAT(out, HasSubstr("\t*_strm >> _a_g;\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tTOVTrace::client_print_param(\"I::op\", \"g\", "
                             "\"inout\");\n"));
}

// The context strings are sent as written, quotes included, and the context
// is passed on by the retry.
TEST(ClientStubs, ContextClauseIsSentAndPassedOn) {
  parseIdl("interface I {\n"
           "  void op(in long a) context(\"x\", \"y*\");\n"
           "  void none() context(\"z\");\n"
           "  void held(out string s) context(\"c\");\n"
           "};\n");
  std::string out = clientCCodeOf("I::op");
  EXPECT_THAT(out, HasSubstr("void I::op(\n"
                             "\t\tCORBA::Long a, \n"
                             "\t\tCORBA::Context_ptr _context)\n"
                             "{\n"));
  EXPECT_THAT(out, HasSubstr("\t*_strm << a;\n"
                             "\t_context->_write(*_strm, \n"
                             "\t\t\"x\",\n"
                             "\t\t\"y*\",\n"
                             "\t\tNULL);\n"
                             "\n"));
  EXPECT_THAT(out, HasSubstr("\t\t\top(\n"
                             "\t\t\t\ta,\n"
                             "\t\t\t\t_context);\n"));
  // Without parameters the context follows "(" directly; the retry passes
  // it alone.
  std::string none = clientCCodeOf("I::none");
  EXPECT_THAT(none, HasSubstr("void I::none(\t\tCORBA::Context_ptr _context)\n"
                              "{\n"));
  EXPECT_THAT(none, HasSubstr("\t\t\tnone(\n"
                              "\t\t\t\t_context);\n"));
  // The holder overload takes the context last and passes it on.
  EXPECT_THAT(clientCCodeOf("I::held"),
              HasSubstr("}\n"
                        "void I::held(CORBA::String_var& _v_s,\n"
                        "\t\tCORBA::Context_ptr _context)\n"
                        "{\n"
                        "\tchar * s = (char *)NULL;\n"
                        "\n"
                        "\theld(s,\n"
                        "\t\t_context);\n"
                        "\t_v_s = s;\n"
                        "}\n"));
}

// The overload takes holders for the values the stub hands out, calls the
// stub with locals and hands the locals to the holders.
TEST(ClientStubs, HolderOverloadForOutAndInoutValues) {
  parseIdl("interface A { };\n"
           "typedef long L3[3];\n"
           "typedef string S2[2];\n"
           "typedef sequence<long> Q;\n"
           "interface I {\n"
           "  void op(out string s, out A a, out S2 v, out L3 f, inout L3 g,\n"
           "          out Q q, in L3 h);\n"
           "  string t(inout string u, inout A b, in long n);\n"
           "};\n");
  std::string out = clientCCodeOf("I::op");
  EXPECT_THAT(out, HasSubstr("}\n"
                             "void I::op(CORBA::String_var& _v_s,\n"
                             "\t\tA_var& _v_a,\n"
                             "\t\tS2_var& _v_v,\n"
                             "\t\tL3 f,\n"
                             "\t\tL3 g,\n"
                             "\t\tQ_var& _v_q,\n"
                             "\t\tconst L3 h)\n"
                             "{\n"
                             "\tchar * s = (char *)NULL;\n"
                             "\tA * a = (A *)NULL;\n"
                             "\tS2_slice * v = (S2_slice *)NULL;\n"
                             "\tQ * q = (Q *)NULL;\n"
                             "\n"
                             "\top(s,\n"
                             "\t\ta,\n"
                             "\t\tv,\n"
                             "\t\tf,\n"
                             "\t\tg,\n"
                             "\t\tq,\n"
                             "#if defined(_MSC_BUG)\n"
                             "\t\t*(L3 *)h\n"
                             "#else\n"
                             "\t\th\n"
                             "#endif\n"
                             ");\n"
                             "\t_v_s = s;\n"
                             "\t_v_a = a;\n"
                             "\t_v_v = v;\n"
                             "\t_v_q = q;\n"
                             "}\n"));
  std::string t = clientCCodeOf("I::t");
  EXPECT_THAT(t, HasSubstr("}\n"
                           "char * I::t(CORBA::String_var& _v_u,\n"
                           "\t\tA_var& _v_b,\n"
                           "\t\tCORBA::Long n)\n"
                           "{\n"
                           "\tchar * u = _v_u;\n"
                           "\tA * b = _v_b;\n"
                           "\n"
                           "\tchar * _ret = t(u,\n"
                           "\t\tb,\n"
                           "\t\tn);\n"
                           "\t_v_u = u;\n"
                           "\t_v_b = b;\n"
                           "\treturn _ret;\n"
                           "}\n"));
}

// Only values whose storage changes hands call for the overload, and the
// switch turns it off.
TEST(ClientStubs, HolderOverloadOnlyWhenNeeded) {
  parseIdl("interface A { };\n"
           "struct F { long x; };\n"
           "struct V { string s; };\n"
           "interface I {\n"
           "  void pf(out F f);\n"
           "  void pv(out V v);\n"
           "  void pa(inout A a);\n"
           "  void pi(in string s);\n"
           "  void po(out A a);\n"
           "  void ps(inout string s);\n"
           "};\n");
  struct Case {
    const char* op;
    const char* overloadHead; // null: no overload
  };
  const Case cases[] = {
      {"I::pf", nullptr},
      {"I::pv", "void I::pv(V_var& _v_v)\n"},
      {"I::pa", nullptr},
      {"I::pi", nullptr},
      {"I::po", "void I::po(A_var& _v_a)\n"},
      {"I::ps", "void I::ps(CORBA::String_var& _v_s)\n"},
  };
  for (const Case& c : cases) {
    for (int overload = 0; overload <= 1; ++overload) {
      SCOPED_TRACE(std::string(c.op) + " overload=" + std::to_string(overload));
      Generator::overloadVarFunc = overload;
      std::string out = clientCCodeOf(c.op);
      if (c.overloadHead && overload)
        EXPECT_THAT(out, HasSubstr(std::string("}\n") + c.overloadHead));
      else
        EXPECT_THAT(out, Not(HasSubstr("_v_")));
    }
  }
}

// The get stub reads the value; the set stub sends "val". Both hash the
// attribute's own name; the get stub's reply flag has a trailing blank.
TEST(ClientStubs, AttributeGetAndSetStubs) {
  parseIdl("interface I { attribute long a; };\n");
  EXPECT_EQ(clientCCodeOf("I::a"),
            "CORBA::Long I::a()\n"
            "{\n"
            "\tCORBA::Long _ret = (CORBA::Long)0;\n"
            "\tCORBA::MarshalStream *_strm = _create_request(\n"
            "\t\t\t\"_get_a\",\n"
            "\t\t\t1, \n"
            "\t\t\t97);\n"
            "\ttry {\n"
            "\t\t_invoke();\n"
            "\t}\n"
            "\tcatch (const CORBA::TRANSIENT& ) {\n"
            "\t\treturn a();\n"
            "\t}\n"
            "\t*_strm >> _ret;\n"
            "\t_strm->flushRead();\n"
            "\treturn _ret;\n"
            "}\n"
            "void I::a(CORBA::Long val)\n"
            "{\n"
            "\tCORBA::MarshalStream *_strm = _create_request(\n"
            "\t\t\t\"_set_a\",\n"
            "\t\t\t1,\n"
            "\t\t\t97);\n"
            "\t*_strm << val;\n"
            "\ttry {\n"
            "\t\t_invoke();\n"
            "\t}\n"
            "\tcatch (const CORBA::TRANSIENT& ) {\n"
            "\t\ta(val);\n"
            "\t\treturn;\n"
            "\t}\n"
            "\t_strm->flushRead();\n"
            "}\n");
}

// Through the environment the environment is set up before the result
// local, and the get stub's retry test spreads over two lines.
TEST(ClientStubs, AttributeStubsThroughTheEnvironment) {
  parseIdl("interface I { attribute long a; };\n");
  Generator::generateExceptions = 0;
  EXPECT_EQ(clientCCodeOf("I::a"),
            "CORBA::Long I::a()\n"
            "{\n"
            "\tCORBA::Environment& _env = CORBA::current_environment();\n"
            "\t_env.clear();\n"
            "\tCORBA::Long _ret = (CORBA::Long)0;\n"
            "\tCORBA::MarshalStream *_strm = _create_request(\n"
            "\t\t\t\"_get_a\",\n"
            "\t\t\t1, \n"
            "\t\t\t97);\n"
            "\tif (_env.exception() )\n"
            "\t\treturn _ret;\n"
            "\t_invoke();\n"
            "\tif (_env.exception()) {\n"
            "\t\tif (CORBA::TRANSIENT::_narrow(_env.exception()) !=\n"
            "\t\t\t\t\t(CORBA::TRANSIENT *)NULL)\n"
            "\t\t\treturn a();\n"
            "\t\telse\n"
            "\t\t\treturn _ret;\n"
            "\t}\n"
            "\t*_strm >> _ret;\n"
            "\t_strm->flushRead();\n"
            "\treturn _ret;\n"
            "}\n"
            "void I::a(CORBA::Long val)\n"
            "{\n"
            "\tCORBA::Environment& _env = CORBA::current_environment();\n"
            "\t_env.clear();\n"
            "\tCORBA::MarshalStream *_strm = _create_request(\n"
            "\t\t\t\"_set_a\",\n"
            "\t\t\t1,\n"
            "\t\t\t97);\n"
            "\tif (_env.exception())\n"
            "\t\treturn;\n"
            "\t*_strm << val;\n"
            "\t_invoke();\n"
            "\tif (_env.exception()) {\n"
            "\t\tif (CORBA::TRANSIENT::_narrow(_env.exception()) != NULL)\n"
            "\t\t\ta(val);\n"
            "\t\treturn;\n"
            "\t}\n"
            "\t_strm->flushRead();\n"
            "}\n");
}

// Traced with exceptions the get stub reads its reply in a try block and
// the set stub traces the invocation inside the creation's directives.
TEST(ClientStubs, TracedAttributeStubs) {
  parseIdl("module M { interface I { attribute long a; }; };\n");
  Generator::generateTrace = 1;
  std::string out = clientCCodeOf("M::I::a");
  EXPECT_THAT(out, HasSubstr("\t\t\t\"_get_a\",\n"
                             "\t\t\t1, \n"
                             "\t\t\t97);\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\t}\n"
                             "\tcatch(const CORBA::Exception& excep) {\n"
                             "\t\tTOVTrace::client_oper_excep(\"M::I::a\", "
                             "excep);\n"
                             "\t\tthrow;\n"
                             "\t}\n"
                             "#endif\n"
                             "\ttry {\n"
                             "\t\t_invoke();\n"
                             "\t}\n"
                             "\tcatch (const CORBA::TRANSIENT& excep) {\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\t\tTOVTrace::client_oper_excep(\"M::I::a\", "
                             "excep);\n"
                             "#endif\n"
                             "\t\treturn a();\n"
                             "\t}\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tcatch (const CORBA::Exception& excep) {\n"));
  EXPECT_THAT(out, HasSubstr("#if defined(_TOV_TRACE)\n"
                             "\tTOVTrace::client_post_invoke(\"M::I::a\");\n"
                             "\ttry {\n"
                             "\t\t*_strm >> _ret;\n"
                             "\t\t_strm->flushRead();\n"
                             "\t}\n"
                             "\tcatch(const CORBA::Exception& excep) {\n"
                             "\t\tTOVTrace::client_oper_excep(\"M::I::a\", "
                             "excep);\n"
                             "\t\tthrow;\n"
                             "\t}\n"
                             "\tTOVTrace::client_print_param(\"M::I::a\");\n"
                             "\tTOVTrace::strm << _ret << endl;\n"
                             "#else\n"
                             "\t*_strm >> _ret;\n"
                             "\t_strm->flushRead();\n"
                             "#endif\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tTOVTrace::client_end_oper(\"M::I::a\");\n"
                             "#endif\n"
                             "\treturn _ret;\n"
                             "}\n"));
  EXPECT_THAT(out, HasSubstr("\t*_strm << val;\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\t}\n"
                             "\tcatch (const CORBA::Exception& excep){\n"
                             "\t\tTOVTrace::client_oper_excep(\"M::I::a\", "
                             "excep);\n"
                             "\t\tthrow;\n"
                             "\t}\n"
                             "\t\tTOVTrace::client_pre_invoke(\"M::I::a\");\n"
                             "#endif\n"
                             "\ttry {\n"));
  EXPECT_THAT(out, HasSubstr("\t\ta(val);\n"
                             "\t\treturn;\n"
                             "\t}\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tcatch(const CORBA::Exception& excep) {\n"
                             "\t\tTOVTrace::client_oper_excep(\"M::I::a\", "
                             "excep);\n"
                             "\t\tthrow;\n"
                             "\t};\n"
                             "#endif\n"
                             "\t_strm->flushRead();\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tTOVTrace::client_post_invoke(\"M::I::a\");\n"
                             "\tTOVTrace::client_end_oper(\"M::I::a\");\n"
                             "#endif\n"
                             "}\n"));
}

// Traced through the environment the get stub checks the creation inside
// the directives and reads the reply without a try block.
TEST(ClientStubs, TracedAttributeGetThroughTheEnvironment) {
  parseIdl("interface I { readonly attribute long a; };\n");
  Generator::generateTrace = 1;
  Generator::generateExceptions = 0;
  std::string out = clientCCodeOf("I::a");
  EXPECT_THAT(out, HasSubstr("\t\t\t97);\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tif (_env.exception()) {\n"
                             "\t\tTOVTrace::client_oper_excep(\"I::a\", "
                             "*_env.exception());\n"
                             "\t\treturn _ret;\n"
                             "\t}\n"
                             "#endif\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\tTOVTrace::client_pre_invoke(\"I::a\");\n"
                             "#endif\n"
                             "\t_invoke();\n"
                             "\tif (_env.exception()) {\n"
                             "#if defined(_TOV_TRACE)\n"
                             "\t\tTOVTrace::client_oper_excep(\"I::a\", "
                             "*_env.exception());\n"
                             "#endif\n"));
  EXPECT_THAT(out, HasSubstr("\tTOVTrace::client_post_invoke(\"I::a\");\n"
                             "\t\t*_strm >> _ret;\n"
                             "\t_strm->flushRead();\n"
                             "\tif ( _env.exception()) {\n"
                             "\t\tTOVTrace::client_oper_excep(\"I::a\", "
                             "_env.exception());\n"
                             "\t}\n"
                             "\tTOVTrace::client_print_param(\"I::a\");\n"));
  EXPECT_THAT(out, Not(HasSubstr("_set_")));
}

// A readonly attribute has no set stub; each declarator gets its own
// stubs; an array value goes through its _forany and the retry casts it.
TEST(ClientStubs, AttributeDeclaratorsReadonlyAndArrays) {
  parseIdl("typedef long L3[3];\n"
           "interface I {\n"
           "  readonly attribute long r;\n"
           "  attribute long b c;\n"
           "  attribute L3 arr;\n"
           "};\n");
  std::string r = clientCCodeOf("I::r");
  EXPECT_THAT(r, HasSubstr("CORBA::Long I::r()\n"));
  EXPECT_THAT(r, Not(HasSubstr("_set_")));

  std::string bc = clientCCodeOf("I::b");
  EXPECT_THAT(bc, HasSubstr("}\nvoid I::b(CORBA::Long val)\n{\n"));
  EXPECT_THAT(bc, HasSubstr("}\nCORBA::Long I::c()\n{\n"));
  EXPECT_THAT(bc, HasSubstr("}\nvoid I::c(CORBA::Long val)\n{\n"));
  EXPECT_LT(bc.find("I::b(CORBA::Long val)"), bc.find("I::c()"));

  std::string arr = clientCCodeOf("I::arr");
  EXPECT_THAT(arr, HasSubstr("L3_slice * I::arr()\n"
                             "{\n"
                             "\tL3_forany _ret;\n"));
  EXPECT_THAT(arr, HasSubstr("void I::arr(const L3 val)\n"));
  EXPECT_THAT(arr, HasSubstr("\tL3_forany _a_val((L3_slice *)val);\n"
                             "\t*_strm << _a_val;\n"));
  EXPECT_THAT(arr, HasSubstr("\tcatch (const CORBA::TRANSIENT& ) {\n"
                             "\t\tarr\n"
                             "#if defined(_MSC_BUG)\n"
                             "\t\t(*(L3 *)(&val));\n"
                             "#else\n"
                             "\t\t(val);\n"
                             "#endif\n"
                             "\t\treturn;\n"));
}
