// SharedStringsPart: reads xl/sharedStrings.xml into the workbook's
// StringPool, one text per si element in order: its plain t, or the t of all
// its rich-text runs (r) joined; phonetic guides (rPh) are not part of the
// text. Escapes (_xHHHH_) are decoded. The pool index of shared string n is
// first() + n, for n below count().
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "workbook/StringPool.h"
#include "workbook/XmlHandler.h"

namespace kaldoren {

class SharedStringsPart final : public XmlHandler {
 public:
  explicit SharedStringsPart(StringPool* pool) : pool_(pool), first_(pool->size()) {}

  std::uint32_t first() const { return first_; }
  std::uint32_t count() const { return count_; }

  void StartElement(std::string_view name, std::string_view uri,
                    std::span<const XmlAttribute> attributes) override;
  void EndElement(std::string_view name, std::string_view uri) override;
  void Characters(std::string_view text) override;

 private:
  StringPool* pool_;
  std::uint32_t first_;
  std::uint32_t count_ = 0;
  bool in_item_ = false;
  int phonetic_depth_ = 0;
  bool in_text_ = false;
  std::string raw_;
  std::string text_;
};

}  // namespace kaldoren
