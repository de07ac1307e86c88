// tree/IDLOpDcl.cc - operation declarations.

#include "tree/IDLOpDcl.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLRaisesExpr.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLOpDcl, IDLDefinition::desc())

IDLOpDcl::IDLOpDcl(const char* oneway, IDLDefinition* returnType,
                   const char* name)
    : IDLDefinition(DEF_op_dcl), _name(name), _oneway(new NCString(oneway)),
      _returnType(returnType) {}

IDLOpDcl::IDLOpDcl(NCistream& is) : IDLDefinition(is), _oneway(new NCString) {
  streamfields::readText(is, _name);
  streamfields::readText(is, *_oneway);
  _returnType = streamfields::readRef<IDLDefinition>(is);
  _parameters = streamfields::readRef<NCOrderedCltn>(is);
  _raises = streamfields::readRef<IDLRaisesExpr>(is);
  _context = streamfields::readRef<IDLContextExpr>(is);
}

IDLOpDcl::~IDLOpDcl() {
  traceFreeing();
  delete _oneway;
}

void IDLOpDcl::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
  os << _oneway->chars();
  os.writeTransObj(_returnType);
  os.writeTransObj(_parameters);
  os.writeTransObj(_raises);
  os.writeTransObj(_context);
}
