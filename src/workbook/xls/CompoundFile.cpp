#include "workbook/xls/CompoundFile.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input.h>
#include <strings.h>

#include <memory>

#include "workbook/OpeningError.h"
#include "workbook/WorkbookFile.h"

namespace kaldoren {
namespace {

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

bool ReadAll(GsfInput* input, size_t size, char* out) {
  return size == 0 || gsf_input_read(input, size, reinterpret_cast<guint8*>(out)) != nullptr;
}

bool NameIs(const char* name, const char* wanted) {
  return name != nullptr && strcasecmp(name, wanted) == 0;
}

// The workbook stream among the container's top-level streams: "Workbook"
// before "Book" (Excel 97 could save both, the Book for Excel 5 readers).
// Names are compared without regard to case, as some writers capitalise them.
Status FindWorkbookStream(GsfInfile* container, GsfInputPtr* stream, StreamOrigin* origin) {
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
  const std::string head = WorkbookFile::Peek(input, 0, 512);
  if (!StartsWith(head, kOle2Signature)) {
    const unsigned bof = BareBofType(head);
    if (bof == 0x0809) {
      out->origin = StreamOrigin::kBare;
      return ReadBounded(input, max_bytes, out);
    }
    return bof != 0 ? OpeningError::OldExcel() : OpeningError::NotExcel97();
  }
  GError* error = nullptr;
  GObjectPtr<GsfInfile> container(gsf_infile_msole_new(input, &error));
  if (error != nullptr) g_error_free(error);
  if (!container) return OpeningError::Damaged("el contenedor OLE2 no se puede leer");
  GsfInputPtr stream;
  const Status found = FindWorkbookStream(container.get(), &stream, &out->origin);
  if (!found.ok()) return found;
  return ReadBounded(stream.get(), max_bytes, out);
}

}  // namespace

Status CompoundFile::Read(GsfInput* input, WorkbookStream* out, size_t max_stream_bytes) {
  return ReadInput(input, max_stream_bytes, out);
}

Status CompoundFile::ReadFile(const std::string& path, WorkbookStream* out,
                              size_t max_stream_bytes) {
  GsfInputPtr input;
  const Status opened = WorkbookFile::Open(path, &input);
  if (!opened.ok()) return opened;
  return ReadInput(input.get(), max_stream_bytes, out);
}

Status CompoundFile::ReadBytes(std::string_view file_bytes, WorkbookStream* out,
                               size_t max_stream_bytes) {
  GsfInputPtr input;
  const Status opened = WorkbookFile::OpenBytes(file_bytes, &input);
  if (!opened.ok()) return opened;
  return ReadInput(input.get(), max_stream_bytes, out);
}

}  // namespace kaldoren
