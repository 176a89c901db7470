#include "workbook/xlsx/Relationships.h"

namespace kaldoren {

const Relationships::Relationship* Relationships::Find(std::string_view id) const {
  const auto found = by_id_.find(std::string(id));
  return found == by_id_.end() ? nullptr : &in_order_[found->second];
}

std::string Relationships::TargetOfType(std::string_view suffix) const {
  for (const Relationship& relationship : in_order_) {
    if (relationship.type.ends_with(suffix)) return relationship.target;
  }
  return {};
}

void Relationships::StartElement(std::string_view name, std::string_view,
                                 std::span<const XmlAttribute> attributes) {
  if (name != "Relationship") return;
  const std::string_view* id = Attribute(attributes, "Id");
  const std::string_view* type = Attribute(attributes, "Type");
  const std::string_view* target = Attribute(attributes, "Target");
  const std::string_view* mode = Attribute(attributes, "TargetMode");
  if (id == nullptr || type == nullptr || target == nullptr) return;
  if (mode != nullptr && *mode == "External") return;
  if (by_id_.count(std::string(*id)) != 0) return;  // the first of a repeated id holds
  by_id_.emplace(std::string(*id), in_order_.size());
  in_order_.push_back({std::string(*type), Resolve(*target)});
}

// Joins the target to the owner's folder and takes out "." and ".."
// segments; ".." above the archive's root stays at the root.
std::string Relationships::Resolve(std::string_view target) const {
  std::string joined =
      target.starts_with('/') ? std::string(target.substr(1)) : folder_ + std::string(target);
  std::vector<std::string_view> segments;
  std::string_view rest(joined);
  while (!rest.empty()) {
    const size_t slash = rest.find('/');
    const std::string_view segment = rest.substr(0, slash);
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.push_back(segment);
    }
  }
  std::string path;
  for (const std::string_view segment : segments) {
    if (!path.empty()) path += '/';
    path += segment;
  }
  return path;
}

}  // namespace kaldoren
