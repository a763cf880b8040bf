// Finding a named locale. Names other than "C" and "POSIX" are resolved by
// the locale catalog; until the catalog is part of the library, no name
// matches.
#include "kti18n/locale/locale.h"

zv_locale::_Impl* zv_locale::_S_named_impl(const char* /*name*/) { throw ZVException(ZV_E_INVALID_DATA); }
