// tests/nclib/CollectionsTest.cc - ordered, hashed, linked and sorted
// collections: growth, probing, iteration orders, stream forms and dumps.

#include "nclib/NCAssoc.h"
#include "nclib/NCDictionary.h"
#include "nclib/NCIdentDict.h"
#include "nclib/NCIdentSet.h"
#include "nclib/NCLink.h"
#include "nclib/NCLinkedList.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCSet.h"
#include "nclib/NCSortedCltn.h"
#include "nclib/NCStack.h"
#include "nclib/NCTypeDict.h"
#include "nclib/NCValues.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

#include <cstdint>
#include <initializer_list>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// An element whose hash is chosen by the test, so that home slots and
// collisions can be worked out in advance. Keys are equal when their ids are.
class TestKey : public NCObject {
  VELMARIC_DECLARE_CLASS(TestKey);

  TestKey(int id, std::uint32_t hash) : _id(id), _hash(hash) {}

  void write(NCostream& os) const override { os << _id << _hash; }
  void prettyPrint(NCostream& os) const override { os << "Key" << _id << "\n"; }
  std::uint32_t hash() const override { return _hash; }
  int compare(const NCObject& other) const override {
    return _id - static_cast<const TestKey&>(other)._id;
  }

  int id() const { return _id; }

private:
  int _id;
  std::uint32_t _hash;
};

VELMARIC_DEFINE_CLASS(TestKey, NCObject::desc())

TestKey::TestKey(NCistream& is) : NCObject(is), _id(0), _hash(0) {
  is >> _id >> _hash;
}

namespace {

// Owns the keys of one test.
class Keys {
public:
  TestKey& make(int id, std::uint32_t hash) {
    _keys.push_back(std::make_unique<TestKey>(id, hash));
    return *_keys.back();
  }
  // Hash equal to the id.
  TestKey& make(int id) { return make(id, static_cast<std::uint32_t>(id)); }

private:
  std::vector<std::unique_ptr<TestKey>> _keys;
};

int idOf(const NCObject* obj) {
  return obj ? static_cast<const TestKey*>(obj)->id() : -1;
}

// Ids of the elements in iteration order.
std::vector<int> idsOf(const NCCollection& c) {
  std::vector<int> ids;
  NCIterator it(c);
  while (NCObject* element = it.next())
    ids.push_back(idOf(element));
  return ids;
}

// (slot, id) of every element of a set, in slot order.
std::vector<std::pair<unsigned, int>> layoutOf(const NCSet& s) {
  std::vector<std::pair<unsigned, int>> layout;
  NCIterator it(s);
  while (NCObject* element = it.next())
    layout.emplace_back(s.findIndexOf(*element), idOf(element));
  return layout;
}

// Captures what is written to std::cout while it lives.
class CoutCapture {
public:
  CoutCapture() : _old(std::cout.rdbuf(_buffer.rdbuf())) {}
  ~CoutCapture() { std::cout.rdbuf(_old); }
  std::string text() const { return _buffer.str(); }

private:
  std::ostringstream _buffer;
  std::streambuf* _old;
};

std::string streamFormOf(const NCTransObject& obj) {
  std::ostringstream out;
  NCostream os(out);
  os << &obj;
  return out.str();
}

NCTransObject* readBack(const std::string& text) {
  std::istringstream in(text);
  NCistream is(in);
  return is.readTransObj();
}

} // namespace

// Home slots in 32 slots, (k * 0x9E3779B9 mod 2^32) >> 27, for k = 1..30:
//   k:  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20
//   h: 19  7 27 15  2 22 10 30 17  5 25 13  1 20  8 28 16  3 23 11
//   k: 21 22 23 24 25 26 27 28 29 30
//   h: 31 19  6 26 14  2 21  9 29 17
// 22 collides with 1 and goes to 18; 26 collides with 5 and, slot 1 being
// 13's, goes to 0; 30 collides with 9 and goes down past the occupied slots
// 16 .. 13 into 12. Key 100 with hash 1 probes down from 19 past the
// occupied 18 .. 5 into slot 4; slot 24 stays the one empty slot.
// Key 101 with hash 0 (home 0) fills the table, which then grows to 128
// slots; re-adding in old slot order puts 100 (old slot 4) into the shared
// home 79 before 1 (old slot 19), which goes to 78.
TEST(NCSet, IterationFollowsSlotOrderBeforeAndAfterGrowth) {
  Keys keys;
  NCSet s(16);
  EXPECT_EQ(s.capacity(), 32u);
  for (int id = 1; id <= 30; ++id)
    s.add(keys.make(id));
  s.add(keys.make(100, 1));
  EXPECT_EQ(s.capacity(), 32u);
  EXPECT_EQ(s.size(), 31u);
  EXPECT_EQ(idsOf(s),
            (std::vector<int>{26, 13, 5,  18, 100, 10, 23, 2,  15, 28, 7,
                              20, 30, 12, 25, 4,   17, 9,  22, 1,  14, 27,
                              6,  19, 11, 24, 3,   16, 29, 8,  21}));

  s.add(keys.make(101, 0));
  EXPECT_EQ(s.capacity(), 128u);
  EXPECT_EQ(s.size(), 32u);
  // Home slots in 128 slots are the 32-slot ones refined by two more bits:
  // 13 -> 4, 26 -> 8, 5 -> 11, ... and 101 -> 0.
  EXPECT_EQ(idsOf(s),
            (std::vector<int>{101, 13, 26, 5,  18, 10, 23, 2,  15, 28,  7,
                              20,  12, 25, 4,  17, 30, 9,  22, 1,  100, 14,
                              27,  6,  19, 11, 24, 3,  16, 29, 8,  21}));
  EXPECT_EQ(s.findIndexOf(keys.make(1)), 78u);
  EXPECT_EQ(s.findIndexOf(keys.make(100, 1)), 79u);
  EXPECT_EQ(s.findIndexOf(keys.make(101, 0)), 0u);
  for (int id : {1, 17, 30})
    EXPECT_EQ(idOf(s.findObjectWithKey(keys.make(id))), id);
}

// Home slots in 32 slots: hash 0, 34 and 68 -> 0; 21 -> 31; 8 -> 30;
// 3 -> 27; 29 -> 29; 13 -> 1. The run of homes 0 wraps down into 31, 30
// and 29, pushing the later keys below it.
TEST(NCSet, RemovalInsideAWrappingRunKeepsEveryElementFindable) {
  Keys keys;
  NCSet s(16);
  TestKey& a = keys.make(1, 0);  // home 0 -> slot 0
  TestKey& b = keys.make(2, 34); // home 0 -> slot 31
  TestKey& c = keys.make(3, 21); // home 31 -> slot 30
  TestKey& d = keys.make(4, 68); // home 0 -> slot 29
  TestKey& e = keys.make(5, 8);  // home 30 -> slot 28
  TestKey& f = keys.make(6, 13); // home 1 -> slot 1
  TestKey& h = keys.make(7, 3);  // home 27 -> slot 27
  TestKey& g = keys.make(8, 29); // home 29 -> slot 26
  for (TestKey* k : {&a, &b, &c, &d, &e, &f, &h, &g})
    s.add(*k);
  using Layout = std::vector<std::pair<unsigned, int>>;
  EXPECT_EQ(layoutOf(s), (Layout{{0, 1},
                                 {1, 6},
                                 {26, 8},
                                 {27, 7},
                                 {28, 5},
                                 {29, 4},
                                 {30, 3},
                                 {31, 2}}));

  // The hole at 0 is refilled from the wrapped part of the run: 2 (home 0)
  // to 0, 3 (home 31) to 31, 4 (home 0) to 30, 5 (home 30) to 29; 7 sits in
  // its home 27 and stays; 8 (home 29) moves up to 28, leaving 26 empty.
  EXPECT_EQ(s.remove(keys.make(1, 0)), &a);
  EXPECT_EQ(s.size(), 7u);
  EXPECT_EQ(
      layoutOf(s),
      (Layout{{0, 2}, {1, 6}, {27, 7}, {28, 8}, {29, 5}, {30, 4}, {31, 3}}));
  for (TestKey* k : {&b, &c, &d, &e, &f, &h, &g})
    EXPECT_EQ(s.findObjectWithKey(*k), k);
  EXPECT_EQ(s.findObjectWithKey(a), nullptr);

  // A hole at 31 (no wrap below it): 4 at 30 has home 0, whose probe path
  // 0, 31, 30 passes the hole, so it moves up; so do 5 (home 30) and 8
  // (home 29) behind it; 7 at its home 27 stays.
  EXPECT_EQ(s.remove(c), &c);
  EXPECT_EQ(layoutOf(s),
            (Layout{{0, 2}, {1, 6}, {27, 7}, {29, 8}, {30, 5}, {31, 4}}));
  EXPECT_EQ(s.remove(c), nullptr);
}

TEST(NCSet, AddingAnEqualElementReturnsTheOneHeld) {
  Keys keys;
  NCSet s;
  TestKey& first = keys.make(7);
  EXPECT_EQ(s.add(first), &first);
  EXPECT_EQ(s.add(keys.make(7)), &first);
  EXPECT_EQ(s.size(), 1u);
  EXPECT_EQ(s.occurrencesOf(keys.make(7)), 1u);
  EXPECT_EQ(s.occurrencesOf(keys.make(8)), 0u);
}

// Union asks for the sum of both table sizes (32 + 32 -> 128 slots); the
// intersection and the difference ask for this table size (32 -> 64 slots).
TEST(NCSet, SetAlgebraSizesNewSetsFromTableSizes) {
  Keys keys;
  NCSet x;
  NCSet y;
  for (int id : {1, 2, 3})
    x.add(keys.make(id));
  for (int id : {2, 3, 4})
    y.add(keys.make(id));
  std::unique_ptr<NCSet> u(x.unionOf(y));
  std::unique_ptr<NCSet> i(x.intersectionOf(y));
  std::unique_ptr<NCSet> d(x.differenceOf(y));
  EXPECT_EQ(u->capacity(), 128u);
  EXPECT_EQ(u->size(), 4u);
  EXPECT_EQ(i->capacity(), 64u);
  EXPECT_EQ(i->size(), 2u);
  EXPECT_EQ(i->occurrencesOf(keys.make(1)), 0u);
  EXPECT_EQ(d->size(), 1u);
  EXPECT_EQ(idOf(d->findObjectWithKey(keys.make(1))), 1);
}

// Sets of equal count compare slot by slot: an element where the other set
// has an empty slot counts as greater, so the result is antisymmetric.
TEST(NCSet, CompareWalksSlotsAndHashXorsCount) {
  Keys keys;
  NCSet x;
  NCSet y;
  x.add(keys.make(1, 0));  // slot 0
  y.add(keys.make(2, 13)); // slot 1
  EXPECT_GT(x.compare(y), 0);
  EXPECT_LT(y.compare(x), 0);
  NCSet z;
  z.add(keys.make(1, 0));
  EXPECT_TRUE(x.isEqual(z));
  z.add(keys.make(5, 6));
  EXPECT_EQ(z.compare(x), 1);
  EXPECT_EQ(z.hash(), 2u ^ 0u ^ 6u);
}

TEST(NCIdentSet, MatchesByIdentityAndHashesTheAddress) {
  Keys keys;
  NCIdentSet s;
  TestKey& one = keys.make(1);
  TestKey& twin = keys.make(1);
  EXPECT_EQ(s.add(one), &one);
  // The home slot of an element is the Fibonacci slot of the low 32 bits of
  // its address.
  auto address = static_cast<std::uint32_t>(
      reinterpret_cast<std::uintptr_t>(static_cast<NCObject*>(&one)));
  EXPECT_EQ(s.findIndexOf(one), fibonacciSlot(address, 5, 31));
  EXPECT_EQ(s.add(twin), &twin);
  EXPECT_EQ(s.size(), 2u);
  EXPECT_EQ(s.occurrencesOf(keys.make(1)), 0u);
  EXPECT_EQ(s.remove(keys.make(1)), nullptr);
  EXPECT_EQ(s.remove(one), &one);
  EXPECT_EQ(s.findObjectWithKey(twin), &twin);
  EXPECT_EQ(s.size(), 1u);
}

TEST(NCIdentSet, RemovalClosesGapsByAddressHomeSlots) {
  // Enough elements to make collisions between addresses likely; every
  // other one is removed and the rest must stay findable.
  Keys keys;
  NCIdentSet s(4);
  std::vector<TestKey*> added;
  for (int id = 0; id < 40; ++id)
    added.push_back(&keys.make(0));
  for (TestKey* k : added)
    s.add(*k);
  for (std::size_t i = 0; i < added.size(); i += 2)
    EXPECT_EQ(s.remove(*added[i]), added[i]);
  EXPECT_EQ(s.size(), 20u);
  for (std::size_t i = 0; i < added.size(); ++i)
    EXPECT_EQ(s.findObjectWithKey(*added[i]), i % 2 ? added[i] : nullptr);
}

TEST(NCDictionary, ExistingKeyIsNeverReplaced) {
  Keys keys;
  NCDictionary d;
  TestKey& key = keys.make(1);
  TestKey& oldValue = keys.make(10);
  NCAssoc* a = d.addAssoc(key, oldValue);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(d.addAssoc(keys.make(1), keys.make(20)), nullptr);
  EXPECT_EQ(d.size(), 1u);
  EXPECT_EQ(d.atKey(keys.make(1)), &oldValue);
  EXPECT_EQ(d.assocAt(key), a);
  EXPECT_TRUE(d.includesKey(key));
  EXPECT_FALSE(d.includesKey(keys.make(2)));
  EXPECT_EQ(d.atKey(keys.make(2)), nullptr);
}

TEST(NCDictionary, AddAcceptsOnlyAssociations) {
  Keys keys;
  NCDictionary d;
  EXPECT_EQ(d.add(keys.make(1)), nullptr);
  EXPECT_EQ(d.remove(keys.make(1)), nullptr);
  EXPECT_EQ(d.size(), 0u);
  auto* record = new NCAssoc(keys.make(2), keys.make(20));
  EXPECT_EQ(d.add(*record), record); // the dictionary owns it now
  EXPECT_EQ(d.size(), 1u);
}

TEST(NCDictionary, RemovalReturnsValuesAndFreesWhatItIsAskedTo) {
  Keys keys;
  NCDictionary d;
  TestKey& v1 = keys.make(10);
  d.addAssoc(keys.make(1), v1);
  d.addAssoc(keys.make(2), keys.make(10));
  d.addAssoc(*new TestKey(3, 3), *new TestKey(30, 30));
  d.addAssoc(*new TestKey(4, 4), keys.make(40));
  EXPECT_EQ(d.occurrencesOf(keys.make(10)), 2u);
  EXPECT_EQ(d.removeKey(keys.make(1)), &v1);
  EXPECT_EQ(d.removeKey(keys.make(1)), nullptr);
  EXPECT_EQ(d.removeAndFreeKeyValue(keys.make(3)), 1);
  EXPECT_EQ(d.removeAndFreeKeyValue(keys.make(3)), 0);
  EXPECT_EQ(idOf(d.removeAndFreeKey(keys.make(4))), 40);
  NCAssoc probe(keys.make(2), keys.make(99));
  // The value handed back is the probe's: the stored record goes.
  EXPECT_EQ(idOf(d.removeAssoc(probe)), 99);
  EXPECT_TRUE(d.isEmpty());
}

TEST(NCIdentDict, KeysMatchByIdentity) {
  Keys keys;
  NCIdentDict d;
  TestKey& k1 = keys.make(1);
  TestKey& twin = keys.make(1);
  NCAssoc* first = d.addAssoc(k1, keys.make(10));
  ASSERT_NE(first, nullptr);
  // A record's home slot comes from its key's address.
  auto address = static_cast<std::uint32_t>(
      reinterpret_cast<std::uintptr_t>(static_cast<NCObject*>(&k1)));
  EXPECT_EQ(d.findIndexOf(*first), fibonacciSlot(address, 5, 31));
  EXPECT_EQ(d.findIndexOf(k1), fibonacciSlot(address, 5, 31));
  ASSERT_NE(d.addAssoc(twin, keys.make(20)), nullptr);
  EXPECT_EQ(d.size(), 2u);
  EXPECT_EQ(idOf(d.atKey(k1)), 10);
  EXPECT_EQ(idOf(d.atKey(twin)), 20);
  EXPECT_EQ(d.atKey(keys.make(1)), nullptr);
  EXPECT_EQ(d.addAssoc(k1, keys.make(30)), nullptr);
  EXPECT_EQ(idOf(d.removeKey(k1)), 10);
  EXPECT_EQ(idOf(d.atKey(twin)), 20);
  EXPECT_EQ(d.size(), 1u);
}

TEST(NCOrderedCltn, GrowsByDoublingAndKeepsPositions) {
  Keys keys;
  NCOrderedCltn c(2);
  for (int id = 1; id <= 3; ++id)
    c.add(keys.make(id));
  EXPECT_EQ(c.capacity(), 4u);
  c.addFirst(keys.make(0));
  c.add(keys.make(4));
  EXPECT_EQ(c.capacity(), 8u);
  EXPECT_EQ(idsOf(c), (std::vector<int>{0, 1, 2, 3, 4}));
  NCOrderedCltn d;
  EXPECT_EQ(d.capacity(), 16u);
  for (int id = 1; id <= 17; ++id)
    d.add(keys.make(id));
  EXPECT_EQ(d.capacity(), 32u);
}

TEST(NCOrderedCltn, AddAfterAnAbsentElementAddsNothing) {
  Keys keys;
  NCOrderedCltn c(2);
  c.add(keys.make(1));
  c.add(keys.make(2));
  EXPECT_EQ(c.addAfter(keys.make(9), keys.make(3)), nullptr);
  EXPECT_EQ(c.addBefore(keys.make(9), keys.make(3)), nullptr);
  EXPECT_EQ(c.size(), 2u);
  EXPECT_EQ(c.capacity(), 2u);
  c.addAfter(keys.make(1), keys.make(5));
  c.addBefore(keys.make(1), keys.make(6));
  EXPECT_EQ(idsOf(c), (std::vector<int>{6, 1, 5, 2}));
}

TEST(NCOrderedCltn, LookupsAndRemovalsByPositionEqualityAndIdentity) {
  Keys keys;
  NCOrderedCltn c;
  TestKey& a = keys.make(1);
  TestKey& b = keys.make(2);
  TestKey& twin = keys.make(1);
  for (TestKey* k : {&a, &b, &twin})
    c.add(*k);
  EXPECT_EQ(c.indexOf(keys.make(1)), 0);
  EXPECT_EQ(c.indexOf(keys.make(7)), -1);
  EXPECT_EQ(c.occurrencesOf(keys.make(1)), 2u);
  EXPECT_EQ(c.at(-1), nullptr);
  EXPECT_EQ(c.at(3), nullptr);
  EXPECT_EQ(c.removeSame(twin), &twin);
  EXPECT_EQ(c.remove(keys.make(1)), &a);
  EXPECT_EQ(c.remove(keys.make(1)), nullptr);
  EXPECT_EQ(c.first(), &b);
  EXPECT_EQ(c.last(), &b);
  EXPECT_EQ(c.removeLast(), &b);
  EXPECT_EQ(c.removeFirst(), nullptr);
  EXPECT_EQ(c.removeAt(0), nullptr);
}

TEST(NCOrderedCltn, CompareAndHash) {
  Keys keys;
  NCOrderedCltn x;
  NCOrderedCltn y;
  x.add(keys.make(1, 5));
  x.add(keys.make(2, 6));
  y.add(keys.make(1, 5));
  EXPECT_EQ(x.compare(y), 1);
  y.add(keys.make(4, 6));
  EXPECT_EQ(x.compare(y), 2 - 4);
  EXPECT_EQ(x.hash(), 2u ^ 5u ^ 6u);
  NCOrderedCltn copy(x);
  EXPECT_TRUE(copy.isEqual(x));
  y = x;
  EXPECT_TRUE(y.isEqual(x));
}

TEST(NCSortedCltn, EqualElementGoesAfterTheWholeRun) {
  Keys keys;
  NCSortedCltn c;
  EXPECT_EQ(c.indexOf(keys.make(3)), 0);
  TestKey& third = keys.make(3);
  for (TestKey* k :
       {&keys.make(5), &keys.make(3), &keys.make(1), &keys.make(3), &third})
    c.add(*k);
  EXPECT_EQ(idsOf(c), (std::vector<int>{1, 3, 3, 3, 5}));
  TestKey& fourth = keys.make(3);
  c.add(fourth);
  EXPECT_EQ(c.at(3), &third);
  EXPECT_EQ(c.at(4), &fourth);
  EXPECT_EQ(idOf(c.at(5)), 5);
  // The last element not greater than the argument; -1 before the first.
  EXPECT_EQ(c.indexOf(keys.make(0)), -1);
  EXPECT_EQ(c.indexOf(keys.make(4)), 4);
  EXPECT_EQ(c.indexOf(keys.make(9)), 5);
  EXPECT_EQ(c.indexOf(keys.make(2)), 0);
  c.add(keys.make(4));
  EXPECT_EQ(idsOf(c), (std::vector<int>{1, 3, 3, 3, 3, 4, 5}));
}

TEST(NCSortedCltn, RefusesPositionalAddsAndRemovesOnlyEqualElements) {
  Keys keys;
  NCSortedCltn c;
  c.add(keys.make(1));
  c.add(keys.make(3));
  EXPECT_EQ(c.addFirst(keys.make(0)), nullptr);
  EXPECT_EQ(c.addAfter(keys.make(1), keys.make(2)), nullptr);
  EXPECT_EQ(c.addBefore(keys.make(1), keys.make(2)), nullptr);
  // indexOf(2) points at 1, which is not equal to 2.
  EXPECT_EQ(c.remove(keys.make(2)), nullptr);
  EXPECT_EQ(idOf(c.remove(keys.make(3))), 3);
  EXPECT_EQ(idsOf(c), (std::vector<int>{1}));
}

TEST(NCLinkedList, DoNextOnEmptyAndOneElementLists) {
  Keys keys;
  NCLinkedList list;
  NCIterator it(list);
  EXPECT_EQ(list.doNext(it), nullptr);
  EXPECT_EQ(list.doNext(it), nullptr);

  TestKey& only = keys.make(1);
  list.add(only);
  NCIterator walk(list);
  NCObject* link = list.doNext(walk);
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->classInfo(), NCLink::desc());
  EXPECT_EQ(list.value(link), &only);
  EXPECT_EQ(list.doNext(walk), nullptr);
  walk.reset();
  EXPECT_EQ(walk.next(), &only);
}

TEST(NCLinkedList, EditsKeepHeadAndTailRight) {
  Keys keys;
  NCLinkedList list;
  EXPECT_EQ(list.removeFirst(), nullptr);
  EXPECT_EQ(list.removeLast(), nullptr);
  list.addFirst(keys.make(2));
  list.add(keys.make(4));
  list.addFirst(keys.make(1));
  EXPECT_EQ(list.addAfter(keys.make(9), keys.make(5)), nullptr);
  list.addAfter(keys.make(4), keys.make(5));
  list.addAfter(keys.make(2), keys.make(3));
  EXPECT_EQ(idsOf(list), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(idOf(list.last()), 5);
  EXPECT_EQ(idOf(list.at(2)), 3);
  EXPECT_EQ(list.at(5), nullptr);
  EXPECT_EQ(idOf(list.removeLast()), 5);
  EXPECT_EQ(idOf(list.last()), 4);
  EXPECT_EQ(idOf(list.remove(keys.make(4))), 4);
  EXPECT_EQ(idOf(list.last()), 3);
  list.add(keys.make(6));
  EXPECT_EQ(idsOf(list), (std::vector<int>{1, 2, 3, 6}));
  EXPECT_EQ(idOf(list.find(keys.make(2))), 2);
  EXPECT_EQ(list.findSame(keys.make(2)), nullptr);
  EXPECT_EQ(list.removeSame(keys.make(2)), nullptr);
  EXPECT_EQ(list.size(), 4u);
}

TEST(NCStack, CopyKeepsTheOrder) {
  Keys keys;
  NCStack stack;
  for (int id = 1; id <= 3; ++id)
    stack.push(keys.make(id));
  EXPECT_EQ(idOf(stack.top()), 3);
  NCStack copy(stack);
  EXPECT_EQ(idsOf(copy), (std::vector<int>{3, 2, 1}));
  EXPECT_TRUE(copy.isEqual(stack));
  EXPECT_EQ(idOf(copy.pop()), 3);
  EXPECT_EQ(idOf(copy.top()), 2);
  EXPECT_EQ(stack.size(), 3u);
}

// Equality needs the same class description as well as compare() == 0.
TEST(Collections, IsEqualNeedsTheSameClass) {
  Keys keys;
  NCOrderedCltn ordered;
  NCSortedCltn sorted;
  NCLinkedList list;
  NCStack stack;
  NCSet set;
  NCIdentSet identSet;
  TestKey& k = keys.make(1);
  for (NCCollection* c : std::initializer_list<NCCollection*>{
           &ordered, &sorted, &list, &stack, &set, &identSet})
    c->add(k);
  EXPECT_EQ(ordered.compare(sorted), 0);
  EXPECT_FALSE(ordered.isEqual(sorted));
  EXPECT_EQ(list.compare(stack), 0);
  EXPECT_FALSE(list.isEqual(stack));
  EXPECT_FALSE(stack.isEqual(list));
  EXPECT_FALSE(set.isEqual(identSet));
  NCLinkedList other;
  other.add(keys.make(1));
  EXPECT_TRUE(list.isEqual(other));
  EXPECT_TRUE(list == other);
}

// Run under LeakSanitizer: every element (and every key and value) must go.
TEST(Collections, RemoveAndFreeAllDeletesElements) {
  NCOrderedCltn ordered;
  NCSortedCltn sorted;
  NCSet set;
  NCIdentSet identSet;
  NCLinkedList list;
  NCStack stack;
  for (int id = 0; id < 40; ++id) {
    ordered.add(*new TestKey(id, 0));
    sorted.add(*new TestKey(id, 0));
    set.add(*new TestKey(id, id));
    identSet.add(*new TestKey(id, id));
    list.add(*new TestKey(id, 0));
    stack.push(*new TestKey(id, 0));
  }
  NCDictionary dict;
  NCIdentDict identDict;
  for (int id = 0; id < 5; ++id) {
    dict.addAssoc(*new TestKey(id, id), *new TestKey(id, id));
    identDict.addAssoc(*new TestKey(id, id), *new TestKey(id, id));
  }
  for (NCCollection* c :
       std::initializer_list<NCCollection*>{&ordered, &sorted, &set, &identSet,
                                            &list, &stack, &dict, &identDict}) {
    c->removeAndFreeAll();
    EXPECT_TRUE(c->isEmpty());
  }
}

// Stream forms: an ordered collection writes capacity, size and its
// elements; the second element of a class already seen is tagged "#" with
// the class number (the collection is class 0, TestKey class 1).
TEST(CollectionStreams, OrderedCollectionWritesCapacitySizeAndElements) {
  NCOrderedCltn c;
  TestKey a(1, 7);
  TestKey b(2, 8);
  c.add(a);
  c.add(b);
  EXPECT_EQ(streamFormOf(c), ": \"NCOrderedCltn\"\n"
                             "16 2 : \"TestKey\"\n"
                             "1 7 # 1 2 8 ");
  std::unique_ptr<NCTransObject> back(readBack(streamFormOf(c)));
  auto* copy = dynamic_cast<NCOrderedCltn*>(back.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->capacity(), 16u);
  EXPECT_TRUE(copy->isEqual(c));
  copy->removeAndFreeAll();
}

// The reader sizes the table for the count it reads: 3 elements get 8 slots.
TEST(CollectionStreams, SetAndDictionaryRoundTrip) {
  Keys keys;
  NCSet s;
  for (int id : {1, 2, 3})
    s.add(keys.make(id));
  std::string text = streamFormOf(s);
  EXPECT_EQ(text.substr(0, 14), ": \"NCSet\"\n32 3");
  std::unique_ptr<NCTransObject> back(readBack(text));
  auto* set = dynamic_cast<NCSet*>(back.get());
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(set->capacity(), 8u);
  EXPECT_EQ(set->size(), 3u);
  EXPECT_NE(set->findObjectWithKey(keys.make(2)), nullptr);
  set->removeAndFreeAll();

  NCDictionary d;
  d.addAssoc(keys.make(1), keys.make(10));
  d.addAssoc(keys.make(2), keys.make(20));
  std::unique_ptr<NCTransObject> dback(readBack(streamFormOf(d)));
  auto* dict = dynamic_cast<NCDictionary*>(dback.get());
  ASSERT_NE(dict, nullptr);
  EXPECT_EQ(dict->capacity(), 4u);
  EXPECT_EQ(idOf(dict->atKey(keys.make(1))), 10);
  EXPECT_EQ(idOf(dict->atKey(keys.make(2))), 20);
  dict->removeAndFreeAll();

  NCIdentDict ident;
  ident.addAssoc(keys.make(5), keys.make(50));
  std::unique_ptr<NCTransObject> iback(readBack(streamFormOf(ident)));
  auto* identCopy = dynamic_cast<NCIdentDict*>(iback.get());
  ASSERT_NE(identCopy, nullptr);
  NCIterator it(*identCopy);
  auto* record = static_cast<NCAssoc*>(it.next());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(idOf(identCopy->atKey(*record->key())), 50);
  identCopy->removeAndFreeAll();
}

TEST(CollectionStreams, LinkedListAndStackKeepTheirOrder) {
  Keys keys;
  NCStack stack;
  for (int id = 1; id <= 3; ++id)
    stack.push(keys.make(id));
  std::string text = streamFormOf(stack);
  EXPECT_EQ(text.substr(0, 14), ": \"NCStack\"\n3 ");
  std::unique_ptr<NCTransObject> back(readBack(text));
  auto* copy = dynamic_cast<NCStack*>(back.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(idsOf(*copy), (std::vector<int>{3, 2, 1}));
  copy->removeAndFreeAll();
}

// Console mode writes every text and number piece followed by one blank.
TEST(CollectionDumps, CollectionDumpOnStandardOutput) {
  NCOrderedCltn c;
  TestKey a(1, 1);
  TestKey b(2, 2);
  c.add(a);
  c.add(b);
  CoutCapture capture;
  std::cout << c;
  EXPECT_EQ(capture.text(), "Collection size:  2 \n Key 1 \n Key 2 \n \n ");
}

TEST(CollectionDumps, SortedCollectionDumpHasItsHeading) {
  NCSortedCltn c;
  NCInteger five(5);
  c.add(five);
  CoutCapture capture;
  {
    NCostream os(std::cout);
    c.prettyPrint(os);
  }
  EXPECT_EQ(capture.text(), "ClassName:: NCSortedCltn\n "
                            "Collection size:  1 \n "
                            "\nClassName: NCInteger\n "
                            "Value:  5 \n "
                            "\n ");
}

TEST(CollectionDumps, DictionaryDumpShowsEachAssociation) {
  NCDictionary d;
  TestKey key(1, 1);
  TestKey value(2, 2);
  d.addAssoc(key, value);
  CoutCapture capture;
  std::cout << d;
  EXPECT_EQ(capture.text(), "Collection size:  1 \n "
                            "\nClassName: NCAssoc\n "
                            "Key:  Key 1 \n "
                            "Value:  Key 2 \n "
                            "\n ");
}

TEST(CollectionDumps, EmptyLinkedListDump) {
  NCLinkedList list;
  CoutCapture capture;
  std::cout << list;
  EXPECT_EQ(capture.text(), "Collection size:  0 \n \n ");
}
