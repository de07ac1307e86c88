// tree/IDLUnion.h - a discriminated union: a named scope of cases.

#ifndef VELMARIC_TREE_IDLUNION_H
#define VELMARIC_TREE_IDLUNION_H

#include "nclib/NCDictionary.h"
#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLUnion : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLUnion);

  /// Union `name` (copied) without switch type and cases yet.
  explicit IDLUnion(const char* name);
  /// Removes the name from _unionDict.
  ~IDLUnion() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client implementation
  /// Writes the out-of-line support members and the type-code
  /// definition.
  void clientCCode(std::ostream& os) override;
  // Client header
  /// Writes the union class with its discriminator and accessors, and
  /// its _var holder class.
  void headerCode(std::ostream& os) override;
  // Marshalling
  /// Writes the statement that moves the union `value` through a marshal
  /// stream (putUnion, copyFrom) or an object stream (write, copyFrom).
  void writeObjectToStream(std::ostream& os, const char* value,
                           const char* stream, int isPointer,
                           const char* direction, int fixedLength) override;
  void readObjectFromStream(std::ostream& os, const char* value,
                            const char* stream, int isPointer,
                            const char* direction, const char* extra,
                            int fixedLength) override;
  void writeObjectToNCStream(std::ostream& os, const char* value,
                             const char* stream, int isPointer) override;
  void readObjectFromNCStream(std::ostream& os, const char* value,
                              const char* stream, int isPointer) override;
  /// Writes the type-code name: "_tc_" and the name.
  void unscopedTypeCodeName(std::ostream& os) override;
  /// Writes the type-code declaration for the client header, once per file: the
  /// pointer and the Any operators. A non-null `name` replaces the type-code
  /// name; `global` is 0 inside a class.
  void typeCodeHeaderCode(std::ostream& os, const char* name,
                          int global) override;
  /// Writes the type-code definition for the client implementation file, once
  /// per file: a variable per label value, the member table and a union
  /// TypeCode. Ends the run on a discriminator type without a type code. A
  /// non-null `nameSource` lends the pointer its name and scope.
  void typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) override;
  const NCString& name() const override { return _name; }

  /// The discriminator type (not owned), or null.
  IDLDefinition* switchType() const { return _switchType; }
  void setSwitchType(IDLDefinition* type) { _switchType = type; }
  /// The IDLCase nodes in source order (not owned), or null.
  NCOrderedCltn* cases() const { return _cases; }
  void setCases(NCOrderedCltn* cases) { _cases = cases; }
  /// Enters the union into _unionDict under its name; an earlier union of
  /// the same name keeps the entry.
  void addToDictionary();

  /// Union name -> first IDLUnion of that name; nothing is owned.
  static NCDictionary _unionDict;

private:
  NCString _name;
  IDLDefinition* _switchType = nullptr;
  NCOrderedCltn* _cases = nullptr;
};

#endif
