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
  // Client implementation
  /// Writes the client code of each definition of the module in order.
  void clientCCode(std::ostream& os) override;
  // Client header
  /// Writes the module's class for the client header: its contents
  /// are public members, one tab deeper.
  void headerCode(std::ostream& os) override;
  // Server header and tie classes
  /// Writes the class "_sk_" + name enclosing the skeletons of the body.
  void serverHeaderCode(std::ostream& os) override;
  /// Writes the tie classes of the interfaces in the body, nested modules
  /// included; nothing when the body holds none.
  void tieCode(std::ostream& os, int flag) override;
  // Server implementation
  /// Writes the server code of each definition of the module in order.
  void serverCCode(std::ostream& os) override;
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
