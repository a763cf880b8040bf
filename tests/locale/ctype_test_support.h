// Helpers shared by the character-class tests.
#ifndef KTI18N_TESTS_LOCALE_CTYPE_TEST_SUPPORT_H
#define KTI18N_TESTS_LOCALE_CTYPE_TEST_SUPPORT_H

#include <algorithm>
#include <cstdint>
#include <vector>

#include "kti18n/locale/ctype_impl.h"

// Opens the protected lookups to the tests.
class CtypeProbe : public zv_ctype_impl {
 public:
  using zv_ctype_impl::zv_ctype_impl;
  using zv_ctype_impl::FindProperty;
  using zv_ctype_impl::GetPropertyMask;
};

// A private copy of the built-in record, as locale data would supply one: the
// same contents at other addresses, so lookups walk the runs instead of
// using the built-in direct table.
class CopiedCtypeRecord {
 public:
  CopiedCtypeRecord() {
    const auto& s = zv_ctype_impl::kCtype_i18n;
    blockIndex_.assign(s.blockIndex, s.blockIndex + 512);
    std::size_t runCount = 0;
    unsigned propertyCount = 0;
    for (unsigned b = 0; b < 512; ++b) {
      std::size_t p = s.blockIndex[b];
      unsigned covered = s.runs[p] & 127;
      propertyCount = std::max(propertyCount, (s.runs[p] >> 7) + 1u);
      while (covered != 0 && covered < 128) {
        ++p;
        covered += s.runs[p] & 127;
        propertyCount = std::max(propertyCount, (s.runs[p] >> 7) + 1u);
      }
      runCount = std::max(runCount, p + 1);
    }
    runs_.assign(s.runs, s.runs + runCount);
    properties_.assign(s.properties, s.properties + propertyCount);
    unsigned numericCount = 1, smallCount = 1;
    for (std::uint32_t w : properties_) {
      numericCount = std::max(numericCount, ((w >> 8) & 0x3F) + 1);
      smallCount = std::max(smallCount, (w & 0xFF) + 1);
    }
    numerics_.assign(s.numerics, s.numerics + 2 * numericCount);
    smallValues_.assign(s.smallValues, s.smallValues + smallCount);
    record_ = {blockIndex_.data(), runs_.data(), properties_.data(), numerics_.data(), smallValues_.data()};
  }
  CopiedCtypeRecord(const CopiedCtypeRecord&) = delete;
  CopiedCtypeRecord& operator=(const CopiedCtypeRecord&) = delete;

  const zv_ctype_impl::StaticStorage* record() const { return &record_; }
  std::size_t runCount() const { return runs_.size(); }
  std::size_t propertyCount() const { return properties_.size(); }
  std::size_t numericCount() const { return numerics_.size() / 2; }
  std::size_t smallValueCount() const { return smallValues_.size(); }

 private:
  std::vector<std::uint16_t> blockIndex_, runs_;
  std::vector<std::uint32_t> properties_;
  std::vector<std::int32_t> numerics_;
  std::vector<std::int16_t> smallValues_;
  zv_ctype_impl::StaticStorage record_{};
};

#endif
