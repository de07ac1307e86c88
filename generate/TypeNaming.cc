// generate/TypeNaming.cc - C++ names of IDL types and parameter passing.
//
// Each node writes its innermost name (unscopedName); Generator adds the
// qualification of the enclosing scopes and the holder, pointer and reference
// decorations of each parameter direction, and names repository identifiers,
// sequence classes and the bases of an interface.

#include "frontend/ConstExpr.h"
#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLCase.h"
#include "tree/IDLCaseLabel.h"
#include "tree/IDLConstDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLElement.h"
#include "tree/IDLEnum.h"
#include "tree/IDLEnumType.h"
#include "tree/IDLException.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLRaisesExpr.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLSpec.h"
#include "tree/IDLStringType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <cstring>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Kind = IDLDefinition::DefinitionType;

// Expression classes of IDLDefinition::exprType that have a value to write.
constexpr int integerExpr = 0;
constexpr int floatingExpr = 3;

// The C++ spelling of each primitive type, by its IDL spelling.
struct PrimTypeName {
  const char* idl;
  const char* cxx;
};

// clang-format off
constexpr PrimTypeName primTypeNames[] = {
    {"short",          "CORBA::Short"},
    {"long",           "CORBA::Long"},
    {"unsigned short", "CORBA::UShort"},
    {"unsigned long",  "CORBA::ULong"},
    {"char",           "CORBA::Char"},
    {"unsigned char",  "CORBA::Octet"},
    {"float",          "CORBA::Float"},
    {"double",         "CORBA::Double"},
    {"boolean",        "CORBA::Boolean"},
    {"octet",          "CORBA::Octet"},
    {"any",            "CORBA::Any"},
    {"void",           "void"},
};
// clang-format on

enum class Direction { In, Inout, Out, Return };

// The directions travel as the texts of the tree; anything unknown is
// passed like "in", the one direction that never hands storage back.
Direction directionOf(const char* direction) {
  if (!direction)
    return Direction::In;
  if (std::strcmp(direction, "inout") == 0)
    return Direction::Inout;
  if (std::strcmp(direction, "out") == 0)
    return Direction::Out;
  if (std::strcmp(direction, "return") == 0)
    return Direction::Return;
  return Direction::In;
}

bool isArrayDeclarator(const IDLDefinition* decl) {
  return decl && decl->kind() == IDLDefinition::DEF_array_decl;
}

bool isArrayKind(Kind kind) {
  return kind == IDLDefinition::DEF_array_decl ||
         kind == IDLDefinition::DEF_array;
}

// The scope owners whose names qualify the names declared inside them; the
// walk passes through operations and unnamed scopes without a trace.
bool isQualifyingOwner(const IDLDefinition* owner) {
  switch (owner->kind()) {
  case IDLDefinition::DEF_interface:
  case IDLDefinition::DEF_module:
  case IDLDefinition::DEF_struct:
  case IDLDefinition::DEF_union:
  case IDLDefinition::DEF_except:
    return true;
  default:
    return false;
  }
}

// The value of a constant-expression node: integer or floating by the class
// of its result type, nothing for the other classes.
void writeExprValue(std::ostream& os, const IDLDefinition& expr) {
  const IDLPrimType* type = expr.type();
  if (!type)
    return;
  if (type->exprType() == integerExpr)
    os << expr.getInt();
  else if (type->exprType() == floatingExpr)
    os << static_cast<double>(expr.getFloat());
}

// The interface a base entry of an inheritance list names, or null.
IDLInterface* interfaceNamedBy(NCObject* entry) {
  IDLDefinition* def = static_cast<IDLDefinition*>(entry);
  if (def && def->kind() == IDLDefinition::DEF_scoped_name)
    def = static_cast<IDLScopedName*>(def)->resolvedDefinition();
  if (!def)
    return nullptr;
  if (def->classInfo() == IDLInterfaceHeader::desc())
    return static_cast<IDLInterfaceHeader*>(def)->interface();
  if (def->classInfo() == IDLInterface::desc())
    return static_cast<IDLInterface*>(def);
  return nullptr;
}

// An interface is entered into the symbol table as its header once it has a
// body and as the interface node while it is only forward-declared, so a
// pragma naming it may be keyed by either node; this gives the other one.
const IDLDefinition* interfaceTwin(const IDLDefinition* def) {
  if (def->classInfo() == IDLInterface::desc())
    return static_cast<const IDLInterface*>(def)->header();
  if (def->classInfo() == IDLInterfaceHeader::desc())
    return static_cast<const IDLInterfaceHeader*>(def)->interface();
  return nullptr;
}

const NCString* idPragmaFor(const IDLScope& scope, const IDLDefinition* def) {
  const NCString* id = scope.pragmaID(def);
  const IDLDefinition* twin = interfaceTwin(def);
  if (!id && twin)
    id = scope.pragmaID(twin);
  return id;
}

const NCString* versionPragmaFor(const IDLScope& scope,
                                 const IDLDefinition* def) {
  const NCString* version = scope.pragmaVersion(def);
  const IDLDefinition* twin = interfaceTwin(def);
  if (!version && twin)
    version = scope.pragmaVersion(twin);
  return version;
}

bool isUnsetOrEmpty(const NCString* text) {
  return !text || text->length() == 0;
}

} // namespace

// Innermost names of the node classes. Named nodes write their name, types
// their C++ spelling, expressions their value.

void IDLInterface::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLInterfaceHeader::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLModule::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLStructure::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLUnion::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLEnum::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLEnumType::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLException::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLTypeDecl::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLArrayDecl::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLSimpleDecl::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLMember::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLOpDcl::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLAttrDcl::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLConstDcl::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLCase::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLCaseLabel::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLContextExpr::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLElement::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLRaisesExpr::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLSpec::unscopedName(std::ostream& os) {
  os << name().chars();
}

void IDLUnaryOp::unscopedName(std::ostream& os) {
  os << name().chars();
}

// Primitive types are written as the runtime's typedefs; a name without a
// C++ counterpart writes nothing.
void IDLPrimType::unscopedName(std::ostream& os) {
  for (const PrimTypeName& entry : primTypeNames) {
    if (std::strcmp(entry.idl, name().chars()) == 0) {
      os << entry.cxx;
      return;
    }
  }
}

// Strings, bounded or not, are passed as plain character pointers.
void IDLStringType::unscopedName(std::ostream& os) {
  os << "char *";
}

// An anonymous sequence has no name of its own: it goes by its element type
// until its class has been named.
void IDLSequenceType::unscopedName(std::ostream& os) {
  Generator::scopedName(os, elementType(), nullptr, nullptr);
}

void IDLLiteral::unscopedName(std::ostream& os) {
  if (std::strcmp(name().chars(), "TRUE") == 0)
    os << "1";
  else if (std::strcmp(name().chars(), "FALSE") == 0)
    os << "0";
  else
    os << name().chars();
}

void IDLBinaryExpr::unscopedName(std::ostream& os) {
  writeExprValue(os, *this);
}

void IDLUnaryExpr::unscopedName(std::ostream& os) {
  writeExprValue(os, *this);
}

// A name that denotes a numeric constant is replaced by the constant's value,
// so that bounds and dimensions read as numbers in the generated code.
void IDLScopedName::unscopedName(std::ostream& os) {
  IDLDefinition* target = resolvedDefinition();
  if (!target)
    return;
  if (target->kind() == DEF_const) {
    IDLConstDcl* constant = static_cast<IDLConstDcl*>(target);
    IDLDefinition* type =
        constant->declaredType() ? getType(constant->declaredType()) : nullptr;
    switch (type ? type->secondKind() : DEF_none) {
    case DEF_float:
    case DEF_double:
    case DEF_long_double:
      os << static_cast<double>(constant->getFloat());
      return;
    case DEF_long:
    case DEF_long_long:
    case DEF_short:
    case DEF_unsigned_long:
    case DEF_unsigned_long_long:
    case DEF_unsigned_short:
      os << constant->getInt();
      return;
    default:
      break;
    }
  }
  os << target->name().chars();
}

// Array elements of string and interface type live in holder classes, so an
// array declarator turns those element names into their holders.
void Generator::unscopedName(std::ostream& os, IDLDefinition* type,
                             IDLDefinition* decl) {
  if (!type)
    return;
  if (isArrayDeclarator(decl)) {
    IDLDefinition* resolved = IDLDefinition::getType(type);
    if (resolved && resolved->kind() == IDLDefinition::DEF_string_type) {
      os << "CORBA::String_var";
      return;
    }
    if (resolved && resolved->kind() == IDLDefinition::DEF_interface) {
      type->unscopedName(os);
      os << "_var";
      return;
    }
  }
  type->unscopedName(os);
}

void Generator::printScope(std::ostream& os, IDLDefinition* definition,
                           const char* prefix) {
  if (definition && definition->kind() == IDLDefinition::DEF_scoped_name)
    definition = static_cast<IDLScopedName*>(definition)->resolvedDefinition();
  // Built-in types name no scope, wherever the parser met them; of them
  // only "void" has no "::" of its own to keep it from being qualified.
  if (!definition || definition->kind() == IDLDefinition::DEF_primitive_type)
    return;
  std::vector<const IDLDefinition*> owners; // innermost first
  for (IDLScope* s = definition->definedInScope(); s; s = s->parent()) {
    const IDLDefinition* owner = s->owner();
    if (owner && isQualifyingOwner(owner))
      owners.push_back(owner);
  }
  for (auto it = owners.rbegin(); it != owners.rend(); ++it) {
    if (prefix)
      os << prefix;
    os << (*it)->name().chars() << "::";
  }
}

// A name that is already qualified (CORBA::Long, M::S as a sequence's
// element) is written as it is.
void Generator::scopedName(std::ostream& os, IDLDefinition* type,
                           IDLDefinition* decl, const char* prefix) {
  std::ostringstream text;
  unscopedName(text, type, decl);
  if (text.str().find(':') == std::string::npos)
    printScope(os, type, prefix);
  if (type && type->kind() == IDLDefinition::DEF_sequence_type &&
      static_cast<IDLSequenceType*>(type)->declared())
    os << static_cast<IDLSequenceType*>(type)->className().chars();
  else
    os << text.str();
}

void Generator::printScopedType(std::ostream& os, IDLDefinition* type,
                                IDLDefinition* decl) {
  scopedName(os, type, decl, nullptr);
}

void Generator::printType(std::ostream& os, IDLDefinition* type,
                          IDLDefinition* decl) {
  unscopedName(os, type, decl);
  if (getTypeCategory(IDLDefinition::getType(type), decl) == 2 &&
      !isArrayDeclarator(decl))
    os << "*";
}

// The parameter passing of the C++ mapping: what the caller hands in, what
// the callee hands back, and which of them owns storage afterwards.
void Generator::printParamType(std::ostream& os, IDLDefinition* type,
                               IDLDefinition* decl, const char* direction) {
  IDLDefinition* resolved = IDLDefinition::getType(type);
  int category = getTypeCategory(resolved, decl);
  Direction dir = directionOf(direction);
  if (category == 0) {
    printScopedType(os, type, decl);
    if (dir == Direction::Inout || dir == Direction::Out)
      os << "&";
    return;
  }
  if (category == 2) {
    printScopedType(os, type, decl);
    if (dir == Direction::Inout || dir == Direction::Out)
      os << "_ptr&";
    else
      os << "_ptr";
    return;
  }
  if (category != 1) {
    printScopedType(os, type, decl);
    return;
  }

  // An array is passed as its class, or as the slice pointer when storage
  // changes hands. A declared array class may be named apart from the type.
  IDLDefinition* array = nullptr;
  if (resolved->kind() == IDLDefinition::DEF_array_decl)
    array = resolved;
  else if (isArrayDeclarator(decl))
    array = decl;
  if (array || resolved->kind() == IDLDefinition::DEF_array) {
    bool fixed = resolved->fixedLength() != 0;
    if (dir == Direction::In)
      os << "const ";
    IDLArrayDecl* arrayDecl = static_cast<IDLArrayDecl*>(array);
    if (arrayDecl && arrayDecl->declared()) {
      printScope(os, arrayDecl, nullptr);
      os << arrayDecl->className().chars();
    } else {
      printScopedType(os, type, decl);
    }
    if (dir == Direction::Out && !fixed)
      os << "_slice *&";
    else if (dir == Direction::Return)
      os << "_slice *";
    return;
  }

  if (resolved->kind() == IDLDefinition::DEF_string_type) {
    switch (dir) {
    case Direction::In:
      os << "const char *";
      break;
    case Direction::Inout:
    case Direction::Out:
      os << "char *&";
      break;
    case Direction::Return:
      os << "char *";
      break;
    }
    return;
  }

  // Structs and unions of fixed length travel by value; every other complex
  // type comes back through a pointer the caller then owns.
  bool byValue = (resolved->kind() == IDLDefinition::DEF_struct ||
                  resolved->kind() == IDLDefinition::DEF_union) &&
                 resolved->fixedLength();
  if (dir == Direction::In)
    os << "const ";
  printScopedType(os, type, decl);
  switch (dir) {
  case Direction::In:
  case Direction::Inout:
    os << "&";
    break;
  case Direction::Out:
    os << (byValue ? "&" : " *&");
    break;
  case Direction::Return:
    if (!byValue)
      os << " *";
    break;
  }
}

void Generator::printReturnType(std::ostream& os, IDLDefinition* type) {
  printParamType(os, type, nullptr, "return");
}

void Generator::printScopedReturnType(std::ostream& os, IDLDefinition* type) {
  printScopedType(os, type, nullptr);
  IDLDefinition* resolved = IDLDefinition::getType(type);
  int category = getTypeCategory(resolved, nullptr);
  if (category == 3)
    return;
  if (category == 2)
    os << "_ptr";
  else if (resolved->kind() == IDLDefinition::DEF_array_decl)
    os << "_slice *";
  else if (resolved->kind() == IDLDefinition::DEF_string_type)
    return;
  else if (isArgPointer(type, "return"))
    os << " *";
}

// The caller writes the parentheses and the first line's indentation; the
// continuation lines line up under it.
void Generator::printParams(std::ostream& os, NCOrderedCltn* params,
                            IDLContextExpr* context) {
  unsigned count = params ? params->size() : 0;
  for (unsigned i = 0; i < count; ++i) {
    IDLParamDcl* param = static_cast<IDLParamDcl*>(params->at(i));
    if (i > 0)
      os << "," << endltab << "\t\t";
    printParamType(os, param->typeSpec(), param->declarator(),
                   param->direction().chars());
    os << " ";
    if (param->declarator())
      param->declarator()->unscopedName(os);
  }
  if (context && context->names()) {
    if (count > 0)
      os << ", " << endltab;
    os << "\t\tCORBA::Context_ptr _context";
  }
}

int Generator::isArgPointer(IDLDefinition* definition, const char* direction) {
  IDLDefinition* examined = definition;
  if (definition && definition->kind() == IDLDefinition::DEF_param)
    examined = static_cast<IDLParamDcl*>(definition)->typeSpec();
  else if (definition && definition->kind() == IDLDefinition::DEF_op_dcl)
    examined = static_cast<IDLOpDcl*>(definition)->returnType();
  IDLDefinition* type = IDLDefinition::getType(examined);
  int category = getTypeCategory(type, nullptr);
  if (category == 2)
    return 1;
  if (category != 1)
    return 0;
  Direction dir = directionOf(direction);
  bool handedBack = dir == Direction::Out || dir == Direction::Return;
  if (type->kind() == IDLDefinition::DEF_string_type)
    return 1;
  if (type->kind() == IDLDefinition::DEF_sequence_type ||
      type->secondKind() == IDLDefinition::DEF_any)
    return handedBack;
  if (type->kind() == IDLDefinition::DEF_struct ||
      type->kind() == IDLDefinition::DEF_union)
    return !type->fixedLength() && handedBack;
  if (isArrayKind(type->kind())) {
    if (dir == Direction::Return)
      return 1;
    return !type->fixedLength() && dir == Direction::Out;
  }
  return 0;
}

// The nearest ID and version pragmas win; the path runs from the nearest
// scope with a prefix pragma (exclusive) down to the definition.
void Generator::printRepositoryId(std::ostream& os, IDLDefinition* definition) {
  if (!definition)
    return;
  const NCString* id = nullptr;
  const NCString* version = nullptr;
  const NCString* prefix = nullptr;
  std::string path;
  for (IDLScope* s = definition->definedInScope(); s; s = s->parent()) {
    if (isUnsetOrEmpty(id))
      id = idPragmaFor(*s, definition);
    if (isUnsetOrEmpty(version))
      version = versionPragmaFor(*s, definition);
    if (!isUnsetOrEmpty(prefix))
      continue;
    prefix = &s->prefix();
    if (s->scopeType() == IDLScope::ST_GLOBAL)
      continue;
    if (!isUnsetOrEmpty(prefix))
      continue;
    if (!path.empty())
      path = "/" + path;
    path = std::string(s->name() ? s->name()->chars() : "") + path;
  }
  if (!isUnsetOrEmpty(id)) {
    os << "\"" << id->chars() << "\"";
    return;
  }
  os << "\"IDL:";
  if (!isUnsetOrEmpty(prefix))
    os << prefix->chars() << "/";
  if (!path.empty())
    os << path << "/";
  unscopedName(os, definition, nullptr);
  os << ":" << (isUnsetOrEmpty(version) ? "1.0" : version->chars()) << "\"";
}

void Generator::parent_transitive_closure(IDLInterface& interface,
                                          NCOrderedCltn& result) {
  NCOrderedCltn* bases =
      interface.header() ? interface.header()->inheritance() : nullptr;
  unsigned count = bases ? bases->size() : 0;
  for (unsigned i = 0; i < count; ++i) {
    IDLInterface* base = interfaceNamedBy(bases->at(i));
    if (!base || result.occurrencesOf(*base) > 0)
      continue;
    result.add(*base);
    parent_transitive_closure(*base, result);
  }
}

// Element names already in the runtime's namespace lose it, and a sequence
// of sequences drops the repeated "CORBA_", so the class names stay short
// and unique: CORBA_sequence_Long, CORBA_sequence_sequence_Long.
NCString* Generator::makeSequenceName(const char* elementTypeName, int bound) {
  std::string name = "CORBA_sequence_";
  const char* rest = elementTypeName ? elementTypeName : "";
  if (std::strncmp(rest, "CORBA::", 7) == 0)
    rest += 7;
  else if (std::strncmp(rest, "CORBA_sequence", 14) == 0)
    rest += 6;
  for (const char* p = rest; *p; ++p) {
    if (p[0] == ':' && p[1] == ':') {
      name += '_';
      ++p;
    } else {
      name += *p;
    }
  }
  if (bound != 0)
    name += "_" + std::to_string(bound);
  return new NCString(name.c_str());
}

NCString* Generator::colonToUnderbar(NCString& text) {
  std::string result = text.chars();
  for (char& c : result) {
    if (std::strchr(":(./\\)", c))
      c = '_';
  }
  return new NCString(result.c_str());
}
