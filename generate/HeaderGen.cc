// generate/HeaderGen.cc - writes the client header file.
//
// Definitions that came from an included IDL file are not declared again:
// the header includes that file's own generated client header instead.

#include "generate/HeaderGen.h"

#include "driver/IDLParser.h"
#include "generate/GenerateMessages.h"
#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCSet.h"
#include "nclib/NCString.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLSpec.h"

#include <fstream>
#include <iostream>
#include <string>

NCString* HeaderGen::_header_file_name = nullptr;

namespace {

// The client header's guard: the file name prefix with "." replaced by "_",
// the client suffix, "_" and the header extension.
std::string headerGuard() {
  std::string guard = Generator::_file_name_prefix->chars();
  for (char& c : guard)
    if (c == '.')
      c = '_';
  return guard + IDLParser::invokerFileSuffix->chars() + "_" +
         IDLParser::headerFileExtension->chars();
}

// Writes the include of the client header generated for `fileName` (an IDL
// file other than the one being compiled), once per file name.
void writeIncludedHeader(std::ostream& os, const NCString& fileName,
                         NCSet& included) {
  if (Generator::isOrbIdl(fileName) || included.occurrencesOf(fileName))
    return;
  NCString* stripped = Generator::stripDirectory(&fileName);
  NCString* header = Generator::idlToHeader(stripped);
  os << "#include \"" << header->chars() << "\"" << std::endl;
  delete header;
  delete stripped;
  included.add(*new NCString(fileName));
}

} // namespace

int HeaderGen::generateHeaderFile() {
  if (!Generator::_file_name_prefix) {
    std::cerr << genmsg::noFileNamePrefix << std::endl;
    return 1;
  }
  delete _header_file_name;
  _header_file_name = Generator::idlToHeader(Generator::_idl_file_name);
  if (!_header_file_name) {
    std::cerr << genmsg::noHeaderFileName << std::endl;
    return 1;
  }
  std::string path = Generator::makeOutputPath(*_header_file_name);
  std::ofstream os(path, std::ios::out | std::ios::trunc);
  if (!os) {
    std::cerr << genmsg::headerGenerateFile << genmsg::unableToOpen << path
              << genmsg::forOutput << std::endl;
    return 1;
  }
  // A failing section has reported itself; the file is still completed.
  printPrologue(os);
  os << endltab;
  Generator::printGreeting(os);
  os << std::endl;
  printIncludes(os);
  os << endltab;
  printBody(os);
  os << std::endl;
  printEpilogue(os);
  os << endltab;
  return 0;
}

int HeaderGen::printPrologue(std::ostream& os) {
  std::string guard = headerGuard();
  os << "#ifndef _" << guard << std::endl;
  os << "#define _" << guard << endltab;
  return 0;
}

int HeaderGen::printIncludes(std::ostream& os) {
  if (Generator::printTypeCodes) {
    os << "#ifndef _TOV_INCLUDE_IR" << std::endl;
    os << "#define _TOV_INCLUDE_IR" << std::endl;
    os << "#endif" << std::endl;
  }
  os << "#include \"" << Generator::corbaIncludeFile << "\"" << endltab;
  if (Generator::generateTrace)
    os << "#include \"tovtrace.h\"" << endltab;
  return 0;
}

int HeaderGen::printBody(std::ostream& os) {
  NCOrderedCltn* definitions = Generator::_spec->definitions();
  if (!definitions)
    return 0;
  NCSet included(16);
  int rc = 0;
  for (unsigned i = 0; i < definitions->size(); ++i) {
    IDLDefinition* def = static_cast<IDLDefinition*>(definitions->at(i));
    const NCString* fileName = def->fileName();
    if (!fileName) {
      std::cerr << genmsg::headerPrintBody << genmsg::nullDefinitionFile;
      rc = 1;
      break;
    }
    if (Generator::isIncludedFile(*fileName))
      writeIncludedHeader(os, *fileName, included);
    else if (Generator::isThisFile(*fileName))
      def->headerCode(os);
  }
  included.removeAndFreeAll();
  return rc;
}

int HeaderGen::printEpilogue(std::ostream& os) {
  os << "#endif" << endltab;
  return 0;
}
