// nclib/NCCollection.cc - behaviour shared by every collection.

#include "nclib/NCCollection.h"

#include "nclib/NCostream.h"

NCObject* NCIterator::next() {
  return _collection->value(_collection->doNext(*this));
}

void NCIterator::reset() {
  _collection->doReset(*this);
}

NCObject* NCCollection::value(NCObject* p) const {
  return p;
}

bool NCCollection::isEmpty() const {
  return size() == 0;
}

void NCCollection::doReset(NCIterator& it) const {
  it.setIndex(0);
  it.setPosition(nullptr);
}

void NCCollection::prettyPrint(NCostream& os) const {
  os << "Collection size: " << size() << "\n";
  NCIterator it(*this);
  while (NCObject* p = doNext(it)) {
    if (NCObject* element = value(p))
      element->prettyPrint(os);
  }
  os << "\n";
}
