// generate/UnionCode.cc - the out-of-line support members of unions.
//
// Every routine switches on the discriminator: each label of a case becomes
// one case line, followed once by the handling of that case's member and a
// break. A member of a named array type goes through the type's _forany.

#include "generate/UnionCode.h"

#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "tree/IDLCase.h"
#include "tree/IDLCaseLabel.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLElement.h"
#include "tree/IDLUnion.h"

#include <ostream>
#include <sstream>
#include <string>

namespace {

// The member of one case with everything its lines are made of.
struct Arm {
  IDLDefinition* resolved; // the member's type with typedefs looked through
  std::string name;        // the member's name (the data member is "__" name)
  int category;            // the category of the type with the declarator
  bool typedefArray;       // the type is a named array type
  std::string arrayClass;  // that array type, qualified
};

bool isKind(IDLDefinition* d, IDLDefinition::DefinitionType kind) {
  return d && d->kind() == kind;
}

Arm armOf(IDLElement* element) {
  Arm a{nullptr, "", 3, false, ""};
  if (!element)
    return a;
  IDLDefinition* declarator = element->declarator();
  a.resolved = Generator::getType(element->typeSpec());
  a.name = declarator ? declarator->name().chars() : "";
  a.category = Generator::getTypeCategory(a.resolved, declarator);
  a.typedefArray = isKind(a.resolved, IDLDefinition::DEF_array_decl);
  if (a.typedefArray) {
    std::ostringstream text;
    Generator::printScopedType(text, element->typeSpec(), declarator);
    a.arrayClass = text.str();
  }
  return a;
}

// Booleans and octets would print as characters on a standard stream.
bool printsAsInt(const Arm& a) {
  return a.category == 0 &&
         isKind(a.resolved, IDLDefinition::DEF_primitive_type) &&
         (a.resolved->secondKind() == IDLDefinition::DEF_boolean ||
          a.resolved->secondKind() == IDLDefinition::DEF_octet);
}

// The qualified name of an interface, whatever alias the member was declared
// with.
std::string interfaceNameOf(IDLDefinition* resolved) {
  std::ostringstream text;
  Generator::printScope(text, resolved, nullptr);
  text << resolved->name().chars();
  return text.str();
}

// Writes the case lines of every case of `u` (may be null), each case's
// labels followed by `action` for its member and a break. Enumerators are
// qualified by the scope of their enum, since the switch is written outside
// it.
template <typename Action>
void writeCases(std::ostream& os, IDLUnion* u, Action action) {
  NCOrderedCltn* cases = u ? u->cases() : nullptr;
  IDLDefinition* discriminator =
      u && u->switchType() ? Generator::getType(u->switchType()) : nullptr;
  std::string labelScope;
  if (isKind(discriminator, IDLDefinition::DEF_enum_type)) {
    std::ostringstream text;
    Generator::printScope(text, discriminator, nullptr);
    labelScope = text.str();
  }
  for (unsigned i = 0; cases && i < cases->size(); ++i) {
    IDLCase* c = static_cast<IDLCase*>(cases->at(i));
    NCOrderedCltn* labels = c->labels();
    for (unsigned j = 0; labels && j < labels->size(); ++j) {
      IDLDefinition* value = static_cast<IDLCaseLabel*>(labels->at(j))->value();
      if (!value) {
        os << "\t\tdefault:" << std::endl;
        continue;
      }
      std::ostringstream text;
      value->unscopedName(text);
      os << "\t\tcase " << labelScope << text.str() << ":" << std::endl;
    }
    action(armOf(c->element()));
    os << "\t\t\tbreak;" << endltab;
  }
}

// The body shared by the copy constructor and the assignment: take the
// other union's discriminator and copy its active member.
void writeCopyCases(std::ostream& os, IDLUnion* u) {
  os << "\t_disc = obj._d();" << endltab;
  os << "\tswitch (_disc) {" << endltab;
  writeCases(os, u, [&os](const Arm& a) {
    const std::string& m = a.name;
    if (a.typedefArray) {
      os << "\t\t\t{" << endltab;
      os << "\t\t\t\t" << a.arrayClass << "_forany ___t1(__" << m << ");"
         << endltab;
      os << "\t\t\t\t" << a.arrayClass << "_forany ___t2(obj." << m << "());"
         << endltab;
      os << "\t\t\t\t___t1 = ___t2;" << endltab;
      os << "\t\t\t}" << endltab;
    } else if (a.category == 2) {
      std::string t = interfaceNameOf(a.resolved);
      os << "\t\t\t__" << m << " = " << t << "::_duplicate((" << t
         << "_ptr)obj.__" << m << ");" << endltab;
    } else {
      os << "\t\t\t__" << m << " = obj.__" << m << ";" << endltab;
    }
  });
  os << "\t}" << endltab;
}

} // namespace

void UnionCode::printStreamConstructor(std::ostream& os, const char* name,
                                       IDLUnion* theUnion) {
  os << "NCistream& operator>>(NCistream& strm, " << name << "& obj)"
     << std::endl;
  os << "{" << std::endl;
  os << "\tstrm >> obj._disc;" << endltab;
  os << "\tswitch (obj._disc) {" << endltab;
  writeCases(os, theUnion, [&os](const Arm& a) {
    if (a.typedefArray)
      os << "\t\t\tstrm >> " << a.arrayClass << "_forany(obj.__" << a.name
         << ");" << endltab;
    else
      os << "\t\t\tstrm >> obj.__" << a.name << ";" << endltab;
  });
  os << "\t}" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
}

// The constructor and the destructor are inline in the client header.
void UnionCode::printConstructor(std::ostream&, const char*, IDLUnion*) {}

void UnionCode::printDestructor(std::ostream&, const char*, IDLUnion*) {}

void UnionCode::printCopyConstructor(std::ostream& os, const char* name,
                                     IDLUnion* theUnion) {
  const char* own = theUnion ? theUnion->name().chars() : name;
  os << name << "::" << own << "(const " << name << "& obj)" << endltab;
  os << "{" << endltab;
  writeCopyCases(os, theUnion);
  os << "}" << endltab;
}

void UnionCode::printEquals(std::ostream& os, const char* name,
                            IDLUnion* theUnion) {
  os << name << "& " << name << "::operator=(const " << name << "& obj)"
     << endltab;
  os << "{" << endltab;
  writeCopyCases(os, theUnion);
  os << "\treturn *this;" << endltab;
  os << "}" << endltab;
}

void UnionCode::printStreamWriter(std::ostream& os, const char* name,
                                  IDLUnion* theUnion) {
  os << "NCostream&  operator<<(NCostream& strm, const " << name << "& obj)"
     << endltab;
  os << "{" << endltab;
  os << "\tstrm << obj._disc;" << endltab;
  os << "\tswitch (obj._disc) {" << endltab;
  writeCases(os, theUnion, [&os](const Arm& a) {
    if (a.typedefArray)
      os << "\t\t\tstrm << " << a.arrayClass << "_forany(obj." << a.name
         << "());" << endltab;
    else
      os << "\t\t\tstrm << obj." << a.name << "();" << endltab;
  });
  os << "\t}" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
}

void UnionCode::printPrettyPrint(std::ostream& os, const char* name,
                                 IDLUnion* theUnion) {
  if (!Generator::generateStdStream)
    return;
  os << "ostream& operator<<(ostream& strm, const " << name << "& obj)"
     << endltab;
  os << "{" << endltab;
  os << "\tif (&strm == &cout || &strm == &cerr || &strm == &clog) {"
     << endltab;
  os << "\t\tstrm << \"UNION NAME: " << name << "\" << endl;" << endltab;
  os << "\t\tstrm << \"DISCRIMINATOR: \" << obj._disc << endl;" << endltab;
  os << "\t\tswitch (obj._disc) {" << endltab;
  writeCases(os, theUnion, [&os](const Arm& a) {
    os << "\t\t\t\tstrm << \"" << a.name << ": \";" << endltab;
    if (a.typedefArray)
      os << "\t\t\t\tstrm << " << a.arrayClass << "_forany(obj." << a.name
         << "()) << endl;" << endltab;
    else if (printsAsInt(a))
      os << "\t\t\t\tstrm << (int)obj." << a.name << "() << endl;" << endltab;
    else
      os << "\t\t\t\tstrm << obj." << a.name << "() << endl;" << endltab;
  });
  os << "\t\t}" << endltab;
  os << "\t}" << endltab;
  os << "\telse {" << endltab;
  os << "\t\tNCostream ostrm(strm);" << endltab;
  os << "\t\tostrm << obj;" << endltab;
  os << "\t}" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
}

void UnionCode::printCompare(std::ostream& os, const char* name,
                             IDLUnion* theUnion) {
  os << "CORBA::Long compare(const " << name << "& o1, const " << name
     << "& o2)" << endltab;
  os << "{" << endltab;
  os << "\tCORBA::Long diff = 0;" << endltab;
  os << "\tif ((diff = (CORBA::Long) (o1._d() - o2._d())) != 0)" << endltab;
  os << "\t\treturn diff;" << endltab;
  os << "\tswitch (o1._d()) {" << endltab;
  writeCases(os, theUnion, [&os](const Arm& a) {
    const std::string& m = a.name;
    if (a.typedefArray)
      os << "\t\t\tdiff = compare(" << a.arrayClass << "_forany(o1." << m
         << "()), " << a.arrayClass << "_forany(o2." << m << "()));"
         << std::endl;
    else if (a.category == 0)
      os << "\t\t\tdiff = ((CORBA::Long) o1." << m << "() - (CORBA::Long) o2."
         << m << "());" << std::endl;
    else
      os << "\t\t\tdiff = compare(o1.__" << m << ", o2.__" << m << ");"
         << std::endl;
    os << "\t\t\tif (diff)" << std::endl;
    os << "\t\t\t\treturn diff;" << std::endl;
  });
  os << "\t}" << endltab;
  os << "\treturn diff;" << std::endl;
  os << std::endl;
  os << "}" << std::endl;
}

void UnionCode::printHash(std::ostream& os, const char* name,
                          IDLUnion* theUnion) {
  os << "CORBA::ULong hash(const " << name << "& obj)" << endltab;
  os << "{" << endltab;
  os << "\tCORBA::ULong h = 0;" << std::endl;
  os << "\th ^= (CORBA::ULong) obj._d();" << endltab;
  os << "\tswitch (obj._d()) {" << endltab;
  writeCases(os, theUnion, [&os](const Arm& a) {
    if (a.typedefArray)
      os << "\t\t\th ^= hash(" << a.arrayClass << "_forany(obj." << a.name
         << "()));" << endltab;
    else if (a.category == 0)
      os << "\t\t\th ^= (CORBA::ULong) obj.__" << a.name << ";" << endltab;
    else
      os << "\t\t\th ^= hash(obj.__" << a.name << ");" << std::endl;
  });
  os << "\t}" << endltab;
  os << "\treturn h;" << std::endl;
  os << std::endl;
  os << "}" << std::endl;
}
