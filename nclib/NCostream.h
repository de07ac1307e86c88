// nclib/NCostream.h - writes object graphs as a whitespace-separated text
// stream over a standard output stream.
//
// Objects are tagged with their class name (or its number once the class has
// been seen) and numbered, so shared objects become "@" back-references.
// Over std::cout the stream is in console mode and writes readable dumps.

#ifndef VELMARIC_NCLIB_NCOSTREAM_H
#define VELMARIC_NCLIB_NCOSTREAM_H

#include <iosfwd>

class NCOutTbl;
class NCTransObject;

class NCostream {
public:
  /// Wraps `os` (not owned; it must outlive this stream). Console mode is on
  /// when `os` is std::cout.
  explicit NCostream(std::ostream& os);
  NCostream(const NCostream&) = delete;
  NCostream& operator=(const NCostream&) = delete;

  /// Writes the fields of `obj`: its prettyPrint in console mode, else its
  /// write.
  virtual void storeObject(const NCTransObject& obj);
  /// Forgets every class number given so far.
  virtual void clearOutClassTbl();
  /// Forgets every object number given so far.
  virtual void clearOutObjTbl();
  virtual ~NCostream();
  /// "NCostream".
  virtual const char* className() const;
  /// True when `name` is this stream's class name.
  virtual bool isKindOf(const char* name) const;
  /// Writes an object reference: a null reference, the class tag and fields
  /// of an object new to this top-level reference, or "@" and its number.
  /// `p` may be null; it is not owned.
  virtual NCostream& writeTransObj(const NCTransObject* p);

  /// Console mode (std::cout or std::cerr): the text and a blank. Otherwise
  /// the length and the quoted characters; a null `s` counts as empty.
  virtual NCostream& operator<<(const char* s);
  /// The character, then a blank.
  virtual NCostream& operator<<(char c);
  /// The numeric value, then a blank.
  virtual NCostream& operator<<(unsigned char c);
  virtual NCostream& operator<<(short v);
  virtual NCostream& operator<<(unsigned short v);
  virtual NCostream& operator<<(int v);
  virtual NCostream& operator<<(unsigned int v);
  virtual NCostream& operator<<(long v);
  virtual NCostream& operator<<(unsigned long v);
  /// Written as a double in the wrapped stream's format, then a blank.
  virtual NCostream& operator<<(float v);
  virtual NCostream& operator<<(double v);
  /// Same as writeTransObj.
  virtual NCostream& operator<<(const NCTransObject* p);
  /// Enters `obj` in the object table and writes its fields inline, without
  /// a class tag.
  virtual NCostream& operator<<(const NCTransObject& obj);
  virtual NCostream& operator<<(long long v);
  virtual NCostream& operator<<(unsigned long long v);
  virtual NCostream& operator<<(long double v);
  /// The byte itself, no separator.
  virtual NCostream& put(char c);
  /// The `n` bytes of `p`, unchanged.
  virtual NCostream& put(const char* p, unsigned int n);
  virtual NCostream& put(const unsigned char* p, unsigned int n);
  /// Each of the `n` values of `p` as its operator<< token.
  virtual NCostream& put(const short* p, unsigned int n);
  virtual NCostream& put(const unsigned short* p, unsigned int n);
  virtual NCostream& put(const int* p, unsigned int n);
  virtual NCostream& put(const unsigned int* p, unsigned int n);
  virtual NCostream& put(const long* p, unsigned int n);
  virtual NCostream& put(const unsigned long* p, unsigned int n);
  virtual NCostream& put(const float* p, unsigned int n);
  virtual NCostream& put(const double* p, unsigned int n);
  /// A double quote, the escaped characters of `s`, a double quote and a
  /// newline. A null `s` is written as the empty string.
  virtual NCostream& putCString(const char* s);
  virtual NCostream& put(const long long* p, unsigned int n);
  virtual NCostream& put(const unsigned long long* p, unsigned int n);
  virtual NCostream& put(const long double* p, unsigned int n);

  /// Applies a manipulator such as endl.
  NCostream& operator<<(NCostream& (*manip)(NCostream&)) {
    return manip(*this);
  }

  /// The wrapped stream.
  std::ostream& stream() const { return *_os; }
  /// True when objects are written as readable dumps (over std::cout).
  bool isConsole() const;

private:
  std::ostream* _os;
  NCOutTbl* _tbl; // owned
};

/// Writes the string "\n" as an operator<< token.
NCostream& endl(NCostream& os);

#endif
