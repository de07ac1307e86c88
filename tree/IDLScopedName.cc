// tree/IDLScopedName.cc - binding a scoped name to the definition it names.

#include "tree/IDLScopedName.h"

#include "frontend/IDLError.h"
#include "nclib/NCLinkedList.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCStack.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLScope.h"
#include "tree/TreeMessages.h"

#include <cstring>
#include <iostream>

VELMARIC_DEFINE_CLASS(IDLScopedName, IDLDefinition::desc())

IDLScopedName::IDLScopedName()
    : IDLDefinition(DEF_scoped_name), _components(new NCStack),
      _chain(new NCLinkedList),
      _placeholder(new IDLDefinition(DEF_unresolved)) {
  _resolved = _placeholder;
}

IDLScopedName::IDLScopedName(NCistream& is)
    : IDLDefinition(is), _placeholder(nullptr) {
  _components = static_cast<NCStack*>(is.readTransObj());
  _chain = static_cast<NCLinkedList*>(is.readTransObj());
  _resolved = static_cast<IDLDefinition*>(is.readTransObj());
  if (!_components)
    _components = new NCStack;
  if (!_chain)
    _chain = new NCLinkedList;
}

IDLScopedName::~IDLScopedName() {
  traceFreeing();
  delete _components;
  delete _chain;
  delete _placeholder;
}

void IDLScopedName::write(NCostream& os) const {
  IDLDefinition::write(os);
  os.writeTransObj(_components);
  os.writeTransObj(_chain);
  os.writeTransObj(_resolved);
}

long IDLScopedName::getInt() const {
  return _resolved->getInt();
}
float IDLScopedName::getFloat() const {
  return _resolved->getFloat();
}
IDLPrimType* IDLScopedName::type() const {
  return _resolved->type();
}

void IDLScopedName::pushComponent(NCString& component) {
  _components->push(component);
}

bool IDLScopedName::isResolved() const {
  return _resolved && _resolved->kind() != DEF_unresolved;
}

void IDLScopedName::resolve() {
  if (_components->isEmpty())
    IDLError::error(treemsg::noComponents);

  // Definitions found so far, the latest in front.
  NCLinkedList found;
  IDLScope* search = IDLScope::_current_scope;
  IDLDefinition* previous = nullptr;
  NCIterator it(*_components);
  while (NCObject* obj = it.next()) {
    const NCString& component = *static_cast<NCString*>(obj);
    if (previous) {
      search = previous->scope();
      if (!search)
        IDLError::error(treemsg::noDefinitionFor, this);
    }
    IDLScope* declaring = IDLScope::getScopeForId(component, search);
    NCObject* value = IDLScope::lookupInScope(component, search);
    if (!value)
      IDLError::error(treemsg::noObjectAssociation, this);

    IDLDefinition* chosen = nullptr;
    if (IDLScope::isDefinitionList(value)) {
      // A name imported from several places: the definition made in the
      // scope where the name was found wins.
      NCOrderedCltn* candidates = static_cast<NCOrderedCltn*>(value);
      for (unsigned i = 0; !chosen && i < candidates->size(); ++i) {
        IDLDefinition* candidate =
            static_cast<IDLDefinition*>(candidates->at(static_cast<int>(i)));
        if (candidate->definedInScope() == declaring)
          chosen = candidate;
      }
      if (!chosen) {
        std::cerr << treemsg::ambiguousReferenceFor << component.chars()
                  << std::endl;
        std::cerr << treemsg::canResolveTo << std::endl;
        std::cerr << *candidates;
        std::cerr.flush();
        IDLError::error(treemsg::ambiguousReference);
      }
    } else {
      chosen = static_cast<IDLDefinition*>(value);
    }
    found.addFirst(*chosen);
    previous = chosen;
  }

  // The working list holds the last component's definition first.
  _chain->removeAll();
  NCIterator back(found);
  while (NCObject* obj = back.next())
    _chain->addFirst(*obj);
  _resolved = previous;
  IDLScope::_current_scope->addScopeDef(_resolved);
}

bool IDLScopedName::isTypeFullyResolved(IDLDefinition* type) {
  if (!type)
    return false;
  IDLDefinition* target = type;
  if (type->kind() == DEF_scoped_name) {
    IDLScopedName* name = static_cast<IDLScopedName*>(type);
    if (!name->isResolved())
      name->resolve();
    if (!name->isResolved())
      return false;
    target = name->resolvedDefinition();
  }

  IDLInterface* iface;
  if (target->classInfo() == IDLInterfaceHeader::desc())
    iface = nullptr;
  else if (target->classInfo() == IDLInterface::desc())
    iface = static_cast<IDLInterface*>(target);
  else
    return true;

  // The predefined names are forward declarations that may be used freely.
  static const char* const predefined[] = {
      "Object",    "CORBA::Object",    "TypeCode",    "CORBA::TypeCode",
      "Principal", "CORBA::Principal", "Environment", "CORBA::Environment",
  };
  for (const char* name : predefined)
    if (std::strcmp(target->name().chars(), name) == 0)
      return true;

  if (!iface)
    iface = static_cast<IDLInterfaceHeader*>(target)->interface();
  return iface && iface->interfaceType() != IDLInterface::IT_FORWARD;
}
