// stubs/HolderClasses.cc - the "_var" holder class of every interface.
//
// A holder owns one object reference: it releases the reference when it is
// destroyed or given another one, and streams it through the object streams.
// The class goes into the client header, its members into the client file.

#include "generate/Generator.h"
#include "nclib/NCString.h"
#include "tree/IDLDefinition.h"

#include <ostream>
#include <sstream>
#include <string>

namespace {

std::string exportPrefix() {
  return Generator::generateExport
             ? std::string(Generator::generateExport) + " "
             : std::string();
}

std::string unscopedNameOf(IDLDefinition* definition) {
  std::ostringstream text;
  Generator::unscopedName(text, definition, nullptr);
  return text.str();
}

std::string scopeOf(IDLDefinition* definition) {
  std::ostringstream text;
  Generator::printScope(text, definition, nullptr);
  return text.str();
}

// The qualified name made an identifier, so that interfaces of the same name
// in different modules get different guards.
std::string guardNameOf(IDLDefinition* definition) {
  std::ostringstream text;
  Generator::scopedName(text, definition, nullptr, nullptr);
  NCString qualified(text.str().c_str());
  NCString* guard = Generator::colonToUnderbar(qualified);
  std::string result = guard->chars();
  delete guard;
  return result;
}

} // namespace

// The client header writes the holder at an interface's forward declaration
// and again at its definition; the guard keeps the second one out.
void Generator::declareObjectVar(std::ostream& os, IDLDefinition* definition) {
  if (!definition)
    return;
  const std::string x = exportPrefix();
  const std::string i = unscopedNameOf(definition);
  const std::string g = guardNameOf(definition);
  // The guard lines must start in column 1.
  os << std::endl;
  os << "#ifndef _" << g << "_var_" << std::endl;
  os << "#define _" << g << "_var_" << endltab;
  os << "class " << x << i << "_var" << endltab;
  os << "{" << endltab;
  os << "    public:" << endltab;
  os << "\t" << i << "_var();" << endltab;
  os << "\t" << i << "_var(" << i << "_ptr);" << endltab;
  os << "\t" << i << "_var(const " << i << "_var&);" << endltab;
  os << "\t~" << i << "_var();" << endltab;
  os << "\t" << i << "_var& operator=(" << i << "_ptr);" << endltab;
  os << "\toperator " << i << "_ptr() const { return _ptr; }" << std::endl;
  os << "#if defined(_HPCC_BUG)" << endltab;
  os << "\toperator " << i << " *&() { return _ptr; }" << std::endl;
  os << "#else" << endltab;
  os << "\toperator " << i << "_ptr&() { return _ptr; }" << std::endl;
  os << "#endif" << endltab;
  os << "\t" << i << "_ptr operator->() const { return _ptr;}" << endltab;
  os << "\t" << x << "friend NCistream& operator>>(NCistream&, " << i
     << "_var&);" << endltab;
  os << "\t" << x << "friend NCostream& operator<<(NCostream&, const " << i
     << "_var&);" << endltab;
  if (generateStdStream) {
    os << "\t" << x << "friend istream& operator>>(istream&, " << i << "_var&);"
       << endltab;
    os << "\t" << x << "friend ostream& operator<<(ostream&, const " << i
       << "_var&);" << endltab;
  }
  if (generateContainer) {
    os << "\t" << x << "friend CORBA::ULong hash(const " << i << "_var&);"
       << endltab;
    os << "\t" << x << "friend CORBA::Long compare(const " << i
       << "_var&, const " << i << "_var&);" << endltab;
  }
  os << "    private:" << endltab;
  os << "\t" << i << "_ptr\t_ptr;" << endltab;
  // Assigning one holder to another would leave two owners of one
  // reference, so that assignment is private and does nothing.
  os << "\tvoid operator=(const " << i << "_var&) {}" << endltab;
  os << "};" << std::endl;
  os << "#endif" << endltab;
}

// Assigning a raw reference takes it over without duplicating it; copying a
// holder duplicates. Of the free functions only the standard-stream writer
// goes without the export macro.
void Generator::implementObjectVar(std::ostream& os,
                                   IDLDefinition* definition) {
  if (!definition)
    return;
  const std::string x = exportPrefix();
  const std::string i = unscopedNameOf(definition);
  const std::string s = scopeOf(definition);
  os << s << i << "_var::" << i << "_var()" << endltab;
  os << "\t\t: _ptr(" << s << i << "::_nil()) {}" << endltab;
  os << s << i << "_var::" << i << "_var(" << s << i << "_ptr ptr)" << endltab;
  os << "\t\t: _ptr(ptr) {}" << endltab;
  os << s << i << "_var::" << i << "_var(const " << s << i << "_var& var)"
     << endltab;
  os << "\t\t:_ptr(" << i << "::_duplicate((" << s << i << "_ptr)var)) {}"
     << endltab;
  os << s << i << "_var::~" << i << "_var()" << endltab;
  os << "{" << endltab;
  os << "\tCORBA::release(_ptr);" << endltab;
  os << "}" << endltab;
  os << s << i << "_var& " << s << i << "_var::operator=(" << s << i
     << "_ptr p)" << endltab;
  os << "{" << endltab;
  os << "\tif (_ptr != p) {" << endltab;
  os << "\t\tCORBA::release(_ptr);" << endltab;
  os << "\t\t_ptr = p;" << endltab;
  os << "\t}" << endltab;
  os << "\treturn *this;" << endltab;
  os << "}" << endltab;
  os << x << "NCistream& operator>>(NCistream& strm, " << s << i << "_var& var)"
     << endltab;
  os << "{" << endltab;
  os << "\tstrm >> var._ptr;" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
  os << x << "NCostream& operator<<(NCostream& strm, const " << s << i
     << "_var& var)" << endltab;
  os << "{" << endltab;
  os << "\tstrm << var._ptr;" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
  if (generateStdStream) {
    os << x << "istream& operator>>(istream& strm, " << s << i << "_var& var)"
       << endltab;
    os << "{" << endltab;
    os << "\tNCistream istrm(strm);" << endltab;
    os << "\tistrm >> var._ptr;" << endltab;
    os << "\treturn strm;" << endltab;
    os << "}" << endltab;
    os << "ostream& operator<<(ostream& strm, const " << s << i << "_var& var)"
       << endltab;
    os << "{" << endltab;
    os << "\tstrm << (CORBA::Object_ptr)var._ptr;" << endltab;
    os << "\treturn strm;" << endltab;
    os << "}" << endltab;
  }
  if (generateContainer) {
    os << x << "CORBA::ULong hash(const " << s << i << "_var& var)" << endltab;
    os << "{" << endltab;
    os << "\treturn hash((CORBA::Object_ptr)var._ptr);" << endltab;
    os << "}" << endltab;
    os << x << "CORBA::Long compare(const " << s << i << "_var& v1, const " << s
       << i << "_var& v2)" << endltab;
    os << "{" << endltab;
    os << "\treturn compare((CORBA::Object_ptr)v1._ptr,(CORBA::Object_ptr)v2._ptr);"
       << endltab;
    os << "}" << endltab;
  }
}
