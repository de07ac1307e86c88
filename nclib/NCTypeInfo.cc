// nclib/NCTypeInfo.cc - class descriptions and their start-up registration.

#include "nclib/NCTypeInfo.h"

#include "nclib/NCMessages.h"
#include "nclib/NCTypeDict.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

// DEBUG_STATIC is read once, by the first description constructed.
bool tracingRegistration() {
  static const bool tracing = std::getenv("DEBUG_STATIC") != nullptr;
  return tracing;
}

// The descriptions constructed so far, kept only while tracing. A base named
// by a class in another file may not be constructed yet when that class
// registers: its name is still null then, and it must not be touched.
std::set<const NCTypeInfo*>& constructedDescriptions() {
  static std::set<const NCTypeInfo*> constructed;
  return constructed;
}

void traceBase(const NCTypeInfo* base) {
  const char* name =
      constructedDescriptions().count(base) != 0 ? base->name() : nullptr;
  if (name)
    std::printf(nclibmsg::traceBase, name);
  else
    std::fputs(nclibmsg::traceUnnamedBase, stdout);
}

} // namespace

NCTypeInfo::NCTypeInfo(const char* name, Reader readFunction, ...)
    : _name(nullptr), _reader(nullptr), _baseCount(0), _bases(nullptr) {
  const bool tracing = tracingRegistration();
  if (tracing) {
    if (name)
      std::printf(nclibmsg::traceClass, name);
    else
      std::fputs(nclibmsg::traceUnnamedClass, stdout);
  }

  std::va_list args;
  va_start(args, readFunction);
  std::va_list counting;
  va_copy(counting, args);
  while (va_arg(counting, const NCTypeInfo*) != nullptr)
    ++_baseCount;
  va_end(counting);

  if (_baseCount == 0) {
    if (tracing) {
      std::fputs(nclibmsg::traceNoBase, stdout);
      std::fputs(nclibmsg::traceNoBaseRoot, stdout);
    }
  } else {
    if (tracing)
      std::fputs(nclibmsg::traceBases, stdout);
    _bases = new const NCTypeInfo*[_baseCount];
    for (short i = 0; i < _baseCount; ++i) {
      _bases[i] = va_arg(args, const NCTypeInfo*);
      if (tracing)
        traceBase(_bases[i]);
    }
    if (tracing)
      std::fputs(nclibmsg::traceBasesEnd, stdout);
  }
  va_end(args);

  _name = name;
  _reader = readFunction;
  NCTypeDict::instance()->add(name, this);
  if (tracing)
    constructedDescriptions().insert(this);
}

NCTypeInfo::~NCTypeInfo() {
  if (tracingRegistration())
    constructedDescriptions().erase(this);
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
