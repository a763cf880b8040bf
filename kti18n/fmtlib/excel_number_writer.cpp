// Writing number patterns as spreadsheet codes.
//
// A spreadsheet code has at most a positive, a negative and a zero section,
// shows signs, brackets and Boolean words only as literal text, and writes
// digits, separators and exponents in the order "0.00E+00". A pattern is
// therefore reshaped before it is written: default tokens expanded, each
// section cleaned of separators the code cannot place, missing sections
// completed from the positive one, signs and Boolean tokens turned into
// literals, and percent tokens matched to the "%" signs of the literals.
#include <algorithm>
#include <memory>

#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/excel_codes.h"
#include "kti18n/fmtlib/excel_string_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"
#include "kti18n/locale/numpunct.h"

namespace FmtLib {
namespace {

using excel::Item;
using excel::Items;

FmtLibInitExit fmtLibGuard;

constexpr std::size_t kNumberSections = 3;

bool IsDigit(const Item& i) { return i.Is(TK_DIGIT) || i.Is(TK_ZERO); }
bool IsExponent(const Item& i) { return i.token >= TK_EXPONENT_UPPER_PLUS && i.token <= TK_EXPONENT_LOWER_MINUS; }

// The pattern a default number token stands for: General itself, or the
// settings' percent, scientific or Boolean format read from its serial text
// (nothing when the text is missing or unreadable).
Items ExpandDefault(zvFmtTokens token, const zvSettings& settings) {
  if (token == TK_DEF_NUMERIC) return {excel::Token(TK_DEF_NUMERIC)};
  const int kind = token == TK_DEF_PERCENT ? PERCENT : token == TK_DEF_SCIENTIFIC ? SCIENTIFIC : BOOLEAN;
  const unsigned short* text = settings.GetDefaultFormat(kind);
  if (text == nullptr) return {};
  std::unique_ptr<zvStringFormatNumber> serial(CreateSerialStringFormatNumber());
  zvFmtPattern* raw = nullptr;
  if (serial == nullptr || serial->Parse(ucs2string(text), raw) != 0) {
    delete raw;
    return {};
  }
  std::unique_ptr<zvFmtPattern> read(raw);
  Items items = excel::ItemsOf(*read);
  if (items.size() == 1 && items[0].Is(TK_ERROR)) return {};
  return items;
}

// Forward pass: a grouping separator before the first digit, a second
// decimal separator, separators in the fraction and anything but digits
// in the exponent cannot be written.
void CleanForward(Items& s) {
  enum { kStart, kInteger, kFraction, kExponent } state = kStart;
  for (auto it = s.begin(); it != s.end();) {
    const Item& t = *it;
    bool drop = false;
    switch (state) {
      case kStart:
        if (IsDigit(t)) state = kInteger;
        else if (t.Is(TK_DECIMAL_SEPARATOR)) state = kFraction;
        else if (IsExponent(t)) state = kExponent;
        else drop = t.Is(TK_GROUPING_SEPARATOR);
        break;
      case kInteger:
        if (t.Is(TK_DECIMAL_SEPARATOR)) state = kFraction;
        else if (IsExponent(t)) state = kExponent;
        break;
      case kFraction:
        if (IsExponent(t)) state = kExponent;
        else drop = t.Is(TK_DECIMAL_SEPARATOR) || t.Is(TK_GROUPING_SEPARATOR);
        break;
      case kExponent:
        drop = t.Is(TK_SIGN) || t.Is(TK_DECIMAL_SEPARATOR) || t.Is(TK_GROUPING_SEPARATOR) || IsExponent(t) ||
               t.Is(TK_POSITIVE_SIGN);
        break;
    }
    it = drop ? s.erase(it) : it + 1;
  }
}

// Backward pass: a grouping separator after the last digit (which a
// spreadsheet would read as "divide by 1000"), after an exponent's mantissa
// or right before the decimal separator cannot be written either.
void CleanBackward(Items& s) {
  enum { kEnd, kDigits, kMark, kMantissa, kPoint, kDone } state = kEnd;
  for (std::size_t k = s.size(); k-- > 0;) {
    const Item& t = s[k];
    bool drop = false;
    switch (state) {
      case kEnd:
        if (IsDigit(t)) state = kDigits;
        else if (t.Is(TK_DECIMAL_SEPARATOR)) state = kPoint;
        else if (IsExponent(t)) state = kMark;
        else drop = t.Is(TK_GROUPING_SEPARATOR);
        break;
      case kDigits:
        if (t.Is(TK_DECIMAL_SEPARATOR)) state = kPoint;
        else if (IsExponent(t)) state = kMark;
        break;
      case kMark:
        if (IsDigit(t)) state = kMantissa;
        else if (t.Is(TK_DECIMAL_SEPARATOR)) state = kPoint;
        else drop = t.Is(TK_GROUPING_SEPARATOR);
        break;
      case kMantissa:
        if (t.Is(TK_DECIMAL_SEPARATOR)) state = kPoint;
        break;
      case kPoint:
        if (IsDigit(t)) state = kDone;
        else drop = t.Is(TK_GROUPING_SEPARATOR);
        break;
      case kDone:
        break;
    }
    if (drop) s.erase(s.begin() + static_cast<std::ptrdiff_t>(k));
  }
}

bool Holds(const Items& s, zvFmtTokens t) {
  return std::any_of(s.begin(), s.end(), [t](const Item& i) { return i.Is(t); });
}

void Remove(Items& s, std::initializer_list<zvFmtTokens> tokens) {
  std::erase_if(s, [&](const Item& i) { return std::find(tokens.begin(), tokens.end(), i.token) != tokens.end(); });
}

// Missing sections a spreadsheet would not derive by itself: a Boolean
// positive section stands for all three, and a positive section with a
// sign, a plus sign or brackets needs a negative section to show them in.
// A negative section made for the sake of a zero section keeps the minus
// that negative numbers get in the positive section: in a spreadsheet, a
// given negative section shows no sign of its own.
void CompleteSections(std::vector<Items>& sections) {
  sections.resize(kNumberSections);
  Items& positive = sections[0];
  Items& negative = sections[1];
  Items& zero = sections[2];
  if (Holds(positive, TK_BOOL)) {
    if (negative.empty()) negative = positive;
    if (zero.empty()) zero = positive;
  }
  if ((Holds(positive, TK_SIGN) || Holds(positive, TK_NEGATIVE_OPEN) || Holds(positive, TK_NEGATIVE_CLOSE) ||
       Holds(positive, TK_POSITIVE_SIGN)) &&
      negative.empty())
    negative = positive;
  if (!zero.empty() && negative.empty()) {
    negative = positive;
    if (std::any_of(positive.begin(), positive.end(), IsDigit)) negative.insert(negative.begin(), excel::Token(TK_SIGN));
  }
}

// A spreadsheet shows "%" where it stands and multiplies by 100 for each, so
// the "times 100" tokens (which show nothing) take the places of "%" signs
// of the literals; extra ones go to the end.
void ReconcilePercent(Items& s) {
  const auto times = std::count_if(s.begin(), s.end(), [](const Item& i) { return i.Is(TK_PERCENT); });
  const auto signs = std::count_if(s.begin(), s.end(), [](const Item& i) { return i.Is(TK_PERCENT_SIGN); });
  if (signs > 1) {
    bool first = true;
    for (Item& i : s) {
      if (!i.Is(TK_PERCENT_SIGN)) continue;
      if (!first) i = excel::Literal(u"%");
      first = false;
    }
    return;
  }
  if (signs != 0 || times == 0) return;
  Remove(s, {TK_PERCENT});
  auto wanted = times;
  Items out;
  for (const Item& i : s) {
    if (!i.IsLiteral() || wanted == 0 || i.text.find(u'%') == std::u16string::npos) {
      out.push_back(i);
      continue;
    }
    for (char16_t c : i.text) {
      if (c == u'%' && wanted > 0) {
        out.push_back(excel::Token(TK_PERCENT));
        --wanted;
      } else {
        out.push_back(excel::Literal(std::u16string(1, c)));
      }
    }
  }
  out.insert(out.end(), static_cast<std::size_t>(wanted), excel::Token(TK_PERCENT));
  s = std::move(out);
}

void JoinLiterals(Items& s) {
  Items out;
  for (Item& i : s) {
    if (i.IsLiteral() && !out.empty() && out.back().IsLiteral())
      out.back().text += i.text;
    else
      out.push_back(std::move(i));
  }
  s = std::move(out);
}

std::u16string Word(const unsigned short* preferred, const unsigned short* locale) {
  const unsigned short* w = preferred != nullptr ? preferred : locale;
  return w == nullptr ? std::u16string() : std::u16string(reinterpret_cast<const char16_t*>(w));
}

// Signs, brackets and Boolean tokens become literal text; which of them a
// section keeps depends on the section. A plus sign shows the sign of the
// value, so in the negative section it is a minus.
void LiteraliseSection(Items& s, int index, const zvSettingsImp& settings) {
  if (index == 1) {
    for (Item& i : s)
      if (i.Is(TK_POSITIVE_SIGN)) i.token = TK_SIGN;
  } else {
    Remove(s, {TK_SIGN, TK_NEGATIVE_OPEN, TK_NEGATIVE_CLOSE});
  }
  const zvPreferencesImp* prefs = settings.GetPreferences();
  const zv_numpunct& punct = settings.GetNumpunct();
  for (Item& i : s) {
    if (i.Is(TK_BOOL)) i.token = index == 2 ? TK_FALSE : TK_TRUE;
    switch (i.token) {
      case TK_SIGN: i = excel::Literal(u"-"); break;
      case TK_NEGATIVE_OPEN: i = excel::Literal(u"("); break;
      case TK_NEGATIVE_CLOSE: i = excel::Literal(u")"); break;
      case TK_POSITIVE_SIGN: i = excel::Literal(u"+"); break;
      case TK_TRUE:
        i = excel::Literal(Word(prefs && prefs->IsTrue() ? prefs->true_string() : nullptr, punct.true_string()));
        break;
      case TK_FALSE:
        i = excel::Literal(Word(prefs && prefs->IsFalse() ? prefs->false_string() : nullptr, punct.false_string()));
        break;
      default: break;
    }
  }
  ReconcilePercent(s);
  JoinLiterals(s);
}

struct Section {
  Items items;
  zvFmtTokens colour = TK_LITERAL;  // TK_LITERAL: none
};

Section TakeColour(Items items) {
  Section s;
  for (const Item& i : items)
    if (IsColorToken(i.token)) s.colour = i.token;
  std::erase_if(items, [](const Item& i) { return IsColorToken(i.token); });
  s.items = std::move(items);
  return s;
}

void WriteSection(const Section& s, ucs2string& out) {
  if (s.colour != TK_LITERAL) out += excel::ColorCode(s.colour);
  for (const Item& i : s.items) {
    if (i.IsLiteral()) {
      excel::AppendLiteral(i.text, out);
    } else if (const char* code = excel::NumberCode(i.token)) {
      out += code;
    }
  }
}

}  // namespace

zvExcelStringFormatNumber::zvExcelStringFormatNumber(izv_ptr<zvSettings>& settings)
    : m_settings(settings), m_imp(settings.get() == nullptr ? nullptr : settings->GetImp()) {
  if (m_imp == nullptr) throw ZVException(ZV_E_INTERNAL);
}

zvExcelStringFormatNumber::~zvExcelStringFormatNumber() = default;

zvStatus zvExcelStringFormatNumber::Parse(const ucs2string&, zvFmtPattern*& pattern) const {
  delete pattern;
  pattern = nullptr;
  return ZV_E_FAIL;
}

bool zvExcelStringFormatNumber::Render(const zvFmtPattern& pattern, ucs2string& text) const {
  Items items = excel::ItemsOf(pattern);
  const auto def = std::find_if(items.begin(), items.end(),
                                [](const Item& i) { return i.token >= TK_DEF_NUMERIC && i.token <= TK_DEF_BOOLEAN; });
  if (def != items.end()) items = ExpandDefault(def->token, *m_settings);

  std::vector<Section> sections;
  for (Items& raw : excel::SplitSections(items, kNumberSections)) {
    sections.push_back(TakeColour(std::move(raw)));
    CleanForward(sections.back().items);
    CleanBackward(sections.back().items);
  }
  std::vector<Items> bodies;
  for (Section& s : sections) bodies.push_back(std::move(s.items));
  bodies.resize(kNumberSections);
  const bool copied[] = {false, bodies[1].empty(), bodies[2].empty()};
  CompleteSections(bodies);
  // A section made as a copy of the positive one shows in its colour too:
  // the format shows -5 in red for a red "-0", and so must the spreadsheet.
  sections.resize(kNumberSections);
  for (std::size_t k = 1; k < kNumberSections; ++k)
    if (copied[k] && !bodies[k].empty() && sections[k].colour == TK_LITERAL) sections[k].colour = sections[0].colour;
  // A section that shows nothing once its signs are gone still counts as
  // given: a zero section of a lone sign shows nothing for zero, and so does
  // an empty spreadsheet section.
  const bool given[] = {true, !bodies[1].empty(), !bodies[2].empty()};
  for (std::size_t k = 0; k < kNumberSections; ++k) {
    LiteraliseSection(bodies[k], static_cast<int>(k), *m_imp);
    sections[k].items = std::move(bodies[k]);
  }

  ucs2string out;
  WriteSection(sections[0], out);
  const bool zero = given[2];
  if (given[1] || zero) {
    out += u';';
    WriteSection(sections[1], out);
  }
  if (zero) {
    out += u';';
    WriteSection(sections[2], out);
  }
  text += out;
  return true;
}

}  // namespace FmtLib
