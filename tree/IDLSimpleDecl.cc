// tree/IDLSimpleDecl.cc - plain declarators and declarator binding.

#include "tree/IDLSimpleDecl.h"

#include "nclib/NCOrderedCltn.h"
#include "nclib/NCostream.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLScope.h"
#include "tree/StreamFields.h"

VELMARIC_DEFINE_CLASS(IDLSimpleDecl, IDLDefinition::desc())

IDLSimpleDecl::IDLSimpleDecl(const char* name)
    : IDLDefinition(DEF_simple_decl), _name(name) {}

IDLSimpleDecl::IDLSimpleDecl(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
  _declaredType = streamfields::readRef<IDLDefinition>(is);
}

IDLSimpleDecl::~IDLSimpleDecl() {
  traceFreeing();
}

void IDLSimpleDecl::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
  os.writeTransObj(_declaredType);
}

void IDLSimpleDecl::bindDeclarator(IDLDefinition* declarator,
                                   IDLDefinition* type) {
  if (!declarator)
    return;
  if (declarator->kind() == DEF_array_decl)
    static_cast<IDLArrayDecl*>(declarator)->setDeclaredType(type);
  else if (declarator->kind() == DEF_simple_decl)
    static_cast<IDLSimpleDecl*>(declarator)->setDeclaredType(type);
  // Declarators of anonymous sequence types drive the generation of the
  // sequence classes of their scope.
  if (type && type->kind() == DEF_sequence_type && IDLScope::_current_scope)
    IDLScope::_current_scope->addSequence(declarator);
}

void IDLSimpleDecl::bindDeclarators(NCOrderedCltn* declarators,
                                    IDLDefinition* type) {
  for (unsigned i = 0; declarators && i < declarators->size(); ++i)
    bindDeclarator(
        static_cast<IDLDefinition*>(declarators->at(static_cast<int>(i))),
        type);
}

void IDLSimpleDecl::addNamesToScope(NCOrderedCltn* declarators,
                                    IDLDefinition& value) {
  for (unsigned i = 0; declarators && i < declarators->size(); ++i)
    IDLScope::addToCurrentScope(
        static_cast<IDLDefinition*>(declarators->at(static_cast<int>(i)))
            ->name(),
        value);
}
