// Comparing text and building sort keys with a collation's tables: the text
// is read as code points, put in canonical decomposition, mapped to collation
// elements and compared level by level (primary, secondary, tertiary), ties
// broken by the code points of the canonical decomposition (so canonically
// equivalent texts are equal).
#ifndef KTI18N_UNICODE_COLLATION_ENGINE_H
#define KTI18N_UNICODE_COLLATION_ENGINE_H

#include <string>

#include "kti18n/unicode/collation_data.h"

namespace kti18n_collation {

// UCS-2 with surrogate pairs read as the supplementary characters they
// encode; a lone surrogate stands for itself.
void DecodeUtf16(const unsigned short* first, const unsigned short* last, std::u32string& out);
// UTF-8; a byte that does not start a valid sequence stands for the lone
// surrogate U+DC00 + byte (never a character of valid text), so malformed
// text still sorts in a stable, total order.
void DecodeUtf8(const unsigned char* first, const unsigned char* last, std::u32string& out);

// -1, 0 or 1.
int Compare(const CollationTables& tables, const std::u32string& a, const std::u32string& b);

// Replaces key with the sort key of text: primary weights, then the
// secondary and tertiary weights with runs of the common weight compressed,
// then the code points of the canonical decomposition, coded by difference
// from their predecessors; levels are separated by a 1 byte, and no byte is
// 0.
void BuildKey(const CollationTables& tables, const std::u32string& text, std::string& key);

// The same on UCS-2 and UTF-8 ranges, decoded as above into buffers of the
// calling thread.
int CompareUtf16(const CollationTables& tables, const unsigned short* a, const unsigned short* aEnd,
                 const unsigned short* b, const unsigned short* bEnd);
int CompareUtf8(const CollationTables& tables, const unsigned char* a, const unsigned char* aEnd,
                const unsigned char* b, const unsigned char* bEnd);
void BuildKeyUtf16(const CollationTables& tables, const unsigned short* first, const unsigned short* last,
                   std::string& key);

}  // namespace kti18n_collation

#endif
