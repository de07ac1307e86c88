// tree/IDLEnum.h - one enumerator.

#ifndef VELMARIC_TREE_IDLENUM_H
#define VELMARIC_TREE_IDLENUM_H

#include "tree/IDLDefinition.h"

class IDLEnum : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLEnum);

  /// Enumerator `name` (copied).
  explicit IDLEnum(const char* name);
  ~IDLEnum() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the unscoped name.
  void headerCode(std::ostream& os) override;
  const NCString& name() const override { return _name; }

private:
  NCString _name;
};

#endif
