// nclib/NCSortedCltn.cc - ordered collection kept in ascending compare order.

#include "nclib/NCSortedCltn.h"

#include "nclib/NCostream.h"

NCSortedCltn::NCSortedCltn(NCistream& is) : NCOrderedCltn(is) {}

void NCSortedCltn::prettyPrint(NCostream& os) const {
  os << "ClassName:: NCSortedCltn\n";
  NCCollection::prettyPrint(os);
}

NCObject* NCSortedCltn::add(NCObject& obj) {
  if (size() == 0)
    return addAtIndex(0, obj);
  int i = indexOf(obj);
  if (i != -1 && obj.compare(*contentsAt(static_cast<unsigned>(i))) == 0) {
    // Equal elements keep their insertion order: go past the whole run.
    unsigned j = static_cast<unsigned>(i) + 1;
    while (j < size() && obj.compare(*contentsAt(j)) == 0)
      ++j;
    return addAtIndex(j, obj);
  }
  return addAtIndex(static_cast<unsigned>(i + 1), obj);
}

NCObject* NCSortedCltn::addFirst(NCObject&) {
  return nullptr;
}

NCObject* NCSortedCltn::addAfter(const NCObject&, NCObject&) {
  return nullptr;
}

NCObject* NCSortedCltn::addBefore(const NCObject&, NCObject&) {
  return nullptr;
}

int NCSortedCltn::indexOf(const NCObject& obj) const {
  if (size() == 0)
    return 0;
  if (obj.compare(*contentsAt(0)) < 0)
    return -1;
  int lo = 0;
  int hi = static_cast<int>(size()) - 1;
  int mid = 0;
  int c = 0;
  while (lo <= hi) {
    mid = (lo + hi) / 2;
    c = obj.compare(*contentsAt(static_cast<unsigned>(mid)));
    if (c == 0)
      return mid;
    if (c < 0)
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  if (mid < 1)
    return mid;
  return c < 0 ? mid - 1 : mid;
}
