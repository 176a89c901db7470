#include "query/QueryEngine.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "base/Text.h"
#include "query/SheetRecordset.h"
#include "query/SqlEvaluator.h"
#include "query/SqlParser.h"
#include "query/SqlSortKeys.h"
#include "query/SqlStatement.h"
#include "query/TableRecordset.h"

namespace kaldoren {
namespace {

// Calls f on every node of a tree, operands first.
template <typename F>
void ForEachNode(SqlExpression& e, const F& f) {
  for (auto& operand : e.operands) ForEachNode(*operand, f);
  f(e);
}

// Reorders items as order says: the new i-th item is the old order[i]-th.
template <typename T>
void Permute(const std::vector<size_t>& order, std::vector<T>* items) {
  std::vector<T> sorted;
  sorted.reserve(order.size());
  for (const size_t i : order) sorted.push_back(std::move((*items)[i]));
  items->swap(sorted);
}

std::vector<size_t> Positions(size_t count) {
  std::vector<size_t> positions(count);
  std::iota(positions.begin(), positions.end(), size_t{0});
  return positions;
}

// What the records of a group add to an aggregate.
struct Total {
  double value = 0;
  bool counted = false;  // some record added to it
};

// A group of a grouped query: its first record and its aggregates' totals.
struct Group {
  size_t position = 0;  // the first record's position among the kept records
  size_t record = 0;    // the first record
  std::vector<Total> totals;
};

// One query over one sheet: planning (columns resolved to sheet indexes,
// grouping checked) and running.
class Query {
 public:
  Query(const Sheet& sheet, SqlStatement& statement)
      : sheet_(sheet),
        statement_(statement),
        evaluator_(sheet),
        keys_(statement.group_by.empty() ? statement.order_by : statement.group_by) {}

  Status Plan() {
    Status status = ResolveColumns();
    if (!status.ok()) return status;
    for (const SqlSelectItem& item : statement_.items) {
      if (item.expression->IsAggregate()) aggregates_.push_back(item.expression.get());
    }
    grouped_ = !statement_.group_by.empty() || !aggregates_.empty();
    return grouped_ ? CheckGrouping() : Status::Ok();
  }

  std::unique_ptr<Recordset> Run() {
    Scan();
    return grouped_ ? GroupResult() : RecordResult();
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
        status = Status::Error(
            QueryEngine::kColumnaInexistente,
            "La hoja " + Text::Upper(statement_.table) + " no tiene la columna " + e.word);
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

  // One pass over the sheet: each record the WHERE condition keeps gives,
  // while its cells are at hand, its sort or group keys and what it adds to
  // its group's aggregates.
  void Scan() {
    const size_t count = sheet_.RecordCount();
    kept_.reserve(count);
    for (size_t r = 0; r < count; ++r) {
      evaluator_.StartRecord(r);
      if (statement_.where && evaluator_.Test(*statement_.where) != SqlTruth::True) continue;
      kept_.push_back(r);
      keys_.Add(evaluator_);
      if (grouped_) AddToGroup(keys_.GroupOfLast());
    }
  }

  // COUNT counts non-empty values; SUM adds numbers and numeric texts.
  void AddToGroup(size_t group) {
    if (group == groups_.size()) {
      groups_.push_back({kept_.size() - 1, kept_.back(), std::vector<Total>(aggregates_.size())});
    }
    std::vector<Total>& totals = groups_[group].totals;
    for (size_t a = 0; a < aggregates_.size(); ++a) {
      const SqlExpression& argument = *aggregates_[a]->operands[0];
      double x = 1;
      if (aggregates_[a]->function == SqlFunction::Count
              ? !evaluator_.IsEmpty(argument)
              : evaluator_.Evaluate(argument).AsNumber(&x)) {
        totals[a].value += x;
        totals[a].counted = true;
      }
    }
  }

  // An ungrouped query: the kept records in ORDER BY order.
  std::unique_ptr<Recordset> RecordResult() {
    std::vector<size_t> order = Positions(kept_.size());
    keys_.Sort(&order);
    Permute(order, &kept_);
    KeepTop(&kept_);
    if (statement_.all_columns) {
      return std::make_unique<SheetRecordset>(sheet_, std::move(kept_),
                                              SheetRecordset::AllColumns(sheet_));
    }
    if (OnlyColumns()) {
      std::vector<SheetRecordset::Column> columns;
      for (const SqlSelectItem& item : statement_.items) {
        columns.push_back({item.name, item.expression->column});
      }
      return std::make_unique<SheetRecordset>(sheet_, std::move(kept_), std::move(columns));
    }
    std::vector<std::vector<Value>> rows;
    for (const size_t record : kept_) rows.push_back(Row(record, nullptr));
    return std::make_unique<TableRecordset>(Names(), std::move(rows));
  }

  // A grouped query: one row per group in ascending GROUP BY order, then in
  // ORDER BY order. Aggregates without GROUP BY make one group, also of no
  // record (whose columns are then empty).
  std::unique_ptr<Recordset> GroupResult() {
    if (groups_.empty() && statement_.group_by.empty()) {
      groups_.push_back({0, sheet_.RecordCount(), std::vector<Total>(aggregates_.size())});
    }
    SortGroups();
    OrderGroups();
    KeepTop(&groups_);
    std::vector<std::vector<Value>> rows;
    for (const Group& g : groups_) rows.push_back(Row(g.record, &g.totals));
    return std::make_unique<TableRecordset>(Names(), std::move(rows));
  }

  // Groups were numbered as met, so their first positions ascend.
  void SortGroups() {
    std::vector<size_t> firsts;
    for (const Group& g : groups_) firsts.push_back(g.position);
    std::vector<size_t> sorted = firsts;
    keys_.Sort(&sorted);
    std::vector<size_t> order;
    for (const size_t p : sorted) {
      order.push_back(
          static_cast<size_t>(std::lower_bound(firsts.begin(), firsts.end(), p) - firsts.begin()));
    }
    Permute(order, &groups_);
  }

  // ORDER BY of a grouped query, by the keys of each group's first record.
  void OrderGroups() {
    if (statement_.order_by.empty()) return;
    SqlSortKeys keys(statement_.order_by);
    for (const Group& g : groups_) {
      evaluator_.StartRecord(g.record);
      keys.Add(evaluator_);
    }
    std::vector<size_t> order = Positions(groups_.size());
    keys.Sort(&order);
    Permute(order, &groups_);
  }

  // The values of the SELECT list on a record; aggregates take the totals of
  // the group the record stands for (SUM is empty when it added nothing).
  std::vector<Value> Row(size_t record, const std::vector<Total>* totals) {
    evaluator_.StartRecord(record);
    std::vector<Value> row;
    size_t a = 0;
    for (const SqlSelectItem& item : statement_.items) {
      const SqlExpression& e = *item.expression;
      if (!e.IsAggregate()) {
        row.push_back(evaluator_.Evaluate(e).ToValue());
        continue;
      }
      const Total& total = (*totals)[a++];
      const bool empty = e.function == SqlFunction::Sum && !total.counted;
      row.push_back(empty ? Value() : Value::Number(total.value));
    }
    return row;
  }

  template <typename T>
  void KeepTop(std::vector<T>* items) const {
    if (statement_.top > 0 && items->size() > statement_.top) items->resize(statement_.top);
  }

  bool OnlyColumns() const {
    return std::all_of(
        statement_.items.begin(), statement_.items.end(),
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
  // The keys of GROUP BY when grouped, else of ORDER BY, of the kept records.
  SqlSortKeys keys_;
  std::vector<const SqlExpression*> aggregates_;  // COUNT and SUM of the SELECT list
  bool grouped_ = false;
  std::vector<size_t> kept_;   // the records WHERE keeps, in sheet order
  std::vector<Group> groups_;  // grouped queries, in the order first met
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
