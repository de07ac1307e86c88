// generate/Generator.cc - code-generation settings and the output-file driver.
//
// Besides the settings: the state shared by the emitters while one file is
// written, the output file names, the banner, the line ends and the type
// categories every type-dependent emitter turns on.

#include "generate/Generator.h"

#include "driver/IDLParser.h"
#include "generate/GenerateMessages.h"
#include "generate/HeaderGen.h"
#include "nclib/NCLinkedList.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCSet.h"
#include "nclib/NCString.h"
#include "nclib/NCostream.h"
#include "stubs/ClientGen.h"
#include "stubs/ServerGen.h"
#include "stubs/ServerHeaderGen.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLScope.h"
#include "tree/IDLSpec.h"

#include <cassert>
#include <cstring>
#include <iostream>

int Generator::printTypeCodes = 0;
int Generator::generateTrace = 0;
int Generator::generateStdStream = 1;
int Generator::generateContainer = 0;
int Generator::generateExcepSpec = 1;
int Generator::generateExceptions = 1;
const char* Generator::generateExport = nullptr;
const char* Generator::generateSkelExport = nullptr;
const char* Generator::baseObject = "CORBA_Object";
const char* Generator::corbaIncludeFile = "corba.h";
int Generator::generateTie = 1;
int Generator::generatePTie = 0;
int Generator::overloadVarFunc = 1;
int Generator::generateInline = 1;
const char* Generator::includeFile = nullptr;
const char* Generator::outputPath = nullptr;

IDLSpec* Generator::_spec = nullptr;
const NCString* Generator::_idl_file_name = nullptr;
NCString* Generator::_file_name_prefix = nullptr;
int Generator::_indentation = 0;
NCLinkedList* Generator::_intf_name_stack = new NCLinkedList;
IDLDefinition* Generator::_currentContext = nullptr;

namespace {

// The file name the predefined names carry.
constexpr const char* globalFileName = "%GLOBAL%";

// A new string: the IDL file's base name followed by `suffix`, "." and
// `extension`; null when the base name cannot be made.
NCString* makeFileName(const NCString* idlName, const NCString* suffix,
                       const NCString* extension) {
  NCString* name = Generator::stripIdlFileName(idlName);
  if (!name)
    return nullptr;
  *name += *suffix;
  *name += ".";
  *name += *extension;
  return name;
}

// Which registry of a scope getAllEntries collects, with the texts of its
// messages.
struct Registry {
  NCSet* (IDLScope::*entries)() const;
  const char* routine;
  const char* missing;
};

const Registry sequenceRegistry = {
    &IDLScope::sequences, genmsg::getAllSequences, genmsg::nullSequences};
const Registry arrayRegistry = {&IDLScope::arrays, genmsg::getAllArrays,
                                genmsg::nullArrays};

// Interfaces, modules, structs and unions write the sequence and array
// classes of their own scopes, so an enclosing scope leaves them out.
bool writesOwnRegistries(const IDLScope* scope) {
  const IDLDefinition* owner = scope->owner();
  if (!owner)
    return false;
  switch (owner->kind()) {
  case IDLDefinition::DEF_interface:
  case IDLDefinition::DEF_module:
  case IDLDefinition::DEF_struct:
  case IDLDefinition::DEF_union:
    return true;
  default:
    return false;
  }
}

NCSet* getAllEntries(IDLScope* scope, const Registry& registry) {
  if (!scope) {
    std::cerr << registry.routine << genmsg::nullScope;
    return nullptr;
  }
  NCSet* entries = (scope->*registry.entries)();
  if (!entries) {
    std::cerr << registry.routine << registry.missing;
    return nullptr;
  }
  NCOrderedCltn* subscopes = scope->children();
  if (!subscopes) {
    std::cerr << registry.routine << genmsg::nullSubscopes;
    return nullptr;
  }
  NCSet* all = new NCSet(16);
  NCIterator it(*entries);
  while (NCObject* entry = it.next())
    all->add(*entry);
  for (unsigned i = 0; i < subscopes->size(); ++i) {
    IDLScope* sub = static_cast<IDLScope*>(subscopes->at(i));
    if (writesOwnRegistries(sub))
      continue;
    NCSet* subcltn = getAllEntries(sub, registry);
    if (!subcltn) {
      std::cerr << registry.routine << genmsg::nullSubcltn;
      delete all;
      return nullptr;
    }
    NCIterator subIt(*subcltn);
    while (NCObject* entry = subIt.next())
      all->add(*entry);
    delete subcltn;
  }
  return all;
}

} // namespace

int Generator::outputToFiles() {
  _spec = IDLSpec::specification;
  if (!_spec) {
    std::cerr << genmsg::outputToFiles << genmsg::nullSpecification;
    return 1;
  }
  _idl_file_name = _spec->fileName();
  if (!_idl_file_name) {
    std::cerr << genmsg::outputToFiles << genmsg::nullFileContext;
    return 1;
  }
  delete _file_name_prefix;
  _file_name_prefix = stripIdlFileName(_idl_file_name);
  if (!_file_name_prefix)
    return 1;

  if (int rc = HeaderGen::generateHeaderFile())
    return rc;
  if (int rc = ServerHeaderGen::generateHeaderFile())
    return rc;
  if (int rc = ClientGen::generateClientFile())
    return rc;
  if (int rc = ServerGen::generateServerFile())
    return rc;
  return 0;
}

NCString* Generator::stripDirectory(const NCString* path) {
  if (!path) {
    std::cerr << genmsg::nullIdlFileName << std::endl;
    return nullptr;
  }
  // A lone "/" is kept, so the loop needs two characters to go on.
  const char* rest = path->chars();
  const char* slash;
  while (std::strlen(rest) >= 2 && (slash = std::strchr(rest, '/')))
    rest = slash + 1;
  return new NCString(rest);
}

NCString* Generator::stripIdlFileName(const NCString* path) {
  if (!path) {
    std::cerr << genmsg::nullIdlFileName << std::endl;
    return nullptr;
  }
  NCString* base = stripDirectory(path);
  // The extension goes only when something precedes it: a file named just
  // ".idl" keeps its name.
  std::string text = base->chars();
  delete base;
  constexpr std::size_t idlLength = 4;
  if (text.size() > idlLength &&
      text.compare(text.size() - idlLength, idlLength, ".idl") == 0)
    text.erase(text.size() - idlLength);
  return new NCString(text.c_str());
}

NCString* Generator::idlToHeader(const NCString* idlName) {
  return makeFileName(idlName, IDLParser::invokerFileSuffix,
                      IDLParser::headerFileExtension);
}

NCString* Generator::idlToServerHeader(const NCString* idlName) {
  return makeFileName(idlName, IDLParser::implementorFileSuffix,
                      IDLParser::headerFileExtension);
}

NCString* Generator::idlToClient(const NCString* idlName) {
  return makeFileName(idlName, IDLParser::invokerFileSuffix,
                      IDLParser::ccFileExtension);
}

NCString* Generator::idlToServer(const NCString* idlName) {
  return makeFileName(idlName, IDLParser::implementorFileSuffix,
                      IDLParser::ccFileExtension);
}

std::string Generator::makeOutputPath(const NCString& fileName) {
  if (!outputPath)
    return fileName.chars();
  return std::string(outputPath) + "/" + fileName.chars();
}

bool Generator::isThisFile(const NCString& fileName) {
  return std::strcmp(fileName.chars(), globalFileName) != 0 &&
         std::strcmp(fileName.chars(), _idl_file_name->chars()) == 0;
}

bool Generator::isIncludedFile(const NCString& fileName) {
  return std::strcmp(fileName.chars(), globalFileName) != 0 &&
         std::strcmp(fileName.chars(), _idl_file_name->chars()) != 0;
}

bool Generator::isOrbIdl(const NCString& fileName) {
  NCString* stripped = stripDirectory(&fileName);
  bool orb = std::strcmp(stripped->chars(), "orb.idl") == 0;
  delete stripped;
  return orb;
}

// clang-format off
void Generator::printGreeting(std::ostream& os) {
  os << "/************************************************************************/" << endltab;
  os << "/*                                                                      */" << endltab;
  os << "/* This file is automatically generated by Velmaric IDL compiler        */" << endltab;
  os << "/* Do not modify this file.                                             */" << endltab;
  os << "/*                                                                      */" << endltab;
  os << "/*                                                                      */" << endltab;
  os << "/* The generated code conforms to OMG's IDL C++ mapping as              */" << endltab;
  os << "/* specified in OMG Document Number: 94-9-14.                           */" << endltab;
  os << "/*                                                                      */" << endltab;
  os << "/************************************************************************/" << endltab;
}
// clang-format on

void Generator::pushIntfName(const NCString& name) {
  _intf_name_stack->addFirst(*new NCString(name));
}

void Generator::popIntfName() {
  delete _intf_name_stack->removeFirst();
}

NCLinkedList* Generator::intfNameStack() {
  return _intf_name_stack;
}

NCSet* Generator::getAllSequences(IDLScope* scope) {
  return getAllEntries(scope, sequenceRegistry);
}

NCSet* Generator::getAllArrays(IDLScope* scope) {
  return getAllEntries(scope, arrayRegistry);
}

int Generator::getTypeCategory(IDLDefinition* type, IDLDefinition* declarator) {
  if (!type) {
    std::cerr << genmsg::getTypeCategory << genmsg::nullDefinition;
    return 3;
  }
  // Complex kinds are tested first, so they win over everything else.
  switch (type->kind()) {
  case IDLDefinition::DEF_struct:
  case IDLDefinition::DEF_union:
  case IDLDefinition::DEF_array:
  case IDLDefinition::DEF_array_decl:
    return 1;
  default:
    break;
  }
  if (type->secondKind() == IDLDefinition::DEF_any)
    return 1;
  // An array declarator makes any element type complex.
  if (declarator && declarator->kind() == IDLDefinition::DEF_array_decl)
    return 1;
  switch (type->kind()) {
  case IDLDefinition::DEF_string_type:
  case IDLDefinition::DEF_sequence_type:
    return 1;
  case IDLDefinition::DEF_interface:
  case IDLDefinition::DEF_interface_like:
    return 2;
  default:
    return 0;
  }
}

int Generator::isPrimitive(IDLDefinition* type, IDLDefinition* declarator) {
  return getTypeCategory(type, declarator) == 0;
}

IDLDefinition* Generator::getType(IDLDefinition* definition) {
  return IDLDefinition::getType(definition);
}

std::ostream& endltab(std::ostream& os) {
  assert(Generator::_indentation >= 0 && "an emitter outdented too far");
  os << std::endl;
  for (int i = 0; i < Generator::_indentation; ++i)
    os << '\t';
  return os;
}

void myprettyPrint(NCObject* obj) {
  if (!obj)
    return;
  NCostream os(std::cout);
  obj->prettyPrint(os);
  std::cout.flush();
}
