// stubs/ServerGen.h - writes the server implementation file.
//
// The file defines the skeletons the server header declares: method tables,
// type information, constructors and dispatch functions; each definition
// writes its own through serverCCode.

#ifndef VELMARIC_STUBS_SERVERGEN_H
#define VELMARIC_STUBS_SERVERGEN_H

#include <iosfwd>

class NCString;

class ServerGen {
public:
  /// Opens and writes the server implementation of Generator's current
  /// file. Returns 0, or 1 after a message on std::cerr when no file name
  /// can be made, the file cannot be opened or a section fails.
  static int generateServerFile();

  /// The user's extra include (option -i) and the server header. Returns 1
  /// after a message on std::cerr when no header name can be made, else 0.
  static int printIncludes(std::ostream& os);
  /// The sequence classes' definitions: they all live in the client files,
  /// so this writes nothing. Returns 0.
  static int printDefineSequences(std::ostream& os);
  /// The array classes' definitions: nothing, as for sequences. Returns 0.
  static int printDefineArrays(std::ostream& os);
  /// The server code of the file's own definitions. Returns 1 after a
  /// message on std::cerr when a definition has no file name, else 0.
  static int printBody(std::ostream& os);

  /// The server implementation's file name; owned here, null before the
  /// first file.
  static NCString* _server_file_name;
};

#endif
