// tree/IDLParamDcl.cc - operation parameters.

#include "tree/IDLParamDcl.h"

#include "nclib/NCostream.h"
#include "tree/IDLScope.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLParamDcl, IDLDefinition::desc())

IDLParamDcl::IDLParamDcl(const char* direction)
    : IDLDefinition(DEF_param), _direction(new NCString(direction)) {}

IDLParamDcl::IDLParamDcl(NCistream& is)
    : IDLDefinition(is), _direction(new NCString) {
  streamfields::readText(is, *_direction);
  _type = streamfields::readRef<IDLDefinition>(is);
  _declarator = streamfields::readRef<IDLDefinition>(is);
}

IDLParamDcl::~IDLParamDcl() {
  traceFreeing();
  delete _direction;
}

void IDLParamDcl::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _direction->chars();
  os.writeTransObj(_type);
  os.writeTransObj(_declarator);
}

void IDLParamDcl::setDeclarator(IDLDefinition* declarator,
                                IDLDefinition* type) {
  _declarator = declarator;
  _type = type;
  IDLSimpleDecl::bindDeclarator(declarator, type);
}

void IDLParamDcl::addToScope() {
  if (_declarator)
    IDLScope::addToCurrentScope(_declarator->name(), *this);
}
