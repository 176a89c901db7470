// XmlStream: parses the XML of a zip member as it inflates, with libxml2's
// SAX2 push parser, and hands each element to an XmlHandler. Nothing of the
// document is kept but the element being parsed, so a member of any size
// costs the same memory.
//
// Hostile documents: a document that declares a DTD (inline or external) is
// refused, so no entity is ever declared, expanded or fetched, and nothing is
// ever read from the network or the disk (XML_PARSE_NONET); nesting deeper
// than libxml2's 256 levels, texts over its 10 MB and any malformed XML fail.
// Every failure is an OpeningError::Damaged naming the member, or the
// stream's or handler's own failure.
#pragma once

#include <string_view>

#include "base/Status.h"
#include "workbook/XmlHandler.h"
#include "workbook/ZipArchive.h"
#include "workbook/ZipMemberStream.h"

namespace kaldoren {

class XmlStream {
 public:
  static Status Parse(ZipMemberStream* member, XmlHandler* handler);
  // Opens the member of the archive and parses it.
  static Status ParseMember(const ZipArchive& zip, std::string_view member, XmlHandler* handler);
};

}  // namespace kaldoren
