// nclib/NCStack.cc - stack of object pointers on a linked list.

#include "nclib/NCStack.h"

NCStack::NCStack(NCistream& is) : NCLinkedList(is) {}
