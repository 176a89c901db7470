#include "workbook/xls/CompoundFile.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-utils.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <mutex>

#include "base/SystemError.h"
#include "workbook/OpeningError.h"

namespace kaldoren {
namespace {

struct GObjectUnref {
  void operator()(void* object) const {
    if (object != nullptr) g_object_unref(object);
  }
};
using InputPtr = std::unique_ptr<GsfInput, GObjectUnref>;
using InfilePtr = std::unique_ptr<GsfInfile, GObjectUnref>;

void IgnoreLog(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

// libgsf is set up once. Its warnings about damaged containers are silenced:
// every failure reaches the user as an OpeningError instead.
void InitGsf() {
  static std::once_flag once;
  std::call_once(once, [] {
    gsf_init();
    const auto levels =
        static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING |
                                    G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG);
    // Some of libgsf's warnings carry no domain.
    for (const char* domain : {"libgsf", "libgsf:msole", static_cast<const char*>(nullptr)}) {
      g_log_set_handler(domain, levels, IgnoreLog, nullptr);
    }
  });
}

constexpr std::string_view kOle2Signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

unsigned Uint16At(std::string_view bytes, size_t pos) {
  return static_cast<unsigned char>(bytes[pos]) | static_cast<unsigned char>(bytes[pos + 1]) << 8;
}

// The first record of a BIFF stream written as a whole file: its type, or 0.
unsigned BareBofType(std::string_view head) {
  if (head.size() < 4) return 0;
  const unsigned type = Uint16At(head, 0);
  const unsigned length = Uint16At(head, 2);
  const bool bof = type == 0x0009 || type == 0x0209 || type == 0x0409 || type == 0x0809;
  return bof && length >= 4 && length <= 20 ? type : 0;
}

// What a file that is not a compound file is, from its first bytes and the
// tail of a ZIP archive (where its central directory names the members).
Status ClassifyOther(std::string_view head, std::string_view tail) {
  if (StartsWith(head, std::string_view("PK\x03\x04", 4)) ||
      StartsWith(head, std::string_view("PK\x05\x06", 4))) {
    if (tail.find("xl/workbook.") != std::string_view::npos) return OpeningError::NewerExcel();
    if (head.find("mimetypeapplication/vnd.oasis") != std::string_view::npos) {
      return OpeningError::NotExcel97();
    }
    return OpeningError::Compressed();
  }
  if (StartsWith(head, "Rar!\x1A\x07") || StartsWith(head, "7z\xBC\xAF\x27\x1C") ||
      StartsWith(head, "\x1F\x8B")) {
    return OpeningError::Compressed();
  }
  if (BareBofType(head) != 0) return OpeningError::OldExcel();
  return OpeningError::NotExcel97();
}

bool ReadAll(GsfInput* input, size_t size, char* out) {
  return size == 0 || gsf_input_read(input, size, reinterpret_cast<guint8*>(out)) != nullptr;
}

// Reads up to count bytes at offset, for the signature checks.
std::string Peek(GsfInput* input, gsf_off_t offset, size_t count) {
  std::string bytes;
  const gsf_off_t size = gsf_input_size(input);
  if (offset >= size || gsf_input_seek(input, offset, G_SEEK_SET)) return bytes;
  count = static_cast<size_t>(std::min<gsf_off_t>(size - offset, static_cast<gsf_off_t>(count)));
  bytes.resize(count);
  if (!ReadAll(input, count, bytes.data())) bytes.clear();
  gsf_input_seek(input, 0, G_SEEK_SET);
  return bytes;
}

bool NameIs(const char* name, const char* wanted) {
  return name != nullptr && strcasecmp(name, wanted) == 0;
}

// The workbook stream among the container's top-level streams: "Workbook"
// before "Book" (Excel 97 could save both, the Book for Excel 5 readers).
// Names are compared without regard to case, as some writers capitalise them.
Status FindWorkbookStream(GsfInfile* container, InputPtr* stream, StreamOrigin* origin) {
  int workbook = -1;
  int book = -1;
  bool encrypted_package = false;
  const int children = gsf_infile_num_children(container);
  for (int i = 0; i < children; ++i) {
    const char* name = gsf_infile_name_by_index(container, i);
    if (NameIs(name, "Workbook") && workbook < 0) workbook = i;
    if (NameIs(name, "Book") && book < 0) book = i;
    if (NameIs(name, "EncryptedPackage")) encrypted_package = true;
  }
  if (workbook < 0 && book < 0) {
    // A password-protected .xlsx is stored in a compound file.
    return encrypted_package ? OpeningError::Password() : OpeningError::NoWorkbookStream();
  }
  *origin = workbook >= 0 ? StreamOrigin::kWorkbook : StreamOrigin::kBook;
  stream->reset(gsf_infile_child_by_index(container, workbook >= 0 ? workbook : book));
  if (!*stream) return OpeningError::Damaged("no se pudo leer la secuencia Workbook");
  return Status::Ok();
}

Status ReadBounded(GsfInput* input, size_t max_bytes, WorkbookStream* out) {
  const gsf_off_t size = gsf_input_size(input);
  if (size < 0) return OpeningError::Damaged("no se pudo leer la secuencia Workbook");
  if (static_cast<unsigned long long>(size) > max_bytes) return OpeningError::TooLarge();
  out->size = static_cast<size_t>(size);
  out->data.reset(new char[out->size]);
  if (!ReadAll(input, out->size, out->data.get())) {
    out->data.reset();
    out->size = 0;
    return OpeningError::Damaged("no se pudo leer la secuencia Workbook");
  }
  return Status::Ok();
}

Status ReadInput(GsfInput* input, size_t max_bytes, WorkbookStream* out) {
  const gsf_off_t size = gsf_input_size(input);
  if (size == 0) return OpeningError::EmptyFile();
  const std::string head = Peek(input, 0, 512);
  if (!StartsWith(head, kOle2Signature)) {
    const unsigned bof = BareBofType(head);
    if (bof == 0x0809) {
      out->origin = StreamOrigin::kBare;
      return ReadBounded(input, max_bytes, out);
    }
    constexpr size_t kTail = 1 << 16;
    const gsf_off_t tail_offset = size > static_cast<gsf_off_t>(kTail) ? size - kTail : 0;
    return ClassifyOther(head, Peek(input, tail_offset, kTail));
  }
  GError* error = nullptr;
  InfilePtr container(gsf_infile_msole_new(input, &error));
  if (error != nullptr) g_error_free(error);
  if (!container) return OpeningError::Damaged("el contenedor OLE2 no se puede leer");
  InputPtr stream;
  const Status found = FindWorkbookStream(container.get(), &stream, &out->origin);
  if (!found.ok()) return found;
  return ReadBounded(stream.get(), max_bytes, out);
}

}  // namespace

Status CompoundFile::ReadFile(const std::string& path, WorkbookStream* out,
                              size_t max_stream_bytes) {
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
  InputPtr input(gsf_input_stdio_new_FILE(path.c_str(), file, FALSE));
  if (!input) {
    std::fclose(file);
    return OpeningError::CannotOpen(path, "no se puede leer");
  }
  return ReadInput(input.get(), max_stream_bytes, out);
}

Status CompoundFile::ReadBytes(std::string_view file_bytes, WorkbookStream* out,
                               size_t max_stream_bytes) {
  if (file_bytes.empty()) return OpeningError::EmptyFile();
  InitGsf();
  InputPtr input(gsf_input_memory_new(reinterpret_cast<const guint8*>(file_bytes.data()),
                                      static_cast<gsf_off_t>(file_bytes.size()), FALSE));
  if (!input) return OpeningError::EmptyFile();
  return ReadInput(input.get(), max_stream_bytes, out);
}

}  // namespace kaldoren
