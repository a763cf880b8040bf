// The spreadsheet string formats: the writers' and readers' factories, and
// the reading entry points.
#include "kti18n/fmtlib/excel_string_format.h"

#include <algorithm>
#include <new>

#include "kti18n/base/exception.h"
#include "kti18n/fmtlib/excel_reader.h"

namespace FmtLib {
namespace {

// A spreadsheet reads at most four sections.
constexpr std::size_t kMaxSections = 4;

// The readers: the writers with a Parse that reads.
class zvExcelReaderNumber final : public zvExcelStringFormatNumber {
 public:
  using zvExcelStringFormatNumber::zvExcelStringFormatNumber;
  zvStatus Parse(const ucs2string& text, zvFmtPattern*& pattern) const override;
};

class zvExcelReaderDate final : public zvExcelStringFormatDate {
 public:
  using zvExcelStringFormatDate::zvExcelStringFormatDate;
  zvStatus Parse(const ucs2string& text, zvFmtPattern*& pattern) const override;
};

zvStatus ParseInto(const ucs2string& text, zvFmtPattern*& pattern, bool date) {
  delete pattern;
  pattern = date ? CreateDateFmtPattern() : CreateNumberFmtPattern();
  if (pattern == nullptr) return ZV_E_FAIL;
  try {
    return ReadExcelFormat(text, *pattern);
  } catch (...) {
    return ZV_E_FAIL;
  }
}

zvStatus zvExcelReaderNumber::Parse(const ucs2string& text, zvFmtPattern*& pattern) const {
  return ParseInto(text, pattern, false);
}

zvStatus zvExcelReaderDate::Parse(const ucs2string& text, zvFmtPattern*& pattern) const {
  return ParseInto(text, pattern, true);
}

// The outer object comes from a no-throw allocation (null when there is no
// memory); every other failure while building becomes 0x8004112D.
template <class Imp>
Imp* Make(izv_ptr<zvSettings>& settings) {
  void* memory = ::operator new(sizeof(Imp), std::nothrow);
  if (memory == nullptr) return nullptr;
  try {
    return new (memory) Imp(settings);
  } catch (...) {
    ::operator delete(memory);
    throw ZVException(ZV_E_INTERNAL);
  }
}

// Neighbouring literals as one ("dddd, mmmm" holds the literal ", "). An
// empty literal stands for an empty section and stays alone.
excel::Items JoinedLiterals(excel::Items items) {
  excel::Items out;
  for (excel::Item& i : items) {
    if (i.IsLiteral() && !i.text.empty() && !out.empty() && out.back().IsLiteral() && !out.back().text.empty())
      out.back().text += i.text;
    else
      out.push_back(std::move(i));
  }
  return out;
}

void MarkUnreadable(zvFmtPattern& out) {
  out.erase(out.begin(), out.end());
  out.push_back(TK_ERROR);
}

}  // namespace

zvStringFormatNumber* CreateExcelSerialStringFormatNumber(izv_ptr<zvSettings>& settings) {
  return Make<zvExcelStringFormatNumber>(settings);
}

zvStringFormatDate* CreateExcelSerialStringFormatDate(izv_ptr<zvSettings>& settings) {
  return Make<zvExcelStringFormatDate>(settings);
}

zvStringFormatNumber* CreateExcelStringFormatNumber(izv_ptr<zvSettings>& settings) {
  return Make<zvExcelReaderNumber>(settings);
}

zvStringFormatDate* CreateExcelStringFormatDate(izv_ptr<zvSettings>& settings) {
  return Make<zvExcelReaderDate>(settings);
}

zvStatus ReadExcelFormat(const ucs2string& code, zvFmtPattern& out, std::uint32_t* approximations) {
  std::uint32_t approx = EXCEL_EXACT;
  if (approximations != nullptr) *approximations = approx;
  out.erase(out.begin(), out.end());
  // An empty code is the spreadsheet's default, General.
  const auto sections = excel::ScanExcelCode(code.empty() && !out.IsDate() ? ucs2string("General") : code);
  if (!sections || sections->size() > kMaxSections) {
    MarkUnreadable(out);
    return 0;
  }
  // A code of the other kind cannot be shown by this kind of pattern.
  const bool dateCode = excel::HoldsDateCode(*sections);
  if (dateCode != out.IsDate()) {
    const bool onlyText = out.IsDate() &&
                          std::none_of(sections->begin(), sections->end(), [](const excel::Lexemes& s) {
                            return std::any_of(s.begin(), s.end(), [](const excel::Lexeme& l) {
                              return l.kind == excel::Lex::kZero || l.kind == excel::Lex::kHash ||
                                     l.kind == excel::Lex::kQuestion || l.kind == excel::Lex::kGeneral;
                            });
                          });
    if (!onlyText) {
      if (approximations != nullptr) *approximations = EXCEL_UNKNOWN_CODE;
      MarkUnreadable(out);
      return 0;
    }
  }
  excel::Items items;
  if (out.IsDate())
    excel::ReadDateSections(*sections, items, approx);
  else
    excel::ReadNumberSections(*sections, items, approx);
  excel::AppendItems(JoinedLiterals(std::move(items)), out);
  if (approximations != nullptr) *approximations = approx;
  return approx == EXCEL_EXACT ? 0 : ZV_S_READ_APPROXIMATELY;
}

bool IsExcelDateCode(const ucs2string& code) {
  const auto sections = excel::ScanExcelCode(code);
  return sections && excel::HoldsDateCode(*sections);
}

std::string DescribeExcelApproximations(std::uint32_t approximations) {
  static constexpr std::pair<std::uint32_t, const char*> kNames[] = {
      {EXCEL_FRACTION, "fraction"},       {EXCEL_CONDITION, "condition"},
      {EXCEL_SCALING, "scaling"},         {EXCEL_ELAPSED, "elapsed time"},
      {EXCEL_LOCALE_TAG, "locale tag"},   {EXCEL_SPACE_DIGIT, "space placeholder"},
      {EXCEL_COLOR, "palette colour"},    {EXCEL_TEXT_SECTION, "text section"},
      {EXCEL_DATE_SECTIONS, "date sections"}, {EXCEL_UNKNOWN_CODE, "unknown code"},
      {EXCEL_NAME_FORM, "name form"},
  };
  std::string out;
  for (const auto& [bit, name] : kNames) {
    if ((approximations & bit) == 0) continue;
    if (!out.empty()) out += ", ";
    out += name;
  }
  return out;
}

}  // namespace FmtLib
