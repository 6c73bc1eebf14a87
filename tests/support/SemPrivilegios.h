// SPDX-FileCopyrightText: 2026 Equipa do Quilora
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

/// While alive, the superuser acts as an ordinary user (nobody), so that the permissions of
/// files and folders bind as they do for a pupil; an ordinary user stays as it is.
class SemPrivilegios {
public:
    explicit SemPrivilegios(bool activo = true) : m_eraRoot(activo && geteuid() == 0) {
        if (m_eraRoot && seteuid(kNinguem) != 0)
            m_eraRoot = false;
    }
    ~SemPrivilegios() {
        if (m_eraRoot && seteuid(0) != 0)
            ADD_FAILURE() << "could not take the privileges back";
    }
    SemPrivilegios(const SemPrivilegios&) = delete;
    SemPrivilegios& operator=(const SemPrivilegios&) = delete;

    static constexpr uid_t kNinguem = 65534;

private:
    bool m_eraRoot;
};
