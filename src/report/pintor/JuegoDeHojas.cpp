#include "report/pintor/JuegoDeHojas.h"

#include <QFile>
#include <QFileInfo>

#include "app/Verificacion.h"
#include "listing/ListadoDatosValidos.h"

namespace kaldoren {

namespace {

// Paths go between the core and Qt as the file system's bytes.
QString DeRuta(const std::string& ruta) { return QFile::decodeName(ruta.c_str()); }

}  // namespace

JuegoDeHojas JuegoDeHojas::Informe(const QString& carpeta) {
  const std::string en = QFile::encodeName(carpeta).toStdString();
  return JuegoDeHojas{DeRuta(Verificacion::Prefijo(en)), TextosResaltados::Informe(),
                      QStringLiteral("Resultados de la Verificación"),
                      DeRuta(Verificacion::ArchivoPdf(en))};
}

JuegoDeHojas JuegoDeHojas::Listado(const QString& carpeta) {
  return JuegoDeHojas{
      DeRuta(ListadoDatosValidos::Prefijo(QFile::encodeName(carpeta).toStdString())),
      TextosResaltados::DatosValidos(), QStringLiteral("Datos Válidos"),
      carpeta + QStringLiteral("/DVALIDOS.PDF")};
}

QString JuegoDeHojas::Archivo(qint64 hoja) const {
  return prefijo + QString::number(hoja) + QStringLiteral(".TXT");
}

qint64 JuegoDeHojas::Contar() const {
  qint64 hojas = 0;
  while (QFileInfo::exists(Archivo(hojas + 1))) ++hojas;
  return hojas;
}

}  // namespace kaldoren
