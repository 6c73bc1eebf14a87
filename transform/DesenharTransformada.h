#pragma once

#include "AreaGrafica.h"
#include "JanelaGrafica.h"

#include <QColor>

class CamadaPassageira;
class clsEquation;
class QWidget;

/// Plots the function held by `equacao` into the transform area, over the axes and the earlier
/// transforms, in `cor`, on the window in force. Abscissas where the expression fails are
/// skipped in silence. The busy pointer of `janelaPrincipal` and the live overlay last only
/// while it runs; the persistent picture is shown again and the pointer restored whatever
/// happens.
void DesenharTransformada(clsEquation& equacao, AreaGrafica& area, const JanelaGrafica& janela,
                          const QColor& cor, QWidget& janelaPrincipal);

/// The same plot as a preview: the points go only to `camada`, in place of its earlier preview,
/// and nothing is kept in the picture.
void PreverTransformada(clsEquation& equacao, CamadaPassageira& camada, const JanelaGrafica& janela,
                        const QColor& cor);
