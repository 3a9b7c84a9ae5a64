#include "calc/EditDescription.h"

#include <cmath>

#include "support/Errors.h"
#include "support/NumberText.h"

namespace wcthrm::calc {

namespace {

struct Texts {
  const char* real;
  const char* whole;
};

// [lower included][upper included]
const Texts kRangeTexts[2][2] = {
    {{"请输入 %1 (不包含) 到 %2 (不包含) 之间的实数！", "请输入 %1 (不包含) 到 %2 (不包含) 之间的整数！"},
     {"请输入 %1 (不包含) 到 %2 (包含) 之间的实数！", "请输入 %1 (不包含) 到 %2 (包含) 之间的整数！"}},
    {{"请输入 %1 (包含) 到 %2 (不包含) 之间的实数！",
      "请输入 %1 (包含) 到 %2 (不包含) 之间的整数，包含最小值，不包含最大值！"},
     {"请输入 %1 (包含) 到 %2 (包含) 之间的实数！", "请输入 %1 (包含) 到 %2 (包含) 之间的整数！"}},
};

std::string Fill(std::string pattern, const std::string& lo, const std::string& hi) {
  pattern.replace(pattern.find("%1"), 2, lo);
  const size_t at = pattern.find("%2");
  if (at != std::string::npos) pattern.replace(at, 2, hi);
  return pattern;
}

// A bound as the edit writes it: a real one rounded to the edit's decimals, a whole one cut
// to its integer part.
std::string BoundText(double bound, const EditSettings& s) {
  if (s.integer) return FixedText(bound, 0, 8);
  return NumberText(StrToFloat(RoundToStr(s.decimals, bound)));
}

}  // namespace

std::string RangeMessage(const EditSettings& s) {
  const std::string lo = BoundText(s.lower.value, s), hi = BoundText(s.upper.value, s);
  const bool whole = s.integer && !s.realMessage;
  if (!s.upperApplies) return Fill(whole ? "请输入大于 %1 的整数！" : "请输入大于 %1 的实数！", lo, hi);
  const Texts& t = kRangeTexts[s.lower.included][s.upper.included];
  return Fill(whole ? t.whole : t.real, lo, hi);
}

CheckResult CheckEdit(const char* control, const std::string& text, const EditSettings& s) {
  const bool whole = s.integer && !s.realMessage;
  const Bound upper = s.upperApplies ? s.upper : Bound{HUGE_VAL, true};
  // The message is built only for a fault: the checks run on every "计算".
  CheckResult fault;
  if (whole && !ParseInt(text)) {
    fault = Fault{control, -1, -1, {}};
  } else {
    fault = CheckEdit(control, text, s.lower, upper, {});
  }
  if (fault) fault->message = RangeMessage(s);
  return fault;
}

void RequireTab(int tab, int tabs, const char* kind) {
  if (tab < 0 || tab >= tabs) {
    throw RangeError(std::string(kind) + " has no tab " + std::to_string(tab));
  }
}

}  // namespace wcthrm::calc
