// generate/StructCode.h - the support members of structs and exceptions.
//
// The data members inside the class in the client header, and the
// out-of-line functions the header declares for a struct or exception:
// object-stream operators, the readable form, comparison, hashing,
// assignment and the exception's member constructor.

#ifndef VELMARIC_GENERATE_STRUCTCODE_H
#define VELMARIC_GENERATE_STRUCTCODE_H

#include <iosfwd>

class NCOrderedCltn;

class StructCode {
public:
  // In every routine `name` is the qualified C++ class name (not null) and
  // `members` the IDLMember nodes in declaration order (null or empty for a
  // struct without members). Nothing is owned.

  /// Writes the data members inside the class body, one tab deeper than the
  /// class: one line per member holding all its declarators; strings and
  /// object references are held in their _var classes, and an anonymous
  /// sequence gets its class declared just before the member. Leaves the
  /// indentation as it found it.
  static void printMemberDefs(std::ostream& os, NCOrderedCltn* members);
  /// Writes the NCistream extraction operator. `resourceClass` (may be
  /// null) names the class the generated code keeps resources with; it does
  /// not change the text.
  static void printStreamConstructor(std::ostream& os, const char* name,
                                     const char* resourceClass,
                                     NCOrderedCltn* members);
  /// Writes the NCostream insertion operator.
  static void printStreamWriter(std::ostream& os, const char* name,
                                NCOrderedCltn* members);
  /// Writes the readable standard-stream form; nothing unless
  /// Generator::generateStdStream is set.
  static void printPrettyPrint(std::ostream& os, const char* name,
                               NCOrderedCltn* members);
  /// Writes the compare function, member by member until one differs.
  static void printCompare(std::ostream& os, const char* name,
                           NCOrderedCltn* members);
  /// Writes the hash function, the members' hashes combined by xor.
  static void printHash(std::ostream& os, const char* name,
                        NCOrderedCltn* members);
  /// Writes the assignment operator of a variable-length struct; nothing
  /// for a struct without members.
  static void printEquals(std::ostream& os, const char* name,
                          NCOrderedCltn* members);
  /// Writes an exception's constructor from its member values, qualified by
  /// `prefix` (the enclosing scopes with their "::"; null or empty at
  /// global scope) and the unscoped class `name`. Nothing for an exception
  /// without members.
  static void printConstructor(std::ostream& os, const char* prefix,
                               const char* name, NCOrderedCltn* members);
};

#endif
