// Counts heap allocations made through the global operator new while a
// scope is being watched, and records the size of the last one.
#ifndef KTI18N_TESTS_ALLOC_COUNTER_H
#define KTI18N_TESTS_ALLOC_COUNTER_H

#include <cstddef>

namespace alloc_counter {

struct Watch {
  Watch();
  ~Watch();
  std::size_t count() const;
  std::size_t last_size() const;
};

}  // namespace alloc_counter

#endif
