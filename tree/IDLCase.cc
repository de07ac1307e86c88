// tree/IDLCase.cc - union cases.

#include "tree/IDLCase.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/IDLElement.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLCase, IDLDefinition::desc())

IDLCase::IDLCase(NCOrderedCltn* labels, IDLElement* element)
    : IDLDefinition(DEF_case), _labels(labels), _element(element) {}

IDLCase::IDLCase(NCistream& is) : IDLDefinition(is) {
  _labels = streamfields::readRef<NCOrderedCltn>(is);
  _element = streamfields::readRef<IDLElement>(is);
}

IDLCase::~IDLCase() {
  traceFreeing();
}

void IDLCase::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_labels);
  os.writeTransObj(_element);
}
