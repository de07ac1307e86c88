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
  const NCString& name() const override { return _name; }

  NCOrderedCltn* enumerators() const { return _enumerators; }

private:
  NCString _name;
  NCOrderedCltn* _enumerators;
};

#endif
