// nclib/NCIdentDict.cc - dictionary keyed by object identity.

#include "nclib/NCIdentDict.h"

#include "nclib/NCAssoc.h"
#include "nclib/NCistream.h"

#include <cstdint>

namespace {

// Home slots of stored records come from their keys' addresses.
std::uint32_t recordKeyAddress(const NCObject& record) {
  const NCObject* key = static_cast<const NCAssoc&>(record).key();
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(key));
}

} // namespace

NCIdentDict::NCIdentDict(NCistream& is) : NCDictionary(is, DeferRead{}) {
  readElements(is);
}

NCIdentDict::NCIdentDict(const NCIdentDict& other)
    : NCDictionary(other.capacity() / 2) {
  copyRecordsOf(other);
}

unsigned NCIdentDict::slotOfKey(const NCObject& key) const {
  return probe(addressKey(key), [&key](const NCObject& held) {
    const NCObject* heldKey = static_cast<const NCAssoc&>(held).key();
    return heldKey && heldKey->isSame(key);
  });
}

unsigned NCIdentDict::findIndexOf(const NCObject& a) const {
  if (a.classInfo() == NCAssoc::desc()) {
    const NCObject* key = static_cast<const NCAssoc&>(a).key();
    // A record read with a null key can only sit in the home slot of 0.
    if (!key)
      return probe(0, [](const NCObject& held) {
        return static_cast<const NCAssoc&>(held).key() == nullptr;
      });
    return slotOfKey(*key);
  }
  return slotOfKey(a);
}

NCAssoc* NCIdentDict::assocAt(const NCObject& key) const {
  return static_cast<NCAssoc*>(slotAt(slotOfKey(key)));
}

NCObject* NCIdentDict::removeAssoc(const NCAssoc& a) {
  NCObject* value = a.value();
  NCObject* removed = removeFromSlot(findIndexOf(a), recordKeyAddress);
  if (!removed)
    return nullptr;
  delete removed;
  return value;
}
