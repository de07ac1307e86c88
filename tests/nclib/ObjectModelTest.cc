// tests/nclib/ObjectModelTest.cc - class descriptions, the class registry,
// the string hash and printing through printOn.

#include "nclib/NCCollection.h"
#include "nclib/NCDictionary.h"
#include "nclib/NCObject.h"
#include "nclib/NCResource.h"
#include "nclib/NCSet.h"
#include "nclib/NCTypeDict.h"
#include "nclib/NCTypeInfo.h"
#include "nclib/NCostream.h"

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// Registry entries are never dereferenced by the registry itself, so plain
// distinct addresses stand in for descriptions.
NCTypeInfo* fakeInfo(int i) {
  alignas(NCTypeInfo) static unsigned char storage[64][sizeof(NCTypeInfo)];
  return reinterpret_cast<NCTypeInfo*>(storage[i]);
}

// Writes one byte for each of its two forms, so the form chosen shows.
class PrintProbe : public NCTransObject {
public:
  void write(NCostream& os) const override { os.put('W'); }
  void prettyPrint(NCostream& os) const override { os.put('P'); }
  const NCTypeInfo* classInfo() const override {
    static NCTypeInfo info("ObjectModelPrintProbe", nullptr,
                           static_cast<const NCTypeInfo*>(nullptr));
    return &info;
  }
};

} // namespace

// h = (h << 1) ^ c over sign-extended bytes, masked to 31 bits:
// "ab" = (0x61 << 1) ^ 0x62 = 0xA0; "abc" = (0xA0 << 1) ^ 0x63 = 0x123;
// "\xFF" = 0 ^ -1 = 0xFFFFFFFF -> 0x7FFFFFFF; "A\xFF" = 0x82 ^ -1 ->
// 0x7FFFFF7D. 33 letters shift the first ones out of the word.
TEST(StrHash, SignExtendsBytesAndMasksTo31Bits) {
  struct Case {
    const char* text;
    std::uint32_t hash;
  };
  const Case cases[] = {
      {"", 0x0},
      {"a", 0x61},
      {"ab", 0xA0},
      {"abc", 0x123},
      {"\xFF", 0x7FFFFFFF},
      {"\x80", 0x7FFFFF80},
      {"A\xFF", 0x7FFFFF7D},
      {"NCObject", 0x3A76},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", 0x7FFFFFDF},
  };
  for (const Case& c : cases)
    EXPECT_EQ(strHash(c.text), c.hash) << c.text;
}

TEST(NCTypeDict, GrowsToFourTimesItsSlotsWhenFull) {
  NCTypeDict dict(16);
  EXPECT_EQ(dict.capacity(), 32u);
  std::string names[32];
  for (int i = 0; i < 32; ++i)
    names[i] = "Class" + std::to_string(i);
  for (int i = 0; i < 31; ++i)
    dict.add(names[i].c_str(), fakeInfo(i));
  EXPECT_EQ(dict.capacity(), 32u);
  EXPECT_EQ(dict.size(), 31u);
  dict.add(names[31].c_str(), fakeInfo(31));
  EXPECT_EQ(dict.capacity(), 128u);
  EXPECT_EQ(dict.size(), 32u);
  for (int i = 0; i < 32; ++i)
    EXPECT_EQ(dict.typeInfo(names[i].c_str()), fakeInfo(i)) << names[i];
  EXPECT_EQ(dict.typeInfo("Class32"), nullptr);
}

TEST(NCTypeDict, FirstRegistrationOfANameWinsAndNamesAreCopied) {
  NCTypeDict dict(16);
  char name[] = "Twice";
  dict.add(name, fakeInfo(1));
  name[0] = 'X'; // the registry keeps its own copy
  dict.add("Twice", fakeInfo(2));
  EXPECT_EQ(dict.size(), 1u);
  EXPECT_EQ(dict.typeInfo("Twice"), fakeInfo(1));
  EXPECT_EQ(dict.typeInfo("Xwice"), nullptr);
  EXPECT_EQ(dict.remove("Twice"), 0);
  EXPECT_EQ(dict.typeInfo("Twice"), fakeInfo(1));
}

TEST(NCTypeInfo, RegistryLookupsByName) {
  EXPECT_EQ(NCTypeInfo::typeInfo("NCSet"), NCSet::desc());
  EXPECT_EQ(NCTypeInfo::readFunc("NCSet"), &NCSet::readFrom);
  EXPECT_EQ(NCTypeInfo::typeInfo("NoSuchClass"), nullptr);
  EXPECT_EQ(NCTypeInfo::readFunc("NoSuchClass"), nullptr);
  // Only NCObject and NCCollection have no reader.
  EXPECT_EQ(NCTypeInfo::typeInfo("NCObject"), NCObject::desc());
  EXPECT_EQ(NCTypeInfo::readFunc("NCObject"), nullptr);
  EXPECT_EQ(NCTypeInfo::readFunc("NCCollection"), nullptr);

  static NCTypeInfo again("NCSet", nullptr, NCObject::desc(),
                          static_cast<const NCTypeInfo*>(nullptr));
  EXPECT_EQ(NCTypeInfo::typeInfo("NCSet"), NCSet::desc());
}

TEST(NCTypeInfo, HasBaseSearchesAllBasesButNotTheClassItself) {
  EXPECT_TRUE(NCDictionary::desc()->hasBase(*NCSet::desc()));
  EXPECT_TRUE(NCDictionary::desc()->hasBase(*NCCollection::desc()));
  EXPECT_TRUE(NCDictionary::desc()->hasBase(*NCObject::desc()));
  EXPECT_FALSE(NCDictionary::desc()->hasBase(*NCDictionary::desc()));
  EXPECT_FALSE(NCSet::desc()->hasBase(*NCDictionary::desc()));
  EXPECT_FALSE(NCObject::desc()->hasBase(*NCObject::desc()));

  static NCTypeInfo left("ObjectModelLeft", nullptr, NCObject::desc(),
                         static_cast<const NCTypeInfo*>(nullptr));
  static NCTypeInfo right("ObjectModelRight", nullptr, NCSet::desc(),
                          static_cast<const NCTypeInfo*>(nullptr));
  static NCTypeInfo both("ObjectModelBoth", nullptr, &left, &right,
                         static_cast<const NCTypeInfo*>(nullptr));
  ASSERT_EQ(both.baseCount(), 2);
  EXPECT_EQ(both.base(0), &left);
  EXPECT_EQ(both.base(1), &right);
  // Found only through the second base's own bases.
  EXPECT_TRUE(both.hasBase(*NCCollection::desc()));
  EXPECT_FALSE(both.hasBase(*NCDictionary::desc()));
  EXPECT_FALSE(left.hasBase(both));
  EXPECT_EQ(NCTypeInfo::typeInfo("ObjectModelBoth"), &both);
}

TEST(NCObject, IsEqualNeedsTheSameClassDescription) {
  NCSet set;
  NCDictionary dict;
  EXPECT_EQ(set.compare(dict), 0);
  EXPECT_FALSE(set.isEqual(dict));
  EXPECT_TRUE(set != dict);
  NCSet other;
  EXPECT_TRUE(set.isEqual(other));
  EXPECT_TRUE(set == other);
  EXPECT_TRUE(set.isSame(set));
  EXPECT_FALSE(set.isSame(other));
}

namespace {

// Counts its own destruction.
class CountedResource : public NCResource {
public:
  explicit CountedResource(int& deleted) : _deleted(deleted) {}
  ~CountedResource() override { ++_deleted; }

private:
  int& _deleted;
};

} // namespace

// The last unref deletes; an object whose count is already zero is deleted
// by its first unref.
TEST(NCResource, UnrefDeletesWhenTheCountIsOrBecomesZero) {
  int deleted = 0;
  auto* shared = new CountedResource(deleted);
  NCResource::ref(shared);
  NCResource::ref(shared);
  NCResource::ref(nullptr);
  EXPECT_EQ(shared->refCount(), 2u);
  NCResource::unref(shared);
  EXPECT_EQ(deleted, 0);
  shared->unref();
  EXPECT_EQ(deleted, 1);

  NCResource::unref(new CountedResource(deleted));
  EXPECT_EQ(deleted, 2);
  NCResource::unref(nullptr);
}

TEST(NCTransObject, PrintsTheDumpOnStandardOutputAndTheStreamFormElsewhere) {
  PrintProbe probe;
  std::ostringstream file;
  file << probe;
  EXPECT_EQ(file.str(), "W");

  std::ostringstream console;
  std::streambuf* old = std::cout.rdbuf(console.rdbuf());
  std::cout << probe;
  std::cout.rdbuf(old);
  EXPECT_EQ(console.str(), "P");
}

namespace {

// The trace of one registration, as the registry writes it.
std::string traceOf(const char* name, const char* base) {
  std::string text = std::string("Static initializating class: ") + name + "\n";
  if (!base)
    return text + "The class is directly derived from NCTransObject\n\n";
  return text + "The class has the following base:\n'" + base + "'\n\n";
}

// Registered by this file at start-up, after the library's classes. The first
// names a base defined after it, so that base is not constructed yet while
// the first registers; the last has no name at all.
extern NCTypeInfo lateBase;
NCTypeInfo earlyDerived("ObjectModelEarly", nullptr, &lateBase,
                        static_cast<const NCTypeInfo*>(nullptr));
NCTypeInfo lateBase("ObjectModelLate", nullptr, NCObject::desc(),
                    static_cast<const NCTypeInfo*>(nullptr));
NCTypeInfo unnamed(nullptr, nullptr, static_cast<const NCTypeInfo*>(nullptr));

// Standard output of this test binary started again with DEBUG_STATIC set.
std::string startUpTrace() {
  char self[4096];
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0)
    return "";
  self[n] = '\0';
  std::string command = std::string("DEBUG_STATIC=1 '") + self +
                        "' --gtest_list_tests 2>/dev/null";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buf[4096];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, pipe)) > 0)
      out.append(buf, got);
    pclose(pipe);
  }
  return out;
}

} // namespace

// The library core registers NCObject and NCString; the collection and value
// module follows with its classes in its own fixed order, and this file's
// three descriptions come last. A base whose description is not constructed
// yet still has a null name.
TEST(Registration, DebugStaticTracesStartUpRegistrationInOrder) {
  std::string expected = traceOf("NCObject", nullptr);
  expected += traceOf("NCString", "NCObject");
  const char* const module[][2] = {
      {"NCInteger", "NCObject"},
      {"NCUInteger", "NCObject"},
      {"NCLong", "NCObject"},
      {"NCULong", "NCObject"},
      {"NCShort", "NCObject"},
      {"NCUShort", "NCObject"},
      {"NCUChar", "NCObject"},
      {"NCFloat", "NCObject"},
      {"NCDouble", "NCObject"},
      {"NCOctet", "NCObject"},
      {"NCBoolean", "NCObject"},
      {"NCAssoc", "NCObject"},
      {"NCCollection", "NCObject"},
      {"NCSet", "NCCollection"},
      {"NCDictionary", "NCSet"},
      {"NCIdentDict", "NCDictionary"},
      {"NCIdentSet", "NCSet"},
      {"NCLink", "NCObject"},
      {"NCLinkedList", "NCCollection"},
      {"NCOrderedCltn", "NCCollection"},
      {"NCSortedCltn", "NCOrderedCltn"},
      {"NCStack", "NCLinkedList"},
      {"NCBoundedString", "NCObject"},
  };
  for (const auto& entry : module)
    expected += traceOf(entry[0], entry[1]);
  expected += "Static initializating class: ObjectModelEarly\n"
              "The class has the following base:\n"
              "(null)\n"
              "\n"
              "Static initializating class: ObjectModelLate\n"
              "The class has the following base:\n"
              "'NCObject'\n"
              "\n"
              "Static initializing class: (null)\n"
              "The class is directly derived from NCTransObject\n"
              "\n";

  std::string trace = startUpTrace();
  EXPECT_EQ(trace.substr(0, expected.size()), expected);
  // What follows is the test list, not more registrations.
  EXPECT_EQ(trace.find("Static initializ", expected.size()), std::string::npos);
  EXPECT_TRUE(earlyDerived.hasBase(*NCObject::desc()));
}
