#include "alloc_counter.h"

#include <cstdlib>
#include <new>

namespace {
thread_local int g_watching = 0;
thread_local std::size_t g_count = 0;
thread_local std::size_t g_last = 0;
thread_local std::size_t g_bytes = 0;
thread_local std::size_t g_fail_countdown = 0;  // 0: no failure armed
thread_local bool g_fired = false;

void* counted(std::size_t n) {
  if (g_watching) {
    ++g_count;
    g_last = n;
    g_bytes += n;
  }
  if (g_fail_countdown != 0 && --g_fail_countdown == 0) {
    g_fired = true;
    return nullptr;
  }
  return std::malloc(n ? n : 1);
}
}  // namespace

void* operator new(std::size_t n) {
  if (void* p = counted(n)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return counted(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return counted(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace alloc_counter {
Watch::Watch() {
  ++g_watching;
  g_count = 0;
  g_last = 0;
  g_bytes = 0;
}
Watch::~Watch() { --g_watching; }
std::size_t Watch::count() const { return g_count; }
std::size_t Watch::last_size() const { return g_last; }
std::size_t Watch::bytes() const { return g_bytes; }

FailAt::FailAt(std::size_t n) {
  g_fired = false;
  g_fail_countdown = n;
}
FailAt::~FailAt() { g_fail_countdown = 0; }
bool FailAt::fired() const { return g_fired; }
}  // namespace alloc_counter
