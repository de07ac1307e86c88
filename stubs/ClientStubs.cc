// stubs/ClientStubs.cc - client stubs for IDL operations and attributes.
//
// A stub opens a request, sends the in and inout arguments, invokes and reads
// the reply; a TRANSIENT failure is retried once by calling the stub again.
// Errors travel as C++ exceptions or through the per-thread environment.

#include "generate/Generator.h"
#include "generate/NameText.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"

#include <cstdint>
#include <cstring>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using nametext::scopedNameOf;
using nametext::unscopedNameOf;

using Kind = IDLDefinition::DefinitionType;

// The hash of the operation name that travels with every request; it is
// computed while generating, so the stub carries it as a constant.
std::uint32_t string_hash(const char* s) {
  if (!s)
    return 0;
  std::uint32_t h = 0;
  for (; *s; ++s) {
    auto c = static_cast<std::uint32_t>(
        static_cast<std::int32_t>(static_cast<signed char>(*s)));
    h = (h * 2u) ^ c;
  }
  return h & 0x7fffffffu;
}

std::string scopedTypeOf(IDLDefinition* type, IDLDefinition* decl) {
  std::ostringstream text;
  Generator::printScopedType(text, type, decl);
  return text.str();
}

bool isKind(IDLDefinition* resolved, Kind kind) {
  return resolved && resolved->kind() == kind;
}

bool isArrayType(IDLDefinition* resolved) {
  return isKind(resolved, IDLDefinition::DEF_array_decl) ||
         isKind(resolved, IDLDefinition::DEF_array);
}

// One parameter of an operation, with the texts every step needs.
struct Param {
  IDLParamDcl* _node;
  std::string _name; // p
  std::string _type; // T, the declared type qualified
  std::string _direction;
  IDLDefinition* _resolved;
  int _category;

  bool isIn() const { return _direction == "in"; }
  bool isOut() const { return _direction == "out"; }
  bool isInout() const { return _direction == "inout"; }
  bool isArray() const { return isArrayType(_resolved); }
  bool isString() const {
    return isKind(_resolved, IDLDefinition::DEF_string_type);
  }
  // Whether the holder overload takes this parameter as a "_var".
  bool isHolder() const {
    if (isInout())
      return isString() || _category == 2;
    if (isOut())
      return isString() ||
             isKind(_resolved, IDLDefinition::DEF_sequence_type) ||
             (_resolved && !_resolved->fixedLength());
    return false;
  }
};

// What the steps of an operation stub share.
struct OpStub {
  IDLOpDcl* _op;
  std::string _scoped;   // N, in every trace call
  std::string _unscoped; // n
  bool _oneway;
  bool _void;
  std::vector<Param> _params;
  NCOrderedCltn* _contextNames; // null without a context clause
};

OpStub makeOpStub(IDLOpDcl& op) {
  OpStub stub;
  stub._op = &op;
  stub._scoped = scopedNameOf(&op);
  stub._unscoped = unscopedNameOf(&op);
  stub._oneway = std::strcmp(op.oneway().chars(), "oneway") == 0;
  IDLDefinition* result = IDLDefinition::getType(op.returnType());
  stub._void = result && std::strcmp(result->name().chars(), "void") == 0;
  stub._contextNames = op.context() ? op.context()->names() : nullptr;
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
    p._category = Generator::getTypeCategory(p._resolved, node->declarator());
    stub._params.push_back(p);
  }
  return stub;
}

// ---------------------------------------------------------------------------
// Pieces shared by the operation, get and set stubs.

void writeEnvironment(std::ostream& os) {
  os << "\tCORBA::Environment& _env = CORBA::current_environment();" << endltab;
  os << "\t_env.clear();" << endltab;
}

// The local that receives the reply, by the kind of the result `type`.
void writeResultVariable(std::ostream& os, IDLDefinition* type) {
  IDLDefinition* resolved = IDLDefinition::getType(type);
  int category = Generator::getTypeCategory(resolved, nullptr);
  const std::string t = scopedTypeOf(type, nullptr);
  if (category == 2)
    os << "\t" << t << "_ptr _ret = " << t << "::_nil();" << endltab;
  else if (category != 1)
    os << "\t" << t << " _ret = (" << t << ")0;" << endltab;
  else if (isKind(resolved, IDLDefinition::DEF_string_type))
    os << "\tchar *_ret = (char *)NULL;" << endltab;
  else if (isArrayType(resolved))
    os << "\t" << t << "_forany _ret;" << endltab;
  else if (Generator::isArgPointer(type, "return"))
    os << "\t" << t << " *_ret = (" << t << " *)0;" << endltab;
  else
    os << "\t" << t << " _ret;" << endltab;
}

// Opens the request up to the "_create_request(" line; the caller writes the
// arguments. Traced, the creation sits in a try block so that a failure to
// create is traced as well.
void writeCreateRequest(std::ostream& os, const std::string& traced) {
  if (Generator::generateTrace) {
    os << std::endl;
    os << "#if defined(_TOV_TRACE)" << endltab;
    if (Generator::generateExceptions) {
      os << "\tTOVTrace::client_start_oper(\"" << traced << "\");" << endltab;
      os << "\tCORBA::MarshalStream *_strm;" << endltab;
      os << "\ttry {" << endltab;
      os << "\t\t_strm = _create_request(" << std::endl;
    } else {
      os << "\tTOVTrace::client_start_oper(\"" << traced << "\");" << std::endl;
    }
    os << "#else" << endltab;
    os << "\tCORBA::MarshalStream *_strm = _create_request(" << std::endl;
    os << "#endif" << endltab;
  } else {
    os << "\tCORBA::MarshalStream *_strm = _create_request(" << endltab;
  }
}

// A directive block around one trace call naming the traced member.
void writeTraceCall(std::ostream& os, const char* call,
                    const std::string& traced) {
  os << "#if defined(_TOV_TRACE)" << endltab;
  os << "\tTOVTrace::" << call << "(\"" << traced << "\");" << std::endl;
  os << "#endif" << endltab;
}

// The catch head of a TRANSIENT failure, before the retry.
void writeTransientCatch(std::ostream& os, const std::string& traced) {
  if (Generator::generateTrace) {
    os << "\tcatch (const CORBA::TRANSIENT& excep) {" << std::endl;
    os << "#if defined(_TOV_TRACE)" << endltab;
    os << "\t\tTOVTrace::client_oper_excep(\"" << traced << "\", excep);"
       << std::endl;
    os << "#endif" << endltab;
  } else {
    os << "\tcatch (const CORBA::TRANSIENT& ) {" << endltab;
  }
}

// Any other exception is traced and passed on.
void writeTracedRethrow(std::ostream& os, const std::string& traced) {
  os << "#if defined(_TOV_TRACE)" << endltab;
  os << "\tcatch (const CORBA::Exception& excep) {" << endltab;
  os << "\t\tTOVTrace::client_oper_excep(\"" << traced << "\", excep);"
     << endltab;
  os << "\t\tthrow;" << endltab;
  os << "\t}" << std::endl;
  os << "#endif" << endltab;
}

// ---------------------------------------------------------------------------
// The operation stub.

void writeStubSignature(std::ostream& os, const OpStub& stub) {
  Generator::printScopedReturnType(os, stub._op->returnType());
  os << " " << stub._scoped << "(";
  if (!stub._params.empty())
    os << endltab << "\t\t";
  Generator::printParams(os, stub._op->parameters(), stub._op->context());
  os << ")" << endltab;
  os << "{" << endltab;
}

void writeRequestArgs(std::ostream& os, const OpStub& stub) {
  const char* name = stub._unscoped.c_str();
  os << "\t\t\t\"" << name << "\"," << endltab;
  os << (stub._oneway ? "\t\t\t0," : "\t\t\t1,") << endltab;
  os << "\t\t\t" << string_hash(name) << ");" << endltab;
}

// Without exceptions a failed creation returns at once.
void writeCreationCheck(std::ostream& os, const OpStub& stub) {
  const std::string& n = stub._scoped;
  if (Generator::generateExceptions) {
    if (!Generator::generateTrace)
      return;
    os << "#if defined(_TOV_TRACE)" << endltab;
    os << "\t}" << endltab;
    os << "\tcatch(const CORBA::Exception& excep) {" << endltab;
    os << "\t\tTOVTrace::client_oper_excep(\"" << n << "\", excep);" << endltab;
    os << "\t\tthrow;" << endltab;
    os << "\t}" << std::endl;
    os << "#endif" << endltab;
    return;
  }
  if (Generator::generateTrace) {
    os << "#if defined(_TOV_TRACE)" << endltab;
    os << "\tif (_env.exception()) { " << endltab;
    os << "\t\tTOVTrace::client_oper_excep(\"" << n << "\", *_env.exception());"
       << endltab;
  } else {
    os << "\tif (_env.exception()) " << endltab;
  }
  if (stub._void)
    os << "\t\treturn;" << endltab;
  else
    os << "\t\treturn _ret;" << endltab;
  if (Generator::generateTrace)
    os << "#endif" << endltab;
}

// The trace of one argument or out value; arrays print through their
// _forany, written without a blank before "<<".
void writeParamTrace(std::ostream& os, const OpStub& stub, const Param& p,
                     const std::string& value) {
  os << "#if defined(_TOV_TRACE)" << endltab;
  os << "\tTOVTrace::client_print_param(\"" << stub._scoped << "\", \""
     << p._name << "\", \"" << p._direction << "\");" << endltab;
  if (p.isArray())
    os << "\tTOVTrace::strm << " << value << "<< endl;" << std::endl;
  else
    os << "\tTOVTrace::strm << " << value << " << endl;" << std::endl;
  os << "#endif" << endltab;
}

// The in and inout arguments, in declaration order.
void writeArguments(std::ostream& os, const OpStub& stub) {
  for (const Param& p : stub._params) {
    if (p.isOut())
      continue;
    if (p.isArray()) {
      os << "\t" << p._type << "_forany _a_" << p._name << "((" << p._type
         << "_slice *)" << p._name << ");" << endltab;
      os << "\t*_strm << _a_" << p._name << ";" << endltab;
    } else {
      os << "\t*_strm << " << p._name << ";" << endltab;
    }
    if (Generator::generateTrace)
      writeParamTrace(os, stub, p, p.isArray() ? "_a_" + p._name : p._name);
  }
}

// The context strings are sent as written in the IDL, quotes included.
void writeContext(std::ostream& os, const OpStub& stub) {
  if (!stub._contextNames)
    return;
  os << "\t_context->_write(*_strm, " << endltab;
  for (unsigned i = 0; i < stub._contextNames->size(); ++i) {
    auto* literal = static_cast<IDLDefinition*>(stub._contextNames->at(i));
    os << "\t\t" << literal->name().chars() << "," << endltab;
  }
  os << "\t\tNULL);" << endltab;
}

// Calls the stub again with the same arguments, each on a line of its own.
// An "in" array goes through a cast for a compiler that cannot pass it
// otherwise; a directive must end its line, so what follows "#endif" starts
// a new one.
void writeRetryCall(std::ostream& os, const OpStub& stub) {
  if (stub._void)
    os << "\t\t\t" << stub._unscoped << "(";
  else
    os << "\t\t\treturn " << stub._unscoped << "(";
  bool first = true;
  bool afterDirective = false;
  for (const Param& p : stub._params) {
    if (afterDirective)
      os << endltab;
    afterDirective = false;
    if (!first)
      os << ",";
    first = false;
    if (p.isIn() && p.isArray()) {
      os << std::endl;
      os << "#if defined(_MSC_BUG)" << endltab;
      os << "\t\t\t\t*(" << p._type << " *)" << p._name << std::endl;
      os << "#else" << endltab;
      os << "\t\t\t\t" << p._name << std::endl;
      os << "#endif";
      afterDirective = true;
    } else {
      os << endltab;
      os << "\t\t\t\t" << p._name;
    }
  }
  if (afterDirective)
    os << endltab;
  if (stub._contextNames) {
    if (!first)
      os << ",";
    os << endltab;
    os << "\t\t\t\t_context";
  }
  os << ");" << endltab;
}

void writeInvokeWithExceptions(std::ostream& os, const OpStub& stub) {
  os << "\ttry {" << endltab;
  os << (stub._oneway ? "\t\t_send();" : "\t\t_invoke();") << endltab;
  os << "\t}" << endltab;
  writeTransientCatch(os, stub._scoped);
  writeRetryCall(os, stub);
  if (stub._void)
    os << "\t\t\treturn;" << endltab;
  if (Generator::generateTrace) {
    os << "\t}" << std::endl;
    writeTracedRethrow(os, stub._scoped);
  } else {
    os << "\t}" << endltab;
  }
}

void writeInvokeWithEnvironment(std::ostream& os, const OpStub& stub) {
  os << (stub._oneway ? "\t\t_send();" : "\t\t_invoke();") << endltab;
  if (Generator::generateTrace) {
    os << "\tif (_env.exception()) {" << std::endl;
    os << "#if defined(_TOV_TRACE)" << endltab;
    os << "\tTOVTrace::client_oper_excep(\"" << stub._scoped
       << "\", *_env.exception());" << std::endl;
    os << "#endif" << endltab;
  } else {
    os << "\tif (_env.exception()) {" << endltab;
  }
  os << "\t\tif (CORBA::TRANSIENT::_narrow(_env.exception()) != " << endltab;
  os << "\t\t\t\t(CORBA::TRANSIENT *)NULL)" << endltab;
  writeRetryCall(os, stub);
  os << "\t\telse" << endltab;
  if (stub._void)
    os << "\t\treturn;" << endltab;
  else
    os << "\t\t\treturn _ret;" << endltab;
  os << "\t}" << endltab;
}

// Traced with exceptions, the reading of the reply sits in a try block of
// its own so that a failure while reading is traced.
bool tracedReplyBlock() {
  return Generator::generateTrace && Generator::generateExceptions;
}

void writeResult(std::ostream& os, const OpStub& stub) {
  if (stub._void) {
    if (tracedReplyBlock()) {
      os << "#if defined(_TOV_TRACE)" << endltab;
      os << "    try {" << std::endl;
      os << "#endif" << endltab;
    }
    return;
  }
  if (!tracedReplyBlock()) {
    os << "\t*_strm >> _ret;" << endltab;
    return;
  }
  os << "#if defined(_TOV_TRACE)" << endltab;
  os << "    try {" << endltab;
  os << "\t*_strm >> _ret;" << endltab;
  os << "\tTOVTrace::client_print_param(\"" << stub._scoped << "\");"
     << endltab;
  os << "\tTOVTrace::strm << _ret << endl;" << std::endl;
  os << "#else" << endltab;
  os << "\t*_strm >> _ret;" << std::endl;
  os << "#endif" << endltab;
}

// The out and inout values, in declaration order.
void writeOutValues(std::ostream& os, const OpStub& stub) {
  for (const Param& p : stub._params) {
    if (p.isIn())
      continue;
    const std::string& v = p._name;
    if (p.isInout()) {
      if (p.isArray())
        os << "\t*_strm >> _a_" << v << ";" << endltab;
      else
        os << "\t*_strm >> " << v << ";" << endltab;
    } else if (p.isString()) {
      os << "\t" << v << " = (char *)NULL;" << endltab;
      os << "\t*_strm >> " << v << ";" << endltab;
    } else if (p._category == 2) {
      os << "\t" << v << " = (" << p._type << "_ptr)NULL;" << endltab;
      os << "\t*_strm >> " << v << ";" << endltab;
    } else if (p.isArray()) {
      if (Generator::isArgPointer(p._node, "out"))
        os << "\t" << v << " = " << p._type << "_alloc();" << endltab;
      os << "\t" << p._type << "_forany _a_" << v << "(" << v << ");"
         << endltab;
      os << "\t*_strm >>  _a_" << v << ";" << endltab;
    } else {
      os << "\t*_strm >> " << v << ";" << endltab;
    }
    if (!tracedReplyBlock())
      continue;
    if (p.isArray())
      writeParamTrace(os, stub, p, "_a_" + v);
    else if (p._category != 2 &&
             Generator::isArgPointer(p._node, p._direction.c_str()))
      writeParamTrace(os, stub, p, "*" + v);
    else
      writeParamTrace(os, stub, p, v);
  }
}

void writeReplyTraceEnd(std::ostream& os, const OpStub& stub) {
  if (!Generator::generateTrace)
    return;
  os << "#if defined(_TOV_TRACE)" << endltab;
  if (Generator::generateExceptions) {
    os << "    }" << endltab;
    os << "    catch(const CORBA::Exception& excep) {" << endltab;
    os << "\tTOVTrace::client_oper_excep(\"" << stub._scoped << "\", excep);"
       << endltab;
    os << "\tthrow;" << endltab;
    os << "}" << std::endl;
  } else {
    os << "\tif (_env.exception())" << endltab;
    os << "\t\tTOVTrace::client_oper_excep(\"" << stub._scoped
       << "\", *_env.exception());" << std::endl;
  }
  os << "#endif" << endltab;
}

void writeStubEnd(std::ostream& os, const OpStub& stub) {
  os << "\t_strm->flushRead();" << endltab;
  if (Generator::generateTrace)
    writeTraceCall(os, "client_end_oper", stub._scoped);
  if (!stub._void)
    os << "\treturn _ret;" << endltab;
  os << "}" << endltab;
}

void writeOperationStub(std::ostream& os, const OpStub& stub) {
  writeStubSignature(os, stub);
  if (!stub._void)
    writeResultVariable(os, stub._op->returnType());
  if (!Generator::generateExceptions)
    writeEnvironment(os);
  writeCreateRequest(os, stub._scoped);
  writeRequestArgs(os, stub);
  writeCreationCheck(os, stub);
  writeArguments(os, stub);
  writeContext(os, stub);
  if (Generator::generateTrace)
    writeTraceCall(os, "client_pre_invoke", stub._scoped);
  os << endltab;
  if (Generator::generateExceptions)
    writeInvokeWithExceptions(os, stub);
  else
    writeInvokeWithEnvironment(os, stub);
  if (Generator::generateTrace)
    writeTraceCall(os, "client_post_invoke", stub._scoped);
  writeResult(os, stub);
  writeOutValues(os, stub);
  writeReplyTraceEnd(os, stub);
  writeStubEnd(os, stub);
}

// ---------------------------------------------------------------------------
// The overload that takes holders for the values the stub hands back, so
// that a caller's "_var" takes ownership.

bool needsHolderOverload(const OpStub& stub) {
  for (const Param& p : stub._params) {
    if (p.isInout() && p.isString())
      return true;
    if (p.isOut() && p.isHolder())
      return true;
  }
  return false;
}

void writeHolderSignature(std::ostream& os, const OpStub& stub) {
  Generator::printScopedReturnType(os, stub._op->returnType());
  os << " " << stub._scoped << "(";
  bool first = true;
  for (const Param& p : stub._params) {
    if (!first)
      os << "," << endltab << "\t\t";
    first = false;
    if (p.isHolder() && p.isString()) {
      os << "CORBA::String_var& _v_" << p._name;
    } else if (p.isHolder()) {
      os << p._type << "_var& _v_" << p._name;
    } else {
      Generator::printParamType(os, p._node->typeSpec(), p._node->declarator(),
                                p._direction.c_str());
      os << " " << p._name;
    }
  }
  if (stub._contextNames) {
    if (!first)
      os << ",";
    os << endltab << "\t\tCORBA::Context_ptr _context";
  }
  os << ")" << endltab;
  os << "{" << endltab;
}

void writeHolderLocals(std::ostream& os, const OpStub& stub) {
  for (const Param& p : stub._params) {
    if (!p.isHolder())
      continue;
    const char* slice = p.isArray() ? "_slice" : "";
    const char* pointer = p.isString() ? "" : " *";
    os << "\t" << p._type << slice << pointer << " " << p._name;
    if (p.isOut())
      os << " = (" << p._type << slice << pointer << ")NULL;" << endltab;
    else
      os << " = _v_" << p._name << ";" << endltab;
  }
}

// The stub called with the locals in place of the holders; the same cast
// for "in" arrays as in the retry.
void writeHolderCall(std::ostream& os, const OpStub& stub) {
  os << endltab;
  os << "\t";
  if (!stub._void) {
    Generator::printReturnType(os, stub._op->returnType());
    os << " _ret = ";
  }
  os << stub._unscoped << "(";
  bool first = true;
  bool afterDirective = false;
  for (const Param& p : stub._params) {
    bool array = p.isIn() && p.isArray();
    if (afterDirective)
      os << endltab;
    afterDirective = false;
    if (!first && array)
      os << "," << std::endl;
    else if (!first)
      os << "," << endltab << "\t\t";
    else if (array)
      os << std::endl;
    first = false;
    if (array) {
      os << "#if defined(_MSC_BUG)" << endltab;
      os << "\t\t*(" << p._type << " *)" << p._name << std::endl;
      os << "#else" << endltab;
      os << "\t\t" << p._name << std::endl;
      os << "#endif";
      afterDirective = true;
    } else {
      os << p._name;
    }
  }
  if (afterDirective)
    os << endltab;
  if (stub._contextNames) {
    if (!first)
      os << ",";
    os << endltab << "\t\t_context";
  }
  os << ");" << endltab;
}

void writeHolderOverload(std::ostream& os, const OpStub& stub) {
  writeHolderSignature(os, stub);
  writeHolderLocals(os, stub);
  writeHolderCall(os, stub);
  for (const Param& p : stub._params) {
    if (p.isHolder())
      os << "\t_v_" << p._name << " = " << p._name << ";" << endltab;
  }
  if (!stub._void)
    os << "\treturn _ret;" << endltab;
  os << "}" << endltab;
}

// ---------------------------------------------------------------------------
// Attribute accessors.

// What the get and set stubs of one declarator share.
struct AttrStub {
  IDLDefinition* _type;
  IDLDefinition* _declarator;
  std::string _scoped;   // A
  std::string _unscoped; // a
  std::string _typeText; // T
  bool _array;
};

void writeGetStub(std::ostream& os, const AttrStub& attr) {
  const std::string& A = attr._scoped;
  const std::string& a = attr._unscoped;
  Generator::printScopedReturnType(os, attr._type);
  os << " " << A << "()" << endltab;
  os << "{" << endltab;
  if (!Generator::generateExceptions)
    writeEnvironment(os);
  writeResultVariable(os, attr._type);
  writeCreateRequest(os, A);
  os << "\t\t\t\"_get_" << a << "\"," << endltab;
  os << "\t\t\t1, " << endltab;
  os << "\t\t\t" << string_hash(a.c_str()) << ");" << endltab;

  if (Generator::generateExceptions) {
    if (Generator::generateTrace) {
      os << "#if defined(_TOV_TRACE)" << endltab;
      os << "\t}" << endltab;
      os << "\tcatch(const CORBA::Exception& excep) {" << endltab;
      os << "\t\tTOVTrace::client_oper_excep(\"" << A << "\", excep);"
         << endltab;
      os << "\t\tthrow;" << endltab;
      os << "\t}" << std::endl;
      os << "#endif" << endltab;
    }
    os << "\ttry {" << endltab;
    os << "\t\t_invoke();" << endltab;
    os << "\t}" << endltab;
    writeTransientCatch(os, A);
    os << "\t\treturn " << a << "();" << endltab;
    if (Generator::generateTrace) {
      os << "\t}" << std::endl;
      writeTracedRethrow(os, A);
    } else {
      os << "\t}" << endltab;
    }
  } else {
    if (Generator::generateTrace) {
      os << "#if defined(_TOV_TRACE)" << endltab;
      os << "\tif (_env.exception()) {" << endltab;
      os << "\t\tTOVTrace::client_oper_excep(\"" << A
         << "\", *_env.exception());" << endltab;
    } else {
      os << "\tif (_env.exception() )" << endltab;
    }
    os << "\t\treturn _ret;" << endltab;
    if (Generator::generateTrace) {
      os << "\t}" << std::endl;
      os << "#endif" << endltab;
      writeTraceCall(os, "client_pre_invoke", A);
    }
    os << "\t_invoke();" << endltab;
    if (Generator::generateTrace) {
      os << "\tif (_env.exception()) {" << std::endl;
      os << "#if defined(_TOV_TRACE)" << endltab;
      os << "\t\tTOVTrace::client_oper_excep(\"" << A
         << "\", *_env.exception());" << std::endl;
      os << "#endif" << endltab;
    } else {
      os << "\tif (_env.exception()) {" << endltab;
    }
    os << "\t\tif (CORBA::TRANSIENT::_narrow(_env.exception()) !=" << endltab;
    os << "\t\t\t\t\t(CORBA::TRANSIENT *)NULL)" << endltab;
    os << "\t\t\treturn " << a << "();" << endltab;
    os << "\t\telse" << endltab;
    os << "\t\t\treturn _ret;" << endltab;
    os << "\t}" << endltab;
  }

  if (Generator::generateTrace) {
    os << "#if defined(_TOV_TRACE)" << endltab;
    os << "\tTOVTrace::client_post_invoke(\"" << A << "\");" << endltab;
    if (Generator::generateExceptions) {
      os << "\ttry {" << endltab;
      os << "\t\t*_strm >> _ret;" << endltab;
      os << "\t\t_strm->flushRead();" << endltab;
      os << "\t}" << endltab;
      os << "\tcatch(const CORBA::Exception& excep) {" << endltab;
      os << "\t\tTOVTrace::client_oper_excep(\"" << A << "\", excep);"
         << endltab;
      os << "\t\tthrow;" << endltab;
      os << "\t}" << endltab;
    } else {
      os << "\t\t*_strm >> _ret;" << endltab;
      os << "\t_strm->flushRead();" << endltab;
      os << "\tif ( _env.exception()) {" << endltab;
      os << "\t\tTOVTrace::client_oper_excep(\"" << A
         << "\", _env.exception());" << endltab;
      os << "\t}" << endltab;
    }
    os << "\tTOVTrace::client_print_param(\"" << A << "\");" << endltab;
    os << "\tTOVTrace::strm << _ret << endl;" << std::endl;
    os << "#else" << endltab;
    os << "\t*_strm >> _ret;" << endltab;
    os << "\t_strm->flushRead();" << std::endl;
    os << "#endif" << endltab;
    writeTraceCall(os, "client_end_oper", A);
  } else {
    os << "\t*_strm >> _ret;" << endltab;
    os << "\t_strm->flushRead();" << endltab;
  }
  os << "\treturn _ret;" << endltab;
  os << "}" << endltab;
}

void writeSetStub(std::ostream& os, const AttrStub& attr) {
  const std::string& A = attr._scoped;
  const std::string& a = attr._unscoped;
  const std::string& T = attr._typeText;
  os << "void " << A << "(";
  Generator::printParamType(os, attr._type, attr._declarator, "in");
  os << " "
     << "val)" << endltab;
  os << "{" << endltab;
  if (!Generator::generateExceptions)
    writeEnvironment(os);
  writeCreateRequest(os, A);
  os << "\t\t\t\"_set_" << a << "\"," << endltab;
  os << "\t\t\t1," << endltab;
  os << "\t\t\t" << string_hash(a.c_str()) << ");" << endltab;
  if (!Generator::generateExceptions) {
    os << "\tif (_env.exception())" << endltab;
    os << "\t\treturn;" << endltab;
  }

  if (attr._array) {
    os << "\t" << T << "_forany _a_val((" << T << "_slice *)val);" << endltab;
    os << "\t*_strm << _a_val;" << endltab;
  } else {
    os << "\t*_strm << val;" << endltab;
  }

  if (Generator::generateExceptions) {
    if (Generator::generateTrace) {
      os << "#if defined(_TOV_TRACE)" << endltab;
      os << "\t}" << endltab;
      os << "\tcatch (const CORBA::Exception& excep){" << endltab;
      os << "\t\tTOVTrace::client_oper_excep(\"" << A << "\", excep);"
         << endltab;
      os << "\t\tthrow;" << endltab;
      os << "\t}" << endltab;
      os << "\t\tTOVTrace::client_pre_invoke(\"" << A << "\");" << std::endl;
      os << "#endif" << endltab;
    }
    os << "\ttry {" << endltab;
    os << "\t\t_invoke();" << endltab;
    os << "\t}" << endltab;
    writeTransientCatch(os, A);
    if (attr._array) {
      os << "\t\t" << a << std::endl;
      os << "#if defined(_MSC_BUG)" << endltab;
      os << "\t\t(*(" << T << " *)(&val));" << std::endl;
      os << "#else" << endltab;
      os << "\t\t(val);" << std::endl;
      os << "#endif" << endltab;
    } else {
      os << "\t\t" << a << "(val);" << endltab;
    }
    os << "\t\treturn;" << endltab;
    if (Generator::generateTrace) {
      os << "\t}" << std::endl;
      os << "#if defined(_TOV_TRACE)" << endltab;
      os << "\tcatch(const CORBA::Exception& excep) {" << endltab;
      os << "\t\tTOVTrace::client_oper_excep(\"" << A << "\", excep);"
         << endltab;
      os << "\t\tthrow;" << endltab;
      os << "\t};" << std::endl;
      os << "#endif" << endltab;
    } else {
      os << "\t}" << endltab;
    }
  } else {
    os << "\t_invoke();" << endltab;
    os << "\tif (_env.exception()) {" << endltab;
    os << "\t\tif (CORBA::TRANSIENT::_narrow(_env.exception()) != NULL)"
       << endltab;
    os << "\t\t\t" << a << "(val);" << endltab;
    os << "\t\treturn;" << endltab;
    os << "\t}" << endltab;
  }

  if (Generator::generateTrace) {
    os << "\t_strm->flushRead();" << std::endl;
    os << "#if defined(_TOV_TRACE)" << endltab;
    os << "\tTOVTrace::client_post_invoke(\"" << A << "\");" << endltab;
    os << "\tTOVTrace::client_end_oper(\"" << A << "\");" << std::endl;
    os << "#endif" << endltab;
  } else {
    os << "\t_strm->flushRead();" << endltab;
  }
  os << "}" << endltab;
}

} // namespace

void IDLOpDcl::clientCCode(std::ostream& os) {
  OpStub stub = makeOpStub(*this);
  writeOperationStub(os, stub);
  if (Generator::overloadVarFunc && needsHolderOverload(stub))
    writeHolderOverload(os, stub);
}

void IDLAttrDcl::clientCCode(std::ostream& os) {
  NCOrderedCltn* list = declarators();
  unsigned count = list ? list->size() : 0;
  bool readOnly = std::strcmp(readonly().chars(), "readonly") == 0;
  for (unsigned i = 0; i < count; ++i) {
    AttrStub attr;
    attr._type = typeSpec();
    attr._declarator = static_cast<IDLDefinition*>(list->at(i));
    attr._scoped = scopedNameOf(attr._declarator);
    attr._unscoped = unscopedNameOf(attr._declarator);
    attr._typeText = scopedTypeOf(attr._type, attr._declarator);
    attr._array = isArrayType(IDLDefinition::getType(attr._type));
    writeGetStub(os, attr);
    if (!readOnly)
      writeSetStub(os, attr);
  }
}
