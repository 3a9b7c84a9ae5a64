// The curing dialog's form state: books and checks of both tabs, filling and storing the
// item, and the table handlers.
#include <gtest/gtest.h>

#include "calc/ConcreteConserveForm.h"
#include "support/Errors.h"
#include "support/Gbk.h"

namespace wcthrm::calc::concreteconserve {
namespace {

using Texts = std::vector<std::string>;
using Rows = std::vector<std::pair<std::string, std::string>>;

const std::string kTempRange = "请输入 5 (包含) 到 80 (包含) 之间的实数！";
const std::string kTimesRange = "请输入 1 (包含) 到 100 (包含) 之间的整数！";
const std::string kReadingEmpty = "混凝土成型完成后按等间隔时间所测得的温度ti（℃）不能为空！";
const std::string kDlsjRange = "请输入 0 (不包含) 到 10000 (包含) 之间的实数！";
const std::string kTpRange = "平均温度Tpi必须为 5 (包含) 到 80 (包含) 之间的实数！";
const std::string kTimeRange = "时间ti（h或d）必须为 0 (不包含) 到 10000 (包含) 之间的实数！";
const std::string kMismatch = "测温次数n必须与表格中温度ti的个数相同！";
const std::string kReadingTooLarge =
    "混凝土成型完成后按等间隔时间所测得的温度ti（℃）数值过大，无法计算！";
const std::string kDlsjTooSmall = "当量时间tdo（h或d）过小，计算结果超出范围！";

// The dialog as shown for a fresh item, with the first tab's inputs as typed.
Form MeanForm(const std::string& t3, const std::string& n, const Texts& readings) {
  Form f = Load(TConcreteConserve());
  f.kxedtTemp = t3;
  f.kxedtTimes = n;
  SetDataRows(f.advsgTemp, static_cast<int>(readings.size()));
  for (size_t i = 0; i < readings.size(); ++i) {
    f.advsgTemp.SetCell(1, static_cast<int>(i) + 1, readings[i]);
  }
  return f;
}

// The second tab: mode 0 divides by T_do, mode 1 by t_do.
Form PeriodForm(int mode, const std::string& divisor, const Rows& rows) {
  Form f = Load(TConcreteConserve());
  f.activeTab = kTabTimeTemp;
  f.RadioGroup1 = mode;
  (mode == 0 ? f.kxedtDlwd : f.kxedtDlsj) = divisor;
  SetDataRows(f.advsgTemp2, static_cast<int>(rows.size()));
  for (size_t i = 0; i < rows.size(); ++i) {
    f.advsgTemp2.SetCell(1, static_cast<int>(i) + 1, rows[i].first);
    f.advsgTemp2.SetCell(2, static_cast<int>(i) + 1, rows[i].second);
  }
  return f;
}

Form Emptied(Form f, std::string Form::*edit) {
  f.*edit = "";
  return f;
}

Texts Column(const Table& t, int col) {
  Texts out;
  for (int r = 1; r < t.RowCount(); ++r) out.push_back(t.Cell(col, r));
  return out;
}

Texts Numbers(int n) {
  Texts out;
  for (int i = 1; i <= n; ++i) out.push_back(std::to_string(i));
  return out;
}

Texts Gbk(const Texts& utf8) {
  Texts out;
  for (const auto& t : utf8) out.push_back(ToGbk(t));
  return out;
}

TEST(ConcreteConserveForm, BooksOfTheWorkedExamples) {
  struct Case {
    const char* name;
    Form form;
    int tab;
    BookLines lines;
  };
  const Case cases[] = {
      {"MeanOfThreeReadings",
       MeanForm("20", "3", {"18", "16", "15"}),
       0,
       {"混凝土平均温度T$p$＝（0.5×20＋18＋16＋0.5×15）/3", "                ＝17.17℃"}},
      {"MeanOfOneReading",
       MeanForm("20", "1", {"10"}),
       0,
       {"混凝土平均温度T$p$＝（0.5×20＋0.5×10）/1", "                ＝15℃"}},
      {"InputsAsTyped",
       MeanForm("20.0", "2", {"16.50", "-3"}),
       0,
       {"混凝土平均温度T$p$＝（0.5×20.0＋16.50＋0.5×-3）/2", "                ＝12.5℃"}},
      {"EquivalentTime",
       PeriodForm(0, "20", {{"20", "24"}, {"10", "48"}}),
       1,
       {"当量时间t$do$＝（20×24＋10×48）/20", "           ＝48（h或d）"}},
      {"EquivalentTemperature",
       PeriodForm(1, "72", {{"20", "24"}, {"10", "48"}}),
       1,
       {"当量温度T$do$＝（20×24＋10×48）/72", "           ＝13.33℃"}},
      {"SingleRow",
       PeriodForm(0, "15", {{"15", "30"}}),
       1,
       {"当量时间t$do$＝（15×30）/15", "           ＝30（h或d）"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Check(c.form, c.tab), std::nullopt);
    EXPECT_EQ(Book(c.form, c.tab), c.lines);
  }
}

TEST(ConcreteConserveForm, ATabTheFormDoesNotHaveIsAnError) {
  const struct {
    const char* name;
    int tab;
  } cases[] = {{"AfterTheLast", kTabCount}, {"Negative", -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = MeanForm("20", "1", {"10"});
    EXPECT_THROW(Check(f, c.tab), RangeError);
    EXPECT_THROW(Book(f, c.tab), RangeError);
    f.activeTab = c.tab;
    const Form before = f;
    EXPECT_THROW(NAdd2Click(f), RangeError);
    EXPECT_THROW(NDlt2Click(f), RangeError);
    EXPECT_EQ(f, before);
  }
}

TEST(ConcreteConserveForm, ChecksReportTheFirstFault) {
  struct Case {
    const char* name;
    Form form;
    int tab;
    CheckResult fault;
  };
  auto edit = [](const char* name, const std::string& message) {
    return Fault{name, -1, -1, message};
  };
  auto cell = [](const char* table, int col, int row, const std::string& message) {
    return Fault{table, col, row, message};
  };
  const Texts hundred(100, "12");
  const Case cases[] = {
      {"T3Empty", MeanForm("", "1", {"10"}), 0, edit("kxedtTemp", kTempRange)},
      {"T3BelowFive", MeanForm("4.99", "1", {"10"}), 0, edit("kxedtTemp", kTempRange)},
      {"T3AboveEighty", MeanForm("80.01", "1", {"10"}), 0, edit("kxedtTemp", kTempRange)},
      {"T3LoneMinus", MeanForm("-", "1", {"10"}), 0, edit("kxedtTemp", kTempRange)},
      {"T3BeforeN", MeanForm("90", "0", {""}), 0, edit("kxedtTemp", kTempRange)},
      {"NEmpty", MeanForm("20", "", {"10"}), 0, edit("kxedtTimes", kTimesRange)},
      {"NZero", MeanForm("20", "0", {"10"}), 0, edit("kxedtTimes", kTimesRange)},
      {"NAboveHundred", MeanForm("20", "101", {"10"}), 0, edit("kxedtTimes", kTimesRange)},
      {"NFraction", MeanForm("20", "1.5", {"10"}), 0, edit("kxedtTimes", kTimesRange)},
      {"ReadingEmptyInRowTwo", MeanForm("20", "3", {"18", "", "15"}), 0,
       cell("advsgTemp", 1, 2, kReadingEmpty)},
      {"ReadingNoNumber", MeanForm("20", "2", {"1-2", "15"}), 0,
       cell("advsgTemp", 1, 1, kReadingEmpty)},
      {"CountDiffersFromRows", MeanForm("20", "3", {"18", "16"}), 0, edit("kxedtTimes", kMismatch)},
      {"SumBeyondPrintable", MeanForm("20", "3", {"1e306", "1e306", "1e306"}), 0,
       cell("advsgTemp", 1, 2, kReadingTooLarge)},
      {"BoundsOfTabZeroPass", MeanForm("80", "100", hundred), 0, std::nullopt},
      {"LowBoundsOfTabZeroPass", MeanForm("5", "1", {"-40"}), 0, std::nullopt},
      {"TdoEmpty", PeriodForm(0, "", {{"20", "24"}}), 1, edit("kxedtDlwd", kTempRange)},
      {"TdoBelowFive", PeriodForm(0, "4.99", {{"20", "24"}}), 1, edit("kxedtDlwd", kTempRange)},
      {"TdoAboveEighty", PeriodForm(0, "81", {{"20", "24"}}), 1, edit("kxedtDlwd", kTempRange)},
      {"tdoZero", PeriodForm(1, "0", {{"20", "24"}}), 1, edit("kxedtDlsj", kDlsjRange)},
      {"tdoAboveLimit", PeriodForm(1, "10000.01", {{"20", "24"}}), 1,
       edit("kxedtDlsj", kDlsjRange)},
      {"tdoTinyOverflows", PeriodForm(1, "1e-307", {{"20", "24"}}), 1,
       edit("kxedtDlsj", kDlsjTooSmall)},
      {"TpBelowFiveInRowTwo", PeriodForm(0, "20", {{"20", "24"}, {"4.99", "48"}}), 1,
       cell("advsgTemp2", 1, 2, kTpRange)},
      {"TpEmpty", PeriodForm(0, "20", {{"", "24"}}), 1, cell("advsgTemp2", 1, 1, kTpRange)},
      {"TpNoNumber", PeriodForm(0, "20", {{"--5", "24"}}), 1, cell("advsgTemp2", 1, 1, kTpRange)},
      {"DurationZero", PeriodForm(0, "20", {{"20", "0"}}), 1, cell("advsgTemp2", 2, 1, kTimeRange)},
      {"DurationAboveLimit", PeriodForm(0, "20", {{"20", "10001"}}), 1,
       cell("advsgTemp2", 2, 1, kTimeRange)},
      {"RowByRow", PeriodForm(0, "20", {{"20", "0"}, {"1", "24"}}), 1,
       cell("advsgTemp2", 2, 1, kTimeRange)},
      {"OnlyTheModesEditIsTested", Emptied(PeriodForm(0, "20", {{"20", "24"}}), &Form::kxedtDlsj),
       1, std::nullopt},
      {"OnlyTheModesEditIsTestedInModeOne",
       Emptied(PeriodForm(1, "72", {{"20", "24"}}), &Form::kxedtDlwd), 1, std::nullopt},
      {"IntervalIsNeverTested", Emptied(MeanForm("20", "1", {"10"}), &Form::kxedtInterval), 0,
       std::nullopt},
      {"NBeyondAnInteger", MeanForm("20", "99999999999", {"10"}), 0,
       edit("kxedtTimes", kTimesRange)},
      {"NWithBlanksPasses", MeanForm("20", " 2 ", {"18", "16"}), 0, std::nullopt},
      {"BoundsOfTabOnePass", PeriodForm(1, "10000", {{"80", "10000"}, {"5", "0.01"}}), 1,
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Check(c.form, c.tab), c.fault);
  }
}

TEST(ConcreteConserveForm, EditRowsAsTheDialogSetsThem) {
  struct Row {
    const char* name;
    std::string Form::*field;
    int tab;
    bool lowerIncluded;
    bool upperIncluded;
    bool integer;
    std::string message;  // what "计算" says outside the range; empty for an edit it never tests
  };
  const Row rows[] = {
      {"kxedtTemp", &Form::kxedtTemp, kTabAverageTemp, true, true, false, kTempRange},
      {"kxedtInterval", &Form::kxedtInterval, kTabAverageTemp, true, true, true, ""},
      {"kxedtTimes", &Form::kxedtTimes, kTabAverageTemp, true, true, true, kTimesRange},
      {"kxedtDlsj", &Form::kxedtDlsj, kTabTimeTemp, false, true, false, kDlsjRange},
      {"kxedtDlwd", &Form::kxedtDlwd, kTabTimeTemp, true, true, false, kTempRange},
  };
  ASSERT_EQ(std::size(kEdits), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    const EditDescription<Form>& e = kEdits[i];
    SCOPED_TRACE(r.name);
    EXPECT_STREQ(e.control, r.name);
    EXPECT_EQ(e.text, r.field);
    EXPECT_EQ(e.tab, r.tab);
    EXPECT_EQ(e.settings.lower.included, r.lowerIncluded);
    EXPECT_EQ(e.settings.upper.included, r.upperIncluded);
    EXPECT_EQ(e.settings.integer, r.integer);
    EXPECT_FALSE(e.settings.negative);
    EXPECT_EQ(e.settings.decimals, 2);
    EXPECT_FALSE(e.settings.formatted);
    EXPECT_TRUE(e.settings.upperApplies);
    EXPECT_EQ(e.settings.maxLength, 8);
    EXPECT_FALSE(e.settings.boundsOnEdit);
    EXPECT_FALSE(e.settings.realMessage);
    if (!r.message.empty()) {
      EXPECT_EQ(RangeMessage(e.settings), r.message);
    }
  }
}

TEST(ConcreteConserveForm, SaveDefaultsChecksTheFirstTabThenTheSecond) {
  Form good = MeanForm("20", "1", {"10"});
  good.advsgTemp2 = PeriodForm(0, "20", {{"20", "24"}}).advsgTemp2;
  good.kxedtDlwd = "20";
  good.activeTab = kTabTimeTemp;
  EXPECT_EQ(CheckForSaveDefaults(good), std::nullopt);

  Form badBoth = good;
  badBoth.kxedtTemp = "1";
  badBoth.kxedtDlwd = "1";
  EXPECT_EQ(CheckForSaveDefaults(badBoth), (Fault{"kxedtTemp", -1, -1, kTempRange}));
  Form badSecond = good;
  badSecond.RadioGroup1 = 1;
  badSecond.kxedtDlsj = "0";
  EXPECT_EQ(CheckForSaveDefaults(badSecond), (Fault{"kxedtDlsj", -1, -1, kDlsjRange}));
}

TEST(ConcreteConserveForm, LoadShowsAFreshItem) {
  TConcreteConserve item;
  item.slPjwd = {""};
  item.slDlwdsj = {"", ""};
  const Form f = Load(item);
  EXPECT_EQ(f.activeTab, 0);
  EXPECT_EQ(f.kxedtTemp, "5");
  EXPECT_EQ(f.kxedtInterval, "1");
  EXPECT_EQ(f.kxedtTimes, "1");
  EXPECT_EQ(f.RadioGroup1, 0);
  EXPECT_EQ(f.kxedtDlsj, "100");
  EXPECT_EQ(f.kxedtDlwd, "5");
  const Texts readings = {"序号", "混凝土成型完成后按等间隔时间所测得的温度ti（℃）"};
  const Texts periods = {"序号", "平均温度Tpi（℃）", "时间ti（h或d）"};
  EXPECT_EQ(f.advsgTemp.cells, (std::vector<Texts>{readings, {"1", ""}}));
  EXPECT_EQ(f.advsgTemp2.cells, (std::vector<Texts>{periods, {"1", "", ""}}));
  EXPECT_EQ(f.advsgTemp.selection, (CellRange{1, 1, 1, 1}));
}

TEST(ConcreteConserveForm, LoadSizesAndFillsTheTables) {
  struct Case {
    const char* name;
    int32_t times;
    Texts slPjwd;
    int32_t times2;
    Texts slDlwdsj;
    Texts readings;  // column 1 of the data rows
    Rows periods;
  };
  const Case cases[] = {
      {"CountsSizeBothTables",
       3,
       {"18", "16.50", "15"},
       2,
       {"20", "24", "10", "48"},
       {"18", "16.50", "15"},
       {{"20", "24"}, {"10", "48"}}},
      {"MissingElementsLeaveEmptyCells", 3, {"18"}, 1, {"20"}, {"18", "", ""}, {{"20", ""}}},
      {"CountZeroKeepsTheTwoDesignRows", 0, {}, 0, {}, {"", ""}, {{"", ""}, {"", ""}}},
      {"CountAboveHundredKeepsDesignRows",
       101,
       Texts(101, "7"),
       101,
       Texts(202, "8"),
       {"7", "7"},
       {{"8", "8"}, {"8", "8"}}},
      {"ExtraElementsHaveNoCell", 1, {"1", "2"}, 1, {"3", "4", "5", "6"}, {"1"}, {{"3", "4"}}},
      {"GbkTextsShownAsTyped",
       1,
       {"求解项"},
       1,
       {"已知项,12.5", ""},
       {"求解项"},
       {{"已知项,12.5", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TConcreteConserve item;
    item.MyTimes = c.times;
    item.slPjwd = Gbk(c.slPjwd);
    item.MyTimes2 = c.times2;
    item.slDlwdsj = Gbk(c.slDlwdsj);
    const Form f = Load(item);
    EXPECT_EQ(Column(f.advsgTemp, 1), c.readings);
    EXPECT_EQ(Column(f.advsgTemp, 0), Numbers(static_cast<int>(c.readings.size())));
    Rows periods;
    for (int r = 1; r < f.advsgTemp2.RowCount(); ++r) {
      periods.emplace_back(f.advsgTemp2.Cell(1, r), f.advsgTemp2.Cell(2, r));
    }
    EXPECT_EQ(periods, c.periods);
    EXPECT_EQ(Column(f.advsgTemp2, 0), Numbers(static_cast<int>(c.periods.size())));
  }
}

// "调取默认值" on a dialog the user has worked in: the values are the item's, the tab and the
// selections stay, and a count outside 1 … 100 leaves the rows on screen.
TEST(ConcreteConserveForm, LoadFromItemKeepsTheStandingControls) {
  TConcreteConserve shown;
  shown.MyTimes = 4;
  shown.MyTimes2 = 3;
  Form f = Load(shown);
  f.activeTab = kTabTimeTemp;
  f.advsgTemp.selection = CellRange{1, 2, 1, 3};
  f.advsgTemp2.selection = CellRange{2, 2, 2, 2};

  TConcreteConserve item;
  item.MyTemp = 12.5;
  item.MyTimes = 0;  // keeps the four readings rows
  item.slPjwd = {"9"};
  item.CalTime = false;
  item.MyTimes2 = 2;
  item.slDlwdsj = {"20", "24", "10", "48"};
  LoadFromItem(item, f);

  EXPECT_EQ(f.activeTab, kTabTimeTemp);
  EXPECT_EQ(f.kxedtTemp, "12.5");
  EXPECT_EQ(f.kxedtTimes, "0");
  EXPECT_EQ(Column(f.advsgTemp, 1), (Texts{"9", "", "", ""}));
  EXPECT_EQ(f.advsgTemp.selection, (CellRange{1, 2, 1, 3}));
  EXPECT_EQ(f.RadioGroup1, 1);
  EXPECT_EQ(f.advsgTemp2.DataRows(), 2);
  EXPECT_EQ(Column(f.advsgTemp2, 0), Numbers(2));
  EXPECT_EQ(f.advsgTemp2.selection, (CellRange{2, 2, 2, 2}));
  EXPECT_EQ(f.advsgTemp2.Cell(2, 2), "48");
}

TEST(ConcreteConserveForm, StoreAfterLoadReproducesTheItem) {
  TConcreteConserve item;
  item.MyTemp = 20.5;
  item.MyInterval = 2;
  item.MyTimes = 3;
  item.CalTime = false;
  item.MyTimes2 = 2;
  item.Dlsj = 72.25;
  item.Dlwd = 12;
  item.slPjwd = Gbk({"18", "求解项", "16.50"});
  item.slDlwdsj = Gbk({"20", "已知项,12.5", "", "48"});
  const Form f = Load(item);
  EXPECT_EQ(f.RadioGroup1, 1);

  TConcreteConserve copy;
  Store(f, copy);
  EXPECT_EQ(copy.MyTemp, 20.5);
  EXPECT_EQ(copy.MyInterval, 2);
  EXPECT_EQ(copy.MyTimes, 3);
  EXPECT_FALSE(copy.CalTime);
  EXPECT_EQ(copy.MyTimes2, 2);
  EXPECT_EQ(copy.Dlsj, 72.25);
  EXPECT_EQ(copy.Dlwd, 12);
  EXPECT_EQ(copy.slPjwd, item.slPjwd);
  EXPECT_EQ(copy.slDlwdsj, item.slDlwdsj);
}

TEST(ConcreteConserveForm, StoreTakesReadingsByTheCountAndPeriodsByTheRows) {
  struct Case {
    const char* name;
    std::string count;
    int rows;
    size_t stored;  // readings stored
  };
  const Case cases[] = {
      {"CountBelowRows", "3", 5, 3},
      {"CountAboveRowsGivesEmptyTexts", "4", 2, 4},
      {"CountZeroStoresNone", "0", 2, 0},
      {"NegativeCountStoresNone", "-2", 2, 0},
      {"HugeCountIsBounded", "99999999", 2, 10000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = Load(TConcreteConserve());
    SetDataRows(f.advsgTemp, c.rows);
    for (int r = 1; r <= c.rows; ++r) f.advsgTemp.SetCell(1, r, "r" + std::to_string(r));
    f.kxedtTimes = c.count;
    SetDataRows(f.advsgTemp2, 3);
    TConcreteConserve item;
    Store(f, item);
    ASSERT_EQ(item.slPjwd.size(), c.stored);
    for (size_t i = 0; i < c.stored; ++i) {
      const std::string expected = i < size_t(c.rows) ? "r" + std::to_string(i + 1) : "";
      EXPECT_EQ(item.slPjwd[i], expected) << i;
    }
    EXPECT_EQ(item.MyTimes2, 3);
    EXPECT_EQ(item.slDlwdsj.size(), 6u);
  }
}

TEST(ConcreteConserveForm, HugeTypedCountStillReadsBackFromTheProject) {
  Form f = Load(TConcreteConserve());
  f.kxedtTimes = "99999999";
  f.kxedtDlsj = "77";
  TConcreteConserve item;
  Store(f, item);
  EXPECT_EQ(item.MyTimes, TConcreteConserve::kMaxCount);
  item.WriteToList();
  TConcreteConserve reopened;
  for (int i = 0; i < item.ValueList.Count(); ++i)
    reopened.ValueList.Add(item.ValueList.NameAt(i), item.ValueList.EntryAt(i).value);
  EXPECT_NO_THROW(reopened.ReadFromList());
  EXPECT_EQ(reopened.Dlsj, 77);  // read past the count, nothing lost
}

TEST(ConcreteConserveForm, StoreRaisesForAnEditWithoutANumber) {
  Form f = Load(TConcreteConserve());
  f.kxedtTemp = "30";
  f.kxedtInterval = "";
  TConcreteConserve item;
  EXPECT_THROW(Store(f, item), ConversionError);
  EXPECT_EQ(item.MyTemp, 30);  // copied before the failing edit
  f.kxedtInterval = "1";
  f.kxedtTimes = "x";
  EXPECT_THROW(Store(f, item), ConversionError);
}

TEST(ConcreteConserveForm, LeavingTheCountEditResizesTheReadings) {
  Form f = MeanForm("20", "2", {"a", "b"});
  f.kxedtTimes = "5";
  KxedtTimesExit(f);
  EXPECT_EQ(Column(f.advsgTemp, 1), (Texts{"a", "b", "", "", ""}));
  EXPECT_EQ(Column(f.advsgTemp, 0), Numbers(5));
  f.kxedtTimes = "2";
  KxedtTimesExit(f);
  EXPECT_EQ(Column(f.advsgTemp, 1), (Texts{"a", "b"}));
  const struct {
    const char* name;
    const char* text;
  } ignored[] = {{"Zero", "0"}, {"AboveHundred", "101"}, {"Empty", ""}, {"NoNumber", "abc"}};
  for (const auto& c : ignored) {
    SCOPED_TRACE(c.name);
    f.kxedtTimes = c.text;
    KxedtTimesExit(f);
    EXPECT_EQ(Column(f.advsgTemp, 1), (Texts{"a", "b"}));
  }
}

TEST(ConcreteConserveForm, DeleteTableRowsKeepsOneRow) {
  struct Case {
    const char* name;
    int rows;
    int top, bottom;
    Texts left;  // column 1 afterwards
    CellRange selection;
  };
  const Case cases[] = {
      {"OneRowIsReset", 1, 1, 1, {"0"}, {1, 1, 1, 1}},
      {"TwoOfFour", 4, 2, 3, {"r1", "r4"}, {1, 2, 1, 2}},
      {"LastRow", 3, 3, 3, {"r1", "r2"}, {1, 2, 1, 2}},
      {"AllRowsLeaveOneResetRow", 3, 1, 3, {"0"}, {1, 1, 1, 1}},
      {"SelectionBeyondTheRows", 3, 2, 9, {"r1"}, {1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form f = Load(TConcreteConserve());
    SetDataRows(f.advsgTemp, c.rows);
    for (int r = 1; r <= c.rows; ++r) f.advsgTemp.SetCell(1, r, "r" + std::to_string(r));
    f.advsgTemp.selection = {1, c.top, 1, c.bottom};
    DeleteTableRows(f.advsgTemp);
    EXPECT_EQ(Column(f.advsgTemp, 1), c.left);
    EXPECT_EQ(Column(f.advsgTemp, 0), Numbers(static_cast<int>(c.left.size())));
    EXPECT_EQ(f.advsgTemp.selection, c.selection);
  }
}

TEST(ConcreteConserveForm, PopupMenuKeepsTheCountInStep) {
  Form f = MeanForm("20", "3", {"18", "16", "15"});
  NAdd2Click(f);
  EXPECT_EQ(f.kxedtTimes, "4");
  EXPECT_EQ(Column(f.advsgTemp, 0), Numbers(4));
  EXPECT_EQ(f.advsgTemp.Cell(1, 4), "");
  f.advsgTemp.SetCell(1, 4, "14");

  // Two selected rows go, and the count follows the two rows that remain.
  f.advsgTemp.selection = {1, 2, 1, 3};
  NDlt2Click(f);
  EXPECT_EQ(Column(f.advsgTemp, 1), (Texts{"18", "14"}));
  EXPECT_EQ(f.kxedtTimes, "2");
  EXPECT_EQ(Check(f, 0), std::nullopt);

  f = MeanForm("20", "1", {"18"});
  NDlt2Click(f);
  EXPECT_EQ(f.advsgTemp.cells.back(), (Texts{"1", "0"}));
  EXPECT_EQ(f.kxedtTimes, "1");

  f.activeTab = kTabTimeTemp;
  NAdd2Click(f);
  EXPECT_EQ(f.advsgTemp2.RowCount(), 3);
  EXPECT_EQ(f.kxedtTimes, "1");
  f.advsgTemp2.selection = {1, 1, 2, 2};
  NDlt2Click(f);
  EXPECT_EQ(f.advsgTemp2.cells.back(), (Texts{"1", "0", "0.00"}));
  EXPECT_EQ(f.advsgTemp2.RowCount(), 2);
}

}  // namespace
}  // namespace wcthrm::calc::concreteconserve
