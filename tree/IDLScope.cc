// tree/IDLScope.cc - scopes: opening and closing, entering and finding names,
// registries and pragmas.

#include "tree/IDLScope.h"

#include "frontend/IDLError.h"
#include "nclib/NCAssoc.h"
#include "nclib/NCDictionary.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCSet.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/TreeMessages.h"

#include <cstring>
#include <string>

VELMARIC_DEFINE_CLASS_INIT(IDLScope, VELMARIC_INIT_TREE_ROOTS, NCObject::desc())

IDLScope* IDLScope::_current_scope = nullptr;
IDLScope* IDLScope::_root_scope = nullptr;
int IDLScope::_unnamedScopeNumber = 0;

namespace {

constexpr unsigned registryCapacity = 16;

// A copy of `text` without one leading and one trailing double quote.
std::string withoutQuotes(const char* text) {
  std::string s = text ? text : "";
  if (!s.empty() && s.front() == '"')
    s.erase(0, 1);
  if (!s.empty() && s.back() == '"')
    s.pop_back();
  return s;
}

} // namespace

IDLScope::IDLScope(ScopeType type, NCString* name, IDLDefinition* owner)
    : _symbolTable(new NCDictionary(registryCapacity)), _scopeType(type),
      _name(name), _children(new NCOrderedCltn(registryCapacity)),
      _scopeDefs(new NCOrderedCltn(registryCapacity)),
      _sequences(new NCSet(registryCapacity)),
      _arrays(new NCSet(registryCapacity)),
      _strings(new NCOrderedCltn(registryCapacity)),
      _constants(new NCOrderedCltn(registryCapacity)), _owner(owner),
      _spareSet1(new NCSet(registryCapacity)),
      _spareSet2(new NCSet(registryCapacity)), _idPragmas(registryCapacity),
      _versionPragmas(registryCapacity) {
  if (type == ST_GLOBAL) {
    _root_scope = this;
  } else {
    _parent = _current_scope;
    if (_parent)
      _parent->_children->add(*this);
  }
  _current_scope = this;
}

IDLScope::IDLScope(NCistream& is)
    : NCObject(is), _idPragmas(registryCapacity),
      _versionPragmas(registryCapacity) {
  // The stream form is the empty text; read it so the stream stays in step.
  char* text = nullptr;
  is >> text;
  delete[] text;
}

IDLScope::~IDLScope() {
  // The pragma texts were made by this scope; keys and everything else in
  // the scope belong to the tree.
  for (NCIdentDict* pragmas : {&_idPragmas, &_versionPragmas}) {
    NCIterator it(*pragmas);
    while (NCObject* obj = it.next())
      delete static_cast<NCAssoc*>(obj)->value();
    pragmas->removeAll();
  }
}

void IDLScope::write(NCostream& os) const {
  os << "";
}

std::uint32_t IDLScope::hash() const {
  return _name ? _name->hash() : 0;
}

int IDLScope::compare(const NCObject& other) const {
  const IDLScope& that = static_cast<const IDLScope&>(other);
  int byName = std::strcmp(_name ? _name->chars() : "",
                           that._name ? that._name->chars() : "");
  if (byName != 0)
    return byName;
  return _scopeType - that._scopeType;
}

IDLScope* IDLScope::begin(ScopeType type, NCString& name,
                          IDLDefinition* owner) {
  return new IDLScope(type, &name, owner);
}

void IDLScope::end(ScopeType type) {
  if (!_current_scope || _current_scope->_scopeType != type)
    IDLError::error(treemsg::scopingViolation);
  if (_current_scope->_scopeType == ST_GLOBAL)
    IDLError::error(treemsg::rootScopeCloses);
  _current_scope = _current_scope->_parent;
}

int IDLScope::add(const NCString& name, NCObject& value) {
  // The table keys are the callers' strings, which live as long as the tree.
  NCString& key = const_cast<NCString&>(name);
  NCObject* old = _symbolTable->atKey(name);
  if (!old) {
    _symbolTable->addAssoc(key, value);
    return 1;
  }

  NCOrderedCltn* existing;
  if (isDefinitionList(old)) {
    existing = static_cast<NCOrderedCltn*>(old);
  } else {
    if (old == &value)
      return 1;
    existing = new NCOrderedCltn(registryCapacity);
    existing->add(*old);
  }

  NCOrderedCltn single(registryCapacity);
  const NCOrderedCltn* items;
  if (isDefinitionList(&value)) {
    items = static_cast<NCOrderedCltn*>(&value);
  } else {
    single.add(value);
    items = &single;
  }

  for (unsigned i = 0; i < items->size(); ++i) {
    NCObject* item = items->at(static_cast<int>(i));
    bool present = false;
    for (unsigned j = 0; j < existing->size(); ++j) {
      NCObject* held = existing->at(static_cast<int>(j));
      if (held == item)
        present = true;
      else if (clash(static_cast<IDLDefinition*>(item),
                     static_cast<IDLDefinition*>(held)))
        IDLError::error(treemsg::duplicateIdentifier, &key);
    }
    if (!present)
      existing->add(*item);
  }

  _symbolTable->removeAssoc(*_symbolTable->assocAt(name));
  _symbolTable->addAssoc(key, *existing);
  return 1;
}

int IDLScope::addToCurrentScope(const NCString& name, NCObject& def) {
  int added = _current_scope->add(name, def);
  if (added == 1 && IDLDefinition::isDefinition(&def))
    static_cast<IDLDefinition&>(def).setDefinedInScope(_current_scope);
  return added;
}

int IDLScope::replaceInCurrentScope(const NCString& name, NCObject& def) {
  NCDictionary* table = _current_scope->_symbolTable;
  NCAssoc* old = table->assocAt(name);
  if (!old)
    IDLError::error(treemsg::noDefinitionToReplace,
                    &const_cast<NCString&>(name));
  table->removeAssoc(*old);
  table->addAssoc(const_cast<NCString&>(name), def);
  if (IDLDefinition::isDefinition(&def))
    static_cast<IDLDefinition&>(def).setDefinedInScope(_current_scope);
  return 1;
}

int IDLScope::clash(IDLDefinition* a, IDLDefinition* b) {
  if (a == b)
    return 0;
  if (a->definedInScope() == _current_scope &&
      b->definedInScope() == _current_scope)
    return 1;
  if (a->kind() == IDLDefinition::DEF_op_dcl &&
      b->kind() == IDLDefinition::DEF_op_dcl)
    return 1;
  if (a->kind() == IDLDefinition::DEF_attr_dcl &&
      b->kind() == IDLDefinition::DEF_attr_dcl)
    return 1;
  return 0;
}

bool IDLScope::isDefinitionList(const NCObject* value) {
  return value->classInfo() == NCOrderedCltn::desc() ||
         value->classInfo()->hasBase(*NCOrderedCltn::desc());
}

bool IDLScope::identifierExists(const NCString& name) {
  return _current_scope && identifierExistsInScope(name, _current_scope);
}

bool IDLScope::identifierExistsInScope(const NCString& name, IDLScope* s) {
  return s->_symbolTable->includesKey(name);
}

NCObject* IDLScope::lookupInCurrentScope(const NCString& name) {
  return _current_scope ? _current_scope->_symbolTable->atKey(name) : nullptr;
}

NCObject* IDLScope::lookupInScope(const NCString& name, IDLScope* s) {
  IDLScope* found = getScopeForId(name, s);
  return found ? found->_symbolTable->atKey(name) : nullptr;
}

IDLScope* IDLScope::getScopeForId(const NCString& name, IDLScope* s) {
  for (; s; s = s->_parent) {
    if (s->_symbolTable->includesKey(name))
      return s;
    if (s->_scopeType == ST_GLOBAL)
      IDLError::error(treemsg::symbolNotFound, &const_cast<NCString&>(name));
  }
  return nullptr;
}

void IDLScope::addScopeDef(IDLDefinition* d) {
  _scopeDefs->add(*d);
}
void IDLScope::addSequence(IDLDefinition* d) {
  _sequences->add(*d);
}
void IDLScope::removeSequence(IDLDefinition* d) {
  _sequences->remove(*d);
}
void IDLScope::addArray(IDLDefinition* d) {
  _arrays->add(*d);
}
void IDLScope::removeArray(IDLDefinition* d) {
  _arrays->remove(*d);
}
void IDLScope::addString(IDLDefinition* d) {
  _strings->add(*d);
}
void IDLScope::addConstant(IDLDefinition* d) {
  _constants->add(*d);
}

IDLDefinition* IDLScope::sequenceAt(IDLDefinition* d) const {
  for (const IDLScope* s = this; s; s = s->_parent) {
    if (!s->_sequences)
      continue;
    if (NCObject* hit = s->_sequences->findObjectWithKey(*d))
      return static_cast<IDLDefinition*>(hit);
  }
  return nullptr;
}

IDLDefinition* IDLScope::arrayAt(IDLDefinition* d) const {
  for (const IDLScope* s = this; s; s = s->_parent) {
    if (!s->_arrays)
      continue;
    if (NCObject* hit = s->_arrays->findObjectWithKey(*d))
      return static_cast<IDLDefinition*>(hit);
  }
  return nullptr;
}

bool IDLScope::includesSequence(IDLDefinition* d) const {
  return sequenceAt(d) != nullptr;
}

bool IDLScope::includesArray(IDLDefinition* d) const {
  return arrayAt(d) != nullptr;
}

void IDLScope::addIDPragma(IDLDefinition* d, const char* text) {
  NCString* id = new NCString(withoutQuotes(text).c_str());
  if (!_idPragmas.addAssoc(*d, *id))
    delete id;
}

void IDLScope::addPrefixPragma(const char* text) {
  _prefix = withoutQuotes(text).c_str();
}

void IDLScope::addVersionPragma(IDLDefinition* d, const char* text) {
  NCString* version = new NCString(text);
  if (!_versionPragmas.addAssoc(*d, *version))
    delete version;
}

NCString* IDLScope::pragmaID(const IDLDefinition* d) const {
  return static_cast<NCString*>(_idPragmas.atKey(*d));
}

NCString* IDLScope::pragmaVersion(const IDLDefinition* d) const {
  return static_cast<NCString*>(_versionPragmas.atKey(*d));
}

NCString* IDLScope::newUnnamedScope() {
  ++_unnamedScopeNumber;
  NCString* name = new NCString("_u_scope_%_");
  *name += std::to_string(_unnamedScopeNumber).c_str();
  return name;
}

void IDLScope::addGlobalNames() {
  // clang-format off
  static const char* const predefined[][2] = {
      {"Object",      "CORBA::Object"},
      {"TypeCode",    "CORBA::TypeCode"},
      {"Principal",   "CORBA::Principal"},
      {"Environment", "CORBA::Environment"},
  };
  // clang-format on
  for (const auto& names : predefined) {
    IDLInterface* iface =
        new IDLInterface(IDLInterface::IT_FORWARD, nullptr, nullptr);
    IDLInterfaceHeader* header = new IDLInterfaceHeader(names[1], nullptr);
    iface->setFileName("%GLOBAL%");
    header->setFileName("%GLOBAL%");
    NCString* simpleName = new NCString(names[0]);
    begin(ST_INTERFACE, *simpleName, header);
    header->setScope(_current_scope);
    end(ST_INTERFACE);
    iface->setHeader(header);
    header->setInterface(iface);
    addToCurrentScope(*simpleName, *iface);
  }
}
