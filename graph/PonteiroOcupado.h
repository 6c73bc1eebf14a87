#pragma once

/// While alive, the mouse pointer is the busy pointer.
class PonteiroOcupado {
public:
    PonteiroOcupado();
    ~PonteiroOcupado();
    PonteiroOcupado(const PonteiroOcupado&) = delete;
    PonteiroOcupado& operator=(const PonteiroOcupado&) = delete;

    /// Puts the normal pointer back at once, whatever guards are alive.
    static void normal();
};
