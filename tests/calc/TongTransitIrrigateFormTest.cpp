// The transport dialog's state: loading and storing the item, the checks of both tabs and
// the two books.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>

#include "calc/TongTransitIrrigateForm.h"
#include "support/Errors.h"
#include "support/Gbk.h"
#include "support/IniFile.h"

namespace wcthrm::calc::tongtransitirrigate {
namespace {

// A form that passes both tabs: the worked examples' inputs.
Form ValidForm() {
  TTongTransitIrrigate item;
  Form form = Load(item);
  form.kxedtCjwd = "20";
  form.kxedtWdssxs = "0.25";
  form.kxedtYsdjzdsj = "1";
  form.kxedtYzcs = "2";
  form.kxedtHjwd = "-10";
  auto& t = form.advsgTmpOfFinish;
  t.At(1, 1) = "2.5";
  t.At(2, 1) = "0.48";
  t.At(1, 2) = "50";
  t.At(2, 2) = "100";
  t.At(1, 3) = "-5";
  t.At(2, 3) = "-5";
  form.kxedtWendu = "10";
  form.kxedtZhiliang = "2400";
  form.kxedtHntbrr = "0.96";
  return form;
}

using Edit = std::function<void(Form&)>;

TEST(TongTransitIrrigateForm, BookLines) {
  struct Case {
    const char* name;
    int tab;
    Edit edit;
    BookLines lines;
  };
  // clang-format off
  const Case cases[] = {
      {"transport_negative_ambient", 0, [](Form&) {},
       {"砼拌和物运输到浇筑时温度：", "T$2$＝20－（1×0.25＋0.032×2）×（20－（-10））",
        " ＝10.58℃"}},
      {"transport_zero_ambient", 0, [](Form& f) { f.kxedtHjwd = "0"; },
       {"砼拌和物运输到浇筑时温度：", "T$2$＝20－（1×0.25＋0.032×2）×（20－0）", " ＝13.72℃"}},
      {"transport_result_unrounded_inputs_rounded", 0,
       [](Form& f) {
         f.kxedtCjwd = "17.3";
         f.kxedtYsdjzdsj = "0.35";
         f.kxedtYzcs = "3";
         f.kxedtHjwd = "-3.7";
       },
       {"砼拌和物运输到浇筑时温度：", "T$2$＝17.3－（0.35×0.25＋0.032×3）×（17.3－（-3.7））",
        " ＝13.4465℃"}},
      {"transport_inputs_to_two_decimals_count_raw", 0,
       [](Form& f) {
         f.kxedtCjwd = "20.125";
         f.kxedtWdssxs = "0.125";
         f.kxedtYzcs = "02";
         f.kxedtHjwd = "5.00";
       },
       {"砼拌和物运输到浇筑时温度：", "T$2$＝20.12－（1×0.12＋0.032×02）×（20.12－5）",
        " ＝17.266375℃"}},
      {"placing_negative_temperatures", 1, [](Form&) {},
       {"砼浇筑成型完时温度：",
        "T$3$＝（0.96×2400×10＋2.5×50×（-5）＋0.48×100×（-5））/"
        "（0.96×2400＋2.5×50＋0.48×100）",
        "＝8.95℃"}},
      {"placing_zero_and_positive_temperatures", 1,
       [](Form& f) {
         f.advsgTmpOfFinish.At(1, 3) = "0";
         f.advsgTmpOfFinish.At(2, 3) = "3";
       },
       {"砼浇筑成型完时温度：",
        "T$3$＝（0.96×2400×10＋2.5×50×0＋0.48×100×3）/（0.96×2400＋2.5×50＋0.48×100）",
        "＝9.36℃"}},
      {"placing_cells_raw_edits_rounded", 1,
       [](Form& f) {
         f.kxedtHntbrr = "1.005";
         f.advsgTmpOfFinish.At(1, 1) = "2.50";
         f.advsgTmpOfFinish.At(1, 3) = "-0";
       },
       {"砼浇筑成型完时温度：",
        "T$3$＝（1×2400×10＋2.50×50×-0＋0.48×100×（-5））/（1×2400＋2.50×50＋0.48×100）",
        "＝9.24℃"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form form = ValidForm();
    c.edit(form);
    ASSERT_EQ(Check(form, c.tab), std::nullopt);
    EXPECT_EQ(Book(form, c.tab), c.lines);
  }
}

TEST(TongTransitIrrigateForm, CheckFaults) {
  const std::string real100 = "请输入 5 (包含) 到 100 (包含) 之间的实数！";
  const std::string count = "请输入 1 (包含) 到 10 (包含) 之间的整数！";
  const std::string ambient = "请输入 -50 (包含) 到 50 (包含) 之间的实数！";
  const std::string heat = "表格中比热容必须为0（不包括）～10（包括）之间的数值！";
  const std::string mass = "表格中每1m3砼相接触物质量必须为0（不包括）～5000（包括）之间的数值！";
  const std::string temp = "表格中温度必须为-50（包括）～100（包括）之间的数值！";
  struct Case {
    const char* name;
    int tab;
    Edit edit;
    Fault fault;
  };
  // clang-format off
  const Case cases[] = {
      {"outlet_empty", 0, [](Form& f) { f.kxedtCjwd = ""; }, {"kxedtCjwd", -1, -1, real100}},
      {"outlet_below", 0, [](Form& f) { f.kxedtCjwd = "4.99"; }, {"kxedtCjwd", -1, -1, real100}},
      {"outlet_above", 0, [](Form& f) { f.kxedtCjwd = "100.01"; },
       {"kxedtCjwd", -1, -1, real100}},
      {"loss_above", 0, [](Form& f) { f.kxedtWdssxs = "1.01"; },
       {"kxedtWdssxs", -1, -1, "请输入 0 (包含) 到 1 (包含) 之间的实数！"}},
      {"time_zero_excluded", 0, [](Form& f) { f.kxedtYsdjzdsj = "0"; },
       {"kxedtYsdjzdsj", -1, -1, "请输入 0 (不包含) 到 5 (包含) 之间的实数！"}},
      {"count_zero", 0, [](Form& f) { f.kxedtYzcs = "0"; }, {"kxedtYzcs", -1, -1, count}},
      {"count_eleven", 0, [](Form& f) { f.kxedtYzcs = "11"; }, {"kxedtYzcs", -1, -1, count}},
      {"count_not_whole", 0, [](Form& f) { f.kxedtYzcs = "2.5"; }, {"kxedtYzcs", -1, -1, count}},
      {"ambient_lone_minus", 0, [](Form& f) { f.kxedtHjwd = "-"; },
       {"kxedtHjwd", -1, -1, ambient}},
      {"ambient_below", 0, [](Form& f) { f.kxedtHjwd = "-50.5"; },
       {"kxedtHjwd", -1, -1, ambient}},
      {"ambient_above", 0, [](Form& f) { f.kxedtHjwd = "50.01"; },
       {"kxedtHjwd", -1, -1, ambient}},
      {"loss_below", 0, [](Form& f) { f.kxedtWdssxs = "-0.01"; },
       {"kxedtWdssxs", -1, -1, "请输入 0 (包含) 到 1 (包含) 之间的实数！"}},
      {"time_above", 0, [](Form& f) { f.kxedtYsdjzdsj = "5.01"; },
       {"kxedtYsdjzdsj", -1, -1, "请输入 0 (不包含) 到 5 (包含) 之间的实数！"}},
      {"first_failing_edit_wins", 0,
       [](Form& f) {
         f.kxedtHjwd = "";
         f.kxedtWdssxs = "";
       },
       {"kxedtWdssxs", -1, -1, "请输入 0 (包含) 到 1 (包含) 之间的实数！"}},
      {"constructor_texts", 1,
       [](Form& f) {
         TTongTransitIrrigate item;
         f.advsgTmpOfFinish = Load(item).advsgTmpOfFinish;
       },
       {kTable, 1, 1, heat}},
      {"cells_row_by_row", 1,
       [](Form& f) {
         f.advsgTmpOfFinish.At(2, 1) = "";
         f.advsgTmpOfFinish.At(1, 2) = "";
       },
       {kTable, 2, 1, heat}},
      {"heat_zero_excluded", 1, [](Form& f) { f.advsgTmpOfFinish.At(1, 1) = "0"; },
       {kTable, 1, 1, heat}},
      {"mass_zero_excluded", 1, [](Form& f) { f.advsgTmpOfFinish.At(2, 2) = "0"; },
       {kTable, 2, 2, mass}},
      {"heat_above", 1, [](Form& f) { f.advsgTmpOfFinish.At(2, 1) = "10.01"; },
       {kTable, 2, 1, heat}},
      {"mass_above", 1, [](Form& f) { f.advsgTmpOfFinish.At(1, 2) = "5000.1"; },
       {kTable, 1, 2, mass}},
      {"temperature_below", 1, [](Form& f) { f.advsgTmpOfFinish.At(2, 3) = "-50.01"; },
       {kTable, 2, 3, temp}},
      {"temperature_trailing_point", 1, [](Form& f) { f.advsgTmpOfFinish.At(2, 3) = "5."; },
       {kTable, 2, 3, temp}},
      {"temperature_two_points", 1, [](Form& f) { f.advsgTmpOfFinish.At(1, 3) = "1.2.3"; },
       {kTable, 1, 3, temp}},
      {"temperature_minus_between_digits", 1, [](Form& f) { f.advsgTmpOfFinish.At(1, 3) = "1-2"; },
       {kTable, 1, 3, temp}},
      {"temperature_blank", 1, [](Form& f) { f.advsgTmpOfFinish.At(1, 3) = " 5"; },
       {kTable, 1, 3, temp}},
      {"row_missing_from_the_table", 1, [](Form& f) { f.advsgTmpOfFinish.cells.pop_back(); },
       {kTable, 1, 3, temp}},
      {"table_before_edits", 1,
       [](Form& f) {
         f.kxedtWendu = "";
         f.advsgTmpOfFinish.At(2, 3) = "101";
       },
       {kTable, 2, 3, temp}},
      {"pour_temperature_below", 1, [](Form& f) { f.kxedtWendu = "4"; },
       {"kxedtWendu", -1, -1, "请输入 5 (包含) 到 80 (包含) 之间的实数！"}},
      {"pour_temperature_above", 1, [](Form& f) { f.kxedtWendu = "80.01"; },
       {"kxedtWendu", -1, -1, "请输入 5 (包含) 到 80 (包含) 之间的实数！"}},
      {"concrete_mass_zero", 1, [](Form& f) { f.kxedtZhiliang = "0"; },
       {"kxedtZhiliang", -1, -1, "请输入 0 (不包含) 到 5000 (包含) 之间的实数！"}},
      {"concrete_mass_above", 1, [](Form& f) { f.kxedtZhiliang = "5000.01"; },
       {"kxedtZhiliang", -1, -1, "请输入 0 (不包含) 到 5000 (包含) 之间的实数！"}},
      {"concrete_heat_zero", 1, [](Form& f) { f.kxedtHntbrr = "0"; },
       {"kxedtHntbrr", -1, -1, "请输入 0 (不包含) 到 10 (包含) 之间的实数！"}},
      {"concrete_heat_above", 1, [](Form& f) { f.kxedtHntbrr = "10.5"; },
       {"kxedtHntbrr", -1, -1, "请输入 0 (不包含) 到 10 (包含) 之间的实数！"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form form = ValidForm();
    c.edit(form);
    EXPECT_EQ(Check(form, c.tab), c.fault);
    EXPECT_EQ(TabOf(c.fault), c.tab);
    // A tab's check looks only at its own page.
    EXPECT_EQ(Check(form, 1 - c.tab), std::nullopt);
  }
}

// The rows the dialog configures its edits from, in its tab order. No edit has a range of its
// own (MinValue and MaxValue both 0), so leaving one never shows a message.
TEST(TongTransitIrrigateForm, EditRowsAreTheDialogsEditsWithItsSettings) {
  struct Row {
    const char* name;
    int tab;
    Bound lower, upper;
    bool integer;
    bool negative;
    int decimals;
  };
  const Row rows[] = {
      {"kxedtCjwd", 0, {5, true}, {100, true}, false, false, 3},
      {"kxedtHjwd", 0, {-50, true}, {50, true}, false, true, 3},
      {"kxedtYsdjzdsj", 0, {0, false}, {5, true}, false, false, 3},
      {"kxedtWdssxs", 0, {0, true}, {1, true}, false, false, 3},
      {"kxedtYzcs", 0, {1, true}, {10, true}, true, false, 3},
      {"kxedtWendu", 1, {5, true}, {80, true}, false, false, 2},
      {"kxedtZhiliang", 1, {0, false}, {5000, true}, false, false, 2},
      {"kxedtHntbrr", 1, {0, false}, {10, true}, false, false, 2},
  };
  ASSERT_EQ(std::size(kEdits), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    SCOPED_TRACE(r.name);
    const EditDescription<Form>& e = kEdits[i];
    EXPECT_STREQ(e.control, r.name);
    EXPECT_EQ(e.tab, r.tab);
    const EditSettings& s = e.settings;
    EXPECT_EQ(s.lower.value, r.lower.value);
    EXPECT_EQ(s.lower.included, r.lower.included);
    EXPECT_EQ(s.upper.value, r.upper.value);
    EXPECT_EQ(s.upper.included, r.upper.included);
    EXPECT_FALSE(s.boundsOnEdit);  // the dialog sets no MinValue or MaxValue
    EXPECT_EQ(s.integer, r.integer);
    EXPECT_EQ(s.negative, r.negative);
    EXPECT_EQ(s.decimals, r.decimals);
    EXPECT_FALSE(s.formatted);
    EXPECT_TRUE(s.upperApplies);
    EXPECT_EQ(s.maxLength, 8);
  }
}

// A value "计算" accepts must be one the edit lets the user type: a minus sign where the
// accepted range reaches below zero, and nowhere else.
TEST(TongTransitIrrigateForm, AMinusSignWhereTheCheckAcceptsBelowZero) {
  for (const EditDescription<Form>& e : kEdits)
    EXPECT_EQ(e.settings.negative, e.settings.lower.value < 0) << e.control;
}

// Every check stops at the first failing input of its fixed order: with each input from
// position i on emptied, the fault names input i. "保存默认值" runs transport, then placing.
TEST(TongTransitIrrigateForm, ChecksStopAtTheFirstInputInOrder) {
  struct Input {
    const char* name;
    const char* control;
    int col = -1;
    int row = -1;
  };
  const std::vector<Input> transport = {{"outlet_temperature", "kxedtCjwd"},
                                        {"loss_coefficient", "kxedtWdssxs"},
                                        {"transport_time", "kxedtYsdjzdsj"},
                                        {"transfer_count", "kxedtYzcs"},
                                        {"ambient_temperature", "kxedtHjwd"}};
  const std::vector<Input> placing = {
      {"formwork_heat", kTable, 1, 1},        {"steel_heat", kTable, 2, 1},
      {"formwork_mass", kTable, 1, 2},        {"steel_mass", kTable, 2, 2},
      {"formwork_temperature", kTable, 1, 3}, {"steel_temperature", kTable, 2, 3},
      {"pour_temperature", "kxedtWendu"},     {"concrete_mass", "kxedtZhiliang"},
      {"concrete_heat", "kxedtHntbrr"}};
  auto emptyFrom = [](const std::vector<Input>& order, size_t first) {
    Form form = ValidForm();
    for (size_t i = first; i < order.size(); ++i) {
      const Input& in = order[i];
      if (in.col >= 0) {
        form.advsgTmpOfFinish.At(in.col, in.row) = "";
        continue;
      }
      for (const EditDescription<Form>& edit : kEdits) {
        if (std::string(edit.control) == in.control) form.*edit.text = "";
      }
    }
    return form;
  };
  auto where = [](const Input& in) { return Fault{in.control, in.col, in.row, ""}.Where(); };
  const std::vector<Input>* tabs[] = {&transport, &placing};
  for (int tab = 0; tab < kTabCount; ++tab) {
    const std::vector<Input>& order = *tabs[tab];
    for (size_t i = 0; i < order.size(); ++i) {
      SCOPED_TRACE(order[i].name);
      CheckResult fault = Check(emptyFrom(order, i), tab);
      ASSERT_TRUE(fault.has_value());
      EXPECT_EQ(fault->Where(), where(order[i]));
    }
  }
  std::vector<Input> both = transport;
  both.insert(both.end(), placing.begin(), placing.end());
  for (size_t i = 0; i < both.size(); ++i) {
    SCOPED_TRACE(both[i].name);
    CheckResult fault = CheckForSaveDefaults(emptyFrom(both, i));
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->Where(), where(both[i]));
  }
}

// Products of 1E-200 inputs leave the range of a double: where long double is wider the
// book is written (the temperatures average to 0), elsewhere the check refuses it.
TEST(TongTransitIrrigateForm, TinyHeatCapacitiesNeverGiveInfOrNan) {
  Form form = ValidForm();
  const std::string tiny = "0." + std::string(199, '0') + "1";
  form.kxedtZhiliang = "1E-200";
  form.kxedtHntbrr = "1E-200";
  for (int col = 1; col <= 2; ++col) {
    form.advsgTmpOfFinish.At(col, 1) = tiny;
    form.advsgTmpOfFinish.At(col, 2) = tiny;
  }
  if (std::numeric_limits<long double>::min_exponent10 < -800) {
    ASSERT_EQ(Check(form, 1), std::nullopt);
    EXPECT_EQ(Book(form, 1).back(), "＝0℃");
  } else {
    const std::string message =
        "混凝土、模板和钢筋的热容量之和为零，无法计算，请检查每m3混凝土的质量和混凝土比热容！";
    EXPECT_EQ(Check(form, 1), (Fault{"kxedtZhiliang", -1, -1, message}));
  }
}

TEST(TongTransitIrrigateForm, BoundsThatPass) {
  struct Case {
    const char* name;
    int tab;
    Edit edit;
  };
  // clang-format off
  const Case cases[] = {
      {"transport_lower_ends",
       0,
       [](Form& f) {
         f.kxedtCjwd = "5";
         f.kxedtWdssxs = "0";
         f.kxedtYsdjzdsj = "0.001";
         f.kxedtYzcs = "1";
         f.kxedtHjwd = "-50";
       }},
      {"transport_upper_ends",
       0,
       [](Form& f) {
         f.kxedtCjwd = "100";
         f.kxedtWdssxs = "1";
         f.kxedtYsdjzdsj = "5";
         f.kxedtYzcs = "10";
         f.kxedtHjwd = "50";
       }},
      {"placing_lower_ends",
       1,
       [](Form& f) {
         for (int col = 1; col <= 2; ++col) f.advsgTmpOfFinish.At(col, 3) = "-50";
         f.kxedtWendu = "5";
       }},
      {"placing_upper_ends", 1, [](Form& f) {
         for (int col = 1; col <= 2; ++col) {
           f.advsgTmpOfFinish.At(col, 1) = "10";
           f.advsgTmpOfFinish.At(col, 2) = "5000";
           f.advsgTmpOfFinish.At(col, 3) = "100";
         }
         f.kxedtWendu = "80";
         f.kxedtZhiliang = "5000";
         f.kxedtHntbrr = "10";
       }},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form form = ValidForm();
    c.edit(form);
    EXPECT_EQ(Check(form, c.tab), std::nullopt);
    for (const std::string& line : Book(form, c.tab)) {
      EXPECT_EQ(line.find("INF"), std::string::npos);
      EXPECT_EQ(line.find("NAN"), std::string::npos);
    }
  }
}

TEST(TongTransitIrrigateForm, OtherTabsAreRefused) {
  const struct {
    const char* name;
    int tab;
  } cases[] = {{"below_the_first", -1}, {"past_the_last", kTabCount}};
  const Form form = ValidForm();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THROW(Check(form, c.tab), RangeError);
    EXPECT_THROW(Book(form, c.tab), RangeError);
  }
}

TEST(TongTransitIrrigateForm, SaveDefaultsChecksTransportThenPlacing) {
  struct Case {
    const char* name;
    Edit edit;
    CheckResult fault;
  };
  // clang-format off
  const Case cases[] = {
      {"both_valid", [](Form&) {}, std::nullopt},
      {"bad_cell_while_tab0_active",
       [](Form& f) { f.advsgTmpOfFinish.At(1, 2) = "x"; },
       Fault{kTable, 1, 2, "表格中每1m3砼相接触物质量必须为0（不包括）～5000（包括）之间的数值！"}},
      {"transport_first",
       [](Form& f) {
         f.advsgTmpOfFinish.At(1, 2) = "x";
         f.kxedtYzcs = "";
       },
       Fault{"kxedtYzcs", -1, -1, "请输入 1 (包含) 到 10 (包含) 之间的整数！"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form form = ValidForm();
    c.edit(form);
    EXPECT_EQ(CheckForSaveDefaults(form), c.fault);
  }
}

TEST(TongTransitIrrigateForm, LoadShowsTheItemWithHeadersOnTabZero) {
  TTongTransitIrrigate item;
  item.Cjwd = 17.3;
  item.Wdssxs = 0.25;
  item.Ysdjzdsj = 1.0 / 3;
  item.Yzcs = 3;
  item.Hjwd = -3.7;
  item.cf = WCTHRM_GBK("求解项");
  item.Ts = "-5";
  item.Wendu = 10;
  item.Zhiliang = 2400;
  item.Hntbrr = 0.96;
  Form form = Load(item);
  EXPECT_EQ(form.kxedtCjwd, "17.3");
  EXPECT_EQ(form.kxedtWdssxs, "0.25");
  EXPECT_EQ(form.kxedtYsdjzdsj, "0.333333333333333");
  EXPECT_EQ(form.kxedtYzcs, "3");
  EXPECT_EQ(form.kxedtHjwd, "-3.7");
  EXPECT_EQ(form.kxedtWendu, "10");
  EXPECT_EQ(form.kxedtZhiliang, "2400");
  EXPECT_EQ(form.kxedtHntbrr, "0.96");
  const std::vector<std::vector<std::string>> cells = {
      {"", "模板", "钢筋"},
      {"比热容（kJ/(kg×℃)）", "求解项", "cs"},
      {"每1m3砼相接触物质量（kg）", "mf", "ms"},
      {"温度", "Tf", "-5"},
  };
  EXPECT_EQ(form.advsgTmpOfFinish.cells, cells);
  EXPECT_EQ(form.activeTab, 0);
}

TEST(TongTransitIrrigateForm, ItemWithoutDefaultsShowsZerosAndFailsOnOutletTemperature) {
  TTongTransitIrrigate item;
  item.TKxObj::WriteToList();
  item.ReadFromList();  // what a missing defaults section leaves
  Form form = Load(item);
  for (const EditDescription<Form>& edit : kEdits) EXPECT_EQ(form.*edit.text, "0") << edit.control;
  for (int col = 1; col < kTableCols; ++col) {
    for (int row = 1; row < kTableRows; ++row) EXPECT_EQ(form.advsgTmpOfFinish.At(col, row), "");
  }
  EXPECT_EQ(Check(form, 0),
            (Fault{"kxedtCjwd", -1, -1, "请输入 5 (包含) 到 100 (包含) 之间的实数！"}));
}

TEST(TongTransitIrrigateForm, StoreThenLoadGivesTheSameForm) {
  Form form = ValidForm();
  form.kxedtWdssxs = "0.125";
  form.advsgTmpOfFinish.At(2, 2) = "已知项,12.5";  // tables store any text unchecked
  form.kxedtZhiliang = "9999";                     // as do edits out of range
  TTongTransitIrrigate item;
  Store(form, item);
  EXPECT_EQ(item.Wdssxs, 0.125);
  EXPECT_EQ(item.Yzcs, 2);
  EXPECT_EQ(item.ms, WCTHRM_GBK("已知项,12.5"));
  EXPECT_EQ(item.Tf, "-5");
  EXPECT_EQ(Load(item), form);
}

TEST(TongTransitIrrigateForm, StoreStopsAtTheFirstTextThatIsNoNumber) {
  struct Case {
    const char* name;
    Edit edit;
    std::function<bool(const TTongTransitIrrigate&)> storedBefore;
    std::function<bool(const TTongTransitIrrigate&)> keptAfter;
  };
  // clang-format off
  const Case cases[] = {
      {"time_empty", [](Form& f) { f.kxedtYsdjzdsj = ""; },
       [](const TTongTransitIrrigate& i) { return i.Wdssxs == 0.25; },
       [](const TTongTransitIrrigate& i) { return i.Ysdjzdsj == 1 && i.Yzcs == 1; }},
      {"count_not_whole", [](Form& f) { f.kxedtYzcs = "2.5"; },
       [](const TTongTransitIrrigate& i) { return i.Ysdjzdsj == 1; },
       [](const TTongTransitIrrigate& i) { return i.Yzcs == 1 && i.Hjwd == 0; }},
      {"ambient_lone_minus", [](Form& f) { f.kxedtHjwd = "-"; },
       [](const TTongTransitIrrigate& i) { return i.Yzcs == 2; },
       [](const TTongTransitIrrigate& i) { return i.Hjwd == 0 && i.cf == "cf"; }},
      {"heat_after_table", [](Form& f) { f.kxedtHntbrr = "1,5"; },
       [](const TTongTransitIrrigate& i) { return i.Ts == "-5" && i.Zhiliang == 2400; },
       [](const TTongTransitIrrigate& i) { return i.Hntbrr == 1; }},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form form = ValidForm();
    c.edit(form);
    TTongTransitIrrigate item;
    EXPECT_THROW(Store(form, item), ConversionError);
    EXPECT_TRUE(c.storedBefore(item));
    EXPECT_TRUE(c.keptAfter(item));
  }
}

// The command line's sample input: defaults file -> item -> form, a book on each tab.
TEST(TongTransitIrrigateForm, SampleInputGivesABookOnEveryTab) {
  const auto path =
      std::filesystem::path(__FILE__).parent_path() / "../../samples" / "TongTransitIrrigate.ini";
  ASSERT_TRUE(std::filesystem::exists(path)) << path;
  TTongTransitIrrigate item;
  item.LoadDefaultsFrom(IniFile(path.string()));
  const Form form = Load(item);
  const struct {
    const char* name;
    int tab;
    BookLines lines;
  } cases[] = {
      {"transport",
       kTransportTab,
       {"砼拌和物运输到浇筑时温度：", "T$2$＝17.3－（0.35×0.25＋0.032×3）×（17.3－（-3.7））",
        " ＝13.4465℃"}},
      {"placing",
       kPlacingTab,
       {"砼浇筑成型完时温度：",
        "T$3$＝（0.96×2400×10＋2.5×50×（-5）＋0.48×100×3）/（0.96×2400＋2.5×50＋0.48×100）",
        "＝9.11℃"}},
  };
  ASSERT_EQ(std::size(cases), static_cast<size_t>(kTabCount));  // a book on every tab
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(Check(form, c.tab), std::nullopt);
    EXPECT_EQ(Book(form, c.tab), c.lines);
  }
}

}  // namespace
}  // namespace wcthrm::calc::tongtransitirrigate
