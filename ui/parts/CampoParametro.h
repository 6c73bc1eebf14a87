// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

/// The text box of a parameter, a or b. Besides typing, the Up and Down keys and the mouse wheel
/// step its value by 0.1 (with Shift, by 1), writing the number back as a transformation does;
/// a text read as the user writes it ("0,5") steps as its value. A number written back shows
/// from its start ("-0.333…", never only its last digits).
class CampoParametro : public QLineEdit {
    Q_OBJECT
public:
    CampoParametro(const QString& texto, QWidget* pai);

    /// Puts the value of the text typed in its place, shown from its start. While the box holds
    /// that number, expressaoEscrita() gives what was typed, when it was an expression.
    void escreverValor(const QString& numero);
    /// The expression the user wrote for the number the box holds ("-1/3", "pi/15"), or nothing
    /// when the box holds what was typed, or a number that was typed as a number.
    QString expressaoEscrita() const;

    /// Adds `quanto` to the value of the text; false, changing nothing, when the text does not
    /// evaluate to a number (silent failures included).
    bool passo(double quanto);

signals:
    /// The value was stepped; the text holds the new value.
    void valorMudado();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;

private:
    static double tamanhoDoPasso(Qt::KeyboardModifiers modificadores);
    void mostrarDoInicio(const QString& texto);

    QString m_expressao; ///< what was typed, for the number written back from it
    QString m_devolvido; ///< that number, as written back
};
