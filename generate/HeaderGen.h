// generate/HeaderGen.h - writes the client header file.
//
// The file holds an include guard, the banner, the runtime includes and the
// client-side declarations of every definition of the input file; each
// definition writes its own declarations through its headerCode operation.

#ifndef VELMARIC_GENERATE_HEADERGEN_H
#define VELMARIC_GENERATE_HEADERGEN_H

#include <iosfwd>

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

  /// The client header's file name; owned here, null before the first file.
  static NCString* _header_file_name;
};

#endif
