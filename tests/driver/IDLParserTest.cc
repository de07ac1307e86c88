// tests/driver/IDLParserTest.cc - settings, the preprocessor vector and the
// line-marker parsing of IDLParser.

#include "driver/IDLParser.h"

#include "nclib/NCString.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::Eq;
using ::testing::ExitedWithCode;

std::vector<std::string> arguments() {
  std::vector<std::string> result;
  for (int i = 0; i <= IDLParser::cppArgCount; ++i)
    result.emplace_back(IDLParser::cppArguments[static_cast<std::size_t>(i)]);
  return result;
}

TEST(IDLParser, InitializeSetsTheDefaults) {
  setenv("DEFAULT_CPP_EXECUTABLE", "/opt/cpp/bin/cpp", 1);
  setenv("TMPDIR", "/var/x", 1);
  IDLParser::initialize();
  EXPECT_STREQ(IDLParser::cppExecutable->chars(), "/opt/cpp/bin/cpp");
  EXPECT_EQ(IDLParser::cppArgCount, 1);
  EXPECT_THAT(arguments(), ElementsAre("/opt/cpp/bin/cpp", "-E"));
  EXPECT_STREQ(IDLParser::cppTemporaryFileName, "/var/x/velmaric.cpp.o.XXXXXX");
  EXPECT_STREQ(IDLParser::headerFileExtension->chars(), "hh");
  EXPECT_STREQ(IDLParser::ccFileExtension->chars(), "cc");
  EXPECT_STREQ(IDLParser::implementorFileSuffix->chars(), "_server");
  EXPECT_STREQ(IDLParser::invokerFileSuffix->chars(), "_client");
  EXPECT_EQ(IDLParser::writeTheOutputFiles, 1);
  EXPECT_EQ(IDLParser::prettyPrintTheInputFile, 0);
  EXPECT_EQ(IDLParser::printTheSymbolTable, 0);
  EXPECT_EQ(IDLParser::verbose, 0);
  EXPECT_EQ(IDLParser::inputFD, nullptr);
}

// Without the variables: /tmp, and the vendor preprocessor where the host
// has one, else the front program beside the running program.
TEST(IDLParser, InitializeWithoutEnvironment) {
  unsetenv("DEFAULT_CPP_EXECUTABLE");
  unsetenv("TMPDIR");
  IDLParser::initialize();
  EXPECT_STREQ(IDLParser::cppTemporaryFileName, "/tmp/velmaric.cpp.o.XXXXXX");
  std::string cpp = IDLParser::cppExecutable->chars();
  if (access("/usr/ccs/lib/cpp", X_OK) == 0) {
    EXPECT_EQ(cpp, "/usr/ccs/lib/cpp");
  } else {
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    ASSERT_GT(n, 0);
    std::string dir(self, static_cast<std::size_t>(n));
    dir.erase(dir.rfind('/') + 1);
    EXPECT_EQ(cpp, dir + "velmaric-cpp");
  }
}

TEST(IDLParser, OptionsAppendInCommandLineOrder) {
  setenv("DEFAULT_CPP_EXECUTABLE", "cpp", 1);
  IDLParser::initialize();
  IDLParser::addCPPDefineArgument("X=1");
  IDLParser::addCPPIncludeArgument("inc");
  IDLParser::addCPPUndefineArgument("Y");
  IDLParser::addCPPIncludeArgument("");
  EXPECT_THAT(arguments(),
              ElementsAre("cpp", "-E", "-DX=1", "-Iinc", "-UY", "-I"));
  // The vector grows: more than 100 entries fit.
  for (int i = 0; i < 150; ++i)
    IDLParser::addCPPDefineArgument("Z");
  EXPECT_EQ(IDLParser::cppArgCount, 155);
  EXPECT_STREQ(IDLParser::cppArguments[155], "-DZ");
}

TEST(IDLParser, NamePartsAreReplaced) {
  IDLParser::initialize();
  IDLParser::setHeaderFileExtension("hpp");
  IDLParser::setCCFileExtension("cpp");
  IDLParser::setImplementorFileSuffix("_s");
  IDLParser::setInvokerFileSuffix("_c");
  EXPECT_STREQ(IDLParser::headerFileExtension->chars(), "hpp");
  EXPECT_STREQ(IDLParser::ccFileExtension->chars(), "cpp");
  EXPECT_STREQ(IDLParser::implementorFileSuffix->chars(), "_s");
  EXPECT_STREQ(IDLParser::invokerFileSuffix->chars(), "_c");
}

// Every digit before the opening quote is folded into the line number; the
// name runs to the next quote or to the end.
TEST(IDLParser, MarkerSetsFileAndLine) {
  struct Case {
    const char* marker;
    int line;
    const char* file;
  };
  const Case cases[] = {
      {"# 12 \"a.idl\" 2\n", 12, "a.idl"},
      {"# 1 \"b.idl\"\n", 1, "b.idl"},
      {"#line 40\n", 40, "b.idl"},
      {"# 0010 \"x.idl\"\n", 10, "x.idl"},
      {"# line 8 \"c d.idl\" 1\n", 8, "c d.idl"},
      {"#1x2 \"f\"\n", 12, "f"},
      {"# 5 \"open\n", 5, "open\n"},
      {"# \"\"\n", 0, ""},
      {"#\n", 0, ""},
  };
  for (const Case& c : cases) {
    NCString text(c.marker);
    IDLParser::setCPPIncludedFileAndLine(&text);
    EXPECT_EQ(IDLParser::currentCPPIncludedFileLineNumber, c.line) << c.marker;
    EXPECT_STREQ(IDLParser::currentCPPIncludedFileName->chars(), c.file)
        << c.marker;
  }
}

// Names stay valid after later markers, since tree nodes may keep them.
TEST(IDLParser, EarlierFileNamesStayAlive) {
  NCString first("# 1 \"first.idl\"\n");
  IDLParser::setCPPIncludedFileAndLine(&first);
  const NCString* kept = IDLParser::currentCPPIncludedFileName;
  NCString second("# 1 \"second.idl\"\n");
  IDLParser::setCPPIncludedFileAndLine(&second);
  EXPECT_STREQ(kept->chars(), "first.idl");
}

TEST(IDLParserDeathTest, MarkerOf2048CharactersIsTooLong) {
  std::string ok = "# 1 \"" + std::string(2040, 'n') + "\"\n";
  ASSERT_EQ(ok.size(), 2047u);
  NCString okText(ok.c_str());
  IDLParser::setCPPIncludedFileAndLine(&okText);
  EXPECT_EQ(std::strlen(IDLParser::currentCPPIncludedFileName->chars()), 2040u);

  NCString tooLong(("# 1 \"" + std::string(2041, 'n') + "\"\n").c_str());
  EXPECT_EXIT(IDLParser::setCPPIncludedFileAndLine(&tooLong), ExitedWithCode(1),
              Eq("\nVelmaric: Preprocessor compiler directive line too long"));
}

TEST(IDLParserDeathTest, MarkerWithoutHashIsInsane) {
  NCString text("12 \"a.idl\"\n");
  EXPECT_EXIT(IDLParser::setCPPIncludedFileAndLine(&text), ExitedWithCode(1),
              Eq("\nVelmaric: Preprocessed input has bad format"
                 "\nVelmaric: Lexical analysis insanity check violation"));
}

TEST(IDLParser, CleanUpRemovesTheFileAndMayRepeat) {
  setenv("TMPDIR", ::testing::TempDir().c_str(), 1);
  IDLParser::initialize();
  int fd = mkstemp(IDLParser::cppTemporaryFileName);
  ASSERT_GE(fd, 0);
  close(fd);
  IDLParser::cleanUp();
  EXPECT_NE(access(IDLParser::cppTemporaryFileName, F_OK), 0);
  IDLParser::cleanUp();
}

} // namespace
