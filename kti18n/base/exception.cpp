#include "kti18n/base/exception.h"

#include <cstdio>

ZVException::~ZVException() = default;

void ZVException::compose() {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(code_));
  what_ = hex;  // short enough to need no allocation
  if (!message_.empty()) what_ += ": " + message_;
}
