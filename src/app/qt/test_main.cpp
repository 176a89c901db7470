// Entry point of the desktop tests: one QApplication for all of them, on
// Qt's offscreen platform unless the caller chose another one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

#include "report/pintor/Fuentes.h"

namespace {

// The offscreen platform warns about window hints it has no use for.
void SinAvisosDeLaPlataforma(QtMsgType tipo, const QMessageLogContext& contexto,
                             const QString& texto) {
  if (texto.contains(QStringLiteral("propagateSizeHints"))) return;
  qt_message_output(tipo, contexto, texto);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(SinAvisosDeLaPlataforma);
  QApplication aplicacion(argc, argv);
  kaldoren::Fuentes::InstalarSustitutos();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
