// tests/frontend/GrammarTest.cc - the trees, scopes and registries the parse
// actions build, the paths no IDL text can reach, and robustness.
//
// The messages and line numbers of the errors are checked end to end by the
// parse_* cases of tests/cli; here the parser runs in process.

#include "frontend/IDLError.h"
#include "frontend/idl.tab.hh"
#include "nclib/NCDictionary.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCSet.h"
#include "nclib/NCStack.h"
#include "nclib/NCString.h"
#include "support/ParseIdl.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLConstDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLElement.h"
#include "tree/IDLException.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLRaisesExpr.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSpec.h"
#include "tree/IDLStringType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using idltest::lookup;
using idltest::parseIdl;
using ::testing::AnyOf;
using ::testing::Eq;
using ::testing::ExitedWithCode;
using ::testing::StartsWith;

// The entry of `name` in the symbol table of `scope`, or null.
NCObject* entry(IDLScope* scope, const char* name) {
  return scope->symbolTable()->atKey(NCString(name));
}

IDLDefinition* definitionAt(IDLSpec* spec, int i) {
  return static_cast<IDLDefinition*>(spec->definitions()->at(i));
}

// The report of `message` at `file`:`line`.
std::string deathMessage(const char* file, int line, const char* message) {
  return std::string("\nVelmaric:  Error in idl file ") + file +
         " at line number: " + std::to_string(line) +
         "\nVelmaric:  " + message + "\n";
}

TEST(Grammar, EmptyFileGivesAnEmptySpecification) {
  IDLSpec* spec = parseIdl("");
  ASSERT_NE(spec, nullptr);
  ASSERT_NE(spec->definitions(), nullptr);
  EXPECT_EQ(spec->definitions()->size(), 0u);
}

// The root scope is made once, with the predefined names; a second file
// adds to it and gets a specification of its own.
TEST(Grammar, LaterFilesShareTheRootScope) {
  IDLSpec* first = parseIdl("module M { };", "a.idl");
  IDLScope* root = IDLScope::_root_scope;
  ASSERT_NE(root, nullptr);
  EXPECT_STREQ(root->name()->chars(), "root_scope");
  for (const char* name : {"Object", "TypeCode", "Principal", "Environment"})
    EXPECT_NE(entry(root, name), nullptr) << name;

  // Only the tree of the file being compiled is held by IDLSpec.
  static IDLSpec* const kept = first;
  IDLSpec* second = parseIdl("const long k = 1;", "b.idl");
  EXPECT_EQ(kept, first);
  EXPECT_EQ(IDLScope::_root_scope, root);
  EXPECT_EQ(IDLScope::_current_scope, root);
  EXPECT_NE(second, first);
  EXPECT_EQ(IDLSpec::specification, second);
  EXPECT_NE(entry(root, "M"), nullptr);
  EXPECT_NE(entry(root, "k"), nullptr);
  EXPECT_EQ(second->definitions()->size(), 1u);
}

TEST(Grammar, FullDefinitionReplacesTheForwardDeclaration) {
  IDLSpec* spec = parseIdl("interface A; interface A { };");
  ASSERT_EQ(spec->definitions()->size(), 2u);
  auto* forward = static_cast<IDLInterface*>(definitionAt(spec, 0));
  auto* full = static_cast<IDLInterface*>(definitionAt(spec, 1));
  EXPECT_EQ(forward->interfaceType(), IDLInterface::IT_FORWARD);
  EXPECT_EQ(forward->body(), nullptr);
  EXPECT_EQ(full->interfaceType(), IDLInterface::IT_FULL);
  EXPECT_EQ(full->header()->interface(), full);
  EXPECT_EQ(full->header()->refersToEarlier(), 1);
  EXPECT_EQ(entry(IDLScope::_root_scope, "A"), full->header());
}

TEST(Grammar, ForwardDeclarationAfterTheDefinitionAddsNothing) {
  IDLSpec* spec = parseIdl("interface A { }; interface A;");
  ASSERT_EQ(spec->definitions()->size(), 1u);
  auto* full = static_cast<IDLInterface*>(definitionAt(spec, 0));
  EXPECT_EQ(entry(IDLScope::_root_scope, "A"), full->header());
}

TEST(Grammar, RepeatedForwardDeclarationKeepsTheFirstEntry) {
  IDLSpec* spec = parseIdl("interface A; interface A;");
  ASSERT_EQ(spec->definitions()->size(), 2u);
  auto* first = static_cast<IDLInterface*>(definitionAt(spec, 0));
  auto* second = static_cast<IDLInterface*>(definitionAt(spec, 1));
  EXPECT_EQ(entry(IDLScope::_root_scope, "A"), first);
  EXPECT_EQ(first->header()->refersToEarlier(), 0);
  EXPECT_EQ(second->header()->refersToEarlier(), 1);
  // Each forward declaration gets an interface scope of its own.
  EXPECT_NE(first->scope(), nullptr);
  EXPECT_NE(second->scope(), first->scope());
}

// The exports follow the definitions imported from the bases.
TEST(Grammar, InterfaceBodyHoldsImportsBeforeExports) {
  parseIdl("interface A { void f(); }; interface B : A { void g(); };");
  auto* header = static_cast<IDLInterfaceHeader*>(lookup("B"));
  NCOrderedCltn* body = header->interface()->body();
  ASSERT_EQ(body->size(), 2u);
  EXPECT_STREQ(static_cast<IDLDefinition*>(body->at(0))->name().chars(), "f");
  EXPECT_STREQ(static_cast<IDLDefinition*>(body->at(1))->name().chars(), "g");
  EXPECT_EQ(header->inheritance()->size(), 1u);
}

TEST(Grammar, AttributeNamesWithoutCommaDeclareOneAttributeEach) {
  parseIdl("interface I { readonly attribute long a b; };");
  IDLScope* scope = lookup("I")->scope();
  auto* attr = static_cast<IDLAttrDcl*>(entry(scope, "a"));
  ASSERT_NE(attr, nullptr);
  EXPECT_EQ(entry(scope, "b"), attr);
  EXPECT_STREQ(attr->readonly().chars(), "readonly");
  EXPECT_EQ(attr->declarators()->size(), 2u);
}

// A leading "::" is dropped: ::A::B is looked up from the current scope
// outward, so it finds M::A::B before the global A::B.
TEST(Grammar, LeadingDoubleColonLooksUpFromTheCurrentScope) {
  parseIdl("module A { typedef long B; };\n"
           "module M { module A { typedef short B; };\n"
           "  typedef ::A::B T; typedef A::B U; };");
  auto* t = static_cast<IDLTypeDecl*>(lookup("M::T"));
  auto* u = static_cast<IDLTypeDecl*>(lookup("M::U"));
  auto* tName = static_cast<IDLScopedName*>(t->typeSpec());
  auto* uName = static_cast<IDLScopedName*>(u->typeSpec());
  EXPECT_EQ(tName->resolvedDefinition(), lookup("M::A::B"));
  EXPECT_EQ(tName->resolvedDefinition(), uName->resolvedDefinition());
  EXPECT_EQ(tName->components()->size(), 2u);
}

TEST(Grammar, NamedConstructsEnterTheirDictionariesAndOpenScopes) {
  parseIdl("module M {\n"
           "  struct S { struct Inner { long x; } i; };\n"
           "  union U switch (long) { case 1: long a; default: short b; };\n"
           "};");
  auto* module = static_cast<IDLModule*>(lookup("M"));
  auto* structure = static_cast<IDLStructure*>(lookup("M::S"));
  auto* inner = static_cast<IDLStructure*>(lookup("M::S::Inner"));
  auto* unionNode = static_cast<IDLUnion*>(lookup("M::U"));
  EXPECT_EQ(IDLModule::_moduleDict.atKey(NCString("M")), module);
  EXPECT_EQ(IDLStructure::_structDict.atKey(NCString("S")), structure);
  EXPECT_EQ(IDLUnion::_unionDict.atKey(NCString("U")), unionNode);
  EXPECT_EQ(module->scope()->scopeType(), IDLScope::ST_MODULE);
  EXPECT_EQ(module->scope()->owner(), module);
  EXPECT_EQ(structure->scope()->parent(), module->scope());
  // The inner structure is reduced, scope and all, inside the outer one.
  EXPECT_EQ(inner->scope()->parent(), structure->scope());
  EXPECT_EQ(unionNode->scope()->scopeType(), IDLScope::ST_UNION);
  EXPECT_EQ(unionNode->cases()->size(), 2u);
  EXPECT_EQ(module->definitions()->size(), 2u);
}

// Parameters live in an unnamed scope inside the operation's scope; an
// operation without parameters opens none.
TEST(Grammar, ParametersLiveInAnUnnamedScope) {
  parseIdl("interface I { void none(); long f(in long x, out string y); };");
  auto* op = static_cast<IDLOpDcl*>(lookup("I::f"));
  ASSERT_EQ(op->scope()->children()->size(), 1u);
  auto* params = static_cast<IDLScope*>(op->scope()->children()->at(0));
  EXPECT_STREQ(params->name()->chars(), "_u_scope_%_1");
  EXPECT_EQ(params->scopeType(), IDLScope::ST_PARAM_LIST);
  EXPECT_EQ(params->owner()->kind(), IDLDefinition::DEF_unnamed_scope);
  EXPECT_EQ(params->owner()->scope(), params);
  EXPECT_NE(entry(params, "x"), nullptr);
  EXPECT_NE(entry(params, "y"), nullptr);
  EXPECT_EQ(IDLScope::_unnamedScopeNumber, 1);

  auto* none = static_cast<IDLOpDcl*>(lookup("I::none"));
  EXPECT_EQ(none->scope()->children()->size(), 0u);
  ASSERT_NE(none->parameters(), nullptr);
  EXPECT_EQ(none->parameters()->size(), 0u);
  EXPECT_STREQ(
      static_cast<IDLParamDcl*>(op->parameters()->at(1))->direction().chars(),
      "out");
}

TEST(Grammar, AbsentClausesGiveNodesWithoutList) {
  parseIdl("exception E { };\n"
           "interface I { oneway void f(); void g() raises (E) context "
           "(\"a\", \"b*\"); };");
  auto* f = static_cast<IDLOpDcl*>(lookup("I::f"));
  auto* g = static_cast<IDLOpDcl*>(lookup("I::g"));
  EXPECT_STREQ(f->oneway().chars(), "oneway");
  EXPECT_STREQ(g->oneway().chars(), "");
  ASSERT_NE(f->raises(), nullptr);
  ASSERT_NE(f->context(), nullptr);
  EXPECT_EQ(f->raises()->exceptions(), nullptr);
  EXPECT_EQ(f->context()->names(), nullptr);
  ASSERT_NE(g->raises()->exceptions(), nullptr);
  EXPECT_EQ(g->raises()->exceptions()->size(), 1u);
  ASSERT_NE(g->context()->names(), nullptr);
  EXPECT_EQ(g->context()->names()->size(), 2u);
  EXPECT_STREQ(
      static_cast<IDLDefinition*>(g->context()->names()->at(1))->name().chars(),
      "\"b*\"");
}

TEST(Grammar, ExceptionWithoutMembersHasNoMemberList) {
  parseIdl("exception Empty { }; exception Full { long code; };");
  EXPECT_EQ(static_cast<IDLException*>(lookup("Empty"))->members(), nullptr);
  EXPECT_EQ(static_cast<IDLException*>(lookup("Full"))->members()->size(), 1u);
}

// Variable length passes from a type to whatever is built of it; fixed
// types stay fixed.
TEST(Grammar, VariableLengthIsPassedOutward) {
  parseIdl("struct Fixed { long a; double b[2]; };\n"
           "struct Var { long a; string s; };\n"
           "typedef string Names[3];\n"
           "typedef sequence<long> Longs;\n"
           "typedef sequence<string> Strings;\n"
           "union FixedU switch (long) { case 1: long a; };\n"
           "union VarU switch (long) { case 1: long a; case 2: Var v; };\n"
           "interface I { };\n"
           "struct HoldsRef { I ref; };\n"
           "struct VarArray { string texts[2]; long n; };\n"
           "union VarArrayU switch (long) { case 1: string texts[2]; };");
  EXPECT_EQ(lookup("Fixed")->fixedLength(), 1);
  EXPECT_EQ(lookup("Var")->fixedLength(), 0);
  // A typedef'd array is entered under its own name.
  auto* names = static_cast<IDLArrayDecl*>(lookup("Names"));
  EXPECT_EQ(names->kind(), IDLDefinition::DEF_array_decl);
  EXPECT_EQ(names->fixedLength(), 0);
  auto* longs = static_cast<IDLTypeDecl*>(lookup("Longs"));
  auto* strings = static_cast<IDLTypeDecl*>(lookup("Strings"));
  EXPECT_EQ(longs->typeSpec()->fixedLength(), 1);
  EXPECT_EQ(strings->typeSpec()->fixedLength(), 0);
  EXPECT_EQ(strings->fixedLength(), 0);
  EXPECT_EQ(lookup("FixedU")->fixedLength(), 1);
  EXPECT_EQ(lookup("VarU")->fixedLength(), 0);
  EXPECT_EQ(lookup("HoldsRef")->fixedLength(), 0);
  // An array of a variable-length type is variable itself, in a member as
  // in a union element; a fixed member beside it stays fixed.
  auto* texts = static_cast<IDLMember*>(lookup("VarArray::texts"));
  EXPECT_EQ(texts->fixedLength(), 0);
  EXPECT_EQ(
      static_cast<IDLDefinition*>(texts->declarators()->at(0))->fixedLength(),
      0);
  EXPECT_EQ(lookup("VarArray::n")->fixedLength(), 1);
  EXPECT_EQ(lookup("VarArray")->fixedLength(), 0);
  auto* element = static_cast<IDLElement*>(lookup("VarArrayU::texts"));
  EXPECT_EQ(element->fixedLength(), 0);
  EXPECT_EQ(element->declarator()->fixedLength(), 0);
  EXPECT_EQ(lookup("VarArrayU")->fixedLength(), 0);
}

TEST(Grammar, RegistriesOfTheCurrentScope) {
  parseIdl("module M {\n"
           "  const long k = (1 + 2) * 4;\n"
           "  typedef string<8> Short;\n"
           "  typedef string Long;\n"
           "  typedef long Grid[2][3];\n"
           "  typedef sequence<long> Seq;\n"
           "};");
  IDLScope* scope = lookup("M")->scope();
  auto* k = static_cast<IDLConstDcl*>(lookup("M::k"));
  EXPECT_EQ(k->getInt(), 12);
  ASSERT_EQ(scope->constants()->size(), 1u);
  EXPECT_EQ(scope->constants()->at(0), k);
  // Only the bounded string is registered; every string type belongs to
  // the root scope.
  ASSERT_EQ(scope->strings()->size(), 1u);
  auto* bounded = static_cast<IDLStringType*>(scope->strings()->at(0));
  EXPECT_NE(bounded->bound(), nullptr);
  EXPECT_EQ(bounded->definedInScope(), IDLScope::_root_scope);
  auto* grid = static_cast<IDLArrayDecl*>(lookup("M::Grid"));
  EXPECT_EQ(grid->dimensions()->size(), 2u);
  EXPECT_EQ(scope->arrays()->size(), 1u);
  EXPECT_EQ(scope->arrays()->occurrencesOf(*grid), 1u);
  auto* seq = static_cast<IDLTypeDecl*>(lookup("M::Seq"));
  EXPECT_EQ(seq->typeSpec()->definedInScope(), scope);
  EXPECT_EQ(scope->sequences()->size(), 1u);
}

TEST(Grammar, PragmasAreRecordedInTheCurrentScope) {
  parseIdl("#pragma prefix \"example.com\"\n"
           "module M {\n"
           "  interface I { };\n"
           "#pragma ID I \"IDL:M/I:1.0\"\n"
           "#pragma version I 1.1\n"
           "#pragma prefix \"m\"\n"
           "};\n"
           "#pragma ID M \"IDL:M:2.0\"\n");
  IDLScope* root = IDLScope::_root_scope;
  IDLScope* module = lookup("M")->scope();
  IDLDefinition* i = lookup("M::I");
  EXPECT_STREQ(root->prefix().chars(), "example.com");
  EXPECT_STREQ(module->prefix().chars(), "m");
  ASSERT_NE(module->pragmaID(i), nullptr);
  EXPECT_STREQ(module->pragmaID(i)->chars(), "IDL:M/I:1.0");
  ASSERT_NE(module->pragmaVersion(i), nullptr);
  EXPECT_STREQ(module->pragmaVersion(i)->chars(), "1.1");
  ASSERT_NE(root->pragmaID(lookup("M")), nullptr);
  EXPECT_STREQ(root->pragmaID(lookup("M"))->chars(), "IDL:M:2.0");
  EXPECT_EQ(IDLSpec::specification->definitions()->size(), 1u);
}

// No IDL text can bind a module-level name to several definitions, so the
// list is put there by hand.
TEST(GrammarDeathTest, NameHoldingSeveralDefinitionsIsAmbiguous) {
  parseIdl("const long A = 1;");
  NCOrderedCltn* several = new NCOrderedCltn(16);
  several->add(*lookup("A"));
  IDLScope::_root_scope->symbolTable()->removeKey(NCString("A"));
  IDLScope::_root_scope->symbolTable()->addAssoc(*new NCString("A"), *several);
  EXPECT_EXIT(parseIdl("interface A;", "b.idl"), ExitedWithCode(1),
              Eq(deathMessage("b.idl", 1, "ambiguous reference")));
  EXPECT_EXIT(parseIdl("\ninterface A { };", "b.idl"), ExitedWithCode(1),
              Eq(deathMessage("b.idl", 2, "ambiguous reference")));
}

// Only an interface read back from an object stream carries the mark.
TEST(GrammarDeathTest, PseudoObjectCannotBeDerivedFrom) {
  parseIdl("interface P { };");
  static_cast<IDLInterfaceHeader*>(lookup("P"))
      ->interface()
      ->setPseudoObject(1);
  EXPECT_EXIT(
      parseIdl("interface Q : P { };", "b.idl"), ExitedWithCode(1),
      Eq(deathMessage("b.idl", 1, "Cannot derive from a psuedo Object: P")));
}

// A state outside the message table is reported by yyerror itself; the
// error rule then reports nothing and the parse goes on.
TEST(Grammar, ErrorRuleReportsAStateOutsideTheTable) {
  IDLError::_errorState = static_cast<IDLError::ErrorState>(99);
  testing::internal::CaptureStderr();
  IDLSpec* spec = parseIdl("}");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Velmaric error: syntax error");
  EXPECT_EQ(IDLError::_errorCount, 0);
  EXPECT_EQ(spec->definitions()->size(), 0u);
}

// When the stacks cannot grow any more the parser gives up with "yacc stack
// overflow"; with a state in the table that reports the state and ends the
// run instead. The parse is abandoned with the file's definition list on its
// stack, so the child leaves without the leak check.
TEST(GrammarDeathTest, StackOverflowIsCalledYaccStackOverflow) {
  std::string deep = "typedef string<" + std::string(20000, '(') + "1" +
                     std::string(20000, ')') + "> S;";
  EXPECT_EXIT(
      {
        IDLError::_errorState = static_cast<IDLError::ErrorState>(99);
        parseIdl(deep);
        std::_Exit(0);
      },
      ExitedWithCode(0), Eq("Velmaric error: yacc stack overflow"));
}

TEST(Grammar, StacksGrowForDeepNesting) {
  std::string deep = "const long x = " + std::string(9000, '(') + "6" +
                     std::string(9000, ')') + " * 7;";
  parseIdl(deep);
  EXPECT_EQ(lookup("x")->getInt(), 42);
}

// The example of the distribution uses every construct; it parses whole.
TEST(Grammar, TradingExampleParses) {
  std::ifstream in(VELMARIC_EXAMPLES_DIR "/trading.idl");
  ASSERT_TRUE(in) << "cannot read the example";
  std::stringstream text;
  text << in.rdbuf();
  IDLSpec* spec = parseIdl(text.str(), "trading.idl");
  // Common, Market, Orders, Clearing, and Console declared, then defined.
  ASSERT_EQ(spec->definitions()->size(), 6u);
  auto* exchange = static_cast<IDLInterfaceHeader*>(lookup("Orders::Exchange"));
  EXPECT_EQ(exchange->inheritance()->size(), 2u);
  EXPECT_NE(entry(exchange->scope(), "submit"), nullptr);
  EXPECT_EQ(IDLScope::_current_scope, IDLScope::_root_scope);
}

// --------------------------------------------------------------- robustness

// Text the mutations below start from: every construct once.
const char* const sampleIdl = R"(#pragma prefix "example.com"
module Shop {
  typedef sequence<string, 10> Names;
  typedef long Grid[2][3];
  const long Size = (1 + 2) * 3 << 1;
  const string Label = "shop";
  const boolean On = TRUE;
  const char C = 'x';
  const float Rate = 1.5;
  enum Colour { red, green, blue };
  struct Item { string name; Colour colour; unsigned short count; };
  union Value switch (long) { case 1: case 2: long l; default: Item i; };
  exception Failed { string reason; };
  exception Empty { };
  interface Base;
  interface Base { readonly attribute Names names; };
  interface Store : Base {
    attribute any extra other;
    oneway void ping();
    Item find(in string name, out Value v, inout octet o)
      raises (Failed, Empty) context ("a", "b");
  };
#pragma ID Store "IDL:Shop/Store:1.0"
#pragma version Store 1.1
};
)";

// Splits `text` into tokens at blanks and around punctuation.
std::vector<std::string> tokensOf(const std::string& text) {
  std::vector<std::string> tokens;
  std::string current;
  auto flush = [&] {
    if (!current.empty())
      tokens.push_back(current);
    current.clear();
  };
  for (char c : text) {
    if (c == ' ' || c == '\n') {
      flush();
    } else if (std::string("{};:,()<>[]=+*").find(c) != std::string::npos) {
      flush();
      tokens.push_back(std::string(1, c));
    } else {
      current += c;
    }
  }
  flush();
  return tokens;
}

// The sample with one to three tokens dropped, doubled, swapped with the
// next or replaced by another token of the sample, chosen by `seed`.
std::string mutation(const std::vector<std::string>& tokens,
                     std::uint32_t seed) {
  std::uint32_t state = seed * 2654435761u + 12345u;
  auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return state >> 8;
  };
  std::vector<std::string> t = tokens;
  for (std::uint32_t n = 1 + next() % 3; n > 0; --n) {
    std::size_t at = next() % t.size();
    switch (next() % 4) {
    case 0:
      t.erase(t.begin() + static_cast<long>(at));
      break;
    case 1:
      t.insert(t.begin() + static_cast<long>(at), t[at]);
      break;
    case 2:
      if (at + 1 < t.size())
        std::swap(t[at], t[at + 1]);
      break;
    default:
      t[at] = tokens[next() % tokens.size()];
      break;
    }
  }
  std::string text;
  for (const std::string& token : t)
    text += token + "\n";
  return text;
}

bool exitedWithZeroOrOne(int status) {
  return WIFEXITED(status) &&
         (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 1);
}

// Whatever is wrong with the input, the parse either succeeds silently or
// ends with a positioned message and status 1; it never crashes or hangs.
TEST(GrammarDeathTest, DamagedInputEndsInAMessageOrSucceeds) {
  std::vector<std::string> tokens = tokensOf(sampleIdl);
  ASSERT_GT(tokens.size(), 100u);
  for (std::uint32_t seed = 0; seed < 400; ++seed) {
    std::string text = mutation(tokens, seed);
    EXPECT_EXIT(
        {
          parseIdl(text);
          std::exit(0);
        },
        exitedWithZeroOrOne,
        AnyOf(Eq(""), StartsWith("\nVelmaric:  Error in idl file ")))
        << "seed " << seed << ":\n"
        << text;
  }
}

} // namespace
