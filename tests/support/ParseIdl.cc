// tests/support/ParseIdl.cc - parsing an IDL string into a tree in tests.

#include "support/ParseIdl.h"

#include "driver/IDLParser.h"
#include "frontend/ScanSupport.h"
#include "frontend/idl.tab.hh"
#include "nclib/NCString.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLSpec.h"

#include <sstream>
#include <vector>

namespace idltest {

namespace {

// Keeps `obj` reachable until the process ends, as the tree keeps the nodes
// the parser makes; the leak checker then sees nothing lost.
template <typename T> T* keep(T* obj) {
  static auto* kept = new std::vector<const void*>;
  kept->push_back(obj);
  return obj;
}

} // namespace

IDLSpec* parseIdl(const std::string& text, const char* fileName) {
  // The scanner reads the whole input when it starts, so the stream only has
  // to live through the parse.
  std::istringstream in(text);
  IDLParser::strm = &in;
  NCString marker(("# 1 \"" + std::string(fileName) + "\"\n").c_str());
  IDLParser::setCPPIncludedFileAndLine(&marker);
  restartScanner();
  yyparse();
  IDLParser::strm = nullptr;
  return IDLSpec::specification;
}

IDLDefinition* lookup(const std::string& name) {
  IDLScopedName* scoped = keep(new IDLScopedName);
  std::vector<std::string> components;
  std::string::size_type start = 0;
  for (;;) {
    std::string::size_type end = name.find("::", start);
    components.push_back(name.substr(start, end - start));
    if (end == std::string::npos)
      break;
    start = end + 2;
  }
  for (auto it = components.rbegin(); it != components.rend(); ++it)
    scoped->pushComponent(*keep(new NCString(it->c_str())));
  IDLScope* saved = IDLScope::_current_scope;
  IDLScope::_current_scope = IDLScope::_root_scope;
  scoped->resolve();
  IDLScope::_current_scope = saved;
  return scoped->resolvedDefinition();
}

} // namespace idltest
