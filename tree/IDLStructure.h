// tree/IDLStructure.h - a struct: a named scope of members.

#ifndef VELMARIC_TREE_IDLSTRUCTURE_H
#define VELMARIC_TREE_IDLSTRUCTURE_H

#include "nclib/NCDictionary.h"
#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLStructure : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLStructure);

  /// Struct `name` (copied) without members yet.
  explicit IDLStructure(const char* name);
  /// Removes the name from _structDict.
  ~IDLStructure() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client implementation
  /// Writes the out-of-line support members and the type-code
  /// definition.
  void clientCCode(std::ostream& os) override;
  // Client header
  /// Writes the struct, its stream operators and its _var holder
  /// class.
  void headerCode(std::ostream& os) override;
  // Marshalling
  /// Writes the statement that moves the struct `value` through a marshal
  /// stream or object stream `stream` by its own write and copyFrom; an
  /// "out" or "return" value of variable length on a marshal stream is a
  /// pointer.
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
  /// per file: the member table and a struct TypeCode. A non-null `nameSource`
  /// lends the pointer its name and scope.
  void typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) override;
  const NCString& name() const override { return _name; }

  /// The IDLMember nodes in source order (not owned), or null.
  NCOrderedCltn* members() const { return _members; }
  void setMembers(NCOrderedCltn* members) { _members = members; }
  /// Enters the struct into _structDict under its name; an earlier struct of
  /// the same name keeps the entry.
  void addToDictionary();

  /// Struct name -> first IDLStructure of that name; nothing is owned.
  static NCDictionary _structDict;

private:
  NCString _name;
  NCOrderedCltn* _members = nullptr;
};

#endif
