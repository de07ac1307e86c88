// tests/nclib/ObjectStreamTest.cc - the text object stream: tokens, string
// escapes, object numbering, console mode and read errors.

#include "nclib/NCString.h"
#include "nclib/NCValues.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

// A graph node with two references it does not own.
class StreamTestNode : public NCObject {
  VELMARIC_DECLARE_CLASS(StreamTestNode);

public:
  StreamTestNode(int id, NCObject* left, NCObject* right)
      : _id(id), _left(left), _right(right) {}

  void write(NCostream& os) const override { os << _id << _left << _right; }
  std::uint32_t hash() const override { return _id; }
  int compare(const NCObject& other) const override {
    return _id - static_cast<const StreamTestNode&>(other)._id;
  }

  int _id = 0;
  NCObject* _left = nullptr;
  NCObject* _right = nullptr;
};

StreamTestNode::StreamTestNode(NCistream& is) : NCObject(is) {
  is >> _id;
  _left = static_cast<NCObject*>(is.readTransObj());
  _right = static_cast<NCObject*>(is.readTransObj());
}

VELMARIC_DEFINE_CLASS(StreamTestNode, NCObject::desc())

// Redirects a standard stream into a string for as long as it lives.
class Capture {
public:
  explicit Capture(std::ostream& os) : _os(os), _old(os.rdbuf(_buf.rdbuf())) {}
  ~Capture() { _os.rdbuf(_old); }
  std::string text() const { return _buf.str(); }

private:
  std::ostream& _os;
  std::ostringstream _buf;
  std::streambuf* _old;
};

// Reads one object reference from `text`; returns what was written on
// std::cerr meanwhile and stores the object read.
std::string readErrors(const std::string& text,
                       std::unique_ptr<NCTransObject>& result) {
  Capture errors(std::cerr);
  std::istringstream in(text);
  NCistream is(in);
  result.reset(is.readTransObj());
  return errors.text();
}

const char* const badTokenMessage =
    "NCistream::readObject: Error reading Object from  stream. Make sure "
    "your 'write' function and constructor from stream are correct\n";
const char* const noQuoteMessage =
    "NCistream::getCString: Error reading Object from  stream. Make sure "
    "your 'write' function and constructor from stream are correct\n";

} // namespace

// A shared string is written in full once and then as "@" with its number;
// the second node of a known class is tagged "#" with the class number.
TEST(ObjectStream, GraphWithSharedObjectRoundTrips) {
  NCString text("x{\"\t\x01}");
  StreamTestNode child(2, &text, nullptr);
  StreamTestNode root(1, &text, &child);

  std::ostringstream out;
  NCostream os(out);
  os << &root;
  EXPECT_EQ(out.str(), ": \"StreamTestNode\"\n"
                       "1 : \"NCString\"\n"
                       "6 \"x\\[\\\"\\t\\x01\\]\"\n"
                       "# 0 2 @ 1 : \"::\"\n");

  std::istringstream in(out.str());
  NCistream is(in);
  std::unique_ptr<NCTransObject> back(is.readTransObj());
  auto* root2 = dynamic_cast<StreamTestNode*>(back.get());
  ASSERT_NE(root2, nullptr);
  EXPECT_EQ(root2->_id, 1);
  auto* text2 = dynamic_cast<NCString*>(root2->_left);
  ASSERT_NE(text2, nullptr);
  EXPECT_STREQ(text2->chars(), "x{\"\t\x01}");
  EXPECT_EQ(text2->length(), 6u);
  std::unique_ptr<NCObject> ownText(text2);
  auto* child2 = dynamic_cast<StreamTestNode*>(root2->_right);
  ASSERT_NE(child2, nullptr);
  std::unique_ptr<NCObject> ownChild(child2);
  EXPECT_EQ(child2->_id, 2);
  EXPECT_EQ(child2->_left, text2);
  EXPECT_EQ(child2->_right, nullptr);
}

// Each top-level reference numbers its objects afresh, while class numbers
// last for the whole stream.
TEST(ObjectStream, SeparateTopLevelReferencesRenumber) {
  StreamTestNode leaf(7, nullptr, nullptr);
  std::ostringstream out;
  NCostream os(out);
  os << &leaf << &leaf;
  EXPECT_EQ(out.str(), ": \"StreamTestNode\"\n"
                       "7 : \"::\"\n"
                       ": \"::\"\n"
                       "# 0 7 : \"::\"\n"
                       ": \"::\"\n");

  std::istringstream in(out.str());
  NCistream is(in);
  std::unique_ptr<NCTransObject> first(is.readTransObj());
  std::unique_ptr<NCTransObject> second(is.readTransObj());
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(static_cast<StreamTestNode&>(*second)._id, 7);
}

TEST(ObjectStream, NullReferenceRoundTripsAsNull) {
  std::ostringstream out;
  NCostream os(out);
  os << static_cast<const NCTransObject*>(nullptr);
  EXPECT_EQ(out.str(), ": \"::\"\n");
  std::unique_ptr<NCTransObject> back;
  EXPECT_EQ(readErrors(out.str(), back), "");
  EXPECT_EQ(back, nullptr);
}

// An object written inline carries no class tag; its references are
// top-level ones, so a child referenced twice is written twice.
TEST(ObjectStream, InlineObjectHasNoTag) {
  NCString text("ab");
  StreamTestNode node(3, &text, &text);
  std::ostringstream out;
  NCostream os(out);
  os << static_cast<const NCTransObject&>(node);
  EXPECT_EQ(out.str(), "3 : \"NCString\"\n"
                       "2 \"ab\"\n"
                       "# 0 2 \"ab\"\n");

  std::istringstream in(out.str());
  NCistream is(in);
  StreamTestNode back(is);
  std::unique_ptr<NCObject> left(back._left), right(back._right);
  EXPECT_EQ(back._id, 3);
  ASSERT_NE(left, nullptr);
  ASSERT_NE(right, nullptr);
  EXPECT_NE(left, right);
  EXPECT_TRUE(left->isEqual(text));
}

TEST(ObjectStream, AddToTblNumbersNewObjectsOnly) {
  std::istringstream in("");
  NCistream is(in);
  NCInteger a(1), b(2);
  EXPECT_EQ(is.addToTbl(a), 0);
  EXPECT_EQ(is.addToTbl(b), 1);
  EXPECT_EQ(is.addToTbl(a), -1);
  is.clearInObjTbl();
  EXPECT_EQ(is.addToTbl(b), 0);
}

TEST(ObjectStream, ValueTokens) {
  std::ostringstream out;
  NCostream os(out);
  const int ints[] = {1, -2, 3};
  os << 'c' << static_cast<unsigned char>(200) << static_cast<short>(-3)
     << static_cast<unsigned short>(4) << 5 << 6u << -7L << 8UL << -9LL << 10ULL
     << 2.5 << 0.1f << 1.0e20 << static_cast<long double>(0.5);
  os.put('!');
  os.put("raw", 3);
  os.put(ints, 3);
  EXPECT_EQ(out.str(),
            "c 200 -3 4 5 6 -7 8 -9 10 2.5 0.1 1e+20 0.5 !raw1 -2 3 ");

  std::istringstream in(out.str());
  NCistream is(in);
  char c = 0;
  unsigned char uc = 0;
  short s = 0;
  unsigned short us = 0;
  int i = 0;
  unsigned u = 0;
  long l = 0;
  unsigned long ul = 0;
  long long ll = 0;
  unsigned long long ull = 0;
  double d = 0, big = 0;
  float f = 0;
  long double ld = 0;
  is >> c >> uc >> s >> us >> i >> u >> l >> ul >> ll >> ull >> d >> f >> big >>
      ld;
  EXPECT_EQ(c, 'c');
  EXPECT_EQ(uc, 200);
  EXPECT_EQ(s, -3);
  EXPECT_EQ(us, 4);
  EXPECT_EQ(i, 5);
  EXPECT_EQ(u, 6u);
  EXPECT_EQ(l, -7L);
  EXPECT_EQ(ul, 8UL);
  EXPECT_EQ(ll, -9LL);
  EXPECT_EQ(ull, 10ULL);
  EXPECT_EQ(d, 2.5);
  EXPECT_FLOAT_EQ(f, 0.1f);
  EXPECT_EQ(big, 1.0e20);
  EXPECT_EQ(ld, 0.5L);
  EXPECT_EQ(is.get(), '!');
  char raw[4] = {};
  is.get(raw, 3);
  EXPECT_STREQ(raw, "raw");
  int back[3] = {};
  is.get(back, 3);
  EXPECT_EQ(back[0], 1);
  EXPECT_EQ(back[1], -2);
  EXPECT_EQ(back[2], 3);
  EXPECT_EQ(is.get(), -1);
}

TEST(ObjectStream, CStringsCarryTheirLength) {
  std::ostringstream out;
  NCostream os(out);
  os << "" << static_cast<const char*>(nullptr) << "abc" << endl;
  EXPECT_EQ(out.str(), "0 0 3\"abc\"\n1\"\\n\"\n");

  std::istringstream in(out.str());
  NCistream is(in);
  char* s = nullptr;
  is >> s;
  EXPECT_STREQ(s, "");
  is >> s;
  EXPECT_STREQ(s, "");
  is >> s;
  EXPECT_STREQ(s, "abc");
  is >> s;
  EXPECT_STREQ(s, "\n");
  delete[] s;
}

TEST(ObjectStream, PutCStringEscapesAndReadsBack) {
  const char* text = "\n\t\b\r\f\\\"{}a Z9~.\x7f\xe9";
  std::ostringstream out;
  NCostream os(out);
  os.putCString(text);
  EXPECT_EQ(out.str(), "\"\\n\\t\\b\\r\\f\\\\\\\"\\[\\]a Z9~.\\x7f\\xe9\"\n");

  std::istringstream in(out.str() + "rest");
  NCistream is(in);
  char buf[32];
  is.getCString(buf, sizeof buf);
  EXPECT_STREQ(buf, text);
  EXPECT_EQ(is.get(), 'r'); // the newline after the quote was consumed
}

TEST(ObjectStream, RawNewlinesInsideQuotesAreSkipped) {
  std::istringstream in("\"ab\ncd\"\n");
  NCistream is(in);
  char buf[8];
  is.getCString(buf, sizeof buf);
  EXPECT_STREQ(buf, "abcd");
}

// Over std::cout objects are dumped and text pieces are written as they are,
// each followed by a blank; over std::cerr only the text pieces are.
TEST(ObjectStream, ConsoleMode) {
  NCString text("ab");
  {
    Capture console(std::cout);
    NCostream os(std::cout);
    os << "Name:" << 5 << &text << "end";
    EXPECT_EQ(console.text(),
              "Name: 5 : \"NCString\"\n"
              "\nClassName: NCString\n len:  2 str:  ab \n end ");
  }
  {
    Capture console(std::cout);
    std::cout << text;
    EXPECT_EQ(console.text(), "\nClassName: NCString\n len:  2 str:  ab \n ");
  }
  {
    Capture errors(std::cerr);
    NCostream os(std::cerr);
    os << "Name:" << static_cast<const NCTransObject&>(text);
    EXPECT_EQ(errors.text(), "Name: 2 \"ab\"\n");
  }
  std::ostringstream file;
  file << text;
  EXPECT_EQ(file.str(), "2 \"ab\"\n");
}

// Every read error names its routine on std::cerr and yields null; the
// failed stream then reads nothing more and reports nothing more.
TEST(ObjectStream, ReadErrorsAreReportedAndReturnNull) {
  struct Case {
    std::string input;
    std::string message;
  };
  // A class name has room for 255 characters and the terminator.
  const std::string longName(300, 'N');
  const std::string fullName(256, 'N');
  const Case cases[] = {
      {"? 1 ", badTokenMessage},
      {"", badTokenMessage},
      {"# x ", badTokenMessage},
      {": \"NoSuchClass\"\n3 ",
       "NCistream::readObject: Received Object of class 'NoSuchClass', but "
       "this class is not linked in\n"},
      {"# 7 ", "NCistream::readObject. Internal Error reading class '7'\n"},
      {": NCString\n", noQuoteMessage},
      {": \"" + longName + "\"\n", "NCistream::getCString: String Overflow\n"},
      {": \"" + fullName + "\"\n", "NCistream::getCString: String overflow\n"},
      {": \"NCStr", "NCistream::getCString: Unexpected EOF\n"},
      {": \"NCStr\\", "NCistream::getCString: Unexpected EOF\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    Capture errors(std::cerr);
    std::istringstream in(c.input);
    NCistream is(in);
    EXPECT_EQ(is.readTransObj(), nullptr);
    EXPECT_EQ(is.readTransObj(), nullptr);
    EXPECT_TRUE(is.fail());
    EXPECT_EQ(errors.text(), c.message);
  }
}

// The room given to getCString counts the terminator: "ab" fits in 3 bytes,
// "abc" leaves no room for the terminator, "abcd" overflows.
TEST(ObjectStream, GetCStringRoomCountsTheTerminator) {
  struct Case {
    const char* input;
    const char* expected;
    const char* message;
  };
  const Case cases[] = {
      {"\"ab\"\n", "ab", ""},
      {"\"abc\"\n", "ab", "NCistream::getCString: String overflow\n"},
      {"\"abcd\"\n", "ab", "NCistream::getCString: String Overflow\n"},
      {"abc\"\n", "", noQuoteMessage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    Capture errors(std::cerr);
    std::istringstream in(c.input);
    NCistream is(in);
    char buf[3] = {'?', '?', '?'};
    is.getCString(buf, sizeof buf);
    EXPECT_STREQ(buf, c.expected);
    EXPECT_EQ(errors.text(), c.message);
  }
}
