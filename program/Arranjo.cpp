// Membros do arranjo: espaçamentos mínimos, capacidades, distribuição e espaçamentos
// reais de cada face, sobre as funções puras de Arranjo.h.
#include "arrangement/Arranjo.h"
#include "calc/Numeros.h"
#include "program/Dimensionamento.h"

#include <cmath>
#include <utility>

namespace lumbrio {

namespace {

// Valor do usuário em "Outros valores", quando a caixa está marcada (valor 1).
double MinimoUsuario(const Marcador& Check, const CaixaTexto& Text, const char* Nome) {
    if (Check.Value != 1) return 0;
    const double v = ValorNumerico(Text.Text);
    if (!std::isfinite(v))
        Recusar(Junta(Nome, " está fora do intervalo dos números."),
                Junta("Valor lido: \"", TextoVisivel(Text.Text), "\"."));
    if (v > 10000) // cm, a maior dimensão de seção aceita
        Recusar(Junta(Nome, " mínimo deve ser no máximo 10000 cm."),
                Junta("Valor lido: \"", TextoVisivel(Text.Text), "\"."));
    return v;
}

// Os mínimos horizontal e vertical de "Outros valores" (0 quando desmarcados).
std::pair<double, double> MinimosDoUsuario(const ControlesForm8& F) {
    return {MinimoUsuario(F.Check1[0], F.Text4[0], "O espaçamento horizontal"),
            MinimoUsuario(F.Check1[1], F.Text4[1], "O espaçamento vertical")};
}

} // namespace

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

void Dimensionamento::NumMaxdeBarrasPos() {
    const double bw = LarguraInterna();
    Capacidades(NumCamadasPos, bw, BitolaPos, Diametro, EspMinHorPos, NumMaxBarrasPos);
}

void Dimensionamento::NumMaxdeBarrasNeg() {
    const double bw = LarguraInterna();
    Capacidades(NumCamadasNeg, bw, BitolaNeg, Diametro, EspMinHorNeg, NumMaxBarrasNeg);
}

namespace {

// Camada i de uma face; a última, quando não comporta a área, fica em alerta.
void Distribui(int i, int N, double Area, const PorCamada& NumMax, double& AsRestante,
               std::string& Fim, PorCamada& NumBarras, Lista& Ultima, bool& Transborda) {
    const DistribuicaoCamada r = DistribuiCamada(i == N, Area, NumMax[i], AsRestante);
    NumBarras[i] = r.Barras;
    AsRestante = r.AsRestante;
    Fim = r.Fim ? "sim" : "não";
    if (r.Transborda) Ultima.BackColor = Cor::Alerta;
    Transborda = Transborda || r.Transborda;
}

} // namespace

void Dimensionamento::DistribuiBarrasPos() {
    Distribui(CamadaPos, NumCamadasPos, AreaBarra[BitolaPos[CamadaPos]], NumMaxBarrasPos,
              AsPosRestante, FimDistribPos, NumBarrasPos, Form1.Combo2[NumCamadasPos],
              TransbordaPos);
}

void Dimensionamento::DistribuiBarrasNeg() {
    Distribui(CamadaNeg, NumCamadasNeg, AreaBarra[BitolaNeg[CamadaNeg]], NumMaxBarrasNeg,
              AsNegRestante, FimDistribNeg, NumBarrasNeg, Form1.Combo4[NumCamadasNeg],
              TransbordaNeg);
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
