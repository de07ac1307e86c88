// tests/tree/TreeTest.cc - node classes: kinds, declarator binding, type
// lookup, inheritance import and scoped-name resolution.

#include "driver/IDLParser.h"
#include "nclib/NCLinkedList.h"
#include "nclib/NCSet.h"
#include "nclib/NCStack.h"
#include "nclib/NCistream.h"
#include "support/TreeBuilders.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLElement.h"
#include "tree/IDLEnum.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLStringType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace treetest;
using ::testing::ExitedWithCode;

namespace {

IDLTypeDecl* typedefOf(IDLDefinition* type, NCOrderedCltn* declarators) {
  IDLTypeDecl* td = keep(new IDLTypeDecl(type));
  td->setDeclarators(declarators, type);
  td->addToScope();
  return td;
}

IDLSimpleDecl* simple(const char* name) {
  return keep(new IDLSimpleDecl(name));
}

IDLArrayDecl* array(const char* name, const char* size) {
  return keep(
      new IDLArrayDecl(name, list({keep(IDLLiteral::makeInteger(size))})));
}

IDLModule* beginModule(const char* name) {
  IDLModule* m = keep(new IDLModule(name));
  IDLScope::addToCurrentScope(m->name(), *m);
  IDLScope::begin(IDLScope::ST_MODULE, str(name), m);
  m->setScope(IDLScope::_current_scope);
  return m;
}

IDLInterface* forwardInterface(const char* name) {
  IDLInterfaceHeader* header = keep(new IDLInterfaceHeader(name, nullptr));
  IDLInterface* iface =
      keep(new IDLInterface(IDLInterface::IT_FORWARD, header, nullptr));
  header->setInterface(iface);
  IDLScope::begin(IDLScope::ST_INTERFACE, str(name), header);
  header->setScope(IDLScope::_current_scope);
  IDLScope::end(IDLScope::ST_INTERFACE);
  IDLScope::addToCurrentScope(header->name(), *iface);
  return iface;
}

} // namespace

// The second kind refines only primitive types; interfaces are the one
// kind of node built as variable-length.
TEST(Tree, KindsSecondKindsAndFixedLength) {
  IDLPrimType* l = prim("long");
  EXPECT_EQ(l->kind(), IDLDefinition::DEF_primitive_type);
  EXPECT_EQ(l->secondKind(), IDLDefinition::DEF_long);
  IDLModule* m = keep(new IDLModule("M"));
  EXPECT_EQ(m->kind(), IDLDefinition::DEF_module);
  EXPECT_EQ(m->secondKind(), IDLDefinition::DEF_module);
  EXPECT_EQ(m->fixedLength(), 1);
  EXPECT_EQ(m->typeCodeDeclared(), 0);
  EXPECT_EQ(m->typeCodeDefined(), 0);
  IDLInterfaceHeader* h = keep(new IDLInterfaceHeader("I", nullptr));
  IDLInterface* i = keep(new IDLInterface(IDLInterface::IT_FULL, h, list({})));
  EXPECT_EQ(h->fixedLength(), 0);
  EXPECT_EQ(i->fixedLength(), 0);
  EXPECT_EQ(i->kind(), IDLDefinition::DEF_interface);
  EXPECT_EQ(h->kind(), IDLDefinition::DEF_interface);
  IDLDefinition* other = keep(
      new IDLDefinition(IDLDefinition::DEF_module, IDLDefinition::DEF_char));
  EXPECT_EQ(other->secondKind(), IDLDefinition::DEF_char);
}

TEST(Tree, ExpressionClassesOfTypeKinds) {
  struct {
    IDLDefinition::DefinitionType kind;
    int exprClass;
  } cases[] = {
      {IDLDefinition::DEF_long, 0},
      {IDLDefinition::DEF_short, 0},
      {IDLDefinition::DEF_unsigned_long, 0},
      {IDLDefinition::DEF_unsigned_short, 0},
      {IDLDefinition::DEF_char, 1},
      {IDLDefinition::DEF_boolean, 2},
      {IDLDefinition::DEF_float, 3},
      {IDLDefinition::DEF_double, 3},
      {IDLDefinition::DEF_string, 4},
      {IDLDefinition::DEF_string_type, 4},
      {IDLDefinition::DEF_octet, 5},
      {IDLDefinition::DEF_long_long, 5},
      {IDLDefinition::DEF_any, 5},
      {IDLDefinition::DEF_enum, 5},
  };
  for (auto& c : cases)
    EXPECT_EQ(IDLDefinition::exprType(c.kind), c.exprClass) << c.kind;
}

TEST(Tree, PlainDefinitionAnswersTheDefaults) {
  IDLDefinition* d = keep(new IDLDefinition(IDLDefinition::DEF_module));
  EXPECT_STREQ(d->name().chars(), "UNDEFINED");
  EXPECT_EQ(&d->name(), &IDLDefinition::undefstr);
  EXPECT_EQ(d->getInt(), 0);
  EXPECT_EQ(d->getFloat(), 0.0f);
  EXPECT_EQ(d->type(), nullptr);
  EXPECT_EQ(d->scope(), nullptr);
  EXPECT_EQ(d->hash(), static_cast<std::uint32_t>(IDLDefinition::DEF_module));
  IDLDefinition* e = keep(new IDLDefinition(IDLDefinition::DEF_struct));
  EXPECT_EQ(d->compare(*e),
            IDLDefinition::DEF_module - IDLDefinition::DEF_struct);
}

TEST(Tree, NodesRecordTheCurrentFileAndScope) {
  IDLParser::currentCPPIncludedFileName = &str("a.idl");
  IDLScope* root = makeRootScope();
  IDLEnum* e = keep(new IDLEnum("e"));
  ASSERT_NE(e->fileName(), nullptr);
  EXPECT_STREQ(e->fileName()->chars(), "a.idl");
  EXPECT_EQ(e->definedInScope(), root);
  IDLScope* s = keep(new IDLScope(IDLScope::ST_STRUCT, &str("S"), nullptr));
  e->setScope(s);
  EXPECT_EQ(e->scope(), s);
  EXPECT_EQ(s->owner(), e);
}

TEST(Tree, TypedefWithoutDeclaratorsIsUndefined) {
  IDLTypeDecl* td = keep(new IDLTypeDecl(prim("long")));
  EXPECT_STREQ(td->name().chars(), "UNDEFINED");
  td->setDeclarators(list({simple("T"), simple("U")}), prim("long"));
  EXPECT_STREQ(td->name().chars(), "T");
}

// Simple declarators map to the typedef, array declarators to themselves;
// declarators of an anonymous sequence join the sequence registry.
TEST(Tree, TypedefBindsAndEntersItsDeclarators) {
  IDLScope* root = makeRootScope();
  IDLSequenceType* seq = keep(new IDLSequenceType(prim("long"), nullptr));
  IDLSimpleDecl* s = simple("S");
  IDLArrayDecl* a = array("A", "4");
  IDLTypeDecl* td = typedefOf(seq, list({s, a}));
  EXPECT_EQ(td->typeSpec(), seq);
  EXPECT_EQ(s->declaredType(), seq);
  EXPECT_EQ(a->declaredType(), seq);
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("S")), td);
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("A")), a);
  EXPECT_EQ(root->sequenceAt(s), s);
  EXPECT_EQ(root->sequenceAt(a), a);
  EXPECT_EQ(s->definedInScope(), root);
}

TEST(Tree, MembersElementsParametersAndAttributesEnterTheirNames) {
  makeRootScope();
  IDLMember* m = keep(new IDLMember(prim("long")));
  m->setDeclarators(list({simple("m1"), simple("m2")}), prim("short"));
  m->addToScope();
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("m1")), m);
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("m2")), m);
  EXPECT_STREQ(m->typeSpec()->name().chars(), "short");

  IDLElement* el = keep(new IDLElement);
  IDLArrayDecl* a = array("el", "2");
  el->setDeclarator(a, prim("char"));
  el->addToScope();
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("el")), el);
  EXPECT_STREQ(a->declaredType()->name().chars(), "char");

  IDLParamDcl* p = keep(new IDLParamDcl("inout"));
  p->setDeclarator(simple("p"), prim("long"));
  p->addToScope();
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("p")), p);
  EXPECT_STREQ(p->direction().chars(), "inout");

  IDLAttrDcl* at = keep(new IDLAttrDcl("readonly"));
  at->setDeclarators(list({simple("x"), simple("y")}), prim("long"));
  at->addToScope();
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("x")), at);
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("y")), at);
}

// getType looks through scoped names and chains of typedefs.
TEST(Tree, GetTypeFollowsTypedefChains) {
  makeRootScope();
  IDLPrimType* l = prim("long");
  typedefOf(l, list({simple("T1")}));
  IDLTypeDecl* t2 = typedefOf(scopedName({"T1"}), list({simple("T2")}));
  typedefOf(scopedName({"T2"}), list({simple("T3")}));
  EXPECT_EQ(IDLDefinition::getType(scopedName({"T3"})), l);
  EXPECT_EQ(IDLDefinition::getType(t2), l);
  EXPECT_EQ(IDLDefinition::getType(l), l);
  IDLStructure* st = keep(new IDLStructure("St"));
  IDLScope::addToCurrentScope(st->name(), *st);
  typedefOf(scopedName({"St"}), list({simple("T4")}));
  EXPECT_EQ(IDLDefinition::getType(scopedName({"T4"})), st);
}

// A name declared as an array stands for its array declarator, also
// through further typedefs.
TEST(Tree, GetTypeGivesTheArrayDeclaratorOfAnArrayName) {
  makeRootScope();
  IDLArrayDecl* a = array("A", "3");
  typedefOf(prim("long"), list({a}));
  EXPECT_EQ(IDLDefinition::getType(scopedName({"A"})), a);
  typedefOf(scopedName({"A"}), list({simple("B")}));
  EXPECT_EQ(IDLDefinition::getType(scopedName({"B"})), a);
}

// A typedef reached by name is searched for an array declarator named like
// the typedef itself (its first declarator).
TEST(Tree, GetTypeThroughATypedefFindsItsArrayDeclarator) {
  makeRootScope();
  IDLArrayDecl* x = array("X", "2");
  IDLTypeDecl* td = typedefOf(prim("long"), list({x, simple("Y")}));
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("Y")), td);
  EXPECT_EQ(IDLDefinition::getType(scopedName({"Y"})), x);
  // Reached directly, not through a name, the typedef gives its type.
  EXPECT_STREQ(IDLDefinition::getType(td)->name().chars(), "long");
}

TEST(Tree, GetTypeOfNullReportsOnStandardError) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(IDLDefinition::getType(nullptr), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Generator::getType: NULL definition.\n");
}

TEST(Tree, ScopedNameResolvesEachComponentFromThePreviousScope) {
  IDLScope* root = makeRootScope();
  IDLConstDcl* y = longConst("y", "7");
  IDLModule* m = beginModule("M");
  IDLConstDcl* x = longConst("x", "5");
  IDLScope::end(IDLScope::ST_MODULE);

  IDLScopedName* mx = scopedName({"M", "x"});
  ASSERT_TRUE(mx->isResolved());
  EXPECT_EQ(mx->resolvedDefinition(), x);
  NCLinkedList* chain = mx->resolutionChain();
  ASSERT_EQ(chain->size(), 2u);
  EXPECT_EQ(chain->at(0), m);
  EXPECT_EQ(chain->at(1), x);
  EXPECT_EQ(root->scopeDefs()->last(), x);
  // The name answers with the constant's values.
  EXPECT_EQ(mx->getInt(), 5);
  EXPECT_STREQ(mx->type()->name().chars(), "long");
  // A later component is looked up outward from the previous one's scope.
  EXPECT_EQ(scopedName({"M", "y"})->resolvedDefinition(), y);
  // The components stay in the node, first on top.
  EXPECT_EQ(mx->components()->size(), 2u);
  EXPECT_STREQ(static_cast<NCString*>(mx->components()->top())->chars(), "M");
}

TEST(Tree, ScopedNameBeforeResolutionHasAPlaceholder) {
  IDLScopedName* sn = keep(new IDLScopedName);
  EXPECT_FALSE(sn->isResolved());
  ASSERT_NE(sn->resolvedDefinition(), nullptr);
  EXPECT_EQ(sn->resolvedDefinition()->kind(), IDLDefinition::DEF_unresolved);
  EXPECT_EQ(sn->getInt(), 0);
  EXPECT_EQ(sn->type(), nullptr);
}

TEST(Tree, ScopedNameResolutionFailures) {
  makeRootScope();
  longConst("k", "1");
  EXPECT_EXIT(keep(new IDLScopedName)->resolve(), ExitedWithCode(1),
              "Velmaric:  Couldn't find scoped name at root scope\n");
  EXPECT_EXIT(scopedName({"k", "z"}), ExitedWithCode(1),
              "Velmaric:  Couldn't find definition for:k :: z \n");
  EXPECT_EXIT(scopedName({"nothing"}), ExitedWithCode(1),
              "Symbol not found: nothing");
}

// A name imported from two bases and declared in neither of them where it
// is found cannot be told apart.
TEST(Tree, NameInheritedFromTwoBasesIsAnAmbiguousReference) {
  makeRootScope();
  beginInterface("A", {});
  longConst("k", "1");
  endInterface();
  beginInterface("B", {});
  longConst("k", "2");
  endInterface();
  beginInterface("C", {"A", "B"});
  EXPECT_EXIT(scopedName({"k"}), ExitedWithCode(1),
              "Ambiguous reference for: k\nCan resolve to:\n.*"
              "Velmaric:  Ambiguous reference\\.\n");
  // Declared in C as well, the name means C's own constant.
  IDLConstDcl* own = longConst("k", "3");
  EXPECT_EQ(scopedName({"k"})->resolvedDefinition(), own);
  EXPECT_EQ(scopedName({"C", "k"})->getInt(), 3);
}

// Imported definitions join the body in the base table's slot order: for
// single-letter names the 32-slot table puts c (slot 5) before b (18),
// d (25) and a (30).
TEST(Tree, ImportAppendsInheritedDefinitionsInSlotOrder) {
  makeRootScope();
  beginInterface("A", {});
  IDLConstDcl* a = longConst("a", "1");
  IDLConstDcl* b = longConst("b", "2");
  IDLConstDcl* c = longConst("c", "3");
  IDLConstDcl* d = longConst("d", "4");
  endInterface();
  IDLInterface* derived = beginInterface("D", {"A"});
  NCOrderedCltn* body = derived->body();
  ASSERT_EQ(body->size(), 4u);
  EXPECT_EQ(body->at(0), c);
  EXPECT_EQ(body->at(1), b);
  EXPECT_EQ(body->at(2), d);
  EXPECT_EQ(body->at(3), a);
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("a")), a);
  endInterface();
  // A second level imports the names once more, each definition once.
  IDLInterface* e = beginInterface("E", {"D", "A"});
  EXPECT_EQ(e->body()->size(), 4u);
}

TEST(Tree, ImportRejectsWhatIsNoFullInterface) {
  makeRootScope();
  forwardInterface("F");
  longConst("k", "1");
  EXPECT_EXIT(
      beginInterface("C", {"F"}), ExitedWithCode(1),
      "Velmaric:  Cannot inherit from forwardly declared interface: F \n");
  EXPECT_EXIT(beginInterface("C", {"Object"}), ExitedWithCode(1),
              "Cannot inherit from forwardly declared interface: Object \n");
  EXPECT_EXIT(beginInterface("C", {"k"}), ExitedWithCode(1),
              "Velmaric:  Cannot inherit from non-interface: k \n");
  IDLInterface* plain = beginInterface("P", {});
  EXPECT_EXIT(plain->import(), ExitedWithCode(1),
              "Velmaric sanity check: NULL inheritance spec on import\\?");
}

TEST(Tree, FullyResolvedTypes) {
  makeRootScope();
  forwardInterface("F");
  beginInterface("I", {});
  endInterface();
  IDLMember* ofForward = keep(new IDLMember(scopedName({"F"})));
  IDLMember* ofObject = keep(new IDLMember(scopedName({"Object"})));
  IDLMember* ofFull = keep(new IDLMember(scopedName({"I"})));
  IDLMember* ofLong = keep(new IDLMember(prim("long")));
  IDLMember* ofNothing = keep(new IDLMember(nullptr));
  EXPECT_FALSE(ofForward->isFullyResolved());
  EXPECT_TRUE(ofObject->isFullyResolved());
  EXPECT_TRUE(ofFull->isFullyResolved());
  EXPECT_TRUE(ofLong->isFullyResolved());
  EXPECT_FALSE(ofNothing->isFullyResolved());

  // An unresolved name is resolved on the way.
  IDLScopedName* later = keep(new IDLScopedName);
  later->pushComponent(str("TypeCode"));
  IDLElement* el = keep(new IDLElement);
  el->setDeclarator(simple("e"), later);
  EXPECT_TRUE(el->isFullyResolved());
  EXPECT_TRUE(later->isResolved());

  IDLArrayDecl* arr = array("arr", "2");
  EXPECT_FALSE(arr->isFullyResolved());
  arr->setDeclaredType(scopedName({"F"}));
  EXPECT_FALSE(arr->isFullyResolved());
  arr->setDeclaredType(scopedName({"I"}));
  EXPECT_TRUE(arr->isFullyResolved());
}

// The declared type and the value must be of one expression class.
TEST(Tree, ConstantTypesMustMatch) {
  makeRootScope();
  typedefOf(prim("long"), list({simple("T")}));
  IDLConstDcl* viaTypedef = keep(
      new IDLConstDcl("t", scopedName({"T"}), IDLLiteral::makeInteger("3")));
  viaTypedef->storeValue();
  EXPECT_EQ(viaTypedef->getInt(), 3);
  EXPECT_STREQ(viaTypedef->type()->name().chars(), "long");
  IDLConstDcl* text = keep(new IDLConstDcl(
      "s", keep(new IDLStringType(nullptr)), IDLLiteral::makeString("\"x\"")));
  text->storeValue();
  EXPECT_EQ(text->type()->secondKind(), IDLDefinition::DEF_string);

  IDLConstDcl* mismatch =
      keep(new IDLConstDcl("d", prim("double"), IDLLiteral::makeInteger("1")));
  EXPECT_EXIT(mismatch->storeValue(), ExitedWithCode(1),
              "Velmaric:  Mismatched types\\.\n");
  IDLConstDcl* untyped = keep(new IDLConstDcl(
      "u", prim("long"), keep(new IDLDefinition(IDLDefinition::DEF_enum))));
  EXPECT_EXIT(untyped->storeValue(), ExitedWithCode(1),
              "Velmaric:  Illegal type in const declaration\\.\n");
}

// An interface takes its name, scope and comparison from its header.
TEST(Tree, InterfaceForwardsToItsHeader) {
  makeRootScope();
  IDLInterface* i = beginInterface("I", {});
  IDLInterfaceHeader* h = i->header();
  EXPECT_EQ(&i->name(), &h->name());
  EXPECT_EQ(i->scope(), h->scope());
  EXPECT_EQ(i->definedInScope(), h->definedInScope());
  EXPECT_EQ(h->hash(), NCString("I").hash());
  EXPECT_EQ(i->hash(), i->body()->hash() + h->hash());
  IDLInterfaceHeader* other = keep(new IDLInterfaceHeader("J", nullptr));
  EXPECT_LT(h->compare(*other), 0);
  IDLInterface* j =
      keep(new IDLInterface(IDLInterface::IT_FULL, other, nullptr));
  EXPECT_LT(i->compare(*j), 0);
}

TEST(Tree, InterfacesAreListedInCreationOrderWhileAlive) {
  unsigned before = IDLInterface::_interfaceCltn.size();
  IDLInterface* first =
      keep(new IDLInterface(IDLInterface::IT_FORWARD, nullptr, nullptr));
  IDLInterface* second =
      new IDLInterface(IDLInterface::IT_FORWARD, nullptr, nullptr);
  ASSERT_EQ(IDLInterface::_interfaceCltn.size(), before + 2);
  EXPECT_EQ(IDLInterface::_interfaceCltn.at(static_cast<int>(before)), first);
  EXPECT_EQ(IDLInterface::_interfaceCltn.last(), second);
  testing::internal::CaptureStdout();
  delete second;
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(IDLInterface::_interfaceCltn.size(), before + 1);
  EXPECT_EQ(IDLInterface::_interfaceCltn.last(), first);
}

TEST(Tree, FirstStructOrUnionOrModuleOfANameStaysInItsDictionary) {
  IDLStructure* s1 = keep(new IDLStructure("S"));
  IDLStructure* s2 = new IDLStructure("S");
  s1->addToDictionary();
  s2->addToDictionary();
  EXPECT_EQ(IDLStructure::_structDict.atKey(NCString("S")), s1);
  IDLUnion* u = keep(new IDLUnion("U"));
  u->addToDictionary();
  EXPECT_EQ(IDLUnion::_unionDict.atKey(NCString("U")), u);
  IDLModule* m = keep(new IDLModule("M"));
  m->addToDictionary();
  EXPECT_EQ(IDLModule::_moduleDict.atKey(NCString("M")), m);
  // Freeing a node takes its name out.
  testing::internal::CaptureStdout();
  delete s2;
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(IDLStructure::_structDict.atKey(NCString("S")), nullptr);
}

// A module read back from its stream form enters the module dictionary.
TEST(Tree, ModuleReadFromAStreamEntersTheDictionary) {
  IDLModule* m = keep(new IDLModule("Streamed"));
  std::stringstream buffer;
  {
    NCostream os(buffer);
    os << static_cast<const NCTransObject*>(m);
  }
  NCistream is(buffer);
  NCTransObject* back = keep(is.readTransObj());
  ASSERT_NE(back, nullptr);
  ASSERT_EQ(back->classInfo(), IDLModule::desc());
  IDLModule* copy = static_cast<IDLModule*>(back);
  EXPECT_STREQ(copy->name().chars(), "Streamed");
  EXPECT_EQ(IDLModule::_moduleDict.atKey(NCString("Streamed")), copy);
}

TEST(Tree, NodeClassesAreRegisteredWithTheirBase) {
  const char* names[] = {
      "IDLSpec",        "IDLModule",
      "IDLInterface",   "IDLInterfaceHeader",
      "IDLExport",      "IDLConstDcl",
      "IDLTypeDecl",    "IDLSimpleDecl",
      "IDLArrayDecl",   "IDLStructure",
      "IDLMember",      "IDLUnion",
      "IDLCase",        "IDLCaseLabel",
      "IDLElement",     "IDLEnumType",
      "IDLEnum",        "IDLException",
      "IDLOpDcl",       "IDLParamDcl",
      "IDLAttrDcl",     "IDLRaisesExpr",
      "IDLContextExpr", "IDLPrimType",
      "IDLStringType",  "IDLSequenceType",
      "IDLScopedName",  "IDLLiteral",
      "IDLUnaryOp",     "IDLUnaryExpr",
      "IDLBinaryExpr",
  };
  for (const char* name : names) {
    const NCTypeInfo* info = NCTypeInfo::typeInfo(name);
    ASSERT_NE(info, nullptr) << name;
    EXPECT_NE(info->reader(), nullptr) << name;
    ASSERT_EQ(info->baseCount(), 1) << name;
    EXPECT_EQ(info->base(0), IDLDefinition::desc()) << name;
  }
  EXPECT_EQ(IDLDefinition::desc()->base(0), NCObject::desc());
  EXPECT_EQ(IDLScope::desc()->base(0), NCObject::desc());
}
