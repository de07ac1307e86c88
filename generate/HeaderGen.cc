// generate/HeaderGen.cc - writes the client header file.
//
// Definitions that came from an included IDL file are not declared again:
// the header includes that file's own generated client header instead.

#include "generate/HeaderGen.h"

#include "driver/IDLParser.h"
#include "generate/GenerateMessages.h"
#include "generate/Generator.h"
#include "generate/NameText.h"
#include "nclib/NCIterator.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCSet.h"
#include "nclib/NCString.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLSpec.h"

#include <cassert>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

NCString* HeaderGen::_header_file_name = nullptr;

namespace {

using nametext::scopedNameOf;

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

// The sequence class and its holder: object references, strings and all
// other elements each have their own templates.
void writeSequenceClass(std::ostream& os, IDLSequenceType* sequence,
                        const char* name) {
  os << endltab;
  IDLDefinition* element = sequence->elementType();
  std::string e = scopedNameOf(element, nullptr);
  IDLDefinition* resolved = Generator::getType(element);
  int category = Generator::getTypeCategory(resolved, nullptr);
  bool isString =
      resolved && resolved->kind() == IDLDefinition::DEF_string_type;
  IDLDefinition* bound = sequence->bound();
  if (!bound) {
    if (category == 2) {
      Generator::declareUnboundObjectSequence(os, name, e.c_str());
      Generator::declareObjectSeqVar(os, name, e.c_str());
    } else if (isString) {
      Generator::declareUnboundStringSequence(os, name);
      Generator::declareStringSeqVar(os, name);
    } else {
      Generator::declareUnboundSequence(os, name, e.c_str());
      Generator::declareSeqVar(os, name, e.c_str());
    }
  } else {
    int b = static_cast<int>(bound->getInt());
    if (category == 2) {
      Generator::declareBoundedObjectSequence(os, name, e.c_str(), b);
      Generator::declareObjectSeqVar(os, name, e.c_str());
    } else if (isString) {
      Generator::declareBoundedStringSequence(os, name, b);
      Generator::declareStringSeqVar(os, name);
    } else {
      Generator::declareBoundedSequence(os, name, e.c_str(), b);
      Generator::declareSeqVar(os, name, e.c_str());
    }
  }
  os << endltab;
  sequence->setDeclared(1);
  sequence->setClassName(name);
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

int HeaderGen::printDeclareSequences(std::ostream& os, IDLScope* scope) {
  if (!scope)
    return 0;
  NCSet* entries = Generator::getAllSequences(scope);
  if (!entries) {
    std::cerr << genmsg::headerDeclareSequences << genmsg::nullSequences;
    return 1;
  }
  int rc = 0;
  NCIterator it(*entries);
  while (NCObject* obj = it.next()) {
    IDLDefinition* entry = static_cast<IDLDefinition*>(obj);
    if (entry->kind() != IDLDefinition::DEF_simple_decl)
      continue;
    if (!entry->fileName()) {
      std::cerr << genmsg::headerDeclareSequences << genmsg::nullDefinitionFile;
      rc = 1;
      break;
    }
    if (!Generator::isThisFile(*entry->fileName()))
      continue;
    IDLDefinition* sequence =
        static_cast<IDLSimpleDecl*>(entry)->declaredType();
    printDeclareSeq(os, sequence, sequence);
  }
  delete entries;
  return rc;
}

void HeaderGen::printDeclareSeq(std::ostream& os, IDLDefinition* sequence,
                                IDLDefinition* nameSource) {
  assert(sequence && sequence->kind() == IDLDefinition::DEF_sequence_type &&
         "only sequence types have sequence classes");
  IDLSequenceType* s = static_cast<IDLSequenceType*>(sequence);
  if (s->declared())
    return;
  // A sequence that nothing names is called after its element type and
  // bound, so equal anonymous sequences share one class.
  const NCString& given = nameSource->name();
  if (std::strcmp(given.chars(), IDLDefinition::undefstr.chars()) != 0) {
    writeSequenceClass(os, s, given.chars());
    return;
  }
  std::string e = scopedNameOf(s->elementType(), nullptr);
  int bound = s->bound() ? static_cast<int>(s->bound()->getInt()) : 0;
  NCString* name = Generator::makeSequenceName(e.c_str(), bound);
  writeSequenceClass(os, s, name->chars());
  delete name;
}

void HeaderGen::printDeclareSeq(std::ostream& os, IDLSequenceType* sequence,
                                const char* name) {
  if (sequence->declared())
    return;
  writeSequenceClass(os, sequence, name);
}

int HeaderGen::printDeclareArrays(std::ostream& os, IDLScope* scope) {
  if (!scope)
    return 0;
  NCSet* entries = Generator::getAllArrays(scope);
  if (!entries) {
    // The same reason as for sequences: the registries travel together.
    std::cerr << genmsg::headerDeclareArrays << genmsg::nullSequences;
    return 1;
  }
  int rc = 0;
  NCIterator it(*entries);
  while (NCObject* obj = it.next()) {
    IDLDefinition* entry = static_cast<IDLDefinition*>(obj);
    if (!entry->fileName()) {
      std::cerr << genmsg::headerDeclareArrays << genmsg::nullDefinitionFile;
      rc = 1;
      break;
    }
    if (!Generator::isThisFile(*entry->fileName()))
      continue;
    printDeclareArr(os, static_cast<IDLArrayDecl*>(entry)->declaredType(),
                    entry, 0);
  }
  delete entries;
  return rc;
}

void HeaderGen::printDeclareArr(std::ostream& os, IDLDefinition* elementType,
                                IDLDefinition* arrayDeclarator,
                                int constConversion) {
  assert(arrayDeclarator &&
         arrayDeclarator->kind() == IDLDefinition::DEF_array_decl &&
         "only array declarators have array classes");
  IDLArrayDecl* a = static_cast<IDLArrayDecl*>(arrayDeclarator);
  if (a->declared())
    return;
  std::string e = scopedNameOf(elementType, a);
  Generator::declareArrayVar(os, a->name().chars(), e.c_str(), elementType,
                             a->dimensions(), a, constConversion);
  a->setDeclared(1);
  a->setClassName(a->name().chars());
}
