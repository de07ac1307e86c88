// nclib/NCSet.h - open-addressing hashed set of object pointers.
//
// Home slots are Fibonacci hashes of hash(); collisions probe downwards and
// wrap from slot 0 to the top. Removal closes gaps instead of leaving
// markers, and the table grows to four times its slots only when full, so
// iteration (slot order) depends on hashes, insertion order and rebuilds.

#ifndef VELMARIC_NCLIB_NCSET_H
#define VELMARIC_NCLIB_NCSET_H

#include "nclib/NCCollection.h"

class NCSet : public NCCollection {
  VELMARIC_DECLARE_CLASS(NCSet);

  /// An empty set sized for `capacity` elements: 2 x (the smallest power of
  /// two >= capacity) slots, so 16 gives 32.
  explicit NCSet(unsigned capacity = 16);
  /// The same table size and the same element pointers.
  NCSet(const NCSet& other);
  /// Empties this set, then adds each of `other`'s elements in slot order.
  NCSet& operator=(const NCSet& other);
  /// Releases the slot array, not the elements.
  ~NCSet() override;

  /// Table size, count, then each element (slot order) as an object
  /// reference.
  void write(NCostream& os) const override;
  /// Count difference, else slot by slot: the first non-zero compare of the
  /// elements in the same slot. A slot occupied here and empty in `other`
  /// counts as greater, the reverse as less.
  int compare(const NCObject& other) const override;
  /// The count XORed with the hashes of all elements.
  std::uint32_t hash() const override;

  /// Adds `obj` (not owned) and returns it; when an equal element is already
  /// held, returns that one and adds nothing.
  NCObject* add(NCObject& obj) override;
  /// Takes out the element equal to `obj` and returns it, or null.
  NCObject* remove(const NCObject& obj) override;
  void removeAll() override;
  void removeAndFreeAll() override;
  unsigned size() const override { return _count; }
  /// 1 when an equal element is held, else 0.
  unsigned occurrencesOf(const NCObject& obj) const override;
  /// Walks the slots upwards from slot 0; the position is the element.
  NCObject* doNext(NCIterator& it) const override;

  /// The slot holding an element equal to `obj`, or the empty slot where the
  /// probe from `obj`'s home slot stopped.
  virtual unsigned findIndexOf(const NCObject& obj) const;
  /// The held element equal to `obj`, or null.
  virtual NCObject* findObjectWithKey(const NCObject& obj) const;
  /// The number of slots.
  virtual unsigned capacity() const { return _tableSize; }

  /// A new set (owned by the caller) of this set's and `other`'s elements.
  NCSet* unionOf(const NCSet& other) const;
  /// A new set (owned by the caller) of this set's elements held by `other`.
  NCSet* intersectionOf(const NCSet& other) const;
  /// A new set (owned by the caller) of this set's elements not in `other`.
  NCSet* differenceOf(const NCSet& other) const;

protected:
  /// Tag of the stream constructors that leave reading the elements to the
  /// most derived class, whose probing rule is not in force yet while a base
  /// constructor runs.
  struct DeferRead {};
  NCSet(NCistream& is, DeferRead);
  /// Reads table size, count and elements, adding each element.
  void readElements(NCistream& is);

  /// The hash value an element's home slot is computed from.
  using SlotKey = std::uint32_t (*)(const NCObject&);
  /// Identity collections hash the object's address: its low 32 bits.
  static std::uint32_t addressKey(const NCObject& obj);

  /// Sizes the table for `n` elements and zeroes the count; the caller
  /// provides the new slot array.
  void setCapacity(unsigned n);
  unsigned homeSlot(std::uint32_t k) const;
  /// Probes from the home slot of `k` downwards for the first empty slot or
  /// the first slot whose element satisfies `matches`.
  template <typename Matches>
  unsigned probe(std::uint32_t k, Matches matches) const {
    unsigned slot = homeSlot(k);
    while (_slots[slot] && !matches(*_slots[slot]))
      slot = (slot - 1) & _mask;
    return slot;
  }
  /// Empties slot `i`, moves back the elements of the probe run below it
  /// whose home slots (from `key`) allow it, and returns the removed element
  /// (null when the slot was empty).
  NCObject* removeFromSlot(unsigned i, SlotKey key);
  NCObject* slotAt(unsigned i) const { return _slots[i]; }
  /// Clears every slot and the count.
  void clearSlots();
  /// Adds each of `other`'s elements in slot order.
  void addAllOf(const NCSet& other);

private:
  unsigned _tableSize = 0;
  unsigned _count = 0;
  unsigned _indexBits = 0;
  unsigned _mask = 0;
  NCObject** _slots = nullptr;
};

#endif
