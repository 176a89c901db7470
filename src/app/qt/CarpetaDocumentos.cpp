#include "app/qt/CarpetaDocumentos.h"

#include <QDir>
#include <QStandardPaths>

namespace kaldoren {

QString CarpetaDocumentos::Ruta() {
  const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documentos.isEmpty() && QDir(documentos).exists()) return documentos;
  return QDir::homePath();
}

}  // namespace kaldoren
