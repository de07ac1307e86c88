// tree/IDLStringType.h - the string type, bounded or not.

#ifndef VELMARIC_TREE_IDLSTRINGTYPE_H
#define VELMARIC_TREE_IDLSTRINGTYPE_H

#include "tree/IDLDefinition.h"

class IDLStringType : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLStringType);

  /// A string type bounded by the constant expression `bound` (not owned);
  /// null for an unbounded string.
  explicit IDLStringType(IDLDefinition* bound);
  ~IDLStringType() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes "char *".
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes "char *".
  void headerCode(std::ostream& os) override;
  // Marshalling
  /// Writes the statements that move the string `value` through a marshal
  /// stream or object stream; a string read from a marshal stream passes
  /// through a temporary CORBA::String_var that gives up its storage.
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
  /// Writes the type-code declaration for the client header, once per file: the
  /// pointer only. A non-null `name` replaces the type-code name; `global` is 0
  /// inside a class.
  void typeCodeHeaderCode(std::ostream& os, const char* name,
                          int global) override;
  /// Writes the type-code definition for the client implementation file, once
  /// per file: a TypeCode of the bound, or the runtime's string type code. A
  /// non-null `nameSource` lends the pointer its name and scope.
  void typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) override;
  /// "string".
  const NCString& name() const override { return _name; }

  IDLDefinition* bound() const { return _bound; }

private:
  IDLDefinition* _bound;
  NCString _name;
};

#endif
