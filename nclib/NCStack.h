// nclib/NCStack.h - stack of object pointers on a linked list.
//
// The head of the list is the top of the stack.

#ifndef VELMARIC_NCLIB_NCSTACK_H
#define VELMARIC_NCLIB_NCSTACK_H

#include "nclib/NCLinkedList.h"

class NCStack : public NCLinkedList {
  VELMARIC_DECLARE_CLASS(NCStack);

  NCStack() = default;
  /// Walks `other` from top to bottom appending each object, so the copy
  /// has the same order.
  NCStack(const NCStack& other) = default;
  NCStack& operator=(const NCStack& other) = default;
  ~NCStack() override = default;

  /// Puts `obj` (not owned) on top and returns it.
  NCObject* push(NCObject& obj) { return addFirst(obj); }
  /// Takes the top object off and returns it; null when empty.
  NCObject* pop() { return removeFirst(); }
  /// The top object, or null when empty.
  NCObject* top() const { return first(); }
};

#endif
