// stubs/ServerDispatch.cc - the skeletons' code in the server implementation
// file: method tables, type information, constructors and dispatch functions.
//
// A dispatch function reads the in and inout arguments from the request
// stream, calls the implementation's virtual member and, unless the call is
// oneway, sends the result and the inout and out values back.

#include "generate/Generator.h"
#include "generate/NameText.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLInterface.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLScope.h"

#include <cstring>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using nametext::scopedNameOf;
using nametext::unscopedNameOf;

std::string scopeOf(IDLDefinition* definition, const char* prefix) {
  std::ostringstream text;
  Generator::printScope(text, definition, prefix);
  return text.str();
}

std::string scopedTypeOf(IDLDefinition* type, IDLDefinition* decl) {
  std::ostringstream text;
  Generator::printScopedType(text, type, decl);
  return text.str();
}

std::string returnTypeOf(IDLDefinition* type) {
  std::ostringstream text;
  Generator::printReturnType(text, type);
  return text.str();
}

// A member named "resume" would hide the runtime object's own resume, so its
// dispatch function carries a different name.
const char* workaroundFor(const std::string& name) {
  return name == "resume" ? "workaround_" : "";
}

bool isKind(IDLDefinition* resolved, IDLDefinition::DefinitionType kind) {
  return resolved && resolved->kind() == kind;
}

bool isArrayType(IDLDefinition* resolved) {
  return isKind(resolved, IDLDefinition::DEF_array_decl) ||
         isKind(resolved, IDLDefinition::DEF_array);
}

bool isStringType(IDLDefinition* resolved) {
  return isKind(resolved, IDLDefinition::DEF_string_type);
}

bool isObjectType(IDLDefinition* resolved) {
  return resolved && Generator::getTypeCategory(resolved, nullptr) == 2;
}

bool isReadonly(const IDLAttrDcl& attr) {
  return std::strcmp(attr.readonly().chars(), "readonly") == 0;
}

// The interface whose own scope `member` was defined in.
IDLDefinition* definingInterface(IDLDefinition* member) {
  IDLScope* scope = member->definedInScope();
  return scope ? scope->owner() : nullptr;
}

// ---------------------------------------------------------------------------
// Pieces shared by the operation and attribute dispatch functions.

void writeEnvironment(std::ostream& os) {
  os << "\tCORBA::Environment& _env = CORBA::current_environment();" << endltab;
  os << "\t_env.clear();" << endltab;
}

// Without C++ exceptions a failure leaves the dispatch function at once;
// traced, the failure is reported first.
void writeExceptionCheck(std::ostream& os, const std::string& traced) {
  if (!Generator::generateTrace) {
    os << "\tif (_env.exception())" << endltab;
    os << "\t\treturn;" << endltab;
    return;
  }
  os << "\tif (_env.exception()) {" << std::endl;
  os << "#if defined(_TOV_TRACE)" << endltab;
  os << "\t\tTOVTrace::server_oper_excep(\"" << traced
     << "\", *_env.exception());" << std::endl;
  os << "#endif" << endltab;
  os << "\t\treturn;" << endltab;
  os << "\t}" << endltab;
}

// A directive block around one trace call naming the traced operation.
void writeTraceCall(std::ostream& os, const char* call,
                    const std::string& traced) {
  os << "#if defined(_TOV_TRACE)" << endltab;
  os << "\tTOVTrace::" << call << "(\"" << traced << "\");" << std::endl;
  os << "#endif" << endltab;
}

// The head of one dispatch function up to its parameter lines.
void writeDispatchHead(std::ostream& os, const std::string& scope,
                       const std::string& function) {
  os << "void " << scope << function << "(" << endltab;
  os << "\t\tvoid *_obj," << endltab;
}

// ---------------------------------------------------------------------------
// The operation dispatch function.

// One parameter of an operation, with the texts every step needs.
struct Param {
  IDLParamDcl* _node;
  std::string _name; // p
  std::string _type; // T, the declared type qualified
  std::string _direction;
  IDLDefinition* _resolved;

  bool isIn() const { return _direction == "in"; }
  bool isOut() const { return _direction == "out"; }
  bool isInout() const { return _direction == "inout"; }
  bool isArray() const { return isArrayType(_resolved); }
  bool isString() const { return isStringType(_resolved); }
  bool isObject() const { return isObjectType(_resolved); }
  bool byPointer() const {
    return Generator::isArgPointer(_node, _direction.c_str()) != 0;
  }
  // An out value the implementation hands over through a pointer: the reply
  // sends it from the holder that took it over.
  bool isOutByPointer() const { return isOut() && byPointer(); }
};

// What the steps of a dispatch function share.
struct Dispatch {
  IDLOpDcl* _op;
  std::string _traced; // N
  std::string _name;   // n
  std::string _impl;   // I, the implementation's class
  bool _oneway;
  bool _void;
  bool _context;
  std::vector<Param> _params;
};

Dispatch makeDispatch(IDLOpDcl& op) {
  Dispatch d;
  d._op = &op;
  d._traced = scopedNameOf(&op);
  d._name = unscopedNameOf(&op);
  d._impl = scopedNameOf(definingInterface(&op));
  d._oneway = std::strcmp(op.oneway().chars(), "oneway") == 0;
  IDLDefinition* result = IDLDefinition::getType(op.returnType());
  d._void = result && std::strcmp(result->name().chars(), "void") == 0;
  d._context = op.context() && op.context()->names();
  NCOrderedCltn* params = op.parameters();
  unsigned count = params ? params->size() : 0;
  for (unsigned i = 0; i < count; ++i) {
    auto* node = static_cast<IDLParamDcl*>(params->at(i));
    Param p;
    p._node = node;
    p._name = unscopedNameOf(node->declarator());
    p._type = scopedTypeOf(node->typeSpec(), node->declarator());
    p._direction = node->direction().chars();
    p._resolved = IDLDefinition::getType(node->typeSpec());
    d._params.push_back(p);
  }
  return d;
}

void writeOperationHead(std::ostream& os, const Dispatch& d) {
  os << endltab;
  writeDispatchHead(os, scopeOf(d._op, "_sk_"),
                    "_" + std::string(workaroundFor(d._name)) + d._name);
  os << "\t\tCORBA::MarshalStream &_strm," << endltab;
  os << "\t\tCORBA::Principal_ptr ," << endltab;
  os << "\t\tconst char *," << endltab;
  // A oneway call sends no reply, so the reply context goes unused.
  os << (d._oneway ? "\t\tvoid *)" : "\t\tvoid *_priv_data)") << endltab;
  os << "{" << endltab;
  os << "\t" << d._impl << " *_impl = (" << d._impl << " *)_obj;" << endltab;
  if (!Generator::generateExceptions)
    writeEnvironment(os);
}

// The local that receives an in or inout argument: arrays are read through
// a _forany over their storage, strings and references into holders.
void writeInLocal(std::ostream& os, const Param& p) {
  const std::string& t = p._type;
  const std::string& v = p._name;
  if (p.isArray()) {
    os << "\t" << t << " _v_" << v << ";" << endltab;
    os << "\t" << t << "_forany " << v << "(_v_" << v << ");" << endltab;
  } else if (p.isString() && p.isIn()) {
    os << "\tCORBA::String_var " << v << ";" << endltab;
  } else if (p.isString()) {
    os << "\tchar *" << v << " = (char *)NULL;" << endltab;
  } else if (p.isObject() && p.isIn()) {
    os << "\t" << t << "_var " << v << ";" << endltab;
  } else if (p.isObject()) {
    os << "\t" << t << "_ptr " << v << " = (" << t << "_ptr)NULL;" << endltab;
  } else {
    os << "\t" << t << " " << v << ";" << endltab;
  }
}

// The local an out value is returned in.
void writeOutLocal(std::ostream& os, const Param& p) {
  const std::string& t = p._type;
  const std::string& v = p._name;
  if (p.isString())
    os << "\tchar *" << v << " = (char *)NULL;" << endltab;
  else if (p.isObject())
    os << "\t" << t << "_ptr " << v << " = (" << t << "_ptr)NULL;" << endltab;
  else if (p.isArray() && p.byPointer())
    os << "\t" << t << "_slice *" << v << " = (" << t << "_slice *)NULL;"
       << endltab;
  else if (p.byPointer())
    os << "\t" << t << " *" << v << " = (" << t << " *)NULL;" << endltab;
  else
    os << "\t" << t << " " << v << ";" << endltab;
}

void writeLocals(std::ostream& os, const Dispatch& d) {
  for (const Param& p : d._params) {
    if (p.isOut())
      writeOutLocal(os, p);
    else
      writeInLocal(os, p);
  }
}

// Traced with exceptions, everything up to the reply sits in a try block so
// that a failure is traced before it is passed on.
void writeStartTrace(std::ostream& os, const Dispatch& d) {
  if (!Generator::generateTrace)
    return;
  writeTraceCall(os, "server_start_oper", d._traced);
  if (!Generator::generateExceptions)
    return;
  os << "#if defined(_TOV_TRACE)" << endltab;
  os << "    try {" << std::endl;
  os << "#endif" << endltab;
}

void writeParamTraceHead(std::ostream& os, const Dispatch& d, const Param& p) {
  os << "#if defined(_TOV_TRACE)" << endltab;
  os << "\tTOVTrace::server_print_param(\"" << d._traced << "\", \"" << p._name
     << "\", \"" << p._direction << "\");" << endltab;
}

// The in and inout arguments in declaration order, then the context.
void writeArgumentReads(std::ostream& os, const Dispatch& d) {
  for (const Param& p : d._params) {
    if (p.isOut())
      continue;
    os << "\t_strm >> " << p._name << ";" << endltab;
    if (!Generator::generateTrace)
      continue;
    writeParamTraceHead(os, d, p);
    os << "\tTOVTrace::strm << " << p._name << ";" << std::endl;
    os << "#endif" << endltab;
  }
  if (!d._context)
    return;
  os << "\tCORBA::Context_var _context;" << endltab;
  os << "\t_strm >> _context;" << endltab;
}

// The local that takes the result over: holders for whatever the
// implementation allocates.
void writeResultDeclaration(std::ostream& os, const Dispatch& d) {
  IDLDefinition* type = d._op->returnType();
  IDLDefinition* resolved = IDLDefinition::getType(type);
  const std::string t = scopedTypeOf(type, nullptr);
  if (isArrayType(resolved))
    os << t << "_var";
  else if (isStringType(resolved))
    os << "CORBA::String_var ";
  else if (Generator::isArgPointer(d._op, "return"))
    os << t << "_var";
  else
    os << t;
  os << " _ret = ";
}

// The call of the implementation, each argument on a line of its own; an
// "in" array is passed as the array its _forany was read into.
void writeCall(std::ostream& os, const Dispatch& d) {
  os << "\t";
  if (!d._void)
    writeResultDeclaration(os, d);
  os << "_impl->" << d._name << "(";
  bool first = true;
  for (const Param& p : d._params) {
    if (!first)
      os << ",";
    first = false;
    os << endltab;
    if (p.isIn() && p.isArray())
      os << "\t\t*(const " << p._type << "*)_v_" << p._name;
    else
      os << "\t\t" << p._name;
  }
  if (d._context) {
    if (!first)
      os << ",";
    os << endltab;
    os << "\t\t_context";
  }
  os << ");" << endltab;
}

// Holders that take over the storage the implementation handed out, so that
// it is released once the reply has been sent.
void writeReplyHolders(std::ostream& os, const Dispatch& d) {
  for (const Param& p : d._params) {
    const std::string& t = p._type;
    const std::string& v = p._name;
    if (p.isIn())
      continue;
    if (p.isString())
      os << "\tCORBA::String_var _v_" << v << "(" << v << ");" << endltab;
    else if (p.isObject())
      os << "\t" << t << "_var _v_" << v << "(" << v << ");" << endltab;
    else if (p.isInout())
      continue;
    else if (p.isArray() && p._resolved->fixedLength())
      os << "\t" << t << "_forany _v_" << v << "(" << v << ");" << endltab;
    else if (p.isArray() || p.byPointer())
      os << "\t" << t << "_var _v_" << v << "(" << v << ");" << endltab;
  }
}

void writeResultReply(std::ostream& os, const Dispatch& d) {
  if (d._void)
    return;
  if (Generator::generateTrace) {
    os << "#if defined(_TOV_TRACE)" << endltab;
    os << "\tTOVTrace::server_print_param(\"" << d._traced << "\");" << endltab;
    os << "\tTOVTrace::strm << _ret << endl;" << std::endl;
    os << "#endif" << endltab;
  }
  os << "\t_strm << _ret;" << endltab;
}

// The inout and out values in declaration order.
void writeOutReplies(std::ostream& os, const Dispatch& d) {
  for (const Param& p : d._params) {
    if (p.isIn())
      continue;
    const std::string& v = p._name;
    bool fromHolder = p.isOut() && (p.isArray() || p.isOutByPointer());
    if (Generator::generateTrace) {
      writeParamTraceHead(os, d, p);
      if (p.isOut() && p.isArray())
        os << "\tTOVTrace::strm << " << p._type << "_forany(" << v << ");"
           << std::endl;
      else if (p.isOutByPointer())
        os << "\tTOVTrace::strm << *" << v << ";" << std::endl;
      else
        os << "\tTOVTrace::strm << " << v << ";" << std::endl;
      os << "#endif" << endltab;
    }
    if (fromHolder)
      os << "\t_strm << _v_" << v << ";" << endltab;
    else
      os << "\t_strm << " << v << ";" << endltab;
  }
}

void writeEndTrace(std::ostream& os, const Dispatch& d) {
  if (!Generator::generateTrace)
    return;
  if (Generator::generateExceptions) {
    os << "#if defined(_TOV_TRACE)" << endltab;
    os << "    }" << endltab;
    os << "    catch(const CORBA::Exception& excep) {" << endltab;
    os << "\tTOVTrace::server_oper_excep(\"" << d._traced << "\", excep);"
       << endltab;
    os << "\tthrow;" << endltab;
    os << "    }" << std::endl;
    os << "#endif" << endltab;
  }
  writeTraceCall(os, "server_end_oper", d._traced);
}

void writeOperationDispatch(std::ostream& os, const Dispatch& d) {
  writeOperationHead(os, d);
  writeLocals(os, d);
  writeStartTrace(os, d);
  writeArgumentReads(os, d);
  if (!d._params.empty()) {
    os << endltab;
    if (!Generator::generateExceptions)
      writeExceptionCheck(os, d._traced);
  }
  os << "\t_strm.flushRead();" << endltab;
  if (Generator::generateTrace)
    writeTraceCall(os, "server_pre_invoke", d._traced);
  writeCall(os, d);
  if (!Generator::generateExceptions)
    writeExceptionCheck(os, d._traced);
  if (Generator::generateTrace)
    writeTraceCall(os, "server_post_invoke", d._traced);
  writeReplyHolders(os, d);
  if (!d._oneway)
    os << "\t_impl->_prepare_reply(_priv_data);" << endltab;
  writeResultReply(os, d);
  writeOutReplies(os, d);
  if (!d._oneway)
    os << "\t_strm.sendMessage();" << endltab;
  writeEndTrace(os, d);
  os << "}" << endltab;
}

// ---------------------------------------------------------------------------
// The attribute dispatch functions. They carry no trace hooks.

void writeAttributeImpl(std::ostream& os, const std::string& impl) {
  os << "\t" << impl << " *_impl = (" << impl << " *) _obj;" << endltab;
  if (!Generator::generateExceptions)
    writeEnvironment(os);
}

void writeGetDispatch(std::ostream& os, IDLAttrDcl& attr, IDLDefinition* decl,
                      const std::string& impl) {
  const std::string a = unscopedNameOf(decl);
  IDLDefinition* type = attr.typeSpec();
  IDLDefinition* resolved = IDLDefinition::getType(type);
  writeDispatchHead(os, scopeOf(&attr, "_sk_"), "_get_" + a);
  os << "\t\t CORBA::MarshalStream &_strm," << endltab;
  os << "\t\tCORBA::Principal_ptr ," << endltab;
  os << "\t\tconst char *," << endltab;
  os << "\t\tvoid *_priv_data)" << endltab;
  os << "{" << endltab;
  writeAttributeImpl(os, impl);
  os << "\t_strm.flushRead();" << endltab;
  os << "\t_impl->_prepare_reply(_priv_data);" << endltab;
  if (isStringType(resolved))
    os << "\tCORBA::String_var  _ret = _impl->" << a << "();" << endltab;
  else if (Generator::isArgPointer(type, "return"))
    os << "\t" << scopedTypeOf(type, decl) << "_var _ret = _impl->" << a
       << "();" << endltab;
  else
    os << "\t" << returnTypeOf(type) << " _ret = _impl->" << a << "();"
       << endltab;
  if (!Generator::generateExceptions) {
    os << "\tif (_env.exception())" << endltab;
    os << "\t\treturn;" << endltab;
  }
  os << "\t_strm << _ret;" << endltab;
  os << "\t_strm.sendMessage();" << endltab;
  os << "}" << endltab;
}

// The new value is read into a holder for strings and references and, for
// an array, through a _forany over its storage.
void writeSetValue(std::ostream& os, IDLDefinition* type, IDLDefinition* decl) {
  IDLDefinition* resolved = IDLDefinition::getType(type);
  const std::string t = scopedTypeOf(type, decl);
  if (isStringType(resolved)) {
    os << "\tCORBA::String_var _val;" << endltab;
  } else if (Generator::isArgPointer(type, "in")) {
    os << "\t" << t << "_var _val;" << endltab;
  } else if (isArrayType(resolved)) {
    os << "\t" << t << " _v_val;" << endltab;
    os << t << "_forany _val(_v_val);" << endltab;
  } else {
    os << "\t" << t << " _val;" << endltab;
  }
}

void writeSetDispatch(std::ostream& os, IDLAttrDcl& attr, IDLDefinition* decl,
                      const std::string& impl) {
  const std::string a = unscopedNameOf(decl);
  IDLDefinition* type = attr.typeSpec();
  writeDispatchHead(os, scopeOf(&attr, "_sk_"), "_set_" + a);
  os << "\t\tCORBA::MarshalStream &_strm," << endltab;
  os << "\t\tCORBA::Principal_ptr ," << endltab;
  os << "\t\tconst char *, " << endltab;
  os << "\t\tvoid *_priv_data)" << endltab;
  os << "{" << endltab;
  writeAttributeImpl(os, impl);
  writeSetValue(os, type, decl);
  os << "\t_strm >> _val;" << endltab;
  if (!Generator::generateExceptions) {
    os << "\tif (_env.exception())" << endltab;
    os << "\t\treturn;" << endltab;
  }
  os << "\t_strm.flushRead();" << endltab;
  if (isArrayType(IDLDefinition::getType(type)))
    os << "\t_impl->" << a << "(*(const " << scopedTypeOf(type, decl)
       << " *)_v_val);" << endltab;
  else
    os << "\t_impl->" << a << "(_val);" << endltab;
  os << "\t_impl->_prepare_reply(_priv_data);" << endltab;
  os << "\t_strm.sendMessage();" << endltab;
  os << "}" << endltab;
}

// ---------------------------------------------------------------------------
// The skeleton of an interface.

// The names the skeleton's definitions are written with.
struct Skeleton {
  IDLInterface* _interface;
  std::string _q; // the enclosing skeleton classes, each followed by "::"
  std::string _s; // the skeleton class
  std::string _m; // the method table's name without "_" and "_methods"
};

Skeleton makeSkeleton(IDLInterface& intf) {
  Skeleton k;
  k._interface = &intf;
  k._q = scopeOf(&intf, "_sk_");
  k._s = "_sk_" + unscopedNameOf(&intf);
  NCString qualified((k._q + unscopedNameOf(&intf)).c_str());
  NCString* table = Generator::colonToUnderbar(qualified);
  k._m = table->chars();
  delete table;
  return k;
}

// The operations and attributes the interface defines itself: inherited ones
// are dispatched by the base interface's skeleton.
std::vector<IDLDefinition*> ownMembers(IDLInterface& intf,
                                       IDLDefinition::DefinitionType kind) {
  std::vector<IDLDefinition*> members;
  NCOrderedCltn* body = intf.body();
  unsigned count = body ? body->size() : 0;
  for (unsigned i = 0; i < count; ++i) {
    auto* member = static_cast<IDLDefinition*>(body->at(i));
    if (member->kind() == kind && member->definedInScope() == intf.scope())
      members.push_back(member);
  }
  return members;
}

// Opens the table before the first entry and separates the others from the
// one before; `count` counts the entries.
void beginEntry(std::ostream& os, const Skeleton& k, int& count) {
  if (count++ == 0)
    os << "static CORBA::MethodDescription _" << k._m << "_methods[] = {"
       << endltab;
  else
    os << "," << endltab;
}

// Maps every request name to its dispatch function; returns the number of
// entries. No table at all for an interface without operations and
// attributes.
int writeMethodTable(std::ostream& os, const Skeleton& k) {
  int count = 0;
  const std::string target = "&" + k._q + k._s + "::_";
  for (IDLDefinition* op :
       ownMembers(*k._interface, IDLDefinition::DEF_op_dcl)) {
    const std::string n = unscopedNameOf(op);
    beginEntry(os, k, count);
    os << "\t\t{\"" << n << "\", " << target << workaroundFor(n) << n << "}";
  }
  for (IDLDefinition* member :
       ownMembers(*k._interface, IDLDefinition::DEF_attr_dcl)) {
    auto* attr = static_cast<IDLAttrDcl*>(member);
    NCOrderedCltn* decls = attr->declarators();
    unsigned n = decls ? decls->size() : 0;
    for (unsigned i = 0; i < n; ++i) {
      const std::string a =
          unscopedNameOf(static_cast<IDLDefinition*>(decls->at(i)));
      beginEntry(os, k, count);
      os << "\t\t{\"_get_" << a << "\", " << target << "get_" << a << "}";
      if (isReadonly(*attr))
        continue;
      beginEntry(os, k, count);
      os << "\t\t{\"_set_" << a << "\", " << target << "set_" << a << "}";
    }
  }
  // The table's end follows the last entry on its line.
  if (count > 0)
    os << "\t};" << endltab;
  return count;
}

void writeSkeletonInfo(std::ostream& os, const Skeleton& k, int entries) {
  os << "const CORBA::TypeInfo " << k._q << k._s << "::_skel_info(" << endltab;
  os << "\t\t\"" << scopedNameOf(k._interface) << "\"," << endltab;
  os << "\t\t(CORBA::ULong)" << entries << "," << endltab;
  if (entries > 0)
    os << "\t\t_" << k._m << "_methods);" << endltab;
  else
    os << "\t\t(CORBA::MethodDescription *)NULL);" << endltab;
}

void writeSkeletonConstructors(std::ostream& os, const Skeleton& k) {
  const std::string skel = k._q + k._s + "::" + k._s;
  os << skel << "(const char *object_name) : " << endltab;
  os << "\t" << scopeOf(k._interface, nullptr) << unscopedNameOf(k._interface)
     << "(object_name)" << endltab;
  os << "{" << endltab;
  os << "\t_object_name(object_name);" << endltab;
  os << "}" << endltab;
  os << skel << "(const char *service_name, const CORBA::ReferenceData& id)"
     << endltab;
  os << "{" << endltab;
  os << "\t_service(service_name, id);" << endltab;
  os << "}" << endltab;
}

// Inherited definitions were copied into the body by the parser; their
// dispatch functions belong to the base skeleton.
void writeDispatchFunctions(std::ostream& os, IDLInterface& intf) {
  NCOrderedCltn* body = intf.body();
  unsigned count = body ? body->size() : 0;
  for (unsigned i = 0; i < count; ++i) {
    auto* member = static_cast<IDLDefinition*>(body->at(i));
    if (member->definedInScope() != intf.scope())
      continue;
    Generator::_currentContext = member;
    member->serverCCode(os);
    os << endltab;
  }
  Generator::_currentContext = nullptr;
}

} // namespace

void IDLModule::serverCCode(std::ostream& os) {
  NCOrderedCltn* body = definitions();
  unsigned count = body ? body->size() : 0;
  for (unsigned i = 0; i < count; ++i)
    static_cast<IDLDefinition*>(body->at(i))->serverCCode(os);
}

void IDLInterface::serverCCode(std::ostream& os) {
  if (interfaceType() == IT_FORWARD || !body())
    return;
  Generator::pushIntfName(name());
  Skeleton skeleton = makeSkeleton(*this);
  int entries = writeMethodTable(os, skeleton);
  writeSkeletonInfo(os, skeleton, entries);
  writeSkeletonConstructors(os, skeleton);
  writeDispatchFunctions(os, *this);
  Generator::popIntfName();
}

void IDLOpDcl::serverCCode(std::ostream& os) {
  writeOperationDispatch(os, makeDispatch(*this));
}

void IDLAttrDcl::serverCCode(std::ostream& os) {
  const std::string impl = scopedNameOf(definingInterface(this));
  NCOrderedCltn* decls = declarators();
  unsigned count = decls ? decls->size() : 0;
  for (unsigned i = 0; i < count; ++i) {
    auto* decl = static_cast<IDLDefinition*>(decls->at(i));
    // One line end per declarator: the setter follows its getter directly.
    os << endltab;
    writeGetDispatch(os, *this, decl, impl);
    if (!isReadonly(*this))
      writeSetDispatch(os, *this, decl, impl);
  }
}
