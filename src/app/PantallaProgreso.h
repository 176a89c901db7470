// PantallaProgreso: the progress display that the verification run drives:
// the caption of the section frame, the width of the bar (in window units of
// 1/1440 inch, 15 at rest and 3615 at 100 %), the percentage label (repainted
// at once by the display), and the pause between records. The desktop shows
// it in the main window; the command line draws a bar on a terminal and never
// pauses; tests record the calls.
#pragma once

#include <string>

namespace kaldoren {

class PantallaProgreso {
 public:
  virtual ~PantallaProgreso() = default;

  virtual void TituloSeccion(const std::string& caption) = 0;
  virtual void AnchoBarra(int units) = 0;
  virtual void Porcentaje(const std::string& label) = 0;
  // Esperar: pause for the given number of seconds.
  virtual void Esperar(double seconds) = 0;
};

}  // namespace kaldoren
