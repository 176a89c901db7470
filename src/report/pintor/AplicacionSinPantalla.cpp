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
    // The offscreen platform is the only one that needs no display; named on
    // the command line it wins over QT_QPA_PLATFORM, which a session may set
    // (wayland, xcb) and which, where that display is missing (a script, ssh,
    // a server), made Qt abort the program.
    static int argc = 3;
    static char nombre[] = "kaldoren20";
    static char opcion[] = "-platform";
    static char plataforma[] = "offscreen";
    static char* argv[] = {nombre, opcion, plataforma, nullptr};
    anterior = qInstallMessageHandler(SinAvisoDeSesion);
    static QGuiApplication* aplicacion = new QGuiApplication(argc, argv);
    Q_UNUSED(aplicacion);
  }
  Fuentes::InstalarSustitutos();
}

}  // namespace kaldoren
