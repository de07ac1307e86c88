// nclib/NCTypeInfo.cc - class descriptions and their start-up registration.

#include "nclib/NCTypeInfo.h"

#include "nclib/NCTypeDict.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

// DEBUG_STATIC is read once, by the first description constructed.
bool tracingRegistration() {
  static const bool tracing = std::getenv("DEBUG_STATIC") != nullptr;
  return tracing;
}

} // namespace

NCTypeInfo::NCTypeInfo(const char* name, Reader readFunction, ...)
    : _name(nullptr), _reader(nullptr), _baseCount(0), _bases(nullptr) {
  const bool tracing = tracingRegistration();
  if (tracing) {
    if (name)
      std::printf("Static initializating class: %s\n", name);
    else
      std::printf("Static initializing class: (null)\n");
  }

  std::va_list args;
  va_start(args, readFunction);
  std::va_list counting;
  va_copy(counting, args);
  while (va_arg(counting, const NCTypeInfo*) != nullptr)
    ++_baseCount;
  va_end(counting);

  if (_baseCount == 0) {
    if (tracing)
      std::printf("The class is directly derived from NCTransObject\n\n");
  } else {
    if (tracing)
      std::printf("The class has the following base:\n");
    _bases = new const NCTypeInfo*[_baseCount];
    for (short i = 0; i < _baseCount; ++i) {
      _bases[i] = va_arg(args, const NCTypeInfo*);
      if (tracing && _bases[i]) {
        if (_bases[i]->name())
          std::printf("'%s'\n", _bases[i]->name());
        else
          std::printf("(null)\n");
      }
    }
    if (tracing)
      std::printf("\n");
  }
  va_end(args);

  _name = name;
  _reader = readFunction;
  NCTypeDict::instance()->add(name, this);
}

NCTypeInfo::~NCTypeInfo() {
  NCTypeDict::instance()->remove(_name);
  delete[] _bases;
}

bool NCTypeInfo::hasBase(const NCTypeInfo& info) const {
  for (short i = 0; i < _baseCount; ++i) {
    if (_bases[i] == &info || _bases[i]->hasBase(info))
      return true;
  }
  return false;
}

const NCTypeInfo* NCTypeInfo::typeInfo(const char* name) {
  return NCTypeDict::instance()->typeInfo(name);
}

NCTypeInfo::Reader NCTypeInfo::readFunc(const char* name) {
  const NCTypeInfo* info = typeInfo(name);
  return info ? info->reader() : nullptr;
}
