// driver/IDLParser.cc - the front end's run settings and the preprocessor run.
//
// The preprocessor writes into a temporary file that is created afresh for
// every input file and removed on every way out of the run, including
// errors and caught signals.

#include "driver/IDLParser.h"

#include "driver/DriverMessages.h"
#include "frontend/IDLError.h"
#include "frontend/ScanSupport.h"
#include "nclib/NCString.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <memory>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

int IDLParser::writeTheOutputFiles = 1;
int IDLParser::prettyPrintTheInputFile = 0;
int IDLParser::printTheSymbolTable = 0;
int IDLParser::verbose = 0;
NCString* IDLParser::cppExecutable = nullptr;
std::vector<char*> IDLParser::cppArguments;
int IDLParser::cppArgCount = 0;
char* IDLParser::cppTemporaryFileName = nullptr;
NCString* IDLParser::inputIDLFileName = nullptr;
std::FILE* IDLParser::inputFD = nullptr;
std::istream* IDLParser::strm = nullptr;
NCString* IDLParser::currentCPPIncludedFileName = nullptr;
int IDLParser::currentCPPIncludedFileLineNumber = 0;
NCString* IDLParser::headerFileExtension = nullptr;
NCString* IDLParser::ccFileExtension = nullptr;
NCString* IDLParser::implementorFileSuffix = nullptr;
NCString* IDLParser::invokerFileSuffix = nullptr;

namespace {

constexpr const char* vendorPreprocessor = "/usr/ccs/lib/cpp";
constexpr const char* frontProgramName = "velmaric-cpp";
constexpr const char* temporaryNamePattern = "/velmaric.cpp.o.XXXXXX";
constexpr std::size_t temporaryNameSuffix = 6; // the X characters
constexpr std::size_t maxMarkerText = 2048;

// Preprocessor arguments IDLParser made itself, kept so they stay reachable.
std::vector<std::unique_ptr<char[]>> ownedArguments;
// Every file name a line marker announced: tree nodes keep these pointers,
// so the strings live for the whole run.
std::vector<std::unique_ptr<NCString>> announcedFileNames;
// The preprocessor child while it runs, so a caught signal can stop it
// before the temporary file is removed (else it could write the file anew).
pid_t preprocessorPid = 0;

char* copyArgument(const char* prefix, const char* text) {
  std::size_t size = std::strlen(prefix) + std::strlen(text) + 1;
  ownedArguments.emplace_back(new char[size]);
  char* copy = ownedArguments.back().get();
  std::strcpy(copy, prefix);
  std::strcat(copy, text);
  return copy;
}

// The vendor preprocessor where the host has one, else the front program
// installed beside the running velmaric.
std::string defaultPreprocessor() {
  if (access(vendorPreprocessor, X_OK) == 0)
    return vendorPreprocessor;
  char self[4096];
  ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0)
    return vendorPreprocessor;
  self[length] = '\0';
  std::string path(self);
  std::string::size_type slash = path.rfind('/');
  if (slash == std::string::npos)
    return vendorPreprocessor;
  return path.substr(0, slash + 1) + frontProgramName;
}

void replaceName(NCString*& part, const char* text) {
  delete part;
  part = new NCString(text);
}

void setFileName(const char* name) {
  announcedFileNames.emplace_back(new NCString(name));
  IDLParser::currentCPPIncludedFileName = announcedFileNames.back().get();
}

// The name buffer is reused for every file: give it back its X characters
// so each run gets a fresh unique name. Only the name is wanted: the
// preprocessor creates the file itself, so one that exits without writing
// its output leaves no file behind and the reopen reports it.
void makeTemporaryName() {
  char* name = IDLParser::cppTemporaryFileName;
  std::size_t length = std::strlen(name);
  std::memset(name + length - temporaryNameSuffix, 'X', temporaryNameSuffix);
  int fd = mkstemp(name);
  if (fd >= 0) {
    close(fd);
    unlink(name);
  }
}

} // namespace

void IDLParser::initialize() {
  const char* cpp = std::getenv("DEFAULT_CPP_EXECUTABLE");
  std::string cppPath = cpp ? std::string(cpp) : defaultPreprocessor();

  const char* tmpdir = std::getenv("TMPDIR");
  std::string temporary = std::string(tmpdir ? tmpdir : "/tmp");
  temporary += temporaryNamePattern;
  delete[] cppTemporaryFileName;
  cppTemporaryFileName = new char[temporary.size() + 1];
  std::strcpy(cppTemporaryFileName, temporary.c_str());

  strm = &std::cin;
  printWelcomeMessage();

  writeTheOutputFiles = 1;
  prettyPrintTheInputFile = 0;
  printTheSymbolTable = 0;
  verbose = 0;
  replaceName(headerFileExtension, "hh");
  replaceName(ccFileExtension, "cc");
  replaceName(implementorFileSuffix, "_server");
  replaceName(invokerFileSuffix, "_client");

  replaceName(cppExecutable, cppPath.c_str());
  ownedArguments.clear();
  cppArguments.assign(1, copyArgument("", cppExecutable->chars()));
  cppArgCount = 0;
  addCPPArgument(copyArgument("-E", ""));
}

void IDLParser::setHeaderFileExtension(const char* text) {
  replaceName(headerFileExtension, text);
}

void IDLParser::setCCFileExtension(const char* text) {
  replaceName(ccFileExtension, text);
}

void IDLParser::setImplementorFileSuffix(const char* text) {
  replaceName(implementorFileSuffix, text);
}

void IDLParser::setInvokerFileSuffix(const char* text) {
  replaceName(invokerFileSuffix, text);
}

void IDLParser::addCPPArgument(char* argument) {
  ++cppArgCount;
  if (cppArguments.size() <= static_cast<std::size_t>(cppArgCount))
    cppArguments.resize(static_cast<std::size_t>(cppArgCount) + 1);
  cppArguments[static_cast<std::size_t>(cppArgCount)] = argument;
}

void IDLParser::addCPPIncludeArgument(const char* argument) {
  addCPPArgument(copyArgument("-I", argument));
}

void IDLParser::addCPPDefineArgument(const char* argument) {
  addCPPArgument(copyArgument("-D", argument));
}

void IDLParser::addCPPUndefineArgument(const char* argument) {
  addCPPArgument(copyArgument("-U", argument));
}

void IDLParser::preprocessAndAttachInputStream(const char* path) {
  delete inputIDLFileName;
  inputIDLFileName = new NCString(path);
  if (verbose)
    std::cerr << drivermsg::preprocessingFile << path;

  preprocessInputThroughCPP();

  inputFD = std::freopen(cppTemporaryFileName, "r", stdin);
  if (verbose)
    std::cerr << drivermsg::parsingFile << cppTemporaryFileName;
  if (!inputFD) {
    std::cerr << drivermsg::couldntOpen << '"' << path << '"'
              << drivermsg::couldntOpenEnd;
    IDLError::exit();
  }

  // Until the first line marker, errors name the input file.
  setFileName(path);
  currentCPPIncludedFileLineNumber = 1;
  strm->clear();
  restartScanner();
}

void IDLParser::preprocessInputThroughCPP() {
  makeTemporaryName();

  addCPPArgument(const_cast<char*>(inputIDLFileName->chars()));
  addCPPArgument(cppTemporaryFileName);
  if (verbose) {
    std::cerr << drivermsg::cppArgumentsTrace;
    for (int i = 0; i <= cppArgCount; ++i)
      std::cerr << cppArguments[static_cast<std::size_t>(i)] << " ";
  }
  addCPPArgument(nullptr);

  // The child inherits the stdio buffers: empty them so that nothing is
  // written twice.
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);

  pid_t pid = fork();
  if (pid < 0) {
    std::perror("fork");
    IDLError::exit();
  }
  if (pid == 0) {
    execv(cppArguments[0], cppArguments.data());
    std::perror("execv");
    IDLError::exit();
  }

  preprocessorPid = pid;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  preprocessorPid = 0;

  if (((status >> 8) & 0xff) != 0) {
    std::cerr << drivermsg::cppFailed;
    unlink(cppTemporaryFileName);
    IDLError::exit();
  }
}

void IDLParser::setCPPIncludedFileAndLine(NCString* markerLine) {
  const char* text = markerLine->chars();
  std::size_t length = markerLine->length();
  if (length >= maxMarkerText) {
    std::cerr << drivermsg::markerTooLong;
    IDLError::exit();
  }
  if (text[0] != '#') {
    std::cerr << drivermsg::badFormat << drivermsg::insanity;
    IDLError::exit();
  }

  // Every digit up to the opening quote is part of the line number, however
  // it is spread; a number too long for a line wraps around.
  std::uint32_t line = 0;
  std::size_t i = 0;
  for (; i < length && text[i] != '"'; ++i)
    if (text[i] >= '0' && text[i] <= '9')
      line = line * 10 + static_cast<std::uint32_t>(text[i] - '0');
  currentCPPIncludedFileLineNumber = static_cast<int>(line);
  if (i == length)
    return;

  const char* name = text + i + 1;
  const char* close = std::strchr(name, '"');
  std::size_t nameLength =
      close ? static_cast<std::size_t>(close - name) : std::strlen(name);
  if (nameLength > maxMarkerText - 1)
    nameLength = maxMarkerText - 1;
  setFileName(std::string(name, nameLength).c_str());
}

void IDLParser::printWelcomeMessage() {
  if (!verbose)
    return;
  std::cerr << drivermsg::bannerRule << "\n";
  std::cerr << drivermsg::bannerTitle << "\n";
  std::cerr << drivermsg::bannerMaker << "\n";
  std::cerr << drivermsg::bannerRule << "\n";
}

void IDLParser::cleanUp() {
  if (preprocessorPid > 0) {
    kill(preprocessorPid, SIGTERM);
    while (waitpid(preprocessorPid, nullptr, 0) < 0 && errno == EINTR) {
    }
    preprocessorPid = 0;
  }
  if (inputFD) {
    std::fclose(inputFD);
    inputFD = nullptr;
  }
  if (!cppTemporaryFileName)
    return;
  if (verbose)
    std::cerr << drivermsg::removingFile << cppTemporaryFileName;
  unlink(cppTemporaryFileName);
}
