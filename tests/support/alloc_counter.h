// Counts heap allocations made through the global operator new while a
// scope is being watched, and records the size of the last one; fails the
// n-th allocation of a scope on request, to test what a failure leaves.
#ifndef KTI18N_TESTS_ALLOC_COUNTER_H
#define KTI18N_TESTS_ALLOC_COUNTER_H

#include <cstddef>

namespace alloc_counter {

struct Watch {
  Watch();
  ~Watch();
  std::size_t count() const;
  std::size_t last_size() const;
  // The bytes of every allocation so far, freed or not.
  std::size_t bytes() const;
};

// While alive, the n-th allocation (from 1) of this thread fails: the
// throwing operator new throws std::bad_alloc, the nothrow one returns null.
struct FailAt {
  explicit FailAt(std::size_t n);
  ~FailAt();
  // Whether the failure happened (false: the work needed fewer allocations).
  bool fired() const;
};

}  // namespace alloc_counter

#endif
