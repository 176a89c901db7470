// Controles: a child control with its object name, text and font, as both
// windows build theirs. The object names are the controls' names in the
// windows' design (VERIFICA, HOJA, DESDEH, ...), by which tests find them.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

namespace kaldoren {

template <typename Control>
Control* CrearControl(QWidget* padre, const QString& nombre, const QString& texto,
                      const QFont& fuente) {
  auto* control = new Control(texto, padre);
  control->setObjectName(nombre);
  control->setFont(fuente);
  return control;
}

}  // namespace kaldoren
