// Freezing depth form state: item <-> form, the freezing-index sum and the table operations.
#include "calc/DepthOfSoilForm.h"

#include <algorithm>
#include <array>

#include "support/Gbk.h"
#include "support/NumberText.h"

namespace wcthrm::calc::depthofsoil {

namespace {

using Row = std::vector<std::string>;

const Row kDayHeader = {"序号", "冻结的天数t（d）", "平均日负气温T（℃）"};
const Row kLayerHeader = {"序号", "保温材料的铺设厚度hi(cm)", "对土壤冻结影响系数βi"};

// Header row and row numbers, as the dialog writes them when it is shown.
void SetHeader(Table& g, const Row& header) {
  g.cells.at(0) = header;
  for (int r = 1; r <= g.DataRows(); ++r) g.At(0, r) = std::to_string(r);
}

// Two data rows at design time.
Table DesignTable(const Row& header) {
  Table t = Table::Sized(3, 3);
  SetHeader(t, header);
  return t;
}

void AppendRow(Table& g, std::string second, std::string third) {
  g.cells.push_back({std::to_string(g.DataRows() + 1), std::move(second), std::move(third)});
}

// Counts from 1 to 100 resize the table; then each stored cell goes into its row, where the
// table has that row.
void FillTable(Table& g, int32_t count, const std::vector<std::string>& cells) {
  if (count >= 1 && count <= 100) {
    while (g.DataRows() < count) AppendRow(g, "0", "0.00");
    while (g.DataRows() > count) g.cells.pop_back();
  }
  for (size_t i = 0; i < cells.size(); ++i) {
    const int row = static_cast<int>(i / 2) + 1;
    if (row > g.DataRows()) break;
    g.At(1 + static_cast<int>(i % 2), row) = FromGbk(cells[i]);
  }
}

std::vector<std::string> CellsOf(const Table& g) {
  std::vector<std::string> cells;
  for (int r = 1; r <= g.DataRows(); ++r) {
    cells.push_back(ToGbk(g.At(1, r)));
    cells.push_back(ToGbk(g.At(2, r)));
  }
  return cells;
}

void Renumber(Table& g) {
  for (int r = 1; r <= g.DataRows(); ++r) g.At(0, r) = std::to_string(r);
}

void SelectCell(Table& g, int col, int row) { g.selection = {col, row, col, row}; }

// A table that lost rows keeps its selection inside the rows it has.
void ClampSelection(Table& g) {
  const int last = std::max(g.DataRows(), 1);
  g.selection.top = std::min(g.selection.top, last);
  g.selection.bottom = std::min(g.selection.bottom, last);
}

bool ValidDays(const std::string& text) {
  if (text.empty() || !IsNumberText(text)) return false;
  auto days = ParseDecimal(text);
  return days && *days >= 0 && *days <= 366;
}

bool ValidTemperature(const std::string& text) {
  if (text.empty() || !IsNumberText(text)) return false;
  auto t = ParseDecimal(text);
  return t && *t >= 0 && *t <= 50;
}

}  // namespace

Table& DayTable(Form& form, int tab) {
  RequireTab(tab, kTabCount, kKind);
  std::array<Table*, kTabCount> tables = {&form.advsgNoHeatSoil, &form.advsgSdbwtr,
                                          &form.advsgFxbwtr, &form.advsgFgbwtr};
  return *tables[tab];
}
const Table& DayTable(const Form& form, int tab) { return DayTable(const_cast<Form&>(form), tab); }

bool& AutoCal(Form& form, int tab) {
  RequireTab(tab, kTabCount, kKind);
  std::array<bool*, kTabCount> boxes = {&form.cbAutoCal1, &form.cbAutoCal2, &form.cbAutoCal3,
                                        &form.cbAutoCal4};
  return *boxes[tab];
}
bool AutoCal(const Form& form, int tab) { return AutoCal(const_cast<Form&>(form), tab); }

std::string& PField(Form& form, int tab) {
  RequireTab(tab, kTabCount, kKind);
  std::array<std::string*, kTabCount> fields = {&form.kxedtDjzs1, &form.kxedtDjzs2,
                                                &form.kxedtDjzs3, &form.kxedtDjzs4};
  return *fields[tab];
}
const std::string& PField(const Form& form, int tab) {
  return PField(const_cast<Form&>(form), tab);
}

Form DesignForm() {
  Form form;
  for (int tab = 0; tab < kTabCount; ++tab) DayTable(form, tab) = DesignTable(kDayHeader);
  form.advsgFgbwtr2 = DesignTable(kLayerHeader);
  return form;
}

Form Load(const TDepthOfSoil& item) {
  Form form = DesignForm();
  LoadFromItem(item, form);
  // What showing the dialog does: headers, then each box's handler in tab order.
  form.activeTab = 0;
  for (int tab = 0; tab < kTabCount; ++tab) {
    SetHeader(DayTable(form, tab), kDayHeader);
    if (tab == 3) SetHeader(form.advsgFgbwtr2, kLayerHeader);
    SetAutoCal(form, tab, AutoCal(form, tab));
  }
  return form;
}

void LoadFromItem(const TDepthOfSoil& item, Form& form) {
  // Filling a table touches no P field: a typed P shows as stored whatever the row count.
  form.rbNoHeatSoil = item.NoHeatSoil1;
  form.rbBzdjsd = !item.NoHeatSoil1;
  FillTable(form.advsgNoHeatSoil, item.Count1, item.slOneNoHeatSoil);
  form.cbAutoCal1 = item.Zdlj1;
  form.kxedtDjxs = NumberText(item.Djxs1);
  form.kxedtDjzs1 = NumberText(item.Djzs1);
  form.kxedtSumTemp = NumberText(item.SumTemp);

  form.cbAutoCal2 = item.Zdlj2;
  form.kxedtDjzs2 = NumberText(item.Djzs2);
  FillTable(form.advsgSdbwtr, item.Count2, item.slTwoNoHeatSoil);
  form.RadioButton1 = item.NoHeatSoil2;
  form.RadioButton2 = !item.NoHeatSoil2;
  form.kxedtDjxs2 = NumberText(item.Djxs2);
  form.kxedtFdjsxs = NumberText(item.Fdjsxs);

  form.cbAutoCal3 = item.Zdlj3;
  form.kxedtDjzs3 = NumberText(item.Djzs3);
  FillTable(form.advsgFxbwtr, item.Count3, item.slThreeNoHeatSoil);
  form.kxedtXdpjrdxs = NumberText(item.Xdpjrdxs);
  form.kxedtXdpjfgxs = NumberText(item.Xdpjfgxs);
  form.kxedtYxxs = NumberText(item.Yxxs);

  form.RadioButton3 = item.CalDjsd;
  form.RadioButton4 = !item.CalDjsd;
  form.cbAutoCal4 = item.Zdlj4;
  form.kxedtDjzs4 = NumberText(item.Djzs4);
  FillTable(form.advsgFgbwtr, item.Count4, item.slFourNoHeatSoil);

  Table& layers = form.advsgFgbwtr2;
  FillTable(layers, item.Count5, item.slFiveNoHeatSoil);
  // Taken from the cells as they now stand, so a reload never keeps an unknown row whose cell
  // no longer reads "求解项".
  form.UnknownRow = -1;
  for (int r = 1; r <= layers.DataRows(); ++r) {
    if (layers.At(1, r) == kUnknown) form.UnknownRow = r;
  }
  for (int tab = 0; tab < kTabCount; ++tab) ClampSelection(DayTable(form, tab));
  ClampSelection(layers);
}

void Store(const Form& form, TDepthOfSoil& item) {
  // Every conversion before the first assignment, so a bad text changes nothing.
  const double djxs1 = StrToFloat(form.kxedtDjxs);
  const double djzs1 = StrToFloat(form.kxedtDjzs1);
  const double sumTemp = StrToFloat(form.kxedtSumTemp);
  const double djzs2 = StrToFloat(form.kxedtDjzs2);
  const double djxs2 = StrToFloat(form.kxedtDjxs2);
  const double fdjsxs = StrToFloat(form.kxedtFdjsxs);
  const double djzs3 = StrToFloat(form.kxedtDjzs3);
  const double xdpjrdxs = StrToFloat(form.kxedtXdpjrdxs);
  const double xdpjfgxs = StrToFloat(form.kxedtXdpjfgxs);
  const double yxxs = StrToFloat(form.kxedtYxxs);
  const double djzs4 = StrToFloat(form.kxedtDjzs4);

  item.NoHeatSoil1 = form.rbNoHeatSoil;
  item.Zdlj1 = form.cbAutoCal1;
  item.Count1 = form.advsgNoHeatSoil.DataRows();
  item.slOneNoHeatSoil = CellsOf(form.advsgNoHeatSoil);
  item.Djxs1 = djxs1;
  item.Djzs1 = djzs1;
  item.SumTemp = sumTemp;

  item.Zdlj2 = form.cbAutoCal2;
  item.Djzs2 = djzs2;
  item.Count2 = form.advsgSdbwtr.DataRows();
  item.NoHeatSoil2 = form.RadioButton1;
  item.Djxs2 = djxs2;
  item.Fdjsxs = fdjsxs;
  item.slTwoNoHeatSoil = CellsOf(form.advsgSdbwtr);

  item.Zdlj3 = form.cbAutoCal3;
  item.Djzs3 = djzs3;
  item.Count3 = form.advsgFxbwtr.DataRows();
  item.Xdpjrdxs = xdpjrdxs;
  item.Xdpjfgxs = xdpjfgxs;
  item.Yxxs = yxxs;
  item.CalDjsd = form.RadioButton3;
  item.slThreeNoHeatSoil = CellsOf(form.advsgFxbwtr);

  item.Zdlj4 = form.cbAutoCal4;
  item.Djzs4 = djzs4;
  item.Count4 = form.advsgFgbwtr.DataRows();
  item.Count5 = form.advsgFgbwtr2.DataRows();
  item.slFourNoHeatSoil = CellsOf(form.advsgFgbwtr);
  item.slFiveNoHeatSoil = CellsOf(form.advsgFgbwtr2);
}

double SumFreezingIndex(Table& table) {
  double sum = 0;
  for (int r = 1; r <= table.DataRows(); ++r) {
    std::string& days = table.At(1, r);
    std::string& temperature = table.At(2, r);
    // The day cell counts with its numeric value, as the book's P takes it, so a fractional
    // day that the check admits is neither repaired away nor summed differently.
    if (!ValidDays(days)) days = "0";
    if (!ValidTemperature(temperature)) temperature = "0";
    sum += *ParseDecimal(days) * *ParseDecimal(temperature);
  }
  return sum;
}

void SetAutoCal(Form& form, int tab, bool checked) {
  AutoCal(form, tab) = checked;
  if (checked) PField(form, tab) = NumberText(SumFreezingIndex(DayTable(form, tab)));
}

void DayTableTouched(Form& form, int tab) {
  const double sum = SumFreezingIndex(DayTable(form, tab));
  if (AutoCal(form, tab)) PField(form, tab) = NumberText(sum);
}

void AddDayRow(Form& form, int tab) {
  Table& g = DayTable(form, tab);
  AppendRow(g, "0", "0.00");
  SelectCell(g, 1, g.DataRows());
}

void DeleteDayRows(Form& form, int tab) {
  Table& g = DayTable(form, tab);
  int first = g.selection.top, last = g.selection.bottom;
  if (first > last) std::swap(first, last);
  first = std::max(first, 1);
  last = std::min(last, g.DataRows());
  if (g.DataRows() <= 1 || (first == 1 && last == g.DataRows())) {
    // The grid keeps one data row; it starts over.
    g.cells.resize(2);
    g.cells[1] = {"1", "0", "0.00"};
    SelectCell(g, 1, 1);
    return;
  }
  if (first > last) {
    SelectCell(g, 1, std::clamp(first, 1, g.DataRows()));
    return;
  }
  g.cells.erase(g.cells.begin() + first, g.cells.begin() + last + 1);
  Renumber(g);
  SelectCell(g, 1, std::min(first, g.DataRows()));
}

void AddLayerRow(Form& form) {
  Table& g = form.advsgFgbwtr2;
  AppendRow(g, "", "0.00");
  SelectCell(g, 1, g.DataRows());
}

void DeleteLayerRow(Form& form) {
  Table& g = form.advsgFgbwtr2;
  const int row = g.selection.top;  // the layer table selects one row at a time
  if (g.DataRows() <= 1) {
    g.cells.resize(2);
    g.cells[1] = {"1", "", "0.00"};
    form.UnknownRow = -1;
    SelectCell(g, 1, 1);
    return;
  }
  if (row < 1 || row > g.DataRows()) {
    SelectCell(g, 1, std::clamp(row, 1, g.DataRows()));
    return;
  }
  if (row == form.UnknownRow) {
    form.UnknownRow = -1;
  } else if (row < form.UnknownRow) {
    --form.UnknownRow;
  }
  g.cells.erase(g.cells.begin() + row);
  Renumber(g);
  SelectCell(g, 1, std::min(row, g.DataRows()));
}

ThicknessEditor EnterThicknessEditor(const Form& form, int row) {
  const std::string& cell = form.advsgFgbwtr2.At(1, row);
  ThicknessEditor editor{{kUnknown, kKnown}, kKnown, "", true};
  if (form.UnknownRow >= 0 && (cell.empty() || cell.starts_with(kKnown))) {
    editor.items.erase(editor.items.begin());  // a second unknown cannot be chosen
  } else if (cell == kUnknown) {
    editor.choice = kUnknown;  // leaving the unknown's own cell unchanged keeps it the unknown
  }
  ChooseThickness(editor, editor.choice);
  const size_t comma = cell.find(',');
  if (comma != std::string::npos) editor.days = cell.substr(comma + 1);
  return editor;
}

void ChooseThickness(ThicknessEditor& editor, const std::string& choice) {
  editor.choice = choice;
  editor.daysVisible = choice == kKnown;
}

void LeaveThicknessEditor(Form& form, int row, const ThicknessEditor& editor) {
  std::string& cell = form.advsgFgbwtr2.At(1, row);
  if (editor.choice == kUnknown) {
    cell = kUnknown;
    form.UnknownRow = row;
    return;
  }
  cell = editor.choice + "," + editor.days;
  if (form.UnknownRow == row) form.UnknownRow = -1;
}

}  // namespace wcthrm::calc::depthofsoil
