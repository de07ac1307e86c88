// driver/IDLParser.h - the front end's run settings and the preprocessor run.
//
// Runs the C preprocessor over each input file into a temporary file, makes
// that file the standard input the scanner reads, tracks the source file and
// line announced by the preprocessor's line markers, and holds the parts the
// output file names are built from. All members are static.

#ifndef VELMARIC_DRIVER_IDLPARSER_H
#define VELMARIC_DRIVER_IDLPARSER_H

#include <cstdio>
#include <iosfwd>
#include <vector>

class NCString;

class IDLParser {
public:
  /// Run flags, set by initialize(); no option changes them.
  static int writeTheOutputFiles;     ///< 1: write the four output files
  static int prettyPrintTheInputFile; ///< 1: echo the parsed input
  static int printTheSymbolTable;     ///< 1: write "(symbol table)"
  static int verbose;                 ///< 1: progress messages and banner

  /// Path of the preprocessor program; owned.
  static NCString* cppExecutable;
  /// The argument vector handed to execv. Entry 0 is the program, entry 1
  /// "-E", then the user's -D/-I/-U options, "-I." and, while one file is
  /// preprocessed, the input path, the temporary file name and a null. The
  /// entries are owned by IDLParser except the input path and the temporary
  /// name, which point into inputIDLFileName and cppTemporaryFileName. The
  /// vector grows as needed, so any number of options is accepted.
  static std::vector<char*> cppArguments;
  /// Index of the last filled entry of cppArguments (1 after initialize()).
  static int cppArgCount;
  /// "$TMPDIR/velmaric.cpp.o.XXXXXX" (TMPDIR defaulting to "/tmp"); the
  /// X characters are replaced in place before each preprocessor run. Owned;
  /// null before initialize().
  static char* cppTemporaryFileName;
  /// The current input path as written on the command line; owned, may be
  /// null before the first file.
  static NCString* inputIDLFileName;
  /// The reopened standard input, or null when closed.
  static std::FILE* inputFD;
  /// The stream the scanner reads: the standard input stream. Tests may point
  /// it elsewhere; not owned.
  static std::istream* strm;
  /// Source file announced by the last line marker. The string lives for the
  /// whole run (tree nodes may keep the pointer); null before the first file.
  static NCString* currentCPPIncludedFileName;
  /// Source line of the text being scanned; set by line markers and advanced
  /// by the scanner for every newline it consumes.
  static int currentCPPIncludedFileLineNumber;
  /// Parts of the output file names, without dots; owned.
  static NCString* headerFileExtension;   ///< "hh"
  static NCString* ccFileExtension;       ///< "cc"
  static NCString* implementorFileSuffix; ///< "_server"
  static NCString* invokerFileSuffix;     ///< "_client"

  /// Sets every member to its default; called once before the options are
  /// read.
  static void initialize();

  /// Each replaces its name part with a copy of `text` (not null, not kept).
  static void setHeaderFileExtension(const char* text);
  static void setCCFileExtension(const char* text);
  static void setImplementorFileSuffix(const char* text);
  static void setInvokerFileSuffix(const char* text);

  /// Appends `argument` to the preprocessor vector; the pointer is stored,
  /// so it must outlive the run (or be owned by IDLParser).
  static void addCPPArgument(char* argument);
  /// Append "-I", "-D" or "-U" followed by `argument` (copied).
  static void addCPPIncludeArgument(const char* argument);
  static void addCPPDefineArgument(const char* argument);
  static void addCPPUndefineArgument(const char* argument);

  /// Preprocesses `path` (not null, copied) into the temporary file and
  /// reopens standard input on the result. Ends the run through
  /// IDLError::exit() when the preprocessor fails or the file cannot be
  /// opened.
  static void preprocessAndAttachInputStream(const char* path);
  /// Runs the preprocessor on inputIDLFileName into the temporary file and
  /// waits for it; ends the run when it cannot be started or fails.
  static void preprocessInputThroughCPP();
  /// Takes the source file and line from the text of a line marker (the
  /// scanner's whole match, newline included). `markerLine` is owned by the
  /// caller and not kept. Ends the run on a text of 2048 characters or more
  /// and on one that does not start with "#".
  static void setCPPIncludedFileAndLine(NCString* markerLine);
  /// The banner, written to standard error only when verbose is set.
  static void printWelcomeMessage();
  /// Closes the input (once) and removes the temporary file; a missing file
  /// is not an error. Safe to call from a signal handler's exit path and
  /// more than once.
  static void cleanUp();
};

#endif
