// tree/IDLEnumType.h - an enum type: its name and enumerators.

#ifndef VELMARIC_TREE_IDLENUMTYPE_H
#define VELMARIC_TREE_IDLENUMTYPE_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLEnumType : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLEnumType);

  /// Enum `name` (copied) with the IDLEnum nodes `enumerators` (not owned).
  IDLEnumType(const char* name, NCOrderedCltn* enumerators);
  ~IDLEnumType() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client implementation
  /// Writes the type-code definition.
  void clientCCode(std::ostream& os) override;
  // Client header
  /// Writes the C++ enum and its stream operators, friends inside a
  /// class.
  void headerCode(std::ostream& os) override;
  // Marshalling
  /// Writes the statements that move the enum `value` through a marshal
  /// stream or object stream as an integer; reading goes through a
  /// CORBA::Long temporary converted back to the enum.
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
  /// per file: the enumerator names and an enum TypeCode. A non-null
  /// `nameSource` lends the pointer its name and scope.
  void typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) override;
  const NCString& name() const override { return _name; }

  NCOrderedCltn* enumerators() const { return _enumerators; }

private:
  NCString _name;
  NCOrderedCltn* _enumerators;
};

#endif
