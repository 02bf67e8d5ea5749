// "Tira 1 barra" e a trava de bitolas ("Tranca bitola").
#include "base/Numeros.h"
#include "program/Dimensionamento.h"

namespace lumbrio {

void Dimensionamento::Command3_Click() {
    if (!HaResultados) {
        MostraAviso("Não há cálculo para tirar uma barra.", "Calcule a seção primeiro.");
        return;
    }
    // O painel apagado diz que as entradas mudaram: tirar uma barra do projeto antigo
    // mostraria resultados de uma seção que já não está na janela.
    if (!ResultadosAtuais()) return;
    double total = 0;
    for (int i = 1; i <= Pos.NumCamadas; ++i) total += Pos.NumBarras[i];
    if (!(total > 1)) {
        // Sem barra de tração a seção não tem equilíbrio: nada é retirado.
        MostraAviso("A última barra de tração não pode ser retirada.",
                    "A seção precisa de pelo menos uma barra positiva.");
        return;
    }
    // Barras dadas: a barra sai da caixa da camada, e a seção é verificada de novo.
    if (Verificacao) {
        int i = Pos.NumCamadas;
        while (!(Pos.NumBarras[i] > 0)) --i;
        Form1.TextBarrasPos[static_cast<std::size_t>(i)].Text =
            TextoDecimalCurto(Pos.NumBarras[i] - 1);
        Programa();
        return;
    }
    Protegido([this] { TiraUmaBarra(); });
}

void Dimensionamento::TiraUmaBarra() {
    // Da camada mais interna para a face tracionada.
    for (IndCamada = Pos.NumCamadas; IndCamada >= 1; --IndCamada) {
        if (Pos.NumBarras[IndCamada] > 0) {
            Pos.NumBarras[IndCamada] = Pos.NumBarras[IndCamada] - 1;
            break;
        }
    }
    // As barras que ficam se espalham de canto a canto, como numa camada dimensionada.
    EspaçamentosReais(Pos);
    CGd1();
    CGd2();
    VerificaSecao();
    EscreveResultados();
}

void Dimensionamento::Combo2_Click(int Index) {
    if (Index < 1 || Index > 6) return;
    if (Form1.Check1.Value == 1)
        for (Lista& l : Form1.Combo2) l.Text = Form1.Combo2[Index].Text;
    Programa();
}

void Dimensionamento::Combo4_Click(int Index) {
    if (Index < 1 || Index > 3) return;
    if (Form1.Check1.Value == 1)
        for (Lista& l : Form1.Combo4) l.Text = Form1.Combo4[Index].Text;
    Programa();
}

} // namespace lumbrio
