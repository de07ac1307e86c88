// tree/IDLInterfaceHeader.cc - an interface's name and bases.

#include "tree/IDLInterfaceHeader.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/IDLInterface.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLInterfaceHeader, IDLDefinition::desc())

IDLInterfaceHeader::IDLInterfaceHeader(const char* name,
                                       NCOrderedCltn* inheritance)
    : IDLDefinition(DEF_interface), _name(name), _inheritance(inheritance) {
  setFixedLength(0);
}

IDLInterfaceHeader::IDLInterfaceHeader(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
  _inheritance = streamfields::readRef<NCOrderedCltn>(is);
  _interface = streamfields::readRef<IDLInterface>(is);
  is >> _refersToEarlier;
}

IDLInterfaceHeader::~IDLInterfaceHeader() {
  traceFreeing();
}

void IDLInterfaceHeader::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
  os.writeTransObj(_inheritance);
  os.writeTransObj(_interface);
  os << _refersToEarlier;
}

std::uint32_t IDLInterfaceHeader::hash() const {
  return _name.hash();
}

int IDLInterfaceHeader::compare(const NCObject& other) const {
  return _name.compare(static_cast<const IDLInterfaceHeader&>(other)._name);
}
