// tree/IDLMember.cc - struct and exception members.

#include "tree/IDLMember.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLMember, IDLDefinition::desc())

IDLMember::IDLMember(IDLDefinition* type)
    : IDLDefinition(DEF_member), _type(type) {}

IDLMember::IDLMember(NCistream& is) : IDLDefinition(is) {
  _type = streamfields::readRef<IDLDefinition>(is);
  _declarators = streamfields::readRef<NCOrderedCltn>(is);
}

IDLMember::~IDLMember() {
  traceFreeing();
}

void IDLMember::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_type);
  os.writeTransObj(_declarators);
}

void IDLMember::setDeclarators(NCOrderedCltn* declarators,
                               IDLDefinition* type) {
  _declarators = declarators;
  _type = type;
  IDLSimpleDecl::bindDeclarators(declarators, type);
}

void IDLMember::addToScope() {
  IDLSimpleDecl::addNamesToScope(_declarators, *this);
}

bool IDLMember::isFullyResolved() {
  return IDLScopedName::isTypeFullyResolved(_type);
}
