// Centróides das armaduras positiva (d'CG1) e negativa (d'CG2).
#include "calc/Dimensionamento.h"

namespace lumbrio {

namespace {

// Centróide das camadas, com momentos em torno da camada 1. Sem barras, o
// centróide fica como estava (não há área para ponderar).
void Centroide(const PorCamada& NumBarras, const std::array<int, 7>& Bitola, int NumCamadas,
               const PorBitola& AreaBarra, const PorCamada& DLinha, double& DCG) {
    double SA = 0, SM = 0;
    for (int i = 1; i <= NumCamadas; ++i) {
        const double Ai = NumBarras[i] * AreaBarra[Bitola[i]];
        SM += Ai * (DLinha[i] - DLinha[1]);
        SA += Ai;
    }
    if (SA > 0) DCG = SM / SA + DLinha[1];
}

} // namespace

void Dimensionamento::CGd1() {
    Centroide(NumBarrasPos, BitolaPos, NumCamadasPos, AreaBarra, DLinhaPos, DCG1);
}

void Dimensionamento::CGd2() {
    Centroide(NumBarrasNeg, BitolaNeg, NumCamadasNeg, AreaBarra, DLinhaNeg, DCG2);
}

} // namespace lumbrio
