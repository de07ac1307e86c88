// tree/IDLRaisesExpr.cc - raises clauses.

#include "tree/IDLRaisesExpr.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLRaisesExpr, IDLDefinition::desc())

IDLRaisesExpr::IDLRaisesExpr(NCOrderedCltn* exceptions)
    : IDLDefinition(DEF_raises), _exceptions(exceptions) {}

IDLRaisesExpr::IDLRaisesExpr(NCistream& is)
    : IDLDefinition(is), _exceptions(streamfields::readRef<NCOrderedCltn>(is)) {
}

IDLRaisesExpr::~IDLRaisesExpr() {
  traceFreeing();
}

void IDLRaisesExpr::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_exceptions);
}
