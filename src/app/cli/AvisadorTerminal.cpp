#include "app/cli/AvisadorTerminal.h"

namespace kaldoren {

AvisadorTerminal::AvisadorTerminal(std::FILE* salida, std::mutex& cerrojo, std::string planilla)
    : salida_(salida), cerrojo_(cerrojo), planilla_(std::move(planilla)) {}

void AvisadorTerminal::Mensaje(const std::string& texto, const std::string& titulo, Icono) {
  const std::lock_guard<std::mutex> guardia(cerrojo_);
  std::fprintf(salida_, "kaldoren20: %s: %s: %s\n", planilla_.c_str(), titulo.c_str(),
               texto.c_str());
  std::fflush(salida_);
}

}  // namespace kaldoren
