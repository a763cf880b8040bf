// zv_locale::_Impl: the shared table of facets behind zv_locale handles.
// Only the library's own sources (the locale, the catalog, the facets'
// builders) and white-box tests include this header.
#ifndef KTI18N_LOCALE_LOCALE_IMPL_H
#define KTI18N_LOCALE_LOCALE_IMPL_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "kti18n/base/thread.h"
#include "kti18n/locale/locale.h"

// The process-wide locale mutex: reference counts of implementations held by
// handles, the global locale, the one-time construction of the classic
// locale, combining, and the sharing of a catalog instance. When the catalog
// mutex is held as well, this one is taken first.
os_critical_section& zv_locale_mutex();

class zv_locale::_Impl : public izvSharedObject {
 public:
  // An implementation with `slots` empty facet slots (slot 0 is never used),
  // category names "*", not named, and the given reference count.
  explicit _Impl(std::size_t slots, std::uint32_t refs = 1);
  // A copy of other: the same facets (each gains a reference), category
  // names and named flag.
  _Impl(const _Impl& other, std::uint32_t refs);
  // A plain copy would share facets without counting them.
  _Impl(const _Impl&) = delete;
  _Impl& operator=(const _Impl&) = delete;
  // Releases every facet.
  ~_Impl() override;

  // Installs f under i, giving i an index first if it has none. A null facet
  // is ignored. Installing the occupant of the slot again is safe. The
  // implementation takes charge of f from the call: should the table fail to
  // grow, a facet nobody else holds is deleted before the exception leaves.
  void _M_install_facet(const id* i, facet* f);
  // Installs other's facet of id i; throws 0x8004112B when other has none.
  void _M_replace_facet(const _Impl* other, const id* i);
  // _M_replace_facet for each id of a null-terminated list.
  void _M_replace_category(const _Impl* other, const id* const* list);
  // Every category of the (normalised) mask, with its name; a mask without
  // any category bit does nothing.
  void _M_replace_categories(const _Impl* other, int category);

  // The facet of id i, or null.
  const facet* _M_facet(const id& i) const noexcept {
    const unsigned index = i._M_index();
    return index < m_facets.size() ? m_facets[index] : nullptr;
  }

  // Reference counting by handles (and by the catalog's instance cache). The
  // count is atomic so that holders serialised by different mutexes can
  // never corrupt it; handles change it under the locale mutex as well, so
  // that a release and the re-pointing of the global locale stay ordered.
  void _M_add_reference() noexcept;
  // At 0 the count is set back to 1 and the implementation is deleted.
  void _M_remove_reference() noexcept;

  std::size_t _M_table_size() const noexcept { return m_facets.size(); }
  const std::string& _M_category_name(int position) const { return m_names[position]; }
  bool _M_is_named() const noexcept { return m_named; }
  void _M_set_named(bool named) noexcept { m_named = named; }

  // The facets a category selects, as a null-terminated list of ids;
  // position is the category's bit position (0 collate ... 6 identification).
  static const id* const* _S_category_ids(int position) noexcept;
  // Installs the built-in facets into the classic implementation.
  static void _S_install_classic_facets(_Impl& classic);

 private:
  std::vector<facet*> m_facets;
  std::string m_names[kCategoryCount] = {"*", "*", "*", "*", "*", "*", "*"};
  bool m_named = false;
};

#endif
