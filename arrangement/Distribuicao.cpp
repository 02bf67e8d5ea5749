// Capacidade das camadas, distribuição das barras camada a camada e
// espaçamentos reais das barras colocadas.
#include "arrangement/Arranjo.h"

#include <cmath>

namespace lumbrio {

void Capacidades(int N, double bw, const Bitolas& Bitola, const Diametros& Diametro,
                 const Camadas& EspMinHor, Camadas& NumMax) {
    for (int i = 1; i <= N; ++i) {
        const double eh = EspMinHor[i];
        const double n = std::floor((bw + eh) / (eh + Diametro[Bitola[i]]) + 1e-12);
        NumMax[i] = n > 0 ? n : 0;
    }
}

void EspacamentosReais(int N, double bw, const Bitolas& Bitola, const Diametros& Diametro,
                       const Camadas& NumBarras, Camadas& EspLivre, Camadas& EspHor) {
    for (int i = 1; i <= N; ++i) {
        const double n = NumBarras[i];
        if (n == 0 || n == 1) continue;
        const double fi = Diametro[Bitola[i]];
        EspLivre[i] = (bw - n * fi) / (n - 1);
        EspHor[i] = fi + EspLivre[i];
    }
}

} // namespace lumbrio
