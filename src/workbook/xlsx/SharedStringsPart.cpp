#include "workbook/xlsx/SharedStringsPart.h"

#include "workbook/xlsx/XlsxText.h"

namespace kaldoren {

void SharedStringsPart::StartElement(std::string_view name, std::string_view,
                                     std::span<const XmlAttribute>) {
  if (name == "si") {
    in_item_ = true;
    text_.clear();
  } else if (name == "rPh") {
    ++phonetic_depth_;
  } else if (name == "t" && in_item_ && phonetic_depth_ == 0) {
    in_text_ = true;
    raw_.clear();
  }
}

void SharedStringsPart::EndElement(std::string_view name, std::string_view) {
  if (name == "t" && in_text_) {
    in_text_ = false;
    XlsxText::AppendDecoded(raw_, &text_);
  } else if (name == "rPh") {
    --phonetic_depth_;
  } else if (name == "si" && in_item_) {
    in_item_ = false;
    pool_->Add(text_);
    ++count_;
  }
}

void SharedStringsPart::Characters(std::string_view text) {
  if (in_text_) raw_.append(text);
}

}  // namespace kaldoren
