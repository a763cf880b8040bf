// ZVException: the one exception type by which the library reports failures.
#ifndef KTI18N_BASE_EXCEPTION_H
#define KTI18N_BASE_EXCEPTION_H

#include <exception>
#include <string>

#include "kti18n/base/status.h"

class ZVException : public std::exception {
 public:
  explicit ZVException(zvStatus code) : code_(code) { compose(); }
  ZVException(zvStatus code, std::string message) : code_(code), message_(std::move(message)) { compose(); }
  ZVException(const ZVException&) = default;
  ZVException& operator=(const ZVException&) = default;
  ~ZVException() override;

  zvStatus code() const noexcept { return code_; }
  // The optional narrow message; empty when none was given.
  const std::string& message() const noexcept { return message_; }
  // "0x80041123" or "0x80041123: message". The text is made when the
  // exception is, so what() writes nothing and may be called on any thread.
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  zvStatus code_;
  std::string message_;
  std::string what_;

  void compose();
};

#endif
