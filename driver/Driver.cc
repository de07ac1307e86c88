// driver/Driver.cc - options and the per-file run.
//
// Options are read once into the settings of IDLParser and Generator; then
// every remaining argument is an input file, compiled in command-line order.

#include "driver/Driver.h"

#include "driver/DriverMessages.h"
#include "driver/IDLParser.h"
#include "frontend/IDLError.h"
#include "frontend/idl.tab.hh"
#include "generate/Generator.h"
#include "nclib/NCostream.h"
#include "tree/IDLSpec.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Option parsing stops at the first argument that is not an option ("+"):
// every word from there on names an input file.
constexpr const char* optionString = "+o:G:S:D:I:i:U:c:E:B:R:h:m:tv:?u";

constexpr const char* userExport = "_USEREXPORT";

// A -G/-S keyword: a switch stored as 1/0, or a text stored as
// "_USEREXPORT"/null.
struct GenerateKeyword {
  const char* keyword;
  int* flag;
  const char** text;
};

// clang-format off
const GenerateKeyword generateKeywords[] = {
    {"stdstream",   &Generator::generateStdStream,  nullptr},
    {"container",   &Generator::generateContainer,  nullptr},
    {"excepspec",   &Generator::generateExcepSpec,  nullptr},
    {"exceptions",  &Generator::generateExceptions, nullptr},
    {"tie",         &Generator::generateTie,        nullptr},
    {"ptie",        &Generator::generatePTie,       nullptr},
    {"export",      nullptr, &Generator::generateExport},
    {"exportskel",  nullptr, &Generator::generateSkelExport},
    {"overloadVar", &Generator::overloadVarFunc,    nullptr},
    {"trace",       &Generator::generateTrace,      nullptr},
    {"inline",      &Generator::generateInline,     nullptr},
};
// clang-format on

[[noreturn]] void usage() {
  std::cout << drivermsg::usage1 << std::endl;
  std::cout << drivermsg::usage2 << std::endl;
  std::cout << drivermsg::usage3 << std::endl;
  std::cout << drivermsg::usage4 << std::endl;
  std::exit(0);
}

// Reads every option; returns the index of the first input file.
int readOptions(int argc, char** argv) {
  int option;
  while ((option = getopt(argc, argv, optionString)) != -1) {
    switch (option) {
    case 'o':
      Generator::outputPath = optarg;
      break;
    case 'G':
      if (!applyGenerateKeyword(optarg, true)) {
        std::cout << drivermsg::invalidGenerate << optarg << std::endl;
        std::exit(1);
      }
      break;
    case 'S':
      if (!applyGenerateKeyword(optarg, false)) {
        std::cout << drivermsg::invalidSuppress << optarg << std::endl;
        std::exit(1);
      }
      break;
    case 'D':
      IDLParser::addCPPDefineArgument(optarg);
      break;
    case 'I':
      IDLParser::addCPPIncludeArgument(optarg);
      break;
    case 'U':
      IDLParser::addCPPUndefineArgument(optarg);
      break;
    case 'i':
      Generator::includeFile = optarg;
      break;
    case 'c':
      IDLParser::setCCFileExtension(optarg);
      break;
    case 'h':
      IDLParser::setHeaderFileExtension(optarg);
      break;
    case 'm':
      IDLParser::setImplementorFileSuffix(optarg);
      break;
    case 'v':
      IDLParser::setInvokerFileSuffix(optarg);
      break;
    case 'E':
      Generator::generateExport = optarg;
      Generator::generateSkelExport = optarg;
      break;
    case 'B':
      Generator::baseObject = optarg;
      break;
    case 'R':
      Generator::corbaIncludeFile = optarg;
      break;
    case 't':
      Generator::printTypeCodes = 1;
      break;
    case '?': // also an unknown option or a missing argument
    case 'u':
      usage();
    default:
      std::cout << drivermsg::optionSyntax << std::endl;
      std::exit(1);
    }
  }
  return optind;
}

} // namespace

bool applyGenerateKeyword(const char* keyword, bool on) {
  for (const GenerateKeyword& entry : generateKeywords) {
    if (std::strcmp(entry.keyword, keyword) != 0)
      continue;
    if (entry.flag)
      *entry.flag = on ? 1 : 0;
    else
      *entry.text = on ? userExport : nullptr;
    return true;
  }
  return false;
}

int runCompiler(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGINT, signalHandler);
  std::signal(SIGQUIT, signalHandler);
  std::signal(SIGTERM, signalHandler);

  IDLParser::initialize();
  int first = readOptions(argc, argv);
  // The current directory is searched after every directory given with -I.
  IDLParser::addCPPIncludeArgument(".");

  for (int i = first; i < argc; ++i) {
    const char* path = argv[i];
    struct stat info;
    if (stat(path, &info) != 0) {
      std::cout << drivermsg::fileMissing << path << drivermsg::fileMissingEnd
                << std::endl;
      std::exit(1);
    }
    IDLParser::preprocessAndAttachInputStream(path);
    // Drop the input path, the temporary name and the terminating null, so
    // the vector is ready for the next file.
    IDLParser::cppArgCount -= 3;
    std::cout << drivermsg::processing << path << drivermsg::processingEnd
              << std::endl;
    processOneFile();
  }
  return 0;
}

void processOneFile() {
  yyparse();
  if (IDLError::_errorCount != 0)
    IDLError::error(drivermsg::parseFailed);

  NCostream out(std::cout);
  if (IDLParser::printTheSymbolTable == 1)
    std::cout << drivermsg::symbolTable;
  if (IDLParser::prettyPrintTheInputFile == 1) {
    if (IDLParser::verbose)
      std::cerr << drivermsg::echoing;
    if (IDLSpec::specification)
      IDLSpec::specification->prettyPrint(out);
  }
  if (IDLParser::writeTheOutputFiles == 1) {
    if (IDLParser::verbose)
      std::cerr << drivermsg::writingOutput;
    // A failure has been reported; the run goes on with the next file.
    Generator::outputToFiles();
  }
  IDLParser::cleanUp();
}

void signalHandler(int signo) {
  std::cout << drivermsg::receivedSignal << signo
            << drivermsg::receivedSignalEnd;
  std::cout.flush();
  std::fflush(stdout);
  cleanup(signo);
}

void cleanup(int, ...) {
  IDLParser::cleanUp();
  // Called from a signal handler: leave without running exit handlers.
  std::_Exit(1);
}
