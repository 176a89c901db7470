// ZipArchive: the members of a zip archive (an .xlsx or an .ods is one),
// opened with libgsf from a file or memory input, read whole when small or as
// a stream when large. Member names are paths inside the archive, as
// "xl/workbook.xml" or "META-INF/manifest.xml", compared exactly or, when no
// member has the exact name, without regard to ASCII case.
//
// Bounds against hostile archives, each failing with OpeningError::Damaged:
// - more than kMaxMembers members (counted in the archive's end record before
//   libgsf builds its tree of them);
// - a member whose declared inflated size passes MemberBound(): kMemberFloor
//   plus kBoundPerFileByte bytes per byte of the file, and never 1 GB (sheet
//   XML inflates to 30-100 times its deflated size; a bomb to 1000 times);
// - a member that inflates to less than it declares (ZipMemberStream).
// The input must outlive the archive and every stream it opened.
#pragma once

#include <gsf/gsf-infile.h>
#include <gsf/gsf-input.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "base/Status.h"
#include "workbook/WorkbookFile.h"
#include "workbook/ZipMemberStream.h"

namespace kaldoren {

class ZipArchive {
 public:
  static constexpr size_t kMaxMembers = 20000;
  static constexpr size_t kMemberFloor = size_t{64} << 20;
  static constexpr size_t kBoundPerFileByte = 200;
  static constexpr size_t kMaxMemberBytes = size_t{1} << 30;

  // Opens the archive of input; a damaged or hostile archive fails.
  Status Open(GsfInput* input);

  bool Has(std::string_view member) const;
  // Reads a small member whole into *out; one larger than max_bytes fails.
  Status ReadWhole(std::string_view member, size_t max_bytes, std::string* out) const;
  // Opens a member of any size within the bound for streaming.
  Status OpenStream(std::string_view member, std::unique_ptr<ZipMemberStream>* out) const;
  // The largest inflated size a member of this archive may have.
  size_t MemberBound() const { return member_bound_; }
  // The size of the archive's file.
  size_t FileSize() const { return file_size_; }

 private:
  // The member's input, or nullptr when the archive has none of that name.
  GsfInputPtr Find(std::string_view member) const;
  Status OpenMember(std::string_view member, size_t max_bytes, GsfInputPtr* input,
                    size_t* size) const;

  GObjectPtr<GsfInfile> root_;
  size_t file_size_ = 0;
  size_t member_bound_ = 0;
};

}  // namespace kaldoren
