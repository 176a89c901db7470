#include "workbook/QueryEngine.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "base/Text.h"
#include "workbook/SheetRecordset.h"
#include "workbook/SqlEvaluator.h"
#include "workbook/SqlParser.h"
#include "workbook/SqlStatement.h"
#include "workbook/TableRecordset.h"

namespace kaldoren {
namespace {

using Columns = std::vector<std::unique_ptr<SqlExpression>>;

// The keys of GROUP BY or ORDER BY for a list of records, taken once: a key
// of a plain column stays valid as long as the sheet.
class KeyTable {
 public:
  KeyTable(SqlEvaluator& evaluator, const Columns& columns, const std::vector<size_t>& records)
      : width_(columns.size()), count_(records.size()) {
    keys_.reserve(width_ * records.size());
    for (const size_t record : records) {
      evaluator.StartRecord(record);
      for (const auto& column : columns) keys_.push_back(evaluator.Evaluate(*column));
    }
  }

  // Positions 0..n-1 of the records in ascending key order; equal keys keep
  // their order.
  std::vector<size_t> StableOrder() const {
    std::vector<size_t> order(count_);
    std::iota(order.begin(), order.end(), size_t{0});
    if (width_ == 0) return order;
    std::stable_sort(order.begin(), order.end(),
                     [this](size_t a, size_t b) { return Compare(a, b) < 0; });
    return order;
  }

  int Compare(size_t a, size_t b) const {
    for (size_t k = 0; k < width_; ++k) {
      const int c = SqlEvaluator::Order(keys_[a * width_ + k], keys_[b * width_ + k]);
      if (c != 0) return c;
    }
    return 0;
  }

 private:
  size_t width_;
  size_t count_;
  std::vector<SqlDatum> keys_;
};

// Calls f on every node of a tree, operands first.
template <typename F>
void ForEachNode(SqlExpression& e, const F& f) {
  for (auto& operand : e.operands) ForEachNode(*operand, f);
  f(e);
}

// One query over one sheet: planning (columns resolved to sheet indexes,
// grouping checked) and running.
class Query {
 public:
  Query(const Sheet& sheet, SqlStatement& statement)
      : sheet_(sheet), statement_(statement), evaluator_(sheet) {}

  Status Plan() {
    Status status = ResolveColumns();
    if (!status.ok()) return status;
    grouped_ = !statement_.group_by.empty() ||
               std::any_of(statement_.items.begin(), statement_.items.end(),
                           [](const SqlSelectItem& i) { return i.expression->IsAggregate(); });
    return grouped_ ? CheckGrouping() : Status::Ok();
  }

  std::unique_ptr<Recordset> Run() {
    std::vector<size_t> records = Filter();
    if (grouped_) return Groups(records);
    Permute(KeyTable(evaluator_, statement_.order_by, records).StableOrder(), &records);
    KeepTop(&records);
    if (statement_.all_columns) {
      return std::make_unique<SheetRecordset>(sheet_, std::move(records),
                                              SheetRecordset::AllColumns(sheet_));
    }
    if (OnlyColumns()) {
      std::vector<SheetRecordset::Column> columns;
      for (const SqlSelectItem& item : statement_.items) {
        columns.push_back({item.name, item.expression->column});
      }
      return std::make_unique<SheetRecordset>(sheet_, std::move(records), std::move(columns));
    }
    std::vector<std::vector<Value>> rows;
    for (const size_t record : records) rows.push_back(Row(record, {}));
    return std::make_unique<TableRecordset>(Names(), std::move(rows));
  }

 private:
  // Every column the statement names must be in the sheet, before any row is
  // read.
  Status ResolveColumns() {
    Status status;
    const auto resolve = [&](SqlExpression& e) {
      if (e.node != SqlNode::Column || !status.ok()) return;
      e.column = sheet_.FindColumn(e.word);
      if (e.column < 0) {
        status = Status::Error(QueryEngine::kColumnaInexistente,
                               "La hoja " + Text::Upper(statement_.table) +
                                   " no tiene la columna " + e.word);
      }
    };
    for (SqlSelectItem& item : statement_.items) ForEachNode(*item.expression, resolve);
    if (statement_.where) ForEachNode(*statement_.where, resolve);
    for (auto& c : statement_.group_by) ForEachNode(*c, resolve);
    for (auto& c : statement_.order_by) ForEachNode(*c, resolve);
    return status;
  }

  // Outside COUNT and SUM, a grouped query shows only grouped columns.
  Status CheckGrouping() const {
    if (statement_.all_columns) return QueryEngine::Rejection("no se admite * con GROUP BY");
    Status status;
    const auto grouped = [&](SqlExpression& e) {
      if (e.node != SqlNode::Column || !status.ok()) return;
      const bool found = std::any_of(
          statement_.group_by.begin(), statement_.group_by.end(),
          [&](const std::unique_ptr<SqlExpression>& g) { return g->column == e.column; });
      if (!found) status = QueryEngine::Rejection("la columna " + e.word + " no está en GROUP BY");
    };
    for (const SqlSelectItem& item : statement_.items) {
      if (!item.expression->IsAggregate()) ForEachNode(*item.expression, grouped);
    }
    for (auto& c : statement_.order_by) ForEachNode(*c, grouped);
    return status;
  }

  std::vector<size_t> Filter() {
    std::vector<size_t> records;
    const size_t count = sheet_.RecordCount();
    records.reserve(count);
    for (size_t r = 0; r < count; ++r) {
      if (statement_.where) {
        evaluator_.StartRecord(r);
        if (evaluator_.Test(*statement_.where) != SqlTruth::True) continue;
      }
      records.push_back(r);
    }
    return records;
  }

  // GROUP BY: the filtered records in ascending key order, cut where the key
  // changes; one result row per group, in key order (then ORDER BY).
  std::unique_ptr<Recordset> Groups(const std::vector<size_t>& filtered) {
    const KeyTable keys(evaluator_, statement_.group_by, filtered);
    const std::vector<size_t> order = keys.StableOrder();
    std::vector<std::vector<size_t>> groups;
    for (size_t i = 0; i < order.size(); ++i) {
      if (i == 0 || keys.Compare(order[i - 1], order[i]) != 0) groups.emplace_back();
      groups.back().push_back(filtered[order[i]]);
    }
    // Aggregates without GROUP BY make one group, also of no record.
    if (statement_.group_by.empty() && groups.empty()) groups.emplace_back();
    std::vector<size_t> firsts;
    for (const auto& g : groups) firsts.push_back(g.empty() ? 0 : g.front());
    Permute(KeyTable(evaluator_, statement_.order_by, firsts).StableOrder(), &groups);
    KeepTop(&groups);
    std::vector<std::vector<Value>> rows;
    for (const auto& g : groups) rows.push_back(Row(g.empty() ? 0 : g.front(), g));
    return std::make_unique<TableRecordset>(Names(), std::move(rows));
  }

  // The result row of a record (an ungrouped query) or of a group whose first
  // record it is.
  std::vector<Value> Row(size_t record, const std::vector<size_t>& group) {
    std::vector<Value> row;
    for (const SqlSelectItem& item : statement_.items) {
      if (item.expression->IsAggregate()) {
        row.push_back(Aggregate(*item.expression, group));
      } else {
        evaluator_.StartRecord(record);
        row.push_back(evaluator_.Evaluate(*item.expression).ToValue());
      }
    }
    return row;
  }

  // COUNT counts non-empty values; SUM adds numbers and numeric texts and is
  // empty when it added nothing.
  Value Aggregate(const SqlExpression& call, const std::vector<size_t>& group) {
    double total = 0;
    bool added = false;
    for (const size_t record : group) {
      evaluator_.StartRecord(record);
      const SqlDatum d = evaluator_.Evaluate(*call.operands[0]);
      double x = 0;
      if (call.function == SqlFunction::Count) {
        total += d.IsEmpty() ? 0 : 1;
      } else if (d.AsNumber(&x)) {
        total += x;
        added = true;
      }
    }
    if (call.function == SqlFunction::Sum && !added) return Value();
    return Value::Number(total);
  }

  template <typename T>
  static void Permute(const std::vector<size_t>& order, std::vector<T>* items) {
    std::vector<T> sorted;
    sorted.reserve(order.size());
    for (const size_t i : order) sorted.push_back(std::move((*items)[i]));
    items->swap(sorted);
  }

  template <typename T>
  void KeepTop(std::vector<T>* items) const {
    if (statement_.top > 0 && items->size() > statement_.top) items->resize(statement_.top);
  }

  bool OnlyColumns() const {
    return std::all_of(statement_.items.begin(), statement_.items.end(),
                       [](const SqlSelectItem& i) { return i.expression->node == SqlNode::Column; });
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const SqlSelectItem& item : statement_.items) names.push_back(item.name);
    return names;
  }

  const Sheet& sheet_;
  SqlStatement& statement_;
  SqlEvaluator evaluator_;
  bool grouped_ = false;
};

}  // namespace

Status QueryEngine::Run(const Workbook& workbook, std::string_view sql,
                        std::unique_ptr<Recordset>* out) {
  SqlStatement statement;
  Status status = SqlParser::Parse(sql, &statement);
  if (!status.ok()) return status;
  const Sheet* sheet = workbook.FindTable(statement.table);
  if (sheet == nullptr) {
    return Status::Error(kHojaInexistente,
                         "El libro no tiene la hoja " + Text::Upper(statement.table));
  }
  Query query(*sheet, statement);
  status = query.Plan();
  if (!status.ok()) return status;
  *out = query.Run();
  return Status::Ok();
}

Status QueryEngine::Rejection(const std::string& detail) {
  return Status::Error(kConsultaNoAdmitida, "Consulta no admitida: " + detail);
}

}  // namespace kaldoren
