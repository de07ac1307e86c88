// tree/IDLPrimType.cc - primitive types.

#include "tree/IDLPrimType.h"

#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

#include <cstring>

VELMARIC_DEFINE_CLASS(IDLPrimType, IDLDefinition::desc())

IDLPrimType::IDLPrimType(const char* name, DefinitionType subkind)
    : IDLDefinition(DEF_primitive_type, subkind), _name(name) {}

IDLPrimType::IDLPrimType(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
  // The dump's second kind is not in the stream form; the IDL spelling
  // names it.
  DefinitionType subkind = subkindOf(_name.chars());
  if (subkind != DEF_none)
    setSecondKind(subkind);
}

IDLPrimType::~IDLPrimType() {
  traceFreeing();
}

void IDLPrimType::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
}

IDLDefinition::DefinitionType IDLPrimType::subkindOf(const char* name) {
  // clang-format off
  static const struct { const char* name; DefinitionType kind; } spellings[] = {
      {"float", DEF_float},
      {"double", DEF_double},
      {"long double", DEF_long_double},
      {"long", DEF_long},
      {"long long", DEF_long_long},
      {"short", DEF_short},
      {"unsigned long", DEF_unsigned_long},
      {"unsigned long long", DEF_unsigned_long_long},
      {"unsigned short", DEF_unsigned_short},
      {"char", DEF_char},
      {"boolean", DEF_boolean},
      {"octet", DEF_octet},
      {"any", DEF_any},
      {"string", DEF_string},
      {"void", DEF_void},
  };
  // clang-format on
  for (const auto& s : spellings)
    if (name && std::strcmp(name, s.name) == 0)
      return s.kind;
  return DEF_none;
}
