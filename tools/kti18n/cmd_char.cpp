// kti18n char: the character properties of code units, one line each.
//
//   kti18n char U+00B5 U+0660 é
//
// An argument U+XXXX names one code unit; any other argument is literal
// UTF-8 text, every code unit of which is shown.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "kti18n/base/exception.h"
#include "kti18n/locale/ctype.h"
#include "kti18n/text/ucs2string.h"

namespace {

// The built-in tables, with the property word open for naming categories.
class CharTables : public zv_ctype_impl {
 public:
  std::uint32_t category(unsigned short c) const { return FindProperty(c) & kCategoryMask; }
};

const char* category_name(std::uint32_t category) {
  using I = zv_ctype_impl;
  switch (category) {
    case I::kCc: return "Cc"; case I::kCf: return "Cf"; case I::kZl: return "Zl"; case I::kZp: return "Zp";
    case I::kZs: return "Zs"; case I::kLo: return "Lo"; case I::kLu: return "Lu"; case I::kLl: return "Ll";
    case I::kLt: return "Lt"; case I::kLm: return "Lm"; case I::kNd: return "Nd"; case I::kNl: return "Nl";
    case I::kNo: return "No"; case I::kPo: return "Po"; case I::kPs: return "Ps"; case I::kPe: return "Pe";
    case I::kPc: return "Pc"; case I::kPd: return "Pd"; case I::kPi: return "Pi"; case I::kPf: return "Pf";
    case I::kSo: return "So"; case I::kSm: return "Sm"; case I::kSc: return "Sc"; case I::kSk: return "Sk";
    case I::kMn: return "Mn"; case I::kMc: return "Mc"; case I::kMe: return "Me"; case I::kCo: return "Co";
    case I::kCs: return "Cs"; default: return "Cn";
  }
}

const char* bidi_name(std::uint32_t bidi) {
  using I = zv_ctype_impl;
  switch (bidi) {
    case I::kL: return "L"; case I::kLRE: return "LRE"; case I::kLRO: return "LRO"; case I::kR: return "R";
    case I::kAL: return "AL"; case I::kRLE: return "RLE"; case I::kRLO: return "RLO"; case I::kPDF: return "PDF";
    case I::kEN: return "EN"; case I::kES: return "ES"; case I::kET: return "ET"; case I::kAN: return "AN";
    case I::kCS: return "CS"; case I::kNSM: return "NSM"; case I::kBN: return "BN"; case I::kB: return "B";
    case I::kS: return "S"; case I::kWS: return "WS"; case I::kON: return "ON"; default: return "none";
  }
}

std::string unit_name(unsigned short c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
  return buf;
}

std::string numeric_value(const zv_ctype_impl& ct, unsigned short c) {
  int denominator = 0;
  const int numerator = ct.getnumber(c, denominator);
  if (denominator == 0) return "none";
  std::string s = std::to_string(numerator);
  if (denominator != 1) s += "/" + std::to_string(denominator);
  return s;
}

// The unit itself, when it can stand alone on a terminal line.
std::string glyph(const zv_ctype_impl& ct, unsigned short c) {
  if (!ct.IsGraph(c) || ct.IsSurrogate(c)) return "";
  return ucs2string(&c, 1).to_utf8();
}

void print_unit(const CharTables& ct, unsigned short c) {
  std::cout << unit_name(c) << ' ' << glyph(ct, c) << "\tcategory=" << category_name(ct.category(c))
            << " bidi=" << bidi_name(ct.getbidi(c)) << " space=" << (ct.IsSpace(c) ? "yes" : "no")
            << " mirrored=" << (ct.IsMirroring(c) ? "yes" : "no") << " combining=" << ct.getclass(c)
            << " numeric=" << numeric_value(ct, c) << " upper=" << unit_name(ct.ToUpper(c))
            << " lower=" << unit_name(ct.ToLower(c)) << " title=" << unit_name(ct.totitle(c)) << '\n';
}

bool is_hex(char ch) {
  return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// The code units an argument names; false (with a message) when it names none.
bool units_of(const std::string& arg, std::vector<unsigned short>& units, std::string& error) {
  if (arg.empty()) {
    error = "an empty argument names no character";
    return false;
  }
  if (arg.size() > 2 && (arg[0] == 'U' || arg[0] == 'u') && arg[1] == '+') {
    const std::string digits = arg.substr(2);
    if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), is_hex)) {
      error = "bad code point '" + arg + "' (expected U+ and 1 to 4 hexadecimal digits)";
      return false;
    }
    const unsigned long value = std::stoul(digits, nullptr, 16);
    if (value > 0xFFFF) {
      error = arg + " lies beyond U+FFFF; the tables cover UCS-2 code units";
      return false;
    }
    units.push_back(static_cast<unsigned short>(value));
    return true;
  }
  try {
    const ucs2string text(arg.c_str());
    units.insert(units.end(), text.data(), text.data() + text.length());
  } catch (const ZVException&) {
    // UCS-2 text has no room for characters beyond U+FFFF, which UTF-8
    // writes in four bytes.
    error = "'" + arg + "' is not UTF-8 text of characters up to U+FFFF";
    return false;
  }
  return true;
}

int run(const cli::Args& args) {
  const cli::Options options(args, {}, {});
  if (!options.ok()) return cli::usage_error(options.error());
  if (options.positional().empty()) return cli::usage_error("char needs a code point (U+00B5) or a character");
  std::vector<unsigned short> units;
  for (const auto& arg : options.positional()) {
    std::string error;
    if (!units_of(arg, units, error)) return cli::usage_error(error);
  }
  const CharTables ct;
  for (unsigned short c : units) print_unit(ct, c);
  return 0;
}

// Demo: a few characters of different scripts, and a whole string cased.
void show_characters() {
  std::cout << "Character classes (Unicode 3.0)\n";
  const CharTables ct;
  for (unsigned short c : {0x0041, 0x00B5, 0x0300, 0x0660, 0x00BD, 0x05D0, 0x3000}) {
    std::cout << "  ";
    print_unit(ct, c);
  }
  const ucs2string text = "Straße, Ωμέγα, ǆungla"_u2;
  ucs2string upper, lower;
  zv_toupper(upper, text, zv_locale::classic());
  zv_tolower(lower, text, zv_locale::classic());
  std::cout << "  upper: " << upper << "\n  lower: " << lower << '\n';
}

cli::DemoSection demo(30, show_characters);

cli::Registration reg("char", "show the character properties of code units (U+XXXX or literal text)", run,
    cli::Help{"U+XXXX|TEXT...",
     {},
     {"kti18n char U+00B5 U+0660", "kti18n char 'é1'"}});

}  // namespace
