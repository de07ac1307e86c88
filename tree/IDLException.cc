// tree/IDLException.cc - exceptions.

#include "tree/IDLException.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLException, IDLDefinition::desc())

IDLException::IDLException(const char* name)
    : IDLDefinition(DEF_except), _name(name) {}

IDLException::IDLException(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
  _members = streamfields::readRef<NCOrderedCltn>(is);
}

IDLException::~IDLException() {
  traceFreeing();
}

void IDLException::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
  os.writeTransObj(_members);
}
