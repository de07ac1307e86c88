// tree/IDLStructure.cc - structs and the struct dictionary.

#include "tree/IDLStructure.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLStructure, IDLDefinition::desc())

NCDictionary IDLStructure::_structDict(16);

IDLStructure::IDLStructure(const char* name)
    : IDLDefinition(DEF_struct), _name(name) {}

IDLStructure::IDLStructure(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
  _members = streamfields::readRef<NCOrderedCltn>(is);
  addToDictionary();
}

IDLStructure::~IDLStructure() {
  traceFreeing();
  _structDict.removeKey(_name);
}

void IDLStructure::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
  os.writeTransObj(_members);
}

void IDLStructure::addToDictionary() {
  _structDict.addAssoc(_name, *this);
}
