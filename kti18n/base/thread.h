// The thread toolkit: the process-wide locks of the library are
// os_critical_section objects. They are recursive, because the locale
// catalog re-enters its lock on the same thread while the locale-data
// module registers its records.
#ifndef KTI18N_BASE_THREAD_H
#define KTI18N_BASE_THREAD_H

#include <mutex>

class os_critical_section {
 public:
  os_critical_section() = default;
  ~os_critical_section() = default;
  os_critical_section(const os_critical_section&) = delete;
  os_critical_section& operator=(const os_critical_section&) = delete;

  void lock() { mutex_.lock(); }
  void unlock() { mutex_.unlock(); }
  bool try_lock() { return mutex_.try_lock(); }

 private:
  std::recursive_mutex mutex_;
};

// Scoped hold of an os_critical_section.
class os_lock_guard {
 public:
  explicit os_lock_guard(os_critical_section& cs) : cs_(cs) { cs_.lock(); }
  ~os_lock_guard() { cs_.unlock(); }
  os_lock_guard(const os_lock_guard&) = delete;
  os_lock_guard& operator=(const os_lock_guard&) = delete;

 private:
  os_critical_section& cs_;
};

// Counted start-up of the toolkit. Nothing needs preparing on this host; the
// count is kept so that callers can pair the two calls as on any host.
void os_init_thread_toolkit();
void os_exit_thread_toolkit();
int os_thread_toolkit_users();

#endif
