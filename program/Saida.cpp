// Membros da saída: o painel (Zera e Imprime) e os desenhos.
#include "calc/Numeros.h"
#include "output/Desenhos.h"
#include "output/Painel.h"
#include "program/Dimensionamento.h"

namespace lumbrio {

std::string Dimensionamento::Formata(double Valor, int Casas) const {
    return FormataNumero(Valor, Casas, SeparadorDecimal);
}

void Dimensionamento::Zera() {
    Desenho.clear();
    X = 0;
    EpsC = 0;
    Rcc = 0;
    AlturaUtil = 0;
    MRcc = 0;
    AsPosRestante = 0;
    EpsPos[1] = 0;
    Dominio.clear();
    NumBarrasPos = {};
    NumBarrasNeg = {};
    AsNegRestante = 0;
    auto& f = Form1;
    for (Lista& l : f.Combo2) l.BackColor = Cor::Normal;
    for (Lista& l : f.Combo4) l.BackColor = Cor::Normal;
    FimDistribPos = "não";
    TransbordaPos = TransbordaNeg = false;
    FimDistribNeg = "não";
    PctHPos = 0;
    PctHNeg = 0;
    f.Text36.BackColor = Cor::Normal;
    f.Text38.BackColor = Cor::Normal;
    AsReal = 0;
    AsNegReal = 0;
    ParaCadaCaixaZerada(f, [](CaixaTexto& t) {
        t.Text.clear();
        t.BackColor = Cor::Normal;
        t.ToolTipText.clear();
    });
    f.Text34.BackColor = Cor::Normal;
    for (CaixaTexto& t : f.TextVerificacao) t = CaixaTexto{};
    for (CaixaTexto& t : f.TextCortante) t = CaixaTexto{};
    ResCortante = {};
    for (CaixaTexto& t : f.TextFissuracao) t = CaixaTexto{};
    ResServico = {};
    AsNeg = 0;
    XCalculo = 0;
    MinimaGovernou = false;
    HaResultados = false;
    AsPosSemLimite = false;
}

void Dimensionamento::Imprime() {
    EscrevePainel(*this);
}

void Dimensionamento::DesDeformaçao() {
    Desenho = DiagramaDeDeformacoes(*this);
}

void Dimensionamento::Detalha() {
    DetalheDaSecao(*this, Desenho);
}

} // namespace lumbrio
