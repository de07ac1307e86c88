// stubs/TieClasses.cc - the tie class templates of the server header.
//
// A tie lets any class T implement an interface without deriving from the
// skeleton: the reference tie holds a T& and the pointer tie asks a pure
// virtual _get_impl() for a T *; both forward every operation and accessor.

#include "generate/Generator.h"
#include "generate/NameText.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "tree/IDLAttrDcl.h"
#include "tree/IDLContextExpr.h"
#include "tree/IDLInterface.h"
#include "tree/IDLModule.h"
#include "tree/IDLOpDcl.h"
#include "tree/IDLParamDcl.h"
#include "tree/IDLRaisesExpr.h"

#include <cstring>
#include <ostream>
#include <sstream>
#include <string>

namespace {

using nametext::paramTypeOf;
using nametext::scopedNameOf;

// The pointer tie is being written while its setting is on; the server
// header driver clears the other setting for the call.
bool isPointerTie() {
  return Generator::generatePTie != 0;
}

// Where a tie member forwards its call to.
const char* forwardTarget() {
  return isPointerTie() ? "_get_impl()->" : "_ref.";
}

// The ties are written at file level, so the name of the tie of an interface
// nested in modules carries the enclosing names: "M::N::" becomes "M_N_",
// each "::" giving one "_".
std::string tiePrefixOf(IDLDefinition* iface) {
  std::ostringstream scope;
  Generator::printScope(scope, iface, nullptr);
  std::string text = scope.str();
  std::string prefix;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "::") == 0) {
      prefix += '_';
      ++i;
    } else {
      prefix += text[i];
    }
  }
  return prefix;
}

// Whether `list` holds an interface, directly or in a nested module.
bool needTie(NCOrderedCltn& list) {
  for (unsigned i = 0; i < list.size(); ++i) {
    IDLDefinition* def = static_cast<IDLDefinition*>(list.at(i));
    if (def->kind() == IDLDefinition::DEF_interface)
      return true;
    if (def->kind() == IDLDefinition::DEF_module) {
      NCOrderedCltn* body = static_cast<IDLModule*>(def)->definitions();
      if (body && needTie(*body))
        return true;
    }
  }
  return false;
}

bool isReadonly(const IDLAttrDcl& attr) {
  return std::strcmp(attr.readonly().chars(), "readonly") == 0;
}

} // namespace

void IDLModule::tieCode(std::ostream& os, int flag) {
  if (!definitions() || !needTie(*definitions()))
    return;
  os << endltab;
  for (unsigned i = 0; i < definitions()->size(); ++i)
    static_cast<IDLDefinition*>(definitions()->at(i))->tieCode(os, flag);
  os << endltab;
}

void IDLInterface::tieCode(std::ostream& os, int flag) {
  if (interfaceType() == IT_FORWARD || !body() || body()->size() == 0)
    return;
  std::string iface = name().chars();
  std::string qualified = scopedNameOf(this);
  std::string prefix = tiePrefixOf(this);
  std::string tie = prefix + (isPointerTie() ? "_ptie_" : "_tie_") + iface;
  os << "template <class T>" << endltab;
  os << "class " << tie << " : public " << qualified << endltab;
  os << "{" << endltab;
  if (isPointerTie()) {
    os << "    protected:" << endltab;
    os << "\t" << prefix << "_ptie_" << iface
       << "(const char *obj_name=(char*)NULL) : " << endltab;
    os << "\t\t\t" << qualified << "(obj_name) {" << endltab;
  } else {
    os << "    public:" << endltab;
    os << "\t" << prefix << "_tie_" << iface
       << "(T& t, const char *obj_name=(char*)NULL) : " << endltab;
    os << "\t\t\t" << qualified << "(obj_name), " << endltab;
    os << "\t\t\t_ref(t) {" << endltab;
  }
  os << "\t\t_object_name(obj_name);" << endltab;
  os << "\t}" << endltab;
  if (isPointerTie()) {
    os << "\t" << prefix << "_ptie_" << iface << "(const char *service_name,"
       << endltab;
    os << "\t\t\tconst CORBA::ReferenceData& id) {" << endltab;
  } else {
    os << "\t" << prefix << "_tie_" << iface
       << "(T& t, const char *service_name," << endltab;
    os << "\t\t\tconst CORBA::ReferenceData& id)" << endltab;
    os << "\t\t\t:_ref(t) {" << endltab;
  }
  os << "\t\t_service(service_name, id);" << endltab;
  os << "\t}" << endltab;
  if (isPointerTie()) {
    os << "    public:" << endltab;
    os << "\tvirtual ~" << tie << "() {}" << endltab;
  } else {
    os << "\t~" << tie << "() {}" << endltab;
  }
  for (unsigned i = 0; i < body()->size(); ++i) {
    IDLDefinition* def = static_cast<IDLDefinition*>(body()->at(i));
    Generator::_currentContext = def;
    def->tieCode(os, flag);
  }
  Generator::_currentContext = nullptr;
  os << endltab;
  if (isPointerTie()) {
    os << "    protected:" << endltab;
    os << "\tvirtual T *_get_impl() =0;" << endltab;
  } else {
    os << "    private:" << endltab;
    os << "\tT& _ref;" << endltab;
  }
  os << "};" << endltab;
}

void IDLOpDcl::tieCode(std::ostream& os, int) {
  NCOrderedCltn* params = parameters();
  unsigned count = params ? params->size() : 0;
  bool hasContext = context() && context()->names();

  std::ostringstream result;
  Generator::printReturnType(result, returnType());
  os << "\t" << result.str() << " " << name().chars() << "(";
  for (unsigned i = 0; i < count; ++i) {
    IDLParamDcl* param = static_cast<IDLParamDcl*>(params->at(i));
    if (i > 0)
      os << "," << endltab << "\t\t";
    os << paramTypeOf(param->typeSpec(), param->declarator(),
                      param->direction().chars())
       << " " << param->declarator()->name().chars();
  }
  if (hasContext)
    os << (count > 0 ? ", " : "") << "\t\tCORBA::Context_ptr _context";
  os << ")";

  NCOrderedCltn* raised = raises() ? raises()->exceptions() : nullptr;
  if (raised && raised->size() > 0 && Generator::generateExcepSpec) {
    os << endltab;
    os << "\t\tthrow(";
    for (unsigned i = 0; i < raised->size(); ++i) {
      if (i > 0)
        os << ",";
      os << endltab;
      os << "\t\t\t"
         << scopedNameOf(static_cast<IDLDefinition*>(raised->at(i)));
    }
    os << ") { " << endltab;
  } else {
    os << " {" << endltab;
  }

  IDLDefinition* resolved = Generator::getType(returnType());
  bool isVoid = resolved && std::strcmp(resolved->name().chars(), "void") == 0;
  os << "\t\t" << (isVoid ? "" : "return ") << forwardTarget() << name().chars()
     << "(";
  for (unsigned i = 0; i < count; ++i) {
    IDLParamDcl* param = static_cast<IDLParamDcl*>(params->at(i));
    if (i > 0)
      os << ",";
    os << endltab;
    os << "\t\t" << param->declarator()->name().chars();
  }
  if (hasContext) {
    if (count > 0)
      os << ",";
    os << endltab;
    os << "\t\t_context";
  }
  os << ");" << endltab;
  os << "\t}" << endltab;
}

void IDLAttrDcl::tieCode(std::ostream& os, int) {
  NCOrderedCltn* names = declarators();
  for (unsigned i = 0; names && i < names->size(); ++i) {
    IDLDefinition* decl = static_cast<IDLDefinition*>(names->at(i));
    const char* attr = decl->name().chars();
    os << "\t" << paramTypeOf(typeSpec(), decl, "return") << " " << attr
       << "() {" << endltab;
    if (isPointerTie())
      os << "\t\treturn _get_impl()->" << attr << "();" << endltab;
    else
      os << "\t\treturn _ref." << attr << "();" << endltab;
    os << "\t}" << endltab;
    if (isReadonly(*this))
      continue;
    os << "\tvoid " << attr << "(" << paramTypeOf(typeSpec(), decl, "in") << " "
       << "val) {" << endltab;
    if (isPointerTie())
      os << "\t\t_get_impl()->" << attr << "(val);" << endltab;
    else
      os << "\t\t_ref." << attr << "(val);" << endltab;
    os << "\t}" << endltab;
  }
}
