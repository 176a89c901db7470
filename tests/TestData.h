// TestData: where the tests find their files, and a quick way to build a
// workbook in memory from rows of values.
#pragma once

#include <string>
#include <vector>

#include "base/Value.h"
#include "workbook/Workbook.h"

namespace kaldoren::testing {

// A file under the project's testdata/ folder.
std::string TestDataPath(const std::string& relative);
// A file under the shared folder beside the project (the xls corpus, the
// workbooks); tests that need it skip when it is absent.
std::string SharedPath(const std::string& relative);
bool Exists(const std::string& path);

// Adds a worksheet whose rows are given from the top: row 0 is the header.
// An empty Value leaves the cell out.
Sheet& AddTable(Workbook* workbook, const std::string& sheet_name,
                const std::vector<std::vector<Value>>& rows);

// The value of the cell at row and column of a sheet; empty when there is none.
Value At(const Sheet& sheet, std::uint32_t row, std::uint16_t column);

// Short names for values in tables.
inline Value N(double x) { return Value::Number(x); }
inline Value T(std::string s) { return Value::Text(std::move(s)); }
inline Value D(double day_count) { return Value::Date(day_count); }
inline Value E() { return Value(); }

}  // namespace kaldoren::testing
