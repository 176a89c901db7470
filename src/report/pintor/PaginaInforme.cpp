#include "report/pintor/PaginaInforme.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "base/Text.h"
#include "report/pintor/Fuentes.h"

namespace kaldoren {

namespace {

// The blanks that end the lines show nothing, but they are a third of a
// long report's characters, and each one is a glyph to lay out and paint.
QString SinBlancosAlFinal(const QString& texto) {
  QString limpio;
  limpio.reserve(texto.size());
  qsizetype blancos = 0;
  for (const QChar c : texto) {
    if (c == QLatin1Char(' ')) {
      ++blancos;
      continue;
    }
    if (blancos > 0 && c != QLatin1Char('\n')) limpio.append(QString(blancos, QLatin1Char(' ')));
    blancos = 0;
    limpio.append(c);
  }
  return limpio;
}

QString TextoDePagina(const QByteArray& bytes) {
  QString texto = QString::fromStdString(Text::FromWindows1252(bytes.toStdString()));
  texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // The last line's own line end does not open another, empty line.
  if (texto.endsWith(QLatin1Char('\n'))) texto.chop(1);
  return SinBlancosAlFinal(texto);
}

QTextCharFormat FormatoDe(const Resaltado& resaltado) {
  QTextCharFormat formato;
  if (resaltado.negrita) formato.setFontWeight(*resaltado.negrita ? QFont::Bold : QFont::Normal);
  if (resaltado.subrayado) formato.setFontUnderline(*resaltado.subrayado);
  if (resaltado.fuente) formato.setFontFamilies({*resaltado.fuente});
  if (resaltado.puntos) formato.setFontPointSize(*resaltado.puntos);
  return formato;
}

}  // namespace

QFont PaginaInforme::Fuente() { return Fuentes::Crear(QStringLiteral("Courier New"), 8.25); }

bool PaginaInforme::Cargar(const QString& ruta, QTextDocument* documento) {
  documento->setDefaultFont(Fuente());
  QTextOption lineas = documento->defaultTextOption();
  lineas.setWrapMode(QTextOption::NoWrap);
  documento->setDefaultTextOption(lineas);
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly)) {
    documento->clear();
    return false;
  }
  documento->setPlainText(TextoDePagina(archivo.readAll()));
  return true;
}

void PaginaInforme::Resaltar_Textos(const QList<Resaltado>& textos, QTextDocument* documento) {
  // Searched in the plain text, whose positions are the document's (one
  // character per line end): far quicker than the document's own search
  // for the many texts that a page does not hold.
  const QString pagina = documento->toPlainText();
  for (const Resaltado& resaltado : textos) {
    if (resaltado.texto.isEmpty()) continue;
    const QTextCharFormat formato = FormatoDe(resaltado);
    for (qsizetype p = pagina.indexOf(resaltado.texto, 0, Qt::CaseInsensitive); p >= 0;
         p = pagina.indexOf(resaltado.texto, p + 1, Qt::CaseInsensitive)) {
      QTextCursor hallado(documento);
      hallado.setPosition(static_cast<int>(p));
      hallado.setPosition(static_cast<int>(p + resaltado.texto.size()), QTextCursor::KeepAnchor);
      hallado.mergeCharFormat(formato);
    }
  }
}

}  // namespace kaldoren
