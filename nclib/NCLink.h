// nclib/NCLink.h - one link of a singly linked list.

#ifndef VELMARIC_NCLIB_NCLINK_H
#define VELMARIC_NCLIB_NCLINK_H

#include "nclib/NCObject.h"

class NCLink : public NCObject {
  VELMARIC_DECLARE_CLASS(NCLink);

  /// A link to `object` (not owned) followed by `next` (may be null).
  explicit NCLink(NCObject* object, NCLink* next = nullptr)
      : _next(next), _object(object) {}
  NCLink(const NCLink&) = delete;
  NCLink& operator=(const NCLink&) = delete;
  /// Leaves the object and the next link alone.
  ~NCLink() override = default;

  /// The object as an object reference.
  void write(NCostream& os) const override;
  /// The object's dump.
  void prettyPrint(NCostream& os) const override;
  /// The object's hash (0 without an object).
  std::uint32_t hash() const override;
  /// The object compared with `other`'s object; `other` must be a link.
  int compare(const NCObject& other) const override;

  /// The following link, or null at the tail.
  NCLink* next() const { return _next; }
  void setNext(NCLink* next) { _next = next; }
  /// The linked object (not owned); null only for a link read as null.
  NCObject* object() const { return _object; }

private:
  NCLink* _next;
  NCObject* _object;
};

#endif
