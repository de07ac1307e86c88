// stubs/ArrayClasses.cc - the classes that give an IDL array value semantics:
// slice typedefs, allocation and release, the _forany wrapper and the _var
// holder.
//
// With inline members on, everything goes into the client header. With them
// off, the header declares the larger members and the client implementation
// file defines them, each body line one tab further left.

#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "tree/IDLDefinition.h"
#include "tree/IDLScope.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The element families whose copying, streaming, comparing and hashing
// differ.
enum class ElementFamily {
  primitive,       // category 0, enumerations included: streamed in bulk
  nestedArray,     // an array itself: each element goes through its _forany
  objectReference, // copies duplicate the reference
  other,           // strings and constructed types: element by element
};

// What the lines of one array's classes are made of.
struct ArrayText {
  const char* name;    // the declarator's name
  const char* element; // the element type's qualified name
  ElementFamily family;
  std::vector<long> dims; // outermost first
  unsigned long total;    // number of elements over all dimensions
};

ElementFamily familyOf(IDLDefinition* elementType) {
  IDLDefinition* type = elementType ? Generator::getType(elementType) : nullptr;
  if (!type)
    return ElementFamily::other;
  if (type->kind() == IDLDefinition::DEF_array_decl ||
      type->kind() == IDLDefinition::DEF_array)
    return ElementFamily::nestedArray;
  // No declarator here: an array declarator would make every element
  // complex.
  switch (Generator::getTypeCategory(type, nullptr)) {
  case 0:
    return ElementFamily::primitive;
  case 2:
    return ElementFamily::objectReference;
  default:
    return ElementFamily::other;
  }
}

ArrayText arrayText(const char* name, const char* elementName,
                    IDLDefinition* elementType, NCOrderedCltn* dimensions) {
  ArrayText a{name ? name : "",
              elementName ? elementName : "",
              familyOf(elementType),
              {},
              1};
  for (unsigned i = 0; dimensions && i < dimensions->size(); ++i) {
    auto* expr =
        static_cast<IDLDefinition*>(dimensions->at(static_cast<int>(i)));
    long d = expr ? expr->getInt() : 0;
    a.dims.push_back(d);
    a.total *= static_cast<unsigned long>(d);
  }
  return a;
}

// "[d]" for every dimension from `first` on, in one go inside a line.
struct Dimensions {
  const ArrayText& a;
  std::size_t first;
};

std::ostream& operator<<(std::ostream& os, const Dimensions& d) {
  for (std::size_t i = d.first; i < d.a.dims.size(); ++i)
    os << "[" << d.a.dims[i] << "]";
  return os;
}

// What indexing returns: an element of a one-dimensional array, a row of a
// two-dimensional one, a slice of the slice beyond that.
struct ElementRef {
  const ArrayText& a;
};

std::ostream& operator<<(std::ostream& os, const ElementRef& r) {
  if (r.a.dims.size() <= 1)
    return os << r.a.element << "& ";
  if (r.a.dims.size() == 2)
    return os << r.a.element << " *";
  return os << r.a.name << "_slice_slice *";
}

// The export macro and its blank, or nothing.
std::string exportText() {
  return Generator::generateExport
             ? std::string(Generator::generateExport) + " "
             : std::string();
}

// Inside an interface or module the functions are static members of its
// class; at file level they are free functions and carry the export macro.
std::string allocationPrefix(IDLDefinition* declarator) {
  IDLScope* scope = declarator ? declarator->definedInScope() : nullptr;
  if (scope && scope->parent())
    return "static ";
  return exportText();
}

void writeSliceTypedefs(std::ostream& os, const ArrayText& a) {
  os << endltab;
  os << "typedef " << a.element << " " << a.name << "_slice" << Dimensions{a, 1}
     << ";" << endltab;
  os << "typedef " << a.name << "_slice *" << a.name << "_slice_ptr;"
     << endltab;
  if (a.dims.size() >= 3)
    os << "typedef " << a.element << " " << a.name << "_slice_slice"
       << Dimensions{a, 2} << ";" << endltab;
}

void writeAllocAndFree(std::ostream& os, const ArrayText& a,
                       IDLDefinition* declarator) {
  const std::string z = allocationPrefix(declarator);
  os << z << "inline " << a.name << "_slice *" << a.name << "_alloc() {"
     << endltab;
  os << "\treturn new " << a.element << Dimensions{a, 0} << ";" << endltab;
  os << "}" << endltab;
  os << z << "inline void " << a.name << "_free(" << a.name << "_slice *data) {"
     << endltab;
  os << "\tif (data) delete[] data;" << endltab;
  os << "}" << endltab;
}

void writeIndexBody(std::ostream& os) {
  os << "\t\treturn _ptr[index];" << endltab;
  os << "\t}" << endltab;
}

// The same members in _forany and _var.
void writeIndexing(std::ostream& os, const ArrayText& a) {
  if (a.family == ElementFamily::nestedArray) {
    os << "\t" << ElementRef{a} << "operator[](CORBA::ULong index) {"
       << endltab;
    writeIndexBody(os);
    os << "\t" << a.element << "_slice *operator[](CORBA::ULong index) const {"
       << endltab;
    writeIndexBody(os);
  } else if (a.dims.size() < 3) {
    os << "\t" << ElementRef{a} << "operator[](CORBA::ULong index) {"
       << endltab;
    writeIndexBody(os);
    os << "\tconst " << ElementRef{a}
       << "operator[](CORBA::ULong index) const {" << endltab;
    writeIndexBody(os);
  } else {
    os << "\t" << ElementRef{a} << "operator[](CORBA::ULong index) const {"
       << endltab;
    writeIndexBody(os);
  }
}

void writeArrayConversion(std::ostream& os, const ArrayText& a) {
  os << "\toperator " << a.name << "& () const { return *(" << a.name
     << " *)_ptr; }" << endltab;
}

// _forany members written inline in the class.

void writeInlineObjectStreamOutput(std::ostream& os, const ArrayText& a) {
  os << "\tfriend NCostream& operator<<(NCostream& strm," << endltab;
  os << "\t\t\tconst " << a.name << "_forany& obj) {" << endltab;
  switch (a.family) {
  case ElementFamily::primitive:
    os << "\t\tconst CORBA::ULong *data = " << endltab;
    os << "\t\t\t(const CORBA::ULong *)obj._ptr;" << endltab;
    os << "\t\tif (data == (CORBA::ULong *)NULL) {" << endltab;
    break;
  case ElementFamily::nestedArray:
    os << "\t\tif (obj._ptr == 0) {" << endltab;
    break;
  default:
    os << "\t\tconst " << a.element << " *data = " << endltab;
    os << "\t\t\t(const " << a.element << " *)obj._ptr;" << endltab;
    os << "\t\tif (data == (" << a.element << " *)NULL) {" << endltab;
    break;
  }
  if (Generator::generateExceptions) {
    os << "\t\t\tthrow CORBA::BAD_PARAM();" << endltab;
  } else {
    os << "\t\t\tCORBA::current_environment().exception(new CORBA::BAD_PARAM);"
       << endltab;
    os << "\t\t\treturn strm;" << endltab;
  }
  os << "\t\t}" << endltab;
  switch (a.family) {
  case ElementFamily::primitive:
    os << "\t\tstrm.put(data, " << a.total << ");" << endltab;
    break;
  case ElementFamily::nestedArray:
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++) {" << endltab;
    os << "\t\t\t" << a.element << "_forany _data((" << a.element
       << "_slice *)obj._ptr[i]);" << endltab;
    os << "\t\t\tstrm << _data;" << endltab;
    os << "\t\t}" << endltab;
    break;
  default:
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    os << "\t\t\tstrm << data[i];" << endltab;
    break;
  }
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
}

// A null wrapper is given a fresh array to read into.
void writeInlineObjectStreamInput(std::ostream& os, const ArrayText& a) {
  os << "\tinline friend NCistream& operator>>(NCistream& strm," << endltab;
  os << "\t\t\t" << a.name << "_forany& obj) {" << endltab;
  os << "\t\tif (obj._ptr == (" << a.name << "_slice *)NULL) " << endltab;
  os << "\t\t\tobj._ptr = " << a.name << "_alloc();" << endltab;
  switch (a.family) {
  case ElementFamily::primitive:
    os << "\t\tCORBA::ULong *data = (CORBA::ULong *)obj._ptr;" << endltab;
    os << "\t\tstrm.get(data, " << a.total << ");" << endltab;
    break;
  case ElementFamily::nestedArray:
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++) {" << endltab;
    os << "\t\t\t" << a.element << "_forany _data(obj._ptr[i]);" << endltab;
    os << "\t\t\tstrm >> _data;" << endltab;
    os << "\t\t}" << endltab;
    break;
  default:
    os << "\t\t" << a.element << " *data = (" << a.element << " *)obj._ptr;"
       << endltab;
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    os << "\t\t\tstrm >> data[i];" << endltab;
    break;
  }
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
}

// Copies the elements into the storage the wrapper already points at.
void writeInlineAssignment(std::ostream& os, const ArrayText& a) {
  os << "\t" << a.name << "_forany& operator=(const " << a.name
     << "_forany obj) {" << endltab;
  if (a.family == ElementFamily::nestedArray) {
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++) {" << endltab;
    os << "\t\t\t" << a.element << "_forany _data(_ptr[i]);" << endltab;
    os << "\t\t\t" << a.element << "_forany _odata((" << a.element
       << "_slice *)obj._ptr[i]);" << endltab;
    os << "\t\t\t_data = _odata;" << endltab;
    os << "\t\t}" << endltab;
  } else {
    os << "\t\t" << a.element << " *_data = (" << a.element << " *)_ptr;"
       << endltab;
    os << "\t\tconst " << a.element << " *_odata = (const " << a.element
       << " *)obj._ptr;" << endltab;
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    if (a.family == ElementFamily::objectReference)
      os << "\t\t\t_data[i] = " << a.element << "::_duplicate(_odata[i]);"
         << endltab;
    else
      os << "\t\t\t_data[i] = _odata[i];" << endltab;
  }
  os << "\t\treturn *this;" << endltab;
  os << "\t}" << endltab;
}

// The debugging streams get one line per element; any other stream gets the
// object-stream form.
void writeInlineReadableOutput(std::ostream& os, const ArrayText& a) {
  os << "\t" << exportText()
     << "inline friend ostream& operator<<(ostream& strm, const " << a.name
     << "_forany& obj) {" << endltab;
  os << "\t\tif (&strm == &cout || &strm == &cerr || &strm == &clog) {"
     << endltab;
  os << "\t\t\tstrm << \"ARRAY NAME: " << a.name << "\" << endl;" << endltab;
  if (a.family == ElementFamily::nestedArray) {
    os << "\t\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++) {"
       << endltab;
    os << "\t\t\t\t" << a.element << "_forany _data((" << a.element
       << "_slice *)obj._ptr[i]);" << endltab;
    os << "\t\t\t\tstrm << \"[\" << i << \"] \" << _data << endl;" << endltab;
    os << "\t\t\t}" << endltab;
  } else {
    os << "\t\t\tconst " << a.element << " *data = (const " << a.element
       << " *)obj._ptr;" << endltab;
    os << "\t\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    os << "\t\t\t\tstrm << \"[\" << i << \"] \" << data[i] << endl;" << endltab;
  }
  os << "\t\t}" << endltab;
  os << "\t\telse {" << endltab;
  os << "\t\t\tNCostream ostrm(strm);" << endltab;
  os << "\t\t\tostrm << obj;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
}

void writeInlineReadableInput(std::ostream& os, const ArrayText& a) {
  os << "\t" << exportText()
     << "inline friend istream& operator>>(istream& strm, " << a.name
     << "_forany& obj) {" << endltab;
  os << "\t\tNCistream istrm(strm);" << endltab;
  os << "\t\tistrm >> obj;" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
}

// The first difference decides; equal arrays compare 0.
void writeInlineCompare(std::ostream& os, const ArrayText& a) {
  os << "\t" << exportText() << "inline friend CORBA::Long compare(" << a.name
     << "_forany o1, " << a.name << "_forany o2) {" << endltab;
  os << "\t\tCORBA::Long diff = 0;" << endltab;
  os << "\t\t" << a.element << " *t1 = (" << a.element << " *)o1._ptr;"
     << endltab;
  os << "\t\t" << a.element << " *t2 = (" << a.element << " *)o2._ptr;"
     << endltab;
  os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
  switch (a.family) {
  case ElementFamily::primitive:
    os << "\t\t\tif ( (diff = (CORBA::Long)(t1[i] - t2[i])) != 0)" << endltab;
    break;
  case ElementFamily::nestedArray:
    os << "\t\t\tif ((diff = compare(" << a.element << "_forany(t1[i]), "
       << a.element << "_forany(t2[i]))) != 0)" << endltab;
    break;
  default:
    os << "\t\t\tif ( (diff = compare(t1[i], t2[i])) != 0)" << endltab;
    break;
  }
  os << "\t\t\t\tbreak;" << endltab;
  os << "\t\treturn diff;" << endltab;
  os << "\t}" << endltab;
}

void writeInlineHash(std::ostream& os, const ArrayText& a) {
  os << "\t" << exportText() << "inline friend CORBA::ULong hash(" << a.name
     << "_forany obj) {" << endltab;
  os << "\t\tunsigned h = 0;" << endltab;
  os << "\t\t" << a.element << " *temp = (" << a.element << " *)obj._ptr;"
     << endltab;
  os << "\t\tfor (CORBA::ULong i= 0; i< " << a.total << "; i++) {" << endltab;
  switch (a.family) {
  case ElementFamily::primitive:
    os << "\t\t\th ^= (CORBA::ULong)temp[i];" << endltab;
    break;
  case ElementFamily::nestedArray:
    os << "\t\t\th ^= hash(" << a.element << "_forany(temp[i]));" << endltab;
    break;
  default:
    os << "\t\t\th ^= hash(temp[i]);" << endltab;
    break;
  }
  os << "\t\t}" << endltab;
  os << "\t\treturn h;" << endltab;
  os << "\t}" << endltab;
}

// _forany members declared in the class and defined out of line.
void writeForanyDeclarations(std::ostream& os, const ArrayText& a) {
  os << "\tfriend NCostream& operator<<(NCostream& strm," << endltab;
  os << "\t\t\tconst " << a.name << "_forany& obj);" << endltab;
  os << "\tfriend NCistream& operator>>(NCistream& strm," << endltab;
  os << "\t\t\t" << a.name << "_forany& obj);" << endltab;
  os << "\t" << a.name << "_forany& operator=(const " << a.name
     << "_forany obj);" << endltab;
  if (Generator::generateStdStream)
    os << "\t" << exportText()
       << "friend ostream& operator<<(ostream& strm, const " << a.name
       << "_forany& obj);" << endltab;
  if (Generator::generateContainer) {
    os << "\t" << exportText() << "friend CORBA::Long compare(" << a.name
       << "_forany o1, " << a.name << "_forany o2);" << endltab;
    os << "\t" << exportText() << "friend CORBA::ULong hash(" << a.name
       << "_forany obj);" << endltab;
  }
}

void writeForanyClass(std::ostream& os, const ArrayText& a,
                      int constConversion) {
  os << "class " << exportText() << a.name << "_forany" << endltab;
  os << "{" << endltab;
  os << "    public:" << endltab;
  os << "\t" << a.name << "_forany(" << a.name
     << "_slice *slice) :_ptr(slice) {}" << endltab;
  os << "\t" << a.name << "_forany() :_ptr((" << a.name << "_slice *)NULL) {}"
     << endltab;
  os << "\t~" << a.name << "_forany() {} " << endltab;
  writeIndexing(os, a);
  os << "\toperator " << a.name << "_slice *() { return _ptr;}" << endltab;
  if (constConversion)
    writeArrayConversion(os, a);
  if (Generator::generateInline) {
    writeInlineObjectStreamOutput(os, a);
    writeInlineObjectStreamInput(os, a);
    writeInlineAssignment(os, a);
    if (Generator::generateStdStream) {
      writeInlineReadableOutput(os, a);
      writeInlineReadableInput(os, a);
    }
    if (Generator::generateContainer) {
      writeInlineCompare(os, a);
      writeInlineHash(os, a);
    }
  } else {
    writeForanyDeclarations(os, a);
  }
  os << "    private:" << endltab;
  os << "\t" << a.name << "_slice\t*_ptr;" << endltab;
  os << "};" << endltab;
}

// The element copy of the _var copy constructor and copy assignment, into
// the storage _ptr already points at.
void writeInlineVarCopy(std::ostream& os, const ArrayText& a) {
  switch (a.family) {
  case ElementFamily::nestedArray:
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++) {" << endltab;
    os << "\t\t\t" << a.element << "_forany _t1(_ptr[i]);" << endltab;
    os << "\t\t\t" << a.element << "_forany _t2((" << a.element
       << "_slice *)var._ptr[i]);" << endltab;
    os << "\t\t\t_t1 = _t2;" << endltab;
    os << "\t\t}" << endltab;
    break;
  case ElementFamily::primitive:
    os << "\t\tmemcpy(_ptr, var._ptr, size_t(" << a.total << ") *sizeof("
       << a.element << "));" << endltab;
    break;
  case ElementFamily::objectReference:
    os << "\t\t" << a.element << " *_t1 = (" << a.element << " *)_ptr;"
       << endltab;
    os << "\t\t" << a.element << " *_t2 = (" << a.element << " *)var._ptr;"
       << endltab;
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    os << "\t\t\t_t1[i] = " << a.element << "::_duplicate(_t2[i]);" << endltab;
    break;
  case ElementFamily::other:
    os << "\t\t" << a.element << " *_t1 = (" << a.element << " *)_ptr;"
       << endltab;
    os << "\t\t" << a.element << " *_t2 = (" << a.element << " *)var._ptr;"
       << endltab;
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    os << "\t\t\t_t1[i] = _t2[i];" << endltab;
    break;
  }
}

// The copy assignment takes a non-const holder: the private assignment from
// a const holder below keeps that form out of reach.
void writeVarCopyMembers(std::ostream& os, const ArrayText& a) {
  if (!Generator::generateInline) {
    os << "\t" << a.name << "_var(const " << a.name << "_var& var);" << endltab;
    return;
  }
  os << "\t" << a.name << "_var(const " << a.name << "_var& var) {" << endltab;
  os << "\t\t_ptr = " << a.name << "_alloc();" << endltab;
  writeInlineVarCopy(os, a);
  os << "\t}" << endltab;
}

void writeVarCopyAssignment(std::ostream& os, const ArrayText& a) {
  if (!Generator::generateInline) {
    os << "\t" << a.name << "_var& operator=(" << a.name << "_var& var);"
       << endltab;
    return;
  }
  os << "\t" << a.name << "_var& operator=(" << a.name << "_var& var) {"
     << endltab;
  os << "\t\tif (!_ptr)" << endltab;
  os << "\t\t\t_ptr = " << a.name << "_alloc();" << endltab;
  writeInlineVarCopy(os, a);
  os << "\t\treturn *this;" << endltab;
  os << "\t}" << endltab;
}

void writeVarClass(std::ostream& os, const ArrayText& a, int constConversion) {
  os << "class " << exportText() << a.name << "_var" << endltab;
  os << "{" << endltab;
  os << "    public:" << endltab;
  os << "\t" << a.name << "_var() : _ptr((" << a.name << "_slice *)NULL) {}"
     << endltab;
  os << "\t" << a.name << "_var(" << a.name << "_slice *slice) :_ptr(slice) {}"
     << endltab;
  writeVarCopyMembers(os, a);
  os << "\t~" << a.name << "_var() { " << a.name << "_free(_ptr); }" << endltab;
  // Assigning a slice hands it over to the holder.
  os << "\t" << a.name << "_var& operator=(" << a.name << "_slice *slice) {"
     << endltab;
  os << "\t\t" << a.name << "_free(_ptr);" << endltab;
  os << "\t\t_ptr = slice;" << endltab;
  os << "\t\treturn *this;" << endltab;
  os << "\t}" << endltab;
  writeVarCopyAssignment(os, a);
  writeIndexing(os, a);
  // The directives must start in column 1.
  os << "\toperator " << a.name << "_slice *() { return _ptr;}" << std::endl;
  os << "#if defined(_HPCC_BUG)" << endltab;
  os << "\toperator " << a.name << "_slice *& () {return _ptr;}" << std::endl;
  os << "#else" << endltab;
  os << "\toperator " << a.name << "_slice_ptr& () {return _ptr;}" << std::endl;
  os << "#endif" << endltab;
  if (constConversion)
    writeArrayConversion(os, a);
  os << "\t" << exportText()
     << "friend inline NCostream& operator<<(NCostream& strm," << endltab;
  os << "\t\t\t" << a.name << "_var& var) {" << endltab;
  os << "\t\t" << a.name << "_forany temp(var._ptr);" << endltab;
  os << "\t\tstrm << temp;" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
  os << "\t" << exportText()
     << "friend inline NCistream& operator>>(NCistream& strm," << endltab;
  os << "\t\t\t" << a.name << "_var& var) {" << endltab;
  os << "\t\t" << a.name << "_forany temp(var._ptr);" << endltab;
  os << "\t\tstrm >> temp;" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
  os << "    private:" << endltab;
  os << "\t" << a.name << "_slice\t*_ptr;" << endltab;
  os << "\tvoid operator=(const " << a.name << "_var&) {}" << endltab;
  os << "};" << endltab;
}

// Out-of-line definitions for the client implementation file, one after the
// other: the bodies sit one tab left of the inline ones and a typed pointer
// is declared on one line.

void writeObjectStreamOutput(std::ostream& os, const ArrayText& a) {
  os << "NCostream& operator<<(NCostream& strm, const " << a.name
     << "_forany& obj)" << endltab;
  os << "{" << endltab;
  switch (a.family) {
  case ElementFamily::primitive:
    os << "\tconst CORBA::ULong *data = (const CORBA::ULong *)obj._ptr;"
       << endltab;
    os << "\tif (data == (CORBA::ULong *)NULL) {" << endltab;
    break;
  case ElementFamily::nestedArray:
    os << "\tif (obj._ptr == 0) {" << endltab;
    break;
  default:
    os << "\tconst " << a.element << " *data = (const " << a.element
       << " *)obj._ptr;" << endltab;
    os << "\tif (data == (" << a.element << " *)NULL) {" << endltab;
    break;
  }
  if (Generator::generateExceptions) {
    os << "\t\tthrow CORBA::BAD_PARAM();" << endltab;
  } else {
    os << "\t\tCORBA::current_environment().exception(new CORBA::BAD_PARAM);"
       << endltab;
    os << "\t\treturn strm;" << endltab;
  }
  os << "\t}" << endltab;
  switch (a.family) {
  case ElementFamily::primitive:
    os << "\tstrm.put(data, " << a.total << ");" << endltab;
    break;
  case ElementFamily::nestedArray:
    os << "\tfor (CORBA::ULong i=0; i < " << a.total << "; i++) {" << endltab;
    os << "\t\t" << a.element << "_forany _data((" << a.element
       << "_slice *)obj._ptr[i]);" << endltab;
    os << "\t\tstrm << _data;" << endltab;
    os << "\t}" << endltab;
    break;
  default:
    os << "\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    os << "\t\tstrm << data[i];" << endltab;
    break;
  }
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
}

void writeObjectStreamInput(std::ostream& os, const ArrayText& a) {
  os << "NCistream& operator>>(NCistream& strm, " << a.name << "_forany& obj)"
     << endltab;
  os << "{" << endltab;
  os << "\tif (obj._ptr == (" << a.name << "_slice *)NULL) " << endltab;
  os << "\t\tobj._ptr = " << a.name << "_alloc();" << endltab;
  switch (a.family) {
  case ElementFamily::primitive:
    os << "\tCORBA::ULong *data = (CORBA::ULong *)obj._ptr;" << endltab;
    os << "\tstrm.get(data, " << a.total << ");" << endltab;
    break;
  case ElementFamily::nestedArray:
    os << "\tfor (CORBA::ULong i=0; i < " << a.total << "; i++) {" << endltab;
    os << "\t\t" << a.element << "_forany _data(obj._ptr[i]);" << endltab;
    os << "\t\tstrm >> _data;" << endltab;
    os << "\t}" << endltab;
    break;
  default:
    os << "\t" << a.element << " *data = (" << a.element << " *)obj._ptr;"
       << endltab;
    os << "\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    os << "\t\tstrm >> data[i];" << endltab;
    break;
  }
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
}

void writeAssignment(std::ostream& os, const ArrayText& a) {
  os << a.name << "_forany& " << a.name << "_forany::operator=(const " << a.name
     << "_forany obj)" << endltab;
  os << "{" << endltab;
  if (a.family == ElementFamily::nestedArray) {
    os << "\tfor (CORBA::ULong i=0; i < " << a.total << "; i++) {" << endltab;
    os << "\t\t" << a.element << "_forany _data(_ptr[i]);" << endltab;
    os << "\t\t" << a.element << "_forany _odata((" << a.element
       << "_slice *)obj._ptr[i]);" << endltab;
    os << "\t\t_data = _odata;" << endltab;
    os << "\t}" << endltab;
  } else {
    os << "\t" << a.element << " *_data = (" << a.element << " *)_ptr;"
       << endltab;
    os << "\tconst " << a.element << " *_odata = (const " << a.element
       << " *)obj._ptr;" << endltab;
    os << "\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    if (a.family == ElementFamily::objectReference)
      os << "\t\t_data[i] = " << a.element << "::_duplicate(_odata[i]);"
         << endltab;
    else
      os << "\t\t_data[i] = _odata[i];" << endltab;
  }
  os << "\treturn *this;" << endltab;
  os << "}" << endltab;
}

void writeReadableOutput(std::ostream& os, const ArrayText& a) {
  os << "ostream& operator<<(ostream& strm, const " << a.name << "_forany& obj)"
     << endltab;
  os << "{" << endltab;
  os << "\tif (&strm == &cout || &strm == &cerr || &strm == &clog) {"
     << endltab;
  os << "\t\tstrm << \"ARRAY NAME: " << a.name << "\" << endl;" << endltab;
  if (a.family == ElementFamily::nestedArray) {
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++) {" << endltab;
    os << "\t\t\t" << a.element << "_forany _data((" << a.element
       << "_slice *)obj._ptr[i]);" << endltab;
    os << "\t\t\tstrm << \"[\" << i << \"] \" << _data << endl;" << endltab;
    os << "\t\t}" << endltab;
  } else {
    os << "\t\tconst " << a.element << " *data = (const " << a.element
       << " *)obj._ptr;" << endltab;
    os << "\t\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    os << "\t\t\tstrm << \"[\" << i << \"] \" << data[i] << endl;" << endltab;
  }
  os << "\t}" << endltab;
  os << "\telse {" << endltab;
  os << "\t\tNCostream ostrm(strm);" << endltab;
  os << "\t\tostrm << obj;" << endltab;
  os << "\t}" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
}

void writeCompare(std::ostream& os, const ArrayText& a) {
  os << "CORBA::Long compare(" << a.name << "_forany o1, " << a.name
     << "_forany o2)" << endltab;
  os << "{" << endltab;
  os << "\tCORBA::Long diff = 0;" << endltab;
  os << "\t" << a.element << " *t1 = (" << a.element << " *)o1._ptr;"
     << endltab;
  os << "\t" << a.element << " *t2 = (" << a.element << " *)o2._ptr;"
     << endltab;
  os << "\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
  switch (a.family) {
  case ElementFamily::primitive:
    os << "\t\tif ( (diff = (CORBA::Long)(t1[i] - t2[i])) != 0)" << endltab;
    break;
  case ElementFamily::nestedArray:
    os << "\t\tif ((diff = compare(" << a.element << "_forany(t1[i]), "
       << a.element << "_forany(t2[i]))) != 0)" << endltab;
    break;
  default:
    os << "\t\tif ( (diff = compare(t1[i], t2[i])) != 0)" << endltab;
    break;
  }
  os << "\t\t\tbreak;" << endltab;
  os << "\treturn diff;" << endltab;
  os << "}" << endltab;
}

void writeHash(std::ostream& os, const ArrayText& a) {
  os << "CORBA::ULong hash(" << a.name << "_forany obj)" << endltab;
  os << "{" << endltab;
  os << "\tunsigned h = 0;" << endltab;
  os << "\t" << a.element << " *temp = (" << a.element << " *)obj._ptr;"
     << endltab;
  os << "\tfor (CORBA::ULong i= 0; i< " << a.total << "; i++) {" << endltab;
  switch (a.family) {
  case ElementFamily::primitive:
    os << "\t\th ^= (CORBA::ULong)temp[i];" << endltab;
    break;
  case ElementFamily::nestedArray:
    os << "\t\th ^= hash(" << a.element << "_forany(temp[i]));" << endltab;
    break;
  default:
    os << "\t\th ^= hash(temp[i]);" << endltab;
    break;
  }
  os << "\t}" << endltab;
  os << "\treturn h;" << endltab;
  os << "}" << endltab;
}

void writeVarCopy(std::ostream& os, const ArrayText& a) {
  switch (a.family) {
  case ElementFamily::nestedArray:
    os << "\tfor (CORBA::ULong i=0; i < " << a.total << "; i++) {" << endltab;
    os << "\t\t" << a.element << "_forany _t1(_ptr[i]);" << endltab;
    os << "\t\t" << a.element << "_forany _t2((" << a.element
       << "_slice *)var._ptr[i]);" << endltab;
    os << "\t\t_t1 = _t2;" << endltab;
    os << "\t}" << endltab;
    break;
  case ElementFamily::primitive:
    os << "\tmemcpy(_ptr, var._ptr, size_t(" << a.total << ") *sizeof("
       << a.element << "));" << endltab;
    break;
  case ElementFamily::objectReference:
    os << "\t" << a.element << " *_t1 = (" << a.element << " *)_ptr;"
       << endltab;
    os << "\t" << a.element << " *_t2 = (" << a.element << " *)var._ptr;"
       << endltab;
    os << "\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    os << "\t\t_t1[i] = " << a.element << "::_duplicate(_t2[i]);" << endltab;
    break;
  case ElementFamily::other:
    os << "\t" << a.element << " *_t1 = (" << a.element << " *)_ptr;"
       << endltab;
    os << "\t" << a.element << " *_t2 = (" << a.element << " *)var._ptr;"
       << endltab;
    os << "\tfor (CORBA::ULong i=0; i < " << a.total << "; i++)" << endltab;
    os << "\t\t_t1[i] = _t2[i];" << endltab;
    break;
  }
}

void writeVarCopyConstructor(std::ostream& os, const ArrayText& a) {
  os << a.name << "_var::" << a.name << "_var(const " << a.name << "_var& var)"
     << endltab;
  os << "{" << endltab;
  os << "\t_ptr = " << a.name << "_alloc();" << endltab;
  writeVarCopy(os, a);
  os << "}" << endltab;
}

void writeVarAssignment(std::ostream& os, const ArrayText& a) {
  os << a.name << "_var& " << a.name << "_var::operator=(" << a.name
     << "_var& var)" << endltab;
  os << "{" << endltab;
  os << "\tif (!_ptr)" << endltab;
  os << "\t\t_ptr = " << a.name << "_alloc();" << endltab;
  writeVarCopy(os, a);
  os << "\treturn *this;" << endltab;
  os << "}" << endltab;
}

} // namespace

void Generator::declareArrayVar(std::ostream& os, const char* name,
                                const char* elementName,
                                IDLDefinition* elementType,
                                NCOrderedCltn* dimensions,
                                IDLDefinition* declarator,
                                int constConversion) {
  const ArrayText a = arrayText(name, elementName, elementType, dimensions);
  writeSliceTypedefs(os, a);
  writeAllocAndFree(os, a, declarator);
  writeForanyClass(os, a, constConversion);
  writeVarClass(os, a, constConversion);
}

void Generator::implementArrayVar(std::ostream& os, const char* name,
                                  const char* elementName,
                                  IDLDefinition* elementType,
                                  NCOrderedCltn* dimensions,
                                  IDLDefinition* /*declarator*/,
                                  int /*constConversion*/) {
  const ArrayText a = arrayText(name, elementName, elementType, dimensions);
  writeObjectStreamOutput(os, a);
  writeObjectStreamInput(os, a);
  writeAssignment(os, a);
  if (generateStdStream)
    writeReadableOutput(os, a);
  if (generateContainer) {
    writeCompare(os, a);
    writeHash(os, a);
  }
  writeVarCopyConstructor(os, a);
  writeVarAssignment(os, a);
}
