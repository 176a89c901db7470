// CompoundFile: finds the workbook stream of an .xls file and reads it whole
// into memory.
//
// An Excel 5 or later workbook is an OLE2 compound file holding a "Workbook"
// stream (Excel 97-2003) or a "Book" stream (Excel 5/95); the container is
// opened with libgsf. A few programs write the bare BIFF stream as the whole
// file; that is accepted too. Anything else fails with the OpeningError that
// says what the file is (an Excel 2-4 sheet, a Word document, an encrypted
// .xlsx, a damaged container, something else); telling the zip formats
// apart is WorkbookReader's.
// The file is opened read-only and never changed. A stream larger than the
// given limit is refused before anything of that size is allocated.
#pragma once

#include <gsf/gsf-input.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "base/Status.h"

namespace kaldoren {

// Where the stream came from: the name of the container's stream tells the
// BIFF version when the stream itself does not.
enum class StreamOrigin { kWorkbook, kBook, kBare };

// The stream's bytes, in a buffer that is not zero-filled first (the stream
// of a large declaration is tens of megabytes).
struct WorkbookStream {
  std::unique_ptr<char[]> data;
  size_t size = 0;
  StreamOrigin origin = StreamOrigin::kWorkbook;

  std::string_view bytes() const { return std::string_view(data.get(), size); }
};

class CompoundFile {
 public:
  static constexpr size_t kMaxStreamBytes = size_t{512} << 20;

  static Status Read(GsfInput* input, WorkbookStream* out,
                     size_t max_stream_bytes = kMaxStreamBytes);
  // The same for a file given by path (missing, empty or unreadable files
  // fail as WorkbookFile says).
  static Status ReadFile(const std::string& path, WorkbookStream* out,
                         size_t max_stream_bytes = kMaxStreamBytes);
  // The same for the bytes of a whole file held in memory.
  static Status ReadBytes(std::string_view file_bytes, WorkbookStream* out,
                          size_t max_stream_bytes = kMaxStreamBytes);
};

}  // namespace kaldoren
