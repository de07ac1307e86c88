// tree/IDLDefinition.cc - the base node: fields, stream form, type lookup.

#include "tree/IDLDefinition.h"

#include "driver/IDLParser.h"
#include "nclib/NCLinkedList.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLTypeDecl.h"
#include "tree/TreeMessages.h"

#include <cstring>
#include <iostream>

VELMARIC_DEFINE_CLASS_INIT(IDLDefinition, VELMARIC_INIT_TREE_ROOTS,
                           NCObject::desc())

const NCString IDLDefinition::undefstr("UNDEFINED");

namespace {

// Dump names of the kinds; kinds without a name are null.
// ORDER DEFINITION-TYPE
// clang-format off
const char* const kindNames[] = {
    "DEF_type", "DEF_const", "DEF_except", "DEF_interface", "DEF_module",
    "DEF_struct", "DEF_member", "DEF_simple_decl", "DEF_union", "DEF_enum",
    "DEF_simple_type", "DEF_constr_type", "DEF_not_implemented", "DEF_float",
    "DEF_double", nullptr, "DEF_long", nullptr, "DEF_short",
    "DEF_unsigned_long", nullptr, "DEF_unsigned_short", "DEF_char",
    "DEF_boolean", "DEF_octet", "DEF_any", "DEF_string", "DEF_scoped_name",
    "DEF_export", "DEF_attr", "DEF_op_dcl", "DEF_array", "DEF_case_label",
    "DEF_default_case_label", "DEF_element", "DEF_case", "DEF_specification",
    "DEF_void", "DEF_or_expr", "DEF_logical", "DEF_true", "DEF_false",
    "DEF_minus", "DEF_plus", "DEF_tilde", "DEF_literal", "DEF_param",
    "DEF_unresolved", "DEF_unnamed_scope", "DEF_enum_type", "DEF_error",
    "DEF_primitive_type", "DEF_unary", "DEF_binary", "DEF_unary_op",
    "DEF_typedecl", "DEF_string_type", "DEF_sequence_type", "DEF_attr_dcl",
    "DEF_array_decl", "DEF_raises", "DEF_context", nullptr, nullptr,
};
// clang-format on
static_assert(sizeof(kindNames) / sizeof(kindNames[0]) ==
                  IDLDefinition::definitionTypeCount,
              "one dump name per definition kind");

} // namespace

IDLDefinition::IDLDefinition(DefinitionType kind, DefinitionType second)
    : _kind(kind), _definedInScope(IDLScope::_current_scope),
      _secondKind(second == DEF_none ? kind : second) {
  if (IDLParser::currentCPPIncludedFileName)
    _fileName = new NCString(*IDLParser::currentCPPIncludedFileName);
}

IDLDefinition::IDLDefinition(NCistream& is)
    : NCObject(is), _definedInScope(IDLScope::_current_scope) {
  int kind = 0;
  is >> kind;
  _kind = static_cast<DefinitionType>(kind);
  _secondKind = _kind;
  _scope = static_cast<IDLScope*>(is.readTransObj());
  is >> _fixedLength;
}

IDLDefinition::~IDLDefinition() {
  traceFreeing();
  delete _fileName;
}

void IDLDefinition::traceFreeing() const {
  std::cout << treemsg::freeing;
  NCostream os(std::cout);
  prettyPrint(os);
}

void IDLDefinition::write(NCostream& os) const {
  os << static_cast<int>(_kind);
  os.writeTransObj(_scope);
  os << _fixedLength;
}

std::uint32_t IDLDefinition::hash() const {
  return static_cast<std::uint32_t>(_kind);
}

int IDLDefinition::compare(const NCObject& other) const {
  return _kind - static_cast<const IDLDefinition&>(other)._kind;
}

void IDLDefinition::setFileName(const char* name) {
  delete _fileName;
  _fileName = name ? new NCString(name) : nullptr;
}

void IDLDefinition::setScope(IDLScope* s) {
  _scope = s;
  if (s)
    s->setOwner(this);
}

// Code generation: a plain definition writes nothing. The node classes
// override these in the emitters that own each output file. The base
// headerCode, which writes the boolean kinds, is defined with the client
// header's expression nodes.
void IDLDefinition::tieCode(std::ostream&, int) {}
void IDLDefinition::serverHeaderCode(std::ostream&) {}
void IDLDefinition::serverHeaderCodeAgain(std::ostream&) {}
void IDLDefinition::serverCCode(std::ostream&) {}
void IDLDefinition::clientCCode(std::ostream&) {}
void IDLDefinition::readObjectFromStream(std::ostream&, const char*,
                                         const char*, int, const char*,
                                         const char*, int) {}
void IDLDefinition::writeObjectToStream(std::ostream&, const char*, const char*,
                                        int, const char*, int) {}
void IDLDefinition::readObjectFromNCStream(std::ostream&, const char*,
                                           const char*, int) {}
void IDLDefinition::writeObjectToNCStream(std::ostream&, const char*,
                                          const char*, int) {}
void IDLDefinition::typeCodeHeaderCode(std::ostream&, const char*, int) {}
void IDLDefinition::typeCodeCCode(std::ostream&, IDLDefinition*) {}
void IDLDefinition::unscopedTypeCodeName(std::ostream&) {}
void IDLDefinition::unscopedName(std::ostream&) {}

IDLScope* IDLDefinition::scope() const {
  return _scope;
}
IDLScope* IDLDefinition::definedInScope() const {
  return _definedInScope;
}
const NCString& IDLDefinition::name() const {
  return undefstr;
}
long IDLDefinition::getInt() const {
  return 0;
}
float IDLDefinition::getFloat() const {
  return 0.0f;
}
IDLPrimType* IDLDefinition::type() const {
  return nullptr;
}

int IDLDefinition::exprType(DefinitionType k) {
  switch (k) {
  case DEF_long:
  case DEF_short:
  case DEF_unsigned_long:
  case DEF_unsigned_short:
    return 0;
  case DEF_char:
    return 1;
  case DEF_boolean:
    return 2;
  case DEF_float:
  case DEF_double:
    return 3;
  case DEF_string:
  case DEF_string_type:
    return 4;
  default:
    return 5;
  }
}

const char* IDLDefinition::kindName(DefinitionType k) {
  if (k < 0 || k >= definitionTypeCount)
    return nullptr;
  return kindNames[k];
}

bool IDLDefinition::isDefinition(const NCObject* obj) {
  return obj->classInfo() == desc() || obj->classInfo()->hasBase(*desc());
}

IDLDefinition* IDLDefinition::getType(IDLDefinition* d) {
  if (!d) {
    std::cerr << treemsg::getTypeRoutine << treemsg::nullDefinition;
    return nullptr;
  }
  // The scoped name the current definition was reached through, if any: a
  // typedef reached by name may stand for one of its array declarators.
  IDLScopedName* via = nullptr;
  if (d->kind() == DEF_scoped_name) {
    via = static_cast<IDLScopedName*>(d);
    d = via->resolvedDefinition();
    if (!d)
      return nullptr;
  }
  while (d->kind() == DEF_typedecl) {
    IDLTypeDecl* typedecl = static_cast<IDLTypeDecl*>(d);
    NCOrderedCltn* declarators = typedecl->declarators();
    if (via && declarators) {
      NCObject* last = via->resolutionChain()->last();
      const char* wanted =
          last ? static_cast<IDLDefinition*>(last)->name().chars() : nullptr;
      for (unsigned i = 0; wanted && i < declarators->size(); ++i) {
        IDLDefinition* decl = static_cast<IDLDefinition*>(declarators->at(i));
        if (decl && decl->kind() == DEF_array_decl &&
            std::strcmp(decl->name().chars(), wanted) == 0)
          return decl;
      }
    }
    d = typedecl->typeSpec();
    if (!d)
      return nullptr;
    via = nullptr;
    if (d->kind() == DEF_scoped_name) {
      via = static_cast<IDLScopedName*>(d);
      d = via->resolvedDefinition();
      if (!d)
        return nullptr;
    }
  }
  return d;
}
