// TextosDestacados: the texts that a report viewer sets off on every page, with
// the font attributes each one gets, for every face of the program (the
// desktop viewer and the web pages). An attribute left empty keeps what the
// page has there (Courier New, regular, not underlined). The report's list
// names the report's title, its part and section titles and the closing
// remarks of the sections; a change of one of those texts needs the same
// change here. Texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kaldoren {

struct Destacado {
  std::string texto;
  std::optional<std::string> fuente;
  std::optional<double> puntos;
  std::optional<bool> negrita;
  std::optional<bool> subrayado;
};

class TextosDestacados {
 public:
  // Set off in the verification report (HOJA_n.TXT).
  static std::vector<Destacado> Informe();
  // Set off in the valid-data listing (DATOSn.TXT).
  static std::vector<Destacado> DatosValidos();
};

}  // namespace kaldoren
