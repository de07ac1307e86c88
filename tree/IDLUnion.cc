// tree/IDLUnion.cc - unions and the union dictionary.

#include "tree/IDLUnion.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLUnion, IDLDefinition::desc())

NCDictionary IDLUnion::_unionDict(16);

IDLUnion::IDLUnion(const char* name) : IDLDefinition(DEF_union), _name(name) {}

IDLUnion::IDLUnion(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
  _switchType = streamfields::readRef<IDLDefinition>(is);
  _cases = streamfields::readRef<NCOrderedCltn>(is);
  addToDictionary();
}

IDLUnion::~IDLUnion() {
  traceFreeing();
  _unionDict.removeKey(_name);
}

void IDLUnion::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
  os.writeTransObj(_switchType);
  os.writeTransObj(_cases);
}

void IDLUnion::addToDictionary() {
  _unionDict.addAssoc(_name, *this);
}
