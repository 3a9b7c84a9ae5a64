// The freezing depth form state: books, checks, item <-> form and the table operations.
#include <gtest/gtest.h>

#include <functional>

#include "calc/DepthOfSoilForm.h"
#include "support/Errors.h"
#include "support/Gbk.h"
#include "support/NumberText.h"

namespace wcthrm::calc::depthofsoil {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

const std::string kDays = "表格中冻结天数必须为0（包括）～366（包括）之间的整数！";
const std::string kTemperature = "表格中平均日负气温必须为0（包括）～50（包括）之间的数值！";
const std::string kUnknownBeta = "求解项对应的对土壤冻结影响系数不能为0、不能为空！";
const std::string kThickness200 =
    "已知项中保温材料铺设厚度必须为0（包括）～200（包括）之间的数值！";

// Replaces a table's data rows, numbering them.
void SetRows(Table& g, const Rows& rows) {
  g.cells.resize(1);
  for (const auto& [first, second] : rows) {
    g.cells.push_back({std::to_string(g.cells.size()), first, second});
  }
}

Rows DataOf(const Table& g) {
  Rows rows;
  for (int r = 1; r <= g.DataRows(); ++r) rows.emplace_back(g.At(1, r), g.At(2, r));
  return rows;
}

// A form whose every tab passes its checks; each tab's P field differs.
Form ValidForm() {
  Form f = DesignForm();
  for (int tab = 0; tab < kTabCount; ++tab) SetRows(DayTable(f, tab), {{"30", "5.5"}});
  f.kxedtDjxs = "2.5";
  f.kxedtSumTemp = "20";
  f.kxedtDjzs1 = "1";
  f.kxedtDjzs2 = "2";
  f.kxedtDjzs3 = "3";
  f.kxedtDjzs4 = "4";
  f.kxedtDjxs2 = "3";
  f.kxedtFdjsxs = "20";
  f.kxedtXdpjrdxs = "0.5";
  f.kxedtXdpjfgxs = "10";
  f.kxedtYxxs = "2";
  SetRows(f.advsgFgbwtr2, {{"已知项,10", "1.6"}, {"求解项", "3.2"}});
  f.UnknownRow = 2;
  return f;
}

struct BookCase {
  const char* name;
  int tab;
  std::function<void(Form&)> setup;
  BookLines lines;
};

TEST(DepthOfSoilForm, Books) {
  const BookCase cases[] = {
      {"BareSoilSummedIndex",
       0,
       [](Form& f) {
         SetRows(f.advsgNoHeatSoil, {{"30", "5.5"}, {"20", "10"}});
         f.kxedtDjxs = "2.5";
       },
       {"P＝30×5.5＋20×10", " ＝365", "冻结深度H＝2.5×（365#1/2#＋0.018×365）",
        "         ＝64.19cm"}},
      {"StandardDepth",
       0,
       [](Form& f) {
         f.rbNoHeatSoil = false;
         f.rbBzdjsd = true;
         f.kxedtSumTemp = "20";
         f.advsgNoHeatSoil.At(1, 1) = "400";  // not this variant's input
       },
       {"冻结深度H＝100×（0.28×（20＋7）#1/2#－0.5）", "         ＝95.49cm"}},
      {"LoosenedSoilRoundsAInBookOnly",
       1,
       [](Form& f) { f.kxedtDjxs2 = "2.999"; },
       {"P＝30×5.5", " ＝165", "冻结深度H＝3×（165#1/2#＋0.018×165）", "         ＝47.43cm"}},
      {"HarrowedSoilTypedIndex",
       1,
       [](Form& f) {
         f.RadioButton1 = false;
         f.RadioButton2 = true;
         f.cbAutoCal2 = false;
         f.kxedtDjzs2 = "500";
       },
       {"P＝500", "冻结深度H＝20×（0.004×500－10#-6#×500#2#）", "         ＝35cm"}},
      {"SnowDepthOwnTypedIndex",
       2,
       [](Form& f) {
         f.cbAutoCal3 = false;
         f.kxedtDjzs3 = "500";
       },
       {"P＝500", "冻结深度H＝60×（0.004×500－10#-6#×500#2#）/2－0.5×10", "         ＝47.5cm"}},
      {"SnowDepthLambdaRoundedInBookOnly",
       2,
       [](Form& f) {
         f.cbAutoCal3 = false;
         f.kxedtDjzs3 = "500";
         f.kxedtXdpjrdxs = "0.126";
       },
       {"P＝500", "冻结深度H＝60×（0.004×500－10#-6#×500#2#）/2－0.13×10", "         ＝51.24cm"}},
      {"SnowThickness",
       2,
       [](Form& f) {
         f.cbAutoCal3 = false;
         f.kxedtDjzs3 = "500";
         f.RadioButton3 = false;
         f.RadioButton4 = true;
         f.kxedtXdpjfgxs = "";  // disabled in this variant, never read
       },
       {"P＝500", "覆盖厚度h$SH$＝（60×（0.004×500－500#2#×10#-6#）/2）/0.5",
        "           ＝105cm"}},
      {"LayersUnknownLast",
       3,
       [](Form& f) {
         f.cbAutoCal4 = false;
         f.kxedtDjzs4 = "500";
       },
       {"P＝500", "H＝60×（0.004×500－10#-6#×500#2#）", " ＝105", "h＝（105－10×1.6）/3.2",
        " ＝27.81cm"}},
      {"LayersUnknownBetweenKnown",
       3,
       [](Form& f) {
         f.cbAutoCal4 = false;
         f.kxedtDjzs4 = "500";
         SetRows(f.advsgFgbwtr2, {{"已知项,10", "1.6"}, {"求解项", "3.2"}, {"已知项,5", "2"}});
       },
       {"P＝500", "H＝60×（0.004×500－10#-6#×500#2#）", " ＝105", "h＝（105－10×1.6＋5×2）/3.2",
        " ＝24.69cm"}},
      {"OnlyTheUnknownLayer",
       3,
       [](Form& f) {
         f.cbAutoCal4 = false;
         f.kxedtDjzs4 = "500";
         SetRows(f.advsgFgbwtr2, {{"求解项", "2"}});
         f.UnknownRow = 1;
       },
       {"P＝500", "H＝60×（0.004×500－10#-6#×500#2#）", " ＝105", "h＝105/2", " ＝52.5cm"}},
      {"KnownLayersExceedDepth",
       3,
       [](Form& f) {
         f.cbAutoCal4 = false;
         f.kxedtDjzs4 = "500";
         SetRows(f.advsgFgbwtr2, {{"已知项,50", "2.3"}, {"求解项", "2"}});
       },
       {"P＝500", "H＝60×（0.004×500－10#-6#×500#2#）", " ＝105", "h＝（105－50×2.3）/2",
        " ＝-5cm"}},
      {"LayersSummedIndex",
       3,
       [](Form& f) {
         SetRows(f.advsgFgbwtr, {{"100", "2.5"}, {"0", "0.00"}});
       },
       {"P＝100×2.5＋0×0.00", " ＝250", "H＝60×（0.004×250－10#-6#×250#2#）", " ＝56.25",
        "h＝（56.25－10×1.6）/3.2", " ＝12.58cm"}},
  };
  for (const BookCase& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = ValidForm();
    c.setup(f);
    ASSERT_EQ(Check(f, c.tab), std::nullopt) << Check(f, c.tab)->message;
    EXPECT_EQ(Book(f, c.tab), c.lines);
  }
}

struct CheckCase {
  const char* name;
  int tab;
  std::function<void(Form&)> setup;
  Fault fault;
};

TEST(DepthOfSoilForm, ChecksReportFirstFault) {
  const std::string to30 = "请输入 0 (包含) 到 30 (包含) 之间的实数！";
  const std::string to100 = "请输入 0 (包含) 到 100 (包含) 之间的实数！";
  const std::string to100000 = "请输入 0 (包含) 到 100000 (包含) 之间的实数！";
  const CheckCase cases[] = {
      {"DayAbove366",
       0,
       [](Form& f) {
         SetRows(f.advsgNoHeatSoil, {{"30", "5"}, {"400", "5"}});
       },
       {"advsgNoHeatSoil", 1, 2, kDays}},
      {"NegativeTemperature",
       0,
       [](Form& f) { f.advsgNoHeatSoil.At(2, 1) = "-3"; },
       {"advsgNoHeatSoil", 2, 1, kTemperature}},
      {"DaysBeforeTemperatures",
       0,
       [](Form& f) {
         SetRows(f.advsgNoHeatSoil, {{"1", "51"}, {"", "5"}});
       },
       {"advsgNoHeatSoil", 1, 2, kDays}},
      {"DayLoneMinus",
       0,
       [](Form& f) { f.advsgNoHeatSoil.At(1, 1) = "-"; },
       {"advsgNoHeatSoil", 1, 1, kDays}},
      {"TemperatureMinusInside",
       0,
       [](Form& f) { f.advsgNoHeatSoil.At(2, 1) = "1-2"; },
       {"advsgNoHeatSoil", 2, 1, kTemperature}},
      {"TemperatureTwoPoints",
       0,
       [](Form& f) { f.advsgNoHeatSoil.At(2, 1) = "1.2.3"; },
       {"advsgNoHeatSoil", 2, 1, kTemperature}},
      {"CoefficientA", 0, [](Form& f) { f.kxedtDjxs = "30.5"; }, {"kxedtDjxs", -1, -1, to30}},
      {"CoefficientALoneMinus", 0, [](Form& f) { f.kxedtDjxs = "-"; }, {"kxedtDjxs", -1, -1, to30}},
      {"TypedIndexWhenBoxClear",
       0,
       [](Form& f) {
         f.cbAutoCal1 = false;
         f.kxedtDjzs1 = "100001";
       },
       {"kxedtDjzs1", -1, -1, to100000}},
      {"StandardDepthChecksOnlySum",
       0,
       [](Form& f) {
         f.rbNoHeatSoil = false;
         f.rbBzdjsd = true;
         f.kxedtSumTemp = "10000.01";
         f.advsgNoHeatSoil.At(1, 1) = "400";
       },
       {"kxedtSumTemp", -1, -1, "请输入 0 (包含) 到 10000 (包含) 之间的实数！"}},
      {"LoosenedTableWhileBoxClear",
       1,
       [](Form& f) {
         f.cbAutoCal2 = false;
         f.advsgSdbwtr.At(1, 1) = "367";
       },
       {"advsgSdbwtr", 1, 1, kDays}},
      {"LoosenedTypedIndex",
       1,
       [](Form& f) {
         f.cbAutoCal2 = false;
         f.kxedtDjzs2 = "";
         f.kxedtDjxs2 = "31";
       },
       {"kxedtDjzs2", -1, -1, to100000}},
      {"LoosenedA", 1, [](Form& f) { f.kxedtDjxs2 = "31"; }, {"kxedtDjxs2", -1, -1, to30}},
      {"HarrowedAlpha",
       1,
       [](Form& f) {
         f.RadioButton1 = false;
         f.RadioButton2 = true;
         f.kxedtFdjsxs = "9.99";
       },
       {"kxedtFdjsxs", -1, -1, "请输入 10 (包含) 到 40 (包含) 之间的实数！"}},
      {"SnowTable",
       2,
       [](Form& f) { f.advsgFxbwtr.At(2, 1) = ""; },
       {"advsgFxbwtr", 2, 1, kTemperature}},
      {"SnowLambda",
       2,
       [](Form& f) { f.kxedtXdpjrdxs = "100.5"; },
       {"kxedtXdpjrdxs", -1, -1, to100}},
      {"SnowBeta",
       2,
       [](Form& f) { f.kxedtYxxs = "10.5"; },
       {"kxedtYxxs", -1, -1, "请输入 0 (包含) 到 10 (包含) 之间的实数！"}},
      {"SnowThicknessInDepthVariant",
       2,
       [](Form& f) { f.kxedtXdpjfgxs = "100.1"; },
       {"kxedtXdpjfgxs", -1, -1, to100}},
      {"SnowBetaZero",
       2,
       [](Form& f) { f.kxedtYxxs = "0"; },
       {"kxedtYxxs", -1, -1, "各种材料对土壤冻结影响系数β不能为0！"}},
      {"SnowBetaAlmostZero",
       2,
       [](Form& f) { f.kxedtYxxs = "1E-320"; },
       {"kxedtYxxs", -1, -1, "各种材料对土壤冻结影响系数β不能为0！"}},
      {"SnowLambdaZeroForThickness",
       2,
       [](Form& f) {
         f.RadioButton3 = false;
         f.RadioButton4 = true;
         f.kxedtXdpjrdxs = "0.00";
       },
       {"kxedtXdpjrdxs", -1, -1, "雪的平均热导系数λ不能为0！"}},
      {"RangesBeforeDivisors",
       2,
       [](Form& f) {
         f.kxedtYxxs = "0";
         f.kxedtXdpjfgxs = "101";
       },
       {"kxedtXdpjfgxs", -1, -1, to100}},
      {"LayerDayTableFirst",
       3,
       [](Form& f) {
         f.advsgFgbwtr.At(1, 1) = "400";
         f.UnknownRow = -1;
       },
       {"advsgFgbwtr", 1, 1, kDays}},
      {"NoUnknownLayer",
       3,
       [](Form& f) {
         f.UnknownRow = -1;
         f.advsgFgbwtr2.At(1, 2) = "已知项,5";
       },
       {"advsgFgbwtr2", 1, 1, "缺少求解项，不能计算！"}},
      {"UnknownBetaEmpty",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(2, 2) = ""; },
       {"advsgFgbwtr2", 2, 2, kUnknownBeta}},
      {"UnknownBetaZero",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(2, 2) = "0.00"; },
       {"advsgFgbwtr2", 2, 2, kUnknownBeta}},
      {"UnknownBetaNoNumber",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(2, 2) = "-"; },
       {"advsgFgbwtr2", 2, 2, kUnknownBeta}},
      {"UnknownBetaAlmostZero",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(2, 2) = "1e-320"; },
       {"advsgFgbwtr2", 2, 2, kUnknownBeta}},
      {"KnownThicknessEmpty",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(1, 1) = ""; },
       {"advsgFgbwtr2", 1, 1, "已知项中保温材料铺设厚度不能为空！"}},
      {"KnownThicknessAfterComma",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(1, 1) = "已知项,"; },
       {"advsgFgbwtr2", 1, 1, "已知项中保温材料铺设厚度不能为空！"}},
      {"KnownThicknessAbove200",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(1, 1) = "已知项,200.5"; },
       {"advsgFgbwtr2", 1, 1, kThickness200}},
      {"KnownThicknessNegative",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(1, 1) = "已知项,-1"; },
       {"advsgFgbwtr2", 1, 1, kThickness200}},
      {"KnownThicknessNoNumber",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(1, 1) = "已知项,1-2"; },
       {"advsgFgbwtr2", 1, 1, kThickness200}},
      {"KnownBetaEmpty",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(2, 1) = ""; },
       {"advsgFgbwtr2", 2, 1, "已知项对应的对土壤冻结影响系数不能为空！"}},
      {"KnownBetaNoNumber",
       3,
       [](Form& f) { f.advsgFgbwtr2.At(2, 1) = "--5"; },
       {"advsgFgbwtr2", 2, 1, "已知项对应的对土壤冻结影响系数不能为空！"}},
      {"KnownRowsTopDown",
       3,
       [](Form& f) {
         SetRows(f.advsgFgbwtr2, {{"求解项", "1"}, {"已知项,5", ""}, {"", "1"}});
         f.UnknownRow = 1;
       },
       {"advsgFgbwtr2", 2, 2, "已知项对应的对土壤冻结影响系数不能为空！"}},
      {"KnownProductOverflows",
       3,
       [](Form& f) {
         SetRows(f.advsgFgbwtr2, {{"已知项,200", "1e308"}, {"求解项", "1"}});
       },
       {"advsgFgbwtr2", 2, 1, "已知项对应的对土壤冻结影响系数超出计算范围！"}},
      {"LayerTypedIndexLast",
       3,
       [](Form& f) {
         f.cbAutoCal4 = false;
         f.kxedtDjzs4 = "-1";
       },
       {"kxedtDjzs4", -1, -1, to100000}},
      {"SnowTypedIndex",
       2,
       [](Form& f) {
         f.cbAutoCal3 = false;
         f.kxedtDjzs3 = "100000.5";
         f.kxedtXdpjrdxs = "101";
       },
       {"kxedtDjzs3", -1, -1, to100000}},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = ValidForm();
    c.setup(f);
    EXPECT_EQ(Check(f, c.tab), c.fault);
    // A faulty edit lies on the tab that is checked.
    if (!c.fault.IsCell()) {
      EXPECT_EQ(Edit(c.fault.control).tab, c.tab);
    }
  }
}

TEST(DepthOfSoilForm, EditChecksHoldTheirRanges) {
  const std::string to30 = "请输入 0 (包含) 到 30 (包含) 之间的实数！";
  const std::string to100 = "请输入 0 (包含) 到 100 (包含) 之间的实数！";
  const std::string to100000 = "请输入 0 (包含) 到 100000 (包含) 之间的实数！";
  struct Case {
    const char* name;  // the edit's object name
    int tab;
    std::function<void(Form&)> setup;  // makes the edit one the tab checks
    std::vector<std::string> admitted;
    std::vector<std::string> refused;
    std::string message;
  };
  const auto none = [](Form&) {};
  const Case cases[] = {
      {"kxedtSumTemp",
       0,
       [](Form& f) {
         f.rbNoHeatSoil = false;
         f.rbBzdjsd = true;
       },
       {"0", "10000", " 5"},
       {"-0.01", "10000.01", "", "abc"},
       "请输入 0 (包含) 到 10000 (包含) 之间的实数！"},
      {"kxedtDjxs", 0, none, {"0", "30", "2.5"}, {"-1", "30.01", "", "-"}, to30},
      {"kxedtDjzs1",
       0,
       [](Form& f) { f.cbAutoCal1 = false; },
       {"0", "100000"},
       {"-0.5", "100000.5", ""},
       to100000},
      {"kxedtDjzs2",
       1,
       [](Form& f) { f.cbAutoCal2 = false; },
       {"0", "100000"},
       {"-0.5", "100000.5", ""},
       to100000},
      {"kxedtDjxs2", 1, none, {"0", "30"}, {"-1", "30.01", ""}, to30},
      {"kxedtFdjsxs",
       1,
       [](Form& f) {
         f.RadioButton1 = false;
         f.RadioButton2 = true;
       },
       {"10", "40"},
       {"9.99", "40.01", "0", ""},
       "请输入 10 (包含) 到 40 (包含) 之间的实数！"},
      {"kxedtDjzs3",
       2,
       [](Form& f) { f.cbAutoCal3 = false; },
       {"0", "100000"},
       {"-0.5", "100000.5", ""},
       to100000},
      {"kxedtXdpjrdxs", 2, none, {"0", "100"}, {"-1", "100.5", ""}, to100},
      // 0 passes the range and fails as a divisor.
      {"kxedtYxxs",
       2,
       none,
       {"10", "0.001"},
       {"-0.5", "10.5", ""},
       "请输入 0 (包含) 到 10 (包含) 之间的实数！"},
      {"kxedtXdpjfgxs", 2, none, {"0", "100"}, {"-1", "100.1", ""}, to100},
      {"kxedtDjzs4",
       3,
       [](Form& f) { f.cbAutoCal4 = false; },
       {"0", "100000"},
       {"-0.5", "100000.5", ""},
       to100000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = ValidForm();
    c.setup(f);
    for (const std::string& text : c.admitted) {
      f.*Edit(c.name).text = text;
      EXPECT_EQ(Check(f, c.tab), std::nullopt) << "'" << text << "'";
    }
    for (const std::string& text : c.refused) {
      f.*Edit(c.name).text = text;
      EXPECT_EQ(Check(f, c.tab), (Fault{c.name, -1, -1, c.message})) << "'" << text << "'";
    }
  }
}

TEST(DepthOfSoilForm, EditRowsInTheDialogsOrder) {
  const struct {
    const char* name;
    std::string Form::*field;
    int tab;
  } rows[] = {
      {"kxedtDjxs", &Form::kxedtDjxs, 0},         {"kxedtDjzs1", &Form::kxedtDjzs1, 0},
      {"kxedtSumTemp", &Form::kxedtSumTemp, 0},   {"kxedtDjzs2", &Form::kxedtDjzs2, 1},
      {"kxedtDjxs2", &Form::kxedtDjxs2, 1},       {"kxedtFdjsxs", &Form::kxedtFdjsxs, 1},
      {"kxedtDays1", &Form::kxedtDays1, 1},       {"kxedtPjrfqw1", &Form::kxedtPjrfqw1, 1},
      {"kxedtDjzs3", &Form::kxedtDjzs3, 2},       {"kxedtXdpjrdxs", &Form::kxedtXdpjrdxs, 2},
      {"kxedtXdpjfgxs", &Form::kxedtXdpjfgxs, 2}, {"kxedtYxxs", &Form::kxedtYxxs, 2},
      {"kxedtDjzs4", &Form::kxedtDjzs4, 3},       {"kxedtDays", &Form::kxedtDays, 3},
      {"kxedtPjrfqw", &Form::kxedtPjrfqw, 3},
  };
  ASSERT_EQ(std::size(kEdits), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].name);
    EXPECT_STREQ(kEdits[i].control, rows[i].name);
    EXPECT_TRUE(kEdits[i].text == rows[i].field);
    EXPECT_EQ(kEdits[i].tab, rows[i].tab);
  }
  EXPECT_THROW(Edit("kxedtNone"), std::out_of_range);
}

// Only the edits the dialog bounds test their range when left, with the message of "计算".
TEST(DepthOfSoilForm, OnlyBoundedEditsTestTheirRangeWhenLeft) {
  const struct {
    const char* name;
    const char* message;
  } bounded[] = {
      {"kxedtSumTemp", "请输入 0 (包含) 到 10000 (包含) 之间的实数！"},
      {"kxedtDjzs4", "请输入 0 (包含) 到 100000 (包含) 之间的实数！"},
  };
  std::vector<std::string> onEdit;
  for (const auto& e : kEdits) {
    if (e.settings.boundsOnEdit) onEdit.push_back(e.control);
  }
  ASSERT_EQ(onEdit.size(), std::size(bounded));
  for (size_t i = 0; i < std::size(bounded); ++i) {
    SCOPED_TRACE(bounded[i].name);
    EXPECT_EQ(onEdit[i], bounded[i].name);
    EXPECT_EQ(RangeMessage(Edit(bounded[i].name).settings), bounded[i].message);
  }
}

TEST(DepthOfSoilForm, ChecksAdmitBoundsAndIgnoreOtherInputs) {
  const struct {
    const char* name;
    std::function<void(Form&)> setup;
  } cases[] = {
      {"AlphaLowerBound",
       [](Form& f) {
         f.RadioButton1 = false;
         f.RadioButton2 = true;
         f.kxedtFdjsxs = "10";
       }},
      {"AlphaUpperBound",
       [](Form& f) {
         f.RadioButton1 = false;
         f.RadioButton2 = true;
         f.kxedtFdjsxs = "40";
       }},
      {"AlphaIgnoredForLoosenedSoil", [](Form& f) { f.kxedtFdjsxs = "0"; }},
      {"TypedIndexIgnoredWhileSummed", [](Form& f) { f.kxedtDjzs1 = "abc"; }},
      {"DayFractionAdmitted", [](Form& f) { f.advsgNoHeatSoil.At(1, 1) = "1.5"; }},
      {"DayBounds",
       [](Form& f) {
         SetRows(f.advsgNoHeatSoil, {{"0", "0"}, {"366", "50"}});
       }},
      {"LambdaZeroForDepth", [](Form& f) { f.kxedtXdpjrdxs = "0"; }},
      {"KnownThicknessWithoutComma", [](Form& f) { f.advsgFgbwtr2.At(1, 1) = "0"; }},
      {"KnownThicknessBounds",
       [](Form& f) {
         SetRows(f.advsgFgbwtr2, {{"已知项,0", "1"}, {"求解项", "1"}, {"已知项,200", "-1"}});
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = ValidForm();
    c.setup(f);
    for (int tab = 0; tab < kTabCount; ++tab) EXPECT_EQ(Check(f, tab), std::nullopt) << tab;
  }
}

TEST(DepthOfSoilForm, TabsOutsideTheFourAreRangeErrors) {
  const struct {
    const char* name;
    std::function<void(Form&, int)> call;
  } cases[] = {
      {"Check", [](Form& f, int tab) { Check(f, tab); }},
      {"Book", [](Form& f, int tab) { Book(f, tab); }},
      {"FreezingIndex", [](Form& f, int tab) { FreezingIndex(f, tab); }},
      {"DayTable", [](Form& f, int tab) { DayTable(f, tab); }},
      {"AutoCal", [](Form& f, int tab) { AutoCal(f, tab); }},
      {"PField", [](Form& f, int tab) { PField(f, tab); }},
      {"SetAutoCal", [](Form& f, int tab) { SetAutoCal(f, tab, true); }},
      {"DayTableTouched", [](Form& f, int tab) { DayTableTouched(f, tab); }},
      {"AddDayRow", [](Form& f, int tab) { AddDayRow(f, tab); }},
      {"DeleteDayRows", [](Form& f, int tab) { DeleteDayRows(f, tab); }},
  };
  for (const auto& c : cases) {
    for (int tab : {-1, kTabCount, 100}) {
      SCOPED_TRACE(std::string(c.name) + " tab " + std::to_string(tab));
      Form f = ValidForm();
      const Form before = f;
      EXPECT_THROW(c.call(f, tab), RangeError);
      EXPECT_EQ(f, before);
    }
  }
}

TEST(DepthOfSoilForm, SaveDefaultsChecksEveryTab) {
  const CheckCase cases[] = {
      {"DayTablesFirstWhateverTheTab",
       0,
       [](Form& f) {
         f.advsgFgbwtr.At(1, 1) = "400";
         f.UnknownRow = -1;
         f.kxedtDjxs = "31";
       },
       {"advsgFgbwtr", 1, 1, kDays}},
      {"LayersBeforeFields",
       0,
       [](Form& f) {
         f.UnknownRow = -1;
         f.kxedtDjxs = "31";
       },
       {"advsgFgbwtr2", 1, 1, "缺少求解项，不能计算！"}},
      {"LastTabsFields",
       0,
       [](Form& f) {
         f.cbAutoCal4 = false;
         f.kxedtDjzs4 = "";
       },
       {"kxedtDjzs4", -1, -1, "请输入 0 (包含) 到 100000 (包含) 之间的实数！"}},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = ValidForm();
    c.setup(f);
    EXPECT_EQ(CheckForSaveDefaults(f), c.fault);
  }
  // The divisors only matter to a calculation; defaults with β = 0 may be saved.
  Form zeroBeta = ValidForm();
  zeroBeta.kxedtYxxs = "0";
  EXPECT_EQ(CheckForSaveDefaults(zeroBeta), std::nullopt);
}

// An item as LoadDefaultData leaves a new one without saved defaults.
struct NewItem : TDepthOfSoil {
  NewItem() { slOneNoHeatSoil = slTwoNoHeatSoil = slThreeNoHeatSoil = slFourNoHeatSoil = {"", ""}; }
};

TEST(DepthOfSoilForm, LoadNewItem) {
  const Form f = Load(NewItem());
  for (int tab = 0; tab < kTabCount; ++tab) {
    SCOPED_TRACE(tab);
    const Table& g = DayTable(f, tab);
    EXPECT_EQ(g.cells, (std::vector<std::vector<std::string>>{
                           {"序号", "冻结的天数t（d）", "平均日负气温T（℃）"}, {"1", "0", "0"}}));
    EXPECT_EQ(PField(f, tab), "0");
    EXPECT_TRUE(AutoCal(f, tab));
  }
  EXPECT_EQ(f.advsgFgbwtr2.cells, (std::vector<std::vector<std::string>>{
                                      {"序号", "保温材料的铺设厚度hi(cm)", "对土壤冻结影响系数βi"},
                                      {"1", "", ""},
                                      {"2", "", ""}}));
  EXPECT_EQ(f.UnknownRow, -1);
  EXPECT_EQ(f.kxedtYxxs, "0");
  EXPECT_EQ(f.kxedtDjxs, "0");
  EXPECT_TRUE(f.rbNoHeatSoil && f.RadioButton1 && f.RadioButton3);
  EXPECT_FALSE(f.rbBzdjsd || f.RadioButton2 || f.RadioButton4);
  EXPECT_EQ(f.activeTab, 0);
}

TEST(DepthOfSoilForm, LoadPutsEachPropertyInItsEdit) {
  const struct {
    const char* name;  // the edit's object name
    double TDepthOfSoil::*property;
  } cases[] = {
      {"kxedtDjxs", &TDepthOfSoil::Djxs1},        {"kxedtDjzs1", &TDepthOfSoil::Djzs1},
      {"kxedtSumTemp", &TDepthOfSoil::SumTemp},   {"kxedtDjzs2", &TDepthOfSoil::Djzs2},
      {"kxedtDjxs2", &TDepthOfSoil::Djxs2},       {"kxedtFdjsxs", &TDepthOfSoil::Fdjsxs},
      {"kxedtDjzs3", &TDepthOfSoil::Djzs3},       {"kxedtXdpjrdxs", &TDepthOfSoil::Xdpjrdxs},
      {"kxedtXdpjfgxs", &TDepthOfSoil::Xdpjfgxs}, {"kxedtYxxs", &TDepthOfSoil::Yxxs},
      {"kxedtDjzs4", &TDepthOfSoil::Djzs4},
  };
  NewItem item;
  item.Zdlj1 = item.Zdlj2 = item.Zdlj3 = item.Zdlj4 = false;  // no sum replaces a P field
  double value = 1.5;
  for (const auto& c : cases) item.*c.property = value++;
  const Form f = Load(item);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(f.*Edit(c.name).text, NumberText(item.*c.property));
  }
}

TEST(DepthOfSoilForm, LoadShowsTypedIndexWhateverTheRowCount) {
  for (int tab = 0; tab < kTabCount; ++tab) {
    for (int32_t count : {1, 2, 3, 100, 150}) {
      SCOPED_TRACE(std::to_string(tab) + " rows " + std::to_string(count));
      NewItem item;
      bool* zdlj[] = {&item.Zdlj1, &item.Zdlj2, &item.Zdlj3, &item.Zdlj4};
      double* djzs[] = {&item.Djzs1, &item.Djzs2, &item.Djzs3, &item.Djzs4};
      int32_t* counts[] = {&item.Count1, &item.Count2, &item.Count3, &item.Count4};
      std::vector<std::string>* lists[] = {&item.slOneNoHeatSoil, &item.slTwoNoHeatSoil,
                                           &item.slThreeNoHeatSoil, &item.slFourNoHeatSoil};
      *zdlj[tab] = false;
      *djzs[tab] = 123.5;
      *counts[tab] = count;
      lists[tab]->assign(2 * count, "400");  // invalid, but no sum is taken
      const Form f = Load(item);
      EXPECT_EQ(PField(f, tab), "123.5");
      EXPECT_FALSE(AutoCal(f, tab));
      const Table& g = DayTable(f, tab);
      EXPECT_EQ(g.DataRows(), count <= 100 ? count : 2);
      EXPECT_EQ(g.At(1, g.DataRows()), "400");
      EXPECT_EQ(g.At(0, g.DataRows()), std::to_string(g.DataRows()));
    }
  }
}

TEST(DepthOfSoilForm, LoadSumsCheckedBoxesAndRepairsCells) {
  NewItem item;
  item.Count2 = 3;
  item.slTwoNoHeatSoil = {"30", "5.5", "20", "10", "400", "abc"};
  item.Djzs2 = 7;
  item.Count1 = 0;  // outside 1..100: the two design rows stay, filled where entries exist
  item.slOneNoHeatSoil = {"3", "4"};
  const Form f = Load(item);
  EXPECT_EQ(f.kxedtDjzs2, "365");
  EXPECT_EQ(DataOf(f.advsgSdbwtr), (Rows{{"30", "5.5"}, {"20", "10"}, {"0", "0"}}));
  EXPECT_EQ(DataOf(f.advsgNoHeatSoil), (Rows{{"3", "4"}, {"0", "0"}}));
  EXPECT_EQ(f.kxedtDjzs1, "12");
}

TEST(DepthOfSoilForm, LoadFindsUnknownLayer) {
  NewItem item;
  item.Count5 = 3;
  item.slFiveNoHeatSoil = {WCTHRM_GBK("已知项,10"), "1.6", "", "0.00", WCTHRM_GBK("求解项"), "2"};
  const Form f = Load(item);
  EXPECT_EQ(f.UnknownRow, 3);
  EXPECT_EQ(DataOf(f.advsgFgbwtr2), (Rows{{"已知项,10", "1.6"}, {"", "0.00"}, {"求解项", "2"}}));
}

TEST(DepthOfSoilForm, ReloadIntoOpenDialog) {
  Form open = ValidForm();
  SetRows(open.advsgNoHeatSoil, {{"1", "2"}, {"3", "4"}, {"5", "6"}});
  SetRows(open.advsgFgbwtr2, {{"已知项,10", "1.6"}, {"求解项", "3.2"}, {"已知项,5", "2"}});
  open.UnknownRow = 2;
  open.activeTab = 2;

  NewItem item;
  item.Count1 = 0;  // outside 1..100: the open table keeps its rows
  item.slOneNoHeatSoil.clear();
  item.Zdlj2 = true;
  item.Djzs2 = 7;  // no box handler runs: the stored index shows, not the table's sum
  item.Count2 = 2;
  item.slTwoNoHeatSoil = {"30", "5.5", "20", "10"};
  Form f = open;
  LoadFromItem(item, f);
  EXPECT_EQ(DataOf(f.advsgNoHeatSoil), DataOf(open.advsgNoHeatSoil));
  EXPECT_EQ(DataOf(f.advsgSdbwtr), (Rows{{"30", "5.5"}, {"20", "10"}}));
  EXPECT_EQ(f.kxedtDjzs2, "7");
  EXPECT_EQ(f.advsgFgbwtr2, open.advsgFgbwtr2);  // Count5 = 0: the layers stay, so does u
  EXPECT_EQ(f.UnknownRow, 2);
  EXPECT_EQ(f.activeTab, 2);

  // Layers that no longer hold "求解项" leave no unknown row behind.
  item.slFourNoHeatSoil = {"30", "5.5"};
  item.Count5 = 2;
  item.slFiveNoHeatSoil = {WCTHRM_GBK("已知项,1"), "1", WCTHRM_GBK("已知项,2"), "2"};
  f = open;
  LoadFromItem(item, f);
  EXPECT_EQ(DataOf(f.advsgFgbwtr2), (Rows{{"已知项,1", "1"}, {"已知项,2", "2"}}));
  EXPECT_EQ(f.UnknownRow, -1);
  EXPECT_EQ(Check(f, 3), (Fault{"advsgFgbwtr2", 1, 1, "缺少求解项，不能计算！"}));
}

TEST(DepthOfSoilForm, ReloadKeepsSelectionsInsideTheRows) {
  Form open = DesignForm();
  SetRows(open.advsgSdbwtr, {{"1", "2"}, {"3", "4"}, {"5", "6"}});
  open.advsgSdbwtr.selection = {1, 2, 2, 3};
  SetRows(open.advsgFgbwtr2, {{"", "1"}, {"", "2"}, {"", "3"}});
  open.advsgFgbwtr2.selection = {2, 3, 2, 3};
  NewItem item;
  item.Count2 = 1;
  item.slTwoNoHeatSoil = {"30", "5.5"};
  item.Count5 = 2;
  item.slFiveNoHeatSoil = {"", "1", "", "2"};
  Form f = open;
  LoadFromItem(item, f);
  EXPECT_EQ(f.advsgSdbwtr.selection, (CellRange{1, 1, 2, 1}));
  EXPECT_EQ(f.advsgFgbwtr2.selection, (CellRange{2, 2, 2, 2}));
  EXPECT_EQ(f.advsgNoHeatSoil.selection, open.advsgNoHeatSoil.selection);
}

TEST(DepthOfSoilForm, LoadStoreRoundTrip) {
  TDepthOfSoil item;
  item.NoHeatSoil1 = false;
  item.Count1 = 2;
  item.slOneNoHeatSoil = {"30", "5.5", "20", "10"};
  item.Zdlj1 = false;
  item.Djxs1 = 2.5;
  item.Djzs1 = 1234.5;
  item.SumTemp = 0.126;
  item.Zdlj2 = false;
  item.Djzs2 = 500;
  item.Count2 = 1;
  item.slTwoNoHeatSoil = {"1", "2"};
  item.NoHeatSoil2 = false;
  item.Djxs2 = 3;
  item.Fdjsxs = 20;
  item.Zdlj3 = false;
  item.Djzs3 = 3;
  item.Count3 = 3;
  item.slThreeNoHeatSoil = {"1", "2", "3", "4", "5", "6"};
  item.Xdpjrdxs = 0.5;
  item.Xdpjfgxs = 10;
  item.Yxxs = 1.0 / 3;
  item.CalDjsd = false;
  item.Zdlj4 = false;
  item.Djzs4 = 4;
  item.Count4 = 1;
  item.slFourNoHeatSoil = {"7", "8"};
  item.Count5 = 3;
  item.slFiveNoHeatSoil = {
      WCTHRM_GBK("已知项,12.5"), "1.6", WCTHRM_GBK("求解项"), "3.2", "", "0.00"};

  const Form f = Load(item);
  EXPECT_EQ(f.kxedtYxxs, "0.333333333333333");
  // The item's False checks the second button of each pair.
  EXPECT_TRUE(f.rbBzdjsd && f.RadioButton2 && f.RadioButton4);
  EXPECT_FALSE(f.rbNoHeatSoil || f.RadioButton1 || f.RadioButton3);
  TDepthOfSoil stored;
  Store(f, stored);
  item.Yxxs = 0.333333333333333;  // what the field shows is what comes back
  item.WriteToList();
  stored.WriteToList();
  ASSERT_EQ(stored.ValueList.Count(), item.ValueList.Count());
  for (int i = 4; i < item.ValueList.Count(); ++i) {
    EXPECT_EQ(stored.ValueList.NameAt(i), item.ValueList.NameAt(i));
    EXPECT_EQ(stored.ValueList.EntryAt(i).value, item.ValueList.EntryAt(i).value)
        << item.ValueList.NameAt(i);
  }
}

TEST(DepthOfSoilForm, StoreOfNoNumberChangesNothing) {
  Form f = ValidForm();
  f.kxedtDjxs = "7";
  f.kxedtDjzs4 = "-";
  TDepthOfSoil item;
  EXPECT_THROW(Store(f, item), ConversionError);
  EXPECT_EQ(item.Djxs1, 0);
  EXPECT_EQ(item.Count5, 0);
  EXPECT_TRUE(item.slFiveNoHeatSoil.empty());
}

TEST(DepthOfSoilForm, FreezingIndexSumRepairsCells) {
  struct Case {
    const char* name;
    Rows cells;
    Rows repaired;
    const char* sum;
  };
  const Case cases[] = {
      {"Valid", {{"30", "5.5"}, {"20", "10"}}, {{"30", "5.5"}, {"20", "10"}}, "365"},
      {"Bounds", {{"0", "50"}, {"366", "50"}}, {{"0", "50"}, {"366", "50"}}, "18300"},
      {"DayAbove366", {{"400", "5"}, {"2", "5"}}, {{"0", "5"}, {"2", "5"}}, "10"},
      {"DayNegative", {{"-1", "5"}}, {{"0", "5"}}, "0"},
      {"DayFraction", {{"1.5", "2"}}, {{"1.5", "2"}}, "3"},  // as the book's P counts it
      {"DayLoneMinus", {{"-", "2"}}, {{"0", "2"}}, "0"},
      {"Empty", {{"", ""}}, {{"0", "0"}}, "0"},
      {"TemperatureAbove50", {{"5", "50.5"}}, {{"5", "0"}}, "0"},
      {"TemperatureMinusInside", {{"5", "1-2"}}, {{"5", "0"}}, "0"},
      {"TemperatureNotANumberText", {{"5", "2,5"}}, {{"5", "0"}}, "0"},
      {"TemperatureFraction", {{"3", "0.1"}}, {{"3", "0.1"}}, "0.3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = DesignForm();
    SetRows(f.advsgFxbwtr, c.cells);
    f.kxedtDjzs3 = "x";
    SetAutoCal(f, 2, true);
    EXPECT_EQ(DataOf(f.advsgFxbwtr), c.repaired);
    EXPECT_EQ(f.kxedtDjzs3, c.sum);
  }
}

TEST(DepthOfSoilForm, BoxesAndTableTouches) {
  Form f = DesignForm();
  SetRows(f.advsgNoHeatSoil, {{"30", "5.5"}, {"20", "10"}});
  SetAutoCal(f, 0, true);
  EXPECT_EQ(f.kxedtDjzs1, "365");
  SetAutoCal(f, 0, false);  // clearing keeps the text for typing
  EXPECT_EQ(f.kxedtDjzs1, "365");
  EXPECT_FALSE(f.cbAutoCal1);

  f.kxedtDjzs1 = "500";
  f.advsgNoHeatSoil.At(1, 2) = "400";
  DayTableTouched(f, 0);  // a typed index stays while the box is clear
  EXPECT_EQ(f.kxedtDjzs1, "500");
  EXPECT_EQ(f.advsgNoHeatSoil.At(1, 2), "0");

  f.cbAutoCal1 = true;
  f.advsgNoHeatSoil.At(1, 2) = "400";
  DayTableTouched(f, 0);
  EXPECT_EQ(f.kxedtDjzs1, "165");
  EXPECT_EQ(f.advsgNoHeatSoil.At(1, 2), "0");
  EXPECT_EQ(f.kxedtDjzs2, "0.00");  // other tabs untouched
}

// The cell a table operation leaves selected.
CellRange Selected(int col, int row) { return {col, row, col, row}; }

TEST(DepthOfSoilForm, DayRowsAddAndDelete) {
  struct Case {
    const char* name;
    int rows;
    int first, last;
    std::vector<std::string> left;  // day cells of the remaining rows
    CellRange selected;
  };
  const Case cases[] = {
      {"OnlyRowResets", 1, 1, 1, {"0"}, Selected(1, 1)},
      {"MiddleRow", 3, 2, 2, {"d1", "d3"}, Selected(1, 2)},
      {"LastRow", 3, 3, 3, {"d1", "d2"}, Selected(1, 2)},
      {"RangeOfRows", 4, 2, 3, {"d1", "d4"}, Selected(1, 2)},
      {"RangeGivenBackwards", 4, 3, 1, {"d4"}, Selected(1, 1)},
      {"AllRowsKeepOne", 3, 1, 3, {"0"}, Selected(1, 1)},
      {"SelectionBelowTheRows", 3, 5, 6, {"d1", "d2", "d3"}, Selected(1, 3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = DesignForm();
    Rows rows;
    for (int r = 1; r <= c.rows; ++r) rows.emplace_back("d" + std::to_string(r), "t");
    SetRows(f.advsgFgbwtr, rows);
    f.advsgFgbwtr.selection = {1, c.first, 2, c.last};
    DeleteDayRows(f, 3);
    const Table& g = f.advsgFgbwtr;
    EXPECT_EQ(g.selection, c.selected);
    ASSERT_EQ(g.DataRows(), static_cast<int>(c.left.size()));
    for (int r = 1; r <= g.DataRows(); ++r) {
      EXPECT_EQ(g.At(0, r), std::to_string(r));
      EXPECT_EQ(g.At(1, r), c.left[r - 1]);
    }
    if (c.left == std::vector<std::string>{"0"}) {
      EXPECT_EQ(g.At(2, 1), "0.00");
    }
  }

  Form f = DesignForm();
  SetRows(f.advsgSdbwtr, {{"5", "5"}});
  AddDayRow(f, 1);
  EXPECT_EQ(f.advsgSdbwtr.selection, Selected(1, 2));
  EXPECT_EQ(f.advsgSdbwtr.cells.back(), (std::vector<std::string>{"2", "0", "0.00"}));
  EXPECT_EQ(f.kxedtDjzs2, "0.00");
  EXPECT_EQ(f.advsgNoHeatSoil, DesignForm().advsgNoHeatSoil);  // the tab's own table only
}

TEST(DepthOfSoilForm, LayerRowsKeepTheUnknown) {
  struct Case {
    const char* name;
    int rows;
    int unknown;
    int deleted;
    int unknownAfter;
    std::vector<std::string> left;  // β cells of the remaining rows
    CellRange selected;
  };
  const Case cases[] = {
      {"DeleteAboveUnknown", 4, 3, 1, 2, {"b2", "b3", "b4"}, Selected(1, 1)},
      {"DeleteUnknown", 4, 3, 3, -1, {"b1", "b2", "b4"}, Selected(1, 3)},
      {"DeleteBelowUnknown", 4, 3, 4, 3, {"b1", "b2", "b3"}, Selected(1, 3)},
      {"DeleteWithoutUnknown", 2, -1, 1, -1, {"b2"}, Selected(1, 1)},
      {"OnlyRowResets", 1, 1, 1, -1, {"0.00"}, Selected(1, 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = DesignForm();
    Rows rows;
    for (int r = 1; r <= c.rows; ++r) {
      rows.emplace_back(r == c.unknown ? "求解项" : "已知项,1", "b" + std::to_string(r));
    }
    SetRows(f.advsgFgbwtr2, rows);
    f.UnknownRow = c.unknown;
    f.advsgFgbwtr2.selection = Selected(2, c.deleted);
    DeleteLayerRow(f);
    EXPECT_EQ(f.UnknownRow, c.unknownAfter);
    const Table& g = f.advsgFgbwtr2;
    EXPECT_EQ(g.selection, c.selected);
    ASSERT_EQ(g.DataRows(), static_cast<int>(c.left.size()));
    for (int r = 1; r <= g.DataRows(); ++r) {
      EXPECT_EQ(g.At(0, r), std::to_string(r));
      EXPECT_EQ(g.At(2, r), c.left[r - 1]);
    }
    if (c.unknownAfter > 0) {
      EXPECT_EQ(g.At(1, c.unknownAfter), "求解项");
    }
  }

  Form f = DesignForm();
  SetRows(f.advsgFgbwtr2, {{"已知项,1", "1"}});
  DeleteLayerRow(f);
  EXPECT_EQ(f.advsgFgbwtr2.cells[1], (std::vector<std::string>{"1", "", "0.00"}));
  AddLayerRow(f);
  EXPECT_EQ(f.advsgFgbwtr2.selection, Selected(1, 2));
  EXPECT_EQ(f.advsgFgbwtr2.cells[2], (std::vector<std::string>{"2", "", "0.00"}));
}

TEST(DepthOfSoilForm, ThicknessEditor) {
  struct Case {
    const char* name;
    int unknown;
    int row;
    ThicknessEditor shown;
  };
  const Case cases[] = {
      {"NoUnknownYet", -1, 1, {{"求解项", "已知项"}, "已知项", "10", true}},
      {"OtherRowIsUnknown", 2, 1, {{"已知项"}, "已知项", "10", true}},
      {"EmptyCellBesideUnknown", 2, 3, {{"已知项"}, "已知项", "", true}},
      {"TheUnknownItself", 2, 2, {{"求解项", "已知项"}, "求解项", "", false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = DesignForm();
    SetRows(f.advsgFgbwtr2, {{"已知项,10", "1"}, {"求解项", "2"}, {"", "3"}});
    f.UnknownRow = c.unknown;
    EXPECT_EQ(EnterThicknessEditor(f, c.row), c.shown);
  }

  Form f = DesignForm();
  SetRows(f.advsgFgbwtr2, {{"已知项,10", "1"}, {"求解项", "2"}});
  f.UnknownRow = 2;
  // Clicking into the unknown's cell and leaving it unchanged keeps the unknown layer.
  LeaveThicknessEditor(f, 2, EnterThicknessEditor(f, 2));
  EXPECT_EQ(f.advsgFgbwtr2.At(1, 2), "求解项");
  EXPECT_EQ(f.UnknownRow, 2);

  // Made known on purpose, it takes its thickness and leaves no unknown.
  ThicknessEditor editor = EnterThicknessEditor(f, 2);
  editor.choice = "已知项";
  editor.days = "25";
  LeaveThicknessEditor(f, 2, editor);
  EXPECT_EQ(f.advsgFgbwtr2.At(1, 2), "已知项,25");
  EXPECT_EQ(f.UnknownRow, -1);

  // Choosing in the drop-down shows the thickness field only for a known layer.
  ChooseThickness(editor, "求解项");
  EXPECT_FALSE(editor.daysVisible);
  ChooseThickness(editor, "已知项");
  EXPECT_TRUE(editor.daysVisible);

  // Now another layer may become the unknown.
  editor = EnterThicknessEditor(f, 1);
  ASSERT_EQ(editor.items, (std::vector<std::string>{"求解项", "已知项"}));
  editor.choice = "求解项";
  LeaveThicknessEditor(f, 1, editor);
  EXPECT_EQ(f.advsgFgbwtr2.At(1, 1), "求解项");
  EXPECT_EQ(f.UnknownRow, 1);
}

}  // namespace
}  // namespace wcthrm::calc::depthofsoil
