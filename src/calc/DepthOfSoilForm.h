// Form state of the freezing depth dialog: what its four tabs hold, the item <-> form copies,
// the table operations, the checks and the books. The Qt dialog and the command line both
// run these functions, so they cannot disagree.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/EditDescription.h"
#include "calc/FormCommon.h"
#include "calc/Table.h"
#include "model/U_Class_DepthOfSoil.h"

namespace wcthrm::calc::depthofsoil {

// Every function here that takes a tab throws RangeError for one outside 0..kTabCount-1.
inline constexpr int kTabCount = 4;
inline constexpr const char* kKind = "freezing depth";  // in RangeError's text

// The day tables of tabs 0..3 (first column days t, second mean daily negative temperature T).
inline constexpr const char* kDayTables[kTabCount] = {"advsgNoHeatSoil", "advsgSdbwtr",
                                                      "advsgFxbwtr", "advsgFgbwtr"};
// The P field and the "自动累加" box of tabs 0..3.
inline constexpr const char* kPFields[kTabCount] = {"kxedtDjzs1", "kxedtDjzs2", "kxedtDjzs3",
                                                    "kxedtDjzs4"};
inline constexpr const char* kLayerTable = "advsgFgbwtr2";

inline constexpr const char* kUnknown = "求解项";
inline constexpr const char* kKnown = "已知项";

// What the dialog's controls hold; edit texts and cells are UTF-8. Every table has the row
// numbers in column 0 and two data columns. Of each pair of radio buttons the checks, the books
// and Store read the first; Load sets the second to its opposite.
struct Form {
  int activeTab = 0;  // RzPageControl1

  // Tab 0 "未保温土壤"
  bool rbNoHeatSoil = true;
  bool rbBzdjsd = false;
  std::string kxedtDjxs = "0.00";
  bool cbAutoCal1 = true;
  std::string kxedtDjzs1 = "0.00";
  Table advsgNoHeatSoil;
  std::string kxedtSumTemp = "0.00";

  // Tab 1 "松动保温土壤"
  bool cbAutoCal2 = true;
  std::string kxedtDjzs2 = "0.00";
  Table advsgSdbwtr;
  bool RadioButton1 = true;
  bool RadioButton2 = false;
  std::string kxedtDjxs2 = "0.00";
  std::string kxedtFdjsxs = "0.00";
  // The hidden in-cell editors of the four day tables: days, temperature.
  std::string kxedtDays1 = "0";
  std::string kxedtPjrfqw1 = "0.00";

  // Tab 2 "覆雪保温土壤"
  bool cbAutoCal3 = true;
  std::string kxedtDjzs3 = "0.00";
  Table advsgFxbwtr;
  std::string kxedtXdpjrdxs = "0.00";
  std::string kxedtXdpjfgxs = "0.00";
  std::string kxedtYxxs = "1";
  bool RadioButton3 = true;   // "冻结深度计算"
  bool RadioButton4 = false;  // "覆盖厚度计算"

  // Tab 3 "覆盖保温材料土壤"
  bool cbAutoCal4 = true;
  std::string kxedtDjzs4 = "0.00";
  Table advsgFgbwtr;
  Table advsgFgbwtr2;  // layers: thickness cell ("求解项", "已知项,10" or empty), βi cell
  // The in-cell editors of the layer table: the thickness field beside cbNumType (while the
  // editor is open ThicknessEditor holds both), and βi.
  std::string kxedtDays = "0";
  std::string kxedtPjrfqw = "0.00";
  int UnknownRow = -1;  // the layer row whose thickness cell is "求解项", or -1

  bool operator==(const Form&) const = default;
};

// The numeric edits in the dialog's order, each with every setting the dialog gives it and the
// range that "计算" and "保存默认值" accept. The dialog bounds only kxedtSumTemp and kxedtDjzs4,
// so only they test their range when left; the others are unbounded in the dialog
// (MinValue = MaxValue = 0) and carry the checks' ends, so kxedtYxxs admits 0 though its
// IncludeLowerLimitValue is off. The checks take their rows by object name, in the
// calculation's order and under its conditions (a P field only while its box is clear, only the
// chosen formula's inputs); the in-cell editors are never checked, their cells are.
// The day tables' cell editors: whole days, and temperatures with two decimals; unbounded.
inline constexpr EditSettings kDayCellSettings{
    .lower = {0, true}, .upper = {0, true}, .integer = true, .negative = false,
    .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
    .boundsOnEdit = false, .realMessage = false};
inline constexpr EditSettings kTemperatureCellSettings{
    .lower = {0, true}, .upper = {0, true}, .integer = false, .negative = false,
    .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
    .boundsOnEdit = false, .realMessage = false};

// clang-format off
inline const EditDescription<Form> kEdits[] = {
    {"kxedtDjxs", &Form::kxedtDjxs, 0,
     {.lower = {0, true}, .upper = {30, true}, .integer = false, .negative = false,
      .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtDjzs1", &Form::kxedtDjzs1, 0,
     {.lower = {0, true}, .upper = {100000, true}, .integer = false, .negative = false,
      .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtSumTemp", &Form::kxedtSumTemp, 0,
     {.lower = {0, true}, .upper = {10000, true}, .integer = false, .negative = false,
      .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = true, .realMessage = false}},
    {"kxedtDjzs2", &Form::kxedtDjzs2, 1,
     {.lower = {0, true}, .upper = {100000, true}, .integer = false, .negative = false,
      .decimals = 3, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtDjxs2", &Form::kxedtDjxs2, 1,
     {.lower = {0, true}, .upper = {30, true}, .integer = false, .negative = false,
      .decimals = 3, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtFdjsxs", &Form::kxedtFdjsxs, 1,
     {.lower = {10, true}, .upper = {40, true}, .integer = false, .negative = false,
      .decimals = 3, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtDays1", &Form::kxedtDays1, 1, kDayCellSettings},
    {"kxedtPjrfqw1", &Form::kxedtPjrfqw1, 1, kTemperatureCellSettings},
    {"kxedtDjzs3", &Form::kxedtDjzs3, 2,
     {.lower = {0, true}, .upper = {100000, true}, .integer = false, .negative = false,
      .decimals = 3, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtXdpjrdxs", &Form::kxedtXdpjrdxs, 2,
     {.lower = {0, true}, .upper = {100, true}, .integer = false, .negative = false,
      .decimals = 3, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtXdpjfgxs", &Form::kxedtXdpjfgxs, 2,
     {.lower = {0, true}, .upper = {100, true}, .integer = false, .negative = false,
      .decimals = 3, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtYxxs", &Form::kxedtYxxs, 2,
     {.lower = {0, true}, .upper = {10, true}, .integer = false, .negative = false,
      .decimals = 3, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtDjzs4", &Form::kxedtDjzs4, 3,
     {.lower = {0, true}, .upper = {100000, true}, .integer = false, .negative = false,
      .decimals = 3, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = true, .realMessage = false}},
    {"kxedtDays", &Form::kxedtDays, 3,
     {.lower = {0, true}, .upper = {0, true}, .integer = true, .negative = false,
      .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
    {"kxedtPjrfqw", &Form::kxedtPjrfqw, 3,
     {.lower = {0, true}, .upper = {0, true}, .integer = false, .negative = false,
      .decimals = 2, .formatted = false, .upperApplies = true, .maxLength = 8,
      .boundsOnEdit = false, .realMessage = false}},
};
// clang-format on

// The plain numeric editors of the day tables' cells (the layer table's editors are the
// composite thickness and β editors, made of the kxedtDays and kxedtPjrfqw rows).
inline constexpr CellEditDescription kCellEdits[] = {
    {"advsgNoHeatSoil", 1, "kxedtDays1", kDayCellSettings, 148, 21},
    {"advsgNoHeatSoil", 2, "kxedtPjrfqw1", kTemperatureCellSettings, 148, 21},
    {"advsgSdbwtr", 1, "kxedtDays1", kDayCellSettings, 148, 21},
    {"advsgSdbwtr", 2, "kxedtPjrfqw1", kTemperatureCellSettings, 148, 21},
    {"advsgFxbwtr", 1, "kxedtDays1", kDayCellSettings, 148, 21},
    {"advsgFxbwtr", 2, "kxedtPjrfqw1", kTemperatureCellSettings, 148, 21},
    {"advsgFgbwtr", 1, "kxedtDays1", kDayCellSettings, 148, 21},
    {"advsgFgbwtr", 2, "kxedtPjrfqw1", kTemperatureCellSettings, 148, 21},
};

// The row of kEdits named control; std::out_of_range for a name that has none.
const EditDescription<Form>& Edit(std::string_view control);

// The controls of tab 0..3.
Table& DayTable(Form& form, int tab);
const Table& DayTable(const Form& form, int tab);
bool& AutoCal(Form& form, int tab);
bool AutoCal(const Form& form, int tab);
std::string& PField(Form& form, int tab);
const std::string& PField(const Form& form, int tab);

// The controls as the dialog creates them, before it shows an item.
Form DesignForm();

// What the dialog shows once it is open on item: LoadFromItem on the design-time controls, then
// the table headers and each box's handler.
Form Load(const TDepthOfSoil& item);
// Copies item into the controls as they stand ("调取默认值" in an open dialog): a table keeps
// its rows unless the count lies in 1..100, and cells without a stored entry keep their text.
// No box handler runs, so each P field shows the stored index. A table selection past the
// last row moves up to it.
void LoadFromItem(const TDepthOfSoil& item, Form& form);
// Copies the controls into item. Throws ConversionError for an edit text that is no number;
// item then stays as it was.
void Store(const Form& form, TDepthOfSoil& item);

// The checks of tab 0..3 ("计算").
CheckResult Check(const Form& form, int tab);
// The checks "保存默认值" runs before it saves.
CheckResult CheckForSaveDefaults(const Form& form);
// The book of tab 0..3; only after Check(form, tab) passed.
BookLines Book(const Form& form, int tab);

// The freezing index P of tab 0..3 as the book computes it; only after the tab's checks passed.
double FreezingIndex(const Form& form, int tab);
// The freezing depth a cover must take up: 60 x (0.004 P - 10^-6 P^2).
double CoverFreezingDepth(double p);
// The layer row that is solved for: UnknownRow when it names a row of the layer table, else -1.
int UnknownLayer(const Form& form);
// The thickness text of a layer's thickness cell: after the first comma, or the whole cell.
std::string ThicknessText(const std::string& cell);

// Sums days x temperature over a day table after turning every invalid cell into "0".
double SumFreezingIndex(Table& table);

// A click on the "自动累加" box of tab 0..3 leaving it checked or clear: a checked box puts
// the table's sum into the P field.
void SetAutoCal(Form& form, int tab, bool checked);
// A cell of the tab's day table selected, or the table left: the sum goes into the P field
// while the box is checked (the table cannot be edited otherwise).
void DayTableTouched(Form& form, int tab);

// "增加(&A)" on a day table: a row "n", "0", "0.00", whose day cell becomes the selection.
void AddDayRow(Form& form, int tab);
// "删除(&D)" on a day table: the selected rows go; one row always stays ("1", "0", "0.00" when
// none would). The selection becomes one day cell.
void DeleteDayRows(Form& form, int tab);

// "增加(&A)" on the layer table: a row "n", empty, "0.00", whose thickness cell becomes the
// selection.
void AddLayerRow(Form& form);
// "删除(&D)" on the layer table: the selected row goes, UnknownRow stays on its layer; the
// selection becomes one thickness cell.
void DeleteLayerRow(Form& form);

// The in-cell editor of a thickness cell: drop-down cbNumType beside the integer field
// kxedtDays.
struct ThicknessEditor {
  std::vector<std::string> items;  // the drop-down's items
  std::string choice;              // the item shown
  std::string days;                // kxedtDays text: the thickness after the first comma
  bool daysVisible = true;         // kxedtDays is shown only for "已知项"
  bool operator==(const ThicknessEditor&) const = default;
};

// Opening the editor on the thickness cell of a layer row: a second unknown is not offered.
ThicknessEditor EnterThicknessEditor(const Form& form, int row);
// The drop-down now shows choice (cbNumTypeClick): the field is shown only for "已知项".
void ChooseThickness(ThicknessEditor& editor, const std::string& choice);
// Closing it: the cell becomes "求解项" or "已知项,<days>", UnknownRow follows.
void LeaveThicknessEditor(Form& form, int row, const ThicknessEditor& editor);

}  // namespace wcthrm::calc::depthofsoil
