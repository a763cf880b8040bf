// The encodings the layer knows, and which codec converts each.
//
// Most go through the host's iconv under iconv's own name for the same
// encoding; the ones it lacks use our generated tables, and HZ-GB-2312 its
// own escape scheme around GB2312.
#include <algorithm>
#include <cstring>
#include <memory>
#include <strings.h>

#include "kti18n/base/exception.h"
#include "kti18n/unicode/encoding_aliases.h"
#include "kti18n/unicode/encoding_codec.h"
#include "kti18n/unicode/encoding_layer.h"
#include "kti18n/unicode/encoding_names.h"

using namespace zv_encoding_detail;

namespace {

std::unique_ptr<Codec> MakeCodec(const zv_encoding_row& row) {
  switch (row.via) {
    case zv_encoding_via::Iconv: return MakeIconvCodec(row.iconvName);
    case zv_encoding_via::Table: return MakeTableCodec(row.technicalName);
    case zv_encoding_via::Hz: return MakeHzCodec();
  }
  return nullptr;
}

}  // namespace

// Builds the encodings once, on first use; they live as long as the library
// is loaded, since facets of static locales refer to them until its very
// end. The library's own statics free them, so a host that unloads the
// library (or a process that ends) leaves no encoding, codec or iconv
// descriptor behind. Facets only point at encodings: whichever of the two
// goes first at that point, nothing is converted any more.
struct EncodingRegistry {
  std::vector<ExternalEncoding*> all;

  EncodingRegistry() {
    const auto add = [this](const zv_encoding_row& row) {
      std::unique_ptr<ExternalEncoding> encoding(
          new ExternalEncoding(row.technicalName, row.shiftLength, MakeCodec(row)));
      all.push_back(encoding.get());
      encoding.release();
    };
    try {
      for (const zv_encoding_row& row : zv_locale_encodings()) add(row);
      add(zv_utf8_encoding());  // sorts after every locale encoding's name
    } catch (...) {
      Free();
      throw;
    }
  }
  ~EncodingRegistry() { Free(); }
  EncodingRegistry(const EncodingRegistry&) = delete;
  EncodingRegistry& operator=(const EncodingRegistry&) = delete;

  void Free() {
    for (ExternalEncoding* encoding : all) delete encoding;
    all.clear();
  }

  static const EncodingRegistry& Get();
};

namespace {

// Constant-initialised, so it is usable before this file's statics are
// made; destroyed with them.
std::unique_ptr<EncodingRegistry> g_registry;

}  // namespace

const EncodingRegistry& EncodingRegistry::Get() {
  static const EncodingRegistry* const registry = (g_registry = std::make_unique<EncodingRegistry>()).get();
  return *registry;
}

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
