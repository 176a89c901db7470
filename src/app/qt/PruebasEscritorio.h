// PruebasEscritorio: helpers of the desktop tests: page files written as the
// page splitter writes them, the font attributes at a place of a shown page,
// the page count of a PDF file, and controls found by their names.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

class QTextDocument;

namespace kaldoren::testing {

// Writes lines as a page file: Windows-1252 text, every line ended by CR LF.
void EscribirPagina(const QString& ruta, const QStringList& lineas);

// Font attributes of shown text.
struct Aspecto {
  QString familia;
  double puntos = 0;
  bool subrayado = false;
  bool negrita = false;
  bool operator==(const Aspecto&) const = default;
};

// True when every character of [desde, desde + largo) has the attributes.
bool TramoCon(const QTextDocument& documento, int desde, int largo, const Aspecto& esperado);

// Every position where texto starts in the document, without regard to case.
QList<int> Posiciones(const QTextDocument& documento, const QString& texto);

// True when texto occurs in the document and every character of its first
// occurrence has the attributes.
bool PrimeroCon(const QTextDocument& documento, const QString& texto, const Aspecto& esperado);

// Pages of a PDF file written by Qt (0 when it cannot be read).
int PaginasDePdf(const QString& ruta);

// The child control of that object name; nullptr when there is none.
template <typename T>
T* Control(const QWidget& ventana, const char* nombre) {
  return ventana.findChild<T*>(QString::fromLatin1(nombre));
}

}  // namespace kaldoren::testing
