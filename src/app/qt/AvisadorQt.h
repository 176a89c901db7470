// AvisadorQt: the run's messages (opening failures, a report that cannot be
// written) as message boxes over a window, through the Dialogos seam. The
// Dialogos and the window must outlive the object.
#pragma once

#include "app/Avisador.h"

class QWidget;

namespace kaldoren {

class Dialogos;

class AvisadorQt final : public Avisador {
 public:
  AvisadorQt(Dialogos& dialogos, QWidget* ventana);

  void Mensaje(const std::string& texto, const std::string& titulo, Icono icono) override;

 private:
  Dialogos& dialogos_;
  QWidget* ventana_;
};

}  // namespace kaldoren
