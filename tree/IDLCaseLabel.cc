// tree/IDLCaseLabel.cc - case labels.

#include "tree/IDLCaseLabel.h"

#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLCaseLabel, IDLDefinition::desc())

IDLCaseLabel::IDLCaseLabel(IDLDefinition* value)
    : IDLDefinition(DEF_case_label), _value(value) {}

IDLCaseLabel::IDLCaseLabel(NCistream& is)
    : IDLDefinition(is), _value(streamfields::readRef<IDLDefinition>(is)) {}

IDLCaseLabel::~IDLCaseLabel() {
  traceFreeing();
}

void IDLCaseLabel::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_value);
}
