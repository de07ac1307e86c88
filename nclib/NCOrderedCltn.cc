// nclib/NCOrderedCltn.cc - array-backed list of object pointers.

#include "nclib/NCOrderedCltn.h"

#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

#include <cassert>

NCOrderedCltn::NCOrderedCltn(unsigned capacity)
    : _capacity(capacity), _contents(new NCObject*[capacity]()) {}

NCOrderedCltn::NCOrderedCltn(const NCOrderedCltn& other)
    : NCCollection(other), _capacity(other._capacity),
      _contents(new NCObject*[other._capacity]()) {
  *this = other;
}

NCOrderedCltn& NCOrderedCltn::operator=(const NCOrderedCltn& other) {
  if (this == &other)
    return *this;
  removeAll();
  for (unsigned i = 0; i < other._size; ++i) {
    if (NCObject* element = other._contents[i])
      add(*element);
  }
  return *this;
}

NCOrderedCltn::~NCOrderedCltn() {
  delete[] _contents;
}

NCOrderedCltn::NCOrderedCltn(NCistream& is) : NCCollection(is) {
  is >> _capacity >> _size;
  // A damaged stream must not make us write past the array.
  if (_capacity < _size)
    _capacity = _size;
  _contents = new NCObject*[_capacity]();
  for (unsigned i = 0; i < _size; ++i)
    _contents[i] = dynamic_cast<NCObject*>(is.readTransObj());
}

void NCOrderedCltn::write(NCostream& os) const {
  os << _capacity << _size;
  for (unsigned i = 0; i < _size; ++i)
    os.writeTransObj(_contents[i]);
}

int NCOrderedCltn::compare(const NCObject& other) const {
  const auto& that = static_cast<const NCOrderedCltn&>(other);
  if (int diff = static_cast<int>(_size) - static_cast<int>(that._size))
    return diff;
  for (unsigned i = 0; i < _size; ++i) {
    const NCObject* mine = _contents[i];
    const NCObject* theirs = that._contents[i];
    // Null entries only come from streams; they sort before any object.
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

std::uint32_t NCOrderedCltn::hash() const {
  std::uint32_t h = _size;
  for (unsigned i = 0; i < _size; ++i) {
    if (_contents[i])
      h ^= _contents[i]->hash();
  }
  return h;
}

NCObject* NCOrderedCltn::addAtIndex(unsigned i, NCObject& obj) {
  assert(i <= _size && "insertion point beyond the end");
  if (_size >= _capacity) {
    // Doubling cannot grow an empty array, so capacity 0 becomes 1.
    unsigned grown = _capacity == 0 ? 1 : 2 * _capacity;
    auto** contents = new NCObject*[grown]();
    for (unsigned k = 0; k < _size; ++k)
      contents[k] = _contents[k];
    delete[] _contents;
    _contents = contents;
    _capacity = grown;
  }
  for (unsigned k = _size; k > i; --k)
    _contents[k] = _contents[k - 1];
  _contents[i] = &obj;
  ++_size;
  return &obj;
}

NCObject* NCOrderedCltn::removeAtIndex(unsigned i) {
  assert(i < _size && "removal beyond the end");
  NCObject* removed = _contents[i];
  for (unsigned k = i + 1; k < _size; ++k)
    _contents[k - 1] = _contents[k];
  _contents[--_size] = nullptr;
  return removed;
}

NCObject* NCOrderedCltn::add(NCObject& obj) {
  return addAtIndex(_size, obj);
}

NCObject* NCOrderedCltn::remove(const NCObject& obj) {
  int i = indexOf(obj);
  // A sorted collection's indexOf() may point at a neighbour of an absent
  // element; only an equal element is taken out.
  if (i < 0 || static_cast<unsigned>(i) >= _size || !_contents[i] ||
      !_contents[i]->isEqual(obj))
    return nullptr;
  return removeAtIndex(static_cast<unsigned>(i));
}

void NCOrderedCltn::removeAll() {
  _size = 0;
}

void NCOrderedCltn::removeAndFreeAll() {
  for (unsigned i = 0; i < _size; ++i) {
    delete _contents[i];
    _contents[i] = nullptr;
  }
  _size = 0;
}

unsigned NCOrderedCltn::occurrencesOf(const NCObject& obj) const {
  unsigned n = 0;
  for (unsigned i = 0; i < _size; ++i) {
    if (_contents[i] && _contents[i]->isEqual(obj))
      ++n;
  }
  return n;
}

NCObject* NCOrderedCltn::doNext(NCIterator& it) const {
  if (it.index() < 0 || static_cast<unsigned>(it.index()) >= _size)
    return nullptr;
  NCObject* element = _contents[it.index()];
  it.setIndex(it.index() + 1);
  it.setPosition(element);
  return element;
}

NCObject* NCOrderedCltn::addFirst(NCObject& obj) {
  return addAtIndex(0, obj);
}

NCObject* NCOrderedCltn::addAfter(const NCObject& existing, NCObject& obj) {
  int i = indexOf(existing);
  if (i == -1)
    return nullptr;
  return addAtIndex(static_cast<unsigned>(i) + 1, obj);
}

NCObject* NCOrderedCltn::addBefore(const NCObject& existing, NCObject& obj) {
  int i = indexOf(existing);
  if (i == -1)
    return nullptr;
  return addAtIndex(static_cast<unsigned>(i), obj);
}

NCObject* NCOrderedCltn::at(int i) const {
  if (i < 0 || static_cast<unsigned>(i) >= _size)
    return nullptr;
  return _contents[i];
}

NCObject* NCOrderedCltn::first() const {
  return at(0);
}

NCObject* NCOrderedCltn::last() const {
  return at(static_cast<int>(_size) - 1);
}

NCObject* NCOrderedCltn::removeSame(const NCObject& obj) {
  for (unsigned i = 0; i < _size; ++i) {
    if (_contents[i] == &obj)
      return removeAtIndex(i);
  }
  return nullptr;
}

NCObject* NCOrderedCltn::removeAt(int i) {
  if (i < 0 || static_cast<unsigned>(i) >= _size)
    return nullptr;
  return removeAtIndex(static_cast<unsigned>(i));
}

NCObject* NCOrderedCltn::removeFirst() {
  return removeAt(0);
}

NCObject* NCOrderedCltn::removeLast() {
  return removeAt(static_cast<int>(_size) - 1);
}

int NCOrderedCltn::indexOf(const NCObject& obj) const {
  for (unsigned i = 0; i < _size; ++i) {
    if (_contents[i] && _contents[i]->isEqual(obj))
      return static_cast<int>(i);
  }
  return -1;
}
