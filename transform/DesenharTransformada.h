#pragma once

#include "AreaGrafica.h"
#include "JanelaGrafica.h"

#include <QColor>

class clsEquation;
class QWidget;

/// Plots the function held by `equacao` into the transform area, over the axes and the earlier
/// transforms, in `cor`, on the window in force. Abscissas where the expression fails are
/// skipped in silence. The busy pointer of `janelaPrincipal` and the live overlay last only
/// while it runs; the persistent picture is shown again and the pointer restored whatever
/// happens.
void DesenharTransformada(clsEquation& equacao, AreaGrafica& area, const JanelaGrafica& janela,
                          const QColor& cor, QWidget& janelaPrincipal);
