// tree/TreeMessages.h - every message text of the tree and scope code.
//
// The texts are reported through IDLError (which ends the run) or, for the
// internal consistency messages, written to standard error.

#ifndef VELMARIC_TREE_TREEMESSAGES_H
#define VELMARIC_TREE_TREEMESSAGES_H

namespace treemsg {

// clang-format off
// Scopes and symbol tables.
constexpr const char* duplicateIdentifier  = "Duplicate identifier: ";
constexpr const char* symbolNotFound       = "Symbol not found: ";
constexpr const char* noDefinitionToReplace = "Sanity: no definition when redefining: ";
constexpr const char* scopingViolation     = "Velmaric sanity violation on scoping?!";
constexpr const char* rootScopeCloses      = "Velmaric sanity violation: root scope closes?!";

// Scoped-name resolution.
constexpr const char* noComponents         = "Couldn't find scoped name at root scope";
constexpr const char* noDefinitionFor      = "Couldn't find definition for:";
constexpr const char* noObjectAssociation  = "No object association for:";
constexpr const char* ambiguousReferenceFor = "Ambiguous reference for: ";
constexpr const char* canResolveTo         = "Can resolve to:";
constexpr const char* ambiguousReference   = "Ambiguous reference.";

// Inheritance import.
constexpr const char* nullInheritance      = "Velmaric sanity check: NULL inheritance spec on import?";
constexpr const char* inheritFromNonInterface = "Cannot inherit from non-interface: ";
constexpr const char* inheritFromForward   = "Cannot inherit from forwardly declared interface: ";

// Constant declarations.
constexpr const char* mismatchedTypes      = "Mismatched types.";
constexpr const char* illegalConstType     = "Illegal type in const declaration.";

// Type resolution (standard error, not fatal).
constexpr const char* getTypeRoutine       = "Generator::getType: ";
constexpr const char* nullDefinition       = "NULL definition.\n";

// Destruction trace (standard output).
constexpr const char* freeing              = "Freeing:\n";
// clang-format on

} // namespace treemsg

#endif
