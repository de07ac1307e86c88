// tests/tree/PrintTest.cc - readable dumps of nodes and symbol tables.
//
// Over standard output an NCostream follows every text piece and every
// number with one blank, so each expected text below is the documented
// pieces, each with its blank.

#include "driver/IDLParser.h"
#include "nclib/NCStack.h"
#include "support/TreeBuilders.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLCase.h"
#include "tree/IDLCaseLabel.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLElement.h"
#include "tree/IDLEnum.h"
#include "tree/IDLEnumType.h"
#include "tree/IDLException.h"
#include "tree/IDLExport.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLRaisesExpr.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLSpec.h"
#include "tree/IDLStringType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace treetest;
using ::testing::HasSubstr;

namespace {

IDLSimpleDecl* simple(const char* name) {
  return keep(new IDLSimpleDecl(name));
}

IDLLiteral* integer(const char* text) {
  return keep(IDLLiteral::makeInteger(text));
}

// A scoped name with its components only; dumps do not resolve.
IDLScopedName* nameOf(std::initializer_list<const char*> names) {
  IDLScopedName* sn = keep(new IDLScopedName);
  std::vector<const char*> v(names);
  for (auto it = v.rbegin(); it != v.rend(); ++it)
    sn->pushComponent(str(*it));
  return sn;
}

} // namespace

TEST(Print, GenericDumpOfAPlainDefinition) {
  IDLParser::currentCPPIncludedFileName = &str("a.idl");
  IDLDefinition* owner =
      keep(new IDLDefinition(IDLDefinition::DEF_unnamed_scope));
  EXPECT_EQ(dumpOf(*owner), "     Definition type:  DEF_unnamed_scope\n "
                            "         File context:  a.idl \n "
                            "Fixed Type:  1 \n ");
  // Kinds without a dump name print no name piece.
  IDLDefinition* nameless =
      keep(new IDLDefinition(IDLDefinition::DEF_long_double));
  nameless->setFixedLength(0);
  EXPECT_EQ(dumpOf(*nameless), "     Definition type:  "
                               "         File context:  a.idl \n "
                               "Fixed Type:  0 \n ");
}

TEST(Print, KindNamesFollowTheKindTable) {
  EXPECT_STREQ(IDLDefinition::kindName(IDLDefinition::DEF_type), "DEF_type");
  EXPECT_STREQ(IDLDefinition::kindName(IDLDefinition::DEF_double),
               "DEF_double");
  EXPECT_EQ(IDLDefinition::kindName(IDLDefinition::DEF_long_double), nullptr);
  EXPECT_STREQ(IDLDefinition::kindName(IDLDefinition::DEF_long), "DEF_long");
  EXPECT_EQ(IDLDefinition::kindName(IDLDefinition::DEF_long_long), nullptr);
  EXPECT_EQ(IDLDefinition::kindName(IDLDefinition::DEF_unsigned_long_long),
            nullptr);
  EXPECT_STREQ(IDLDefinition::kindName(IDLDefinition::DEF_unresolved),
               "DEF_unresolved");
  EXPECT_STREQ(IDLDefinition::kindName(IDLDefinition::DEF_context),
               "DEF_context");
  EXPECT_EQ(IDLDefinition::kindName(IDLDefinition::DEF_interface_like),
            nullptr);
  EXPECT_EQ(IDLDefinition::kindName(IDLDefinition::DEF_none), nullptr);
}

TEST(Print, ModuleWithAConstant) {
  IDLModule* m = keep(new IDLModule("M"));
  m->setDefinitions(
      list({keep(new IDLConstDcl("x", prim("long"), integer("1")))}));
  EXPECT_EQ(dumpOf(*m), "\nmodule  M  {  \nconst  long x    =  1 ; \n}; ");
}

TEST(Print, SpecificationEndsWithANewline) {
  IDLSpec* spec = keep(new IDLSpec(list({keep(new IDLModule("A"))})));
  EXPECT_EQ(dumpOf(*spec), "\nmodule  A  {  \n}; \n ");
}

TEST(Print, ForwardAndFullInterfaces) {
  IDLInterfaceHeader* fh = keep(new IDLInterfaceHeader("F", nullptr));
  IDLInterface* forward =
      keep(new IDLInterface(IDLInterface::IT_FORWARD, fh, nullptr));
  EXPECT_EQ(dumpOf(*forward), "\ninterface  F ; ");

  IDLInterfaceHeader* h = keep(
      new IDLInterfaceHeader("C", list({nameOf({"A"}), nameOf({"M", "B"})})));
  IDLOpDcl* op = keep(new IDLOpDcl("", prim("void"), "f"));
  IDLInterface* full =
      keep(new IDLInterface(IDLInterface::IT_FULL, h, list({op})));
  EXPECT_EQ(dumpOf(*full),
            "\ninterface  C : A , M :: B { \n      void f ( ) ; \n}; ");
}

// Raises and context nodes without lists print nothing.
TEST(Print, OperationWithAndWithoutClauses) {
  IDLOpDcl* bare = keep(new IDLOpDcl("", prim("long"), "get"));
  bare->setParameters(list({}));
  bare->setRaises(keep(new IDLRaisesExpr(nullptr)));
  bare->setContext(keep(new IDLContextExpr(nullptr)));
  EXPECT_EQ(dumpOf(*bare), "\n      long get ( ) ; ");

  IDLParamDcl* a = keep(new IDLParamDcl("in"));
  a->setDeclarator(simple("a"), prim("long"));
  IDLParamDcl* b = keep(new IDLParamDcl("out"));
  b->setDeclarator(simple("b"), keep(new IDLStringType(nullptr)));
  IDLOpDcl* op = keep(new IDLOpDcl("oneway", prim("void"), "ping"));
  op->setParameters(list({a, b}));
  op->setRaises(
      keep(new IDLRaisesExpr(list({nameOf({"E1"}), nameOf({"E2"})}))));
  op->setContext(
      keep(new IDLContextExpr(list({keep(IDLLiteral::makeString("\"x\"")),
                                    keep(IDLLiteral::makeString("\"y\""))}))));
  EXPECT_EQ(dumpOf(*op), "\n     oneway void ping ( in long a , out string b ) "
                         "raises ( E1 , E2 ) context ( \"x\" , \"y\" ) ; ");
}

TEST(Print, Attributes) {
  IDLAttrDcl* ro = keep(new IDLAttrDcl("readonly"));
  ro->setDeclarators(list({simple("a"), simple("b")}), prim("long"));
  EXPECT_EQ(dumpOf(*ro), "\n readonly attribute  long a , b ; ");
  IDLAttrDcl* rw = keep(new IDLAttrDcl(""));
  rw->setDeclarators(list({simple("x")}), prim("short"));
  EXPECT_EQ(dumpOf(*rw), "\n  attribute  short x ; ");
}

// Declarators of a typedef follow each other without a separator; an
// array declarator ends with a newline piece.
TEST(Print, TypedefsAndArrays) {
  IDLTypeDecl* two = keep(new IDLTypeDecl(prim("long")));
  two->setDeclarators(list({simple("A"), simple("B")}), prim("long"));
  EXPECT_EQ(dumpOf(*two), "\ntypedef  long A B ;  ");

  IDLArrayDecl* m =
      keep(new IDLArrayDecl("M", list({integer("2"), integer("3")})));
  IDLTypeDecl* arr = keep(new IDLTypeDecl(prim("char")));
  arr->setDeclarators(list({m}), prim("char"));
  EXPECT_EQ(dumpOf(*arr), "\ntypedef  char M [ 2 ] [ 3 ] \n ;  ");
}

TEST(Print, StructsAndMembers) {
  IDLMember* ab = keep(new IDLMember(prim("long")));
  ab->setDeclarators(list({simple("a"), simple("b")}), prim("long"));
  IDLMember* c = keep(new IDLMember(prim("char")));
  c->setDeclarators(list({simple("c")}), prim("char"));
  IDLStructure* s = keep(new IDLStructure("S"));
  s->setMembers(list({ab, c}));
  EXPECT_EQ(dumpOf(*s), "\n  struct  S {\n long a , b ;\n char c ;\n \n}; ");
}

TEST(Print, UnionsCasesAndLabels) {
  IDLElement* a = keep(new IDLElement);
  a->setDeclarator(simple("a"), prim("long"));
  IDLElement* c = keep(new IDLElement);
  c->setDeclarator(simple("c"), prim("char"));
  IDLCase* first =
      keep(new IDLCase(list({keep(new IDLCaseLabel(integer("1"))),
                             keep(new IDLCaseLabel(integer("2")))}),
                       a));
  IDLCase* other =
      keep(new IDLCase(list({keep(new IDLCaseLabel(nullptr))}), c));
  IDLUnion* u = keep(new IDLUnion("U"));
  u->setSwitchType(prim("long"));
  u->setCases(list({first, other}));
  EXPECT_EQ(dumpOf(*u), "\nunion  U switch  ( long ) { "
                        "\n      case  1 : \n      case  2 : long a ; "
                        "\n      default : char c ; \n}; ");
}

TEST(Print, EnumsAndExceptions) {
  IDLEnumType* e = keep(new IDLEnumType(
      "E", list({keep(new IDLEnum("r")), keep(new IDLEnum("g"))})));
  EXPECT_EQ(dumpOf(*e), "\nenum  E { r , g }; ");

  // An exception without members prints nothing at all.
  IDLException* empty = keep(new IDLException("Empty"));
  EXPECT_EQ(dumpOf(*empty), "");
  IDLMember* why = keep(new IDLMember(prim("long")));
  why->setDeclarators(list({simple("why")}), prim("long"));
  IDLException* x = keep(new IDLException("X"));
  x->setMembers(list({why}));
  EXPECT_EQ(dumpOf(*x), "   \nexception  X \n  {\n long why ;\n \n  }; ");
}

TEST(Print, TemplateTypesAndNames) {
  EXPECT_EQ(dumpOf(*keep(new IDLStringType(nullptr))), "string ");
  EXPECT_EQ(dumpOf(*keep(new IDLStringType(integer("10")))), "string < 10 > ");
  EXPECT_EQ(dumpOf(*keep(new IDLSequenceType(prim("long"), nullptr))),
            "sequence < long > ");
  EXPECT_EQ(dumpOf(*keep(new IDLSequenceType(nameOf({"T"}), integer("5")))),
            "sequence < T , 5 > ");
  EXPECT_EQ(dumpOf(*nameOf({"A", "B", "C"})), "A :: B :: C ");
  IDLExport* exp = keep(
      new IDLExport(list({keep(new IDLEnum("p")), keep(new IDLEnum("q"))})));
  EXPECT_EQ(dumpOf(*exp), "p q ");
}

TEST(Print, ConstantExpressions) {
  IDLBinaryExpr* sum = keep(new IDLBinaryExpr("+", integer("1"), integer("2")));
  sum->typeCheckAndEvaluate();
  EXPECT_EQ(dumpOf(*sum), "1 +   2 ");
  IDLUnaryExpr* paren = keep(new IDLUnaryExpr(sum));
  EXPECT_EQ(dumpOf(*paren), "( 1 +   2 ) ");
  IDLUnaryExpr* neg =
      keep(new IDLUnaryExpr(keep(new IDLUnaryOp("-")), integer("7")));
  neg->typeCheckAndEvaluate();
  EXPECT_EQ(dumpOf(*neg), "- 7 ");
  EXPECT_EQ(dumpOf(*keep(IDLLiteral::makeCharacter("'a'"))), "'a' ");
}

// Entries come in slot order: "c" (slot 5) before "a" (slot 30).
TEST(Print, SymbolTableDumpInSlotOrder) {
  IDLScope* s = keep(new IDLScope(IDLScope::ST_MODULE, &str("M"), nullptr));
  s->add(str("a"), *keep(new IDLEnum("a")));
  s->add(str("c"), *keep(new IDLEnum("c")));
  EXPECT_EQ(dumpOf(*s), "\n S Y M B O L   T A B L E \n "
                        "  Symbol table size:   2 \n "
                        "\n===================== \nIdentifier ( 1 ) :  c "
                        "\nValue ( 1 ) :\n  c "
                        "\n===================== \nIdentifier ( 2 ) :  a "
                        "\nValue ( 2 ) :\n  a "
                        "\n E N D   O F   S Y M B O L   T A B L E \n ");
  EXPECT_EQ(
      dumpOf(*keep(new IDLScope(IDLScope::ST_MODULE, &str("E"), nullptr))),
      "\n S Y M B O L   T A B L E \n   Symbol table size:   0 \n "
      "\n E N D   O F   S Y M B O L   T A B L E \n ");
}

// A name held by two definitions shows the collection dump.
TEST(Print, SymbolTableEntryWithTwoDefinitions) {
  // Built before the scope exists, neither definition is local to it.
  IDLEnum* x1 = keep(new IDLEnum("x1"));
  IDLEnum* x2 = keep(new IDLEnum("x2"));
  IDLScope* s = keep(new IDLScope(IDLScope::ST_MODULE, &str("M"), nullptr));
  s->add(str("x"), *x1);
  s->add(str("x"), *x2);
  std::string out = dumpOf(*s);
  EXPECT_THAT(out, HasSubstr("\nValue ( 1 ) :\n  Collection size:  2 \n "
                             "x1 x2 "));
}

TEST(Print, ScopeName) {
  IDLScope* s = keep(new IDLScope(IDLScope::ST_MODULE, &str("M"), nullptr));
  testing::internal::CaptureStdout();
  {
    NCostream os(std::cout);
    s->printScope(os);
  }
  std::cout.flush();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Scope of:  M ");
}

// Freeing a node traces it: once as its own class, once as a definition.
TEST(Print, FreeingANodeTracesIt) {
  IDLParser::currentCPPIncludedFileName = &str("b.idl");
  IDLEnum* e = new IDLEnum("gone");
  testing::internal::CaptureStdout();
  delete e;
  std::cout.flush();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Freeing:\ngone "
            "Freeing:\n     Definition type:  DEF_enum\n "
            "         File context:  b.idl \n Fixed Type:  1 \n ");
}
