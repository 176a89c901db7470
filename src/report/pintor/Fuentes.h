// Fuentes: the fonts of the desktop windows and of the painted pages. They
// name the fonts they were designed with (Arial, Verdana, MS Sans Serif,
// Courier New); on Linux these are substituted by installed families of
// similar metrics, which InstalarSustitutos registers once, before the first
// window is built or page painted.
#pragma once

#include <QFont>

class QString;

namespace kaldoren {

class Fuentes {
 public:
  static void InstalarSustitutos();

  // A font of the given family and size in points (fractions allowed).
  static QFont Crear(const QString& familia, double puntos, bool negrita = false,
                     bool cursiva = false);
};

}  // namespace kaldoren
