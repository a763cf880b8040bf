#include "kti18n/locale/ctype.h"

zv_locale::id zv_ctype::id;

zv_ctype_abc::~zv_ctype_abc() = default;
zv_ctype::~zv_ctype() = default;
zv_ctype_byname::~zv_ctype_byname() = default;

const unsigned short* zv_ctype::do_toupper(unsigned short* first, const unsigned short* last) const {
  for (; first < last; ++first) *first = ToUpper(*first);
  return last;
}

const unsigned short* zv_ctype::do_tolower(unsigned short* first, const unsigned short* last) const {
  for (; first < last; ++first) *first = ToLower(*first);
  return last;
}

const char* zv_ctype::do_widen(const char* first, const char* last, unsigned short* out) const {
  for (; first < last; ++first, ++out) *out = static_cast<unsigned char>(*first);
  return last;
}

const unsigned short* zv_ctype::do_narrow(const unsigned short* first, const unsigned short* last, char dfault,
                                          char* out) const {
  for (; first < last; ++first, ++out) *out = do_narrow(*first, dfault);
  return last;
}

const unsigned short* zv_ctype::do_is(const unsigned short* first, const unsigned short* last,
                                      unsigned* masks) const {
  for (; first < last; ++first, ++masks) *masks = GetPropertyMask(*first);
  return last;
}

const unsigned short* zv_ctype::do_scan_is(unsigned mask, const unsigned short* first,
                                           const unsigned short* last) const {
  while (first < last && (GetPropertyMask(*first) & mask) == 0) ++first;
  return first < last ? first : last;
}

const unsigned short* zv_ctype::do_scan_not(unsigned mask, const unsigned short* first,
                                            const unsigned short* last) const {
  while (first < last && (GetPropertyMask(*first) & mask) != 0) ++first;
  return first < last ? first : last;
}

zv_ctype_byname::zv_ctype_byname(const char* /*name*/, unsigned refs) : zv_ctype(refs) {
  throw ZVException(ZV_E_CTYPE_BYNAME);
}

namespace {

// Copies in to out, then maps out in place with the facet's range form, which
// applies the single-unit mapping to each unit; copying first makes out == in
// safe and costs one virtual call per string instead of one per unit.
template <typename Map>
void map_string(ucs2string& out, const ucs2string& in, const zv_locale& loc, Map map) {
  const zv_ctype& ct = zv_use_facet<zv_ctype>(loc);
  if (&out != &in) out = in;
  if (out.empty()) return;
  unsigned short* first = &out[0];
  map(ct, first, first + out.length());
}

}  // namespace

void zv_toupper(ucs2string& out, const ucs2string& in, const zv_locale& loc) {
  map_string(out, in, loc, [](const zv_ctype& ct, unsigned short* f, const unsigned short* l) { ct.toupper(f, l); });
}

void zv_tolower(ucs2string& out, const ucs2string& in, const zv_locale& loc) {
  map_string(out, in, loc, [](const zv_ctype& ct, unsigned short* f, const unsigned short* l) { ct.tolower(f, l); });
}
