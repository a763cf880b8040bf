// kti18n convert --from NAME --to NAME [--strict]: converts standard input to
// standard output between two encodings of the table, UTF-8, UTF-16 and
// UTF-32. Names may be typed as people write them ("latin1", "windows-1252",
// "UTF-16LE"). The Unicode forms are read and written here, by code point, so
// characters beyond the 16-bit range pass between them whole; the encodings
// of the table go through the conversion layer.
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "kti18n/base/exception.h"
#include "kti18n/unicode/encoding_aliases.h"
#include "kti18n/unicode/encoding_layer.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// A Unicode encoding form: unit width, byte order, and whether the bare name
// (byte order given by a byte order mark) was used.
struct UnicodeForm {
  int width;  // 1, 2 or 4 bytes
  bool bigEndian;
  bool marked;
};

std::optional<UnicodeForm> unicode_form(const std::string& name) {
  const std::string key = zv_encoding_detail::EncodingAliasKey(name.c_str());
  if (key == "utf8") return UnicodeForm{1, false, false};
  if (key == "utf16") return UnicodeForm{2, false, true};
  if (key == "utf16le") return UnicodeForm{2, false, false};
  if (key == "utf16be") return UnicodeForm{2, true, false};
  if (key == "utf32") return UnicodeForm{4, false, true};
  if (key == "utf32le") return UnicodeForm{4, false, false};
  if (key == "utf32be") return UnicodeForm{4, true, false};
  return std::nullopt;
}

std::uint32_t read_unit(const std::string& in, std::size_t at, int width, bool bigEndian) {
  std::uint32_t unit = 0;
  for (int i = 0; i < width; ++i) {
    const std::uint32_t byte = static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]);
    unit |= byte << (8 * (bigEndian ? width - 1 - i : i));
  }
  return unit;
}

void write_unit(std::string& out, std::uint32_t unit, int width, bool bigEndian) {
  for (int i = 0; i < width; ++i) {
    const int shift = 8 * (bigEndian ? width - 1 - i : i);
    out += static_cast<char>((unit >> shift) & 0xFF);
  }
}

// UTF-8, strictly: overlong forms, surrogates and truncated sequences each
// become one U+FFFD.
std::vector<char32_t> decode_utf8(const std::string& in) {
  std::vector<char32_t> out;
  std::size_t i = 0;
  while (i < in.size()) {
    const unsigned char lead = static_cast<unsigned char>(in[i]);
    int length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                 : lead >= 0xF0 && lead < 0xF5                  ? 4 : 0;
    char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    int taken = 1;
    for (; taken < length && i + static_cast<std::size_t>(taken) < in.size(); ++taken) {
      const unsigned char next = static_cast<unsigned char>(in[i + static_cast<std::size_t>(taken)]);
      if ((next & 0xC0) != 0x80) break;
      c = (c << 6) | (next & 0x3F);
    }
    const bool valid = length != 0 && taken == length && !(length == 3 && c < 0x800) &&
                       !(length == 4 && (c < 0x10000 || c > 0x10FFFF)) && !(c >= 0xD800 && c <= 0xDFFF);
    out.push_back(valid ? c : kReplacement);
    i += static_cast<std::size_t>(length == 0 ? 1 : taken);
  }
  return out;
}

void encode_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::vector<char32_t> decode_form(const std::string& in, UnicodeForm form) {
  if (form.width == 1) return decode_utf8(in);
  std::size_t at = 0;
  bool bigEndian = form.bigEndian;
  // The bare names take their byte order from a mark; without one the text
  // is big-endian, as RFC 2781 says.
  if (form.marked) {
    bigEndian = true;
    if (in.size() >= static_cast<std::size_t>(form.width)) {
      if (read_unit(in, 0, form.width, false) == 0xFEFF) {
        bigEndian = false;
        at = static_cast<std::size_t>(form.width);
      } else if (read_unit(in, 0, form.width, true) == 0xFEFF) {
        at = static_cast<std::size_t>(form.width);
      }
    }
  }
  std::vector<char32_t> out;
  const std::size_t width = static_cast<std::size_t>(form.width);
  for (; at + width <= in.size(); at += width) {
    std::uint32_t unit = read_unit(in, at, form.width, bigEndian);
    if (form.width == 4) {
      out.push_back(unit > 0x10FFFF || (unit >= 0xD800 && unit <= 0xDFFF) ? kReplacement : unit);
      continue;
    }
    if (unit >= 0xD800 && unit < 0xDC00 && at + 2 * width <= in.size()) {
      const std::uint32_t low = read_unit(in, at + width, 2, bigEndian);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        out.push_back(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        at += width;
        continue;
      }
    }
    out.push_back(unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
  }
  if (at < in.size()) out.push_back(kReplacement);  // a truncated last unit
  return out;
}

std::string encode_form(const std::vector<char32_t>& text, UnicodeForm form) {
  std::string out;
  if (form.width != 1 && form.marked) write_unit(out, 0xFEFF, form.width, form.bigEndian);
  for (char32_t c : text) {
    if (form.width == 1) {
      encode_utf8(out, c);
    } else if (form.width == 4 || c < 0x10000) {
      write_unit(out, c, form.width, form.bigEndian);
    } else {
      write_unit(out, 0xD800 + ((c - 0x10000) >> 10), 2, form.bigEndian);
      write_unit(out, 0xDC00 + ((c - 0x10000) & 0x3FF), 2, form.bigEndian);
    }
  }
  return out;
}

// The conversion layer's side: bytes to UCS-2 and back.
std::vector<char32_t> decode_table(const std::string& in, const ExternalEncoding& encoding) {
  BufferCharSource bytes(in.data(), in.data() + in.size());
  InternalEncodingConverter converter(bytes, encoding, InternalEncoding::Unicode());
  std::vector<char32_t> out;
  unsigned short buffer[4096];
  while (std::size_t n = converter.Read(buffer, std::size(buffer))) out.insert(out.end(), buffer, buffer + n);
  return out;
}

std::string encode_table(const std::vector<char32_t>& text, const ExternalEncoding& encoding) {
  // Beyond the 16-bit range the layer has no characters: U+FFFD stands in,
  // and the encoder makes it a "?".
  std::vector<unsigned short> units;
  units.reserve(text.size());
  for (char32_t c : text) units.push_back(c < 0x10000 ? static_cast<unsigned short>(c) : 0xFFFD);
  BufferChar16Source source(units.data(), units.data() + units.size());
  ExternalEncodingConverter converter(source, InternalEncoding::Unicode(), encoding);
  std::string out;
  unsigned char buffer[4096];
  while (std::size_t n = converter.Read(buffer, sizeof buffer)) out.append(reinterpret_cast<char*>(buffer), n);
  return out;
}

// An encoding as the command line names it.
struct Endpoint {
  std::optional<UnicodeForm> form;
  const ExternalEncoding* table = nullptr;
};

std::optional<Endpoint> endpoint(const std::string& name) {
  Endpoint e;
  e.form = unicode_form(name);
  if (!e.form) e.table = ExternalEncoding::Lookup(name.c_str());
  if (!e.form && e.table == nullptr) return std::nullopt;
  return e;
}

std::string ReadAll(std::FILE* in) {
  std::string data;
  char buffer[1 << 16];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, in)) data.append(buffer, n);
  return data;
}

std::string code_point(char32_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

// The first character the target cannot hold (1-based), or 0. A character
// is held when it comes back unchanged from the target's bytes; for the
// Unicode forms only what was malformed in the input (U+FFFD) fails.
std::size_t first_unmappable(const std::vector<char32_t>& text, const Endpoint& target, std::string& written) {
  if (target.form) {
    for (std::size_t i = 0; i < text.size(); ++i)
      if (text[i] == kReplacement) return i + 1;
    return 0;
  }
  std::vector<char32_t> back = decode_table(written, *target.table);
  for (std::size_t i = 0; i < text.size(); ++i)
    if (i >= back.size() || back[i] != text[i]) return i + 1;
  return 0;
}

int run(const cli::Args& args) {
  cli::Options options(args, {"from", "to"}, {"strict"});
  if (!options.ok()) return cli::usage_error(options.error());
  if (!options.positional().empty()) return cli::usage_error("convert reads standard input; it takes no file names");
  if (!options.has("from") || !options.has("to")) return cli::usage_error("convert needs --from NAME and --to NAME");
  const std::string from = options.value("from"), to = options.value("to");
  const auto source = endpoint(from);
  const auto target = endpoint(to);
  if (!source) return cli::usage_error("unknown encoding " + from + " (see kti18n encodings)");
  if (!target) return cli::usage_error("unknown encoding " + to + " (see kti18n encodings)");

  const std::string input = ReadAll(stdin);
  if (std::ferror(stdin)) {
    std::cerr << "kti18n: convert: cannot read standard input\n";
    return 1;
  }
  try {
    std::string output;
    if (source->table && target->table && !options.has("strict")) {
      // Straight through the layer: stateful encodings keep their shifts.
      BufferCharSource bytes(input.data(), input.data() + input.size());
      ExternalEncodingConverter converter(bytes, *source->table, *target->table);
      StringActor actor(output);
      CharSink(actor).Put(converter);
    } else {
      const std::vector<char32_t> text = source->form ? decode_form(input, *source->form)
                                                      : decode_table(input, *source->table);
      output = target->form ? encode_form(text, *target->form) : encode_table(text, *target->table);
      if (options.has("strict")) {
        if (const std::size_t at = first_unmappable(text, *target, output)) {
          std::cerr << "kti18n: convert: character " << at << " (" << code_point(text[at - 1]) << ") "
                    << (text[at - 1] == kReplacement ? "is not valid " + from : "has no mapping in " + std::string(target->table ? target->table->Name() : to)) << '\n';
          return 1;
        }
      }
    }
    if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size() || std::fflush(stdout) != 0) {
      std::cerr << "kti18n: convert: cannot write standard output\n";
      return 1;
    }
  } catch (const ZVException& e) {
    std::cerr << "kti18n: convert: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

cli::Registration reg("convert",
                      "--from NAME --to NAME [--strict]: convert standard input to standard output "
                      "(UTF-8, UTF-16, UTF-32 and the encodings of kti18n encodings)",
                      run,
    cli::Help{"--from NAME --to NAME [--strict] < INPUT > OUTPUT",
     {{"--from NAME", "the encoding of standard input: UTF-8, UTF-16[LE|BE], UTF-32[LE|BE] or any of kti18n encodings, "
                      "as people write them (latin1, windows-1252, Shift_JIS)"},
      {"--to NAME", "the encoding to write; UTF-16 and UTF-32 write a byte order mark"},
      {"--strict", "a character the target lacks is an error (exit 1, its position on stderr) instead of \"?\""}},
     {"kti18n convert --from latin1 --to utf8 < old.txt > new.txt",
      "kti18n convert --strict --from UTF-16 --to windows-1252 < report.txt"}});

}  // namespace
