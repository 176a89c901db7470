#include "report/pintor/Fuentes.h"

#include <QString>
#include <QStringList>

namespace kaldoren {

void Fuentes::InstalarSustitutos() {
  // Liberation fonts share the metrics of Arial and Courier New; DejaVu Sans
  // is the usual stand-in for Verdana. The last entry of each list is the
  // fallback present on every Debian desktop.
  QFont::insertSubstitutions(
      QStringLiteral("Arial"),
      {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("Courier New"),
                             {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                              QStringLiteral("DejaVu Sans Mono")});
}

QFont Fuentes::Crear(const QString& familia, double puntos, bool negrita, bool cursiva) {
  QFont fuente(familia);
  fuente.setPointSizeF(puntos);
  fuente.setBold(negrita);
  fuente.setItalic(cursiva);
  return fuente;
}

}  // namespace kaldoren
