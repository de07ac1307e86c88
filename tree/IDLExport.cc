// tree/IDLExport.cc - a list of exported definitions.

#include "tree/IDLExport.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLExport, IDLDefinition::desc())

IDLExport::IDLExport(NCOrderedCltn* definitions)
    : IDLDefinition(DEF_export), _definitions(definitions) {}

IDLExport::IDLExport(NCistream& is)
    : IDLDefinition(is),
      _definitions(streamfields::readRef<NCOrderedCltn>(is)) {}

IDLExport::~IDLExport() {
  traceFreeing();
}

void IDLExport::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_definitions);
}
