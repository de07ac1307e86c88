// nclib/NCString.h - the string class of the compiler.
//
// Identifiers, scoped names and file names are NCStrings; as an NCObject a
// string hashes with strHash and serves as the key of every symbol table.

#ifndef VELMARIC_NCLIB_NCSTRING_H
#define VELMARIC_NCLIB_NCSTRING_H

#include "nclib/NCObject.h"

#include <cstdint>

class NCString : public NCObject {
  VELMARIC_DECLARE_CLASS(NCString);

public:
  /// The empty string.
  NCString();
  /// A copy of `s`; a null `s` gives the empty string.
  NCString(const char* s);
  NCString(const NCString& other);
  ~NCString() override;

  /// Copies `other`'s characters; the buffer is kept when it is long enough
  /// for them by this string's length.
  NCString& operator=(const NCString& other);
  /// As above; a null `s` makes the string empty.
  NCString& operator=(const char* s);
  /// Appends `other`; appending an empty string changes nothing.
  NCString& operator+=(const NCString& other);
  /// Appends `s`; a null `s` changes nothing.
  NCString& operator+=(const char* s);
  /// A new string: this one with `other` appended.
  NCString operator+(const NCString& other) const;
  NCString operator+(const char* s) const;

  /// The characters, NUL-terminated; owned by the string, never null.
  const char* chars() const { return _chars; }
  operator const char*() const { return _chars; }
  /// The number of characters before the terminator.
  unsigned length() const { return _length; }

  /// The length, then the quoted characters.
  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  /// strHash of the characters.
  std::uint32_t hash() const override;
  /// strcmp of the characters; `other` must be a string.
  int compare(const NCObject& other) const override;

private:
  char* _chars; // owned; may be longer than _length + 1
  unsigned _length;
};

#endif
