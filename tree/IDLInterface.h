// tree/IDLInterface.h - an interface: its header and body.
//
// A symbol table maps the interface name to the IDLInterface while the name
// is only forward-declared, and to its IDLInterfaceHeader once a body has
// been given.

#ifndef VELMARIC_TREE_IDLINTERFACE_H
#define VELMARIC_TREE_IDLINTERFACE_H

#include "nclib/NCOrderedCltn.h"
#include "tree/IDLDefinition.h"

class IDLInterfaceHeader;

class IDLInterface : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLInterface);

  enum InterfaceType {
    IT_FULL = 0,    ///< given with a body
    IT_FORWARD = 1, ///< forward declaration, and the predefined names
  };

  /// An interface of `type` with `header` and `body` (neither owned; both
  /// may be null). Not of fixed length. Appends itself to _interfaceCltn.
  IDLInterface(InterfaceType type, IDLInterfaceHeader* header,
               NCOrderedCltn* body);
  /// Takes itself out of _interfaceCltn.
  ~IDLInterface() override;

  /// Interface type, header, body and pseudo-object mark.
  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client implementation
  /// Writes, for a full definition, the type information, narrowing,
  /// factory and binding members, the stubs of its own operations and
  /// attributes, the holder class's members and the type-code definition.
  /// Nothing for a forward declaration.
  void clientCCode(std::ostream& os) override;
  // Client header
  /// Writes the interface's client class with its _ptr, Ref and _var
  /// types and a pure member per operation and attribute. A forward
  /// declaration writes the types only, and only at the first declaration
  /// of the name.
  void headerCode(std::ostream& os) override;
  // Marshalling
  /// Writes the statement that moves the object reference `value` through
  /// the marshal stream or object stream `stream` (a pointer when
  /// `isPointer`), naming the interface's class descriptor; a reference
  /// read as an "in" or "inout" argument from a stream object is also
  /// held in a CORBA::ObjectPtr.
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
  /// Writes the type-code name: "_tc_" and the name, or for the runtime's own
  /// interfaces the runtime's type code ("CORBA::_tc_Object", ...).
  void unscopedTypeCodeName(std::ostream& os) override;
  /// Writes the type-code declaration for the client header, once per file: the
  /// pointer and, except for the runtime's own interfaces, the Any operators on
  /// object references. A non-null `name` replaces the type-code name; `global`
  /// is 0 inside a class.
  void typeCodeHeaderCode(std::ostream& os, const char* name,
                          int global) override;
  /// Writes the type-code definition for the client implementation file, once
  /// per file: a TypeCode of the repository identifier and the name. A non-null
  /// `nameSource` lends the pointer its name and scope.
  void typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) override;
  // Server header and tie classes
  /// Writes the skeleton class "_sk_" + name: its constructors, a pure
  /// virtual member per operation and accessor of the body and a static
  /// dispatch declaration per one defined here; a forward declaration
  /// writes a one-line class declaration.
  void serverHeaderCode(std::ostream& os) override;
  /// Writes the tie class template that forwards the body's operations and
  /// accessors: the pointer tie while Generator::generatePTie is set, else
  /// the reference tie. Nothing for a forward declaration or an empty body.
  void tieCode(std::ostream& os, int flag) override;
  // Server implementation
  /// Writes the skeleton's method table, type information and constructors
  /// and the dispatch functions of the operations and attributes defined
  /// here. Nothing for a forward declaration.
  void serverCCode(std::ostream& os) override;
  /// The body's hash plus the header's.
  std::uint32_t hash() const override;
  /// The headers compared.
  int compare(const NCObject& other) const override;
  /// The header's scope, defined-in scope and name (this node's own fields
  /// when there is no header).
  IDLScope* scope() const override;
  IDLScope* definedInScope() const override;
  const NCString& name() const override;

  /// Copies the names of the base interfaces into this interface's scope and
  /// their definitions into the body. Ends the run when the header has no
  /// inheritance list or a base is not a fully defined interface.
  void import();

  InterfaceType interfaceType() const { return _interfaceType; }
  IDLInterfaceHeader* header() const { return _header; }
  void setHeader(IDLInterfaceHeader* header) { _header = header; }
  /// The exports, then the imported definitions (not owned); null for a
  /// forward declaration.
  NCOrderedCltn* body() const { return _body; }
  void setBody(NCOrderedCltn* body) { _body = body; }
  /// Non-zero forbids deriving from the interface; only a stream sets it.
  int pseudoObject() const { return _pseudoObject; }
  void setPseudoObject(int mark) { _pseudoObject = mark; }

  /// Every interface alive, in creation order; nothing is owned.
  static NCOrderedCltn _interfaceCltn;

private:
  InterfaceType _interfaceType;
  IDLInterfaceHeader* _header;
  NCOrderedCltn* _body;
  int _pseudoObject = 0;
};

#endif
