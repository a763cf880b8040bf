// The encoding table. The display names stand as the product has always
// shown them, spelling included.
#include "kti18n/unicode/encoding_names.h"

namespace {

constexpr zv_encoding_row kLocaleEncodings[] = {
    {"Adobe-Standard-Encoding", "Postscript (Adobe Standart)", zv_encoding_via::Table, nullptr, 0},
    {"Big5", "Chinese Traditional (Big5)", zv_encoding_via::Iconv, "BIG5", 0},
    {"CNS-11643", "Chinese Traditional (EUC-TW)", zv_encoding_via::Iconv, "EUC-TW", 0},
    {"CP1250", "Central European (Windows-1250)", zv_encoding_via::Iconv, "CP1250", 0},
    {"CP1251", "Cyrillic (Windows-1251)", zv_encoding_via::Iconv, "CP1251", 0},
    {"CP1252", "Western (Windows-1252)", zv_encoding_via::Iconv, "CP1252", 0},
    {"CP1253", "Greek (Windows-1253)", zv_encoding_via::Iconv, "CP1253", 0},
    {"CP1254", "Turkish (Windows-1254)", zv_encoding_via::Iconv, "CP1254", 0},
    {"CP1255", "Hebrew (Windows-1255)", zv_encoding_via::Iconv, "CP1255", 0},
    {"CP1256", "Arabic (Windows-1256)", zv_encoding_via::Iconv, "CP1256", 0},
    {"CP1257", "Baltic (Windows-1257)", zv_encoding_via::Iconv, "CP1257", 0},
    {"CP1258", "Vietnamese (Windows-1258)", zv_encoding_via::Iconv, "CP1258", 0},
    {"CP437", "IBM Latin US (CP437)", zv_encoding_via::Iconv, "CP437", 0},
    {"CP850", "IBM Latin1 (CP850)", zv_encoding_via::Iconv, "CP850", 0},
    {"CP852", "IBM Slavic (CP852)", zv_encoding_via::Iconv, "CP852", 0},
    {"CP855", "IBM Cyrillic (CP855)", zv_encoding_via::Iconv, "CP855", 0},
    {"CP857", "IBM Turkish (CP857)", zv_encoding_via::Iconv, "CP857", 0},
    {"CP860", "IBM Portugese (CP860)", zv_encoding_via::Iconv, "CP860", 0},
    {"CP861", "IBM Icelandic (CP861)", zv_encoding_via::Iconv, "CP861", 0},
    {"CP862", "IBM Hebrew (CP862)", zv_encoding_via::Iconv, "CP862", 0},
    {"CP865", "IBM Nordic (CP865)", zv_encoding_via::Iconv, "CP865", 0},
    {"CP866", "IBM Cyrillic (CP-866)", zv_encoding_via::Iconv, "CP866", 0},
    {"CP869", "IBM Modern Greek (CP-869)", zv_encoding_via::Iconv, "CP869", 0},
    {"CP874", "IBM Thai (CP-874)", zv_encoding_via::Iconv, "CP874", 0},
    {"CP932", "Japanese (Windows-932)", zv_encoding_via::Iconv, "CP932", 0},
    {"CP936", "Chinese Simplified (CP936)", zv_encoding_via::Iconv, "CP936", 0},
    {"CP949", "Korean (Windows-949)", zv_encoding_via::Iconv, "CP949", 0},
    {"CP950", "Chinese Traditional (CP950)", zv_encoding_via::Iconv, "CP950", 0},
    {"EUC-JP", "Japanese (EUC-JP)", zv_encoding_via::Iconv, "EUC-JP", 0},
    {"EUC-KR", "Korean (EUC-KR)", zv_encoding_via::Iconv, "EUC-KR", 0},
    {"GB2312", "Chinese Simplified (GB2312)", zv_encoding_via::Iconv, "EUC-CN", 0},
    {"HZ-GB-2312", "Chinese Simplified (HZ-GB2312)", zv_encoding_via::Hz, nullptr, 2},
    {"ISO-2022-JP", "Japanese (ISO-2022-JP)", zv_encoding_via::Iconv, "ISO-2022-JP", 3},
    {"ISO-2022-KR", "Korean (ISO-2022-KR)", zv_encoding_via::Iconv, "ISO-2022-KR", 1},
    {"ISO-8859-1", "Western (ISO-8859-1)", zv_encoding_via::Iconv, "ISO-8859-1", 0},
    {"ISO-8859-14", "Celtic (ISO-8859-14)", zv_encoding_via::Iconv, "ISO-8859-14", 0},
    {"ISO-8859-15", "Western (ISO-8859-15)", zv_encoding_via::Iconv, "ISO-8859-15", 0},
    {"ISO-8859-2", "Central European (ISO-8859-2)", zv_encoding_via::Iconv, "ISO-8859-2", 0},
    {"ISO-8859-3", "South European (ISO-8859-3)", zv_encoding_via::Iconv, "ISO-8859-3", 0},
    {"ISO-8859-4", "Baltic (ISO-8859-4)", zv_encoding_via::Iconv, "ISO-8859-4", 0},
    {"ISO-8859-5", "Cyrillic (ISO-8859-5)", zv_encoding_via::Iconv, "ISO-8859-5", 0},
    {"ISO-8859-6", "Arabic (ISO-8859-6)", zv_encoding_via::Iconv, "ISO-8859-6", 0},
    {"ISO-8859-7", "Greek (ISO-8859-7)", zv_encoding_via::Iconv, "ISO-8859-7", 0},
    {"ISO-8859-8", "Hebrew (ISO-8859-8)", zv_encoding_via::Iconv, "ISO-8859-8", 0},
    {"ISO-8859-9", "Turkish (ISO-8859-9)", zv_encoding_via::Iconv, "ISO-8859-9", 0},
    {"MacCentralEuropean", "Central European (MacCE)", zv_encoding_via::Iconv, "MAC-CENTRALEUROPE", 0},
    {"MacCroatian", "Croatian (MacCroatian)", zv_encoding_via::Table, nullptr, 0},
    {"MacCyrillic", "Cyrillic (MacCyrillic)", zv_encoding_via::Iconv, "MAC-CYRILLIC", 0},
    {"MacGreek", "Greek (MacGreek)", zv_encoding_via::Table, nullptr, 0},
    {"MacIcelandic", "Icelandic (MacIcelandic)", zv_encoding_via::Iconv, "MAC-IS", 0},
    {"MacJapanese", "Japanese (MacJapanese)", zv_encoding_via::Table, nullptr, 0},
    {"MacRoman", "Western (MacRoman)", zv_encoding_via::Iconv, "MACINTOSH", 0},
    {"MacRomanian", "Romanian (MacRomanian)", zv_encoding_via::Table, nullptr, 0},
    {"MacThai", "Thai (MacThai)", zv_encoding_via::Table, nullptr, 0},
    {"MacTurkish", "Turkish (MacTurkish)", zv_encoding_via::Table, nullptr, 0},
    {"MacUkrainian", "Cyrillic/Ukrainian (MacUkrainian)", zv_encoding_via::Iconv, "MAC-UK", 0},
    {"Shift-JIS", "Japanese (Shift_JIS)", zv_encoding_via::Iconv, "SHIFT_JIS", 0},
    {"Thai", "Thai (ISO-8859-11)", zv_encoding_via::Iconv, "ISO-8859-11", 0},
};

constexpr zv_encoding_row kUtf8 = {"UTF-8", nullptr, zv_encoding_via::Iconv, "UTF-8", 0};

}  // namespace

std::span<const zv_encoding_row> zv_locale_encodings() { return kLocaleEncodings; }
const zv_encoding_row& zv_utf8_encoding() { return kUtf8; }
