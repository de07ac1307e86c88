// tree/IDLSequenceType.cc - sequence types.

#include "tree/IDLSequenceType.h"

#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLSequenceType, IDLDefinition::desc())

IDLSequenceType::IDLSequenceType(IDLDefinition* elementType,
                                 IDLDefinition* bound)
    : IDLDefinition(DEF_sequence_type), _elementType(elementType),
      _bound(bound) {}

IDLSequenceType::IDLSequenceType(NCistream& is) : IDLDefinition(is) {
  _elementType = streamfields::readRef<IDLDefinition>(is);
  _bound = streamfields::readRef<IDLDefinition>(is);
  is >> _declared;
  is >> _implemented;
  streamfields::readText(is, _className);
}

IDLSequenceType::~IDLSequenceType() {
  traceFreeing();
}

void IDLSequenceType::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_elementType);
  os.writeTransObj(_bound);
  os << _declared;
  os << _implemented;
  os << _className.chars();
}
