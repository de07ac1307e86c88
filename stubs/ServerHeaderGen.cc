// stubs/ServerHeaderGen.cc - writes the server header file.
//
// Unlike the other three files, the banner here follows the includes.

#include "stubs/ServerHeaderGen.h"

#include "driver/IDLParser.h"
#include "generate/GenerateMessages.h"
#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "stubs/StubsMessages.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLSpec.h"

#include <fstream>
#include <iostream>
#include <string>

NCString* ServerHeaderGen::_header_file_name = nullptr;

namespace {

// The server header's guard: the file name prefix with "." replaced by "_",
// the server suffix, "_" and the header extension.
std::string headerGuard() {
  std::string guard = Generator::_file_name_prefix->chars();
  for (char& c : guard)
    if (c == '.')
      c = '_';
  return guard + IDLParser::implementorFileSuffix->chars() + "_" +
         IDLParser::headerFileExtension->chars();
}

// Collects into `files` (as new strings) the names of the IDL files other
// than the one being compiled that top-level definitions came from, each
// once, in order of first appearance. Returns 1 after a message when a
// definition has no file name.
int collectIncludedFiles(NCOrderedCltn& files) {
  NCOrderedCltn* definitions = Generator::_spec->definitions();
  if (!definitions)
    return 0;
  for (unsigned i = 0; i < definitions->size(); ++i) {
    IDLDefinition* def = static_cast<IDLDefinition*>(definitions->at(i));
    const NCString* fileName = def->fileName();
    if (!fileName) {
      std::cerr << stubmsg::serverHeaderPrintIncludes
                << genmsg::nullDefinitionFile;
      return 1;
    }
    if (!Generator::isIncludedFile(*fileName) ||
        Generator::isOrbIdl(*fileName) || files.occurrencesOf(*fileName))
      continue;
    files.add(*new NCString(*fileName));
  }
  return 0;
}

// The tie classes of `def`: the reference tie and the pointer tie, each when
// its setting is on. The tie code reads the two settings to tell which one
// it writes, so while one is written the other setting is cleared.
void writeTies(std::ostream& os, IDLDefinition* def) {
  // The templates themselves come from the tieCode of modules, interfaces,
  // operations and attributes; the other nodes write nothing.
  if (Generator::generateTie && Generator::generatePTie) {
    Generator::generatePTie = 0;
    def->tieCode(os, 1);
    Generator::generatePTie = 1;
    Generator::generateTie = 0;
    def->tieCode(os, 1);
    Generator::generateTie = 1;
  } else if (Generator::generateTie || Generator::generatePTie) {
    def->tieCode(os, 1);
  }
}

} // namespace

int ServerHeaderGen::generateHeaderFile() {
  if (!Generator::_file_name_prefix) {
    std::cerr << genmsg::noFileNamePrefix << std::endl;
    return 1;
  }
  delete _header_file_name;
  _header_file_name = Generator::idlToServerHeader(Generator::_idl_file_name);
  if (!_header_file_name) {
    std::cerr << genmsg::noHeaderFileName << std::endl;
    return 1;
  }
  std::ofstream os(Generator::makeOutputPath(*_header_file_name),
                   std::ios::out | std::ios::trunc);
  if (!os) {
    std::cerr << stubmsg::serverHeaderGenerateFile << genmsg::unableToOpen
              << _header_file_name->chars() << genmsg::forOutput << std::endl;
    return 1;
  }
  printPrologue(os);
  os << std::endl;
  if (int rc = printIncludes(os))
    return rc;
  os << endltab;
  Generator::printGreeting(os);
  os << endltab;
  if (int rc = printBody(os))
    return rc;
  os << std::endl;
  printEpilogue(os);
  os << endltab;
  return 0;
}

int ServerHeaderGen::printPrologue(std::ostream& os) {
  std::string guard = headerGuard();
  os << "#ifndef _" << guard << std::endl;
  os << "#define _" << guard << endltab;
  return 0;
}

int ServerHeaderGen::printIncludes(std::ostream& os) {
  if (!Generator::_file_name_prefix) {
    std::cerr << genmsg::noFileNamePrefix << std::endl;
    return 1;
  }
  NCString* clientHeader = Generator::idlToHeader(Generator::_idl_file_name);
  if (!clientHeader) {
    std::cerr << genmsg::noHeaderFileName << std::endl;
    return 1;
  }
  os << "#include \"" << clientHeader->chars() << "\"" << std::endl;
  delete clientHeader;

  NCOrderedCltn files(16);
  int rc = collectIncludedFiles(files);
  for (unsigned i = 0; rc == 0 && i < files.size(); ++i) {
    NCString* serverHeader =
        Generator::idlToServerHeader(static_cast<NCString*>(files.at(i)));
    os << "#include \"" << serverHeader->chars() << "\"" << std::endl;
    delete serverHeader;
  }
  files.removeAndFreeAll();
  return rc;
}

int ServerHeaderGen::printBody(std::ostream& os) {
  NCOrderedCltn* definitions = Generator::_spec->definitions();
  if (!definitions)
    return 0;
  for (unsigned i = 0; i < definitions->size(); ++i) {
    IDLDefinition* def = static_cast<IDLDefinition*>(definitions->at(i));
    const NCString* fileName = def->fileName();
    if (!fileName) {
      std::cerr << stubmsg::serverHeaderPrintBody << genmsg::nullDefinitionFile;
      return 1;
    }
    if (!Generator::isThisFile(*fileName))
      continue;
    def->serverHeaderCode(os);
    writeTies(os, def);
  }
  return 0;
}

int ServerHeaderGen::printEpilogue(std::ostream& os) {
  os << "#endif" << endltab;
  return 0;
}
