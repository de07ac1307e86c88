// driver/DriverMessages.h - every text the driver writes.
//
// Option errors and progress go to standard output, preprocessing failures
// and verbose traces to standard error.

#ifndef VELMARIC_DRIVER_DRIVERMESSAGES_H
#define VELMARIC_DRIVER_DRIVERMESSAGES_H

namespace drivermsg {

// clang-format off
// The usage text, four lines.
constexpr const char* usage1 = "usage: velmaric " "[ -tu? ] [ -D name ] [ -I directory ] ";
constexpr const char* usage2 = "[ -U name ] [ -c suffix ] " "[ -h suffix ] [ -m extension ]" " [ -v extension ]";
constexpr const char* usage3 = "[ -S suppress ] [-G generate ]" "[ -i include file] [-E export name]" "[ -o output directory]";
constexpr const char* usage4 = "[ -R replace corba.h with ]" "[ -B replace CORBA::Object with ]";

// Options and the run (standard output).
constexpr const char* invalidGenerate  = "velmaric: Invalid generate " " option -";
constexpr const char* invalidSuppress  = "velmaric: Invalid suppress " " option -";
constexpr const char* optionSyntax     = "Syntax error, use -? option to see " "valid options.";
constexpr const char* fileMissing      = "File ";
constexpr const char* fileMissingEnd   = " does not exist.";
constexpr const char* processing       = "Velmaric: processing ";
constexpr const char* processingEnd    = "...";
constexpr const char* symbolTable      = "(symbol table)";
constexpr const char* receivedSignal   = "Received signal (";
constexpr const char* receivedSignalEnd = ")\n";

// The per-file run (standard error).
constexpr const char* parseFailed      = "Failed\n";
constexpr const char* echoing          = "\nBeginning echo printing of input idl file\n";
constexpr const char* writingOutput    = "\nBeginning writing output files";

// Preprocessing (standard error).
constexpr const char* preprocessingFile = "\nVelmaric:  Preprocessing idl file ";
constexpr const char* parsingFile      = "\nVelmaric:  Parsing idl file ";
constexpr const char* cppArgumentsTrace = "\nVelmaric:  ";
constexpr const char* couldntOpen      = "\nVelmaric:  Couldn't open file ";
constexpr const char* couldntOpenEnd   = " for input.";
constexpr const char* cppFailed        = "\nVelmaric:  IDL cpp preprocessor failed";
constexpr const char* removingFile     = "\nVelmaric:  Removing file ";
constexpr const char* markerTooLong    = "\nVelmaric: Preprocessor compiler directive line too long";
constexpr const char* badFormat        = "\nVelmaric: Preprocessed input has bad format";
constexpr const char* insanity         = "\nVelmaric: Lexical analysis insanity check violation";

// The verbose banner (standard error); the dashed line is 62 "-".
constexpr const char* bannerRule       = "--------------------------------------------------------------";
constexpr const char* bannerTitle      = "Velmaric IDL parser,  FCS release,                August 1994  ";
constexpr const char* bannerMaker      = "Velmaric compiler group,  telephone +1 555 0100 0199";
// clang-format on

} // namespace drivermsg

#endif
