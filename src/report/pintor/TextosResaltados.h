// TextosResaltados: the texts that the viewer sets off on every page, with the
// font attributes each one gets, in Qt's types. The lists themselves are the
// core's TextosDestacados, shared with the web pages.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace kaldoren {

struct Resaltado {
  QString texto;
  std::optional<QString> fuente;
  std::optional<double> puntos;
  std::optional<bool> negrita;
  std::optional<bool> subrayado;
};

class TextosResaltados {
 public:
  // Set off in the verification report (HOJA_n.TXT).
  static QList<Resaltado> Informe();
  // Set off in the valid-data listing (DATOSn.TXT).
  static QList<Resaltado> DatosValidos();
};

}  // namespace kaldoren
