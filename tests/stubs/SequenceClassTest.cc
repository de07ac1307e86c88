// tests/stubs/SequenceClassTest.cc - the classes, holders and member
// definitions written for IDL sequences of every element family.
//
// The templates take names only; most cases pass them directly, one takes
// them from a parsed typedef the way the client header and the client
// implementation file form them.

#include "generate/Generator.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCString.h"
#include "support/ParseIdl.h"
#include "tree/IDLSequenceType.h"
#include "tree/IDLTypeDecl.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

using Writer = std::function<void(std::ostream&)>;

std::string textOf(const Writer& write) {
  std::ostringstream os;
  write(os);
  return os.str();
}

// How often `piece` occurs in `text`.
int countOf(const std::string& text, const std::string& piece) {
  int n = 0;
  for (auto at = text.find(piece); at != std::string::npos;
       at = text.find(piece, at + 1))
    ++n;
  return n;
}

// The settings the templates read, with the program's defaults.
struct Settings {
  int exceptions = 1;
  int stdStream = 1;
  int container = 0;
  const char* exportName = nullptr;

  void apply() const {
    Generator::generateExceptions = exceptions;
    Generator::generateStdStream = stdStream;
    Generator::generateContainer = container;
    Generator::generateExport = exportName;
  }
};

// One template run under some settings, with complete lines (or runs of
// lines) that must be in its output and pieces that must not.
struct Case {
  const char* what;
  Settings settings;
  Writer write;
  std::vector<std::string> present;
  std::vector<std::string> absent;
};

void checkCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    c.settings.apply();
    const std::string out = textOf(c.write);
    for (const std::string& piece : c.present)
      EXPECT_THAT(out, HasSubstr(piece)) << c.what;
    for (const std::string& piece : c.absent)
      EXPECT_THAT(out, Not(HasSubstr(piece))) << c.what;
  }
}

} // namespace

// The class of an unbounded sequence of a primitive type with the default
// settings: storage, lifecycle, access, the stream friends with readable
// streams, reference counting and the five data members.
TEST(SequenceClass, UnboundedPrimitiveClassIsDeclaredWhole) {
  EXPECT_EQ(
      textOf([](std::ostream& os) {
        Generator::declareUnboundSequence(os, "LongSeq", "CORBA::Long");
      }),
      "\n"
      "class LongSeq\n"
      "{\n"
      "    public:\n"
      "\tstatic CORBA::Long *allocbuf(CORBA::ULong nelems);\n"
      "\tstatic void freebuf(CORBA::Long *data);\n"
      "\tLongSeq(CORBA::ULong max=0);\n"
      "\tLongSeq(CORBA::ULong max,\n"
      "\t\tCORBA::ULong length,\n"
      "\t\tCORBA::Long *data,\n"
      "\t\tCORBA::Boolean release=0);\n"
      "\tLongSeq(const LongSeq&);\n"
      "\t~LongSeq();\n"
      "\tLongSeq& operator=(const LongSeq&);\n"
      "\tCORBA::ULong maximum() const { return _num_allocated; }\n"
      "\tvoid length(CORBA::ULong len);\n"
      "\tCORBA::ULong length() const { return _count;}\n"
      "\tCORBA::Long& operator[](CORBA::ULong index);\n"
      "\tconst CORBA::Long& operator[](CORBA::ULong index) const;\n"
      "\tfriend NCostream& operator<<(NCostream&, const LongSeq&);\n"
      "\tinline friend NCostream& operator<<(NCostream& strm, const LongSeq *obj) {\n"
      "\t\tif ( obj == (LongSeq*)NULL)\n"
      "\t\t\tthrow CORBA::BAD_PARAM();\n"
      "\t\telse\n"
      "\t\t\tstrm << *obj;\n"
      "\t\treturn strm;\n"
      "\t}\n"
      "\tfriend NCistream& operator>>(NCistream&, LongSeq&);\n"
      "\tinline friend NCistream& operator>>(NCistream& strm, LongSeq*& obj) {\n"
      "\t\tobj = new LongSeq;\n"
      "\t\tstrm >> *obj;\n"
      "\t\treturn strm;\n"
      "\t}\n"
      "\tfriend ostream& operator<<(ostream&, const LongSeq&);\n"
      "\tinline friend istream& operator>>(istream& strm, LongSeq& obj) {\n"
      "\t\tNCistream istrm(strm);\n"
      "\t\tistrm >> obj;\n"
      "\t\treturn strm;\n"
      "\t}\n"
      "\tinline friend istream& operator>>(istream& strm, LongSeq *& obj) {\n"
      "\t\tNCistream istrm(strm);\n"
      "\t\tistrm >> obj;\n"
      "\t\treturn strm;\n"
      "\t}\n"
      "\tstatic LongSeq *_duplicate(LongSeq* ptr) {\n"
      "\t\tif (ptr) ptr->_ref_count++;\n"
      "\t\treturn ptr;\n"
      "\t}\n"
      "\tstatic void _release(LongSeq *ptr) {\n"
      "\t\tif (ptr && ( --ptr->_ref_count == 0) )\n"
      "\t\t\tdelete ptr;\n"
      "\t}\n"
      "    private:\n"
      "CORBA::Long\t*_contents;\n"
      "\tCORBA::ULong\t_count;\n"
      "\tCORBA::ULong\t_num_allocated;\n"
      "\tCORBA::Boolean\t_release_flag;\n"
      "\tCORBA::Long\t_ref_count;\n"
      "};\n"
      "\n");
}

// The bound replaces the capacity constructor and maximum(), and the
// bounded class names the stream parameter of its plain friends; exceptions
// off reports a null pointer through the environment; the container and
// export settings add and decorate friends.
TEST(SequenceClass, DeclarationVariantsPickTheirLines) {
  auto unbounded = [](std::ostream& os) {
    Generator::declareUnboundSequence(os, "LongSeq", "CORBA::Long");
  };
  auto bounded = [](std::ostream& os) {
    Generator::declareBoundedSequence(os, "LongSeq", "CORBA::Long", 10);
  };
  Settings plain;
  Settings noExceptions;
  noExceptions.exceptions = 0;
  Settings noStdStream;
  noStdStream.stdStream = 0;
  Settings container;
  container.container = 1;
  Settings exported;
  exported.exportName = "EXP";
  exported.container = 1;
  checkCases({
      {"bounded",
       plain,
       bounded,
       {"\tLongSeq();\n"
        "\tLongSeq(CORBA::ULong length,\n"
        "\t\tCORBA::Long *data,\n"
        "\t\tCORBA::Boolean release=0);\n"
        "\tLongSeq(const LongSeq&);\n",
        "\tstatic CORBA::ULong maximum() { return 10; }\n"
        "\tvoid length(CORBA::ULong len);\n",
        "\tfriend NCostream& operator<<(NCostream& strm, const LongSeq&);\n",
        "\tfriend NCistream& operator>>(NCistream& strm, LongSeq&);\n",
        "\tfriend ostream& operator<<(ostream& strm, const LongSeq&);\n"},
       {"max=0", "ULong max,", "_num_allocated; }", "(NCostream&, const"}},
      {"exceptions off",
       noExceptions,
       unbounded,
       {"\t\tif ( obj == (LongSeq*)NULL)\n"
        "\t\t\tCORBA::current_environment().exception(new CORBA::BAD_PARAM);\n"
        "\t\telse\n"},
       {"throw"}},
      {"readable streams off",
       noStdStream,
       bounded,
       {"\t\treturn strm;\n"
        "\t}\n"
        "\tstatic LongSeq *_duplicate(LongSeq* ptr) {\n"},
       {"(ostream&", "(istream&"}},
      {"container",
       container,
       unbounded,
       {"\t}\n"
        "\tfriend CORBA::ULong hash(const LongSeq&);\n"
        "\tfriend CORBA::Long compare(const LongSeq&, const LongSeq& );\n"
        "\tstatic LongSeq *_duplicate(LongSeq* ptr) {\n"},
       {}},
      {"export",
       exported,
       unbounded,
       {"\nclass EXP LongSeq\n",
        "\tEXP friend NCostream& operator<<(NCostream&, const LongSeq&);\n",
        "\tEXP inline friend NCostream& operator<<(NCostream& strm, const "
        "LongSeq *obj) {\n",
        "\tEXP friend NCistream& operator>>(NCistream&, LongSeq&);\n",
        "\tEXP inline friend NCistream& operator>>(NCistream& strm, LongSeq*& "
        "obj) {\n",
        "\tEXP friend ostream& operator<<(ostream&, const LongSeq&);\n",
        "\tEXP inline friend istream& operator>>(istream& strm, LongSeq& obj) "
        "{\n",
        "\tEXP inline friend istream& operator>>(istream& strm, LongSeq *& "
        "obj) {\n",
        "\tEXP friend CORBA::ULong hash(const LongSeq&);\n",
        "\tEXP friend CORBA::Long compare(const LongSeq&, const LongSeq& );\n"},
       {"\tfriend", "\tinline"}},
  });
}

// A holder owns one reference to a sequence: it releases it on destruction
// and on assignment and duplicates on copy.
TEST(SequenceClass, HolderIsDeclaredWhole) {
  EXPECT_EQ(textOf([](std::ostream& os) {
              Generator::declareSeqVar(os, "LongSeq", "CORBA::Long");
            }),
            "\n"
            "typedef LongSeq *LongSeq_ptr;\n"
            "class LongSeq_var\n"
            "{\n"
            "    public:\n"
            "\tLongSeq_var() : _ptr((LongSeq *)NULL) {}\n"
            "\tLongSeq_var(LongSeq *ptr) :_ptr(ptr) {}\n"
            "\tLongSeq_var(const LongSeq_var& var) :\n"
            "\t\t_ptr(LongSeq::_duplicate((LongSeq *)var)){}\n"
            "\t~LongSeq_var() { LongSeq::_release(_ptr); }\n"
            "\tLongSeq_var& operator=(LongSeq *ptr) {\n"
            "\t\tif (_ptr != ptr) {\n"
            "\t\t\tLongSeq::_release(_ptr);\n"
            "\t\t\t_ptr = ptr;\n"
            "\t\t}\n"
            "\t\treturn *this;\n"
            "\t}\n"
            "\tLongSeq_var& operator=(const LongSeq_var& var) {\n"
            "\t\tLongSeq::_release(_ptr);\n"
            "\t\t_ptr = LongSeq::_duplicate((LongSeq *)var);\n"
            "\t\treturn *this;\n"
            "\t}\n"
            "\tLongSeq *operator->() { return _ptr; }\n"
            "\tCORBA::Long& operator[](CORBA::ULong index) {\n"
            "\t\treturn _ptr->operator[](index);\n"
            "\t}\n"
            "\tconst CORBA::Long& operator[](CORBA::ULong index) const {\n"
            "\t\treturn _ptr->operator[](index);\n"
            "\t}\n"
            "\toperator LongSeq *() const { return _ptr; }\n"
            "#if defined(_HPCC_BUG)\n"
            "\toperator LongSeq* &() { return _ptr; }\n"
            "#else\n"
            "\toperator LongSeq_ptr& () { return _ptr; }\n"
            "#endif\n"
            "\toperator const LongSeq& () const { return *_ptr; }\n"
            "\toperator LongSeq& () { return *_ptr; }\n"
            "\tinline friend NCostream& operator<<(NCostream& strm, \n"
            "\t\t\tconst LongSeq_var& var) {\n"
            "\t\tif ( var._ptr == (LongSeq *)NULL) {\n"
            "\t\t\tthrow CORBA::BAD_PARAM();\n"
            "\t\t}\n"
            "\t\telse\n"
            "\t\t\tstrm << *var._ptr;\n"
            "\t\treturn strm;\n"
            "\t}\n"
            "\tinline friend NCistream& operator>>(NCistream& strm,\n"
            "\t\t\tLongSeq_var& var) {\n"
            "\t\tif ( var._ptr == (LongSeq *)NULL )\n"
            "\t\t\tvar._ptr = new LongSeq;\n"
            "\t\tstrm >> *var._ptr;\n"
            "\t\treturn strm;\n"
            "\t}\n"
            "    private:\n"
            "\tLongSeq *_ptr;\n"
            "};\n");
}

// The string and object holders assign in their constructor bodies, index
// through the element proxies, and differ from the other holder by a blank
// in their last conversion (and the object holder in its destructor).
TEST(SequenceClass, StringAndObjectHoldersDifferWhereTheirElementsDo) {
  auto strings = [](std::ostream& os) {
    Generator::declareStringSeqVar(os, "StrSeq");
  };
  auto objects = [](std::ostream& os) {
    Generator::declareObjectSeqVar(os, "ObjSeq", "M::I");
  };
  Settings plain;
  Settings exportedNoExceptions;
  exportedNoExceptions.exceptions = 0;
  exportedNoExceptions.exportName = "EXP";
  checkCases({
      {"strings",
       plain,
       strings,
       {"\ntypedef StrSeq *StrSeq_ptr;\n"
        "class StrSeq_var\n"
        "{\n"
        "    public:\n"
        "\tStrSeq_var() { _ptr = (StrSeq *)NULL; }\n"
        "\tStrSeq_var(StrSeq *ptr) {\n"
        "\t\t_ptr = ptr;\n"
        "\t}\n"
        "\tStrSeq_var(const StrSeq_var& var) {\n"
        "\t\t_ptr = StrSeq::_duplicate((StrSeq *)var);\n"
        "\t}\n"
        "\t~StrSeq_var() { StrSeq::_release(_ptr); }\n"
        "\tStrSeq_var& operator=(StrSeq *ptr) {\n",
        "\tStrSeq *operator->() { return _ptr; }\n"
        "\tStrSeq::Sequence_string operator[](CORBA::ULong index) {\n"
        "\t\treturn _ptr->operator[](index);\n"
        "\t}\n"
        "\tconst char * operator[](CORBA::ULong index) const {\n"
        "\t\treturn _ptr->operator[](index);\n"
        "\t}\n"
        "\toperator StrSeq *() const { return _ptr; }\n",
        "\toperator const StrSeq& () const { return *_ptr; }\n"
        "\toperator StrSeq &() { return *_ptr; }\n"
        "\tinline friend NCostream& operator<<(NCostream& strm, \n",
        "    private:\n"
        "\tStrSeq *_ptr;\n"
        "};\n"},
       {"operator StrSeq& ()"}},
      {"objects",
       plain,
       objects,
       {"\tObjSeq_var(const ObjSeq_var& var) {\n"
        "\t\t_ptr = ObjSeq::_duplicate((ObjSeq *)var);\n"
        "\t}\n"
        "\t~ObjSeq_var() {ObjSeq::_release(_ptr);}\n"
        "\tObjSeq_var& operator=(ObjSeq *ptr) {\n",
        "\tObjSeq::Sequence_ObjSeq operator[](CORBA::ULong index) {\n"
        "\t\treturn _ptr->operator[](index);\n"
        "\t}\n"
        "\tM::I_ptr operator[](CORBA::ULong index) const {\n",
        "\toperator ObjSeq &() { return *_ptr; }\n"},
       {"_ptr((ObjSeq *)NULL) {}"}},
      {"exported, exceptions off",
       exportedNoExceptions,
       strings,
       {"\nclass EXP StrSeq_var\n",
        "\tEXP inline friend NCostream& operator<<(NCostream& strm, \n"
        "\t\t\tconst StrSeq_var& var) {\n"
        "\t\tif ( var._ptr == (StrSeq *)NULL) {\n"
        "\t\t\tCORBA::current_environment().exception(\n"
        "\t\t\t\tnew CORBA::BAD_PARAM);\n"
        "\t\t}\n",
        "\tEXP inline friend NCistream& operator>>(NCistream& strm,\n"},
       {"throw"}},
  });
}

// Inside a class body the lines carry the body's tabs, but the directives
// of the holders start in column 1; every template leaves the level as it
// found it.
TEST(SequenceClass, IndentedTemplatesKeepDirectivesInColumnOne) {
  Generator::_indentation = 1;
  std::string holder = textOf([](std::ostream& os) {
    Generator::declareSeqVar(os, "LongSeq", "CORBA::Long");
  });
  EXPECT_THAT(holder, HasSubstr("\n\ttypedef LongSeq *LongSeq_ptr;\n"
                                "\tclass LongSeq_var\n"));
  EXPECT_THAT(holder, HasSubstr("\n\t\toperator LongSeq *() const { return "
                                "_ptr; }\n"
                                "#if defined(_HPCC_BUG)\n"
                                "\t\toperator LongSeq* &() { return _ptr; }\n"
                                "#else\n"
                                "\t\toperator LongSeq_ptr& () { return _ptr; "
                                "}\n"
                                "#endif\n"
                                "\t\toperator const LongSeq& () const {"));
  EXPECT_EQ(Generator::_indentation, 1);

  std::vector<Writer> all = {
      [](std::ostream& os) { Generator::declareUnboundSequence(os, "S", "E"); },
      [](std::ostream& os) {
        Generator::declareBoundedSequence(os, "S", "E", 2);
      },
      [](std::ostream& os) { Generator::declareSeqVar(os, "S", "E"); },
      [](std::ostream& os) {
        Generator::declareUnboundStringSequence(os, "S");
      },
      [](std::ostream& os) {
        Generator::declareBoundedStringSequence(os, "S", 2);
      },
      [](std::ostream& os) { Generator::declareStringSeqVar(os, "S"); },
      [](std::ostream& os) {
        Generator::declareUnboundObjectSequence(os, "S", "E");
      },
      [](std::ostream& os) {
        Generator::declareBoundedObjectSequence(os, "S", "E", 2);
      },
      [](std::ostream& os) { Generator::declareObjectSeqVar(os, "S", "E"); },
      [](std::ostream& os) {
        Generator::implementUnboundedPrimitiveSequence(os, "S", "E", "P::");
      },
      [](std::ostream& os) {
        Generator::implementBoundedPrimitiveSequence(os, "S", "E", 2, "P::");
      },
      [](std::ostream& os) {
        Generator::implementUnboundedEnumSequence(os, "S", "E", "P::");
      },
      [](std::ostream& os) {
        Generator::implementBoundedEnumSequence(os, "S", "E", 2, "P::");
      },
      [](std::ostream& os) {
        Generator::implementUnboundedConstructedSequence(os, "S", "E", "P::");
      },
      [](std::ostream& os) {
        Generator::implementBoundedConstructedSequence(os, "S", "E", 2, "P::");
      },
      [](std::ostream& os) {
        Generator::implementUnboundedStringSequence(os, "S", "P::");
      },
      [](std::ostream& os) {
        Generator::implementBoundedStringSequence(os, "S", 2, "P::");
      },
      [](std::ostream& os) {
        Generator::implementUnboundedObjectSequence(os, "S", "E", "P::");
      },
      [](std::ostream& os) {
        Generator::implementBoundedObjectSequence(os, "S", "E", 2, "P::");
      },
  };
  Generator::_indentation = 2;
  for (const Writer& write : all) {
    textOf(write);
    EXPECT_EQ(Generator::_indentation, 2);
  }
}

// The members of an unbounded sequence of a primitive type, defined under
// the class's scope prefix, with container functions and readable streams:
// indexing checks the bound, primitives stream and copy as one block and
// growing zero-fills.
TEST(SequenceClass, UnboundedPrimitiveMembersAreDefinedWhole) {
  Generator::generateContainer = 1;
  EXPECT_EQ(
      textOf([](std::ostream& os) {
        Generator::implementUnboundedPrimitiveSequence(os, "LongSeq",
                                                       "CORBA::Long", "M::");
      }),
      "CORBA::Long* M::LongSeq::allocbuf(CORBA::ULong nelems)\n"
      "{\n"
      "\treturn new CORBA::Long[nelems];\n"
      "}\n"
      "void M::LongSeq::freebuf(CORBA::Long *data)\n"
      "{\n"
      "\tif (data) delete[] data;\n"
      "}\n"
      "CORBA::Long& M::LongSeq::operator[](CORBA::ULong index)\n"
      "{\n"
      "\tif (index >= _count)\n"
      "\t\tthrow CORBA::BAD_PARAM();\n"
      "\treturn _contents[index];\n"
      "}\n"
      "const CORBA::Long& M::LongSeq::operator[](CORBA::ULong index) const\n"
      "{\n"
      "\tif (index >= _count)\n"
      "\t\tthrow CORBA::BAD_PARAM();\n"
      "\treturn _contents[index];\n"
      "}\n"
      "CORBA::Long compare(const M::LongSeq& s1, const M::LongSeq& s2)\n"
      "{\n"
      "\tCORBA::Long diff = (CORBA::Long)(s1._count - s2._count);\n"
      "\tif (diff != 0)\n"
      "\t\treturn diff;\n"
      "\tfor (CORBA::ULong i=0; i< s1._count; i++) {\n"
      "\t\tif ((diff = ((CORBA::Long)s1._contents[i] - "
      "(CORBA::Long)s2._contents[i]))\n"
      "\t\t\t\t!= 0)\n"
      "\t\t\treturn diff;\n"
      "\t}\n"
      "\treturn 0;\n"
      "}\n"
      "CORBA::ULong hash(const M::LongSeq& seq)\n"
      "{\n"
      "\tCORBA::ULong h = seq._count;\n"
      "\tfor (CORBA::ULong i=0; i<seq._count; i++)\n"
      "\t\th ^= (CORBA::ULong)seq._contents[i];\n"
      "\treturn h;\n"
      "}\n"
      "NCistream& operator>>(NCistream& strm,  M::LongSeq& seq)\n"
      "{\n"
      "\tCORBA::ULong t_count;\n"
      "\tstrm >> t_count;\n"
      "\tif (t_count > seq._count) {\n"
      "\t\tif (seq._num_allocated < t_count) {\n"
      "\t\t\tif (seq._release_flag)\n"
      "\t\t\t\tM::LongSeq::freebuf(seq._contents);\n"
      "\t\t\telse\n"
      "\t\t\t\tseq._release_flag = 1;\n"
      "\t\t\tseq._contents = M::LongSeq::allocbuf(t_count);\n"
      "\t\t\tseq._num_allocated = t_count;\n"
      "\t\t}\n"
      "\t}\n"
      "\tseq._count = t_count;\n"
      "\tif (seq._count > 0)\n"
      "\t\tstrm.get(seq._contents, (unsigned int)seq._count);\n"
      "\treturn strm;\n"
      "}\n"
      "NCostream&  operator<<(NCostream& strm, const M::LongSeq& seq)\n"
      "{\n"
      "\tstrm << seq._count;\n"
      "\tif (seq._count > 0)\n"
      "\t\tstrm.put(seq._contents, (unsigned int)seq._count);\n"
      "\treturn strm;\n"
      "}\n"
      "ostream& operator<<(ostream& strm, const M::LongSeq& seq)\n"
      "{\n"
      "\tif (&strm == &cout || &strm == &cerr || &strm == &clog) {\n"
      "\t\tstrm << \"SEQUENCE NAME: M::LongSeq\" << endl;\n"
      "\t\tstrm << \"NUM OF ELEMENTS: \" << seq._count << endl;\n"
      "\t\tfor (CORBA::ULong i=0; i< seq._count; i++) {\n"
      "\t\t\tstrm << \"ELEMENT NUM: \" << i << \" = \";\n"
      "\t\t\tstrm << seq._contents[i] << endl;\n"
      "\t\t}\n"
      "\t}\n"
      "\telse {\n"
      "\t\tNCostream ostrm(strm);\n"
      "\t\tostrm << seq;\n"
      "\t}\n"
      "\treturn strm;\n"
      "}\n"
      "M::LongSeq::LongSeq(CORBA::ULong max)\n"
      "{\n"
      "\t_num_allocated = max;\n"
      "\t_count = 0;\n"
      "\tif (_num_allocated > 0)\n"
      "\t\t_contents = allocbuf(_num_allocated);\n"
      "\telse\n"
      "\t\t_contents = (CORBA::Long *)NULL;\n"
      "\t_release_flag = 1;\n"
      "\t_ref_count = 1;\n"
      "}\n"
      "M::LongSeq::LongSeq(CORBA::ULong max,\n"
      "\t\tCORBA::ULong len,\n"
      "\t\tCORBA::Long *data,\n"
      "\t\tCORBA::Boolean release_flag)\n"
      "{\n"
      "\t_num_allocated = max;\n"
      "\t_count = len;\n"
      "\t_contents = data;\n"
      "\t_release_flag = release_flag;\n"
      "\t_ref_count = 1;\n"
      "}\n"
      "M::LongSeq::LongSeq(const M::LongSeq& seq)\n"
      "{\n"
      "\t_num_allocated = seq._num_allocated;\n"
      "\t_count = seq._count;\n"
      "\tif (_num_allocated > 0)\n"
      "\t\t_contents = allocbuf(_num_allocated);\n"
      "\telse\n"
      "\t\t_contents = (CORBA::Long *)NULL;\n"
      "\tmemcpy(_contents, seq._contents, (size_t(_count) * "
      "sizeof(CORBA::Long)));\n"
      "\t_release_flag = 1;\n"
      "\t_ref_count = 1;\n"
      "}\n"
      "M::LongSeq::~LongSeq()\n"
      "{\n"
      "\tif (_release_flag)\n"
      "\t\tfreebuf(_contents);\n"
      "}\n"
      "M::LongSeq& M::LongSeq::operator=(const M::LongSeq& seq)\n"
      "{\n"
      "\tif (_count < seq._count) {\n"
      "\t\tif (_num_allocated < seq._count) {\n"
      "\t\t\tif (_release_flag)\n"
      "\t\t\t\tfreebuf(_contents);\n"
      "\t\t\telse\n"
      "\t\t\t\t_release_flag = 1;\n"
      "\t\t\t_contents = allocbuf(seq._num_allocated);\n"
      "\t\t\t_num_allocated = seq._num_allocated;\n"
      "\t\t}\n"
      "\t}\n"
      "\t_count = seq._count;\n"
      "\tmemcpy(_contents, seq._contents, (size_t(_count) * "
      "sizeof(CORBA::Long)));\n"
      "\treturn *this;\n"
      "}\n"
      "void M::LongSeq::length(CORBA::ULong newlen)\n"
      "{\n"
      "\tif (newlen > _num_allocated) {\n"
      "\t\tCORBA::Long *temp = allocbuf(newlen);\n"
      "\t\tmemcpy(temp, _contents, (size_t(_count) * sizeof(CORBA::Long)));\n"
      "\t\tif (_release_flag)\n"
      "\t\t\tfreebuf(_contents);\n"
      "\t\telse\n"
      "\t\t\t_release_flag = 1;\n"
      "\t\t_num_allocated = newlen;\n"
      "\t\t_contents = temp;\n"
      "\t}\n"
      "\tif (newlen > _count)\n"
      "\t\tmemset(&_contents[_count], 0, size_t(newlen - _count) *\n"
      "\t\t\tsizeof(CORBA::Long));\n"
      "\t_count = newlen;\n"
      "}\n");
}

// Bounded classes refuse counts above the bound (MARSHAL on reading,
// BAD_PARAM in the constructor and length()), by throwing or through the
// environment; enumerations stream through a cast and zero-fill with their
// own line; constructed elements go one by one and are not zero-filled.
TEST(SequenceClass, MemberVariantsPickTheirLines) {
  Settings plain;
  Settings noExceptions;
  noExceptions.exceptions = 0;
  Settings container;
  container.container = 1;
  Settings bare;
  bare.stdStream = 0;
  checkCases({
      {"bounded primitive",
       plain,
       [](std::ostream& os) {
         Generator::implementBoundedPrimitiveSequence(os, "LongSeq",
                                                      "CORBA::Long", 10, "");
       },
       {"\tstrm >> t_count;\n"
        "\tif (t_count > 10) {\n"
        "\t\tthrow CORBA::MARSHAL();\n"
        "\t}\n"
        "\tif (t_count > seq._count) {\n",
        "\nLongSeq::LongSeq()\n"
        "{\n"
        "\t_num_allocated = 0;\n"
        "\t_count = 0;\n"
        "\t_contents = (CORBA::Long *)NULL;\n"
        "\t_release_flag = 1;\n"
        "\t_ref_count = 1;\n"
        "}\n"
        "LongSeq::LongSeq(CORBA::ULong len,\n"
        "\t\tCORBA::Long *data,\n"
        "\t\tCORBA::Boolean release_flag)\n"
        "{\n"
        "\t_ref_count = 1;\n"
        "\tif (len > 10) {\n"
        "\t\t_num_allocated = _count = 0;\n"
        "\t\t_contents = (CORBA::Long *)NULL;\n"
        "\t\tthrow CORBA::BAD_PARAM();\n"
        "\t}\n"
        "\t_num_allocated = len;\n",
        "void LongSeq::length(CORBA::ULong newlen)\n"
        "{\n"
        "\tif (newlen > 10) {\n"
        "\t\tthrow CORBA::BAD_PARAM();\n"
        "\t}\n"
        "\tif (newlen > _num_allocated) {\n"},
       {"(CORBA::ULong max"}},
      {"bounded enumeration, exceptions off",
       noExceptions,
       [](std::ostream& os) {
         Generator::implementBoundedEnumSequence(os, "ColorSeq", "M::Color", 4,
                                                 nullptr);
       },
       {"\tif (t_count > 4) {\n"
        "\t\tCORBA::current_environment().exception(new CORBA::MARSHAL);\n"
        "\t\treturn strm;\n"
        "\t}\n",
        "\tif (len > 4) {\n"
        "\t\t_num_allocated = _count = 0;\n"
        "\t\t_contents = (M::Color *)NULL;\n"
        "\t\tCORBA::current_environment().exception(new CORBA::BAD_PARAM);\n"
        "\t\treturn;\n"
        "\t}\n",
        "\tif (newlen > 4) {\n"
        "\t\tCORBA::current_environment().exception(new CORBA::BAD_PARAM);\n"
        "\t\treturn;\n"
        "\t}\n",
        "\tif (seq._count > 0)\n"
        "\t\tstrm.get((CORBA::ULong *)seq._contents, "
        "(unsigned int)seq._count);\n",
        "\tif (seq._count > 0)\n"
        "\t\tstrm.put((CORBA::ULong *)seq._contents, "
        "(unsigned int)seq._count);\n",
        "\tif (newlen > _count)\n"
        "\t\tmemset(&_contents[_count], 0,size_t(newlen - _count) *\n"
        "\t\t\tsizeof(M::Color));\n",
        "{\n"
        "\treturn _contents[index];\n"
        "}\n"},
       {"throw", "index >= _count", "strm.get(seq._contents"}},
      {"unbounded constructed with container",
       container,
       [](std::ostream& os) {
         Generator::implementUnboundedConstructedSequence(os, "SSeq", "M::S",
                                                          "M::");
       },
       {"\t\tif ((diff = compare(s1._contents[i],s2._contents[i]))\n"
        "\t\t\t\t!= 0)\n",
        "\tCORBA::ULong h = seq._count;\n"
        "\tfor (CORBA::ULong i=0; i< seq._count; i++)\n"
        "\t\th ^= hash(seq._contents[i]);\n"
        "\treturn h;\n",
        "\tseq._count = t_count;\n"
        "\tfor (CORBA::ULong i=0; i< seq._count; i++)\n"
        "\t\tstrm >> seq._contents[i];\n"
        "\treturn strm;\n",
        "\tstrm << seq._count;\n"
        "\tfor (CORBA::ULong i=0; i< seq._count; i++)\n"
        "\t\tstrm << seq._contents[i];\n"
        "\treturn strm;\n",
        "\t\t_contents = (M::S *)NULL;\n"
        "\tfor (CORBA::ULong i=0; i< _count; i++)\n"
        "\t\t_contents[i] = seq._contents[i];\n"
        "\t_release_flag = 1;\n",
        "\t_count = seq._count;\n"
        "\tfor (CORBA::ULong i=0; i< _count; i++)\n"
        "\t\t_contents[i] = seq._contents[i];\n"
        "\treturn *this;\n",
        "\t\tM::S *temp = allocbuf(newlen);\n"
        "\t\tfor (CORBA::ULong i=0; i< _count; i++)\n"
        "\t\t\ttemp[i] = _contents[i];\n"
        "\t\tif (_release_flag)\n",
        "\t}\n"
        "\t_count = newlen;\n"},
       {"memcpy", "memset", "strm.get", "strm.put"}},
      {"bounded constructed without readable streams or container",
       bare,
       [](std::ostream& os) {
         Generator::implementBoundedConstructedSequence(os, "SSeq", "M::S", 3,
                                                        "M::");
       },
       {"\tif (t_count > 3) {\n", "\tif (newlen > 3) {\n"},
       {"ostream& operator<<(ostream&", "compare(", "hash("}},
  });
}

// A string class stores char pointers, frees them through freebuf_elems
// and hands out a Sequence_string proxy; the bounded class has a fixed
// maximum and no proxy destructor.
TEST(SequenceClass, StringClassesHaveInlineStorageAndAProxy) {
  Settings plain;
  Settings exportedNoExceptions;
  exportedNoExceptions.exceptions = 0;
  exportedNoExceptions.exportName = "EXP";
  checkCases({
      {"unbounded",
       plain,
       [](std::ostream& os) {
         Generator::declareUnboundStringSequence(os, "StrSeq");
       },
       {"\nclass StrSeq\n"
        "{\n"
        "    public:\n"
        "\tstatic char **allocbuf(CORBA::ULong nelems) {\n",
        "\tstatic void freebuf(char **data) {\n",
        "\tstatic void freebuf_elems(char **data, CORBA::ULong nelem) {\n",
        "\tclass Sequence_string\n", "\t\t~Sequence_string() {}\n",
        "\t\toperator char *() { return *_ptr; }\n"
        "\t\tchar& operator[](CORBA::ULong index) { return (*_ptr)[index]; }\n"
        "\t    private:\n",
        "\t\tCORBA::Boolean\t_rel_flag;\n"
        "\t\tchar **\t\t_ptr;\n",
        "\tStrSeq(CORBA::ULong max=0);\n"
        "\tStrSeq(CORBA::ULong max,\n"
        "\t\tCORBA::ULong length,\n"
        "\t\tchar **data,\n"
        "\t\tCORBA::Boolean release=0);\n",
        "\tCORBA::ULong maximum() const { return _num_allocated; }\n",
        "\tSequence_string operator[](CORBA::ULong index) {\n"
        "\t\tif (index >= _count)\n"
        "\t\t\tthrow CORBA::BAD_PARAM();\n"
        "\t\treturn Sequence_string(&_buffer[index], _rel_flag);\n"
        "\t}\n"
        "\tconst char *operator[](CORBA::ULong index) const {\n"
        "\t\tif (index >= _count)\n"
        "\t\t\tthrow CORBA::BAD_PARAM();\n",
        "\tfriend NCostream& operator<<(NCostream&, const StrSeq&);\n",
        "\t}\n"
        "    private:\n"
        "\tCORBA::ULong\t\t_count;\n"
        "\tchar\t\t\t**_buffer;\n"
        "\tCORBA::Boolean\t\t_rel_flag;\n"
        "\tCORBA::ULong\t\t_num_allocated;\n"
        "\tCORBA::Long\t\t_ref_count;\n"
        "\tvoid release_on_copy(CORBA::Boolean val) {_rel_flag = val;}\n"
        "\tCORBA::Boolean release_on_copy() const {return _rel_flag;}\n"
        "};\n"
        "\n"},
       {}},
      {"bounded, exported, exceptions off",
       exportedNoExceptions,
       [](std::ostream& os) {
         Generator::declareBoundedStringSequence(os, "StrSeq", 5);
       },
       {"\nclass EXP StrSeq\n", "\tclass EXP Sequence_string\n",
        "\t};\n"
        "\tStrSeq();\n"
        "\tStrSeq(CORBA::ULong length,\n"
        "\t\tchar **data,\n",
        "\tCORBA::ULong maximum() const { return 5;}\n",
        "\tSequence_string operator[](CORBA::ULong index) {\n"
        "\t\treturn Sequence_string(&_buffer[index], _rel_flag);\n",
        "\tEXP friend NCistream& operator>>(NCistream&, StrSeq&);\n"},
       {"~Sequence_string", "max=0", "ULong max,", "throw", "index >= _count"}},
  });
}

// An object-reference class declares its storage functions for the
// implementation file and hands out a proxy named after the class; the
// bounded class differs in its proxy's closing access line.
TEST(SequenceClass, ObjectClassesDeclareStorageAndAProxy) {
  Settings plain;
  checkCases({
      {"unbounded",
       plain,
       [](std::ostream& os) {
         Generator::declareUnboundObjectSequence(os, "ObjSeq", "M::I");
       },
       {"\tstatic M::I_ptr *allocbuf(CORBA::ULong nelems);\n"
        "\tstatic void freebuf(M::I_ptr *data);\n"
        "\tstatic void freebuf_elems(M::I_ptr *data, CORBA::ULong nelems);\n"
        "\tclass Sequence_ObjSeq\n",
        "\t\tSequence_ObjSeq& operator=(M::I_ptr p) {\n",
        "\t\toperator M::I_ptr() const { return *_ptr; }\n"
        "\t\tM::I_ptr operator->() const { return *_ptr; }\n"
        "\tprivate:\n"
        "\t\tCORBA::Boolean\t_rel_flag;\n"
        "\t\tM::I_ptr\t*_ptr;\n"
        "\t\tvoid release();\n",
        "\t\t~Sequence_ObjSeq() {}\n", "\t\tM::I_ptr *data,\n",
        "\tSequence_ObjSeq operator[](CORBA::ULong index) {\n"
        "\t\tif (index >= _count)\n"
        "\t\t\tthrow CORBA::BAD_PARAM();\n"
        "\t\treturn Sequence_ObjSeq(&_buffer[index], _rel_flag);\n"
        "\t}\n"
        "\tM::I_ptr operator[](CORBA::ULong index) const {\n",
        "\tCORBA::ULong\t\t_count;\n"
        "\tM::I_ptr\t\t\t*_buffer;\n"
        "\tCORBA::Boolean\t\t_rel_flag;\n"},
       {"\t    private:\n"}},
      {"bounded",
       plain,
       [](std::ostream& os) {
         Generator::declareBoundedObjectSequence(os, "ObjSeq", "M::I", 3);
       },
       {"\t\tM::I_ptr operator->() const { return *_ptr; }\n"
        "\t    private:\n"
        "\t\tCORBA::Boolean\t_rel_flag;\n",
        "\t\t~Sequence_ObjSeq() {}\n",
        "\tObjSeq();\n"
        "\tObjSeq(CORBA::ULong length,\n"
        "\t\tM::I_ptr *data,\n",
        "\tCORBA::ULong maximum() const { return 3;}\n"},
       {"\tprivate:\n", "max=0", "ULong max,"}},
  });
}

// String members compare with strcmp, read element by element into an
// owned buffer, deep-copy non-null strings in the copy constructor and the
// assignment (which first frees the old strings) and free them only when
// owned.
TEST(SequenceClass, StringMembersCopyAndFreeTheirStrings) {
  Generator::generateContainer = 1;
  std::string out = textOf([](std::ostream& os) {
    Generator::implementUnboundedStringSequence(os, "StrSeq", "M::");
  });
  for (const char* piece : {
           "\t\tif ((diff = strcmp(s1._buffer[i],s2._buffer[i]))\n"
           "\t\t\t\t!= 0)\n",
           "\t\th ^= CORBA::hash(seq._buffer[i]);\n",
           "NCistream& operator>>(NCistream& strm,  M::StrSeq& seq)\n",
           "\t\t\tif (seq.release_on_copy())\n"
           "\t\t\t\tM::StrSeq::freebuf_elems(seq._buffer, "
           "seq._num_allocated);\n",
           "\t\t\tseq.release_on_copy(1);\n",
           "\tfor (CORBA::ULong i=0; i< t_count; i++)\n",
           "\t\tstrm << \"SEQUENCE NAME: M::StrSeq\" << endl;\n",
           "\t\t\tstrm << seq._buffer[i] << endl;\n",
           "M::StrSeq::StrSeq(CORBA::ULong max)\n"
           "{\n",
           "\t\t_buffer = (char **)NULL;\n"
           "\trelease_on_copy(1); \n"
           "\t_ref_count = 1;\n",
           "M::StrSeq::~StrSeq()\n"
           "{\n"
           "\tif (release_on_copy())\n"
           "\t\tfreebuf_elems(_buffer, _num_allocated);\n"
           "}\n",
           "M::StrSeq& M::StrSeq::operator=(const M::StrSeq& seq)\n"
           "{\n"
           "\tif (release_on_copy())\n"
           "\t\tfreebuf_elems(_buffer, _num_allocated);\n",
           "\t\tif (release_on_copy()) {\n",
       })
    EXPECT_THAT(out, HasSubstr(piece));
  EXPECT_EQ(countOf(out, "\t\t\t\t_buffer[i] = CORBA::string_alloc(\n"
                         "\t\t\t\t\tstrlen(seq._buffer[i]));\n"
                         "\t\t\t\tstrcpy(_buffer[i], seq._buffer[i]);\n"),
            2);
  // The storage functions and operator[] are inline in the class.
  EXPECT_THAT(out, Not(HasSubstr("allocbuf(CORBA::ULong")));
  EXPECT_THAT(out, Not(HasSubstr("operator[]")));

  Generator::generateExceptions = 0;
  std::string bounded = textOf([](std::ostream& os) {
    Generator::implementBoundedStringSequence(os, "StrSeq", 5, nullptr);
  });
  for (const char* piece : {
           "\tif (t_count > 5) {\n"
           "\t\tCORBA::current_environment().exception(new CORBA::MARSHAL);\n"
           "\t\treturn strm;\n"
           "\t}\n",
           "\nStrSeq::StrSeq()\n"
           "\t{\n"
           "\t_num_allocated = 0;\n",
           "StrSeq::StrSeq(CORBA::ULong len,\n"
           "\t\tchar **data,\n",
           "\tif (len > 5) {\n"
           "\t\t_num_allocated = _count = 0;\n"
           "\t\t_buffer = (char **)NULL;\n"
           "\t\tCORBA::current_environment().exception(new "
           "CORBA::BAD_PARAM);\n",
           "\tif (newlen > 5) {\n",
       })
    EXPECT_THAT(bounded, HasSubstr(piece));
}

// Object-reference members define the storage functions and the proxy's
// release first, release elements when owned and duplicate them on copy.
TEST(SequenceClass, ObjectMembersReleaseAndDuplicateReferences) {
  Generator::generateContainer = 1;
  std::string out = textOf([](std::ostream& os) {
    Generator::implementUnboundedObjectSequence(os, "ObjSeq", "M::I", nullptr);
  });
  EXPECT_EQ(out.find("M::I_ptr *ObjSeq::allocbuf(CORBA::ULong nelems)\n"
                     "{\n"
                     "\tM::I_ptr *ret = new M::I_ptr [nelems];\n"),
            0u);
  for (const char* piece : {
           "void ObjSeq::freebuf(M::I_ptr *data)\n",
           "void ObjSeq::freebuf_elems(M::I_ptr *data, CORBA::ULong nelems)\n",
           "\t\t\tCORBA::release(data[i]);\n",
           "void ObjSeq::Sequence_ObjSeq::release()\n"
           "{\n"
           "\tif (_rel_flag)\n"
           "\t\tCORBA::release(*_ptr);\n"
           "}\n",
           "\t\th ^= (CORBA::ULong)(seq._buffer[i]);\n",
           "\t\tstrm << \"SEQUENCE NAME: \" << \"ObjSeq\" << endl;\n",
           "\trelease_on_copy(1);\n"
           "\t_ref_count = 1;\n",
           "ObjSeq& ObjSeq::operator=(const ObjSeq& seq)\n"
           "{\n"
           "\tif (release_on_copy())\n"
           "\t\tfreebuf_elems(_buffer, _num_allocated);\n",
       })
    EXPECT_THAT(out, HasSubstr(piece));
  EXPECT_EQ(countOf(out, "\t\t_buffer[i] = M::I::_duplicate(seq[i]);\n"), 2);

  std::string bounded = textOf([](std::ostream& os) {
    Generator::implementBoundedObjectSequence(os, "ObjSeq", "M::I", 3, "");
  });
  EXPECT_THAT(bounded, HasSubstr("\tstrm >> t_count;\n"
                                 "\tif (t_count > 3) {\n"
                                 "\t\tthrow CORBA::MARSHAL();\n"
                                 "\t}\n"));
  EXPECT_THAT(bounded, HasSubstr("\tseq._count = t_count;\n"));
  EXPECT_THAT(bounded, HasSubstr("ObjSeq::ObjSeq()\n"
                                 "{\n"
                                 "\t_num_allocated = 0;\n"));
  EXPECT_THAT(bounded, HasSubstr("\tif (newlen > 3) {\n"
                                 "\t\tthrow CORBA::BAD_PARAM();\n"));
}

// Names formed from a parsed typedef as the file drivers form them: the
// element's qualified name, the bound's value and the anonymous class name.
TEST(SequenceClass, NamesFromAParsedSequenceReachTheTemplates) {
  idltest::parseIdl("module M { struct S { long l; };\n"
                    "  typedef sequence<S, 10> SSeq; };\n");
  IDLDefinition* found = idltest::lookup("M::SSeq");
  ASSERT_EQ(found->kind(), IDLDefinition::DEF_typedecl);
  auto* sequence = static_cast<IDLSequenceType*>(
      static_cast<IDLTypeDecl*>(found)->typeSpec());
  std::ostringstream element;
  Generator::scopedName(element, sequence->elementType());
  const int bound = static_cast<int>(sequence->bound()->getInt());
  NCString* className =
      Generator::makeSequenceName(element.str().c_str(), bound);
  std::ostringstream prefix;
  Generator::printScope(prefix, found, nullptr);

  std::string declared = textOf([&](std::ostream& os) {
    Generator::declareBoundedSequence(os, className->chars(),
                                      element.str().c_str(), bound);
  });
  EXPECT_THAT(declared, HasSubstr("\nclass CORBA_sequence_M_S_10\n"));
  EXPECT_THAT(declared,
              HasSubstr("\tstatic M::S *allocbuf(CORBA::ULong nelems);\n"));
  EXPECT_THAT(declared,
              HasSubstr("\tstatic CORBA::ULong maximum() { return 10; }\n"));

  std::string implemented = textOf([&](std::ostream& os) {
    Generator::implementBoundedConstructedSequence(os, className->chars(),
                                                   element.str().c_str(), bound,
                                                   prefix.str().c_str());
  });
  EXPECT_THAT(implemented, HasSubstr("\nM::CORBA_sequence_M_S_10::"
                                     "CORBA_sequence_M_S_10()\n"));
  EXPECT_THAT(implemented, HasSubstr("\tif (t_count > 10) {\n"));
  delete className;
}
