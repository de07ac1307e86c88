// tree/IDLSequenceType.h - a sequence type, bounded or not.

#ifndef VELMARIC_TREE_IDLSEQUENCETYPE_H
#define VELMARIC_TREE_IDLSEQUENCETYPE_H

#include "tree/IDLDefinition.h"

class IDLSequenceType : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLSequenceType);

  /// A sequence of `elementType` bounded by the constant expression `bound`
  /// (neither owned; a null bound for an unbounded sequence).
  IDLSequenceType(IDLDefinition* elementType, IDLDefinition* bound);
  ~IDLSequenceType() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes the qualified name of the element type.
  void unscopedName(std::ostream& os) override;
  // Marshalling
  /// Writes the statement that moves the sequence `value` through a
  /// marshal stream or object stream by its own write and copyFrom; an
  /// "out" or "return" value is a pointer on marshal streams.
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
  /// pointer and the Any operators on the generated class. A non-null `name`
  /// replaces the type-code name; `global` is 0 inside a class.
  void typeCodeHeaderCode(std::ostream& os, const char* name,
                          int global) override;
  /// Writes the type-code definition for the client implementation file, once
  /// per file: a sequence TypeCode of the bound and the element type. A
  /// non-null `nameSource` lends the pointer its name and scope.
  void typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) override;

  IDLDefinition* elementType() const { return _elementType; }
  IDLDefinition* bound() const { return _bound; }
  /// Set once the sequence's class has been declared in the client header.
  int declared() const { return _declared; }
  void setDeclared(int mark) { _declared = mark; }
  /// Set once the class's members have been written to the client
  /// implementation file.
  int implemented() const { return _implemented; }
  void setImplemented(int mark) { _implemented = mark; }
  /// The generated class name; empty until the class has been declared.
  const NCString& className() const { return _className; }
  void setClassName(const char* name) { _className = name; }

private:
  IDLDefinition* _elementType;
  IDLDefinition* _bound;
  int _declared = 0;
  int _implemented = 0;
  NCString _className;
};

#endif
