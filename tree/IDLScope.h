// tree/IDLScope.h - one naming scope: symbol table, parent link, registries.
//
// Scopes form a tree below the global scope; the grammar keeps a current
// scope, enters names into it and looks names up from it outward. A name maps
// to one definition or, when it reaches a scope from several places, to an
// NCOrderedCltn of definitions.

#ifndef VELMARIC_TREE_IDLSCOPE_H
#define VELMARIC_TREE_IDLSCOPE_H

#include "nclib/NCIdentDict.h"
#include "nclib/NCObject.h"
#include "nclib/NCString.h"

class IDLDefinition;
class NCDictionary;
class NCOrderedCltn;
class NCSet;

class IDLScope : public NCObject {
  VELMARIC_DECLARE_CLASS(IDLScope);

  /// What opened the scope.
  enum ScopeType {
    ST_GLOBAL = 0,
    ST_MODULE = 1,
    ST_INTERFACE = 2,
    ST_STRUCT = 3,
    ST_UNION = 4,
    ST_OPERATION = 5,
    ST_EXCEPTION = 6,
    ST_PARAM_LIST = 8,
  };

  /// A new scope named `name` (kept, not copied; must outlive the scope)
  /// opened by `owner` (not owned, may be null), with empty registries. A
  /// global scope has no parent and becomes _root_scope; any other scope is
  /// appended to the current scope's children. The new scope becomes current.
  IDLScope(ScopeType type, NCString* name, IDLDefinition* owner);
  IDLScope(const IDLScope&) = delete;
  IDLScope& operator=(const IDLScope&) = delete;
  /// Releases the pragma dictionaries and the prefix only.
  ~IDLScope() override;

  /// The empty C string: scopes are not persisted.
  void write(NCostream& os) const override;
  /// The symbol-table dump.
  void prettyPrint(NCostream& os) const override;
  /// The hash of the name.
  std::uint32_t hash() const override;
  /// By name, then by scope type; `other` must be a scope.
  int compare(const NCObject& other) const override;

  /// Opens a scope as the constructor does and returns it (never null).
  static IDLScope* begin(ScopeType type, NCString& name, IDLDefinition* owner);
  /// Closes the current scope, which must be of `type` and not the global
  /// scope; otherwise the run ends with a sanity report.
  static void end(ScopeType type);

  /// Enters `value` (a definition or an NCOrderedCltn of definitions; not
  /// owned) under `name` (kept as the key; must outlive the scope). A name
  /// already present keeps all non-clashing definitions in a list. Returns 1,
  /// or ends the run with "Duplicate identifier: " on a clash.
  int add(const NCString& name, NCObject& value);
  /// `add` on the current scope; on success the definition's defined-in
  /// scope becomes the current scope.
  static int addToCurrentScope(const NCString& name, NCObject& def);
  /// Replaces the entry of `name` in the current scope by `def`; the run ends
  /// when there is no such entry. Returns 1.
  static int replaceInCurrentScope(const NCString& name, NCObject& def);
  /// 1 when `a` and `b` may not share a name: both defined in the current
  /// scope, or both operations, or both attributes, unless they are the
  /// same definition.
  static int clash(IDLDefinition* a, IDLDefinition* b);
  /// Whether the symbol-table value `value` (not null) is a list of the
  /// definitions sharing one name rather than a single definition.
  static bool isDefinitionList(const NCObject* value);

  /// Whether the current scope's table has `name`.
  static bool identifierExists(const NCString& name);
  /// Whether the table of `s` (not null) has `name`.
  static bool identifierExistsInScope(const NCString& name, IDLScope* s);
  /// The current scope's value for `name`, or null.
  static NCObject* lookupInCurrentScope(const NCString& name);
  /// The value of `name` in `s` or the nearest enclosing scope that has it.
  /// Ends the run with "Symbol not found: " when no scope up to the global
  /// one has it; null only for a null `s`.
  static NCObject* lookupInScope(const NCString& name, IDLScope* s);
  /// The scope found the way lookupInScope finds the value.
  static IDLScope* getScopeForId(const NCString& name, IDLScope* s);

  // Registries; the arguments are kept, not owned.
  void addScopeDef(IDLDefinition* d);
  void addSequence(IDLDefinition* d);
  void removeSequence(IDLDefinition* d);
  void addArray(IDLDefinition* d);
  void removeArray(IDLDefinition* d);
  void addString(IDLDefinition* d);
  void addConstant(IDLDefinition* d);
  /// The registered sequence (array) equal to `d`, searching this scope and
  /// then its ancestors; null when there is none.
  IDLDefinition* sequenceAt(IDLDefinition* d) const;
  IDLDefinition* arrayAt(IDLDefinition* d) const;
  bool includesSequence(IDLDefinition* d) const;
  bool includesArray(IDLDefinition* d) const;

  /// Records the repository identifier `text` for `d` (not owned), without
  /// one leading and one trailing double quote. A recorded one is kept.
  void addIDPragma(IDLDefinition* d, const char* text);
  /// Makes `text`, without surrounding double quotes, the scope's prefix.
  void addPrefixPragma(const char* text);
  /// Records the version `text` for `d` as given. A recorded one is kept.
  void addVersionPragma(IDLDefinition* d, const char* text);
  /// The recorded text (owned by the scope), or null.
  NCString* pragmaID(const IDLDefinition* d) const;
  NCString* pragmaVersion(const IDLDefinition* d) const;
  /// The prefix pragma text; empty when none was given.
  const NCString& prefix() const { return _prefix; }

  /// A new string (owned by the caller) naming the next unnamed scope.
  static NCString* newUnnamedScope();
  /// Enters Object, TypeCode, Principal and Environment into the current
  /// (global) scope as forward-declared interfaces.
  static void addGlobalNames();

  /// "Scope of: " and the scope's name.
  void printScope(NCostream& os) const;

  IDLScope* parent() const { return _parent; }
  NCDictionary* symbolTable() const { return _symbolTable; }
  ScopeType scopeType() const { return _scopeType; }
  /// The scope's name (not owned), or null for a scope read from a stream.
  NCString* name() const { return _name; }
  NCOrderedCltn* children() const { return _children; }
  NCOrderedCltn* scopeDefs() const { return _scopeDefs; }
  NCSet* sequences() const { return _sequences; }
  NCSet* arrays() const { return _arrays; }
  NCOrderedCltn* strings() const { return _strings; }
  NCOrderedCltn* constants() const { return _constants; }
  IDLDefinition* owner() const { return _owner; }
  void setOwner(IDLDefinition* owner) { _owner = owner; }

  /// The current scope; null before the global scope exists.
  static IDLScope* _current_scope;
  /// The global scope; created once per process.
  static IDLScope* _root_scope;
  /// Number of the last unnamed scope name handed out; starts at 0.
  static int _unnamedScopeNumber;

private:
  IDLScope* _parent = nullptr;
  NCDictionary* _symbolTable = nullptr;
  ScopeType _scopeType = ST_GLOBAL;
  NCString* _name = nullptr;
  NCOrderedCltn* _children = nullptr;
  NCOrderedCltn* _scopeDefs = nullptr;
  NCSet* _sequences = nullptr;
  NCSet* _arrays = nullptr;
  NCOrderedCltn* _strings = nullptr;
  NCOrderedCltn* _constants = nullptr;
  IDLDefinition* _owner = nullptr;
  NCSet* _spareSet1 = nullptr; // created empty; nothing fills it
  NCSet* _spareSet2 = nullptr; // created empty; nothing fills it
  NCIdentDict _idPragmas;
  NCString _prefix;
  NCIdentDict _versionPragmas;
};

#endif
