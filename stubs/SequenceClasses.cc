// stubs/SequenceClasses.cc - the classes written for IDL sequence types.
//
// Each sequence becomes a class that owns (or borrows) its element buffer,
// plus a reference-counted "_var" holder. Primitive, enumeration and
// constructed elements share one class shape; strings and object references
// hand out an element proxy so that assigning through operator[] can free or
// release the element it replaces.

#include "generate/Generator.h"

#include <cassert>
#include <ostream>
#include <string>

namespace {

// Element families of the member definitions; the class declarations of the
// first three are identical.
enum class Family { Primitive, Enum, Constructed };

// The names every template writes. `_qual` is the scope prefix and the class
// name, the name under which members are defined out of line.
struct SeqNames {
  const char* _cls;
  const char* _elem;
  std::string _qual;
  bool _bounded;
  int _bound;
};

SeqNames makeNames(const char* className, const char* elementType,
                   const char* prefix, bool bounded, int bound) {
  assert(className && "a sequence class needs a name");
  SeqNames n;
  n._cls = className;
  n._elem = elementType ? elementType : "";
  n._qual = std::string(prefix ? prefix : "") + className;
  n._bounded = bounded;
  n._bound = bound;
  return n;
}

// The export macro and its blank, written into class heads and friends.
std::string exportText() {
  if (!Generator::generateExport)
    return std::string();
  return std::string(Generator::generateExport) + " ";
}

// ---------------------------------------------------------------------------
// Pieces shared by the class declarations.

// The object-stream friends, with the standard-stream and container friends
// when asked for. The bounded primitive-family class names the stream
// parameter of the plain declarations; every other class leaves it unnamed.
void writeStreamFriends(std::ostream& os, const char* c, const std::string& x,
                        bool namedStream) {
  if (namedStream)
    os << "\t" << x << "friend NCostream& operator<<(NCostream& strm, const "
       << c << "&);" << endltab;
  else
    os << "\t" << x << "friend NCostream& operator<<(NCostream&, const " << c
       << "&);" << endltab;
  os << "\t" << x
     << "inline friend NCostream& operator<<(NCostream& strm, const " << c
     << " *obj) {" << endltab;
  os << "\t\tif ( obj == (" << c << "*)NULL)" << endltab;
  if (Generator::generateExceptions)
    os << "\t\t\tthrow CORBA::BAD_PARAM();" << endltab;
  else
    os << "\t\t\tCORBA::current_environment().exception(new CORBA::BAD_PARAM);"
       << endltab;
  os << "\t\telse" << endltab;
  os << "\t\t\tstrm << *obj;" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
  if (namedStream)
    os << "\t" << x << "friend NCistream& operator>>(NCistream& strm, " << c
       << "&);" << endltab;
  else
    os << "\t" << x << "friend NCistream& operator>>(NCistream&, " << c << "&);"
       << endltab;
  os << "\t" << x << "inline friend NCistream& operator>>(NCistream& strm, "
     << c << "*& obj) {" << endltab;
  os << "\t\tobj = new " << c << ";" << endltab;
  os << "\t\tstrm >> *obj;" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
  if (Generator::generateStdStream) {
    if (namedStream)
      os << "\t" << x << "friend ostream& operator<<(ostream& strm, const " << c
         << "&);" << endltab;
    else
      os << "\t" << x << "friend ostream& operator<<(ostream&, const " << c
         << "&);" << endltab;
    os << "\t" << x << "inline friend istream& operator>>(istream& strm, " << c
       << "& obj) {" << endltab;
    os << "\t\tNCistream istrm(strm);" << endltab;
    os << "\t\tistrm >> obj;" << endltab;
    os << "\t\treturn strm;" << endltab;
    os << "\t}" << endltab;
    os << "\t" << x << "inline friend istream& operator>>(istream& strm, " << c
       << " *& obj) {" << endltab;
    os << "\t\tNCistream istrm(strm);" << endltab;
    os << "\t\tistrm >> obj;" << endltab;
    os << "\t\treturn strm;" << endltab;
    os << "\t}" << endltab;
  }
  if (Generator::generateContainer) {
    os << "\t" << x << "friend CORBA::ULong hash(const " << c << "&);"
       << endltab;
    os << "\t" << x << "friend CORBA::Long compare(const " << c << "&, const "
       << c << "& );" << endltab;
  }
}

// _duplicate and _release, the reference counting the holders rely on.
void writeReferenceCounting(std::ostream& os, const char* c) {
  os << "\tstatic " << c << " *_duplicate(" << c << "* ptr) {" << endltab;
  os << "\t\tif (ptr) ptr->_ref_count++;" << endltab;
  os << "\t\treturn ptr;" << endltab;
  os << "\t}" << endltab;
  os << "\tstatic void _release(" << c << " *ptr) {" << endltab;
  os << "\t\tif (ptr && ( --ptr->_ref_count == 0) )" << endltab;
  os << "\t\t\tdelete ptr;" << endltab;
  os << "\t}" << endltab;
}

// Constructors, destructor and assignment of a declared class; `elemPtr` is
// the element buffer's type.
void writeLifecycleDecls(std::ostream& os, const SeqNames& n,
                         const std::string& elemPtr) {
  const char* c = n._cls;
  if (n._bounded) {
    os << "\t" << c << "();" << endltab;
    os << "\t" << c << "(CORBA::ULong length," << endltab;
  } else {
    os << "\t" << c << "(CORBA::ULong max=0);" << endltab;
    os << "\t" << c << "(CORBA::ULong max," << endltab;
    os << "\t\tCORBA::ULong length," << endltab;
  }
  os << "\t\t" << elemPtr << "," << endltab;
  os << "\t\tCORBA::Boolean release=0);" << endltab;
  os << "\t" << c << "(const " << c << "&);" << endltab;
  os << "\t~" << c << "();" << endltab;
  os << "\t" << c << "& operator=(const " << c << "&);" << endltab;
}

// The index check of inline operator[] bodies; unchecked without exceptions.
void writeInlineIndexCheck(std::ostream& os) {
  if (!Generator::generateExceptions)
    return;
  os << "\t\tif (index >= _count)" << endltab;
  os << "\t\t\tthrow CORBA::BAD_PARAM();" << endltab;
}

// The private data and accessors of the string classes and, given the
// element type `objectElem`, of the object-reference classes.
void writeBufferMembers(std::ostream& os, const char* objectElem) {
  os << "    private:" << endltab;
  os << "\tCORBA::ULong\t\t_count;" << endltab;
  if (objectElem)
    os << "\t" << objectElem << "_ptr\t\t\t*_buffer;" << endltab;
  else
    os << "\tchar\t\t\t**_buffer;" << endltab;
  os << "\tCORBA::Boolean\t\t_rel_flag;" << endltab;
  os << "\tCORBA::ULong\t\t_num_allocated;" << endltab;
  os << "\tCORBA::Long\t\t_ref_count;" << endltab;
  os << "\tvoid release_on_copy(CORBA::Boolean val) {_rel_flag = val;}"
     << endltab;
  os << "\tCORBA::Boolean release_on_copy() const {return _rel_flag;}"
     << endltab;
  os << "};" << endltab;
  os << endltab;
}

// ---------------------------------------------------------------------------
// Class declarations.

void writeSequenceClass(std::ostream& os, const SeqNames& n) {
  const char* c = n._cls;
  const char* e = n._elem;
  const std::string x = exportText();
  os << endltab;
  os << "class " << x << c << endltab;
  os << "{" << endltab;
  os << "    public:" << endltab;
  os << "\tstatic " << e << " *allocbuf(CORBA::ULong nelems);" << endltab;
  os << "\tstatic void freebuf(" << e << " *data);" << endltab;
  writeLifecycleDecls(os, n, std::string(e) + " *data");
  if (n._bounded)
    os << "\tstatic CORBA::ULong maximum() { return " << n._bound << "; }"
       << endltab;
  else
    os << "\tCORBA::ULong maximum() const { return _num_allocated; }"
       << endltab;
  os << "\tvoid length(CORBA::ULong len);" << endltab;
  os << "\tCORBA::ULong length() const { return _count;}" << endltab;
  os << "\t" << e << "& operator[](CORBA::ULong index);" << endltab;
  os << "\tconst " << e << "& operator[](CORBA::ULong index) const;" << endltab;
  writeStreamFriends(os, c, x, n._bounded);
  writeReferenceCounting(os, c);
  os << "    private:" << endltab;
  // The element array's line carries no tab of its own.
  os << e << "\t*_contents;" << endltab;
  os << "\tCORBA::ULong\t_count;" << endltab;
  os << "\tCORBA::ULong\t_num_allocated;" << endltab;
  os << "\tCORBA::Boolean\t_release_flag;" << endltab;
  os << "\tCORBA::Long\t_ref_count;" << endltab;
  os << "};" << endltab;
  os << endltab;
}

void writeStringSequenceClass(std::ostream& os, const SeqNames& n) {
  const char* c = n._cls;
  const std::string x = exportText();
  os << endltab;
  os << "class " << x << c << endltab;
  os << "{" << endltab;
  os << "    public:" << endltab;
  os << "\tstatic char **allocbuf(CORBA::ULong nelems) {" << endltab;
  os << "\t\tchar **ret = new char *[nelems];" << endltab;
  os << "\t\tfor (CORBA::ULong i=0; i < nelems; i++)" << endltab;
  os << "\t\t\tret[i] = (char *)NULL;" << endltab;
  os << "\t\treturn ret;" << endltab;
  os << "\t}" << endltab;
  os << "\tstatic void freebuf(char **data) {" << endltab;
  os << "\t\tif (data) delete[] data;" << endltab;
  os << "\t}" << endltab;
  os << "\tstatic void freebuf_elems(char **data, CORBA::ULong nelem) {"
     << endltab;
  os << "\t\tif (data) {" << endltab;
  os << "\t\t\tfor (CORBA::ULong i=0; i < nelem; i++)" << endltab;
  os << "\t\t\t\tCORBA::string_free(data[i]);" << endltab;
  os << "\t\t\tdelete[] data;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t}" << endltab;
  // The element proxy: assigning a string through operator[] frees the old
  // one when the sequence owns its strings.
  os << "\tclass " << x << "Sequence_string" << endltab;
  os << "\t{" << endltab;
  os << "\t\tfriend class " << c << ";" << endltab;
  os << "\t    public:" << endltab;
  os << "\t\tSequence_string(char **ptr, CORBA::Boolean rel_flag) {" << endltab;
  os << "\t\t\t_ptr = ptr;" << endltab;
  os << "\t\t\t_rel_flag = rel_flag;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t\tSequence_string(const Sequence_string& other) {" << endltab;
  os << "\t\t\t_ptr = other._ptr;" << endltab;
  os << "\t\t\t_rel_flag = other._rel_flag;" << endltab;
  os << "\t\t}" << endltab;
  if (!n._bounded)
    os << "\t\t~Sequence_string() {}" << endltab;
  os << "\t\tSequence_string& operator=(char *p) {" << endltab;
  os << "\t\t\trelease();" << endltab;
  os << "\t\t\t*_ptr = p;" << endltab;
  os << "\t\t\treturn *this;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t\tSequence_string& operator=(const char *p) {" << endltab;
  os << "\t\t\trelease();" << endltab;
  os << "\t\t\t*_ptr = CORBA::string_alloc(strlen(p));" << endltab;
  os << "\t\t\tstrcpy(*_ptr, p);" << endltab;
  os << "\t\t\treturn *this;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t\toperator const char *() const { return *_ptr; }" << endltab;
  os << "\t\toperator char *() { return *_ptr; }" << endltab;
  os << "\t\tchar& operator[](CORBA::ULong index) { return (*_ptr)[index]; }"
     << endltab;
  os << "\t    private:" << endltab;
  os << "\t\tCORBA::Boolean\t_rel_flag;" << endltab;
  os << "\t\tchar **\t\t_ptr;" << endltab;
  os << "\t\tvoid release() {" << endltab;
  os << "\t\t\tif (_rel_flag)" << endltab;
  os << "\t\t\t\tCORBA::string_free(*_ptr);" << endltab;
  os << "\t\t}" << endltab;
  os << "\t\tvoid operator=(const Sequence_string&) {}" << endltab;
  os << "\t};" << endltab;
  writeLifecycleDecls(os, n, "char **data");
  if (n._bounded)
    os << "\tCORBA::ULong maximum() const { return " << n._bound << ";}"
       << endltab;
  else
    os << "\tCORBA::ULong maximum() const { return _num_allocated; }"
       << endltab;
  os << "\tvoid length(CORBA::ULong len);" << endltab;
  os << "\tCORBA::ULong length() const { return _count;}" << endltab;
  os << "\tSequence_string operator[](CORBA::ULong index) {" << endltab;
  writeInlineIndexCheck(os);
  os << "\t\treturn Sequence_string(&_buffer[index], _rel_flag);" << endltab;
  os << "\t}" << endltab;
  os << "\tconst char *operator[](CORBA::ULong index) const {" << endltab;
  writeInlineIndexCheck(os);
  os << "\t\treturn _buffer[index];" << endltab;
  os << "\t}" << endltab;
  writeStreamFriends(os, c, x, false);
  writeReferenceCounting(os, c);
  writeBufferMembers(os, nullptr);
}

void writeObjectSequenceClass(std::ostream& os, const SeqNames& n) {
  const char* c = n._cls;
  const char* e = n._elem;
  const std::string x = exportText();
  os << endltab;
  os << "class " << x << c << endltab;
  os << "{" << endltab;
  os << "    public:" << endltab;
  os << "\tstatic " << e << "_ptr *allocbuf(CORBA::ULong nelems);" << endltab;
  os << "\tstatic void freebuf(" << e << "_ptr *data);" << endltab;
  os << "\tstatic void freebuf_elems(" << e
     << "_ptr *data, CORBA::ULong nelems);" << endltab;
  // The element proxy: assigning a reference through operator[] releases
  // the old one when the sequence owns its references.
  os << "\tclass " << x << "Sequence_" << c << endltab;
  os << "\t{" << endltab;
  os << "\t\tfriend class " << c << ";" << endltab;
  os << "\t    public:" << endltab;
  os << "\t\tSequence_" << c << "(" << e
     << "_ptr *ptr, CORBA::Boolean rel_flag) {" << endltab;
  os << "\t\t\t_ptr = ptr;" << endltab;
  os << "\t\t\t_rel_flag = rel_flag;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t\tSequence_" << c << "(const Sequence_" << c << "& other) {"
     << endltab;
  os << "\t\t\t_ptr = other._ptr;" << endltab;
  os << "\t\t\t_rel_flag = other._rel_flag;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t\t~Sequence_" << c << "() {}" << endltab;
  os << "\t\tSequence_" << c << "& operator=(" << e << "_ptr p) {" << endltab;
  os << "\t\t\trelease();" << endltab;
  os << "\t\t\t*_ptr = p;" << endltab;
  os << "\t\t\treturn *this;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t\toperator " << e << "_ptr() const { return *_ptr; }" << endltab;
  os << "\t\t" << e << "_ptr operator->() const { return *_ptr; }" << endltab;
  if (n._bounded)
    os << "\t    private:" << endltab;
  else
    os << "\tprivate:" << endltab;
  os << "\t\tCORBA::Boolean\t_rel_flag;" << endltab;
  os << "\t\t" << e << "_ptr\t*_ptr;" << endltab;
  os << "\t\tvoid release();" << endltab;
  os << "\t\tvoid operator=(const Sequence_" << c << "&) {}" << endltab;
  os << "\t};" << endltab;
  writeLifecycleDecls(os, n, std::string(e) + "_ptr *data");
  if (n._bounded)
    os << "\tCORBA::ULong maximum() const { return " << n._bound << ";}"
       << endltab;
  else
    os << "\tCORBA::ULong maximum() const { return _num_allocated; }"
       << endltab;
  os << "\tvoid length(CORBA::ULong len);" << endltab;
  os << "\tCORBA::ULong length() const { return _count;}" << endltab;
  os << "\tSequence_" << c << " operator[](CORBA::ULong index) {" << endltab;
  writeInlineIndexCheck(os);
  os << "\t\treturn Sequence_" << c << "(&_buffer[index], _rel_flag);"
     << endltab;
  os << "\t}" << endltab;
  os << "\t" << e << "_ptr operator[](CORBA::ULong index) const {" << endltab;
  writeInlineIndexCheck(os);
  os << "\t\treturn _buffer[index];" << endltab;
  os << "\t}" << endltab;
  writeStreamFriends(os, c, x, false);
  writeReferenceCounting(os, c);
  writeBufferMembers(os, e);
}

// ---------------------------------------------------------------------------
// Pieces shared by the holder classes.

void writeHolderHead(std::ostream& os, const char* c, const std::string& x) {
  os << endltab;
  os << "typedef " << c << " *" << c << "_ptr;" << endltab;
  os << "class " << x << c << "_var" << endltab;
  os << "{" << endltab;
  os << "    public:" << endltab;
}

// The body-assigning constructors of the string and object holders.
void writeAssigningHolderConstructors(std::ostream& os, const char* c) {
  os << "\t" << c << "_var() { _ptr = (" << c << " *)NULL; }" << endltab;
  os << "\t" << c << "_var(" << c << " *ptr) {" << endltab;
  os << "\t\t_ptr = ptr;" << endltab;
  os << "\t}" << endltab;
  os << "\t" << c << "_var(const " << c << "_var& var) {" << endltab;
  os << "\t\t_ptr = " << c << "::_duplicate((" << c << " *)var);" << endltab;
  os << "\t}" << endltab;
}

// Both assignments and operator->: a holder releases what it held.
void writeHolderAssignments(std::ostream& os, const char* c) {
  os << "\t" << c << "_var& operator=(" << c << " *ptr) {" << endltab;
  os << "\t\tif (_ptr != ptr) {" << endltab;
  os << "\t\t\t" << c << "::_release(_ptr);" << endltab;
  os << "\t\t\t_ptr = ptr;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t\treturn *this;" << endltab;
  os << "\t}" << endltab;
  os << "\t" << c << "_var& operator=(const " << c << "_var& var) {" << endltab;
  os << "\t\t" << c << "::_release(_ptr);" << endltab;
  os << "\t\t_ptr = " << c << "::_duplicate((" << c << " *)var);" << endltab;
  os << "\t\treturn *this;" << endltab;
  os << "\t}" << endltab;
  os << "\t" << c << " *operator->() { return _ptr; }" << endltab;
}

// The conversions up to the const reference; the last one differs between
// the holders by a blank.
void writeHolderConversions(std::ostream& os, const char* c) {
  // Directives must start in column 1, so the lines before them end
  // without tabs.
  os << "\toperator " << c << " *() const { return _ptr; }" << std::endl;
  os << "#if defined(_HPCC_BUG)" << endltab;
  os << "\toperator " << c << "* &() { return _ptr; }" << std::endl;
  os << "#else" << endltab;
  os << "\toperator " << c << "_ptr& () { return _ptr; }" << std::endl;
  os << "#endif" << endltab;
  os << "\toperator const " << c << "& () const { return *_ptr; }" << endltab;
}

void writeHolderTail(std::ostream& os, const char* c, const std::string& x) {
  os << "\t" << x << "inline friend NCostream& operator<<(NCostream& strm, "
     << endltab;
  os << "\t\t\tconst " << c << "_var& var) {" << endltab;
  os << "\t\tif ( var._ptr == (" << c << " *)NULL) {" << endltab;
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
  os << "\t\t\t" << c << "_var& var) {" << endltab;
  os << "\t\tif ( var._ptr == (" << c << " *)NULL )" << endltab;
  os << "\t\t\tvar._ptr = new " << c << ";" << endltab;
  os << "\t\tstrm >> *var._ptr;" << endltab;
  os << "\t\treturn strm;" << endltab;
  os << "\t}" << endltab;
  os << "    private:" << endltab;
  os << "\t" << c << " *_ptr;" << endltab;
  os << "};" << endltab;
}

// ---------------------------------------------------------------------------
// Pieces shared by the member definitions.

// A count above the bound on reading leaves the sequence as it was.
void writeMarshalError(std::ostream& os) {
  if (Generator::generateExceptions) {
    os << "\t\tthrow CORBA::MARSHAL();" << endltab;
  } else {
    os << "\t\tCORBA::current_environment().exception(new CORBA::MARSHAL);"
       << endltab;
    os << "\t\treturn strm;" << endltab;
  }
}

// A length above the bound in a constructor or in length().
void writeBadParamError(std::ostream& os) {
  if (Generator::generateExceptions) {
    os << "\t\tthrow CORBA::BAD_PARAM();" << endltab;
  } else {
    os << "\t\tCORBA::current_environment().exception(new CORBA::BAD_PARAM);"
       << endltab;
    os << "\t\treturn;" << endltab;
  }
}

void writeReadBoundCheck(std::ostream& os, const SeqNames& n) {
  os << "\tif (t_count > " << n._bound << ") {" << endltab;
  writeMarshalError(os);
  os << "\t}" << endltab;
}

void writeLengthBoundCheck(std::ostream& os, const SeqNames& n) {
  os << "\tif (newlen > " << n._bound << ") {" << endltab;
  writeBadParamError(os);
  os << "\t}" << endltab;
}

// The head of compare() and its length comparison: shorter sorts first.
void writeCompareHead(std::ostream& os, const SeqNames& n) {
  os << "CORBA::Long compare(const " << n._qual << "& s1, const " << n._qual
     << "& s2)" << endltab;
  os << "{" << endltab;
  os << "\tCORBA::Long diff = (CORBA::Long)(s1._count - s2._count);" << endltab;
  os << "\tif (diff != 0)" << endltab;
  os << "\t\treturn diff;" << endltab;
  os << "\tfor (CORBA::ULong i=0; i< s1._count; i++) {" << endltab;
}

void writeCompareTail(std::ostream& os) {
  os << "\t\t\t\t!= 0)" << endltab;
  os << "\t\t\treturn diff;" << endltab;
  os << "\t}" << endltab;
  os << "\treturn 0;" << endltab;
  os << "}" << endltab;
}

void writeHashHead(std::ostream& os, const SeqNames& n) {
  os << "CORBA::ULong hash(const " << n._qual << "& seq)" << endltab;
  os << "{" << endltab;
  os << "\tCORBA::ULong h = seq._count;" << endltab;
}

void writeHashTail(std::ostream& os) {
  os << "\treturn h;" << endltab;
  os << "}" << endltab;
}

// The standard-stream inserter: a readable dump on the console streams, the
// object-stream form on any other stream. The object-reference classes
// write their name as a second string.
void writePrettyPrinter(std::ostream& os, const SeqNames& n, bool objects,
                        const char* buffer) {
  os << "ostream& operator<<(ostream& strm, const " << n._qual << "& seq)"
     << endltab;
  os << "{" << endltab;
  os << "\tif (&strm == &cout || &strm == &cerr || &strm == &clog) {"
     << endltab;
  if (objects)
    os << "\t\tstrm << \"SEQUENCE NAME: \" << \"" << n._qual << "\" << endl;"
       << endltab;
  else
    os << "\t\tstrm << \"SEQUENCE NAME: " << n._qual << "\" << endl;"
       << endltab;
  os << "\t\tstrm << \"NUM OF ELEMENTS: \" << seq._count << endl;" << endltab;
  os << "\t\tfor (CORBA::ULong i=0; i< seq._count; i++) {" << endltab;
  os << "\t\t\tstrm << \"ELEMENT NUM: \" << i << \" = \";" << endltab;
  os << "\t\t\tstrm << seq." << buffer << "[i] << endl;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t}" << endltab;
  os << "\telse {" << endltab;
  os << "\t\tNCostream ostrm(strm);" << endltab;
  os << "\t\tostrm << seq;" << endltab;
  os << "\t}" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
}

// ---------------------------------------------------------------------------
// Member definitions, primitive, enumeration and constructed elements.

void writeSequenceStorage(std::ostream& os, const SeqNames& n) {
  const char* e = n._elem;
  os << e << "* " << n._qual << "::allocbuf(CORBA::ULong nelems)" << endltab;
  os << "{" << endltab;
  os << "\treturn new " << e << "[nelems];" << endltab;
  os << "}" << endltab;
  os << "void " << n._qual << "::freebuf(" << e << " *data)" << endltab;
  os << "{" << endltab;
  os << "\tif (data) delete[] data;" << endltab;
  os << "}" << endltab;
}

void writeSequenceIndexing(std::ostream& os, const SeqNames& n) {
  const char* e = n._elem;
  os << e << "& " << n._qual << "::operator[](CORBA::ULong index)" << endltab;
  os << "{" << endltab;
  if (Generator::generateExceptions) {
    os << "\tif (index >= _count)" << endltab;
    os << "\t\tthrow CORBA::BAD_PARAM();" << endltab;
  }
  os << "\treturn _contents[index];" << endltab;
  os << "}" << endltab;
  os << "const " << e << "& " << n._qual
     << "::operator[](CORBA::ULong index) const" << endltab;
  os << "{" << endltab;
  if (Generator::generateExceptions) {
    os << "\tif (index >= _count)" << endltab;
    os << "\t\tthrow CORBA::BAD_PARAM();" << endltab;
  }
  os << "\treturn _contents[index];" << endltab;
  os << "}" << endltab;
}

// Numeric elements compare and hash by value, constructed ones through
// their own compare and hash.
void writeSequenceCompareAndHash(std::ostream& os, Family f,
                                 const SeqNames& n) {
  writeCompareHead(os, n);
  if (f == Family::Constructed)
    os << "\t\tif ((diff = compare(s1._contents[i],s2._contents[i]))"
       << endltab;
  else
    os << "\t\tif ((diff = ((CORBA::Long)s1._contents[i] - (CORBA::Long)s2._contents[i]))"
       << endltab;
  writeCompareTail(os);
  writeHashHead(os, n);
  if (f == Family::Constructed) {
    os << "\tfor (CORBA::ULong i=0; i< seq._count; i++)" << endltab;
    os << "\t\th ^= hash(seq._contents[i]);" << endltab;
  } else {
    os << "\tfor (CORBA::ULong i=0; i<seq._count; i++)" << endltab;
    os << "\t\th ^= (CORBA::ULong)seq._contents[i];" << endltab;
  }
  writeHashTail(os);
}

// The stream form is the count followed by the elements; numeric elements
// travel as one block.
void writeSequenceStreams(std::ostream& os, Family f, const SeqNames& n) {
  const std::string& pc = n._qual;
  os << "NCistream& operator>>(NCistream& strm,  " << pc << "& seq)" << endltab;
  os << "{" << endltab;
  os << "\tCORBA::ULong t_count;" << endltab;
  os << "\tstrm >> t_count;" << endltab;
  if (n._bounded)
    writeReadBoundCheck(os, n);
  os << "\tif (t_count > seq._count) {" << endltab;
  os << "\t\tif (seq._num_allocated < t_count) {" << endltab;
  os << "\t\t\tif (seq._release_flag)" << endltab;
  os << "\t\t\t\t" << pc << "::freebuf(seq._contents);" << endltab;
  os << "\t\t\telse" << endltab;
  os << "\t\t\t\tseq._release_flag = 1;" << endltab;
  os << "\t\t\tseq._contents = " << pc << "::allocbuf(t_count);" << endltab;
  os << "\t\t\tseq._num_allocated = t_count;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t}" << endltab;
  os << "\tseq._count = t_count;" << endltab;
  switch (f) {
  case Family::Primitive:
    os << "\tif (seq._count > 0)" << endltab;
    os << "\t\tstrm.get(seq._contents, (unsigned int)seq._count);" << endltab;
    break;
  case Family::Enum:
    os << "\tif (seq._count > 0)" << endltab;
    os << "\t\tstrm.get((CORBA::ULong *)seq._contents, (unsigned int)seq._count);"
       << endltab;
    break;
  case Family::Constructed:
    os << "\tfor (CORBA::ULong i=0; i< seq._count; i++)" << endltab;
    os << "\t\tstrm >> seq._contents[i];" << endltab;
    break;
  }
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
  os << "NCostream&  operator<<(NCostream& strm, const " << pc << "& seq)"
     << endltab;
  os << "{" << endltab;
  os << "\tstrm << seq._count;" << endltab;
  switch (f) {
  case Family::Primitive:
    os << "\tif (seq._count > 0)" << endltab;
    os << "\t\tstrm.put(seq._contents, (unsigned int)seq._count);" << endltab;
    break;
  case Family::Enum:
    os << "\tif (seq._count > 0)" << endltab;
    os << "\t\tstrm.put((CORBA::ULong *)seq._contents, (unsigned int)seq._count);"
       << endltab;
    break;
  case Family::Constructed:
    os << "\tfor (CORBA::ULong i=0; i< seq._count; i++)" << endltab;
    os << "\t\tstrm << seq._contents[i];" << endltab;
    break;
  }
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
}

// Copies the elements of `seq` into a buffer of the right size: numeric
// elements as one block, constructed ones by their own assignment.
void writeSequenceCopy(std::ostream& os, Family f, const SeqNames& n) {
  if (f == Family::Constructed) {
    os << "\tfor (CORBA::ULong i=0; i< _count; i++)" << endltab;
    os << "\t\t_contents[i] = seq._contents[i];" << endltab;
  } else {
    os << "\tmemcpy(_contents, seq._contents, (size_t(_count) * sizeof("
       << n._elem << ")));" << endltab;
  }
}

void writeSequenceConstructors(std::ostream& os, Family f, const SeqNames& n) {
  const std::string& pc = n._qual;
  const char* c = n._cls;
  const char* e = n._elem;
  if (n._bounded) {
    os << pc << "::" << c << "()" << endltab;
    os << "{" << endltab;
    os << "\t_num_allocated = 0;" << endltab;
    os << "\t_count = 0;" << endltab;
    os << "\t_contents = (" << e << " *)NULL;" << endltab;
  } else {
    os << pc << "::" << c << "(CORBA::ULong max)" << endltab;
    os << "{" << endltab;
    os << "\t_num_allocated = max;" << endltab;
    os << "\t_count = 0;" << endltab;
    os << "\tif (_num_allocated > 0)" << endltab;
    os << "\t\t_contents = allocbuf(_num_allocated);" << endltab;
    os << "\telse" << endltab;
    os << "\t\t_contents = (" << e << " *)NULL;" << endltab;
  }
  os << "\t_release_flag = 1;" << endltab;
  os << "\t_ref_count = 1;" << endltab;
  os << "}" << endltab;
  if (n._bounded) {
    os << pc << "::" << c << "(CORBA::ULong len," << endltab;
    os << "\t\t" << e << " *data," << endltab;
    os << "\t\tCORBA::Boolean release_flag)" << endltab;
    os << "{" << endltab;
    os << "\t_ref_count = 1;" << endltab;
    os << "\tif (len > " << n._bound << ") {" << endltab;
    os << "\t\t_num_allocated = _count = 0;" << endltab;
    os << "\t\t_contents = (" << e << " *)NULL;" << endltab;
    writeBadParamError(os);
    os << "\t}" << endltab;
    os << "\t_num_allocated = len;" << endltab;
    os << "\t_count = len;" << endltab;
    os << "\t_contents = data;" << endltab;
    os << "\t_release_flag = release_flag;" << endltab;
  } else {
    os << pc << "::" << c << "(CORBA::ULong max," << endltab;
    os << "\t\tCORBA::ULong len," << endltab;
    os << "\t\t" << e << " *data," << endltab;
    os << "\t\tCORBA::Boolean release_flag)" << endltab;
    os << "{" << endltab;
    os << "\t_num_allocated = max;" << endltab;
    os << "\t_count = len;" << endltab;
    os << "\t_contents = data;" << endltab;
    os << "\t_release_flag = release_flag;" << endltab;
    os << "\t_ref_count = 1;" << endltab;
  }
  os << "}" << endltab;
  os << pc << "::" << c << "(const " << pc << "& seq)" << endltab;
  os << "{" << endltab;
  os << "\t_num_allocated = seq._num_allocated;" << endltab;
  os << "\t_count = seq._count;" << endltab;
  os << "\tif (_num_allocated > 0)" << endltab;
  os << "\t\t_contents = allocbuf(_num_allocated);" << endltab;
  os << "\telse" << endltab;
  os << "\t\t_contents = (" << e << " *)NULL;" << endltab;
  writeSequenceCopy(os, f, n);
  os << "\t_release_flag = 1;" << endltab;
  os << "\t_ref_count = 1;" << endltab;
  os << "}" << endltab;
  os << pc << "::~" << c << "()" << endltab;
  os << "{" << endltab;
  os << "\tif (_release_flag)" << endltab;
  os << "\t\tfreebuf(_contents);" << endltab;
  os << "}" << endltab;
}

void writeSequenceAssignment(std::ostream& os, Family f, const SeqNames& n) {
  const std::string& pc = n._qual;
  os << pc << "& " << pc << "::operator=(const " << pc << "& seq)" << endltab;
  os << "{" << endltab;
  os << "\tif (_count < seq._count) {" << endltab;
  os << "\t\tif (_num_allocated < seq._count) {" << endltab;
  os << "\t\t\tif (_release_flag)" << endltab;
  os << "\t\t\t\tfreebuf(_contents);" << endltab;
  os << "\t\t\telse" << endltab;
  os << "\t\t\t\t_release_flag = 1;" << endltab;
  os << "\t\t\t_contents = allocbuf(seq._num_allocated);" << endltab;
  os << "\t\t\t_num_allocated = seq._num_allocated;" << endltab;
  os << "\t\t}" << endltab;
  os << "\t}" << endltab;
  os << "\t_count = seq._count;" << endltab;
  writeSequenceCopy(os, f, n);
  os << "\treturn *this;" << endltab;
  os << "}" << endltab;
}

// Growing past the capacity reallocates to exactly the new length; numeric
// elements added by growing are zeroed.
void writeSequenceLength(std::ostream& os, Family f, const SeqNames& n) {
  const char* e = n._elem;
  os << "void " << n._qual << "::length(CORBA::ULong newlen)" << endltab;
  os << "{" << endltab;
  if (n._bounded)
    writeLengthBoundCheck(os, n);
  os << "\tif (newlen > _num_allocated) {" << endltab;
  os << "\t\t" << e << " *temp = allocbuf(newlen);" << endltab;
  if (f == Family::Constructed) {
    os << "\t\tfor (CORBA::ULong i=0; i< _count; i++)" << endltab;
    os << "\t\t\ttemp[i] = _contents[i];" << endltab;
  } else {
    os << "\t\tmemcpy(temp, _contents, (size_t(_count) * sizeof(" << e << ")));"
       << endltab;
  }
  os << "\t\tif (_release_flag)" << endltab;
  os << "\t\t\tfreebuf(_contents);" << endltab;
  os << "\t\telse" << endltab;
  os << "\t\t\t_release_flag = 1;" << endltab;
  os << "\t\t_num_allocated = newlen;" << endltab;
  os << "\t\t_contents = temp;" << endltab;
  os << "\t}" << endltab;
  if (f == Family::Primitive) {
    os << "\tif (newlen > _count)" << endltab;
    os << "\t\tmemset(&_contents[_count], 0, size_t(newlen - _count) *"
       << endltab;
    os << "\t\t\tsizeof(" << e << "));" << endltab;
  } else if (f == Family::Enum) {
    os << "\tif (newlen > _count)" << endltab;
    os << "\t\tmemset(&_contents[_count], 0,size_t(newlen - _count) *"
       << endltab;
    os << "\t\t\tsizeof(" << e << "));" << endltab;
  }
  os << "\t_count = newlen;" << endltab;
  os << "}" << endltab;
}

void writeSequenceMembers(std::ostream& os, Family f, const SeqNames& n) {
  writeSequenceStorage(os, n);
  writeSequenceIndexing(os, n);
  if (Generator::generateContainer)
    writeSequenceCompareAndHash(os, f, n);
  writeSequenceStreams(os, f, n);
  if (Generator::generateStdStream)
    writePrettyPrinter(os, n, false, "_contents");
  writeSequenceConstructors(os, f, n);
  writeSequenceAssignment(os, f, n);
  writeSequenceLength(os, f, n);
}

// ---------------------------------------------------------------------------
// Member definitions, string elements. The storage functions and operator[]
// are inline in the class.

// Deep-copies the non-null strings of `seq` into a fresh buffer.
void writeStringCopy(std::ostream& os) {
  os << "\tif (seq._buffer) {" << endltab;
  os << "\t\tfor (CORBA::ULong i=0; i< _count; i++) {" << endltab;
  os << "\t\t\tif (seq._buffer[i]) {" << endltab;
  os << "\t\t\t\t_buffer[i] = CORBA::string_alloc(" << endltab;
  os << "\t\t\t\t\tstrlen(seq._buffer[i]));" << endltab;
  os << "\t\t\t\tstrcpy(_buffer[i], seq._buffer[i]);" << endltab;
  os << "\t\t\t}" << endltab;
  os << "\t\t}" << endltab;
  os << "\t}" << endltab;
}

// A fresh buffer of _num_allocated entries, or none.
void writeStringBufferAllocation(std::ostream& os) {
  os << "\tif (_num_allocated > 0)" << endltab;
  os << "\t\t_buffer = allocbuf(_num_allocated);" << endltab;
  os << "\telse" << endltab;
  os << "\t\t_buffer = (char **)NULL;" << endltab;
}

void writeStringMembers(std::ostream& os, const SeqNames& n) {
  const std::string& pc = n._qual;
  const char* c = n._cls;
  if (Generator::generateContainer) {
    writeCompareHead(os, n);
    os << "\t\tif ((diff = strcmp(s1._buffer[i],s2._buffer[i]))" << endltab;
    writeCompareTail(os);
    writeHashHead(os, n);
    os << "\tfor (CORBA::ULong i=0; i<seq._count; i++)" << endltab;
    os << "\t\th ^= CORBA::hash(seq._buffer[i]);" << endltab;
    writeHashTail(os);
  }

  os << "NCistream& operator>>(NCistream& strm,  " << pc << "& seq)" << endltab;
  os << "{" << endltab;
  os << "\tCORBA::ULong t_count;" << endltab;
  os << "\tstrm >> t_count;" << endltab;
  if (n._bounded)
    writeReadBoundCheck(os, n);
  os << "\tif (t_count > seq._count) {" << endltab;
  os << "\t\tif (seq._num_allocated < t_count) {" << endltab;
  os << "\t\t\tif (seq.release_on_copy())" << endltab;
  os << "\t\t\t\t" << pc << "::freebuf_elems(seq._buffer, seq._num_allocated);"
     << endltab;
  os << "\t\t\tseq._buffer = " << pc << "::allocbuf(t_count);" << endltab;
  os << "\t\t\tseq._num_allocated = t_count;" << endltab;
  os << "\t\t\tseq.release_on_copy(1);" << endltab;
  os << "\t\t}" << endltab;
  os << "\t}" << endltab;
  os << "\tseq._count = t_count;" << endltab;
  os << "\tfor (CORBA::ULong i=0; i< t_count; i++)" << endltab;
  os << "\t\tstrm >> seq._buffer[i];" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
  os << "NCostream&  operator<<(NCostream& strm, const " << pc << "& seq)"
     << endltab;
  os << "{" << endltab;
  os << "\tstrm << seq._count;" << endltab;
  os << "\tfor (CORBA::ULong i=0; i< seq._count; i++)" << endltab;
  os << "\t\tstrm << seq._buffer[i];" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
  if (Generator::generateStdStream)
    writePrettyPrinter(os, n, false, "_buffer");

  if (n._bounded) {
    // This default constructor's body opens with a tab.
    os << pc << "::" << c << "()" << endltab;
    os << "\t{" << endltab;
    os << "\t_num_allocated = 0;" << endltab;
    os << "\t_count = 0;" << endltab;
    os << "\t_buffer = (char **)NULL;" << endltab;
  } else {
    os << pc << "::" << c << "(CORBA::ULong max)" << endltab;
    os << "{" << endltab;
    os << "\t_num_allocated = max;" << endltab;
    os << "\t_count = 0;" << endltab;
    writeStringBufferAllocation(os);
  }
  os << "\trelease_on_copy(1); " << endltab;
  os << "\t_ref_count = 1;" << endltab;
  os << "}" << endltab;
  if (n._bounded) {
    os << pc << "::" << c << "(CORBA::ULong len," << endltab;
    os << "\t\tchar **data," << endltab;
    os << "\t\tCORBA::Boolean release_flag)" << endltab;
    os << "{" << endltab;
    os << "\t_ref_count = 1;" << endltab;
    os << "\tif (len > " << n._bound << ") {" << endltab;
    os << "\t\t_num_allocated = _count = 0;" << endltab;
    os << "\t\t_buffer = (char **)NULL;" << endltab;
    writeBadParamError(os);
    os << "\t}" << endltab;
    os << "\t_num_allocated = len;" << endltab;
    os << "\t_count = len;" << endltab;
    os << "\t_buffer = data;" << endltab;
    os << "\trelease_on_copy(release_flag);" << endltab;
  } else {
    os << pc << "::" << c << "(CORBA::ULong max," << endltab;
    os << "\t\tCORBA::ULong len," << endltab;
    os << "\t\tchar **data," << endltab;
    os << "\t\tCORBA::Boolean release_flag)" << endltab;
    os << "{" << endltab;
    os << "\t_num_allocated = max;" << endltab;
    os << "\t_count = len;" << endltab;
    os << "\t_buffer = data;" << endltab;
    os << "\trelease_on_copy(release_flag);" << endltab;
    os << "\t_ref_count = 1;" << endltab;
  }
  os << "}" << endltab;
  os << pc << "::" << c << "(const " << pc << "& seq)" << endltab;
  os << "{" << endltab;
  os << "\t_num_allocated = seq._num_allocated;" << endltab;
  os << "\t_count = seq._count;" << endltab;
  writeStringBufferAllocation(os);
  writeStringCopy(os);
  os << "\trelease_on_copy(1); " << endltab;
  os << "\t_ref_count = 1;" << endltab;
  os << "}" << endltab;
  os << pc << "::~" << c << "()" << endltab;
  os << "{" << endltab;
  os << "\tif (release_on_copy())" << endltab;
  os << "\t\tfreebuf_elems(_buffer, _num_allocated);" << endltab;
  os << "}" << endltab;

  // Assignment drops the old strings (when owned) before copying into a
  // fresh buffer.
  os << pc << "& " << pc << "::operator=(const " << pc << "& seq)" << endltab;
  os << "{" << endltab;
  os << "\tif (release_on_copy())" << endltab;
  os << "\t\tfreebuf_elems(_buffer, _num_allocated);" << endltab;
  os << "\telse" << endltab;
  os << "\t\trelease_on_copy(1);" << endltab;
  os << "\t_num_allocated = seq._num_allocated;" << endltab;
  os << "\t_count = seq._count;" << endltab;
  writeStringBufferAllocation(os);
  writeStringCopy(os);
  os << "\treturn *this;" << endltab;
  os << "}" << endltab;

  os << "void " << pc << "::length(CORBA::ULong newlen)" << endltab;
  os << "{" << endltab;
  if (n._bounded)
    writeLengthBoundCheck(os, n);
  os << "\tif (newlen > _num_allocated) {" << endltab;
  os << "\t\tchar **temp = allocbuf(newlen);" << endltab;
  os << "\t\tfor (CORBA::ULong i=0; i< _count; i++)" << endltab;
  os << "\t\t\ttemp[i] = _buffer[i];" << endltab;
  os << "\t\tif (release_on_copy()) {" << endltab;
  os << "\t\t\tfreebuf(_buffer);" << endltab;
  os << "\t\t}" << endltab;
  os << "\t\telse" << endltab;
  os << "\t\t\trelease_on_copy(1);" << endltab;
  os << "\t\t_buffer = temp;" << endltab;
  os << "\t\t_num_allocated = newlen;" << endltab;
  os << "\t}" << endltab;
  os << "\t_count = newlen;" << endltab;
  os << "}" << endltab;
}

// ---------------------------------------------------------------------------
// Member definitions, object-reference elements.

void writeObjectBufferAllocation(std::ostream& os, const char* e) {
  os << "\tif (_num_allocated > 0)" << endltab;
  os << "\t\t_buffer = allocbuf(_num_allocated);" << endltab;
  os << "\telse" << endltab;
  os << "\t\t_buffer = (" << e << "_ptr *)NULL;" << endltab;
}

void writeObjectCopy(std::ostream& os, const char* e) {
  os << "\tfor (CORBA::ULong i=0; i< _count; i++)" << endltab;
  os << "\t\t_buffer[i] = " << e << "::_duplicate(seq[i]);" << endltab;
}

void writeObjectMembers(std::ostream& os, const SeqNames& n) {
  const std::string& pc = n._qual;
  const char* c = n._cls;
  const char* e = n._elem;

  os << e << "_ptr *" << pc << "::allocbuf(CORBA::ULong nelems)" << endltab;
  os << "{" << endltab;
  os << "\t" << e << "_ptr *ret = new " << e << "_ptr [nelems];" << endltab;
  os << "\tfor (CORBA::ULong i=0; i < nelems; i++)" << endltab;
  os << "\t\tret[i] = (" << e << "_ptr)NULL;" << endltab;
  os << "\treturn ret;" << endltab;
  os << "}" << endltab;
  os << "void " << pc << "::freebuf(" << e << "_ptr *data)" << endltab;
  os << "{" << endltab;
  os << "\tif (data) delete[] data;" << endltab;
  os << "}" << endltab;
  os << "void " << pc << "::freebuf_elems(" << e
     << "_ptr *data, CORBA::ULong nelems)" << endltab;
  os << "{" << endltab;
  os << "\tif (data) {" << endltab;
  os << "\t\tfor (CORBA::ULong i=0; i < nelems; i++)" << endltab;
  os << "\t\t\tCORBA::release(data[i]);" << endltab;
  os << "\t\tdelete[] data;" << endltab;
  os << "\t}" << endltab;
  os << "}" << endltab;
  os << "void " << pc << "::Sequence_" << c << "::release()" << endltab;
  os << "{" << endltab;
  os << "\tif (_rel_flag)" << endltab;
  os << "\t\tCORBA::release(*_ptr);" << endltab;
  os << "}" << endltab;

  if (Generator::generateContainer) {
    writeCompareHead(os, n);
    os << "\t\tif ((diff = ((CORBA::Long)s1._buffer[i] - (CORBA::Long)s2._buffer[i]))"
       << endltab;
    writeCompareTail(os);
    writeHashHead(os, n);
    os << "\tfor (CORBA::ULong i=0; i<seq._count; i++)" << endltab;
    os << "\t\th ^= (CORBA::ULong)(seq._buffer[i]);" << endltab;
    writeHashTail(os);
  }

  // Reading replaces every element: the old ones are released first and
  // the new buffer holds exactly the count read.
  os << "NCistream& operator>>(NCistream& strm,  " << pc << "& seq)" << endltab;
  os << "{" << endltab;
  if (n._bounded) {
    os << "\tCORBA::ULong t_count;" << endltab;
    os << "\tstrm >> t_count;" << endltab;
    writeReadBoundCheck(os, n);
  }
  os << "\tif (seq.release_on_copy())" << endltab;
  os << "\t\t" << pc << "::freebuf_elems(seq._buffer, seq._num_allocated);"
     << endltab;
  os << "\telse" << endltab;
  os << "\t\tseq.release_on_copy(1);" << endltab;
  if (n._bounded)
    os << "\tseq._count = t_count;" << endltab;
  else
    os << "\tstrm >> seq._count;" << endltab;
  os << "\tseq._num_allocated = seq._count;" << endltab;
  os << "\tseq._buffer = " << pc << "::allocbuf(seq._count);" << endltab;
  os << "\tfor (CORBA::ULong i=0; i< seq._count; i++)" << endltab;
  os << "\t\tstrm >> seq._buffer[i];" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
  os << "NCostream&  operator<<(NCostream& strm, const " << pc << "& seq)"
     << endltab;
  os << "{" << endltab;
  os << "\tstrm << seq._count;" << endltab;
  os << "\tfor (CORBA::ULong i=0; i< seq._count; i++)" << endltab;
  os << "\t\tstrm << seq._buffer[i];" << endltab;
  os << "\treturn strm;" << endltab;
  os << "}" << endltab;
  if (Generator::generateStdStream)
    writePrettyPrinter(os, n, true, "_buffer");

  if (n._bounded) {
    os << pc << "::" << c << "()" << endltab;
    os << "{" << endltab;
    os << "\t_num_allocated = 0;" << endltab;
    os << "\t_count = 0;" << endltab;
    os << "\t_buffer = (" << e << "_ptr *)NULL;" << endltab;
  } else {
    os << pc << "::" << c << "(CORBA::ULong max)" << endltab;
    os << "{" << endltab;
    os << "\t_num_allocated = max;" << endltab;
    os << "\t_count = 0;" << endltab;
    writeObjectBufferAllocation(os, e);
  }
  os << "\trelease_on_copy(1);" << endltab;
  os << "\t_ref_count = 1;" << endltab;
  os << "}" << endltab;
  if (n._bounded) {
    os << pc << "::" << c << "(CORBA::ULong len," << endltab;
    os << "\t\t" << e << "_ptr *data," << endltab;
    os << "\t\tCORBA::Boolean release_flag)" << endltab;
    os << "{" << endltab;
    os << "\t_ref_count = 1;" << endltab;
    os << "\tif (len > " << n._bound << ") {" << endltab;
    os << "\t\t_num_allocated = _count = 0;" << endltab;
    os << "\t\t_buffer = (" << e << "_ptr *)NULL;" << endltab;
    writeBadParamError(os);
    os << "\t}" << endltab;
    os << "\t_num_allocated = len;" << endltab;
    os << "\t_count = len;" << endltab;
    os << "\t_buffer = data;" << endltab;
    os << "\trelease_on_copy(release_flag);" << endltab;
  } else {
    os << pc << "::" << c << "(CORBA::ULong max," << endltab;
    os << "\t\tCORBA::ULong len," << endltab;
    os << "\t\t" << e << "_ptr *data," << endltab;
    os << "\t\tCORBA::Boolean release_flag)" << endltab;
    os << "{" << endltab;
    os << "\t_num_allocated = max;" << endltab;
    os << "\t_count = len;" << endltab;
    os << "\t_buffer = data;" << endltab;
    os << "\trelease_on_copy(release_flag);" << endltab;
    os << "\t_ref_count = 1;" << endltab;
  }
  os << "}" << endltab;
  os << pc << "::" << c << "(const " << pc << "& seq)" << endltab;
  os << "{" << endltab;
  os << "\t_num_allocated = seq._num_allocated;" << endltab;
  os << "\t_count = seq._count;" << endltab;
  writeObjectBufferAllocation(os, e);
  writeObjectCopy(os, e);
  os << "\trelease_on_copy(1);" << endltab;
  os << "\t_ref_count = 1;" << endltab;
  os << "}" << endltab;
  os << pc << "::~" << c << "()" << endltab;
  os << "{" << endltab;
  os << "\tif (release_on_copy())" << endltab;
  os << "\t\tfreebuf_elems(_buffer, _num_allocated);" << endltab;
  os << "}" << endltab;

  // Assignment releases the old references (when owned) before duplicating
  // the new ones into a fresh buffer.
  os << pc << "& " << pc << "::operator=(const " << pc << "& seq)" << endltab;
  os << "{" << endltab;
  os << "\tif (release_on_copy())" << endltab;
  os << "\t\tfreebuf_elems(_buffer, _num_allocated);" << endltab;
  os << "\telse" << endltab;
  os << "\t\trelease_on_copy(1);" << endltab;
  os << "\t_num_allocated = seq._num_allocated;" << endltab;
  os << "\t_count = seq._count;" << endltab;
  writeObjectBufferAllocation(os, e);
  writeObjectCopy(os, e);
  os << "\treturn *this;" << endltab;
  os << "}" << endltab;

  os << "void " << pc << "::length(CORBA::ULong newlen)" << endltab;
  os << "{" << endltab;
  if (n._bounded)
    writeLengthBoundCheck(os, n);
  os << "\tif (newlen > _num_allocated) {" << endltab;
  os << "\t\t" << e << "_ptr *temp = allocbuf(newlen);" << endltab;
  os << "\t\tfor (CORBA::ULong i=0; i< _count; i++)" << endltab;
  os << "\t\t\ttemp[i] = _buffer[i];" << endltab;
  os << "\t\tif (release_on_copy())" << endltab;
  os << "\t\t\tfreebuf(_buffer);" << endltab;
  os << "\t\telse" << endltab;
  os << "\t\t\trelease_on_copy(1);" << endltab;
  os << "\t\t_buffer = temp;" << endltab;
  os << "\t\t_num_allocated = newlen;" << endltab;
  os << "\t}" << endltab;
  os << "\t_count = newlen;" << endltab;
  os << "}" << endltab;
}

} // namespace

// ---------------------------------------------------------------------------
// Class declarations (client header).

void Generator::declareUnboundSequence(std::ostream& os, const char* className,
                                       const char* elementType) {
  writeSequenceClass(os, makeNames(className, elementType, nullptr, false, 0));
}

void Generator::declareBoundedSequence(std::ostream& os, const char* className,
                                       const char* elementType, int bound) {
  writeSequenceClass(os,
                     makeNames(className, elementType, nullptr, true, bound));
}

void Generator::declareUnboundStringSequence(std::ostream& os,
                                             const char* className) {
  writeStringSequenceClass(os, makeNames(className, "", nullptr, false, 0));
}

void Generator::declareBoundedStringSequence(std::ostream& os,
                                             const char* className, int bound) {
  writeStringSequenceClass(os, makeNames(className, "", nullptr, true, bound));
}

void Generator::declareUnboundObjectSequence(std::ostream& os,
                                             const char* className,
                                             const char* elementType) {
  writeObjectSequenceClass(
      os, makeNames(className, elementType, nullptr, false, 0));
}

void Generator::declareBoundedObjectSequence(std::ostream& os,
                                             const char* className,
                                             const char* elementType,
                                             int bound) {
  writeObjectSequenceClass(
      os, makeNames(className, elementType, nullptr, true, bound));
}

// ---------------------------------------------------------------------------
// Holder classes (client header).

void Generator::declareSeqVar(std::ostream& os, const char* className,
                              const char* elementType) {
  assert(className && elementType && "a holder needs its names");
  const char* c = className;
  const char* e = elementType;
  const std::string x = exportText();
  writeHolderHead(os, c, x);
  os << "\t" << c << "_var() : _ptr((" << c << " *)NULL) {}" << endltab;
  os << "\t" << c << "_var(" << c << " *ptr) :_ptr(ptr) {}" << endltab;
  os << "\t" << c << "_var(const " << c << "_var& var) :" << endltab;
  os << "\t\t_ptr(" << c << "::_duplicate((" << c << " *)var)){}" << endltab;
  os << "\t~" << c << "_var() { " << c << "::_release(_ptr); }" << endltab;
  writeHolderAssignments(os, c);
  os << "\t" << e << "& operator[](CORBA::ULong index) {" << endltab;
  os << "\t\treturn _ptr->operator[](index);" << endltab;
  os << "\t}" << endltab;
  os << "\tconst " << e << "& operator[](CORBA::ULong index) const {"
     << endltab;
  os << "\t\treturn _ptr->operator[](index);" << endltab;
  os << "\t}" << endltab;
  writeHolderConversions(os, c);
  os << "\toperator " << c << "& () { return *_ptr; }" << endltab;
  writeHolderTail(os, c, x);
}

void Generator::declareStringSeqVar(std::ostream& os, const char* className) {
  assert(className && "a holder needs its class name");
  const char* c = className;
  const std::string x = exportText();
  writeHolderHead(os, c, x);
  writeAssigningHolderConstructors(os, c);
  os << "\t~" << c << "_var() { " << c << "::_release(_ptr); }" << endltab;
  writeHolderAssignments(os, c);
  os << "\t" << c << "::Sequence_string operator[](CORBA::ULong index) {"
     << endltab;
  os << "\t\treturn _ptr->operator[](index);" << endltab;
  os << "\t}" << endltab;
  os << "\tconst char * operator[](CORBA::ULong index) const {" << endltab;
  os << "\t\treturn _ptr->operator[](index);" << endltab;
  os << "\t}" << endltab;
  writeHolderConversions(os, c);
  os << "\toperator " << c << " &() { return *_ptr; }" << endltab;
  writeHolderTail(os, c, x);
}

void Generator::declareObjectSeqVar(std::ostream& os, const char* className,
                                    const char* elementType) {
  assert(className && elementType && "a holder needs its names");
  const char* c = className;
  const char* e = elementType;
  const std::string x = exportText();
  writeHolderHead(os, c, x);
  writeAssigningHolderConstructors(os, c);
  os << "\t~" << c << "_var() {" << c << "::_release(_ptr);}" << endltab;
  writeHolderAssignments(os, c);
  os << "\t" << c << "::Sequence_" << c << " operator[](CORBA::ULong index) {"
     << endltab;
  os << "\t\treturn _ptr->operator[](index);" << endltab;
  os << "\t}" << endltab;
  os << "\t" << e << "_ptr operator[](CORBA::ULong index) const {" << endltab;
  os << "\t\treturn _ptr->operator[](index);" << endltab;
  os << "\t}" << endltab;
  writeHolderConversions(os, c);
  os << "\toperator " << c << " &() { return *_ptr; }" << endltab;
  writeHolderTail(os, c, x);
}

// ---------------------------------------------------------------------------
// Member definitions (client implementation file).

void Generator::implementUnboundedPrimitiveSequence(std::ostream& os,
                                                    const char* className,
                                                    const char* elementType,
                                                    const char* prefix) {
  writeSequenceMembers(os, Family::Primitive,
                       makeNames(className, elementType, prefix, false, 0));
}

void Generator::implementBoundedPrimitiveSequence(std::ostream& os,
                                                  const char* className,
                                                  const char* elementType,
                                                  int bound,
                                                  const char* prefix) {
  writeSequenceMembers(os, Family::Primitive,
                       makeNames(className, elementType, prefix, true, bound));
}

void Generator::implementUnboundedEnumSequence(std::ostream& os,
                                               const char* className,
                                               const char* elementType,
                                               const char* prefix) {
  writeSequenceMembers(os, Family::Enum,
                       makeNames(className, elementType, prefix, false, 0));
}

void Generator::implementBoundedEnumSequence(std::ostream& os,
                                             const char* className,
                                             const char* elementType, int bound,
                                             const char* prefix) {
  writeSequenceMembers(os, Family::Enum,
                       makeNames(className, elementType, prefix, true, bound));
}

void Generator::implementUnboundedConstructedSequence(std::ostream& os,
                                                      const char* className,
                                                      const char* elementType,
                                                      const char* prefix) {
  writeSequenceMembers(os, Family::Constructed,
                       makeNames(className, elementType, prefix, false, 0));
}

void Generator::implementBoundedConstructedSequence(std::ostream& os,
                                                    const char* className,
                                                    const char* elementType,
                                                    int bound,
                                                    const char* prefix) {
  writeSequenceMembers(os, Family::Constructed,
                       makeNames(className, elementType, prefix, true, bound));
}

void Generator::implementUnboundedStringSequence(std::ostream& os,
                                                 const char* className,
                                                 const char* prefix) {
  writeStringMembers(os, makeNames(className, "", prefix, false, 0));
}

void Generator::implementBoundedStringSequence(std::ostream& os,
                                               const char* className, int bound,
                                               const char* prefix) {
  writeStringMembers(os, makeNames(className, "", prefix, true, bound));
}

void Generator::implementUnboundedObjectSequence(std::ostream& os,
                                                 const char* className,
                                                 const char* elementType,
                                                 const char* prefix) {
  writeObjectMembers(os, makeNames(className, elementType, prefix, false, 0));
}

void Generator::implementBoundedObjectSequence(std::ostream& os,
                                               const char* className,
                                               const char* elementType,
                                               int bound, const char* prefix) {
  writeObjectMembers(os,
                     makeNames(className, elementType, prefix, true, bound));
}
