// The curing calculations: the checks run before "计算" and "保存默认值", and the two-line
// books of the mean temperature (trapezoid rule) and of the equivalent time or temperature.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "calc/ConcreteConserveForm.h"
#include "support/NumberText.h"

namespace wcthrm::calc::concreteconserve {

namespace {

const std::string kReadingEmpty = "混凝土成型完成后按等间隔时间所测得的温度ti（℃）不能为空！";
const std::string kTpRange = "平均温度Tpi必须为 5 (包含) 到 80 (包含) 之间的实数！";
const std::string kTimeRange = "时间ti（h或d）必须为 0 (不包含) 到 10000 (包含) 之间的实数！";
// Our own: the sum runs over the table while it is divided by n, so both must agree.
const std::string kTimesMismatch = "测温次数n必须与表格中温度ti的个数相同！";
// Our own: results a book could only show as infinity.
const std::string kReadingTooLarge =
    "混凝土成型完成后按等间隔时间所测得的温度ti（℃）数值过大，无法计算！";
const std::string kDlsjTooSmall = "当量时间tdo（h或d）过小，计算结果超出范围！";
const std::string kDlwdTooSmall = "当量温度Tdo（℃）过小，计算结果超出范围！";

// Rounding to two decimals scales by 100 first, so that product must stay finite too.
bool Printable(double value) { return std::isfinite(value * 100.0); }

bool ComputesTime(const Form& form) { return form.RadioGroup1 == 0; }

const EditDescription<Form>& EditOf(std::string Form::*field) {
  for (const EditDescription<Form>& e : kEdits) {
    if (e.text == field) return e;
  }
  throw std::logic_error("ConcreteConserve form: a field without an edit row");
}

Fault AtEdit(std::string Form::*field, const std::string& message) {
  return Fault{EditOf(field).control, -1, -1, message};
}

// A whole-number edit is read as an integer, so "1.5" is no count even inside the bounds.
CheckResult CheckInput(const Form& form, std::string Form::*field) {
  return CheckEdit(form, EditOf(field));
}

// The mean-temperature sum, step by step; the first row at which it leaves the printable
// range names the fault.
struct MeanSum {
  double acc = 0;
  int overflowRow = 0;  // 0 when every step stayed printable
};

MeanSum SumReadings(const Form& form) {
  const Table& t = form.advsgTemp;
  const int m = t.DataRows();
  MeanSum s;
  s.acc = 0.5 * Num(form.kxedtTemp);
  for (int r = 1; r <= m; ++r) {
    const double reading = Num(t.Cell(1, r));
    s.acc = s.acc + (r < m ? reading : 0.5 * reading);
    if (s.overflowRow == 0 && !Printable(s.acc)) s.overflowRow = r;
  }
  return s;
}

double PeriodSum(const Form& form) {
  const Table& t = form.advsgTemp2;
  double sum = 0;
  for (int r = 1; r <= t.DataRows(); ++r) sum = sum + Num(t.Cell(1, r)) * Num(t.Cell(2, r));
  return sum;
}

// The edit RadioGroup1 shows: T_do when the time is computed, t_do otherwise.
std::string Form::*DivisorField(const Form& form) {
  return ComputesTime(form) ? &Form::kxedtDlwd : &Form::kxedtDlsj;
}

const std::string& DivisorText(const Form& form) { return form.*DivisorField(form); }

double Equivalent(const Form& form) { return PeriodSum(form) / Num(DivisorText(form)); }

CheckResult CheckAverageTemp(const Form& form) {
  for (std::string Form::*field : {&Form::kxedtTemp, &Form::kxedtTimes}) {
    if (auto f = CheckInput(form, field)) return f;
  }
  const Table& t = form.advsgTemp;
  // A table without data rows reads as one empty reading.
  const int rows = std::max(t.DataRows(), 1);
  for (int r = 1; r <= rows; ++r) {
    if (!ParseDecimal(t.Cell(1, r))) return Fault{"advsgTemp", 1, r, kReadingEmpty};
  }
  if (*ParseInt(form.kxedtTimes) != t.DataRows()) {
    return AtEdit(&Form::kxedtTimes, kTimesMismatch);
  }
  if (int r = SumReadings(form).overflowRow) return Fault{"advsgTemp", 1, r, kReadingTooLarge};
  return std::nullopt;
}

CheckResult CheckTimeTemp(const Form& form) {
  if (auto f = CheckInput(form, DivisorField(form))) return f;
  const Table& t = form.advsgTemp2;
  const int rows = std::max(t.DataRows(), 1);
  for (int r = 1; r <= rows; ++r) {
    // The ordinary conversion decides what a number is: "+5", ".5" and "1e2" are.
    if (auto f =
            CheckCellNumber("advsgTemp2", 1, r, t.Cell(1, r), {5, true}, {80, true}, kTpRange)) {
      return f;
    }
    if (auto f = CheckCellNumber("advsgTemp2", 2, r, t.Cell(2, r), {0, false}, {10000, true},
                                 kTimeRange)) {
      return f;
    }
  }
  if (!Printable(Equivalent(form))) {
    return AtEdit(DivisorField(form), ComputesTime(form) ? kDlwdTooSmall : kDlsjTooSmall);
  }
  return std::nullopt;
}

BookLines AverageTempBook(const Form& form) {
  const Table& t = form.advsgTemp;
  const int m = t.DataRows();
  std::string line = "混凝土平均温度T$p$＝（0.5×" + form.kxedtTemp;
  for (int r = 1; r < m; ++r) line += "＋" + t.Cell(1, r);
  line += "＋0.5×" + t.Cell(1, m) + "）/" + form.kxedtTimes;
  const double tp = SumReadings(form).acc / Num(form.kxedtTimes);
  return {line, "                ＝" + RoundToStr(2, tp) + "℃"};
}

BookLines TimeTempBook(const Form& form) {
  const Table& t = form.advsgTemp2;
  std::string line = ComputesTime(form) ? "当量时间t$do$＝（" : "当量温度T$do$＝（";
  for (int r = 1; r <= t.DataRows(); ++r) {
    if (r > 1) line += "＋";
    line += t.Cell(1, r) + "×" + t.Cell(2, r);
  }
  line += "）/" + DivisorText(form);
  const std::string unit = ComputesTime(form) ? "（h或d）" : "℃";
  return {line, "           ＝" + RoundToStr(2, Equivalent(form)) + unit};
}

}  // namespace

CheckResult Check(const Form& form, int tab) {
  RequireTab(tab, kTabCount, kKindInWords);
  return tab == kTabAverageTemp ? CheckAverageTemp(form) : CheckTimeTemp(form);
}

CheckResult CheckForSaveDefaults(const Form& form) {
  if (auto f = CheckAverageTemp(form)) return f;
  return CheckTimeTemp(form);
}

BookLines Book(const Form& form, int tab) {
  RequireTab(tab, kTabCount, kKindInWords);
  return tab == kTabAverageTemp ? AverageTempBook(form) : TimeTempBook(form);
}

}  // namespace wcthrm::calc::concreteconserve
