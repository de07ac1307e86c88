// tests/support/TreeBuilders.h - building scopes and trees directly in tests.
//
// Tests build nodes by hand, the way the grammar actions do, and keep them
// alive through keep() so that the leak checker sees every node reachable at
// exit (the compiler itself never frees its tree).

#ifndef VELMARIC_TESTS_SUPPORT_TREEBUILDERS_H
#define VELMARIC_TESTS_SUPPORT_TREEBUILDERS_H

#include "frontend/ConstExpr.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "nclib/NCostream.h"
#include "tree/IDLConstDcl.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"

#include <initializer_list>
#include <iostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace treetest {

/// Keeps `obj` reachable until the process ends; returns it.
template <typename T> T* keep(T* obj) {
  // Never destroyed: static destructors run before the leak check.
  static auto* kept = new std::vector<const void*>;
  kept->push_back(obj);
  return obj;
}

/// A string that lives as long as the process, for scope names and keys.
inline NCString& str(const char* text) {
  return *keep(new NCString(text));
}

/// The global scope with the predefined names, as the grammar's first
/// action makes it.
inline IDLScope* makeRootScope() {
  IDLScope* root =
      new IDLScope(IDLScope::ST_GLOBAL, &str("root_scope"), nullptr);
  IDLScope::addGlobalNames();
  return root;
}

/// A list of the given objects, in order.
inline NCOrderedCltn* list(std::initializer_list<NCObject*> items) {
  NCOrderedCltn* l = keep(new NCOrderedCltn(16));
  for (NCObject* item : items)
    l->add(*item);
  return l;
}

inline IDLPrimType* prim(const char* name) {
  return keep(new IDLPrimType(name, IDLPrimType::subkindOf(name)));
}

/// A scoped name of the components `names`, resolved in the current scope.
inline IDLScopedName* scopedName(std::initializer_list<const char*> names) {
  IDLScopedName* sn = keep(new IDLScopedName);
  std::vector<const char*> v(names);
  for (auto it = v.rbegin(); it != v.rend(); ++it)
    sn->pushComponent(str(*it));
  sn->resolve();
  return sn;
}

/// A constant `name` of type long with the integer literal `value`, entered
/// into the current scope.
inline IDLConstDcl* longConst(const char* name, const char* value) {
  IDLConstDcl* c =
      keep(new IDLConstDcl(name, prim("long"), IDLLiteral::makeInteger(value)));
  c->storeValue();
  IDLScope::addToCurrentScope(c->name(), *c);
  IDLScope::_current_scope->addConstant(c);
  return c;
}

/// An operation `name` returning void, entered into the current scope.
inline IDLOpDcl* voidOp(const char* name) {
  IDLOpDcl* op = keep(new IDLOpDcl("", prim("void"), name));
  IDLScope::addToCurrentScope(op->name(), *op);
  return op;
}

/// Opens interface `name` with the bases `bases` (scoped names of the
/// current scope) as the grammar does: header entered, scope begun, body
/// started and inherited names imported. Close it with endInterface().
inline IDLInterface* beginInterface(const char* name,
                                    std::initializer_list<const char*> bases) {
  NCOrderedCltn* inheritance = nullptr;
  if (bases.size() > 0) {
    inheritance = list({});
    for (const char* base : bases)
      inheritance->add(*scopedName({base}));
  }
  IDLInterfaceHeader* header = keep(new IDLInterfaceHeader(name, inheritance));
  IDLScope::addToCurrentScope(header->name(), *header);
  IDLScope::begin(IDLScope::ST_INTERFACE, str(name), header);
  header->setScope(IDLScope::_current_scope);
  IDLInterface* iface = keep(new IDLInterface(IDLInterface::IT_FULL, header,
                                              keep(new NCOrderedCltn(16))));
  header->setInterface(iface);
  if (inheritance)
    iface->import();
  return iface;
}

inline void endInterface() {
  IDLScope::end(IDLScope::ST_INTERFACE);
}

/// What `obj`'s prettyPrint writes on an NCostream over standard output.
inline std::string dumpOf(const NCTransObject& obj) {
  testing::internal::CaptureStdout();
  {
    NCostream os(std::cout);
    obj.prettyPrint(os);
  }
  std::cout.flush();
  return testing::internal::GetCapturedStdout();
}

/// The console form of a sequence of text pieces: each piece followed by
/// one blank.
inline std::string pieces(std::initializer_list<const char*> texts) {
  std::string out;
  for (const char* text : texts)
    out += std::string(text) + " ";
  return out;
}

} // namespace treetest

#endif
