// control-kaldoren20: the desktop program of Control_Kaldoren20.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "app/qt/DialogosQt.h"
#include "app/qt/InstanciaUnica.h"
#include "app/qt/PRINCIPAL.h"
#include "base/Version.h"
#include "report/pintor/Fuentes.h"

namespace {

// The run's pauses block the window's thread on purpose: the run never
// returns to the event loop until it ends.
void Dormir(double segundos) {
  std::this_thread::sleep_for(std::chrono::duration<double>(segundos));
}

// --version and --help answer on the terminal, without a display.
bool Consulta(int argc, char** argv) {
  if (argc != 2) return false;
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("control-kaldoren20 %s\n", kaldoren::kVersion);
    return true;
  }
  if (std::strcmp(argv[1], "--help") == 0) {
    std::printf(
        "Uso: control-kaldoren20\n\n"
        "Abre la ventana de verificación de la declaración jurada (libro .XLS) de un\n"
        "colegio privado. Para verificar desde un script, use kaldoren20.\n");
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (Consulta(argc, argv)) return 0;
  QApplication aplicacion(argc, argv);
  QApplication::setApplicationName(QStringLiteral("control-kaldoren20"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/control-kaldoren20.png")));
  // The program speaks Spanish whatever the desktop's language: the standard
  // dialogs and buttons too, when Qt's translations are installed.
  QTranslator traduccion;
  if (traduccion.load(QStringLiteral("qtbase_es"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&traduccion);
  }
  kaldoren::Fuentes::InstalarSustitutos();
  kaldoren::DialogosQt dialogos;

  const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/control-kaldoren20");
  if (!QDir().mkpath(carpeta)) {
    dialogos.Aviso(nullptr, QMessageBox::Critical, QStringLiteral("ERROR"),
                   QStringLiteral("No se pudo crear la carpeta de la aplicación ") + carpeta);
    return 1;
  }
  kaldoren::InstanciaUnica instancia(carpeta);
  if (!instancia.Tomar()) {
    dialogos.Aviso(nullptr, QMessageBox::Critical, QStringLiteral("ERROR"),
                   QStringLiteral("EL PROGRAMA YA ESTA EN EJECUCION"));
    return 1;
  }

  kaldoren::PRINCIPAL ventana(carpeta, dialogos, Dormir);
  ventana.show();
  return QApplication::exec();
}
