// PaginasWeb: the HTML pages of the web server (Spanish, lang="es"), made from
// the templates of RecursosWeb with the mustache library, which escapes every
// value: a text read from a workbook never becomes markup. A report's pages are
// shown as the desktop viewer shows them: Courier, with the texts of
// TextosDestacados set off by classes of the stylesheet that Estilo serves.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/web/InformeWeb.h"
#include "report/TextosDestacados.h"

namespace kaldoren {

class PaginasWeb {
 public:
  struct Aviso {
    std::string titulo;
    std::string mensaje;
  };
  struct Descarga {
    std::string href;
    std::string texto;
  };

  PaginasWeb(size_t max_mb, int conservar_min);

  // The upload page, with the failure of the last upload when there is one.
  std::string Inicio(const std::optional<Aviso>& error) const;
  // Page number hoja (1-based, taken into range) of a verification report,
  // with the table of its findings and their cells.
  std::string Informe(const std::string& id, const InformeWeb& informe, size_t hoja,
                      const std::vector<Descarga>& descargas) const;
  // Page number hoja of the valid-data listing.
  std::string DatosValidos(const std::vector<std::string>& hojas, size_t hoja) const;
  // A page with a title and a message (not found, expired, busy, ...).
  std::string Mensaje(const Aviso& aviso) const;
  // The page of a report no longer held: it says how long reports are kept.
  std::string Vencido() const;
  // The stylesheet, with one class per set-off text.
  std::string Estilo() const;

 private:
  struct Visor {
    std::string encabezado;
    std::string estado;
    std::string accion;  // the page's own path, for the links between pages
    std::vector<Descarga> descargas;
    const std::vector<Hallazgo>* hallazgos = nullptr;
  };

  std::string Hojas(const Visor& visor, const std::vector<std::string>& hojas, size_t hoja,
                    const std::vector<Destacado>& destacados) const;

  const size_t max_mb_;
  const int conservar_min_;
};

}  // namespace kaldoren
