// The collation facet: compares, sort-keys and hashes text under the locale's
// collation (a ktCollation), or by code-unit order when it has none (the
// classic locale).
#ifndef KTI18N_LOCALE_COLLATE_H
#define KTI18N_LOCALE_COLLATE_H

#include <memory>
#include <string>

#include "kti18n/locale/locale.h"

class ktCollation;
class ucs2string;
class zv_utf8string;

// The abstract collate interface: public operations call the protected
// virtual do_ operations.
class zv_collate_abc : public zv_locale::facet {
 public:
  // Negative, 0 or positive as [a, aEnd) sorts before, with or after [b, bEnd).
  int compare(const unsigned char* a, const unsigned char* aEnd, const unsigned char* b,
              const unsigned char* bEnd) const {
    return do_compare(a, aEnd, b, bEnd);
  }
  int compare(const unsigned short* a, const unsigned short* aEnd, const unsigned short* b,
              const unsigned short* bEnd) const {
    return do_compare(a, aEnd, b, bEnd);
  }
  // A key whose byte order is the collation order of the texts.
  std::string transform(const unsigned short* first, const unsigned short* last) const {
    return do_transform(first, last);
  }
  // Equal ranges hash equally. The value is a 32-bit hash, sign-extended.
  long hash(const unsigned short* first, const unsigned short* last) const { return do_hash(first, last); }

 protected:
  explicit zv_collate_abc(unsigned refs) : facet(refs) {}
  ~zv_collate_abc() override;

  virtual int do_compare(const unsigned char* a, const unsigned char* aEnd, const unsigned char* b,
                         const unsigned char* bEnd) const = 0;
  virtual int do_compare(const unsigned short* a, const unsigned short* aEnd, const unsigned short* b,
                         const unsigned short* bEnd) const = 0;
  virtual std::string do_transform(const unsigned short* first, const unsigned short* last) const = 0;
  virtual long do_hash(const unsigned short* first, const unsigned short* last) const = 0;
};

class zv_collate : public zv_collate_abc {
 public:
  static zv_locale::id id;

  // A "less than" for sorting strings with a facet (which must outlive it).
  class less_predicate {
   public:
    explicit less_predicate(const zv_collate* facet) : m_facet(facet) {}
    bool operator()(const ucs2string& a, const ucs2string& b) const;
    bool operator()(const zv_utf8string& a, const zv_utf8string& b) const;

   private:
    const zv_collate* m_facet;
  };

  // Code-unit order, without a collation: the classic locale's facet.
  explicit zv_collate(unsigned refs = 0);
  ~zv_collate() override;

  // The collation, or null for code-unit order.
  ktCollation* GetImpl() const { return m_collation.get(); }
  less_predicate GetComparator() const { return less_predicate(this); }

 protected:
  // With the collation of that name, owned by the facet (locales built from
  // locale data).
  explicit zv_collate(const std::string& name, unsigned refs = 0);

  int do_compare(const unsigned char* a, const unsigned char* aEnd, const unsigned char* b,
                 const unsigned char* bEnd) const override;
  int do_compare(const unsigned short* a, const unsigned short* aEnd, const unsigned short* b,
                 const unsigned short* bEnd) const override;
  std::string do_transform(const unsigned short* first, const unsigned short* last) const override;
  long do_hash(const unsigned short* first, const unsigned short* last) const override;

 private:
  friend class zv_locale;
  friend class zv_locale::_Impl;

  std::unique_ptr<ktCollation> m_collation;
};

#endif
