// tree/StreamFields.h - reading node fields back from an object stream.
//
// Names are written as C strings and node links as object references; these
// helpers read them in the same form.

#ifndef VELMARIC_TREE_STREAMFIELDS_H
#define VELMARIC_TREE_STREAMFIELDS_H

#include "nclib/NCString.h"
#include "nclib/NCistream.h"

namespace streamfields {

/// Reads a C string written with NCostream::operator<<(const char*) into
/// `text`.
inline void readText(NCistream& is, NCString& text) {
  char* chars = nullptr;
  is >> chars;
  text = chars;
  delete[] chars;
}

/// Reads an object reference as a `T*` (null for a null reference); the
/// caller owns a newly read object.
template <typename T> T* readRef(NCistream& is) {
  return static_cast<T*>(is.readTransObj());
}

} // namespace streamfields

#endif
