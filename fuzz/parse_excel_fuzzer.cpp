// The spreadsheet dialect's readers: any code reads, exactly or
// approximately, into a pattern of the asked kind; the readers' Parse and
// ReadExcelFormat agree; every dialect writes the pattern without changing
// it, and what the spreadsheet writer writes reads again; the pattern
// formats numbers or instants.
//
// Input: one byte (bit 0 dates, bits 1-3 the locale, bit 6 the readers of
// the German settings, bit 7 wide text), then the code.
#include <cstdint>

#include "format_fuzz_support.h"

using namespace fuzz_format;

namespace {

// The readers over the classic and the German settings, for each side.
const FmtLib::zvStringFormat& Reader(bool date, bool german) {
  static const StringFormat readers[4] = {
      StringFormat(FmtLib::CreateExcelStringFormatNumber(Env::Get().SettingsAt(0))),
      StringFormat(FmtLib::CreateExcelStringFormatDate(Env::Get().SettingsAt(0))),
      StringFormat(FmtLib::CreateExcelStringFormatNumber(Env::Get().SettingsAt(2))),
      StringFormat(FmtLib::CreateExcelStringFormatDate(Env::Get().SettingsAt(2)))};
  return *readers[(german ? 2 : 0) + (date ? 1 : 0)];
}

bool ReadStatus(zvStatus s) { return s == 0 || s == ZV_S_READ_APPROXIMATELY; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t mode = in.byte();
  const bool date = mode & 1;
  const ucs2string code = TextOf(in, mode & 0x80);
  Env& env = Env::Get();
  const FmtLib::zvStringFormat& reader = Reader(date, mode & 0x40);

  FmtLib::zvFmtPattern* raw = nullptr;
  const zvStatus status = reader.Parse(code, raw);
  REQUIRE(ReadStatus(status));
  Pattern p(raw);
  REQUIRE(p != nullptr && p->IsDate() == date);

  // The free reader says the same.
  Pattern direct(date ? FmtLib::CreateDateFmtPattern() : FmtLib::CreateNumberFmtPattern());
  std::uint32_t approximations = 0;
  REQUIRE(FmtLib::ReadExcelFormat(code, *direct, &approximations) == status);
  REQUIRE(TokensOf(*direct) == TokensOf(*p));
  // An approximate reading names what it approximated; an exact one names
  // nothing, unless the code could not be read (a code of the other kind).
  REQUIRE(status == 0 || approximations != 0);
  REQUIRE(status != 0 || approximations == 0 || IsErrorPattern(*p));
  FmtLib::DescribeExcelApproximations(approximations);
  FmtLib::IsExcelDateCode(code);

  RenderEverywhere(*p);
  const ucs2string written = RenderUnchanged(reader, *p);
  FmtLib::zvFmtPattern* again = nullptr;
  REQUIRE(ReadStatus(reader.Parse(written, again)));
  Pattern owned(again);
  REQUIRE(owned != nullptr);

  FormatThrough(env.SettingsAt((mode >> 1) % kLocaleCount), *p);
  return 0;
}
