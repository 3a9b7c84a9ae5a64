// Reading a project file: Qt's parser, then every node and value checked against the format,
// so a file is read whole or refused with what is wrong and where.
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

namespace {

const char* KindOf(const QJsonValue& v) {
  switch (v.type()) {
    case QJsonValue::Null:
      return "null";
    case QJsonValue::Bool:
      return "true/false";
    case QJsonValue::Double:
      return "a number";
    case QJsonValue::String:
      return "a text";
    case QJsonValue::Array:
      return "an array";
    case QJsonValue::Object:
      return "an object";
    default:
      return "nothing";
  }
}

// A text with what it is part of ("node 2.1: ") and a way to say what is wrong with it.
struct Where {
  std::string prefix;
  [[noreturn]] void Fail(const std::string& message) const { host::Fail(prefix + message); }
};

// Only the fields named, each of them present.
void CheckFields(const QJsonObject& object, std::initializer_list<const char*> required,
                 std::initializer_list<const char*> optional, const Where& where) {
  for (auto it = object.begin(); it != object.end(); ++it) {
    bool known = false;
    for (const char* name : required) known = known || it.key() == QLatin1String(name);
    for (const char* name : optional) known = known || it.key() == QLatin1String(name);
    if (!known) where.Fail("unknown field '" + Utf8(it.key()) + "'");
  }
  for (const char* name : required)
    if (!object.contains(QLatin1String(name)))
      where.Fail("missing field '" + std::string(name) + "'");
}

std::string ReadText(const QJsonValue& v, const char* field, const Where& where) {
  if (!v.isString()) where.Fail("'" + std::string(field) + "' must be a text, found " + KindOf(v));
  const QString s = v.toString();
  // An escaped lone surrogate has no UTF-8 form; converting it would change the text.
  if (!s.isValidUtf16()) where.Fail("'" + std::string(field) + "' is not valid Unicode");
  return Utf8(s);
}

int32_t ReadInt(const QJsonValue& v, const char* field, const Where& where) {
  if (!v.isDouble())
    where.Fail("'" + std::string(field) + "' must be an integer, found " + KindOf(v));
  // Every int32 is exact as a double; larger numbers are refused whatever their rounding.
  const double d = v.toDouble();
  if (std::floor(d) != d)
    where.Fail("'" + std::string(field) + "' must be an integer, found " + EncodeDouble(d));
  if (d < INT32_MIN || d > INT32_MAX)
    where.Fail("integer " +
               (std::fabs(d) < 0x1p63 ? std::to_string(v.toInteger()) : EncodeDouble(d)) + " of '" +
               field + "' is out of range (" + std::to_string(INT32_MIN) + " to " +
               std::to_string(INT32_MAX) + ")");
  return static_cast<int32_t>(d);
}

double DecodeDouble(const std::string& text, const Where& where) {
  auto bad = [&](const char* what) { where.Fail("'" + text + "' " + what); };
  if (text == "nan") return std::bit_cast<double>(kQuietNan);
  const std::string_view prefix = kNanBitsPrefix;
  if (text.starts_with(prefix)) {
    const std::string_view hex = std::string_view(text).substr(prefix.size());
    uint64_t bits = 0;
    const auto r = std::from_chars(hex.data(), hex.data() + hex.size(), bits, 16);
    if (hex.size() != 16 || r.ec != std::errc() || r.ptr != hex.data() + hex.size())
      bad("is not a NaN's 16 hexadecimal digits");
    const double d = std::bit_cast<double>(bits);
    if (!std::isnan(d)) bad("is not the bit pattern of a NaN");
    return d;
  }
  // from_chars would also take "infinity", "NAN" and "nan(...)": only our own forms are read.
  if (text != "inf" && text != "-inf" &&
      text.find_first_not_of("0123456789+-.eE") != std::string::npos)
    bad("is not a number");
  double d = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), d);
  if (r.ec == std::errc::result_out_of_range) bad("is out of the range of a double");
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) bad("is not a number");
  return d;
}

NamedValue ReadValue(const QJsonValue& json, const std::string& node, size_t index) {
  Where where{node + ", value " + std::to_string(index + 1) + ": "};
  if (!json.isObject()) where.Fail("must be an object, found " + std::string(KindOf(json)));
  const QJsonObject object = json.toObject();
  NamedValue nv;
  if (object.contains(QLatin1String("name"))) {
    nv.name = ReadText(object.value(QLatin1String("name")), "name", where);
    where.prefix = node + ", value " + std::to_string(index + 1) + " ('" + nv.name + "'): ";
  }
  CheckFields(object, {"name", "type"}, {"value"}, where);
  const std::string type = ReadText(object.value(QLatin1String("type")), "type", where);
  const QJsonValue value = object.value(QLatin1String("value"));
  Value& v = nv.value;
  if (type == "empty") {
    if (object.contains(QLatin1String("value"))) where.Fail("an empty value has no 'value' field");
    return nv;
  }
  if (!object.contains(QLatin1String("value"))) where.Fail("missing field 'value'");
  if (type == "int") {
    v.type = Value::Type::Int;
    v.asInt = ReadInt(value, "value", where);
  } else if (type == "double") {
    v.type = Value::Type::Double;
    if (!value.isString())
      where.Fail("a double's 'value' must be a text holding the number, found " +
                 std::string(KindOf(value)));
    v.asDouble = DecodeDouble(ReadText(value, "value", where), where);
  } else if (type == "bool") {
    v.type = Value::Type::Bool;
    if (!value.isBool())
      where.Fail("'value' must be true or false, found " + std::string(KindOf(value)));
    v.asBool = value.toBool();
  } else if (type == "text") {
    v.type = Value::Type::Text;
    v.asText = ReadText(value, "value", where);
  } else {
    where.Fail("unknown value type '" + type + "'");
  }
  return nv;
}

std::vector<ProjectNode> ReadNodes(const QJsonValue& json, std::vector<int>& path,
                                   const Where& where);

ProjectNode ReadNode(const QJsonValue& json, std::vector<int>& path) {
  const std::string name = NodeName(path);
  const Where where{name + ": "};
  if (!json.isObject()) where.Fail("must be an object, found " + std::string(KindOf(json)));
  const QJsonObject object = json.toObject();
  CheckFields(object, {"typeId", "values", "children"}, {}, where);
  ProjectNode node;
  node.typeId = ReadInt(object.value(QLatin1String("typeId")), "typeId", where);
  const QJsonValue values = object.value(QLatin1String("values"));
  if (!values.isArray())
    where.Fail("'values' must be an array, found " + std::string(KindOf(values)));
  const QJsonArray array = values.toArray();
  node.values.reserve(size_t(array.size()));
  for (qsizetype i = 0; i < array.size(); ++i)
    node.values.push_back(ReadValue(array.at(i), name, size_t(i)));
  node.children = ReadNodes(object.value(QLatin1String("children")), path, where);
  return node;
}

std::vector<ProjectNode> ReadNodes(const QJsonValue& json, std::vector<int>& path,
                                   const Where& where) {
  const char* field = path.empty() ? "nodes" : "children";
  if (!json.isArray())
    where.Fail("'" + std::string(field) + "' must be an array, found " + KindOf(json));
  const QJsonArray array = json.toArray();
  if (!array.isEmpty() && int(path.size()) >= kMaxProjectDepth)
    where.Fail("nodes nested deeper than " + std::to_string(kMaxProjectDepth) + " levels");
  std::vector<ProjectNode> nodes;
  nodes.reserve(size_t(array.size()));
  for (qsizetype i = 0; i < array.size(); ++i) {
    path.push_back(int(i));
    nodes.push_back(ReadNode(array.at(i), path));
    path.pop_back();
  }
  return nodes;
}

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xc0 | (c >> 6));
    out += char(0x80 | (c & 0x3f));
  } else if (c < 0x10000) {
    out += char(0xe0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3f));
    out += char(0x80 | (c & 0x3f));
  } else {
    out += char(0xf0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3f));
    out += char(0x80 | ((c >> 6) & 0x3f));
    out += char(0x80 | (c & 0x3f));
  }
}

uint32_t Hex4(const char* p) {
  uint32_t v = 0;
  for (int k = 0; k < 4; ++k) {
    const char c = p[k];
    v = v * 16 + uint32_t(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
  }
  return v;
}

// QJsonObject keeps the last of two equal keys and drops the other without a word, so a
// duplicate is looked for in the text. The text is valid JSON here (Qt parsed it), which
// keeps the scan simple: only strings, brackets, commas and colons matter.
void CheckNoDuplicateFields(const QByteArray& bytes) {
  struct Level {
    bool object;
    bool expectKey;
    std::unordered_set<std::string> keys;
  };
  std::vector<Level> stack;
  const char* p = bytes.constData();
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n; ++i) {
    switch (p[i]) {
      case '{':
        stack.push_back({true, true, {}});
        break;
      case '[':
        stack.push_back({false, false, {}});
        break;
      case '}':
      case ']':
        if (!stack.empty()) stack.pop_back();
        break;
      case ',':
        if (!stack.empty() && stack.back().object) stack.back().expectKey = true;
        break;
      case '"': {
        const qsizetype start = i;
        std::string key;  // decoded to UTF-8, so "a" and "\u0061" are one key
        for (++i; i < n && p[i] != '"'; ++i) {
          if (p[i] != '\\' || i + 1 >= n) {
            key += p[i];
            continue;
          }
          const char e = p[++i];
          if (e != 'u' || i + 4 >= n) {
            key += e == 'n'   ? '\n'
                   : e == 'r' ? '\r'
                   : e == 't' ? '\t'
                   : e == 'b' ? '\b'
                   : e == 'f' ? '\f'
                              : e;
            continue;
          }
          uint32_t c = Hex4(p + i + 1);
          i += 4;
          if (c >= 0xd800 && c < 0xdc00 && i + 6 < n && p[i + 1] == '\\' && p[i + 2] == 'u') {
            const uint32_t low = Hex4(p + i + 3);
            if (low >= 0xdc00 && low < 0xe000) {
              c = 0x10000 + ((c - 0xd800) << 10) + (low - 0xdc00);
              i += 6;
            }
          }
          AppendUtf8(key, c);
        }
        if (!stack.empty() && stack.back().object && stack.back().expectKey) {
          stack.back().expectKey = false;
          if (!stack.back().keys.insert(key).second)
            Fail("duplicate field '" + key + "' at offset " + std::to_string(start));
        }
        break;
      }
      default:
        break;
    }
  }
}

// Whether a text that Qt refused at errorOffset is the beginning of a longer one: brackets
// or a string are still open at its end, Qt stumbled no earlier than the last bracket,
// comma, colon or quote, and what follows that is a string or the start of a number or word.
bool IsCutShort(const QByteArray& bytes, qsizetype errorOffset) {
  qsizetype depth = 0, lastMark = -1;
  bool inString = false;
  const char* p = bytes.constData();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = p[i];
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
        lastMark = i;
      }
      continue;
    }
    switch (c) {
      case '"':
        inString = true;
        lastMark = i;
        break;
      case '{':
      case '[':
        ++depth;
        lastMark = i;
        break;
      case '}':
      case ']':
        --depth;
        lastMark = i;
        break;
      case ',':
      case ':':
        lastMark = i;
        break;
      default:
        break;
    }
  }
  if (depth <= 0 && !inString) return false;
  if (errorOffset < lastMark) return false;
  if (inString) return true;
  const QByteArray tail = bytes.mid(lastMark + 1).trimmed();
  if (tail.isEmpty()) return true;
  for (const char* word : {"true", "false", "null"})
    if (QByteArrayView(word).startsWith(tail)) return true;
  for (char c : tail)
    if (!std::isdigit(uchar(c)) && c != '-' && c != '+' && c != '.' && c != 'e' && c != 'E')
      return false;
  return true;
}

}  // namespace

Project ReadProject(const QByteArray& bytes) {
  if (bytes.size() > kMaxProjectFileSize)
    Fail("the file is larger than " + MiB(kMaxProjectFileSize) + " (" +
         std::to_string(bytes.size()) + " bytes)");
  if (bytes.trimmed().isEmpty()) Fail("the file is empty");

  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError) {
    const bool truncated = IsCutShort(bytes, error.offset);
    Fail(std::string(truncated ? "the file is truncated" : "not a JSON document") + ": " +
         Utf8(error.errorString()) + " at offset " + std::to_string(error.offset));
  }
  if (!document.isObject()) Fail("not a wcthrm project: the document is an array, not an object");
  const QJsonObject top = document.object();

  const QJsonValue format = top.value(QLatin1String("format"));
  if (format.isUndefined()) Fail("not a wcthrm project: it has no \"format\" field");
  if (format.toString() != QLatin1String(kFormat))
    Fail("not a wcthrm project: its format is " +
         (format.isString() ? "'" + Utf8(format.toString()) + "'" : std::string(KindOf(format))) +
         ", not '" + kFormat + "'");

  const QJsonValue version = top.value(QLatin1String("version"));
  const Where file{""};
  if (version.isUndefined()) Fail("missing field 'version'");
  const int32_t number = ReadInt(version, "version", file);
  if (number > kProjectFileVersion)
    Fail("written by a newer version (" + std::to_string(number) +
         ") of the project file; this program reads version " +
         std::to_string(kProjectFileVersion));
  if (number < 1) Fail("invalid version " + std::to_string(number));

  CheckNoDuplicateFields(bytes);
  CheckFields(top, {"format", "version", "nodes"}, {}, file);
  std::vector<int> path;
  Project project;
  project.roots = ReadNodes(top.value(QLatin1String("nodes")), path, file);
  return project;
}

}  // namespace wcthrm::host
