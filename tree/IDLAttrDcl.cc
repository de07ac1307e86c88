// tree/IDLAttrDcl.cc - attribute declarations.

#include "tree/IDLAttrDcl.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/IDLScope.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLAttrDcl, IDLDefinition::desc())

IDLAttrDcl::IDLAttrDcl(const char* readonly)
    : IDLDefinition(DEF_attr_dcl), _readonly(new NCString(readonly)) {}

IDLAttrDcl::IDLAttrDcl(NCistream& is)
    : IDLDefinition(is), _readonly(new NCString) {
  streamfields::readText(is, *_readonly);
  _type = streamfields::readRef<IDLDefinition>(is);
  _declarators = streamfields::readRef<NCOrderedCltn>(is);
}

IDLAttrDcl::~IDLAttrDcl() {
  traceFreeing();
  delete _readonly;
}

void IDLAttrDcl::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _readonly->chars();
  os.writeTransObj(_type);
  os.writeTransObj(_declarators);
}

void IDLAttrDcl::setDeclarators(NCOrderedCltn* declarators,
                                IDLDefinition* type) {
  _declarators = declarators;
  _type = type;
  IDLSimpleDecl::bindDeclarators(declarators, type);
}

void IDLAttrDcl::addToScope() {
  IDLSimpleDecl::addNamesToScope(_declarators, *this);
}
