// nclib/NCObject.cc - root classes: printing, equality, registration.

#include "nclib/NCObject.h"

#include "nclib/NCString.h"
#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

#include <iostream>

void NCTransObject::printOn(std::ostream& os) const {
  NCostream stream(os);
  if (&os == &std::cout)
    prettyPrint(stream);
  else
    write(stream);
}

void NCTransObject::prettyPrint(NCostream& os) const {
  write(os);
}

void NCTransObject::readFromStream(std::istream&) {}

std::ostream& operator<<(std::ostream& os, const NCTransObject& obj) {
  obj.printOn(os);
  return os;
}

std::istream& operator>>(std::istream& is, NCTransObject& obj) {
  obj.readFromStream(is);
  return is;
}

// NCObject has neither reader nor bases.
NCTypeInfo NCObject::class_info
    VELMARIC_INIT_CORE("NCObject", nullptr,
                       static_cast<const NCTypeInfo*>(nullptr));

// The library core registers NCString right after NCObject.
VELMARIC_DEFINE_CLASS_INIT(NCString, VELMARIC_INIT_CORE, NCObject::desc())

NCObject::NCObject(NCistream& is) {
  is.addToTbl(*this);
}

bool NCObject::isEqual(const NCObject& other) const {
  return classInfo() == other.classInfo() && compare(other) == 0;
}

bool NCObject::isSame(const NCObject& other) const {
  return this == &other;
}

bool NCObject::operator==(const NCObject& other) const {
  return isEqual(other);
}

bool NCObject::operator!=(const NCObject& other) const {
  return !isEqual(other);
}
