// zv_locale: a cheap, copyable handle on a shared, reference-counted table of
// facets, after the design of the standard library's locale.
//
// Invariants:
//  - a handle always points at a live implementation (_Impl) and holds one
//    of its references; copying a handle never copies facets;
//  - a facet is found by the index its class's static zv_locale::id receives
//    the first time a facet of that class is installed anywhere; indices are
//    unique process-wide and never change once given;
//  - the classic implementation is built on first use and never destroyed.
//
// Thread safety: reference counts of implementations and facets, the global
// locale and the one-time construction of the classic locale are safe to use
// from several threads; a single handle must not be assigned on one thread
// while it is read on another.
#ifndef KTI18N_LOCALE_LOCALE_H
#define KTI18N_LOCALE_LOCALE_H

#include <atomic>
#include <cstdint>
#include <string>
#include <utility>

#include "kti18n/base/exception.h"
#include "kti18n/base/shared_object.h"

struct zv_locale_storage;
class zv_locale_catalog;
class ucs2string;
class zv_utf8string;

class zv_locale {
 public:
  // A category argument is a mask of these bits; the selector values 0 to 5
  // are accepted as well (see _S_normalize_category).
  using category = int;
  static constexpr category none = 0;
  static constexpr category collate = 0x0100;
  static constexpr category ctype = 0x0200;
  static constexpr category monetary = 0x0400;
  static constexpr category numeric = 0x0800;
  static constexpr category time = 0x1000;
  static constexpr category messages = 0x2000;
  static constexpr category identification = 0x4000;
  static constexpr category all = 0x7F00;
  // Categories in bit order; the position is the index of the category's
  // name in an implementation.
  static constexpr int kCategoryCount = 7;

  class facet;
  class id;
  // Defined in locale_impl.h, which only the library's own sources include.
  class _Impl;

  // A handle on the current global locale.
  zv_locale();
  zv_locale(const zv_locale& other) noexcept;
  zv_locale& operator=(const zv_locale& other) noexcept;
  ~zv_locale();

  // "C" and "POSIX" give the classic locale; other names are matched by the
  // locale catalog. Throws 0x80041123 when nothing matches (and for null).
  explicit zv_locale(const char* name);

  // A copy of base whose facets of the given categories come from other.
  // Throws 0x8004112C for a bad category and 0x8004112B when other lacks a
  // facet of one of the categories.
  zv_locale(const zv_locale& base, const zv_locale& other, category cat);

  static zv_locale classic();
  // Makes loc the global locale and returns the previous one.
  static zv_locale global(const zv_locale& loc);

  // "named" for a locale built from locale data, "*" otherwise. The locale's
  // identity is the business of zv_locale_ident.
  std::string name() const;

  // True when both share one implementation; else false when this locale is
  // not named; else true when the names are equal (any two named locales).
  bool operator==(const zv_locale& other) const;

  // Whether a sorts before b under the locale's zv_collate facet (the UCS-2
  // or the byte comparison). Throws 0x8004112B when the locale has none.
  bool operator()(const ucs2string& a, const ucs2string& b) const;
  bool operator()(const zv_utf8string& a, const zv_utf8string& b) const;

  // "en" and "US" give "en_US"; an empty country gives the language alone.
  static std::string makeLocaleId(const std::string& language, const std::string& country);
  // Splits at the first "_"; without one, the whole id and "".
  static std::pair<std::string, std::string> splitLocaleId(const std::string& id);

  // The facet installed under i, or null. Facet clients use zv_use_facet.
  const facet* _M_find_facet(const id& i) const noexcept;
  // The shared implementation (for the catalog and for tests).
  _Impl* _M_implementation() const noexcept { return m_impl; }

 private:
  friend class zv_locale_catalog;

  // A new named implementation built from a locale-data record.
  explicit zv_locale(const zv_locale_storage* record);
  // Shares impl, adding one reference.
  explicit zv_locale(_Impl* impl);

  static category _S_normalize_category(category c);
  // Builds the classic implementation on first call; returns it.
  static _Impl* _S_classic_impl();
  // The implementation the catalog matches to name, with one reference
  // added for the caller; throws 0x80041123 when there is none.
  static _Impl* _S_named_impl(const char* name);

  _Impl* m_impl;

  static std::atomic<_Impl*> _S_classic;
  static _Impl* _S_global;  // guarded by the locale mutex

  // Destroyed with the library's statics (the host unloads the library, or
  // the process ends): drops the references of the classic and the global
  // locale.
  struct _Static_locales_release {
    ~_Static_locales_release();
  };
  static _Static_locales_release _S_static_locales_release;
};

// The base of every facet. Its count (izvSharedObject::RefCount()) is the
// number of implementations that hold it, plus the refs given at
// construction: a facet made with refs = 1 is never deleted by a locale.
class zv_locale::facet : public izvSharedObject {
 public:
  ~facet() override;
  facet(const facet&) = delete;
  facet& operator=(const facet&) = delete;

  // Counting by the implementations that hold the facet; the count is
  // changed atomically because one facet may be shared by implementations
  // that are destroyed on different threads.
  void _M_add_reference() noexcept;
  // When the count falls from 1 to 0 it is set back to 1 and the facet is
  // deleted.
  void _M_remove_reference() noexcept;

 protected:
  explicit facet(unsigned refs = 0) : izvSharedObject(refs) {}
};

// A facet class's index in every facet table: 0 until a facet of the class is
// first installed. Ids are static objects; the atomic makes them constant
// initialised, so they are usable before any dynamic initialisation runs.
class zv_locale::id {
 public:
  constexpr id() noexcept = default;
  id(const id&) = delete;
  id& operator=(const id&) = delete;

  unsigned _M_index() const noexcept { return m_index.load(std::memory_order_acquire); }
  // The index, taken from the process-wide counter if the id has none yet.
  // Two threads never give two ids the same index.
  unsigned _M_assign_index() const noexcept;

 private:
  mutable std::atomic<unsigned> m_index{0};
};

// Facet access: the facet F installed in loc. Throws 0x8004112B when the
// locale has none. The reference lives as long as some handle on loc's
// implementation does.
template <class F>
const F& zv_use_facet(const zv_locale& loc) {
  const zv_locale::facet* f = loc._M_find_facet(F::id);
  if (f == nullptr) throw ZVException(ZV_E_NO_FACET);
  return static_cast<const F&>(*f);
}

// Whether loc has a facet F; never throws.
template <class F>
bool zv_has_facet(const zv_locale& loc) noexcept {
  return loc._M_find_facet(F::id) != nullptr;
}

#endif
