// CarpetaDocumentos: where the file dialogs start when the user has not
// chosen a folder yet: the user's documents folder, or the home folder when
// there is none (a dialog pointed at a missing folder opens elsewhere and
// offers the folder's name as the file name).
#pragma once

#include <QString>

namespace kaldoren {

class CarpetaDocumentos {
 public:
  static QString Ruta();
};

}  // namespace kaldoren
