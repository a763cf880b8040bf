// The two halves of the spreadsheet reader, over the scanned sections of a
// code (excel_code_scanner.h). Each appends the items it reads and adds the
// zvExcelApproximation bits of what it could only approximate.
#ifndef KTI18N_FMTLIB_EXCEL_READER_H
#define KTI18N_FMTLIB_EXCEL_READER_H

#include <cstdint>
#include <vector>

#include "kti18n/fmtlib/excel_code_scanner.h"
#include "kti18n/fmtlib/excel_codes.h"
#include "kti18n/fmtlib/excel_string_format.h"

namespace FmtLib::excel {

void ReadNumberSections(const std::vector<Lexemes>& sections, Items& out, std::uint32_t& approx);
void ReadDateSections(const std::vector<Lexemes>& sections, Items& out, std::uint32_t& approx);
// Whether any section holds a date or time code.
bool HoldsDateCode(const std::vector<Lexemes>& sections);

}  // namespace FmtLib::excel

#endif
