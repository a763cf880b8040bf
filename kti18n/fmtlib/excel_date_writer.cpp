// Writing date patterns as spreadsheet codes: a spreadsheet date code has
// one section whose colour comes first, and every date token has one fixed
// code ("mmmm", "hh", "AM/PM" ...).
#include <algorithm>
#include <memory>

#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/excel_codes.h"
#include "kti18n/fmtlib/excel_string_format.h"
#include "kti18n/fmtlib/predefined_dictionaries.h"

namespace FmtLib {
namespace {

using excel::Item;
using excel::Items;

FmtLibInitExit fmtLibGuard;

bool IsDefaultDate(const Item& i) { return i.token >= TK_DEF_FULL_DATE && i.token <= TK_DEF_INPUT_DATE_TIME; }

// The settings' default format for a default-format token, read from its
// serial text; nothing when the text is missing or unreadable.
Items ExpandDefault(zvFmtTokens token, const zvSettings& settings) {
  const unsigned short* text = settings.GetDefaultFormat(token - TK_DEF_FULL_DATE);
  if (text == nullptr) return {};
  std::unique_ptr<zvStringFormatDate> serial(CreateSerialStringFormatDate());
  zvFmtPattern* raw = nullptr;
  if (serial == nullptr || serial->Parse(ucs2string(text), raw) != 0) {
    delete raw;
    return {};
  }
  std::unique_ptr<zvFmtPattern> read(raw);
  return excel::ItemsOf(*read);
}

bool IsSecondFraction(zvFmtTokens t) {
  return t == TK_MILLISECOND_000 || t == TK_HUNDREDTH_SECOND_00 || t == TK_TENTH_SECOND_0;
}

// A fraction of a second is written with its point (".000"), which a
// spreadsheet needs to see it; date patterns keep that point as literal text
// before the fraction ("ss" "." "000"). The literal gives up its final point
// there, so that "ss.SSS" becomes "ss.000" and not "ss\..000".
std::u16string_view LiteralBefore(const Items& section, std::size_t k) {
  std::u16string_view text = section[k].text;
  if (k + 1 < section.size() && IsSecondFraction(section[k + 1].token) && !text.empty() && text.back() == u'.')
    text.remove_suffix(1);
  return text;
}

}  // namespace

zvExcelStringFormatDate::zvExcelStringFormatDate(izv_ptr<zvSettings>& settings)
    : m_settings(settings), m_imp(settings.get() == nullptr ? nullptr : settings->GetImp()) {
  if (m_imp == nullptr) throw ZVException(ZV_E_INTERNAL);
}

zvExcelStringFormatDate::~zvExcelStringFormatDate() = default;

zvStatus zvExcelStringFormatDate::Parse(const ucs2string&, zvFmtPattern*& pattern) const {
  delete pattern;
  pattern = nullptr;
  return ZV_E_FAIL;
}

bool zvExcelStringFormatDate::Render(const zvFmtPattern& pattern, ucs2string& text) const {
  Items items = excel::ItemsOf(pattern);
  const auto def = std::find_if(items.begin(), items.end(), IsDefaultDate);
  if (def != items.end()) items = ExpandDefault(def->token, *m_settings);
  Items section = excel::SplitSections(items, 1).front();

  ucs2string out;
  zvFmtTokens colour = TK_LITERAL;
  for (const Item& i : section)
    if (IsColorToken(i.token)) colour = i.token;
  if (colour != TK_LITERAL) out += excel::ColorCode(colour);
  for (std::size_t k = 0; k < section.size(); ++k) {
    const Item& i = section[k];
    if (i.IsLiteral()) {
      excel::AppendLiteral(LiteralBefore(section, k), out);
    } else if (const char* code = excel::DateCode(i.token)) {
      out += code;
    }
  }
  text += out;
  return true;
}

}  // namespace FmtLib
