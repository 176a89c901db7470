// PARTARCH: splits the path of the chosen workbook into its folder and file
// name and reads the file's last-modified time, for the main window's labels.
//
// The split looks for the last separator. Paths here use "/", but the
// separator "\" of Windows paths ("D:\DATOS\PLANILLA.XLS") is honoured too, so
// a file name that itself holds a backslash is split there; such names do not
// occur for workbooks handed over by schools. The object keeps a copy of the
// path; it touches the disk only in UltimaMod.
#pragma once

#include <optional>
#include <string>

namespace kaldoren {

class PARTARCH {
 public:
  // Stores the full path.
  void Sendero_Archivo(std::string cad);

  // The file name: everything after the last separator (the whole path when
  // it has none).
  std::string Archivo() const;
  // The folder: the path without the file name and the separator before it
  // ("D:" for a file at the root of a drive, "/" for one at the root of the
  // file system, empty for a bare file name).
  std::string Sendero() const;
  // The file's last-modified time in local time, to the whole second
  // (truncated), as a day count since 30/12/1899; nothing when the file
  // cannot be examined.
  std::optional<double> UltimaMod() const;

 private:
  std::string ruta_;
};

}  // namespace kaldoren
