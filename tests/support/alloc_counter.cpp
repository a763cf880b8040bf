#include "alloc_counter.h"

#include <cstdlib>
#include <new>

namespace {
thread_local int g_watching = 0;
thread_local std::size_t g_count = 0;
thread_local std::size_t g_last = 0;

void* counted(std::size_t n) {
  if (g_watching) {
    ++g_count;
    g_last = n;
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
}
Watch::~Watch() { --g_watching; }
std::size_t Watch::count() const { return g_count; }
std::size_t Watch::last_size() const { return g_last; }
}  // namespace alloc_counter
