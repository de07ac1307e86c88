// tree/IDLModule.h - a module: a named scope of definitions.

#ifndef VELMARIC_TREE_IDLMODULE_H
#define VELMARIC_TREE_IDLMODULE_H

#include "nclib/NCDictionary.h"
#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLModule : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLModule);

  /// A module named `name` (copied) without definitions yet.
  explicit IDLModule(const char* name);
  /// Removes the name from _moduleDict.
  ~IDLModule() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  const NCString& name() const override { return _name; }

  /// The module's definitions in source order (not owned), or null.
  NCOrderedCltn* definitions() const { return _definitions; }
  void setDefinitions(NCOrderedCltn* definitions) {
    _definitions = definitions;
  }
  /// Enters the module into _moduleDict under its name; an earlier module of
  /// the same name keeps the entry.
  void addToDictionary();

  /// Module name -> first IDLModule of that name; nothing is owned.
  static NCDictionary _moduleDict;

private:
  NCString _name;
  NCOrderedCltn* _definitions = nullptr;
};

#endif
