// nclib/NCCollection.h - abstract base of the collection classes.
//
// Collections hold NCObject pointers. They own their own storage but never
// their elements, which they free only through removeAndFreeAll().

#ifndef VELMARIC_NCLIB_NCCOLLECTION_H
#define VELMARIC_NCLIB_NCCOLLECTION_H

#include "nclib/NCIterator.h"
#include "nclib/NCObject.h"

class NCCollection : public NCObject {
  VELMARIC_DECLARE_ABSTRACT_CLASS(NCCollection);

  NCCollection() = default;

  /// The element at iterator position `p` (null for null). Positions are the
  /// elements themselves unless a collection says otherwise.
  virtual NCObject* value(NCObject* p) const;
  /// Adds `obj` (not owned). Returns the element now held for it, or null when
  /// the collection refuses it.
  virtual NCObject* add(NCObject& obj) = 0;
  /// Takes out an element equal to `obj` and returns it (the caller decides
  /// its fate), or null when there is none.
  virtual NCObject* remove(const NCObject& obj) = 0;
  /// Empties the collection; the elements are left alone.
  virtual void removeAll() = 0;
  /// Deletes every element, then empties the collection.
  virtual void removeAndFreeAll() = 0;
  virtual unsigned size() const = 0;
  /// How many elements are equal to `obj`.
  virtual unsigned occurrencesOf(const NCObject& obj) const = 0;
  /// Advances `it` and returns the next position, or null at the end.
  virtual NCObject* doNext(NCIterator& it) const = 0;
  virtual bool isEmpty() const;
  /// Moves `it` back before the first element.
  virtual void doReset(NCIterator& it) const;

  /// "Collection size: ", the size, then each element's dump and a newline.
  void prettyPrint(NCostream& os) const override;

protected:
  /// Registers the collection in the stream's object table; the derived
  /// class reads its own fields.
  explicit NCCollection(NCistream& is) : NCObject(is) {}
  NCCollection(const NCCollection&) = default;
  NCCollection& operator=(const NCCollection&) = default;
};

#endif
