// nclib/NCBoundedString.h - a string with a fixed maximum length.
//
// Values longer than the bound are truncated silently; the bound is fixed at
// construction.

#ifndef VELMARIC_NCLIB_NCBOUNDEDSTRING_H
#define VELMARIC_NCLIB_NCBOUNDEDSTRING_H

#include "nclib/NCObject.h"

#include <cstdint>

class NCBoundedString : public NCObject {
  VELMARIC_DECLARE_CLASS(NCBoundedString);

public:
  /// The first min(strlen(s), bound) characters of `s`; a null `s` gives
  /// the empty string.
  NCBoundedString(const char* s, unsigned bound);
  /// The empty string with room for `bound` characters.
  explicit NCBoundedString(unsigned bound);
  NCBoundedString(const NCBoundedString& other);
  ~NCBoundedString() override;

  /// Copies `other`'s characters, truncated to this string's bound.
  NCBoundedString& operator=(const NCBoundedString& other);
  /// As above; a null `s` makes the string empty.
  NCBoundedString& operator=(const char* s);
  /// Appends as many characters of `other` as the bound leaves room for.
  NCBoundedString& operator+=(const NCBoundedString& other);
  NCBoundedString& operator+=(const char* s);
  /// A copy with `+=` applied.
  NCBoundedString operator+(const NCBoundedString& other) const;
  NCBoundedString operator+(const char* s) const;

  /// The characters, NUL-terminated; owned by the string, never null.
  const char* chars() const { return _chars; }
  operator const char*() const { return _chars; }
  unsigned length() const { return _length; }
  /// The maximum length.
  unsigned bound() const { return _bound; }

  /// The length, the bound, then the quoted characters.
  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// strHash of the characters.
  std::uint32_t hash() const override;
  /// strcmp of the characters; `other` must be a bounded string.
  int compare(const NCObject& other) const override;

private:
  /// Replaces the characters with the first _bound ones of `s` (not null).
  void assign(const char* s);
  /// Appends what fits of `s` (not null).
  void append(const char* s);

  char* _chars; // owned, _bound + 1 bytes
  unsigned _length;
  unsigned _bound;
};

#endif
