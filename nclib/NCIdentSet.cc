// nclib/NCIdentSet.cc - set of objects by identity.

#include "nclib/NCIdentSet.h"

#include "nclib/NCistream.h"

NCIdentSet::NCIdentSet(NCistream& is) : NCSet(is, DeferRead{}) {
  readElements(is);
}

NCIdentSet::NCIdentSet(const NCIdentSet& other) : NCSet(other.capacity() / 2) {
  addAllOf(other);
}

NCObject* NCIdentSet::remove(const NCObject& obj) {
  return removeFromSlot(findIndexOf(obj), addressKey);
}

unsigned NCIdentSet::findIndexOf(const NCObject& obj) const {
  return probe(addressKey(obj),
               [&obj](const NCObject& held) { return held.isSame(obj); });
}
