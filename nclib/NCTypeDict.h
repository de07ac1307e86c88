// nclib/NCTypeDict.h - the class registry: class names to descriptions.
//
// An open-addressing table with Fibonacci home slots and downward probing;
// it grows to four times its slots only when completely full.

#ifndef VELMARIC_NCLIB_NCTYPEDICT_H
#define VELMARIC_NCLIB_NCTYPEDICT_H

#include <cstdint>

class NCTypeInfo;

/// The string hash shared by the registry and NCString: each character,
/// sign-extended from 8 bits, is XORed into the hash shifted left by one;
/// the result is masked to 31 bits.
std::uint32_t strHash(const char* s);

/// Home slot of hash value `k` in a table of 2^bits slots (Fibonacci
/// multiplicative hashing).
inline unsigned fibonacciSlot(std::uint32_t k, unsigned bits, unsigned mask) {
  std::uint32_t product = k * 0x9E3779B9u;
  return bits == 0 ? 0u : (product >> (32 - bits)) & mask;
}

/// Index bits for a requested capacity: the bit length of n, plus one when n
/// is not a power of two. A capacity n thus yields 2 x (the smallest power of
/// two >= n) slots.
unsigned capacityBits(unsigned n);

class NCTypeDict {
public:
  /// The process's registry, created on first use with 32 slots.
  static NCTypeDict* instance();

  /// An empty registry sized for `capacity` names (2 x the next power of two
  /// slots). Only the process's instance is used by the library; tests build
  /// their own.
  explicit NCTypeDict(unsigned capacity);
  ~NCTypeDict();

  /// Registers `info` under `name` (copied). The first registration of a
  /// name wins; a later one is ignored.
  void add(const char* name, NCTypeInfo* info);
  /// The description registered under `name`, or null.
  NCTypeInfo* typeInfo(const char* name) const;
  /// Entries are never removed: does nothing and returns 0.
  int remove(const char* name);

  unsigned size() const { return _count; }
  unsigned capacity() const { return _tableSize; }

  NCTypeDict(const NCTypeDict&) = delete;
  NCTypeDict& operator=(const NCTypeDict&) = delete;

private:
  struct Entry {
    char* name;
    NCTypeInfo* info;
  };

  void setCapacity(unsigned n);
  void reSize(unsigned n);
  /// Slot holding `name`, or the empty slot where probing stopped.
  unsigned findIndexOf(const char* name) const;

  unsigned _count = 0;
  unsigned _indexBits = 0;
  unsigned _mask = 0;
  Entry** _slots = nullptr;
  unsigned _tableSize = 0;
};

/// Empty; its call from NCTypeDict::instance() keeps the module holding the
/// library's own registrations in the program.
void NCinit();

#endif
