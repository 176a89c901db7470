#include "summaries/Importe.h"

#include "base/Format.h"
#include "base/Regional.h"

namespace kaldoren {

std::string Importe::Campo(const Value& v, size_t ancho) {
  double x = 0;
  return Format::Right(v.AsNumber(&x) ? Format::Amount(x) : std::string(), ancho);
}

double Importe::Valor(const Value& v) {
  double x = 0;
  return v.AsNumber(&x) ? x : 0;
}

double Importe::Centavos(double x) {
  // Read back from its written form, so that the comparison and the line
  // always agree on the cents shown.
  double redondeado = x;
  Regional::ParseNumber(Format::Amount(x), &redondeado);
  return redondeado;
}

}  // namespace kaldoren
