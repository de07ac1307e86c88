// nclib/NCStreamTables.h - the object and class tables of the object streams.
//
// Internal to NCostream and NCistream. The hashed tables key on addresses
// with the registry's Fibonacci slots and downward probing, and grow to four
// times their slots only when completely full.

#ifndef VELMARIC_NCLIB_NCSTREAMTABLES_H
#define VELMARIC_NCLIB_NCSTREAMTABLES_H

class NCTransObject;
class NCTypeInfo;

/// Open-addressing table from an address to a number. Keys are not owned.
class NCAddressTable {
public:
  /// Sized for `capacity` keys (2 x the next power of two slots).
  explicit NCAddressTable(unsigned capacity);
  ~NCAddressTable();
  NCAddressTable(const NCAddressTable&) = delete;
  NCAddressTable& operator=(const NCAddressTable&) = delete;

  /// The number stored with `key`, or -1.
  int find(const void* key) const;
  /// Stores `key` (not null, not yet present) with `number`.
  void add(const void* key, int number);
  /// Forgets every key; the slots are kept.
  void clear();
  unsigned size() const { return _count; }
  unsigned capacity() const { return _tableSize; }

private:
  struct Entry {
    const void* key;
    int number;
  };

  void setCapacity(unsigned n);
  /// Slot holding `key`, or the empty slot where probing stopped.
  unsigned findIndexOf(const void* key) const;

  unsigned _count = 0;
  unsigned _indexBits = 0;
  unsigned _mask = 0;
  Entry* _slots = nullptr; // key null = empty
  unsigned _tableSize = 0;
};

/// Numbers the objects written under one top-level reference.
class NCTransDict {
public:
  explicit NCTransDict(unsigned capacity) : _table(capacity) {}
  /// The number of `obj`, or -1 when it has none yet.
  int find(const NCTransObject* obj) const { return _table.find(obj); }
  /// Gives `obj` (not yet numbered) the next number and returns it.
  int add(const NCTransObject* obj);
  /// Forgets all objects; numbering starts again at 0.
  void clear();

private:
  NCAddressTable _table;
  int _lastNumber = -1;
};

/// Numbers the classes written to one stream.
class NCClassInfoDict {
public:
  explicit NCClassInfoDict(unsigned capacity) : _table(capacity) {}
  /// The number of `info`, or -1 when it has none yet.
  int find(const NCTypeInfo* info) const { return _table.find(info); }
  /// Gives `info` (not yet numbered) the next number and returns it.
  int add(const NCTypeInfo* info);
  void clear();

private:
  NCAddressTable _table;
  int _lastNumber = -1;
};

/// Output side: object and class numbers with their nesting levels.
class NCOutTbl {
public:
  explicit NCOutTbl(unsigned capacity) : objects(capacity), classes(capacity) {}
  NCTransDict objects;
  NCClassInfoDict classes;
  unsigned objectLevel = 0;
  unsigned classLevel = 0;
};

/// The identity set of the objects read so far.
class NCTransSet {
public:
  explicit NCTransSet(unsigned capacity) : _table(capacity) {}
  bool includes(const NCTransObject* obj) const {
    return _table.find(obj) >= 0;
  }
  void add(const NCTransObject* obj) { _table.add(obj, 0); }
  void clear() { _table.clear(); }

private:
  NCAddressTable _table;
};

/// Pointers in number order in an array that doubles when full. The
/// elements are not owned.
template <typename T> class NCPointerArray {
public:
  explicit NCPointerArray(unsigned capacity)
      : _capacity(capacity ? capacity : 1), _items(new T*[_capacity]) {}
  ~NCPointerArray() { delete[] _items; }
  NCPointerArray(const NCPointerArray&) = delete;
  NCPointerArray& operator=(const NCPointerArray&) = delete;

  /// Appends `item` and returns its number.
  int add(T* item) {
    if (_size == _capacity) {
      T** grown = new T*[2 * _capacity];
      for (unsigned i = 0; i < _size; ++i)
        grown[i] = _items[i];
      delete[] _items;
      _items = grown;
      _capacity *= 2;
    }
    _items[_size] = item;
    return static_cast<int>(_size++);
  }
  /// The item numbered `i`, or null when there is none.
  T* at(int i) const {
    return i >= 0 && static_cast<unsigned>(i) < _size ? _items[i] : nullptr;
  }
  void clear() { _size = 0; }

private:
  unsigned _capacity;
  unsigned _size = 0;
  T** _items;
};

/// The objects read so far, by number.
class NCTransCltn : public NCPointerArray<NCTransObject> {
public:
  using NCPointerArray::NCPointerArray;
};

/// The classes read so far, by number.
class NCTypeCltn : public NCPointerArray<const NCTypeInfo> {
public:
  using NCPointerArray::NCPointerArray;
};

/// Input side: objects and classes read, with their nesting levels.
class NCInTbl {
public:
  explicit NCInTbl(unsigned capacity)
      : objectSet(capacity), objects(capacity), classes(capacity) {}
  NCTransSet objectSet;
  NCTransCltn objects;
  NCTypeCltn classes;
  unsigned objectLevel = 0;
  unsigned classLevel = 0;
};

#endif
