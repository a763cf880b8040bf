// Codec over the host's iconv, for every encoding that it knows.
//
// The UCS-2 side is iconv's UTF-16LE (our units in host order, no byte-order
// mark; supplementary characters travel as surrogate pairs). iconv stops at
// a malformed or unrepresentable character with EILSEQ (or EINVAL at the end
// of the input); we then write the substitution and go on, which iconv alone
// would not do.
//
// Opening a descriptor loads a conversion module and costs far more than
// converting a short string, so each codec keeps the descriptors it has
// opened in a small pool and hands them out reset to the initial state.
#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "kti18n/base/exception.h"
#include "kti18n/unicode/encoding_codec.h"

namespace zv_encoding_detail {
namespace {

static_assert(std::endian::native == std::endian::little, "the UCS-2 side is opened as UTF-16LE");
constexpr const char* kUnitsName = "UTF-16LE";
const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

[[noreturn]] void ThrowIconvFailure(const char* what, int error) {
  throw ZVException(ZV_E_FAIL, std::string(what) + ": " + std::strerror(error));
}

class DescriptorPool {
 public:
  DescriptorPool(const char* to, const char* from, IconvOpener open) : to_(to), from_(from), open_(open) {}
  DescriptorPool(const DescriptorPool&) = delete;
  DescriptorPool& operator=(const DescriptorPool&) = delete;
  ~DescriptorPool() {
    for (iconv_t cd : idle_) iconv_close(cd);
  }

  // A descriptor in its initial state, or kNoDescriptor.
  iconv_t Take() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (!idle_.empty()) {
        iconv_t cd = idle_.back();
        idle_.pop_back();
        return cd;
      }
    }
    return open_(to_, from_);
  }

  // Why a descriptor could not be had, for the message of the failure.
  std::string Describe() const { return std::string("cannot convert from ") + from_ + " to " + to_; }

  void Give(iconv_t cd) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::lock_guard<std::mutex> lock(mutex_);
    idle_.push_back(cd);
  }

 private:
  const char* to_;
  const char* from_;
  IconvOpener open_;
  std::mutex mutex_;
  std::vector<iconv_t> idle_;
};

// One descriptor, returned to its pool when the owner is destroyed.
class PooledDescriptor {
 public:
  // Throws when no descriptor can be opened (too many open files, no
  // memory): converting without one would turn every byte into U+FFFD, or
  // make no progress at all.
  explicit PooledDescriptor(DescriptorPool& pool) : pool_(pool), cd_(pool.Take()) {
    if (cd_ == kNoDescriptor) {
      const int error = errno;
      ThrowIconvFailure(pool.Describe().c_str(), error);
    }
  }
  PooledDescriptor(const PooledDescriptor&) = delete;
  PooledDescriptor& operator=(const PooledDescriptor&) = delete;
  ~PooledDescriptor() {
    if (cd_ != kNoDescriptor) pool_.Give(cd_);
  }
  iconv_t get() const { return cd_; }

 private:
  DescriptorPool& pool_;
  iconv_t cd_;
};

// ESC, SO and SI steer an ISO-2022 stream (designations and shifts); as
// text they would change what every later byte means.
bool IsStreamControl(unsigned short unit) { return unit == 0x1B || unit == 0x0E || unit == 0x0F; }

class IconvDecoder final : public Decoder {
 public:
  IconvDecoder(DescriptorPool& pool, bool composing, bool escapes)
      : cd_(pool), composing_(composing), escapes_(escapes) {}

  void Decode(const unsigned char*& in, const unsigned char* inEnd, unsigned short*& out,
              unsigned short* outEnd) override {
    while (in < inEnd) {
      char* inPtr = const_cast<char*>(reinterpret_cast<const char*>(in));
      std::size_t inLeft = static_cast<std::size_t>(inEnd - in);
      char* outPtr = reinterpret_cast<char*>(out);
      std::size_t outLeft = static_cast<std::size_t>(outEnd - out) * sizeof(unsigned short);
      std::size_t rc = iconv(cd_.get(), &inPtr, &inLeft, &outPtr, &outLeft);
      int error = errno;
      in = reinterpret_cast<const unsigned char*>(inPtr);
      if (escapes_) ReplaceStreamControls(out, reinterpret_cast<unsigned short*>(outPtr));
      out = reinterpret_cast<unsigned short*>(outPtr);
      if (rc != static_cast<std::size_t>(-1)) return;
      if (error == E2BIG || out == outEnd) return;
      if (error != EILSEQ && error != EINVAL) ThrowIconvFailure("iconv", error);
      // EILSEQ or EINVAL: one replacement for the byte that could not start a
      // character; the next byte may start a good one. A composing decoder
      // first gives up the letter it holds, which comes before the bad byte.
      if (composing_ && (!Finish(out, outEnd) || out == outEnd)) return;
      *out++ = kReplacementChar;
      ++in;
    }
  }

  bool Finish(unsigned short*& out, unsigned short* outEnd) override {
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = static_cast<std::size_t>(outEnd - out) * sizeof(unsigned short);
    if (iconv(cd_.get(), nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return false;
    out = reinterpret_cast<unsigned short*>(outPtr);
    return true;
  }

 private:
  // An escape sequence the decoder does not know comes out as a bare ESC:
  // malformed input, like any other byte that starts no character.
  static void ReplaceStreamControls(unsigned short* from, unsigned short* to) {
    std::replace_if(from, to, IsStreamControl, kReplacementChar);
  }

  PooledDescriptor cd_;
  bool composing_;
  bool escapes_;
};

class IconvEncoder final : public Encoder {
 public:
  IconvEncoder(DescriptorPool& pool, unsigned short substitute, bool escapes)
      : cd_(pool), substitute_(substitute), escapes_(escapes) {}

  // In an ISO-2022 encoding the stream controls cannot stand as text: each
  // is written as the substitute, like a character the encoding lacks.
  void Encode(const unsigned short*& in, const unsigned short* inEnd, unsigned char*& out,
              unsigned char* outEnd) override {
    while (in < inEnd) {
      const unsigned short* textEnd = escapes_ ? std::find_if(in, inEnd, IsStreamControl) : inEnd;
      if (textEnd != in && Convert(in, textEnd, out, outEnd)) {
        if (textEnd == inEnd) return;
        continue;
      }
      if (textEnd == in) errno = EILSEQ;  // a stream control stands first
      if (errno == E2BIG) return;
      if (errno != EILSEQ && errno != EINVAL) ThrowIconvFailure("iconv", errno);
      // EILSEQ: a character the encoding lacks, or a lone surrogate; EINVAL:
      // a high surrogate at the end.
      std::size_t used = IsHighSurrogate(in[0]) && inEnd - in >= 2 && IsLowSurrogate(in[1]) ? 2 : 1;
      const unsigned short* sub = &substitute_;
      // Through iconv, so that a stateful encoding shifts back first.
      if (!Convert(sub, sub + 1, out, outEnd)) {
        if (errno != E2BIG && errno != EILSEQ && errno != EINVAL) ThrowIconvFailure("iconv", errno);
        return;
      }
      in += used;
    }
  }

  bool Finish(unsigned char*& out, unsigned char* outEnd) override {
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = static_cast<std::size_t>(outEnd - out);
    if (iconv(cd_.get(), nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return false;
    out = reinterpret_cast<unsigned char*>(outPtr);
    return true;
  }

 private:
  // True when all of [in, inEnd) was converted; otherwise errno tells why.
  bool Convert(const unsigned short*& in, const unsigned short* inEnd, unsigned char*& out, unsigned char* outEnd) {
    char* inPtr = const_cast<char*>(reinterpret_cast<const char*>(in));
    std::size_t inLeft = static_cast<std::size_t>(inEnd - in) * sizeof(unsigned short);
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = static_cast<std::size_t>(outEnd - out);
    std::size_t rc = iconv(cd_.get(), &inPtr, &inLeft, &outPtr, &outLeft);
    int error = errno;
    in = reinterpret_cast<const unsigned short*>(inPtr);
    out = reinterpret_cast<unsigned char*>(outPtr);
    errno = error;
    return rc != static_cast<std::size_t>(-1);
  }

  PooledDescriptor cd_;
  unsigned short substitute_;
  bool escapes_;
};

class IconvCodec final : public Codec {
 public:
  IconvCodec(const char* name, IconvOpener open)
      : name_(name),
        open_(open),
        composing_(std::strcmp(name, "CP1255") == 0 || std::strcmp(name, "CP1258") == 0),
        substitute_(std::strcmp(name, "UTF-8") == 0 ? kReplacementChar : kSubstitutionByte),
        escapes_(std::strncmp(name, "ISO-2022-", 9) == 0),
        decoders_(kUnitsName, name, open),
        encoders_(name, kUnitsName, open) {}

  bool Available() const override {
    std::call_once(probed_, [this] {
      iconv_t in = open_(kUnitsName, name_);
      iconv_t out = open_(name_, kUnitsName);
      available_ = in != kNoDescriptor && out != kNoDescriptor;
      if (in != kNoDescriptor) decoders_.Give(in);
      if (out != kNoDescriptor) encoders_.Give(out);
    });
    return available_;
  }
  std::unique_ptr<Decoder> NewDecoder() const override {
    return Available() ? std::make_unique<IconvDecoder>(decoders_, composing_, escapes_) : nullptr;
  }
  std::unique_ptr<Encoder> NewEncoder() const override {
    return Available() ? std::make_unique<IconvEncoder>(encoders_, substitute_, escapes_) : nullptr;
  }

 private:
  const char* name_;
  IconvOpener open_;
  // The Hebrew and Vietnamese decoders compose a letter with the accents
  // that follow it, so they hold each letter back until the next byte.
  bool composing_;
  // Towards a form of Unicode, what cannot be encoded (a lone surrogate)
  // becomes U+FFFD; towards a byte encoding, "?".
  unsigned short substitute_;
  bool escapes_;  // an ISO-2022 encoding, steered by ESC, SO and SI
  mutable DescriptorPool decoders_;
  mutable DescriptorPool encoders_;
  mutable std::once_flag probed_;
  mutable bool available_ = false;
};

}  // namespace

std::unique_ptr<Codec> MakeIconvCodec(const char* iconvName, IconvOpener open) {
  return std::make_unique<IconvCodec>(iconvName, open);
}

}  // namespace zv_encoding_detail
