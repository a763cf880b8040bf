// Printing a date-time value with a strftime-like pattern.
//
// "%" starts a directive, unless it is the pattern's last unit. After it: an
// optional "#" (numbers lose their own zero fill and width), an optional "-"
// (left-align) or "0" (fill with "0"), an optional decimal field width, and
// the directive letter. The directive's text is built first and then
// appended as a field of that width (0 or none: the text's own width).
//
//   A a  weekday name, full / abbreviated     B b  month name
//   C    century                              c    date pattern, space, time pattern
//   D    %m/%d/%y                             d e  day of month (zero / space filled)
//   E    era year (4 digits)                  f    %s %P below year 1000, else %s
//   H I  hour 00-23 / 01-12                   k l  the same, space filled
//   j    day of the year (3 digits)           M m  minute / month
//   n t  line feed / tab                      P p  era name / AM-PM marker
//   q    milliseconds (3 digits)              r    %I:%M:%S %p
//   S    second                               s    year counted in its era (1 BC is 1)
//   T    %H:%M:%S                             U W  week of the year from Sunday / Monday
//   w    weekday, 0 Sunday                    X x  time / date pattern
//   Y    year, 1 BC written -1                y    year mod 100
//   Z    nothing                              other: the letter itself ("%%" is "%")
#include <algorithm>
#include <cmath>
#include <ostream>

#include "kti18n/locale/ctime.h"
#include "kti18n/locale/ucs2_literal.h"
#include "kti18n/text/utf8string.h"
#include "kti18n/time/date_time.h"

namespace {

// Every field of the value, computed once per Print.
struct Broken {
  int year, month, day, hour, minute, second, millisecond;
  int yearDay, mondayWeekday, sundayWeekday;
  int sundayWeek, mondayWeek;
};

// Locale patterns may name other patterns (%c, %x); a pattern that names
// itself must not recurse without end.
constexpr int kMaxPatternDepth = 4;
// Widths beyond this are read as this: a field is never wider.
constexpr int kMaxFieldWidth = 10000;

class Printer {
 public:
  Printer(const Broken& b, const zv_ctime& names, ucs2string_formatter& out) : b_(b), names_(names), out_(out) {}

  void Run(const unsigned short* pattern, int depth) {
    if (pattern == nullptr || depth > kMaxPatternDepth) return;
    for (const unsigned short* p = pattern; *p != 0; ++p) {
      if (*p != u'%' || p[1] == 0) {
        out_.append(*p);
        continue;
      }
      p = Directive(p + 1, depth);
    }
  }

 private:
  struct Field {
    bool natural = false;  // "#"
    int alignment = ucs2string_formatter::kRight;
    unsigned short fill = u' ';
    int width = 0;
  };

  // Reads the modifiers and the letter at p; returns the letter's position.
  const unsigned short* Directive(const unsigned short* p, int depth) {
    Field field;
    if (*p == u'#') {
      field.natural = true;
      ++p;
    }
    if (*p == u'-') {
      field.alignment = ucs2string_formatter::kLeft;
      ++p;
    } else if (*p == u'0') {
      field.fill = u'0';
      ++p;
    }
    while (*p >= u'0' && *p <= u'9') {
      field.width = std::min(field.width * 10 + (*p - u'0'), kMaxFieldWidth);
      ++p;
    }
    if (*p == 0) return p - 1;  // modifiers without a letter: nothing more to print
    ucs2string_formatter text;
    Text(*p, field.natural, text, depth);
    if (field.width == 0)
      out_.append(text);
    else
      out_.append_formatted(text.data(), text.length(), field.width, field.alignment, field.fill);
    return p;
  }

  // The value in decimal, its sign first, zero- or space-filled on the
  // left to width units; "#" drops the filling.
  static void Number(ucs2string_formatter& text, long value, int width, unsigned short fill, bool natural) {
    unsigned short digits[24];
    int n = 0;
    unsigned long magnitude = value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
      digits[n++] = static_cast<unsigned short>(u'0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    const int used = n + (value < 0 ? 1 : 0);
    const int pad = natural || width <= used ? 0 : width - used;
    if (fill == u' ') text.append(static_cast<unsigned>(pad), u' ');
    if (value < 0) text.append(u'-');
    if (fill != u' ') text.append(static_cast<unsigned>(pad), fill);
    while (n > 0) text.append(digits[--n]);
  }

  void Nested(ucs2string_formatter& text, const unsigned short* pattern, int depth) {
    Printer(b_, names_, text).Run(pattern, depth + 1);
  }

  static void Append(ucs2string_formatter& text, const unsigned short* s) {
    if (s == nullptr) return;
    unsigned n = 0;
    while (s[n] != 0) ++n;
    text.append(s, n);
  }

  void Text(unsigned short letter, bool natural, ucs2string_formatter& text, int depth) {
    const int hour12 = b_.hour % 12 == 0 ? 12 : b_.hour % 12;
    switch (letter) {
      case u'A': Append(text, names_.GetNameOfDay(b_.mondayWeekday)); break;
      case u'a': Append(text, names_.GetShortNameOfDay(b_.mondayWeekday)); break;
      case u'B': Append(text, names_.GetNameOfMonth(b_.month)); break;
      case u'b': Append(text, names_.GetShortNameOfMonth(b_.month)); break;
      case u'C': Number(text, b_.year > 0 ? b_.year / 100 : (b_.year - 1) / 100, 2, u'0', natural); break;
      case u'c':
        Nested(text, names_.GetDefaultDateFormat(), depth);
        text.append(u' ');
        Nested(text, names_.GetDefaultTimeFormat(), depth);
        break;
      case u'D': Nested(text, u"%m/%d/%y"_ucs2, depth); break;
      case u'd': Number(text, b_.day, 2, u'0', natural); break;
      case u'E': Number(text, names_.FindEraYear(b_.year), 4, u'0', natural); break;
      case u'e': Number(text, b_.day, 2, u' ', natural); break;
      case u'f': Nested(text, b_.year < 1000 ? u"%s %P"_ucs2 : u"%s"_ucs2, depth); break;
      case u'H': Number(text, b_.hour, 2, u'0', natural); break;
      case u'I': Number(text, hour12, 2, u'0', natural); break;
      case u'j': Number(text, b_.yearDay, 3, u'0', natural); break;
      case u'k': Number(text, b_.hour, 2, u' ', natural); break;
      case u'l': Number(text, hour12, 2, u' ', natural); break;
      case u'M': Number(text, b_.minute, 2, u'0', natural); break;
      case u'm': Number(text, b_.month, 2, u'0', natural); break;
      case u'n': text.append(u'\n'); break;
      case u'P': Append(text, names_.FindEra(b_.year, nullptr)); break;
      case u'p': Append(text, names_.GetAmPm(b_.hour < 12 ? 0 : 1)); break;
      case u'q': Number(text, b_.millisecond, 3, u'0', natural); break;
      case u'r': Nested(text, u"%I:%M:%S %p"_ucs2, depth); break;
      case u'S': Number(text, b_.second, 2, u'0', natural); break;
      // Counted as the era counts it, so that "%s %P" reads "44 B.C.".
      case u's': Number(text, b_.year >= 1 ? b_.year : 1 - b_.year, 1, u'0', natural); break;
      case u'T': Nested(text, u"%H:%M:%S"_ucs2, depth); break;
      case u't': text.append(u'\t'); break;
      case u'U': Number(text, b_.sundayWeek, 2, u'0', natural); break;
      case u'W': Number(text, b_.mondayWeek, 2, u'0', natural); break;
      case u'w': Number(text, b_.sundayWeekday, 1, u'0', natural); break;
      case u'X': Nested(text, names_.GetDefaultTimeFormat(), depth); break;
      case u'x': Nested(text, names_.GetDefaultDateFormat(), depth); break;
      case u'Y': Number(text, b_.year >= 1 ? b_.year : b_.year - 1, 1, u'0', natural); break;
      case u'y': Number(text, ((b_.year % 100) + 100) % 100, 2, u'0', natural); break;
      case u'Z': break;
      default: text.append(letter); break;
    }
  }

  const Broken& b_;
  const zv_ctime& names_;
  ucs2string_formatter& out_;
};

}  // namespace

void zv_date_time::Print(ucs2string_formatter& out, const unsigned short* pattern, const zv_locale& locale) const {
  const zv_ctime& names = zv_use_facet<zv_ctime>(locale);
  if (IsNull() || pattern == nullptr) return;
  Broken b{};
  Ymd(b.year, b.month, b.day);
  Hmsms(b.hour, b.minute, b.second, b.millisecond);
  b.yearDay = YearDay();
  b.mondayWeekday = WeekDay(0);
  b.sundayWeekday = WeekDay(6);
  b.mondayWeek = YearWeek(0);
  b.sundayWeek = YearWeek(6);
  Printer(b, names, out).Run(pattern, 0);
}

void zv_date_time::Print(ucs2string& out, const unsigned short* pattern, const zv_locale& locale) const {
  ucs2string_formatter text;
  Print(text, pattern, locale);
  out = text.str();
}

std::ostream& operator<<(std::ostream& os, const zv_date_time& value) {
  if (value.IsNull()) return os << "Null datetime";
  const zv_locale classic = zv_locale::classic();
  ucs2string_formatter text;
  value.Print(text, zv_use_facet<zv_ctime>(classic).GetDefaultDateTimeFormat(), classic);
  return os << text.str();
}
