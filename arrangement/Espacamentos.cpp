// Espaçamentos mínimos livres entre barras (horizontal e vertical) e distância
// entre centros de camadas sucessivas: 2 cm, o diâmetro, 1,2 (horizontal) ou
// 0,5 (vertical) vez o agregado graúdo, e o mínimo do usuário quando marcado.
#include "arrangement/Arranjo.h"

#include <cmath>

namespace lumbrio {

namespace {

void Eleva(double& Atual, double Candidato) {
    if (Candidato > Atual) Atual = Candidato;
}

} // namespace

double EspacamentoVerticalMinimo(double FiA, double FiB, double DiamAgregado,
                                 double MinVertUsuario) {
    double e = 2.0;
    Eleva(e, FiA);
    Eleva(e, FiB);
    Eleva(e, 0.5 * DiamAgregado);
    Eleva(e, MinVertUsuario);
    return e;
}

void EspacamentosMinimos(int N, const Bitolas& Bitola, const Diametros& Diametro,
                         double DiamAgregado, double MinHorUsuario, double MinVertUsuario,
                         Camadas& EspMinHor, Camadas& EspMinVert, Camadas& EspVert) {
    for (int i = 1; i <= N; ++i) {
        EspMinHor[i] = 2;
        Eleva(EspMinHor[i], Diametro[Bitola[i]]);
        Eleva(EspMinHor[i], 1.2 * DiamAgregado);
        Eleva(EspMinHor[i], MinHorUsuario);
    }
    for (int i = 1; i <= N - 1; ++i)
        EspMinVert[i] = EspacamentoVerticalMinimo(Diametro[Bitola[i]], Diametro[Bitola[i + 1]],
                                                  DiamAgregado, MinVertUsuario);
    for (int i = 1; i <= N - 1; ++i)
        EspVert[i] = EspMinVert[i] + Diametro[Bitola[i]] / 2 + Diametro[Bitola[i + 1]] / 2;
}

} // namespace lumbrio
