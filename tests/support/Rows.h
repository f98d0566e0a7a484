#pragma once
// Labels for the rows of table-driven tests: a failure names its row.
#include <iterator>
#include <string>

namespace winpiruk::test {

// "row N" for the row `row` of the table `table` (counted from 0).
template <typename Table, typename Row>
std::string RowOf(const Table& table, const Row& row) {
  return "row " + std::to_string(&row - &*std::begin(table));
}

}  // namespace winpiruk::test
