// DialogosQt: the real dialogs and message boxes of the desktop program.
// Each call blocks in the dialog's own event loop until the user answers.
#pragma once

#include "app/qt/Dialogos.h"

namespace kaldoren {

class DialogosQt final : public Dialogos {
 public:
  std::optional<QString> AbrirArchivo(QWidget* padre, const QString& titulo, const QString& filtro,
                                      const QString& carpeta_inicial) override;
  void Aviso(QWidget* padre, QMessageBox::Icon icono, const QString& titulo,
             const QString& texto) override;
  bool Confirmar(QWidget* padre, const QString& titulo, const QString& texto) override;
  bool ElegirImpresora(QWidget* padre, QPrinter* impresora) override;
  std::optional<QString> GuardarPdf(QWidget* padre, const QString& sugerido) override;
  bool AbrirConPrograma(const QString& ruta) override;
};

}  // namespace kaldoren
