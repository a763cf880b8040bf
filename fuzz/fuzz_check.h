// A broken promise found by a fuzz target: says which, then aborts, so that
// libFuzzer keeps the input and the corpus replay fails.
#ifndef KTI18N_FUZZ_FUZZ_CHECK_H
#define KTI18N_FUZZ_FUZZ_CHECK_H

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                                 \
  do {                                                                                   \
    if (!(cond)) {                                                                       \
      std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #cond);    \
      std::abort();                                                                      \
    }                                                                                    \
  } while (0)

#endif
