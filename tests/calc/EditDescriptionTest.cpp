// The range message every numeric edit and its check share, built from the edit's settings.
#include <gtest/gtest.h>

#include "calc/EditDescription.h"
#include "calc/Table.h"
#include "support/Errors.h"

namespace wcthrm::calc {
namespace {

EditSettings Real(Bound lo, Bound hi, int decimals = 2) {
  EditSettings s;
  s.lower = lo;
  s.upper = hi;
  s.decimals = decimals;
  return s;
}

EditSettings Whole(Bound lo, Bound hi) {
  EditSettings s = Real(lo, hi);
  s.integer = true;
  return s;
}

TEST(RangeMessage, FromTheBounds) {
  EditSettings lowerOnly = Real({0, false}, {0, true});
  lowerOnly.upperApplies = false;
  EditSettings wholeSaidReal = Whole({-50, true}, {5, true});
  wholeSaidReal.realMessage = true;
  EditSettings wholeLowerOnly = Whole({3, true}, {0, true});
  wholeLowerOnly.upperApplies = false;
  const struct {
    const char* name;
    EditSettings settings;
    const char* message;
  } cases[] = {
      {"real, lower open", Real({0, false}, {10, true}), "请输入 0 (不包含) 到 10 (包含) 之间的实数！"},
      {"real, negative lower", Real({-50, true}, {5, true}), "请输入 -50 (包含) 到 5 (包含) 之间的实数！"},
      {"real, upper open", Real({0, true}, {100, false}), "请输入 0 (包含) 到 100 (不包含) 之间的实数！"},
      {"real, both open", Real({0, false}, {1, false}), "请输入 0 (不包含) 到 1 (不包含) 之间的实数！"},
      {"real, bounds rounded to the decimals", Real({0.125, true}, {2.5, true}, 1),
       "请输入 0.1 (包含) 到 2.5 (包含) 之间的实数！"},
      {"whole", Whole({1, true}, {100, true}), "请输入 1 (包含) 到 100 (包含) 之间的整数！"},
      {"whole, upper open", Whole({1, true}, {10, false}),
       "请输入 1 (包含) 到 10 (不包含) 之间的整数，包含最小值，不包含最大值！"},
      {"whole, lower open", Whole({0, false}, {10, true}), "请输入 0 (不包含) 到 10 (包含) 之间的整数！"},
      {"whole edit, real wording", wholeSaidReal, "请输入 -50 (包含) 到 5 (包含) 之间的实数！"},
      {"lower bound only", lowerOnly, "请输入大于 0 的实数！"},
      {"whole lower bound only", wholeLowerOnly, "请输入大于 3 的整数！"},
  };
  for (const auto& c : cases) EXPECT_EQ(RangeMessage(c.settings), c.message) << c.name;
}

struct Form {
  std::string kxedtA, kxedtB;
};

TEST(EditDescription, ChecksOneTabInOrderWithItsMessage) {
  const EditDescription<Form> edits[] = {
      {"kxedtA", &Form::kxedtA, 0, Real({0, false}, {10, true})},
      {"kxedtB", &Form::kxedtB, 1, Whole({1, true}, {3, true})},
  };
  Form form{"5", "4"};
  EXPECT_EQ(CheckTabEdits(form, edits, 0), std::nullopt);
  const CheckResult fault = CheckTabEdits(form, edits, 1);
  ASSERT_TRUE(fault.has_value());
  EXPECT_EQ(fault->Where(), "kxedtB");
  EXPECT_EQ(fault->message, "请输入 1 (包含) 到 3 (包含) 之间的整数！");
  form.kxedtA = "";
  EXPECT_EQ(CheckTabEdits(form, edits, 0)->Where(), "kxedtA");
}

TEST(EditDescription, WholeNumbersAndTheUpperBound) {
  EditSettings whole = Whole({1, true}, {3, true});
  EditSettings wholeAsReal = whole;
  wholeAsReal.realMessage = true;
  EditSettings noUpper = Real({0, false}, {1, true});
  noUpper.upperApplies = false;
  const struct {
    const char* name;
    EditSettings settings;
    const char* text;
    bool passes;
  } cases[] = {
      {"whole number", whole, "2", true},
      {"fraction in a whole-number edit", whole, "1.5", false},
      {"blanks around a whole number", whole, " 2 ", true},
      {"fraction where the check takes reals", wholeAsReal, "1.5", true},
      {"above an upper bound that does not apply", noUpper, "1e6", true},
      {"below the lower bound", noUpper, "0", false},
  };
  for (const auto& c : cases) {
    const CheckResult fault = CheckEdit("kxedt", c.text, c.settings);
    EXPECT_EQ(!fault.has_value(), c.passes) << c.name;
    if (fault) {
      EXPECT_EQ(fault->message, RangeMessage(c.settings)) << c.name;
    }
  }
}

TEST(RequireTab, OutsideTheTabsIsAnError) {
  EXPECT_NO_THROW(RequireTab(0, 2, "kind"));
  EXPECT_NO_THROW(RequireTab(1, 2, "kind"));
  EXPECT_THROW(RequireTab(2, 2, "kind"), RangeError);
  EXPECT_THROW(RequireTab(-1, 2, "kind"), RangeError);
}

TEST(Table, CellsInsideAndOutsideTheGrid) {
  Table t = Table::Sized(3, 2);
  EXPECT_EQ(t.ColCount(), 3);
  EXPECT_EQ(t.DataRows(), 1);
  t.At(2, 1) = "x";
  EXPECT_EQ(t.Cell(2, 1), "x");
  EXPECT_EQ(t.cells[1][2], "x");  // row-major
  EXPECT_EQ(t.Cell(5, 1), "");
  t.SetCell(1, 9, "ignored");
  EXPECT_THROW(t.At(3, 0), std::out_of_range);
}

}  // namespace
}  // namespace wcthrm::calc
