// nclib/NCDictionary.cc - hashed table of key/value associations.

#include "nclib/NCDictionary.h"

#include "nclib/NCAssoc.h"
#include "nclib/NCistream.h"

#include <cstring>

namespace {

// Values of one dictionary may be of different classes, and compare() only
// makes sense within a class: other classes are ordered by name.
int compareValues(const NCObject* mine, const NCObject* theirs) {
  if (!mine || !theirs)
    return mine == theirs ? 0 : (mine ? 1 : -1);
  const NCTypeInfo* myClass = mine->classInfo();
  const NCTypeInfo* theirClass = theirs->classInfo();
  if (myClass != theirClass) {
    const char* myName = myClass->name() ? myClass->name() : "";
    const char* theirName = theirClass->name() ? theirClass->name() : "";
    return std::strcmp(myName, theirName) < 0 ? -1 : 1;
  }
  return mine->compare(*theirs);
}

} // namespace

NCDictionary::NCDictionary(NCistream& is) : NCSet(is, DeferRead{}) {
  readElements(is);
}

NCDictionary::NCDictionary(const NCDictionary& other)
    : NCSet(other.capacity() / 2) {
  copyRecordsOf(other);
}

NCDictionary& NCDictionary::operator=(const NCDictionary& other) {
  if (this == &other)
    return *this;
  removeAll();
  copyRecordsOf(other);
  return *this;
}

NCDictionary::~NCDictionary() {
  freeRecords(false);
}

void NCDictionary::copyRecordsOf(const NCDictionary& other) {
  for (unsigned i = 0; i < other.capacity(); ++i) {
    auto* a = static_cast<NCAssoc*>(other.slotAt(i));
    if (a && a->key() && a->value())
      addAssoc(*a->key(), *a->value());
  }
}

void NCDictionary::freeRecords(bool keysAndValues) {
  for (unsigned i = 0; i < capacity(); ++i) {
    auto* a = static_cast<NCAssoc*>(slotAt(i));
    if (!a)
      continue;
    if (keysAndValues) {
      delete a->key();
      delete a->value();
    }
    delete a;
  }
  clearSlots();
}

int NCDictionary::compare(const NCObject& other) const {
  if (int c = NCSet::compare(other))
    return c;
  const auto& that = static_cast<const NCDictionary&>(other);
  for (unsigned i = 0; i < capacity() && i < that.capacity(); ++i) {
    auto* mine = static_cast<const NCAssoc*>(slotAt(i));
    auto* theirs = static_cast<const NCAssoc*>(that.slotAt(i));
    if (!mine || !theirs)
      continue;
    if (int c = compareValues(mine->value(), theirs->value()))
      return c;
  }
  return 0;
}

NCObject* NCDictionary::add(NCObject& obj) {
  if (obj.classInfo() != NCAssoc::desc())
    return nullptr;
  return NCSet::add(obj);
}

NCObject* NCDictionary::remove(const NCObject& obj) {
  if (obj.classInfo() != NCAssoc::desc())
    return nullptr;
  return removeAssoc(static_cast<const NCAssoc&>(obj));
}

void NCDictionary::removeAll() {
  freeRecords(false);
}

void NCDictionary::removeAndFreeAll() {
  freeRecords(true);
}

unsigned NCDictionary::occurrencesOf(const NCObject& obj) const {
  unsigned n = 0;
  for (unsigned i = 0; i < capacity(); ++i) {
    auto* a = static_cast<const NCAssoc*>(slotAt(i));
    if (a && a->value() && obj.isEqual(*a->value()))
      ++n;
  }
  return n;
}

NCAssoc* NCDictionary::addAssoc(NCObject& key, NCObject& value) {
  auto* a = new NCAssoc(key, value);
  if (NCSet::add(*a) == a)
    return a;
  delete a;
  return nullptr;
}

NCAssoc* NCDictionary::assocAt(const NCObject& key) const {
  return static_cast<NCAssoc*>(findObjectWithKey(key));
}

bool NCDictionary::includesKey(const NCObject& key) const {
  return assocAt(key) != nullptr;
}

NCObject* NCDictionary::removeKey(const NCObject& key) {
  NCAssoc* a = assocAt(key);
  return a ? removeAssoc(*a) : nullptr;
}

NCObject* NCDictionary::removeAndFreeKey(const NCObject& key) {
  NCAssoc* a = assocAt(key);
  if (!a)
    return nullptr;
  NCObject* storedKey = a->key();
  NCObject* value = removeAssoc(*a);
  delete storedKey;
  return value;
}

int NCDictionary::removeAndFreeKeyValue(const NCObject& key) {
  NCAssoc* a = assocAt(key);
  if (!a)
    return 0;
  NCObject* storedKey = a->key();
  NCObject* value = removeAssoc(*a);
  delete storedKey;
  delete value;
  return 1;
}

NCObject* NCDictionary::removeAssoc(const NCAssoc& a) {
  NCObject* value = a.value();
  NCObject* removed = NCSet::remove(a);
  if (!removed)
    return nullptr;
  delete removed;
  return value;
}

NCObject* NCDictionary::atKey(const NCObject& key) const {
  NCAssoc* a = assocAt(key);
  return a ? a->value() : nullptr;
}
