// generate/NameText.h - type names as strings, for emitters that insert a
// name into several lines.
//
// Each routine runs the Generator routine of the same purpose into a string.

#ifndef VELMARIC_GENERATE_NAMETEXT_H
#define VELMARIC_GENERATE_NAMETEXT_H

#include "generate/Generator.h"
#include "tree/IDLDefinition.h"

#include <sstream>
#include <string>

namespace nametext {

/// The qualified C++ name of `type` (not null), used with `decl` (may be
/// null).
inline std::string scopedNameOf(IDLDefinition* type,
                                IDLDefinition* decl = nullptr) {
  std::ostringstream text;
  Generator::scopedName(text, type, decl);
  return text.str();
}

/// The node's own innermost name; empty for a null node.
inline std::string unscopedNameOf(IDLDefinition* definition) {
  std::ostringstream text;
  if (definition)
    definition->unscopedName(text);
  return text.str();
}

/// The C++ type of a parameter of `type` with `decl` in `direction`.
inline std::string paramTypeOf(IDLDefinition* type, IDLDefinition* decl,
                               const char* direction) {
  std::ostringstream text;
  Generator::printParamType(text, type, decl, direction);
  return text.str();
}

} // namespace nametext

#endif
