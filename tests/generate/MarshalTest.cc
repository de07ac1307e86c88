// tests/generate/MarshalTest.cc - the one statement that moves a value of
// each type through a marshal stream or an object stream.

#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "support/ParseIdl.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"

#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using idltest::lookup;
using idltest::parseIdl;

namespace {

const char* const idl = "module M {\n"
                        "  interface I { };\n"
                        "  struct F { long a; };\n"
                        "  struct V { string s; };\n"
                        "  union U switch (long) { case 1: long x; };\n"
                        "  enum E { e1, e2 };\n"
                        "  typedef sequence<long> LS;\n"
                        "  typedef long A[3];\n"
                        "  typedef V VT;\n"
                        "  struct W { I ref; VT v; A arr; E e; };\n"
                        "  interface J {\n"
                        "    void op(in string s, out any a, inout long l)\n"
                        "      context(\"x\");\n"
                        "  };\n"
                        "};\n";

enum class Op { Write, Read, WriteNC, ReadNC };

// The statement the node itself writes for `value` on `stream`.
std::string own(Op op, IDLDefinition* node, const char* value,
                const char* stream, int isPointer,
                const char* direction = nullptr, int fixedLength = 1) {
  std::ostringstream os;
  switch (op) {
  case Op::Write:
    node->writeObjectToStream(os, value, stream, isPointer, direction,
                              fixedLength);
    break;
  case Op::Read:
    node->readObjectFromStream(os, value, stream, isPointer, direction, nullptr,
                               fixedLength);
    break;
  case Op::WriteNC:
    node->writeObjectToNCStream(os, value, stream, isPointer);
    break;
  case Op::ReadNC:
    node->readObjectFromNCStream(os, value, stream, isPointer);
    break;
  }
  return os.str();
}

// The statement the Generator entry point writes for `type` used with
// `decl`.
std::string entry(Op op, IDLDefinition* type, IDLDefinition* decl,
                  const char* value, const char* stream, int isPointer,
                  const char* direction = nullptr) {
  std::ostringstream os;
  switch (op) {
  case Op::Write:
    Generator::writeObjectToStream(os, type, decl, stream, isPointer, direction,
                                   value);
    break;
  case Op::Read:
    Generator::readObjectFromStream(os, type, decl, stream, isPointer,
                                    direction, value);
    break;
  case Op::WriteNC:
    Generator::writeObjectToNCStream(os, type, decl, stream, isPointer, value);
    break;
  case Op::ReadNC:
    Generator::readObjectFromNCStream(os, type, decl, stream, isPointer, value);
    break;
  }
  return os.str();
}

IDLDefinition* interfaceNamed(const char* name) {
  return static_cast<IDLInterfaceHeader*>(lookup(name))->interface();
}

IDLDefinition* typedefType(const char* name) {
  return static_cast<IDLTypeDecl*>(lookup(name))->typeSpec();
}

IDLMember* memberOf(const char* structName, unsigned n) {
  auto* s = static_cast<IDLStructure*>(lookup(structName));
  return static_cast<IDLMember*>(s->members()->at(n));
}

IDLDefinition* declaratorOf(IDLMember* m) {
  return static_cast<IDLDefinition*>(m->declarators()->at(0));
}

IDLParamDcl* paramOf(const char* opName, unsigned n) {
  auto* op = static_cast<IDLOpDcl*>(lookup(opName));
  return static_cast<IDLParamDcl*>(op->parameters()->at(n));
}

} // namespace

// Each direction names its own argument flag; no direction, or an unknown
// one, leaves the argument list as it is.
TEST(Marshal, MarshalAttributeNamesEachDirection) {
  struct Case {
    const char* direction;
    const char* expected;
  } cases[] = {
      {nullptr, ""},
      {"return", ", CORBA::MarshalStream::ARG_RETURN"},
      {"in", ", CORBA::MarshalStream::ARG_IN"},
      {"out", ", CORBA::MarshalStream::ARG_OUT"},
      {"inout", ", CORBA::MarshalStream::ARG_INOUT"},
      {"sideways", ""},
  };
  for (const Case& c : cases) {
    std::ostringstream os;
    Generator::printMarshalAttribute(os, c.direction);
    EXPECT_EQ(os.str(), c.expected) << (c.direction ? c.direction : "null");
  }
}

// An object reference is put and got with its interface's class descriptor
// and the argument flag; the stream is reached by -> or . as it is held.
TEST(Marshal, ObjectReferenceTravelsWithItsClassDescriptor) {
  parseIdl(idl);
  IDLDefinition* i = interfaceNamed("M::I");
  EXPECT_EQ(own(Op::Write, i, "obj", "strm", 1, "in"),
            "\tstrm->putObjRef(obj, M::I::_desc(), "
            "CORBA::MarshalStream::ARG_IN);\n");
  EXPECT_EQ(own(Op::Write, i, "obj", "strm", 0),
            "\tstrm.putObjRef(obj, M::I::_desc());\n");
  EXPECT_EQ(own(Op::Read, i, "obj", "strm", 1, "return"),
            "\tstrm->getObjRef(obj, M::I::_desc(), "
            "CORBA::MarshalStream::ARG_RETURN);\n");
}

// Only an "in" or "inout" reference read from a stream held by value is
// kept in a CORBA::ObjectPtr as well.
TEST(Marshal, InReferenceReadFromStreamObjectIsAlsoHeldInObjectPtr) {
  parseIdl(idl);
  IDLDefinition* i = interfaceNamed("M::I");
  struct Case {
    int isPointer;
    const char* direction;
    const char* expected;
  } cases[] = {
      {0, "in",
       "\tstrm.getObjRef(obj, M::I::_desc(), CORBA::MarshalStream::ARG_IN);\n"
       "\tCORBA::ObjectPtr _ptrobj(obj);\n"},
      {0, "inout",
       "\tstrm.getObjRef(obj, M::I::_desc(), "
       "CORBA::MarshalStream::ARG_INOUT);\n"
       "\tCORBA::ObjectPtr _ptrobj(obj);\n"},
      {0, "out",
       "\tstrm.getObjRef(obj, M::I::_desc(), "
       "CORBA::MarshalStream::ARG_OUT);\n"},
      {0, nullptr, "\tstrm.getObjRef(obj, M::I::_desc());\n"},
      {1, "in",
       "\tstrm->getObjRef(obj, M::I::_desc(), "
       "CORBA::MarshalStream::ARG_IN);\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(own(Op::Read, i, "obj", "strm", c.isPointer, c.direction),
              c.expected);
}

// On an object stream a reference goes through CORBA::Object and is
// narrowed back to its interface.
TEST(Marshal, ReferenceOnObjectStreamIsNarrowedBack) {
  parseIdl(idl);
  IDLDefinition* i = interfaceNamed("M::I");
  EXPECT_EQ(own(Op::WriteNC, i, "obj", "strm", 1),
            "\tCORBA::Object::_write(obj, *strm, M::I::_desc());\n");
  EXPECT_EQ(own(Op::ReadNC, i, "obj", "strm", 0),
            "\tobj = M::I::_narrow(CORBA::Object::_read(strm, "
            "M::I::_desc()));\n");
}

// A variable-length struct handed back ("out", "return") is a pointer; a
// fixed-length one, and one passed in, is used by value. The flag comes
// from the struct node through the entry point.
TEST(Marshal, VariableStructHandedBackIsHeldByPointer) {
  parseIdl(idl);
  IDLDefinition* fixed = lookup("M::F");
  IDLDefinition* variable = lookup("M::V");
  struct Case {
    IDLDefinition* type;
    const char* direction;
    int isPointer;
    const char* write;
    const char* read;
  } cases[] = {
      {variable, "out", 1, "\ts->write(*strm);\n", "\ts->copyFrom(*strm);\n"},
      {variable, "return", 0, "\ts->write(strm);\n", "\ts->copyFrom(strm);\n"},
      {variable, "in", 1, "\ts.write(*strm);\n", "\ts.copyFrom(*strm);\n"},
      {variable, "inout", 0, "\ts.write(strm);\n", "\ts.copyFrom(strm);\n"},
      {variable, nullptr, 0, "\ts.write(strm);\n", "\ts.copyFrom(strm);\n"},
      {fixed, "out", 1, "\ts.write(*strm);\n", "\ts.copyFrom(*strm);\n"},
      {fixed, "return", 0, "\ts.write(strm);\n", "\ts.copyFrom(strm);\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.write);
    EXPECT_EQ(entry(Op::Write, c.type, nullptr, "s", "strm", c.isPointer,
                    c.direction),
              c.write);
    EXPECT_EQ(
        entry(Op::Read, c.type, nullptr, "s", "strm", c.isPointer, c.direction),
        c.read);
  }
}

// The marshal stream puts a union itself, with the argument flag; the union
// reads itself.
TEST(Marshal, UnionIsPutByTheMarshalStream) {
  parseIdl(idl);
  IDLDefinition* u = lookup("M::U");
  EXPECT_EQ(own(Op::Write, u, "u", "strm", 0, "out"),
            "\tstrm.putUnion(u, CORBA::MarshalStream::ARG_OUT);\n");
  EXPECT_EQ(own(Op::Write, u, "u", "strm", 1), "\tstrm->putUnion(u);\n");
  EXPECT_EQ(own(Op::Read, u, "u", "strm", 1, "out", 0),
            "\tu.copyFrom(*strm);\n");
}

// A sequence handed back is a pointer whatever its length.
TEST(Marshal, SequenceHandedBackIsHeldByPointer) {
  parseIdl(idl);
  IDLDefinition* seq = typedefType("M::LS");
  struct Case {
    const char* direction;
    const char* write;
    const char* read;
  } cases[] = {
      {"return", "\tq->write(*strm);\n", "\tq->copyFrom(*strm);\n"},
      {"out", "\tq->write(*strm);\n", "\tq->copyFrom(*strm);\n"},
      {"in", "\tq.write(*strm);\n", "\tq.copyFrom(*strm);\n"},
      {"inout", "\tq.write(*strm);\n", "\tq.copyFrom(*strm);\n"},
      {nullptr, "\tq.write(*strm);\n", "\tq.copyFrom(*strm);\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(own(Op::Write, seq, "q", "strm", 1, c.direction, 1), c.write);
    EXPECT_EQ(own(Op::Read, seq, "q", "strm", 1, c.direction, 1), c.read);
  }
}

// Only an "in" string is put as a C string; the others write themselves.
TEST(Marshal, InStringIsPutAsCString) {
  parseIdl(idl);
  IDLDefinition* str = paramOf("M::J::op", 0)->typeSpec();
  EXPECT_EQ(own(Op::Write, str, "s", "strm", 1, "in"),
            "\tstrm->putCString(s);\n");
  EXPECT_EQ(own(Op::Write, str, "s", "strm", 0, "in"),
            "\tstrm.putCString(s);\n");
  EXPECT_EQ(own(Op::Write, str, "s", "strm", 1, "out"), "\ts.write(*strm);\n");
  EXPECT_EQ(own(Op::Write, str, "s", "strm", 0, "return"),
            "\ts.write(strm);\n");
}

// A string is read into a temporary holder (seeded with the old value for
// "inout") whose storage is then released into the target.
TEST(Marshal, StringIsReadThroughTemporaryHolder) {
  parseIdl(idl);
  IDLDefinition* str = paramOf("M::J::op", 0)->typeSpec();
  EXPECT_EQ(own(Op::Read, str, "s", "strm", 1, "in"),
            "\tCORBA::String_var _s_var;\n"
            "\t_s_var.copyFrom(*strm);\n"
            "\t_s_var.release_flag(0);\n"
            "\ts = _s_var;\n");
  EXPECT_EQ(own(Op::Read, str, "s", "strm", 0, "inout"),
            "\tCORBA::String_var _s_var(s);\n"
            "\t_s_var.copyFrom(strm);\n"
            "\t_s_var.release_flag(0);\n"
            "\ts = _s_var;\n");
}

// On an object stream every constructed value, a string and an any write
// and read themselves, whatever their length.
TEST(Marshal, ConstructedValuesWriteThemselvesToObjectStreams) {
  parseIdl(idl);
  IDLDefinition* types[] = {
      lookup("M::F"),
      lookup("M::V"),
      lookup("M::U"),
      typedefType("M::LS"),
      paramOf("M::J::op", 0)->typeSpec(),
      paramOf("M::J::op", 1)->typeSpec(),
  };
  for (IDLDefinition* t : types) {
    EXPECT_EQ(own(Op::WriteNC, t, "v", "strm", 1), "\tv.write(*strm);\n");
    EXPECT_EQ(own(Op::ReadNC, t, "v", "strm", 0), "\tv.copyFrom(strm);\n");
  }
}

// Primitives use the stream operators; an any reads itself from both
// streams but is shifted onto a marshal stream.
TEST(Marshal, PrimitivesUseTheStreamOperators) {
  parseIdl(idl);
  IDLDefinition* any = paramOf("M::J::op", 1)->typeSpec();
  IDLDefinition* lng = paramOf("M::J::op", 2)->typeSpec();
  EXPECT_EQ(own(Op::Write, lng, "l", "strm", 1, "inout"), "\t*strm << l;\n");
  EXPECT_EQ(own(Op::Read, lng, "l", "strm", 0, "inout"), "\tstrm >> l;\n");
  EXPECT_EQ(own(Op::WriteNC, lng, "l", "strm", 0), "\tstrm << l;\n");
  EXPECT_EQ(own(Op::ReadNC, lng, "l", "strm", 1), "\t*strm >> l;\n");
  EXPECT_EQ(own(Op::Write, any, "a", "strm", 0, "out"), "\tstrm << a;\n");
  EXPECT_EQ(own(Op::Read, any, "a", "strm", 1, "out"),
            "\ta.copyFrom(*strm);\n");
}

// An enum goes out as (CORBA::ULong) with no blank on a marshal stream and
// as (CORBA::Long) with one on an object stream; both read it into a long
// and convert it back to the enum.
TEST(Marshal, EnumTravelsAsAnInteger) {
  parseIdl(idl);
  IDLDefinition* e = lookup("M::E");
  EXPECT_EQ(own(Op::Write, e, "e", "strm", 1, "in"),
            "\t*strm << (CORBA::ULong)e;\n");
  EXPECT_EQ(own(Op::WriteNC, e, "e", "strm", 0),
            "\tstrm << (CORBA::Long) e;\n");
  const char* read = "\tCORBA::Long _e_enum_temp;\n"
                     "\t*strm >> _e_enum_temp;\n"
                     "\te = M::E(_e_enum_temp);\n";
  EXPECT_EQ(own(Op::Read, e, "e", "strm", 1, "out"), read);
  EXPECT_EQ(own(Op::ReadNC, e, "e", "strm", 1), read);
}

// A context moves with the stream operators on marshal streams; object
// streams carry none.
TEST(Marshal, ContextMovesOnMarshalStreamsOnly) {
  parseIdl(idl);
  IDLDefinition* ctx = static_cast<IDLOpDcl*>(lookup("M::J::op"))->context();
  EXPECT_EQ(own(Op::Write, ctx, "_context", "strm", 1),
            "\t*strm << _context;\n");
  EXPECT_EQ(own(Op::Read, ctx, "_context", "strm", 0), "\tstrm >> _context;\n");
  EXPECT_EQ(own(Op::WriteNC, ctx, "_context", "strm", 0), "");
  EXPECT_EQ(own(Op::ReadNC, ctx, "_context", "strm", 0), "");
}

// An array moves through the static members of its _var class, except that
// it puts itself on an object stream; without a value text the declarator's
// name stands for the value.
TEST(Marshal, ArrayMovesThroughItsVarClass) {
  parseIdl(idl);
  auto* a = static_cast<IDLArrayDecl*>(lookup("M::A"));
  EXPECT_EQ(own(Op::Write, a, "x", "strm", 1, "in"),
            "\tA_var::write(*strm, x);\n");
  EXPECT_EQ(own(Op::Read, a, "x", "strm", 0, "out"),
            "\tA_var::copyFrom(strm, x);\n");
  EXPECT_EQ(own(Op::WriteNC, a, "x", "strm", 1), "\tx.put(*strm);\n");
  EXPECT_EQ(own(Op::ReadNC, a, "x", "strm", 1),
            "\tA_var::copyFrom(*strm, x);\n");
  EXPECT_EQ(entry(Op::WriteNC, a->declaredType(), a, nullptr, "strm", 0),
            "\tA.put(strm);\n");
  EXPECT_EQ(entry(Op::Write, a->declaredType(), a, nullptr, "strm", 0),
            "\tA_var::write(strm, A);\n");
}

// A name, a typedef behind it and an interface header each stand for the
// type they name; a typedef of an array stands for the array declarator.
TEST(Marshal, NamesAndHeadersStandForTheirType) {
  parseIdl(idl);
  IDLMember* ref = memberOf("M::W", 0);
  IDLMember* v = memberOf("M::W", 1);
  IDLMember* arr = memberOf("M::W", 2);
  IDLMember* e = memberOf("M::W", 3);
  EXPECT_EQ(entry(Op::Write, ref->typeSpec(), declaratorOf(ref), nullptr,
                  "strm", 1, "in"),
            "\tstrm->putObjRef(ref, M::I::_desc(), "
            "CORBA::MarshalStream::ARG_IN);\n");
  // The name of a variable-length struct carries the struct's flag.
  EXPECT_EQ(
      entry(Op::Write, v->typeSpec(), declaratorOf(v), "v", "strm", 1, "out"),
      "\tv->write(*strm);\n");
  EXPECT_EQ(entry(Op::Read, arr->typeSpec(), declaratorOf(arr), "arr", "strm",
                  0, "in"),
            "\tA_var::copyFrom(strm, arr);\n");
  EXPECT_EQ(
      entry(Op::ReadNC, e->typeSpec(), declaratorOf(e), nullptr, "strm", 0),
      "\tCORBA::Long _e_enum_temp;\n"
      "\tstrm >> _e_enum_temp;\n"
      "\te = M::E(_e_enum_temp);\n");
  EXPECT_EQ(own(Op::WriteNC, lookup("M::I"), "obj", "strm", 0),
            "\tCORBA::Object::_write(obj, strm, M::I::_desc());\n");
}

// Without a value text a plain declarator's name is the value.
TEST(Marshal, MissingValueIsTheDeclaratorsName) {
  parseIdl(idl);
  IDLParamDcl* l = paramOf("M::J::op", 2);
  EXPECT_EQ(entry(Op::Read, l->typeSpec(), l->declarator(), nullptr, "strm", 0,
                  "inout"),
            "\tstrm >> l;\n");
}

// Nodes that are not types write nothing, and neither does an entry point
// without a type.
TEST(Marshal, NodesThatAreNotTypesWriteNothing) {
  parseIdl(idl);
  IDLDefinition* others[] = {lookup("M"), lookup("M::LS"), lookup("M::e1"),
                             lookup("M::J::op")};
  for (IDLDefinition* d : others)
    for (Op op : {Op::Write, Op::Read, Op::WriteNC, Op::ReadNC})
      EXPECT_EQ(own(op, d, "v", "strm", 0, "in"), "");
  EXPECT_EQ(entry(Op::Write, nullptr, nullptr, "v", "strm", 0, "in"), "");
}

// Every line ends with the current indentation, which stays as it was.
TEST(Marshal, StatementsEndWithTheCurrentIndentation) {
  parseIdl(idl);
  Generator::_indentation = 2;
  EXPECT_EQ(
      own(Op::Read, paramOf("M::J::op", 0)->typeSpec(), "s", "strm", 0, "out"),
      "\tCORBA::String_var _s_var;\n\t\t"
      "\t_s_var.copyFrom(strm);\n\t\t"
      "\t_s_var.release_flag(0);\n\t\t"
      "\ts = _s_var;\n\t\t");
  EXPECT_EQ(Generator::_indentation, 2);
  Generator::_indentation = 0;
}
