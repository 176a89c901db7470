#include "app/cli/SalidaPdf.h"

#include <QFile>
#include <mutex>
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
  // Qt's font and text layout are safe from one thread at a time; the
  // verification of several workbooks runs on two.
  static std::mutex cerrojo;
  const std::lock_guard<std::mutex> uno(cerrojo);
  return InformePdf::EscribirPdf(carpeta, destino);
}

}  // namespace kaldoren
