#include "calc/TongTransitIrrigateForm.h"

#include <cmath>

#include "support/Gbk.h"
#include "support/NumberText.h"

namespace wcthrm::calc::tongtransitirrigate {

namespace {

// The accepted range and message of each data row of the table (rows 1 to 3).
struct RowRule {
  Bound lower;
  Bound upper;
  const char* message;
};

// clang-format off
const RowRule kRowRules[] = {
    {{0, false}, {10, true}, "表格中比热容必须为0（不包括）～10（包括）之间的数值！"},
    {{0, false}, {5000, true}, "表格中每1m3砼相接触物质量必须为0（不包括）～5000（包括）之间的数值！"},
    {{-50, true}, {100, true}, "表格中温度必须为-50（包括）～100（包括）之间的数值！"},
};
// clang-format on

const char kKind[] = "transport and placing";

const char kZeroHeatCapacity[] =
    "混凝土、模板和钢筋的热容量之和为零，无法计算，请检查每m3混凝土的质量和混凝土比热容！";

// The row of kEdits that holds text, or -1. (An index, not a pointer: the sanitizer build's
// compiler cannot compare pointers into the table in a constant expression.)
constexpr int EditIndexOf(std::string Form::*text) {
  for (size_t i = 0; i < std::size(kEdits); ++i) {
    if (kEdits[i].text == text) return static_cast<int>(i);
  }
  return -1;
}

template <size_t N>
constexpr bool ChecksEditsOf(std::string Form::* const (&checks)[N], int tab) {
  for (std::string Form::*text : checks) {
    const int i = EditIndexOf(text);
    if (i < 0 || kEdits[i].tab != tab) return false;
  }
  return true;
}
static_assert(ChecksEditsOf(kTransportChecks, kTransportTab));
static_assert(ChecksEditsOf(kPlacingChecks, kPlacingTab));

const EditDescription<Form>& EditOf(std::string Form::*text) { return kEdits[EditIndexOf(text)]; }

template <size_t N>
CheckResult CheckEdits(const Form& form, std::string Form::* const (&checks)[N]) {
  for (std::string Form::*text : checks) {
    if (auto fault = CheckEdit(form, EditOf(text))) return fault;
  }
  return std::nullopt;
}

CheckResult CheckTransportInputs(const Form& form) { return CheckEdits(form, kTransportChecks); }

CheckResult CheckPlacingInputs(const Form& form) {
  for (int row = 1; row < kTableRows; ++row) {
    const RowRule& rule = kRowRules[row - 1];
    for (int col = 1; col < kTableCols; ++col) {
      const std::string& text = form.advsgTmpOfFinish.Cell(col, row);
      if (auto fault = CheckCell(kTable, col, row, text, rule.lower, rule.upper, rule.message)) {
        return fault;
      }
    }
  }
  return CheckEdits(form, kPlacingChecks);
}

// The placing result; computable is false when the heat capacities sum to zero, which
// tiny inputs reach by underflow where long double has no wider range than double.
struct Placing {
  bool computable;
  double t3;
};

Placing ComputePlacing(const Form& form) {
  const long double cc = NumX(form.kxedtHntbrr), mc = NumX(form.kxedtZhiliang),
                    t2 = NumX(form.kxedtWendu);
  const Table& t = form.advsgTmpOfFinish;
  const long double cf = NumX(t.Cell(1, 1)), mf = NumX(t.Cell(1, 2)), tf = NumX(t.Cell(1, 3));
  const long double cs = NumX(t.Cell(2, 1)), ms = NumX(t.Cell(2, 2)), ts = NumX(t.Cell(2, 3));
  const long double s1 = cf * mf, s2 = s1 * tf, s3 = cc * mc, s4 = t2 * s3 + s2, s5 = cs * ms;
  const long double n = ts * s5 + s4;
  const long double r1 = cf * mf, r2 = mc * cc + r1, d = ms * cs + r2;
  if (d == 0) return {false, 0.0};
  const double t3 = static_cast<double>(n / d);
  return {std::isfinite(t3), t3};
}

// A negative value printed inside a formula, wrapped in full-width parentheses.
std::string Signed(double value, const std::string& text) {
  return value < 0 ? "（" + text + "）" : text;
}

// T2 is printed in full: computed in extended precision from the texts themselves, so an exact
// decimal result (43.9, 0.17, 3, 3, -29 give -0.2774) prints without a stray last digit.
BookLines TransportBook(const Form& form) {
  const long double t1 = NumX(form.kxedtCjwd), alpha = NumX(form.kxedtWdssxs),
                    time = NumX(form.kxedtYsdjzdsj), ta = NumX(form.kxedtHjwd);
  const long double n = StrToInt(form.kxedtYzcs);
  const long double p = alpha * time, a = 0.032L * n + p, d = t1 - ta;
  const double t2 = static_cast<double>(t1 - d * a);

  const std::string t1Text = EditValueText(form.kxedtCjwd);
  return {
      "砼拌和物运输到浇筑时温度：",
      "T$2$＝" + t1Text + "－（" + EditValueText(form.kxedtYsdjzdsj) + "×" +
          EditValueText(form.kxedtWdssxs) + "＋0.032×" + form.kxedtYzcs + "）×（" + t1Text + "－" +
          Signed(static_cast<double>(ta), EditValueText(form.kxedtHjwd)) + "）",
      " ＝" + NumberText(t2) + "℃",
  };
}

BookLines PlacingBook(const Form& form) {
  const std::string cc = EditValueText(form.kxedtHntbrr), mc = EditValueText(form.kxedtZhiliang),
                    t2 = EditValueText(form.kxedtWendu);
  const Table& t = form.advsgTmpOfFinish;
  const std::string &cf = t.Cell(1, 1), &mf = t.Cell(1, 2), &tf = t.Cell(1, 3);
  const std::string &cs = t.Cell(2, 1), &ms = t.Cell(2, 2), &ts = t.Cell(2, 3);
  const std::string tfPart = Signed(Num(tf), tf) + "＋";
  const std::string tsPart = Signed(Num(ts), ts) + "）/（";
  return {
      "砼浇筑成型完时温度：",
      "T$3$＝（" + cc + "×" + mc + "×" + t2 + "＋" + cf + "×" + mf + "×" + tfPart + cs + "×" + ms +
          "×" + tsPart + cc + "×" + mc + "＋" + cf + "×" + mf + "＋" + cs + "×" + ms + "）",
      "＝" + RoundToStr(2, ComputePlacing(form).t3) + "℃",
  };
}

// An edit text as the item's number; the message quotes the text as typed.
double EditNumber(const std::string& text) { return StrToFloat(ToGbk(text)); }

}  // namespace

Form Load(const TTongTransitIrrigate& item) {
  Form form;
  form.kxedtCjwd = NumberText(item.Cjwd);
  form.kxedtWdssxs = NumberText(item.Wdssxs);
  form.kxedtYsdjzdsj = NumberText(item.Ysdjzdsj);
  form.kxedtYzcs = IntToText(item.Yzcs);
  form.kxedtHjwd = NumberText(item.Hjwd);
  auto& t = form.advsgTmpOfFinish;
  t.At(1, 1) = FromGbk(item.cf);
  t.At(2, 1) = FromGbk(item.cs);
  t.At(1, 2) = FromGbk(item.mf);
  t.At(2, 2) = FromGbk(item.ms);
  t.At(1, 3) = FromGbk(item.Tf);
  t.At(2, 3) = FromGbk(item.Ts);
  form.kxedtWendu = NumberText(item.Wendu);
  form.kxedtZhiliang = NumberText(item.Zhiliang);
  form.kxedtHntbrr = NumberText(item.Hntbrr);
  // Written when the dialog is shown.
  t.At(1, 0) = "模板";
  t.At(2, 0) = "钢筋";
  t.At(0, 1) = "比热容（kJ/(kg×℃)）";
  t.At(0, 2) = "每1m3砼相接触物质量（kg）";
  t.At(0, 3) = "温度";
  form.activeTab = kTransportTab;
  return form;
}

void Store(const Form& form, TTongTransitIrrigate& item) {
  item.Cjwd = EditNumber(form.kxedtCjwd);
  item.Wdssxs = EditNumber(form.kxedtWdssxs);
  item.Ysdjzdsj = EditNumber(form.kxedtYsdjzdsj);
  item.Yzcs = StrToInt(ToGbk(form.kxedtYzcs));
  item.Hjwd = EditNumber(form.kxedtHjwd);
  const auto& t = form.advsgTmpOfFinish;
  item.cf = ToGbk(t.At(1, 1));
  item.cs = ToGbk(t.At(2, 1));
  item.mf = ToGbk(t.At(1, 2));
  item.ms = ToGbk(t.At(2, 2));
  item.Tf = ToGbk(t.At(1, 3));
  item.Ts = ToGbk(t.At(2, 3));
  item.Wendu = EditNumber(form.kxedtWendu);
  item.Zhiliang = EditNumber(form.kxedtZhiliang);
  item.Hntbrr = EditNumber(form.kxedtHntbrr);
}

CheckResult Check(const Form& form, int tab) {
  RequireTab(tab, kTabCount, kKind);
  if (tab == kTransportTab) return CheckTransportInputs(form);
  if (auto fault = CheckPlacingInputs(form)) return fault;
  if (!ComputePlacing(form).computable) return Fault{"kxedtZhiliang", -1, -1, kZeroHeatCapacity};
  return std::nullopt;
}

CheckResult CheckForSaveDefaults(const Form& form) {
  if (auto fault = CheckTransportInputs(form)) return fault;
  return CheckPlacingInputs(form);
}

int TabOf(const Fault& fault) {
  if (fault.control == kTable) return kPlacingTab;
  for (const EditDescription<Form>& edit : kEdits) {
    if (fault.control == edit.control) return edit.tab;
  }
  return -1;
}

BookLines Book(const Form& form, int tab) {
  RequireTab(tab, kTabCount, kKind);
  return tab == kTransportTab ? TransportBook(form) : PlacingBook(form);
}

}  // namespace wcthrm::calc::tongtransitirrigate
