// tree/IDLScopedName.h - a reference by name, such as A::B, and what it
// resolved to.
//
// Resolution walks the components from the current scope: the first is
// looked up outward, every later one from the scope opened by the definition
// found for the component before it.

#ifndef VELMARIC_TREE_IDLSCOPEDNAME_H
#define VELMARIC_TREE_IDLSCOPEDNAME_H

#include "tree/IDLDefinition.h"

class NCLinkedList;
class NCStack;

class IDLScopedName : public IDLDefinition {
  VELMARIC_DECLARE_CLASS(IDLScopedName);

  /// A name without components whose target is a placeholder of kind
  /// DEF_unresolved.
  IDLScopedName();
  /// Deletes the component stack (not the components), the resolution chain
  /// and the placeholder.
  ~IDLScopedName() override;

  /// Components, resolution chain and resolved definition.
  void write(NCostream& os) const override;
  /// The components separated by "::".
  void prettyPrint(NCostream& os) const override;
  /// Writes the value of a numeric constant target, else the target's
  /// name().
  void unscopedName(std::ostream& os) override;
  // Client header
  /// Writes the components separated by "::", a numeric constant
  /// as its value.
  void headerCode(std::ostream& os) override;
  // Marshalling
  /// The marshalling statements of the type the name stands for, looked up
  /// through typedefs; nothing while unresolved.
  void writeObjectToStream(std::ostream& os, const char* value,
                           const char* stream, int isPointer,
                           const char* direction, int fixedLength) override;
  void readObjectFromStream(std::ostream& os, const char* value,
                            const char* stream, int isPointer,
                            const char* direction, const char* extra,
                            int fixedLength) override;
  void writeObjectToNCStream(std::ostream& os, const char* value,
                             const char* stream, int isPointer) override;
  void readObjectFromNCStream(std::ostream& os, const char* value,
                              const char* stream, int isPointer) override;
  /// Writes the type-code name: that of the resolved definition.
  void unscopedTypeCodeName(std::ostream& os) override;
  /// Those of the resolved definition.
  long getInt() const override;
  float getFloat() const override;
  IDLPrimType* type() const override;

  /// Puts `component` (kept, not owned) in front of the components; the
  /// grammar pushes the last identifier first.
  void pushComponent(NCString& component);
  /// Binds the name in the current scope, filling the resolution chain and
  /// the resolved definition and recording it with the current scope's
  /// scope definitions. Every failure ends the run.
  void resolve();
  /// True once resolve() has found a definition.
  bool isResolved() const;

  /// The NCString components, first component on top (owned container).
  NCStack* components() const { return _components; }
  /// The definitions found for the components, in component order.
  NCLinkedList* resolutionChain() const { return _chain; }
  /// The definition found for the last component, or the placeholder of
  /// kind DEF_unresolved before resolution. Not owned.
  IDLDefinition* resolvedDefinition() const { return _resolved; }

  /// Whether the type `type` (may be null) is known: a scoped name is
  /// resolved first when it is not yet; an interface that is only
  /// forward-declared (other than the predefined names) is not fully
  /// resolved; any other type is.
  static bool isTypeFullyResolved(IDLDefinition* type);

private:
  NCStack* _components;
  NCLinkedList* _chain;
  IDLDefinition* _resolved;
  IDLDefinition* _placeholder; // kept so it can be freed with the name
};

#endif
