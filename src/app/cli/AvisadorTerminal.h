// AvisadorTerminal: the message boxes of the command line, written on
// standard error as "kaldoren20: PLANILLA.XLS: Título: texto". Safe to share
// between the workers that check several workbooks at once.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>

#include "app/Avisador.h"

namespace kaldoren {

class AvisadorTerminal final : public Avisador {
 public:
  AvisadorTerminal(std::FILE* salida, std::mutex& cerrojo, std::string planilla);

  void Mensaje(const std::string& texto, const std::string& titulo, Icono icono) override;

 private:
  std::FILE* salida_;
  std::mutex& cerrojo_;
  std::string planilla_;
};

}  // namespace kaldoren
