// tree/IDLSpec.cc - the root node of one input file.

#include "tree/IDLSpec.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLSpec, IDLDefinition::desc())

IDLSpec* IDLSpec::specification = nullptr;

IDLSpec::IDLSpec(NCOrderedCltn* definitions)
    : IDLDefinition(DEF_specification), _definitions(definitions) {}

IDLSpec::IDLSpec(NCistream& is)
    : IDLDefinition(is),
      _definitions(streamfields::readRef<NCOrderedCltn>(is)) {}

IDLSpec::~IDLSpec() {
  traceFreeing();
}

void IDLSpec::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_definitions);
}
