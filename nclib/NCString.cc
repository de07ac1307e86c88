// nclib/NCString.cc - the string class: buffer handling, hashing, streaming.

#include "nclib/NCString.h"

#include "nclib/NCTypeDict.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

#include <cstddef>
#include <cstring>

// class_info and readFrom are defined with NCObject's, which registers the
// two in that order.

namespace {

char* emptyBuffer() {
  char* buffer = new char[1];
  buffer[0] = '\0';
  return buffer;
}

} // namespace

NCString::NCString() : _chars(emptyBuffer()), _length(0) {}

NCString::NCString(const char* s) {
  if (!s) {
    _chars = emptyBuffer();
    _length = 0;
    return;
  }
  _length = static_cast<unsigned>(std::strlen(s));
  _chars = new char[_length + 1];
  std::memcpy(_chars, s, _length + 1);
}

NCString::NCString(const NCString& other)
    : NCObject(other), _chars(new char[other._length + 1]),
      _length(other._length) {
  std::memcpy(_chars, other._chars, _length + 1);
}

NCString::NCString(NCistream& is) : NCObject(is), _chars(nullptr), _length(0) {
  is >> _length;
  // Sized in std::size_t so that a corrupt length cannot wrap to zero bytes.
  _chars = new char[std::size_t{_length} + 1];
  _chars[0] = '\0';
  is.getCString(_chars, _length + 1);
}

NCString::~NCString() {
  delete[] _chars;
}

NCString& NCString::operator=(const NCString& other) {
  if (_chars == other._chars)
    return *this;
  // The buffer is only known to hold _length + 1 bytes, so a longer value
  // needs a new one; a shorter one reuses it.
  if (other._length > _length) {
    delete[] _chars;
    _chars = new char[other._length + 1];
  }
  std::memcpy(_chars, other._chars, other._length + 1);
  _length = other._length;
  return *this;
}

NCString& NCString::operator=(const char* s) {
  if (!s) {
    delete[] _chars;
    _chars = emptyBuffer();
    _length = 0;
    return *this;
  }
  auto length = static_cast<unsigned>(std::strlen(s));
  if (length > _length) {
    delete[] _chars;
    _chars = new char[length + 1];
  }
  // `s` may point into this string's own buffer.
  std::memmove(_chars, s, length + 1);
  _length = length;
  return *this;
}

NCString& NCString::operator+=(const NCString& other) {
  if (other._length == 0)
    return *this;
  return *this += other._chars;
}

NCString& NCString::operator+=(const char* s) {
  if (!s)
    return *this;
  auto added = static_cast<unsigned>(std::strlen(s));
  char* joined = new char[_length + added + 1];
  std::memcpy(joined, _chars, _length);
  std::memcpy(joined + _length, s, added + 1);
  delete[] _chars;
  _chars = joined;
  _length += added;
  return *this;
}

NCString NCString::operator+(const NCString& other) const {
  NCString result(*this);
  result += other;
  return result;
}

NCString NCString::operator+(const char* s) const {
  NCString result(*this);
  result += s;
  return result;
}

void NCString::write(NCostream& os) const {
  os << _length;
  os.putCString(_chars);
}

void NCString::prettyPrint(NCostream& os) const {
  os << "\nClassName: NCString\n"
     << "len: " << _length << "str: " << _chars << "\n";
}

std::uint32_t NCString::hash() const {
  return strHash(_chars);
}

int NCString::compare(const NCObject& other) const {
  return std::strcmp(_chars, static_cast<const NCString&>(other)._chars);
}
