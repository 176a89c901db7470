#include "report/pintor/AplicacionSinPantalla.h"

#include <QGuiApplication>
#include <QtGlobal>

#include "report/pintor/Fuentes.h"

namespace kaldoren {
namespace {

QtMessageHandler anterior = nullptr;

// Qt warns on every start without a session (a script, a server) that it
// picks a runtime folder of its own; the PDF needs none, so that warning is
// dropped and every other message goes on as before.
void SinAvisoDeSesion(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
  if (texto.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR"))) return;
  if (anterior != nullptr) {
    anterior(tipo, contexto, texto);
  } else {
    qt_message_output(tipo, contexto, texto);
  }
}

}  // namespace

void AplicacionSinPantalla::Asegurar() {
  if (QCoreApplication::instance() == nullptr) {
    // QGuiApplication keeps references to argc and argv for its whole life.
    static int argc = 1;
    static char nombre[] = "kaldoren20";
    static char* argv[] = {nombre, nullptr};
    // The offscreen platform is the only one that needs no display; an
    // explicit choice in the environment is kept.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    anterior = qInstallMessageHandler(SinAvisoDeSesion);
    static QGuiApplication* aplicacion = new QGuiApplication(argc, argv);
    Q_UNUSED(aplicacion);
  }
  Fuentes::InstalarSustitutos();
}

}  // namespace kaldoren
