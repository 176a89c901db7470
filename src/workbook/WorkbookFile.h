// WorkbookFile: the file a reader reads, opened as a libgsf input, whatever
// its format. It tells a missing file, a folder or an unreadable file apart
// with the OpeningError the user reads, and sets libgsf up once (its
// warnings about damaged containers are silenced: every failure reaches the
// user as an OpeningError instead). The file is opened read-only.
#pragma once

#include <gsf/gsf-input.h>

#include <memory>
#include <string>
#include <string_view>

#include "base/Status.h"

namespace kaldoren {

struct GObjectUnref {
  void operator()(void* object) const;
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;
using GsfInputPtr = GObjectPtr<GsfInput>;

class WorkbookFile {
 public:
  // Opens the file at path.
  static Status Open(const std::string& path, GsfInputPtr* out);
  // Opens the bytes of a whole file held in memory; they must outlive *out.
  static Status OpenBytes(std::string_view bytes, GsfInputPtr* out);
  // Up to count bytes at offset (fewer at the end of the input, none when it
  // cannot be read); the input is left at its start.
  static std::string Peek(GsfInput* input, gsf_off_t offset, size_t count);
};

}  // namespace kaldoren
