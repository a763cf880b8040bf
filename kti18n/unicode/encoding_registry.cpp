// The encodings the layer knows, and which codec converts each.
//
// Most go through the host's iconv under iconv's own name for the same
// encoding; the ones it lacks use our generated tables, and HZ-GB-2312 its
// own escape scheme around GB2312.
#include <algorithm>
#include <cstring>
#include <strings.h>

#include "kti18n/base/exception.h"
#include "kti18n/unicode/encoding_aliases.h"
#include "kti18n/unicode/encoding_codec.h"
#include "kti18n/unicode/encoding_layer.h"

using namespace zv_encoding_detail;

namespace {

enum class Via { Iconv, Table, Hz };

struct EncodingRow {
  const char* name;      // our technical name
  Via via;
  const char* iconvName; // for Via::Iconv
  unsigned shiftLength;  // its longest return to the initial shift state
};

// Sorted by byte-wise comparison of the technical name.
constexpr EncodingRow kEncodings[] = {
    {"Adobe-Standard-Encoding", Via::Table, nullptr, 0},
    {"Big5", Via::Iconv, "BIG5", 0},
    {"CNS-11643", Via::Iconv, "EUC-TW", 0},
    {"CP1250", Via::Iconv, "CP1250", 0},
    {"CP1251", Via::Iconv, "CP1251", 0},
    {"CP1252", Via::Iconv, "CP1252", 0},
    {"CP1253", Via::Iconv, "CP1253", 0},
    {"CP1254", Via::Iconv, "CP1254", 0},
    {"CP1255", Via::Iconv, "CP1255", 0},
    {"CP1256", Via::Iconv, "CP1256", 0},
    {"CP1257", Via::Iconv, "CP1257", 0},
    {"CP1258", Via::Iconv, "CP1258", 0},
    {"CP437", Via::Iconv, "CP437", 0},
    {"CP850", Via::Iconv, "CP850", 0},
    {"CP852", Via::Iconv, "CP852", 0},
    {"CP855", Via::Iconv, "CP855", 0},
    {"CP857", Via::Iconv, "CP857", 0},
    {"CP860", Via::Iconv, "CP860", 0},
    {"CP861", Via::Iconv, "CP861", 0},
    {"CP862", Via::Iconv, "CP862", 0},
    {"CP865", Via::Iconv, "CP865", 0},
    {"CP866", Via::Iconv, "CP866", 0},
    {"CP869", Via::Iconv, "CP869", 0},
    {"CP874", Via::Iconv, "CP874", 0},
    {"CP932", Via::Iconv, "CP932", 0},
    {"CP936", Via::Iconv, "CP936", 0},
    {"CP949", Via::Iconv, "CP949", 0},
    {"CP950", Via::Iconv, "CP950", 0},
    {"EUC-JP", Via::Iconv, "EUC-JP", 0},
    {"EUC-KR", Via::Iconv, "EUC-KR", 0},
    {"GB2312", Via::Iconv, "EUC-CN", 0},
    {"HZ-GB-2312", Via::Hz, nullptr, 2},
    {"ISO-2022-JP", Via::Iconv, "ISO-2022-JP", 3},
    {"ISO-2022-KR", Via::Iconv, "ISO-2022-KR", 1},
    {"ISO-8859-1", Via::Iconv, "ISO-8859-1", 0},
    {"ISO-8859-14", Via::Iconv, "ISO-8859-14", 0},
    {"ISO-8859-15", Via::Iconv, "ISO-8859-15", 0},
    {"ISO-8859-2", Via::Iconv, "ISO-8859-2", 0},
    {"ISO-8859-3", Via::Iconv, "ISO-8859-3", 0},
    {"ISO-8859-4", Via::Iconv, "ISO-8859-4", 0},
    {"ISO-8859-5", Via::Iconv, "ISO-8859-5", 0},
    {"ISO-8859-6", Via::Iconv, "ISO-8859-6", 0},
    {"ISO-8859-7", Via::Iconv, "ISO-8859-7", 0},
    {"ISO-8859-8", Via::Iconv, "ISO-8859-8", 0},
    {"ISO-8859-9", Via::Iconv, "ISO-8859-9", 0},
    {"MacCentralEuropean", Via::Iconv, "MAC-CENTRALEUROPE", 0},
    {"MacCroatian", Via::Table, nullptr, 0},
    {"MacCyrillic", Via::Iconv, "MAC-CYRILLIC", 0},
    {"MacGreek", Via::Table, nullptr, 0},
    {"MacIcelandic", Via::Iconv, "MAC-IS", 0},
    {"MacJapanese", Via::Table, nullptr, 0},
    {"MacRoman", Via::Iconv, "MACINTOSH", 0},
    {"MacRomanian", Via::Table, nullptr, 0},
    {"MacThai", Via::Table, nullptr, 0},
    {"MacTurkish", Via::Table, nullptr, 0},
    {"MacUkrainian", Via::Iconv, "MAC-UK", 0},
    {"Shift-JIS", Via::Iconv, "SHIFT_JIS", 0},
    {"Thai", Via::Iconv, "ISO-8859-11", 0},
    // Beside the locales' encodings: the text form of Unicode itself.
    {"UTF-8", Via::Iconv, "UTF-8", 0},
};

std::unique_ptr<Codec> MakeCodec(const EncodingRow& row) {
  switch (row.via) {
    case Via::Iconv: return MakeIconvCodec(row.iconvName);
    case Via::Table: return MakeTableCodec(row.name);
    case Via::Hz: return MakeHzCodec();
  }
  return nullptr;
}

}  // namespace

// Builds the encodings once; they live as long as the process, since facets
// of static locales refer to them until the very end.
struct EncodingRegistry {
  std::vector<ExternalEncoding*> all;

  EncodingRegistry() {
    for (const EncodingRow& row : kEncodings) all.push_back(new ExternalEncoding(row.name, row.shiftLength, MakeCodec(row)));
  }

  static const EncodingRegistry& Get() {
    static const EncodingRegistry* registry = new EncodingRegistry;
    return *registry;
  }
};

ExternalEncoding::ExternalEncoding(const char* name, std::size_t shiftLength, std::unique_ptr<Codec> codec)
    : name_(name), shiftLength_(shiftLength), codec_(std::move(codec)) {}

ExternalEncoding::~ExternalEncoding() = default;

const std::vector<ExternalEncoding*>& ExternalEncoding::All() { return EncodingRegistry::Get().all; }

ExternalEncoding* ExternalEncoding::Lookup(const char* name) {
  if (name == nullptr) return nullptr;
  for (ExternalEncoding* encoding : All())
    if (strcasecmp(encoding->name_, name) == 0) return encoding;
  // Then the names people type; the table keeps every technical name's own
  // meaning, so an alias never shadows one.
  const char* technical = zv_encoding_detail::FindEncodingAlias(name);
  if (technical == nullptr) return nullptr;
  for (ExternalEncoding* encoding : All())
    if (std::strcmp(encoding->name_, technical) == 0) return encoding;
  return nullptr;
}

ExternalEncoding& ExternalEncoding::CP1252() {
  static ExternalEncoding* const encoding = Lookup("CP1252");
  return *encoding;
}

ExternalEncoding& ExternalEncoding::Unicode20UTF8() {
  static ExternalEncoding* const encoding = Lookup("UTF-8");
  return *encoding;
}

bool ExternalEncoding::CanConvert() const { return codec_->Available(); }

std::unique_ptr<Decoder> ExternalEncoding::NewDecoder() const {
  auto decoder = codec_->NewDecoder();
  if (!decoder) throw ZVException(ZV_E_UNKNOWN_ENCODING, std::string("no converter for ") + name_);
  return decoder;
}

std::unique_ptr<Encoder> ExternalEncoding::NewEncoder() const {
  auto encoder = codec_->NewEncoder();
  if (!encoder) throw ZVException(ZV_E_UNKNOWN_ENCODING, std::string("no converter for ") + name_);
  return encoder;
}

InternalEncoding& InternalEncoding::Unicode() {
  static InternalEncoding unicode;
  return unicode;
}
