// tree/IDLEnum.cc - enumerators.

#include "tree/IDLEnum.h"

#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLEnum, IDLDefinition::desc())

IDLEnum::IDLEnum(const char* name) : IDLDefinition(DEF_enum), _name(name) {}

IDLEnum::IDLEnum(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
}

IDLEnum::~IDLEnum() {
  traceFreeing();
}

void IDLEnum::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
}
