// tree/IDLContextExpr.cc - context clauses.

#include "tree/IDLContextExpr.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLContextExpr, IDLDefinition::desc())

IDLContextExpr::IDLContextExpr(NCOrderedCltn* names)
    : IDLDefinition(DEF_context), _names(names) {}

IDLContextExpr::IDLContextExpr(NCistream& is)
    : IDLDefinition(is), _names(streamfields::readRef<NCOrderedCltn>(is)) {}

IDLContextExpr::~IDLContextExpr() {
  traceFreeing();
}

void IDLContextExpr::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_names);
}
