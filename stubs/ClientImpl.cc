// stubs/ClientImpl.cc - the client implementation file's code for each
// definition: interface type information, binding and narrowing, exception
// members, struct and union support members and type-code definitions.
//
// Operation and attribute stubs are in ClientStubs.cc.

#include "generate/Generator.h"
#include "generate/NameText.h"
#include "generate/StructCode.h"
#include "generate/UnionCode.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "stubs/ClientGen.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLConstDcl.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLEnumType.h"
#include "tree/IDLException.h"
#include "tree/IDLInterface.h"
#include "tree/IDLInterfaceHeader.h"
#include "tree/IDLMember.h"
#include "tree/IDLModule.h"
#include "tree/IDLScope.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using nametext::scopedNameOf;
using nametext::unscopedNameOf;

std::string repositoryIdOf(IDLDefinition* definition) {
  std::ostringstream text;
  Generator::printRepositoryId(text, definition);
  return text.str();
}

// The out-of-line classes of the sequences and arrays a construct's own
// scope uses; array members are inline in the header unless asked otherwise.
void writeContainerClasses(std::ostream& os, IDLScope* scope) {
  ClientGen::printImplementSequences(os, scope);
  if (!Generator::generateInline)
    ClientGen::printImplementArrays(os, scope);
}

// ---------------------------------------------------------------------------
// Interfaces.

void writeTypeInfo(std::ostream& os, IDLInterface& iface,
                   const std::string& i) {
  os << "const CORBA::TypeInfo " << i << "::_class_info(\"" << i << "\","
     << endltab;
  os << "\t\t" << repositoryIdOf(&iface) << "," << endltab;
  os << "\t\t&" << i << "::_factory," << endltab;
  NCOrderedCltn* bases =
      iface.header() ? iface.header()->inheritance() : nullptr;
  if (bases && bases->size() > 0) {
    for (unsigned k = 0; k < bases->size(); ++k) {
      auto* base = static_cast<IDLDefinition*>(bases->at(k));
      os << "\t\t" << scopedNameOf(base) << "::_desc()," << endltab;
    }
  } else {
    os << "\t\tCORBA::Object::_desc()," << endltab;
  }
  os << "\t\t0);" << endltab;

  os << "const CORBA::TypeInfo *" << i << "::_desc()" << endltab;
  os << "{" << endltab;
  os << "\treturn &_class_info;" << endltab;
  os << "}" << endltab;

  os << "const CORBA::TypeInfo *" << i << "::_type_info() const" << endltab;
  os << "{" << endltab;
  os << "\treturn &_class_info;" << endltab;
  os << "}" << endltab;
}

// Every base, direct or not, answers for itself, so that a reference can be
// narrowed to any interface it derives from.
void writeSafeNarrow(std::ostream& os, IDLInterface& iface,
                     const std::string& i) {
  os << "void *" << i << "::_safe_narrow(const CORBA::TypeInfo& _info) const"
     << endltab;
  os << "{" << endltab;
  os << "\tif (_class_info == _info)" << endltab;
  os << "\t\treturn (void *) this;" << endltab;
  NCOrderedCltn closure;
  Generator::parent_transitive_closure(iface, closure);
  for (unsigned k = 0; k < closure.size(); ++k) {
    const std::string b =
        scopedNameOf(static_cast<IDLDefinition*>(closure.at(k)));
    os << "\tif ( _info == *" << b << "::_desc())" << endltab;
    os << "\t\treturn (void *)(" << b << " *)this;" << endltab;
  }
  os << "\treturn " << Generator::baseObject << "::_safe_narrow(_info);"
     << endltab;
  os << "}" << endltab;
}

void writeNarrowAndFactory(std::ostream& os, const std::string& i,
                           const std::string& u) {
  os << i << " *" << i << "::_narrow(CORBA::Object *obj)" << endltab;
  os << "{" << endltab;
  os << "\tif (obj == CORBA::Object::_nil())" << endltab;
  os << "\t\treturn " << u << "::_nil();" << endltab;
  os << "\telse" << endltab;
  os << "\t\treturn " << u << "::_duplicate((" << u
     << "_ptr)obj->_safe_narrow(_class_info));" << endltab;
  os << "}" << endltab;

  os << "CORBA::Object *" << i << "::_factory()" << endltab;
  os << "{" << endltab;
  os << "\treturn new " << i << ";" << endltab;
  os << "}" << endltab;
}

// A reference the process already holds is narrowed; otherwise a new proxy
// binds to the named object, and is dropped again when binding fails.
void writeBind(std::ostream& os, const std::string& i, const std::string& u) {
  const char* base = Generator::baseObject;
  os << i << " *" << i << "::_bind(const char *_object_name," << endltab;
  os << "\t\tconst char *_host_name, const CORBA::BindOptions *_opt)"
     << endltab;
  os << "{" << endltab;
  if (!Generator::generateExceptions) {
    os << "\tCORBA::Environment& _env = CORBA::current_environment();"
       << endltab;
    os << "\t_env.clear();" << endltab;
  }
  os << "\t" << u << " *_impl;" << endltab;
  os << "\tCORBA::Object *_obj = _implementation(" << endltab;
  os << "\t\t\t\t\"" << i << "\", " << endltab;
  os << "\t\t\t\t_object_name," << endltab;
  os << "\t\t\t\t_host_name);" << endltab;
  os << "\tif (!_obj) {" << endltab;
  os << "\t\t_impl = new " << u << "(_object_name);" << endltab;
  if (Generator::generateExceptions) {
    os << "\t\ttry {" << endltab;
    os << "\t\t\t_impl->" << base << "::_bind(" << endltab;
    os << "\t\t\t\t\"" << i << "\"," << endltab;
    os << "\t\t\t\t_object_name," << endltab;
    os << "\t\t\t\t_host_name," << endltab;
    os << "\t\t\t\t_opt);" << endltab;
    os << "\t\t}" << endltab;
    os << "\t\tcatch(const CORBA::Exception& ) {" << endltab;
    os << "\t\t\tdelete _impl;" << endltab;
    os << "\t\t\t_impl = (" << i << " *)NULL;" << endltab;
    os << "\t\t\tthrow;" << endltab;
    os << "\t\t}" << endltab;
  } else {
    os << "\t\t_impl->" << base << "::_bind(" << endltab;
    os << "\t\t\t\t\"" << i << "\"," << endltab;
    os << "\t\t\t\t_object_name," << endltab;
    os << "\t\t\t\t_host_name," << endltab;
    os << "\t\t\t\t_opt);" << endltab;
    os << "\t\tif (_env.exception()) {" << endltab;
    os << "\t\t\tdelete _impl;" << endltab;
    os << "\t\t\t_impl =  (" << i << " *)NULL;" << endltab;
    os << "\t\t}" << endltab;
  }
  os << "\t}" << endltab;
  os << "\telse" << endltab;
  os << "\t\t_impl = " << u << "::_narrow(_obj);" << endltab;
  os << "\treturn _impl;" << endltab;
  os << "}" << endltab;
}

// Inherited members were copied into the body by the parser; their stubs
// belong to the base interface's class.
void writeMembers(std::ostream& os, IDLInterface& iface) {
  NCOrderedCltn* body = iface.body();
  unsigned count = body ? body->size() : 0;
  for (unsigned k = 0; k < count; ++k) {
    auto* member = static_cast<IDLDefinition*>(body->at(k));
    if (member->definedInScope() != iface.scope())
      continue;
    Generator::_currentContext = member;
    member->clientCCode(os);
    os << endltab;
  }
  Generator::_currentContext = nullptr;
}

// ---------------------------------------------------------------------------
// Exceptions.

// What the object-stream and readable-form members do with one declarator:
// an anonymous array travels through its _forany class.
struct ExceptionMember {
  std::string _name; // m
  bool _array;
  bool _exception; // the member's type is itself an exception
};

std::vector<ExceptionMember> exceptionMembersOf(NCOrderedCltn* members) {
  std::vector<ExceptionMember> result;
  unsigned count = members ? members->size() : 0;
  for (unsigned k = 0; k < count; ++k) {
    auto* member = static_cast<IDLMember*>(members->at(k));
    IDLDefinition* type = Generator::getType(member->typeSpec());
    NCOrderedCltn* decls = member->declarators();
    unsigned n = decls ? decls->size() : 0;
    for (unsigned d = 0; d < n; ++d) {
      auto* decl = static_cast<IDLDefinition*>(decls->at(d));
      ExceptionMember m;
      m._name = unscopedNameOf(decl);
      m._array = decl->kind() == IDLDefinition::DEF_array_decl;
      m._exception = type && type->kind() == IDLDefinition::DEF_except;
      result.push_back(m);
    }
  }
  return result;
}

void writeExceptionDescription(std::ostream& os, IDLException& ex,
                               const std::string& e) {
  os << "const CORBA_Exception::Description " << e << "::_description("
     << endltab;
  os << "\t\t\"" << e << "\"," << endltab;
  os << "\t\t" << repositoryIdOf(&ex) << "," << endltab;
  os << "\t\t" << e << "::_factory," << endltab;
  os << "\t\t&CORBA::UserException::_description);" << endltab;
  os << "const CORBA_Exception::Description& " << e
     << "::_desc() const { return _description; }" << endltab;
  os << e << " *" << e << "::_narrow(CORBA::Exception *exc)" << endltab;
  os << "{" << endltab;
  os << "\tif ( exc && exc->_desc().can_cast(_description))" << endltab;
  os << "\t\treturn (" << e << " *)exc;" << endltab;
  os << "\telse" << endltab;
  os << "\t\treturn (" << e << " *)NULL;" << endltab;
  os << "}" << endltab;
}

void writeExceptionStreams(std::ostream& os, const std::string& e,
                           const std::vector<ExceptionMember>& members) {
  os << "void " << e << "::_write(NCostream& strm) const" << endltab;
  os << "{" << endltab;
  for (const ExceptionMember& m : members) {
    if (m._array)
      os << "\tstrm << " << m._name << "_forany((" << m._name << "_slice *)"
         << m._name << ");" << endltab;
    else
      os << "\tstrm << " << m._name << ";" << endltab;
  }
  os << "}" << endltab;

  os << "void " << e << "::_copy(NCistream& strm)" << endltab;
  os << "{" << endltab;
  for (const ExceptionMember& m : members) {
    if (m._array)
      os << "\tstrm >> " << m._name << "_forany((" << m._name << "_slice *)"
         << m._name << ");" << endltab;
    else
      os << "\tstrm >> " << m._name << ";" << endltab;
  }
  os << "}" << endltab;

  if (!Generator::generateStdStream)
    return;
  os << "void " << e << "::_pretty_print(NCostream& strm) const" << endltab;
  os << "{" << endltab;
  os << "\tstrm << \"EXCEPTION NAME: " << e << "\" << endl;" << endltab;
  for (const ExceptionMember& m : members) {
    if (m._array)
      os << "\tstrm << \"" << m._name << ": \" << " << m._name << "_forany(("
         << m._name << "_slice *)" << m._name << ") << endl;" << endltab;
    else if (m._exception)
      os << "\t" << m._name << "._pretty_print(strm);" << endltab;
    else
      os << "\tstrm << \"" << m._name << ": \" << " << m._name << " << endl;"
         << endltab;
  }
  os << "}" << endltab;
}

} // namespace

void IDLInterface::clientCCode(std::ostream& os) {
  if (!body())
    return;
  Generator::pushIntfName(name());
  const std::string i = scopedNameOf(this);
  const std::string u = unscopedNameOf(this);
  writeTypeInfo(os, *this, i);
  writeSafeNarrow(os, *this, i);
  writeNarrowAndFactory(os, i, u);
  writeBind(os, i, u);
  writeMembers(os, *this);
  Generator::implementObjectVar(os, this);
  Generator::popIntfName();
  Generator::typeCodeCCode(os, this);
}

void IDLException::clientCCode(std::ostream& os) {
  writeContainerClasses(os, scope());
  const std::string e = scopedNameOf(this);
  writeExceptionDescription(os, *this, e);
  if (members() && members()->size() > 0) {
    std::ostringstream prefix;
    Generator::printScope(prefix, this, nullptr);
    StructCode::printConstructor(os, prefix.str().c_str(),
                                 unscopedNameOf(this).c_str(), members());
    writeExceptionStreams(os, e, exceptionMembersOf(members()));
  }
  Generator::typeCodeCCode(os, this);
}

void IDLStructure::clientCCode(std::ostream& os) {
  writeContainerClasses(os, scope());
  const std::string s = scopedNameOf(this);
  if (!fixedLength())
    StructCode::printEquals(os, s.c_str(), members());
  StructCode::printStreamWriter(os, s.c_str(), members());
  StructCode::printStreamConstructor(os, s.c_str(), "DSResource", members());
  StructCode::printPrettyPrint(os, s.c_str(), members());
  os << endltab;
  if (Generator::generateContainer) {
    StructCode::printCompare(os, s.c_str(), members());
    StructCode::printHash(os, s.c_str(), members());
  }
  Generator::typeCodeCCode(os, this);
}

void IDLUnion::clientCCode(std::ostream& os) {
  writeContainerClasses(os, scope());
  const std::string u = scopedNameOf(this);
  const char* name = u.c_str();
  UnionCode::printStreamConstructor(os, name, this);
  UnionCode::printConstructor(os, name, this);
  UnionCode::printDestructor(os, name, this);
  UnionCode::printCopyConstructor(os, name, this);
  UnionCode::printEquals(os, name, this);
  UnionCode::printStreamWriter(os, name, this);
  UnionCode::printPrettyPrint(os, name, this);
  if (Generator::generateContainer) {
    UnionCode::printCompare(os, name, this);
    UnionCode::printHash(os, name, this);
  }
  Generator::typeCodeCCode(os, this);
}

void IDLEnumType::clientCCode(std::ostream& os) {
  Generator::typeCodeCCode(os, this);
}

void IDLModule::clientCCode(std::ostream& os) {
  NCOrderedCltn* list = definitions();
  unsigned count = list ? list->size() : 0;
  for (unsigned k = 0; k < count; ++k)
    static_cast<IDLDefinition*>(list->at(k))->clientCCode(os);
}

// A constant inside a class is a static member the header only declares.
void IDLConstDcl::clientCCode(std::ostream& os) {
  writeContainerClasses(os, scope());
  os << endltab;
  IDLScope* in = definedInScope();
  if (!in || in->scopeType() == IDLScope::ST_GLOBAL)
    return;
  os << "const ";
  Generator::printScopedType(os, declaredType(), this);
  os << " " << scopedNameOf(this) << " = ";
  if (value())
    value()->clientCCode(os);
  os << ";" << endltab;
}

// A struct, union or enum declared in the typedef itself writes its own code
// first; the typedef's sequence and array classes follow per declarator.
void IDLTypeDecl::clientCCode(std::ostream& os) {
  IDLDefinition* type = typeSpec();
  if (type && (type->kind() == DEF_struct || type->kind() == DEF_union ||
               type->kind() == DEF_enum_type))
    type->clientCCode(os);
  NCOrderedCltn* list = declarators();
  unsigned count = list ? list->size() : 0;
  for (unsigned k = 0; k < count; ++k) {
    auto* decl = static_cast<IDLDefinition*>(list->at(k));
    if (type && type->kind() == DEF_sequence_type)
      ClientGen::printImplementSeq(os, type, decl, type);
    if (decl->kind() == DEF_array_decl && !Generator::generateInline)
      ClientGen::printImplementArr(
          os, static_cast<IDLArrayDecl*>(decl)->declaredType(), decl);
    os << endltab;
  }
  Generator::typeCodeCCode(os, this);
}
