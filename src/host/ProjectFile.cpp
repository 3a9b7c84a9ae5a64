// The project file's format:
//
//   {
//     "format": "wcthrm-project",
//     "version": 1,
//     "nodes": [ node, ... ]
//   }
//   node:  { "typeId": integer, "values": [ value, ... ], "children": [ node, ... ] }
//   value: { "name": text, "type": "empty" }
//        | { "name": text, "type": "int", "value": integer }
//        | { "name": text, "type": "double", "value": text }
//        | { "name": text, "type": "bool", "value": true | false }
//        | { "name": text, "type": "text", "value": text }
//
// Doubles are written as texts, not as JSON numbers: the shortest decimal that reads back to
// the same bits ("0.1", "-0", "5e-324", "inf", "-inf"), "nan" for the usual quiet NaN and
// "nan:0x" with the 16 hex digits of any other NaN. JSON has no infinities or NaN, and a JSON
// number loses -0 and the double/integer distinction on the way through a parser.
//
// The writer is our own, so the bytes do not depend on Qt's formatting; the reader is Qt's
// parser, plus a scan for duplicate fields that QJsonObject would silently merge.
#include "ProjectFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <unordered_set>
#include <vector>

#include "ProjectFileFormat.h"

namespace wcthrm::host {

using namespace projectfile;

void SaveProjectFile(const QString& path, const Project& project) {
  const QByteArray bytes = WriteProject(project);
  QSaveFile file(path);
  auto fail = [&](const QString& reason) {
    Fail("cannot write '" + Utf8(path) + "': " + Utf8(reason));
  };
  if (!file.open(QIODevice::WriteOnly)) fail(file.errorString());
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    fail(reason);
  }
  if (!file.commit()) fail(file.errorString());
}

Project LoadProjectFile(const QString& path) {
  QFile file(path);
  const std::string name = "'" + Utf8(path) + "'";
  if (!file.open(QIODevice::ReadOnly))
    Fail("cannot read " + name + ": " + Utf8(file.errorString()));
  if (file.size() > kMaxProjectFileSize)
    Fail(name + ": the file is larger than " + MiB(kMaxProjectFileSize) + " (" +
         std::to_string(file.size()) + " bytes)");
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    Fail("cannot read " + name + ": " + Utf8(file.errorString()));
  try {
    return ReadProject(bytes);
  } catch (const ProjectFileError& e) {
    Fail(name + ": " + e.what());
  }
}

namespace {

constexpr char kGbkCodec[] = "GB18030";

// Qt's own codecs first; GB18030 comes from ICU where Qt was built with it.
template <class Converter>
Converter Gb18030Converter() {
  const auto flags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
  if (const std::optional<QStringConverter::Encoding> builtIn =
          QStringConverter::encodingForName(kGbkCodec))
    return Converter(*builtIn, flags);
  Converter converter(kGbkCodec, flags);
  if (!converter.isValid())
    throw TextEncodingError(
        std::string("the ") + kGbkCodec +
        " codec is not available in this Qt build; GBK texts cannot be converted");
  return converter;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  QStringDecoder decoder = Gb18030Converter<QStringDecoder>();
  const QString text = decoder.decode(QByteArrayView(gbk.data(), qsizetype(gbk.size())));
  if (decoder.hasError()) throw TextEncodingError("the text is not valid GBK");
  return Utf8(text);
}

std::string Utf8ToGbk(std::string_view utf8) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                   QStringConverter::Flag::ConvertInitialBom);
  const QString text = decoder.decode(QByteArrayView(utf8.data(), qsizetype(utf8.size())));
  if (decoder.hasError()) throw TextEncodingError("the text is not valid UTF-8");
  QStringEncoder encoder = Gb18030Converter<QStringEncoder>();
  const QByteArray gbk = encoder.encode(text);
  if (encoder.hasError()) throw TextEncodingError("the text has a character GB18030 cannot hold");
  return gbk.toStdString();
}

}  // namespace wcthrm::host
