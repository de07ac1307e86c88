// driver/Driver.h - the command line and the per-file run.

#ifndef VELMARIC_DRIVER_DRIVER_H
#define VELMARIC_DRIVER_DRIVER_H

/// The whole run: reads the options, then preprocesses, parses and
/// generates each named file in turn. Returns 0, or ends the process with
/// status 0 (usage text) or 1 (any error).
int runCompiler(int argc, char** argv);

/// Parses the file attached to standard input and writes its output files;
/// ends the run on any error.
void processOneFile();

/// Reports a caught signal on standard output and ends the run.
[[noreturn]] void signalHandler(int signo);

/// Removes the temporary file and ends the process with status 1.
[[noreturn]] void cleanup(int, ...);

/// Applies the -G (`on` true) or -S keyword `keyword` (not null; the
/// pointer is not kept). Returns false for a keyword not in the table.
bool applyGenerateKeyword(const char* keyword, bool on);

#endif
