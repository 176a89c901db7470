// AplicacionSinPantalla: the Qt application that painting needs when the
// program has no window of its own (the command line, a server). Asegurar
// makes a QGuiApplication on Qt's offscreen platform, so no display is
// needed, unless the process already has a Qt application (the desktop's
// own, or one made by an earlier call); either way it registers the font
// substitutes of the painted pages. Call it from the main thread, before the
// first page is painted; the application it makes lives until the process
// ends.
#pragma once

namespace kaldoren {

class AplicacionSinPantalla {
 public:
  static void Asegurar();
};

}  // namespace kaldoren
