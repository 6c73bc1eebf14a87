#pragma once

#include "ConstrucaoTexto.h"

#include <QGroupBox>
#include <array>
#include <optional>

class BotaoOpcao;
class Form1;
class clsEquation;
class QLineEdit;

/// The transformation group `Frame2`: the ten options `Option1` to `Option10`, the parameters
/// `ValorDeA` and `ValorDeB`, and the selection marks. Selecting an option that was not
/// selected builds its transformation of f and plots it in the transform area.
class GrupoTransformacoes : public QGroupBox {
    Q_OBJECT
public:
    /// Places the group at its place on `janela`'s client area.
    explicit GrupoTransformacoes(Form1& janela);

    /// The working texts `Função2` and `Função3` as the last transformation left them.
    const TextosDeTrabalho& textos() const { return m_textos; }
    /// The option button of transformation n (1 to 10).
    BotaoOpcao* opcao(int numero) const;
    QLineEdit* valorDeA() const { return m_valorDeA; }
    QLineEdit* valorDeB() const { return m_valorDeB; }

public slots:
    /// The click of `Reset`: clears the marks of `Option1` to `Option10`, in that order.
    void reset();
    /// After the transform erase: clears all ten marks, as `Reset` does.
    void transformadaApagada();
    /// Runs the click handler of transformation n: checks and evaluates its parameters, builds
    /// its text and plots it. Every failure but a missing parameter passes in silence.
    void executar(int numero);

private:
    void criarOpcoes();
    void criarParametros();
    void marcarSo(int numero);
    void moverSeleccao(int numero, bool seguinte);
    bool parametroIndicado(QLineEdit* campo, const QString& mensagem);
    static std::optional<QString> valorAvaliado(clsEquation& equacao, const QString& texto);
    static void avaliarParametro(clsEquation& equacao, QLineEdit* campo);
    int opcaoMarcada() const;
    void prever(QLineEdit* campo);
    void apagarPrevisao();

    Form1& m_janela;
    std::array<BotaoOpcao*, 10> m_opcoes{};
    QLineEdit* m_valorDeA = nullptr;
    QLineEdit* m_valorDeB = nullptr;
    TextosDeTrabalho m_textos;
};
