// tests/generate/UnionCodeTest.cc - the out-of-line support functions of
// unions.
//
// One union per member-type variant, each with the single case "case 1: x",
// so that every routine's whole output is its fixed frame around the
// variant's lines; the case lines themselves are checked on their own.

#include "generate/UnionCode.h"

#include "generate/Generator.h"
#include "support/ParseIdl.h"
#include "tree/IDLUnion.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;

namespace {

const char* const variantsIdl =
    "module M {\n"
    "  interface I { };\n"
    "  enum E { red, green };\n"
    "  struct T { long v; };\n"
    "  typedef long A[2];\n"
    "  typedef sequence<long> LS;\n"
    "  union Ul switch (long) { case 1: long x; };\n"
    "  union Ub switch (long) { case 1: boolean x; };\n"
    "  union Uo switch (long) { case 1: octet x; };\n"
    "  union Ue switch (long) { case 1: E x; };\n"
    "  union Us switch (long) { case 1: string x; };\n"
    "  union Ui switch (long) { case 1: I x; };\n"
    "  union Ut switch (long) { case 1: T x; };\n"
    "  union Uq switch (long) { case 1: LS x; };\n"
    "  union Uy switch (long) { case 1: any x; };\n"
    "  union Ua switch (long) { case 1: A x; };\n"
    "};\n";

// The lines the member x writes in each routine, transcribed per variant.
struct Variant {
  const char* unionName; // inside module M
  const char* reader;
  const char* writer;
  const char* prettyValue; // the line after the member's name
  const char* compare;
  const char* hash;
  const char* copy;
};

// clang-format off
const char* const primitiveCompare =
    "\t\t\tdiff = ((CORBA::Long) o1.x() - (CORBA::Long) o2.x());\n";
const char* const otherCompare = "\t\t\tdiff = compare(o1.__x, o2.__x);\n";

const Variant variants[] = {
    {"Ul", "\t\t\tstrm >> obj.__x;\n", "\t\t\tstrm << obj.x();\n",
     "\t\t\t\tstrm << obj.x() << endl;\n", primitiveCompare,
     "\t\t\th ^= (CORBA::ULong) obj.__x;\n", "\t\t\t__x = obj.__x;\n"},
    {"Ub", "\t\t\tstrm >> obj.__x;\n", "\t\t\tstrm << obj.x();\n",
     "\t\t\t\tstrm << (int)obj.x() << endl;\n", primitiveCompare,
     "\t\t\th ^= (CORBA::ULong) obj.__x;\n", "\t\t\t__x = obj.__x;\n"},
    {"Uo", "\t\t\tstrm >> obj.__x;\n", "\t\t\tstrm << obj.x();\n",
     "\t\t\t\tstrm << (int)obj.x() << endl;\n", primitiveCompare,
     "\t\t\th ^= (CORBA::ULong) obj.__x;\n", "\t\t\t__x = obj.__x;\n"},
    {"Ue", "\t\t\tstrm >> obj.__x;\n", "\t\t\tstrm << obj.x();\n",
     "\t\t\t\tstrm << obj.x() << endl;\n", primitiveCompare,
     "\t\t\th ^= (CORBA::ULong) obj.__x;\n", "\t\t\t__x = obj.__x;\n"},
    {"Us", "\t\t\tstrm >> obj.__x;\n", "\t\t\tstrm << obj.x();\n",
     "\t\t\t\tstrm << obj.x() << endl;\n", otherCompare,
     "\t\t\th ^= hash(obj.__x);\n", "\t\t\t__x = obj.__x;\n"},
    {"Ui", "\t\t\tstrm >> obj.__x;\n", "\t\t\tstrm << obj.x();\n",
     "\t\t\t\tstrm << obj.x() << endl;\n", otherCompare,
     "\t\t\th ^= hash(obj.__x);\n",
     "\t\t\t__x = M::I::_duplicate((M::I_ptr)obj.__x);\n"},
    {"Ut", "\t\t\tstrm >> obj.__x;\n", "\t\t\tstrm << obj.x();\n",
     "\t\t\t\tstrm << obj.x() << endl;\n", otherCompare,
     "\t\t\th ^= hash(obj.__x);\n", "\t\t\t__x = obj.__x;\n"},
    {"Uq", "\t\t\tstrm >> obj.__x;\n", "\t\t\tstrm << obj.x();\n",
     "\t\t\t\tstrm << obj.x() << endl;\n", otherCompare,
     "\t\t\th ^= hash(obj.__x);\n", "\t\t\t__x = obj.__x;\n"},
    {"Uy", "\t\t\tstrm >> obj.__x;\n", "\t\t\tstrm << obj.x();\n",
     "\t\t\t\tstrm << obj.x() << endl;\n", otherCompare,
     "\t\t\th ^= hash(obj.__x);\n", "\t\t\t__x = obj.__x;\n"},
    {"Ua", "\t\t\tstrm >> M::A_forany(obj.__x);\n",
     "\t\t\tstrm << M::A_forany(obj.x());\n",
     "\t\t\t\tstrm << M::A_forany(obj.x()) << endl;\n",
     "\t\t\tdiff = compare(M::A_forany(o1.x()), M::A_forany(o2.x()));\n",
     "\t\t\th ^= hash(M::A_forany(obj.x()));\n",
     "\t\t\t{\n"
     "\t\t\t\tM::A_forany ___t1(__x);\n"
     "\t\t\t\tM::A_forany ___t2(obj.x());\n"
     "\t\t\t\t___t1 = ___t2;\n"
     "\t\t\t}\n"},
};
// clang-format on

using Routine = void (*)(std::ostream&, const char*, IDLUnion*);

std::string run(Routine routine, const std::string& name) {
  std::ostringstream os;
  routine(os, name.c_str(), static_cast<IDLUnion*>(lookup(name)));
  return os.str();
}

// The single case "case 1:" around `action`.
std::string caseOne(const std::string& action) {
  return "\t\tcase 1:\n" + action + "\t\t\tbreak;\n";
}

std::string readerFrame(const std::string& u, const std::string& cases) {
  return "NCistream& operator>>(NCistream& strm, " + u +
         "& obj)\n"
         "{\n"
         "\tstrm >> obj._disc;\n"
         "\tswitch (obj._disc) {\n" +
         cases +
         "\t}\n"
         "\treturn strm;\n"
         "}\n";
}

std::string writerFrame(const std::string& u, const std::string& cases) {
  return "NCostream&  operator<<(NCostream& strm, const " + u +
         "& obj)\n"
         "{\n"
         "\tstrm << obj._disc;\n"
         "\tswitch (obj._disc) {\n" +
         cases +
         "\t}\n"
         "\treturn strm;\n"
         "}\n";
}

std::string prettyFrame(const std::string& u, const std::string& cases) {
  return "ostream& operator<<(ostream& strm, const " + u +
         "& obj)\n"
         "{\n"
         "\tif (&strm == &cout || &strm == &cerr || &strm == &clog) {\n"
         "\t\tstrm << \"UNION NAME: " +
         u +
         "\" << endl;\n"
         "\t\tstrm << \"DISCRIMINATOR: \" << obj._disc << endl;\n"
         "\t\tswitch (obj._disc) {\n" +
         cases +
         "\t\t}\n"
         "\t}\n"
         "\telse {\n"
         "\t\tNCostream ostrm(strm);\n"
         "\t\tostrm << obj;\n"
         "\t}\n"
         "\treturn strm;\n"
         "}\n";
}

std::string compareFrame(const std::string& u, const std::string& cases) {
  return "CORBA::Long compare(const " + u + "& o1, const " + u +
         "& o2)\n"
         "{\n"
         "\tCORBA::Long diff = 0;\n"
         "\tif ((diff = (CORBA::Long) (o1._d() - o2._d())) != 0)\n"
         "\t\treturn diff;\n"
         "\tswitch (o1._d()) {\n" +
         cases +
         "\t}\n"
         "\treturn diff;\n"
         "\n"
         "}\n";
}

std::string hashFrame(const std::string& u, const std::string& cases) {
  return "CORBA::ULong hash(const " + u +
         "& obj)\n"
         "{\n"
         "\tCORBA::ULong h = 0;\n"
         "\th ^= (CORBA::ULong) obj._d();\n"
         "\tswitch (obj._d()) {\n" +
         cases +
         "\t}\n"
         "\treturn h;\n"
         "\n"
         "}\n";
}

std::string copyFrame(const std::string& head, const std::string& cases,
                      const std::string& tail) {
  return head +
         "{\n"
         "\t_disc = obj._d();\n"
         "\tswitch (_disc) {\n" +
         cases + "\t}\n" + tail + "}\n";
}

} // namespace

// Each member variant is streamed, printed, compared, hashed and copied as
// its type asks; a named array type goes through its _forany class.
TEST(UnionCode, EachMemberVariantWritesItsOwnLines) {
  parseIdl(variantsIdl);
  for (const Variant& v : variants) {
    SCOPED_TRACE(v.unionName);
    std::string u = std::string("M::") + v.unionName;
    EXPECT_EQ(run(UnionCode::printStreamConstructor, u),
              readerFrame(u, caseOne(v.reader)));
    EXPECT_EQ(run(UnionCode::printStreamWriter, u),
              writerFrame(u, caseOne(v.writer)));
    EXPECT_EQ(run(UnionCode::printPrettyPrint, u),
              prettyFrame(u, caseOne(std::string("\t\t\t\tstrm << \"x: \";\n") +
                                     v.prettyValue)));
    EXPECT_EQ(run(UnionCode::printCompare, u),
              compareFrame(u, caseOne(std::string(v.compare) +
                                      "\t\t\tif (diff)\n"
                                      "\t\t\t\treturn diff;\n")));
    EXPECT_EQ(run(UnionCode::printHash, u), hashFrame(u, caseOne(v.hash)));
    EXPECT_EQ(run(UnionCode::printCopyConstructor, u),
              copyFrame(u + "::" + v.unionName + "(const " + u + "& obj)\n",
                        caseOne(v.copy), ""));
    EXPECT_EQ(run(UnionCode::printEquals, u),
              copyFrame(u + "& " + u + "::operator=(const " + u + "& obj)\n",
                        caseOne(v.copy), "\treturn *this;\n"));
    EXPECT_EQ(run(UnionCode::printConstructor, u), "");
    EXPECT_EQ(run(UnionCode::printDestructor, u), "");
    EXPECT_EQ(Generator::_indentation, 0);
  }
}

// Every label of a case gets its own case line before the case's single
// action; "default" has no value; negative values are written as numbers.
TEST(UnionCode, EveryLabelGetsACaseLine) {
  parseIdl("union U switch (long) {\n"
           "  case 2: case -3: string s;\n"
           "  default: long d;\n"
           "  case 7: short t;\n"
           "};\n");
  EXPECT_EQ(run(UnionCode::printStreamConstructor, "U"),
            readerFrame("U", "\t\tcase 2:\n"
                             "\t\tcase -3:\n"
                             "\t\t\tstrm >> obj.__s;\n"
                             "\t\t\tbreak;\n"
                             "\t\tdefault:\n"
                             "\t\t\tstrm >> obj.__d;\n"
                             "\t\t\tbreak;\n"
                             "\t\tcase 7:\n"
                             "\t\t\tstrm >> obj.__t;\n"
                             "\t\t\tbreak;\n"));
}

// Enumerators in case labels are qualified by the scope of their enum, as
// the functions are written outside it.
TEST(UnionCode, EnumLabelsAreQualified) {
  parseIdl("module M {\n"
           "  enum Color { red, green, blue };\n"
           "  union V switch (Color) {\n"
           "    case red: long r;\n"
           "    case green: case blue: short g;\n"
           "  };\n"
           "};\n");
  EXPECT_EQ(run(UnionCode::printStreamWriter, "M::V"),
            writerFrame("M::V", "\t\tcase M::red:\n"
                                "\t\t\tstrm << obj.r();\n"
                                "\t\t\tbreak;\n"
                                "\t\tcase M::green:\n"
                                "\t\tcase M::blue:\n"
                                "\t\t\tstrm << obj.g();\n"
                                "\t\t\tbreak;\n"));
}

// The readable form exists only with standard-stream operators; the export
// macro, exception style and container switch change no support function.
TEST(UnionCode, OnlyTheStdStreamSettingChangesTheOutput) {
  parseIdl(variantsIdl);
  const Routine routines[] = {UnionCode::printStreamConstructor,
                              UnionCode::printStreamWriter,
                              UnionCode::printPrettyPrint,
                              UnionCode::printCompare,
                              UnionCode::printHash,
                              UnionCode::printCopyConstructor,
                              UnionCode::printEquals};
  auto all = [&routines] {
    std::string out;
    for (Routine r : routines)
      out += run(r, "M::Ua");
    return out;
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

  std::string pretty = run(UnionCode::printPrettyPrint, "M::Ua");
  Generator::generateStdStream = 0;
  EXPECT_EQ(run(UnionCode::printPrettyPrint, "M::Ua"), "");
  std::string withoutPretty = defaults;
  withoutPretty.erase(withoutPretty.find(pretty), pretty.size());
  EXPECT_EQ(all(), withoutPretty);
}
