// PRINCIPAL: the main window of the desktop program. It lets the user choose
// the declaration workbook, shows its folder, file name and last-modified
// time, refuses compressed files, starts the verification run and hosts its
// progress display, opens the last report and the valid-data listing in the
// viewer, writes the marked copy of the last verified workbook into the
// application folder and opens it with the desktop's spreadsheet program, and
// asks before the program ends.
//
// The window is the run's progress display: the section frame's caption, the
// bar's width (window units of 1/1440 inch) and the percentage label, each
// repainted at once because the run never returns to the event loop until it
// ends; the pauses between records go to the Pausa given at construction.
// Report and listing files are written into the application folder, which
// must exist. The Dialogos must outlive the window.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/PantallaProgreso.h"
#include "report/pintor/JuegoDeHojas.h"
#include "hallazgos/Hallazgo.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace kaldoren {

class Dialogos;
class EDITOR;

class PRINCIPAL final : public QWidget, public PantallaProgreso {
  Q_OBJECT

 public:
  // Esperar hands its pauses (in seconds) to this function.
  using Pausa = std::function<void(double)>;

  PRINCIPAL(const QString& carpeta, Dialogos& dialogos, Pausa pausa, QWidget* parent = nullptr);
  Q_DISABLE_COPY_MOVE(PRINCIPAL)

  // Window units (1/1440 inch) in pixels, at 96 pixels per inch; Qt scales
  // pixels to the screen itself.
  static constexpr int Pixeles(int unidades) { return (unidades + 7) / 15; }

  // The viewer open now, or nullptr.
  EDITOR* Visor() const;

  void TituloSeccion(const std::string& caption) override;
  void AnchoBarra(int units) override;
  void Porcentaje(const std::string& label) override;
  void Esperar(double seconds) override;

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  void CrearOrigen();
  void CrearVerificacion();
  void CrearProgreso(QWidget* marco);
  void CrearBotonesLaterales();

  void ElegirPlanilla();
  void Verificar();
  void UltimoReporte();
  void DatosValidos();
  void PlanillaMarcada();
  // The message box of a failure of the marked copy.
  void ErrorDeMarcada(const std::string& texto);
  void AbrirVisor(const JuegoDeHojas& hojas);
  void VaciarEtiquetas();
  QString CarpetaInicial() const;

  const QString carpeta_;
  Dialogos& dialogos_;
  const Pausa pausa_;
  QString ruta_elegida_;
  QString ultima_carpeta_;
  QPointer<EDITOR> visor_;
  // The last workbook verified, its last-modified time then, and its findings.
  struct Verificada {
    std::string ruta;
    std::string archivo;
    std::optional<double> modificado;
    std::vector<Hallazgo> hallazgos;
  };
  std::optional<Verificada> verificada_;

  QLabel* directorio_ = nullptr;
  QLabel* archxls_ = nullptr;
  QLabel* fh_ = nullptr;
  QPushButton* ubica_ = nullptr;
  QPushButton* verifica_ = nullptr;
  QPushButton* verinfo_ = nullptr;
  QGroupBox* seccion_ = nullptr;
  QLabel* contador_ = nullptr;
  QWidget* pista_ = nullptr;
  QWidget* barra_ = nullptr;
};

}  // namespace kaldoren
