// nclib/NCStreamTables.cc - address tables of the object streams.

#include "nclib/NCStreamTables.h"

#include "nclib/NCTypeDict.h"

#include <cstdint>

namespace {

// Addresses hash by their low 32 bits, as the registry hashes names.
std::uint32_t addressHash(const void* p) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

} // namespace

NCAddressTable::NCAddressTable(unsigned capacity) {
  setCapacity(capacity);
  _slots = new Entry[_tableSize]();
}

NCAddressTable::~NCAddressTable() {
  delete[] _slots;
}

void NCAddressTable::setCapacity(unsigned n) {
  _indexBits = capacityBits(n);
  _tableSize = 1u << _indexBits;
  _mask = _tableSize - 1;
}

unsigned NCAddressTable::findIndexOf(const void* key) const {
  unsigned slot = fibonacciSlot(addressHash(key), _indexBits, _mask);
  while (_slots[slot].key && _slots[slot].key != key)
    slot = (slot - 1) & _mask;
  return slot;
}

int NCAddressTable::find(const void* key) const {
  const Entry& e = _slots[findIndexOf(key)];
  return e.key ? e.number : -1;
}

void NCAddressTable::add(const void* key, int number) {
  unsigned slot = findIndexOf(key);
  if (_slots[slot].key)
    return;
  _slots[slot] = Entry{key, number};
  if (++_count <= _tableSize - 1)
    return;
  // Full: four times the slots, re-adding the old entries in slot order.
  Entry* old = _slots;
  unsigned oldSize = _tableSize;
  setCapacity(2 * oldSize);
  _slots = new Entry[_tableSize]();
  _count = 0;
  for (unsigned i = 0; i < oldSize; ++i) {
    if (old[i].key)
      add(old[i].key, old[i].number);
  }
  delete[] old;
}

void NCAddressTable::clear() {
  for (unsigned i = 0; i < _tableSize; ++i)
    _slots[i] = Entry{nullptr, 0};
  _count = 0;
}

int NCTransDict::add(const NCTransObject* obj) {
  _table.add(obj, ++_lastNumber);
  return _lastNumber;
}

void NCTransDict::clear() {
  _table.clear();
  _lastNumber = -1;
}

int NCClassInfoDict::add(const NCTypeInfo* info) {
  _table.add(info, ++_lastNumber);
  return _lastNumber;
}

void NCClassInfoDict::clear() {
  _table.clear();
  _lastNumber = -1;
}
