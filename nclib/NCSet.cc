// nclib/NCSet.cc - open-addressing hashed set of object pointers.

#include "nclib/NCSet.h"

#include "nclib/NCTypeDict.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

#include <cstdint>

namespace {

std::uint32_t hashKey(const NCObject& obj) {
  return obj.hash();
}

} // namespace

NCSet::NCSet(unsigned capacity) {
  setCapacity(capacity);
  _slots = new NCObject*[_tableSize]();
}

NCSet::NCSet(const NCSet& other) : NCCollection(other) {
  // Half the slots as the request gives the same table size back.
  setCapacity(other._tableSize / 2);
  _slots = new NCObject*[_tableSize]();
  addAllOf(other);
}

NCSet& NCSet::operator=(const NCSet& other) {
  if (this == &other)
    return *this;
  removeAll();
  addAllOf(other);
  return *this;
}

NCSet::~NCSet() {
  delete[] _slots;
}

NCSet::NCSet(NCistream& is) : NCSet(is, DeferRead{}) {
  readElements(is);
}

NCSet::NCSet(NCistream& is, DeferRead) : NCCollection(is) {
  setCapacity(0);
  _slots = new NCObject*[_tableSize]();
}

void NCSet::readElements(NCistream& is) {
  unsigned ignoredTableSize = 0;
  unsigned n = 0;
  is >> ignoredTableSize >> n;
  delete[] _slots;
  setCapacity(n);
  _slots = new NCObject*[_tableSize]();
  for (unsigned i = 0; i < n; ++i) {
    if (auto* element = dynamic_cast<NCObject*>(is.readTransObj()))
      add(*element);
  }
}

void NCSet::write(NCostream& os) const {
  os << _tableSize << _count;
  for (unsigned i = 0; i < _tableSize; ++i) {
    if (_slots[i])
      os.writeTransObj(_slots[i]);
  }
}

int NCSet::compare(const NCObject& other) const {
  const auto& that = static_cast<const NCSet&>(other);
  if (int diff = static_cast<int>(_count) - static_cast<int>(that._count))
    return diff;
  // Sets of equal count but different table sizes are walked over the larger
  // table; a slot beyond the smaller one counts as empty.
  unsigned slots = _tableSize > that._tableSize ? _tableSize : that._tableSize;
  for (unsigned i = 0; i < slots; ++i) {
    const NCObject* mine = i < _tableSize ? _slots[i] : nullptr;
    const NCObject* theirs = i < that._tableSize ? that._slots[i] : nullptr;
    if (!mine || !theirs) {
      if (mine != theirs)
        return mine ? 1 : -1;
      continue;
    }
    if (int c = mine->compare(*theirs))
      return c;
  }
  return 0;
}

std::uint32_t NCSet::hash() const {
  std::uint32_t h = _count;
  for (unsigned i = 0; i < _tableSize; ++i) {
    if (_slots[i])
      h ^= _slots[i]->hash();
  }
  return h;
}

NCObject* NCSet::add(NCObject& obj) {
  unsigned slot = findIndexOf(obj);
  if (_slots[slot])
    return _slots[slot];
  _slots[slot] = &obj;
  if (++_count > _tableSize - 1) {
    // The table has just become full: four times the slots, re-adding the
    // elements in their old slot order.
    NCObject** old = _slots;
    unsigned oldSize = _tableSize;
    setCapacity(2 * oldSize);
    _slots = new NCObject*[_tableSize]();
    for (unsigned i = 0; i < oldSize; ++i) {
      if (old[i])
        NCSet::add(*old[i]);
    }
    delete[] old;
  }
  return &obj;
}

NCObject* NCSet::remove(const NCObject& obj) {
  return removeFromSlot(findIndexOf(obj), hashKey);
}

NCObject* NCSet::removeFromSlot(unsigned i, SlotKey key) {
  NCObject* removed = _slots[i];
  if (!removed)
    return nullptr;
  _slots[i] = nullptr;
  // Without deletion markers, every element further down the probe run that
  // could have been placed at the new hole must move up into it, or probes
  // for it would stop at the hole.
  for (unsigned j = (i - 1) & _mask; _slots[j]; j = (j - 1) & _mask) {
    unsigned r = homeSlot(key(*_slots[j]));
    bool onProbePath = i > j ? (r >= i || r < j) : (r >= i && r < j);
    if (onProbePath) {
      _slots[i] = _slots[j];
      _slots[j] = nullptr;
      i = j;
    }
  }
  --_count;
  return removed;
}

void NCSet::removeAll() {
  clearSlots();
}

void NCSet::removeAndFreeAll() {
  for (unsigned i = 0; i < _tableSize; ++i)
    delete _slots[i];
  clearSlots();
}

void NCSet::clearSlots() {
  for (unsigned i = 0; i < _tableSize; ++i)
    _slots[i] = nullptr;
  _count = 0;
}

unsigned NCSet::occurrencesOf(const NCObject& obj) const {
  return findObjectWithKey(obj) ? 1 : 0;
}

NCObject* NCSet::doNext(NCIterator& it) const {
  while (it.index() >= 0 && static_cast<unsigned>(it.index()) < _tableSize) {
    NCObject* element = _slots[it.index()];
    it.setIndex(it.index() + 1);
    if (element) {
      it.setPosition(element);
      return element;
    }
  }
  return nullptr;
}

unsigned NCSet::findIndexOf(const NCObject& obj) const {
  // The stored element decides equality, as everywhere in the library.
  return probe(obj.hash(),
               [&obj](const NCObject& held) { return held.isEqual(obj); });
}

NCObject* NCSet::findObjectWithKey(const NCObject& obj) const {
  return _slots[findIndexOf(obj)];
}

NCSet* NCSet::unionOf(const NCSet& other) const {
  auto* result = new NCSet(_tableSize + other._tableSize);
  result->addAllOf(*this);
  result->addAllOf(other);
  return result;
}

NCSet* NCSet::intersectionOf(const NCSet& other) const {
  auto* result = new NCSet(_tableSize);
  for (unsigned i = 0; i < _tableSize; ++i) {
    if (_slots[i] && other.occurrencesOf(*_slots[i]) > 0)
      result->add(*_slots[i]);
  }
  return result;
}

NCSet* NCSet::differenceOf(const NCSet& other) const {
  auto* result = new NCSet(_tableSize);
  for (unsigned i = 0; i < _tableSize; ++i) {
    if (_slots[i] && other.occurrencesOf(*_slots[i]) == 0)
      result->add(*_slots[i]);
  }
  return result;
}

std::uint32_t NCSet::addressKey(const NCObject& obj) {
  // Only the low 32 bits of the address take part; the Fibonacci multiplier
  // spreads them over the table.
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&obj));
}

void NCSet::setCapacity(unsigned n) {
  _count = 0;
  _indexBits = 0;
  _indexBits = capacityBits(n);
  _tableSize = 1u << _indexBits;
  _mask = _tableSize - 1;
}

unsigned NCSet::homeSlot(std::uint32_t k) const {
  return fibonacciSlot(k, _indexBits, _mask);
}

void NCSet::addAllOf(const NCSet& other) {
  for (unsigned i = 0; i < other._tableSize; ++i) {
    if (other._slots[i])
      add(*other._slots[i]);
  }
}
