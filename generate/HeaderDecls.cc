// generate/HeaderDecls.cc - client header declarations of the IDL data
// types: constants, enums, typedefs, structs, exceptions and unions.
//
// Each is written where it stands in the IDL file: at global level, or as a
// member of a module or interface class, where its stream operators become
// friends. Structs and unions come with a _var class that owns a heap copy.

#include "generate/Generator.h"
#include "generate/HeaderGen.h"
#include "generate/NameText.h"
#include "generate/StructCode.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLCase.h"
#include "tree/IDLCaseLabel.h"
#include "tree/IDLConstDcl.h"
#include "tree/IDLElement.h"
#include "tree/IDLEnumType.h"
#include "tree/IDLException.h"
#include "tree/IDLMember.h"
#include "tree/IDLScope.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLStructure.h"
#include "tree/IDLTypeDecl.h"
#include "tree/IDLUnion.h"

#include <ostream>
#include <sstream>
#include <string>

namespace {

using nametext::scopedNameOf;
using nametext::unscopedNameOf;

using Kind = IDLDefinition::DefinitionType;

IDLDefinition* at(NCOrderedCltn* list, unsigned i) {
  return static_cast<IDLDefinition*>(list->at(static_cast<int>(i)));
}

unsigned sizeOf(NCOrderedCltn* list) {
  return list ? list->size() : 0;
}

// The export macro and a blank, written before exported names (X).
std::string exportPrefix() {
  return Generator::generateExport
             ? std::string(Generator::generateExport) + " "
             : std::string();
}

// Whether `definition` is a member of a module or interface class rather
// than declared at global scope.
bool isInsideClass(IDLDefinition& definition) {
  IDLScope* scope = definition.definedInScope();
  return scope && scope->scopeType() != IDLScope::ST_GLOBAL;
}

// "friend " inside a class, where the operators must reach the type from
// outside the class (F).
std::string friendPrefix(IDLDefinition& definition) {
  return isInsideClass(definition) ? "friend " : "";
}

std::string scopedTypeOf(IDLDefinition* type, IDLDefinition* declarator) {
  std::ostringstream text;
  Generator::printScopedType(text, type, declarator);
  return text.str();
}

bool isKind(IDLDefinition* definition, Kind kind) {
  return definition && definition->kind() == kind;
}

bool isArrayDeclarator(IDLDefinition* declarator) {
  return isKind(declarator, Kind::DEF_array_decl);
}

bool isStringType(IDLDefinition* resolved) {
  return isKind(resolved, Kind::DEF_string_type);
}

int categoryOf(IDLDefinition* type, IDLDefinition* declarator) {
  return Generator::getTypeCategory(IDLDefinition::getType(type), declarator);
}

// --- enums --------------------------------------------------------------

void writeEnumDeclaration(std::ostream& os, IDLEnumType& e,
                          const std::string& n) {
  os << endltab;
  os << "enum " << n << " {" << endltab;
  NCOrderedCltn* list = e.enumerators();
  for (unsigned i = 0; i < sizeOf(list); ++i) {
    if (i > 0)
      os << "," << endltab;
    os << "\t" << at(list, i)->name().chars();
  }
  os << endltab;
  os << "};" << endltab;
}

// Enums travel through object streams as unsigned longs; a value outside
// the enumerators is rejected on the way in.
void writeEnumObjectStreams(std::ostream& os, IDLEnumType& e,
                            const std::string& n, const std::string& x,
                            const std::string& f) {
  os << x << "inline " << f << "NCostream& operator<<(NCostream& _strm, " << n
     << " _enum_type) {" << endltab;
  os << "\t_strm << (CORBA::ULong)_enum_type;" << endltab;
  os << "\treturn _strm;" << endltab;
  os << "}" << endltab;
  os << x << "inline " << f << "NCistream& operator>>(NCistream& _strm, " << n
     << "& _enum_type) {" << endltab;
  os << "\tCORBA::ULong _temp;" << endltab;
  os << "\t_strm >> _temp;" << endltab;
  unsigned k = sizeOf(e.enumerators());
  if (Generator::generateExceptions) {
    os << "\tif (_temp >= " << k << ")" << endltab;
    os << "\t\tthrow CORBA::BAD_PARAM();" << endltab;
  } else {
    os << "\tif (_temp >= " << k << ") { " << endltab;
    os << "\t\tTOVTHROW(CORBA::BAD_PARAM());" << endltab;
    os << "\t\treturn _strm;" << endltab;
    os << "\t}" << endltab;
  }
  os << "\t_enum_type = " << n << "(_temp);" << endltab;
  os << "\treturn _strm;" << endltab;
  os << "}" << endltab;
}

// On a terminal the enumerator is printed by name; any other stream gets
// the number, which the extraction reads back.
void writeEnumStdStreams(std::ostream& os, IDLEnumType& e, const std::string& n,
                         const std::string& x, const std::string& f) {
  os << x << "inline " << f << "ostream& operator<<(ostream& _strm, " << n
     << " _enum_type) {" << endltab;
  os << "\tif( &_strm == &cout || &_strm == &cerr || &_strm == &clog) {"
     << endltab;
  os << "\t\t_strm << \"" << n << ":\";" << endltab;
  os << "\t\tswitch(_enum_type) {" << endltab;
  NCOrderedCltn* list = e.enumerators();
  for (unsigned i = 0; i < sizeOf(list); ++i) {
    const char* enumerator = at(list, i)->name().chars();
    os << "\t\t\tcase " << enumerator << ":" << endltab;
    os << "\t\t\t\t_strm << \"" << enumerator << "\" << endl;" << endltab;
    os << "\t\t\t\tbreak;" << endltab;
  }
  os << "\t\t}" << endltab;
  os << "\t}" << endltab;
  os << "\telse " << endltab;
  os << "\t\t_strm << (CORBA::ULong)_enum_type;" << endltab;
  os << "\treturn _strm;" << endltab;
  os << "}" << endltab;
  os << x << "inline " << f << "istream& operator>>(istream& _strm, " << n
     << "& _enum_type) {" << endltab;
  os << "\tCORBA::ULong _temp;" << endltab;
  os << "\t_strm >> _temp;" << endltab;
  os << "\t_enum_type = " << n << "(_temp);" << endltab;
  os << "\treturn _strm;" << endltab;
  os << "}" << endltab;
}

// --- typedefs -----------------------------------------------------------

void writeArrayTypedef(std::ostream& os, IDLDefinition* type, IDLArrayDecl& d) {
  os << "typedef " << scopedTypeOf(type, &d) << " " << d.name().chars();
  NCOrderedCltn* dims = d.dimensions();
  for (unsigned i = 0; i < sizeOf(dims); ++i)
    os << "[" << at(dims, i)->getInt() << "]";
  os << ";" << endltab;
  HeaderGen::printDeclareArr(os, type, &d, 1);
}

// Interfaces and the types with _var classes get their companion types
// renamed along with them.
void writeTypedefLines(std::ostream& os, IDLDefinition* type,
                       IDLDefinition* d) {
  const char* dn = d->name().chars();
  IDLDefinition* resolved = IDLDefinition::getType(type);
  Kind kind = resolved ? resolved->kind() : Kind::DEF_none;
  if (kind == Kind::DEF_interface) {
    std::string s = scopedNameOf(type, d);
    os << "typedef " << s << " " << dn << ";" << endltab;
    os << "typedef " << s << "_ptr " << dn << "_ptr;" << endltab;
    os << "typedef " << s << "Ref " << dn << "Ref;" << endltab;
    os << "typedef " << s << "_var " << dn << "_var;" << endltab;
  } else if (kind == Kind::DEF_string_type) {
    os << "typedef char *" << dn << ";" << endltab;
    os << "typedef CORBA::String_var " << dn << "_var;" << endltab;
  } else if (kind == Kind::DEF_struct || kind == Kind::DEF_union ||
             kind == Kind::DEF_sequence_type || kind == Kind::DEF_array ||
             kind == Kind::DEF_array_decl ||
             (resolved && resolved->secondKind() == Kind::DEF_any)) {
    std::string s = scopedNameOf(type, d);
    os << "typedef " << s << " " << dn << ";" << endltab;
    os << "typedef " << s << "_var " << dn << "_var;" << endltab;
  } else {
    os << "typedef " << scopedTypeOf(type, d) << " " << dn << ";" << endltab;
  }
}

// --- structs and unions -------------------------------------------------

// The stream operators of a struct, declared beside it; the extraction into
// a pointer allocates the struct first.
void writeStructStreamOperators(std::ostream& os, IDLStructure& s,
                                const std::string& n, const std::string& x,
                                const std::string& f) {
  bool variable = !s.fixedLength();
  os << x << f << "NCostream& operator<<(NCostream&, const " << n << "& );"
     << endltab;
  os << x << f << "NCistream& operator>>(NCistream&, " << n << "& );"
     << endltab;
  if (variable) {
    os << x << "inline " << f << "NCistream& operator>>(NCistream& _strm, " << n
       << "*& _obj) {" << endltab;
    os << "\t_obj = new " << n << ";" << endltab;
    os << "\t_strm >> *_obj;" << endltab;
    os << "\treturn _strm;" << endltab;
    os << "}" << endltab;
  }
  os << endltab;
  if (Generator::generateStdStream) {
    os << x << f << "ostream& operator<<(ostream&, const " << n << "& );"
       << endltab;
    os << x << "inline " << f << "istream& operator>>(istream& _strm, " << n
       << "& _obj) {" << endltab;
    os << "\tNCistream _istrm(_strm);" << endltab;
    os << "\t_istrm >> _obj;" << endltab;
    os << "\treturn _strm;" << endltab;
    os << "}" << endltab;
    if (variable) {
      os << x << "inline " << f << "istream& operator>>(istream& _strm, " << n
         << "*& _obj) {" << endltab;
      os << "\t_obj = new " << n << ";" << endltab;
      os << "\t_strm >> *_obj;" << endltab;
      os << "\treturn _strm;" << endltab;
      os << "}" << endltab;
    }
    os << endltab;
  }
  if (Generator::generateContainer) {
    os << x << f << "CORBA::ULong hash(const " << n << "& );" << endltab;
    os << x << f << "CORBA::Long compare(const " << n << "&, const " << n
       << "&);" << endltab;
  }
  os << endltab;
}

// The _var class of a struct or union: it owns a heap copy, which it
// deletes when destroyed or reassigned. A union's copies do not test the
// source for null, and its variable-length pointer conversion is not const.
void writeValueVar(std::ostream& os, const std::string& n, const std::string& x,
                   bool fixed, bool forUnion) {
  os << "class " << x << n << "_var" << endltab;
  os << "{" << endltab;
  os << "    public:" << endltab;
  os << "\t" << n << "_var() { _ptr = (" << n << "*)NULL;}" << endltab;
  os << "\t" << n << "_var(" << n << " *ptr) {" << endltab;
  os << "\t\t_ptr = ptr;" << endltab;
  os << "\t}" << endltab;
  os << "\t" << n << "_var(const " << n << "_var& var) {" << endltab;
  if (forUnion) {
    os << "\t\t_ptr = new " << n << "(*var._ptr);" << endltab;
  } else {
    os << "\t\tif (var._ptr)" << endltab;
    os << "\t\t\t_ptr = new " << n << "(*var._ptr);" << endltab;
    os << "\t\telse" << endltab;
    os << "\t\t\t_ptr = (" << n << " *)NULL;" << endltab;
  }
  os << "\t}" << endltab;
  os << "\t~" << n << "_var() {" << endltab;
  os << "\t\tif (_ptr != (" << n << " *)NULL) delete _ptr;" << endltab;
  os << "\t}" << endltab;
  os << "\t" << n << "_var& operator=(" << n << " *ptr) {" << endltab;
  os << "\t\tif (_ptr != (" << n << " *)NULL) delete _ptr;" << endltab;
  os << "\t\t_ptr = ptr;" << endltab;
  os << "\t\treturn *this;" << endltab;
  os << "\t}" << endltab;
  os << "\t" << n << "_var& operator=(const " << n << "_var& var) {" << endltab;
  os << "\t\tif (_ptr != (" << n << " *)NULL) delete _ptr;" << endltab;
  if (forUnion) {
    os << "\t\t_ptr = new " << n << "(*var._ptr);" << endltab;
  } else {
    os << "\t\tif (var._ptr)" << endltab;
    os << "\t\t\t_ptr = new " << n << "(*var._ptr);" << endltab;
    os << "\t\telse" << endltab;
    os << "\t\t\t_ptr = (" << n << " *)NULL;" << endltab;
  }
  os << "\t\treturn *this;" << endltab;
  os << "\t}" << endltab;
  os << "\t" << n << " *operator->() { return _ptr; }" << endltab;
  if (fixed) {
    os << "\toperator " << n << " () const { return *_ptr; }" << endltab;
  } else {
    // The directives that follow must start in column 1.
    if (forUnion)
      os << "\toperator " << n << " *() { return _ptr; }" << std::endl;
    else
      os << "\toperator " << n << " *() const { return _ptr; }" << std::endl;
    os << "#if defined(_HPCC_BUG)" << endltab;
    os << "\toperator " << n << " *& () { return _ptr; }" << std::endl;
    os << "#else" << endltab;
    os << "\toperator " << n << "_ptr& () { return _ptr; }" << std::endl;
    os << "#endif" << endltab;
  }
  os << "\toperator " << n << "& () { return *_ptr; }" << endltab;
  os << "\t" << x << "inline friend NCostream& operator<<(NCostream& strm,"
     << endltab;
  os << "\t\t\tconst " << n << "_var& var) {" << endltab;
  os << "\t\tif (var._ptr == (" << n << " *)NULL) {" << endltab;
  if (Generator::generateExceptions) {
    os << "\t\t\tthrow CORBA::BAD_PARAM();" << endltab;
  } else {
    os << "\t\t\tCORBA::current_environment().exception(" << endltab;
    os << "\t\t\t\tnew CORBA::BAD_PARAM);" << endltab;
  }
  os << "\t\t}" << endltab;
  os << "\t\telse" << endltab;
  os << "\t\t\tstrm << *var._ptr;" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
  os << "\t" << x << "inline friend NCistream& operator>>(NCistream& strm,"
     << endltab;
  os << "\t\t\t" << n << "_var& var) {" << endltab;
  os << "\t\tif ( ! var._ptr)" << endltab;
  os << "\t\t\tvar._ptr = new " << n << ";" << endltab;
  os << "\t\tstrm >> *var._ptr;" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
  os << "    private:" << endltab;
  os << "\t" << n << " *_ptr;" << endltab;
  os << "};" << endltab;
}

// --- exceptions ---------------------------------------------------------

// One constructor parameter per member declarator; arrays of object
// references cannot be passed and are left out.
void writeExceptionConstructor(std::ostream& os, IDLException& e,
                               const std::string& n) {
  os << "\t" << n << "(" << endltab;
  NCOrderedCltn* members = e.members();
  bool first = true;
  for (unsigned i = 0; i < sizeOf(members); ++i) {
    IDLMember* member = static_cast<IDLMember*>(at(members, i));
    IDLDefinition* t = member->typeSpec();
    NCOrderedCltn* declarators = member->declarators();
    for (unsigned j = 0; j < sizeOf(declarators); ++j) {
      IDLDefinition* d = at(declarators, j);
      IDLDefinition* resolved = IDLDefinition::getType(t);
      if (isArrayDeclarator(d) && isKind(resolved, Kind::DEF_interface))
        continue;
      if (!first)
        os << "," << endltab;
      first = false;
      os << "\t\t\t";
      int c = categoryOf(t, d);
      // An array of strings is passed as its slice, like any other array.
      if (isArrayDeclarator(d))
        os << d->name().chars() << "_slice *";
      else if (isStringType(resolved))
        os << "const char *";
      else if (c == 2)
        os << scopedTypeOf(t, d) << "_ptr";
      else if (c == 1)
        os << "const " << scopedTypeOf(t, d) << "& ";
      else
        os << scopedTypeOf(t, d);
      os << " _" << d->name().chars();
    }
  }
  os << ");" << endltab;
}

// --- unions -------------------------------------------------------------

// The value a setter gives the discriminator: the first label's value, an
// enumerator by its qualified name; 0 for the default label, which has no
// value to name.
std::string labelValueOf(IDLCase& c, bool enumDiscriminator) {
  NCOrderedCltn* labels = c.labels();
  IDLCaseLabel* first =
      sizeOf(labels) ? static_cast<IDLCaseLabel*>(at(labels, 0)) : nullptr;
  IDLDefinition* value = first ? first->value() : nullptr;
  if (!value)
    return "0";
  if (enumDiscriminator)
    return scopedNameOf(value, nullptr);
  return std::to_string(value->getInt());
}

void writeUnionMembers(std::ostream& os, IDLUnion& u, const std::string& d) {
  os << "\t" << d << "\t_disc;" << endltab;
  NCOrderedCltn* cases = u.cases();
  for (unsigned i = 0; i < sizeOf(cases); ++i) {
    IDLElement* element = static_cast<IDLCase*>(at(cases, i))->element();
    IDLDefinition* t = element->typeSpec();
    IDLDefinition* decl = element->declarator();
    IDLDefinition* resolved = IDLDefinition::getType(t);
    os << "\t";
    if (isStringType(resolved))
      os << "CORBA::String_var";
    else
      Generator::printScopedType(os, t, decl);
    if (isKind(resolved, Kind::DEF_interface))
      os << "_var";
    os << "\t__" << decl->name().chars() << ";" << endltab;
  }
}

void writeDiscriminatorAccess(std::ostream& os, const std::string& n,
                              const std::string& d, bool enumDiscriminator) {
  os << "    public:" << endltab;
  if (enumDiscriminator)
    os << "\t" << n << "() : _disc(" << d << "(0)) {}" << endltab;
  else
    os << "\t" << n << "() : _disc(0) {}" << endltab;
  os << "\t~" << n << "() {}" << endltab;
  os << "\t" << n << "(const " << n << "& obj);" << endltab;
  os << "\t" << n << "& operator=(const " << n << "& obj);" << endltab;
  os << endltab;
  os << "\tvoid _d(" << d << " val) { _disc = val; }" << endltab;
  os << "\t" << d << " _d() const { return _disc; }" << endltab;
  os << endltab;
}

// Setting a member also selects its case.
void writeSetterEnd(std::ostream& os, const std::string& l) {
  os << "\t\t_disc = " << l << ";" << endltab;
  os << "\t}" << endltab;
}

void writeCaseAccessors(std::ostream& os, IDLCase& c, bool enumDiscriminator) {
  IDLElement* element = c.element();
  IDLDefinition* t = element->typeSpec();
  IDLDefinition* decl = element->declarator();
  IDLDefinition* resolved = IDLDefinition::getType(t);
  const char* m = decl->name().chars();
  const std::string tt = scopedTypeOf(t, decl);
  const std::string l = labelValueOf(c, enumDiscriminator);
  int category = categoryOf(t, decl);
  if (category == 0) {
    os << "\tvoid " << m << "(" << tt << " val) {" << endltab;
    os << "\t\t__" << m << " = val;" << endltab;
    writeSetterEnd(os, l);
    os << "\t" << tt << " " << m << "() const { return __" << m << "; }"
       << endltab;
  } else if (isStringType(resolved)) {
    os << "\tvoid " << m << "(char *val) {" << endltab;
    os << "\t\t__" << m << " = val;" << endltab;
    writeSetterEnd(os, l);
    os << "\tvoid " << m << "(const char *val) {" << endltab;
    os << "\t\t__" << m << " = val;" << endltab;
    writeSetterEnd(os, l);
    os << "\tvoid " << m << "(const CORBA::String_var& val) {" << endltab;
    os << "\t\t__" << m << " = val;" << endltab;
    writeSetterEnd(os, l);
    os << "\tconst char *" << m << "() const { return __" << m << "; }"
       << endltab;
  } else if (isArrayDeclarator(decl) ||
             isKind(resolved, Kind::DEF_array_decl)) {
    // Arrays cannot be assigned; their _forany wrappers copy the elements.
    os << "\tvoid " << m << "(" << tt << " val) {" << endltab;
    os << "\t\t" << tt << "_forany ___t1(__" << m << ");" << endltab;
    os << "\t\t" << tt << "_forany ___t2(val);" << endltab;
    os << "\t\t___t1 = ___t2;" << endltab;
    writeSetterEnd(os, l);
    os << "\t" << tt << "_slice *" << m << "() const { return (" << tt
       << "_slice *)__" << m << "; }" << endltab;
  } else if (category == 1) {
    os << "\tvoid " << m << "(const " << tt << "& val) {" << endltab;
    os << "\t\t__" << m << " = val;" << endltab;
    writeSetterEnd(os, l);
    os << "\tconst " << tt << "& " << m << "() const { return __" << m << "; }"
       << endltab;
    os << "\t" << tt << "& " << m << "() { return __" << m << "; }" << endltab;
  } else if (category == 2) {
    os << "\tvoid " << m << "(" << tt << "_ptr obj) { __" << m << " = obj;"
       << endltab;
    writeSetterEnd(os, l);
    os << "\t" << tt << "_ptr " << m << "() const { return __" << m << "; }"
       << endltab;
  }
}

void writeUnionStreamOperators(std::ostream& os, IDLUnion& u,
                               const std::string& n, const std::string& x) {
  bool variable = !u.fixedLength();
  os << "\t" << x << "friend NCostream& operator<<(NCostream&, const " << n
     << "& );" << endltab;
  os << "\t" << x << "friend NCistream& operator>>(NCistream&, " << n << "& );"
     << endltab;
  if (variable) {
    os << "\t" << x << "inline friend NCistream& operator>>(NCistream& strm, "
       << n << " *& obj) {" << endltab;
    os << "\t\tobj = new " << n << ";" << endltab;
    os << "\t\tstrm >> *obj;" << endltab;
    os << "\t\treturn strm;" << endltab;
    os << "\t}" << endltab;
  }
  if (Generator::generateStdStream) {
    os << "\t" << x << "friend ostream& operator<<(ostream&, const " << n
       << "&);" << endltab;
    os << "\t" << x << "inline friend istream& operator>>(istream& strm, " << n
       << "& obj) {" << endltab;
    os << "\t\tNCistream istrm(strm);" << endltab;
    os << "\t\tstrm >> obj;" << endltab;
    os << "\t\treturn strm;" << endltab;
    os << "\t}" << endltab;
    if (variable) {
      os << "\t" << x << "inline friend istream& operator>>(istream& strm, "
         << n << " *& obj) {" << endltab;
      os << "\t\tobj = new " << n << ";" << endltab;
      os << "\t\tstrm >> *obj;" << endltab;
      os << "\t\treturn strm;" << endltab;
      os << "\t}" << endltab;
    }
  }
  if (Generator::generateContainer) {
    os << "\t" << x << "friend CORBA::ULong hash(const " << n << "& );"
       << endltab;
    os << "\t" << x << "friend CORBA::Long compare(const " << n << "&, const "
       << n << "& );" << endltab;
  }
}

} // namespace

void IDLConstDcl::headerCode(std::ostream& os) {
  HeaderGen::printDeclareSequences(os, scope());
  HeaderGen::printDeclareArrays(os, scope());
  os << endltab;
  const std::string t = scopedTypeOf(declaredType(), this);
  const char* n = name().chars();
  // Inside a class the value is defined in the implementation file.
  if (isInsideClass(*this)) {
    os << "\tstatic const " << t << " " << n << "; /* ";
    if (value())
      value()->headerCode(os);
    os << " */";
    return;
  }
  // A string constant's pointer is constant too.
  os << "const " << t;
  if (isStringType(IDLDefinition::getType(declaredType())))
    os << " const";
  os << " " << n << " = ";
  if (value())
    value()->headerCode(os);
  os << ";";
}

void IDLEnumType::headerCode(std::ostream& os) {
  const std::string n = unscopedNameOf(this);
  const std::string x = exportPrefix();
  const std::string f = friendPrefix(*this);
  writeEnumDeclaration(os, *this, n);
  writeEnumObjectStreams(os, *this, n, x, f);
  if (Generator::generateStdStream)
    writeEnumStdStreams(os, *this, n, x, f);
  Generator::typeCodeHeaderCode(os, this);
}

void IDLTypeDecl::headerCode(std::ostream& os) {
  IDLDefinition* type = typeSpec();
  if (isKind(type, Kind::DEF_struct) || isKind(type, Kind::DEF_union) ||
      isKind(type, Kind::DEF_enum_type))
    type->headerCode(os);
  NCOrderedCltn* list = declarators();
  for (unsigned i = 0; i < sizeOf(list); ++i) {
    IDLDefinition* d = at(list, i);
    os << endltab;
    if (isArrayDeclarator(d)) {
      writeArrayTypedef(os, type, *static_cast<IDLArrayDecl*>(d));
    } else if (isKind(type, Kind::DEF_sequence_type)) {
      // The anonymous sequence's class takes the declarator's name.
      HeaderGen::printDeclareSeq(os, type, d);
      os << endltab;
    } else {
      writeTypedefLines(os, type, d);
    }
  }
  Generator::typeCodeHeaderCode(os, this);
}

void IDLStructure::headerCode(std::ostream& os) {
  const std::string n = unscopedNameOf(this);
  const std::string x = exportPrefix();
  const std::string f = friendPrefix(*this);
  bool fixed = fixedLength();
  os << endltab;
  os << "struct " << x << n << " {" << endltab;
  StructCode::printMemberDefs(os, members());
  HeaderGen::printDeclareArrays(os, scope());
  if (!fixed)
    os << "\t" << n << "& operator=(const " << n << "&);" << endltab;
  os << "};" << endltab;
  writeStructStreamOperators(os, *this, n, x, f);
  os << "typedef " << n << " *" << n << "_ptr;" << endltab;
  writeValueVar(os, n, x, fixed, false);
  Generator::typeCodeHeaderCode(os, this);
}

void IDLException::headerCode(std::ostream& os) {
  const std::string n = unscopedNameOf(this);
  const std::string x = exportPrefix();
  unsigned memberCount = sizeOf(members());
  os << endltab;
  os << "class " << x << n << ": public CORBA_UserException" << endltab;
  os << "{" << endltab;
  os << "    public:" << endltab;
  os << "\tstatic const CORBA_Exception::Description\t_description;" << endltab;
  StructCode::printMemberDefs(os, members());
  HeaderGen::printDeclareArrays(os, scope());
  os << endltab;
  os << "\t" << n << "() {}" << endltab;
  if (memberCount > 0)
    writeExceptionConstructor(os, *this, n);
  os << "\tstatic CORBA::Exception *_factory() { return new " << n << "(); }"
     << endltab;
  os << "\t~" << n << "() {}" << endltab;
  os << "\tvirtual const CORBA_Exception::Description& _desc() const;"
     << endltab;
  os << "\tstatic " << n << " *_narrow(CORBA::Exception *exc);" << endltab;
  os << "\tCORBA::Exception *_deep_copy() const { return new " << n
     << "(*this); }" << endltab;
  os << "\tvoid _throw() const {" << endltab;
  if (Generator::generateExceptions) {
    os << "\t\tthrow *this;" << endltab;
  } else {
    os << "\t\tCORBA::current_environment().exception(" << endltab;
    os << "\t\t\t_deep_copy());" << endltab;
  }
  os << "\t}" << endltab;
  if (memberCount > 0) {
    os << "\tvoid _write(NCostream&) const;" << endltab;
    os << "\tvoid _copy(NCistream&);" << endltab;
    if (Generator::generateStdStream)
      os << "\tvoid _pretty_print(NCostream&) const;" << endltab;
  }
  // The exception's name comes first in the stream; the caller has chosen
  // the class by it already.
  os << "\tinline friend NCistream& operator>>(NCistream& _strm, " << n
     << "& _e) {" << endltab;
  os << "\t\tCORBA::String_var _exp_name;" << endltab;
  os << "\t\t_strm >> _exp_name;" << endltab;
  os << "\t\t_e._copy(_strm);" << endltab;
  os << "\t\treturn _strm;" << endltab;
  os << "\t}" << endltab;
  os << "};" << endltab;
  Generator::typeCodeHeaderCode(os, this);
}

void IDLUnion::headerCode(std::ostream& os) {
  const std::string n = unscopedNameOf(this);
  const std::string x = exportPrefix();
  const std::string d = unscopedNameOf(switchType());
  bool enumDiscriminator =
      isKind(IDLDefinition::getType(switchType()), Kind::DEF_enum_type);
  os << endltab;
  os << "class " << x << n << endltab;
  os << "{" << endltab;
  os << "    public:" << endltab;
  HeaderGen::printDeclareSequences(os, scope());
  HeaderGen::printDeclareArrays(os, scope());
  os << "    private:" << endltab;
  writeUnionMembers(os, *this, d);
  writeDiscriminatorAccess(os, n, d, enumDiscriminator);
  NCOrderedCltn* list = cases();
  for (unsigned i = 0; i < sizeOf(list); ++i)
    writeCaseAccessors(os, *static_cast<IDLCase*>(at(list, i)),
                       enumDiscriminator);
  writeUnionStreamOperators(os, *this, n, x);
  os << "};" << endltab;
  os << endltab;
  os << "typedef " << n << " *" << n << "_ptr;" << endltab;
  writeValueVar(os, n, x, fixedLength(), true);
  Generator::typeCodeHeaderCode(os, this);
}
