// Mapping tables for the encodings that we convert ourselves (the host's
// iconv lacks them). The rows come from the vendor mapping files through
// tools/gen_encoding_tables.py.
#ifndef KTI18N_LOCALE_ENCODING_TABLE_CODEC_H
#define KTI18N_LOCALE_ENCODING_TABLE_CODEC_H

#include <cstddef>

namespace zv_encoding_detail {

// One mapping: `code` is a byte (<= 0xFF) or a lead/trail pair
// (lead << 8 | trail); its text is `length` units of the pool from `offset`.
// A text of several units is a base character with an Apple variant tag.
struct EncodingTableRow {
  unsigned short code;
  unsigned short offset;
  unsigned char length;
};

struct EncodingTableData {
  const char* name;
  bool doubleByte;  // lead bytes are those that start a two-byte row
  const EncodingTableRow* rows;
  std::size_t rowCount;
  const unsigned short* pool;
};

// The generated table of a technical name, or null.
const EncodingTableData* FindEncodingTable(const char* name);

}  // namespace zv_encoding_detail

#endif
