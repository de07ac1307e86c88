// tree/IDLEnumType.cc - enum types.

#include "tree/IDLEnumType.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLEnumType, IDLDefinition::desc())

IDLEnumType::IDLEnumType(const char* name, NCOrderedCltn* enumerators)
    : IDLDefinition(DEF_enum_type), _name(name), _enumerators(enumerators) {}

IDLEnumType::IDLEnumType(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
  _enumerators = streamfields::readRef<NCOrderedCltn>(is);
}

IDLEnumType::~IDLEnumType() {
  traceFreeing();
}

void IDLEnumType::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
  os.writeTransObj(_enumerators);
}
