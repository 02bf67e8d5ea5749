// Painel de resultados: limpa (Zera) e escreve (Imprime) as caixas.
#include "output/Painel.h"
#include "calc/Dimensionamento.h"
#include "calc/Numeros.h"

#include <cmath>

namespace lumbrio {

std::string Dimensionamento::Formata(double Valor, int Casas) const {
    return FormataNumero(Valor, Casas, SeparadorDecimal);
}

namespace {

void Alerta(CaixaTexto& Caixa, std::string Motivo) {
    Caixa.BackColor = Cor::Alerta;
    Caixa.ToolTipText = std::move(Motivo);
}

} // namespace

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
    AsNeg = 0;
    XCalculo = 0;
    MinimaGovernou = false;
    HaResultados = false;
    AsPosSemLimite = false;
}

void Dimensionamento::Imprime() {
    // Nenhum valor fora dos números chega ao painel.
    const std::pair<const char*, double> valores[] = {
        {"As", AsPos},           {"As real", AsReal},     {"x (CG)", XCG},
        {"x (Real)", XReal},     {"Rcc (CG)", RccCG},     {"Rcc (Real)", RccReal},
        {"As'", AsNeg},          {"As' real", AsNegReal}, {"Mrd (CG)", MrdCG},
        {"Mrd (Real)", MrdReal}, {"d'CG1", DCG1},         {"d'CG2", DCG2},
        {"%h", PctHPos},         {"%h'", PctHNeg},        {"escala X", EscalaX},
        {"escala Y", EscalaY}};
    for (const auto& [nome, v] : valores)
        if (!std::isfinite(v))
            Recusar(Junta("O cálculo produziu um valor inválido para ", nome, "."),
                    "Verifique os dados da seção.");

    auto& f = Form1;
    f.Text8.Text = AsPosSemLimite ? std::string() : Formata(AsPos, 2);
    f.Text8.ToolTipText = MinimaGovernou ? Junta("As,min adotada (item 17.3.5.2.1): As para Md = ",
                                                 Formata(AsPosCalculada, 2), " cm2.")
                                         : std::string();
    f.Text33.Text = Formata(AsReal, 2);
    f.Text9.Text = Formata(XCG, 3);
    f.Text10.Text = Formata(XReal, 3);
    f.Text11.Text = DominioCG;
    f.Text12.Text = DominioReal;
    f.Text13.Text = Formata(RccCG, 0);
    f.Text14.Text = Formata(RccReal, 0);
    f.Text15.Text = Formata(MeioBloco(XCG), 2);
    f.Text16.Text = Formata(MeioBloco(XReal), 2);
    f.Text28.Text = Formata(AsNeg, 2);
    f.Text27.Text = Formata(AsNegReal, 2);
    // Escalas são entradas: escritas como o cálculo as lê, com ".".
    f.Text5.Text = FormataNumero(EscalaX, 2);
    f.Text6.Text = FormataNumero(EscalaY, 2);
    // Mrd passa à unidade de momento do usuário, no próprio estado.
    Unidade = f.Combo5.Text;
    Unidades();
    MrdReal = MrdReal / FatorUnidade;
    MrdCG = MrdCG / FatorUnidade;
    f.Text24.Text = Formata(MrdReal, 2);
    f.Text23.Text = Formata(MrdCG, 2);
    f.Label29.Caption = f.Combo5.Text;
    // Mrd abaixo de Md e domínio 4 sem "Permitir domínio 4": alerta com o motivo.
    for (CaixaTexto* c : {&f.Text23, &f.Text24, &f.Text11, &f.Text12}) {
        c->Enabled = true;
        c->BackColor = Cor::Normal;
        c->ToolTipText.clear();
    }
    const std::pair<CaixaTexto*, double> mrds[] = {{&f.Text23, MrdCG}, {&f.Text24, MrdReal}};
    for (auto [caixa, mrd] : mrds)
        if (mrd * FatorUnidade < Md)
            Alerta(*caixa, Junta("Mrd = ", caixa->Text, " é menor que Md = ",
                                 Formata(Md / FatorUnidade, 2), " ", f.Combo5.Text, "."));
    const std::pair<CaixaTexto*, const std::string*> dominios[] = {{&f.Text11, &DominioCG},
                                                                   {&f.Text12, &DominioReal}};
    for (auto [caixa, dominio] : dominios)
        if (*dominio == "4" && OpcaoDominio4 != 1)
            Alerta(*caixa, "Seção no domínio 4 sem \"Permitir domínio 4\" marcado.");
    for (IndCamada = 1; IndCamada <= NumCamadasPos; ++IndCamada)
        f.Text25[IndCamada].Text = Formata(DLinhaPos[IndCamada], 3);
    for (IndCamada = 1; IndCamada <= NumCamadasNeg; ++IndCamada)
        f.Text3[IndCamada].Text = Formata(DLinhaNeg[IndCamada], 3);
    f.Text26.Text = Formata(DCG1, 3);
    f.Text29.Text = Formata(DCG2, 3);
    f.Text36.Text = Formata(PctHPos, 2);
    f.Text38.Text = Formata(PctHNeg, 2);
    // Regra dos 10 % da altura: só a cor de alerta é posta aqui; Zera a tira.
    if (PctHPos > 10) f.Text36.BackColor = Cor::Alerta;
    if (PctHNeg > 10) f.Text38.BackColor = Cor::Alerta;
    // Depois de "Tira 1 barra" pode haver menos linhas: as de sobra ficam vazias.
    const auto linhas = LinhasVerificacao(Verif, SeparadorDecimal);
    for (std::size_t i = 1; i < f.TextVerificacao.size(); ++i) {
        CaixaTexto& caixa = f.TextVerificacao[i];
        caixa = CaixaTexto{};
        if (i > linhas.size()) continue;
        caixa.Text = linhas[i - 1].Texto();
        caixa.BackColor = linhas[i - 1].Falha ? Cor::Alerta : Cor::Normal;
        caixa.ToolTipText = linhas[i - 1].Nota;
    }
}

} // namespace lumbrio
