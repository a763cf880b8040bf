// The locale handle and its shared implementation: reference counting,
// facet tables, categories, the classic and global locales.
#include "kti18n/locale/locale.h"

#include <atomic>
#include <memory>
#include <new>

#include "kti18n/locale/locale_impl.h"

std::atomic<zv_locale::_Impl*> zv_locale::_S_classic{nullptr};
zv_locale::_Impl* zv_locale::_S_global = nullptr;
zv_locale::_Static_locales_release zv_locale::_S_static_locales_release;

os_critical_section& zv_locale_mutex() {
  // Never destroyed: handles held by static objects of other translation
  // units may still be released after this one's statics are gone.
  // Placement in static storage: never destroyed, yet no heap block that
  // would outlive an unloaded library.
  alignas(os_critical_section) static unsigned char storage[sizeof(os_critical_section)];
  static os_critical_section* const mutex = new (storage) os_critical_section;
  return *mutex;
}

namespace {

// The id counter: starts at 0 and is incremented before use, so the first
// index given is 1 and slot 0 of a facet table is never used.
std::atomic<unsigned> g_lastFacetIndex{0};

}  // namespace

// ---------------------------------------------------------------------------
// facet and id

zv_locale::facet::~facet() = default;

void zv_locale::facet::_M_add_reference() noexcept { AddRef(); }

void zv_locale::facet::_M_remove_reference() noexcept { Release(); }

unsigned zv_locale::id::_M_assign_index() const noexcept {
  unsigned index = m_index.load(std::memory_order_acquire);
  if (index != 0) return index;
  // A thread that loses the race keeps the winner's index; the number it
  // drew is simply never used.
  const unsigned drawn = g_lastFacetIndex.fetch_add(1, std::memory_order_relaxed) + 1;
  if (m_index.compare_exchange_strong(index, drawn, std::memory_order_acq_rel, std::memory_order_acquire)) return drawn;
  return index;
}

// ---------------------------------------------------------------------------
// _Impl

zv_locale::_Impl::_Impl(std::size_t slots, std::uint32_t refs) : izvSharedObject(refs), m_facets(slots, nullptr) {}

zv_locale::_Impl::_Impl(const _Impl& other, std::uint32_t refs)
    : izvSharedObject(refs), m_facets(other.m_facets), m_named(other.m_named) {
  for (int i = 0; i < kCategoryCount; ++i) m_names[i] = other.m_names[i];
  for (facet* f : m_facets) {
    if (f != nullptr) f->_M_add_reference();
  }
}

zv_locale::_Impl::~_Impl() {
  for (facet* f : m_facets) {
    if (f != nullptr) f->_M_remove_reference();
  }
}

void zv_locale::_Impl::_M_install_facet(const id* i, facet* f) {
  if (f == nullptr) return;
  const unsigned index = i->_M_assign_index();
  if (index >= m_facets.size()) {
    try {
      m_facets.resize(static_cast<std::size_t>(index) + 1, nullptr);
    } catch (const std::bad_alloc&) {
      if (f->RefCount() == 0) delete f;
      throw ZVException(ZV_E_OUTOFMEMORY);
    }
  }
  // Raise the newcomer's count before releasing the occupant: they may be
  // the same facet.
  f->_M_add_reference();
  facet* const previous = m_facets[index];
  m_facets[index] = f;
  if (previous != nullptr) previous->_M_remove_reference();
}

void zv_locale::_Impl::_M_replace_facet(const _Impl* other, const id* i) {
  const facet* f = other->_M_facet(*i);
  if (f == nullptr) throw ZVException(ZV_E_NO_FACET);
  // Installing only changes the facet's count, which the facet allows on a
  // shared instance.
  _M_install_facet(i, const_cast<facet*>(f));
}

void zv_locale::_Impl::_M_replace_category(const _Impl* other, const id* const* list) {
  for (; *list != nullptr; ++list) _M_replace_facet(other, *list);
}

void zv_locale::_Impl::_M_replace_categories(const _Impl* other, int category) {
  for (int position = 0; position < kCategoryCount; ++position) {
    if ((category & (collate << position)) == 0) continue;
    _M_replace_category(other, _S_category_ids(position));
    m_names[position] = other->m_names[position];
  }
}

void zv_locale::_Impl::_M_add_reference() noexcept { AddRef(); }

void zv_locale::_Impl::_M_remove_reference() noexcept { Release(); }

// ---------------------------------------------------------------------------
// zv_locale

zv_locale::_Impl* zv_locale::_S_classic_impl() {
  if (_Impl* classic = _S_classic.load(std::memory_order_acquire)) return classic;
  os_lock_guard lock(zv_locale_mutex());
  if (_Impl* classic = _S_classic.load(std::memory_order_relaxed)) return classic;
  // Two references: one for _S_classic, one for _S_global. The first keeps
  // the classic implementation alive while the library is loaded.
  auto classic = std::make_unique<_Impl>(13, 2);
  _Impl::_S_install_classic_facets(*classic);
  _S_global = classic.get();
  _S_classic.store(classic.release(), std::memory_order_release);
  return _S_global;
}

// Only references are dropped: a handle that a static object still holds
// keeps its implementation until that object goes. A locale made after this
// point builds the classic implementation again.
zv_locale::_Static_locales_release::~_Static_locales_release() {
  os_lock_guard lock(zv_locale_mutex());
  _Impl* classic = _S_classic.exchange(nullptr, std::memory_order_acq_rel);
  if (classic == nullptr) return;
  _Impl* global = _S_global;
  _S_global = nullptr;
  global->_M_remove_reference();
  classic->_M_remove_reference();
}

zv_locale::zv_locale() {
  _S_classic_impl();
  os_lock_guard lock(zv_locale_mutex());
  m_impl = _S_global;
  m_impl->_M_add_reference();
}

zv_locale::zv_locale(_Impl* impl) : m_impl(impl) {
  os_lock_guard lock(zv_locale_mutex());
  m_impl->_M_add_reference();
}

zv_locale::zv_locale(const zv_locale& other) noexcept : m_impl(other.m_impl) {
  os_lock_guard lock(zv_locale_mutex());
  m_impl->_M_add_reference();
}

zv_locale& zv_locale::operator=(const zv_locale& other) noexcept {
  os_lock_guard lock(zv_locale_mutex());
  // Adding before releasing makes self-assignment safe.
  other.m_impl->_M_add_reference();
  m_impl->_M_remove_reference();
  m_impl = other.m_impl;
  return *this;
}

zv_locale::~zv_locale() {
  os_lock_guard lock(zv_locale_mutex());
  m_impl->_M_remove_reference();
}

zv_locale::zv_locale(const char* name) {
  _Impl* classic = _S_classic_impl();
  if (name == nullptr) throw ZVException(ZV_E_INVALID_DATA);
  const std::string_view n(name);
  if (n == "C" || n == "POSIX") {
    os_lock_guard lock(zv_locale_mutex());
    m_impl = classic;
    m_impl->_M_add_reference();
    return;
  }
  m_impl = _S_named_impl(name);
}

zv_locale::zv_locale(const zv_locale& base, const zv_locale& other, category cat) {
  const category mask = _S_normalize_category(cat);
  _S_classic_impl();
  os_lock_guard lock(zv_locale_mutex());
  // Owned until complete: a failing replacement releases the half-built copy.
  auto combined = std::make_unique<_Impl>(*base.m_impl, 1);
  combined->_M_replace_categories(other.m_impl, mask);
  m_impl = combined.release();
}

zv_locale zv_locale::classic() { return zv_locale(_S_classic_impl()); }

zv_locale zv_locale::global(const zv_locale& loc) {
  _S_classic_impl();
  os_lock_guard lock(zv_locale_mutex());
  zv_locale previous(_S_global);
  loc.m_impl->_M_add_reference();
  _S_global->_M_remove_reference();
  _S_global = loc.m_impl;
  return previous;
}

std::string zv_locale::name() const { return m_impl->_M_is_named() ? "named" : "*"; }

bool zv_locale::operator==(const zv_locale& other) const {
  if (m_impl == other.m_impl) return true;
  if (!m_impl->_M_is_named()) return false;
  return name() == other.name();
}

const zv_locale::facet* zv_locale::_M_find_facet(const id& i) const noexcept { return m_impl->_M_facet(i); }

zv_locale::category zv_locale::_S_normalize_category(category c) {
  if ((c & all) != 0 && (c & ~all) == 0) return c;
  switch (c) {
    case 0: return all;
    case 1: return collate;
    case 2: return ctype;
    case 3: return monetary;
    case 4: return numeric;
    case 5: return time;
    default: throw ZVException(ZV_E_BAD_CATEGORY);
  }
}

std::string zv_locale::makeLocaleId(const std::string& language, const std::string& country) {
  if (country.empty()) return language;
  return language + "_" + country;
}

std::pair<std::string, std::string> zv_locale::splitLocaleId(const std::string& id) {
  const std::size_t underscore = id.find('_');
  if (underscore == std::string::npos) return {id, std::string()};
  return {id.substr(0, underscore), id.substr(underscore + 1)};
}
