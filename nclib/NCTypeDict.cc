// nclib/NCTypeDict.cc - the class registry's hash table.

#include "nclib/NCTypeDict.h"

#include <cstring>

std::uint32_t strHash(const char* s) {
  std::uint32_t h = 0;
  for (; *s; ++s) {
    // Characters count as signed bytes: 0xFF contributes -1.
    auto c = static_cast<std::uint32_t>(
        static_cast<std::int32_t>(static_cast<signed char>(*s)));
    h = (h << 1) ^ c;
  }
  return h & 0x7FFFFFFFu;
}

unsigned capacityBits(unsigned n) {
  unsigned bits = 0;
  for (unsigned v = n; v != 0; v >>= 1)
    ++bits;
  if (n != 0 && (n & (n - 1)) != 0)
    ++bits;
  return bits;
}

NCTypeDict* NCTypeDict::instance() {
  static NCTypeDict* dict = [] {
    auto* d = new NCTypeDict(16);
    NCinit();
    return d;
  }();
  return dict;
}

NCTypeDict::NCTypeDict(unsigned capacity) {
  reSize(capacity);
}

NCTypeDict::~NCTypeDict() {
  for (unsigned i = 0; i < _tableSize; ++i) {
    if (Entry* e = _slots[i]) {
      delete[] e->name;
      delete e;
    }
  }
  delete[] _slots;
}

void NCTypeDict::setCapacity(unsigned n) {
  _indexBits = capacityBits(n);
  _tableSize = 1u << _indexBits;
  _mask = _tableSize - 1;
}

void NCTypeDict::reSize(unsigned n) {
  Entry** old = _slots;
  unsigned oldSize = _tableSize;
  setCapacity(n);
  _slots = new Entry*[_tableSize]();
  _count = 0;
  for (unsigned i = 0; i < oldSize; ++i) {
    if (Entry* e = old[i]) {
      add(e->name, e->info);
      delete[] e->name;
      delete e;
    }
  }
  delete[] old;
}

unsigned NCTypeDict::findIndexOf(const char* name) const {
  unsigned slot = fibonacciSlot(strHash(name), _indexBits, _mask);
  while (_slots[slot] && std::strcmp(_slots[slot]->name, name) != 0)
    slot = (slot - 1) & _mask;
  return slot;
}

void NCTypeDict::add(const char* name, NCTypeInfo* info) {
  if (!name)
    name = "";
  unsigned slot = findIndexOf(name);
  if (_slots[slot])
    return;
  char* copy = new char[std::strlen(name) + 1];
  std::strcpy(copy, name);
  _slots[slot] = new Entry{copy, info};
  if (++_count > _tableSize - 1)
    reSize(2 * _tableSize);
}

NCTypeInfo* NCTypeDict::typeInfo(const char* name) const {
  if (!name)
    return nullptr;
  Entry* e = _slots[findIndexOf(name)];
  return e ? e->info : nullptr;
}

int NCTypeDict::remove(const char*) {
  return 0;
}
