#include "report/pintor/PintorHojas.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QTextDocument>
#include <algorithm>
#include <initializer_list>

#include "report/pintor/PaginaInforme.h"

namespace kaldoren {

void PintorHojas::PrepararHoja(QPagedPaintDevice* destino) {
  destino->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

PintorHojas::PintorHojas(QPagedPaintDevice* destino, QList<Resaltado> textos)
    : destino_(destino), textos_(std::move(textos)) {}

bool PintorHojas::Empezar() { return pintor_.begin(destino_); }

bool PintorHojas::Pintar(const QString& ruta) {
  if (!primera_ && !destino_->newPage()) return false;
  primera_ = false;
  QTextDocument hoja;
  hoja.documentLayout()->setPaintDevice(destino_);
  if (!PaginaInforme::Cargar(ruta, &hoja)) {
    falla_ = "no se pudo leer la hoja " + QFile::encodeName(ruta).toStdString();
    return false;
  }
  PaginaInforme::Resaltar_Textos(textos_, &hoja);
  // Without a text width Qt lays a document out again only in part after its
  // formats change (the page lost every line below the first set-off text);
  // the width of the longest line makes it lay out the whole page. Trailing
  // blanks (the listing pads its lines) do not count: what is written fits.
  hoja.setTextWidth(hoja.idealWidth());
  const QRectF area = destino_->pageLayout().paintRectPixels(destino_->logicalDpiX());
  const QSizeF tamano = hoja.size();
  const qreal escala =
      std::min({1.0, area.width() / tamano.width(), area.height() / tamano.height()});
  pintor_.save();
  pintor_.scale(escala, escala);
  hoja.drawContents(&pintor_);
  pintor_.restore();
  return true;
}

bool PintorHojas::Terminar() { return pintor_.isActive() && pintor_.end(); }

}  // namespace kaldoren
