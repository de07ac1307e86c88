// nclib/NCIdentSet.h - set of objects by identity.
//
// Home slots come from the element's address and an element matches only
// itself, so iteration follows the elements' addresses.

#ifndef VELMARIC_NCLIB_NCIDENTSET_H
#define VELMARIC_NCLIB_NCIDENTSET_H

#include "nclib/NCSet.h"

class NCIdentSet : public NCSet {
  VELMARIC_DECLARE_CLASS(NCIdentSet);

  /// An empty set sized for `capacity` elements (see NCSet).
  explicit NCIdentSet(unsigned capacity = 16) : NCSet(capacity) {}
  /// The same table size and the same element pointers.
  NCIdentSet(const NCIdentSet& other);
  NCIdentSet& operator=(const NCIdentSet& other) = default;
  ~NCIdentSet() override = default;

  /// Takes out `obj` itself and returns it, or null when it is not held.
  NCObject* remove(const NCObject& obj) override;
  /// The slot holding `obj` itself, or the empty slot where probing stopped.
  unsigned findIndexOf(const NCObject& obj) const override;
};

#endif
