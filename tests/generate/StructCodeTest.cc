// tests/generate/StructCodeTest.cc - the data members of structs and
// exceptions and their out-of-line support functions.
//
// One struct per member-type variant, each holding a single member x, so that
// every routine's whole output is its fixed frame around the variant's lines.

#include "generate/StructCode.h"

#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "support/ParseIdl.h"
#include "tree/IDLException.h"
#include "tree/IDLStructure.h"

#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const char* const variantsIdl = "module M {\n"
                                "  interface I { };\n"
                                "  enum E { red, green };\n"
                                "  struct T { long v; };\n"
                                "  typedef long A[2];\n"
                                "  typedef sequence<long> LS;\n"
                                "  struct Sl { long x; };\n"
                                "  struct Sb { boolean x; };\n"
                                "  struct So { octet x; };\n"
                                "  struct Ss { string x; };\n"
                                "  struct Si { I x; };\n"
                                "  struct Se { E x; };\n"
                                "  struct St { T x; };\n"
                                "  struct Sq { LS x; };\n"
                                "  struct Sy { any x; };\n"
                                "  struct Sa { A x; };\n"
                                "  struct Sn { long x[2][3]; };\n"
                                "  struct Sm { A x[2]; };\n"
                                "};\n";

// The lines one member x writes in each routine, transcribed per variant.
struct Variant {
  const char* structName; // inside module M
  const char* memberDef;  // the member's line inside the class
  const char* writer;
  const char* reader;
  const char* pretty;
  const char* compare;
  const char* hash;
  const char* equals;
  const char* ctorParam;
  const char* ctorBody;
};

// clang-format off
const Variant variants[] = {
    {"Sl", "CORBA::Long\tx;",
     "\tstrm << _s.x;\n",
     "\tstrm >> _s.x;\n",
     "\t\tstrm << \"\\tx: \" << _s.x << endl;\n",
     "\tdiff = ((CORBA::Long)_o1.x - (CORBA::Long) _o2.x);\n",
     "\th ^= (CORBA::ULong) _obj.x;\n",
     "\tx = _s.x;\n",
     "\t\tCORBA::Long _x",
     "\tx = _x;\n"},
    {"Sb", "CORBA::Boolean\tx;",
     "\tstrm << _s.x;\n",
     "\tstrm >> _s.x;\n",
     "\t\tstrm << \"\\tx: \" << (int)_s.x << endl;\n",
     "\tdiff = ((CORBA::Long)_o1.x - (CORBA::Long) _o2.x);\n",
     "\th ^= (CORBA::ULong) _obj.x;\n",
     "\tx = _s.x;\n",
     "\t\tCORBA::Boolean _x",
     "\tx = _x;\n"},
    {"So", "CORBA::Octet\tx;",
     "\tstrm << _s.x;\n",
     "\tstrm >> _s.x;\n",
     "\t\tstrm << \"\\tx: \" << (int)_s.x << endl;\n",
     "\tdiff = ((CORBA::Long)_o1.x - (CORBA::Long) _o2.x);\n",
     "\th ^= (CORBA::ULong) _obj.x;\n",
     "\tx = _s.x;\n",
     "\t\tCORBA::Octet _x",
     "\tx = _x;\n"},
    {"Ss", "CORBA::String_var\tx;",
     "\tstrm << _s.x;\n",
     "\tstrm >> _s.x;\n",
     "\t\tstrm << \"\\tx: \" << _s.x << endl;\n",
     "\tdiff = compare(_o1.x, _o2.x);\n",
     "\th ^= hash(_obj.x);\n",
     "\tx = _s.x;\n",
     "\t\tconst char * _x",
     "\tx = _x;\n"},
    {"Si", "M::I_var\tx;",
     "\tstrm << _s.x;\n",
     "\tstrm >> _s.x;\n",
     "\t\tstrm << \"\\tx: \" << _s.x << endl;\n",
     "\tdiff = compare(_o1.x, _o2.x);\n",
     "\th ^= _obj.x->_hash(0);\n",
     "\tx = M::I::_duplicate((M::I_ptr)_s.x);\n",
     "\t\tM::I_ptr _x",
     "\tx = M::I::_duplicate(_x);\n"},
    {"Se", "M::E\tx;",
     "\tstrm << _s.x;\n",
     "\tstrm >> _s.x;\n",
     "\t\tstrm << \"\\tx: \" << _s.x << endl;\n",
     "\tdiff = ((CORBA::Long)_o1.x - (CORBA::Long) _o2.x);\n",
     "\th ^= (CORBA::ULong) _obj.x;\n",
     "\tx = _s.x;\n",
     "\t\tM::E _x",
     "\tx = _x;\n"},
    {"St", "M::T\tx;",
     "\tstrm << _s.x;\n",
     "\tstrm >> _s.x;\n",
     "\t\tstrm << \"\\tx: \" << _s.x << endl;\n",
     "\tdiff = compare(_o1.x, _o2.x);\n",
     "\th ^= hash(_obj.x);\n",
     "\tx = _s.x;\n",
     "\t\tconst M::T&  _x",
     "\tx = _x;\n"},
    {"Sq", "M::LS\tx;",
     "\tstrm << _s.x;\n",
     "\tstrm >> _s.x;\n",
     "\t\tstrm << \"\\tx: \" << _s.x << endl;\n",
     "\tdiff = compare(_o1.x, _o2.x);\n",
     "\th ^= hash(_obj.x);\n",
     "\tx = _s.x;\n",
     "\t\tconst M::LS&  _x",
     "\tx = _x;\n"},
    {"Sy", "CORBA::Any\tx;",
     "\tstrm << _s.x;\n",
     "\tstrm >> _s.x;\n",
     "\t\tstrm << \"\\tx: \" << _s.x << endl;\n",
     "\tdiff = compare(_o1.x, _o2.x);\n",
     "\th ^= hash(_obj.x);\n",
     "\tx = _s.x;\n",
     "\t\tconst CORBA::Any&  _x",
     "\tx = _x;\n"},
    {"Sa", "M::A\tx;",
     "\tstrm << M::A_forany((M::A_slice *)_s.x);\n",
     "\tM::A_forany __x(_s.x);\n"
     "\tstrm >> __x;\n",
     "\t\tstrm << \"\\tx: \" << M::A_forany((M::A_slice *)_s.x) << endl;\n",
     "\tdiff = compare(M::A_forany((M::A_slice *)_o1.x), M::A_forany((M::A_slice *)_o2.x));\n",
     "\th ^= hash(M::A_forany((M::A_slice *)_obj.x));\n",
     "\tM::A_forany _t_x(x);\n"
     "\tM::A_forany __t_x((M::A_slice *)_s.x);\n"
     "\t_t_x = __t_x;\n",
     "\t\tconst M::A&  _x",
     "\tM::A_forany _t_x(x);\n"
     "\tM::A_forany __t_x(_x);\n"
     "\t_t_x = __t_x;\n"},
    {"Sn", "CORBA::Long\tx[2][3];",
     "\tstrm << M::Sn::x_forany((M::Sn::x_slice *)_s.x);\n",
     "\tM::Sn::x_forany __x(_s.x);\n"
     "\tstrm >> __x;\n",
     "\t\tstrm << \"\\tx: \" << M::Sn::x_forany((M::Sn::x_slice *)_s.x) << endl;\n",
     "\tdiff = compare(M::Sn::x_forany((M::Sn::x_slice *)_o1.x), M::Sn::x_forany((M::Sn::x_slice *)_o2.x));\n",
     "\th ^= hash(M::Sn::x_forany((M::Sn::x_slice *)_obj.x));\n",
     "\tx_forany _t_x(x);\n"
     "\tx_forany __t_x((x_slice *)_s.x);\n"
     "\t_t_x = __t_x;\n",
     "\t\tx_slice * _x",
     "\tx_forany _t_x(x);\n"
     "\tx_forany __t_x(_x);\n"
     "\t_t_x = __t_x;\n"},
    // Dimensions on a member of a named array type make an array of arrays,
    // held in the class named after the member, not in the element's class.
    {"Sm", "M::A\tx[2];",
     "\tstrm << M::Sm::x_forany((M::Sm::x_slice *)_s.x);\n",
     "\tM::Sm::x_forany __x(_s.x);\n"
     "\tstrm >> __x;\n",
     "\t\tstrm << \"\\tx: \" << M::Sm::x_forany((M::Sm::x_slice *)_s.x) << endl;\n",
     "\tdiff = compare(M::Sm::x_forany((M::Sm::x_slice *)_o1.x), M::Sm::x_forany((M::Sm::x_slice *)_o2.x));\n",
     "\th ^= hash(M::Sm::x_forany((M::Sm::x_slice *)_obj.x));\n",
     "\tx_forany _t_x(x);\n"
     "\tx_forany __t_x((x_slice *)_s.x);\n"
     "\t_t_x = __t_x;\n",
     "\t\tx_slice * _x",
     "\tx_forany _t_x(x);\n"
     "\tx_forany __t_x(_x);\n"
     "\t_t_x = __t_x;\n"},
};
// clang-format on

NCOrderedCltn* structMembers(const std::string& name) {
  return static_cast<IDLStructure*>(lookup(name))->members();
}

NCOrderedCltn* exceptionMembers(const std::string& name) {
  return static_cast<IDLException*>(lookup(name))->members();
}

using Routine = void (*)(std::ostream&, const char*, NCOrderedCltn*);

std::string run(Routine routine, const std::string& name,
                NCOrderedCltn* members) {
  std::ostringstream os;
  routine(os, name.c_str(), members);
  return os.str();
}

std::string writerFrame(const std::string& s, const std::string& body) {
  return "NCostream& operator<<(NCostream& strm, const " + s +
         "& _s)\n"
         "{\n" +
         body +
         "\treturn strm;\n"
         "}\n"
         "\n";
}

std::string readerFrame(const std::string& s, const std::string& body) {
  return "NCistream& operator>>(NCistream& strm, " + s +
         "& _s)\n"
         "{\n" +
         body +
         "\treturn strm;\n"
         "}\n"
         "\n";
}

std::string prettyFrame(const std::string& s, const std::string& body) {
  return "ostream& operator<<(ostream& strm, const " + s +
         "& _s)\n"
         "{\n"
         "\tif (&strm == &cout || &strm == &cerr || &strm == &clog) {\n"
         "\t\tstrm << \"struct " +
         s + " {\" << endl;\n" + body +
         "\t\tstrm << \"}\" << endl;\n"
         "\t}\n"
         "\telse {\n"
         "\t\tNCostream ostrm(strm);\n"
         "\t\tostrm << _s;\n"
         "\t}\n"
         "\treturn strm;\n"
         "}\n";
}

std::string compareFrame(const std::string& s, const std::string& body) {
  return "CORBA::Long compare(const " + s + "& _o1, const " + s +
         "& _o2)\n"
         "{\n"
         "\tCORBA::Long diff = 0;\n" +
         body +
         "\tif (diff)\n"
         "\t\treturn diff;\n"
         "\treturn diff;\n"
         "}\n";
}

std::string hashFrame(const std::string& s, const std::string& body) {
  return "CORBA::ULong hash(const " + s +
         "& _obj)\n"
         "{\n"
         "\tCORBA::ULong h = 0;\n" +
         body +
         "\treturn h;\n"
         "}\n";
}

std::string equalsFrame(const std::string& s, const std::string& body) {
  return s + "& " + s + "::operator=(const " + s +
         "& _s)\n"
         "{\n" +
         body +
         "\treturn *this;\n"
         "}\n";
}

} // namespace

// Each member variant is held, streamed, printed, compared, hashed, assigned
// and constructed as its type asks; qualified names carry the module.
TEST(StructCode, EachMemberVariantWritesItsOwnLines) {
  parseIdl(variantsIdl);
  for (const Variant& v : variants) {
    SCOPED_TRACE(v.structName);
    std::string s = std::string("M::") + v.structName;
    NCOrderedCltn* members = structMembers(s);

    std::ostringstream defs;
    StructCode::printMemberDefs(defs, members);
    EXPECT_EQ(defs.str(), std::string("\t") + v.memberDef + "\n");

    EXPECT_EQ(run(StructCode::printStreamWriter, s, members),
              writerFrame(s, v.writer));
    std::ostringstream reader;
    StructCode::printStreamConstructor(reader, s.c_str(), "DSResource",
                                       members);
    EXPECT_EQ(reader.str(), readerFrame(s, v.reader));
    EXPECT_EQ(run(StructCode::printPrettyPrint, s, members),
              prettyFrame(s, v.pretty));
    EXPECT_EQ(run(StructCode::printCompare, s, members),
              compareFrame(s, v.compare));
    EXPECT_EQ(run(StructCode::printHash, s, members), hashFrame(s, v.hash));
    EXPECT_EQ(run(StructCode::printEquals, s, members),
              equalsFrame(s, v.equals));

    std::ostringstream ctor;
    StructCode::printConstructor(ctor, "M::", v.structName, members);
    EXPECT_EQ(ctor.str(), s + "::" + v.structName + "(\n" + v.ctorParam +
                              ")\n"
                              "{\n" +
                              v.ctorBody + "}\n");
    EXPECT_EQ(Generator::_indentation, 0);
  }
}

// The declarators of one member share its line, each with the type, a tab,
// its name and a semicolon; the member lines follow the indentation of the
// class body, one tab deeper than the class.
TEST(StructCode, MemberLinesHoldEveryDeclaratorAndFollowTheIndentation) {
  parseIdl("struct P { long a, b; string s; };\n");
  Generator::_indentation = 1;
  std::ostringstream os;
  StructCode::printMemberDefs(os, structMembers("P"));
  EXPECT_EQ(os.str(), "\t"
                      "CORBA::Long\ta;CORBA::Long\tb;\n"
                      "\t\tCORBA::String_var\ts;\n"
                      "\t");
  EXPECT_EQ(Generator::_indentation, 1);
}

// A member of an anonymous sequence type gets a sequence class named after
// the member, declared just before the member that uses it.
TEST(StructCode, AnonymousSequenceMemberGetsItsClassFirst) {
  parseIdl("struct W { sequence<long> items; long n; };\n");
  std::ostringstream os;
  StructCode::printMemberDefs(os, structMembers("W"));
  std::string out = os.str();
  EXPECT_THAT(out, StartsWith("\t\n"));
  EXPECT_THAT(out, HasSubstr("class __items"));
  EXPECT_THAT(out, EndsWith("\n\t__items\titems;\n"
                            "\tCORBA::Long\tn;\n"));
  EXPECT_LT(out.find("class __items"), out.find("__items\titems;"));
  EXPECT_EQ(Generator::_indentation, 0);
}

// Without members the stream operators return the stream at once, and no
// assignment or member constructor is written.
TEST(StructCode, EmptyMemberListGivesOneLineOperators) {
  parseIdl("exception X { };\n");
  NCOrderedCltn* members = exceptionMembers("X");
  std::ostringstream reader;
  StructCode::printStreamConstructor(reader, "X", "DSResource", members);
  EXPECT_EQ(reader.str(),
            "NCistream& operator>>(NCistream& strm, X&) { return strm; }\n");
  EXPECT_EQ(
      run(StructCode::printStreamWriter, "X", members),
      "NCostream& operator<<(NCostream& strm, const X&) { return strm; }\n");
  EXPECT_EQ(run(StructCode::printPrettyPrint, "X", members),
            "ostream& operator<<(ostream& strm, const X&) { return strm; }\n");
  EXPECT_EQ(run(StructCode::printEquals, "X", members), "");
  std::ostringstream ctor;
  StructCode::printConstructor(ctor, nullptr, "X", members);
  EXPECT_EQ(ctor.str(), "");
}

// Several members: one line each in declaration order, parameters separated
// by a comma and a line end. Arrays of object references cannot be passed to
// the constructor and are left out of the parameters and the body.
TEST(StructCode, ConstructorLeavesOutArraysOfObjectReferences) {
  parseIdl("interface J { };\n"
           "exception X { long a; J refs[2]; string s; };\n");
  std::ostringstream os;
  StructCode::printConstructor(os, nullptr, "X", exceptionMembers("X"));
  EXPECT_EQ(os.str(), "X::X(\n"
                      "\t\tCORBA::Long _a,\n"
                      "\t\tconst char * _s)\n"
                      "{\n"
                      "\ta = _a;\n"
                      "\ts = _s;\n"
                      "}\n");
}

// The readable form exists only with standard-stream operators; the export
// macro, exception style and container switch change no support function.
TEST(StructCode, OnlyTheStdStreamSettingChangesTheOutput) {
  parseIdl(variantsIdl);
  NCOrderedCltn* members = structMembers("M::Sa");
  auto all = [members] {
    std::ostringstream os;
    StructCode::printMemberDefs(os, members);
    StructCode::printStreamWriter(os, "M::Sa", members);
    StructCode::printStreamConstructor(os, "M::Sa", "DSResource", members);
    StructCode::printPrettyPrint(os, "M::Sa", members);
    StructCode::printCompare(os, "M::Sa", members);
    StructCode::printHash(os, "M::Sa", members);
    StructCode::printEquals(os, "M::Sa", members);
    StructCode::printConstructor(os, "M::", "Sa", members);
    return os.str();
  };
  const std::string defaults = all();

  struct Settings {
    int container, exceptions;
    const char* exportMacro;
  };
  const Settings settings[] = {
      {1, 1, nullptr}, {0, 0, nullptr}, {0, 1, "_USEREXPORT"}, {1, 0, "EXP"}};
  for (const Settings& s : settings) {
    Generator::generateContainer = s.container;
    Generator::generateExceptions = s.exceptions;
    Generator::generateExport = s.exportMacro;
    EXPECT_EQ(all(), defaults);
  }

  Generator::generateStdStream = 0;
  EXPECT_EQ(run(StructCode::printPrettyPrint, "M::Sa", members), "");
  std::string pretty = prettyFrame(
      "M::Sa",
      "\t\tstrm << \"\\tx: \" << M::A_forany((M::A_slice *)_s.x) << endl;\n");
  std::string withoutPretty = defaults;
  withoutPretty.erase(withoutPretty.find(pretty), pretty.size());
  EXPECT_EQ(all(), withoutPretty);
}
