// Helpers of the concurrency tests: work started on several threads at the
// same moment, so that first uses and lazily built state really race.
#ifndef KTI18N_TESTS_THREADS_SUPPORT_H
#define KTI18N_TESTS_THREADS_SUPPORT_H

#include <atomic>
#include <thread>
#include <vector>

namespace threads_test {

constexpr int kThreads = 8;

// Runs work(t) for t = 0 .. threads-1, each on its own thread; all wait at
// a common start line, then the caller waits for all of them.
template <class Work>
void OnThreads(int threads, Work work) {
  std::atomic<int> ready{0};
  std::vector<std::thread> running;
  running.reserve(threads);
  for (int t = 0; t < threads; ++t)
    running.emplace_back([&, t] {
      ready.fetch_add(1, std::memory_order_acq_rel);
      while (ready.load(std::memory_order_acquire) < threads) std::this_thread::yield();
      work(t);
    });
  for (std::thread& th : running) th.join();
}

template <class Work>
void OnEightThreads(Work work) {
  OnThreads(kThreads, work);
}

}  // namespace threads_test

#endif
