// tree/IDLTypeDecl.cc - typedefs: declarator binding and entering names.

#include "tree/IDLTypeDecl.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/IDLScope.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLTypeDecl, IDLDefinition::desc())

IDLTypeDecl::IDLTypeDecl(IDLDefinition* type)
    : IDLDefinition(DEF_typedecl), _type(type) {}

IDLTypeDecl::IDLTypeDecl(NCistream& is) : IDLDefinition(is) {
  _type = streamfields::readRef<IDLDefinition>(is);
  _declarators = streamfields::readRef<NCOrderedCltn>(is);
}

IDLTypeDecl::~IDLTypeDecl() {
  traceFreeing();
}

void IDLTypeDecl::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_type);
  os.writeTransObj(_declarators);
}

const NCString& IDLTypeDecl::name() const {
  if (!_declarators || _declarators->isEmpty())
    return undefstr;
  return static_cast<IDLDefinition*>(_declarators->first())->name();
}

void IDLTypeDecl::setDeclarators(NCOrderedCltn* declarators,
                                 IDLDefinition* type) {
  _declarators = declarators;
  _type = type;
  IDLSimpleDecl::bindDeclarators(declarators, type);
}

void IDLTypeDecl::addToScope() {
  for (unsigned i = 0; _declarators && i < _declarators->size(); ++i) {
    IDLDefinition* decl =
        static_cast<IDLDefinition*>(_declarators->at(static_cast<int>(i)));
    // An array declarator stands for its own type, so it is the value.
    if (decl->kind() == DEF_array_decl)
      IDLScope::addToCurrentScope(decl->name(), *decl);
    else
      IDLScope::addToCurrentScope(decl->name(), *this);
  }
}
