// The encoding-conversion layer: known texts, substitution, malformed input
// and bounded buffers, for every encoding of the table.
#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <string>
#include <vector>

#include "encoding_helpers.h"
#include "kti18n/locale/codecvt.h"

using namespace encoding_test;

namespace {

std::vector<std::string> TableNames() {
  std::vector<std::string> names;
  for (auto* row = zv_codecvt::EncodingNamesBegin(); row != zv_codecvt::EncodingNamesEnd(); ++row)
    names.push_back(row->technicalName);
  return names;
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

TEST(EncodingLayer, EveryTableNameAndUtf8Converts) {
  for (const std::string& name : TableNames()) {
    ExternalEncoding* encoding = ExternalEncoding::Lookup(name.c_str());
    ASSERT_NE(encoding, nullptr) << name;
    EXPECT_STREQ(encoding->Name(), name.c_str());
    EXPECT_TRUE(encoding->CanConvert()) << name;
  }
  EXPECT_TRUE(ExternalEncoding::Unicode20UTF8().CanConvert());
  EXPECT_EQ(ExternalEncoding::All().size(), TableNames().size() + 1);
}

TEST(EncodingLayer, LookupIgnoresCaseAndPunctuation) {
  EXPECT_EQ(ExternalEncoding::Lookup("cp1252"), &ExternalEncoding::CP1252());
  EXPECT_EQ(ExternalEncoding::Lookup("utf-8"), &ExternalEncoding::Unicode20UTF8());
  EXPECT_EQ(ExternalEncoding::Lookup("CP-1252"), &ExternalEncoding::CP1252());  // as people type it
  EXPECT_EQ(ExternalEncoding::Lookup("CP-1253x"), nullptr);
  EXPECT_EQ(ExternalEncoding::Lookup(""), nullptr);
  EXPECT_EQ(ExternalEncoding::Lookup(nullptr), nullptr);
}

struct KnownText {
  const char* encoding;
  std::u16string text;
  Bytes bytes;
};

TEST(EncodingLayer, KnownTextsBothWays) {
  const KnownText cases[] = {
      {"CP1252", u"\u20AC caf\u00E9", "\x80 caf\xE9"},
      {"ISO-8859-15", u"\u20AC", "\xA4"},
      {"UTF-8", u"\u00E9\u65E5\U0001F600", "\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80"},
      {"Shift-JIS", u"\u65E5\u672C", "\x93\xFA\x96\x7B"},
      {"EUC-JP", u"\u65E5\u672C", "\xC6\xFC\xCB\xDC"},
      {"ISO-2022-JP", u"a\u65E5\u672Cb", "a\x1B$BF|K\\\x1B(Bb"},
      {"GB2312", u"\u4E2D\u6587", "\xD6\xD0\xCE\xC4"},
      {"HZ-GB-2312", u"A\u4E2D\u6587~B", "A~{VPND~}~~B"},
      {"Thai", u"\u0E01", "\xA1"},
      {"CNS-11643", u"\u4E00", "\xC4\xA1"},
      {"MacGreek", u"\u0391\u03A9", "\xB0\xBF"},
      {"MacTurkish", u"\u011E", "\xDA"},
      {"MacRomanian", u"\u0218", "\xAF"},
      {"MacCroatian", u"\u0160", "\xA9"},
      {"MacThai", u"\u0E01\u0E48\uF875", "\xA1\x83"},
      {"MacJapanese", u"\u65E5\u2026\uF87F", "\x93\xFA\xFF"},
      {"Adobe-Standard-Encoding", u"A\u2019\u00C6", "A'\xE1"},
  };
  for (const KnownText& c : cases) {
    SCOPED_TRACE(c.encoding);
    EXPECT_EQ(Encode(Encoding(c.encoding), U(c.text)), c.bytes);
    EXPECT_EQ(Decode(Encoding(c.encoding), c.bytes), U(c.text));
  }
}

TEST(EncodingLayer, PreferredBytesWhereTwoCharactersShareACode) {
  // Adobe Standard Encoding gives 0x20 to both spaces; it reads back as the
  // ordinary one.
  const ExternalEncoding& adobe = Encoding("Adobe-Standard-Encoding");
  EXPECT_EQ(Encode(adobe, U(u"\u00A0")), " ");
  EXPECT_EQ(Decode(adobe, " "), U(u" "));
}

TEST(EncodingLayer, ChainsBytesToBytes) {
  Bytes sjis = "\x93\xFA\x96\x7B ok";
  BufferCharSource source(sjis.data(), sjis.data() + sjis.size());
  ExternalEncodingConverter converter(source, Encoding("Shift-JIS"), ExternalEncoding::Unicode20UTF8());
  Bytes utf8;
  StringActor actor(utf8);
  CharSink(actor).Put(converter);
  EXPECT_EQ(utf8, "\xE6\x97\xA5\xE6\x9C\xAC ok");
}

TEST(EncodingLayer, PutConsumesLongTextsWhole) {
  // Several converter chunks, each ending back in ASCII for ISO-2022-JP.
  Units text;
  for (int i = 0; i < 20000; ++i) text.push_back(i % 3 == 0 ? u'x' : 0x65E5);
  for (const char* name : {"ISO-2022-JP", "HZ-GB-2312", "Shift-JIS", "UTF-8", "MacJapanese"}) {
    SCOPED_TRACE(name);
    const ExternalEncoding& encoding = Encoding(name);
    EXPECT_EQ(Decode(encoding, Encode(encoding, text)), text);
  }
}

// The host's iconv as a peer: the whole text in one call, then its return to
// the initial state. Empty when iconv lacks the encoding or a character.
Bytes IconvEncode(const char* name, const Units& units) {
  iconv_t cd = iconv_open(name, "UTF-16LE");
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  Bytes out(units.size() * 8 + 16, '\0');
  char* in = const_cast<char*>(reinterpret_cast<const char*>(units.data()));
  std::size_t inLeft = units.size() * 2;
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  bool whole = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
               iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!whole) return {};
  out.resize(out.size() - outLeft);
  return out;
}

// `count` characters of [first, last] that iconv can write in the encoding,
// cycling through them, with a line end after every 40.
Units RepertoireText(const char* name, unsigned short first, unsigned short last, int count) {
  std::vector<unsigned short> repertoire;
  for (unsigned c = first; c <= last; ++c) {
    if (!IconvEncode(name, {static_cast<unsigned short>(c)}).empty()) repertoire.push_back(static_cast<unsigned short>(c));
  }
  Units text;
  for (int i = 0; !repertoire.empty() && i < count; ++i) {
    text.push_back(repertoire[static_cast<std::size_t>(i) % repertoire.size()]);
    if (i % 40 == 39) text.push_back(u'\n');
  }
  return text;
}

TEST(EncodingLayer, StatefulEncodingsShiftBackOnceAtTheEnd) {
  // Far longer than a converter chunk: the designation is written once per
  // run of double-byte text and the return to ASCII once per line and at
  // the end, as iconv writes them.
  const struct {
    const char* name;
    unsigned short first, last;
  } cases[] = {{"ISO-2022-JP", 0x4E00, 0x7FFF}, {"ISO-2022-KR", 0xAC00, 0xD7A3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Units text = RepertoireText(c.name, c.first, c.last, 20000);
    const Bytes expected = IconvEncode(c.name, text);
    if (expected.empty()) GTEST_SKIP() << "the host's iconv does not write " << c.name;
    EXPECT_TRUE(Encode(Encoding(c.name), text) == expected);
  }
}

TEST(EncodingLayer, HzShiftsBackOnceAtTheEnd) {
  const Units text(20000, 0x4E2D);
  const Bytes bytes = Encode(Encoding("HZ-GB-2312"), text);
  EXPECT_EQ(bytes.substr(0, 2), "~{");
  EXPECT_EQ(bytes.find("~}"), bytes.size() - 2);
  EXPECT_EQ(bytes.size(), 2 + 2 * text.size() + 2);
}

TEST(EncodingLayer, BoundedSinkStopsOnCharacterBoundariesAndResumes) {
  // Small buffers: every piece is complete text, and the pieces together
  // are the whole conversion.
  Units text = U(u"ab\u65E5\u672Ccd\u65E5e");
  for (const char* name : {"Shift-JIS", "ISO-2022-JP", "HZ-GB-2312", "UTF-8"}) {
    SCOPED_TRACE(name);
    const ExternalEncoding& encoding = Encoding(name);
    BufferChar16Source source(text.data(), text.data() + text.size());
    ExternalEncodingConverter converter(source, InternalEncoding::Unicode(), encoding);
    Units decoded;
    bool done = false;
    for (int round = 0; round < 100 && !done; ++round) {
      unsigned char buffer[12];
      BufferCharSink sink(buffer, sizeof buffer);
      done = sink.Put(converter);
      Units piece = Decode(encoding, Bytes(reinterpret_cast<char*>(buffer), sink.Size()));
      decoded.insert(decoded.end(), piece.begin(), piece.end());
    }
    EXPECT_TRUE(done);
    EXPECT_EQ(decoded, text);
  }
}

TEST(EncodingLayer, BufferTooSmallForAShiftedCharacterTakesNothing) {
  // ESC $ B, two bytes, ESC ( B: eight bytes, in buffers of six. Each Put
  // must either take the character or nothing; shifts alone would come
  // back on every try and a caller's loop would never end.
  const Units text = U(u"?\u7272");
  BufferChar16Source source(text.data(), text.data() + text.size());
  ExternalEncodingConverter converter(source, InternalEncoding::Unicode(), Encoding("ISO-2022-JP"));
  unsigned char buffer[6];
  BufferCharSink first(buffer, sizeof buffer);
  EXPECT_FALSE(first.Put(converter));
  EXPECT_EQ(Bytes(reinterpret_cast<char*>(buffer), first.Size()), "?");
  BufferCharSink second(buffer, sizeof buffer);
  EXPECT_FALSE(second.Put(converter));
  EXPECT_EQ(second.Size(), 0u);
  unsigned char room[8];
  BufferCharSink enough(room, sizeof room);
  EXPECT_TRUE(enough.Put(converter));
  EXPECT_EQ(Decode(Encoding("ISO-2022-JP"), Bytes(reinterpret_cast<char*>(room), enough.Size())), U(u"\u7272"));
}

// ESC, SO and SI steer an ISO-2022 stream. An escape sequence the decoder
// does not know is malformed input, not an ESC character, and the encoder
// never writes one as text: either would change the meaning of the bytes
// after it (found by fuzzing: decoding, encoding and decoding again gave
// another text).
TEST(EncodingLayer, Iso2022StreamControlsAreNeverText) {
  for (const char* name : {"ISO-2022-KR", "ISO-2022-JP"}) {
    const ExternalEncoding& e = Encoding(name);
    const Units decoded = Decode(e, Bytes("\x1d\x03\x1b$)\x0e", 6));
    EXPECT_EQ(std::count(decoded.begin(), decoded.end(), 0x1B), 0) << name;
    EXPECT_EQ(Decode(e, Encode(e, U(u"a\u001b$)Cb\u000e\u000fc"))), U(u"a?$)Cb??c")) << name;
    EXPECT_EQ(Decode(e, Encode(e, decoded)).size(), decoded.size()) << name;
  }
}

TEST(EncodingLayer, DecodingStopsBeforeACharacterThatDoesNotFit) {
  Bytes utf8 = "a\xF0\x9F\x98\x80";  // a surrogate pair needs two units
  BufferCharSource source(utf8.data(), utf8.data() + utf8.size());
  InternalEncodingConverter converter(source, ExternalEncoding::Unicode20UTF8(), InternalEncoding::Unicode());
  unsigned short buffer[2];
  BufferChar16Sink sink(buffer, 2);
  EXPECT_FALSE(sink.Put(converter));
  EXPECT_EQ(sink.Size(), 1u);
  EXPECT_EQ(source.Position(), reinterpret_cast<const unsigned char*>(utf8.data()) + 1);
}

TEST(EncodingLayer, Utf8SubstitutesTheReplacementCharacter) {
  const ExternalEncoding& utf8 = ExternalEncoding::Unicode20UTF8();
  Units lone = {'a', 0xD800, 'b', 0xDC00};
  EXPECT_EQ(Encode(utf8, lone), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
  EXPECT_EQ(Decode(utf8, "a\xC3(\xED\xA0\x80"), U(u"a\uFFFD(\uFFFD\uFFFD\uFFFD"));
}

TEST(EncodingLayer, HzEscapesAndLineEnds) {
  const ExternalEncoding& hz = Encoding("HZ-GB-2312");
  // "~" before a line end joins the lines; a line end also leaves GB mode.
  EXPECT_EQ(Decode(hz, "a~\nb"), U(u"ab"));
  EXPECT_EQ(Decode(hz, "~{VP\nVP"), U(u"\u4E2D\nVP"));
  EXPECT_EQ(Decode(hz, "~{VP~}~x"), U(u"\u4E2D\uFFFDx"));
  EXPECT_EQ(Decode(hz, "~{V"), U(u"\uFFFD"));
  EXPECT_EQ(Encode(hz, U(u"\u4E2D\u6587\n\u4E2D")), "~{VPND~}\n~{VP~}");
}

TEST(EncodingLayer, TableEncodingsPreferTheLongestMatch) {
  // Mac OS Thai has a code for a tone mark with a variant tag and another
  // for the bare tone mark.
  const ExternalEncoding& thai = Encoding("MacThai");
  EXPECT_EQ(Encode(thai, U(u"\u0E48\uF875\u0E48")), "\x83\xE8");
  EXPECT_EQ(Encode(thai, U(u"\u0E48")), "\xE8");
  // A lead byte at the very end, and one before a byte that is no trail.
  const ExternalEncoding& japanese = Encoding("MacJapanese");
  EXPECT_EQ(Decode(japanese, "a\x93"), U(u"a\uFFFD"));
  EXPECT_EQ(Decode(japanese, "\x93\x0A" "b"), U(u"\uFFFD\nb"));
}

// ---- Per encoding ----

class EveryEncoding : public testing::TestWithParam<std::string> {
 protected:
  const ExternalEncoding& encoding() const { return Encoding(GetParam().c_str()); }
};

TEST_P(EveryEncoding, UnrepresentableCharactersBecomeQuestionMarks) {
  // A private-use character, a supplementary character and lone surrogates
  // exist in none of the byte encodings: each is one "?".
  Units text = U(u"a\uE801b\U0001F600c\xD800" u"d\xDC00");
  text.push_back(0xD800);  // a high surrogate at the very end
  EXPECT_EQ(Decode(encoding(), Encode(encoding(), text)), U(u"a?b?c?d??"));
}

TEST_P(EveryEncoding, MalformedInputCostsOneCharacterAndNeverTheRest) {
  const Bytes garbage[] = {"\xFF", "\x80", "\x81", "\x8E", "\x8F\xA1", "\xA1", "\x1B$", "\x1B$B\x21", "~", "~{",
                           "\xE0\x80", "\xF0\x9F\x98", "\xC3", "\x0E"};
  // These shift a stateful encoding into its double-byte set, where the rest
  // reads as double-byte characters rather than as ASCII.
  const Bytes shifts[] = {"\x1B$B\x21", "~{", "\x0E"};
  for (const Bytes& bad : garbage) {
    SCOPED_TRACE(testing::PrintToString(bad));
    Units decoded = Decode(encoding(), bad + "\n\ntail\n");
    Units tail = U(u"tail\n");
    ASSERT_GE(decoded.size(), 4u);
    if (std::find(std::begin(shifts), std::end(shifts), bad) == std::end(shifts)) {
      EXPECT_TRUE(std::equal(tail.begin(), tail.end(), decoded.end() - tail.size()));
    }
    // Cut short at the very end: a replacement, nothing read past the end.
    Units cut = Decode(encoding(), "ok" + bad);
    ASSERT_GE(cut.size(), 2u);
    EXPECT_EQ(cut[0], u'o');
    EXPECT_EQ(cut[1], u'k');
  }
}

TEST_P(EveryEncoding, AsciiLettersAndLineEndsPassThrough) {
  Units text = U(u"Hello, World 0123456789\r\n\tend");
  EXPECT_EQ(Decode(encoding(), Encode(encoding(), text)), text);
}

INSTANTIATE_TEST_SUITE_P(Table, EveryEncoding, testing::ValuesIn(TableNames()), TestName);

}  // namespace
