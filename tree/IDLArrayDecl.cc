// tree/IDLArrayDecl.cc - array declarators.

#include "tree/IDLArrayDecl.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/IDLScopedName.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLArrayDecl, IDLDefinition::desc())

IDLArrayDecl::IDLArrayDecl(const char* name, NCOrderedCltn* dimensions)
    : IDLDefinition(DEF_array_decl), _name(name), _dimensions(dimensions) {}

IDLArrayDecl::IDLArrayDecl(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
  _dimensions = streamfields::readRef<NCOrderedCltn>(is);
  _declaredType = streamfields::readRef<IDLDefinition>(is);
  streamfields::readText(is, _className);
  is >> _declared;
}

IDLArrayDecl::~IDLArrayDecl() {
  traceFreeing();
}

void IDLArrayDecl::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
  os.writeTransObj(_dimensions);
  os.writeTransObj(_declaredType);
  os << _className.chars();
  os << _declared;
}

bool IDLArrayDecl::isFullyResolved() {
  return IDLScopedName::isTypeFullyResolved(_declaredType);
}
