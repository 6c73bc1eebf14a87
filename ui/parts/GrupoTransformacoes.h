// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Avisos.h"
#include "CampoParametro.h"
#include "CicloDeTracado.h"
#include "ConstrucaoTexto.h"
#include "CurvasDaArea.h"
#include "LeituraIntervalo.h"

#include <QGroupBox>
#include <QTimer>
#include <array>
#include <functional>

class AreaGrafica;
class BotaoOpcao;
class clsEquation;
class QLineEdit;
struct CoresDaArea;
struct JanelaGrafica;

/// The transformation group `Frame2`: the ten options `Option1` to `Option10`, the parameters
/// `ValorDeA` and `ValorDeB`, and the selection marks. Selecting an option that was not
/// selected builds its transformation of f and plots it in the transform area; so does Enter in
/// a or b while an option is marked. Stepping a or b previews the marked transformation. The
/// window's layout places the group and its controls.
class GrupoTransformacoes : public QGroupBox {
    Q_OBJECT
public:
    /// The transform area it draws in, the window in force, the area's colour choices, the text
    /// of f as typed, and the dialogs that tell the user why a transformation is not drawn.
    GrupoTransformacoes(AreaGrafica& area, const JanelaGrafica& janela, const CoresDaArea& cores,
                        std::function<QString()> textoDeF, const Avisos& avisos, QWidget* pai);

    /// The working texts `Função2` and `Função3` as the last transformation left them.
    const TextosDeTrabalho& textos() const { return m_textos; }
    /// The option button of transformation n (1 to 10).
    BotaoOpcao* opcao(int numero) const;
    QLineEdit* valorDeA() const { return m_valorDeA; }
    QLineEdit* valorDeB() const { return m_valorDeB; }
    /// The domain of f as typed, read at each transformation: the transforms are drawn only where
    /// the argument given to f lies in it (every real number at first), their ends marked; one
    /// that cannot be read is said, and nothing is drawn.
    void definirDominioDeF(std::function<IntervaloLido()> dominio) {
        m_dominioDeF = std::move(dominio);
    }
    /// Where the colour of the next transform (and of its preview) comes from; the area's
    /// colour choice until given.
    void definirCorSeguinte(std::function<QColor()> cor) { m_corSeguinte = std::move(cor); }

public slots:
    /// The click of `Reset`: clears the marks of `Option1` to `Option10`, in that order.
    void reset();
    /// After the transform erase: clears all ten marks, as `Reset` does.
    void transformadaApagada();
    /// Runs the click handler of transformation n: checks and evaluates its parameters, builds
    /// its text and plots it. A parameter or an f that cannot be evaluated, or an empty f, is
    /// said in a box; a plot that shows no point, or an a = 0 that leaves nothing to draw or
    /// flattens the curve, says why in a note over the area.
    void executar(int numero);

signals:
    /// A transformation was drawn in the area: the text the interpreter plotted, the option's
    /// caption, which names the curve ("- f(x)"), and the parameters it was drawn with.
    void transformadaDesenhada(const CurvaDesenhada& curva);
    /// The preview shown over the area now, or none.
    void previsaoMudou(const std::optional<CurvaDesenhada>& curva);
    /// Transformation n was drawn from f (its text ready for the interpreter) with these
    /// parameters (as written back), after transformadaDesenhada.
    void opcaoDesenhada(int numero, const QString& f, const Parametros& parametros);

private:
    void criarOpcoes();
    void criarParametros();
    void marcarSo(int numero);
    void moverSeleccao(int numero, bool seguinte);
    bool parametroIndicado(QLineEdit* campo, const QString& mensagem);
    bool avaliarParametro(clsEquation& equacao, CampoParametro* campo);
    bool desenhar(clsEquation& equacao, const Transformacao& t, const QString& f,
                  const Parametros& parametros, const Intervalo& dominio);
    ResultadoTracado tracar(clsEquation& equacao, const Transformacao& t, const QString& f,
                            const Parametros& parametros, const Intervalo& dominio);
    CurvaDesenhada curva(const Transformacao& t, const QString& texto,
                         const Parametros& parametros) const;
    void notaDeANulo(const Transformacao& t, const Parametros& parametros, bool desenhada);
    void desenharMarcada();
    int opcaoMarcada() const;
    void pedirPrevisao(QLineEdit* campo);
    void prever();
    bool lerParaPrevisao(clsEquation& equacao, QLineEdit* campo, QString& valor);
    void notaDaPrevisao(const QString& texto);
    void apagarPrevisao();
    QChar nomeDe(const QLineEdit* campo) const;
    QColor corSeguinte() const;

    AreaGrafica& m_area;
    const JanelaGrafica& m_janela;
    const CoresDaArea& m_cores;
    std::function<QString()> m_textoDeF;
    std::function<IntervaloLido()> m_dominioDeF = [] { return IntervaloLido{}; };
    std::function<QColor()> m_corSeguinte;
    Avisos m_avisos;
    std::array<BotaoOpcao*, 10> m_opcoes{};
    CampoParametro* m_valorDeA = nullptr;
    CampoParametro* m_valorDeB = nullptr;
    TextosDeTrabalho m_textos;
    // Steps that come while a preview is being drawn are previewed once, with the last value.
    QTimer m_previsao;
    QLineEdit* m_campoPrevisto = nullptr;
};
