#include "support/IniFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

#include "support/Errors.h"
#include "support/Gbk.h"
#include "support/NumberText.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace wcthrm {

namespace fs = std::filesystem;

namespace {

std::string_view Trim(std::string_view s) { return TrimBlanks(s); }

// The key of a "key=value" line, trimmed; empty for headers, comments and other lines.
std::string_view KeyOf(std::string_view line) {
  std::string_view t = Trim(line);
  if (t.empty() || t.front() == '[' || t.front() == ';') return {};
  size_t eq = t.find('=');
  if (eq == std::string_view::npos) return {};
  return Trim(t.substr(0, eq));
}

std::string_view ValueOf(std::string_view line) {
  std::string_view t = Trim(line);
  return Trim(t.substr(t.find('=') + 1));
}

std::optional<std::string_view> HeaderOf(std::string_view line) {
  std::string_view t = Trim(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  t.remove_prefix(1);
  size_t close = t.find(']');
  return Trim(t.substr(0, close));
}

std::optional<uint32_t> ParseHex(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  uint32_t v = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return std::nullopt;
    v = v * 16 + static_cast<uint32_t>(d);
  }
  return v;
}

struct Stamp {
  bool exists = false;
  uintmax_t size = 0;
  fs::file_time_type time{};
  bool operator==(const Stamp&) const = default;
};

Stamp StampOf(const std::string& path) {
  std::error_code ec;
  Stamp s;
  auto status = fs::status(path, ec);
  if (ec || !fs::is_regular_file(status)) return s;
  s.exists = true;
  s.size = fs::file_size(path, ec);
  s.time = fs::last_write_time(path, ec);
  return s;
}

struct CacheEntry {
  Stamp stamp;
  std::shared_ptr<const IniFile> file;
};

std::map<std::string, CacheEntry>& Cache() {
  static std::map<std::string, CacheEntry> cache;
  return cache;
}

}  // namespace


uint32_t IniFile::Fold::Hash(std::string_view s) {
  // The bytes Equal compares, folded as it folds them: a-z, except the second byte of a GBK
  // character, which is taken as it is.
  NameHasher h;
  char folded[64];
  size_t n = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char x = static_cast<unsigned char>(s[i]);
    if (x >= 0x81 && i + 1 < s.size()) {
      folded[n++] = s[i];
      folded[n++] = s[++i];
    } else {
      folded[n++] = static_cast<char>(x >= 'a' && x <= 'z' ? x - 32 : x);
    }
    if (n >= sizeof folded - 1) {  // whole words only, so the split does not show
      const size_t words = n / 8 * 8;
      for (size_t w = 0; w < words; w += 8) h.Add(NameHasher::Load(folded + w, 8));
      std::memmove(folded, folded + words, n - words);
      n -= words;
    }
  }
  for (size_t w = 0; w < n; w += 8) h.Add(NameHasher::Load(folded + w, n - w));
  return h.Finish(s.size());
}

bool IniFile::Fold::Equal(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 0x81 && i + 1 < a.size()) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::string_view IniFile::Section::KeyAt(size_t i) const { return KeyOfLine(lines[i]); }

void IniFile::Section::Index(size_t at) {
  if (lines[at].hasKey) {
    firstKey.Put(KeyAt(at), static_cast<int32_t>(at), false, [this](int32_t p) { return KeyAt(p); });
  }
}

std::optional<std::string_view> IniFile::Section::Find(std::string_view key) const {
  int32_t at = firstKey.Find(TrimBlanks(key), [this](int32_t p) { return KeyAt(p); });
  if (at < 0) return std::nullopt;
  return ValueOfLine(lines[static_cast<size_t>(at)]);
}

std::string_view IniFile::SectionNameAt(size_t i) const {
  return *HeaderOf(sections_[i].lines.front().text);
}

IniFile::Line::Line(std::string lineText, std::string lineEnd) : eol(std::move(lineEnd)) {
  SetText(std::move(lineText));
}

void IniFile::Line::SetText(std::string lineText) {
  text = std::move(lineText);
  const std::string_view key = KeyOf(text);
  hasKey = !key.empty();
  if (!hasKey) return;
  const std::string_view value = ValueOf(text);
  keyPos = static_cast<uint32_t>(key.data() - text.data());
  keyLength = static_cast<uint32_t>(key.size());
  valuePos = static_cast<uint32_t>(value.data() - text.data());
  valueLength = static_cast<uint32_t>(value.size());
}

std::string_view IniFile::KeyOfLine(const Line& line) {
  return std::string_view(line.text).substr(line.keyPos, line.keyLength);
}

std::string_view IniFile::ValueOfLine(const Line& line) {
  return std::string_view(line.text).substr(line.valuePos, line.valueLength);
}

namespace {

// The whole file at path. A missing file reads as empty; any other failure (no permission, a
// folder, an I/O error) throws IoError naming the path and the reason.
std::string ReadWholeFile(const std::string& path) {
  std::string data;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    if (errno == ENOENT) return data;
    throw IoError("cannot read '" + path + "': " + std::strerror(errno));
  }
  char buffer[1 << 15];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.append(buffer, n);
  const int error = std::ferror(f) ? (errno ? errno : EIO) : 0;
  std::fclose(f);
  if (error) throw IoError("cannot read '" + path + "': " + std::strerror(error));
  return data;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  std::string data;
  try {
    data = ReadWholeFile(path_);
  } catch (const IoError&) {
    // as the platform reads a profile it cannot open: empty
  }
  Parse(data);
}

IniFile IniFile::ReadForUpdate(std::string path) {
  std::string data = ReadWholeFile(path);
  return IniFile(std::move(path), data);
}

IniFile::IniFile(std::string path, std::string_view data) : path_(std::move(path)) { Parse(data); }

std::shared_ptr<const IniFile> IniFile::Cached(const std::string& path) {
  Stamp now = StampOf(path);
  auto& entry = Cache()[path];
  if (!entry.file || !(entry.stamp == now)) {
    entry.file = std::make_shared<const IniFile>(path);
    entry.stamp = now;
  }
  return entry.file;
}

void IniFile::Parse(std::string_view data) {
  sections_.clear();
  firstSection_.Clear();
  sections_.push_back({});
  size_t pos = 0;
  while (pos < data.size()) {
    size_t nl = data.find('\n', pos);
    std::string text, eol;
    if (nl == std::string_view::npos) {
      text = std::string(data.substr(pos));
      pos = data.size();
    } else {
      size_t end = nl;
      eol = "\n";
      if (end > pos && data[end - 1] == '\r') {
        --end;
        eol = "\r\n";
      }
      text = std::string(data.substr(pos, end - pos));
      pos = nl + 1;
    }
    Line line(std::move(text), std::move(eol));
    if (HeaderOf(line.text)) {
      Section s;
      s.lines.push_back(std::move(line));
      sections_.push_back(std::move(s));
      IndexSection(sections_.size() - 1);
      continue;
    }
    Section& s = sections_.back();
    s.lines.push_back(std::move(line));
    s.Index(s.lines.size() - 1);
  }
}

void IniFile::IndexSection(size_t i) {
  firstSection_.Put(SectionNameAt(i), static_cast<int32_t>(i), false,
                    [this](int32_t p) { return SectionNameAt(static_cast<size_t>(p)); });
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
  int32_t i = firstSection_.Find(Trim(section), [this](int32_t p) {
    return SectionNameAt(static_cast<size_t>(p));
  });
  return i < 0 ? nullptr : &sections_[static_cast<size_t>(i)];
}

std::optional<std::string_view> IniFile::FindView(std::string_view section,
                                                  std::string_view key) const {
  const Section* s = FindSection(section);
  return s ? s->Find(key) : std::nullopt;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  if (auto v = FindView(section, key)) return std::string(*v);
  return std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  return std::string(FindView(section, key).value_or(fallback));
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key) const {
  std::string_view t = FindView(section, key).value_or("");
  if (t.size() > 2047) t = t.substr(0, 2047);
  std::optional<uint32_t> hex;
  if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
    hex = ParseHex(t.substr(2));
    if (!hex) return -1;
  } else if (!t.empty() && t[0] == '$') {
    hex = ParseHex(t.substr(1));
    if (!hex) return -1;
  }
  if (hex) return static_cast<int32_t>(*hex);
  return ParseInt(t).value_or(-1);
}

std::vector<std::string> IniFile::ReadKeys(std::string_view section) const {
  std::vector<std::string> keys;
  ForEachKey(section, [&](std::string_view key, std::string_view) { keys.emplace_back(key); });
  return keys;
}

namespace {
// A line break inside a name or value would inject lines or sections into the file.
std::string OneLine(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}
}  // namespace

namespace {
// Why a section or key name would read back as something else, or nullptr when it would not.
const char* SectionProblem(std::string_view section) {
  if (TrimBlanks(section).empty()) return "a section name may not be empty";
  if (section.find(']') != std::string_view::npos) return "a section name may not hold ']'";
  if (section.find_first_of("\r\n") != std::string_view::npos)
    return "a section name may not hold a line break";
  return nullptr;
}
const char* KeyProblem(std::string_view key) {
  const std::string_view t = TrimBlanks(key);
  if (t.empty()) return "a key may not be empty";
  if (t.find('=') != std::string_view::npos) return "a key may not hold '='";
  if (t.front() == '[' || t.front() == ';') return "a key may not begin with '[' or ';'";
  if (t.find_first_of("\r\n") != std::string_view::npos) return "a key may not hold a line break";
  return nullptr;
}
}  // namespace

void IniFile::Set(std::string_view sectionIn, std::string_view keyIn, std::string_view valueIn) {
  if (const char* problem = SectionProblem(sectionIn)) {
    throw RangeError("cannot write section [" + MessageText(sectionIn) + "] to '" + path_ + "': " + problem);
  }
  if (const char* problem = KeyProblem(keyIn)) {
    throw RangeError("cannot write key '" + MessageText(keyIn) + "' in [" + MessageText(sectionIn) +
                     "] to '" + path_ + "': " + problem);
  }
  const std::string valueLine = OneLine(valueIn);
  std::string_view section = sectionIn, key = keyIn, value = valueLine;
  const std::string text = std::string(Trim(key)) + "=" + std::string(value);
  Section* found = const_cast<Section*>(FindSection(section));
  if (!found) {
    // New section at the end; make sure the last line is ended first.
    Section* last = &sections_.back();
    if (!last->lines.empty() && last->lines.back().eol.empty()) last->lines.back().eol = "\r\n";
    Section s;
    s.lines.emplace_back("[" + std::string(Trim(section)) + "]", "\r\n");
    s.lines.emplace_back(text, "\r\n");
    s.Index(1);
    sections_.push_back(std::move(s));
    IndexSection(sections_.size() - 1);
    return;
  }
  Section& s = *found;
  const int32_t existing = s.firstKey.Find(Trim(key), [&s](int32_t p) { return s.KeyAt(p); });
  if (existing >= 0) {
    s.lines[static_cast<size_t>(existing)].SetText(text);
    return;
  }
  // Append after the section's last non-blank line, so blank separators stay in front
  // of the next section.
  size_t at = s.lines.size();
  while (at > 1 && Trim(s.lines[at - 1].text).empty()) --at;
  if (at > 0 && s.lines[at - 1].eol.empty()) s.lines[at - 1].eol = "\r\n";
  s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), Line(text, "\r\n"));
  // Only blank lines follow the new one, so no indexed position moved.
  s.Index(at);
}

std::string IniFile::Text() const {
  std::string out;
  for (const Section& s : sections_) {
    for (const Line& line : s.lines) {
      out += line.text;
      out += line.eol;
    }
  }
  return out;
}

namespace {

#ifndef _WIN32
// The file a path finally names, following symbolic links (relative ones from the link's own
// folder), so a save replaces the target and keeps the link.
std::string FinalTarget(const std::string& path) {
  fs::path at(path);
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(at, ec)) || ec) return at.string();
    fs::path next = fs::read_symlink(at, ec);
    if (ec) throw IoError("cannot write '" + path + "': " + ec.message());
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  throw IoError("cannot write '" + path + "': " + std::strerror(ELOOP));
}

// Writes all of data to fd; false with errno set on failure.
bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}
#endif

}  // namespace

void IniFile::Save() const {
  const std::string data = Text();
  auto fail = [&](const std::string& reason) {
    throw IoError("cannot write '" + path_ + "': " + reason);
  };
#ifdef _WIN32
  const std::string target = path_;
#else
  const std::string target = FinalTarget(path_);
#endif
  const fs::path targetPath(target);
  std::error_code ec;
  if (targetPath.has_parent_path()) {
    fs::create_directories(targetPath.parent_path(), ec);
    if (ec) fail(ec.message());
  }
  static unsigned counter = 0;
  const std::string temp = target + ".~" + std::to_string(++counter) + "-" +
#ifdef _WIN32
                           std::to_string(GetCurrentProcessId());
#else
                           std::to_string(::getpid());
#endif
#ifdef _WIN32
  const auto status = fs::status(targetPath, ec);
  if (!ec && fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
    fail("the file is read-only");
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) fail(std::strerror(errno));
  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  int err = errno;
  ok = std::fclose(f) == 0 && ok;
  if (!ok) {
    std::remove(temp.c_str());
    fail(std::strerror(err));
  }
  fs::rename(temp, targetPath, ec);
  if (ec) {
    std::remove(temp.c_str());
    fail(ec.message());
  }
#else
  // A file nobody may write stays as it is, even where the folder would let it be replaced
  // (and for root, whom access() lets write anything).
  struct stat old{};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && (::access(target.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0))
    fail("the file is read-only");
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) fail(std::strerror(errno));
  // Every step closes the descriptor and removes the temporary file when it fails.
  auto abandon = [&](int error) {
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    fail(std::strerror(error));
  };
  if (exists && ::fchmod(fd, old.st_mode & 07777) != 0) abandon(errno);
  if (!WriteAll(fd, data)) abandon(errno);
  if (::fsync(fd) != 0) abandon(errno);
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) abandon(errno);
  if (::rename(temp.c_str(), target.c_str()) != 0) abandon(errno);
  // The rename itself reaches the disk with the folder.
  const std::string folder = targetPath.has_parent_path() ? targetPath.parent_path().string() : ".";
  int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
#endif
  Cache().erase(path_);
}

void IniFile::WriteString(std::string_view section, std::string_view key,
                          std::string_view value) {
  Set(section, key, value);
  Save();
}

}  // namespace wcthrm
