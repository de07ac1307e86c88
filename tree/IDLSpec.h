// tree/IDLSpec.h - root node: the definitions of one input file.

#ifndef VELMARIC_TREE_IDLSPEC_H
#define VELMARIC_TREE_IDLSPEC_H

#include "tree/IDLDefinition.h"

class NCOrderedCltn;

class IDLSpec : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLSpec);

  /// The specification of `definitions` (not owned, may be null).
  explicit IDLSpec(NCOrderedCltn* definitions);
  ~IDLSpec() override;

  void write(NCostream& os) const override;
  /// Each definition, then a newline.
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the client header declarations of every top-level
  /// definition, then a line end.
  void headerCode(std::ostream& os) override;

  /// The top-level definitions in source order (not owned), or null.
  NCOrderedCltn* definitions() const { return _definitions; }
  void setDefinitions(NCOrderedCltn* definitions) {
    _definitions = definitions;
  }

  /// The tree of the file being compiled; replaced for every file. Not owned.
  static IDLSpec* specification;

private:
  NCOrderedCltn* _definitions;
};

#endif
