// The curing dialog's state: filling it from the item, writing it back, and the table
// handlers that keep the count edit and the readings table in step.
#include "calc/ConcreteConserveForm.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "support/Gbk.h"
#include "support/NumberText.h"

namespace wcthrm::calc::concreteconserve {

namespace {

// Counts outside this range leave a table as it is.
constexpr int kMinRows = 1;
constexpr int kMaxRows = 100;
constexpr int kDesignRows = 2;

Table DesignTable(std::vector<std::string> headers) {
  Table table = Table::Sized(static_cast<int>(headers.size()), 1 + kDesignRows);
  table.cells.front() = std::move(headers);
  return table;
}

void Renumber(Table& table) {
  for (int row = 1; row < table.RowCount(); ++row) table.SetCell(0, row, IntToText(row));
}

// Keeps the selection on existing data rows after rows went away.
void ClampSelection(Table& table) {
  const int last = std::max(table.DataRows(), 1);
  CellRange& s = table.selection;
  s.top = std::clamp(s.top, 1, last);
  s.bottom = std::clamp(s.bottom, s.top, last);
}

// The one data row that always stays, reset to its starting texts.
void ResetToOneRow(Table& table) {
  const int cols = std::max(table.ColCount(), 2);
  if (table.cells.empty()) table.cells.emplace_back(static_cast<size_t>(cols));
  table.cells.resize(2, std::vector<std::string>(static_cast<size_t>(cols)));
  table.SetCell(0, 1, "1");
  table.SetCell(1, 1, "0");
  table.SetCell(2, 1, "0.00");
  table.selection = CellRange{};
}

// The whole number an integer edit holds; 0 for any other text, as the edit reads it.
int64_t IntValue(const std::string& text) { return ParseInt(text).value_or(0); }

double EditNumber(const std::string& text) { return StrToFloat(ToGbk(text)); }

}  // namespace

void AddTableRow(Table& table) {
  table.cells.emplace_back(static_cast<size_t>(table.ColCount()));
  table.SetCell(0, table.RowCount() - 1, IntToText(table.RowCount() - 1));
}

void DeleteTableRows(Table& table) {
  const int last = table.RowCount() - 1;
  const int top = std::max(table.selection.top, 1);
  const int bottom = std::min(table.selection.bottom, last);
  if (table.DataRows() > 1) {
    if (top > bottom) return;  // nothing of the data rows is selected
    if (top > 1 || bottom < last) {
      table.cells.erase(table.cells.begin() + top, table.cells.begin() + bottom + 1);
      Renumber(table);
      table.selection.bottom = table.selection.top;
      ClampSelection(table);
      return;
    }
  }
  // One row left, or all of them selected: a table never loses its last data row.
  ResetToOneRow(table);
}

void SetDataRows(Table& table, int n) {
  n = std::max(n, 0);
  while (table.DataRows() < n) AddTableRow(table);
  if (table.DataRows() > n) {
    table.cells.resize(static_cast<size_t>(n) + 1);
    ClampSelection(table);
  }
}

void KxedtTimesExit(Form& form) {
  auto n = ParseInt(form.kxedtTimes);
  if (n && *n >= kMinRows && *n <= kMaxRows) SetDataRows(form.advsgTemp, *n);
}

void NAdd2Click(Form& form) {
  RequireTab(form.activeTab, kTabCount, kKindInWords);
  if (form.activeTab == kTabAverageTemp) {
    AddTableRow(form.advsgTemp);
    form.kxedtTimes = NumberText(static_cast<double>(IntValue(form.kxedtTimes) + 1));
  } else {
    AddTableRow(form.advsgTemp2);
  }
}

void NDlt2Click(Form& form) {
  RequireTab(form.activeTab, kTabCount, kKindInWords);
  if (form.activeTab == kTabAverageTemp) {
    // The count follows the rows that remain, however many were selected: the mean is then
    // divided by the number of readings it sums.
    DeleteTableRows(form.advsgTemp);
    form.kxedtTimes = IntToText(form.advsgTemp.DataRows());
  } else {
    DeleteTableRows(form.advsgTemp2);
  }
}

void LoadFromItem(const TConcreteConserve& item, Form& form) {
  form.kxedtTemp = NumberText(item.MyTemp);
  form.kxedtInterval = NumberText(item.MyInterval);
  form.kxedtTimes = IntToText(item.MyTimes);
  if (item.MyTimes >= kMinRows && item.MyTimes <= kMaxRows) {
    SetDataRows(form.advsgTemp, item.MyTimes);
  }
  // Elements beyond the table's rows have no cell to go to.
  const size_t readings = std::min(item.slPjwd.size(), size_t(form.advsgTemp.DataRows()));
  for (size_t i = 0; i < readings; ++i) {
    form.advsgTemp.SetCell(1, static_cast<int>(i) + 1, FromGbk(item.slPjwd[i]));
  }

  form.RadioGroup1 = item.CalTime ? 0 : 1;
  form.kxedtDlsj = NumberText(item.Dlsj);
  form.kxedtDlwd = NumberText(item.Dlwd);
  if (item.MyTimes2 >= kMinRows && item.MyTimes2 <= kMaxRows) {
    SetDataRows(form.advsgTemp2, item.MyTimes2);
  }
  const size_t cells = std::min(item.slDlwdsj.size(), size_t(form.advsgTemp2.DataRows()) * 2);
  for (size_t i = 0; i < cells; ++i) {
    form.advsgTemp2.SetCell(i % 2 == 0 ? 1 : 2, static_cast<int>(i / 2) + 1,
                            FromGbk(item.slDlwdsj[i]));
  }
}

Form Load(const TConcreteConserve& item) {
  Form form;
  form.advsgTemp = DesignTable({"序号", "混凝土成型完成后按等间隔时间所测得的温度ti（℃）"});
  form.advsgTemp2 = DesignTable({"序号", "平均温度Tpi（℃）", "时间ti（h或d）"});
  LoadFromItem(item, form);
  Renumber(form.advsgTemp);
  Renumber(form.advsgTemp2);
  return form;
}

void Store(const Form& form, TConcreteConserve& item) {
  item.MyTemp = EditNumber(form.kxedtTemp);
  item.MyInterval = EditNumber(form.kxedtInterval);
  // A typed count like 99999999 is stored at the largest count a project list may hold, so the
  // item reads back whole when the project is opened again; readings beyond the table are
  // empty cells.
  item.MyTimes = std::min(StrToInt(ToGbk(form.kxedtTimes)), TConcreteConserve::kMaxCount);
  const int32_t readings = std::max(item.MyTimes, 0);
  item.slPjwd.clear();
  item.slPjwd.reserve(static_cast<size_t>(readings));
  for (int32_t row = 1; row <= readings; ++row) {
    item.slPjwd.push_back(ToGbk(form.advsgTemp.Cell(1, row)));
  }

  item.Dlsj = EditNumber(form.kxedtDlsj);
  item.Dlwd = EditNumber(form.kxedtDlwd);
  item.CalTime = form.RadioGroup1 == 0;
  item.MyTimes2 = form.advsgTemp2.DataRows();
  item.slDlwdsj.clear();
  for (int row = 1; row <= item.MyTimes2; ++row) {
    item.slDlwdsj.push_back(ToGbk(form.advsgTemp2.Cell(1, row)));
    item.slDlwdsj.push_back(ToGbk(form.advsgTemp2.Cell(2, row)));
  }
}

}  // namespace wcthrm::calc::concreteconserve
