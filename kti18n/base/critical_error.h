// ktRedirectCriticalErrorMessage: while alive, the host must not show any
// message of its own about a module that cannot be loaded. Hosts of this
// kind never show such messages, so the guard has nothing to do.
#ifndef KTI18N_BASE_CRITICAL_ERROR_H
#define KTI18N_BASE_CRITICAL_ERROR_H

class ktRedirectCriticalErrorMessage {
 public:
  static constexpr unsigned kQuiet = 1;
  explicit ktRedirectCriticalErrorMessage(unsigned mode) : mode_(mode) {}
  ~ktRedirectCriticalErrorMessage() = default;
  ktRedirectCriticalErrorMessage(const ktRedirectCriticalErrorMessage&) = delete;
  ktRedirectCriticalErrorMessage& operator=(const ktRedirectCriticalErrorMessage&) = delete;
  unsigned mode() const { return mode_; }

 private:
  unsigned mode_;
};

#endif
