// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LocalDoAmbiente.h"
#include "Traducoes.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Windows are built and clicked without being shown on a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstalarTraducoes(app);
    if (!usarLocalDoAmbiente())
        return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
