// What the project file's reader and writer share: the format's constants, the errors and the
// names of places in the file. Internal to the project file.
#pragma once

#include <QString>
#include <QStringDecoder>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ProjectFile.h"

namespace wcthrm::host::projectfile {

inline constexpr char kFormat[] = "wcthrm-project";
inline constexpr uint64_t kQuietNan = 0x7ff8000000000000;
inline constexpr char kNanBitsPrefix[] = "nan:0x";

[[noreturn]] inline void Fail(const std::string& message) { throw ProjectFileError(message); }

inline std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }

// "node 2.1": the second top node's first child.
inline std::string NodeName(const std::vector<int>& path) {
  std::string out = "node ";
  for (size_t i = 0; i < path.size(); ++i) {
    if (i) out += '.';
    out += std::to_string(path[i] + 1);
  }
  return out;
}

inline bool IsUtf8(std::string_view s) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                   QStringConverter::Flag::ConvertInitialBom);
  const QString decoded = decoder.decode(QByteArrayView(s.data(), qsizetype(s.size())));
  return !decoder.hasError();
}

inline std::string MiB(qsizetype bytes) { return std::to_string(bytes / (1024 * 1024)) + " MiB"; }

// The shortest text that reads back to d's bits (the writer's form of a double).
std::string EncodeDouble(double d);

}  // namespace wcthrm::host::projectfile
