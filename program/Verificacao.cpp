// Verificação de uma armadura dada: as barras digitadas nas profundidades que o
// dimensionamento lhes daria, conferidas contra a largura e a altura da seção.
#include "arrangement/Arranjo.h"
#include "base/Catalogos.h"
#include "base/Numeros.h"
#include "program/Dimensionamento.h"

#include <string>

namespace lumbrio {

namespace {

// A camada mais funda de uma face com barras; 0 sem nenhuma.
int UltimaComBarras(const Face& F) {
    int k = 0;
    for (int i = 1; i <= F.NumCamadas; ++i)
        if (F.NumBarras[i] > 0) k = i;
    return k;
}

std::string BarrasDe(const Face& F, int i) {
    return Junta(TextoDecimalCurto(F.NumBarras[i]),
                 F.NumBarras[i] == 1 ? " barra de " : " barras de ",
                 TabelaBitolas[static_cast<std::size_t>(F.Bitola[i] - 1)].Texto);
}

} // namespace

// Uma camada que não cabe na largura interna ao estribo com o espaçamento livre
// mínimo do item 18.3.2.2 é recusada, com a largura que ela pede.
void Dimensionamento::ConfereLargura(const Face& F, const char* Nome) {
    for (int i = 1; i <= F.NumCamadas; ++i) {
        if (!(F.NumBarras[i] > F.NumMaxBarras[i])) continue;
        const double fi = Diametro[F.Bitola[i]];
        Recusar(Junta("A camada ", Nome, " ", std::to_string(i), " (", BarrasDe(F, i),
                      ") não cabe na seção: precisa de ",
                      NumeroMensagem(LarguraDasBarras(F.NumBarras[i], fi, F.EspMinHor[i]), 2),
                      " cm e a largura interna ao estribo é bw = ",
                      FormataNumero(LarguraInterna(), 2), " cm."),
                Junta("O espaçamento livre mínimo é ", FormataNumero(F.EspMinHor[i], 2),
                      " cm (item 18.3.2.2). Tire barras, troque a bitola ou aumente a base."));
    }
}

void Dimensionamento::ColocaBarrasDadas(const EntradasProjeto& Entradas) {
    Pos.NumBarras = Entradas.Pos.Barras;
    Neg.NumBarras = Entradas.Neg.Barras;
    ConfereLargura(Pos, "positiva");
    ConfereLargura(Neg, "negativa");
    const int j = UltimaComBarras(Pos), k = UltimaComBarras(Neg);
    if (j == 0)
        Recusar("Nenhuma barra de tração foi dada.",
                "Digite o número de barras de pelo menos uma camada positiva.");
    // A camada comprimida mais funda não chega às tracionadas: entre elas, o espaçamento
    // vertical mínimo das camadas de uma face.
    if (k > 0) {
        const double fiPos = Diametro[Pos.Bitola[j]], fiNeg = Diametro[Neg.Bitola[k]];
        const double altura =
            Pos.DLinha[j] + fiPos / 2 +
            EspacamentoVerticalMinimo(fiPos, fiNeg, DiamAgregado, EspVertUsuario) + fiNeg / 2 +
            Neg.DLinha[k];
        if (altura > Altura)
            Recusar(Junta("A camada negativa ", std::to_string(k), " (", BarrasDe(Neg, k),
                          ") alcança a camada positiva ", std::to_string(j), " (", BarrasDe(Pos, j),
                          "): as duas pedem h = ", NumeroMensagem(altura, 2), " cm e a altura é ",
                          FormataNumero(Altura, 2), " cm."),
                    "Tire camadas, troque as bitolas ou aumente a altura.");
    }
    CGd1();
    CGd2();
    ExigeAlturaUtil();
    AsPos = AreaDaFace(Pos);
    AsNeg = AreaDaFace(Neg);
}

} // namespace lumbrio
