// Membros da seção: lei do aço, tensões das camadas e centróides.
#include "section/Secao.h"
#include "program/Dimensionamento.h"

namespace lumbrio {

LeiDoAco Dimensionamento::Lei() const {
    return {Fyd, Es, EpsYd, ClasseB};
}

void Dimensionamento::SigSdAço() {
    SigPos[IndCamada] = Lei().Tensao(EpsPos[IndCamada]);
}

void Dimensionamento::SigSdAçoNeg() {
    SigNeg[IndCamada] = Lei().Tensao(EpsNeg[IndCamada]);
}

void Dimensionamento::CGd1() {
    DCG1 = Centroide(NumBarrasPos, BitolaPos, NumCamadasPos, AreaBarra, DLinhaPos, DCG1);
}

void Dimensionamento::CGd2() {
    DCG2 = Centroide(NumBarrasNeg, BitolaNeg, NumCamadasNeg, AreaBarra, DLinhaNeg, DCG2);
}

} // namespace lumbrio
