// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EcraSemMonitor.h"
#include "LocalDoAmbiente.h"
#include "Traducoes.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // A screen large enough for the main window at scale 2, even at a density of 2.
    const QTemporaryDir pasta;
    usarEcraSemMonitor(pasta, QSize(4096, 3072));
    QApplication app(argc, argv);
    InstalarTraducoes(app);
    if (!usarLocalDoAmbiente())
        return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
