// stubs/ClientGen.h - writes the client implementation file.
//
// The file holds the out-of-line code the client header declares; each
// definition of the input file writes its own through clientCCode.

#ifndef VELMARIC_STUBS_CLIENTGEN_H
#define VELMARIC_STUBS_CLIENTGEN_H

#include <iosfwd>

class NCString;

class ClientGen {
public:
  /// Opens and writes the client implementation of Generator's current
  /// file. Returns 0, or 1 after a message on std::cerr when no file name
  /// can be made, the file cannot be opened or a section fails.
  static int generateClientFile();

  /// The user's extra include (option -i) and the client header. Returns 1
  /// after a message on std::cerr when no header name can be made, else 0.
  static int printIncludes(std::ostream& os);
  /// The client code of the file's own definitions; included files' ones
  /// are left out. Returns 1 after a message on std::cerr when a definition
  /// has no file name, else 0.
  static int printBody(std::ostream& os);

  /// The client implementation's file name; owned here, null before the
  /// first file.
  static NCString* _client_file_name;
};

#endif
