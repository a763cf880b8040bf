// The encodings the layer knows, and which codec converts each.
//
// Most go through the host's iconv under iconv's own name for the same
// encoding; the ones it lacks use our generated tables, and HZ-GB-2312 its
// own escape scheme around GB2312.
#include <algorithm>
#include <cstring>
#include <strings.h>

#include "kti18n/base/exception.h"
#include "kti18n/locale/encoding_codec.h"
#include "kti18n/locale/encoding_layer.h"

using namespace zv_encoding_detail;

namespace {

enum class Via { Iconv, Table, Hz };

struct EncodingRow {
  const char* name;      // our technical name
  Via via;
  const char* iconvName; // for Via::Iconv
  bool stateful;         // writes shift sequences
};

// Sorted by byte-wise comparison of the technical name.
constexpr EncodingRow kEncodings[] = {
    {"Adobe-Standard-Encoding", Via::Table, nullptr, false},
    {"Big5", Via::Iconv, "BIG5", false},
    {"CNS-11643", Via::Iconv, "EUC-TW", false},
    {"CP1250", Via::Iconv, "CP1250", false},
    {"CP1251", Via::Iconv, "CP1251", false},
    {"CP1252", Via::Iconv, "CP1252", false},
    {"CP1253", Via::Iconv, "CP1253", false},
    {"CP1254", Via::Iconv, "CP1254", false},
    {"CP1255", Via::Iconv, "CP1255", false},
    {"CP1256", Via::Iconv, "CP1256", false},
    {"CP1257", Via::Iconv, "CP1257", false},
    {"CP1258", Via::Iconv, "CP1258", false},
    {"CP437", Via::Iconv, "CP437", false},
    {"CP850", Via::Iconv, "CP850", false},
    {"CP852", Via::Iconv, "CP852", false},
    {"CP855", Via::Iconv, "CP855", false},
    {"CP857", Via::Iconv, "CP857", false},
    {"CP860", Via::Iconv, "CP860", false},
    {"CP861", Via::Iconv, "CP861", false},
    {"CP862", Via::Iconv, "CP862", false},
    {"CP865", Via::Iconv, "CP865", false},
    {"CP866", Via::Iconv, "CP866", false},
    {"CP869", Via::Iconv, "CP869", false},
    {"CP874", Via::Iconv, "CP874", false},
    {"CP932", Via::Iconv, "CP932", false},
    {"CP936", Via::Iconv, "CP936", false},
    {"CP949", Via::Iconv, "CP949", false},
    {"CP950", Via::Iconv, "CP950", false},
    {"EUC-JP", Via::Iconv, "EUC-JP", false},
    {"EUC-KR", Via::Iconv, "EUC-KR", false},
    {"GB2312", Via::Iconv, "EUC-CN", false},
    {"HZ-GB-2312", Via::Hz, nullptr, true},
    {"ISO-2022-JP", Via::Iconv, "ISO-2022-JP", true},
    {"ISO-2022-KR", Via::Iconv, "ISO-2022-KR", true},
    {"ISO-8859-1", Via::Iconv, "ISO-8859-1", false},
    {"ISO-8859-14", Via::Iconv, "ISO-8859-14", false},
    {"ISO-8859-15", Via::Iconv, "ISO-8859-15", false},
    {"ISO-8859-2", Via::Iconv, "ISO-8859-2", false},
    {"ISO-8859-3", Via::Iconv, "ISO-8859-3", false},
    {"ISO-8859-4", Via::Iconv, "ISO-8859-4", false},
    {"ISO-8859-5", Via::Iconv, "ISO-8859-5", false},
    {"ISO-8859-6", Via::Iconv, "ISO-8859-6", false},
    {"ISO-8859-7", Via::Iconv, "ISO-8859-7", false},
    {"ISO-8859-8", Via::Iconv, "ISO-8859-8", false},
    {"ISO-8859-9", Via::Iconv, "ISO-8859-9", false},
    {"MacCentralEuropean", Via::Iconv, "MAC-CENTRALEUROPE", false},
    {"MacCroatian", Via::Table, nullptr, false},
    {"MacCyrillic", Via::Iconv, "MAC-CYRILLIC", false},
    {"MacGreek", Via::Table, nullptr, false},
    {"MacIcelandic", Via::Iconv, "MAC-IS", false},
    {"MacJapanese", Via::Table, nullptr, false},
    {"MacRoman", Via::Iconv, "MACINTOSH", false},
    {"MacRomanian", Via::Table, nullptr, false},
    {"MacThai", Via::Table, nullptr, false},
    {"MacTurkish", Via::Table, nullptr, false},
    {"MacUkrainian", Via::Iconv, "MAC-UK", false},
    {"Shift-JIS", Via::Iconv, "SHIFT_JIS", false},
    {"Thai", Via::Iconv, "ISO-8859-11", false},
    // Beside the locales' encodings: the text form of Unicode itself.
    {"UTF-8", Via::Iconv, "UTF-8", false},
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
    for (const EncodingRow& row : kEncodings) all.push_back(new ExternalEncoding(row.name, row.stateful, MakeCodec(row)));
  }

  static const EncodingRegistry& Get() {
    static const EncodingRegistry* registry = new EncodingRegistry;
    return *registry;
  }
};

ExternalEncoding::ExternalEncoding(const char* name, bool stateful, std::unique_ptr<Codec> codec)
    : name_(name), stateful_(stateful), codec_(std::move(codec)) {}

ExternalEncoding::~ExternalEncoding() = default;

const std::vector<ExternalEncoding*>& ExternalEncoding::All() { return EncodingRegistry::Get().all; }

ExternalEncoding* ExternalEncoding::Lookup(const char* name) {
  if (name == nullptr) return nullptr;
  for (ExternalEncoding* encoding : All())
    if (strcasecmp(encoding->name_, name) == 0) return encoding;
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
