#include "kti18n/locale/placeholder_facets.h"

zv_locale::id zv_moneypunct::id;
zv_locale::id zv_money_get::id;
zv_locale::id zv_money_put::id;
zv_locale::id zv_time_get::id;
zv_locale::id zv_time_put::id;

zv_moneypunct::~zv_moneypunct() = default;
zv_money_get::~zv_money_get() = default;
zv_money_put::~zv_money_put() = default;
zv_time_get::~zv_time_get() = default;
zv_time_put::~zv_time_put() = default;
