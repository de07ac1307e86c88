// stubs/StubsMessages.h - every text the client and server file drivers
// write to standard error.
//
// The texts shared with the client header's driver (a missing file name
// prefix, an output file that cannot be opened) are in GenerateMessages.h.

#ifndef VELMARIC_STUBS_STUBSMESSAGES_H
#define VELMARIC_STUBS_STUBSMESSAGES_H

namespace stubmsg {

// clang-format off
// ClientGen.
constexpr const char* clientGenerateFile   = "ClientGen::generateClientFile: ";
constexpr const char* noClientFileName     = "Unable to generate client file name.";
constexpr const char* clientPrintBody      = "ClientGen::printBody";
constexpr const char* clientImplementSequences = "ClientGen::printImplementSequences ";
constexpr const char* clientImplementArrays = "ClientGen::printImplementArrays ";

// ServerHeaderGen.
constexpr const char* serverHeaderGenerateFile = "ServerHeaderGen::generateHeaderFile: ";
constexpr const char* serverHeaderPrintIncludes = "ServerHeaderGen::printIncludes";
constexpr const char* serverHeaderPrintBody = "ServerHeaderGen::printBody";

// ServerGen.
constexpr const char* serverGenerateFile   = "ServerGen::generateServerFile: ";
constexpr const char* noServerFileName     = "Unable to generate server file name.";
constexpr const char* serverPrintBody      = "ServerGen::printBody";
// clang-format on

} // namespace stubmsg

#endif
