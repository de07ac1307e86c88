// tests/stubs/ClientGenTest.cc - the client implementation file's code for
// interfaces, exceptions, structs, unions, typedefs, constants and modules,
// and the sequence and array classes it implements.
//
// Text this file writes itself is compared with lines written from the
// documented output; where a node hands over to another emitter (support
// members, container templates, holders), the test checks that the right
// routine was called with the right names, in the right order.

#include "stubs/ClientGen.h"

#include "generate/Generator.h"
#include "generate/StructCode.h"
#include "generate/UnionCode.h"
#include "nclib/NCLinkedList.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "support/ParseIdl.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLException.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSpec.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <functional>
#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

// Parses `text` as the file being written, so that its definitions count
// as this file's own.
void parseAsThisFile(const char* text) {
  IDLSpec* spec = parseIdl(text);
  Generator::_idl_file_name = spec->fileName();
}

IDLDefinition* interfaceNamed(const char* name) {
  return static_cast<IDLInterfaceHeader*>(lookup(name))->interface();
}

std::string textOf(const std::function<void(std::ostream&)>& write) {
  std::ostringstream os;
  write(os);
  return os.str();
}

std::string clientCCodeOf(IDLDefinition* definition) {
  return textOf([&](std::ostream& os) { definition->clientCCode(os); });
}

int countOf(const std::string& text, const std::string& piece) {
  int n = 0;
  for (auto at = text.find(piece); at != std::string::npos;
       at = text.find(piece, at + 1))
    ++n;
  return n;
}

// The sequence type of the typedef `name`.
IDLSequenceType* sequenceOf(const char* name) {
  return static_cast<IDLSequenceType*>(
      static_cast<IDLTypeDecl*>(lookup(name))->typeSpec());
}

// The declarator of the member `member` (an IDLMember with one declarator).
IDLDefinition* memberDeclarator(IDLDefinition* member) {
  return static_cast<IDLDefinition*>(
      static_cast<IDLMember*>(member)->declarators()->at(0));
}

// The file's `index`th top-level definition.
IDLDefinition* topLevel(unsigned index) {
  return static_cast<IDLDefinition*>(
      IDLSpec::specification->definitions()->at(index));
}

} // namespace

// Type information, narrowing, factory and binding of an interface with
// one base, qualified by its module; the holder's members follow.
TEST(ClientGen, InterfaceTypeInformationNarrowingAndBinding) {
  parseAsThisFile("module M { interface A { }; interface B : A { }; };\n");
  IDLDefinition* b = interfaceNamed("M::B");
  std::string out = clientCCodeOf(b);
  const std::string expected =
      "const CORBA::TypeInfo M::B::_class_info(\"M::B\",\n"
      "\t\t\"IDL:M/B:1.0\",\n"
      "\t\t&M::B::_factory,\n"
      "\t\tM::A::_desc(),\n"
      "\t\t0);\n"
      "const CORBA::TypeInfo *M::B::_desc()\n"
      "{\n"
      "\treturn &_class_info;\n"
      "}\n"
      "const CORBA::TypeInfo *M::B::_type_info() const\n"
      "{\n"
      "\treturn &_class_info;\n"
      "}\n"
      "void *M::B::_safe_narrow(const CORBA::TypeInfo& _info) const\n"
      "{\n"
      "\tif (_class_info == _info)\n"
      "\t\treturn (void *) this;\n"
      "\tif ( _info == *M::A::_desc())\n"
      "\t\treturn (void *)(M::A *)this;\n"
      "\treturn CORBA_Object::_safe_narrow(_info);\n"
      "}\n"
      "M::B *M::B::_narrow(CORBA::Object *obj)\n"
      "{\n"
      "\tif (obj == CORBA::Object::_nil())\n"
      "\t\treturn B::_nil();\n"
      "\telse\n"
      "\t\treturn B::_duplicate((B_ptr)obj->_safe_narrow(_class_info));\n"
      "}\n"
      "CORBA::Object *M::B::_factory()\n"
      "{\n"
      "\treturn new M::B;\n"
      "}\n"
      "M::B *M::B::_bind(const char *_object_name,\n"
      "\t\tconst char *_host_name, const CORBA::BindOptions *_opt)\n"
      "{\n"
      "\tB *_impl;\n"
      "\tCORBA::Object *_obj = _implementation(\n"
      "\t\t\t\t\"M::B\", \n"
      "\t\t\t\t_object_name,\n"
      "\t\t\t\t_host_name);\n"
      "\tif (!_obj) {\n"
      "\t\t_impl = new B(_object_name);\n"
      "\t\ttry {\n"
      "\t\t\t_impl->CORBA_Object::_bind(\n"
      "\t\t\t\t\"M::B\",\n"
      "\t\t\t\t_object_name,\n"
      "\t\t\t\t_host_name,\n"
      "\t\t\t\t_opt);\n"
      "\t\t}\n"
      "\t\tcatch(const CORBA::Exception& ) {\n"
      "\t\t\tdelete _impl;\n"
      "\t\t\t_impl = (M::B *)NULL;\n"
      "\t\t\tthrow;\n"
      "\t\t}\n"
      "\t}\n"
      "\telse\n"
      "\t\t_impl = B::_narrow(_obj);\n"
      "\treturn _impl;\n"
      "}\n";
  const std::string holder =
      textOf([&](std::ostream& os) { Generator::implementObjectVar(os, b); });
  EXPECT_EQ(out, expected + holder);
  EXPECT_EQ(Generator::intfNameStack()->size(), 0u);
  EXPECT_EQ(Generator::_currentContext, nullptr);
}

// Without exceptions a failed bind is seen in the environment; the root base
// class named by the settings is the one bound and narrowed through.
TEST(ClientGen, BindThroughTheEnvironmentAndAnotherBaseObject) {
  parseAsThisFile("interface A { };\n");
  Generator::generateExceptions = 0;
  Generator::baseObject = "MyObject";
  std::string out = clientCCodeOf(interfaceNamed("A"));
  EXPECT_THAT(out, HasSubstr("\t\tCORBA::Object::_desc(),\n\t\t0);\n"));
  EXPECT_THAT(out, HasSubstr("\treturn MyObject::_safe_narrow(_info);\n"));
  EXPECT_THAT(
      out,
      HasSubstr("{\n"
                "\tCORBA::Environment& _env = CORBA::current_environment();\n"
                "\t_env.clear();\n"
                "\tA *_impl;\n"));
  EXPECT_THAT(out, HasSubstr("\t\t_impl = new A(_object_name);\n"
                             "\t\t_impl->MyObject::_bind(\n"
                             "\t\t\t\t\"A\",\n"
                             "\t\t\t\t_object_name,\n"
                             "\t\t\t\t_host_name,\n"
                             "\t\t\t\t_opt);\n"
                             "\t\tif (_env.exception()) {\n"
                             "\t\t\tdelete _impl;\n"
                             "\t\t\t_impl =  (A *)NULL;\n"
                             "\t\t}\n"
                             "\t}\n"));
  EXPECT_THAT(out, Not(HasSubstr("try")));
}

// The type information lists the direct bases in declaration order; the
// narrowing tests every base once, depth first.
TEST(ClientGen, BasesInTypeInformationAndNarrowing) {
  parseAsThisFile("interface A { }; interface B : A { };\n"
                  "interface C : A { }; interface D : B, C { };\n");
  std::string out = clientCCodeOf(interfaceNamed("D"));
  EXPECT_THAT(out, HasSubstr("\t\t&D::_factory,\n"
                             "\t\tB::_desc(),\n"
                             "\t\tC::_desc(),\n"
                             "\t\t0);\n"));
  EXPECT_THAT(out, HasSubstr("\t\treturn (void *) this;\n"
                             "\tif ( _info == *B::_desc())\n"
                             "\t\treturn (void *)(B *)this;\n"
                             "\tif ( _info == *A::_desc())\n"
                             "\t\treturn (void *)(A *)this;\n"
                             "\tif ( _info == *C::_desc())\n"
                             "\t\treturn (void *)(C *)this;\n"
                             "\treturn CORBA_Object::_safe_narrow(_info);\n"));
}

// A forward declaration has no client code; a full interface writes the
// stubs of its own members only, each followed by a line end.
TEST(ClientGen, ForwardDeclarationAndInheritedMembers) {
  parseAsThisFile(
      "interface F;\n"
      "interface A { void f(); };\n"
      "interface B : A { void g(); readonly attribute long x; };\n");
  ASSERT_EQ(topLevel(0)->kind(), IDLDefinition::DEF_interface);
  EXPECT_EQ(clientCCodeOf(topLevel(0)), "");
  std::string out = clientCCodeOf(interfaceNamed("B"));
  EXPECT_THAT(out, HasSubstr("}\nvoid B::g()\n{\n"));
  EXPECT_THAT(out, HasSubstr("\t\t\tg();\n"
                             "\t\t\treturn;\n"
                             "\t}\n"
                             "\t_strm->flushRead();\n"
                             "}\n"
                             "\n"
                             "CORBA::Long B::x()\n"));
  EXPECT_THAT(out, HasSubstr("\treturn _ret;\n}\n\nB_var::B_var()"));
  EXPECT_THAT(out, Not(HasSubstr("f()")));
}

// An exception's description, _desc and _narrow, its member constructor,
// the object-stream members and the readable form.
TEST(ClientGen, ExceptionMembers) {
  parseAsThisFile("module M { exception E { long a; string s; }; };\n");
  IDLException* e = static_cast<IDLException*>(lookup("M::E"));
  std::string out = clientCCodeOf(e);
  const std::string head =
      "\n"
      "const CORBA_Exception::Description M::E::_description(\n"
      "\t\t\"M::E\",\n"
      "\t\t\"IDL:M/E:1.0\",\n"
      "\t\tM::E::_factory,\n"
      "\t\t&CORBA::UserException::_description);\n"
      "const CORBA_Exception::Description& M::E::_desc() const { return "
      "_description; }\n"
      "M::E *M::E::_narrow(CORBA::Exception *exc)\n"
      "{\n"
      "\tif ( exc && exc->_desc().can_cast(_description))\n"
      "\t\treturn (M::E *)exc;\n"
      "\telse\n"
      "\t\treturn (M::E *)NULL;\n"
      "}\n";
  const std::string constructor = textOf([&](std::ostream& os) {
    StructCode::printConstructor(os, "M::", "E", e->members());
  });
  const std::string streams =
      "void M::E::_write(NCostream& strm) const\n"
      "{\n"
      "\tstrm << a;\n"
      "\tstrm << s;\n"
      "}\n"
      "void M::E::_copy(NCistream& strm)\n"
      "{\n"
      "\tstrm >> a;\n"
      "\tstrm >> s;\n"
      "}\n"
      "void M::E::_pretty_print(NCostream& strm) const\n"
      "{\n"
      "\tstrm << \"EXCEPTION NAME: M::E\" << endl;\n"
      "\tstrm << \"a: \" << a << endl;\n"
      "\tstrm << \"s: \" << s << endl;\n"
      "}\n";
  EXPECT_EQ(out, head + constructor + streams);
}

// Without members there is nothing to construct or stream; array members
// travel through their _forany class; the readable form needs the standard
// streams.
TEST(ClientGen, ExceptionWithoutMembersAndWithArrays) {
  parseAsThisFile("exception X { };\n"
                  "exception Y { long v[2]; };\n");
  std::string x = clientCCodeOf(lookup("X"));
  EXPECT_THAT(x, EndsWith("\t\treturn (X *)NULL;\n}\n"));
  EXPECT_THAT(x, Not(HasSubstr("_write")));

  Generator::generateStdStream = 0;
  std::string y = clientCCodeOf(lookup("Y"));
  EXPECT_THAT(y, HasSubstr("void Y::_write(NCostream& strm) const\n"
                           "{\n"
                           "\tstrm << v_forany((v_slice *)v);\n"
                           "}\n"
                           "void Y::_copy(NCistream& strm)\n"
                           "{\n"
                           "\tstrm >> v_forany((v_slice *)v);\n"
                           "}\n"));
  EXPECT_THAT(y, Not(HasSubstr("_pretty_print")));
}

// A struct's support members come in a fixed order: assignment for a
// variable-length struct only, the object streams, the readable form, a line
// end, then comparison and hashing when containers are asked for.
TEST(ClientGen, StructSupportMembersInOrder) {
  parseAsThisFile("module M {\n"
                  "  struct F { long x; };\n"
                  "  struct V { string s; };\n"
                  "};\n");
  for (int container = 0; container <= 1; ++container) {
    Generator::generateContainer = container;
    for (const char* name : {"M::F", "M::V"}) {
      SCOPED_TRACE(std::string(name) +
                   " container=" + std::to_string(container));
      IDLStructure* s = static_cast<IDLStructure*>(lookup(name));
      const std::string expected = textOf([&](std::ostream& os) {
        os << "\n";
        if (!s->fixedLength())
          StructCode::printEquals(os, name, s->members());
        StructCode::printStreamWriter(os, name, s->members());
        StructCode::printStreamConstructor(os, name, "DSResource",
                                           s->members());
        StructCode::printPrettyPrint(os, name, s->members());
        os << "\n";
        if (container) {
          StructCode::printCompare(os, name, s->members());
          StructCode::printHash(os, name, s->members());
        }
      });
      std::string out = clientCCodeOf(s);
      EXPECT_EQ(out, expected);
      EXPECT_EQ(countOf(out, "::operator="), s->fixedLength() ? 0 : 1);
    }
  }
}

// A union's support members: stream extraction, copy constructor and
// assignment, stream insertion, readable form, then comparison and hashing
// when containers are asked for.
TEST(ClientGen, UnionSupportMembersInOrder) {
  parseAsThisFile("union U switch (long) { case 1: long a; case 2: string b; "
                  "};\n");
  IDLUnion* u = static_cast<IDLUnion*>(lookup("U"));
  for (int container = 0; container <= 1; ++container) {
    SCOPED_TRACE(container);
    Generator::generateContainer = container;
    const std::string expected = textOf([&](std::ostream& os) {
      os << "\n";
      UnionCode::printStreamConstructor(os, "U", u);
      UnionCode::printCopyConstructor(os, "U", u);
      UnionCode::printEquals(os, "U", u);
      UnionCode::printStreamWriter(os, "U", u);
      UnionCode::printPrettyPrint(os, "U", u);
      if (container) {
        UnionCode::printCompare(os, "U", u);
        UnionCode::printHash(os, "U", u);
      }
    });
    EXPECT_EQ(clientCCodeOf(u), expected);
  }
}

// Each element family and boundedness picks its template; the class is
// named as the client header named it and qualified by the declarator's
// scope; the element is named after its resolved type.
TEST(ClientGen, SequenceClassTemplateByElement) {
  parseAsThisFile("interface A { };\n"
                  "enum E { e1 };\n"
                  "struct S { long x; };\n"
                  "typedef long L;\n"
                  "module M { interface I {\n"
                  "  typedef sequence<long> P0; typedef sequence<L, 5> P1;\n"
                  "  typedef sequence<E> E0; typedef sequence<E, 2> E1;\n"
                  "  typedef sequence<string> T0; typedef sequence<string, 3> "
                  "T1;\n"
                  "  typedef sequence<S> C0; typedef sequence<S, 4> C1;\n"
                  "  typedef sequence<A> O0; typedef sequence<A, 6> O1;\n"
                  "}; };\n");
  using G = Generator;
  const char* p = "M::I::";
  struct Case {
    const char* name;
    std::function<void(std::ostream&)> write;
  };
  // clang-format off
  const Case cases[] = {
    {"M::I::P0", [&](std::ostream& os) { G::implementUnboundedPrimitiveSequence(os, "P0", "CORBA::Long", p); }},
    {"M::I::P1", [&](std::ostream& os) { G::implementBoundedPrimitiveSequence(os, "P1", "CORBA::Long", 5, p); }},
    {"M::I::E0", [&](std::ostream& os) { G::implementUnboundedEnumSequence(os, "E0", "E", p); }},
    {"M::I::E1", [&](std::ostream& os) { G::implementBoundedEnumSequence(os, "E1", "E", 2, p); }},
    {"M::I::T0", [&](std::ostream& os) { G::implementUnboundedStringSequence(os, "T0", p); }},
    {"M::I::T1", [&](std::ostream& os) { G::implementBoundedStringSequence(os, "T1", 3, p); }},
    {"M::I::C0", [&](std::ostream& os) { G::implementUnboundedConstructedSequence(os, "C0", "S", p); }},
    {"M::I::C1", [&](std::ostream& os) { G::implementBoundedConstructedSequence(os, "C1", "S", 4, p); }},
    {"M::I::O0", [&](std::ostream& os) { G::implementUnboundedObjectSequence(os, "O0", "A", p); }},
    {"M::I::O1", [&](std::ostream& os) { G::implementBoundedObjectSequence(os, "O1", "A", 6, p); }},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IDLDefinition* typedefNode = lookup(c.name);
    IDLSequenceType* sequence = sequenceOf(c.name);
    // What the client header records when it declares the class.
    sequence->setDeclared(1);
    sequence->setClassName(typedefNode->name().chars());
    EXPECT_EQ(clientCCodeOf(typedefNode), textOf(c.write) + "\n" + "\n");
    EXPECT_EQ(sequence->implemented(), 1);
  }
}

// Two declarators of one sequence type share its class, which is written
// once; a class the header did not name is named after its element.
TEST(ClientGen, SequenceClassWrittenOncePerFile) {
  parseAsThisFile("typedef sequence<long> A, B;\n");
  const std::string once = textOf([](std::ostream& os) {
    Generator::implementUnboundedPrimitiveSequence(os, "CORBA_sequence_Long",
                                                   "CORBA::Long", nullptr);
  });
  std::string out = clientCCodeOf(lookup("A"));
  EXPECT_EQ(out, once + "\n" + "\n" + "\n");
  std::string again = textOf([](std::ostream& os) {
    ClientGen::printImplementSeq(os, sequenceOf("A"), lookup("B"),
                                 sequenceOf("A"));
  });
  EXPECT_EQ(again, "");
}

// A struct member of anonymous sequence type gets its class from the
// struct's scope, qualified by the struct; sequences of other files are left
// to them.
TEST(ClientGen, SequencesOfAScope) {
  parseAsThisFile("struct S { sequence<long> items; };\n");
  IDLStructure* s = static_cast<IDLStructure*>(lookup("S"));
  NCString other("other.idl");
  const NCString* self = Generator::_idl_file_name;
  Generator::_idl_file_name = &other;
  std::string skipped = textOf([&](std::ostream& os) {
    EXPECT_EQ(ClientGen::printImplementSequences(os, s->scope()), 0);
  });
  EXPECT_EQ(skipped, "\n");
  Generator::_idl_file_name = self;

  std::string out = clientCCodeOf(s);
  const std::string seq = textOf([](std::ostream& os) {
    Generator::implementUnboundedPrimitiveSequence(os, "CORBA_sequence_Long",
                                                   "CORBA::Long", "S::");
  });
  EXPECT_THAT(out, StartsWith("\n" + seq + "\n"));
  EXPECT_EQ(ClientGen::printImplementSequences(std::cout, nullptr), 0);
}

// A registry entry without a file name stops the body with a message.
TEST(ClientGen, SequenceEntryWithoutFileNameFails) {
  parseAsThisFile("struct S { sequence<long> items; };\n");
  IDLStructure* s = static_cast<IDLStructure*>(lookup("S"));
  memberDeclarator(lookup("S::items"))->setFileName(nullptr);
  std::ostringstream os;
  testing::internal::CaptureStderr();
  EXPECT_EQ(ClientGen::printImplementSequences(os, s->scope()), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ClientGen::printImplementSequences NULL file context for "
            "definition.\n");
}

// Array classes are written out of line only when their members are not
// inline: for a typedef after its declarator, for a struct member from the
// struct's scope, its string elements held in holders.
TEST(ClientGen, ArrayClassesWhenNotInline) {
  parseAsThisFile("typedef long L3[3];\n"
                  "struct S { string v[2]; };\n");
  IDLArrayDecl* l3 = static_cast<IDLArrayDecl*>(lookup("L3"));
  IDLDefinition* typedefNode = topLevel(0);
  IDLStructure* s = static_cast<IDLStructure*>(lookup("S"));
  IDLArrayDecl* v =
      static_cast<IDLArrayDecl*>(memberDeclarator(lookup("S::v")));
  EXPECT_EQ(clientCCodeOf(typedefNode), "\n");
  std::string inlineStruct = clientCCodeOf(s);

  Generator::generateInline = 0;
  const std::string l3Members = textOf([&](std::ostream& os) {
    Generator::implementArrayVar(os, "L3", "CORBA::Long", l3->declaredType(),
                                 l3->dimensions(), l3, 0);
  });
  const std::string vMembers = textOf([&](std::ostream& os) {
    Generator::implementArrayVar(os, "v", "CORBA::String_var",
                                 v->declaredType(), v->dimensions(), v, 0);
  });
  EXPECT_EQ(clientCCodeOf(typedefNode), l3Members + "\n");
  EXPECT_EQ(clientCCodeOf(s), "\n\n" + vMembers + inlineStruct.substr(1));
}

// A constant inside a class is defined with its value expression's client
// code, which is empty; at file level only the line end is written.
TEST(ClientGen, ConstantsInAClassAndAtFileLevel) {
  parseAsThisFile("const long g = 1;\n"
                  "module M { const long c = 5; };\n");
  EXPECT_EQ(clientCCodeOf(lookup("g")), "\n");
  EXPECT_EQ(clientCCodeOf(lookup("M::c")), "\nconst CORBA::Long M::c = ;\n");
}

// A struct declared in a typedef writes its members before the typedef's
// line end; a module writes its definitions in order; an enum writes its
// type code only, and only when type codes are asked for.
TEST(ClientGen, TypedefModuleAndEnum) {
  parseAsThisFile("typedef struct S { long x; } T;\n"
                  "module M { interface A { void f(); };\n"
                  "           interface B { void g(); }; };\n"
                  "enum E { e1, e2 };\n");
  IDLStructure* st = static_cast<IDLStructure*>(lookup("S"));
  EXPECT_EQ(clientCCodeOf(topLevel(0)), clientCCodeOf(st) + "\n");

  std::string module = clientCCodeOf(lookup("M"));
  EXPECT_THAT(module, StartsWith("const CORBA::TypeInfo M::A::_class_info("));
  EXPECT_LT(module.find("void M::A::f()"), module.find("M::B::_class_info"));
  EXPECT_THAT(module, HasSubstr("void M::B::g()"));

  EXPECT_EQ(clientCCodeOf(lookup("E")), "");
  Generator::printTypeCodes = 1;
  EXPECT_THAT(clientCCodeOf(lookup("E")),
              HasSubstr("CORBA::TypeCode_ptr _tc_E"));
}

// The body writes the file's own definitions in order; predefined names and
// included files' definitions are left out, and a definition without a
// file name stops the body with a message.
TEST(ClientGen, BodyWritesOnlyThisFilesDefinitions) {
  parseAsThisFile("interface A { void a(); };\n"
                  "interface B { void b(); };\n"
                  "interface C { void c(); };\n"
                  "interface D { void d(); };\n"
                  "interface E { void e(); };\n");
  Generator::_spec = IDLSpec::specification;
  topLevel(1)->setFileName("%GLOBAL%");
  topLevel(2)->setFileName("inc.idl");
  topLevel(3)->setFileName(nullptr);
  std::ostringstream os;
  testing::internal::CaptureStderr();
  EXPECT_EQ(ClientGen::printBody(os), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ClientGen::printBodyNULL file context for definition.\n");
  EXPECT_THAT(os.str(), StartsWith("const CORBA::TypeInfo A::_class_info("));
  EXPECT_THAT(os.str(), HasSubstr("void A::a()\n"));
  for (const char* absent : {"B::", "C::", "D::", "E::"})
    EXPECT_THAT(os.str(), Not(HasSubstr(absent)));
}
