#include "report/pintor/TextosResaltados.h"

#include "report/TextosDestacados.h"

namespace kaldoren {

namespace {

QList<Resaltado> EnQt(const std::vector<Destacado>& destacados) {
  QList<Resaltado> lista;
  for (const Destacado& d : destacados) {
    Resaltado r{QString::fromStdString(d.texto), std::nullopt, d.puntos, d.negrita, d.subrayado};
    if (d.fuente) r.fuente = QString::fromStdString(*d.fuente);
    lista.append(r);
  }
  return lista;
}

}  // namespace

QList<Resaltado> TextosResaltados::Informe() { return EnQt(TextosDestacados::Informe()); }

QList<Resaltado> TextosResaltados::DatosValidos() { return EnQt(TextosDestacados::DatosValidos()); }

}  // namespace kaldoren
