#include "app/cli/SalidaPdf.h"

#include <QFile>
#include <optional>

#include "report/pintor/AplicacionSinPantalla.h"
#include "report/pintor/InformePdf.h"

namespace kaldoren {

bool SalidaPdf::Disponible() { return true; }

Status SalidaPdf::Preparar() {
  AplicacionSinPantalla::Asegurar();
  return Status::Ok();
}

std::string SalidaPdf::Destino(const std::string& carpeta) {
  const std::optional<JuegoDeHojas> hojas = InformePdf::HojasDe(carpeta);
  return hojas ? QFile::encodeName(hojas->pdf).toStdString() : std::string();
}

Status SalidaPdf::Escribir(const std::string& carpeta, const std::string& destino) {
  return InformePdf::EscribirPdf(carpeta, destino);
}

}  // namespace kaldoren
