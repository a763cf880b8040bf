#include "collation_option.h"

#include "kti18n/text/ucs2string.h"
#include "locale_option.h"

namespace cli {

std::optional<Collator> Collator::FromOptions(const Options& options) {
  Collator c;
  if (!options.has("locale")) {
    c.root_ = std::make_shared<ktCollation>("");
    return c;
  }
  std::optional<zv_locale> locale = resolve_locale(options.value("locale"));
  if (!locale) return std::nullopt;
  c.locale_ = std::make_shared<zv_locale>(*locale);
  c.facet_ = &zv_use_facet<zv_collate>(*c.locale_);
  return c;
}

int Collator::Compare(const std::string& a, const std::string& b) const {
  const auto* pa = reinterpret_cast<const unsigned char*>(a.data());
  const auto* pb = reinterpret_cast<const unsigned char*>(b.data());
  if (facet_) return facet_->compare(pa, pa + a.size(), pb, pb + b.size());
  return root_->CompareStrings(pa, pa + a.size(), pb, pb + b.size());
}

std::string Collator::Key(const std::string& text) const {
  const ucs2string units(reinterpret_cast<const unsigned char*>(text.data()), text.size());
  const unsigned short* first = units.data();
  const unsigned short* last = first + units.length();
  if (facet_) return facet_->transform(first, last);
  std::string key;
  root_->BuildSortKey(key, first, last);
  return key;
}

}  // namespace cli
