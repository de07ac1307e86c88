// stubs/ServerHeaderGen.h - writes the server header file.
//
// The file declares a skeleton class per interface of the input file and,
// after each top-level definition, its tie class templates; each definition
// writes its own declarations through serverHeaderCode and tieCode.

#ifndef VELMARIC_STUBS_SERVERHEADERGEN_H
#define VELMARIC_STUBS_SERVERHEADERGEN_H

#include <iosfwd>

class NCString;

class ServerHeaderGen {
public:
  /// Opens and writes the server header of Generator's current file.
  /// Returns 0, or 1 after a message on std::cerr when no file name can be
  /// made, the file cannot be opened or a section fails.
  static int generateHeaderFile();

  /// The include guard's opening lines. Returns 0.
  static int printPrologue(std::ostream& os);
  /// The file's client header, then the server header of every other IDL
  /// file that definitions came from, once each, in order of first
  /// appearance. Returns 1 after a message on std::cerr when a name cannot
  /// be made or a definition has no file name, else 0.
  static int printIncludes(std::ostream& os);
  /// The skeleton declarations and tie classes of the file's own
  /// definitions. Returns 1 after a message on std::cerr when a definition
  /// has no file name, else 0.
  static int printBody(std::ostream& os);
  /// The include guard's closing line. Returns 0.
  static int printEpilogue(std::ostream& os);

  /// The server header's file name; owned here, null before the first file.
  static NCString* _header_file_name;
};

#endif
