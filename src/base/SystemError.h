// SystemError: the Spanish reason of an operating-system error number (errno),
// for the descriptions of Status values ("No se pudo crear el archivo X: no
// existe la carpeta"). Errors without a Spanish wording get their number.
#pragma once

#include <string>

namespace kaldoren {

class SystemError {
 public:
  static std::string Reason(int error_number);
};

}  // namespace kaldoren
