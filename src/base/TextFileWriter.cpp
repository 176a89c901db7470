#include "base/TextFileWriter.h"

#include <cerrno>

#include "base/SystemError.h"
#include "base/Text.h"

namespace kaldoren {
namespace {

constexpr size_t kBufferSize = 1 << 16;

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

TextFileWriter::~TextFileWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

Status TextFileWriter::Open(const std::string& path) {
  if (file_ != nullptr) Close();
  path_ = path;
  failed_ = false;
  error_number_ = 0;
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) {
    const int error_number = errno;
    return Status::Error(error_number,
                         "No se pudo crear el archivo " + path + ": " + SystemError::Reason(error_number));
  }
  std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
  return Status::Ok();
}

void TextFileWriter::WriteLine(std::string_view utf8) {
  if (IsAscii(utf8)) {
    WriteRawLine(utf8);
  } else {
    WriteRawLine(Text::ToWindows1252(utf8));
  }
}

void TextFileWriter::WriteRawLine(std::string_view bytes) {
  if (file_ == nullptr || failed_) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() ||
      std::fwrite("\r\n", 1, 2, file_) != 2) {
    Fail();
  }
}

Status TextFileWriter::Close() {
  if (file_ == nullptr) return Status::Ok();
  if (std::fflush(file_) != 0 && !failed_) Fail();
  if (std::fclose(file_) != 0 && !failed_) Fail();
  file_ = nullptr;
  if (!failed_) return Status::Ok();
  return Status::Error(error_number_, "No se pudo escribir el archivo " + path_ + ": " +
                                          SystemError::Reason(error_number_));
}

void TextFileWriter::Fail() {
  failed_ = true;
  error_number_ = errno;
}

}  // namespace kaldoren
