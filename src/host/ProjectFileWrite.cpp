// Writing a project file: our own writer, so the bytes are the same on every machine and
// every Qt version, and a project saved twice is saved to the same bytes.
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

class Writer {
 public:
  QByteArray Finish() { return QByteArray(out_.data(), qsizetype(out_.size())); }

  void Project(const host::Project& project) {
    out_ += "{\n  \"format\": ";
    String(kFormat);
    out_ += ",\n  \"version\": " + std::to_string(kProjectFileVersion) + ",\n  \"nodes\": ";
    std::vector<int> path;
    Nodes(project.roots, path, 1);
    out_ += "\n}";  // no line break after it: every strict prefix of a file is then invalid
  }

 private:
  void Indent(int level) { out_.append(size_t(level) * 2, ' '); }

  void String(std::string_view s) {
    static const char kHex[] = "0123456789abcdef";
    out_ += '"';
    for (size_t i = 0; i < s.size(); ++i) {
      const char c = s[i];
      const unsigned char u = static_cast<unsigned char>(c);
      // Qt's parser drops a raw U+FEFF at the start of a string; escaped it stays.
      if (s.compare(i, 3, "\xEF\xBB\xBF") == 0) {
        out_ += "\\ufeff";
        i += 2;
        continue;
      }
      switch (c) {
        case '"':
          out_ += "\\\"";
          break;
        case '\\':
          out_ += "\\\\";
          break;
        case '\n':
          out_ += "\\n";
          break;
        case '\r':
          out_ += "\\r";
          break;
        case '\t':
          out_ += "\\t";
          break;
        default:
          if (u < 0x20) {
            out_ += "\\u00";
            out_ += kHex[u >> 4];
            out_ += kHex[u & 15];
          } else {
            out_ += c;
          }
      }
    }
    out_ += '"';
  }

  void Nodes(const std::vector<ProjectNode>& nodes, std::vector<int>& path, int level) {
    if (nodes.empty()) {
      out_ += "[]";
      return;
    }
    if (int(path.size()) >= kMaxProjectDepth)
      Fail(NodeName(path) + ": nodes nested deeper than " + std::to_string(kMaxProjectDepth) +
           " levels cannot be read back");
    out_ += "[\n";
    for (size_t i = 0; i < nodes.size(); ++i) {
      path.push_back(int(i));
      Node(nodes[i], path, level + 1);
      path.pop_back();
      out_ += i + 1 < nodes.size() ? ",\n" : "\n";
    }
    Indent(level);
    out_ += ']';
  }

  void Node(const ProjectNode& node, std::vector<int>& path, int level) {
    Indent(level);
    out_ += "{\n";
    Indent(level + 1);
    out_ += "\"typeId\": " + std::to_string(node.typeId) + ",\n";
    Indent(level + 1);
    out_ += "\"values\": ";
    if (node.values.empty()) {
      out_ += "[]";
    } else {
      out_ += "[\n";
      for (size_t i = 0; i < node.values.size(); ++i) {
        Indent(level + 2);
        NamedValue(node.values[i], path, i);
        out_ += i + 1 < node.values.size() ? ",\n" : "\n";
      }
      Indent(level + 1);
      out_ += ']';
    }
    out_ += ",\n";
    Indent(level + 1);
    out_ += "\"children\": ";
    Nodes(node.children, path, level + 1);
    out_ += '\n';
    Indent(level);
    out_ += '}';
  }

  // One value a line: a file of thousands of values stays readable and diffable.
  void NamedValue(const host::NamedValue& nv, const std::vector<int>& path, size_t index) {
    auto checkUtf8 = [&](std::string_view s, const char* what) {
      if (!IsUtf8(s))
        Fail(NodeName(path) + ", value " + std::to_string(index + 1) + ": the " + what +
             " is not valid UTF-8");
    };
    checkUtf8(nv.name, "name");
    out_ += "{ \"name\": ";
    String(nv.name);
    const Value& v = nv.value;
    switch (v.type) {
      case Value::Type::Empty:
        out_ += ", \"type\": \"empty\" }";
        return;
      case Value::Type::Int:
        out_ += ", \"type\": \"int\", \"value\": " + std::to_string(v.asInt);
        break;
      case Value::Type::Double:
        out_ += ", \"type\": \"double\", \"value\": ";
        String(EncodeDouble(v.asDouble));
        break;
      case Value::Type::Bool:
        out_ += ", \"type\": \"bool\", \"value\": ";
        out_ += v.asBool ? "true" : "false";
        break;
      case Value::Type::Text:
        checkUtf8(v.asText, "text");
        out_ += ", \"type\": \"text\", \"value\": ";
        String(v.asText);
        break;
      default:
        Fail(NodeName(path) + ", value " + std::to_string(index + 1) + ": unknown value type " +
             std::to_string(int(v.type)));
    }
    out_ += " }";
  }

  std::string out_;
};

}  // namespace

namespace projectfile {

std::string EncodeDouble(double d) {
  if (std::isnan(d)) {
    const uint64_t bits = std::bit_cast<uint64_t>(d);
    if (bits == kQuietNan) return "nan";
    static const char kHex[] = "0123456789abcdef";
    std::string out = kNanBitsPrefix;
    for (int shift = 60; shift >= 0; shift -= 4) out += kHex[(bits >> shift) & 15];
    return out;
  }
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, d);  // shortest round trip
  return std::string(buffer, result.ptr);
}

}  // namespace projectfile

QByteArray WriteProject(const Project& project) {
  Writer writer;
  writer.Project(project);
  QByteArray bytes = writer.Finish();
  if (bytes.size() > kMaxProjectFileSize)
    Fail("the project needs " + std::to_string(bytes.size()) + " bytes, more than the " +
         MiB(kMaxProjectFileSize) + " a project file may have");
  return bytes;
}

}  // namespace wcthrm::host
