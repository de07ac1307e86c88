// generate/GenerateMessages.h - every message text of the generator core and
// the client header.
//
// Most are internal consistency failures: the routine that meets one writes
// its class and routine name, then the reason, and returns 1. The few user
// errors found while generating are marked where they stand.

#ifndef VELMARIC_GENERATE_GENERATEMESSAGES_H
#define VELMARIC_GENERATE_GENERATEMESSAGES_H

namespace genmsg {

// clang-format off
// Generator: the per-file entry point and the file names.
constexpr const char* outputToFiles        = "Generator::outputToFiles: ";
constexpr const char* nullSpecification    = "NULL specification.\n";
constexpr const char* nullFileContext      = "NULL file context.\n";
constexpr const char* nullIdlFileName      = "Null IDL file name.";

// Generator: type categories.
constexpr const char* getTypeCategory      = "Generator::getTypeCategory: ";
constexpr const char* nullDefinition       = "Null definition.\n";

// Generator: collecting the sequence and array registries of a scope.
constexpr const char* getAllSequences      = "Generator::getAllSequences: ";
constexpr const char* getAllArrays         = "Generator::getAllArrays: ";
constexpr const char* nullScope            = "NULL scope.\n";
constexpr const char* nullSequences        = "NULL sequences.\n";
constexpr const char* nullArrays           = "NULL arrays.\n";
constexpr const char* nullSubscopes        = "NULL subscopes.\n";
constexpr const char* nullSubcltn          = "NULL subcltn.\n";

// The file drivers (the client header's, and the other three's).
constexpr const char* noFileNamePrefix     = "No file name prefix.";
constexpr const char* noHeaderFileName     = "Unable to generate header file name.";
constexpr const char* unableToOpen         = "Unable to open ";
constexpr const char* forOutput            = " for output.";
constexpr const char* nullDefinitionFile   = "NULL file context for definition.\n";

// HeaderGen.
constexpr const char* headerGenerateFile   = "HeaderGen::generateHeaderFile: ";
constexpr const char* headerPrintBody      = "HeaderGen::printBody";
constexpr const char* headerDeclareSequences = "HeaderGen::printDeclareSequences ";
constexpr const char* headerDeclareArrays  = "HeaderGen::printDeclareArrays ";

// Client header: interfaces and operations. The oneway violations are the
// user's errors; they go to standard output before the run ends.
constexpr const char* interfaceHeaderCode  = "IDLInterface::headerCode: ";
constexpr const char* nullInterfaceHeader  = "NULL Interface header.\n";
constexpr const char* onewayError          = "Error in oneway function ";
constexpr const char* onewayReturnType     = "Return type must be 'void'.";
constexpr const char* onewayInParameters   = "Only 'in' parameters allowed.";

// Type codes: written to standard output before the run ends on a union
// whose discriminator has no type code of its own.
constexpr const char* invalidUnionSwitchType = "Invalid union switch type for ";
// clang-format on

} // namespace genmsg

#endif
