#include "report/pintor/InformePdf.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QThread>
#include <cerrno>
#include <memory>
#include <mutex>
#include <optional>

#include "base/SystemError.h"
#include "base/Version.h"
#include "report/pintor/PintorHojas.h"

namespace kaldoren {
namespace {

constexpr int kErrorPdf = 76;

// errno as the last system call left it; painting itself sets none.
std::string MotivoDelSistema() {
  return errno != 0 ? SystemError::Reason(errno) : "falló la escritura";
}

Status ErrorDePdf(const QString& destino, const std::string& motivo) {
  return Status::Error(kErrorPdf, "No se pudo escribir el PDF " +
                                      QFile::encodeName(destino).toStdString() + ": " + motivo);
}

// The file the PDF goes into. A regular file (or a new one) is replaced
// whole once the PDF is complete, so a failure leaves the earlier one; a
// device or a pipe (/dev/stdout, /dev/null) is written in place, because
// replacing it would put a regular file where the device was.
std::unique_ptr<QFileDevice> Destino(const QString& ruta) {
  const QFileInfo info(ruta);
  if (info.exists() && !info.isFile()) return std::make_unique<QFile>(ruta);
  return std::make_unique<QSaveFile>(ruta);
}

// The last part of the PDF is still in the file's buffer: QSaveFile's commit
// does not see a failure of that final write (a full disk, a size limit) and
// would install a cut PDF, so it is flushed and checked first; a replacement
// not committed is discarded.
bool Confirmar(QFileDevice* archivo) {
  if (auto* reemplazo = qobject_cast<QSaveFile*>(archivo)) {
    return reemplazo->flush() && reemplazo->commit();
  }
  archivo->close();
  return archivo->error() == QFileDevice::NoError;
}

}  // namespace

Status InformePdf::Escribir(const JuegoDeHojas& hojas, qint64 desde, qint64 hasta,
                            const QString& destino) {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    return ErrorDePdf(destino, "el programa no inició la parte gráfica de Qt");
  }
  if (desde < 1 || hasta < desde) return ErrorDePdf(destino, "no hay hojas que escribir");
  const std::unique_ptr<QFileDevice> archivo = Destino(destino);
  errno = 0;
  if (!archivo->open(QIODevice::WriteOnly)) return ErrorDePdf(destino, MotivoDelSistema());
  QPdfWriter pdf(archivo.get());
  pdf.setTitle(hojas.titulo);
  pdf.setCreator(QStringLiteral("Control_Kaldoren20 ") + QString::fromLatin1(kVersion));
  PintorHojas::PrepararHoja(&pdf);
  PintorHojas pintor(&pdf, hojas.textos);
  bool bien = pintor.Empezar();
  for (qint64 k = desde; bien && k <= hasta; ++k) bien = pintor.Pintar(hojas.Archivo(k));
  bien = pintor.Terminar() && bien;
  if (!pintor.Falla().empty()) return ErrorDePdf(destino, pintor.Falla());
  errno = 0;
  if (!bien || !Confirmar(archivo.get())) return ErrorDePdf(destino, MotivoDelSistema());
  return Status::Ok();
}

Status InformePdf::Escribir(const JuegoDeHojas& hojas, const QString& destino) {
  return Escribir(hojas, 1, hojas.Contar(), destino);
}

std::optional<JuegoDeHojas> InformePdf::HojasDe(const std::string& carpeta) {
  const QString en = QFile::decodeName(carpeta.c_str());
  for (const JuegoDeHojas& hojas : {JuegoDeHojas::Informe(en), JuegoDeHojas::Listado(en)}) {
    if (hojas.Contar() > 0) return hojas;
  }
  return std::nullopt;
}

Status InformePdf::EscribirPdf(const std::string& carpeta, const std::string& destino) {
  if (const std::optional<JuegoDeHojas> hojas = HojasDe(carpeta)) {
    // Qt's text layout starts timers, which only a thread that Qt started
    // may do: the caller's thread (a worker of the command line, of the
    // server) waits for one; and one PDF is painted at a time.
    static std::mutex cerrojo;
    const std::lock_guard<std::mutex> uno(cerrojo);
    Status estado;
    const std::unique_ptr<QThread> pintor(
        QThread::create([&] { estado = Escribir(*hojas, QFile::decodeName(destino.c_str())); }));
    pintor->start();
    pintor->wait();
    return estado;
  }
  if (!QFileInfo(QFile::decodeName(carpeta.c_str())).isDir()) {
    return Status::Error(kErrorPdf, "La carpeta " + carpeta + " no existe");
  }
  return Status::Error(kErrorPdf, "La carpeta " + carpeta +
                                      " no tiene hojas de informe (HOJA_1.TXT) ni de listado "
                                      "(DATOS1.TXT)");
}

}  // namespace kaldoren
