// nclib/NCValues.cc - boxed primitive values: streaming, hashing, comparison.
//
// class_info and readFrom of these classes are defined with the collection
// classes, in their registration order.

#include "nclib/NCValues.h"

#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

#include <cstdint>

namespace {

// -1, 0 or 1.
template <typename T> int threeWay(T a, T b) {
  if (a < b)
    return -1;
  return a == b ? 0 : 1;
}

// Floating values hash as their integer part converted to unsigned; values
// no integer can hold (and NaN) hash as 0 instead of being undefined.
std::uint32_t truncatedHash(double v) {
  if (!(v > -9.2e18 && v < 9.2e18))
    return 0;
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(v));
}

} // namespace

NCInteger::NCInteger(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCInteger::write(NCostream& os) const {
  os << _value;
}

void NCInteger::prettyPrint(NCostream& os) const {
  os << "\nClassName: NCInteger\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCInteger::hash() const {
  return static_cast<std::uint32_t>(_value);
}

int NCInteger::compare(const NCObject& other) const {
  // The difference wraps like the machine's, so extreme values can compare
  // with the wrong sign.
  return static_cast<int>(
      static_cast<std::uint32_t>(_value) -
      static_cast<std::uint32_t>(static_cast<const NCInteger&>(other)._value));
}

NCUInteger::NCUInteger(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCUInteger::write(NCostream& os) const {
  os << _value;
}

void NCUInteger::prettyPrint(NCostream& os) const {
  os << "ClassName: NCUInteger\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCUInteger::hash() const {
  return _value;
}

int NCUInteger::compare(const NCObject& other) const {
  return threeWay(_value, static_cast<const NCUInteger&>(other)._value);
}

NCLong::NCLong(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCLong::write(NCostream& os) const {
  os << _value;
}

void NCLong::prettyPrint(NCostream& os) const {
  os << "ClassName: NCLong\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCLong::hash() const {
  return static_cast<std::uint32_t>(_value);
}

int NCLong::compare(const NCObject& other) const {
  // The difference wraps, then keeps its low bits as an int.
  return static_cast<int>(
      static_cast<std::uint64_t>(_value) -
      static_cast<std::uint64_t>(static_cast<const NCLong&>(other)._value));
}

NCULong::NCULong(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCULong::write(NCostream& os) const {
  os << _value;
}

void NCULong::prettyPrint(NCostream& os) const {
  os << "ClassName: NCULong\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCULong::hash() const {
  return static_cast<std::uint32_t>(_value);
}

int NCULong::compare(const NCObject& other) const {
  return threeWay(_value, static_cast<const NCULong&>(other)._value);
}

NCShort::NCShort(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCShort::write(NCostream& os) const {
  os << _value;
}

void NCShort::prettyPrint(NCostream& os) const {
  os << "ClassName: NCShort\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCShort::hash() const {
  return static_cast<std::uint32_t>(static_cast<int>(_value));
}

int NCShort::compare(const NCObject& other) const {
  return static_cast<int>(_value) -
         static_cast<int>(static_cast<const NCShort&>(other)._value);
}

NCUShort::NCUShort(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCUShort::write(NCostream& os) const {
  os << _value;
}

void NCUShort::prettyPrint(NCostream& os) const {
  os << "ClassName: NCUShort\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCUShort::hash() const {
  return _value;
}

int NCUShort::compare(const NCObject& other) const {
  return static_cast<int>(_value) -
         static_cast<int>(static_cast<const NCUShort&>(other)._value);
}

NCUChar::NCUChar(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCUChar::write(NCostream& os) const {
  os << _value;
}

void NCUChar::prettyPrint(NCostream& os) const {
  os << "ClassName: NCUChar\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCUChar::hash() const {
  return _value;
}

int NCUChar::compare(const NCObject& other) const {
  return threeWay(_value, static_cast<const NCUChar&>(other)._value);
}

NCFloat::NCFloat(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCFloat::write(NCostream& os) const {
  os << _value;
}

void NCFloat::prettyPrint(NCostream& os) const {
  os << "ClassName: NCFloat\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCFloat::hash() const {
  return truncatedHash(_value);
}

int NCFloat::compare(const NCObject& other) const {
  return threeWay(_value, static_cast<const NCFloat&>(other)._value);
}

NCDouble::NCDouble(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCDouble::write(NCostream& os) const {
  os << _value;
}

void NCDouble::prettyPrint(NCostream& os) const {
  os << "ClassName: NCDouble\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCDouble::hash() const {
  return truncatedHash(_value);
}

int NCDouble::compare(const NCObject& other) const {
  return threeWay(_value, static_cast<const NCDouble&>(other)._value);
}

NCOctet::NCOctet(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCOctet::write(NCostream& os) const {
  os << _value;
}

void NCOctet::prettyPrint(NCostream& os) const {
  os << "ClassName: NCOctet\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCOctet::hash() const {
  return _value;
}

int NCOctet::compare(const NCObject& other) const {
  return threeWay(_value, static_cast<const NCOctet&>(other)._value);
}

NCBoolean::NCBoolean(NCistream& is) : NCObject(is), _value() {
  is >> _value;
}

void NCBoolean::write(NCostream& os) const {
  os << _value;
}

void NCBoolean::prettyPrint(NCostream& os) const {
  os << "ClassName: NCBoolean\n"
     << "Value: " << _value << "\n";
}

std::uint32_t NCBoolean::hash() const {
  return _value;
}

int NCBoolean::compare(const NCObject& other) const {
  return threeWay(_value, static_cast<const NCBoolean&>(other)._value);
}
