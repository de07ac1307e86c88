// tree/IDLCase.h - one union case: its labels and its element.

#ifndef VELMARIC_TREE_IDLCASE_H
#define VELMARIC_TREE_IDLCASE_H

#include "tree/IDLDefinition.h"

class IDLElement;
class NCOrderedCltn;

class IDLCase : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLCase);

  /// A case of the IDLCaseLabel nodes `labels` and `element` (not owned).
  IDLCase(NCOrderedCltn* labels, IDLElement* element);
  ~IDLCase() override;

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// Writes name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the labels, then the element.
  void headerCode(std::ostream& os) override;

  NCOrderedCltn* labels() const { return _labels; }
  IDLElement* element() const { return _element; }

private:
  NCOrderedCltn* _labels;
  IDLElement* _element;
};

#endif
