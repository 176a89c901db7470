// Avisador: shows the run's message boxes (the opening failures of APERTURA
// and the like). The desktop shows a real message box; the command line
// writes the title and the text on standard error; tests record them.
#pragma once

#include <string>

namespace kaldoren {

enum class Icono { Critico, Exclamacion, Pregunta };

class Avisador {
 public:
  virtual ~Avisador() = default;
  virtual void Mensaje(const std::string& texto, const std::string& titulo, Icono icono) = 0;
};

}  // namespace kaldoren
