#include "calc/Table.h"

namespace wcthrm::calc {

Table Table::Sized(int cols, int rows) {
  Table t;
  t.cells.assign(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols)));
  return t;
}

const std::string& Table::Cell(int col, int row) const {
  static const std::string empty;
  if (row < 0 || row >= RowCount() || col < 0) return empty;
  const auto& r = cells[static_cast<size_t>(row)];
  return col < static_cast<int>(r.size()) ? r[static_cast<size_t>(col)] : empty;
}

void Table::SetCell(int col, int row, std::string text) {
  if (row < 0 || row >= RowCount() || col < 0) return;
  auto& r = cells[static_cast<size_t>(row)];
  if (col < static_cast<int>(r.size())) r[static_cast<size_t>(col)] = std::move(text);
}

}  // namespace wcthrm::calc
