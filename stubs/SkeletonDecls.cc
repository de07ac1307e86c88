// stubs/SkeletonDecls.cc - the skeleton classes of the server header.
//
// Each interface gets a class "_sk_" + name that derives from its client
// class, leaves every operation and accessor pure virtual for the server
// programmer and declares the static dispatch functions of the server file.

#include "generate/Generator.h"
#include "generate/NameText.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLInterface.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLRaisesExpr.h"

#include <cstring>
#include <ostream>
#include <sstream>
#include <string>

namespace {

using nametext::paramTypeOf;
using nametext::scopedNameOf;

bool isMember(IDLDefinition* d) {
  return d->kind() == IDLDefinition::DEF_op_dcl ||
         d->kind() == IDLDefinition::DEF_attr_dcl;
}

bool isReadonly(const IDLAttrDcl& attr) {
  return std::strcmp(attr.readonly().chars(), "readonly") == 0;
}

// The four parameter lines every dispatch declaration shares; the head line
// before them names the function.
void writeDispatchParams(std::ostream& os) {
  os << "\t\tCORBA::MarshalStream &strm," << endltab;
  os << "\t\tCORBA::Principal_ptr principal," << endltab;
  os << "\t\tconst char *oper," << endltab;
  os << "\t\tvoid *priv_data);" << endltab;
}

} // namespace

void IDLModule::serverHeaderCode(std::ostream& os) {
  os << endltab;
  os << "class _sk_" << name().chars() << " {" << endltab;
  os << "    public:";
  // The line end comes after the raise, so the body starts indented.
  ++Generator::_indentation;
  os << endltab;
  NCOrderedCltn* body = definitions();
  for (unsigned i = 0; body && i < body->size(); ++i)
    static_cast<IDLDefinition*>(body->at(i))->serverHeaderCode(os);
  --Generator::_indentation;
  os << endltab;
  os << "};" << endltab;
}

void IDLInterface::serverHeaderCode(std::ostream& os) {
  std::string skel = std::string("_sk_") + name().chars();
  std::string exportMacro =
      Generator::generateSkelExport
          ? std::string(Generator::generateSkelExport) + " "
          : std::string();
  if (interfaceType() == IT_FORWARD || !body()) {
    os << "class " << exportMacro << skel << ";" << endltab;
    return;
  }
  os << "class " << exportMacro << skel << " : public " << scopedNameOf(this)
     << endltab;
  os << "{" << endltab;
  os << "    protected:" << endltab;
  os << "\t" << skel << "(const char *object_name = (const char *)NULL);"
     << endltab;
  os << "\t" << skel
     << "(const char *service_name, const CORBA::ReferenceData& data);"
     << endltab;
  os << "\tvirtual ~" << skel << "() {}" << endltab;
  os << "    public:" << endltab;
  os << "\tstatic const CORBA::TypeInfo _skel_info;" << endltab;
  ++Generator::_indentation;
  os << endltab;
  os << "// The following operations need to be implemented by the server."
     << endltab;
  // Inherited members are pure virtual here too: the skeleton is all the
  // server class derives from.
  for (unsigned i = 0; i < body()->size(); ++i) {
    IDLDefinition* def = static_cast<IDLDefinition*>(body()->at(i));
    if (!isMember(def))
      continue;
    Generator::_currentContext = def;
    def->serverHeaderCode(os);
  }
  Generator::_currentContext = nullptr;
  os << endltab;
  os << "// Skeleton Operations implemented automatically" << endltab;
  // The base skeletons already dispatch what this interface inherits.
  for (unsigned i = 0; i < body()->size(); ++i) {
    IDLDefinition* def = static_cast<IDLDefinition*>(body()->at(i));
    if (!isMember(def) || def->definedInScope() != scope())
      continue;
    Generator::_currentContext = def;
    def->serverHeaderCodeAgain(os);
  }
  Generator::_currentContext = nullptr;
  --Generator::_indentation;
  os << endltab;
  os << "};" << endltab;
}

void IDLOpDcl::serverHeaderCode(std::ostream& os) {
  std::ostringstream result;
  Generator::printReturnType(result, returnType());
  os << "virtual " << result.str() << " " << name().chars() << "(";
  Generator::printParams(os, parameters(), context());
  os << ")";
  NCOrderedCltn* raised = raises() ? raises()->exceptions() : nullptr;
  if (raised && raised->size() > 0) {
    os << endltab;
    if (Generator::generateExcepSpec) {
      os << "\t\tthrow (";
      for (unsigned i = 0; i < raised->size(); ++i) {
        if (i > 0)
          os << ",";
        os << endltab;
        os << "\t\t\t"
           << scopedNameOf(static_cast<IDLDefinition*>(raised->at(i)));
      }
      os << ")";
    }
  }
  os << " = 0;" << endltab;
}

void IDLOpDcl::serverHeaderCodeAgain(std::ostream& os) {
  // "resume" would clash with a member of the runtime's object class.
  const char* workaround =
      std::strcmp(name().chars(), "resume") == 0 ? "workaround_" : "";
  os << endltab;
  os << "static void _" << workaround << name().chars() << "(void *obj,"
     << endltab;
  writeDispatchParams(os);
}

void IDLAttrDcl::serverHeaderCode(std::ostream& os) {
  NCOrderedCltn* names = declarators();
  for (unsigned i = 0; names && i < names->size(); ++i) {
    IDLDefinition* decl = static_cast<IDLDefinition*>(names->at(i));
    os << "virtual " << paramTypeOf(typeSpec(), decl, "return") << " ";
    decl->headerCode(os);
    os << "() = 0;" << endltab;
    if (isReadonly(*this))
      continue;
    os << "virtual void ";
    decl->headerCode(os);
    os << "(" << paramTypeOf(typeSpec(), decl, "in") << " "
       << "val) = 0;" << endltab;
  }
}

void IDLAttrDcl::serverHeaderCodeAgain(std::ostream& os) {
  NCOrderedCltn* names = declarators();
  for (unsigned i = 0; names && i < names->size(); ++i) {
    const char* attr =
        static_cast<IDLDefinition*>(names->at(i))->name().chars();
    os << endltab;
    os << "static void _get_" << attr << "(void *obj," << endltab;
    writeDispatchParams(os);
    if (isReadonly(*this))
      continue;
    os << endltab;
    os << "static void _set_" << attr << "(void *obj," << endltab;
    writeDispatchParams(os);
  }
}
