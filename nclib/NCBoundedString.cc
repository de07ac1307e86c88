// nclib/NCBoundedString.cc - strings with a fixed maximum length.

#include "nclib/NCBoundedString.h"

#include "nclib/NCTypeDict.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

// class_info and readFrom are defined with the collection classes, whose
// registration order includes this class.

NCBoundedString::NCBoundedString(const char* s, unsigned bound)
    : _chars(new char[std::size_t{bound} + 1]), _length(0), _bound(bound) {
  assign(s ? s : "");
}

NCBoundedString::NCBoundedString(unsigned bound)
    : NCBoundedString(nullptr, bound) {}

NCBoundedString::NCBoundedString(const NCBoundedString& other)
    : NCObject(other), _chars(new char[std::size_t{other._bound} + 1]),
      _length(other._length), _bound(other._bound) {
  std::memcpy(_chars, other._chars, _length + 1);
}

NCBoundedString::NCBoundedString(NCistream& is)
    : NCObject(is), _chars(nullptr), _length(0), _bound(0) {
  is >> _length >> _bound;
  _chars = new char[std::size_t{_bound} + 1];
  _chars[0] = '\0';
  // A corrupt length beyond the bound must not read past the buffer.
  _length = std::min(_length, _bound);
  is.getCString(_chars, _length + 1);
}

NCBoundedString::~NCBoundedString() {
  delete[] _chars;
}

void NCBoundedString::assign(const char* s) {
  _length =
      static_cast<unsigned>(std::min<std::size_t>(std::strlen(s), _bound));
  // `s` may point into this string's own buffer.
  std::memmove(_chars, s, _length);
  _chars[_length] = '\0';
}

void NCBoundedString::append(const char* s) {
  if (_length == _bound)
    return;
  std::size_t added = std::min<std::size_t>(std::strlen(s), _bound - _length);
  std::memmove(_chars + _length, s, added);
  _length += static_cast<unsigned>(added);
  _chars[_length] = '\0';
}

NCBoundedString& NCBoundedString::operator=(const NCBoundedString& other) {
  if (this != &other)
    assign(other._chars);
  return *this;
}

NCBoundedString& NCBoundedString::operator=(const char* s) {
  assign(s ? s : "");
  return *this;
}

NCBoundedString& NCBoundedString::operator+=(const NCBoundedString& other) {
  append(other._chars);
  return *this;
}

NCBoundedString& NCBoundedString::operator+=(const char* s) {
  if (s)
    append(s);
  return *this;
}

NCBoundedString NCBoundedString::operator+(const NCBoundedString& other) const {
  NCBoundedString result(*this);
  result += other;
  return result;
}

NCBoundedString NCBoundedString::operator+(const char* s) const {
  NCBoundedString result(*this);
  result += s;
  return result;
}

void NCBoundedString::write(NCostream& os) const {
  os << _length << _bound;
  os.putCString(_chars);
}

void NCBoundedString::prettyPrint(NCostream& os) const {
  os << "\nClassName: NCBoundedString\n"
     << "len: " << _length << ", max_len: " << _bound << ", str: " << _chars
     << "\n";
}

std::uint32_t NCBoundedString::hash() const {
  return strHash(_chars);
}

int NCBoundedString::compare(const NCObject& other) const {
  return std::strcmp(_chars, static_cast<const NCBoundedString&>(other)._chars);
}
