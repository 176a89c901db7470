#include "workbook/WorkbookFile.h"

#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <mutex>

#include "base/SystemError.h"
#include "workbook/OpeningError.h"

namespace kaldoren {
namespace {

void IgnoreLog(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

void InitGsf() {
  static std::once_flag once;
  std::call_once(once, [] {
    gsf_init();
    const auto levels =
        static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING |
                                    G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG);
    // Some of libgsf's warnings carry no domain.
    for (const char* domain :
         {"libgsf", "libgsf:msole", "libgsf:zip", static_cast<const char*>(nullptr)}) {
      g_log_set_handler(domain, levels, IgnoreLog, nullptr);
    }
  });
}

}  // namespace

void GObjectUnref::operator()(void* object) const {
  if (object != nullptr) g_object_unref(object);
}

Status WorkbookFile::Open(const std::string& path, GsfInputPtr* out) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return OpeningError::FileNotFound(path);
    return OpeningError::CannotOpen(path, SystemError::Reason(errno));
  }
  if (S_ISDIR(info.st_mode)) return OpeningError::CannotOpen(path, SystemError::Reason(EISDIR));
  if (!S_ISREG(info.st_mode)) return OpeningError::CannotOpen(path, "no es un archivo común");
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return OpeningError::CannotOpen(path, SystemError::Reason(errno));
  InitGsf();
  out->reset(gsf_input_stdio_new_FILE(path.c_str(), file, FALSE));
  if (!*out) {
    std::fclose(file);
    return OpeningError::CannotOpen(path, "no se puede leer");
  }
  return Status::Ok();
}

Status WorkbookFile::OpenBytes(std::string_view bytes, GsfInputPtr* out) {
  if (bytes.empty()) return OpeningError::EmptyFile();
  InitGsf();
  out->reset(gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                  static_cast<gsf_off_t>(bytes.size()), FALSE));
  if (!*out) return OpeningError::EmptyFile();
  return Status::Ok();
}

std::string WorkbookFile::Peek(GsfInput* input, gsf_off_t offset, size_t count) {
  std::string bytes;
  const gsf_off_t size = gsf_input_size(input);
  if (offset >= size || gsf_input_seek(input, offset, G_SEEK_SET)) return bytes;
  count = static_cast<size_t>(std::min<gsf_off_t>(size - offset, static_cast<gsf_off_t>(count)));
  bytes.resize(count);
  if (count > 0 &&
      gsf_input_read(input, count, reinterpret_cast<guint8*>(bytes.data())) == nullptr) {
    bytes.clear();
  }
  gsf_input_seek(input, 0, G_SEEK_SET);
  return bytes;
}

}  // namespace kaldoren
