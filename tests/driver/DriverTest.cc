// tests/driver/DriverTest.cc - options read into the settings.

#include "driver/Driver.h"

#include "driver/IDLParser.h"
#include "generate/Generator.h"
#include "nclib/NCString.h"

#include <initializer_list>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

// Runs the command line `words` (after the program name) in this process;
// with no file named, the run returns after reading the options.
int run(std::initializer_list<const char*> words) {
  static std::vector<std::string> storage; // option arguments are kept
  storage.assign({"velmaric"});
  storage.insert(storage.end(), words.begin(), words.end());
  static std::vector<char*> argv;
  argv.clear();
  for (std::string& word : storage)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  return runCompiler(static_cast<int>(argv.size()) - 1, argv.data());
}

TEST(Driver, DefaultsBeforeAnyOption) {
  EXPECT_EQ(Generator::generateStdStream, 1);
  EXPECT_EQ(Generator::generateContainer, 0);
  EXPECT_EQ(Generator::generateExcepSpec, 1);
  EXPECT_EQ(Generator::generateExceptions, 1);
  EXPECT_EQ(Generator::generateTie, 1);
  EXPECT_EQ(Generator::generatePTie, 0);
  EXPECT_EQ(Generator::generateExport, nullptr);
  EXPECT_EQ(Generator::generateSkelExport, nullptr);
  EXPECT_EQ(Generator::overloadVarFunc, 1);
  EXPECT_EQ(Generator::generateTrace, 0);
  EXPECT_EQ(Generator::generateInline, 1);
  EXPECT_EQ(Generator::printTypeCodes, 0);
  EXPECT_STREQ(Generator::baseObject, "CORBA_Object");
  EXPECT_STREQ(Generator::corbaIncludeFile, "corba.h");
  EXPECT_EQ(Generator::includeFile, nullptr);
  EXPECT_EQ(Generator::outputPath, nullptr);
}

// Each keyword switches its own setting: on with -G, off with -S.
TEST(Driver, GenerateAndSuppressKeywords) {
  struct Case {
    const char* keyword;
    int* flag;
  };
  const Case cases[] = {
      {"stdstream", &Generator::generateStdStream},
      {"container", &Generator::generateContainer},
      {"excepspec", &Generator::generateExcepSpec},
      {"exceptions", &Generator::generateExceptions},
      {"tie", &Generator::generateTie},
      {"ptie", &Generator::generatePTie},
      {"overloadVar", &Generator::overloadVarFunc},
      {"trace", &Generator::generateTrace},
      {"inline", &Generator::generateInline},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(applyGenerateKeyword(c.keyword, false));
    EXPECT_EQ(*c.flag, 0) << c.keyword;
    EXPECT_TRUE(applyGenerateKeyword(c.keyword, true));
    EXPECT_EQ(*c.flag, 1) << c.keyword;
  }
  EXPECT_TRUE(applyGenerateKeyword("export", true));
  EXPECT_STREQ(Generator::generateExport, "_USEREXPORT");
  EXPECT_EQ(Generator::generateSkelExport, nullptr);
  EXPECT_TRUE(applyGenerateKeyword("exportskel", true));
  EXPECT_STREQ(Generator::generateSkelExport, "_USEREXPORT");
  EXPECT_TRUE(applyGenerateKeyword("export", false));
  EXPECT_EQ(Generator::generateExport, nullptr);
  for (const char* wrong : {"Tie", "tie ", "", "overloadvar", "exports"})
    EXPECT_FALSE(applyGenerateKeyword(wrong, true)) << wrong;
}

TEST(Driver, LaterOptionOverridesEarlier) {
  EXPECT_EQ(run({"-G", "tie", "-S", "tie"}), 0);
  EXPECT_EQ(Generator::generateTie, 0);
}

TEST(Driver, ExportNameThenSuppressExport) {
  EXPECT_EQ(run({"-E", "MYEXPORT", "-S", "export"}), 0);
  EXPECT_STREQ(Generator::generateSkelExport, "MYEXPORT");
  EXPECT_EQ(Generator::generateExport, nullptr);
}

TEST(Driver, OptionsSetTheirSettings) {
  EXPECT_EQ(run({"-o",    "out", "-i",   "extra.h", "-B",    "Base", "-R",
                 "orb.h", "-t",  "-c",   "cpp",     "-h",    "hpp",  "-m",
                 "_srv",  "-v",  "_cli", "-Dd",     "-Iinc", "-Uu"}),
            0);
  EXPECT_STREQ(Generator::outputPath, "out");
  EXPECT_STREQ(Generator::includeFile, "extra.h");
  EXPECT_STREQ(Generator::baseObject, "Base");
  EXPECT_STREQ(Generator::corbaIncludeFile, "orb.h");
  EXPECT_EQ(Generator::printTypeCodes, 1);
  EXPECT_STREQ(IDLParser::ccFileExtension->chars(), "cpp");
  EXPECT_STREQ(IDLParser::headerFileExtension->chars(), "hpp");
  EXPECT_STREQ(IDLParser::implementorFileSuffix->chars(), "_srv");
  EXPECT_STREQ(IDLParser::invokerFileSuffix->chars(), "_cli");
  // The current directory comes after the user's options.
  ASSERT_EQ(IDLParser::cppArgCount, 5);
  EXPECT_STREQ(IDLParser::cppArguments[2], "-Dd");
  EXPECT_STREQ(IDLParser::cppArguments[3], "-Iinc");
  EXPECT_STREQ(IDLParser::cppArguments[4], "-Uu");
  EXPECT_STREQ(IDLParser::cppArguments[5], "-I.");
}

} // namespace
