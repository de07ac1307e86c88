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
  const NCString& name() const override { return _name; }

  /// The IDLMember nodes (not owned), or null.
  NCOrderedCltn* members() const { return _members; }
  void setMembers(NCOrderedCltn* members) { _members = members; }

private:
  NCString _name;
  NCOrderedCltn* _members = nullptr;
};

#endif
