// Capacidade das camadas, distribuição das barras camada a camada e
// espaçamentos reais das barras colocadas.
#include "calc/Dimensionamento.h"

#include <cmath>

namespace lumbrio {

namespace {

// Número máximo de barras lado a lado: maior n com n·φ + (n − 1)·eh ≤ bw.
// Uma capacidade negativa (bw menor que uma barra) conta como 0.
void Capacidades(int N, double bw, const std::array<int, 7>& Bitola, const PorBitola& Diametro,
                 const PorCamada& EspMinHor, PorCamada& NumMax) {
    for (int i = 1; i <= N; ++i) {
        const double eh = EspMinHor[i];
        const double n = std::floor((bw + eh) / (eh + Diametro[Bitola[i]]) + 1e-12);
        NumMax[i] = n > 0 ? n : 0;
    }
}

// Barras da camada i para a área que falta; na última camada cheia, a cor de
// alerta na lista da camada e a distribuição termina com o aço que não coube.
void DistribuiCamada(int i, int NumCamadas, double Area, const PorCamada& NumMax,
                     double& AsRestante, std::string& FimDistrib, PorCamada& NumBarras,
                     Lista& ListaUltima) {
    const double q = AsRestante / Area;
    double n = std::floor(q + 1 + 1e-30); // parte inteira de q mais um, não o teto
    if (n > NumMax[i]) {
        FimDistrib = "não";
        n = NumMax[i];
        if (i == NumCamadas) {
            ListaUltima.BackColor = Cor::Alerta;
            FimDistrib = "sim";
        } else {
            AsRestante = AsRestante - n * Area;
        }
    } else {
        FimDistrib = "sim";
    }
    NumBarras[i] = n;
}

// Barras espalhadas por toda a largura interna ao estribo, vãos iguais.
void Espacamentos(int N, double bw, const std::array<int, 7>& Bitola, const PorBitola& Diametro,
                  const PorCamada& NumBarras, PorCamada& EspLivre, PorCamada& EspHor) {
    for (int i = 1; i <= N; ++i) {
        const double n = NumBarras[i];
        if (n == 0 || n == 1) continue;
        const double fi = Diametro[Bitola[i]];
        EspLivre[i] = (bw - n * fi) / (n - 1);
        EspHor[i] = fi + EspLivre[i];
    }
}

} // namespace

void Dimensionamento::NumMaxdeBarrasPos() {
    const double bw = LarguraInterna();
    Capacidades(NumCamadasPos, bw, BitolaPos, Diametro, EspMinHorPos, NumMaxBarrasPos);
}

void Dimensionamento::NumMaxdeBarrasNeg() {
    const double bw = LarguraInterna();
    Capacidades(NumCamadasNeg, bw, BitolaNeg, Diametro, EspMinHorNeg, NumMaxBarrasNeg);
}

void Dimensionamento::DistribuiBarrasPos() {
    DistribuiCamada(CamadaPos, NumCamadasPos, AreaBarra[BitolaPos[CamadaPos]], NumMaxBarrasPos,
                    AsPosRestante, FimDistribPos, NumBarrasPos, Form1.Combo2[NumCamadasPos]);
}

void Dimensionamento::DistribuiBarrasNeg() {
    DistribuiCamada(CamadaNeg, NumCamadasNeg, AreaBarra[BitolaNeg[CamadaNeg]], NumMaxBarrasNeg,
                    AsNegRestante, FimDistribNeg, NumBarrasNeg, Form1.Combo4[NumCamadasNeg]);
}

void Dimensionamento::EspaçamentosReaisPos() {
    const double bw = LarguraInterna();
    Espacamentos(NumCamadasPos, bw, BitolaPos, Diametro, NumBarrasPos, EspLivrePos, EspHorPos);
}

void Dimensionamento::EspaçamentosReaisNeg() {
    const double bw = LarguraInterna();
    Espacamentos(NumCamadasNeg, bw, BitolaNeg, Diametro, NumBarrasNeg, EspLivreNeg, EspHorNeg);
}

} // namespace lumbrio
