// stubs/ClientGen.cc - writes the client implementation file.

#include "stubs/ClientGen.h"

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

NCString* ClientGen::_client_file_name = nullptr;

int ClientGen::generateClientFile() {
  if (!Generator::_file_name_prefix) {
    std::cerr << genmsg::noFileNamePrefix << std::endl;
    return 1;
  }
  delete _client_file_name;
  _client_file_name = Generator::idlToClient(Generator::_idl_file_name);
  if (!_client_file_name) {
    std::cerr << stubmsg::noClientFileName;
    return 1;
  }
  std::ofstream os(Generator::makeOutputPath(*_client_file_name),
                   std::ios::out | std::ios::trunc);
  if (!os) {
    std::cerr << stubmsg::clientGenerateFile << genmsg::unableToOpen
              << _client_file_name->chars() << genmsg::forOutput << std::endl;
    return 1;
  }
  Generator::printGreeting(os);
  os << std::endl;
  if (int rc = printIncludes(os))
    return rc;
  os << endltab;
  if (int rc = printBody(os))
    return rc;
  os << endltab;
  return 0;
}

int ClientGen::printIncludes(std::ostream& os) {
  if (!Generator::_file_name_prefix) {
    std::cerr << genmsg::noFileNamePrefix << std::endl;
    return 1;
  }
  NCString* header = Generator::idlToHeader(Generator::_idl_file_name);
  if (!header) {
    std::cerr << genmsg::noHeaderFileName << std::endl;
    return 1;
  }
  if (Generator::includeFile)
    os << "#include \"" << Generator::includeFile << "\"" << std::endl;
  os << "#include \"" << header->chars() << "\"" << endltab;
  delete header;
  return 0;
}

int ClientGen::printBody(std::ostream& os) {
  NCOrderedCltn* definitions = Generator::_spec->definitions();
  if (!definitions)
    return 0;
  for (unsigned i = 0; i < definitions->size(); ++i) {
    IDLDefinition* def = static_cast<IDLDefinition*>(definitions->at(i));
    const NCString* fileName = def->fileName();
    if (!fileName) {
      std::cerr << stubmsg::clientPrintBody << genmsg::nullDefinitionFile;
      return 1;
    }
    // Predefined names and definitions from included files have their
    // client code elsewhere.
    if (!Generator::isThisFile(*fileName))
      continue;
    def->clientCCode(os);
  }
  return 0;
}
