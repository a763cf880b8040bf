#include "kti18n/fmtlib/excel_code_scanner.h"

#include <array>
#include <cstdint>

namespace FmtLib::excel {
namespace {

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool EqualsIgnoringCase(std::u16string_view text, std::u16string_view lowerAscii) {
  if (text.size() != lowerAscii.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (Lower(text[i]) != lowerAscii[i]) return false;
  return true;
}

bool StartsIgnoringCase(std::u16string_view text, std::size_t at, std::u16string_view lowerAscii) {
  return text.size() - at >= lowerAscii.size() && EqualsIgnoringCase(text.substr(at, lowerAscii.size()), lowerAscii);
}

// The spreadsheet's eight colour names.
constexpr std::array<std::pair<std::u16string_view, zvFmtTokens>, 8> kColorNames{{
    {u"black", TK_COLOR_BLACK},
    {u"white", TK_COLOR_WHITE},
    {u"red", TK_COLOR_RED},
    {u"green", TK_COLOR_GREEN},
    {u"blue", TK_COLOR_BLUE},
    {u"yellow", TK_COLOR_YELLOW},
    {u"magenta", TK_COLOR_MAGENTA},
    {u"cyan", TK_COLOR_CYAN},
}};

// The spreadsheet's default palette ([Color1] to [Color56]) as RGB. Its
// first sixteen entries are exactly the sixteen colour tokens, in order;
// the others fold onto the nearest of those.
constexpr std::array<std::uint32_t, 56> kPalette{
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

zvFmtTokens NearestColor(std::uint32_t rgb) {
  const auto channel = [](std::uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
  int best = 0;
  long bestDistance = -1;
  for (int k = 0; k < kColorCount; ++k) {
    long d = 0;
    for (int shift : {0, 8, 16}) {
      const long delta = channel(rgb, shift) - channel(kPalette[static_cast<std::size_t>(k)], shift);
      d += delta * delta;
    }
    if (bestDistance < 0 || d < bestDistance) {
      best = k;
      bestDistance = d;
    }
  }
  return static_cast<zvFmtTokens>(TK_FIRST_COLOR + best);
}

// What stands between "[" and "]".
Lexeme Bracketed(std::u16string_view inside) {
  Lexeme lx{Lex::kUnknown, std::u16string(inside), {}};
  for (const auto& [name, token] : kColorNames) {
    if (EqualsIgnoringCase(inside, name)) {
      lx.kind = Lex::kColor;
      lx.token = token;
      return lx;
    }
  }
  if (StartsIgnoringCase(inside, 0, u"color") && inside.size() > 5 && inside.size() <= 7) {
    int n = 0;
    for (char16_t c : inside.substr(5)) {
      if (c < u'0' || c > u'9') return lx;
      n = n * 10 + (c - u'0');
    }
    if (n < 1 || n > 56) return lx;
    lx.kind = Lex::kColor;
    lx.approximate = n > kColorCount;
    lx.token = lx.approximate ? NearestColor(kPalette[static_cast<std::size_t>(n - 1)])
                              : static_cast<zvFmtTokens>(TK_FIRST_COLOR + n - 1);
    return lx;
  }
  if (!inside.empty() && (inside[0] == u'<' || inside[0] == u'>' || inside[0] == u'=')) {
    lx.kind = Lex::kCondition;
    return lx;
  }
  if (!inside.empty() && inside[0] == u'$') {
    const std::u16string_view rest = inside.substr(1);
    const std::size_t dash = rest.find(u'-');
    lx.kind = Lex::kLocale;
    lx.text = std::u16string(rest.substr(0, dash));
    if (dash != std::u16string_view::npos) lx.locale = std::u16string(rest.substr(dash + 1));
    return lx;
  }
  if (!inside.empty()) {
    const char16_t letter = Lower(inside[0]);
    bool same = letter == u'h' || letter == u'm' || letter == u's';
    for (char16_t c : inside) same = same && Lower(c) == letter;
    if (same) {
      lx.kind = Lex::kElapsed;
      lx.letter = letter;
      lx.count = static_cast<int>(inside.size());
    }
  }
  return lx;
}

bool IsDateLetter(char16_t lower) {
  return lower == u'y' || lower == u'm' || lower == u'd' || lower == u'h' || lower == u's' || lower == u'e' ||
         lower == u'g' || lower == u'b';
}

Lexeme Text(std::u16string text) { return Lexeme{Lex::kText, std::move(text), {}}; }
Lexeme Simple(Lex kind) { return Lexeme{kind, {}, {}}; }

}  // namespace

std::optional<std::vector<Lexemes>> ScanExcelCode(const ucs2string& code) {
  const std::u16string_view s(reinterpret_cast<const char16_t*>(code.c_str()), code.length());
  std::vector<Lexemes> sections(1);
  auto emit = [&](Lexeme lx) { sections.back().push_back(std::move(lx)); };
  std::size_t i = 0;
  while (i < s.size()) {
    const char16_t c = s[i];
    const char16_t lower = Lower(c);
    switch (c) {
      case u'"': {
        const std::size_t close = s.find(u'"', i + 1);
        if (close == std::u16string_view::npos) return std::nullopt;
        emit(Text(std::u16string(s.substr(i + 1, close - i - 1))));
        i = close + 1;
        continue;
      }
      case u'\\':
        if (i + 1 >= s.size()) return std::nullopt;
        emit(Text(std::u16string(1, s[i + 1])));
        i += 2;
        continue;
      case u'_':  // a space as wide as the next character: one space here
        emit(Text(u" "));
        i += i + 1 < s.size() ? 2 : 1;
        continue;
      case u'*':  // fill the cell with the next character: nothing in a string
        i += i + 1 < s.size() ? 2 : 1;
        continue;
      case u';':
        sections.emplace_back();
        ++i;
        continue;
      case u'[': {
        const std::size_t close = s.find(u']', i + 1);
        if (close == std::u16string_view::npos) return std::nullopt;
        emit(Bracketed(s.substr(i + 1, close - i - 1)));
        i = close + 1;
        continue;
      }
      case u'0': emit(Simple(Lex::kZero)); ++i; continue;
      case u'#': emit(Simple(Lex::kHash)); ++i; continue;
      case u'?': emit(Simple(Lex::kQuestion)); ++i; continue;
      case u'.': emit(Simple(Lex::kPoint)); ++i; continue;
      case u',': emit(Simple(Lex::kComma)); ++i; continue;
      case u'%': emit(Simple(Lex::kPercent)); ++i; continue;
      case u'/': emit(Simple(Lex::kSlash)); ++i; continue;
      case u':': emit(Simple(Lex::kColon)); ++i; continue;
      case u'@': emit(Simple(Lex::kAt)); ++i; continue;
      default: break;
    }
    if (lower == u'e' && i + 1 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-')) {
      Lexeme lx = Simple(Lex::kExponent);
      const bool plus = s[i + 1] == u'+';
      lx.token = c == u'E' ? (plus ? TK_EXPONENT_UPPER_PLUS : TK_EXPONENT_UPPER_MINUS)
                           : (plus ? TK_EXPONENT_LOWER_PLUS : TK_EXPONENT_LOWER_MINUS);
      emit(std::move(lx));
      i += 2;
      continue;
    }
    if (StartsIgnoringCase(s, i, u"general")) {
      emit(Simple(Lex::kGeneral));
      i += 7;
      continue;
    }
    if (StartsIgnoringCase(s, i, u"am/pm") || StartsIgnoringCase(s, i, u"a/p")) {
      const std::size_t n = StartsIgnoringCase(s, i, u"am/pm") ? 5 : 3;
      emit(Lexeme{Lex::kAmPm, std::u16string(s.substr(i, n)), {}});
      i += n;
      continue;
    }
    if (IsDateLetter(lower)) {
      std::size_t j = i;
      while (j < s.size() && Lower(s[j]) == lower) ++j;
      Lexeme lx = Simple(Lex::kDateLetter);
      lx.letter = lower;
      lx.count = static_cast<int>(j - i);
      emit(std::move(lx));
      i = j;
      continue;
    }
    emit(Text(std::u16string(1, c)));
    ++i;
  }
  return sections;
}

}  // namespace FmtLib::excel
