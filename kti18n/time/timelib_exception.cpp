#include "kti18n/time/timelib_exception.h"

#include <ostream>

namespace TimeLib {

ZVTimeLibException::ZVTimeLibException(zvStatus code, std::string message) : ZVException(code, std::move(message)) {}
ZVTimeLibException::~ZVTimeLibException() = default;

std::string ZVTimeLibException::DoWhat() const { return message(); }

void ZVTimeLibException::print(std::ostream& os) const { os << "TimeLib::Exception"; }

IncorrectData::IncorrectData(std::string message) : ZVTimeLibException(ZV_E_INVALID_DATA, std::move(message)) {}
IncorrectData::~IncorrectData() = default;

void IncorrectData::print(std::ostream& os) const { os << "TimeLib::IncorrectData : " << message(); }

InternalError::InternalError(std::string message) : ZVTimeLibException(ZV_E_INTERNAL, std::move(message)) {}
InternalError::~InternalError() = default;

void InternalError::print(std::ostream& os) const { os << "TimeLib::InternalError : " << message(); }

UnknownTimeZone::UnknownTimeZone(const ucs2string& id)
    : ZVTimeLibException(ZV_S_NOTHING_MATCHED, id.is_null() ? std::string() : id.to_utf8()), id_(id) {}
UnknownTimeZone::~UnknownTimeZone() = default;

void UnknownTimeZone::print(std::ostream& os) const { os << "TimeLib::UnknownTimeZone : " << message(); }

std::ostream& operator<<(std::ostream& os, const ZVTimeLibException& e) {
  e.print(os);
  return os;
}

}  // namespace TimeLib
