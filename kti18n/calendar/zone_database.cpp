#include "kti18n/calendar/zone_database.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

#include "kti18n/calendar/eng_math.h"
#include "kti18n/calendar/historical_time_zone.h"
#include "kti18n/calendar/tzif_reader.h"
#include "kti18n/calendar/zone_mutex.h"

namespace eng_tzdb {
namespace {

// Zone files are a few KB; anything far larger is not one. The source list
// tzdata.zi is about 100 KB.
constexpr std::size_t kMaxZoneFileSize = std::size_t{1} << 20;
constexpr std::size_t kMaxListFileSize = std::size_t{4} << 20;

std::string zoneDirectory() {
  const char* dir = std::getenv("TZDIR");
  return dir != nullptr && *dir != '\0' ? dir : "/usr/share/zoneinfo";
}

// An ID is a relative path inside the zone directory made of the characters
// the database uses; it may not climb out of the directory.
bool isSafeId(std::string_view id) {
  if (id.empty() || id.size() > 255 || id.front() == '/' || id.back() == '/') return false;
  if (id.find("..") != std::string_view::npos || id.find("//") != std::string_view::npos) return false;
  if (id == "." || id.substr(0, 2) == "./" || id.find("/./") != std::string_view::npos ||
      id.substr(id.size() - std::min<std::size_t>(2, id.size())) == "/.")
    return false;
  return std::all_of(id.begin(), id.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '_' ||
           c == '-' || c == '+' || c == '.';
  });
}

std::optional<std::string> asciiOf(const ucs2string& id) {
  std::string out;
  out.reserve(id.length());
  const unsigned short* units = id.c_str();
  for (std::size_t i = 0; i < id.length(); ++i) {
    if (units[i] == 0 || units[i] >= 0x80) return std::nullopt;
    out += static_cast<char>(units[i]);
  }
  return out;
}

// The contents of a regular file of at most maxSize bytes. Directories,
// devices and pipes are refused before anything is read from them.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxSize) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  std::optional<std::string> result;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
      static_cast<std::uint64_t>(info.st_size) <= maxSize) {
    std::string contents(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t got = 0;
    while (got < contents.size()) {
      const ssize_t n = ::read(fd, contents.data() + got, contents.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    contents.resize(got);
    result = std::move(contents);
  }
  ::close(fd);
  return result;
}

std::shared_ptr<const ZoneHistory> readHistory(const std::string& path) {
  const auto contents = readRegularFile(path, kMaxZoneFileSize);
  if (!contents) return nullptr;
  auto history = readTzif(*contents);
  if (!history) return nullptr;
  return std::make_shared<const ZoneHistory>(std::move(*history));
}

// Zone histories by directory and ID, and ID lists by directory; under the
// zone mutex. Unknown IDs are not kept: callers may ask for any name.
struct Cache {
  std::map<std::string, std::shared_ptr<const ZoneHistory>> zones;
  std::map<std::string, std::vector<std::string>> ids;
};

Cache& cache() {
  static Cache instance;
  return instance;
}

std::shared_ptr<const ZoneHistory> historyOf(std::string_view id) {
  if (!isSafeId(id)) return nullptr;
  const std::string dir = zoneDirectory();
  std::string key = dir;
  key += '\n';
  key += id;
  os_lock_guard hold(eng_zoneMutex());
  auto& zones = cache().zones;
  if (const auto found = zones.find(key); found != zones.end()) return found->second;
  auto history = readHistory(dir + "/" + std::string(id));
  if (history) zones.emplace(std::move(key), history);
  return history;
}

TimeZone* createZoneNamed(std::string_view id) {
  auto history = historyOf(id);
  if (!history) return nullptr;
  return new HistoricalTimeZone(std::move(history), ucs2string(std::string(id).c_str()));
}

// The zones and links that the database's source list names ("Z name ..."
// and "L target name" lines).
std::vector<std::string> idsOfSourceList(const std::string& dir) {
  std::vector<std::string> ids;
  const auto text = readRegularFile(dir + "/tzdata.zi", kMaxListFileSize);
  if (!text) return ids;
  std::string_view rest(*text);
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (line.size() < 3 || (line[0] != 'Z' && line[0] != 'L') || line[1] != ' ') continue;
    // Z: the name is the first field; L: the second.
    std::string_view fields = line.substr(2);
    if (line[0] == 'L') {
      const std::size_t space = fields.find(' ');
      if (space == std::string_view::npos) continue;
      fields.remove_prefix(space + 1);
    }
    ids.emplace_back(fields.substr(0, fields.find(' ')));
  }
  return ids;
}

// Without a source list: every zone file under the directory, but for the
// duplicate trees of "posix/" and "right/" and the aliases of the host's
// own zone.
std::vector<std::string> idsOfDirectory(const std::string& dir) {
  namespace fs = std::filesystem;
  std::vector<std::string> ids;
  std::error_code ec;
  fs::recursive_directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string id = it->path().lexically_relative(dir).generic_string();
    if (it->is_directory(ec)) {
      if (id == "posix" || id == "right") it.disable_recursion_pending();
      continue;
    }
    if (id == "localtime" || id == "posixrules") continue;
    const auto head = readRegularFile(it->path().string(), kMaxZoneFileSize);
    if (head && head->compare(0, 4, "TZif") == 0) ids.push_back(id);
  }
  return ids;
}

std::vector<std::string> listIds(const std::string& dir) {
  std::vector<std::string> ids = idsOfSourceList(dir);
  if (ids.empty()) ids = idsOfDirectory(dir);
  // Only the names this host can open: the source list may name zones of
  // a package that is not installed.
  ids.erase(std::remove_if(ids.begin(), ids.end(),
                           [&](const std::string& id) {
                             struct stat info {};
                             return !isSafeId(id) || ::stat((dir + "/" + id).c_str(), &info) != 0 ||
                                    !S_ISREG(info.st_mode);
                           }),
            ids.end());
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  return ids;
}

// The database name of a zone file path inside a zone directory
// (".../zoneinfo/Europe/Paris" gives "Europe/Paris"); empty otherwise.
std::string nameInZoneDirectory(std::string_view path) {
  const std::string dir = zoneDirectory() + "/";
  std::string_view name;
  if (path.substr(0, dir.size()) == dir) {
    name = path.substr(dir.size());
  } else if (const std::size_t at = path.rfind("/zoneinfo/"); at != std::string_view::npos) {
    name = path.substr(at + 10);
  }
  for (std::string_view tree : {"posix/", "right/"})
    if (name.substr(0, tree.size()) == tree) name.remove_prefix(tree.size());
  return isSafeId(name) ? std::string(name) : std::string();
}

std::string linkName(const std::string& path) {
  std::error_code ec;
  const auto target = std::filesystem::read_symlink(path, ec);
  if (ec) return {};
  return nameInZoneDirectory(target.string());
}

// The standard abbreviation in force now, naming a zone without a known ID.
std::string standardName(const ZoneHistory& history) {
  const ZoneOffsets now = history.atInstant(static_cast<std::int64_t>(eng_getUTCtime()) * 1000);
  if (now.dst == 0) return history.names[now.name];
  if (history.rule) return history.rule->text().stdName;
  for (auto it = history.after.rbegin(); it != history.after.rend(); ++it)
    if (it->dst == 0) return history.names[it->name];
  return history.names[history.initial.name];
}

TimeZone* zoneOfFile(const std::string& path, const std::string& name) {
  if (!name.empty())
    if (TimeZone* zone = createZoneNamed(name)) return zone;
  const auto contents = readRegularFile(path, kMaxZoneFileSize);
  if (!contents) return nullptr;
  auto history = readTzif(*contents);
  if (!history) return nullptr;
  auto shared = std::make_shared<const ZoneHistory>(std::move(*history));
  const std::string id = name.empty() ? standardName(*shared) : name;
  return new HistoricalTimeZone(std::move(shared), ucs2string(id.c_str()));
}

}  // namespace

TimeZone* createZone(const ucs2string& id) {
  const auto ascii = asciiOf(id);
  if (!ascii) return nullptr;
  return createZoneNamed(*ascii);
}

std::vector<std::string> availableIds() {
  const std::string dir = zoneDirectory();
  os_lock_guard hold(eng_zoneMutex());
  auto& lists = cache().ids;
  auto found = lists.find(dir);
  if (found == lists.end()) found = lists.emplace(dir, listIds(dir)).first;
  return found->second;
}

std::string abbreviationAt(const TimeZone& zone, double date) {
  if (zone.getDynamicClassId() != HistoricalTimeZone::getStaticClassId()) return {};
  return static_cast<const HistoricalTimeZone&>(zone).abbreviationAt(date);
}

TimeZone* createHostZone(const char* tzValue, const std::string& localtimePath) {
  if (tzValue == nullptr) return zoneOfFile(localtimePath, linkName(localtimePath));
  std::string_view tz(tzValue);
  if (!tz.empty() && tz.front() == ':') tz.remove_prefix(1);
  if (tz.empty()) return nullptr;
  if (tz.front() == '/') return zoneOfFile(std::string(tz), nameInZoneDirectory(tz));
  return createZoneNamed(tz);
}

}  // namespace eng_tzdb
