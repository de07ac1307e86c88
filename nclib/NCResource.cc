// nclib/NCResource.cc - reference counting for the resource class library.

#include "nclib/NCResource.h"

void NCResource::ref(NCResource* r) {
  if (r)
    ++r->_refCount;
}

void NCResource::unref(NCResource* r) {
  if (r)
    r->unref();
}

void NCResource::unref() {
  if (_refCount != 0)
    --_refCount;
  if (_refCount == 0)
    delete this;
}
