// tests/nclib/StringsTest.cc - strings, bounded strings and boxed values.

#include "nclib/NCBoundedString.h"
#include "nclib/NCString.h"
#include "nclib/NCValues.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

#include <climits>
#include <cstring>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

// Redirects std::cout into a string for as long as it lives.
class CoutCapture {
public:
  CoutCapture() : _old(std::cout.rdbuf(_buffer.rdbuf())) {}
  ~CoutCapture() { std::cout.rdbuf(_old); }
  std::string text() const { return _buffer.str(); }

private:
  std::ostringstream _buffer;
  std::streambuf* _old;
};

// The readable dump of `obj`, as written on a console stream.
std::string dumpOf(const NCTransObject& obj) {
  CoutCapture capture;
  NCostream os(std::cout);
  obj.prettyPrint(os);
  return capture.text();
}

// The stream form of `obj`'s fields.
std::string fieldsOf(const NCTransObject& obj) {
  std::ostringstream out;
  NCostream os(out);
  obj.write(os);
  return out.str();
}

} // namespace

TEST(NCString, NullCStringIsTheEmptyString) {
  NCString s(nullptr);
  EXPECT_EQ(s.length(), 0u);
  EXPECT_STREQ(s.chars(), "");

  NCString t("abc");
  t += static_cast<const char*>(nullptr);
  EXPECT_STREQ(t.chars(), "abc");
  EXPECT_EQ(t.length(), 3u);
  t = static_cast<const char*>(nullptr);
  EXPECT_STREQ(t.chars(), "");
  EXPECT_EQ(t.length(), 0u);
}

TEST(NCString, ShorterAssignmentKeepsTheBuffer) {
  NCString s("abcdef");
  const char* buffer = s.chars();
  s = "xy";
  EXPECT_EQ(s.chars(), buffer);
  EXPECT_STREQ(s.chars(), "xy");
  EXPECT_EQ(s.length(), 2u);

  s = NCString("z");
  EXPECT_EQ(s.chars(), buffer);
  EXPECT_STREQ(s.chars(), "z");
  EXPECT_EQ(s.length(), 1u);

  // Longer than the current length: the value still arrives whole.
  s = "0123456789";
  EXPECT_STREQ(s.chars(), "0123456789");
  EXPECT_EQ(s.length(), 10u);
}

TEST(NCString, AppendAndConcatenate) {
  NCString s("ab");
  s += NCString("cd");
  s += "e";
  EXPECT_STREQ(s.chars(), "abcde");
  EXPECT_EQ(s.length(), 5u);

  s += s; // appending to itself
  EXPECT_STREQ(s.chars(), "abcdeabcde");

  NCString joined = NCString("x") + "y" + NCString("z");
  EXPECT_STREQ(joined.chars(), "xyz");
  EXPECT_EQ(joined.length(), 3u);
  EXPECT_STREQ(static_cast<const char*>(joined), "xyz");
}

TEST(NCString, EqualCharactersHashAndCompareEqual) {
  NCString a("Interface"), b("Interface"), c("Interfacf");
  EXPECT_EQ(a.hash(), b.hash());
  EXPECT_TRUE(a.isEqual(b));
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a != b);
  EXPECT_FALSE(a.isSame(b));
  EXPECT_FALSE(a.isEqual(c));
  EXPECT_LT(a.compare(c), 0);
  EXPECT_GT(c.compare(a), 0);

  // h = ('a' << 1) ^ 'b'; a top-bit byte counts as -1.
  EXPECT_EQ(NCString("ab").hash(), (0x61u << 1) ^ 0x62u);
  EXPECT_EQ(NCString("\xff").hash(), 0x7FFFFFFFu);
  EXPECT_EQ(NCString("").hash(), 0u);
}

TEST(NCString, IsNotEqualToABoundedStringWithTheSameCharacters) {
  NCString s("abc");
  NCBoundedString b("abc", 8);
  EXPECT_EQ(s.hash(), b.hash());
  EXPECT_FALSE(s.isEqual(b));
  EXPECT_FALSE(b.isEqual(s));
  EXPECT_TRUE(b.isEqual(NCBoundedString("abc", 3)));
}

TEST(NCBoundedString, TruncatesToItsBound) {
  NCBoundedString b(4);
  EXPECT_EQ(b.length(), 0u);
  b = "abcdef";
  EXPECT_STREQ(b.chars(), "abcd");
  EXPECT_EQ(b.length(), 4u);
  EXPECT_EQ(b.bound(), 4u);

  b += "x"; // already full
  EXPECT_STREQ(b.chars(), "abcd");
  EXPECT_EQ(b.length(), 4u);

  NCBoundedString c("ab", 5);
  c += "cdefg";
  EXPECT_STREQ(c.chars(), "abcde");
  EXPECT_EQ(c.length(), 5u);

  NCBoundedString d("hello world", 3);
  EXPECT_STREQ(d.chars(), "hel");
  d = NCBoundedString("xy", 10);
  EXPECT_STREQ(d.chars(), "xy");
  EXPECT_EQ(d.bound(), 3u);
  d = static_cast<const char*>(nullptr);
  EXPECT_STREQ(d.chars(), "");
  EXPECT_EQ(d.length(), 0u);

  NCBoundedString e(nullptr, 2);
  EXPECT_STREQ((e + "abc").chars(), "ab");
  EXPECT_STREQ(e.chars(), "");
}

TEST(NCBoundedString, SelfAssignmentChangesNothing) {
  NCBoundedString b("abc", 4);
  NCBoundedString& same = b;
  b = same;
  EXPECT_STREQ(b.chars(), "abc");
  EXPECT_EQ(b.length(), 3u);
}

TEST(Strings, StreamFormAndDump) {
  EXPECT_EQ(fieldsOf(NCString("abc")), "3 \"abc\"\n");
  EXPECT_EQ(fieldsOf(NCString("")), "0 \"\"\n");
  EXPECT_EQ(fieldsOf(NCBoundedString("ab", 4)), "2 4 \"ab\"\n");

  // Every text piece of a dump is followed by a blank on the console.
  EXPECT_EQ(dumpOf(NCString("abc")),
            "\nClassName: NCString\n len:  3 str:  abc \n ");
  EXPECT_EQ(
      dumpOf(NCBoundedString("ab", 4)),
      "\nClassName: NCBoundedString\n len:  2 , max_len:  4 , str:  ab \n ");
}

TEST(Strings, ReadBackFromTheirStreamForm) {
  std::istringstream in("3 \"abc\"\n5 9 \"h\\x01llo\"\n");
  NCistream is(in);
  NCString s(is);
  EXPECT_STREQ(s.chars(), "abc");
  EXPECT_EQ(s.length(), 3u);
  NCBoundedString b(is);
  EXPECT_STREQ(b.chars(), "h\x01llo");
  EXPECT_EQ(b.length(), 5u);
  EXPECT_EQ(b.bound(), 9u);
}

// NCInteger compares by difference, which wraps for extreme values;
// NCUInteger compares three-way.
TEST(BoxedValues, CompareByDifferenceOrThreeWay) {
  EXPECT_EQ(NCInteger(3).compare(NCInteger(10)), -7);
  EXPECT_GT(NCInteger(INT_MIN).compare(NCInteger(1)), 0);
  EXPECT_EQ(NCUInteger(3).compare(NCUInteger(10)), -1);
  EXPECT_EQ(NCUInteger(0).compare(NCUInteger(UINT_MAX)), -1);
  EXPECT_EQ(NCUInteger(10).compare(NCUInteger(3)), 1);
  EXPECT_EQ(NCUInteger(4).compare(NCUInteger(4)), 0);
  EXPECT_EQ(NCShort(-3).compare(NCShort(5)), -8);
  EXPECT_EQ(NCUShort(65535).compare(NCUShort(0)), 65535);
  EXPECT_EQ(NCLong(5).compare(NCLong(2)), 3);
  EXPECT_EQ(NCULong(5).compare(NCULong(2)), 1);
  EXPECT_EQ(NCUChar(1).compare(NCUChar(200)), -1);
  EXPECT_EQ(NCFloat(2.5f).compare(NCFloat(2.5f)), 0);
  EXPECT_EQ(NCDouble(-1.0).compare(NCDouble(1.0)), -1);
  EXPECT_EQ(NCOctet(9).compare(NCOctet(8)), 1);
  EXPECT_EQ(NCBoolean(0).compare(NCBoolean(1)), -1);

  EXPECT_TRUE(NCInteger(4).isEqual(NCInteger(4)));
  EXPECT_FALSE(NCInteger(4).isEqual(NCUInteger(4)));
}

TEST(BoxedValues, Hash) {
  EXPECT_EQ(NCInteger(-1).hash(), 0xFFFFFFFFu);
  EXPECT_EQ(NCShort(-1).hash(), 0xFFFFFFFFu);
  EXPECT_EQ(NCUShort(65535).hash(), 65535u);
  EXPECT_EQ(NCFloat(3.7f).hash(), 3u);
  EXPECT_EQ(NCDouble(42.9).hash(), 42u);
  EXPECT_EQ(NCUChar(200).hash(), 200u);
}

// Each value: its stream form, its console dump, and a round trip through an
// object stream as a tagged reference.
TEST(BoxedValues, StreamFormDumpAndRoundTrip) {
  struct Case {
    std::unique_ptr<NCObject> value;
    const char* fields;
    const char* dump;
  };
  Case cases[] = {
      {std::make_unique<NCInteger>(-5), "-5 ",
       "\nClassName: NCInteger\n Value:  -5 \n "},
      {std::make_unique<NCUInteger>(7u), "7 ",
       "ClassName: NCUInteger\n Value:  7 \n "},
      {std::make_unique<NCLong>(-70000L), "-70000 ",
       "ClassName: NCLong\n Value:  -70000 \n "},
      {std::make_unique<NCULong>(70000UL), "70000 ",
       "ClassName: NCULong\n Value:  70000 \n "},
      {std::make_unique<NCShort>(static_cast<short>(-12)), "-12 ",
       "ClassName: NCShort\n Value:  -12 \n "},
      {std::make_unique<NCUShort>(static_cast<unsigned short>(12)), "12 ",
       "ClassName: NCUShort\n Value:  12 \n "},
      {std::make_unique<NCUChar>(static_cast<unsigned char>('A')), "65 ",
       "ClassName: NCUChar\n Value:  65 \n "},
      {std::make_unique<NCFloat>(1.5f), "1.5 ",
       "ClassName: NCFloat\n Value:  1.5 \n "},
      {std::make_unique<NCDouble>(0.25), "0.25 ",
       "ClassName: NCDouble\n Value:  0.25 \n "},
      {std::make_unique<NCOctet>(static_cast<unsigned char>(255)), "255 ",
       "ClassName: NCOctet\n Value:  255 \n "},
      {std::make_unique<NCBoolean>(static_cast<unsigned char>(1)), "1 ",
       "ClassName: NCBoolean\n Value:  1 \n "},
  };
  for (const Case& c : cases) {
    const char* name = c.value->classInfo()->name();
    SCOPED_TRACE(name);
    EXPECT_EQ(fieldsOf(*c.value), c.fields);
    EXPECT_EQ(dumpOf(*c.value), c.dump);

    std::ostringstream out;
    NCostream os(out);
    os << c.value.get();
    EXPECT_EQ(out.str(), std::string(": \"") + name + "\"\n" + c.fields);

    std::istringstream in(out.str());
    NCistream is(in);
    std::unique_ptr<NCTransObject> back(is.readTransObj());
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->classInfo(), c.value->classInfo());
    EXPECT_TRUE(c.value->isEqual(static_cast<NCObject&>(*back)));
  }
}
