// The encoding-conversion layer: encodings, sources, converters and sinks.
//
// A conversion is a pipeline pulled by its sink:
//
//   BufferCharSource src(bytes, bytesEnd);              // bytes in some encoding
//   InternalEncodingConverter conv(src, external, InternalEncoding::Unicode());
//   Ucs2StringActor actor(text);
//   Char16Sink(actor).Put(conv);                        // all of it, into text
//
// Sources hand out their units in chunks that end on character boundaries;
// a converter is itself a source, so converters chain (bytes to UCS-2 to
// other bytes). Sinks either append to a string through an actor (CharSink,
// Char16Sink: Put always consumes the whole source) or fill a caller's
// buffer (BufferCharSink, BufferChar16Sink: Put stops when the buffer is
// full and says whether the source was used up).
//
// Conversions never fail on text: malformed input becomes U+FFFD, a character
// the target lacks becomes "?" (or U+FFFD towards Unicode). Every chunk a
// converter hands out for a stateful encoding ends back in the initial shift
// state, so a buffer filled by a sink is complete text on its own.
#ifndef KTI18N_LOCALE_ENCODING_LAYER_H
#define KTI18N_LOCALE_ENCODING_LAYER_H

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

class ucs2string;
class zv_utf8string;

namespace zv_encoding_detail {
class Codec;
class Decoder;
class Encoder;
}  // namespace zv_encoding_detail

// A byte encoding known by its technical name.
class ExternalEncoding {
 public:
  ExternalEncoding(const ExternalEncoding&) = delete;
  ExternalEncoding& operator=(const ExternalEncoding&) = delete;
  ~ExternalEncoding();

  static ExternalEncoding& CP1252();
  static ExternalEncoding& Unicode20UTF8();
  // The encoding of a technical name (compared without regard to ASCII
  // case) or of a name people type for it ("latin1", "windows-1252",
  // "Shift_JIS": compared in lower case without punctuation), or null when
  // the layer does not know the name.
  static ExternalEncoding* Lookup(const char* name);
  // Every encoding the layer knows, in the order of their names.
  static const std::vector<ExternalEncoding*>& All();

  const char* Name() const { return name_; }
  // Whether the host provides the conversion (false only for an iconv
  // that lacks the encoding).
  bool CanConvert() const;
  // The longest return to the initial shift state that an encoder writes
  // (0 for a stateless encoding).
  std::size_t MaxShiftLength() const { return shiftLength_; }

  // Throw ZVException 0x80041131 when !CanConvert().
  std::unique_ptr<zv_encoding_detail::Decoder> NewDecoder() const;
  std::unique_ptr<zv_encoding_detail::Encoder> NewEncoder() const;

 private:
  friend struct EncodingRegistry;
  ExternalEncoding(const char* name, std::size_t shiftLength, std::unique_ptr<zv_encoding_detail::Codec> codec);

  const char* name_;
  std::size_t shiftLength_;
  std::unique_ptr<zv_encoding_detail::Codec> codec_;
};

// The encoding of the UCS-2 side: there is one.
class InternalEncoding {
 public:
  static InternalEncoding& Unicode();
  const char* Name() const { return "UCS-2"; }

 private:
  InternalEncoding() = default;
};

// A source of units, read in chunks.
template <class Unit>
class EncodingSource {
 public:
  virtual ~EncodingSource() = default;
  // The next units, empty only at the end; valid until the next call. A
  // chunk ends on a character boundary.
  virtual std::span<const Unit> Peek() = 0;
  // Marks the first n units of the last chunk as read.
  virtual void Consume(std::size_t n) = 0;
  // Moves up to cap units into dst, whole characters only; 0 at the end or
  // when the next character does not fit.
  virtual std::size_t Read(Unit* dst, std::size_t cap);
  // True when nothing more will come. Unlike Peek, it converts nothing ahead.
  virtual bool Exhausted() { return Peek().empty(); }
};

using CharSource = EncodingSource<unsigned char>;
using Char16Source = EncodingSource<unsigned short>;

// A caller's range, not copied: it must outlive the source.
template <class Unit>
class BufferSource : public EncodingSource<Unit> {
 public:
  BufferSource(const Unit* first, const Unit* last) : next_(first), last_(last < first ? first : last) {}
  std::span<const Unit> Peek() override { return {next_, last_}; }
  void Consume(std::size_t n) override { next_ += n; }
  bool Exhausted() override { return next_ == last_; }
  // The first unit not read yet.
  const Unit* Position() const { return next_; }

 private:
  const Unit* next_;
  const Unit* last_;
};

class BufferCharSource : public BufferSource<unsigned char> {
 public:
  BufferCharSource(const unsigned char* first, const unsigned char* last) : BufferSource(first, last) {}
  BufferCharSource(const char* first, const char* last)
      : BufferSource(reinterpret_cast<const unsigned char*>(first), reinterpret_cast<const unsigned char*>(last)) {}
};

class BufferChar16Source : public BufferSource<unsigned short> {
 public:
  BufferChar16Source(const unsigned short* first, const unsigned short* last) : BufferSource(first, last) {}
};

// Bytes to UCS-2.
class InternalEncodingConverter : public Char16Source {
 public:
  InternalEncodingConverter(CharSource& source, const ExternalEncoding& external, const InternalEncoding& internal);
  ~InternalEncodingConverter() override;
  std::span<const unsigned short> Peek() override;
  void Consume(std::size_t n) override;
  std::size_t Read(unsigned short* dst, std::size_t cap) override;
  bool Exhausted() override { return finished_ && chunkRead_ == chunk_.size(); }

 private:
  std::size_t Convert(unsigned short* dst, std::size_t cap);

  CharSource& source_;
  std::unique_ptr<zv_encoding_detail::Decoder> decoder_;
  bool finished_ = false;
  std::vector<unsigned short> chunk_;
  std::size_t chunkRead_ = 0;
};

// UCS-2 to bytes; or bytes in one encoding to bytes in another, through UCS-2.
class ExternalEncodingConverter : public CharSource {
 public:
  ExternalEncodingConverter(Char16Source& source, const InternalEncoding& internal, const ExternalEncoding& external);
  ExternalEncodingConverter(CharSource& source, const ExternalEncoding& from, const ExternalEncoding& to);
  ~ExternalEncodingConverter() override;
  std::span<const unsigned char> Peek() override;
  void Consume(std::size_t n) override;
  std::size_t Read(unsigned char* dst, std::size_t cap) override;
  bool Exhausted() override { return finished_ && chunkRead_ == chunk_.size(); }

 private:
  // callerBuffer: dst is the caller's own buffer (Read), not a chunk (Peek).
  std::size_t Convert(unsigned char* dst, std::size_t cap, bool callerBuffer);

  std::unique_ptr<InternalEncodingConverter> decoded_;  // the bytes-to-bytes form
  Char16Source& source_;
  std::unique_ptr<zv_encoding_detail::Encoder> encoder_;
  std::size_t shiftReserve_;
  bool finished_ = false;
  std::vector<unsigned char> chunk_;
  std::size_t chunkRead_ = 0;
};

// Receives the output of a CharSink or Char16Sink. The actors below append
// to a string; an actor given units of the wrong width throws 0x8004112D.
// A sink calls Flush once at the end of each Put, and Discard instead when
// the Put fails: an actor may collect what Act gives and write it only then.
class UnicodeLibActor {
 public:
  virtual ~UnicodeLibActor() = default;
  virtual void Act(const unsigned char* bytes, std::size_t n);
  virtual void Act(const unsigned short* units, std::size_t n);
  virtual void Flush() {}
  virtual void Discard() noexcept {}
};

class StringActor final : public UnicodeLibActor {
 public:
  explicit StringActor(std::string& out) : out_(out) {}
  void Act(const unsigned char* bytes, std::size_t n) override;

 private:
  std::string& out_;
};

// ucs2string and zv_utf8string have no capacity (a block's size follows
// from the length), so appending each chunk would copy the whole text again
// every time. These actors collect the chunks in a growing buffer and
// append them to the string once, when the sink flushes.
class Ucs2StringActor final : public UnicodeLibActor {
 public:
  explicit Ucs2StringActor(ucs2string& out) : out_(out) {}
  void Act(const unsigned short* units, std::size_t n) override;
  void Flush() override;
  void Discard() noexcept override { pending_.clear(); }

 private:
  ucs2string& out_;
  std::vector<unsigned short> pending_;
};

class Utf8StringActor final : public UnicodeLibActor {
 public:
  explicit Utf8StringActor(zv_utf8string& out) : out_(out) {}
  void Act(const unsigned char* bytes, std::size_t n) override;
  void Flush() override;
  void Discard() noexcept override { pending_.clear(); }

 private:
  zv_utf8string& out_;
  std::vector<unsigned char> pending_;
};

// Sinks that hand everything to an actor: Put reads the source to its end
// and flushes the actor; a Put that fails (throws) appends nothing.
class CharSink {
 public:
  explicit CharSink(UnicodeLibActor& actor) : actor_(actor) {}
  void Put(CharSource& source);

 private:
  UnicodeLibActor& actor_;
};

class Char16Sink {
 public:
  explicit Char16Sink(UnicodeLibActor& actor) : actor_(actor) {}
  void Put(Char16Source& source);

 private:
  UnicodeLibActor& actor_;
};

// A sink over a caller's buffer. Put fills the buffer from where the last Put
// stopped and returns true when the source was used up, false when the
// buffer filled first (the rest of the source stays unread).
template <class Unit>
class BufferSink {
 public:
  BufferSink(Unit* buffer, std::size_t size) : buffer_(buffer), size_(size) {}
  bool Put(EncodingSource<Unit>& source) {
    while (std::size_t n = source.Read(buffer_ + used_, size_ - used_)) used_ += n;
    return source.Exhausted();
  }
  // Output goes straight into the buffer: there is nothing to flush.
  void Flush() {}
  std::size_t Size() const { return used_; }

 private:
  Unit* buffer_;
  std::size_t size_;
  std::size_t used_ = 0;
};

using BufferCharSink = BufferSink<unsigned char>;
using BufferChar16Sink = BufferSink<unsigned short>;

#endif
