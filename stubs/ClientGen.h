// stubs/ClientGen.h - writes the client implementation file.
//
// The file holds the out-of-line code the client header declares; each
// definition of the input file writes its own through clientCCode.

#ifndef VELMARIC_STUBS_CLIENTGEN_H
#define VELMARIC_STUBS_CLIENTGEN_H

#include <iosfwd>

class IDLDefinition;
class IDLScope;
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

  /// The members of the classes of every sequence registered in `scope`
  /// and its sub-scopes (those of interfaces, modules, structs and unions
  /// excepted) that this file declares, after an empty line. Nothing for a
  /// null `scope`. Returns 1 after a message on std::cerr when the registry
  /// is missing or an entry has no file name, else 0.
  static int printImplementSequences(std::ostream& os, IDLScope* scope);
  /// The same for the arrays: their out-of-line members.
  static int printImplementArrays(std::ostream& os, IDLScope* scope);
  /// The members of the class of the sequence type `seqType` (not null)
  /// declared by `decl` (not null), unless already written for this file;
  /// marks the sequence written. The last argument is not used.
  static void printImplementSeq(std::ostream& os, IDLDefinition* seqType,
                                IDLDefinition* decl, IDLDefinition*);
  /// The out-of-line members of the class of the array declarator `decl`
  /// (not null) whose elements are of `type` (not null).
  static void printImplementArr(std::ostream& os, IDLDefinition* type,
                                IDLDefinition* decl);

  /// The client implementation's file name; owned here, null before the
  /// first file.
  static NCString* _client_file_name;
};

#endif
