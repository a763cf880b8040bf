// The encoding-conversion facet: UCS-2 to and from the locale's byte
// encoding, in the shape of the standard library's codecvt, plus whole-string
// helpers; and the table of encoding names with their display names.
//
// Conversion never fails on text: malformed input becomes U+FFFD, characters
// the encoding lacks become "?" (see encoding_layer.h).
#ifndef KTI18N_LOCALE_CODECVT_H
#define KTI18N_LOCALE_CODECVT_H

#include <cwchar>
#include <string>

#include "kti18n/locale/locale.h"
#include "kti18n/unicode/encoding_names.h"

class ExternalEncoding;
class InternalEncoding;
class ucs2string;
class zv_utf8string;

class zv_codecvt : public zv_locale::facet {
 public:
  static zv_locale::id id;

  // As std::codecvt_base.
  enum result { ok, partial, error, noconv };
  using state_type = std::mbstate_t;

  // The classic locale's facet: CP1252.
  explicit zv_codecvt(unsigned refs = 0);
  ~zv_codecvt() override;

  // The display name of a technical name of the encoding table (exact,
  // case-sensitive), or null. When found, name is pointed at the table's own
  // copy of the technical name.
  static const unsigned char* GetEncodingDisplayName(const char*& name);

  // The encoding table (the encodings of locales), sorted by byte-wise
  // comparison of the technical names; each row has at least technicalName
  // and displayName (UTF-8).
  using EncodingName = zv_encoding_row;
  static const EncodingName* EncodingNamesBegin();
  static const EncodingName* EncodingNamesEnd();

  const ExternalEncoding& GetExternalEncoding() const { return *m_external; }

  // Whole-text conversions; each replaces out.
  void SetNarrowString(const unsigned short* first, const unsigned short* last, std::string& out) const;
  void SetString(const char* first, const char* last, ucs2string& out) const;
  void SetString(const char* first, const char* last, zv_utf8string& out) const;

  result out(state_type& state, const unsigned short* from, const unsigned short* fromEnd,
             const unsigned short*& fromNext, char* to, char* toEnd, char*& toNext) const {
    return do_out(state, from, fromEnd, fromNext, to, toEnd, toNext);
  }
  result unshift(state_type& state, char* to, char* toEnd, char*& toNext) const {
    return do_unshift(state, to, toEnd, toNext);
  }
  result in(state_type& state, const char* from, const char* fromEnd, const char*& fromNext, unsigned short* to,
            unsigned short* toEnd, unsigned short*& toNext) const {
    return do_in(state, from, fromEnd, fromNext, to, toEnd, toNext);
  }
  int encoding() const noexcept { return do_encoding(); }
  bool always_noconv() const noexcept { return do_always_noconv(); }
  int length(state_type& state, const char* from, const char* fromEnd, std::size_t max) const {
    return do_length(state, from, fromEnd, max);
  }
  int max_length() const noexcept { return do_max_length(); }

 protected:
  zv_codecvt(unsigned refs, ExternalEncoding& external, InternalEncoding& internal);

  // Each call converts its range as a whole text: it starts and ends in the
  // encoding's initial shift state, and the state argument is not used (a
  // stateful encoding shifts back once, where the output ends).
  // do_out and do_in return ok when the whole range was converted (an empty
  // range included) and partial when the output filled first; fromNext marks
  // the first character not converted and toNext the end of what was
  // written. This is the standard codecvt meaning, which callers looping
  // over std::codecvt rely on. The original facet returned partial for every
  // non-empty range and pointed toNext at toEnd whatever it had written: a
  // caller that continues while the result is partial would never stop, and
  // one that trusts toNext would read bytes never written.
  virtual result do_out(state_type& state, const unsigned short* from, const unsigned short* fromEnd,
                        const unsigned short*& fromNext, char* to, char* toEnd, char*& toNext) const;
  virtual result do_unshift(state_type& state, char* to, char* toEnd, char*& toNext) const;
  virtual result do_in(state_type& state, const char* from, const char* fromEnd, const char*& fromNext,
                       unsigned short* to, unsigned short* toEnd, unsigned short*& toNext) const;
  virtual int do_encoding() const noexcept;
  virtual bool do_always_noconv() const noexcept;
  // The number of bytes of [from, fromEnd) that convert to at most max units.
  virtual int do_length(state_type& state, const char* from, const char* fromEnd, std::size_t max) const;
  virtual int do_max_length() const noexcept;

 private:
  ExternalEncoding* m_external;
  InternalEncoding* m_internal;
};

class zv_codecvt_byname : public zv_codecvt {
 public:
  // An empty or null name gives CP1252; a name the encoding layer does not
  // know throws ZVException 0x80041131.
  explicit zv_codecvt_byname(const char* name, unsigned refs = 0);
  ~zv_codecvt_byname() override;
};

// An abstract encoding: an interface without an implementation in this
// library.
class ktEncoding {
 public:
  ktEncoding() = default;
  ktEncoding(const ktEncoding&) = default;
  ktEncoding& operator=(const ktEncoding&) = default;
  virtual ~ktEncoding();

  // The encoding's technical name.
  virtual const char* Name() const = 0;
  // Whether the encoding can convert text on this host.
  virtual bool CanConvert() const = 0;
};

#endif
