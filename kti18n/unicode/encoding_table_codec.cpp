// Table-driven codec for single- and double-byte encodings whose rows may map
// one code to several UCS-2 units.
//
// The lookup structures are built from the generated rows on first use:
//  - decoding: per first byte, either a single-byte mapping or (for a lead
//    byte) a 256-entry page indexed by the trail byte;
//  - encoding: a 64K array from a unit to its code for one-unit texts, plus,
//    for units that start a several-unit text, the candidates longest first,
//    so that a base character followed by its variant tag encodes to the code
//    of the pair rather than to the base character's own code.
// Where two codes map to one text, the first row listed wins on encoding;
// where one code maps to two texts, the first listed wins on decoding.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "kti18n/unicode/encoding_codec.h"
#include "kti18n/unicode/encoding_table_codec.h"

namespace zv_encoding_detail {
namespace {

constexpr std::uint16_t kNoCode = 0xFFFF;

// A decoded text: offset into the pool and length; length 0 means unmapped.
struct Text {
  std::uint16_t offset = 0;
  std::uint8_t length = 0;
};

struct Sequence {
  std::vector<unsigned short> units;
  std::uint16_t code;
};

class TableMaps {
 public:
  explicit TableMaps(const EncodingTableData& data) : data_(data), encode_(0x10000, kNoCode) {
    for (std::size_t i = 0; i < data.rowCount; ++i) Add(data.rows[i]);
    for (auto& [first, list] : sequences_)
      std::stable_sort(list.begin(), list.end(),
                       [](const Sequence& a, const Sequence& b) { return a.units.size() > b.units.size(); });
  }

  const unsigned short* pool() const { return data_.pool; }
  bool IsLead(unsigned char b) const { return pageOf_[b] != 0; }
  Text Single(unsigned char b) const { return single_[b]; }
  Text Double(unsigned char lead, unsigned char trail) const { return pages_[pageOf_[lead] - 1][trail]; }
  std::uint16_t EncodeUnit(unsigned short u) const { return encode_[u]; }
  bool StartsSequence(unsigned short u) const { return sequenceStart_[u]; }
  const std::vector<Sequence>& SequencesFrom(unsigned short u) const { return sequences_.at(u); }

 private:
  void Add(const EncodingTableRow& row) {
    Text text{row.offset, row.length};
    if (row.code > 0xFF) {
      unsigned char lead = static_cast<unsigned char>(row.code >> 8);
      if (pageOf_[lead] == 0) {
        pages_.emplace_back();
        pageOf_[lead] = static_cast<std::uint16_t>(pages_.size());
      }
      Text& slot = pages_[pageOf_[lead] - 1][row.code & 0xFF];
      if (slot.length == 0) slot = text;
    } else if (single_[row.code].length == 0) {
      single_[row.code] = text;
    }
    const unsigned short* units = data_.pool + row.offset;
    if (row.length == 1) {
      if (encode_[units[0]] == kNoCode) encode_[units[0]] = row.code;
    } else {
      sequenceStart_[units[0]] = true;
      auto& list = sequences_[units[0]];
      std::vector<unsigned short> seq(units, units + row.length);
      bool known = std::any_of(list.begin(), list.end(), [&](const Sequence& s) { return s.units == seq; });
      if (!known) list.push_back({std::move(seq), row.code});
    }
  }

  const EncodingTableData& data_;
  std::array<Text, 256> single_{};
  std::array<std::uint16_t, 256> pageOf_{};  // 1-based index into pages_, 0: not a lead byte
  std::vector<std::array<Text, 256>> pages_;
  std::vector<std::uint16_t> encode_;
  std::vector<bool> sequenceStart_ = std::vector<bool>(0x10000, false);
  std::unordered_map<unsigned short, std::vector<Sequence>> sequences_;
};

class TableDecoder final : public Decoder {
 public:
  explicit TableDecoder(const TableMaps& maps) : maps_(maps) {}

  void Decode(const unsigned char*& in, const unsigned char* inEnd, unsigned short*& out,
              unsigned short* outEnd) override {
    while (in < inEnd) {
      Text text;
      std::size_t used = 1;
      if (maps_.IsLead(*in)) {
        // A lead byte without a mapped trail is malformed on its own: the
        // trail byte is read again as the start of the next character.
        if (inEnd - in >= 2) {
          text = maps_.Double(in[0], in[1]);
          used = 2;
        }
      } else {
        text = maps_.Single(*in);
      }
      if (text.length == 0) {
        if (out == outEnd) return;
        *out++ = kReplacementChar;
        ++in;
        continue;
      }
      if (outEnd - out < text.length) return;
      out = std::copy_n(maps_.pool() + text.offset, text.length, out);
      in += used;
    }
  }

 private:
  const TableMaps& maps_;
};

class TableEncoder final : public Encoder {
 public:
  explicit TableEncoder(const TableMaps& maps) : maps_(maps) {}

  void Encode(const unsigned short*& in, const unsigned short* inEnd, unsigned char*& out,
              unsigned char* outEnd) override {
    while (in < inEnd) {
      std::size_t used = 1;
      std::uint16_t code = MatchSequence(in, inEnd, used);
      if (code == kNoCode) code = maps_.EncodeUnit(*in);
      if (code == kNoCode) {
        code = kSubstitutionByte;
        // A supplementary character is one character: one substitute.
        if (IsHighSurrogate(in[0]) && inEnd - in >= 2 && IsLowSurrogate(in[1])) used = 2;
      }
      std::size_t width = code > 0xFF ? 2 : 1;
      if (static_cast<std::size_t>(outEnd - out) < width) return;
      if (width == 2) *out++ = static_cast<unsigned char>(code >> 8);
      *out++ = static_cast<unsigned char>(code);
      in += used;
    }
  }

 private:
  std::uint16_t MatchSequence(const unsigned short* in, const unsigned short* inEnd, std::size_t& used) const {
    if (!maps_.StartsSequence(*in)) return kNoCode;
    for (const Sequence& seq : maps_.SequencesFrom(*in)) {
      std::size_t n = seq.units.size();
      if (static_cast<std::size_t>(inEnd - in) >= n && std::equal(seq.units.begin(), seq.units.end(), in)) {
        used = n;
        return seq.code;
      }
    }
    return kNoCode;
  }

  const TableMaps& maps_;
};

class TableCodec final : public Codec {
 public:
  explicit TableCodec(const EncodingTableData* data) : data_(data) {}

  bool Available() const override { return data_ != nullptr; }
  std::unique_ptr<Decoder> NewDecoder() const override {
    return data_ ? std::make_unique<TableDecoder>(Maps()) : nullptr;
  }
  std::unique_ptr<Encoder> NewEncoder() const override {
    return data_ ? std::make_unique<TableEncoder>(Maps()) : nullptr;
  }

 private:
  const TableMaps& Maps() const {
    std::call_once(built_, [this] { maps_ = std::make_unique<TableMaps>(*data_); });
    return *maps_;
  }

  const EncodingTableData* data_;
  mutable std::once_flag built_;
  mutable std::unique_ptr<TableMaps> maps_;
};

}  // namespace

std::unique_ptr<Codec> MakeTableCodec(const char* technicalName) {
  return std::make_unique<TableCodec>(FindEncodingTable(technicalName));
}

}  // namespace zv_encoding_detail
