// nclib/NCRegistrations.cc - start-up registration of the collection and
// boxed-value classes.
//
// The order of these definitions is the order of registration, which the
// DEBUG_STATIC trace shows; keep it. NCinit() lives here so that any use of
// the registry links this module in.

#include "nclib/NCAssoc.h"
#include "nclib/NCBoundedString.h"
#include "nclib/NCCollection.h"
#include "nclib/NCDictionary.h"
#include "nclib/NCIdentDict.h"
#include "nclib/NCIdentSet.h"
#include "nclib/NCLink.h"
#include "nclib/NCLinkedList.h"
#include "nclib/NCOrderedCltn.h"
#include "nclib/NCSet.h"
#include "nclib/NCSortedCltn.h"
#include "nclib/NCStack.h"
#include "nclib/NCTypeDict.h"
#include "nclib/NCValues.h"

void NCinit() {}

// clang-format off
VELMARIC_DEFINE_CLASS_INIT(NCInteger, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCUInteger, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCLong, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCULong, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCShort, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCUShort, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCUChar, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCFloat, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCDouble, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCOctet, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCBoolean, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCAssoc, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_ABSTRACT_CLASS_INIT(NCCollection, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCSet, VELMARIC_INIT_LIBRARY, NCCollection::desc())
VELMARIC_DEFINE_CLASS_INIT(NCDictionary, VELMARIC_INIT_LIBRARY, NCSet::desc())
VELMARIC_DEFINE_CLASS_INIT(NCIdentDict, VELMARIC_INIT_LIBRARY, NCDictionary::desc())
VELMARIC_DEFINE_CLASS_INIT(NCIdentSet, VELMARIC_INIT_LIBRARY, NCSet::desc())
VELMARIC_DEFINE_CLASS_INIT(NCLink, VELMARIC_INIT_LIBRARY, NCObject::desc())
VELMARIC_DEFINE_CLASS_INIT(NCLinkedList, VELMARIC_INIT_LIBRARY, NCCollection::desc())
VELMARIC_DEFINE_CLASS_INIT(NCOrderedCltn, VELMARIC_INIT_LIBRARY, NCCollection::desc())
VELMARIC_DEFINE_CLASS_INIT(NCSortedCltn, VELMARIC_INIT_LIBRARY, NCOrderedCltn::desc())
VELMARIC_DEFINE_CLASS_INIT(NCStack, VELMARIC_INIT_LIBRARY, NCLinkedList::desc())
VELMARIC_DEFINE_CLASS_INIT(NCBoundedString, VELMARIC_INIT_LIBRARY, NCObject::desc())
// clang-format on
