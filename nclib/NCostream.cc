// nclib/NCostream.cc - the object output stream.

#include "nclib/NCostream.h"

#include "nclib/NCObject.h"
#include "nclib/NCStreamTables.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

constexpr unsigned outTableCapacity = 256;

// Text pieces are shown as they are only on the two console streams; on any
// other stream they must read back, so they get a length and quotes.
bool isConsoleText(const std::ostream* os) {
  return os == &std::cout || os == &std::cerr;
}

template <typename T>
NCostream& putValues(NCostream& os, const T* p, unsigned int n) {
  for (unsigned int i = 0; i < n; ++i)
    os << p[i];
  return os;
}

} // namespace

NCostream::NCostream(std::ostream& os)
    : _os(&os), _tbl(new NCOutTbl(outTableCapacity)) {}

NCostream::~NCostream() {
  delete _tbl;
}

bool NCostream::isConsole() const {
  return _os == &std::cout;
}

void NCostream::storeObject(const NCTransObject& obj) {
  if (isConsole())
    obj.prettyPrint(*this);
  else
    obj.write(*this);
}

void NCostream::clearOutClassTbl() {
  _tbl->classes.clear();
}

void NCostream::clearOutObjTbl() {
  _tbl->objects.clear();
}

const char* NCostream::className() const {
  return "NCostream";
}

bool NCostream::isKindOf(const char* name) const {
  return name && std::strcmp(name, className()) == 0;
}

NCostream& NCostream::writeTransObj(const NCTransObject* p) {
  if (!p) {
    *this << ':';
    return putCString("::");
  }
  ++_tbl->objectLevel;
  int number = _tbl->objects.find(p);
  if (number < 0) {
    _tbl->objects.add(p);
    const NCTypeInfo* info = p->classInfo();
    int classNumber = _tbl->classes.find(info);
    if (classNumber < 0) {
      _tbl->classes.add(info);
      *this << ':';
      putCString(info->name());
    } else {
      *this << '#' << classNumber;
    }
    storeObject(*p);
  } else {
    *this << '@' << number;
  }
  // Numbers and back-references reach no further than one top-level
  // reference; class numbers last as long as the stream.
  if (--_tbl->objectLevel == 0)
    _tbl->objects.clear();
  return *this;
}

NCostream& NCostream::operator<<(const char* s) {
  if (isConsoleText(_os)) {
    if (s)
      *_os << s;
    *_os << ' ';
    return *this;
  }
  std::size_t length = s ? std::strlen(s) : 0;
  *_os << length;
  if (length > 0)
    return putCString(s);
  *_os << ' ';
  return *this;
}

NCostream& NCostream::operator<<(char c) {
  *_os << c << ' ';
  return *this;
}

NCostream& NCostream::operator<<(unsigned char c) {
  *_os << static_cast<unsigned>(c) << ' ';
  return *this;
}

NCostream& NCostream::operator<<(short v) {
  *_os << v << ' ';
  return *this;
}

NCostream& NCostream::operator<<(unsigned short v) {
  *_os << v << ' ';
  return *this;
}

NCostream& NCostream::operator<<(int v) {
  *_os << v << ' ';
  return *this;
}

NCostream& NCostream::operator<<(unsigned int v) {
  *_os << v << ' ';
  return *this;
}

NCostream& NCostream::operator<<(long v) {
  *_os << v << ' ';
  return *this;
}

NCostream& NCostream::operator<<(unsigned long v) {
  *_os << v << ' ';
  return *this;
}

NCostream& NCostream::operator<<(float v) {
  *_os << static_cast<double>(v) << ' ';
  return *this;
}

NCostream& NCostream::operator<<(double v) {
  *_os << v << ' ';
  return *this;
}

NCostream& NCostream::operator<<(const NCTransObject* p) {
  return writeTransObj(p);
}

NCostream& NCostream::operator<<(const NCTransObject& obj) {
  // Numbered like a referenced object, so references to it from inside its
  // own fields come out as back-references.
  if (_tbl->objects.find(&obj) < 0)
    _tbl->objects.add(&obj);
  storeObject(obj);
  return *this;
}

NCostream& NCostream::operator<<(long long v) {
  *_os << v << ' ';
  return *this;
}

NCostream& NCostream::operator<<(unsigned long long v) {
  *_os << v << ' ';
  return *this;
}

NCostream& NCostream::operator<<(long double v) {
  *_os << v << ' ';
  return *this;
}

NCostream& NCostream::put(char c) {
  _os->put(c);
  return *this;
}

NCostream& NCostream::put(const char* p, unsigned int n) {
  _os->write(p, n);
  return *this;
}

NCostream& NCostream::put(const unsigned char* p, unsigned int n) {
  _os->write(reinterpret_cast<const char*>(p), n);
  return *this;
}

NCostream& NCostream::put(const short* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& NCostream::put(const unsigned short* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& NCostream::put(const int* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& NCostream::put(const unsigned int* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& NCostream::put(const long* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& NCostream::put(const unsigned long* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& NCostream::put(const float* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& NCostream::put(const double* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& NCostream::putCString(const char* s) {
  std::ostream& os = *_os;
  os << '"';
  for (const char* q = s ? s : ""; *q; ++q) {
    const char c = *q;
    switch (c) {
    case '\n':
      os << "\\n";
      break;
    case '\t':
      os << "\\t";
      break;
    case '\b':
      os << "\\b";
      break;
    case '\r':
      os << "\\r";
      break;
    case '\f':
      os << "\\f";
      break;
    case '\\':
      os << "\\\\";
      break;
    case '"':
      os << "\\\"";
      break;
    case '{':
      os << "\\[";
      break;
    case '}':
      os << "\\]";
      break;
    default: {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x80 &&
          (std::isalnum(byte) || std::ispunct(byte) || byte == ' ')) {
        os << c;
      } else {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", byte);
        os << hex;
      }
    }
    }
  }
  os << "\"\n";
  return *this;
}

NCostream& NCostream::put(const long long* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& NCostream::put(const unsigned long long* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& NCostream::put(const long double* p, unsigned int n) {
  return putValues(*this, p, n);
}

NCostream& endl(NCostream& os) {
  return os << "\n";
}
