#include "kti18n/base/exception.h"

#include <cstdio>

ZVException::~ZVException() = default;

const char* ZVException::what() const noexcept {
  try {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(code_));
    what_ = hex;
    if (!message_.empty()) what_ += ": " + message_;
    return what_.c_str();
  } catch (...) {
    return "ZVException";
  }
}
