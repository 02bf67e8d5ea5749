// Espaçamentos mínimos livres entre barras (horizontal e vertical) e distância
// entre centros de camadas sucessivas: 2 cm, o diâmetro, 1,2 (horizontal) ou
// 0,5 (vertical) vez o agregado graúdo, e o mínimo do usuário quando marcado.
#include "arrangement/Arranjo.h"
#include "calc/Dimensionamento.h"
#include "calc/Numeros.h"

#include <cmath>
#include <utility>

namespace lumbrio {

namespace {

// Valor do usuário em "Outros valores", quando a caixa está marcada (valor 1).
double MinimoUsuario(const Marcador& Check, const CaixaTexto& Text, const char* Nome) {
    if (Check.Value != 1) return 0;
    const double v = ValorNumerico(Text.Text);
    if (!std::isfinite(v))
        Dimensionamento::Recusar(Junta(Nome, " está fora do intervalo dos números."),
                                 Junta("Valor lido: \"", TextoVisivel(Text.Text), "\"."));
    if (v > 10000) // cm, a maior dimensão de seção aceita
        Dimensionamento::Recusar(Junta(Nome, " mínimo deve ser no máximo 10000 cm."),
                                 Junta("Valor lido: \"", TextoVisivel(Text.Text), "\"."));
    return v;
}

// Os mínimos horizontal e vertical de "Outros valores" (0 quando desmarcados).
std::pair<double, double> MinimosDoUsuario(const ControlesForm8& F) {
    return {MinimoUsuario(F.Check1[0], F.Text4[0], "O espaçamento horizontal"),
            MinimoUsuario(F.Check1[1], F.Text4[1], "O espaçamento vertical")};
}

void Eleva(double& Atual, double Candidato) {
    if (Candidato > Atual) Atual = Candidato;
}

} // namespace

void EspacamentosMinimos(int N, const Bitolas& Bitola, const Diametros& Diametro,
                         double DiamAgregado, double MinHorUsuario, double MinVertUsuario,
                         Camadas& EspMinHor, Camadas& EspMinVert, Camadas& EspVert) {
    for (int i = 1; i <= N; ++i) {
        EspMinHor[i] = 2;
        Eleva(EspMinHor[i], Diametro[Bitola[i]]);
        Eleva(EspMinHor[i], 1.2 * DiamAgregado);
        Eleva(EspMinHor[i], MinHorUsuario);
    }
    for (int i = 1; i <= N - 1; ++i) {
        EspMinVert[i] = 2.0;
        Eleva(EspMinVert[i], Diametro[Bitola[i]]);
        Eleva(EspMinVert[i], Diametro[Bitola[i + 1]]);
        Eleva(EspMinVert[i], 0.5 * DiamAgregado);
        Eleva(EspMinVert[i], MinVertUsuario);
    }
    for (int i = 1; i <= N - 1; ++i)
        EspVert[i] = EspMinVert[i] + Diametro[Bitola[i]] / 2 + Diametro[Bitola[i + 1]] / 2;
}

void Dimensionamento::EspMinimosPos() {
    const auto [h, v] = MinimosDoUsuario(Form8);
    EspacamentosMinimos(NumCamadasPos, BitolaPos, Diametro, DiamAgregado, h, v, EspMinHorPos,
                        EspMinVertPos, EspVertPos);
}

void Dimensionamento::EspMinimosNeg() {
    const auto [h, v] = MinimosDoUsuario(Form8);
    EspacamentosMinimos(NumCamadasNeg, BitolaNeg, Diametro, DiamAgregado, h, v, EspMinHorNeg,
                        EspMinVertNeg, EspVertNeg);
}

} // namespace lumbrio
