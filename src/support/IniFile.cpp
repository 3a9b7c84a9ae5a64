#include "IniFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

#include "Errors.h"
#include "NumberText.h"

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

std::string FoldIniName(std::string_view name) {
  std::string out(name);
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 0x81 && i + 1 < out.size()) {
      ++i;  // trail byte of a double-byte character
    } else if (c >= 'a' && c <= 'z') {
      out[i] = static_cast<char>(c - 32);
    }
  }
  return out;
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  std::ifstream in(path_, std::ios::binary);
  std::string data;
  if (in) {
    std::ostringstream ss;
    ss << in.rdbuf();
    data = ss.str();
  }
  Parse(data);
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

void IniFile::IndexLine(Section& s, size_t at) {
  const std::string& key = s.lines[at].key;
  if (!key.empty()) s.firstKey.emplace(key, at);
}

void IniFile::Parse(std::string_view data) {
  sections_.clear();
  firstSection_.clear();
  sections_.push_back({});
  size_t pos = 0;
  while (pos < data.size()) {
    size_t nl = data.find('\n', pos);
    Line line;
    if (nl == std::string_view::npos) {
      line.text = std::string(data.substr(pos));
      pos = data.size();
    } else {
      size_t end = nl;
      line.eol = "\n";
      if (end > pos && data[end - 1] == '\r') {
        --end;
        line.eol = "\r\n";
      }
      line.text = std::string(data.substr(pos, end - pos));
      pos = nl + 1;
    }
    if (auto header = HeaderOf(line.text)) {
      Section s;
      s.name = FoldIniName(*header);
      firstSection_.emplace(s.name, sections_.size());
      s.lines.push_back(std::move(line));
      sections_.push_back(std::move(s));
      continue;
    }
    line.key = FoldIniName(KeyOf(line.text));
    Section& s = sections_.back();
    s.lines.push_back(std::move(line));
    IndexLine(s, s.lines.size() - 1);
  }
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
  auto it = firstSection_.find(FoldIniName(Trim(section)));
  return it == firstSection_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return std::nullopt;
  auto it = s->firstKey.find(FoldIniName(Trim(key)));
  if (it == s->firstKey.end()) return std::nullopt;
  return std::string(ValueOf(s->lines[it->second].text));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  auto v = Find(section, key);
  return v ? *v : std::string(fallback);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2047) text.resize(2047);
  std::string_view t = text;
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
  const Section* s = FindSection(section);
  if (!s) return keys;
  for (size_t i = 0; i < s->lines.size(); ++i) {
    const Line& line = s->lines[i];
    if (line.key.empty()) continue;
    auto it = s->firstKey.find(line.key);
    if (it != s->firstKey.end() && it->second == i) keys.emplace_back(KeyOf(line.text));
  }
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

void IniFile::Set(std::string_view sectionIn, std::string_view keyIn, std::string_view valueIn) {
  const std::string sectionLine = OneLine(sectionIn), keyLine = OneLine(keyIn),
                    valueLine = OneLine(valueIn);
  std::string_view section = sectionLine, key = keyLine, value = valueLine;
  std::string text = std::string(Trim(key)) + "=" + std::string(value);
  std::string folded = FoldIniName(Trim(key));
  auto sit = firstSection_.find(FoldIniName(Trim(section)));
  if (sit == firstSection_.end()) {
    // New section at the end; make sure the last line is ended first.
    Section* last = &sections_.back();
    if (!last->lines.empty() && last->lines.back().eol.empty()) last->lines.back().eol = "\r\n";
    Section s;
    s.name = FoldIniName(Trim(section));
    s.lines.push_back({"[" + std::string(Trim(section)) + "]", "\r\n", {}});
    s.lines.push_back({text, "\r\n", folded});
    IndexLine(s, 1);
    firstSection_.emplace(s.name, sections_.size());
    sections_.push_back(std::move(s));
    return;
  }
  Section& s = sections_[sit->second];
  if (auto kit = s.firstKey.find(folded); kit != s.firstKey.end()) {
    s.lines[kit->second].text = text;
    return;
  }
  // Append after the section's last non-blank line, so blank separators stay in front
  // of the next section.
  size_t at = s.lines.size();
  while (at > 1 && Trim(s.lines[at - 1].text).empty()) --at;
  if (at > 0 && s.lines[at - 1].eol.empty()) s.lines[at - 1].eol = "\r\n";
  s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{text, "\r\n", folded});
  s.firstKey.clear();
  for (size_t i = 0; i < s.lines.size(); ++i) IndexLine(s, i);
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

void IniFile::Save() const {
  const std::string data = Text();
  const fs::path target(path_);
  auto fail = [&](const std::string& reason) {
    throw IoError("cannot write '" + path_ + "': " + reason);
  };
  std::error_code ec;
  if (target.has_parent_path()) {
    fs::create_directories(target.parent_path(), ec);
    if (ec) fail(ec.message());
  }
  static unsigned counter = 0;
  const std::string temp = path_ + ".~" + std::to_string(++counter) + "-" +
#ifdef _WIN32
                           std::to_string(GetCurrentProcessId());
#else
                           std::to_string(::getpid());
#endif
#ifdef _WIN32
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) fail(std::strerror(errno));
  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  int err = errno;
  ok = std::fclose(f) == 0 && ok;
  if (!ok) {
    std::remove(temp.c_str());
    fail(std::strerror(err));
  }
  fs::rename(temp, target, ec);
  if (ec) {
    std::remove(temp.c_str());
    fail(ec.message());
  }
#else
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) fail(std::strerror(errno));
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      ::unlink(temp.c_str());
      fail(std::strerror(err));
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    fail(std::strerror(err));
  }
  if (::rename(temp.c_str(), path_.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    fail(std::strerror(err));
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
