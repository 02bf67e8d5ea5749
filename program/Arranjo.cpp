// Membros do arranjo: espaçamentos mínimos, capacidades, distribuição e espaçamentos
// reais de cada face, sobre as funções puras de Arranjo.h.
#include "arrangement/Arranjo.h"
#include "program/Dimensionamento.h"

namespace lumbrio {

void Dimensionamento::EspMinimos(Face& F) {
    EspacamentosMinimos(F.NumCamadas, F.Bitola, Diametro, DiamAgregado, EspHorUsuario,
                        EspVertUsuario, F.EspMinHor, F.EspMinVert, F.EspVert);
}

void Dimensionamento::NumMaxdeBarras(Face& F) {
    Capacidades(F.NumCamadas, LarguraInterna(), F.Bitola, Diametro, F.EspMinHor, F.NumMaxBarras);
}

// A camada i da face; a última, quando não comporta a área, transborda.
void Dimensionamento::DistribuiBarras(Face& F, int i) {
    const DistribuicaoCamada r =
        DistribuiCamada(i == F.NumCamadas, AreaBarra[F.Bitola[i]], F.NumMaxBarras[i], F.AsRestante);
    F.NumBarras[i] = r.Barras;
    // A 2023 pede duas barras nos cantos do estribo na primeira camada de cada face usada.
    if (Edicao == Norma::NBR2023 && i == 1 && r.Barras < 2 && F.NumMaxBarras[1] >= 2)
        F.NumBarras[1] = 2;
    F.AsRestante = r.AsRestante;
    F.FimDistrib = r.Fim ? "sim" : "não";
    F.Transborda = F.Transborda || r.Transborda;
}

void Dimensionamento::EspaçamentosReais(Face& F) {
    EspacamentosReais(F.NumCamadas, LarguraInterna(), F.Bitola, Diametro, F.NumBarras, F.EspLivre,
                      F.EspHor);
}

} // namespace lumbrio
