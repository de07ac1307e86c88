// generate/HeaderExprs.cc - IDL expressions and auxiliary nodes written as
// C++ text in the client header.
//
// Constant declarations write their value expressions this way; the other
// auxiliary nodes (labels, elements, members, raises and context clauses)
// write the C++ form of the IDL construct they stand for.

#include "frontend/ConstExpr.h"
#include "generate/Generator.h"
#include "nclib/NCIterator.h"
#include "nclib/NCLinkedList.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCStack.h"
#include "nclib/NCString.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLCase.h"
#include "tree/IDLCaseLabel.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLElement.h"
#include "tree/IDLEnum.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLPrimType.h"
#include "tree/IDLRaisesExpr.h"
#include "tree/IDLScopedName.h"
#include "tree/IDLSimpleDecl.h"
#include "tree/IDLStringType.h"

#include <cstring>
#include <ostream>

namespace {

IDLDefinition* at(NCOrderedCltn* list, unsigned i) {
  return static_cast<IDLDefinition*>(list->at(static_cast<int>(i)));
}

unsigned sizeOf(NCOrderedCltn* list) {
  return list ? list->size() : 0;
}

} // namespace

void IDLDefinition::headerCode(std::ostream& os) {
  if (kind() == DEF_true)
    os << "1";
  else if (kind() == DEF_false)
    os << "0";
}

void IDLBinaryExpr::headerCode(std::ostream& os) {
  if (left())
    left()->headerCode(os);
  os << " " << name().chars() << " ";
  if (right())
    right()->headerCode(os);
}

void IDLUnaryExpr::headerCode(std::ostream& os) {
  if (std::strcmp(name().chars(), "PARENTHESIZED") == 0) {
    os << "(";
    os << " ";
    if (operand())
      operand()->headerCode(os);
    os << " ";
    os << ")";
    return;
  }
  if (op())
    op()->headerCode(os);
  os << " ";
  if (operand())
    operand()->headerCode(os);
  os << " ";
}

void IDLLiteral::headerCode(std::ostream& os) {
  unscopedName(os);
}

void IDLUnaryOp::headerCode(std::ostream& os) {
  unscopedName(os);
}

void IDLEnum::headerCode(std::ostream& os) {
  unscopedName(os);
}

void IDLArrayDecl::headerCode(std::ostream& os) {
  unscopedName(os);
}

void IDLPrimType::headerCode(std::ostream& os) {
  unscopedName(os);
}

void IDLSimpleDecl::headerCode(std::ostream& os) {
  unscopedName(os);
}

void IDLStringType::headerCode(std::ostream& os) {
  os << "char *";
}

void IDLCaseLabel::headerCode(std::ostream& os) {
  if (value()) {
    os << "case ";
    value()->unscopedName(os);
  } else {
    os << "default";
  }
  os << ":";
}

void IDLCase::headerCode(std::ostream& os) {
  NCOrderedCltn* list = labels();
  for (unsigned i = 0; i < sizeOf(list); ++i)
    at(list, i)->headerCode(os);
  if (element())
    element()->headerCode(os);
}

void IDLElement::headerCode(std::ostream& os) {
  Generator::printScopedType(os, typeSpec(), declarator());
  os << " ";
  if (declarator())
    declarator()->unscopedName(os);
}

void IDLMember::headerCode(std::ostream& os) {
  NCOrderedCltn* list = declarators();
  for (unsigned i = 0; i < sizeOf(list); ++i) {
    IDLDefinition* d = at(list, i);
    Generator::printScopedType(os, typeSpec(), d);
    os << " ";
    d->unscopedName(os);
    os << ";" << endltab;
  }
}

// The exceptions named as the parameters of a handler: "E1& _excpt1, ...".
void IDLRaisesExpr::headerCode(std::ostream& os) {
  NCOrderedCltn* list = exceptions();
  for (unsigned i = 0; i < sizeOf(list); ++i) {
    if (i > 0)
      os << ", ";
    at(list, i)->unscopedName(os);
    os << "& _excpt" << i + 1;
  }
}

void IDLContextExpr::headerCode(std::ostream& os) {
  NCOrderedCltn* list = names();
  if (!list)
    return;
  os << "context (";
  for (unsigned i = 0; i < list->size(); ++i) {
    if (i > 0)
      os << ",";
    os << at(list, i)->name().chars();
  }
  os << ")";
}

void IDLInterfaceHeader::headerCode(std::ostream& os) {
  os << endltab;
  os << "interface " << name().chars();
  NCOrderedCltn* bases = inheritance();
  if (sizeOf(bases) == 0)
    return;
  os << ":";
  for (unsigned i = 0; i < bases->size(); ++i) {
    if (i > 0)
      os << ",";
    at(bases, i)->unscopedName(os);
  }
}

// A constant opens no scope, so only the last component can name one; the
// scoped name's own unscopedName writes that component, as the constant's
// value when it is numeric.
void IDLScopedName::headerCode(std::ostream& os) {
  NCLinkedList* chain = resolutionChain();
  if (!chain || chain->size() == 0) {
    // Not resolved: only the written names are known.
    NCIterator it(*components());
    bool first = true;
    while (NCObject* obj = it.next()) {
      if (!first)
        os << "::";
      first = false;
      os << static_cast<NCString*>(obj)->chars();
    }
    return;
  }
  NCIterator it(*chain);
  for (unsigned i = 1; i < chain->size(); ++i) {
    static_cast<IDLDefinition*>(it.next())->unscopedName(os);
    os << "::";
  }
  unscopedName(os);
}
