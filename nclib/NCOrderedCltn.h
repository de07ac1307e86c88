// nclib/NCOrderedCltn.h - array-backed list of object pointers.
//
// Elements keep their insertion positions; the array doubles when full.

#ifndef VELMARIC_NCLIB_NCORDEREDCLTN_H
#define VELMARIC_NCLIB_NCORDEREDCLTN_H

#include "nclib/NCCollection.h"

class NCOrderedCltn : public NCCollection {
  VELMARIC_DECLARE_CLASS(NCOrderedCltn);

  /// An empty collection with room for `capacity` elements. A collection
  /// created with capacity 0 gets one slot on its first add.
  explicit NCOrderedCltn(unsigned capacity = 16);
  /// Same capacity and the same element pointers in the same order.
  NCOrderedCltn(const NCOrderedCltn& other);
  /// Empties this collection, then adds each of `other`'s elements in order.
  NCOrderedCltn& operator=(const NCOrderedCltn& other);
  /// Releases the array, not the elements.
  ~NCOrderedCltn() override;

  /// Capacity, size, then each element as an object reference.
  void write(NCostream& os) const override;
  /// Size difference, else the first non-zero element-wise compare.
  int compare(const NCObject& other) const override;
  /// The size XORed with the hashes of all elements.
  std::uint32_t hash() const override;

  /// Appends `obj` (not owned) and returns it.
  NCObject* add(NCObject& obj) override;
  /// Takes out the first element equal to `obj`; null when there is none.
  NCObject* remove(const NCObject& obj) override;
  void removeAll() override;
  void removeAndFreeAll() override;
  unsigned size() const override { return _size; }
  unsigned occurrencesOf(const NCObject& obj) const override;
  /// Walks positions 0 .. size - 1; the position is the element.
  NCObject* doNext(NCIterator& it) const override;

  /// Inserts `obj` at the front and returns it.
  virtual NCObject* addFirst(NCObject& obj);
  /// Inserts `obj` right after the first element equal to `existing`.
  /// Returns `obj`, or null (adding nothing) when there is no such element.
  virtual NCObject* addAfter(const NCObject& existing, NCObject& obj);
  /// Inserts `obj` right before the first element equal to `existing`.
  /// Returns `obj`, or null (adding nothing) when there is no such element.
  virtual NCObject* addBefore(const NCObject& existing, NCObject& obj);
  /// The element at `i`, or null when `i` is out of range.
  virtual NCObject* at(int i) const;
  /// The first element, or null when empty.
  virtual NCObject* first() const;
  /// The last element, or null when empty.
  virtual NCObject* last() const;
  /// Takes out the first element that is `obj` itself; null when absent.
  virtual NCObject* removeSame(const NCObject& obj);
  /// Takes out the element at `i`; null when `i` is out of range.
  virtual NCObject* removeAt(int i);
  virtual NCObject* removeFirst();
  virtual NCObject* removeLast();
  /// The number of allocated slots.
  virtual unsigned capacity() const { return _capacity; }
  /// The first index whose element is equal to `obj`, or -1.
  virtual int indexOf(const NCObject& obj) const;

protected:
  /// Stores `obj` at `i` (0 <= i <= size), shifting the later elements up and
  /// doubling the array when it is full. Returns `obj`.
  NCObject* addAtIndex(unsigned i, NCObject& obj);
  /// Takes out the element at `i` (i < size) and closes the gap.
  NCObject* removeAtIndex(unsigned i);
  NCObject* contentsAt(unsigned i) const { return _contents[i]; }

private:
  unsigned _capacity;
  unsigned _size = 0;
  NCObject** _contents;
};

#endif
