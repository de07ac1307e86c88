// generate/HeaderGen.h - writes the client header file.
//
// The file holds an include guard, the banner, the runtime includes and the
// client-side declarations of every definition of the input file; each
// definition writes its own declarations through its headerCode operation.

#ifndef VELMARIC_GENERATE_HEADERGEN_H
#define VELMARIC_GENERATE_HEADERGEN_H

#include <iosfwd>

class IDLDefinition;
class IDLScope;
class IDLSequenceType;
class NCString;

class HeaderGen {
public:
  /// Opens and writes the client header of Generator's current file.
  /// Returns 0, or 1 after a message on std::cerr when no file name can be
  /// made or the file cannot be opened. Failures inside the sections are
  /// reported but do not change the result.
  static int generateHeaderFile();

  /// The include guard's opening lines. Returns 0.
  static int printPrologue(std::ostream& os);
  /// The runtime includes: type-code guard lines, the CORBA header and the
  /// trace header, as the settings ask. Returns 0.
  static int printIncludes(std::ostream& os);
  /// The declarations of the file's own definitions, and one include of the
  /// generated client header of every other IDL file that definitions came
  /// from. Returns 1 after a message on std::cerr when a definition has no
  /// file name, else 0.
  static int printBody(std::ostream& os);
  /// The include guard's closing line. Returns 0.
  static int printEpilogue(std::ostream& os);

  // Sequence and array classes, each written once per run at the first
  // declaration that needs it.

  /// Writes the class and holder of every anonymous sequence registered in
  /// `scope` and in its sub-scopes that belong to no interface, module,
  /// struct or union, for the entries that came from this file. Nothing for
  /// a null `scope`. Returns 1 after a message on std::cerr when the
  /// registries cannot be collected or an entry has no file name, else 0.
  static int printDeclareSequences(std::ostream& os, IDLScope* scope);
  /// Writes the class and holder of the sequence type `sequence` (an
  /// IDLSequenceType; not owned) unless it was written before, named after
  /// `nameSource` (not null), or after the element type and bound when
  /// `nameSource` has no name of its own. Marks the sequence declared.
  static void printDeclareSeq(std::ostream& os, IDLDefinition* sequence,
                              IDLDefinition* nameSource);
  /// The same with the class name `name` (not null; copied).
  static void printDeclareSeq(std::ostream& os, IDLSequenceType* sequence,
                              const char* name);
  /// Writes the array classes of the array declarators registered in `scope`
  /// and in its sub-scopes as printDeclareSequences does. Returns 1 after a
  /// message on std::cerr, else 0.
  static int printDeclareArrays(std::ostream& os, IDLScope* scope);
  /// Writes the array classes of `arrayDeclarator` (an IDLArrayDecl; not
  /// owned) with elements of `elementType` (may be null) unless they were
  /// written before, and marks the declarator declared under its own name.
  /// A non-zero `constConversion` gives the classes a conversion to the
  /// whole array type.
  static void printDeclareArr(std::ostream& os, IDLDefinition* elementType,
                              IDLDefinition* arrayDeclarator,
                              int constConversion);

  /// The client header's file name; owned here, null before the first file.
  static NCString* _header_file_name;
};

#endif
