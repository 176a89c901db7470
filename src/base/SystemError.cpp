#include "base/SystemError.h"

#include <cerrno>

namespace kaldoren {

std::string SystemError::Reason(int error_number) {
  switch (error_number) {
    case ENOENT:
      return "no existe el archivo o la carpeta";
    case EACCES:
    case EPERM:
      return "permiso denegado";
    case ENOSPC:
      return "no queda espacio en el disco";
    case EDQUOT:
      return "se agotó la cuota de disco";
    case EROFS:
      return "el disco es de solo lectura";
    case EISDIR:
      return "es una carpeta";
    case ENOTDIR:
      return "una parte de la ruta no es una carpeta";
    case ENAMETOOLONG:
      return "el nombre es demasiado largo";
    case EMFILE:
    case ENFILE:
      return "hay demasiados archivos abiertos";
    case EIO:
      return "error de entrada/salida del disco";
    case EBUSY:
    case ETXTBSY:
      return "el archivo está en uso";
    case EFBIG:
      return "el archivo es demasiado grande";
    default:
      return "error del sistema " + std::to_string(error_number);
  }
}

}  // namespace kaldoren
