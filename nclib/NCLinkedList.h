// nclib/NCLinkedList.h - singly linked list of object pointers.
//
// The list owns its links, not the objects. Iteration positions are links;
// value() turns a link into its object.

#ifndef VELMARIC_NCLIB_NCLINKEDLIST_H
#define VELMARIC_NCLIB_NCLINKEDLIST_H

#include "nclib/NCCollection.h"

class NCLink;

class NCLinkedList : public NCCollection {
  VELMARIC_DECLARE_CLASS(NCLinkedList);

  NCLinkedList() = default;
  /// Appends `other`'s objects from head to tail, keeping their order.
  NCLinkedList(const NCLinkedList& other);
  /// Deletes this list's links, then appends `other`'s objects in order.
  NCLinkedList& operator=(const NCLinkedList& other);
  /// Deletes the links, not the objects.
  ~NCLinkedList() override;

  /// Count, then each object in order as an object reference.
  void write(NCostream& os) const override;
  /// Count difference, else the first non-zero compare of the objects in
  /// order.
  int compare(const NCObject& other) const override;
  /// The count XORed with the objects' hashes.
  std::uint32_t hash() const override;

  /// The object of link `p` (null for null).
  NCObject* value(NCObject* p) const override;
  /// Appends `obj` (not owned) at the tail and returns it.
  NCObject* add(NCObject& obj) override;
  /// Unlinks the first object equal to `obj` and returns it; null when there
  /// is none.
  NCObject* remove(const NCObject& obj) override;
  /// Deletes all links, not the objects.
  void removeAll() override;
  /// Deletes each object and each link.
  void removeAndFreeAll() override;
  unsigned size() const override { return _count; }
  unsigned occurrencesOf(const NCObject& obj) const override;
  /// The head link on the first call, then the following links; null once
  /// the tail has been returned (at once for an empty list).
  NCObject* doNext(NCIterator& it) const override;

  /// Puts `obj` (not owned) at the head and returns it.
  virtual NCObject* addFirst(NCObject& obj);
  /// Inserts `obj` after the first object equal to `existing` and returns
  /// it; null (adding nothing) when there is no such object.
  virtual NCObject* addAfter(NCObject& existing, NCObject& obj);
  /// The object `i` links from the head, or null when out of range.
  virtual NCObject* at(int i) const;
  /// The head object, or null when empty.
  virtual NCObject* first() const;
  /// The tail object, or null when empty.
  virtual NCObject* last() const;
  /// Unlinks the head and returns its object; null when empty.
  virtual NCObject* removeFirst();
  /// Unlinks the tail and returns its object; null when empty.
  virtual NCObject* removeLast();
  /// Unlinks the first link holding `obj` itself and returns it; null when
  /// absent.
  virtual NCObject* removeSame(const NCObject& obj);
  /// The first object equal to `obj`, or null.
  virtual NCObject* find(const NCObject& obj) const;
  /// `obj` itself when the list holds it, or null.
  virtual NCObject* findSame(const NCObject& obj) const;

private:
  /// Unlinks and deletes `link`, whose predecessor is `prev` (null for the
  /// head), and returns its object.
  NCObject* unlink(NCLink* prev, NCLink* link);
  /// Deletes every link, optionally with its object.
  void freeLinks(bool objects);
  void appendAllOf(const NCLinkedList& other);

  NCLink* _first = nullptr;
  NCLink* _last = nullptr;
  unsigned _count = 0;
};

#endif
