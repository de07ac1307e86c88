// nclib/NCObject.h - the two root classes of the class library.
//
// NCTransObject can be written to an object stream and re-created from one;
// NCObject can also be hashed and compared, so it can live in collections.
// The class-description macros every library and tree class uses live here.

#ifndef VELMARIC_NCLIB_NCOBJECT_H
#define VELMARIC_NCLIB_NCOBJECT_H

#include "nclib/NCTypeInfo.h"

#include <cstdint>
#include <iosfwd>

class NCostream;
class NCistream;

class NCTransObject {
public:
  /// Writes the persistent fields to an object stream.
  virtual void write(NCostream& os) const = 0;
  /// The class's description (its static class_info).
  virtual const NCTypeInfo* classInfo() const = 0;
  /// The readable dump on cout, the stream form on any other stream.
  virtual void printOn(std::ostream& os) const;
  /// Readable dump; by default the stream form.
  virtual void prettyPrint(NCostream& os) const;
  /// Reads from a standard stream; by default nothing.
  virtual void readFromStream(std::istream& is);
  virtual ~NCTransObject() = default;

protected:
  NCTransObject() = default;
  NCTransObject(const NCTransObject&) = default;
  NCTransObject& operator=(const NCTransObject&) = default;
};

std::ostream& operator<<(std::ostream& os, const NCTransObject& obj);
std::istream& operator>>(std::istream& is, NCTransObject& obj);

class NCObject : public NCTransObject {
public:
  NCObject() = default;
  /// Enters the object being built in the stream's object table before any
  /// field is read, so later back-references resolve to it.
  explicit NCObject(NCistream& is);

  virtual std::uint32_t hash() const = 0;
  /// Negative, zero or positive; callers pass an object of the same class.
  virtual int compare(const NCObject& other) const = 0;
  /// Same class description and compare() == 0.
  virtual bool isEqual(const NCObject& other) const;
  /// Address identity.
  virtual bool isSame(const NCObject& other) const;
  virtual bool operator==(const NCObject& other) const;
  virtual bool operator!=(const NCObject& other) const;

  static NCTypeInfo class_info;
  static const NCTypeInfo* desc() { return &class_info; }
};

/// Declares the class-description members of a concrete class: class_info,
/// desc(), classInfo(), readFrom() and the stream constructor.
#define VELMARIC_DECLARE_CLASS(Cls)                                            \
public:                                                                        \
  static NCTypeInfo class_info;                                                \
  static const NCTypeInfo* desc() {                                            \
    return &class_info;                                                        \
  }                                                                            \
  const NCTypeInfo* classInfo() const override {                               \
    return &class_info;                                                        \
  }                                                                            \
  static NCTransObject* readFrom(NCistream& is);                               \
  explicit Cls(NCistream& is)

/// Declares the class-description members of a class without a reader.
#define VELMARIC_DECLARE_ABSTRACT_CLASS(Cls)                                   \
public:                                                                        \
  static NCTypeInfo class_info;                                                \
  static const NCTypeInfo* desc() {                                            \
    return &class_info;                                                        \
  }                                                                            \
  const NCTypeInfo* classInfo() const override {                               \
    return &class_info;                                                        \
  }

/// Static-initialisation priorities. The library core registers first and the
/// collection and value module second, so that every library base description
/// is complete before a class naming it registers and the DEBUG_STATIC trace
/// shows its name (a base not constructed yet shows as "(null)"). The
/// compiler's root classes, which every tree node names as its base, come
/// third; all other classes register after them.
#define VELMARIC_INIT_CORE __attribute__((init_priority(101)))
#define VELMARIC_INIT_LIBRARY __attribute__((init_priority(102)))
#define VELMARIC_INIT_TREE_ROOTS __attribute__((init_priority(103)))

/// Defines and registers class_info and readFrom() of a concrete class,
/// initialised with the priority attribute `Init` (may be empty); the
/// remaining arguments are the descriptions of its direct bases.
#define VELMARIC_DEFINE_CLASS_INIT(Cls, Init, ...)                             \
  NCTypeInfo Cls::class_info Init(#Cls, &Cls::readFrom, __VA_ARGS__,           \
                                  static_cast<const NCTypeInfo*>(nullptr));    \
  NCTransObject* Cls::readFrom(NCistream& is) {                                \
    return new Cls(is);                                                        \
  }

/// Defines and registers class_info of a class without a reader.
#define VELMARIC_DEFINE_ABSTRACT_CLASS_INIT(Cls, Init, ...)                    \
  NCTypeInfo Cls::class_info Init(#Cls, nullptr, __VA_ARGS__,                  \
                                  static_cast<const NCTypeInfo*>(nullptr));

/// Defines and registers class_info and readFrom() of a concrete class; the
/// remaining arguments are the descriptions of its direct bases.
#define VELMARIC_DEFINE_CLASS(Cls, ...)                                        \
  VELMARIC_DEFINE_CLASS_INIT(Cls, , __VA_ARGS__)

/// Defines and registers class_info of a class without a reader.
#define VELMARIC_DEFINE_ABSTRACT_CLASS(Cls, ...)                               \
  VELMARIC_DEFINE_ABSTRACT_CLASS_INIT(Cls, , __VA_ARGS__)

#endif
