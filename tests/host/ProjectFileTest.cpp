// The host's project file: what is written reads back equal and rewrites to the same bytes,
// every malformed file is refused with a message that says what is wrong, saving is atomic,
// and GBK texts convert both ways.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "host/ProjectFile.h"

namespace wcthrm::host {
namespace {

using ::testing::HasSubstr;

Value Int(int32_t v) { return {Value::Type::Int, v, 0, false, {}}; }
Value Dbl(double v) { return {Value::Type::Double, 0, v, false, {}}; }
Value Bool(bool v) { return {Value::Type::Bool, 0, 0, v, {}}; }
Value Text(std::string v) { return {Value::Type::Text, 0, 0, false, std::move(v)}; }
Value Empty() { return {}; }

// The first four entries every node carries, then its kind's own.
ProjectNode Node(int32_t typeId, const std::string& caption, int32_t index, int32_t parent,
                 std::vector<NamedValue> own = {}, std::vector<ProjectNode> children = {}) {
  ProjectNode node;
  node.typeId = typeId;
  node.values = {{"caption", Text(caption)},
                 {"index", Int(index)},
                 {"P_index", Int(parent)},
                 {"typeid", Int(typeId)}};
  node.values.insert(node.values.end(), own.begin(), own.end());
  node.children = std::move(children);
  return node;
}

// A project with a folder holding one item of each kind, and the recycle bin.
Project Realistic() {
  ProjectNode heat = Node(11, "主楼底板混凝土加热", 3, 2,
                          {{"Clbr", Dbl(4.2)},
                           {"Clmi", Dbl(1000)},
                           {"Jrqclwd", Dbl(-5)},
                           {"Bjyxs", Dbl(1.2)},
                           {"Jrfs", Text("蒸汽加热")},
                           {"Snbh", Text("P.O 42.5")},
                           {"Wjqw", Dbl(-10)},
                           {"Cldrb", Dbl(2.1)},
                           {"Hsl", Dbl(0.03)}});
  ProjectNode conserve = Node(12, "地下室外墙蓄热养护", 4, 2,
                              {{"MyTemp", Dbl(20)},
                               {"MyInterval", Dbl(2)},
                               {"MyTimes", Int(5)},
                               {"CalTime", Bool(true)},
                               {"slPjwd0", Text("18")},
                               {"slPjwd1", Text("16.5")},
                               {"Dlsj", Dbl(144)}});
  ProjectNode soil = Node(13, "基坑土壤冻结深度", 5, 2,
                          {{"NoHeatSoil1", Bool(true)},
                           {"Count1", Int(2)},
                           {"Djxs1", Dbl(2.5)},
                           {"Zdlj2", Bool(false)},
                           {"Djzs2", Dbl(800.1)},
                           {"Remark", Empty()}});
  ProjectNode irrigate = Node(14, "3#楼 通仓浇筑", 6, 2,
                              {{"Cjwd", Dbl(17.3)},
                               {"Wdssxs", Dbl(0.25)},
                               {"Yzcs", Int(3)},
                               {"Hjwd", Dbl(-3.7)},
                               {"Hntbrr", Dbl(0.96)}});
  ProjectNode folder = Node(2, "冬期施工计算", 2, 1, {}, {heat, conserve, soil, irrigate});
  Project project;
  project.roots = {Node(1, "某住宅小区二期工程", 1, 0, {}, {folder}), Node(3, "回收站", 7, 0)};
  return project;
}

Project OneValue(Value value) {
  Project project;
  project.roots = {ProjectNode{11, {{"v", std::move(value)}}, {}}};
  return project;
}

std::string ErrorOf(const QByteArray& bytes) {
  try {
    ReadProject(bytes);
  } catch (const ProjectFileError& e) {
    return e.what();
  }
  return "(read without an error)";
}

// What a valid file of the format looks like around the part a case puts in.
QByteArray File(const std::string& nodes) {
  return QByteArray::fromStdString(R"({"format": "wcthrm-project", "version": 1, "nodes": )" +
                                   nodes + "}");
}
std::string WithValue(const std::string& value) {
  return R"([{"typeId": 11, "values": [)" + value + R"(], "children": []}])";
}

TEST(ProjectFile, RealisticProjectReadsBackEqualAndRewritesTheSameBytes) {
  const Project project = Realistic();
  const QByteArray bytes = WriteProject(project);
  EXPECT_TRUE(bytes.startsWith("{\n  \"format\": \"wcthrm-project\",\n  \"version\": 1,\n"));
  EXPECT_TRUE(bytes.contains(R"({ "name": "Clbr", "type": "double", "value": "4.2" })"));
  EXPECT_TRUE(bytes.contains(R"({ "name": "caption", "type": "text", "value": "回收站" })"));
  EXPECT_TRUE(bytes.contains(R"({ "name": "CalTime", "type": "bool", "value": true })"));
  EXPECT_TRUE(bytes.contains(R"({ "name": "MyTimes", "type": "int", "value": 5 })"));
  EXPECT_TRUE(bytes.contains(R"({ "name": "Remark", "type": "empty" })"));

  const Project read = ReadProject(bytes);
  EXPECT_EQ(read, project);
  EXPECT_EQ(WriteProject(read), bytes);
  EXPECT_EQ(WriteProject(Project{}), WriteProject(Project{}));
  EXPECT_EQ(ReadProject(WriteProject(Project{})), Project{});
}

TEST(ProjectFile, DoublesReadBackBitForBit) {
  const struct {
    const char* name;
    double value;
  } cases[] = {
      {"tenth", 0.1},
      {"third", 1.0 / 3},
      {"negative_zero", -0.0},
      {"zero", 0.0},
      {"dbl_min", DBL_MIN},
      {"denormal", std::numeric_limits<double>::denorm_min()},
      {"largest_denormal", std::bit_cast<double>(uint64_t{0x000fffffffffffff})},
      {"dbl_max", DBL_MAX},
      {"lowest", -DBL_MAX},
      {"nan", std::numeric_limits<double>::quiet_NaN()},
      {"negative_nan", -std::numeric_limits<double>::quiet_NaN()},
      {"signaling_nan", std::numeric_limits<double>::signaling_NaN()},
      {"nan_payload", std::bit_cast<double>(uint64_t{0x7ff8dead0000beef})},
      {"inf", HUGE_VAL},
      {"negative_inf", -HUGE_VAL},
      {"integral", 1000},
      {"two_pow_60", 0x1p60},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QByteArray bytes = WriteProject(OneValue(Dbl(c.value)));
    const Project read = ReadProject(bytes);
    ASSERT_EQ(read.roots.size(), 1u);
    const Value& v = read.roots[0].values.at(0).value;
    EXPECT_EQ(v.type, Value::Type::Double);
    EXPECT_EQ(std::bit_cast<uint64_t>(v.asDouble), std::bit_cast<uint64_t>(c.value));
    EXPECT_EQ(WriteProject(read), bytes);
  }
}

TEST(ProjectFile, TextsAndIntegersReadBackUnchanged) {
  const struct {
    const char* name;
    Value value;
  } cases[] = {
      {"chinese", Text("混凝土冬期施工 ℃")},
      {"empty_text", Text("")},
      {"quotes_and_backslashes", Text(R"(a"b\c\"d/)")},
      {"control_bytes", Text(std::string("\x01\x1f\b\f\n\r\t\x7f", 8))},
      {"nul", Text(std::string("a\0b", 3))},
      {"initial_bom", Text("\xEF\xBB\xBF"
                           "caption")},
      {"bom_inside", Text("a\xEF\xBB\xBF"
                          "b")},
      {"noncharacter", Text("\xEF\xBF\xBF")},
      {"outside_bmp", Text("\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF")},
      {"int_min", Int(INT32_MIN)},
      {"int_max", Int(INT32_MAX)},
      {"int_zero", Int(0)},
      {"bool_false", Bool(false)},
      {"empty", Empty()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Project project = OneValue(c.value);
    project.roots[0].values[0].name = std::string("名称 ") + c.name;
    project.roots[0].typeId = c.value.type == Value::Type::Int ? c.value.asInt : 11;
    const QByteArray bytes = WriteProject(project);
    const Project read = ReadProject(bytes);
    EXPECT_EQ(read, project);
    EXPECT_EQ(WriteProject(read), bytes);
  }
}

TEST(ProjectFile, MalformedFilesAreRefusedSayingWhatIsWrong) {
  const std::string node = R"({"typeId": 11, "values": [], "children": []})";
  const struct {
    const char* name;
    QByteArray bytes;
    const char* message;
  } cases[] = {
      {"empty_file", "", "the file is empty"},
      {"blank_file", " \r\n\t", "the file is empty"},
      {"not_json", "not json", "not a JSON document: illegal value at offset"},
      {"garbage_after", File("[]") + "x", "not a JSON document"},
      {"unclosed_junk", "{\"format\" x", "not a JSON document"},
      {"bad_utf8", File(WithValue("{\"name\": \"\xC3\", \"type\": \"empty\"}")),
       "not a JSON document"},
      {"array", "[]", "not a wcthrm project: the document is an array"},
      {"no_format", R"({"version": 1, "nodes": []})", "not a wcthrm project: it has no \"format\""},
      {"other_format", R"({"format": "other", "version": 1, "nodes": []})",
       "not a wcthrm project: its format is 'other', not 'wcthrm-project'"},
      {"format_number", R"({"format": 1, "version": 1, "nodes": []})", "its format is a number"},
      {"newer_version", R"({"format": "wcthrm-project", "version": 2, "nodes": []})",
       "written by a newer version (2)"},
      {"version_zero", R"({"format": "wcthrm-project", "version": 0, "nodes": []})",
       "invalid version 0"},
      {"version_text", R"({"format": "wcthrm-project", "version": "1", "nodes": []})",
       "'version' must be an integer, found a text"},
      {"no_version", R"({"format": "wcthrm-project", "nodes": []})", "missing field 'version'"},
      {"no_nodes", R"({"format": "wcthrm-project", "version": 1})", "missing field 'nodes'"},
      {"unknown_top_field", R"({"format": "wcthrm-project", "version": 1, "nodes": [], "x": 1})",
       "unknown field 'x'"},
      {"duplicate_top_field", File("[], \"nodes\": []"), "duplicate field 'nodes' at offset"},
      {"duplicate_escaped_field",
       File(WithValue(R"({"name": "a", "n\u0061me": "b", "type": "empty"})")),
       "duplicate field 'name'"},
      {"nodes_object", File("{}"), "'nodes' must be an array, found an object"},
      {"node_number", File("[1]"), "node 1: must be an object, found a number"},
      {"child_type_id_text",
       File("[" + node + R"(, {"typeId": 1, "values": [], "children": [)" + node +
            R"(, {"typeId": "x", "values": [], "children": []}]}])"),
       "node 2.2: 'typeId' must be an integer, found a text"},
      {"no_children", File(R"([{"typeId": 1, "values": []}])"), "node 1: missing field 'children'"},
      {"no_type_id", File(R"([{"values": [], "children": []}])"), "node 1: missing field 'typeId'"},
      {"unknown_node_field", File(R"([{"typeId": 1, "values": [], "children": [], "x": 0}])"),
       "node 1: unknown field 'x'"},
      {"values_object", File(R"([{"typeId": 1, "values": {}, "children": []}])"),
       "node 1: 'values' must be an array, found an object"},
      {"children_null", File(R"([{"typeId": 1, "values": [], "children": null}])"),
       "node 1: 'children' must be an array, found null"},
      {"type_id_too_large", File(R"([{"typeId": 2147483648, "values": [], "children": []}])"),
       "node 1: integer 2147483648 of 'typeId' is out of range"},
      {"type_id_too_small", File(R"([{"typeId": -2147483649, "values": [], "children": []}])"),
       "integer -2147483649 of 'typeId' is out of range"},
      {"value_not_object", File(WithValue("3")),
       "node 1, value 1: must be an object, found a number"},
      {"value_no_name", File(WithValue(R"({"type": "empty"})")),
       "node 1, value 1: missing field 'name'"},
      {"value_name_number", File(WithValue(R"({"name": 5, "type": "empty"})")),
       "node 1, value 1: 'name' must be a text, found a number"},
      {"value_no_type", File(WithValue(R"({"name": "a"})")), "value 1 ('a'): missing field 'type'"},
      {"unknown_value_type", File(WithValue(R"({"name": "a", "type": "float", "value": 1})")),
       "node 1, value 1 ('a'): unknown value type 'float'"},
      {"unknown_value_field", File(WithValue(R"({"name": "a", "type": "empty", "unit": "m"})")),
       "('a'): unknown field 'unit'"},
      {"missing_value", File(WithValue(R"({"name": "a", "type": "int"})")),
       "('a'): missing field 'value'"},
      {"empty_with_value", File(WithValue(R"({"name": "a", "type": "empty", "value": 1})")),
       "an empty value has no 'value' field"},
      {"int_too_large", File(WithValue(R"({"name": "a", "type": "int", "value": 2147483648})")),
       "integer 2147483648 of 'value' is out of range"},
      {"int_huge", File(WithValue(R"({"name": "a", "type": "int", "value": 1e300})")),
       "of 'value' is out of range"},
      {"int_fraction", File(WithValue(R"({"name": "a", "type": "int", "value": 1.5})")),
       "'value' must be an integer, found 1.5"},
      {"int_text", File(WithValue(R"({"name": "a", "type": "int", "value": "1"})")),
       "'value' must be an integer, found a text"},
      {"double_number", File(WithValue(R"({"name": "a", "type": "double", "value": 4.2})")),
       "a double's 'value' must be a text holding the number, found a number"},
      {"double_comma", File(WithValue(R"({"name": "a", "type": "double", "value": "4,2"})")),
       "('a'): '4,2' is not a number"},
      {"double_blank", File(WithValue(R"({"name": "a", "type": "double", "value": " 1"})")),
       "' 1' is not a number"},
      {"double_infinity_word",
       File(WithValue(R"({"name": "a", "type": "double", "value": "infinity"})")),
       "'infinity' is not a number"},
      {"double_overflow", File(WithValue(R"({"name": "a", "type": "double", "value": "1e999"})")),
       "'1e999' is out of the range of a double"},
      {"double_nan_bits_short",
       File(WithValue(R"({"name": "a", "type": "double", "value": "nan:0x7ff8"})")),
       "'nan:0x7ff8' is not a NaN's 16 hexadecimal digits"},
      {"double_nan_bits_zero",
       File(WithValue(R"({"name": "a", "type": "double", "value": "nan:0x0000000000000000"})")),
       "is not the bit pattern of a NaN"},
      {"bool_text", File(WithValue(R"({"name": "a", "type": "bool", "value": "true"})")),
       "'value' must be true or false, found a text"},
      {"text_number", File(WithValue(R"({"name": "a", "type": "text", "value": 1})")),
       "'value' must be a text, found a number"},
      {"lone_surrogate", File(WithValue(R"({"name": "a", "type": "text", "value": "\ud800"})")),
       "('a'): 'value' is not valid Unicode"},
      {"json_depth_bomb", QByteArray(100000, '['), "not a JSON document"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THAT(ErrorOf(c.bytes), HasSubstr(c.message));
  }
}

// Nodes nested depth levels deep, each with one child.
std::string Nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += R"([{"typeId": 1, "values": [], "children": )";
  text += "[]";
  for (int i = 0; i < depth; ++i) text += "}]";
  return text;
}

TEST(ProjectFile, NodesNestedTooDeeplyAreRefused) {
  EXPECT_EQ(ErrorOf(File(Nested(kMaxProjectDepth))), "(read without an error)");
  EXPECT_THAT(ErrorOf(File(Nested(kMaxProjectDepth + 1))),
              HasSubstr("nested deeper than 64 levels"));
  EXPECT_THAT(ErrorOf(File(Nested(2000))), HasSubstr("not a JSON document"));

  ProjectNode deep{1, {}, {}};
  for (int i = 1; i < kMaxProjectDepth; ++i) deep = ProjectNode{1, {}, {deep}};
  Project project{{deep}};
  EXPECT_EQ(ReadProject(WriteProject(project)), project);
  project = Project{{ProjectNode{1, {}, {deep}}}};
  try {
    WriteProject(project);
    ADD_FAILURE() << "a project that cannot be read back was written";
  } catch (const ProjectFileError& e) {
    EXPECT_THAT(e.what(), HasSubstr("nested deeper than 64 levels"));
  }
}

TEST(ProjectFile, EveryStrictPrefixOfAFileIsRefused) {
  Project project;
  project.roots = {Node(
      2, "文件夹", 1, 0, {},
      {Node(12, "养护", 2, 1,
            {{"MyTimes", Int(5)}, {"CalTime", Bool(true)}, {"Dlsj", Dbl(-1.5)}, {"x", Empty()}})})};
  const QByteArray bytes = WriteProject(project);
  for (qsizetype size = 0; size < bytes.size(); ++size) {
    SCOPED_TRACE("prefix of " + std::to_string(size) + " bytes");
    const std::string message = ErrorOf(bytes.left(size));
    EXPECT_NE(message, "(read without an error)");
    if (size > 0) {
      EXPECT_THAT(message, HasSubstr("the file is truncated"));
    }
  }
  EXPECT_EQ(ReadProject(bytes), project);
}

TEST(ProjectFile, TextsThatAreNotUtf8AreNotWritten) {
  for (const std::string& bad :
       {std::string("\xC3"), std::string("\xB8\xF1"), std::string("\xED\xA0\x80")}) {
    Project project = OneValue(Text("a" + bad));
    EXPECT_THROW(WriteProject(project), ProjectFileError);
    project = OneValue(Int(1));
    project.roots[0].values[0].name = bad;
    try {
      WriteProject(project);
      ADD_FAILURE() << "a name that is not UTF-8 was written";
    } catch (const ProjectFileError& e) {
      EXPECT_THAT(e.what(), HasSubstr("node 1, value 1: the name is not valid UTF-8"));
    }
  }
}

class ProjectFileOnDisk : public ::testing::Test {
 protected:
  QString PathOf(const QString& name) const { return dir_.filePath(name); }
  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
  }
  static void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }
  static std::string SaveError(const QString& path, const Project& project) {
    try {
      SaveProjectFile(path, project);
    } catch (const ProjectFileError& e) {
      return e.what();
    }
    return "(saved without an error)";
  }

  QTemporaryDir dir_;
};

TEST_F(ProjectFileOnDisk, SavedProjectLoadsBackAndReplacesTheOldFile) {
  const QString path = PathOf("工程.wcp");
  Put(path, "old");
  SaveProjectFile(path, Realistic());
  EXPECT_EQ(Contents(path), WriteProject(Realistic()));
  EXPECT_EQ(LoadProjectFile(path), Realistic());
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"工程.wcp"});
}

TEST_F(ProjectFileOnDisk, LoadErrorsNameTheFile) {
  const QString newer = PathOf("newer.wcp"), empty = PathOf("empty.wcp");
  Put(newer, R"({"format": "wcthrm-project", "version": 7, "nodes": []})");
  Put(empty, "");
  const struct {
    QString path;
    std::string message;
  } cases[] = {
      {PathOf("missing.wcp"), "cannot read '" + PathOf("missing.wcp").toStdString() + "': "},
      {dir_.path(), "cannot read '" + dir_.path().toStdString() + "': "},
      {empty, "'" + empty.toStdString() + "': the file is empty"},
      {newer, "'" + newer.toStdString() +
                  "': written by a newer version (7) of the project file; this program reads "
                  "version 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    try {
      LoadProjectFile(c.path);
      ADD_FAILURE() << "loaded";
    } catch (const ProjectFileError& e) {
      EXPECT_THAT(e.what(), HasSubstr(c.message));
    }
  }
}

TEST_F(ProjectFileOnDisk, FailedSaveKeepsTheOldFileAndNamesThePath) {
  const QString blocker = PathOf("plain-file");
  Put(blocker, "x");
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.wcp"));
  const QString readOnly = PathOf("read-only");
  ASSERT_TRUE(QDir(dir_.path()).mkdir("read-only"));
  const QString kept = readOnly + "/kept.wcp";
  Put(kept, "old");
  QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  // Root writes into a read-only folder all the same; that row then says nothing.
  const bool permissionsHold = access(readOnly.toLocal8Bit().constData(), W_OK) != 0;

  for (const QString& path :
       {PathOf("no-such-folder/p.wcp"), blocker + "/p.wcp", PathOf("folder.wcp"), kept}) {
    SCOPED_TRACE(path.toStdString());
    if (path == kept && !permissionsHold) continue;
    EXPECT_THAT(SaveError(path, Realistic()),
                HasSubstr("cannot write '" + path.toStdString() + "': "));
  }
  EXPECT_EQ(Contents(kept), "old");
  EXPECT_EQ(Contents(blocker), "x");
  QFile::setPermissions(readOnly,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(QDir(readOnly).entryList(QDir::Files), QStringList{"kept.wcp"});
}

// A write that fails half-way, as on a full disk: a file size limit holds for root as well.
TEST_F(ProjectFileOnDisk, SaveThatFailsHalfWayKeepsTheOldFile) {
  const QString path = PathOf("p.wcp");
  Put(path, "old");
  Project big;
  for (int i = 0; i < 200; ++i)
    big.roots.push_back(Node(11, "大项目", i, 0, {{"Clbr", Dbl(i / 7.0)}}));
  ASSERT_GT(WriteProject(big).size(), 8192);

  rlimit before{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit limit = before;
  limit.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  const std::string error = SaveError(path, big);
  setrlimit(RLIMIT_FSIZE, &before);
  signal(SIGXFSZ, oldHandler);

  EXPECT_THAT(error, HasSubstr("cannot write '" + path.toStdString() + "': "));
  EXPECT_EQ(Contents(path), "old");
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.wcp"});
}

TEST(Gbk, ChineseTextConvertsBothWays) {
  const struct {
    const char* name;
    std::string utf8;
    std::string gbk;
  } cases[] = {
      {"ascii", "Clbr=4.2", "Clbr=4.2"},
      {"chinese", "施工安全", "\xCA\xA9\xB9\xA4\xB0\xB2\xC8\xAB"},
      {"outside_gbk", "\xF0\x9F\x98\x80", "\x94\x39\xFC\x36"},  // GB18030 keeps it
      {"empty", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
  }
  EXPECT_THROW(GbkToUtf8("\xCA"), TextEncodingError);          // cut in the middle of a character
  EXPECT_THROW(Utf8ToGbk("\xE6\x96"), TextEncodingError);      // likewise
  EXPECT_THROW(Utf8ToGbk("\xED\xA0\x80"), TextEncodingError);  // an encoded surrogate
}

}  // namespace
}  // namespace wcthrm::host
