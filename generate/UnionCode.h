// generate/UnionCode.h - the out-of-line support members of unions.
//
// Object-stream operators, the readable form, comparison, hashing, the copy
// constructor and assignment: each switches on the discriminator and
// handles the member of the active case.

#ifndef VELMARIC_GENERATE_UNIONCODE_H
#define VELMARIC_GENERATE_UNIONCODE_H

#include <iosfwd>

class IDLUnion;

class UnionCode {
public:
  // In every routine `name` is the qualified C++ class name (not null) and
  // `theUnion` the union whose cases are walked (null writes the frame
  // without cases). Nothing is owned.

  /// Writes the NCistream extraction operator.
  static void printStreamConstructor(std::ostream& os, const char* name,
                                     IDLUnion* theUnion);
  /// Writes nothing: the union's constructor is inline in the header.
  static void printConstructor(std::ostream& os, const char* name,
                               IDLUnion* theUnion);
  /// Writes nothing: the union's destructor is inline in the header.
  static void printDestructor(std::ostream& os, const char* name,
                              IDLUnion* theUnion);
  /// Writes the copy constructor.
  static void printCopyConstructor(std::ostream& os, const char* name,
                                   IDLUnion* theUnion);
  /// Writes the assignment operator.
  static void printEquals(std::ostream& os, const char* name,
                          IDLUnion* theUnion);
  /// Writes the NCostream insertion operator.
  static void printStreamWriter(std::ostream& os, const char* name,
                                IDLUnion* theUnion);
  /// Writes the readable standard-stream form; nothing unless
  /// Generator::generateStdStream is set.
  static void printPrettyPrint(std::ostream& os, const char* name,
                               IDLUnion* theUnion);
  /// Writes the compare function: discriminators first, then the active
  /// members.
  static void printCompare(std::ostream& os, const char* name,
                           IDLUnion* theUnion);
  /// Writes the hash function: the discriminator xor the active member.
  static void printHash(std::ostream& os, const char* name, IDLUnion* theUnion);
};

#endif
