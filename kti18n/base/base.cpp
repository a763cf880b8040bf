#include <atomic>

#include "kti18n/base/shared_object.h"
#include "kti18n/base/thread.h"

izvSharedObject::~izvSharedObject() = default;

void izvSharedObject::Release() const noexcept {
  if (m_refCount.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    m_refCount.store(1, std::memory_order_relaxed);
    delete this;
  }
}

namespace {
std::atomic<int> g_toolkitUsers{0};
}

void os_init_thread_toolkit() { ++g_toolkitUsers; }
void os_exit_thread_toolkit() {
  if (g_toolkitUsers > 0) --g_toolkitUsers;
}
int os_thread_toolkit_users() { return g_toolkitUsers; }
