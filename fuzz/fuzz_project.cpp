// fuzz_project: the host's project file on arbitrary bytes. ReadProject either refuses them
// with a ProjectFileError or gives a project that writes, reads back equal (doubles bit for
// bit) and writes again to the very same bytes; strict prefixes of what it writes are refused.
#include <bit>
#include <cstdint>
#include <exception>
#include <string>

#include "FuzzCheck.h"
#include "host/ProjectFile.h"

namespace {

using wcthrm::fuzz::Describe;
using wcthrm::fuzz::Escaped;
using wcthrm::fuzz::Fail;
using namespace wcthrm::host;

// Project's operator== takes NaN for unequal to itself; a file must keep its bits.
FUZZ_UNTRACED bool Same(const Value& a, const Value& b) {
  return a.type == b.type && a.asInt == b.asInt &&
         std::bit_cast<uint64_t>(a.asDouble) == std::bit_cast<uint64_t>(b.asDouble) &&
         a.asBool == b.asBool && a.asText == b.asText;
}

FUZZ_UNTRACED bool Same(const std::vector<ProjectNode>& a, const std::vector<ProjectNode>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].typeId != b[i].typeId || a[i].values.size() != b[i].values.size()) return false;
    for (size_t k = 0; k < a[i].values.size(); ++k)
      if (a[i].values[k].name != b[i].values[k].name ||
          !Same(a[i].values[k].value, b[i].values[k].value))
        return false;
    if (!Same(a[i].children, b[i].children)) return false;
  }
  return true;
}

std::string Shown(const QByteArray& bytes) { return Escaped(bytes.toStdString()); }

template <class Call>
auto Must(const std::string& what, Call&& call) {
  try {
    return call();
  } catch (const std::exception& e) {
    Fail(what + " threw " + Describe(e));
  } catch (...) {
    Fail(what + " threw a non-standard exception");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
  Project project;
  try {
    project = ReadProject(input);
  } catch (const ProjectFileError&) {
    return 0;
  } catch (const std::exception& e) {
    Fail("ReadProject(" + Shown(input) + ") threw " + Describe(e));
  } catch (...) {
    Fail("ReadProject(" + Shown(input) + ") threw a non-standard exception");
  }

  const QByteArray first =
      Must("WriteProject of the project of " + Shown(input), [&] { return WriteProject(project); });
  const Project again = Must("ReadProject of " + Shown(first) + ", written from " + Shown(input),
                             [&] { return ReadProject(first); });
  FUZZ_CHECK(Same(again.roots, project.roots), "the project of " + Shown(input) + " wrote " +
                                                   Shown(first) +
                                                   ", which reads back a different project");
  const QByteArray second =
      Must("the second WriteProject of " + Shown(input), [&] { return WriteProject(again); });
  FUZZ_CHECK(second == first, "the project of " + Shown(input) + " wrote " + Shown(first) +
                                  ", and that read and written again " + Shown(second));

  // A file cut short is never taken for a whole one.
  for (const qsizetype cut : {first.size() - 1, qsizetype(size % size_t(first.size()))}) {
    bool refused = false;
    try {
      ReadProject(first.left(cut));
    } catch (const ProjectFileError&) {
      refused = true;
    } catch (const std::exception& e) {
      Fail("ReadProject of the first " + std::to_string(cut) + " bytes of " + Shown(first) +
           " threw " + Describe(e));
    }
    FUZZ_CHECK(refused, "the first " + std::to_string(cut) + " bytes of " + Shown(first) +
                            " read as a whole project");
  }
  return 0;
}
