// tree/TreePrint.cc - readable dumps of the tree and of the symbol tables.
//
// Every text piece goes through NCostream, which in console mode follows each
// piece and each number with one blank; children print themselves.

#include "nclib/NCAssoc.h"
#include "nclib/NCDictionary.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCStack.h"
#include "nclib/NCostream.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLCase.h"
#include "tree/IDLCaseLabel.h"
#include "tree/IDLConstDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLElement.h"
#include "tree/IDLEnum.h"
#include "tree/IDLEnumType.h"
#include "tree/IDLException.h"
#include "tree/IDLExport.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLRaisesExpr.h"
#include "tree/IDLScope.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLSpec.h"
#include "tree/IDLStringType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <string>

namespace {

void printNode(NCostream& os, const NCObject* node) {
  if (node)
    node->prettyPrint(os);
}

// Each element of `list` in order, with the piece `separator` between
// consecutive elements; nothing for a null list.
void printList(NCostream& os, const NCOrderedCltn* list,
               const char* separator = nullptr) {
  if (!list)
    return;
  for (unsigned i = 0; i < list->size(); ++i) {
    if (i > 0 && separator)
      os << separator;
    printNode(os, list->at(static_cast<int>(i)));
  }
}

} // namespace

// The generic dump of a plain definition.
void IDLDefinition::prettyPrint(NCostream& os) const {
  os << "     Definition type: ";
  if (const char* kind = kindName(_kind))
    os << (std::string(kind) + "\n").c_str();
  os << "         File context: ";
  os << (_fileName ? _fileName->chars() : "");
  os << "\n";
  os << "Fixed Type: ";
  os << _fixedLength;
  os << endl;
}

void IDLSpec::prettyPrint(NCostream& os) const {
  printList(os, _definitions);
  os << "\n";
}

void IDLModule::prettyPrint(NCostream& os) const {
  os << "\nmodule ";
  os << _name.chars();
  os << " { ";
  printList(os, _definitions);
  os << "\n};";
}

void IDLInterface::prettyPrint(NCostream& os) const {
  printNode(os, _header);
  if (_interfaceType == IT_FORWARD) {
    os << ";";
    return;
  }
  os << "{";
  printList(os, _body);
  os << "\n};";
}

void IDLInterfaceHeader::prettyPrint(NCostream& os) const {
  os << "\ninterface ";
  os << _name.chars();
  if (_inheritance) {
    os << ":";
    printList(os, _inheritance, ",");
  }
}

void IDLExport::prettyPrint(NCostream& os) const {
  printList(os, _definitions);
}

void IDLConstDcl::prettyPrint(NCostream& os) const {
  os << "\nconst ";
  printNode(os, _declaredType);
  os << _name.chars();
  os << " ";
  os << " = ";
  printNode(os, _value);
  os << ";";
}

void IDLTypeDecl::prettyPrint(NCostream& os) const {
  os << "\ntypedef ";
  printNode(os, _type);
  printList(os, _declarators);
  os << "; ";
}

void IDLSimpleDecl::prettyPrint(NCostream& os) const {
  os << _name.chars();
}

void IDLEnum::prettyPrint(NCostream& os) const {
  os << _name.chars();
}

void IDLPrimType::prettyPrint(NCostream& os) const {
  os << _name.chars();
}

void IDLArrayDecl::prettyPrint(NCostream& os) const {
  os << _name.chars();
  for (unsigned i = 0; _dimensions && i < _dimensions->size(); ++i) {
    os << "[";
    printNode(os, _dimensions->at(static_cast<int>(i)));
    os << "]";
  }
  os << "\n";
}

void IDLStructure::prettyPrint(NCostream& os) const {
  os << "\n  struct ";
  os << _name.chars();
  os << "{\n";
  printList(os, _members);
  os << "\n};";
}

void IDLMember::prettyPrint(NCostream& os) const {
  printNode(os, _type);
  printList(os, _declarators, ",");
  os << ";\n";
}

void IDLUnion::prettyPrint(NCostream& os) const {
  os << "\nunion ";
  os << _name.chars();
  os << "switch ";
  os << "(";
  printNode(os, _switchType);
  os << ")";
  os << "{";
  for (unsigned i = 0; _cases && i < _cases->size(); ++i) {
    printNode(os, _cases->at(static_cast<int>(i)));
    os << ";";
  }
  os << "\n};";
}

void IDLCase::prettyPrint(NCostream& os) const {
  printList(os, _labels);
  printNode(os, _element);
}

void IDLCaseLabel::prettyPrint(NCostream& os) const {
  if (_value) {
    os << "\n      case ";
    _value->prettyPrint(os);
  } else {
    os << "\n      default";
  }
  os << ":";
}

void IDLElement::prettyPrint(NCostream& os) const {
  printNode(os, _type);
  printNode(os, _declarator);
}

void IDLEnumType::prettyPrint(NCostream& os) const {
  os << "\nenum ";
  os << _name.chars();
  os << "{";
  printList(os, _enumerators, ",");
  os << "};";
}

void IDLException::prettyPrint(NCostream& os) const {
  if (!_members)
    return;
  os << "   \nexception ";
  os << _name.chars();
  os << "\n  {\n";
  printList(os, _members);
  os << "\n  };";
}

void IDLOpDcl::prettyPrint(NCostream& os) const {
  os << "\n    ";
  os << _oneway->chars();
  printNode(os, _returnType);
  os << _name.chars();
  os << "(";
  printList(os, _parameters, ",");
  os << ")";
  printNode(os, _raises);
  printNode(os, _context);
  os << ";";
}

void IDLParamDcl::prettyPrint(NCostream& os) const {
  os << _direction->chars();
  printNode(os, _type);
  printNode(os, _declarator);
}

void IDLAttrDcl::prettyPrint(NCostream& os) const {
  os << "\n";
  os << _readonly->chars();
  os << "attribute ";
  printNode(os, _type);
  printList(os, _declarators, ",");
  os << ";";
}

void IDLRaisesExpr::prettyPrint(NCostream& os) const {
  if (!_exceptions)
    return;
  os << "raises (";
  printList(os, _exceptions, ",");
  os << ")";
}

void IDLContextExpr::prettyPrint(NCostream& os) const {
  if (!_names)
    return;
  os << "context (";
  printList(os, _names, ",");
  os << ")";
}

void IDLStringType::prettyPrint(NCostream& os) const {
  os << "string";
  if (_bound) {
    os << "<";
    _bound->prettyPrint(os);
    os << ">";
  }
}

void IDLSequenceType::prettyPrint(NCostream& os) const {
  os << "sequence <";
  printNode(os, _elementType);
  if (_bound) {
    os << ",";
    _bound->prettyPrint(os);
  }
  os << ">";
}

void IDLScopedName::prettyPrint(NCostream& os) const {
  NCIterator it(*_components);
  bool first = true;
  while (NCObject* obj = it.next()) {
    if (!first)
      os << "::";
    first = false;
    os << static_cast<NCString*>(obj)->chars();
  }
}

void IDLScope::prettyPrint(NCostream& os) const {
  os << "\n S Y M B O L   T A B L E \n";
  os << "  Symbol table size:  ";
  os << _symbolTable->size();
  os << "\n";
  NCIterator it(*_symbolTable);
  int counter = 1;
  while (NCObject* obj = it.next()) {
    const NCAssoc* entry = static_cast<const NCAssoc*>(obj);
    os << "\n=====================";
    os << "\nIdentifier (";
    os << counter;
    os << ") : ";
    os << static_cast<NCString*>(entry->key())->chars();
    os << "\nValue (";
    os << counter;
    os << ") :\n ";
    printNode(os, entry->value());
    ++counter;
  }
  os << "\n E N D   O F   S Y M B O L   T A B L E \n";
}

void IDLScope::printScope(NCostream& os) const {
  os << "Scope of: ";
  os << (_name ? _name->chars() : "");
}
