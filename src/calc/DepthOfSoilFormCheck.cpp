// Freezing depth input checks: each stops at the first fault and names its control.
#include <cmath>
#include <stdexcept>

#include "calc/DepthOfSoilForm.h"
#include "support/NumberText.h"

namespace wcthrm::calc::depthofsoil {

namespace {

const std::string kDaysMessage = "表格中冻结天数必须为0（包括）～366（包括）之间的整数！";
const std::string kTemperatureMessage = "表格中平均日负气温必须为0（包括）～50（包括）之间的数值！";
const std::string kNoUnknown = "缺少求解项，不能计算！";
const std::string kUnknownBeta = "求解项对应的对土壤冻结影响系数不能为0、不能为空！";
const std::string kNoThickness = "已知项中保温材料铺设厚度不能为空！";
const std::string kThicknessRange =
    "已知项中保温材料铺设厚度必须为0（包括）～200（包括）之间的数值！";
const std::string kKnownBeta = "已知项对应的对土壤冻结影响系数不能为空！";
const std::string kKnownBetaRange = "已知项对应的对土壤冻结影响系数超出计算范围！";
const std::string kZeroBeta = "各种材料对土壤冻结影响系数β不能为0！";
const std::string kZeroLambda = "雪的平均热导系数λ不能为0！";

constexpr Bound Incl(double v) { return {v, true}; }

// An edit held to the range of its row, with that range's message.
CheckResult CheckField(const Form& form, std::string_view control) {
  return CheckEdit(form, Edit(control));
}

// The P field counts only while the box is clear.
CheckResult CheckTypedIndex(const Form& form, int tab) {
  if (AutoCal(form, tab)) return std::nullopt;
  return CheckField(form, kPFields[tab]);
}

// Checked even while automatic summation is off and the table cannot be edited.
CheckResult CheckDayTable(const Form& form, int tab) {
  const Table& g = DayTable(form, tab);
  const char* name = kDayTables[tab];
  for (int r = 1; r <= g.DataRows(); ++r) {
    if (auto f = CheckCell(name, 1, r, g.At(1, r), Incl(0), Incl(366), kDaysMessage)) return f;
  }
  for (int r = 1; r <= g.DataRows(); ++r) {
    if (auto f = CheckCell(name, 2, r, g.At(2, r), Incl(0), Incl(50), kTemperatureMessage)) {
      return f;
    }
  }
  return std::nullopt;
}

CheckResult CheckLayerTable(const Form& form) {
  const Table& g = form.advsgFgbwtr2;
  const int u = UnknownLayer(form);
  if (u < 0) return Fault{kLayerTable, 1, 1, kNoUnknown};
  auto betaU = ParseDecimal(g.At(2, u));
  if (g.At(2, u).empty() || !betaU || *betaU == 0) return Fault{kLayerTable, 2, u, kUnknownBeta};
  for (int r = 1; r <= g.DataRows(); ++r) {
    if (r == u) continue;
    const std::string& cell = g.At(1, r);
    if (cell.empty() || cell.find(',') == cell.size() - 1) {
      return Fault{kLayerTable, 1, r, kNoThickness};
    }
    auto t = ParseDecimal(ThicknessText(cell));
    if (!t || *t < 0 || *t > 200) return Fault{kLayerTable, 1, r, kThicknessRange};
    // Its value is not tested further; a text that is no number cannot be multiplied.
    if (g.At(2, r).empty() || !ParseDecimal(g.At(2, r))) {
      return Fault{kLayerTable, 2, r, kKnownBeta};
    }
  }
  return std::nullopt;
}

CheckResult CheckNoHeatSoil(const Form& form) {
  if (!form.rbNoHeatSoil) return CheckField(form, "kxedtSumTemp");
  if (auto f = CheckDayTable(form, 0)) return f;
  if (auto f = CheckField(form, "kxedtDjxs")) return f;
  return CheckTypedIndex(form, 0);
}

CheckResult CheckSdbwtr(const Form& form) {
  if (auto f = CheckDayTable(form, 1)) return f;
  if (auto f = CheckTypedIndex(form, 1)) return f;
  if (form.RadioButton1) return CheckField(form, "kxedtDjxs2");
  return CheckField(form, "kxedtFdjsxs");
}

CheckResult CheckFxbwtr(const Form& form) {
  if (auto f = CheckDayTable(form, 2)) return f;
  if (auto f = CheckTypedIndex(form, 2)) return f;
  if (auto f = CheckField(form, "kxedtXdpjrdxs")) return f;
  if (auto f = CheckField(form, "kxedtYxxs")) return f;
  if (form.RadioButton3) return CheckField(form, "kxedtXdpjfgxs");
  return std::nullopt;
}

CheckResult CheckFgbwtr(const Form& form) {
  if (auto f = CheckDayTable(form, 3)) return f;
  if (auto f = CheckLayerTable(form)) return f;
  return CheckTypedIndex(form, 3);
}

// The ranges admit β = 0 and λ = 0, both divisors of the snow cover case.
CheckResult CheckSnowDivisors(const Form& form) {
  const double x = CoverFreezingDepth(FreezingIndex(form, 2));
  const double beta = Num(form.kxedtYxxs);
  if (beta == 0 || !std::isfinite(x / beta)) return Fault{"kxedtYxxs", -1, -1, kZeroBeta};
  if (form.RadioButton3) return std::nullopt;
  const double lambda = Num(form.kxedtXdpjrdxs);
  if (lambda == 0 || !std::isfinite(x / beta / lambda)) {
    return Fault{"kxedtXdpjrdxs", -1, -1, kZeroLambda};
  }
  return std::nullopt;
}

// Layers whose product overflows, or a divisor so small that the thickness does.
CheckResult CheckLayerResult(const Form& form) {
  const Table& g = form.advsgFgbwtr2;
  const int u = UnknownLayer(form);
  double known = 0;
  for (int r = 1; r <= g.DataRows(); ++r) {
    if (r == u) continue;
    known += Num(ThicknessText(g.At(1, r))) * Num(g.At(2, r));
    if (!std::isfinite(known)) return Fault{kLayerTable, 2, r, kKnownBetaRange};
  }
  const double x = CoverFreezingDepth(FreezingIndex(form, 3));
  if (!std::isfinite((x - known) / Num(g.At(2, u)))) {
    return Fault{kLayerTable, 2, u, kUnknownBeta};
  }
  return std::nullopt;
}

}  // namespace

const EditDescription<Form>& Edit(std::string_view control) { return FindEdit(kEdits, control); }

CheckResult Check(const Form& form, int tab) {
  RequireTab(tab, kTabCount, kKind);
  switch (tab) {
    case 0:
      return CheckNoHeatSoil(form);
    case 1:
      return CheckSdbwtr(form);
    case 2: {
      if (auto f = CheckFxbwtr(form)) return f;
      return CheckSnowDivisors(form);
    }
    default: {  // tab 3: RequireTab lets no other through
      if (auto f = CheckFgbwtr(form)) return f;
      return CheckLayerResult(form);
    }
  }
}

CheckResult CheckForSaveDefaults(const Form& form) {
  for (int tab = 0; tab < kTabCount; ++tab) {
    if (auto f = CheckDayTable(form, tab)) return f;
  }
  if (auto f = CheckLayerTable(form)) return f;
  if (auto f = CheckNoHeatSoil(form)) return f;
  if (auto f = CheckSdbwtr(form)) return f;
  if (auto f = CheckFxbwtr(form)) return f;
  return CheckFgbwtr(form);
}

}  // namespace wcthrm::calc::depthofsoil
