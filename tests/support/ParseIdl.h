// tests/support/ParseIdl.h - parsing an IDL string into a tree in tests.
//
// The text goes to the scanner as the preprocessor's output would, without
// running the preprocessor; the parse builds the tree and the scopes exactly
// as a run does.

#ifndef VELMARIC_TESTS_SUPPORT_PARSEIDL_H
#define VELMARIC_TESTS_SUPPORT_PARSEIDL_H

#include <string>

class IDLDefinition;
class IDLSpec;

namespace idltest {

/// Parses `text` as the preprocessed contents of the file `fileName` and
/// returns IDLSpec::specification (owned by the tree, which lives until the
/// process ends; null when the parse built none). An error in the text ends
/// the process through IDLError, as in a run.
IDLSpec* parseIdl(const std::string& text, const char* fileName = "test.idl");

/// The definition `name` (components separated by "::") stands for, looked
/// up from the global scope as a scoped name in the IDL text would be; the
/// process ends through IDLError when there is none.
IDLDefinition* lookup(const std::string& name);

} // namespace idltest

#endif
