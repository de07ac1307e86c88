// tree/IDLInterfaceHeader.h - an interface's name and base list.

#ifndef VELMARIC_TREE_IDLINTERFACEHEADER_H
#define VELMARIC_TREE_IDLINTERFACEHEADER_H

#include "tree/IDLDefinition.h"

class IDLInterface;
class NCOrderedCltn;

class IDLInterfaceHeader : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLInterfaceHeader);

  /// The header of interface `name` (copied) with the list of base
  /// IDLScopedName nodes `inheritance` (not owned; null when the interface
  /// names no bases). Not of fixed length.
  IDLInterfaceHeader(const char* name, NCOrderedCltn* inheritance);
  ~IDLInterfaceHeader() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes "interface", the name and the bases on a line of its
  /// own.
  void headerCode(std::ostream& os) override;
  // Marshalling
  /// The marshalling statements of the header's interface; nothing without
  /// one.
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
  /// Writes the type-code name: that of its interface; nothing without one.
  void unscopedTypeCodeName(std::ostream& os) override;
  /// By name.
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;
  const NCString& name() const override { return _name; }

  NCOrderedCltn* inheritance() const { return _inheritance; }
  void setInheritance(NCOrderedCltn* inheritance) {
    _inheritance = inheritance;
  }
  /// The interface this header belongs to (not owned), or null.
  IDLInterface* interface() const { return _interface; }
  void setInterface(IDLInterface* iface) { _interface = iface; }
  /// Non-zero when the interface was declared forward before this header:
  /// the later declaration refers to the earlier one.
  int refersToEarlier() const { return _refersToEarlier; }
  void setRefersToEarlier(int mark) { _refersToEarlier = mark; }

private:
  NCString _name;
  NCOrderedCltn* _inheritance;
  IDLInterface* _interface = nullptr;
  int _refersToEarlier = 0;
};

#endif
