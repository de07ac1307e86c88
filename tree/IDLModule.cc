// tree/IDLModule.cc - modules and the module dictionary.

#include "tree/IDLModule.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLModule, IDLDefinition::desc())

NCDictionary IDLModule::_moduleDict(16);

IDLModule::IDLModule(const char* name)
    : IDLDefinition(DEF_module), _name(name) {}

IDLModule::IDLModule(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
  _definitions = streamfields::readRef<NCOrderedCltn>(is);
  addToDictionary();
}

IDLModule::~IDLModule() {
  traceFreeing();
  _moduleDict.removeKey(_name);
}

void IDLModule::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
  os.writeTransObj(_definitions);
}

void IDLModule::addToDictionary() {
  _moduleDict.addAssoc(_name, *this);
}
