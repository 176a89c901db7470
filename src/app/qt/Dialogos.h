// Dialogos: every dialog and message box the desktop windows show, behind one
// small interface so that tests can answer them without a real dialog on
// screen. DialogosQt shows the real ones; a test gives scripted answers.
//
// Message texts are passed exactly as the program writes them, carriage
// returns included; showing them as line breaks is the implementation's job.
#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace kaldoren {

class Dialogos {
 public:
  virtual ~Dialogos() = default;

  // The file-open dialog: the chosen file's full path, or nothing when the
  // user cancelled it.
  virtual std::optional<QString> AbrirArchivo(QWidget* padre, const QString& titulo,
                                              const QString& filtro,
                                              const QString& carpeta_inicial) = 0;
  // A message box with an OK button.
  virtual void Aviso(QWidget* padre, QMessageBox::Icon icono, const QString& titulo,
                     const QString& texto) = 0;
  // A question with the buttons OK and Cancel; true for OK.
  virtual bool Confirmar(QWidget* padre, const QString& titulo, const QString& texto) = 0;
  // The printer dialog: sets up impresora and answers true, or false when the
  // user cancelled it.
  virtual bool ElegirImpresora(QWidget* padre, QPrinter* impresora) = 0;
  // The save dialog for a PDF file: the chosen path, or nothing when cancelled.
  virtual std::optional<QString> GuardarPdf(QWidget* padre, const QString& sugerido) = 0;
  // Opens a file with the desktop's program for its kind; false when the
  // desktop could not.
  virtual bool AbrirConPrograma(const QString& ruta) = 0;
};

}  // namespace kaldoren
