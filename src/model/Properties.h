// The named values of an item kind as one table: each row an entry name and the member it
// lives in. Writing a kind's list and reading it back run through these two functions; what
// differs between kinds (stop at the first failure or assign nothing, finite numbers only,
// negative row counts) is a ReadRules parameter.
#pragma once

#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/uBaseClass.h"
#include "support/Errors.h"
#include "support/NumberText.h"

namespace wcthrm {

// Stored table rows come from files and lists we do not control: above this a count is no
// count, so a hostile file cannot exhaust memory.
inline constexpr int32_t kMaxRowCount = 10000;

// count, or a ConversionError when it is above kMaxRowCount.
inline int32_t GuardedRowCount(int32_t count) {
  if (count > kMaxRowCount) {
    const std::string limit = IntToText(kMaxRowCount);
    throw ConversionError(IntToText(count), "is more than the " + limit + " rows a table may have",
                          "is not a valid row count (at most " + limit + ")");
  }
  return count;
}

template <class Item>
struct Property {
  const char* name;
  std::variant<bool Item::*, int32_t Item::*, double Item::*, std::string Item::*> member;
  bool rowCount = false;  // an integer that sizes a stored table: GuardedRowCount applies
};

struct ReadRules {
  bool allOrNothing = false;        // convert every value first; one failure assigns nothing
  bool finiteDoubles = false;       // a double must be finite
  bool negativeRowsAsZero = false;  // a row count below 0 reads as 0
};

// Appends one entry per property, in table order.
template <class Item>
void WriteProperties(TMyList& list, const Item& item, std::span<const Property<Item>> table) {
  for (const Property<Item>& p : table)
    std::visit([&](auto member) { list.Add(p.name, Variant(item.*member)); }, p.member);
}

// Reads each property from the list's last entry of its name (an absent entry reads as
// empty). A value that does not convert throws ConversionError naming the entry; what was
// assigned before it stays unless rules.allOrNothing.
template <class Item>
void ReadProperties(const TMyList& list, Item& item, std::span<const Property<Item>> table,
                    ReadRules rules) {
  // The value in the member's own type, as a Variant of that kind.
  auto convert = [&](const Property<Item>& p) -> Variant {
    Variant v;
    list.GetValue(p.name, v);
    return ConvertNamed(p.name, [&] {
      return std::visit(
          [&](auto member) -> Variant {
            using T = std::remove_reference_t<decltype(item.*member)>;
            if constexpr (std::is_same_v<T, bool>) {
              return Variant(v.ToBool());
            } else if constexpr (std::is_same_v<T, int32_t>) {
              int32_t n = v.ToInt();
              if (p.rowCount) {
                n = GuardedRowCount(n);
                if (rules.negativeRowsAsZero && n < 0) n = 0;
              }
              return Variant(n);
            } else if constexpr (std::is_same_v<T, double>) {
              const double d = v.ToDouble();
              if (rules.finiteDoubles && !std::isfinite(d))
                throw ConversionError(NumberText(d), "is not a finite number",
                                      "is not a valid floating point value");
              return Variant(d);
            } else {
              return Variant(v.ToText());
            }
          },
          p.member);
    });
  };
  auto assign = [&](const Property<Item>& p, const Variant& v) {
    std::visit(
        [&](auto member) {
          using T = std::remove_reference_t<decltype(item.*member)>;
          if constexpr (std::is_same_v<T, bool>) {
            item.*member = v.ToBool();
          } else if constexpr (std::is_same_v<T, int32_t>) {
            item.*member = v.ToInt();
          } else if constexpr (std::is_same_v<T, double>) {
            item.*member = v.ToDouble();
          } else {
            item.*member = v.TextView();
          }
        },
        p.member);
  };
  if (!rules.allOrNothing) {
    for (const Property<Item>& p : table) assign(p, convert(p));
    return;
  }
  std::vector<Variant> values;
  values.reserve(table.size());
  for (const Property<Item>& p : table) values.push_back(convert(p));
  for (size_t i = 0; i < table.size(); ++i) assign(table[i], values[i]);
}

// A stored table: one text entry per cell, named prefix + the cell's index, row by row.
void WriteCells(TMyList& list, std::string_view prefix, const std::vector<std::string>& cells);
// The first n cells of a stored table; a cell the list lacks reads as an empty text.
void ReadCells(const TMyList& list, std::string_view prefix, size_t n,
               std::vector<std::string>& cells);

}  // namespace wcthrm
