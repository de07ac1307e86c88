// tree/IDLPrimType.h - a primitive type; the primitive kind is the second
// kind.

#ifndef VELMARIC_TREE_IDLPRIMTYPE_H
#define VELMARIC_TREE_IDLPRIMTYPE_H

#include "tree/IDLDefinition.h"

class IDLPrimType : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLPrimType);

  /// The primitive type spelt `name` in IDL ("long", "unsigned short",
  /// "void", ...; copied) whose primitive kind is `subkind`.
  IDLPrimType(const char* name, DefinitionType subkind);
  ~IDLPrimType() override;

  /// The IDLDefinition part and the name; the primitive kind is recovered
  /// from the name when read back.
  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes the C++ spelling ("CORBA::Long" for long, "void" for void);
  /// nothing for a name without one.
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the unscoped name.
  void headerCode(std::ostream& os) override;
  // Marshalling
  /// Writes the statement that moves the primitive `value` through a
  /// marshal stream or object stream with << and >>; an any uses its own
  /// write and copyFrom, except when written to a marshal stream.
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
  /// Writes the type-code name: the runtime's ("CORBA::_tc_long" for long);
  /// nothing for a name without one.
  void unscopedTypeCodeName(std::ostream& os) override;
  const NCString& name() const override { return _name; }

  /// The primitive kind of the IDL spelling `name`, or DEF_none when it
  /// names no primitive type.
  static DefinitionType subkindOf(const char* name);

private:
  NCString _name;
};

#endif
