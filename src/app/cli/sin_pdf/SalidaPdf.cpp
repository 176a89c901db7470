#include "app/cli/SalidaPdf.h"

namespace kaldoren {
namespace {

constexpr int kSinPdf = 76;

Status SinPdf() {
  return Status::Error(kSinPdf,
                       "Este kaldoren20 se construyó sin Qt y no puede escribir archivos PDF");
}

}  // namespace

bool SalidaPdf::Disponible() { return false; }

Status SalidaPdf::Preparar() { return SinPdf(); }

std::string SalidaPdf::Destino(const std::string&) { return std::string(); }

Status SalidaPdf::Escribir(const std::string&, const std::string&) { return SinPdf(); }

}  // namespace kaldoren
