// The exceptions of the time library. Each carries the 32-bit status code of
// its kind (through ZVException) and a narrow message: the operation that
// failed, or the unknown zone ID.
#ifndef KTI18N_TIME_TIMELIB_EXCEPTION_H
#define KTI18N_TIME_TIMELIB_EXCEPTION_H

#include <iosfwd>
#include <string>

#include "kti18n/base/exception.h"
#include "kti18n/text/ucs2string.h"

namespace TimeLib {

// Printed as "TimeLib::Exception".
class ZVTimeLibException : public ZVException {
 public:
  ZVTimeLibException(zvStatus code, std::string message);
  ZVTimeLibException(const ZVTimeLibException&) = default;
  ZVTimeLibException& operator=(const ZVTimeLibException&) = default;
  ~ZVTimeLibException() override;

  // A copy of the message.
  virtual std::string DoWhat() const;
  virtual void print(std::ostream& os) const;
};

// A value out of range or inconsistent (code 0x80041123).
// Printed as "TimeLib::IncorrectData : <message>".
class IncorrectData : public ZVTimeLibException {
 public:
  explicit IncorrectData(std::string message);
  ~IncorrectData() override;
  void print(std::ostream& os) const override;
};

// A failure inside the library (code 0x8004112D).
// Printed as "TimeLib::InternalError : <message>".
class InternalError : public ZVTimeLibException {
 public:
  explicit InternalError(std::string message);
  ~InternalError() override;
  void print(std::ostream& os) const override;
};

// A zone ID the predefined zones do not know (code 0x00041121, "nothing
// matched"). The message is the ID. Printed as
// "TimeLib::UnknownTimeZone : <ID>".
class UnknownTimeZone : public ZVTimeLibException {
 public:
  explicit UnknownTimeZone(const ucs2string& id);
  ~UnknownTimeZone() override;
  void print(std::ostream& os) const override;
  const ucs2string& id() const { return id_; }

 private:
  ucs2string id_;
};

std::ostream& operator<<(std::ostream& os, const ZVTimeLibException& e);

}  // namespace TimeLib

#endif
