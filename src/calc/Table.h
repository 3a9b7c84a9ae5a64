// One input table as its grid holds it, for every table of the four dialogs: cells in the
// grid's own numbering (row 0 the fixed header row, column 0 the fixed row-number column),
// the data rows, and the selection. The Qt dialogs have one adapter between this and a grid.
#pragma once

#include <string>
#include <vector>

namespace wcthrm::calc {

// A grid selection in grid coordinates, corners included.
struct CellRange {
  int left = 1;
  int top = 1;
  int right = 1;
  int bottom = 1;
  bool operator==(const CellRange&) const = default;
};

struct Table {
  std::vector<std::vector<std::string>> cells;  // cells[row][col]
  CellRange selection;

  // cols x rows empty cells, header row and column included.
  static Table Sized(int cols, int rows);

  int RowCount() const { return static_cast<int>(cells.size()); }
  int ColCount() const { return cells.empty() ? 0 : static_cast<int>(cells.front().size()); }
  int DataRows() const { return RowCount() > 0 ? RowCount() - 1 : 0; }

  // A cell inside the grid; std::out_of_range outside it.
  std::string& At(int col, int row) { return cells.at(row).at(col); }
  const std::string& At(int col, int row) const { return cells.at(row).at(col); }
  // A cell anywhere: outside the grid it reads as an empty text and a write is ignored.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);

  bool operator==(const Table&) const = default;
};

}  // namespace wcthrm::calc
