// The host's project file: a Project written as indented UTF-8 JSON and read back the same,
// and the GBK conversions the host needs where it hands texts to the library and back.
// Qt Core only, so it builds and is tested without a display.
#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ProjectData.h"

namespace wcthrm::host {

// A project file that cannot be read or written. The message says what is wrong and, for a
// file, begins with its path.
class ProjectFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that is not valid in the encoding it is said to be in, or a missing codec.
class TextEncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr int kProjectFileVersion = 1;
inline constexpr int kMaxProjectDepth = 64;                          // levels of nodes
inline constexpr qsizetype kMaxProjectFileSize = 256 * 1024 * 1024;  // bytes

// The file's bytes; the same project always gives the same bytes. Throws ProjectFileError
// when the project could not be read back as it is: a text or name that is not UTF-8, nodes
// nested deeper than kMaxProjectDepth, or a file larger than kMaxProjectFileSize.
QByteArray WriteProject(const Project& project);

// The project of a file's bytes, all of it or nothing: throws ProjectFileError saying what is
// wrong. A type identifier the host does not know is not an error here.
Project ReadProject(const QByteArray& bytes);

// Replaces the file at path only once the whole new file is written; on failure the old file
// stays and ProjectFileError says "cannot write 'path': reason".
void SaveProjectFile(const QString& path, const Project& project);

// Throws ProjectFileError "cannot read 'path': reason", or "'path': " and ReadProject's message.
Project LoadProjectFile(const QString& path);

// The library's GBK texts (encoded as GB18030, which keeps every character) to UTF-8 and back.
// Throw TextEncodingError on bytes that are not valid in the source encoding.
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace wcthrm::host
