// Membros do arranjo: espaçamentos mínimos, capacidades, distribuição e espaçamentos
// reais de cada face, sobre as funções puras de Arranjo.h.
#include "arrangement/Arranjo.h"
#include "program/Dimensionamento.h"

namespace lumbrio {

void Dimensionamento::EspMinimosPos() {
    EspacamentosMinimos(NumCamadasPos, BitolaPos, Diametro, DiamAgregado, EspHorUsuario,
                        EspVertUsuario, EspMinHorPos, EspMinVertPos, EspVertPos);
}

void Dimensionamento::EspMinimosNeg() {
    EspacamentosMinimos(NumCamadasNeg, BitolaNeg, Diametro, DiamAgregado, EspHorUsuario,
                        EspVertUsuario, EspMinHorNeg, EspMinVertNeg, EspVertNeg);
}

void Dimensionamento::NumMaxdeBarrasPos() {
    const double bw = LarguraInterna();
    Capacidades(NumCamadasPos, bw, BitolaPos, Diametro, EspMinHorPos, NumMaxBarrasPos);
}

void Dimensionamento::NumMaxdeBarrasNeg() {
    const double bw = LarguraInterna();
    Capacidades(NumCamadasNeg, bw, BitolaNeg, Diametro, EspMinHorNeg, NumMaxBarrasNeg);
}

namespace {

// Camada i de uma face; a última, quando não comporta a área, transborda.
void Distribui(int i, int N, double Area, const PorCamada& NumMax, double& AsRestante,
               std::string& Fim, PorCamada& NumBarras, bool& Transborda) {
    const DistribuicaoCamada r = DistribuiCamada(i == N, Area, NumMax[i], AsRestante);
    NumBarras[i] = r.Barras;
    AsRestante = r.AsRestante;
    Fim = r.Fim ? "sim" : "não";
    Transborda = Transborda || r.Transborda;
}

} // namespace

void Dimensionamento::DistribuiBarrasPos() {
    Distribui(CamadaPos, NumCamadasPos, AreaBarra[BitolaPos[CamadaPos]], NumMaxBarrasPos,
              AsPosRestante, FimDistribPos, NumBarrasPos, TransbordaPos);
}

void Dimensionamento::DistribuiBarrasNeg() {
    Distribui(CamadaNeg, NumCamadasNeg, AreaBarra[BitolaNeg[CamadaNeg]], NumMaxBarrasNeg,
              AsNegRestante, FimDistribNeg, NumBarrasNeg, TransbordaNeg);
}

void Dimensionamento::EspaçamentosReaisPos() {
    const double bw = LarguraInterna();
    EspacamentosReais(NumCamadasPos, bw, BitolaPos, Diametro, NumBarrasPos, EspLivrePos, EspHorPos);
}

void Dimensionamento::EspaçamentosReaisNeg() {
    const double bw = LarguraInterna();
    EspacamentosReais(NumCamadasNeg, bw, BitolaNeg, Diametro, NumBarrasNeg, EspLivreNeg, EspHorNeg);
}

} // namespace lumbrio
