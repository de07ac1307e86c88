// tests/generate/TypeNamingTest.cc - C++ type names, parameter passing,
// repository identifiers, base closures and sequence class names.
//
// Most cases parse a small IDL text and name the types its parameters,
// results and typedefs refer to, as the emitters do.

#include "frontend/ConstExpr.h"
#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "support/ParseIdl.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLConstDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;

namespace {

std::string textOf(const std::function<void(std::ostream&)>& write) {
  std::ostringstream os;
  write(os);
  return os.str();
}

std::string ownNameOf(IDLDefinition* node) {
  return textOf([&](std::ostream& os) { node->unscopedName(os); });
}

std::string scopedNameOf(IDLDefinition* type) {
  return textOf([&](std::ostream& os) { Generator::scopedName(os, type); });
}

std::string repositoryIdOf(IDLDefinition* def) {
  return textOf(
      [&](std::ostream& os) { Generator::printRepositoryId(os, def); });
}

std::string sequenceName(const char* element, int bound) {
  NCString* name = Generator::makeSequenceName(element, bound);
  std::string text = name->chars();
  delete name;
  return text;
}

IDLOpDcl* operation(const char* name) {
  return static_cast<IDLOpDcl*>(lookup(name));
}

std::vector<IDLParamDcl*> paramsOf(const char* opName) {
  std::vector<IDLParamDcl*> params;
  NCOrderedCltn* list = operation(opName)->parameters();
  for (unsigned i = 0; list && i < list->size(); ++i)
    params.push_back(static_cast<IDLParamDcl*>(list->at(i)));
  return params;
}

// The type a typedef names (the sequence of "typedef sequence<...> N").
IDLDefinition* typedefType(const char* name) {
  return static_cast<IDLTypeDecl*>(lookup(name))->typeSpec();
}

IDLInterface* interfaceNamed(const char* name) {
  return static_cast<IDLInterfaceHeader*>(lookup(name))->interface();
}

} // namespace

// Primitive types take the runtime's typedef names; unsigned char, which IDL
// does not have, shares octet's; a name without a C++ type writes nothing.
TEST(TypeNaming, PrimitiveTypesTakeTheRuntimeNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"short", "CORBA::Short"},
      {"long", "CORBA::Long"},
      {"unsigned short", "CORBA::UShort"},
      {"unsigned long", "CORBA::ULong"},
      {"char", "CORBA::Char"},
      {"unsigned char", "CORBA::Octet"},
      {"float", "CORBA::Float"},
      {"double", "CORBA::Double"},
      {"boolean", "CORBA::Boolean"},
      {"octet", "CORBA::Octet"},
      {"any", "CORBA::Any"},
      {"void", "void"},
      {"long double", ""},
  };
  for (const auto& c : cases) {
    IDLPrimType t(c.first, IDLDefinition::DEF_long);
    EXPECT_EQ(ownNameOf(&t), c.second) << c.first;
  }
}

// Expressions name their value, booleans as 1 and 0; a name of a numeric
// constant stands for the constant's value, any other name for the name.
TEST(TypeNaming, ExpressionsAndConstantNamesWriteTheirValues) {
  parseIdl("const long SIZE = 7;\n"
           "const double RATIO = 1.5;\n"
           "const boolean FLAG = TRUE;\n"
           "const boolean NOFLAG = FALSE;\n"
           "const char LETTER = 'a';\n"
           "const long SUM = 0x10 + 1;\n"
           "const float QUOTIENT = 1.0 / 0.5;\n"
           "const float NEGATIVE = -2.5;\n"
           "const long SIZE2 = SIZE;\n"
           "const double RATIO2 = RATIO;\n"
           "const boolean FLAG2 = FLAG;\n"
           "typedef sequence<long, SIZE> BySize;\n"
           "typedef sequence<long, (SIZE)> Parenthesized;\n");
  auto valueOf = [](const char* name) {
    return ownNameOf(static_cast<IDLConstDcl*>(lookup(name))->value());
  };
  EXPECT_EQ(valueOf("FLAG"), "1");
  EXPECT_EQ(valueOf("NOFLAG"), "0");
  EXPECT_EQ(valueOf("LETTER"), "'a'");
  EXPECT_EQ(valueOf("SUM"), "17");
  EXPECT_EQ(valueOf("QUOTIENT"), "2");
  EXPECT_EQ(valueOf("NEGATIVE"), "-2.5");
  EXPECT_EQ(valueOf("SIZE2"), "7");
  EXPECT_EQ(valueOf("RATIO2"), "1.5");
  EXPECT_EQ(valueOf("FLAG2"), "FLAG");

  auto boundOf = [](const char* name) {
    return ownNameOf(static_cast<IDLSequenceType*>(typedefType(name))->bound());
  };
  EXPECT_EQ(boundOf("BySize"), "7");
  EXPECT_EQ(boundOf("Parenthesized"), "7");
}

// Named nodes write their name; strings are char pointers; an anonymous
// sequence goes by its element's qualified name.
TEST(TypeNaming, TypesWriteTheirInnermostNames) {
  parseIdl("module M { struct S { long a; }; };\n"
           "interface I { void op(in long x); };\n"
           "typedef sequence<M::S> SSeq;\n"
           "typedef sequence<long> LSeq;\n"
           "typedef sequence<sequence<long> > LSeqSeq;\n"
           "typedef string Str;\n");
  EXPECT_EQ(ownNameOf(lookup("M")), "M");
  EXPECT_EQ(ownNameOf(lookup("M::S")), "S");
  EXPECT_EQ(ownNameOf(lookup("I")), "I");
  EXPECT_EQ(ownNameOf(interfaceNamed("I")), "I");
  EXPECT_EQ(ownNameOf(lookup("I::op")), "op");
  EXPECT_EQ(ownNameOf(paramsOf("I::op")[0]->declarator()), "x");
  EXPECT_EQ(ownNameOf(paramsOf("I::op")[0]), "");
  EXPECT_EQ(ownNameOf(typedefType("Str")), "char *");
  EXPECT_EQ(ownNameOf(typedefType("SSeq")), "M::S");
  EXPECT_EQ(ownNameOf(typedefType("LSeq")), "CORBA::Long");
  EXPECT_EQ(ownNameOf(typedefType("LSeqSeq")), "CORBA::Long");
}

// Array elements of string and interface type are held in holder classes.
TEST(TypeNaming, ArrayElementsOfStringsAndInterfacesAreHolders) {
  parseIdl("module M { interface A { }; };\n"
           "struct H { string names[2]; M::A refs[2]; long n[2];\n"
           "           M::A ref; };\n");
  NCOrderedCltn* members = static_cast<IDLStructure*>(lookup("H"))->members();
  auto member = [&](unsigned i) {
    IDLMember* m = static_cast<IDLMember*>(members->at(i));
    return std::make_pair(m->typeSpec(),
                          static_cast<IDLDefinition*>(m->declarators()->at(0)));
  };
  using Writer = void (*)(std::ostream&, IDLDefinition*, IDLDefinition*);
  auto with = [&](Writer write, unsigned i) {
    return textOf([&](std::ostream& os) {
      write(os, member(i).first, member(i).second);
    });
  };
  EXPECT_EQ(with(Generator::unscopedName, 0), "CORBA::String_var");
  EXPECT_EQ(with(Generator::unscopedName, 1), "A_var");
  EXPECT_EQ(with(Generator::unscopedName, 2), "CORBA::Long");
  EXPECT_EQ(with(Generator::unscopedName, 3), "A");
  EXPECT_EQ(with(Generator::printScopedType, 0), "CORBA::String_var");
  EXPECT_EQ(with(Generator::printScopedType, 1), "M::A_var");
  EXPECT_EQ(with(Generator::printType, 1), "A_var");
  EXPECT_EQ(with(Generator::printType, 2), "CORBA::Long");
  EXPECT_EQ(with(Generator::printType, 3), "A*");
}

// Interfaces, modules, structs, unions and exceptions qualify the names
// declared in them, operations do not; names that already hold a colon are
// left alone.
TEST(TypeNaming, ScopedNamesFollowTheNamingScopes) {
  parseIdl("module M {\n"
           "  interface I {\n"
           "    struct S { long a; };\n"
           "    exception X { long code; };\n"
           "  };\n"
           "  union U switch (long) { case 1: struct In { long b; } c; };\n"
           "};\n"
           "struct G { long b; };\n");
  EXPECT_EQ(scopedNameOf(lookup("M::I::S")), "M::I::S");
  EXPECT_EQ(scopedNameOf(lookup("M::I::X")), "M::I::X");
  EXPECT_EQ(scopedNameOf(lookup("M::U::In")), "M::U::In");
  EXPECT_EQ(scopedNameOf(lookup("G")), "G");
  EXPECT_EQ(scopedNameOf(lookup("Object")), "CORBA::Object");
  EXPECT_EQ(textOf([&](std::ostream& os) {
              Generator::scopedName(os, lookup("M::I::S"), nullptr, "_sk_");
            }),
            "_sk_M::_sk_I::S");
  EXPECT_EQ(textOf([&](std::ostream& os) {
              Generator::printScope(os, lookup("M::I"), "_sk_");
            }),
            "_sk_M::");
  EXPECT_EQ(textOf([&](std::ostream& os) {
              Generator::printScope(os, lookup("G"), "_sk_");
            }),
            "");
}

// Once its class has been declared, a sequence goes by the class name,
// qualified by its own scope unless its element name already was.
TEST(TypeNaming, DeclaredSequenceGoesByItsClassName) {
  parseIdl("struct S { long a; };\n"
           "interface I {\n"
           "  typedef sequence<S> SSeq;\n"
           "  typedef sequence<long> LSeq;\n"
           "};\n");
  IDLSequenceType* ofS = static_cast<IDLSequenceType*>(typedefType("I::SSeq"));
  IDLSequenceType* ofLong =
      static_cast<IDLSequenceType*>(typedefType("I::LSeq"));
  EXPECT_EQ(scopedNameOf(ofS), "I::S");
  EXPECT_EQ(scopedNameOf(ofLong), "CORBA::Long");
  ofS->setDeclared(1);
  ofS->setClassName("CORBA_sequence_S");
  ofLong->setDeclared(1);
  ofLong->setClassName("CORBA_sequence_Long");
  EXPECT_EQ(scopedNameOf(ofS), "I::CORBA_sequence_S");
  EXPECT_EQ(scopedNameOf(ofLong), "CORBA_sequence_Long");
}

const char* const mappingTypes =
    "module M {\n"
    "  interface A { };\n"
    "  enum E { X, Y };\n"
    "  typedef sequence<long> LongSeq;\n"
    "  typedef long Fixed[3];\n"
    "  typedef string Var[2];\n"
    "  typedef short Named[4];\n"
    "  typedef string NamedVar[5];\n"
    "  typedef string Str;\n"
    "};\n"
    "struct S { long a; };\n"
    "struct V { string s; };\n"
    "union U switch (long) { case 1: long a; };\n"
    "union W switch (long) { case 1: string s; };\n";

// Every row of the parameter passing table, with its exact decorations, for
// the parameters as the parser builds them. An array whose class has been
// declared goes by the class name.
TEST(TypeNaming, ParameterTypesFollowTheMappingTable) {
  parseIdl(std::string(mappingTypes) +
           "interface T {\n"
           "  void f(in long p0, in M::E p1, in M::A p2, in Object p3,\n"
           "         in string p4, in S p5, in V p6, in U p7, in W p8,\n"
           "         in M::LongSeq p9, in any p10, in M::Fixed p11,\n"
           "         in M::Var p12, in M::Named p13, in M::NamedVar p14,\n"
           "         in M::Str p15);\n"
           "};\n");
  IDLArrayDecl* named = static_cast<IDLArrayDecl*>(lookup("M::Named"));
  named->setDeclared(1);
  named->setClassName("NamedClass");
  IDLArrayDecl* namedVar = static_cast<IDLArrayDecl*>(lookup("M::NamedVar"));
  namedVar->setDeclared(1);
  namedVar->setClassName("NamedVarClass");

  struct Row {
    const char* in;
    const char* inout;
    const char* out;
    const char* ret;
  };
  // clang-format off
  const Row rows[] = {
      {"CORBA::Long", "CORBA::Long&", "CORBA::Long&", "CORBA::Long"},
      {"M::E", "M::E&", "M::E&", "M::E"},
      {"M::A_ptr", "M::A_ptr&", "M::A_ptr&", "M::A_ptr"},
      {"CORBA::Object_ptr", "CORBA::Object_ptr&", "CORBA::Object_ptr&", "CORBA::Object_ptr"},
      {"const char *", "char *&", "char *&", "char *"},
      {"const S&", "S&", "S&", "S"},
      {"const V&", "V&", "V *&", "V *"},
      {"const U&", "U&", "U&", "U"},
      {"const W&", "W&", "W *&", "W *"},
      {"const M::LongSeq&", "M::LongSeq&", "M::LongSeq *&", "M::LongSeq *"},
      {"const CORBA::Any&", "CORBA::Any&", "CORBA::Any *&", "CORBA::Any *"},
      {"const M::Fixed", "M::Fixed", "M::Fixed", "M::Fixed_slice *"},
      {"const M::Var", "M::Var", "M::Var_slice *&", "M::Var_slice *"},
      {"const M::NamedClass", "M::NamedClass", "M::NamedClass", "M::NamedClass_slice *"},
      {"const M::NamedVarClass", "M::NamedVarClass", "M::NamedVarClass_slice *&", "M::NamedVarClass_slice *"},
      {"const char *", "char *&", "char *&", "char *"},
  };
  // clang-format on
  std::vector<IDLParamDcl*> params = paramsOf("T::f");
  ASSERT_EQ(params.size(), sizeof rows / sizeof rows[0]);
  for (unsigned i = 0; i < params.size(); ++i) {
    auto typeFor = [&](const char* direction) {
      return textOf([&](std::ostream& os) {
        Generator::printParamType(os, params[i]->typeSpec(),
                                  params[i]->declarator(), direction);
      });
    };
    EXPECT_EQ(typeFor("in"), rows[i].in) << "p" << i;
    EXPECT_EQ(typeFor("inout"), rows[i].inout) << "p" << i;
    EXPECT_EQ(typeFor("out"), rows[i].out) << "p" << i;
    EXPECT_EQ(typeFor("return"), rows[i].ret) << "p" << i;
    EXPECT_EQ(textOf([&](std::ostream& os) {
                Generator::printReturnType(os, params[i]->typeSpec());
              }),
              rows[i].ret)
        << "p" << i;
  }
}

// Which results travel as pointers, for the directions in, inout, out and
// return, and the qualified result types built on that.
TEST(TypeNaming, PointerResultsAndScopedReturnTypes) {
  parseIdl(std::string(mappingTypes) +
           "interface T {\n"
           "  long r0(); M::A r1(); string r2(); M::Str r3();\n"
           "  M::LongSeq r4(); any r5(); S r6(); V r7(); U r8(); W r9();\n"
           "  M::Fixed r10(); M::Var r11(); M::E r12(); void r13();\n"
           "  void f(in V v, out S s);\n"
           "};\n");
  struct Row {
    const char* op;
    const char* pointers; // in, inout, out, return
    const char* scopedReturn;
  };
  const Row rows[] = {
      {"T::r0", "0000", "CORBA::Long"},
      {"T::r1", "1111", "M::A_ptr"},
      {"T::r2", "1111", "char *"},
      {"T::r3", "1111", "M::Str"},
      {"T::r4", "0011", "M::LongSeq *"},
      {"T::r5", "0011", "CORBA::Any *"},
      {"T::r6", "0000", "S"},
      {"T::r7", "0011", "V *"},
      {"T::r8", "0000", "U"},
      {"T::r9", "0011", "W *"},
      {"T::r10", "0001", "M::Fixed_slice *"},
      {"T::r11", "0011", "M::Var_slice *"},
      {"T::r12", "0000", "M::E"},
      {"T::r13", "0000", "void"},
  };
  const char* directions[] = {"in", "inout", "out", "return"};
  for (const Row& row : rows) {
    IDLOpDcl* op = operation(row.op);
    std::string byOp;
    std::string byType;
    for (const char* direction : directions) {
      byOp += Generator::isArgPointer(op, direction) ? '1' : '0';
      byType +=
          Generator::isArgPointer(op->returnType(), direction) ? '1' : '0';
    }
    EXPECT_EQ(byOp, row.pointers) << row.op;
    EXPECT_EQ(byType, row.pointers) << row.op;
    EXPECT_EQ(textOf([&](std::ostream& os) {
                Generator::printScopedReturnType(os, op->returnType());
              }),
              row.scopedReturn)
        << row.op;
  }

  // A parameter is judged by its type, whatever its own direction.
  std::vector<IDLParamDcl*> params = paramsOf("T::f");
  EXPECT_EQ(Generator::isArgPointer(params[0], "in"), 0);
  EXPECT_EQ(Generator::isArgPointer(params[0], "out"), 1);
  EXPECT_EQ(Generator::isArgPointer(params[1], "out"), 0);
}

// Continuation lines end with the current indentation plus two tabs; the
// context parameter follows ", " and a line end, or stands alone.
TEST(TypeNaming, ParameterListsWithAndWithoutContext) {
  parseIdl("interface P {\n"
           "  void f(in long a, out string b, inout short c);\n"
           "  void g(in long a, out string b, inout short c)\n"
           "      context(\"x\", \"y\");\n"
           "  void h() context(\"x\");\n"
           "  void k();\n"
           "};\n");
  auto paramListOf = [](const char* name) {
    IDLOpDcl* op = operation(name);
    return textOf([&](std::ostream& os) {
      Generator::printParams(os, op->parameters(), op->context());
    });
  };
  EXPECT_EQ(paramListOf("P::f"), "CORBA::Long a,\n"
                                 "\t\tchar *& b,\n"
                                 "\t\tCORBA::Short& c");
  Generator::_indentation = 1;
  EXPECT_EQ(paramListOf("P::g"), "CORBA::Long a,\n"
                                 "\t\t\tchar *& b,\n"
                                 "\t\t\tCORBA::Short& c, \n"
                                 "\t\t\tCORBA::Context_ptr _context");
  Generator::_indentation = 0;
  EXPECT_EQ(paramListOf("P::h"), "\t\tCORBA::Context_ptr _context");
  EXPECT_EQ(paramListOf("P::k"), "");
}

TEST(TypeNaming, RepositoryIdJoinsTheScopeNames) {
  parseIdl("module M { interface I { struct S { long a; }; }; };\n"
           "interface G { };\n");
  EXPECT_EQ(repositoryIdOf(interfaceNamed("M::I")), "\"IDL:M/I:1.0\"");
  EXPECT_EQ(repositoryIdOf(lookup("M::I")), "\"IDL:M/I:1.0\"");
  EXPECT_EQ(repositoryIdOf(lookup("M::I::S")), "\"IDL:M/I/S:1.0\"");
  EXPECT_EQ(repositoryIdOf(lookup("M")), "\"IDL:M:1.0\"");
  EXPECT_EQ(repositoryIdOf(interfaceNamed("G")), "\"IDL:G:1.0\"");
}

// A prefix given at file level goes before the whole path.
TEST(TypeNaming, RepositoryIdWithFilePrefix) {
  parseIdl("#pragma prefix \"p\"\n"
           "module M { interface I { }; };\n");
  EXPECT_EQ(repositoryIdOf(interfaceNamed("M::I")), "\"IDL:p/M/I:1.0\"");
}

// A prefix given inside a module stands for that module's name and every
// name above it.
TEST(TypeNaming, RepositoryIdWithModulePrefix) {
  parseIdl("#pragma prefix \"outer\"\n"
           "module N {\n"
           "  module M {\n"
           "#pragma prefix \"p\"\n"
           "    interface I { };\n"
           "  };\n"
           "};\n");
  EXPECT_EQ(repositoryIdOf(interfaceNamed("N::M::I")), "\"IDL:p/I:1.0\"");
  EXPECT_EQ(repositoryIdOf(lookup("N::M")), "\"IDL:outer/N/M:1.0\"");
}

// An ID pragma is the whole identifier; a version pragma in any enclosing
// scope replaces 1.0. Pragmas name an interface by its header, the node its
// name stands for, and still apply to the interface node.
TEST(TypeNaming, RepositoryIdFromIdAndVersionPragmas) {
  parseIdl("#pragma prefix \"p\"\n"
           "module M {\n"
           "  interface I { };\n"
           "  interface J { };\n"
           "#pragma version J 2.3\n"
           "};\n"
           "#pragma ID M::I \"LOCAL:my/id\"\n"
           "#pragma version M::I 4.5\n");
  EXPECT_EQ(repositoryIdOf(interfaceNamed("M::I")), "\"LOCAL:my/id\"");
  EXPECT_EQ(repositoryIdOf(lookup("M::I")), "\"LOCAL:my/id\"");
  EXPECT_EQ(repositoryIdOf(interfaceNamed("M::J")), "\"IDL:p/M/J:2.3\"");
}

// D : B, C; B : A; C : A gives B, A, C: depth first, each base once.
TEST(TypeNaming, DiamondClosureListsEachBaseOnce) {
  parseIdl("interface A { };\n"
           "interface B : A { };\n"
           "interface C : A { };\n"
           "interface D : B, C { };\n");
  NCOrderedCltn closure(16);
  Generator::parent_transitive_closure(*interfaceNamed("D"), closure);
  ASSERT_EQ(closure.size(), 3u);
  EXPECT_EQ(closure.at(0), interfaceNamed("B"));
  EXPECT_EQ(closure.at(1), interfaceNamed("A"));
  EXPECT_EQ(closure.at(2), interfaceNamed("C"));

  NCOrderedCltn none(16);
  Generator::parent_transitive_closure(*interfaceNamed("A"), none);
  EXPECT_EQ(none.size(), 0u);
}

TEST(TypeNaming, SequenceClassNames) {
  EXPECT_EQ(sequenceName("CORBA::Long", 0), "CORBA_sequence_Long");
  EXPECT_EQ(sequenceName("M::S", 10), "CORBA_sequence_M_S_10");
  EXPECT_EQ(sequenceName("CORBA_sequence_Long", 0),
            "CORBA_sequence_sequence_Long");
  EXPECT_EQ(sequenceName("M::N::S", 0), "CORBA_sequence_M_N_S");
  EXPECT_EQ(sequenceName("CORBA_sequence_M_S_10", 5),
            "CORBA_sequence_sequence_M_S_10_5");
  EXPECT_EQ(sequenceName("S", 0), "CORBA_sequence_S");
}

TEST(TypeNaming, ColonToUnderbarReplacesEachPunctuator) {
  NCString text("M::I(a.b/c\\d)x");
  NCString* result = Generator::colonToUnderbar(text);
  EXPECT_STREQ(result->chars(), "M__I_a_b_c_d_x");
  EXPECT_STREQ(text.chars(), "M::I(a.b/c\\d)x");
  delete result;
}
