// nclib/NCTypeInfo.h - run-time class description of library and tree classes.
//
// Every concrete class owns one static NCTypeInfo that registers itself by
// name in the process-wide NCTypeDict while static initialisation runs.

#ifndef VELMARIC_NCLIB_NCTYPEINFO_H
#define VELMARIC_NCLIB_NCTYPEINFO_H

class NCTransObject;
class NCistream;

class NCTypeInfo {
public:
  /// Re-creates an object of the described class from an object stream.
  using Reader = NCTransObject* (*)(NCistream&);

  /// Describes class `name` (the pointer is kept, not copied) with `reader`
  /// (null for abstract classes), followed by the direct bases as
  /// `const NCTypeInfo*` arguments ending with a null pointer. Registers the
  /// description; with DEBUG_STATIC set in the environment it traces that.
  NCTypeInfo(const char* name, Reader reader, ...);
  NCTypeInfo(const NCTypeInfo&) = delete;
  NCTypeInfo& operator=(const NCTypeInfo&) = delete;
  virtual ~NCTypeInfo();

  const char* name() const { return _name; }
  Reader reader() const { return _reader; }
  short baseCount() const { return _baseCount; }
  /// The i-th direct base, in declaration order.
  const NCTypeInfo* base(int i) const { return _bases[i]; }

  /// True when `info` is a direct or indirect base (depth-first, by address).
  /// A class is not its own base.
  bool hasBase(const NCTypeInfo& info) const;

  /// The registered description of `name`, or null.
  static const NCTypeInfo* typeInfo(const char* name);
  /// The reader registered for `name`, or null.
  static Reader readFunc(const char* name);

private:
  const char* _name;
  Reader _reader;
  short _baseCount;
  const NCTypeInfo** _bases; // exactly _baseCount entries; null without bases
};

#endif
