// stubs/ClientGen.cc - writes the client implementation file.

#include "stubs/ClientGen.h"

#include "generate/GenerateMessages.h"
#include "generate/Generator.h"
#include "generate/NameText.h"
#include "nclib/NCIterator.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCSet.h"
#include "nclib/NCString.h"
#include "stubs/StubsMessages.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLSpec.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using nametext::scopedNameOf;

// The registry entries of one kind that this file declares, each handed to
// `implement`. Stops at an entry without a file name.
template <typename Implement>
int implementEntries(NCSet& entries, IDLDefinition::DefinitionType kind,
                     const char* routine, Implement implement) {
  NCIterator it(entries);
  while (NCObject* obj = it.next()) {
    IDLDefinition* entry = static_cast<IDLDefinition*>(obj);
    if (entry->kind() != kind)
      continue;
    if (!entry->fileName()) {
      std::cerr << routine << genmsg::nullDefinitionFile;
      return 1;
    }
    // Included files implement their own classes.
    if (!Generator::isThisFile(*entry->fileName()))
      continue;
    implement(entry);
  }
  return 0;
}

} // namespace

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

int ClientGen::printImplementSequences(std::ostream& os, IDLScope* scope) {
  if (!scope)
    return 0;
  os << endltab;
  NCSet* entries = Generator::getAllSequences(scope);
  if (!entries) {
    std::cerr << stubmsg::clientImplementSequences << genmsg::nullSequences;
    return 1;
  }
  int rc = implementEntries(
      *entries, IDLDefinition::DEF_simple_decl,
      stubmsg::clientImplementSequences, [&os](IDLDefinition* entry) {
        IDLDefinition* sequence =
            static_cast<IDLSimpleDecl*>(entry)->declaredType();
        printImplementSeq(os, sequence, entry, sequence);
      });
  delete entries;
  return rc;
}

int ClientGen::printImplementArrays(std::ostream& os, IDLScope* scope) {
  if (!scope)
    return 0;
  os << endltab;
  NCSet* entries = Generator::getAllArrays(scope);
  if (!entries) {
    // The registries travel together, so the reason names the sequences.
    std::cerr << stubmsg::clientImplementArrays << genmsg::nullSequences;
    return 1;
  }
  int rc = implementEntries(
      *entries, IDLDefinition::DEF_array_decl, stubmsg::clientImplementArrays,
      [&os](IDLDefinition* entry) {
        printImplementArr(os, static_cast<IDLArrayDecl*>(entry)->declaredType(),
                          entry);
      });
  delete entries;
  return rc;
}

// Several typedefs and members may share one sequence type; its class is
// written once per file, under the name the client header gave it.
void ClientGen::printImplementSeq(std::ostream& os, IDLDefinition* seqType,
                                  IDLDefinition* decl, IDLDefinition*) {
  IDLSequenceType* sequence = static_cast<IDLSequenceType*>(seqType);
  if (sequence->implemented())
    return;
  bool bounded = sequence->bound() != nullptr;
  int bound = bounded ? static_cast<int>(sequence->bound()->getInt()) : 0;
  IDLDefinition* element = Generator::getType(sequence->elementType());
  std::string e = scopedNameOf(element, nullptr);
  std::string className;
  if (sequence->declared()) {
    className = sequence->className().chars();
  } else {
    std::string given = scopedNameOf(sequence->elementType(), nullptr);
    NCString* made = Generator::makeSequenceName(given.c_str(), bound);
    className = made->chars();
    delete made;
  }
  std::ostringstream scope;
  Generator::printScope(scope, decl, nullptr);
  std::string prefixText = scope.str();
  const char* prefix = prefixText.empty() ? nullptr : prefixText.c_str();
  const char* c = className.c_str();

  switch (Generator::getTypeCategory(element, nullptr)) {
  case 0:
    if (element->kind() == IDLDefinition::DEF_enum_type) {
      if (bounded)
        Generator::implementBoundedEnumSequence(os, c, e.c_str(), bound,
                                                prefix);
      else
        Generator::implementUnboundedEnumSequence(os, c, e.c_str(), prefix);
    } else if (bounded) {
      Generator::implementBoundedPrimitiveSequence(os, c, e.c_str(), bound,
                                                   prefix);
    } else {
      Generator::implementUnboundedPrimitiveSequence(os, c, e.c_str(), prefix);
    }
    break;
  case 1:
    if (element->kind() == IDLDefinition::DEF_string_type) {
      if (bounded)
        Generator::implementBoundedStringSequence(os, c, bound, prefix);
      else
        Generator::implementUnboundedStringSequence(os, c, prefix);
    } else if (bounded) {
      Generator::implementBoundedConstructedSequence(os, c, e.c_str(), bound,
                                                     prefix);
    } else {
      Generator::implementUnboundedConstructedSequence(os, c, e.c_str(),
                                                       prefix);
    }
    break;
  case 2:
    if (bounded)
      Generator::implementBoundedObjectSequence(os, c, e.c_str(), bound,
                                                prefix);
    else
      Generator::implementUnboundedObjectSequence(os, c, e.c_str(), prefix);
    break;
  default:
    break;
  }
  os << endltab;
  sequence->setImplemented(1);
}

void ClientGen::printImplementArr(std::ostream& os, IDLDefinition* type,
                                  IDLDefinition* decl) {
  IDLArrayDecl* array = static_cast<IDLArrayDecl*>(decl);
  // Named as the client header names the elements, so that string and
  // object elements read as their holders.
  std::string e = scopedNameOf(type, decl);
  Generator::implementArrayVar(os, array->name().chars(), e.c_str(), type,
                               array->dimensions(), decl, 0);
}
