// nclib/NCResource.h - reference-counted base of the resource class library.

#ifndef VELMARIC_NCLIB_NCRESOURCE_H
#define VELMARIC_NCLIB_NCRESOURCE_H

class NCResource {
public:
  NCResource() = default;
  virtual ~NCResource() = default;

  /// Increments the count of a non-null object.
  static void ref(NCResource* r);
  /// Decrements a non-zero count of a non-null object and deletes it when the
  /// count is, or becomes, zero.
  static void unref(NCResource* r);
  void unref();

  unsigned refCount() const { return _refCount; }

private:
  unsigned _refCount = 0;
};

#endif
