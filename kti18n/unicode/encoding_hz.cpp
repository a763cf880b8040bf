// HZ-GB-2312: 7-bit text that switches between ASCII and GB2312.
//
// In ASCII mode bytes are ASCII, "~~" is a tilde, "~{" enters GB mode and
// "~" before a line end continues the line (both bytes vanish); any other
// "~" is malformed. In GB mode
// each pair of bytes 0x21-0x7E is a GB2312 row and cell, and "~}" returns to
// ASCII. Our encoder leaves GB mode before every ASCII character (so line
// ends always stand in ASCII mode, as mail transports need) and at the end.
// The decoder also accepts a raw line end in GB mode, as a return to ASCII,
// since writers that forget the "~}" are common.
//
// The GB2312 table itself is read once from the host's EUC-CN codec, whose
// bytes are the row and cell with the high bit set.
#include <array>
#include <mutex>
#include <vector>

#include "kti18n/unicode/encoding_codec.h"

namespace zv_encoding_detail {
namespace {

constexpr int kCells = 94;  // rows and cells run 0x21..0x7E

class Gb2312Table {
 public:
  bool Load() {
    auto codec = MakeIconvCodec("EUC-CN");
    if (!codec->Available()) return false;
    auto decoder = codec->NewDecoder();
    for (int row = 0; row < kCells; ++row) {
      for (int cell = 0; cell < kCells; ++cell) {
        unsigned char bytes[2] = {static_cast<unsigned char>(0xA1 + row), static_cast<unsigned char>(0xA1 + cell)};
        unsigned short units[4];
        const unsigned char* in = bytes;
        unsigned short* out = units;
        decoder->Decode(in, bytes + 2, out, units + 4);
        if (out - units != 1 || units[0] == kReplacementChar) continue;
        unsigned short code = static_cast<unsigned short>((0x21 + row) << 8 | (0x21 + cell));
        toUnicode_[row * kCells + cell] = units[0];
        if (fromUnicode_[units[0]] == 0) fromUnicode_[units[0]] = code;
      }
    }
    return true;
  }

  // 0 when the pair is not a GB2312 character.
  unsigned short Decode(unsigned char hi, unsigned char lo) const {
    if (hi < 0x21 || hi > 0x7E || lo < 0x21 || lo > 0x7E) return 0;
    return toUnicode_[(hi - 0x21) * kCells + (lo - 0x21)];
  }
  // The row/cell pair (high byte first), or 0.
  unsigned short Encode(unsigned short u) const { return fromUnicode_[u]; }

 private:
  std::vector<unsigned short> toUnicode_ = std::vector<unsigned short>(kCells * kCells, 0);
  std::vector<unsigned short> fromUnicode_ = std::vector<unsigned short>(0x10000, 0);
};

class HzDecoder final : public Decoder {
 public:
  explicit HzDecoder(const Gb2312Table& table) : table_(table) {}

  void Decode(const unsigned char*& in, const unsigned char* inEnd, unsigned short*& out,
              unsigned short* outEnd) override {
    while (in < inEnd) {
      if (*in == '~' && inEnd - in >= 2 && Escape(in[1])) {
        in += 2;
        continue;
      }
      if (out == outEnd) return;
      if (!gbMode_ && *in == '~' && inEnd - in >= 2 && in[1] == '~') {
        *out++ = '~';
        in += 2;
        continue;
      }
      if (gbMode_ && *in >= 0x21 && *in <= 0x7E) {
        unsigned short u = inEnd - in >= 2 ? table_.Decode(in[0], in[1]) : 0;
        *out++ = u ? u : kReplacementChar;
        in += u ? 2 : 1;
        continue;
      }
      if (*in == '\n' || *in == '\r') gbMode_ = false;
      // A tilde that starts no escape is malformed, as is any 8-bit byte.
      *out++ = *in < 0x80 && *in != '~' ? *in : kReplacementChar;
      ++in;
    }
  }

 private:
  // Applies "~" followed by c; false when that is no escape.
  bool Escape(unsigned char c) {
    switch (c) {
      case '{': gbMode_ = true; return true;
      case '}': gbMode_ = false; return true;
      case '\n': return !gbMode_;
      default: return false;
    }
  }

  const Gb2312Table& table_;
  bool gbMode_ = false;
};

class HzEncoder final : public Encoder {
 public:
  explicit HzEncoder(const Gb2312Table& table) : table_(table) {}

  void Encode(const unsigned short*& in, const unsigned short* inEnd, unsigned char*& out,
              unsigned char* outEnd) override {
    while (in < inEnd) {
      unsigned short u = *in;
      unsigned short code = u < 0x80 ? 0 : table_.Encode(u);
      std::size_t used = 1;
      if (u >= 0x80 && code == 0) {
        u = kSubstitutionByte;
        if (IsHighSurrogate(in[0]) && inEnd - in >= 2 && IsLowSurrogate(in[1])) used = 2;
      }
      bool toGb = code != 0;
      std::size_t need = (toGb != gbMode_ ? 2 : 0) + (toGb || u == '~' ? 2 : 1);
      if (static_cast<std::size_t>(outEnd - out) < need) return;
      if (toGb != gbMode_) out = Shift(out, toGb);
      if (toGb) {
        *out++ = static_cast<unsigned char>(code >> 8);
        *out++ = static_cast<unsigned char>(code);
      } else {
        if (u == '~') *out++ = '~';
        *out++ = static_cast<unsigned char>(u);
      }
      in += used;
    }
  }

  bool Finish(unsigned char*& out, unsigned char* outEnd) override {
    if (!gbMode_) return true;
    if (outEnd - out < 2) return false;
    out = Shift(out, false);
    return true;
  }

 private:
  unsigned char* Shift(unsigned char* out, bool toGb) {
    *out++ = '~';
    *out++ = toGb ? '{' : '}';
    gbMode_ = toGb;
    return out;
  }

  const Gb2312Table& table_;
  bool gbMode_ = false;
};

class HzCodec final : public Codec {
 public:
  bool Available() const override { return Table() != nullptr; }
  std::unique_ptr<Decoder> NewDecoder() const override {
    const Gb2312Table* table = Table();
    return table ? std::make_unique<HzDecoder>(*table) : nullptr;
  }
  std::unique_ptr<Encoder> NewEncoder() const override {
    const Gb2312Table* table = Table();
    return table ? std::make_unique<HzEncoder>(*table) : nullptr;
  }

 private:
  const Gb2312Table* Table() const {
    std::call_once(loaded_, [this] {
      auto table = std::make_unique<Gb2312Table>();
      if (table->Load()) table_ = std::move(table);
    });
    return table_.get();
  }

  mutable std::once_flag loaded_;
  mutable std::unique_ptr<Gb2312Table> table_;
};

}  // namespace

std::unique_ptr<Codec> MakeHzCodec() { return std::make_unique<HzCodec>(); }

}  // namespace zv_encoding_detail
