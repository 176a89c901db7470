#include "listing/COL_R_DATOSV.h"

#include <algorithm>
#include <memory>

#include "base/Format.h"
#include "base/Text.h"
#include "listing/MuestraDistirtos.h"
#include "listing/MuestraErrores.h"
#include "listing/MuestraExped.h"
#include "listing/MuestraTiposDoc.h"

namespace kaldoren {

COL_R_DATOSV::COL_R_DATOSV() {
  cl_.Agregar(std::make_unique<MuestraDistirtos>());
  cl_.Agregar(std::make_unique<MuestraTiposDoc>());
  cl_.Agregar(std::make_unique<MuestraExped>());
  cl_.Agregar(std::make_unique<MuestraErrores>());
}

std::vector<std::string> COL_R_DATOSV::Muestra(const std::vector<std::string>& xdatos, int xancho,
                                               int xtope, int xseparador) {
  const auto ancho = static_cast<size_t>(std::max(xancho, 0));
  const auto tope = static_cast<size_t>(std::max(xtope, 0));
  const auto separador = static_cast<size_t>(std::max(xseparador, 0));
  std::vector<std::string> lineas(1);
  std::string actual;
  for (const std::string& dato : xdatos) {
    // The length is tested before the entry is added.
    if (Text::Length(actual) >= tope) {
      lineas.push_back(std::move(actual));
      actual.clear();
    }
    actual += Format::Left(dato, ancho);
    actual.append(separador, ' ');
  }
  if (!actual.empty()) lineas.push_back(std::move(actual));
  return lineas;
}

}  // namespace kaldoren
