// What a project file holds, as the host keeps it in memory: a tree of nodes, each with the
// type identifier the library knows it by and its named values in list order, as the
// library's WriteToList leaves them ("caption", "index", "P_index", "typeid", then the kind's
// own). Texts are UTF-8 here; the library's GBK is converted where the host talks to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wcthrm::host {

// A named value's value, with the tags of the library's value list.
struct Value {
  enum class Type { Empty, Int, Double, Bool, Text };
  Type type = Type::Empty;
  int32_t asInt = 0;
  double asDouble = 0;
  bool asBool = false;
  std::string asText;  // UTF-8

  bool operator==(const Value&) const = default;
};

struct NamedValue {
  std::string name;  // UTF-8
  Value value;
  bool operator==(const NamedValue&) const = default;
};

struct ProjectNode {
  int32_t typeId = -1;
  std::vector<NamedValue> values;
  std::vector<ProjectNode> children;
  bool operator==(const ProjectNode&) const = default;
};

// The tree under the host's root: projects, and the recycle bin.
struct Project {
  std::vector<ProjectNode> roots;
  bool operator==(const Project&) const = default;
};

}  // namespace wcthrm::host
