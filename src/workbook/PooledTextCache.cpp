#include "workbook/PooledTextCache.h"

namespace kaldoren {

const std::string& PooledTextCache::Of(const Sheet& sheet, const Cell& cell) {
  if (cell.text_index >= forms_.size()) forms_.resize(cell.text_index + 1);
  std::optional<std::string>& form = forms_[cell.text_index];
  if (!form) form = form_(sheet.TextOf(cell));
  return *form;
}

}  // namespace kaldoren
