// Facets that exist only as empty placeholders, so that the monetary, time and
// messages categories select the same facet ids in every locale.
#ifndef KTI18N_LOCALE_PLACEHOLDER_FACETS_H
#define KTI18N_LOCALE_PLACEHOLDER_FACETS_H

#include "kti18n/locale/locale.h"

class zv_moneypunct : public zv_locale::facet {
 public:
  static zv_locale::id id;
  explicit zv_moneypunct(unsigned refs = 0) : facet(refs) {}
  ~zv_moneypunct() override;
};

class zv_money_get : public zv_locale::facet {
 public:
  static zv_locale::id id;
  explicit zv_money_get(unsigned refs = 0) : facet(refs) {}
  ~zv_money_get() override;
};

class zv_money_put : public zv_locale::facet {
 public:
  static zv_locale::id id;
  explicit zv_money_put(unsigned refs = 0) : facet(refs) {}
  ~zv_money_put() override;
};

class zv_time_get : public zv_locale::facet {
 public:
  static zv_locale::id id;
  explicit zv_time_get(unsigned refs = 0) : facet(refs) {}
  ~zv_time_get() override;
};

class zv_time_put : public zv_locale::facet {
 public:
  static zv_locale::id id;
  explicit zv_time_put(unsigned refs = 0) : facet(refs) {}
  ~zv_time_put() override;
};

#endif
