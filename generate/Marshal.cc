// generate/Marshal.cc - the statement that moves one value through a stream.
//
// Every type writes a value to, or reads it from, a marshal stream of the
// runtime or an object stream of the class library in one statement. Names
// and interface headers hand the work on to the type they stand for, array
// declarators to the Generator entry points, which pick the array's _var.

#include "generate/Generator.h"
#include "nclib/NCString.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLEnumType.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLStringType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLUnion.h"

#include <cassert>
#include <cstring>
#include <ostream>
#include <sstream>
#include <string>

namespace {

// How the statement reaches the stream: the caller holds either the stream
// itself or a pointer to it.
const char* member(int isPointer) {
  return isPointer ? "->" : ".";
}
const char* deref(int isPointer) {
  return isPointer ? "*" : "";
}

bool isDirection(const char* direction, const char* text) {
  return direction && std::strcmp(direction, text) == 0;
}

// Variable-length values handed back to the caller ("out" and results) are
// held by pointer.
bool isReturnedByPointer(const char* direction) {
  return isDirection(direction, "out") || isDirection(direction, "return");
}

bool isArrayDeclarator(const IDLDefinition* decl) {
  return decl && decl->kind() == IDLDefinition::DEF_array_decl;
}

// The qualified C++ name of a type, to be written inside one line.
std::string qualifiedName(IDLDefinition* type) {
  std::ostringstream text;
  Generator::scopedName(text, type);
  return text.str();
}

std::string marshalAttribute(const char* direction) {
  std::ostringstream text;
  Generator::printMarshalAttribute(text, direction);
  return text.str();
}

// The value the caller named, or the declarator's own name when it named
// none (empty without a declarator).
std::string valueText(const char* value, IDLDefinition* decl) {
  if (value)
    return value;
  std::ostringstream text;
  if (decl)
    decl->unscopedName(text);
  return text.str();
}

// An enum travels as a long: it is read into a temporary and converted back,
// alike from both kinds of stream.
void writeEnumRead(std::ostream& os, const std::string& enumName,
                   const char* value, const char* stream, int isPointer) {
  os << "\tCORBA::Long _" << value << "_enum_temp;" << endltab;
  os << "\t" << deref(isPointer) << stream << " >> _" << value << "_enum_temp;"
     << endltab;
  os << "\t" << value << " = " << enumName << "(_" << value << "_enum_temp);"
     << endltab;
}

} // namespace

// ------------------------------------------------------------ entry points

void Generator::printMarshalAttribute(std::ostream& os, const char* direction) {
  if (isDirection(direction, "return"))
    os << ", CORBA::MarshalStream::ARG_RETURN";
  else if (isDirection(direction, "in"))
    os << ", CORBA::MarshalStream::ARG_IN";
  else if (isDirection(direction, "out"))
    os << ", CORBA::MarshalStream::ARG_OUT";
  else if (isDirection(direction, "inout"))
    os << ", CORBA::MarshalStream::ARG_INOUT";
}

void Generator::writeObjectToStream(std::ostream& os, IDLDefinition* type,
                                    IDLDefinition* decl, const char* stream,
                                    int isPointer, const char* direction,
                                    const char* value) {
  assert(stream && "a marshalling statement needs a stream expression");
  std::string v = valueText(value, decl);
  if (isArrayDeclarator(decl)) {
    os << "\t" << decl->name().chars() << "_var::write(" << deref(isPointer)
       << stream << ", " << v << ");" << endltab;
    return;
  }
  if (type)
    type->writeObjectToStream(os, v.c_str(), stream, isPointer, direction,
                              type->fixedLength());
}

void Generator::readObjectFromStream(std::ostream& os, IDLDefinition* type,
                                     IDLDefinition* decl, const char* stream,
                                     int isPointer, const char* direction,
                                     const char* value, const char* extra) {
  assert(stream && "a marshalling statement needs a stream expression");
  std::string v = valueText(value, decl);
  if (isArrayDeclarator(decl)) {
    os << "\t" << decl->name().chars() << "_var::copyFrom(" << deref(isPointer)
       << stream << ", " << v << ");" << endltab;
    return;
  }
  if (type)
    type->readObjectFromStream(os, v.c_str(), stream, isPointer, direction,
                               extra, type->fixedLength());
}

void Generator::writeObjectToNCStream(std::ostream& os, IDLDefinition* type,
                                      IDLDefinition* decl, const char* stream,
                                      int isPointer, const char* value) {
  assert(stream && "a marshalling statement needs a stream expression");
  std::string v = valueText(value, decl);
  if (isArrayDeclarator(decl)) {
    os << "\t" << v << ".put(" << deref(isPointer) << stream << ");" << endltab;
    return;
  }
  if (type)
    type->writeObjectToNCStream(os, v.c_str(), stream, isPointer);
}

void Generator::readObjectFromNCStream(std::ostream& os, IDLDefinition* type,
                                       IDLDefinition* decl, const char* stream,
                                       int isPointer, const char* value) {
  assert(stream && "a marshalling statement needs a stream expression");
  std::string v = valueText(value, decl);
  if (isArrayDeclarator(decl)) {
    os << "\t" << decl->name().chars() << "_var::copyFrom(" << deref(isPointer)
       << stream << ", " << v << ");" << endltab;
    return;
  }
  if (type)
    type->readObjectFromNCStream(os, v.c_str(), stream, isPointer);
}

// ------------------------------------------------------------ interfaces

// References travel with the class descriptor of the interface, so the
// receiving side can build a proxy of the right class.
void IDLInterface::writeObjectToStream(std::ostream& os, const char* value,
                                       const char* stream, int isPointer,
                                       const char* direction, int) {
  os << "\t" << stream << member(isPointer) << "putObjRef(" << value << ", "
     << qualifiedName(this) << "::_desc()" << marshalAttribute(direction)
     << ");" << endltab;
}

// A skeleton reading an argument it does not hand back keeps the reference
// in a holder that releases it when the dispatch function returns.
void IDLInterface::readObjectFromStream(std::ostream& os, const char* value,
                                        const char* stream, int isPointer,
                                        const char* direction, const char*,
                                        int) {
  os << "\t" << stream << member(isPointer) << "getObjRef(" << value << ", "
     << qualifiedName(this) << "::_desc()" << marshalAttribute(direction)
     << ");" << endltab;
  if (!isPointer &&
      (isDirection(direction, "in") || isDirection(direction, "inout")))
    os << "\tCORBA::ObjectPtr _ptr" << value << "(" << value << ");" << endltab;
}

void IDLInterface::writeObjectToNCStream(std::ostream& os, const char* value,
                                         const char* stream, int isPointer) {
  os << "\tCORBA::Object::_write(" << value << ", " << deref(isPointer)
     << stream << ", " << qualifiedName(this) << "::_desc()"
     << ");" << endltab;
}

void IDLInterface::readObjectFromNCStream(std::ostream& os, const char* value,
                                          const char* stream, int isPointer) {
  std::string name = qualifiedName(this);
  os << "\t" << value << " = " << name << "::_narrow(CORBA::Object::_read("
     << deref(isPointer) << stream << ", " << name << "::_desc()"
     << "));" << endltab;
}

// A header stands for its interface.
void IDLInterfaceHeader::writeObjectToStream(std::ostream& os,
                                             const char* value,
                                             const char* stream, int isPointer,
                                             const char* direction,
                                             int fixedLength) {
  if (interface())
    interface()->writeObjectToStream(os, value, stream, isPointer, direction,
                                     fixedLength);
}

void IDLInterfaceHeader::readObjectFromStream(
    std::ostream& os, const char* value, const char* stream, int isPointer,
    const char* direction, const char* extra, int fixedLength) {
  if (interface())
    interface()->readObjectFromStream(os, value, stream, isPointer, direction,
                                      extra, fixedLength);
}

void IDLInterfaceHeader::writeObjectToNCStream(std::ostream& os,
                                               const char* value,
                                               const char* stream,
                                               int isPointer) {
  if (interface())
    interface()->writeObjectToNCStream(os, value, stream, isPointer);
}

void IDLInterfaceHeader::readObjectFromNCStream(std::ostream& os,
                                                const char* value,
                                                const char* stream,
                                                int isPointer) {
  if (interface())
    interface()->readObjectFromNCStream(os, value, stream, isPointer);
}

// ------------------------------------------------------------ names

// A name moves its value as the type it stands for, looking through typedefs
// (a typedef of an array stands for the array declarator).
void IDLScopedName::writeObjectToStream(std::ostream& os, const char* value,
                                        const char* stream, int isPointer,
                                        const char* direction,
                                        int fixedLength) {
  if (IDLDefinition* target = getType(this))
    target->writeObjectToStream(os, value, stream, isPointer, direction,
                                fixedLength);
}

void IDLScopedName::readObjectFromStream(std::ostream& os, const char* value,
                                         const char* stream, int isPointer,
                                         const char* direction,
                                         const char* extra, int fixedLength) {
  if (IDLDefinition* target = getType(this))
    target->readObjectFromStream(os, value, stream, isPointer, direction, extra,
                                 fixedLength);
}

void IDLScopedName::writeObjectToNCStream(std::ostream& os, const char* value,
                                          const char* stream, int isPointer) {
  if (IDLDefinition* target = getType(this))
    target->writeObjectToNCStream(os, value, stream, isPointer);
}

void IDLScopedName::readObjectFromNCStream(std::ostream& os, const char* value,
                                           const char* stream, int isPointer) {
  if (IDLDefinition* target = getType(this))
    target->readObjectFromNCStream(os, value, stream, isPointer);
}

// ------------------------------------------------------------ structs

// A variable-length struct handed back to the caller is held by pointer;
// a fixed-length one always by value.
void IDLStructure::writeObjectToStream(std::ostream& os, const char* value,
                                       const char* stream, int isPointer,
                                       const char* direction, int fixedLength) {
  os << "\t" << value
     << (!fixedLength && isReturnedByPointer(direction) ? "->write("
                                                        : ".write(")
     << deref(isPointer) << stream << ");" << endltab;
}

void IDLStructure::readObjectFromStream(std::ostream& os, const char* value,
                                        const char* stream, int isPointer,
                                        const char* direction, const char*,
                                        int fixedLength) {
  os << "\t" << value
     << (!fixedLength && isReturnedByPointer(direction) ? "->" : ".")
     << "copyFrom(" << deref(isPointer) << stream << ");" << endltab;
}

void IDLStructure::writeObjectToNCStream(std::ostream& os, const char* value,
                                         const char* stream, int isPointer) {
  os << "\t" << value << ".write(" << deref(isPointer) << stream << ");"
     << endltab;
}

void IDLStructure::readObjectFromNCStream(std::ostream& os, const char* value,
                                          const char* stream, int isPointer) {
  os << "\t" << value << ".copyFrom(" << deref(isPointer) << stream << ");"
     << endltab;
}

// ------------------------------------------------------------ unions

// The marshal stream writes a union itself, by its discriminator.
void IDLUnion::writeObjectToStream(std::ostream& os, const char* value,
                                   const char* stream, int isPointer,
                                   const char* direction, int) {
  os << "\t" << stream << member(isPointer) << "putUnion(" << value
     << marshalAttribute(direction) << ");" << endltab;
}

void IDLUnion::readObjectFromStream(std::ostream& os, const char* value,
                                    const char* stream, int isPointer,
                                    const char*, const char*, int) {
  os << "\t" << value << ".copyFrom(" << deref(isPointer) << stream << ");"
     << endltab;
}

void IDLUnion::writeObjectToNCStream(std::ostream& os, const char* value,
                                     const char* stream, int isPointer) {
  os << "\t" << value << ".write(" << deref(isPointer) << stream << ");"
     << endltab;
}

void IDLUnion::readObjectFromNCStream(std::ostream& os, const char* value,
                                      const char* stream, int isPointer) {
  os << "\t" << value << ".copyFrom(" << deref(isPointer) << stream << ");"
     << endltab;
}

// ------------------------------------------------------------ sequences

// A sequence handed back to the caller is always held by pointer.
void IDLSequenceType::writeObjectToStream(std::ostream& os, const char* value,
                                          const char* stream, int isPointer,
                                          const char* direction, int) {
  os << "\t" << value
     << (isReturnedByPointer(direction) ? "->write(" : ".write(")
     << deref(isPointer) << stream << ");" << endltab;
}

void IDLSequenceType::readObjectFromStream(std::ostream& os, const char* value,
                                           const char* stream, int isPointer,
                                           const char* direction, const char*,
                                           int) {
  os << "\t" << value << (isReturnedByPointer(direction) ? "->" : ".")
     << "copyFrom(" << deref(isPointer) << stream << ");" << endltab;
}

void IDLSequenceType::writeObjectToNCStream(std::ostream& os, const char* value,
                                            const char* stream, int isPointer) {
  os << "\t" << value << ".write(" << deref(isPointer) << stream << ");"
     << endltab;
}

void IDLSequenceType::readObjectFromNCStream(std::ostream& os,
                                             const char* value,
                                             const char* stream,
                                             int isPointer) {
  os << "\t" << value << ".copyFrom(" << deref(isPointer) << stream << ");"
     << endltab;
}

// ------------------------------------------------------------ strings

// An "in" string goes out as a plain C string; every other one through the
// holder the argument already is.
void IDLStringType::writeObjectToStream(std::ostream& os, const char* value,
                                        const char* stream, int isPointer,
                                        const char* direction, int) {
  if (isDirection(direction, "in"))
    os << "\t" << stream << member(isPointer) << "putCString(" << value << ");"
       << endltab;
  else
    os << "\t" << value << ".write(" << deref(isPointer) << stream << ");"
       << endltab;
}

// The string is read into a temporary holder, which then gives up its
// storage to the target; an "inout" holder starts from the old value.
void IDLStringType::readObjectFromStream(std::ostream& os, const char* value,
                                         const char* stream, int isPointer,
                                         const char* direction, const char*,
                                         int) {
  if (isDirection(direction, "inout"))
    os << "\tCORBA::String_var _" << value << "_var(" << value << ");"
       << endltab;
  else
    os << "\tCORBA::String_var _" << value << "_var;" << endltab;
  os << "\t_" << value << "_var.copyFrom(" << deref(isPointer) << stream << ");"
     << endltab;
  os << "\t_" << value << "_var.release_flag(0);" << endltab;
  os << "\t" << value << " = _" << value << "_var;" << endltab;
}

void IDLStringType::writeObjectToNCStream(std::ostream& os, const char* value,
                                          const char* stream, int isPointer) {
  os << "\t" << value << ".write(" << deref(isPointer) << stream << ");"
     << endltab;
}

void IDLStringType::readObjectFromNCStream(std::ostream& os, const char* value,
                                           const char* stream, int isPointer) {
  os << "\t" << value << ".copyFrom(" << deref(isPointer) << stream << ");"
     << endltab;
}

// ------------------------------------------------------------ primitives

// The streams have operators for every primitive type; an any reads itself,
// and writes itself to an object stream.
void IDLPrimType::writeObjectToStream(std::ostream& os, const char* value,
                                      const char* stream, int isPointer,
                                      const char*, int) {
  os << "\t" << deref(isPointer) << stream << " << " << value << ";" << endltab;
}

void IDLPrimType::readObjectFromStream(std::ostream& os, const char* value,
                                       const char* stream, int isPointer,
                                       const char*, const char*, int) {
  if (secondKind() == DEF_any)
    os << "\t" << value << ".copyFrom(" << deref(isPointer) << stream << ");"
       << endltab;
  else
    os << "\t" << deref(isPointer) << stream << " >> " << value << ";"
       << endltab;
}

void IDLPrimType::writeObjectToNCStream(std::ostream& os, const char* value,
                                        const char* stream, int isPointer) {
  if (secondKind() == DEF_any)
    os << "\t" << value << ".write(" << deref(isPointer) << stream << ");"
       << endltab;
  else
    os << "\t" << deref(isPointer) << stream << " << " << value << ";"
       << endltab;
}

void IDLPrimType::readObjectFromNCStream(std::ostream& os, const char* value,
                                         const char* stream, int isPointer) {
  if (secondKind() == DEF_any)
    os << "\t" << value << ".copyFrom(" << deref(isPointer) << stream << ");"
       << endltab;
  else
    os << "\t" << deref(isPointer) << stream << " >> " << value << ";"
       << endltab;
}

// ------------------------------------------------------------ enums

// An enum goes out as an unsigned long on a marshal stream but as a long on
// an object stream; both read it back as a long.
void IDLEnumType::writeObjectToStream(std::ostream& os, const char* value,
                                      const char* stream, int isPointer,
                                      const char*, int) {
  os << "\t" << deref(isPointer) << stream << " << (CORBA::ULong)" << value
     << ";" << endltab;
}

void IDLEnumType::readObjectFromStream(std::ostream& os, const char* value,
                                       const char* stream, int isPointer,
                                       const char*, const char*, int) {
  writeEnumRead(os, qualifiedName(this), value, stream, isPointer);
}

void IDLEnumType::writeObjectToNCStream(std::ostream& os, const char* value,
                                        const char* stream, int isPointer) {
  os << "\t" << deref(isPointer) << stream << " << (CORBA::Long) " << value
     << ";" << endltab;
}

void IDLEnumType::readObjectFromNCStream(std::ostream& os, const char* value,
                                         const char* stream, int isPointer) {
  writeEnumRead(os, qualifiedName(this), value, stream, isPointer);
}

// ------------------------------------------------------------ contexts

void IDLContextExpr::writeObjectToStream(std::ostream& os, const char* value,
                                         const char* stream, int isPointer,
                                         const char*, int) {
  os << "\t" << deref(isPointer) << stream << " << " << value << ";" << endltab;
}

void IDLContextExpr::readObjectFromStream(std::ostream& os, const char* value,
                                          const char* stream, int isPointer,
                                          const char*, const char*, int) {
  os << "\t" << deref(isPointer) << stream << " >> " << value << ";" << endltab;
}

// ------------------------------------------------------------ arrays

// An array moves through the static members of its _var class, which the
// entry points name after this declarator.
void IDLArrayDecl::writeObjectToStream(std::ostream& os, const char* value,
                                       const char* stream, int isPointer,
                                       const char* direction, int) {
  Generator::writeObjectToStream(os, declaredType(), this, stream, isPointer,
                                 direction, value);
}

void IDLArrayDecl::readObjectFromStream(std::ostream& os, const char* value,
                                        const char* stream, int isPointer,
                                        const char* direction,
                                        const char* extra, int) {
  Generator::readObjectFromStream(os, declaredType(), this, stream, isPointer,
                                  direction, value, extra);
}

void IDLArrayDecl::writeObjectToNCStream(std::ostream& os, const char* value,
                                         const char* stream, int isPointer) {
  Generator::writeObjectToNCStream(os, declaredType(), this, stream, isPointer,
                                   value);
}

void IDLArrayDecl::readObjectFromNCStream(std::ostream& os, const char* value,
                                          const char* stream, int isPointer) {
  Generator::readObjectFromNCStream(os, declaredType(), this, stream, isPointer,
                                    value);
}
