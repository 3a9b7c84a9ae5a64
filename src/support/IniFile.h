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
#include <vector>

#include "support/FoldedIndex.h"

namespace wcthrm {

class IniFile {
 public:
  // Reads path; a missing or unreadable file reads as empty.
  explicit IniFile(std::string path);
  // Reads path to change and save it: a missing file reads as empty, one that exists but
  // cannot be read throws IoError naming the path and the reason, so saving can never
  // replace a file it did not see.
  static IniFile ReadForUpdate(std::string path);
  // The text data as if read from path (nothing is read).
  IniFile(std::string path, std::string_view data);

  // The parsed file at path, shared and re-read only when the file changed on disk or was
  // saved through IniFile since.
  static std::shared_ptr<const IniFile> Cached(const std::string& path);

  const std::string& path() const { return path_; }

  bool HasSection(std::string_view section) const { return FindSection(section) != nullptr; }
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // The value inside the file's text, valid until the file is next changed.
  std::optional<std::string_view> FindView(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // 0x1F and $1F give 31, -5 gives -5; malformed, empty, missing or out of range give -1.
  int32_t ReadInteger(std::string_view section, std::string_view key) const;
  // Key names of the first matching section, in file order, first spelling of each.
  std::vector<std::string> ReadKeys(std::string_view section) const;
  // visit(key, value) for each key of ReadKeys, without copies.
  template <class Visit>
  void ForEachKey(std::string_view section, Visit&& visit) const;

  // Changes the text in memory: in place when the key exists, else appended to its section,
  // else a new section is appended. A name that would read back as something else (a key
  // empty, holding '=' or a line break, or beginning with '[' or ';'; a section name empty or
  // holding ']' or a line break) throws RangeError and changes nothing; line breaks in a
  // value become blanks.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Writes the text atomically, creating missing folders. A symbolic link is followed: its
  // target is replaced (keeping its permissions) and the link stays. A read-only file is not
  // replaced. Throws IoError naming the path and the reason; the old file then stays as it
  // was and no temporary file is left.
  void Save() const;

  // Set, then Save.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // The whole text as it would be saved.
  std::string Text() const;

 private:
  // Names compare with ASCII letters folded, both bytes of a GBK character kept.
  struct Fold {
    static uint32_t Hash(std::string_view s);
    static bool Equal(std::string_view a, std::string_view b);
  };

  struct Line {
    std::string text;  // without the line end
    std::string eol;   // "\r\n", "\n" or "" for a last line without one
    bool hasKey = false;
    // Where the trimmed key and value lie in text, found once when the text is set.
    uint32_t keyPos = 0, keyLength = 0, valuePos = 0, valueLength = 0;

    Line(std::string lineText, std::string lineEnd);
    void SetText(std::string lineText);
  };
  struct Section {
    std::vector<Line> lines;      // header line first, except for the preamble
    FoldedIndex<Fold> firstKey;   // key -> its first line
    std::string_view KeyAt(size_t i) const;
    void Index(size_t at);
    std::optional<std::string_view> Find(std::string_view key) const;
  };
  friend class SectionView;

  void Parse(std::string_view data);
  const Section* FindSection(std::string_view section) const;
  static std::string_view KeyOfLine(const Line& line);
  static std::string_view ValueOfLine(const Line& line);
  std::string_view SectionNameAt(size_t i) const;
  void IndexSection(size_t i);

  std::string path_;
  std::vector<Section> sections_;    // sections_[0] holds the lines before the first header
  FoldedIndex<Fold> firstSection_;   // name -> its first section

 public:
  // One section found once, for many lookups; valid while the file is unchanged.
  class SectionView {
   public:
    std::optional<std::string_view> Find(std::string_view key) const {
      return section_ ? section_->Find(key) : std::nullopt;
    }

   private:
    friend class IniFile;
    explicit SectionView(const Section* section) : section_(section) {}
    const Section* section_;
  };
  SectionView FindSectionView(std::string_view section) const {
    return SectionView(FindSection(section));
  }
};

template <class Visit>
void IniFile::ForEachKey(std::string_view section, Visit&& visit) const {
  const Section* s = FindSection(section);
  if (!s) return;
  for (size_t i = 0; i < s->lines.size(); ++i) {
    const Line& line = s->lines[i];
    if (!line.hasKey) continue;
    std::string_view key = KeyOfLine(line);
    if (static_cast<size_t>(s->firstKey.Find(key, [s](int32_t p) { return s->KeyAt(p); })) == i)
      visit(key, ValueOfLine(line));
  }
}

}  // namespace wcthrm
