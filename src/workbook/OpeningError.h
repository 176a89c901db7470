// OpeningError: every way opening a workbook can fail, each with its fixed
// number and its Spanish description, the text the user reads under "Error de
// Apertura". This is the only place these texts are written; the reader and
// its parts build their failures from here so that a number always comes with
// the same words.
#pragma once

#include <string>
#include <string_view>

#include "base/Status.h"

namespace kaldoren {

class OpeningError {
 public:
  enum Number : int {
    kFileNotFound = 101,
    kCannotOpen = 102,
    kEmptyFile = 103,
    kNotExcel97 = 104,
    kBinaryExcel = 105,
    kCompressed = 106,
    kOldExcel = 107,
    kPassword = 108,
    kNoWorkbookStream = 109,
    kTooLarge = 110,
    kDamaged = 111,
  };

  // "No se encontró el archivo <path>".
  static Status FileNotFound(std::string_view path);
  // "No se pudo abrir el archivo <path>: <reason>", reason in Spanish.
  static Status CannotOpen(std::string_view path, std::string_view reason);
  static Status EmptyFile();
  // Not a workbook of a format the readers know (a text file, an image, a
  // CSV renamed, a word-processing document).
  static Status NotExcel97();
  // An Excel binary workbook (.xlsb).
  static Status BinaryExcel();
  // A ZIP, RAR, 7-Zip or gzip archive.
  static Status Compressed();
  // Excel 2.x, 3.x or 4.x.
  static Status OldExcel();
  static Status Password();
  // A compound file without a Workbook or Book stream (a Word document).
  static Status NoWorkbookStream();
  // A workbook stream beyond the size the reader accepts.
  static Status TooLarge();
  // The system gave no more memory for the workbook's cells.
  static Status OutOfMemory();
  // "El archivo está dañado: <detail>"; detail says what was found wrong,
  // for example "registro SST truncado".
  static Status Damaged(std::string_view detail);
};

}  // namespace kaldoren
