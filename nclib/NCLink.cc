// nclib/NCLink.cc - one link of a singly linked list.

#include "nclib/NCLink.h"

#include "nclib/NCistream.h"
#include "nclib/NCostream.h"

NCLink::NCLink(NCistream& is)
    : NCObject(is), _next(nullptr),
      _object(dynamic_cast<NCObject*>(is.readTransObj())) {}

void NCLink::write(NCostream& os) const {
  os.writeTransObj(_object);
}

void NCLink::prettyPrint(NCostream& os) const {
  if (_object)
    _object->prettyPrint(os);
}

std::uint32_t NCLink::hash() const {
  return _object ? _object->hash() : 0;
}

int NCLink::compare(const NCObject& other) const {
  const NCObject* theirs = static_cast<const NCLink&>(other)._object;
  if (!_object || !theirs)
    return _object == theirs ? 0 : (_object ? 1 : -1);
  return _object->compare(*theirs);
}
