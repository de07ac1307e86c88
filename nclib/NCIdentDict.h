// nclib/NCIdentDict.h - dictionary keyed by object identity.
//
// Home slots come from the key's address and a record matches only when its
// key is the very probe object, so iteration follows the keys' addresses.

#ifndef VELMARIC_NCLIB_NCIDENTDICT_H
#define VELMARIC_NCLIB_NCIDENTDICT_H

#include "nclib/NCDictionary.h"

class NCIdentDict : public NCDictionary {
  VELMARIC_DECLARE_CLASS(NCIdentDict);

  /// An empty dictionary sized for `capacity` keys (see NCSet).
  explicit NCIdentDict(unsigned capacity = 16) : NCDictionary(capacity) {}
  /// Fresh records with the same keys and values as `other`'s.
  NCIdentDict(const NCIdentDict& other);
  NCIdentDict& operator=(const NCIdentDict& other) = default;
  ~NCIdentDict() override = default;

  /// The slot of the record whose key is `a`'s key itself (the key of `a`
  /// when it is an NCAssoc, else `a`), or the empty slot where probing
  /// stopped.
  unsigned findIndexOf(const NCObject& a) const override;
  /// The record whose key is `key` itself, or null.
  NCAssoc* assocAt(const NCObject& key) const override;
  /// Removes the record whose key is `a`'s key itself, deletes it and returns
  /// `a`'s value; null when there is no such record.
  NCObject* removeAssoc(const NCAssoc& a) override;

private:
  /// The slot of the record keyed by `key` itself, or an empty slot.
  unsigned slotOfKey(const NCObject& key) const;
};

#endif
