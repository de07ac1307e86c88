// nclib/NCLinkedList.cc - singly linked list of object pointers.

#include "nclib/NCLinkedList.h"

#include "nclib/NCLink.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

NCLinkedList::NCLinkedList(NCistream& is) : NCCollection(is) {
  unsigned n = 0;
  is >> n;
  for (unsigned i = 0; i < n; ++i) {
    if (auto* obj = dynamic_cast<NCObject*>(is.readTransObj()))
      add(*obj);
  }
}

NCLinkedList::NCLinkedList(const NCLinkedList& other) : NCCollection(other) {
  appendAllOf(other);
}

NCLinkedList& NCLinkedList::operator=(const NCLinkedList& other) {
  if (this == &other)
    return *this;
  freeLinks(false);
  appendAllOf(other);
  return *this;
}

NCLinkedList::~NCLinkedList() {
  freeLinks(false);
}

void NCLinkedList::appendAllOf(const NCLinkedList& other) {
  for (NCLink* link = other._first; link; link = link->next()) {
    if (link->object())
      add(*link->object());
  }
}

void NCLinkedList::freeLinks(bool objects) {
  NCLink* link = _first;
  while (link) {
    NCLink* next = link->next();
    if (objects)
      delete link->object();
    delete link;
    link = next;
  }
  _first = _last = nullptr;
  _count = 0;
}

void NCLinkedList::write(NCostream& os) const {
  os << _count;
  for (NCLink* link = _first; link; link = link->next())
    os.writeTransObj(link->object());
}

int NCLinkedList::compare(const NCObject& other) const {
  const auto& that = static_cast<const NCLinkedList&>(other);
  if (int diff = static_cast<int>(_count) - static_cast<int>(that._count))
    return diff;
  for (NCLink *mine = _first, *theirs = that._first; mine && theirs;
       mine = mine->next(), theirs = theirs->next()) {
    if (int c = mine->compare(*theirs))
      return c;
  }
  return 0;
}

std::uint32_t NCLinkedList::hash() const {
  std::uint32_t h = _count;
  for (NCLink* link = _first; link; link = link->next())
    h ^= link->hash();
  return h;
}

NCObject* NCLinkedList::value(NCObject* p) const {
  return p ? static_cast<NCLink*>(p)->object() : nullptr;
}

NCObject* NCLinkedList::add(NCObject& obj) {
  auto* link = new NCLink(&obj);
  if (_last)
    _last->setNext(link);
  else
    _first = link;
  _last = link;
  ++_count;
  return &obj;
}

NCObject* NCLinkedList::unlink(NCLink* prev, NCLink* link) {
  if (prev)
    prev->setNext(link->next());
  else
    _first = link->next();
  if (_last == link)
    _last = prev;
  --_count;
  NCObject* obj = link->object();
  delete link;
  return obj;
}

NCObject* NCLinkedList::remove(const NCObject& obj) {
  NCLink* prev = nullptr;
  for (NCLink* link = _first; link; prev = link, link = link->next()) {
    if (link->object() && link->object()->isEqual(obj))
      return unlink(prev, link);
  }
  return nullptr;
}

NCObject* NCLinkedList::removeSame(const NCObject& obj) {
  NCLink* prev = nullptr;
  for (NCLink* link = _first; link; prev = link, link = link->next()) {
    if (link->object() == &obj)
      return unlink(prev, link);
  }
  return nullptr;
}

void NCLinkedList::removeAll() {
  freeLinks(false);
}

void NCLinkedList::removeAndFreeAll() {
  freeLinks(true);
}

unsigned NCLinkedList::occurrencesOf(const NCObject& obj) const {
  unsigned n = 0;
  for (NCLink* link = _first; link; link = link->next()) {
    if (link->object() && link->object()->isEqual(obj))
      ++n;
  }
  return n;
}

NCObject* NCLinkedList::doNext(NCIterator& it) const {
  NCLink* link = nullptr;
  if (it.index() == 0)
    link = _first;
  else if (it.position())
    link = static_cast<NCLink*>(it.position())->next();
  it.setIndex(it.index() + 1);
  it.setPosition(link);
  return link;
}

NCObject* NCLinkedList::addFirst(NCObject& obj) {
  if (!_first)
    return add(obj);
  _first = new NCLink(&obj, _first);
  ++_count;
  return &obj;
}

NCObject* NCLinkedList::addAfter(NCObject& existing, NCObject& obj) {
  for (NCLink* link = _first; link; link = link->next()) {
    if (link->object() && link->object()->isEqual(existing)) {
      auto* added = new NCLink(&obj, link->next());
      link->setNext(added);
      if (_last == link)
        _last = added;
      ++_count;
      return &obj;
    }
  }
  return nullptr;
}

NCObject* NCLinkedList::at(int i) const {
  if (i < 0 || static_cast<unsigned>(i) >= _count)
    return nullptr;
  NCLink* link = _first;
  for (; i > 0; --i)
    link = link->next();
  return link->object();
}

NCObject* NCLinkedList::first() const {
  return _first ? _first->object() : nullptr;
}

NCObject* NCLinkedList::last() const {
  return _last ? _last->object() : nullptr;
}

NCObject* NCLinkedList::removeFirst() {
  return _first ? unlink(nullptr, _first) : nullptr;
}

NCObject* NCLinkedList::removeLast() {
  if (!_first)
    return nullptr;
  // A singly linked list has to walk to the next-to-last link.
  NCLink* prev = nullptr;
  for (NCLink* link = _first; link != _last; link = link->next())
    prev = link;
  return unlink(prev, _last);
}

NCObject* NCLinkedList::find(const NCObject& obj) const {
  for (NCLink* link = _first; link; link = link->next()) {
    if (link->object() && link->object()->isEqual(obj))
      return link->object();
  }
  return nullptr;
}

NCObject* NCLinkedList::findSame(const NCObject& obj) const {
  for (NCLink* link = _first; link; link = link->next()) {
    if (link->object() == &obj)
      return link->object();
  }
  return nullptr;
}
