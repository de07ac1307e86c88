// tree/IDLExport.h - a list of exported definitions.

#ifndef VELMARIC_TREE_IDLEXPORT_H
#define VELMARIC_TREE_IDLEXPORT_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLExport : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLExport);

  /// The exports `definitions` (not owned, may be null).
  explicit IDLExport(NCOrderedCltn* definitions);
  ~IDLExport() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;

  NCOrderedCltn* definitions() const { return _definitions; }

private:
  NCOrderedCltn* _definitions;
};

#endif
