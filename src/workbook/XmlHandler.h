// XmlHandler: what a reader does with the parts of an XML document as
// XmlStream meets them, element by element, without a tree. Names come
// without their prefix, with the namespace they belong to (empty for none);
// the views given to a callback live only during that call. A handler that
// finds the document unusable calls Fail: the parse stops there and the
// failure is its result.
#pragma once

#include <span>
#include <string_view>
#include <utility>

#include "base/Status.h"

namespace kaldoren {

struct XmlAttribute {
  std::string_view name;
  std::string_view uri;
  std::string_view value;
};

class XmlHandler {
 public:
  virtual ~XmlHandler() = default;

  virtual void StartElement(std::string_view name, std::string_view uri,
                            std::span<const XmlAttribute> attributes) = 0;
  virtual void EndElement(std::string_view name, std::string_view uri) = 0;
  // Text between tags; a long text may come in several pieces.
  virtual void Characters(std::string_view text) = 0;

  void Fail(Status failure) {
    if (failure_.ok()) failure_ = std::move(failure);
  }
  const Status& failure() const { return failure_; }

  // The value of the attribute of that name and namespace; nullptr when
  // the element has none.
  static const std::string_view* Attribute(std::span<const XmlAttribute> attributes,
                                           std::string_view name, std::string_view uri = {}) {
    for (const XmlAttribute& attribute : attributes) {
      if (attribute.name == name && attribute.uri == uri) return &attribute.value;
    }
    return nullptr;
  }

 private:
  Status failure_;
};

}  // namespace kaldoren
