// The built-in identification record: the locale without language that
// stands for "no particular locale".
#include "kti18n/locale/locale_ident.h"

namespace {

// "International"
const unsigned short kInternational[] = {'I', 'n', 't', 'e', 'r', 'n', 'a', 't', 'i', 'o', 'n', 'a', 'l', 0};

const zv_locale_ident_impl::StaticStorage kDefaultIdent = {
    "i18n",
    nullptr,
    reinterpret_cast<const unsigned char*>("Unicode collation"),
    "i18n",
    reinterpret_cast<const unsigned char*>("Western European (Windows)"),
    "CP1252",
    kInternational,
};

}  // namespace

const zv_locale_ident_impl::StaticStorage* GetDefaultIdent() { return &kDefaultIdent; }
