// zv_locale_storage: one locale-data record, as the locale-data module
// registers it with the catalog. The record and everything it points to
// belong to whoever registered it and must outlive the catalog.
#ifndef KTI18N_LOCALE_LOCALE_STORAGE_H
#define KTI18N_LOCALE_LOCALE_STORAGE_H

#include "kti18n/locale/ctime.h"
#include "kti18n/locale/ctype_impl.h"
#include "kti18n/locale/locale_ident.h"
#include "kti18n/locale/numpunct.h"

struct zv_locale_storage {
  unsigned lcid;
  const zv_locale_ident_impl::StaticStorage* ident;
  const zv_ctype_impl::StaticStorage* ctype;            // null: the built-in tables
  const zv_numeric_punctuation::StaticStorage* numeric;  // null: the built-in punctuation
  const zv_ctime_impl::StaticStorage* ctime;             // null: the built-in calendar names
};

#endif
