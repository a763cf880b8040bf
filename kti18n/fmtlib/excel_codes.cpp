#include "kti18n/fmtlib/excel_codes.h"

namespace FmtLib::excel {

Items ItemsOf(const zvFmtPattern& pattern) {
  Items items;
  items.reserve(static_cast<std::size_t>(pattern.size()));
  for (const zvToken* t : pattern) {
    if (t->IsLiteral()) {
      const auto* chars = reinterpret_cast<const char16_t*>(t->c_str());
      items.push_back(Literal(chars == nullptr ? std::u16string() : std::u16string(chars, t->length())));
    } else {
      items.push_back(Token(t->Token()));
    }
  }
  return items;
}

void AppendItems(const Items& items, zvFmtPattern& pattern) {
  for (const Item& item : items) {
    if (item.IsLiteral())
      pattern.push_back(ucs2string(item.text.data(), static_cast<ucs2string::size_type>(item.text.size())));
    else
      pattern.push_back(item.token);
  }
}

std::vector<Items> SplitSections(const Items& items, std::size_t maxSections) {
  std::vector<Items> sections(1);
  for (const Item& item : items) {
    if (item.Is(TK_FORMAT_SEPARATOR)) {
      if (sections.size() == maxSections) break;
      sections.emplace_back();
    } else {
      sections.back().push_back(item);
    }
  }
  return sections;
}

const char* NumberCode(zvFmtTokens token) {
  switch (token) {
    case TK_FORMAT_SEPARATOR: return ";";
    case TK_DIGIT: return "#";
    case TK_ZERO: return "0";
    case TK_DECIMAL_SEPARATOR: return ".";
    case TK_GROUPING_SEPARATOR: return ",";
    case TK_EXPONENT_UPPER_PLUS: return "E+";
    case TK_EXPONENT_UPPER_MINUS: return "E-";
    case TK_EXPONENT_LOWER_PLUS: return "e+";
    case TK_EXPONENT_LOWER_MINUS: return "e-";
    case TK_PERCENT:
    case TK_PERCENT_SIGN: return "%";
    case TK_DEF_NUMERIC: return "General";
    default: return nullptr;
  }
}

const char* DateCode(zvFmtTokens token) {
  switch (token) {
    case TK_AMPM: case TK_AMPM_UPPER: case TK_AMPM_LOWER: case TK_AMPM_CAP: return "AM/PM";
    case TK_MONTH_NAME: case TK_MONTH_NAME_UPPER: case TK_MONTH_NAME_LOWER: case TK_MONTH_NAME_CAP: return "mmmm";
    case TK_ABB_MONTH_NAME: case TK_ABB_MONTH_NAME_UPPER: case TK_ABB_MONTH_NAME_LOWER:
    case TK_ABB_MONTH_NAME_CAP: return "mmm";
    case TK_HOUR_00_23: case TK_HOUR_01_12: case TK_HOUR_01_24: case TK_HOUR_00_11: return "hh";
    case TK_HOUR_0_23: case TK_HOUR_1_12: case TK_HOUR_1_24: case TK_HOUR_0_11: return "h";
    case TK_MONTH_01: case TK_MINUTE_00: return "mm";
    case TK_MONTH_1: case TK_MINUTE_0: return "m";
    case TK_SECOND_00: return "ss";
    case TK_SECOND_0: return "s";
    case TK_MILLISECOND_000: return ".000";
    case TK_HUNDREDTH_SECOND_00: return ".00";
    case TK_TENTH_SECOND_0: return ".0";
    case TK_YEAR_0000: return "yyyy";
    case TK_YEAR_00: return "yy";
    case TK_JP_IMP_YEAR_0: return "ggg e";
    case TK_JP_IMP_YEAR: return "e";
    case TK_JP_IMP_YEAR_ENG: return "ge";
    case TK_DAY_NAME: case TK_DAY_NAME_UPPER: case TK_DAY_NAME_LOWER: case TK_DAY_NAME_CAP: return "dddd";
    case TK_ABB_DAY_NAME: case TK_ABB_DAY_NAME_UPPER: case TK_ABB_DAY_NAME_LOWER: case TK_ABB_DAY_NAME_CAP: return "ddd";
    case TK_MONTH_DAY_00: return "dd";
    case TK_MONTH_DAY_0: return "d";
    case TK_DATE_SEPARATOR: return "/";
    case TK_TIME_SEPARATOR: return ":";
    case TK_JP_IMP_PERIOD: return "ggg";
    case TK_JP_IMPERIAL_YEAR_0: return "e";
    case TK_JP_IMPERIAL_YEAR_00: return "ee";
    default: return nullptr;
  }
}

const char* ColorCode(zvFmtTokens colour) {
  switch (colour) {
    case TK_COLOR_BLACK: return "[Black]";
    case TK_COLOR_WHITE: case TK_COLOR_GRAY: return "[White]";
    case TK_COLOR_RED: case TK_COLOR_DARK_RED: return "[Red]";
    case TK_COLOR_GREEN: case TK_COLOR_DARK_GREEN: return "[Green]";
    case TK_COLOR_BLUE: case TK_COLOR_DARK_BLUE: return "[Blue]";
    case TK_COLOR_YELLOW: case TK_COLOR_LIGHT_BROWN: return "[Yellow]";
    case TK_COLOR_MAGENTA: case TK_COLOR_PURPLE: return "[Magenta]";
    case TK_COLOR_CYAN: case TK_COLOR_DARK_CYAN: case TK_COLOR_LIGHT_GRAY: return "[Cyan]";
    default: return nullptr;
  }
}

// A character that would stand alone in quotes (the last one, or one before
// a double quote) is escaped instead, which is shorter.
void AppendLiteral(std::u16string_view text, ucs2string& out) {
  bool open = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'"') {
      if (open) out += u'"';
      open = false;
      out += u"\\\"";
      continue;
    }
    if (open) {
      out += static_cast<unsigned short>(c);
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] != u'"') {
      out += u'"';
      out += static_cast<unsigned short>(c);
      open = true;
    } else {
      out += u'\\';
      out += static_cast<unsigned short>(c);
    }
  }
  if (open) out += u'"';
}

}  // namespace FmtLib::excel
