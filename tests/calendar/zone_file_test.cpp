// Reading zone files: sound files of each version, and truncated, corrupted
// and hostile ones, which must be refused without reading past their end.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine_test_support.h"
#include "kti18n/calendar/tzif_reader.h"
#include "kti18n/calendar/zone_database.h"

namespace {

using eng_tzdb::readTzif;

struct LocalType {
  std::int32_t offset;
  bool dst;
  const char* name;
};

void put32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(v >> shift & 0xFF);
}
void put64(std::string& out, std::uint64_t v) {
  for (int shift = 56; shift >= 0; shift -= 8) out += static_cast<char>(v >> shift & 0xFF);
}

// A zone file: version 0 (1), '2', '3' or '4'; transitions as (seconds, type).
std::string zoneFile(char version, const std::vector<std::pair<std::int64_t, int>>& transitions,
                     const std::vector<LocalType>& types, const std::string& footer = "") {
  std::string names;
  std::vector<int> nameIndex;
  for (const LocalType& t : types) {
    nameIndex.push_back(static_cast<int>(names.size()));
    names += t.name;
    names += '\0';
  }
  const auto block = [&](std::string& out, int timeSize) {
    out += "TZif";
    out += version;
    out.append(15, '\0');
    for (std::uint32_t count : {0u, 0u, 0u, static_cast<std::uint32_t>(transitions.size()),
                                static_cast<std::uint32_t>(types.size()), static_cast<std::uint32_t>(names.size())})
      put32(out, count);
    for (const auto& [at, type] : transitions) timeSize == 8 ? put64(out, at) : put32(out, static_cast<std::uint32_t>(at));
    for (const auto& [at, type] : transitions) out += static_cast<char>(type);
    for (std::size_t i = 0; i < types.size(); ++i) {
      put32(out, static_cast<std::uint32_t>(types[i].offset));
      out += static_cast<char>(types[i].dst);
      out += static_cast<char>(nameIndex[i]);
    }
    out += names;
  };
  std::string out;
  block(out, 4);
  if (version == 0) return out;
  block(out, 8);
  return out + "\n" + footer + "\n";
}

// The contents in a heap block of exactly their size, so that the
// sanitizer build catches any read past the end.
std::optional<eng_tzdb::ZoneHistory> readExact(const std::string& contents) {
  std::unique_ptr<char[]> exact(new char[contents.size() + (contents.empty() ? 1 : 0)]);
  std::memcpy(exact.get(), contents.data(), contents.size());
  return readTzif(std::string_view(exact.get(), contents.size()));
}

constexpr std::int64_t k2000 = 946684800;  // 2000-01-01 00:00 UTC

const std::vector<LocalType> kCentralEurope = {{561, false, "LMT"}, {3600, false, "CET"}, {7200, true, "CEST"}};

TEST(ZoneFile, SoundFilesOfEveryVersion) {
  const std::vector<std::pair<std::int64_t, int>> transitions = {{-2000000000, 1}, {k2000, 2}, {k2000 + 86400, 1}};
  for (char version : {'\0', '2', '3', '4'}) {
    const auto h = readExact(zoneFile(version, transitions, kCentralEurope, "CET-1CEST,M3.5.0,M10.5.0/3"));
    ASSERT_TRUE(h) << int(version);
    EXPECT_EQ(h->atInstant(-3000000000000).total(), 561000);
    EXPECT_EQ(h->atInstant(k2000 * 1000 - 1).total(), 3600000);
    const eng_tzdb::ZoneOffsets summer = h->atInstant(k2000 * 1000);
    EXPECT_EQ(summer.raw, 3600000);
    EXPECT_EQ(summer.dst, 3600000);
    EXPECT_EQ(h->names[summer.name], "CEST");
    // Version 1 has no rule: the last period lasts for ever.
    const std::int64_t july2050 = 2541024000000;
    EXPECT_EQ(h->atInstant(july2050).dst, version == 0 ? 0 : 3600000) << int(version);
  }
  // An empty footer: no rule.
  EXPECT_FALSE(readExact(zoneFile('2', transitions, kCentralEurope))->rule);
}

// The file gives each period's total offset only; a daylight period's
// standard offset is the neighbour that leaves a plausible saving.
TEST(ZoneFile, DaylightPeriodsTakeTheStandardOffsetThatFitsThem) {
  const auto savingIn = [](const std::vector<LocalType>& types, const std::string& footer = "") {
    const auto h = readExact(zoneFile('2', {{k2000, 1}, {k2000 + 86400, 2}}, types, footer));
    return h ? h->atInstant(k2000 * 1000).dst : -1;
  };
  // The standard offset changed as daylight time began (-11, then +13 with +14 in summer).
  EXPECT_EQ(savingIn({{-11 * 3600, false, "-11"}, {14 * 3600, true, "+14"}, {13 * 3600, false, "+13"}}), 3600000);
  // It changed as daylight time ended: a mean time of the place stays standard.
  EXPECT_EQ(savingIn({{-1521, false, "DMT"}, {2079, true, "IST"}, {0, false, "GMT"}}), 3600000);
  // Both fit: the smaller saving (a half-hour summer time under a new standard offset).
  EXPECT_EQ(savingIn({{-37800, false, "-1030"}, {-34200, true, "-0930"}, {-36000, false, "-10"}}), 1800000);
  // Negative daylight time keeps the standard offset around it.
  EXPECT_EQ(savingIn({{3600, false, "IST"}, {0, true, "GMT"}, {3600, false, "IST"}}), -3600000);
  // No standard period at all: an hour of daylight time, and the rule's offset beyond.
  EXPECT_EQ(savingIn({{7200, true, "CEST"}, {7200, true, "CEST"}, {7200, true, "CEST"}}), 3600000);
  EXPECT_EQ(savingIn({{7200, true, "CEST"}, {7200, true, "CEST"}, {7200, true, "CEST"}}, "<+0130>-1:30<+02>-2,M3.5.0,M10.5.0/3"),
            1800000);
}

TEST(ZoneFile, RefusesMalformedHeadersAndData) {
  const std::vector<std::pair<std::int64_t, int>> transitions = {{k2000, 2}, {k2000 + 86400, 1}};
  const std::string good = zoneFile('2', transitions, kCentralEurope, "CET-1CEST,M3.5.0,M10.5.0/3");
  ASSERT_TRUE(readExact(good));
  const std::size_t second = good.find("TZif", 4);
  // Counts sit at 20 + 4 i: isut, isstd, leap, time, type, char.
  const auto withCount = [&](std::size_t header, int which, std::uint32_t value) {
    std::string bad = good;
    std::string count;
    put32(count, value);
    bad.replace(header + 20 + 4 * which, 4, count);
    return bad;
  };
  for (std::size_t header : {std::size_t{0}, second}) {
    EXPECT_FALSE(readExact(withCount(header, 3, 0xFFFFFFFF)));  // absurd transition count
    EXPECT_FALSE(readExact(withCount(header, 4, 0)));           // no types
    EXPECT_FALSE(readExact(withCount(header, 4, 300)));         // more types than a byte indexes
    EXPECT_FALSE(readExact(withCount(header, 5, 0)));           // no abbreviations
    EXPECT_FALSE(readExact(withCount(header, 1, 2)));           // indicators not one per type
    EXPECT_FALSE(readExact(withCount(header, 2, 0x7FFFFFFF)));  // absurd leap second count
  }
  EXPECT_FALSE(readExact(withCount(second, 2, 1)));  // leap seconds: instants not the engine's

  EXPECT_FALSE(readExact(zoneFile('5', transitions, kCentralEurope)));       // unknown version
  EXPECT_FALSE(readExact("TZjf" + good.substr(4)));                          // not a zone file
  EXPECT_FALSE(readExact(zoneFile('2', {{k2000, 2}, {k2000, 1}}, kCentralEurope)));  // not ascending
  EXPECT_FALSE(readExact(zoneFile('2', {{k2000, 3}}, kCentralEurope)));      // no such type
  EXPECT_FALSE(readExact(zoneFile('2', {}, {{100 * 3600, false, "FAR"}})));  // offset of 100 hours
  EXPECT_FALSE(readExact(zoneFile('2', {}, {{0, false, "UTC"}}, "not a rule")));
  std::string unterminated = zoneFile('2', {}, {{0, false, "UTC"}});
  EXPECT_FALSE(readExact(unterminated.substr(0, unterminated.size() - 1)));  // footer without its newline
  std::string noNul = zoneFile('2', {}, {{0, false, "UTC"}}, "UTC0");
  for (std::size_t at = noNul.find("UTC"); at != std::string::npos; at = noNul.find("UTC", at + 4))
    if (noNul[at + 3] == '\0') noNul[at + 3] = 'X';  // abbreviations lose their terminator
  EXPECT_FALSE(readExact(noNul));
}

// A real zone file when the host has one, else a made one.
std::string sampleFile() {
  std::ifstream file(engine_test::zoneDirectory() + "/Europe/Paris", std::ios::binary);
  std::string contents((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (readTzif(contents)) return contents;
  return zoneFile('2', {{-2000000000, 1}, {k2000, 2}, {k2000 + 86400, 1}}, kCentralEurope,
                  "CET-1CEST,M3.5.0,M10.5.0/3");
}

TEST(ZoneFile, TruncatedCopiesAreRefused) {
  const std::string whole = sampleFile();
  for (std::size_t size = 0; size < whole.size(); ++size)
    EXPECT_FALSE(readExact(whole.substr(0, size))) << "cut at " << size;
}

// Any byte changed to any value: refused, or read into a history that
// answers every question without fault.
TEST(ZoneFile, CorruptedCopiesAreSafe) {
  const std::string whole = sampleFile();
  std::mt19937 random(42);
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::size_t at = 0; at < whole.size(); ++at) {
    for (int round = 0; round < 3; ++round) {
      std::string copy = whole;
      copy[at] = static_cast<char>(round == 0 ? 0xFF : byte(random));
      const auto h = readExact(copy);
      if (!h) continue;
      for (std::int64_t t : {-4000000000000LL, 0LL, 1700000000000LL, 4000000000000LL}) {
        const auto o = h->atInstant(t);
        ASSERT_LT(o.name, h->names.size());
        ASSERT_LT(h->atLocal(t).name, h->names.size());
      }
    }
  }
}

// IDs name files inside the zone directory and nothing else.
TEST(ZoneFile, IdsCannotLeaveTheZoneDirectory) {
  const std::string dir = std::string(KTI18N_BINARY_DIR) + "/zone_file_test_zoneinfo";
  std::filesystem::create_directories(dir + "/Test");
  std::ofstream(dir + "/Test/Good", std::ios::binary) << zoneFile('2', {}, {{3600, false, "TST"}}, "TST-1");
  std::ofstream(dir + "/Test/Bad", std::ios::binary) << "TZif2 and then nothing sound";
  std::ofstream(dir + "/Outside", std::ios::binary) << zoneFile('2', {}, {{7200, false, "OUT"}}, "OUT-2");
  const engine_test::ScopedEnv tzdir("TZDIR", (dir + "/Test").c_str());

  std::unique_ptr<TimeZone> good(eng_tzdb::createZone("Good"_u2));
  ASSERT_TRUE(good);
  EXPECT_EQ(good->getRawOffset(), 3600000);
  for (const char* bad : {"Bad", "../Outside", "Sub/../../Outside", "/etc/passwd", "", "Good/", "./Good", "//Good",
                          "No_Such_Zone", "."})
    EXPECT_EQ(eng_tzdb::createZone(ucs2string(bad)), nullptr) << bad;
  EXPECT_EQ(eng_tzdb::createZone(ucs2string(u"Gööd")), nullptr);
  // A directory is not a zone.
  const engine_test::ScopedEnv parent("TZDIR", dir.c_str());
  EXPECT_EQ(eng_tzdb::createZone("Test"_u2), nullptr);
  std::unique_ptr<TimeZone> outside(eng_tzdb::createZone("Outside"_u2));
  EXPECT_TRUE(outside);
  std::filesystem::remove_all(dir);
}

}  // namespace
