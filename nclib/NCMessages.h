// nclib/NCMessages.h - every text the class library writes by itself.
//
// The registration trace goes to standard output when DEBUG_STATIC is set;
// the read errors of NCistream go to standard error, in the pieces shown,
// with a class name or number between the pieces that surround it.

#ifndef VELMARIC_NCLIB_NCMESSAGES_H
#define VELMARIC_NCLIB_NCMESSAGES_H

namespace nclibmsg {

/// printf format of the first trace line of a named class.
inline constexpr const char* traceClass = "Static initializating class: %s\n";
/// The first trace line of a class registered without a name.
inline constexpr const char* traceUnnamedClass =
    "Static initializing class: (null)\n";
/// Printed before and after "NCTransObject" for a class without bases.
inline constexpr const char* traceNoBase =
    "The class is directly derived from ";
inline constexpr const char* traceNoBaseRoot = "NCTransObject\n\n";
/// Heads the list of bases.
inline constexpr const char* traceBases = "The class has the following base:\n";
/// printf format of one named base.
inline constexpr const char* traceBase = "'%s'\n";
/// A base whose name is null.
inline constexpr const char* traceUnnamedBase = "(null)\n";
/// Ends the list of bases.
inline constexpr const char* traceBasesEnd = "\n";

/// An unexpected token where an object reference should start.
inline constexpr const char* badToken[] = {
    "NCistream::readObject: Error reading Object ",
    "from  stream. Make sure your 'write' ",
    "function and constructor from stream are ", "correct\n"};
/// A class name that is not registered: the name goes after piece 1.
inline constexpr const char* unknownClassName[] = {
    "NCistream::readObject: Received Object", " of class '",
    "', but this class is not linked in", "\n"};
/// A class number never read: the number goes after piece 1.
inline constexpr const char* unknownClassNumber[] = {
    "NCistream::readObject. Internal Error ", "reading class '", "'\n"};
/// A quoted string that does not start with a double quote.
inline constexpr const char* noQuote[] = {
    "NCistream::getCString: Error reading Object ",
    "from  stream. Make sure your 'write' ",
    "function and constructor from stream are ", "correct\n"};
/// More characters than the buffer has room for.
inline constexpr const char* stringOverflow =
    "NCistream::getCString: String Overflow\n";
/// No room left for the terminator at the closing quote.
inline constexpr const char* noTerminatorRoom =
    "NCistream::getCString: String overflow\n";
/// The input ends inside a quoted string.
inline constexpr const char* unexpectedEof =
    "NCistream::getCString: Unexpected EOF\n";

} // namespace nclibmsg

#endif
