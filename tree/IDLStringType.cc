// tree/IDLStringType.cc - string types.

#include "tree/IDLStringType.h"

#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLStringType, IDLDefinition::desc())

IDLStringType::IDLStringType(IDLDefinition* bound)
    : IDLDefinition(DEF_string_type), _bound(bound), _name("string") {}

IDLStringType::IDLStringType(NCistream& is) : IDLDefinition(is) {
  _bound = streamfields::readRef<IDLDefinition>(is);
  streamfields::readText(is, _name);
}

IDLStringType::~IDLStringType() {
  traceFreeing();
}

void IDLStringType::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_bound);
  os << _name.chars();
}
