// tree/IDLElement.cc - union elements.

#include "tree/IDLElement.h"

#include "nclib/NCostream.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLElement, IDLDefinition::desc())

IDLElement::IDLElement() : IDLDefinition(DEF_element) {}

IDLElement::IDLElement(NCistream& is) : IDLDefinition(is) {
  _type = streamfields::readRef<IDLDefinition>(is);
  _declarator = streamfields::readRef<IDLDefinition>(is);
}

IDLElement::~IDLElement() {
  traceFreeing();
}

void IDLElement::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_type);
  os.writeTransObj(_declarator);
}

void IDLElement::setDeclarator(IDLDefinition* declarator, IDLDefinition* type) {
  _declarator = declarator;
  _type = type;
  IDLSimpleDecl::bindDeclarator(declarator, type);
}

void IDLElement::addToScope() {
  if (_declarator)
    IDLScope::addToCurrentScope(_declarator->name(), *this);
}

bool IDLElement::isFullyResolved() {
  return IDLScopedName::isTypeFullyResolved(_type);
}
