// nclib/NCIterator.h - a cursor over any collection of the class library.
//
// The collection decides what a position is: the element itself for array
// and hashed collections, the link for linked lists.

#ifndef VELMARIC_NCLIB_NCITERATOR_H
#define VELMARIC_NCLIB_NCITERATOR_H

class NCCollection;
class NCObject;

class NCIterator {
public:
  /// Starts before the first element of `collection`, which must outlive the
  /// iterator and is not owned.
  explicit NCIterator(const NCCollection& collection)
      : _collection(&collection) {}

  /// The next element in the collection's iteration order, or null at the end.
  NCObject* next();
  /// Starts the walk again from the beginning.
  void reset();

  const NCCollection* collection() const { return _collection; }
  int index() const { return _index; }
  void setIndex(int index) { _index = index; }
  /// The last position returned by the collection's doNext(), or null.
  NCObject* position() const { return _position; }
  void setPosition(NCObject* position) { _position = position; }

private:
  const NCCollection* _collection;
  int _index = 0;
  NCObject* _position = nullptr;
};

#endif
