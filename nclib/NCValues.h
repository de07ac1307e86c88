// nclib/NCValues.h - boxed primitive values.
//
// Each class wraps one value so that it can be kept in collections and
// written to object streams. The compiler itself does not create them.
// write puts the value as one stream token; prettyPrint writes a heading
// naming the class, "Value: ", the value and a newline.

#ifndef VELMARIC_NCLIB_NCVALUES_H
#define VELMARIC_NCLIB_NCVALUES_H

#include "nclib/NCObject.h"

#include <cstdint>

/// Compares by difference (wrapping), so extreme values can compare with
/// the wrong sign.
class NCInteger : public NCObject {
  VELMARIC_DECLARE_CLASS(NCInteger);

public:
  explicit NCInteger(int value) : _value(value) {}

  int value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  int _value;
};

/// Compares three-way (-1, 0, 1).
class NCUInteger : public NCObject {
  VELMARIC_DECLARE_CLASS(NCUInteger);

public:
  explicit NCUInteger(unsigned int value) : _value(value) {}

  unsigned int value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  unsigned int _value;
};

/// Compares by difference (wrapping, then narrowed to int).
class NCLong : public NCObject {
  VELMARIC_DECLARE_CLASS(NCLong);

public:
  explicit NCLong(long value) : _value(value) {}

  long value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  long _value;
};

/// Compares three-way.
class NCULong : public NCObject {
  VELMARIC_DECLARE_CLASS(NCULong);

public:
  explicit NCULong(unsigned long value) : _value(value) {}

  unsigned long value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  unsigned long _value;
};

/// Compares by the difference of the sign-extended values.
class NCShort : public NCObject {
  VELMARIC_DECLARE_CLASS(NCShort);

public:
  explicit NCShort(short value) : _value(value) {}

  short value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  short _value;
};

/// Compares by the difference of the zero-extended values.
class NCUShort : public NCObject {
  VELMARIC_DECLARE_CLASS(NCUShort);

public:
  explicit NCUShort(unsigned short value) : _value(value) {}

  unsigned short value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  unsigned short _value;
};

/// Compares three-way.
class NCUChar : public NCObject {
  VELMARIC_DECLARE_CLASS(NCUChar);

public:
  explicit NCUChar(unsigned char value) : _value(value) {}

  unsigned char value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  unsigned char _value;
};

/// Compares three-way; hashes the value truncated to an integer.
class NCFloat : public NCObject {
  VELMARIC_DECLARE_CLASS(NCFloat);

public:
  explicit NCFloat(float value) : _value(value) {}

  float value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  float _value;
};

/// Compares three-way; hashes the value truncated to an integer.
class NCDouble : public NCObject {
  VELMARIC_DECLARE_CLASS(NCDouble);

public:
  explicit NCDouble(double value) : _value(value) {}

  double value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  double _value;
};

/// An octet; compares three-way.
class NCOctet : public NCObject {
  VELMARIC_DECLARE_CLASS(NCOctet);

public:
  explicit NCOctet(unsigned char value) : _value(value) {}

  unsigned char value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  unsigned char _value;
};

/// A boolean held as a byte; compares three-way.
class NCBoolean : public NCObject {
  VELMARIC_DECLARE_CLASS(NCBoolean);

public:
  explicit NCBoolean(unsigned char value) : _value(value) {}

  unsigned char value() const { return _value; }

  void write(NCostream& os) const override;
  void prettyPrint(NCostream& os) const override;
  std::uint32_t hash() const override;
  int compare(const NCObject& other) const override;

private:
  unsigned char _value;
};

#endif
