// InformePdf: writes page files as one PDF file, for the desktop's "Guardar
// PDF", the command line and the server alike: A4, one sheet per page file
// (painted by PintorHojas, page by page, so memory does not grow with the
// page count), real text in embedded fonts, the texts set off as the viewer
// shows them, the document title of the pages and the program as creator.
//
// Painting needs a Qt application: where the process has no window of its
// own, call AplicacionSinPantalla::Asegurar first (from the main thread);
// without one the answer is an error, never a crash. The file appears whole
// or not at all: a failure (no pages, a folder not writable, a full disk)
// is answered as a Status in Spanish and leaves an earlier file untouched.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "base/Status.h"
#include "report/pintor/JuegoDeHojas.h"

namespace kaldoren {

class InformePdf {
 public:
  // Pages desde to hasta (from 1; both included and present) into destino.
  static Status Escribir(const JuegoDeHojas& hojas, qint64 desde, qint64 hasta,
                         const QString& destino);
  // Every page of the set.
  static Status Escribir(const JuegoDeHojas& hojas, const QString& destino);
  // The pages a folder holds: the verification report's, or, when it holds
  // none, the valid-data listing's; nothing when it holds neither.
  static std::optional<JuegoDeHojas> HojasDe(const std::string& carpeta);
  // The PDF of HojasDe(carpeta) into destino; an error when there are none.
  // Safe from any thread (painting runs in a thread of Qt's own, one PDF at
  // a time).
  static Status EscribirPdf(const std::string& carpeta, const std::string& destino);
};

}  // namespace kaldoren
