#include "workbook/ZipArchive.h"

#include <gsf/gsf-infile-zip.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "workbook/OpeningError.h"

namespace kaldoren {
namespace {

std::uint64_t LittleEndianAt(std::string_view bytes, size_t pos, int width) {
  std::uint64_t x = 0;
  for (int i = width - 1; i >= 0; --i) x = x << 8 | static_cast<unsigned char>(bytes[pos + i]);
  return x;
}

// The number of members the archive's end record declares (the zip64 end
// record's when the classic one says 0xFFFF), the count libgsf will walk;
// 0 when there is no end record (libgsf then refuses the archive itself).
std::uint64_t DeclaredMembers(GsfInput* input) {
  constexpr size_t kEndRecord = 22;
  constexpr size_t kSearched = kEndRecord + 0xFFFF;
  const gsf_off_t size = gsf_input_size(input);
  const gsf_off_t tail_offset = std::max<gsf_off_t>(0, size - static_cast<gsf_off_t>(kSearched));
  const std::string tail = WorkbookFile::Peek(input, tail_offset, kSearched);
  const size_t end = tail.rfind(std::string_view("PK\x05\x06", 4));
  if (end == std::string::npos || tail.size() - end < kEndRecord) return 0;
  const std::uint64_t members = LittleEndianAt(tail, end + 10, 2);
  constexpr size_t kLocator = 20;
  if (members != 0xFFFF || end < kLocator ||
      tail.compare(end - kLocator, 4, std::string_view("PK\x06\x07", 4)) != 0) {
    return members;
  }
  const auto zip64_end = static_cast<gsf_off_t>(LittleEndianAt(tail, end - kLocator + 8, 8));
  const std::string record = WorkbookFile::Peek(input, zip64_end, 56);
  if (record.size() < 40 || record.compare(0, 4, std::string_view("PK\x06\x06", 4)) != 0) {
    return members;
  }
  return LittleEndianAt(record, 32, 8);
}

// "xl/worksheets/sheet1.xml" as its names, folder by folder.
std::vector<std::string> PathParts(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t slash = std::min(path.find('/', start), path.size());
    parts.emplace_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

// The child of that name, or, when there is none, the first whose name
// differs only in case: part names of a package ignore case, and some
// writers name a member "SharedStrings.xml" that the relationships call
// "sharedStrings.xml".
GsfInput* ChildNamed(GsfInfile* folder, const std::string& name) {
  GsfInput* exact = gsf_infile_child_by_name(folder, name.c_str());
  if (exact != nullptr) return exact;
  for (int i = 0; i < gsf_infile_num_children(folder); ++i) {
    const char* other = gsf_infile_name_by_index(folder, i);
    if (other != nullptr && g_ascii_strcasecmp(other, name.c_str()) == 0) {
      return gsf_infile_child_by_index(folder, i);
    }
  }
  return nullptr;
}

}  // namespace

Status ZipArchive::Open(GsfInput* input) {
  const std::uint64_t members = DeclaredMembers(input);
  if (members > kMaxMembers) {
    return OpeningError::Damaged("el archivo ZIP declara " + std::to_string(members) +
                                 " partes, muchas más de las que tiene un libro");
  }
  GError* error = nullptr;
  root_.reset(gsf_infile_zip_new(input, &error));
  if (error != nullptr) g_error_free(error);
  if (!root_) return OpeningError::Damaged("el archivo ZIP no se puede leer");
  file_size_ = static_cast<size_t>(std::max<gsf_off_t>(0, gsf_input_size(input)));
  member_bound_ = std::min(kMaxMemberBytes, kMemberFloor + kBoundPerFileByte * file_size_);
  return Status::Ok();
}

GsfInputPtr ZipArchive::Find(std::string_view member) const {
  if (!root_ || member.empty()) return nullptr;
  GsfInputPtr found(GSF_INPUT(g_object_ref(root_.get())));
  for (const std::string& part : PathParts(member)) {
    if (!GSF_IS_INFILE(found.get()) || gsf_infile_num_children(GSF_INFILE(found.get())) < 0) {
      return nullptr;
    }
    found.reset(ChildNamed(GSF_INFILE(found.get()), part));
    if (!found) return nullptr;
  }
  return found;
}

bool ZipArchive::Has(std::string_view member) const { return Find(member) != nullptr; }

Status ZipArchive::OpenMember(std::string_view member, size_t max_bytes, GsfInputPtr* input,
                              size_t* size) const {
  *input = Find(member);
  if (!*input) return OpeningError::Damaged("falta la parte " + std::string(member));
  const gsf_off_t declared = gsf_input_size(input->get());
  if (declared < 0 || static_cast<std::uint64_t>(declared) > std::min(max_bytes, member_bound_)) {
    return OpeningError::Damaged("la parte " + std::string(member) +
                                 " se descomprime en mucho más de lo que el archivo justifica");
  }
  *size = static_cast<size_t>(declared);
  return Status::Ok();
}

Status ZipArchive::ReadWhole(std::string_view member, size_t max_bytes, std::string* out) const {
  GsfInputPtr input;
  size_t size = 0;
  const Status opened = OpenMember(member, max_bytes, &input, &size);
  if (!opened.ok()) return opened;
  std::string bytes(size, '\0');
  ZipMemberStream stream(std::move(input), std::string(member), size);
  size_t done = 0;
  while (done < size) {
    const int count =
        stream.Read(bytes.data() + done, static_cast<int>(std::min<size_t>(size - done, 1 << 20)));
    if (count < 0) return stream.status();
    done += static_cast<size_t>(count);
  }
  *out = std::move(bytes);
  return Status::Ok();
}

Status ZipArchive::OpenStream(std::string_view member,
                              std::unique_ptr<ZipMemberStream>* out) const {
  GsfInputPtr input;
  size_t size = 0;
  const Status opened = OpenMember(member, member_bound_, &input, &size);
  if (!opened.ok()) return opened;
  *out = std::make_unique<ZipMemberStream>(std::move(input), std::string(member), size);
  return Status::Ok();
}

}  // namespace kaldoren
