// JuegoDeHojas: the page files of one report or listing as the viewer and the
// PDF see them: page k is prefijo + k + ".TXT", counted from 1 while the files
// follow one another; the texts set off on every page; and the title the
// viewer's caption gives them, which a PDF carries as its document title.
#pragma once

#include <QList>
#include <QString>

#include "report/pintor/TextosResaltados.h"

namespace kaldoren {

struct JuegoDeHojas {
  QString prefijo;
  QList<Resaltado> textos;
  QString titulo;
  // Where the command line writes their PDF: INFORME.PDF beside the report's
  // pages, DVALIDOS.PDF beside the listing's.
  QString pdf;

  // The verification report's pages in carpeta (HOJA_1.TXT, ...).
  static JuegoDeHojas Informe(const QString& carpeta);
  // The valid-data listing's pages in carpeta (DATOS1.TXT, ...).
  static JuegoDeHojas Listado(const QString& carpeta);

  QString Archivo(qint64 hoja) const;
  // The consecutive page files from 1 (0 when page 1 is missing).
  qint64 Contar() const;
};

}  // namespace kaldoren
