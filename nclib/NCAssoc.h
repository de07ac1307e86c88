// nclib/NCAssoc.h - key/value record held by dictionaries.
//
// An association hashes and compares as its key, so a probe with a bare key
// object finds the record with an equal key.

#ifndef VELMARIC_NCLIB_NCASSOC_H
#define VELMARIC_NCLIB_NCASSOC_H

#include "nclib/NCObject.h"

class NCAssoc : public NCObject {
  VELMARIC_DECLARE_CLASS(NCAssoc);

  /// Pairs `key` with `value`; neither is owned.
  NCAssoc(NCObject& key, NCObject& value) : _key(&key), _value(&value) {}
  NCAssoc(const NCAssoc&) = default;
  NCAssoc& operator=(const NCAssoc&) = default;
  /// Leaves key and value alone.
  ~NCAssoc() override = default;

  /// Key and value as object references.
  void write(NCostream& os) const override;
  /// "ClassName: NCAssoc", then the key's and the value's dumps.
  void prettyPrint(NCostream& os) const override;
  /// The key's hash (0 for a null key read from a stream).
  std::uint32_t hash() const override;
  /// `other` compared with the key: other.compare(key).
  int compare(const NCObject& other) const override;
  /// `other` is equal to the key: other.isEqual(key). Two associations are
  /// thus equal when their keys are.
  bool isEqual(const NCObject& other) const override;

  /// The key; null only for a record read with a null reference.
  NCObject* key() const { return _key; }
  /// The value; null only for a record read with a null reference.
  NCObject* value() const { return _value; }

private:
  NCObject* _key;
  NCObject* _value;
};

#endif
