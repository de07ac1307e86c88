// nclib/NCAssoc.cc - key/value record held by dictionaries.

#include "nclib/NCAssoc.h"

#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

NCAssoc::NCAssoc(NCistream& is) : NCObject(is) {
  _key = dynamic_cast<NCObject*>(is.readTransObj());
  _value = dynamic_cast<NCObject*>(is.readTransObj());
}

void NCAssoc::write(NCostream& os) const {
  os.writeTransObj(_key);
  os.writeTransObj(_value);
}

void NCAssoc::prettyPrint(NCostream& os) const {
  os << "\nClassName: NCAssoc\n";
  os << "Key: ";
  if (_key)
    _key->prettyPrint(os);
  os << "Value: ";
  if (_value)
    _value->prettyPrint(os);
}

std::uint32_t NCAssoc::hash() const {
  return _key ? _key->hash() : 0;
}

int NCAssoc::compare(const NCObject& other) const {
  return _key ? other.compare(*_key) : -1;
}

bool NCAssoc::isEqual(const NCObject& other) const {
  return _key && other.isEqual(*_key);
}
