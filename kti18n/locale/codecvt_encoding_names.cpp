// The encoding table: technical names and their display names, sorted by
// byte-wise comparison of the technical name (GetEncodingDisplayName
// searches it by halves). The texts stand as the product has always shown
// them, spelling included.
#include "kti18n/locale/codecvt.h"

#include <iterator>

namespace {

const zv_codecvt::EncodingName kEncodingNames[] = {
    {"Adobe-Standard-Encoding", "Postscript (Adobe Standart)"},
    {"Big5", "Chinese Traditional (Big5)"},
    {"CNS-11643", "Chinese Traditional (EUC-TW)"},
    {"CP1250", "Central European (Windows-1250)"},
    {"CP1251", "Cyrillic (Windows-1251)"},
    {"CP1252", "Western (Windows-1252)"},
    {"CP1253", "Greek (Windows-1253)"},
    {"CP1254", "Turkish (Windows-1254)"},
    {"CP1255", "Hebrew (Windows-1255)"},
    {"CP1256", "Arabic (Windows-1256)"},
    {"CP1257", "Baltic (Windows-1257)"},
    {"CP1258", "Vietnamese (Windows-1258)"},
    {"CP437", "IBM Latin US (CP437)"},
    {"CP850", "IBM Latin1 (CP850)"},
    {"CP852", "IBM Slavic (CP852)"},
    {"CP855", "IBM Cyrillic (CP855)"},
    {"CP857", "IBM Turkish (CP857)"},
    {"CP860", "IBM Portugese (CP860)"},
    {"CP861", "IBM Icelandic (CP861)"},
    {"CP862", "IBM Hebrew (CP862)"},
    {"CP865", "IBM Nordic (CP865)"},
    {"CP866", "IBM Cyrillic (CP-866)"},
    {"CP869", "IBM Modern Greek (CP-869)"},
    {"CP874", "IBM Thai (CP-874)"},
    {"CP932", "Japanese (Windows-932)"},
    {"CP936", "Chinese Simplified (CP936)"},
    {"CP949", "Korean (Windows-949)"},
    {"CP950", "Chinese Traditional (CP950)"},
    {"EUC-JP", "Japanese (EUC-JP)"},
    {"EUC-KR", "Korean (EUC-KR)"},
    {"GB2312", "Chinese Simplified (GB2312)"},
    {"HZ-GB-2312", "Chinese Simplified (HZ-GB2312)"},
    {"ISO-2022-JP", "Japanese (ISO-2022-JP)"},
    {"ISO-2022-KR", "Korean (ISO-2022-KR)"},
    {"ISO-8859-1", "Western (ISO-8859-1)"},
    {"ISO-8859-14", "Celtic (ISO-8859-14)"},
    {"ISO-8859-15", "Western (ISO-8859-15)"},
    {"ISO-8859-2", "Central European (ISO-8859-2)"},
    {"ISO-8859-3", "South European (ISO-8859-3)"},
    {"ISO-8859-4", "Baltic (ISO-8859-4)"},
    {"ISO-8859-5", "Cyrillic (ISO-8859-5)"},
    {"ISO-8859-6", "Arabic (ISO-8859-6)"},
    {"ISO-8859-7", "Greek (ISO-8859-7)"},
    {"ISO-8859-8", "Hebrew (ISO-8859-8)"},
    {"ISO-8859-9", "Turkish (ISO-8859-9)"},
    {"MacCentralEuropean", "Central European (MacCE)"},
    {"MacCroatian", "Croatian (MacCroatian)"},
    {"MacCyrillic", "Cyrillic (MacCyrillic)"},
    {"MacGreek", "Greek (MacGreek)"},
    {"MacIcelandic", "Icelandic (MacIcelandic)"},
    {"MacJapanese", "Japanese (MacJapanese)"},
    {"MacRoman", "Western (MacRoman)"},
    {"MacRomanian", "Romanian (MacRomanian)"},
    {"MacThai", "Thai (MacThai)"},
    {"MacTurkish", "Turkish (MacTurkish)"},
    {"MacUkrainian", "Cyrillic/Ukrainian (MacUkrainian)"},
    {"Shift-JIS", "Japanese (Shift_JIS)"},
    {"Thai", "Thai (ISO-8859-11)"},
};

}  // namespace

const zv_codecvt::EncodingName* zv_codecvt::EncodingNamesBegin() { return kEncodingNames; }
const zv_codecvt::EncodingName* zv_codecvt::EncodingNamesEnd() { return std::end(kEncodingNames); }
