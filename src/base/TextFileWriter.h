// TextFileWriter: a report or listing file being written. Every file the
// program writes is Windows-1252 text with CR LF line ends, one line per
// write; a text that holds its own line breaks is written unchanged and so
// spans several lines. Characters Windows-1252 cannot hold become "?".
// Writes are buffered; a failed write is remembered and answered by Close, so
// callers write line after line and look at one Status at the end.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "base/Status.h"

namespace kaldoren {

class TextFileWriter {
 public:
  TextFileWriter() = default;
  ~TextFileWriter();
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  // Creates (truncates) the file; a file still open is closed first.
  Status Open(const std::string& path);
  // Writes a UTF-8 text converted to Windows-1252, then CR LF.
  void WriteLine(std::string_view utf8);
  // Writes bytes that are already Windows-1252, then CR LF.
  void WriteRawLine(std::string_view bytes);
  // Closes the file; answers an error when any write or the close failed
  // (a full disk, for example): "No se pudo escribir el archivo <ruta>:
  // <motivo>". Closing a writer that is not open answers ok.
  Status Close();

 private:
  void Fail();

  std::FILE* file_ = nullptr;
  std::string path_;
  bool failed_ = false;
  int error_number_ = 0;  // errno of the first failed write
};

}  // namespace kaldoren
