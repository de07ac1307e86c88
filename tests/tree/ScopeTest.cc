// tests/tree/ScopeTest.cc - scopes: entering names, clashes, lookup,
// registries, pragmas and the predefined names.

#include "support/TreeBuilders.h"
#include "tree/IDLEnum.h"
#include "tree/IDLModule.h"
#include "tree/IDLSimpleDecl.h"

#include <cstring>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace treetest;
using ::testing::ExitedWithCode;

namespace {

IDLModule* beginModule(const char* name) {
  IDLModule* m = keep(new IDLModule(name));
  IDLScope::addToCurrentScope(m->name(), *m);
  IDLScope::begin(IDLScope::ST_MODULE, str(name), m);
  m->setScope(IDLScope::_current_scope);
  return m;
}

} // namespace

// The global scope becomes current and root; a nested scope is appended to
// its parent's children and closing it makes the parent current again.
TEST(Scope, OpeningAndClosingFollowsTheNesting) {
  IDLScope* root = makeRootScope();
  EXPECT_EQ(IDLScope::_root_scope, root);
  EXPECT_EQ(root->parent(), nullptr);
  unsigned predefinedChildren = root->children()->size();
  IDLModule* m = beginModule("M");
  IDLScope* inner = IDLScope::_current_scope;
  EXPECT_EQ(inner->parent(), root);
  EXPECT_EQ(inner->owner(), m);
  EXPECT_EQ(inner->scopeType(), IDLScope::ST_MODULE);
  EXPECT_EQ(root->children()->size(), predefinedChildren + 1);
  EXPECT_EQ(root->children()->last(), inner);
  IDLScope::end(IDLScope::ST_MODULE);
  EXPECT_EQ(IDLScope::_current_scope, root);
}

TEST(Scope, ClosingWithTheWrongTypeIsASanityViolation) {
  makeRootScope();
  beginModule("M");
  EXPECT_EXIT(IDLScope::end(IDLScope::ST_INTERFACE), ExitedWithCode(1),
              "Velmaric:  Velmaric sanity violation on scoping\\?!\n");
}

TEST(Scope, ClosingTheGlobalScopeIsASanityViolation) {
  makeRootScope();
  EXPECT_EXIT(IDLScope::end(IDLScope::ST_GLOBAL), ExitedWithCode(1),
              "Velmaric:  Velmaric sanity violation: root scope closes\\?!\n");
}

TEST(Scope, SameIdentifierTwiceInOneScopeIsADuplicate) {
  makeRootScope();
  beginModule("M");
  longConst("x", "1");
  EXPECT_EXIT(longConst("x", "2"), ExitedWithCode(1),
              "Velmaric:  Duplicate identifier: x \n");
}

// Two bases declaring an operation of one name cannot both be inherited.
TEST(Scope, TwoBasesDeclaringTheSameOperationClash) {
  makeRootScope();
  beginInterface("A", {});
  voidOp("op");
  endInterface();
  beginInterface("B", {});
  voidOp("op");
  endInterface();
  EXPECT_EXIT(beginInterface("C", {"A", "B"}), ExitedWithCode(1),
              "Velmaric:  Duplicate identifier: op \n");
}

// One operation reached through two bases is the same definition, which
// never clashes with itself.
TEST(Scope, OperationInheritedAlongTwoPathsIsKeptOnce) {
  makeRootScope();
  beginInterface("A", {});
  IDLOpDcl* op = voidOp("op");
  endInterface();
  beginInterface("B", {"A"});
  endInterface();
  beginInterface("C", {"A"});
  endInterface();
  IDLInterface* d = beginInterface("D", {"B", "C"});
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("op")), op);
  ASSERT_EQ(d->body()->size(), 1u);
  EXPECT_EQ(d->body()->at(0), op);
}

// Constants of one name from two bases are kept side by side, in the order
// the bases were imported.
TEST(Scope, TwoBasesDeclaringTheSameConstantAreBothKept) {
  makeRootScope();
  beginInterface("A", {});
  IDLConstDcl* ka = longConst("k", "1");
  endInterface();
  beginInterface("B", {});
  IDLConstDcl* kb = longConst("k", "2");
  endInterface();
  beginInterface("C", {"A", "B"});
  NCObject* value = IDLScope::lookupInCurrentScope(str("k"));
  ASSERT_NE(value, nullptr);
  ASSERT_EQ(value->classInfo(), NCOrderedCltn::desc());
  NCOrderedCltn* both = static_cast<NCOrderedCltn*>(value);
  ASSERT_EQ(both->size(), 2u);
  EXPECT_EQ(both->at(0), ka);
  EXPECT_EQ(both->at(1), kb);
  // The defined-in scopes stay those of the bases.
  EXPECT_NE(ka->definedInScope(), IDLScope::_current_scope);
}

// Two attributes of one name clash wherever they were declared.
TEST(Scope, AttributesOfOneNameClashAcrossScopes) {
  makeRootScope();
  IDLDefinition* a = keep(new IDLDefinition(IDLDefinition::DEF_attr_dcl));
  beginModule("M");
  IDLDefinition* b = keep(new IDLDefinition(IDLDefinition::DEF_attr_dcl));
  IDLDefinition* c = keep(new IDLDefinition(IDLDefinition::DEF_const));
  EXPECT_EQ(IDLScope::clash(a, b), 1);
  EXPECT_EQ(IDLScope::clash(a, a), 0);
  EXPECT_EQ(IDLScope::clash(a, c), 0);
  // Both built while M was current: same scope.
  EXPECT_EQ(IDLScope::clash(b, c), 1);
}

TEST(Scope, ReAddingTheSameDefinitionChangesNothing) {
  makeRootScope();
  IDLEnum* e = keep(new IDLEnum("e"));
  EXPECT_EQ(IDLScope::addToCurrentScope(e->name(), *e), 1);
  EXPECT_EQ(IDLScope::addToCurrentScope(e->name(), *e), 1);
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("e")), e);
}

// A name with a list keeps growing; an element already in it is not added
// again.
TEST(Scope, AddingToAListAppendsOnlyNewDefinitions) {
  IDLScope* root = makeRootScope();
  beginModule("M");
  IDLEnum* e1 = keep(new IDLEnum("e"));
  IDLEnum* e2 = keep(new IDLEnum("e"));
  IDLEnum* e3 = keep(new IDLEnum("e"));
  IDLScope::end(IDLScope::ST_MODULE);
  // Built inside M, added at the root: no clash between them.
  root->add(str("e"), *e1);
  root->add(str("e"), *list({e2, e1}));
  root->add(str("e"), *e3);
  NCOrderedCltn* value =
      static_cast<NCOrderedCltn*>(IDLScope::lookupInCurrentScope(str("e")));
  ASSERT_EQ(value->size(), 3u);
  EXPECT_EQ(value->at(0), e1);
  EXPECT_EQ(value->at(1), e2);
  EXPECT_EQ(value->at(2), e3);
}

TEST(Scope, AddingToTheCurrentScopeSetsTheDefinedInScope) {
  makeRootScope();
  IDLEnum* e = keep(new IDLEnum("e"));
  beginModule("M");
  EXPECT_EQ(e->definedInScope(), IDLScope::_root_scope);
  IDLScope::addToCurrentScope(e->name(), *e);
  EXPECT_EQ(e->definedInScope(), IDLScope::_current_scope);
}

// Lookup walks outward and stops at the nearest scope with the name.
TEST(Scope, LookupWalksOutward) {
  IDLScope* root = makeRootScope();
  IDLConstDcl* outerA = longConst("a", "1");
  IDLConstDcl* outerB = longConst("b", "2");
  beginModule("M");
  IDLScope* m = IDLScope::_current_scope;
  IDLConstDcl* innerB = longConst("b", "3");
  beginModule("N");
  IDLScope* n = IDLScope::_current_scope;

  EXPECT_EQ(IDLScope::lookupInScope(str("a"), n), outerA);
  EXPECT_EQ(IDLScope::getScopeForId(str("a"), n), root);
  EXPECT_EQ(IDLScope::lookupInScope(str("b"), n), innerB);
  EXPECT_EQ(IDLScope::getScopeForId(str("b"), n), m);
  EXPECT_EQ(IDLScope::lookupInScope(str("b"), root), outerB);
  // Only the current scope itself is asked here, and nothing is reported.
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("a")), nullptr);
  EXPECT_FALSE(IDLScope::identifierExists(str("a")));
  EXPECT_TRUE(IDLScope::identifierExistsInScope(str("a"), root));
}

TEST(Scope, ANameFoundNowhereIsReported) {
  makeRootScope();
  beginModule("M");
  EXPECT_EXIT(IDLScope::lookupInScope(str("nowhere"), IDLScope::_current_scope),
              ExitedWithCode(1), "Velmaric:  Symbol not found: nowhere \n");
  EXPECT_EXIT(IDLScope::getScopeForId(str("nowhere"), IDLScope::_current_scope),
              ExitedWithCode(1), "Symbol not found: nowhere");
}

TEST(Scope, ReplacingAnEntryNeedsAnExistingOne) {
  makeRootScope();
  IDLEnum* first = keep(new IDLEnum("x"));
  IDLEnum* second = keep(new IDLEnum("x"));
  IDLScope::addToCurrentScope(first->name(), *first);
  beginModule("M");
  IDLScope::end(IDLScope::ST_MODULE);
  EXPECT_EQ(IDLScope::replaceInCurrentScope(second->name(), *second), 1);
  EXPECT_EQ(IDLScope::lookupInCurrentScope(str("x")), second);
  EXPECT_EQ(second->definedInScope(), IDLScope::_root_scope);
  EXPECT_EXIT(IDLScope::replaceInCurrentScope(str("y"), *second),
              ExitedWithCode(1),
              "Velmaric:  Sanity: no definition when redefining: y \n");
}

// Object, TypeCode, Principal and Environment are forward-declared
// interfaces whose headers carry the qualified names.
TEST(Scope, PredefinedNamesAreForwardInterfaces) {
  IDLScope* root = makeRootScope();
  const char* names[][2] = {{"Object", "CORBA::Object"},
                            {"TypeCode", "CORBA::TypeCode"},
                            {"Principal", "CORBA::Principal"},
                            {"Environment", "CORBA::Environment"}};
  ASSERT_EQ(root->children()->size(), 4u);
  int i = 0;
  for (auto& n : names) {
    NCObject* value = IDLScope::lookupInCurrentScope(str(n[0]));
    ASSERT_NE(value, nullptr) << n[0];
    ASSERT_EQ(value->classInfo(), IDLInterface::desc());
    IDLInterface* iface = static_cast<IDLInterface*>(value);
    EXPECT_EQ(iface->interfaceType(), IDLInterface::IT_FORWARD);
    EXPECT_STREQ(iface->name().chars(), n[1]);
    EXPECT_STREQ(iface->fileName()->chars(), "%GLOBAL%");
    EXPECT_STREQ(iface->header()->fileName()->chars(), "%GLOBAL%");
    EXPECT_EQ(iface->header()->interface(), iface);
    IDLScope* s = iface->scope();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->scopeType(), IDLScope::ST_INTERFACE);
    EXPECT_STREQ(s->name()->chars(), n[0]);
    EXPECT_EQ(s->owner(), iface->header());
    EXPECT_EQ(root->children()->at(i++), s);
    EXPECT_EQ(iface->definedInScope(), root);
  }
  EXPECT_EQ(root->symbolTable()->size(), 4u);
}

TEST(Scope, UnnamedScopesAreNumberedFromOne) {
  NCString* first = keep(IDLScope::newUnnamedScope());
  NCString* second = keep(IDLScope::newUnnamedScope());
  EXPECT_STREQ(first->chars(), "_u_scope_%_1");
  EXPECT_STREQ(second->chars(), "_u_scope_%_2");
}

// ID and prefix texts lose one pair of surrounding quotes; a version is
// kept as given; the first ID or version recorded for a definition stays.
TEST(Scope, PragmasStripQuotesFromIdsOnly) {
  IDLScope* root = makeRootScope();
  IDLEnum* d = keep(new IDLEnum("d"));
  IDLEnum* other = keep(new IDLEnum("other"));
  EXPECT_EQ(root->pragmaID(d), nullptr);
  EXPECT_EQ(root->pragmaVersion(d), nullptr);
  root->addIDPragma(d, "\"IDL:acme/d:1.0\"");
  root->addIDPragma(d, "\"IDL:acme/d:2.0\"");
  root->addIDPragma(other, "plain\"");
  root->addVersionPragma(d, "\"1.1\"");
  root->addVersionPragma(d, "2.2");
  ASSERT_NE(root->pragmaID(d), nullptr);
  EXPECT_STREQ(root->pragmaID(d)->chars(), "IDL:acme/d:1.0");
  EXPECT_STREQ(root->pragmaID(other)->chars(), "plain");
  EXPECT_STREQ(root->pragmaVersion(d)->chars(), "\"1.1\"");
  EXPECT_STREQ(root->prefix().chars(), "");
  root->addPrefixPragma("\"acme\"");
  EXPECT_STREQ(root->prefix().chars(), "acme");
  root->addPrefixPragma("\"omg.org\"");
  EXPECT_STREQ(root->prefix().chars(), "omg.org");
}

// Registry lookups search the scope and then its ancestors.
TEST(Scope, RegistriesAreSearchedOutward) {
  IDLScope* root = makeRootScope();
  IDLSimpleDecl* seqDecl = keep(new IDLSimpleDecl("s"));
  IDLDefinition* arr = keep(new IDLDefinition(IDLDefinition::DEF_array_decl));
  root->addSequence(seqDecl);
  root->addArray(arr);
  beginModule("M");
  IDLScope* m = IDLScope::_current_scope;
  EXPECT_EQ(m->sequenceAt(seqDecl), seqDecl);
  EXPECT_TRUE(m->includesSequence(seqDecl));
  EXPECT_EQ(m->arrayAt(arr), arr);
  EXPECT_TRUE(m->includesArray(arr));
  IDLDefinition* stranger = keep(new IDLDefinition(IDLDefinition::DEF_module));
  EXPECT_EQ(m->arrayAt(stranger), nullptr);
  root->removeArray(arr);
  EXPECT_FALSE(m->includesArray(arr));
  root->removeSequence(seqDecl);
  EXPECT_EQ(m->sequenceAt(seqDecl), nullptr);
}

// Nodes without their own hash and compare are equal by kind, so a
// registry set holds one declarator of each kind.
TEST(Scope, RegistrySetsHoldOneDeclaratorPerKind) {
  IDLScope* root = makeRootScope();
  IDLSimpleDecl* a = keep(new IDLSimpleDecl("a"));
  IDLSimpleDecl* b = keep(new IDLSimpleDecl("b"));
  root->addSequence(a);
  root->addSequence(b);
  EXPECT_EQ(root->sequences()->size(), 1u);
  EXPECT_EQ(root->sequenceAt(b), a);
}

TEST(Scope, HashIsTheNameHash) {
  IDLScope* root = makeRootScope();
  EXPECT_EQ(root->hash(), NCString("root_scope").hash());
}
