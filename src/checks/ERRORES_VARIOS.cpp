#include "checks/ERRORES_VARIOS.h"

#include <string>
#include <string_view>

#include "base/Regional.h"
#include "base/Text.h"
#include "checks/Comparacion.h"

namespace kaldoren {

bool ERRORES_VARIOS::Error_Kaldoren(const Value& kaldoren, const Value& provisorio) const {
  const bool sin_numero = kaldoren.IsEmpty() || Comparacion::Igual(kaldoren, 0);
  // Once the provisional route is taken the school number is not looked at again.
  if (sin_numero && !provisorio.IsEmpty()) return !ProvisorioValido(provisorio);
  return !Comparacion::Mayor(kaldoren, 0);
}

bool ERRORES_VARIOS::ProvisorioValido(const Value& provisorio) {
  const std::string texto = provisorio.TextForm();
  if (texto.empty() || std::string_view("PQRSpqrs").find(texto[0]) == std::string_view::npos) {
    return false;
  }
  const std::string_view resto = std::string_view(texto).substr(1);
  double valor = 0;
  return Regional::ParseNumber(Text::Trim(resto), &valor) && Regional::LeadingNumber(resto) > 0;
}

bool ERRORES_VARIOS::Fechavalida(const Value& dato) const { return Fecha(dato).has_value(); }

std::optional<CivilDate> ERRORES_VARIOS::Fecha(const Value& dato) const {
  double dias = 0;
  if (dato.IsDate()) {
    dias = dato.number();
  } else if (!dato.IsText() || !Regional::ParseDate(dato.text(), &dias)) {
    return std::nullopt;
  }
  return Calendar::DateOf(dias);
}

}  // namespace kaldoren
