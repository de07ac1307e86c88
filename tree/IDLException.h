// tree/IDLException.h - an exception: a named scope of members.

#ifndef VELMARIC_TREE_IDLEXCEPTION_H
#define VELMARIC_TREE_IDLEXCEPTION_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLException : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLException);

  /// Exception `name` (copied) without members yet.
  explicit IDLException(const char* name);
  ~IDLException() override;

  void write(NCostream& os) const override;
  /// Nothing at all while the exception has no member list.
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client implementation
  /// Writes the description, _desc and _narrow, and for an exception with
  /// members the member constructor and the stream members; then the
  /// type-code definition.
  void clientCCode(std::ostream& os) override;
  // Client header
  /// Writes the exception class with its constructors and its stream
  /// extraction.
  void headerCode(std::ostream& os) override;
  /// Writes the type-code name: "_tc_" and the name.
  void unscopedTypeCodeName(std::ostream& os) override;
  /// Writes the type-code declaration for the client header, once per file: the
  /// pointer and the Any operators. A non-null `name` replaces the type-code
  /// name; `global` is 0 inside a class.
  void typeCodeHeaderCode(std::ostream& os, const char* name,
                          int global) override;
  /// Writes the type-code definition for the client implementation file, once
  /// per file: the member table (none without members) and an exception
  /// TypeCode. A non-null `nameSource` lends the pointer its name and scope.
  void typeCodeCCode(std::ostream& os, IDLDefinition* nameSource) override;
  const NCString& name() const override { return _name; }

  /// The IDLMember nodes (not owned), or null.
  NCOrderedCltn* members() const { return _members; }
  void setMembers(NCOrderedCltn* members) { _members = members; }

private:
  NCString _name;
  NCOrderedCltn* _members = nullptr;
};

#endif
