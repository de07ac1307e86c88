// nclib/NCDictionary.h - hashed table of key/value associations.
//
// A set whose elements are NCAssoc records owned by the dictionary; keys and
// values belong to the caller. An existing key is never replaced.

#ifndef VELMARIC_NCLIB_NCDICTIONARY_H
#define VELMARIC_NCLIB_NCDICTIONARY_H

#include "nclib/NCSet.h"

class NCAssoc;

class NCDictionary : public NCSet {
  VELMARIC_DECLARE_CLASS(NCDictionary);

  /// An empty dictionary sized for `capacity` keys (see NCSet).
  explicit NCDictionary(unsigned capacity = 16) : NCSet(capacity) {}
  /// Fresh records with the same keys and values as `other`'s.
  NCDictionary(const NCDictionary& other);
  /// Deletes this dictionary's records, then adds fresh records with the
  /// keys and values of `other`'s, in its slot order.
  NCDictionary& operator=(const NCDictionary& other);
  /// Deletes the records, not their keys or values.
  ~NCDictionary() override;

  /// Count difference, else slot by slot as a set (keys), then the values of
  /// records whose keys compare equal.
  int compare(const NCObject& other) const override;

  /// Takes ownership of `obj` if it is an NCAssoc and no record with an equal
  /// key exists, returning it; returns the existing record when there is one
  /// (`obj` stays the caller's), and null when `obj` is not an NCAssoc.
  NCObject* add(NCObject& obj) override;
  /// For an NCAssoc: as removeAssoc(). Otherwise null.
  NCObject* remove(const NCObject& obj) override;
  /// Deletes the records (keys and values untouched) and empties the table.
  void removeAll() override;
  /// Deletes each record's key and value, and the records.
  void removeAndFreeAll() override;
  /// The number of records whose value is equal to `obj`.
  unsigned occurrencesOf(const NCObject& obj) const override;

  /// Adds a new record for `key` and `value` (neither owned) and returns it
  /// (owned by the dictionary). Returns null, keeping the old record and its
  /// value, when an equal key is already present.
  virtual NCAssoc* addAssoc(NCObject& key, NCObject& value);
  /// The record whose key is equal to `key`, or null.
  virtual NCAssoc* assocAt(const NCObject& key) const;
  virtual bool includesKey(const NCObject& key) const;
  /// Removes the record for `key` (not its key or value) and returns the
  /// value, or null when the key is absent.
  virtual NCObject* removeKey(const NCObject& key);
  /// As removeKey(), and deletes the stored key object too.
  virtual NCObject* removeAndFreeKey(const NCObject& key);
  /// Removes the record for `key` and deletes its key and value. Returns 1,
  /// or 0 when the key is absent.
  virtual int removeAndFreeKeyValue(const NCObject& key);
  /// Removes the record whose key is equal to `a`'s key, deletes it and
  /// returns `a`'s value; null when there is no such record.
  virtual NCObject* removeAssoc(const NCAssoc& a);
  /// The value stored under `key`, or null.
  virtual NCObject* atKey(const NCObject& key) const;

protected:
  NCDictionary(NCistream& is, DeferRead tag) : NCSet(is, tag) {}
  /// Deletes every record, optionally with its key and value.
  void freeRecords(bool keysAndValues);
  /// Adds fresh records with the keys and values of `other`'s records.
  void copyRecordsOf(const NCDictionary& other);
};

#endif
