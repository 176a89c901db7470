// PintorHojas: paints page files on a paged device, one page file per sheet:
// the page in Courier New with its texts set off as the viewer shows them,
// shrunk when it is wider or taller than the printable area so that no line
// is cut and every page file fills exactly one sheet. The one painter of the
// program: the desktop prints with it and every PDF is written with it.
//
// Each page is laid out, painted and dropped before the next one is read, so
// painting many pages needs no more memory than one. The device must outlive
// the painter; Empezar, then Pintar per page, then Terminar.
#pragma once

#include <QList>
#include <QPainter>
#include <QString>
#include <string>

#include "report/pintor/TextosResaltados.h"

class QPagedPaintDevice;

namespace kaldoren {

class PintorHojas {
 public:
  // Sets A4 upright and margins of 10 mm: the sheet of a report page (a
  // printer dialog shown afterwards may still change them).
  static void PrepararHoja(QPagedPaintDevice* destino);

  PintorHojas(QPagedPaintDevice* destino, QList<Resaltado> textos);
  PintorHojas(const PintorHojas&) = delete;
  PintorHojas& operator=(const PintorHojas&) = delete;

  // False when the device cannot be painted on (a file not writable, a
  // printer that refused the job).
  bool Empezar();
  // Paints the page file on the next sheet. False when the device refused a
  // new sheet or the file cannot be read (Falla says which file).
  bool Pintar(const QString& ruta);
  // Ends the job; false when the device reported a failure or the job never
  // began.
  bool Terminar();
  // Why Pintar failed when the fault was not the device's ("no se pudo leer
  // la hoja ..."); empty otherwise.
  const std::string& Falla() const { return falla_; }

 private:
  QPagedPaintDevice* destino_;
  QList<Resaltado> textos_;
  QPainter pintor_;
  bool primera_ = true;
  std::string falla_;
};

}  // namespace kaldoren
