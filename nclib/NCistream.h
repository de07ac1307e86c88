// nclib/NCistream.h - reads object graphs written by NCostream.
//
// Objects are numbered in the order their stream constructors enter them in
// the input table, which matches the writer's numbering, so "@" references
// resolve to the object already read. Read errors are reported on std::cerr;
// the wrapped stream is then put in the failed state so reading stops.

#ifndef VELMARIC_NCLIB_NCISTREAM_H
#define VELMARIC_NCLIB_NCISTREAM_H

#include <iosfwd>

class NCInTbl;
class NCTransObject;
class NCTypeInfo;

class NCistream {
public:
  /// Wraps `is` (not owned; it must outlive this stream).
  explicit NCistream(std::istream& is);
  NCistream(const NCistream&) = delete;
  NCistream& operator=(const NCistream&) = delete;

  /// Creates an object with the reader of `info`; null when `info` or its
  /// reader is null. The caller owns the result.
  virtual NCTransObject* readObject(const NCTypeInfo* info);
  /// Forgets every class read so far.
  virtual void clearInClassTbl();
  /// Forgets every object read so far.
  virtual void clearInObjTbl();
  virtual ~NCistream();
  /// Reads an object reference. Returns a new object (owned by the caller),
  /// an object already read under this top-level reference (for "@"), or
  /// null for a null reference or a read error (reported on std::cerr).
  virtual NCTransObject* readTransObj();
  /// Enters `obj` (not owned) in the object table. Returns its number, or -1
  /// when it is already there.
  virtual int addToTbl(NCTransObject& obj);
  /// "NCistream".
  virtual const char* className() const;
  /// True when `name` is this stream's class name.
  virtual bool isKindOf(const char* name) const;

  /// Reads a string written by NCostream::operator<<(const char*) into a new
  /// buffer owned by the caller; the old buffer `s` (null or allocated with
  /// new[]) is released. On std::cin: one word.
  virtual NCistream& operator>>(char*& s);
  /// Skips white space, takes one character and consumes the separator.
  virtual NCistream& operator>>(char& c);
  /// Reads a number, keeps its low byte and consumes the separator.
  virtual NCistream& operator>>(unsigned char& c);
  /// The standard extraction, then consumes the separator.
  virtual NCistream& operator>>(short& v);
  virtual NCistream& operator>>(unsigned short& v);
  virtual NCistream& operator>>(int& v);
  virtual NCistream& operator>>(unsigned int& v);
  virtual NCistream& operator>>(long& v);
  virtual NCistream& operator>>(unsigned long& v);
  virtual NCistream& operator>>(float& v);
  virtual NCistream& operator>>(double& v);
  virtual NCistream& operator>>(long long& v);
  virtual NCistream& operator>>(unsigned long long& v);
  virtual NCistream& operator>>(long double& v);
  /// One raw character, or -1 at the end of input.
  virtual int get();
  virtual NCistream& get(char& c);
  virtual NCistream& get(unsigned char& c);
  /// `n` raw bytes.
  virtual NCistream& get(char* p, unsigned int n);
  virtual NCistream& get(unsigned char* p, unsigned int n);
  /// `n` values by standard extraction, then consumes the separator.
  virtual NCistream& get(short* p, unsigned int n);
  virtual NCistream& get(unsigned short* p, unsigned int n);
  virtual NCistream& get(int* p, unsigned int n);
  virtual NCistream& get(unsigned int* p, unsigned int n);
  virtual NCistream& get(long* p, unsigned int n);
  virtual NCistream& get(unsigned long* p, unsigned int n);
  virtual NCistream& get(float* p, unsigned int n);
  virtual NCistream& get(double* p, unsigned int n);
  /// Reads a quoted string written by putCString into `buf` of `size`
  /// bytes (terminator included) and consumes the newline after it. `buf`
  /// is always terminated when `size` > 0, also after a reported error.
  virtual NCistream& getCString(char* buf, unsigned int size);
  virtual NCistream& get(long long* p, unsigned int n);
  virtual NCistream& get(long double* p, unsigned int n);
  virtual NCistream& get(unsigned long long* p, unsigned int n);

  /// The wrapped stream.
  std::istream& stream() const { return *_is; }
  /// True once a read failed (bad input, a reported error or end of input).
  bool fail() const;

private:
  std::istream* _is;
  NCInTbl* _tbl; // owned
};

#endif
