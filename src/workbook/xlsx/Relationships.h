// Relationships: the relationships part of an Office Open XML part (for the
// workbook, xl/_rels/workbook.xml.rels): each relationship's id, type and
// target, the target resolved to a member path of the archive ("worksheets/
// sheet1.xml" beside xl/workbook.xml is "xl/worksheets/sheet1.xml"; "/xl/
// styles.xml" is absolute). Relationships to external addresses are left out.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "workbook/XmlHandler.h"

namespace kaldoren {

class Relationships final : public XmlHandler {
 public:
  struct Relationship {
    std::string type;
    std::string target;
  };

  // folder: where the part that owns the relationships lives, as "xl/".
  explicit Relationships(std::string folder) : folder_(std::move(folder)) {}

  // nullptr when there is no relationship of that id.
  const Relationship* Find(std::string_view id) const;
  // The target of the first relationship whose type ends with suffix (the
  // type's last word, as "/styles"); empty when there is none.
  std::string TargetOfType(std::string_view suffix) const;

  void StartElement(std::string_view name, std::string_view uri,
                    std::span<const XmlAttribute> attributes) override;
  void EndElement(std::string_view, std::string_view) override {}
  void Characters(std::string_view) override {}

 private:
  std::string Resolve(std::string_view target) const;

  std::string folder_;
  std::vector<Relationship> in_order_;
  std::unordered_map<std::string, size_t> by_id_;
};

}  // namespace kaldoren
