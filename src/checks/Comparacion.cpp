#include "checks/Comparacion.h"

namespace kaldoren {

std::optional<double> Comparacion::Numero(const Value& celda) {
  double x = 0;
  if (!celda.AsNumber(&x)) return std::nullopt;
  return x;
}

bool Comparacion::Igual(const Value& celda, double x) {
  const std::optional<double> n = Numero(celda);
  return n && *n == x;
}

bool Comparacion::Mayor(const Value& celda, double x) {
  const std::optional<double> n = Numero(celda);
  return n && *n > x;
}

bool Comparacion::MayorOIgual(const Value& celda, double x) {
  const std::optional<double> n = Numero(celda);
  return n && *n >= x;
}

}  // namespace kaldoren
