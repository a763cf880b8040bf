#include "kti18n/calendar/tzif_reader.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace eng_tzdb {
namespace {

// A zone file: a 44-byte header with six counts and a data block of 32-bit
// times (version 1); from version 2 on, a second header and data block with
// 64-bit times follow, then a footer "\n<TZ rule>\n" for the times after
// the last transition. Numbers are big-endian.
constexpr std::size_t kHeaderSize = 44;
// Offsets from UTC lie within -25 and +26 hours; anything else is not a
// zone's.
constexpr std::int32_t kMinUtcOffset = -25 * 3600;
constexpr std::int32_t kMaxUtcOffset = 26 * 3600;
// Transitions beyond about 278,000 years from 1970 lie outside every instant
// the engine supports (and would overflow in milliseconds).
constexpr std::int64_t kTimeLimitSeconds = std::int64_t{1} << 43;

// A bounds-checked cursor: every read is preceded by has().
class Bytes {
 public:
  explicit Bytes(std::string_view data) : data_(data) {}
  bool has(std::uint64_t n) const { return n <= data_.size() - pos_; }
  void skip(std::size_t n) { pos_ += n; }
  std::size_t position() const { return pos_; }
  std::string_view rest() const { return data_.substr(pos_); }
  std::uint8_t byte() { return static_cast<std::uint8_t>(data_[pos_++]); }
  std::uint32_t u32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | byte();
    return v;
  }
  std::int64_t i64() {
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = v << 8 | byte();
    return static_cast<std::int64_t>(v);
  }
  std::int64_t time(int size) { return size == 8 ? i64() : static_cast<std::int32_t>(u32()); }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

struct Header {
  char version = 0;
  std::uint32_t isutCount = 0, isstdCount = 0, leapCount = 0, timeCount = 0, typeCount = 0, charCount = 0;

  // The size of the data block that follows, for times of timeSize bytes.
  std::uint64_t blockSize(int timeSize) const {
    return std::uint64_t{timeCount} * (timeSize + 1) + std::uint64_t{typeCount} * 6 + charCount +
           std::uint64_t{leapCount} * (timeSize + 4) + isstdCount + isutCount;
  }
};

// A header, and that its data block (of times of timeSize bytes) is all there.
std::optional<Header> readHeader(Bytes& in, int timeSize) {
  if (!in.has(kHeaderSize) || in.rest().substr(0, 4) != "TZif") return std::nullopt;
  in.skip(4);
  Header h;
  h.version = static_cast<char>(in.byte());
  if (h.version != 0 && (h.version < '2' || h.version > '4')) return std::nullopt;
  in.skip(15);
  h.isutCount = in.u32();
  h.isstdCount = in.u32();
  h.leapCount = in.u32();
  h.timeCount = in.u32();
  h.typeCount = in.u32();
  h.charCount = in.u32();
  // Types are indexed by a byte; every file has at least one type and one
  // abbreviation; the indicator arrays have one entry per type or none.
  if (h.typeCount == 0 || h.typeCount > 256 || h.charCount == 0) return std::nullopt;
  if ((h.isstdCount != 0 && h.isstdCount != h.typeCount) || (h.isutCount != 0 && h.isutCount != h.typeCount))
    return std::nullopt;
  if (!in.has(h.blockSize(timeSize))) return std::nullopt;
  return h;
}

struct LocalType {
  std::int32_t utcOffset;
  bool isDst;
  std::uint8_t nameIndex;
};

struct Block {
  std::vector<std::int64_t> times;
  std::vector<std::uint8_t> typeOf;
  std::vector<LocalType> types;
  std::string_view chars;
};

// The data block after a header (whose size readHeader checked).
std::optional<Block> readBlock(Bytes& in, const Header& h, int timeSize) {
  Block b;
  b.times.reserve(h.timeCount);
  for (std::uint32_t i = 0; i < h.timeCount; ++i) {
    b.times.push_back(in.time(timeSize));
    if (i > 0 && b.times[i] <= b.times[i - 1]) return std::nullopt;
  }
  b.typeOf.reserve(h.timeCount);
  for (std::uint32_t i = 0; i < h.timeCount; ++i) {
    b.typeOf.push_back(in.byte());
    if (b.typeOf.back() >= h.typeCount) return std::nullopt;
  }
  b.types.reserve(h.typeCount);
  for (std::uint32_t i = 0; i < h.typeCount; ++i) {
    const auto offset = static_cast<std::int32_t>(in.u32());
    const std::uint8_t isDst = in.byte(), nameIndex = in.byte();
    if (offset < kMinUtcOffset || offset > kMaxUtcOffset || isDst > 1 || nameIndex >= h.charCount)
      return std::nullopt;
    b.types.push_back({offset, isDst == 1, nameIndex});
  }
  b.chars = in.rest().substr(0, h.charCount);
  in.skip(h.charCount);
  // Every abbreviation ends within the character block.
  for (const LocalType& t : b.types)
    if (b.chars.find('\0', t.nameIndex) == std::string_view::npos) return std::nullopt;
  in.skip(static_cast<std::size_t>(h.leapCount) * (timeSize + 4));
  for (std::uint32_t i = 0; i < h.isstdCount + h.isutCount; ++i)
    if (in.byte() > 1) return std::nullopt;
  return b;
}

// The footer of a version 2+ file: a TZ rule between two newlines, possibly
// empty (no rule).
std::optional<std::optional<eng_host::PosixRuleText>> readFooter(Bytes& in) {
  const std::string_view rest = in.rest();
  if (rest.empty() || rest.front() != '\n') return std::nullopt;
  const std::size_t close = rest.find('\n', 1);
  if (close == std::string_view::npos) return std::nullopt;
  const std::string_view text = rest.substr(1, close - 1);
  if (text.empty()) return std::optional<eng_host::PosixRuleText>();
  auto rule = eng_host::parsePosixRuleText(text);
  if (!rule) return std::nullopt;
  return std::optional<eng_host::PosixRuleText>(std::move(*rule));
}

// The standard offset under a daylight period of the file, which the file
// does not record. The candidates are the standard offset in force before the
// period and the one after it (or the rule's), each where it differs from the
// period's offset. Where a zone changed its standard offset as a daylight
// period began or ended, only one of them is right, and the right one leaves
// a daylight saving of a plausible size: positive and in whole quarter hours.
// So a plausible candidate wins over one that is not, the smaller saving
// between two plausible ones, and the earlier between two implausible ones;
// with no candidate, one hour below the period's offset. Apia's summer of
// 2011-12 thus reads +13 with an hour of daylight time, not -11 with 25,
// while Dublin's summer of 1916 keeps its mean time (-0:25:21) as standard.
// The daylight offset stays non-zero exactly for the periods the file calls
// daylight time.
std::int32_t standardUnder(std::int32_t utcOffset, std::optional<std::int32_t> before,
                           std::optional<std::int32_t> after) {
  if (before == utcOffset) before.reset();
  if (after == utcOffset) after.reset();
  const auto plausible = [utcOffset](std::optional<std::int32_t> standard) {
    return standard && *standard < utcOffset && (utcOffset - *standard) % (15 * 60) == 0;
  };
  if (plausible(before) && plausible(after)) return std::max(*before, *after);
  if (plausible(before)) return *before;
  if (plausible(after)) return *after;
  if (before) return *before;
  if (after) return *after;
  return utcOffset - 3600;
}

std::vector<std::int32_t> rawOffsets(const Block& b, const std::vector<std::uint8_t>& sequence,
                                     const std::optional<eng_host::PosixRuleText>& rule) {
  const std::size_t n = sequence.size();
  std::vector<std::optional<std::int32_t>> nextStandard(n + 1);
  if (rule) nextStandard[n] = rule->stdOffset;
  for (std::size_t k = n; k-- > 0;) {
    const LocalType& t = b.types[sequence[k]];
    nextStandard[k] = t.isDst ? nextStandard[k + 1] : t.utcOffset;
  }
  std::vector<std::int32_t> raw(n);
  std::optional<std::int32_t> lastStandard;
  for (std::size_t k = 0; k < n; ++k) {
    const LocalType& t = b.types[sequence[k]];
    if (!t.isDst) lastStandard = t.utcOffset;
    raw[k] = t.isDst ? standardUnder(t.utcOffset, lastStandard, nextStandard[k + 1]) : t.utcOffset;
  }
  return raw;
}

std::uint16_t addName(ZoneHistory& h, std::string_view name) {
  h.names.emplace_back(name);
  return static_cast<std::uint16_t>(h.names.size() - 1);
}

ZoneHistory buildHistory(const Block& b, const std::optional<eng_host::PosixRuleText>& rule) {
  ZoneHistory h;
  for (const LocalType& t : b.types) h.names.emplace_back(b.chars.substr(t.nameIndex, b.chars.find('\0', t.nameIndex) - t.nameIndex));

  // Before the first transition the first type is in force. Transitions
  // outside the engine's range are folded into that or dropped.
  std::uint8_t initialType = 0;
  std::vector<std::int64_t> kept;
  std::vector<std::uint8_t> sequence;
  for (std::size_t i = 0; i < b.times.size(); ++i) {
    if (b.times[i] < -kTimeLimitSeconds) {
      initialType = b.typeOf[i];
    } else if (b.times[i] <= kTimeLimitSeconds) {
      kept.push_back(b.times[i] * 1000);
      sequence.push_back(b.typeOf[i]);
    }
  }
  sequence.insert(sequence.begin(), initialType);
  const std::vector<std::int32_t> raw = rawOffsets(b, sequence, rule);
  const auto offsetsOf = [&](std::size_t k) {
    const LocalType& t = b.types[sequence[k]];
    return ZoneOffsets{raw[k] * 1000, (t.utcOffset - raw[k]) * 1000, sequence[k]};
  };
  h.initial = offsetsOf(0);
  h.transitions = std::move(kept);
  for (std::size_t k = 1; k < sequence.size(); ++k) h.after.push_back(offsetsOf(k));

  h.minTotal = h.initial.total();
  for (const ZoneOffsets& o : h.after) h.minTotal = std::min(h.minTotal, o.total());
  if (rule) {
    h.rule.emplace(*rule);
    h.ruleStd = {rule->stdOffset * 1000, 0, addName(h, rule->stdName)};
    h.ruleDst = h.ruleStd;
    if (rule->hasDaylight) h.ruleDst = {rule->stdOffset * 1000, (rule->dstOffset - rule->stdOffset) * 1000, addName(h, rule->dstName)};
    h.minTotal = std::min({h.minTotal, h.ruleStd.total(), h.ruleDst.total()});
  }
  h.indexTransitions();
  return h;
}

}  // namespace

std::optional<ZoneHistory> readTzif(std::string_view contents) {
  Bytes in(contents);
  const auto first = readHeader(in, 4);
  if (!first) return std::nullopt;
  if (first->version == 0) {
    if (first->leapCount != 0) return std::nullopt;
    const auto block = readBlock(in, *first, 4);
    if (!block) return std::nullopt;
    return buildHistory(*block, std::nullopt);
  }
  // Version 2 and later: the 32-bit block only repeats part of the 64-bit
  // one and is skipped.
  in.skip(static_cast<std::size_t>(first->blockSize(4)));
  const auto second = readHeader(in, 8);
  if (!second || second->version != first->version || second->leapCount != 0) return std::nullopt;
  const auto block = readBlock(in, *second, 8);
  if (!block) return std::nullopt;
  const auto rule = readFooter(in);
  if (!rule) return std::nullopt;
  return buildHistory(*block, *rule);
}

}  // namespace eng_tzdb
