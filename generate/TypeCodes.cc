// generate/TypeCodes.cc - run-time type descriptions of the IDL types.
//
// The client header declares one type-code pointer per type, with the
// operators that put a value into a CORBA::Any and take it out again; the
// client implementation file defines a static TypeCode per type and points
// the declared pointer at it. Each node writes each of the two once per file.

#include "frontend/IDLError.h"
#include "generate/GenerateMessages.h"
#include "generate/Generator.h"
#include "generate/NameText.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLCase.h"
#include "tree/IDLCaseLabel.h"
#include "tree/IDLElement.h"
#include "tree/IDLEnumType.h"
#include "tree/IDLException.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLStringType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <cstring>
#include <iostream>
#include <ostream>
#include <sstream>
#include <string>

namespace {

using nametext::scopedNameOf;

using Kind = IDLDefinition::DefinitionType;

// The runtime's type codes of the primitive types, by IDL spelling.
struct PrimTypeCode {
  const char* idl;
  const char* typeCode;
};

// clang-format off
constexpr PrimTypeCode primTypeCodes[] = {
    {"short",          "_tc_short"},
    {"long",           "_tc_long"},
    {"unsigned short", "_tc_ushort"},
    {"unsigned long",  "_tc_ulong"},
    {"char",           "_tc_char"},
    {"unsigned char",  "_tc_octet"},
    {"float",          "_tc_float"},
    {"double",         "_tc_double"},
    {"boolean",        "_tc_boolean"},
    {"octet",          "_tc_octet"},
    {"any",            "_tc_any"},
    {"void",           "_tc_void"},
};

// The runtime's own interfaces keep their type codes in its namespace.
struct PredefinedTypeCode {
  const char* interfaceName;
  const char* typeCode;
};

constexpr PredefinedTypeCode predefinedTypeCodes[] = {
    {"CORBA::Object",     "CORBA::_tc_Object"},
    {"CORBA::TypeCode",   "CORBA::_tc_TypeCode"},
    {"CORBA::Principal",  "CORBA::_tc_Principal"},
    {"CORBA::NamedValue", "CORBA::_tc_NamedValue"},
};

// The discriminator types a union type code can describe: the type code of
// the discriminator and the C++ type its label values are stored in.
struct DiscriminatorType {
  Kind kind;
  const char* typeCode;
  const char* valueType;
};

constexpr DiscriminatorType discriminatorTypes[] = {
    {IDLDefinition::DEF_short,              "CORBA::_tc_short",     "CORBA::Short"},
    {IDLDefinition::DEF_unsigned_short,     "CORBA::_tc_ushort",    "CORBA::UShort"},
    {IDLDefinition::DEF_long,               "CORBA::_tc_long",      "CORBA::Long"},
    {IDLDefinition::DEF_long_long,          "CORBA::_tc_longlong",  "CORBA::LongLong"},
    {IDLDefinition::DEF_unsigned_long,      "CORBA::_tc_ulong",     "CORBA::ULong"},
    {IDLDefinition::DEF_unsigned_long_long, "CORBA::_tc_ulonglong", "CORBA::ULongLong"},
    {IDLDefinition::DEF_char,               "CORBA::_tc_char",      "CORBA::Char"},
    {IDLDefinition::DEF_boolean,            "CORBA::_tc_boolean",   "CORBA::Boolean"},
};
// clang-format on

// The Any operators of these come with the runtime.
bool hasRuntimeAnyOperators(const char* interfaceName) {
  return std::strcmp(interfaceName, "CORBA::Object") == 0 ||
         std::strcmp(interfaceName, "CORBA::TypeCode") == 0 ||
         std::strcmp(interfaceName, "CORBA::Principal") == 0;
}

bool isArrayDeclarator(const IDLDefinition* decl) {
  return decl && decl->kind() == IDLDefinition::DEF_array_decl;
}

bool isKind(const IDLDefinition* def, Kind kind) {
  return def && def->kind() == kind;
}

std::string scopeOf(IDLDefinition* definition) {
  std::ostringstream text;
  Generator::printScope(text, definition, nullptr);
  return text.str();
}

std::string unscopedNameOf(IDLDefinition* definition) {
  std::ostringstream text;
  Generator::unscopedName(text, definition, nullptr);
  return text.str();
}

std::string repositoryIdOf(IDLDefinition* definition) {
  std::ostringstream text;
  Generator::printRepositoryId(text, definition);
  return text.str();
}

// The own type-code name of `definition`, or that of `nameSource` when one
// is given.
std::string typeCodeNameOf(IDLDefinition* definition,
                           IDLDefinition* nameSource) {
  std::ostringstream text;
  if (nameSource)
    nameSource->unscopedTypeCodeName(text);
  else if (definition)
    definition->unscopedTypeCodeName(text);
  return text.str();
}

// The type-code expression of an element or member, qualified.
std::string typeCodeOf(IDLDefinition* type, IDLDefinition* declarator) {
  std::ostringstream text;
  Generator::scopedTypeCodeName(text, type, declarator, nullptr);
  return text.str();
}

// A value that names itself: the written text of a constant expression.
std::string valueTextOf(IDLDefinition* expression) {
  std::ostringstream text;
  if (expression)
    expression->unscopedName(text);
  return text.str();
}

std::string exportPrefix() {
  return Generator::generateExport
             ? std::string(Generator::generateExport) + " "
             : std::string();
}

// The parts of a type-code declaration in the client header. Inside a class
// the pointer is a static member and the Any operators are friends.
struct Declaration {
  std::string storage;  // "extern " plus the export macro, or "static "
  std::string exp;      // the export macro and a blank, or nothing
  std::string friendly; // "friend " inside a class
  std::string typeCode; // the name of the declared pointer
  std::string name;     // the C++ type the operators take
};

Declaration declarationOf(IDLDefinition& definition, const char* name,
                          int global, const std::string& typeName) {
  Declaration d;
  d.exp = exportPrefix();
  d.storage = global ? "extern " + d.exp : std::string("static ");
  d.friendly = global ? "" : "friend ";
  std::ostringstream typeCode;
  Generator::unscopedTypeCodeName(typeCode, &definition, name);
  d.typeCode = typeCode.str();
  d.name = typeName;
  return d;
}

void writeTypeCodePointer(std::ostream& os, const Declaration& d) {
  os << d.storage << "CORBA::TypeCode_ptr " << d.typeCode << ";" << endltab;
}

// Structs and unions travel through a marshal buffer in their own stream
// form.
void writeValueAnyOperators(std::ostream& os, const Declaration& d) {
  os << "inline " << d.exp << d.friendly
     << "void operator<<=(CORBA::Any& _a, const " << d.name << "& _s) {"
     << endltab;
  os << "\tCORBA::MarshalOutBuffer _mbuf;" << endltab;
  os << "\t_mbuf << _s;" << endltab;
  os << "\t_a.replace(" << d.typeCode << ", _mbuf);" << endltab;
  os << "}" << endltab;
  os << "inline " << d.exp << d.friendly
     << "CORBA::Boolean operator>>=(const CORBA::Any& _a, " << d.name
     << "& _s) {" << endltab;
  os << "\tCORBA::TypeCode_var _tc(_a.type());" << endltab;
  os << "\tif ( !_tc->equal(" << d.typeCode << ") )" << endltab;
  os << "\t\treturn 0;" << endltab;
  os << "\tCORBA::MarshalInBuffer _mbuf((char *)_a.value(), (CORBA::ULong)_a.len());"
     << endltab;
  os << "\t_mbuf >> _s;" << endltab;
  os << "\treturn 1;" << endltab;
  os << "}" << endltab;
}

// An exception is read back as the runtime writes it: its name first, then
// its members.
void writeExceptionAnyOperators(std::ostream& os, const Declaration& d) {
  os << "inline " << d.exp << d.friendly
     << "void operator<<=(CORBA::Any& _a, const " << d.name << "& _exc) {"
     << endltab;
  os << "\tCORBA::MarshalOutBuffer _mbuf;" << endltab;
  os << "\t_mbuf << _exc;" << endltab;
  os << "\t_a.replace(" << d.typeCode << ", _mbuf);" << endltab;
  os << "}" << endltab;
  os << "inline " << d.exp << d.friendly
     << "CORBA::Boolean operator>>=(const CORBA::Any& _a, " << d.name
     << "& _s) {" << endltab;
  os << "\tCORBA::TypeCode_var _tc(_a.type());" << endltab;
  os << "\tif ( !_tc->equal(" << d.typeCode << ") )" << endltab;
  os << "\t\treturn 0;" << endltab;
  os << "\tCORBA::MarshalInBuffer _mbuf((char *)_a.value(), (CORBA::ULong)_a.len());"
     << endltab;
  os << "\t_mbuf.getString();" << endltab;
  os << "\t_s._copy(_mbuf);" << endltab;
  os << "\treturn 1;" << endltab;
  os << "}" << endltab;
}

void writeSequenceAnyOperators(std::ostream& os, const Declaration& d) {
  os << "inline " << d.exp << d.friendly
     << "void operator<<=(CORBA::Any& _a, const " << d.name << "& _seq) {"
     << endltab;
  os << "\tCORBA::MarshalOutBuffer _mbuf;" << endltab;
  os << "\t_mbuf << _seq;" << endltab;
  os << "\t_a.replace(" << d.typeCode << ", _mbuf);" << endltab;
  os << "}" << endltab;
  os << "inline " << d.exp << d.friendly
     << "CORBA::Boolean operator>>=(const CORBA::Any& _a, " << d.name
     << "& _seq) {" << endltab;
  os << "\tCORBA::TypeCode_var _tc(_a.type());" << endltab;
  os << "\tif ( !_tc->equal(" << d.typeCode << ") )" << endltab;
  os << "\t\treturn 0;" << endltab;
  os << "\tCORBA::MarshalInBuffer _mbuf((char *)_a.value(), (CORBA::ULong)_a.len());"
     << endltab;
  os << "\t_mbuf >> _seq;" << endltab;
  os << "\treturn 1;" << endltab;
  os << "}" << endltab;
}

// Arrays go through their _forany wrapper, which knows the array's extent.
// One compiler needs the wrapper read through the object-stream base.
void writeArrayAnyOperators(std::ostream& os, const Declaration& d) {
  os << "inline " << d.exp << d.friendly
     << "void operator<<=(CORBA::Any& _a, const " << d.name
     << "_forany& _arr) {" << endltab;
  os << "\tCORBA::MarshalOutBuffer _mbuf;" << endltab;
  os << "\t_mbuf << _arr;" << endltab;
  os << "\t_a.replace(" << d.typeCode << ", _mbuf);" << endltab;
  os << "}" << endltab;
  os << "inline " << d.exp << d.friendly
     << "CORBA::Boolean operator>>=(const CORBA::Any& _a, " << d.name
     << "_forany& _arr) {" << endltab;
  os << "\tCORBA::TypeCode_var _tc(_a.type());" << endltab;
  os << "\tif ( !_tc->equal(" << d.typeCode << ") )" << endltab;
  os << "\t\treturn 0;" << endltab;
  os << "\tCORBA::MarshalInBuffer _mbuf((char *)_a.value(), (CORBA::ULong)_a.len());"
     << std::endl;
  os << "#if defined(_MSC_BUG)" << endltab;
  os << "\t(NCistream&)_mbuf >> _arr;" << std::endl;
  os << "#else" << endltab;
  os << "\t_mbuf >> _arr;" << std::endl;
  os << "#endif" << endltab;
  os << "\treturn 1;" << endltab;
  os << "}" << endltab;
}

// An enum value is stored in the Any as itself, not marshalled.
void writeEnumAnyOperators(std::ostream& os, const Declaration& d) {
  os << "inline " << d.exp << d.friendly << "void operator<<=(CORBA::Any& _a, "
     << d.name << " _e) {" << endltab;
  os << "\t_a.replace(_tc_" << d.name << ", new " << d.name << "(_e), 1);"
     << endltab;
  os << "}" << endltab;
  os << "inline " << d.exp << d.friendly
     << "CORBA::Boolean operator>>=(const CORBA::Any& _a, " << d.name
     << "& _e) {" << endltab;
  os << "\tCORBA::TypeCode_var tc(_a.type());" << endltab;
  os << "\tif (!tc->equal(_tc_" << d.name << "))" << endltab;
  os << "\t\treturn 0;" << endltab;
  os << "\telse {" << endltab;
  os << "\t\t_e = *(" << d.name << " *)_a.value();" << endltab;
  os << "\t\treturn 1;" << endltab;
  os << "\t}" << endltab;
  os << "}" << endltab;
}

// An object reference goes in as a plain CORBA::Object and is narrowed on
// the way out; a reference of another interface gives a nil result.
void writeInterfaceAnyOperators(std::ostream& os, const Declaration& d) {
  os << "inline " << d.exp << d.friendly
     << "void operator<<=(CORBA::Any& _a, const " << d.name << "_ptr _obj) {"
     << endltab;
  os << "\t_a <<= (const CORBA::Object_ptr)_obj;" << endltab;
  os << "}" << endltab;
  os << "inline " << d.exp << d.friendly
     << "CORBA::Boolean operator>>=(const CORBA::Any& _a, " << d.name
     << "_ptr& _obj) {" << endltab;
  os << "\tCORBA::Object_ptr _temp = (CORBA::Object_ptr)NULL;" << endltab;
  os << "\tCORBA::Boolean result = 0;" << endltab;
  os << "\tif ( _a >>= _temp ) {" << endltab;
  os << "\t\t_obj = " << d.name << "::_narrow(_temp);" << endltab;
  os << "\t\tCORBA::release(_temp);" << endltab;
  os << "\t\tresult = (_obj != (" << d.name << " *)NULL);" << endltab;
  os << "\t}" << endltab;
  os << "\treturn result;" << endltab;
  os << "}" << endltab;
}

// The static type-code object of a definition in the client implementation
// file and the declared pointer it is reached through. A name source lends
// the pointer its name and its scope.
struct Definition {
  std::string scope;    // the qualification of the pointer
  std::string typeCode; // the pointer's own name
  std::string id;       // the pointer's qualified name made an identifier
};

Definition definitionOf(IDLDefinition* definition, IDLDefinition* nameSource) {
  Definition v;
  v.scope = scopeOf(nameSource ? nameSource : definition);
  v.typeCode = typeCodeNameOf(definition, nameSource);
  NCString qualified((v.scope + v.typeCode).c_str());
  NCString* id = Generator::colonToUnderbar(qualified);
  v.id = id->chars();
  delete id;
  return v;
}

// The member table of a struct or an exception, one entry per declarator;
// returns the number of entries.
int writeStructMemberTable(std::ostream& os, const Definition& v,
                           NCOrderedCltn* members) {
  os << "static CORBA::StructMember __tc_" << v.id << "[] = {" << endltab;
  int entries = 0;
  unsigned memberCount = members ? members->size() : 0;
  for (unsigned i = 0; i < memberCount; ++i) {
    IDLMember* member = static_cast<IDLMember*>(members->at(i));
    NCOrderedCltn* declarators = member->declarators();
    unsigned count = declarators ? declarators->size() : 0;
    for (unsigned j = 0; j < count; ++j) {
      IDLDefinition* decl = static_cast<IDLDefinition*>(declarators->at(j));
      if (entries > 0)
        os << "," << endltab;
      os << "\tCORBA::StructMember(" << endltab;
      os << "\t\t\"" << decl->name().chars() << "\"," << endltab;
      os << "\t\t" << typeCodeOf(member->typeSpec(), decl) << "," << endltab;
      os << "\t\tCORBA::IDLType::_nil()\t)";
      ++entries;
    }
  }
  os << endltab;
  os << "};" << endltab;
  return entries;
}

// Structs and exceptions with members differ only in the kind line.
void writeMemberTypeCode(std::ostream& os, IDLDefinition& definition,
                         IDLDefinition* nameSource, NCOrderedCltn* members,
                         const char* kindLine) {
  Definition v = definitionOf(&definition, nameSource);
  int count = writeStructMemberTable(os, v, members);
  os << "static CORBA::TypeCode _s_tc_" << v.id << "(" << endltab;
  os << kindLine << endltab;
  os << "\t\t" << repositoryIdOf(&definition) << "," << endltab;
  os << "\t\t\"" << unscopedNameOf(&definition) << "\"," << endltab;
  os << "\t\tCORBA::StructMemberSeq(" << count << "," << endltab;
  os << "\t\t\t" << count << "," << endltab;
  os << "\t\t\t__tc_" << v.id << ")," << endltab;
  os << "\t\t1);" << endltab;
  os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode << " = &_s_tc_" << v.id
     << ";" << endltab;
}

// A dimension naming a constant is qualified like any other name.
std::string dimensionTextOf(IDLDefinition* dimension) {
  if (isKind(dimension, IDLDefinition::DEF_scoped_name))
    return scopedNameOf(dimension);
  return valueTextOf(dimension);
}

// The discriminator's type code and value type, or false when the
// discriminator type has none.
bool discriminatorOf(IDLDefinition* discriminator, std::string& typeCode,
                     std::string& valueType) {
  if (!discriminator)
    return false;
  if (discriminator->kind() == IDLDefinition::DEF_enum_type) {
    typeCode = typeCodeNameOf(discriminator, nullptr);
    valueType = scopedNameOf(discriminator);
    return true;
  }
  if (discriminator->kind() != IDLDefinition::DEF_primitive_type)
    return false;
  for (const DiscriminatorType& entry : discriminatorTypes) {
    if (entry.kind == discriminator->secondKind()) {
      typeCode = entry.typeCode;
      valueType = entry.valueType;
      return true;
    }
  }
  return false;
}

} // namespace

// Type-code names. Named types put "_tc_" before their name; primitive types
// and the runtime's interfaces use the runtime's type codes.

void IDLInterface::unscopedTypeCodeName(std::ostream& os) {
  for (const PredefinedTypeCode& entry : predefinedTypeCodes) {
    if (std::strcmp(entry.interfaceName, name().chars()) == 0) {
      os << entry.typeCode;
      return;
    }
  }
  os << "_tc_" << name().chars();
}

void IDLInterfaceHeader::unscopedTypeCodeName(std::ostream& os) {
  if (interface())
    interface()->unscopedTypeCodeName(os);
}

void IDLStructure::unscopedTypeCodeName(std::ostream& os) {
  os << "_tc_" << name().chars();
}

void IDLUnion::unscopedTypeCodeName(std::ostream& os) {
  os << "_tc_" << name().chars();
}

void IDLEnumType::unscopedTypeCodeName(std::ostream& os) {
  os << "_tc_" << name().chars();
}

void IDLException::unscopedTypeCodeName(std::ostream& os) {
  os << "_tc_" << name().chars();
}

void IDLTypeDecl::unscopedTypeCodeName(std::ostream& os) {
  os << "_tc_" << name().chars();
}

void IDLArrayDecl::unscopedTypeCodeName(std::ostream& os) {
  os << "_tc_" << name().chars();
}

void IDLSimpleDecl::unscopedTypeCodeName(std::ostream& os) {
  os << "_tc_" << name().chars();
}

// A spelling without a runtime type code writes nothing, not a bare
// "CORBA::".
void IDLPrimType::unscopedTypeCodeName(std::ostream& os) {
  for (const PrimTypeCode& entry : primTypeCodes) {
    if (std::strcmp(entry.idl, name().chars()) == 0) {
      os << "CORBA::" << entry.typeCode;
      return;
    }
  }
}

void IDLScopedName::unscopedTypeCodeName(std::ostream& os) {
  if (resolvedDefinition())
    resolvedDefinition()->unscopedTypeCodeName(os);
}

// The entry points the header and the implementation file call for each
// type; both write nothing unless type codes were asked for.

void Generator::typeCodeHeaderCode(std::ostream& os,
                                   IDLDefinition* definition) {
  if (!printTypeCodes || !definition)
    return;
  IDLScope* scope = definition->definedInScope();
  int global = !scope || scope->scopeType() == IDLScope::ST_GLOBAL;
  definition->typeCodeHeaderCode(os, nullptr, global);
}

void Generator::typeCodeCCode(std::ostream& os, IDLDefinition* definition) {
  if (!printTypeCodes || !definition)
    return;
  definition->typeCodeCCode(os, nullptr);
}

void Generator::unscopedTypeCodeName(std::ostream& os,
                                     IDLDefinition* definition,
                                     const char* name) {
  if (name)
    os << name;
  else if (definition)
    definition->unscopedTypeCodeName(os);
}

// A named type is referred to by its pointer; anonymous arrays, sequences
// and strings are described in place.
void Generator::unscopedTypeCodeName(std::ostream& os, IDLDefinition* type,
                                     IDLDefinition* declarator,
                                     IDLDefinition* nameSource) {
  if (!type)
    return;
  IDLDefinition* resolved = IDLDefinition::getType(type);
  if (type->kind() == IDLDefinition::DEF_scoped_name &&
      getTypeCategory(resolved, declarator) != 2) {
    os << "_tc_";
    unscopedName(os, type, declarator);
    return;
  }
  if (!isKind(resolved, IDLDefinition::DEF_sequence_type)) {
    if (isArrayDeclarator(declarator)) {
      IDLArrayDecl* array = static_cast<IDLArrayDecl*>(declarator);
      IDLDefinition* element =
          array->declaredType() ? array->declaredType() : type;
      os << "new CORBA::TypeCode(CORBA::tk_array, ";
      NCOrderedCltn* dimensions = array->dimensions();
      unsigned count = dimensions ? dimensions->size() : 0;
      for (unsigned i = 0; i < count; ++i) {
        if (i > 0)
          os << "*";
        static_cast<IDLDefinition*>(dimensions->at(i))->unscopedName(os);
      }
      os << ", ";
      scopedTypeCodeName(os, element, nullptr, nullptr);
      os << ", 1)";
      return;
    }
    if (!isKind(resolved, IDLDefinition::DEF_string_type)) {
      os << typeCodeNameOf(resolved, nameSource);
      return;
    }
    IDLDefinition* bound = static_cast<IDLStringType*>(resolved)->bound();
    if (!bound)
      os << "CORBA::_tc_string" << endltab;
    else
      os << "CORBA::ORB::create_string_tc(" << valueTextOf(bound) << ")"
         << endltab;
    return;
  }
  if (nameSource) {
    nameSource->unscopedTypeCodeName(os);
    return;
  }
  IDLSequenceType* sequence = static_cast<IDLSequenceType*>(resolved);
  os << "new CORBA::TypeCode(" << endltab;
  os << "\t\t\tCORBA::tk_sequence," << endltab;
  if (sequence->bound())
    os << "\t\t\t" << sequence->bound()->getInt() << "," << endltab;
  else
    os << "\t\t\t0," << endltab;
  os << "\t\t\t" << typeCodeOf(sequence->elementType(), nullptr) << ","
     << endltab;
  os << "\t\t\t1)";
}

// Names that already carry a qualification ("CORBA::_tc_long", an in-place
// description) are written as they are.
void Generator::scopedTypeCodeName(std::ostream& os, IDLDefinition* type,
                                   IDLDefinition* declarator,
                                   IDLDefinition* nameSource) {
  std::ostringstream text;
  unscopedTypeCodeName(text, type, declarator, nameSource);
  const std::string& typeCode = text.str();
  if (typeCode.find(':') != std::string::npos) {
    os << typeCode;
    return;
  }
  IDLDefinition* resolved = type ? IDLDefinition::getType(type) : nullptr;
  bool plainName = !isArrayDeclarator(declarator) &&
                   !isKind(resolved, IDLDefinition::DEF_sequence_type) &&
                   !isKind(resolved, IDLDefinition::DEF_string_type);
  if (plainName || typeCode.compare(0, 4, "_tc_") == 0)
    printScope(os, type, nullptr);
  os << typeCode;
}

// Declarations in the client header: the type-code pointer, then the Any
// operators of the type.

void IDLStructure::typeCodeHeaderCode(std::ostream& os, const char* name,
                                      int global) {
  if (typeCodeDeclared())
    return;
  Declaration d = declarationOf(*this, name, global, unscopedNameOf(this));
  writeTypeCodePointer(os, d);
  writeValueAnyOperators(os, d);
  setTypeCodeDeclared(1);
}

void IDLUnion::typeCodeHeaderCode(std::ostream& os, const char* name,
                                  int global) {
  if (typeCodeDeclared())
    return;
  Declaration d = declarationOf(*this, name, global, unscopedNameOf(this));
  writeTypeCodePointer(os, d);
  writeValueAnyOperators(os, d);
  setTypeCodeDeclared(1);
}

void IDLException::typeCodeHeaderCode(std::ostream& os, const char* name,
                                      int global) {
  if (typeCodeDeclared())
    return;
  Declaration d = declarationOf(*this, name, global, unscopedNameOf(this));
  writeTypeCodePointer(os, d);
  writeExceptionAnyOperators(os, d);
  setTypeCodeDeclared(1);
}

// The operators take the sequence's generated class.
void IDLSequenceType::typeCodeHeaderCode(std::ostream& os, const char* name,
                                         int global) {
  if (typeCodeDeclared())
    return;
  Declaration d = declarationOf(*this, name, global, className().chars());
  writeTypeCodePointer(os, d);
  writeSequenceAnyOperators(os, d);
  setTypeCodeDeclared(1);
}

void IDLArrayDecl::typeCodeHeaderCode(std::ostream& os, const char* name,
                                      int global) {
  if (typeCodeDeclared())
    return;
  Declaration d = declarationOf(*this, name, global, unscopedNameOf(this));
  writeTypeCodePointer(os, d);
  writeArrayAnyOperators(os, d);
  setTypeCodeDeclared(1);
}

void IDLEnumType::typeCodeHeaderCode(std::ostream& os, const char* name,
                                     int global) {
  if (typeCodeDeclared())
    return;
  Declaration d = declarationOf(*this, name, global, unscopedNameOf(this));
  writeTypeCodePointer(os, d);
  writeEnumAnyOperators(os, d);
  setTypeCodeDeclared(1);
}

void IDLInterface::typeCodeHeaderCode(std::ostream& os, const char* name,
                                      int global) {
  if (typeCodeDeclared())
    return;
  Declaration d = declarationOf(*this, name, global, unscopedNameOf(this));
  writeTypeCodePointer(os, d);
  if (!hasRuntimeAnyOperators(this->name().chars()))
    writeInterfaceAnyOperators(os, d);
  setTypeCodeDeclared(1);
}

// Strings have no class of their own to take into an Any.
void IDLStringType::typeCodeHeaderCode(std::ostream& os, const char* name,
                                       int global) {
  if (typeCodeDeclared())
    return;
  Declaration d = declarationOf(*this, name, global, "");
  writeTypeCodePointer(os, d);
  setTypeCodeDeclared(1);
}

// Arrays, anonymous sequences and strings declare their own type codes; a
// sequence or a string is named after the declarator, as its class is.
void IDLTypeDecl::typeCodeHeaderCode(std::ostream& os, const char* name,
                                     int global) {
  if (typeCodeDeclared())
    return;
  NCOrderedCltn* list = declarators();
  unsigned count = list ? list->size() : 0;
  for (unsigned i = 0; i < count; ++i) {
    IDLDefinition* decl = static_cast<IDLDefinition*>(list->at(i));
    std::string declName = name ? name : typeCodeNameOf(decl, nullptr);
    if (isArrayDeclarator(decl)) {
      decl->typeCodeHeaderCode(os, name, global);
    } else if (isKind(typeSpec(), DEF_sequence_type) ||
               isKind(typeSpec(), DEF_string_type)) {
      typeSpec()->typeCodeHeaderCode(os, declName.c_str(), global);
    } else {
      Declaration d = declarationOf(*decl, declName.c_str(), global, "");
      writeTypeCodePointer(os, d);
    }
  }
  setTypeCodeDeclared(1);
}

// Definitions in the client implementation file: a static TypeCode object
// and the declared pointer set to its address.

void IDLInterface::typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) {
  if (typeCodeDefined())
    return;
  Definition v = definitionOf(this, nameSource);
  os << "static CORBA::TypeCode _s_tc_" << v.id << "(" << endltab;
  os << "\t\t" << repositoryIdOf(this) << "," << endltab;
  os << "\t\t\"" << unscopedNameOf(this) << "\", 1);" << endltab;
  os << endltab;
  os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode << "= &_s_tc_" << v.id
     << ";" << endltab;
  setTypeCodeDefined(1);
}

void IDLStructure::typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) {
  if (typeCodeDefined())
    return;
  writeMemberTypeCode(os, *this, nameSource, members(),
                      "\t\tCORBA::tk_struct,");
  setTypeCodeDefined(1);
}

// An exception without members has no member table; its member sequence is
// empty.
void IDLException::typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) {
  if (typeCodeDefined())
    return;
  if (members() && members()->size() > 0) {
    writeMemberTypeCode(os, *this, nameSource, members(),
                        "\t\tCORBA::tk_except,");
    setTypeCodeDefined(1);
    return;
  }
  Definition v = definitionOf(this, nameSource);
  os << "static CORBA::TypeCode _s_tc_" << v.id << "(" << endltab;
  os << "\t\tCORBA::tk_except," << endltab;
  os << "\t\t" << repositoryIdOf(this) << "," << endltab;
  os << "\t\t\"" << unscopedNameOf(this) << "\"," << endltab;
  os << "\t\tCORBA::StructMemberSeq(0), 1);" << endltab;
  os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode << " = &_s_tc_" << v.id
     << ";" << endltab;
  setTypeCodeDefined(1);
}

// Each declarator is an alias of its own; array and sequence declarators
// describe their type in place.
void IDLTypeDecl::typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) {
  if (typeCodeDefined())
    return;
  NCOrderedCltn* list = declarators();
  unsigned count = list ? list->size() : 0;
  for (unsigned i = 0; i < count; ++i) {
    IDLDefinition* decl = static_cast<IDLDefinition*>(list->at(i));
    if (isArrayDeclarator(decl)) {
      decl->typeCodeCCode(os, nameSource);
      continue;
    }
    if (isKind(typeSpec(), DEF_sequence_type)) {
      typeSpec()->typeCodeCCode(os, nameSource ? nameSource : decl);
      continue;
    }
    Definition v = definitionOf(decl, nameSource);
    os << "static CORBA::TypeCode _s_tc_" << v.id << "(" << endltab;
    os << "\t\t" << repositoryIdOf(decl) << "," << endltab;
    os << "\t\t\"" << decl->name().chars() << "\"," << endltab;
    os << "\t\t" << typeCodeOf(typeSpec(), nullptr) << ", 1);" << endltab;
    os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode << "= &_s_tc_" << v.id
       << ";" << endltab;
  }
  setTypeCodeDefined(1);
}

// A multi-dimensional array is an array of arrays: each further dimension
// nests one more TypeCode, closed after the element type.
void IDLArrayDecl::typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) {
  if (typeCodeDefined())
    return;
  Definition v = definitionOf(this, nameSource);
  NCOrderedCltn* list = dimensions();
  unsigned count = list ? list->size() : 0;
  auto dimension = [list](unsigned i) {
    return dimensionTextOf(static_cast<IDLDefinition*>(list->at(i)));
  };
  os << "static CORBA::TypeCode _s_tc_" << v.id << "(" << endltab;
  os << "\t\tCORBA::tk_array," << endltab;
  if (count > 0)
    os << "\t\t" << dimension(0);
  for (unsigned i = 1; i < count; ++i) {
    os << "," << endltab;
    os << "\t\tnew CORBA::TypeCode(" << endltab;
    os << "\t\t\tCORBA::tk_array," << endltab;
    os << "\t\t\t" << dimension(i);
  }
  os << "," << endltab;
  os << "\t\t" << typeCodeOf(declaredType(), nullptr);
  for (unsigned i = 1; i < count; ++i)
    os << ",0)";
  os << ", 1);" << endltab;
  os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode << " = &_s_tc_" << v.id
     << ";" << endltab;
  setTypeCodeDefined(1);
}

void IDLEnumType::typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) {
  if (typeCodeDefined())
    return;
  Definition v = definitionOf(this, nameSource);
  NCOrderedCltn* list = enumerators();
  unsigned count = list ? list->size() : 0;
  os << "static char *__tc_" << v.id << "[] = {" << endltab;
  for (unsigned i = 0; i < count; ++i) {
    if (i > 0)
      os << "," << endltab;
    os << "\t\"" << static_cast<IDLDefinition*>(list->at(i))->name().chars()
       << "\"";
  }
  os << endltab;
  os << "};" << endltab;
  os << "static CORBA::TypeCode _s_tc_" << v.id << "(" << endltab;
  os << "\t\t" << repositoryIdOf(this) << "," << endltab;
  os << "\t\t\"" << unscopedNameOf(this) << "\"," << endltab;
  os << "\t\tCORBA::EnumMemberSeq(" << count << "," << endltab;
  os << "\t\t\t" << count << "," << endltab;
  os << "\t\t\t__tc_" << v.id << ")," << endltab;
  os << "\t\t1);" << endltab;
  os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode << " = &_s_tc_" << v.id
     << ";" << endltab;
  setTypeCodeDefined(1);
}

void IDLSequenceType::typeCodeCCode(std::ostream& os,
                                    IDLDefinition* nameSource) {
  if (typeCodeDefined())
    return;
  Definition v = definitionOf(this, nameSource);
  os << "static CORBA::TypeCode\t_s_tc_" << v.id << "(" << endltab;
  os << "\t\tCORBA::tk_sequence," << endltab;
  if (bound())
    os << "\t\t" << bound()->getInt() << "," << endltab;
  else
    os << "\t\t0," << endltab;
  os << "\t\t" << typeCodeOf(elementType(), nullptr) << ", 1);" << endltab;
  os << endltab;
  os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode << " = &_s_tc_" << v.id
     << ";" << endltab;
  setTypeCodeDefined(1);
}

// An unbounded string without a name of its own is the runtime's string
// type code.
void IDLStringType::typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) {
  if (typeCodeDefined())
    return;
  Definition v = definitionOf(this, nameSource);
  if (bound()) {
    os << "static CORBA::TypeCode _s_tc_" << v.id << "(" << endltab;
    os << "\t\t" << valueTextOf(bound()) << ", 1);" << endltab;
    os << endltab;
    os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode << " = &_s_tc_"
       << v.id << ";" << endltab;
  } else if (nameSource) {
    os << "static CORBA::TypeCode _s_tc_" << v.id << "(" << endltab;
    os << "\t\tCORBA::tc_string,1);" << endltab;
    os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode << " = &_s_tc_"
       << v.id << ";" << endltab;
  } else {
    os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode
       << " = CORBA::_tc_string;" << endltab;
  }
  setTypeCodeDefined(1);
}

// Every label value is stored in a variable of the discriminator's type so
// that the member table can refer to it from a CORBA::Any; a default label
// gets an octet of its own.
void IDLUnion::typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) {
  if (typeCodeDefined())
    return;
  IDLDefinition* discriminator =
      switchType() ? IDLDefinition::getType(switchType()) : nullptr;
  std::string discTypeCode;
  std::string valueType;
  if (!discriminatorOf(discriminator, discTypeCode, valueType)) {
    std::cout << genmsg::invalidUnionSwitchType << scopedNameOf(this)
              << std::flush;
    IDLError::exit();
  }
  bool enumLabels = discriminator->kind() == DEF_enum_type;
  std::string labelScope = enumLabels ? scopeOf(discriminator) : "";
  Definition v = definitionOf(this, nameSource);
  NCOrderedCltn* caseList = cases();
  unsigned caseCount = caseList ? caseList->size() : 0;
  auto caseAt = [caseList](unsigned i) {
    return static_cast<IDLCase*>(caseList->at(i));
  };
  auto labelCount = [&](unsigned i) {
    return caseAt(i)->labels() ? caseAt(i)->labels()->size() : 0;
  };
  auto labelAt = [&](unsigned i, unsigned j) {
    return static_cast<IDLCaseLabel*>(caseAt(i)->labels()->at(j));
  };

  int valued = 0;
  for (unsigned i = 0; i < caseCount; ++i) {
    for (unsigned j = 0; j < labelCount(i); ++j) {
      IDLCaseLabel* label = labelAt(i, j);
      if (!label->value())
        os << "static CORBA::Octet __tc_" << v.id << "_default = 0;" << endltab;
      else
        os << "static " << valueType << " __tc_" << v.id << "_" << valued++
           << " = " << labelScope << valueTextOf(label->value()) << ";"
           << endltab;
    }
  }

  os << "static CORBA::UnionMember __tc_" << v.id << "[] = {" << endltab;
  int entries = 0;
  valued = 0;
  for (unsigned i = 0; i < caseCount; ++i) {
    IDLElement* element = caseAt(i)->element();
    IDLDefinition* decl = element ? element->declarator() : nullptr;
    std::string member = decl ? decl->name().chars() : "";
    std::string memberTypeCode =
        element ? typeCodeOf(element->typeSpec(), decl) : "";
    for (unsigned j = 0; j < labelCount(i); ++j) {
      if (entries > 0)
        os << "\t," << endltab;
      os << "\tCORBA::UnionMember(" << endltab;
      os << "\t\t\"" << member << "\"," << endltab;
      if (!labelAt(i, j)->value())
        os << "\t\tCORBA::Any(CORBA::_tc_octet, &__tc_" << v.id << "_default),"
           << endltab;
      else
        os << "\t\tCORBA::Any(" << discTypeCode << ", &__tc_" << v.id << "_"
           << valued++ << ")," << endltab;
      os << "\t\t" << memberTypeCode << "," << endltab;
      os << "\t\tCORBA::IDLType::_nil()" << endltab;
      os << "\t)" << endltab;
      ++entries;
    }
  }

  os << "};" << endltab;
  os << endltab;
  os << "static CORBA::TypeCode _s_tc_" << v.id << "(" << endltab;
  os << "\t\t" << repositoryIdOf(this) << "," << endltab;
  os << "\t\t\"" << unscopedNameOf(this) << "\"," << endltab;
  os << "\t\t" << typeCodeOf(switchType(), nullptr) << "," << endltab;
  os << "\t\tCORBA::UnionMemberSeq(" << endltab;
  os << "\t\t\t" << entries << ", " << entries << "," << endltab;
  os << "\t\t\t__tc_" << v.id << "),1);" << endltab;
  os << endltab;
  os << "CORBA::TypeCode_ptr " << v.scope << v.typeCode << " = &_s_tc_" << v.id
     << ";" << endltab;
  setTypeCodeDefined(1);
}
