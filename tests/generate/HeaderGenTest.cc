// tests/generate/HeaderGenTest.cc - the client header's classes of
// interfaces and modules, the member declarations of operations and
// attributes, the C++ form of expressions, and the sequence and array
// classes written once per declaration that needs them.
//
// Expected texts are written by hand from the documented output; where a
// node hands over to another emitter (holder, sequence and array classes)
// the test checks that the class was asked for, by its name, in its place.

#include "generate/HeaderGen.h"

#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "support/ParseIdl.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLCase.h"
#include "tree/IDLConstDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLElement.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLRaisesExpr.h"
#include "tree/IDLScope.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLSpec.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

// Parses `text` as the file being written, so that its definitions and
// registered declarators count as this file's own.
void parseAsThisFile(const char* text) {
  IDLSpec* spec = parseIdl(text);
  Generator::_spec = spec;
  Generator::_idl_file_name = spec->fileName();
}

// The first declarator of the typedef `name`.
IDLSimpleDecl* firstDeclarator(const char* name) {
  auto* typedecl = static_cast<IDLTypeDecl*>(lookup(name));
  return static_cast<IDLSimpleDecl*>(typedecl->declarators()->at(0));
}

IDLInterface* interfaceNamed(const char* name) {
  return static_cast<IDLInterfaceHeader*>(lookup(name))->interface();
}

std::string textOf(const std::function<void(std::ostream&)>& write) {
  std::ostringstream os;
  write(os);
  return os.str();
}

std::string headerOf(IDLDefinition* def) {
  return textOf([def](std::ostream& os) { def->headerCode(os); });
}

int countOf(const std::string& text, const std::string& piece) {
  int n = 0;
  for (auto at = text.find(piece); at != std::string::npos;
       at = text.find(piece, at + 1))
    ++n;
  return n;
}

// The text from the first occurrence of `start` on.
std::string from(const std::string& text, const std::string& start) {
  auto at = text.find(start);
  return at == std::string::npos ? std::string() : text.substr(at);
}

} // namespace

// ---------------------------------------------------------------------------
// Interfaces

// A first declaration writes its pointer types and its holder class before
// the class; the class derives from the default root, and one operation is
// declared one tab deeper between the fixed members and the stream
// operators.
TEST(HeaderGen, InterfaceAtFileLevelIsWrittenWhole) {
  parseAsThisFile("interface I { void ping(); };\n");
  std::string out = headerOf(interfaceNamed("I"));
  EXPECT_THAT(out, StartsWith("\n"
                              "\n"
                              "class I;\n"
                              "typedef I *I_ptr;\n"
                              "typedef I_ptr IRef;\n"));
  EXPECT_LT(out.find("#ifndef _I_var_\n"), out.find("class I: "));
  EXPECT_EQ(
      from(out, "class I: "),
      "class I: public virtual CORBA_Object\n"
      "{\n"
      "    private:\n"
      "\tstatic const CORBA::TypeInfo _class_info;\n"
      "\tI(const I&) {}\n"
      "\tvoid operator=(const I&){}\n"
      "    public:\n"
      "\tstatic const CORBA::TypeInfo *_desc();\n"
      "\tvirtual const CORBA::TypeInfo *_type_info() const;\n"
      "\tvirtual void *_safe_narrow(const CORBA::TypeInfo& ) const;\n"
      "\tstatic CORBA::Object *_factory();\n"
      "    protected:\n"
      "\tI(const char *obj_name = NULL) :CORBA_Object(obj_name, 1) {}\n"
      "\tI(NCistream& strm) :CORBA_Object(strm) {}\n"
      "\tvirtual ~I() {}\n"
      "    public:\n"
      "\tstatic I_ptr _duplicate(I_ptr obj) {\n"
      "\t\tif (obj ) obj->_ref();\n"
      "\t\treturn obj;\n"
      "\t}\n"
      "\tstatic I_ptr _nil() { return (I_ptr)NULL;}\n"
      "\tstatic I_ptr _narrow(CORBA::Object *obj);\n"
      "\tstatic I_ptr _clone(I_ptr obj) {\n"
      "\t\tCORBA::Object_var obj_var(__clone(obj));\n"
      "\n"
      "#if defined(_HPCC_BUG)\n"
      "\t\treturn _narrow(obj_var.operator CORBA::Object_ptr());\n"
      "#else\n"
      "\t\treturn _narrow(obj_var);\n"
      "#endif\n"
      "\t}\n"
      "\tstatic I_ptr _bind(const char *object_name = NULL,\n"
      "\t\tconst char *host_name = NULL,\n"
      "\t\tconst CORBA::BindOptions* opt = NULL); \n"
      "\n"
      "\tvirtual void ping();\n"
      "\t\n"
      "\tinline friend NCistream& operator>>(NCistream& strm, I_ptr& obj) "
      "{\n"
      "\t\tCORBA::Object_var _obj(obj);\n"
      "\t\t_obj = CORBA::Object::_read(strm, I::_desc());\n"
      "\t\tobj = I::_narrow(_obj);\n"
      "\t\treturn strm;\n"
      "\t}\n"
      "\tinline friend ostream& operator<<(ostream& strm, const I_ptr obj) "
      "{\n"
      "\t\tstrm << (CORBA::Object_ptr)obj;\n"
      "\t\treturn strm;\n"
      "\t}\n"
      "\tinline friend istream& operator>>(istream& strm, I_ptr& obj) {\n"
      "\t\tNCistream istrm(strm);\n"
      "\t\tistrm >> obj;\n"
      "\t\treturn strm;\n"
      "\t}\n"
      "};\n"
      "\n");
  EXPECT_EQ(Generator::_indentation, 0);
  EXPECT_EQ(Generator::_currentContext, nullptr);
}

// Bases are listed with a line break and exactly one tab between them,
// whatever the indentation; the constructors still name the root base. The
// bases' operations, copied into the body, are declared in their own
// classes only.
TEST(HeaderGen, BasesAreVirtualAndTheirMembersStayInTheirClasses) {
  parseAsThisFile("module M { module N {\n"
                  "  interface A { void fa(); };\n"
                  "  interface B { void fb(); };\n"
                  "  interface C : A, B { void fc(); };\n"
                  "}; };\n");
  Generator::_indentation = 2;
  std::string out = headerOf(interfaceNamed("M::N::C"));
  Generator::_indentation = 0;
  EXPECT_THAT(out, HasSubstr("class C: public virtual M::N::A,\n"
                             "\tpublic virtual M::N::B\n"
                             "\t\t{\n"));
  EXPECT_THAT(out, HasSubstr("\tC(const char *obj_name = NULL) "
                             ":CORBA_Object(obj_name, 1) {}\n"));
  EXPECT_THAT(out, HasSubstr("\t\t\tvirtual void fc();\n"));
  EXPECT_THAT(out, Not(HasSubstr("fa()")));
  EXPECT_THAT(out, Not(HasSubstr("fb()")));
  // Directives stay in column 1 inside the module classes.
  EXPECT_THAT(out, HasSubstr("\t\t\t\tCORBA::Object_var obj_var(__clone(obj));"
                             "\n\t\t\n"
                             "#if defined(_HPCC_BUG)\n"
                             "\t\t\t\treturn _narrow(obj_var.operator "
                             "CORBA::Object_ptr());\n"
                             "#else\n"));
}

// The root base, the export macro and the readable streams each change
// their own lines only.
TEST(HeaderGen, InterfaceSettingsPickTheirLines) {
  parseAsThisFile("interface I { };\n");
  Generator::baseObject = "MyRoot";
  Generator::generateExport = "_USEREXPORT";
  Generator::generateStdStream = 0;
  std::string out = headerOf(interfaceNamed("I"));
  EXPECT_THAT(out, HasSubstr("\nclass _USEREXPORT I;\n"));
  EXPECT_THAT(out, HasSubstr("\nclass _USEREXPORT I: public virtual MyRoot\n"));
  EXPECT_THAT(out, HasSubstr("\tI(const char *obj_name = NULL) "
                             ":MyRoot(obj_name, 1) {}\n"
                             "\tI(NCistream& strm) :MyRoot(strm) {}\n"));
  EXPECT_THAT(out, HasSubstr("\t_USEREXPORT inline friend NCistream& "
                             "operator>>(NCistream& strm, I_ptr& obj) {\n"));
  EXPECT_THAT(out, Not(HasSubstr("ostream& operator<<(ostream&")));
  EXPECT_THAT(out, Not(HasSubstr("istream& operator>>(istream&")));

  Generator::generateStdStream = 1;
  out = headerOf(interfaceNamed("I"));
  // The readable insertion carries no export macro; the extraction does.
  EXPECT_THAT(out, HasSubstr("\n\tinline friend ostream& operator<<(ostream& "
                             "strm, const I_ptr obj) {\n"));
  EXPECT_THAT(out, HasSubstr("\n\t_USEREXPORT inline friend istream& "
                             "operator>>(istream& strm, I_ptr& obj) {\n"));
}

// The pointer types are written once, at the first declaration; a second
// forward declaration writes nothing but its leading empty lines.
TEST(HeaderGen, ForwardDeclarationWritesThePointerTypesOnce) {
  parseAsThisFile("interface F;\n"
                  "interface F;\n"
                  "interface F { };\n");
  NCOrderedCltn* defs = IDLSpec::specification->definitions();
  std::string first = headerOf(static_cast<IDLDefinition*>(defs->at(0)));
  std::string again = headerOf(static_cast<IDLDefinition*>(defs->at(1)));
  std::string full = headerOf(static_cast<IDLDefinition*>(defs->at(2)));
  EXPECT_THAT(first, StartsWith("\n\nclass F;\n"
                                "typedef F *F_ptr;\n"
                                "typedef F_ptr FRef;\n"));
  EXPECT_THAT(first, HasSubstr("#ifndef _F_var_\n"));
  EXPECT_THAT(first, Not(HasSubstr("class F:")));
  EXPECT_THAT(full, Not(HasSubstr("class F;")));
  EXPECT_EQ(countOf(first + full + again, "typedef F *F_ptr;"), 1);
  EXPECT_THAT(full, HasSubstr("#ifndef _F_var_\n"));
  EXPECT_THAT(full, HasSubstr("\nclass F: public virtual CORBA_Object\n"));
  EXPECT_EQ(again, "\n\n");
}

// ---------------------------------------------------------------------------
// Modules

// A module is a class; a nested module's members are one tab deeper, and
// every member is preceded by a tab of its own.
TEST(HeaderGen, NestedModulesBecomeNestedClasses) {
  parseAsThisFile("module M { module N { const long C = 1; }; };\n");
  EXPECT_EQ(headerOf(lookup("M")), "\n"
                                   "class M {\n"
                                   "    public:\n"
                                   "\t\n"
                                   "\tclass N {\n"
                                   "\t    public:\n"
                                   "\t\t\n"
                                   "\t\t\tstatic const CORBA::Long C; /* 1 */\n"
                                   "\t\t\n"
                                   "\t};\n"
                                   "\t\n"
                                   "\t\n"
                                   "};\n");
  EXPECT_EQ(Generator::_indentation, 0);

  Generator::generateExport = "EXP";
  EXPECT_THAT(headerOf(lookup("M")), StartsWith("\nclass EXP M {\n"));
}

// ---------------------------------------------------------------------------
// Operations and attributes

namespace {

struct OperationCase {
  const char* op;
  const char* expected;
};

} // namespace

// The member declaration, and the holder overload where an argument hands
// out storage: strings and variable-length, sequence and object-reference
// out arguments, and inout strings. In the overload an inout object
// reference takes a holder too.
TEST(HeaderGen, OperationsGetHolderOverloadsWhereStorageIsHandedOut) {
  parseAsThisFile("struct F { long a; };\n"
                  "struct V { string s; };\n"
                  "typedef sequence<long> LS;\n"
                  "interface A { };\n"
                  "interface I {\n"
                  "  void o1(out long x);\n"
                  "  void o2(out string s);\n"
                  "  void o3(inout string s);\n"
                  "  void o4(out F f);\n"
                  "  void o5(out V v);\n"
                  "  void o6(out LS l);\n"
                  "  void o7(out A a);\n"
                  "  void o8(inout A a);\n"
                  "  V o9(in long n, inout A a, out string s);\n"
                  "  void c1() context(\"x\");\n"
                  "  void c2(out string s) context(\"x\", \"y\");\n"
                  "};\n");
  // clang-format off
  const std::vector<OperationCase> cases = {
      {"I::o1", "\nvirtual void o1(CORBA::Long& x);"},
      {"I::o2", "\nvirtual void o2(char *& s);"
                "\nvoid o2(CORBA::String_var& _v_s);\n"},
      {"I::o3", "\nvirtual void o3(char *& s);"
                "\nvoid o3(CORBA::String_var& _v_s);\n"},
      {"I::o4", "\nvirtual void o4(F& f);"},
      {"I::o5", "\nvirtual void o5(V *& v);"
                "\nvoid o5(V_var& _v_v);\n"},
      {"I::o6", "\nvirtual void o6(LS *& l);"
                "\nvoid o6(LS_var& _v_l);\n"},
      {"I::o7", "\nvirtual void o7(A_ptr& a);"
                "\nvoid o7(A_var& _v_a);\n"},
      {"I::o8", "\nvirtual void o8(A_ptr& a);"},
      {"I::o9", "\nvirtual V * o9(CORBA::Long n,\n"
                "\t\tA_ptr& a,\n"
                "\t\tchar *& s);"
                "\nV * o9(CORBA::Long n,\n"
                "\t\tA_var& _v_a,\n"
                "\t\tCORBA::String_var& _v_s);\n"},
      {"I::c1", "\nvirtual void c1(\t\tCORBA::Context_ptr _context);"},
      {"I::c2", "\nvirtual void c2(char *& s, \n"
                "\t\tCORBA::Context_ptr _context);"
                "\nvoid c2(CORBA::String_var& _v_s,\n"
                "\t\tCORBA::Context_ptr _context);\n"},
  };
  // clang-format on
  for (const OperationCase& c : cases)
    EXPECT_EQ(headerOf(lookup(c.op)), c.expected) << c.op;

  Generator::overloadVarFunc = 0;
  EXPECT_EQ(headerOf(lookup("I::o2")), "\nvirtual void o2(char *& s);");
}

// A oneway operation can neither return a result nor pass anything back;
// either ends the run with a message on standard output.
TEST(HeaderGen, OnewayViolationsEndTheRun) {
  parseAsThisFile("interface I {\n"
                  "  oneway void fine(in long x);\n"
                  "  oneway long bad1();\n"
                  "  oneway void bad2(in long x, inout long y);\n"
                  "};\n");
  EXPECT_EQ(headerOf(lookup("I::fine")), "\nvirtual void fine(CORBA::Long x);");
  // The messages go to standard output; the death test reads standard
  // error, so the child sends one to the other.
  EXPECT_EXIT(
      {
        std::cout.rdbuf(std::cerr.rdbuf());
        headerOf(lookup("I::bad1"));
      },
      ::testing::ExitedWithCode(1),
      "^Error in oneway function bad1\nReturn type must be 'void'.\n$");
  EXPECT_EXIT(
      {
        std::cout.rdbuf(std::cerr.rdbuf());
        headerOf(lookup("I::bad2"));
      },
      ::testing::ExitedWithCode(1),
      "^Error in oneway function bad2\nOnly 'in' parameters allowed.\n$");
}

// Every declarator gets a get member, and a set member unless the
// attribute is read-only.
TEST(HeaderGen, AttributesDeclareGetAndSetMembers) {
  parseAsThisFile("struct V { string s; };\n"
                  "interface I {\n"
                  "  readonly attribute long r;\n"
                  "  attribute string w v;\n"
                  "  attribute V sv;\n"
                  "};\n");
  EXPECT_EQ(headerOf(lookup("I::r")), "\nvirtual CORBA::Long r();\n");
  EXPECT_EQ(headerOf(lookup("I::w")), "\nvirtual char * w();\n"
                                      "virtual void w(const char * val);\n"
                                      "\nvirtual char * v();\n"
                                      "virtual void v(const char * val);\n");
  EXPECT_EQ(headerOf(lookup("I::sv")), "\nvirtual V * sv();\n"
                                       "virtual void sv(const V& val);\n");
}

// ---------------------------------------------------------------------------
// Expressions and auxiliary nodes

// Constant expressions are written back as C++ with blanks around the
// operators; a name of a numeric constant is replaced by its value, even
// where it is the last component of a qualified name.
TEST(HeaderGen, ExpressionsAreWrittenInCxxForm) {
  parseAsThisFile("const long A = (1 + 2) * 3;\n"
                  "const long B = -A;\n"
                  "const long S = 1 << 2;\n"
                  "const boolean T = TRUE;\n"
                  "const boolean F = FALSE;\n"
                  "const double D = 1.5;\n"
                  "const double E = D * 2.0;\n"
                  "const string Q = \"abc\";\n"
                  "const char K = 'x';\n"
                  "module M { const long K = 4; };\n"
                  "const long R = M::K;\n");
  // clang-format off
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"A", "( 1 + 2 ) * 3"},
      {"B", "- 9 "},
      {"S", "1 << 2"},
      {"T", "1"},
      {"F", "0"},
      {"D", "1.5"},
      {"E", "1.5 * 2.0"},
      {"Q", "\"abc\""},
      {"K", "'x'"},
      {"R", "M::4"},
  };
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(headerOf(static_cast<IDLConstDcl*>(lookup(c.first))->value()),
              c.second)
        << c.first;

  IDLDefinition yes(IDLDefinition::DEF_true);
  IDLDefinition no(IDLDefinition::DEF_false);
  IDLDefinition other(IDLDefinition::DEF_literal);
  EXPECT_EQ(headerOf(&yes), "1");
  EXPECT_EQ(headerOf(&no), "0");
  EXPECT_EQ(headerOf(&other), "");
}

// Labels, elements, members, raises and context clauses and interface
// headers write the C++ or IDL text they stand for.
TEST(HeaderGen, AuxiliaryNodesWriteTheirConstructs) {
  parseAsThisFile("exception X { };\n"
                  "exception Y { };\n"
                  "struct S { long a, b; };\n"
                  "union U switch (long) {\n"
                  "  case 1: case 2: long a;\n"
                  "  default: string s;\n"
                  "};\n"
                  "interface A { };\n"
                  "interface B { };\n"
                  "interface C : A, B {\n"
                  "  void op() raises (X, Y) context(\"a\", \"b\");\n"
                  "};\n");
  auto* u = static_cast<IDLUnion*>(lookup("U"));
  EXPECT_EQ(headerOf(static_cast<IDLDefinition*>(u->cases()->at(0))),
            "case 1:case 2:CORBA::Long a");
  EXPECT_EQ(headerOf(static_cast<IDLDefinition*>(u->cases()->at(1))),
            "default:char * s");
  auto* s = static_cast<IDLStructure*>(lookup("S"));
  EXPECT_EQ(headerOf(static_cast<IDLDefinition*>(s->members()->at(0))),
            "CORBA::Long a;\nCORBA::Long b;\n");
  auto* op = static_cast<IDLOpDcl*>(lookup("C::op"));
  EXPECT_EQ(headerOf(op->raises()), "X& _excpt1, Y& _excpt2");
  EXPECT_EQ(headerOf(op->context()), "context (\"a\",\"b\")");
  EXPECT_EQ(headerOf(lookup("C")), "\ninterface C:A,B");
  EXPECT_EQ(headerOf(lookup("A")), "\ninterface A");
}

// ---------------------------------------------------------------------------
// Sequence and array classes

// A registered sequence that nothing names is called after its element and
// bound, by the template of its element family; each class is written once.
TEST(HeaderGen, SequencesOfAScopeAreDeclaredOnceByFamily) {
  parseAsThisFile("interface A { };\n"
                  "union U1 switch (long) { case 1: sequence<long> s; };\n"
                  "union U2 switch (long) { case 1: sequence<long, 10> s; };\n"
                  "union U3 switch (long) { case 1: sequence<string> s; };\n"
                  "union U4 switch (long) { case 1: sequence<A, 5> s; };\n");
  // clang-format off
  const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
      {"U1", {"\nclass CORBA_sequence_Long\n",
              "\tstatic CORBA::Long *allocbuf(CORBA::ULong nelems);\n",
              "\ntypedef CORBA_sequence_Long *CORBA_sequence_Long_ptr;\n"}},
      {"U2", {"\nclass CORBA_sequence_Long_10\n",
              "\ntypedef CORBA_sequence_Long_10 *CORBA_sequence_Long_10_ptr;\n"}},
      // The name is made from the string type's C++ spelling as it stands.
      {"U3", {"\nclass CORBA_sequence_char *\n",
              "\tstatic char **allocbuf(CORBA::ULong nelems) {\n"}},
      {"U4", {"\nclass CORBA_sequence_A_5\n",
              "\tstatic A_ptr *allocbuf(CORBA::ULong nelems);\n"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    IDLScope* scope = lookup(c.first)->scope();
    std::string out = textOf([scope](std::ostream& os) {
      EXPECT_EQ(HeaderGen::printDeclareSequences(os, scope), 0);
    });
    EXPECT_THAT(out, StartsWith("\n")) << c.first;
    for (const std::string& line : c.second)
      EXPECT_THAT(out, HasSubstr(line)) << c.first;
    EXPECT_EQ(textOf([scope](std::ostream& os) {
                HeaderGen::printDeclareSequences(os, scope);
              }),
              "")
        << c.first;
  }
  auto* u2 = static_cast<IDLUnion*>(lookup("U2"));
  auto* element = static_cast<IDLCase*>(u2->cases()->at(0))->element();
  auto* seq = static_cast<IDLSequenceType*>(element->typeSpec());
  EXPECT_EQ(seq->declared(), 1);
  EXPECT_STREQ(seq->className().chars(), "CORBA_sequence_Long_10");
  EXPECT_EQ(HeaderGen::printDeclareSequences(std::cout, nullptr), 0);
}

// A class is named after a declarator with a name of its own; the second
// form takes the name as given.
TEST(HeaderGen, NamedSequenceClassesKeepTheirNames) {
  parseAsThisFile("typedef sequence<long> L1;\n"
                  "typedef sequence<short> L2;\n");
  auto* l1 = firstDeclarator("L1");
  auto* l2 = firstDeclarator("L2");
  std::string out = textOf([&](std::ostream& os) {
    HeaderGen::printDeclareSeq(os, l1->declaredType(), l1);
    HeaderGen::printDeclareSeq(
        os, static_cast<IDLSequenceType*>(l2->declaredType()), "__items");
  });
  EXPECT_THAT(out, StartsWith("\n"));
  EXPECT_THAT(out, HasSubstr("\nclass L1\n"));
  EXPECT_THAT(out, HasSubstr("\nclass __items\n"));
  EXPECT_THAT(out, HasSubstr("\ntypedef __items *__items_ptr;\n"));
  EXPECT_STREQ(
      static_cast<IDLSequenceType*>(l2->declaredType())->className().chars(),
      "__items");
}

// Sequences and arrays registered by definitions of an included file are
// that file's header's business.
TEST(HeaderGen, ClassesOfIncludedFilesAreLeftOut) {
  parseAsThisFile("# 1 \"inc.idl\"\n"
                  "union U1 switch (long) { case 1: sequence<long> s; };\n"
                  "struct T { long b[3]; };\n"
                  "# 4 \"test.idl\"\n"
                  "union U2 switch (long) { case 1: sequence<short> s; };\n"
                  "struct S { string n[4]; };\n");
  EXPECT_EQ(textOf([](std::ostream& os) {
              HeaderGen::printDeclareSequences(os, lookup("U1")->scope());
              HeaderGen::printDeclareArrays(os, lookup("T")->scope());
            }),
            "");
  EXPECT_THAT(textOf([](std::ostream& os) {
                HeaderGen::printDeclareSequences(os, lookup("U2")->scope());
              }),
              HasSubstr("\nclass CORBA_sequence_Short\n"));

  // String elements are held in their holder class.
  EXPECT_THAT(textOf([](std::ostream& os) {
                EXPECT_EQ(
                    HeaderGen::printDeclareArrays(os, lookup("S")->scope()), 0);
              }),
              StartsWith("\ntypedef CORBA::String_var n_slice;\n"));
  auto* s = static_cast<IDLStructure*>(lookup("S"));
  auto* member = static_cast<IDLMember*>(s->members()->at(0));
  auto* n = static_cast<IDLArrayDecl*>(member->declarators()->at(0));
  EXPECT_EQ(n->declared(), 1);
  EXPECT_STREQ(n->className().chars(), "n");
  EXPECT_EQ(textOf([](std::ostream& os) {
              HeaderGen::printDeclareArrays(os, lookup("S")->scope());
            }),
            "");
}
