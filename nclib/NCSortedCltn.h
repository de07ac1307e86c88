// nclib/NCSortedCltn.h - ordered collection kept in ascending compare order.

#ifndef VELMARIC_NCLIB_NCSORTEDCLTN_H
#define VELMARIC_NCLIB_NCSORTEDCLTN_H

#include "nclib/NCOrderedCltn.h"

class NCSortedCltn : public NCOrderedCltn {
  VELMARIC_DECLARE_CLASS(NCSortedCltn);

  /// An empty collection with room for `capacity` elements.
  explicit NCSortedCltn(unsigned capacity = 16) : NCOrderedCltn(capacity) {}
  NCSortedCltn(const NCSortedCltn& other) = default;
  NCSortedCltn& operator=(const NCSortedCltn& other) = default;

  /// "ClassName:: NCSortedCltn" followed by the collection dump.
  void prettyPrint(NCostream& os) const override;

  /// Inserts `obj` (not owned) after every element not greater than it, so
  /// equal elements keep their insertion order. Returns `obj`.
  NCObject* add(NCObject& obj) override;
  /// Positions are decided by the order: refuses, returning null.
  NCObject* addFirst(NCObject& obj) override;
  /// Positions are decided by the order: refuses, returning null.
  NCObject* addAfter(const NCObject& existing, NCObject& obj) override;
  /// Positions are decided by the order: refuses, returning null.
  NCObject* addBefore(const NCObject& existing, NCObject& obj) override;
  /// Binary search: an index whose element compares equal to `obj`, else the
  /// index of the last element not greater than `obj`; -1 when `obj` is less
  /// than the first element, 0 when the collection is empty.
  int indexOf(const NCObject& obj) const override;
};

#endif
