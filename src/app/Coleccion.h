// Coleccion: the ordered collection of report sections that a section
// collection exposes as Cl. It owns its sections and is indexed from 1 in
// insertion order, as the sections that read each other (the differences
// section reads the totals of positions 2 and 3) expect.
#pragma once

#include <memory>
#include <vector>

namespace kaldoren {

template <typename Seccion>
class Coleccion {
 public:
  void Agregar(std::unique_ptr<Seccion> seccion) { secciones_.push_back(std::move(seccion)); }

  int Count() const { return static_cast<int>(secciones_.size()); }
  // Section at position i, counted from 1; i must be within 1..Count().
  Seccion& Item(int i) const { return *secciones_.at(static_cast<size_t>(i - 1)); }

  auto begin() const { return secciones_.begin(); }
  auto end() const { return secciones_.end(); }

 private:
  std::vector<std::unique_ptr<Seccion>> secciones_;
};

}  // namespace kaldoren
