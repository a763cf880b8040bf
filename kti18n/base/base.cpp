#include <atomic>

#include "kti18n/base/shared_object.h"
#include "kti18n/base/thread.h"

izvSharedObject::~izvSharedObject() = default;

namespace {
std::atomic<int> g_toolkitUsers{0};
}

void os_init_thread_toolkit() { ++g_toolkitUsers; }
void os_exit_thread_toolkit() {
  if (g_toolkitUsers > 0) --g_toolkitUsers;
}
int os_thread_toolkit_users() { return g_toolkitUsers; }
