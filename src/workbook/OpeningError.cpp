#include "workbook/OpeningError.h"

namespace kaldoren {

Status OpeningError::FileNotFound(std::string_view path) {
  return Status::Error(kFileNotFound, "No se encontró el archivo " + std::string(path));
}

Status OpeningError::CannotOpen(std::string_view path, std::string_view reason) {
  return Status::Error(
      kCannotOpen, "No se pudo abrir el archivo " + std::string(path) + ": " + std::string(reason));
}

Status OpeningError::EmptyFile() { return Status::Error(kEmptyFile, "El archivo está vacío"); }

Status OpeningError::NotExcel97() {
  return Status::Error(kNotExcel97,
                       "El archivo no es una planilla de Excel ni de OpenDocument (.xls, .xlsx u "
                       ".ods)");
}

Status OpeningError::BinaryExcel() {
  return Status::Error(kBinaryExcel,
                       "El archivo es un libro binario de Excel (.xlsb), que no se puede leer; "
                       "guárdelo como .xlsx o como Excel 97-2003");
}

Status OpeningError::Compressed() {
  return Status::Error(kCompressed,
                       "El archivo está comprimido (ZIP, RAR o similar); descomprímalo y elija el "
                       "libro de Excel que contiene");
}

Status OpeningError::OldExcel() {
  return Status::Error(kOldExcel,
                       "El archivo es un libro de Excel 2.x-4.x, que no se puede leer; guárdelo "
                       "como Excel 97-2003");
}

Status OpeningError::Password() {
  return Status::Error(kPassword, "El archivo está protegido con contraseña");
}

Status OpeningError::NoWorkbookStream() {
  return Status::Error(kNoWorkbookStream,
                       "El archivo no contiene un libro de Excel (no tiene la secuencia Workbook)");
}

Status OpeningError::TooLarge() {
  return Status::Error(kTooLarge,
                       "El libro es demasiado grande: su secuencia Workbook pasa de 512 MB");
}

Status OpeningError::OutOfMemory() {
  return Status::Error(kTooLarge, "El libro es demasiado grande para la memoria disponible");
}

Status OpeningError::Damaged(std::string_view detail) {
  return Status::Error(kDamaged, "El archivo está dañado: " + std::string(detail));
}

}  // namespace kaldoren
