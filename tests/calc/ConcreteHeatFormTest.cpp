// The concrete heating form state: books of the four tabs, their checks, and the copies
// between item and controls.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>

#include "calc/ConcreteHeatForm.h"
#include "support/Errors.h"
#include "support/Gbk.h"
#include "support/NumberText.h"

namespace wcthrm::calc::concreteheat {
namespace {

using Edit = std::function<void(Form&)>;

void SetMix(Form& f, std::array<const char*, 4> masses, std::array<const char*, 4> temps) {
  for (int c = 1; c <= 4; ++c) {
    f.AdvStringGrid1.At(c, 1) = masses[c - 1];
    f.AdvStringGrid1.At(c, 2) = temps[c - 1];
  }
}

// Valid inputs on every tab: the main worked example of each.
Form Valid() {
  Form f = Load(TConcreteHeat());
  f.kxedtClbr = "4.2";
  f.kxedtClmi = "1000";
  f.kxedtYll = "1";
  f.kxedtJrqclwd = "-5";
  f.kxedtJrhclwd = "20";
  f.kxedtBjyxs = "1.2";
  f.kxedtSjlyxs = "0.8";
  f.kxedtWjqw = "-10";
  f.kxedtJrzgwd = "35";
  SetMix(f, {"150", "300", "600", "1300"}, {"80", "5", "-5", "-5"});
  f.kxedtCldrb = "2.1";
  f.kxedtSdrjr = "335";
  f.kxedtSzhsl = "3";
  f.kxedtHsl = "1";
  f.kxedtBhwwd = "20";
  f.kxedtBhjpnwd = "-10";
  return f;
}

const std::string kThLead(22, ' ');
const std::string kT1Lead(24, ' ');

TEST(ConcreteHeatForm, Books) {
  struct Case {
    const char* name;
    int tab;
    Edit edit;
    BookLines lines;
  };
  const Case cases[] = {
      {"heat_negative_t1_in_parentheses",
       0,
       [](Form&) {},
       {"耗热量Q＝4.2×1000×1×（20－（-5））×（1.2/0.8）", "       ＝157500 kJ/h"}},
      {"heat_zero_t1_bare",
       0,
       [](Form& f) { f.kxedtJrqclwd = "0"; },
       {"耗热量Q＝4.2×1000×1×（20－0）×（1.2/0.8）", "       ＝126000 kJ/h"}},
      {"heat_full_precision_result",
       0,
       [](Form& f) {
         f.kxedtClbr = f.kxedtClmi = f.kxedtYll = f.kxedtBjyxs = "1";
         f.kxedtJrqclwd = "0";
         f.kxedtJrhclwd = "10";
         f.kxedtSjlyxs = "3";
       },
       {"耗热量Q＝1×1×1×（10－0）×（1/3）", "       ＝3.33333333333333 kJ/h"}},
      {"heat_inputs_print_two_decimals",
       0,
       [](Form& f) { f.kxedtClbr = "0.125"; },
       {"耗热量Q＝0.12×1000×1×（20－（-5））×（1.2/0.8）", "       ＝4687.5 kJ/h"}},
      {"outlet_storage_equal_is_feasible",
       1,
       [](Form&) {},
       {"混凝土拌和物出厂温度T$h$＝30－0.5×-10", kThLead + "＝35℃≤35℃", "可以。"}},
      {"outlet_storage_too_low",
       1,
       [](Form& f) { f.kxedtJrzgwd = "34"; },
       {"混凝土拌和物出厂温度T$h$＝30－0.5×-10", kThLead + "＝35℃＞34℃", "不可以。"}},
      {"outlet_artificial",
       1,
       [](Form& f) {
         SelectJrfs(f, 1);
         f.kxedtWjqw = "4";
         f.kxedtJrzgwd = "60";
       },
       {"混凝土拌和物出厂温度T$h$＝10－0.5×4", kThLead + "＝8℃≤60℃", "可以。"}},
      {"outlet_no_method_counts_as_artificial",
       1,
       [](Form& f) { f.cbJrfs = -1; },
       {"混凝土拌和物出厂温度T$h$＝10－0.5×-10", kThLead + "＝15℃≤35℃", "可以。"}},
      {"mix_dry_aggregates",
       2,
       [](Form& f) {
         SetMix(f, {"150", "300", "600", "1300"}, {"60", "5", "10", "10"});
         f.kxedtCldrb = "4.2";
         f.kxedtSzhsl = f.kxedtHsl = "0";
       },
       {"混凝土拌和物的理论温度T$0$＝[0.92×（300×5＋600×10＋1300×10）＋4.2×60×（150－0×600－0×"
        "1300）＋4.2×（0×600×10＋0×1300×10）－335×（0×600＋0×1300）]/[4.2×150＋0.92×（300＋600＋"
        "1300）]",
        "＝21.35℃"}},
      {"mix_wet_aggregates",
       2,
       [](Form&) {},
       {"混凝土拌和物的理论温度T$0$＝[0.92×（300×5＋600×-5＋1300×-5）＋4.2×80×（150－0.03×600－"
        "0.01×1300）＋2.1×（0.03×600×-5＋0.01×1300×-5）－335×（0.03×600＋0.01×1300）]/[4.2×150＋"
        "0.92×（300＋600＋1300）]",
        "＝8.26℃"}},
      // Printed rounded to 0.03, computed with 0.034.
      {"mix_moisture_rounded_only_in_print",
       2,
       [](Form& f) { f.kxedtSzhsl = "3.4"; },
       {"混凝土拌和物的理论温度T$0$＝[0.92×（300×5＋600×-5＋1300×-5）＋4.2×80×（150－0.03×600－"
        "0.01×1300）＋2.1×（0.03×600×-5＋0.01×1300×-5）－335×（0.03×600＋0.01×1300）]/[4.2×150＋"
        "0.92×（300＋600＋1300）]",
        "＝7.64℃"}},
      {"mixer_outlet",
       3,
       [](Form&) {},
       {"混凝土拌和物的出机温度T$1$＝20－0.16×（20－-10）", kT1Lead + "＝15.2 ℃"}},
      {"mixer_outlet_full_result_rounded_input",
       3,
       [](Form& f) { f.kxedtBhwwd = "20.125"; },
       {"混凝土拌和物的出机温度T$1$＝20.12－0.16×（20.12－-10）", kT1Lead + "＝15.305 ℃"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = Valid();
    c.edit(f);
    ASSERT_EQ(Check(f, c.tab), std::nullopt) << Check(f, c.tab)->Where();
    EXPECT_EQ(Book(f, c.tab), c.lines);
  }
}

TEST(ConcreteHeatForm, Checks) {
  struct Case {
    const char* name;
    int tab;
    Edit edit;
    const char* where;  // "" when the check passes
    const char* message;
  };
  const char* const kMass = "表格中材料用量必须为0（包括）～5000（包括）之间的数值！";
  const char* const kTemp = "表格中材料温度必须为-50（包括）～100（包括）之间的数值！";
  const Case cases[] = {
      {"clbr_empty", 0, [](Form& f) { f.kxedtClbr = ""; }, "kxedtClbr",
       "请输入 0 (不包含) 到 10 (包含) 之间的实数！"},
      {"clbr_lower_excluded", 0, [](Form& f) { f.kxedtClbr = "0"; }, "kxedtClbr",
       "请输入 0 (不包含) 到 10 (包含) 之间的实数！"},
      {"clbr_upper_included", 0, [](Form& f) { f.kxedtClbr = "10"; }, "", ""},
      {"clmi_above", 0, [](Form& f) { f.kxedtClmi = "5000.01"; }, "kxedtClmi",
       "请输入 0 (不包含) 到 5000 (包含) 之间的实数！"},
      {"yll_above", 0, [](Form& f) { f.kxedtYll = "10001"; }, "kxedtYll",
       "请输入 0 (不包含) 到 10000 (包含) 之间的实数！"},
      {"t1_lone_minus", 0, [](Form& f) { f.kxedtJrqclwd = "-"; }, "kxedtJrqclwd",
       "请输入 -50 (包含) 到 5 (包含) 之间的实数！"},
      {"t1_lower_included", 0, [](Form& f) { f.kxedtJrqclwd = "-50"; }, "", ""},
      {"t1_above", 0, [](Form& f) { f.kxedtJrqclwd = "5.5"; }, "kxedtJrqclwd",
       "请输入 -50 (包含) 到 5 (包含) 之间的实数！"},
      {"k1_double_minus", 0, [](Form& f) { f.kxedtBjyxs = "--5"; }, "kxedtBjyxs",
       "请输入 0 (不包含) 到 10 (包含) 之间的实数！"},
      {"t2_below", 0, [](Form& f) { f.kxedtJrhclwd = "4.9"; }, "kxedtJrhclwd",
       "请输入 5 (包含) 到 50 (包含) 之间的实数！"},
      {"k2_zero", 0, [](Form& f) { f.kxedtSjlyxs = "0"; }, "kxedtSjlyxs",
       "请输入 0 (不包含) 到 10 (包含) 之间的实数！"},
      {"first_failing_edit_wins", 0,
       [](Form& f) {
         f.kxedtSjlyxs = "0";
         f.kxedtClmi = "";
       },
       "kxedtClmi", "请输入 0 (不包含) 到 5000 (包含) 之间的实数！"},
      {"k2_so_small_the_demand_overflows", 0, [](Form& f) { f.kxedtSjlyxs = "1E-305"; },
       "kxedtSjlyxs", "时间利用系数K2过小，耗热量超出计算范围！"},
      {"other_tabs_not_checked", 1, [](Form& f) { f.kxedtClbr = ""; }, "", ""},
      {"ti_above", 1, [](Form& f) { f.kxedtWjqw = "6"; }, "kxedtWjqw",
       "请输入 -50 (包含) 到 5 (包含) 之间的实数！"},
      {"ti_minus_between_digits", 1, [](Form& f) { f.kxedtWjqw = "1-2"; }, "kxedtWjqw",
       "请输入 -50 (包含) 到 5 (包含) 之间的实数！"},
      {"max_t_below", 1, [](Form& f) { f.kxedtJrzgwd = "4"; }, "kxedtJrzgwd",
       "请输入 5 (包含) 到 100 (包含) 之间的实数！"},
      {"c1_zero", 2, [](Form& f) { f.kxedtCldrb = "0"; }, "kxedtCldrb",
       "请输入 0 (不包含) 到 1000 (包含) 之间的实数！"},
      {"c2_above", 2, [](Form& f) { f.kxedtSdrjr = "1000.5"; }, "kxedtSdrjr",
       "请输入 0 (不包含) 到 1000 (包含) 之间的实数！"},
      {"sand_moisture_upper_excluded", 2, [](Form& f) { f.kxedtSzhsl = "100"; }, "kxedtSzhsl",
       "请输入 0 (包含) 到 100 (不包含) 之间的实数！"},
      {"stone_moisture_negative", 2, [](Form& f) { f.kxedtHsl = "-1"; }, "kxedtHsl",
       "请输入 0 (包含) 到 100 (不包含) 之间的实数！"},
      {"edits_before_table", 2,
       [](Form& f) {
         f.kxedtHsl = "";
         f.AdvStringGrid1.At(1, 1) = "";
       },
       "kxedtHsl", "请输入 0 (包含) 到 100 (不包含) 之间的实数！"},
      {"mass_empty", 2, [](Form& f) { f.AdvStringGrid1.At(1, 1) = ""; }, "AdvStringGrid1(1,1)",
       kMass},
      {"mass_two_points", 2, [](Form& f) { f.AdvStringGrid1.At(2, 1) = "1.2.3"; },
       "AdvStringGrid1(2,1)", kMass},
      {"mass_leading_point", 2, [](Form& f) { f.AdvStringGrid1.At(3, 1) = ".5"; },
       "AdvStringGrid1(3,1)", kMass},
      {"mass_trailing_point", 2, [](Form& f) { f.AdvStringGrid1.At(3, 1) = "5."; },
       "AdvStringGrid1(3,1)", kMass},
      {"mass_blank_inside", 2, [](Form& f) { f.AdvStringGrid1.At(4, 1) = " 5"; },
       "AdvStringGrid1(4,1)", kMass},
      {"mass_lone_minus", 2, [](Form& f) { f.AdvStringGrid1.At(4, 1) = "-"; },
       "AdvStringGrid1(4,1)", kMass},
      {"mass_above", 2, [](Form& f) { f.AdvStringGrid1.At(4, 1) = "5000.5"; },
       "AdvStringGrid1(4,1)", kMass},
      {"mass_zero_passes", 2, [](Form& f) { f.AdvStringGrid1.At(1, 1) = "0"; }, "", ""},
      {"mass_row_before_temperature_row", 2,
       [](Form& f) {
         f.AdvStringGrid1.At(1, 2) = "x";
         f.AdvStringGrid1.At(4, 1) = "-1";
       },
       "AdvStringGrid1(4,1)", kMass},
      {"temperature_below", 2, [](Form& f) { f.AdvStringGrid1.At(2, 2) = "-50.5"; },
       "AdvStringGrid1(2,2)", kTemp},
      {"temperature_minus_between_digits", 2, [](Form& f) { f.AdvStringGrid1.At(3, 2) = "1-2"; },
       "AdvStringGrid1(3,2)", kTemp},
      {"temperature_bounds_pass", 2,
       [](Form& f) {
         f.AdvStringGrid1.At(1, 2) = "100";
         f.AdvStringGrid1.At(2, 2) = "-50";
       },
       "", ""},
      {"constructor_texts", 2, [](Form& f) { f = Load(TConcreteHeat()); }, "AdvStringGrid1(1,1)",
       kMass},
      {"all_masses_zero", 2,
       [](Form& f) {
         SetMix(f, {"0", "0", "0", "0"}, {"1", "2", "3", "4"});
       },
       "AdvStringGrid1(1,1)", "表格中材料用量不能全部为0！"},
      {"t0_lower_excluded", 3, [](Form& f) { f.kxedtBhwwd = "0"; }, "kxedtBhwwd",
       "请输入 0 (不包含) 到 100 (包含) 之间的实数！"},
      {"shed_above", 3, [](Form& f) { f.kxedtBhjpnwd = "100.1"; }, "kxedtBhjpnwd",
       "请输入 -50 (包含) 到 100 (包含) 之间的实数！"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = Valid();
    c.edit(f);
    CheckResult fault = Check(f, c.tab);
    if (*c.where == '\0') {
      EXPECT_EQ(fault, std::nullopt) << fault->Where();
      continue;
    }
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->Where(), c.where);
    EXPECT_EQ(fault->message, c.message);
  }
}

// Each accepted range at and just beyond both ends, transcribed from the input ranges the
// dialog states, so a bound or an included end typed wrong in the check table shows here.
TEST(ConcreteHeatForm, RangeEnds) {
  using Set = void (*)(Form&, const std::string&);
  struct Case {
    const char* name;
    int tab;
    Set set;
    const char* where;
    double lo;
    bool loIncluded;
    double hi;
    bool hiIncluded;
    const char* message = nullptr;  // the edit message that the range itself spells
  };
  const char* const kMass = "表格中材料用量必须为0（包括）～5000（包括）之间的数值！";
  const char* const kTemp = "表格中材料温度必须为-50（包括）～100（包括）之间的数值！";
  const Case cases[] = {
      {"c", 0, [](Form& f, const std::string& t) { f.kxedtClbr = t; }, "kxedtClbr", 0, false, 10,
       true},
      {"rho", 0, [](Form& f, const std::string& t) { f.kxedtClmi = t; }, "kxedtClmi", 0, false,
       5000, true},
      {"v", 0, [](Form& f, const std::string& t) { f.kxedtYll = t; }, "kxedtYll", 0, false, 10000,
       true},
      {"t1", 0, [](Form& f, const std::string& t) { f.kxedtJrqclwd = t; }, "kxedtJrqclwd", -50,
       true, 5, true},
      {"k1", 0, [](Form& f, const std::string& t) { f.kxedtBjyxs = t; }, "kxedtBjyxs", 0, false, 10,
       true},
      {"t2", 0, [](Form& f, const std::string& t) { f.kxedtJrhclwd = t; }, "kxedtJrhclwd", 5, true,
       50, true},
      {"k2", 0, [](Form& f, const std::string& t) { f.kxedtSjlyxs = t; }, "kxedtSjlyxs", 0, false,
       10, true},
      {"ti", 1, [](Form& f, const std::string& t) { f.kxedtWjqw = t; }, "kxedtWjqw", -50, true, 5,
       true},
      {"max_t", 1, [](Form& f, const std::string& t) { f.kxedtJrzgwd = t; }, "kxedtJrzgwd", 5, true,
       100, true},
      {"c1", 2, [](Form& f, const std::string& t) { f.kxedtCldrb = t; }, "kxedtCldrb", 0, false,
       1000, true},
      {"c2", 2, [](Form& f, const std::string& t) { f.kxedtSdrjr = t; }, "kxedtSdrjr", 0, false,
       1000, true},
      {"sand_moisture", 2, [](Form& f, const std::string& t) { f.kxedtSzhsl = t; }, "kxedtSzhsl", 0,
       true, 100, false},
      {"stone_moisture", 2, [](Form& f, const std::string& t) { f.kxedtHsl = t; }, "kxedtHsl", 0,
       true, 100, false},
      {"t0", 3, [](Form& f, const std::string& t) { f.kxedtBhwwd = t; }, "kxedtBhwwd", 0, false,
       100, true},
      {"shed", 3, [](Form& f, const std::string& t) { f.kxedtBhjpnwd = t; }, "kxedtBhjpnwd", -50,
       true, 100, true},
      {"stone_mass", 2, [](Form& f, const std::string& t) { f.AdvStringGrid1.At(4, 1) = t; },
       "AdvStringGrid1(4,1)", 0, true, 5000, true, kMass},
      {"water_temperature", 2, [](Form& f, const std::string& t) { f.AdvStringGrid1.At(1, 2) = t; },
       "AdvStringGrid1(1,2)", -50, true, 100, true, kTemp},
  };
  auto end = [](double v, bool included) {
    return " " + NumberText(v) + (included ? " (包含)" : " (不包含)");
  };
  for (const Case& c : cases) {
    const std::string message = c.message ? c.message
                                          : "请输入" + end(c.lo, c.loIncluded) + " 到" +
                                                end(c.hi, c.hiIncluded) + " 之间的实数！";
    const struct {
      double value;
      bool passes;
    } probes[] = {{c.lo - 0.01, false}, {c.lo, c.loIncluded}, {c.lo + 0.01, true},
                  {c.hi - 0.01, true},  {c.hi, c.hiIncluded}, {c.hi + 0.01, false}};
    for (const auto& p : probes) {
      const std::string text = NumberText(p.value);
      SCOPED_TRACE(std::string(c.name) + " = " + text);
      Form f = Valid();
      c.set(f, text);
      const CheckResult fault = Check(f, c.tab);
      EXPECT_EQ(fault ? fault->Where() : "", p.passes ? "" : c.where);
      if (fault) {
        EXPECT_EQ(fault->message, message);
      }
    }
  }
}

// The edits in the dialog's order with the settings it gives them: whole, or real with three
// decimals; a minus sign or not; every one 8 characters, never reformatted, its upper bound
// applying. RangeEnds holds the bounds. Each row's text is the one its edit's check reads.
TEST(ConcreteHeatForm, EditsAsTheDialogConfiguresThem) {
  struct Row {
    const char* name;  // the edit's object name
    int tab;
    bool integer;
    bool negative;
    int decimals;
  };
  const Row rows[] = {
      {"kxedtClbr", 0, false, false, 3},   {"kxedtClmi", 0, false, false, 3},
      {"kxedtYll", 0, false, false, 3},    {"kxedtJrqclwd", 0, false, true, 3},
      {"kxedtBjyxs", 0, false, false, 3},  {"kxedtJrhclwd", 0, false, false, 3},
      {"kxedtSjlyxs", 0, false, false, 3}, {"kxedtWjqw", 1, true, true, 2},
      {"kxedtJrzgwd", 1, true, false, 2},  {"kxedtCldrb", 2, false, false, 3},
      {"kxedtSdrjr", 2, false, false, 3},  {"kxedtSzhsl", 2, false, false, 3},
      {"kxedtHsl", 2, false, false, 3},    {"kxedtBhwwd", 3, true, false, 2},
      {"kxedtBhjpnwd", 3, true, true, 2},
  };
  ASSERT_EQ(kEdits.size(), std::size(rows));
  for (size_t i = 0; i < kEdits.size(); ++i) {
    const Row& row = rows[i];
    const EditDescription<Form>& e = kEdits[i];
    SCOPED_TRACE(row.name);
    EXPECT_STREQ(e.control, row.name);
    EXPECT_EQ(e.tab, row.tab);
    EXPECT_EQ(e.settings.integer, row.integer);
    EXPECT_EQ(e.settings.negative, row.negative);
    EXPECT_EQ(e.settings.decimals, row.decimals);
    EXPECT_EQ(e.settings.maxLength, 8);
    EXPECT_FALSE(e.settings.formatted);
    EXPECT_TRUE(e.settings.upperApplies);

    Form f = Valid();
    f.*e.text = "";
    const CheckResult fault = Check(f, e.tab);
    EXPECT_EQ(fault ? fault->Where() : "", row.name);
  }
}

// Values that differ from edit to edit, so an edit read from or written to a neighbour's
// property shows.
TEST(ConcreteHeatForm, EachEditShowsAndStoresItsOwnProperty) {
  struct Row {
    const char* name;
    std::string Form::*text;
    double TConcreteHeat::*property;
  };
  const Row rows[] = {
      {"Clbr", &Form::kxedtClbr, &TConcreteHeat::Clbr},
      {"Clmi", &Form::kxedtClmi, &TConcreteHeat::Clmi},
      {"Yll", &Form::kxedtYll, &TConcreteHeat::Yll},
      {"Jrqclwd", &Form::kxedtJrqclwd, &TConcreteHeat::Jrqclwd},
      {"Bjyxs", &Form::kxedtBjyxs, &TConcreteHeat::Bjyxs},
      {"Jrhclwd", &Form::kxedtJrhclwd, &TConcreteHeat::Jrhclwd},
      {"Sjlyxs", &Form::kxedtSjlyxs, &TConcreteHeat::Sjlyxs},
      {"Wjqw", &Form::kxedtWjqw, &TConcreteHeat::Wjqw},
      {"Jrzgwd", &Form::kxedtJrzgwd, &TConcreteHeat::Jrzgwd},
      {"Cldrb", &Form::kxedtCldrb, &TConcreteHeat::Cldrb},
      {"Sdrjr", &Form::kxedtSdrjr, &TConcreteHeat::Sdrjr},
      {"Szhsl", &Form::kxedtSzhsl, &TConcreteHeat::Szhsl},
      {"Hsl", &Form::kxedtHsl, &TConcreteHeat::Hsl},
      {"Bhwwd", &Form::kxedtBhwwd, &TConcreteHeat::Bhwwd},
      {"Bhjpnwd", &Form::kxedtBhjpnwd, &TConcreteHeat::Bhjpnwd},
  };
  auto shown = [](size_t i) { return 0.25 + static_cast<double>(i); };
  auto typed = [](size_t i) { return -20.5 + static_cast<double>(i); };
  TConcreteHeat item;
  for (size_t i = 0; i < std::size(rows); ++i) item.*rows[i].property = shown(i);
  Form f = Load(item);
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].name);
    EXPECT_EQ(f.*rows[i].text, NumberText(shown(i)));
    f.*rows[i].text = NumberText(typed(i));
  }
  TConcreteHeat stored;
  Store(f, stored);
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].name);
    EXPECT_EQ(stored.*rows[i].property, typed(i));
  }
}

TEST(ConcreteHeatForm, SaveDefaultsChecksEveryTabInOrder) {
  struct Case {
    const char* name;
    Edit edit;
    const char* where;  // "" when saving may go on
  };
  const Case cases[] = {
      {"all_valid", [](Form&) {}, ""},
      {"table_on_hidden_tab", [](Form& f) { f.AdvStringGrid1.At(3, 2) = "abc"; },
       "AdvStringGrid1(3,2)"},
      {"tab0_before_tab3",
       [](Form& f) {
         f.kxedtBhwwd = "";
         f.kxedtSjlyxs = "";
       },
       "kxedtSjlyxs"},
      {"table_before_tab3",
       [](Form& f) {
         f.kxedtBhjpnwd = "-51";
         f.AdvStringGrid1.At(1, 1) = "-1";
       },
       "AdvStringGrid1(1,1)"},
      {"edits_of_tab2_before_its_table",
       [](Form& f) {
         f.kxedtSdrjr = "0";
         f.AdvStringGrid1.At(1, 1) = "-1";
       },
       "kxedtSdrjr"},
      {"tab3_alone", [](Form& f) { f.kxedtBhjpnwd = "-51"; }, "kxedtBhjpnwd"},
      // Valid data, only no mix temperature to calculate: saving is not refused.
      {"all_masses_zero_may_be_saved",
       [](Form& f) {
         SetMix(f, {"0", "0", "0", "0"}, {"1", "2", "3", "4"});
       },
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = Valid();
    c.edit(f);
    CheckResult fault = CheckForSaveDefaults(f);
    EXPECT_EQ(fault ? fault->Where() : "", c.where);
  }
}

TEST(ConcreteHeatForm, LoadShowsTheItemAsTheDialogOpens) {
  TConcreteHeat item;
  item.Yll = 0.5;
  item.Jrqclwd = -12.75;
  item.Jrfs = ToGbk("人工加热法");
  item.Snbh = ToGbk(" ＜525 ");
  Form f = Load(item);

  std::vector<std::string> edits;
  for (const EditDescription<Form>& e : kEdits) edits.push_back(f.*e.text);
  EXPECT_EQ(edits, (std::vector<std::string>{"1", "1", "0.5", "-12.75", "1", "5", "1", "0", "5",
                                             "1", "1", "0", "0", "1", "0"}));
  EXPECT_EQ(f.cbJrfs, 1);
  EXPECT_EQ(f.cbSnbh, 1);
  EXPECT_FALSE(f.image4Visible);  // the picture of "人工加热法", the method selected
  TConcreteHeat storing;  // "蓄热法"
  EXPECT_TRUE(Load(storing).image4Visible);
  EXPECT_EQ(f.activeTab, 0);
  const std::vector<std::vector<std::string>> cells = {{"", "水", "水泥", "砂子", "石子"},
                                                       {"材料用量（kg）", "mw", "mce", "msa", "mg"},
                                                       {"材料温度（℃）", "Tw", "Tce", "Tsa", "Tg"}};
  EXPECT_EQ(f.AdvStringGrid1.cells, cells);
}

TEST(ConcreteHeatForm, ComboSelectionOnLoad) {
  struct Case {
    const char* name;
    const char* jrfs;
    int index;
  };
  const Case cases[] = {
      {"storage", "蓄热法", 0},
      {"artificial_with_blanks", "  人工加热法 ", 1},
      {"empty", "", -1},
      {"unknown", "电加热", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TConcreteHeat item;
    item.Jrfs = ToGbk(c.jrfs);
    item.Snbh = ToGbk(c.jrfs);
    Form f = Load(item);
    EXPECT_EQ(f.cbJrfs, c.index);
    EXPECT_EQ(f.cbSnbh, -1);
  }
}

TEST(ConcreteHeatForm, SelectJrfsSwapsTheFormulaPicture) {
  Form f = Load(TConcreteHeat());
  SelectJrfs(f, 1);
  EXPECT_EQ(f.cbJrfs, 1);
  EXPECT_FALSE(f.image4Visible);
  SelectJrfs(f, 0);
  EXPECT_TRUE(f.image4Visible);
}

TEST(ConcreteHeatForm, StoreCopiesTheControlsBack) {
  Form f = Valid();
  f.cbJrfs = -1;
  f.cbSnbh = 1;
  f.AdvStringGrid1.At(2, 1) = "已知项,12.5";  // stored as typed, unchecked
  TConcreteHeat item;
  Store(f, item);
  EXPECT_EQ(item.Clbr, 4.2);
  EXPECT_EQ(item.Jrqclwd, -5);
  EXPECT_EQ(item.Bhjpnwd, -10);
  EXPECT_EQ(item.Jrfs, "");
  EXPECT_EQ(item.Snbh, ToGbk("＜525"));
  EXPECT_EQ(item.mce, ToGbk("已知项,12.5"));
  EXPECT_EQ(item.Tg, "-5");

  Form again = Load(item);
  EXPECT_EQ(again.cbJrfs, -1);  // nothing matches an empty method
  EXPECT_EQ(again.kxedtClbr, "4.2");
  EXPECT_EQ(again.AdvStringGrid1, f.AdvStringGrid1);
  EXPECT_EQ(again.cbSnbh, 1);
}

TEST(ConcreteHeatForm, StoreStopsAtAnEditThatIsNoNumber) {
  Form f = Valid();
  f.kxedtYll = "-";
  TConcreteHeat item;
  EXPECT_THROW(Store(f, item), ConversionError);
  EXPECT_EQ(item.Clbr, 4.2);  // copied before the failure
  EXPECT_EQ(item.Clmi, 1000);
  EXPECT_EQ(item.Yll, 100);  // the rest keeps its values
  EXPECT_EQ(item.Bhjpnwd, 0);
  EXPECT_EQ(item.mw, "mw");
}

TEST(ConcreteHeatForm, UnknownTabAndUncheckedBook) {
  Form f = Valid();
  EXPECT_THROW(Check(f, 4), RangeError);
  EXPECT_THROW(Check(f, -1), RangeError);
  EXPECT_THROW(Book(f, 4), RangeError);
  EXPECT_THROW(Book(f, -1), RangeError);
  SetMix(f, {"0", "0", "0", "0"}, {"1", "2", "3", "4"});
  EXPECT_THROW(Book(f, 2), RangeError);  // never a book with a non-finite result
}

}  // namespace
}  // namespace wcthrm::calc::concreteheat
