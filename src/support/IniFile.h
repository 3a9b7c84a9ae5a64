// INI files with the semantics of the platform's private-profile functions: sections and
// keys compared ignoring ASCII case, values trimmed, the first matching section and key win,
// file order kept. Texts are GBK bytes. Lines a write does not touch stay byte for byte, and
// Save replaces the file atomically (temporary file, then rename).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace wcthrm {

class IniFile {
 public:
  // Reads path; a missing or unreadable file reads as empty.
  explicit IniFile(std::string path);
  // The text data as if read from path (nothing is read).
  IniFile(std::string path, std::string_view data);

  // The parsed file at path, shared and re-read only when the file changed on disk or was
  // saved through IniFile since.
  static std::shared_ptr<const IniFile> Cached(const std::string& path);

  const std::string& path() const { return path_; }

  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // 0x1F and $1F give 31, -5 gives -5; malformed, empty, missing or out of range give -1.
  int32_t ReadInteger(std::string_view section, std::string_view key) const;
  // Key names of the first matching section, in file order, first spelling of each.
  std::vector<std::string> ReadKeys(std::string_view section) const;

  // Changes the text in memory: in place when the key exists, else appended to its section,
  // else a new section is appended.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Writes the text atomically, creating missing folders. Throws IoError naming the path
  // and the reason; the old file then stays as it was.
  void Save() const;

  // Set, then Save.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // The whole text as it would be saved.
  std::string Text() const;

 private:
  struct Line {
    std::string text;  // without the line end
    std::string eol;   // "\r\n", "\n" or "" for a last line without one
    std::string key;   // folded key name, empty when the line holds no key
  };
  struct Section {
    std::string name;  // folded; empty for the lines before the first header
    std::vector<Line> lines;  // header line first, except for the preamble
    std::unordered_map<std::string, size_t> firstKey;
  };

  void Parse(std::string_view data);
  const Section* FindSection(std::string_view section) const;
  static void IndexLine(Section& s, size_t at);

  std::string path_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> firstSection_;
};

// ASCII letters to upper case, leaving both bytes of a GBK double-byte character alone.
std::string FoldIniName(std::string_view name);

}  // namespace wcthrm
