// nclib/NCistream.cc - the object input stream.

#include "nclib/NCistream.h"

#include "nclib/NCMessages.h"
#include "nclib/NCObject.h"
#include "nclib/NCStreamTables.h"

#include <cstddef>
#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr unsigned inTableCapacity = 256;
// Room for a class name, terminator included.
constexpr unsigned classNameSize = 256;

// Writes the pieces of a message to std::cerr and flushes it.
template <std::size_t N> void report(const char* const (&text)[N]) {
  for (const char* piece : text)
    std::cerr << piece;
  std::cerr.flush();
}

void report(const char* text) {
  std::cerr << text << std::flush;
}

int hexDigitValue(int c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

template <typename T>
NCistream& extractNumber(NCistream& nis, std::istream& is, T& v) {
  is >> v;
  is.get(); // the separator
  return nis;
}

template <typename T>
NCistream& extractValues(NCistream& nis, std::istream& is, T* p,
                         unsigned int n) {
  for (unsigned int i = 0; i < n; ++i)
    is >> p[i];
  is.get();
  return nis;
}

} // namespace

NCistream::NCistream(std::istream& is)
    : _is(&is), _tbl(new NCInTbl(inTableCapacity)) {}

NCistream::~NCistream() {
  delete _tbl;
}

bool NCistream::fail() const {
  return _is->fail();
}

NCTransObject* NCistream::readObject(const NCTypeInfo* info) {
  if (!info || !info->reader())
    return nullptr;
  return info->reader()(*this);
}

void NCistream::clearInClassTbl() {
  _tbl->classes.clear();
}

void NCistream::clearInObjTbl() {
  _tbl->objectSet.clear();
  _tbl->objects.clear();
}

NCTransObject* NCistream::readTransObj() {
  // After a reported error the rest of the input cannot be trusted; the
  // failed stream makes every further reference read as null, silently.
  if (_is->fail())
    return nullptr;
  char token = 0;
  *this >> token;
  if (_is->fail()) {
    report(nclibmsg::badToken);
    return nullptr;
  }
  const NCTypeInfo* info = nullptr;
  switch (token) {
  case ':': {
    char name[classNameSize];
    getCString(name, classNameSize);
    if (_is->fail())
      return nullptr;
    if (std::strcmp(name, "::") == 0)
      return nullptr;
    info = NCTypeInfo::typeInfo(name);
    if (!info) {
      std::cerr << nclibmsg::unknownClassName[0]
                << nclibmsg::unknownClassName[1] << name
                << nclibmsg::unknownClassName[2]
                << nclibmsg::unknownClassName[3];
      std::cerr.flush();
      _is->setstate(std::ios::failbit);
      return nullptr;
    }
    _tbl->classes.add(info);
    break;
  }
  case '#': {
    int number = -1;
    *this >> number;
    if (_is->fail()) {
      report(nclibmsg::badToken);
      return nullptr;
    }
    info = _tbl->classes.at(number);
    if (!info) {
      std::cerr << nclibmsg::unknownClassNumber[0]
                << nclibmsg::unknownClassNumber[1] << number
                << nclibmsg::unknownClassNumber[2];
      std::cerr.flush();
      _is->setstate(std::ios::failbit);
      return nullptr;
    }
    break;
  }
  case '@': {
    int number = -1;
    *this >> number;
    if (_is->fail()) {
      report(nclibmsg::badToken);
      return nullptr;
    }
    // A number never given under this top-level reference reads as null.
    return _tbl->objects.at(number);
  }
  default:
    report(nclibmsg::badToken);
    _is->setstate(std::ios::failbit);
    return nullptr;
  }
  ++_tbl->objectLevel;
  NCTransObject* obj = readObject(info);
  if (--_tbl->objectLevel == 0)
    clearInObjTbl();
  return obj;
}

int NCistream::addToTbl(NCTransObject& obj) {
  if (_tbl->objectSet.includes(&obj))
    return -1;
  _tbl->objectSet.add(&obj);
  return _tbl->objects.add(&obj);
}

const char* NCistream::className() const {
  return "NCistream";
}

bool NCistream::isKindOf(const char* name) const {
  return name && std::strcmp(name, className()) == 0;
}

NCistream& NCistream::operator>>(char*& s) {
  if (_is == &std::cin) {
    std::string word;
    *_is >> word;
    delete[] s;
    s = new char[word.size() + 1];
    std::memcpy(s, word.c_str(), word.size() + 1);
    return *this;
  }
  unsigned int n = 0;
  *_is >> n;
  delete[] s;
  // Sized in std::size_t so that a corrupt length cannot wrap to zero bytes.
  s = new char[std::size_t{n} + 1];
  s[0] = '\0';
  if (n > 0)
    getCString(s, n + 1);
  else
    _is->get(); // the blank after the length
  return *this;
}

NCistream& NCistream::operator>>(char& c) {
  *_is >> c;
  _is->get();
  return *this;
}

NCistream& NCistream::operator>>(unsigned char& c) {
  int v = 0;
  *_is >> v;
  c = static_cast<unsigned char>(v);
  _is->get();
  return *this;
}

NCistream& NCistream::operator>>(short& v) {
  return extractNumber(*this, *_is, v);
}

NCistream& NCistream::operator>>(unsigned short& v) {
  return extractNumber(*this, *_is, v);
}

NCistream& NCistream::operator>>(int& v) {
  return extractNumber(*this, *_is, v);
}

NCistream& NCistream::operator>>(unsigned int& v) {
  return extractNumber(*this, *_is, v);
}

NCistream& NCistream::operator>>(long& v) {
  return extractNumber(*this, *_is, v);
}

NCistream& NCistream::operator>>(unsigned long& v) {
  return extractNumber(*this, *_is, v);
}

NCistream& NCistream::operator>>(float& v) {
  return extractNumber(*this, *_is, v);
}

NCistream& NCistream::operator>>(double& v) {
  return extractNumber(*this, *_is, v);
}

NCistream& NCistream::operator>>(long long& v) {
  return extractNumber(*this, *_is, v);
}

NCistream& NCistream::operator>>(unsigned long long& v) {
  return extractNumber(*this, *_is, v);
}

NCistream& NCistream::operator>>(long double& v) {
  return extractNumber(*this, *_is, v);
}

int NCistream::get() {
  return _is->get();
}

NCistream& NCistream::get(char& c) {
  _is->get(c);
  return *this;
}

NCistream& NCistream::get(unsigned char& c) {
  int v = _is->get();
  if (v != std::char_traits<char>::eof())
    c = static_cast<unsigned char>(v);
  return *this;
}

NCistream& NCistream::get(char* p, unsigned int n) {
  _is->read(p, n);
  return *this;
}

NCistream& NCistream::get(unsigned char* p, unsigned int n) {
  _is->read(reinterpret_cast<char*>(p), n);
  return *this;
}

NCistream& NCistream::get(short* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}

NCistream& NCistream::get(unsigned short* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}

NCistream& NCistream::get(int* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}

NCistream& NCistream::get(unsigned int* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}

NCistream& NCistream::get(long* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}

NCistream& NCistream::get(unsigned long* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}

NCistream& NCistream::get(float* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}

NCistream& NCistream::get(double* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}

NCistream& NCistream::getCString(char* buf, unsigned int size) {
  constexpr int eof = std::char_traits<char>::eof();
  if (size > 0)
    buf[0] = '\0';
  if (_is->peek() != '"') {
    report(nclibmsg::noQuote);
    _is->setstate(std::ios::failbit);
    return *this;
  }
  _is->get();
  // `room` counts the bytes left in buf, the terminator's included.
  unsigned int room = size;
  unsigned int pos = 0;
  auto stop = [&](const char* text) -> NCistream& {
    if (size > 0)
      buf[pos < size ? pos : size - 1] = '\0';
    report(text);
    _is->setstate(std::ios::failbit);
    return *this;
  };
  for (;;) {
    int c = _is->get();
    if (c == eof)
      return stop(nclibmsg::unexpectedEof);
    if (c == '"')
      break;
    // Line breaks in the text are layout; real newlines arrive escaped.
    if (c == '\n')
      continue;
    if (c == '\\') {
      c = _is->get();
      switch (c) {
      case eof:
        return stop(nclibmsg::unexpectedEof);
      case 'n':
        c = '\n';
        break;
      case 't':
        c = '\t';
        break;
      case 'b':
        c = '\b';
        break;
      case 'r':
        c = '\r';
        break;
      case 'f':
        c = '\f';
        break;
      case '[':
        c = '{';
        break;
      case ']':
        c = '}';
        break;
      case 'x': {
        // Up to two hex digits, as "%2x" reads them.
        int value = 0;
        for (int digits = 0; digits < 2; ++digits) {
          int d = hexDigitValue(_is->peek());
          if (d < 0)
            break;
          _is->get();
          value = value * 16 + d;
        }
        c = value;
        break;
      }
      default:
        // A backslash, a double quote or any other character stands for
        // itself.
        break;
      }
    }
    if (room == 0)
      return stop(nclibmsg::stringOverflow);
    buf[pos++] = static_cast<char>(c);
    --room;
  }
  if (room == 0)
    return stop(nclibmsg::noTerminatorRoom);
  buf[pos] = '\0';
  _is->get(); // the newline after the closing quote
  return *this;
}

NCistream& NCistream::get(long long* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}

NCistream& NCistream::get(long double* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}

NCistream& NCistream::get(unsigned long long* p, unsigned int n) {
  return extractValues(*this, *_is, p, n);
}
