// TextosResaltados: the texts that the viewer sets off on every page, with the
// font attributes each one gets. An attribute left empty keeps what the page
// has there (Courier New, regular, not underlined). The report's list names
// the report's title, its part and section titles and the closing remarks of
// the sections; a change of one of those texts needs the same change here.
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
