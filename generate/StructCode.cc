// generate/StructCode.cc - the support members of structs and exceptions.
//
// Every routine walks the members in declaration order and, within a member,
// its declarators. An array member goes through the _forany class of its
// array type, a typedef'd one or the one named after the member itself.

#include "generate/StructCode.h"

#include "generate/Generator.h"
#include "generate/HeaderGen.h"
#include "nclib/NCOrderedCltn.h"
#include "tree/IDLArrayDecl.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLMember.h"
#include "tree/IDLSequenceType.h"

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// How a member declarator is reached: through the _forany class of a named
// array type, through the one of the array class named after the member, or
// directly.
enum class Shape { typedefArray, anonymousArray, plain };

// One member declarator with everything its lines are made of.
struct Field {
  IDLDefinition* type;       // the member's type as written
  IDLDefinition* resolved;   // that type with typedefs looked through
  IDLDefinition* declarator; // the declarator
  std::string name;          // the declarator's name
  int category;              // the category of the type with the declarator
  Shape shape;
  std::string arrayClass; // the array class of both array shapes, qualified
};

bool isKind(IDLDefinition* d, IDLDefinition::DefinitionType kind) {
  return d && d->kind() == kind;
}

std::string scopedTypeOf(IDLDefinition* type, IDLDefinition* declarator) {
  std::ostringstream text;
  Generator::printScopedType(text, type, declarator);
  return text.str();
}

// The qualified name of an interface, as _duplicate and the _var class need
// it whatever alias the member was declared with.
std::string interfaceNameOf(IDLDefinition* resolved) {
  std::ostringstream text;
  Generator::printScope(text, resolved, nullptr);
  text << resolved->name().chars();
  return text.str();
}

// Booleans and octets would print as characters on a standard stream.
bool printsAsInt(const Field& f) {
  return f.category == 0 &&
         isKind(f.resolved, IDLDefinition::DEF_primitive_type) &&
         (f.resolved->secondKind() == IDLDefinition::DEF_boolean ||
          f.resolved->secondKind() == IDLDefinition::DEF_octet);
}

// The member constructor the header declares takes no parameter for an
// array of object references (its elements are held in _var classes), so
// the definition leaves such members to their default value.
bool isObjectArray(const Field& f) {
  return f.shape == Shape::anonymousArray &&
         isKind(f.resolved, IDLDefinition::DEF_interface);
}

// The declarators of `members` in order. `className` qualifies the array
// classes named after members.
std::vector<Field> fieldsOf(NCOrderedCltn* members, const char* className) {
  std::vector<Field> fields;
  for (unsigned i = 0; members && i < members->size(); ++i) {
    IDLMember* member = static_cast<IDLMember*>(members->at(i));
    NCOrderedCltn* declarators = member->declarators();
    IDLDefinition* resolved = Generator::getType(member->typeSpec());
    for (unsigned j = 0; declarators && j < declarators->size(); ++j) {
      Field f;
      f.type = member->typeSpec();
      f.resolved = resolved;
      f.declarator = static_cast<IDLDefinition*>(declarators->at(j));
      f.name = f.declarator->name().chars();
      f.category = Generator::getTypeCategory(resolved, f.declarator);
      // A declarator with dimensions makes its own array class even when
      // its element type is itself a named array.
      if (isKind(f.declarator, IDLDefinition::DEF_array_decl)) {
        f.shape = Shape::anonymousArray;
        f.arrayClass = std::string(className) + "::" + f.name;
      } else if (isKind(resolved, IDLDefinition::DEF_array_decl)) {
        f.shape = Shape::typedefArray;
        f.arrayClass = scopedTypeOf(f.type, f.declarator);
      } else {
        f.shape = Shape::plain;
      }
      fields.push_back(f);
    }
  }
  return fields;
}

bool isArray(const Field& f) {
  return f.shape != Shape::plain;
}

// The type a member is held as inside the class: strings and object
// references in their holder classes.
std::string memberTypeOf(IDLDefinition* type, IDLDefinition* declarator) {
  IDLDefinition* resolved = Generator::getType(type);
  if (isKind(resolved, IDLDefinition::DEF_string_type))
    return "CORBA::String_var";
  if (isKind(resolved, IDLDefinition::DEF_interface))
    return interfaceNameOf(resolved) + "_var";
  return scopedTypeOf(type, declarator);
}

// The parameter type of the exception constructor, as the header declares
// it.
std::string parameterTypeOf(const Field& f) {
  if (f.shape == Shape::anonymousArray)
    return f.name + "_slice *";
  if (isKind(f.resolved, IDLDefinition::DEF_string_type))
    return "const char *";
  if (f.category == 2)
    return scopedTypeOf(f.type, f.declarator) + "_ptr";
  if (f.category == 1)
    return "const " + scopedTypeOf(f.type, f.declarator) + "& ";
  return scopedTypeOf(f.type, f.declarator);
}

} // namespace

void StructCode::printMemberDefs(std::ostream& os, NCOrderedCltn* members) {
  ++Generator::_indentation;
  os << "\t";
  for (unsigned i = 0; members && i < members->size(); ++i) {
    if (i > 0)
      os << endltab;
    IDLMember* member = static_cast<IDLMember*>(members->at(i));
    IDLDefinition* type = member->typeSpec();
    NCOrderedCltn* declarators = member->declarators();
    std::string sequenceClass;
    if (isKind(type, IDLDefinition::DEF_sequence_type) && declarators &&
        declarators->size() > 0) {
      IDLDefinition* first = static_cast<IDLDefinition*>(declarators->at(0));
      sequenceClass = std::string("__") + first->name().chars();
      HeaderGen::printDeclareSeq(os, static_cast<IDLSequenceType*>(type),
                                 sequenceClass.c_str());
    }
    for (unsigned j = 0; declarators && j < declarators->size(); ++j) {
      IDLDefinition* declarator =
          static_cast<IDLDefinition*>(declarators->at(j));
      os << (sequenceClass.empty() ? memberTypeOf(type, declarator)
                                   : sequenceClass)
         << "\t" << declarator->name().chars();
      if (isKind(declarator, IDLDefinition::DEF_array_decl)) {
        NCOrderedCltn* dims =
            static_cast<IDLArrayDecl*>(declarator)->dimensions();
        for (unsigned k = 0; dims && k < dims->size(); ++k)
          os << "[" << static_cast<IDLDefinition*>(dims->at(k))->getInt()
             << "]";
      }
      os << ";";
    }
  }
  --Generator::_indentation;
  os << endltab;
}

void StructCode::printStreamConstructor(std::ostream& os, const char* name,
                                        const char* /*resourceClass*/,
                                        NCOrderedCltn* members) {
  std::vector<Field> fields = fieldsOf(members, name);
  if (fields.empty()) {
    os << "NCistream& operator>>(NCistream& strm, " << name
       << "&) { return strm; }" << endltab;
    return;
  }
  os << "NCistream& operator>>(NCistream& strm, " << name << "& _s)" << endltab;
  os << "{" << endltab;
  for (const Field& f : fields) {
    if (isArray(f)) {
      os << "\t" << f.arrayClass << "_forany __" << f.name << "(_s." << f.name
         << ");" << endltab;
      os << "\tstrm >> __" << f.name << ";" << endltab;
    } else {
      os << "\tstrm >> _s." << f.name << ";" << endltab;
    }
  }
  os << "\treturn strm;" << endltab;
  os << "}" << std::endl;
  os << endltab;
}

void StructCode::printStreamWriter(std::ostream& os, const char* name,
                                   NCOrderedCltn* members) {
  std::vector<Field> fields = fieldsOf(members, name);
  if (fields.empty()) {
    os << "NCostream& operator<<(NCostream& strm, const " << name
       << "&) { return strm; }" << endltab;
    return;
  }
  os << "NCostream& operator<<(NCostream& strm, const " << name << "& _s)"
     << endltab;
  os << "{" << endltab;
  for (const Field& f : fields) {
    if (isArray(f))
      os << "\tstrm << " << f.arrayClass << "_forany((" << f.arrayClass
         << "_slice *)_s." << f.name << ");" << endltab;
    else
      os << "\tstrm << _s." << f.name << ";" << endltab;
  }
  os << "\treturn strm;" << endltab;
  os << "}" << std::endl;
  os << endltab;
}

void StructCode::printPrettyPrint(std::ostream& os, const char* name,
                                  NCOrderedCltn* members) {
  if (!Generator::generateStdStream)
    return;
  std::vector<Field> fields = fieldsOf(members, name);
  if (fields.empty()) {
    os << "ostream& operator<<(ostream& strm, const " << name
       << "&) { return strm; }" << endltab;
    return;
  }
  os << "ostream& operator<<(ostream& strm, const " << name << "& _s)"
     << endltab;
  os << "{" << endltab;
  os << "\tif (&strm == &cout || &strm == &cerr || &strm == &clog) {"
     << endltab;
  os << "\t\tstrm << \"struct " << name << " {\" << endl;" << endltab;
  for (const Field& f : fields) {
    if (isArray(f))
      os << "\t\tstrm << \"\\t" << f.name << ": \" << " << f.arrayClass
         << "_forany((" << f.arrayClass << "_slice *)_s." << f.name
         << ") << endl;" << endltab;
    else if (printsAsInt(f))
      os << "\t\tstrm << \"\\t" << f.name << ": \" << (int)_s." << f.name
         << " << endl;" << endltab;
    else
      os << "\t\tstrm << \"\\t" << f.name << ": \" << _s." << f.name
         << " << endl;" << endltab;
  }
  os << "\t\tstrm << \"}\" << endl;" << endltab;
  os << "\t}" << endltab;
  os << "\telse {" << endltab;
  os << "\t\tNCostream ostrm(strm);" << endltab;
  os << "\t\tostrm << _s;" << endltab;
  os << "\t}" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
}

void StructCode::printCompare(std::ostream& os, const char* name,
                              NCOrderedCltn* members) {
  os << "CORBA::Long compare(const " << name << "& _o1, const " << name
     << "& _o2)" << endltab;
  os << "{" << endltab;
  os << "\tCORBA::Long diff = 0;" << endltab;
  for (const Field& f : fieldsOf(members, name)) {
    if (isArray(f))
      os << "\tdiff = compare(" << f.arrayClass << "_forany((" << f.arrayClass
         << "_slice *)_o1." << f.name << "), " << f.arrayClass << "_forany(("
         << f.arrayClass << "_slice *)_o2." << f.name << "));" << endltab;
    else if (f.category == 0)
      os << "\tdiff = ((CORBA::Long)_o1." << f.name << " - (CORBA::Long) _o2."
         << f.name << ");" << endltab;
    else
      os << "\tdiff = compare(_o1." << f.name << ", _o2." << f.name << ");"
         << endltab;
    os << "\tif (diff)" << endltab;
    os << "\t\treturn diff;" << endltab;
  }
  os << "\treturn diff;" << endltab;
  os << "}" << endltab;
}

void StructCode::printHash(std::ostream& os, const char* name,
                           NCOrderedCltn* members) {
  os << "CORBA::ULong hash(const " << name << "& _obj)" << endltab;
  os << "{" << endltab;
  os << "\tCORBA::ULong h = 0;" << endltab;
  for (const Field& f : fieldsOf(members, name)) {
    if (isArray(f))
      os << "\th ^= hash(" << f.arrayClass << "_forany((" << f.arrayClass
         << "_slice *)_obj." << f.name << "));" << endltab;
    else if (f.category == 0)
      os << "\th ^= (CORBA::ULong) _obj." << f.name << ";" << endltab;
    else if (f.category == 2)
      os << "\th ^= _obj." << f.name << "->_hash(0);" << endltab;
    else
      os << "\th ^= hash(_obj." << f.name << ");" << endltab;
  }
  os << "\treturn h;" << endltab;
  os << "}" << endltab;
}

void StructCode::printEquals(std::ostream& os, const char* name,
                             NCOrderedCltn* members) {
  std::vector<Field> fields = fieldsOf(members, name);
  if (fields.empty())
    return;
  os << name << "& " << name << "::operator=(const " << name << "& _s)"
     << endltab;
  os << "{" << endltab;
  for (const Field& f : fields) {
    const std::string& m = f.name;
    if (f.shape == Shape::anonymousArray) {
      // Inside a member function the member's own array class needs no
      // qualification.
      os << "\t" << m << "_forany _t_" << m << "(" << m << ");" << endltab;
      os << "\t" << m << "_forany __t_" << m << "((" << m << "_slice *)_s." << m
         << ");" << endltab;
      os << "\t_t_" << m << " = __t_" << m << ";" << endltab;
    } else if (f.shape == Shape::typedefArray) {
      const std::string& a = f.arrayClass;
      os << "\t" << a << "_forany _t_" << m << "(" << m << ");" << endltab;
      os << "\t" << a << "_forany __t_" << m << "((" << a << "_slice *)_s." << m
         << ");" << endltab;
      os << "\t_t_" << m << " = __t_" << m << ";" << endltab;
    } else if (f.category == 2) {
      std::string t = interfaceNameOf(f.resolved);
      os << "\t" << m << " = " << t << "::_duplicate((" << t << "_ptr)_s." << m
         << ");" << endltab;
    } else {
      os << "\t" << m << " = _s." << m << ";" << endltab;
    }
  }
  os << "\treturn *this;" << endltab;
  os << "}" << endltab;
}

void StructCode::printConstructor(std::ostream& os, const char* prefix,
                                  const char* name, NCOrderedCltn* members) {
  std::vector<Field> fields = fieldsOf(members, name);
  if (fields.empty())
    return;
  os << (prefix ? prefix : "") << name << "::" << name << "(" << endltab;
  bool first = true;
  for (const Field& f : fields) {
    if (isObjectArray(f))
      continue;
    if (!first)
      os << "," << endltab;
    first = false;
    os << "\t\t" << parameterTypeOf(f) << " _" << f.name;
  }
  os << ")" << endltab;
  os << "{" << endltab;
  for (const Field& f : fields) {
    const std::string& m = f.name;
    if (isObjectArray(f))
      continue;
    if (f.shape == Shape::anonymousArray) {
      os << "\t" << m << "_forany _t_" << m << "(" << m << ");" << endltab;
      os << "\t" << m << "_forany __t_" << m << "(_" << m << ");" << endltab;
      os << "\t_t_" << m << " = __t_" << m << ";" << endltab;
    } else if (f.shape == Shape::typedefArray) {
      const std::string& a = f.arrayClass;
      os << "\t" << a << "_forany _t_" << m << "(" << m << ");" << endltab;
      os << "\t" << a << "_forany __t_" << m << "(_" << m << ");" << endltab;
      os << "\t_t_" << m << " = __t_" << m << ";" << endltab;
    } else if (f.category == 2) {
      os << "\t" << m << " = " << interfaceNameOf(f.resolved)
         << "::_duplicate(_" << m << ");" << endltab;
    } else {
      os << "\t" << m << " = _" << m << ";" << endltab;
    }
  }
  os << "}" << endltab;
}
