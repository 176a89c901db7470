// ZipMemberStream: the inflated bytes of one member of a zip archive, pulled
// in chunks, so that a reader never holds a whole inflated member (the sheet
// of a large declaration is tens of megabytes of XML).
//
// Made by ZipArchive, which checked the member's declared size against its
// bound; the stream counts what it hands out against the same bound, so a
// member cannot inflate beyond it whatever its header says. A member whose
// data ends before its declared size (damage, or a header lying about the
// size) fails. After a failure Read answers -1 and status() says why, in the
// Spanish of OpeningError. The archive must outlive the stream.
#pragma once

#include <cstddef>
#include <string>

#include "base/Status.h"
#include "workbook/WorkbookFile.h"

namespace kaldoren {

class ZipMemberStream {
 public:
  ZipMemberStream(GsfInputPtr member, std::string name, size_t size);

  // Copies up to length bytes into buffer: the count, 0 at the end of the
  // member, -1 on failure. Shaped for libxml2's I/O callbacks.
  int Read(char* buffer, int length);
  const Status& status() const { return status_; }
  const std::string& name() const { return name_; }
  // Bytes still to come.
  size_t remaining() const { return remaining_; }

 private:
  GsfInputPtr member_;
  std::string name_;
  size_t remaining_;
  Status status_;
};

}  // namespace kaldoren
