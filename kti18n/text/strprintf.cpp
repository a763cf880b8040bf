// strprintf: printf-style formatting of UCS-2 text.
//
// wchar_t is 32 bits on this host while the library's texts are UCS-2, so
// the format is walked here one conversion at a time: each conversion is
// handed to the C run time's swprintf with its own argument, and string
// arguments (UCS-2) are widened first. The result grows as needed, so no
// text is ever cut short; a conversion the run time rejects fails the call.
#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "kti18n/text/formatter.h"

namespace {

std::wstring widen(const unsigned short* s) {
  std::wstring w;
  if (s == nullptr) return L"(null)";
  for (; *s; ++s) w.push_back(static_cast<wchar_t>(*s));
  return w;
}

// Formats one value through the wide format of its conversion.
template <typename T>
bool format_one(std::wstring& out, const std::wstring& conversion, T value) {
  std::vector<wchar_t> buf(256);
  for (;;) {
    errno = 0;
    const int n = std::swprintf(buf.data(), buf.size(), conversion.c_str(), value);
    if (n >= 0) {
      out.append(buf.data(), static_cast<std::size_t>(n));
      return true;
    }
    // swprintf returns -1 both for a buffer too small and for a byte string
    // that does not convert; only the first is cured by a larger buffer.
    if (errno == EILSEQ) return false;
    if (buf.size() >= (std::size_t{1} << 24)) return false;
    buf.resize(buf.size() * 4);
  }
}

bool is_flag(unsigned short c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }
bool is_digit(unsigned short c) { return c >= '0' && c <= '9'; }

// Reads "*" (from the arguments) or digits into conversion.
void copy_number(const unsigned short*& f, std::wstring& conversion, va_list& args) {
  if (*f == '*') {
    conversion += std::to_wstring(va_arg(args, int));
    ++f;
    return;
  }
  while (is_digit(*f)) conversion.push_back(static_cast<wchar_t>(*f++));
}

int vstrprintf(ucs2string& out, const unsigned short* f, va_list& args) {
  std::wstring text;
  while (*f) {
    if (*f != '%') {
      text.push_back(static_cast<wchar_t>(*f++));
      continue;
    }
    ++f;
    if (*f == '%') {
      text.push_back(L'%');
      ++f;
      continue;
    }
    std::wstring conversion = L"%";
    while (is_flag(*f)) conversion.push_back(static_cast<wchar_t>(*f++));
    copy_number(f, conversion, args);
    if (*f == '.') {
      conversion.push_back(L'.');
      ++f;
      copy_number(f, conversion, args);
    }
    // Length modifier.
    std::wstring length;
    if (f[0] == 'I' && f[1] == '6' && f[2] == '4') {
      length = L"ll";
      f += 3;
    } else {
      while (*f == 'h' || *f == 'l' || *f == 'L' || *f == 'z' || *f == 'j' || *f == 't' || *f == 'q')
        length.push_back(static_cast<wchar_t>(*f++));
    }
    const unsigned short conv = *f;
    if (conv == 0) return -1;
    ++f;
    bool ok = true;
    switch (conv) {
      case 'd': case 'i': case 'u': case 'o': case 'x': case 'X': {
        const std::wstring s = conversion + length + static_cast<wchar_t>(conv);
        const bool isSigned = conv == 'd' || conv == 'i';
        if (length == L"ll" || length == L"q" || length == L"j")
          ok = isSigned ? format_one(text, s, va_arg(args, long long)) : format_one(text, s, va_arg(args, unsigned long long));
        else if (length == L"l" || length == L"z" || length == L"t")
          ok = isSigned ? format_one(text, s, va_arg(args, long)) : format_one(text, s, va_arg(args, unsigned long));
        else
          ok = isSigned ? format_one(text, s, va_arg(args, int)) : format_one(text, s, va_arg(args, unsigned));
        break;
      }
      case 'e': case 'E': case 'f': case 'F': case 'g': case 'G': case 'a': case 'A':
        if (length == L"L")
          ok = format_one(text, conversion + L"L" + static_cast<wchar_t>(conv), va_arg(args, long double));
        else
          ok = format_one(text, conversion + static_cast<wchar_t>(conv), va_arg(args, double));
        break;
      case 'c': case 'C':
        ok = format_one(text, conversion + L"lc", static_cast<wint_t>(static_cast<unsigned short>(va_arg(args, int))));
        break;
      case 's': case 'S':
        if (length == L"h") {
          const char* narrow = va_arg(args, const char*);
          ok = format_one(text, conversion + L"s", narrow ? narrow : "(null)");
        } else {
          const std::wstring wide = widen(va_arg(args, const unsigned short*));
          ok = format_one(text, conversion + L"ls", wide.c_str());
        }
        break;
      case 'p':
        ok = format_one(text, conversion + L"p", va_arg(args, void*));
        break;
      default:  // %n and unknown conversions are refused
        return -1;
    }
    if (!ok) return -1;
  }
  if (text.size() > ucs2string::max_length) return -1;
  std::vector<unsigned short> units;
  units.reserve(text.size());
  for (wchar_t c : text) units.push_back(static_cast<std::uint32_t>(c) > 0xFFFF ? 0xFFFD : static_cast<unsigned short>(c));
  out.assign(units.data(), static_cast<unsigned>(units.size()));
  return static_cast<int>(units.size());
}

}  // namespace

int strprintf(ucs2string& out, const unsigned short* format, ...) {
  if (format == nullptr) return -1;
  va_list args;
  va_start(args, format);
  int result;
  try {
    result = vstrprintf(out, format, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
  return result;
}
