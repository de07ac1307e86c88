// generate/HeaderInterfaces.cc - client header classes of interfaces and
// modules, and the member declarations of operations and attributes.
//
// An interface becomes a class with its _ptr, Ref and _var types; every
// operation and attribute becomes a virtual member of it. A module becomes a
// class whose public members are the module's contents.

#include "frontend/IDLError.h"
#include "generate/GenerateMessages.h"
#include "generate/Generator.h"
#include "generate/HeaderGen.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLSpec.h"

#include <cstring>
#include <iostream>
#include <ostream>
#include <sstream>
#include <string>

namespace {

using Kind = IDLDefinition::DefinitionType;

// The export macro and a blank, written before exported class names.
std::string exportPrefix() {
  return Generator::generateExport
             ? std::string(Generator::generateExport) + " "
             : std::string();
}

std::string unscopedNameOf(IDLDefinition& definition) {
  std::ostringstream text;
  definition.unscopedName(text);
  return text.str();
}

IDLDefinition* at(NCOrderedCltn* list, unsigned i) {
  return static_cast<IDLDefinition*>(list->at(static_cast<int>(i)));
}

unsigned sizeOf(NCOrderedCltn* list) {
  return list ? list->size() : 0;
}

bool isCalled(const NCString& text, const char* expected) {
  return std::strcmp(text.chars(), expected) == 0;
}

// --- interfaces -------------------------------------------------------------

// The pointer types that let later declarations name the interface before
// its class is complete.
void writeForwardPart(std::ostream& os, const std::string& x,
                      const std::string& n) {
  os << "class " << x << n << ";" << endltab;
  os << "typedef " << n << " *" << n << "_ptr;" << endltab;
  os << "typedef " << n << "_ptr " << n << "Ref;" << endltab;
}

// Bases are virtual so that an interface reached along two paths of a
// diamond is one subobject.
void writeBaseList(std::ostream& os, IDLInterface& intf) {
  NCOrderedCltn* bases = intf.header() ? intf.header()->inheritance() : nullptr;
  if (sizeOf(bases) == 0) {
    os << ": public virtual " << Generator::baseObject;
    return;
  }
  for (unsigned i = 0; i < bases->size(); ++i) {
    if (i == 0)
      os << ": ";
    else
      os << "," << std::endl << "\t";
    os << "public virtual ";
    Generator::scopedName(os, at(bases, i));
  }
}

// Copying is private: references are copied with _duplicate, never by
// value.
void writeFixedMembers(std::ostream& os, const std::string& n) {
  const char* b = Generator::baseObject;
  os << "    private:" << endltab;
  os << "\tstatic const CORBA::TypeInfo _class_info;" << endltab;
  os << "\t" << n << "(const " << n << "&) {}" << endltab;
  os << "\tvoid operator=(const " << n << "&){}" << endltab;
  os << "    public:" << endltab;
  os << "\tstatic const CORBA::TypeInfo *_desc();" << endltab;
  os << "\tvirtual const CORBA::TypeInfo *_type_info() const;" << endltab;
  os << "\tvirtual void *_safe_narrow(const CORBA::TypeInfo& ) const;"
     << endltab;
  os << "\tstatic CORBA::Object *_factory();" << endltab;
  os << "    protected:" << endltab;
  os << "\t" << n << "(const char *obj_name = NULL) :" << b
     << "(obj_name, 1) {}" << endltab;
  os << "\t" << n << "(NCistream& strm) :" << b << "(strm) {}" << endltab;
  os << "\tvirtual ~" << n << "() {}" << endltab;
  os << "    public:" << endltab;
  os << "\tstatic " << n << "_ptr _duplicate(" << n << "_ptr obj) {" << endltab;
  os << "\t\tif (obj ) obj->_ref();" << endltab;
  os << "\t\treturn obj;" << endltab;
  os << "\t}" << endltab;
  os << "\tstatic " << n << "_ptr _nil() { return (" << n << "_ptr)NULL;}"
     << endltab;
  os << "\tstatic " << n << "_ptr _narrow(CORBA::Object *obj);" << endltab;
  os << "\tstatic " << n << "_ptr _clone(" << n << "_ptr obj) {" << endltab;
  // The directives that follow must start in column 1.
  os << "\t\tCORBA::Object_var obj_var(__clone(obj));" << endltab << std::endl;
  os << "#if defined(_HPCC_BUG)" << endltab;
  os << "\t\treturn _narrow(obj_var.operator CORBA::Object_ptr());"
     << std::endl;
  os << "#else" << endltab;
  os << "\t\treturn _narrow(obj_var);" << std::endl;
  os << "#endif" << endltab;
  os << "\t}" << endltab;
  os << "\tstatic " << n << "_ptr _bind(const char *object_name = NULL,"
     << endltab;
  os << "\t\tconst char *host_name = NULL," << endltab;
  os << "\t\tconst CORBA::BindOptions* opt = NULL); " << endltab;
}

// The body holds the definitions inherited from the bases too; those are
// declared in the bases' own classes.
void writeBodyMembers(std::ostream& os, IDLInterface& intf) {
  NCOrderedCltn* body = intf.body();
  ++Generator::_indentation;
  for (unsigned i = 0; i < sizeOf(body); ++i) {
    IDLDefinition* member = at(body, i);
    Generator::_currentContext = member;
    if (member->definedInScope() == intf.scope()) {
      member->headerCode(os);
      os << endltab;
    }
  }
  Generator::_currentContext = nullptr;
  --Generator::_indentation;
  os << endltab;
}

void writeStreamOperators(std::ostream& os, const std::string& x,
                          const std::string& n) {
  os << "\t" << x << "inline friend NCistream& operator>>(NCistream& strm, "
     << n << "_ptr& obj) {" << endltab;
  os << "\t\tCORBA::Object_var _obj(obj);" << endltab;
  os << "\t\t_obj = CORBA::Object::_read(strm, " << n << "::_desc());"
     << endltab;
  os << "\t\tobj = " << n << "::_narrow(_obj);" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
  if (!Generator::generateStdStream)
    return;
  os << "\tinline friend ostream& operator<<(ostream& strm, const " << n
     << "_ptr obj) {" << endltab;
  os << "\t\tstrm << (CORBA::Object_ptr)obj;" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
  os << "\t" << x << "inline friend istream& operator>>(istream& strm, " << n
     << "_ptr& obj) {" << endltab;
  os << "\t\tNCistream istrm(strm);" << endltab;
  os << "\t\tistrm >> obj;" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
}

// --- operations -------------------------------------------------------------

// A oneway call returns before the server has run the operation, so nothing
// can come back to the caller. Ends the run on a violation.
void checkOneway(IDLOpDcl& op) {
  if (!isCalled(op.oneway(), "oneway"))
    return;
  if (!op.returnType() || !isCalled(op.returnType()->name(), "void")) {
    std::cout << genmsg::onewayError << op.name().chars() << std::endl;
    std::cout << genmsg::onewayReturnType << std::endl;
    IDLError::exit();
  }
  NCOrderedCltn* params = op.parameters();
  for (unsigned i = 0; i < sizeOf(params); ++i) {
    IDLParamDcl* param = static_cast<IDLParamDcl*>(at(params, i));
    if (!isCalled(param->direction(), "in")) {
      std::cout << genmsg::onewayError << op.name().chars() << std::endl;
      std::cout << genmsg::onewayInParameters << std::endl;
      IDLError::exit();
    }
  }
}

bool isStringType(IDLDefinition* resolved) {
  return resolved && resolved->kind() == Kind::DEF_string_type;
}

// An out parameter of these types is handed to the caller as newly
// allocated storage, which a _var argument frees on its own.
bool isOutStorage(IDLDefinition* resolved) {
  return resolved && (!resolved->fixedLength() || isStringType(resolved) ||
                      resolved->kind() == Kind::DEF_sequence_type);
}

bool needsHolderOverload(IDLOpDcl& op) {
  NCOrderedCltn* params = op.parameters();
  for (unsigned i = 0; i < sizeOf(params); ++i) {
    IDLParamDcl* param = static_cast<IDLParamDcl*>(at(params, i));
    IDLDefinition* resolved = IDLDefinition::getType(param->typeSpec());
    if (isCalled(param->direction(), "inout") && isStringType(resolved))
      return true;
    if (isCalled(param->direction(), "out") && isOutStorage(resolved))
      return true;
  }
  return false;
}

void writeHolderParam(std::ostream& os, IDLParamDcl& param) {
  IDLDefinition* resolved = IDLDefinition::getType(param.typeSpec());
  bool inout = isCalled(param.direction(), "inout");
  bool out = isCalled(param.direction(), "out");
  bool isInterface = resolved && resolved->kind() == Kind::DEF_interface;
  bool holder = (inout && (isStringType(resolved) || isInterface)) ||
                (out && isOutStorage(resolved));
  if (holder && isStringType(resolved)) {
    os << "CORBA::String_var& _v_";
  } else if (holder) {
    Generator::printScopedType(os, param.typeSpec(), param.declarator());
    os << "_var& _v_";
  } else {
    Generator::printParamType(os, param.typeSpec(), param.declarator(),
                              param.direction().chars());
    os << " ";
  }
  if (param.declarator())
    param.declarator()->unscopedName(os);
}

// The overload takes _var holders where the virtual member hands out
// storage, and passes the holders' contents on.
void writeHolderOverload(std::ostream& os, IDLOpDcl& op) {
  os << endltab;
  Generator::printReturnType(os, op.returnType());
  os << " " << op.name().chars() << "(";
  NCOrderedCltn* params = op.parameters();
  unsigned count = sizeOf(params);
  for (unsigned i = 0; i < count; ++i) {
    if (i > 0)
      os << "," << endltab << "\t\t";
    writeHolderParam(os, *static_cast<IDLParamDcl*>(at(params, i)));
  }
  if (op.context() && op.context()->names()) {
    if (count > 0)
      os << ",";
    os << endltab << "\t\tCORBA::Context_ptr _context";
  }
  os << ");" << endltab;
}

} // namespace

void IDLSpec::headerCode(std::ostream& os) {
  NCOrderedCltn* list = definitions();
  for (unsigned i = 0; i < sizeOf(list); ++i)
    at(list, i)->headerCode(os);
  os << endltab;
}

void IDLModule::headerCode(std::ostream& os) {
  os << endltab;
  os << "class " << exportPrefix() << name().chars() << " {" << endltab;
  os << "    public:" << endltab;
  NCOrderedCltn* list = definitions();
  ++Generator::_indentation;
  for (unsigned i = 0; i < sizeOf(list); ++i) {
    os << "\t";
    at(list, i)->headerCode(os);
    os << endltab;
  }
  --Generator::_indentation;
  os << endltab;
  os << "};" << endltab;
}

void IDLInterface::headerCode(std::ostream& os) {
  const std::string x = exportPrefix();
  const std::string n = unscopedNameOf(*this);
  os << std::endl;
  os << endltab;
  IDLInterfaceHeader* h = header();
  bool forward = interfaceType() == IT_FORWARD;
  bool refersToEarlier = h && h->refersToEarlier();
  if (forward && refersToEarlier)
    return;
  // The first declaration of a name writes its pointer types; a later
  // definition finds them there.
  bool laterDefinition = !forward && (refersToEarlier || !h);
  if (!laterDefinition)
    writeForwardPart(os, x, n);
  Generator::declareObjectVar(os, this);
  if (forward)
    return;
  os << "class " << x << n;
  if (!h)
    std::cerr << genmsg::interfaceHeaderCode << genmsg::nullInterfaceHeader;
  writeBaseList(os, *this);
  os << endltab;
  os << "{" << endltab;
  writeFixedMembers(os, n);
  writeBodyMembers(os, *this);
  writeStreamOperators(os, x, n);
  os << "};" << endltab;
  os << endltab;
  Generator::typeCodeHeaderCode(os, this);
}

void IDLOpDcl::headerCode(std::ostream& os) {
  HeaderGen::printDeclareSequences(os, scope());
  HeaderGen::printDeclareArrays(os, scope());
  checkOneway(*this);
  os << endltab;
  os << "virtual ";
  Generator::printReturnType(os, returnType());
  os << " ";
  unscopedName(os);
  os << "(";
  Generator::printParams(os, parameters(), context());
  os << ");";
  if (Generator::overloadVarFunc && needsHolderOverload(*this))
    writeHolderOverload(os, *this);
}

void IDLAttrDcl::headerCode(std::ostream& os) {
  NCOrderedCltn* list = declarators();
  bool readonly = isCalled(this->readonly(), "readonly");
  for (unsigned i = 0; i < sizeOf(list); ++i) {
    IDLDefinition* d = at(list, i);
    if (d->kind() == Kind::DEF_array_decl)
      HeaderGen::printDeclareArr(
          os, static_cast<IDLArrayDecl*>(d)->declaredType(), d, 0);
    os << endltab;
    os << "virtual ";
    Generator::printParamType(os, typeSpec(), d, "return");
    os << " ";
    d->unscopedName(os);
    os << "();" << endltab;
    if (readonly)
      continue;
    os << "virtual void " << d->name().chars() << "(";
    Generator::printParamType(os, typeSpec(), d, "in");
    os << " val);" << endltab;
  }
}
