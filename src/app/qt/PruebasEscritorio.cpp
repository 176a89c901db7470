#include "app/qt/PruebasEscritorio.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

#include "base/Text.h"

namespace kaldoren::testing {

void EscribirPagina(const QString& ruta, const QStringList& lineas) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  for (const QString& linea : lineas) {
    archivo.write(QByteArray::fromStdString(Text::ToWindows1252(linea.toStdString())));
    archivo.write("\r\n");
  }
}

bool TramoCon(const QTextDocument& documento, int desde, int largo, const Aspecto& esperado) {
  QTextCursor cursor(const_cast<QTextDocument*>(&documento));
  for (int i = desde; i < desde + largo; ++i) {
    // The format at a cursor is that of the character before it.
    cursor.setPosition(i + 1);
    const QFont fuente = cursor.charFormat().font();
    const Aspecto aspecto{fuente.families().value(0, fuente.family()), fuente.pointSizeF(),
                          fuente.underline(), fuente.bold()};
    if (aspecto != esperado) return false;
  }
  return true;
}

QList<int> Posiciones(const QTextDocument& documento, const QString& texto) {
  QList<int> posiciones;
  const QString todo = documento.toPlainText();
  for (qsizetype p = todo.indexOf(texto, 0, Qt::CaseInsensitive); p >= 0;
       p = todo.indexOf(texto, p + 1, Qt::CaseInsensitive)) {
    posiciones.append(static_cast<int>(p));
  }
  return posiciones;
}

bool PrimeroCon(const QTextDocument& documento, const QString& texto, const Aspecto& esperado) {
  const QList<int> posiciones = Posiciones(documento, texto);
  return !posiciones.isEmpty() &&
         TramoCon(documento, posiciones.first(), static_cast<int>(texto.size()), esperado);
}

int PaginasDePdf(const QString& ruta) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly)) return 0;
  const QString contenido = QString::fromLatin1(archivo.readAll());
  static const QRegularExpression kPagina(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
  return static_cast<int>(contenido.count(kPagina));
}

}  // namespace kaldoren::testing
