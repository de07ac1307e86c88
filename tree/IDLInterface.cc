// tree/IDLInterface.cc - interfaces, the interface list and the import of
// inherited names.

#include "tree/IDLInterface.h"

#include "frontend/IDLError.h"
#include "nclib/NCAssoc.h"
#include "nclib/NCDictionary.h"
#include "nclib/NCostream.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"
#include "tree/StreamFields.h"
#include "tree/TreeMessages.h"

VELMARIC_DEFINE_CLASS(IDLInterface, IDLDefinition::desc())

NCOrderedCltn IDLInterface::_interfaceCltn(16);

IDLInterface::IDLInterface(InterfaceType type, IDLInterfaceHeader* header,
                           NCOrderedCltn* body)
    : IDLDefinition(DEF_interface), _interfaceType(type), _header(header),
      _body(body) {
  setFixedLength(0);
  _interfaceCltn.add(*this);
}

IDLInterface::IDLInterface(NCistream& is) : IDLDefinition(is) {
  int type = 0;
  is >> type;
  _interfaceType = static_cast<InterfaceType>(type);
  _header = streamfields::readRef<IDLInterfaceHeader>(is);
  _body = streamfields::readRef<NCOrderedCltn>(is);
  is >> _pseudoObject;
  _interfaceCltn.add(*this);
}

IDLInterface::~IDLInterface() {
  traceFreeing();
  _interfaceCltn.removeSame(*this);
}

void IDLInterface::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << static_cast<int>(_interfaceType);
  os.writeTransObj(_header);
  os.writeTransObj(_body);
  os << _pseudoObject;
}

std::uint32_t IDLInterface::hash() const {
  std::uint32_t h = _body ? _body->hash() : 0;
  return h + (_header ? _header->hash() : 0);
}

int IDLInterface::compare(const NCObject& other) const {
  const IDLInterface& that = static_cast<const IDLInterface&>(other);
  if (!_header || !that._header)
    return (_header != nullptr) - (that._header != nullptr);
  return _header->compare(*that._header);
}

IDLScope* IDLInterface::scope() const {
  return _header ? _header->scope() : IDLDefinition::scope();
}

IDLScope* IDLInterface::definedInScope() const {
  return _header ? _header->definedInScope() : IDLDefinition::definedInScope();
}

const NCString& IDLInterface::name() const {
  return _header ? _header->name() : IDLDefinition::name();
}

void IDLInterface::import() {
  NCOrderedCltn* bases = _header ? _header->inheritance() : nullptr;
  if (!bases)
    IDLError::error(treemsg::nullInheritance);
  if (!_body)
    _body = new NCOrderedCltn(16);

  for (unsigned i = 0; i < bases->size(); ++i) {
    IDLScopedName* baseName =
        static_cast<IDLScopedName*>(bases->at(static_cast<int>(i)));
    IDLDefinition* target = baseName->resolvedDefinition();
    if (!target || target->kind() != DEF_interface)
      IDLError::error(treemsg::inheritFromNonInterface, baseName);
    IDLInterface* base =
        target->classInfo() == IDLInterfaceHeader::desc()
            ? static_cast<IDLInterfaceHeader*>(target)->interface()
            : static_cast<IDLInterface*>(target);
    if (!base || base->interfaceType() == IT_FORWARD)
      IDLError::error(treemsg::inheritFromForward, baseName);

    IDLScope* baseScope = base->scope();
    if (!baseScope)
      continue;
    NCIterator entries(*baseScope->symbolTable());
    while (NCObject* obj = entries.next()) {
      NCAssoc* entry = static_cast<NCAssoc*>(obj);
      NCObject* value = entry->value();
      scope()->add(*static_cast<NCString*>(entry->key()), *value);

      // The body receives each inherited definition once.
      NCOrderedCltn single(16);
      NCOrderedCltn* definitions;
      if (IDLScope::isDefinitionList(value)) {
        definitions = static_cast<NCOrderedCltn*>(value);
      } else {
        single.add(*value);
        definitions = &single;
      }
      for (unsigned j = 0; j < definitions->size(); ++j) {
        NCObject* definition = definitions->at(static_cast<int>(j));
        bool held = false;
        for (unsigned k = 0; !held && k < _body->size(); ++k)
          held = _body->at(static_cast<int>(k)) == definition;
        if (!held)
          _body->add(*definition);
      }
    }
  }
}
