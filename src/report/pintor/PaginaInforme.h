// PaginaInforme: one page file of the report or the listing as a text
// document: loading it (Windows-1252 text with CR LF line ends) and setting
// off the chosen texts wherever they occur. The viewer shows such a document
// and prints one per page; the page files themselves are never changed.
#pragma once

#include <QFont>
#include <QList>
#include <QString>

#include "report/pintor/TextosResaltados.h"

class QTextDocument;

namespace kaldoren {

class PaginaInforme {
 public:
  // The font of the page text: Courier New 8.25 pt.
  static QFont Fuente();

  // Replaces the content of documento with the page file's text in Fuente().
  // A file that cannot be read leaves the document empty and answers false.
  static bool Cargar(const QString& ruta, QTextDocument* documento);

  // Resaltar_Textos: every occurrence of every text, found without regard to
  // case (also inside a longer line, and overlapping ones), gets the text's
  // attributes; later entries win where two texts overlap.
  static void Resaltar_Textos(const QList<Resaltado>& textos, QTextDocument* documento);
};

}  // namespace kaldoren
