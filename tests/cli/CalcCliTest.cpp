// wcthrm-calc's contract: arguments, GBK or UTF-8 input, book or fault, exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/Gbk.h"

namespace {

namespace fs = std::filesystem;

struct Result {
  int exit = -1;
  std::string out, err;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

class CalcCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("wcthrm_cli_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs wcthrm-calc with args; stdin from a file holding input when it is given.
  Result Run(const std::string& args, const std::string* input = nullptr) {
    std::string command = std::string(WCTHRM_CALC) + " " + args;
    if (input) {
      std::ofstream(dir_ / "stdin", std::ios::binary) << *input;
      command += " < " + (dir_ / "stdin").string();
    }
    command += " > " + (dir_ / "out").string() + " 2> " + (dir_ / "err").string();
    Result r;
    int status = std::system(command.c_str());
    r.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadAll(dir_ / "out");
    r.err = ReadAll(dir_ / "err");
    return r;
  }

  // The shipped UTF-8 sample of kind as a GBK file, with one line replaced when asked.
  std::string GbkSample(const std::string& kind, const std::string& key = "",
                        const std::string& value = "") {
    std::string text = ReadAll(fs::path(WCTHRM_SAMPLES) / (kind + ".ini"));
    if (!key.empty()) {
      size_t at = text.find("\n" + key + "=");
      EXPECT_NE(at, std::string::npos) << key;
      size_t end = text.find('\n', at + 1);
      text.replace(at + 1, end - at - 1, key + "=" + value + "\r");
    }
    const fs::path path = dir_ / (kind + "." + key + ".gbk.ini");
    std::ofstream(path, std::ios::binary) << wcthrm::ToGbk(text);
    return path.string();
  }

  fs::path dir_;
};

TEST_F(CalcCli, BookOfEveryTabFromGbkInput) {
  const struct {
    const char* kind;
    int tab;
    const char* book;
  } cases[] = {
      {"ConcreteHeat", 0,
       "耗热量Q＝4.2×1000×2.5×（45－（-5））×（1.2/0.8）\n       ＝787500 kJ/h\n"},
      {"ConcreteHeat", 1,
       "混凝土拌和物出厂温度T$h$＝30－0.5×-10\n                      ＝35℃≤60℃\n可以。\n"},
      {"ConcreteHeat", 2,
       "混凝土拌和物的理论温度T$0$＝[0.92×（300×5＋600×-5＋1300×-5）＋4.2×80×（150－0.03×600－"
       "0.01×1300）＋2.1×（0.03×600×-5＋0.01×1300×-5）－335×（0.03×600＋0.01×1300）]/"
       "[4.2×150＋0.92×（300＋600＋1300）]\n＝8.26℃\n"},
      {"ConcreteHeat", 3,
       "混凝土拌和物的出机温度T$1$＝20－0.16×（20－-10）\n                        ＝15.2 ℃\n"},
      {"ConcreteConserve", 0,
       "混凝土平均温度T$p$＝（0.5×20＋18＋16.5＋15＋13＋0.5×12）/5\n                ＝15.7℃\n"},
      {"ConcreteConserve", 1, "当量时间t$do$＝（20×24＋15×48＋8×72）/20\n           ＝88.8（h或d）\n"},
      {"DepthOfSoil", 0,
       "P＝30×5.5＋20×10\n ＝365\n冻结深度H＝2.5×（365#1/2#＋0.018×365）\n         ＝64.19cm\n"},
      {"DepthOfSoil", 1,
       "P＝31×8.5＋28×12.3＋31×6.2\n ＝800.1\n冻结深度H＝20×（0.004×800.1－10#-6#×800.1#2#）\n"
       "         ＝51.2cm\n"},
      {"DepthOfSoil", 2,
       "P＝500\n冻结深度H＝60×（0.004×500－10#-6#×500#2#）/2－0.5×10\n         ＝47.5cm\n"},
      {"DepthOfSoil", 3,
       "P＝30×7.5＋31×9\n ＝504\nH＝60×（0.004×504－10#-6#×504#2#）\n ＝105.72\n"
       "h＝（105.72－10×1.6＋5×2）/3.2\n ＝24.91cm\n"},
      {"TongTransitIrrigate", 0,
       "砼拌和物运输到浇筑时温度：\nT$2$＝17.3－（0.35×0.25＋0.032×3）×（17.3－（-3.7））\n ＝13.4465℃\n"},
      {"TongTransitIrrigate", 1,
       "砼浇筑成型完时温度：\nT$3$＝（0.96×2400×10＋2.5×50×（-5）＋0.48×100×3）/"
       "（0.96×2400＋2.5×50＋0.48×100）\n＝9.11℃\n"},
  };
  for (const auto& c : cases) {
    const std::string name = std::string(c.kind) + " tab " + std::to_string(c.tab);
    Result r = Run(std::string(c.kind) + " " + std::to_string(c.tab) + " " + GbkSample(c.kind));
    EXPECT_EQ(r.exit, 0) << name << ": " << r.err;
    EXPECT_EQ(r.out, c.book) << name;
    EXPECT_EQ(r.err, "") << name;
  }
}

TEST_F(CalcCli, FailedCheckPrintsMessageAndControl) {
  const struct {
    const char* kind;
    int tab;
    const char* key;
    const char* value;
    const char* message;
    const char* control;
  } cases[] = {
      {"ConcreteHeat", 0, "Clbr", "0", "请输入 0 (不包含) 到 10 (包含) 之间的实数！", "kxedtClbr"},
      {"TongTransitIrrigate", 1, "cf", "0",
       "表格中比热容必须为0（不包括）～10（包括）之间的数值！", "advsgTmpOfFinish(1,1)"},
  };
  for (const auto& c : cases) {
    Result r = Run(std::string(c.kind) + " " + std::to_string(c.tab) + " " +
                   GbkSample(c.kind, c.key, c.value));
    EXPECT_EQ(r.exit, 1) << c.kind << " " << c.key;
    EXPECT_EQ(r.out, std::string(c.message) + "\n") << c.kind << " " << c.key;
    EXPECT_EQ(r.err, std::string(c.control) + "\n") << c.kind << " " << c.key;
  }
}

TEST_F(CalcCli, Utf8AndStandardInputAndKindInAnyCase) {
  const std::string utf8 = ReadAll(fs::path(WCTHRM_SAMPLES) / "DepthOfSoil.ini");
  Result fromStdin = Run("--utf8 depthofsoil 3", &utf8);
  EXPECT_EQ(fromStdin.exit, 0) << fromStdin.err;
  EXPECT_NE(fromStdin.out.find("h＝（105.72－10×1.6＋5×2）/3.2"), std::string::npos);
  Result dash = Run("--utf8 DEPTHOFSOIL 3 -", &utf8);
  EXPECT_EQ(dash.out, fromStdin.out);
  // The same UTF-8 text read as GBK loses its Chinese cell marks: the unknown layer is gone.
  Result asGbk = Run("DepthOfSoil 3", &utf8);
  EXPECT_EQ(asGbk.exit, 1);
}

TEST_F(CalcCli, UsageAndFileErrorsExitTwo) {
  const std::string corrupt = "[ConcreteConserve information]\r\nMyTimes=abc\r\n";
  const struct {
    const char* args;
    const std::string* input;
    const char* says;
  } cases[] = {
      {"", nullptr, "expected KIND TAB"},
      {"ConcreteHeat", nullptr, "expected KIND TAB"},
      {"Nothing 0 x", nullptr, "unknown KIND 'Nothing'"},
      {"ConcreteHeat 4 x", nullptr, "must be 0 to 3"},
      {"ConcreteHeat -1 x", nullptr, "unknown option '-1'"},
      {"ConcreteHeat one x", nullptr, "must be 0 to 3"},
      {"ConcreteHeat 0 /no/such/file", nullptr, "cannot read '/no/such/file'"},
      {"ConcreteHeat 0 a b", nullptr, "expected KIND TAB"},
      {"--bogus ConcreteHeat 0", nullptr, "unknown option '--bogus'"},
      {"ConcreteConserve 0", &corrupt,
       "wcthrm-calc: standard input: 'MyTimes' in [ConcreteConserve information]: 'abc' is not "
       "an integer\n"},
  };
  for (const auto& c : cases) {
    Result r = Run(c.args, c.input);
    EXPECT_EQ(r.exit, 2) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << ": " << r.err;
  }
}

// A value that does not convert must never yield a book from the item's built-in values.
TEST_F(CalcCli, ValueThatDoesNotConvertIsAnInputError) {
  const struct {
    const char* kind;
    int tab;
    const char* key;
    const char* value;
    const char* says;
  } cases[] = {
      {"ConcreteHeat", 0, "Clbr", "4,2", "'Clbr' in [ConcreteHeat information]: '4,2' is not a number"},
      {"ConcreteHeat", 1, "Yll", "2.5x", "'Yll' in [ConcreteHeat information]: '2.5x' is not a number"},
      {"ConcreteConserve", 0, "MyTemp", "1e999",
       "'MyTemp' in [ConcreteConserve information]: '1e999' is not a number"},
      {"ConcreteConserve", 1, "CalTime", "maybe",
       "'CalTime' in [ConcreteConserve information]: 'maybe' is not True or False"},
      {"DepthOfSoil", 0, "Djxs1", "2..5", "'Djxs1' in [DepthOfSoil information]: '2..5' is not a number"},
      {"DepthOfSoil", 3, "Count4", "99999",
       "'Count4' in [DepthOfSoil information]: '99999' is more than the 10000 rows a table may have"},
      {"TongTransitIrrigate", 0, "Cjwd", "0x10",
       "'Cjwd' in [TongTransitIrrigate information]: '0x10' is not a number"},
      {"TongTransitIrrigate", 0, "Yzcs", "2.5",
       "'Yzcs' in [TongTransitIrrigate information]: '2.5' is not an integer"},
  };
  for (const auto& c : cases) {
    const std::string path = GbkSample(c.kind, c.key, c.value);
    Result r = Run(std::string(c.kind) + " " + std::to_string(c.tab) + " " + path);
    EXPECT_EQ(r.exit, 2) << c.key;
    EXPECT_EQ(r.out, "") << c.key;
    EXPECT_EQ(r.err, "wcthrm-calc: '" + path + "': " + c.says + "\n") << c.key;
  }
}

TEST_F(CalcCli, InputThatCannotServeIsRefusedWithItsReason) {
  const std::string heat = GbkSample("ConcreteHeat");
  fs::create_directories(dir_ / "folder");
  const fs::path huge = dir_ / "huge.ini";
  std::ofstream(huge, std::ios::binary) << "[DepthOfSoil information]\r\n";
  fs::resize_file(huge, (std::uintmax_t{64} << 20) + 1);  // sparse: nothing is written
  const struct {
    const char* name;
    std::string args;
    std::string says;
  } cases[] = {
      {"other kind's file", "DepthOfSoil 0 " + heat,
       "wcthrm-calc: no section [DepthOfSoil information] in '" + heat + "'\n"},
      {"empty input", "DepthOfSoil 0 -",
       "wcthrm-calc: no section [DepthOfSoil information] in standard input\n"},
      {"folder", "ConcreteHeat 0 " + (dir_ / "folder").string(),
       "wcthrm-calc: cannot read '" + (dir_ / "folder").string() + "': Is a directory\n"},
      {"above 64 MiB", "DepthOfSoil 0 " + huge.string(),
       "wcthrm-calc: '" + huge.string() + "' is larger than the 64 MiB an INPUT may hold\n"},
  };
  const std::string empty;
  for (const auto& c : cases) {
    Result r = Run(c.args, &empty);
    EXPECT_EQ(r.exit, 2) << c.name;
    EXPECT_EQ(r.out, "") << c.name;
    EXPECT_EQ(r.err, c.says) << c.name;
  }
}

TEST_F(CalcCli, Utf8ByteOrderMarkIsSkipped) {
  const std::string utf8 = ReadAll(fs::path(WCTHRM_SAMPLES) / "ConcreteHeat.ini");
  const std::string marked = "\xEF\xBB\xBF" + utf8;
  Result plain = Run("--utf8 ConcreteHeat 0", &utf8);
  Result withMark = Run("--utf8 ConcreteHeat 0", &marked);
  EXPECT_EQ(withMark.exit, 0) << withMark.err;
  EXPECT_EQ(withMark.out, plain.out);
  EXPECT_NE(plain.out.find("787500"), std::string::npos);
}

// A result printed in full comes from the texts in extended precision: an exact decimal result
// prints without a stray last digit of a first rounding to double.
TEST_F(CalcCli, FullResultsCarryNoStrayDigit) {
  const std::string input =
      "[TongTransitIrrigate information]\nCjwd=43.9\nWdssxs=0.17\nYsdjzdsj=3\nYzcs=3\nHjwd=-29\n";
  Result r = Run("--utf8 TongTransitIrrigate 0", &input);
  EXPECT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out,
            "砼拌和物运输到浇筑时温度：\nT$2$＝43.9－（3×0.17＋0.032×3）×（43.9－（-29））\n"
            " ＝-0.2774℃\n");
}

// The period table's cells are numbers by the ordinary conversion: "+5", ".5" and "1e2" are,
// and a text that does not convert gets the cell's own message.
TEST_F(CalcCli, PeriodCellsTakeEveryNumberTheConversionTakes) {
  const struct {
    const char* name;
    const char* key;
    const char* value;
    int exit;
    const char* out;
  } cases[] = {
      {"signed duration", "slDlwdsj1", "+24", 0,
       "当量时间t$do$＝（20×+24＋15×48＋8×72）/20\n           ＝88.8（h或d）\n"},
      {"duration without a leading digit", "slDlwdsj3", ".25", 0,
       "当量时间t$do$＝（20×24＋15×.25＋8×72）/20\n           ＝52.99（h或d）\n"},
      {"duration with an exponent", "slDlwdsj5", "1e2", 0,
       "当量时间t$do$＝（20×24＋15×48＋8×1e2）/20\n           ＝100（h或d）\n"},
      {"temperature with a sign", "slDlwdsj2", "+15", 0,
       "当量时间t$do$＝（20×24＋+15×48＋8×72）/20\n           ＝88.8（h或d）\n"},
      {"no number", "slDlwdsj1", "2-4", 1, "时间ti（h或d）必须为 0 (不包含) 到 10000 (包含) 之间的实数！\n"},
      {"lone sign", "slDlwdsj0", "-", 1, "平均温度Tpi必须为 5 (包含) 到 80 (包含) 之间的实数！\n"},
  };
  for (const auto& c : cases) {
    Result r = Run("ConcreteConserve 1 " + GbkSample("ConcreteConserve", c.key, c.value));
    EXPECT_EQ(r.exit, c.exit) << c.name << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.name;
  }
}

TEST_F(CalcCli, HelpDescribesTheContract) {
  Result r = Run("--help");
  EXPECT_EQ(r.exit, 0);
  for (const char* part : {"wcthrm-calc [--utf8] KIND TAB [INPUT]", "advsgTmpOfFinish(1,1)",
                           "ConcreteHeat (TAB 0 to 3)", "TongTransitIrrigate (TAB 0 to 1)"})
    EXPECT_NE(r.out.find(part), std::string::npos) << part;
}

}  // namespace
