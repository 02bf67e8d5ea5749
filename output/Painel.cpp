// Painel de resultados: limpa (Zera) e escreve (Imprime) as caixas.
#include "output/Painel.h"
#include "calc/Catalogos.h"
#include "calc/EstadoDeProjeto.h"
#include "calc/Numeros.h"
#include "calc/Recusa.h"
#include "output/TextosVerificacao.h"

#include <cmath>

namespace lumbrio {

namespace {

void Alerta(CaixaTexto& Caixa, std::string Motivo) {
    Caixa.BackColor = Cor::Alerta;
    Caixa.ToolTipText = std::move(Motivo);
}

// As linhas nas caixas 1..N, falhas na cor de alerta, a nota na dica; as de sobra vazias.
template <std::size_t N>
void EscreveLinhas(std::array<CaixaTexto, N>& Caixas, const std::vector<LinhaVerificacao>& Linhas) {
    for (std::size_t i = 1; i < N; ++i) {
        CaixaTexto& caixa = Caixas[i];
        caixa = CaixaTexto{};
        if (i > Linhas.size()) continue;
        caixa.Text = Linhas[i - 1].Texto();
        caixa.BackColor = Linhas[i - 1].Falha ? Cor::Alerta : Cor::Normal;
        caixa.ToolTipText = Linhas[i - 1].Nota;
    }
}

} // namespace

void EscrevePainel(EstadoDeProjeto& E) {
    const auto formata = [&E](double Valor, int Casas) {
        return FormataNumero(Valor, Casas, E.SeparadorDecimal);
    };
    // Nenhum valor fora dos números chega ao painel.
    const std::pair<const char*, double> valores[] = {
        {"As", E.AsPos},           {"As real", E.AsReal},     {"x (CG)", E.XCG},
        {"x (Real)", E.XReal},     {"Rcc (CG)", E.RccCG},     {"Rcc (Real)", E.RccReal},
        {"As'", E.AsNeg},          {"As' real", E.AsNegReal}, {"Mrd (CG)", E.MrdCG},
        {"Mrd (Real)", E.MrdReal}, {"d'CG1", E.DCG1},         {"d'CG2", E.DCG2},
        {"%h", E.PctHPos},         {"%h'", E.PctHNeg},        {"escala X", E.EscalaX},
        {"escala Y", E.EscalaY}};
    for (const auto& [nome, v] : valores)
        if (!std::isfinite(v))
            Recusar(Junta("O cálculo produziu um valor inválido para ", nome, "."),
                    "Verifique os dados da seção.");

    auto& f = E.Form1;
    f.Text8.ToolTipText =
        E.MinimaGovernou
            ? Junta("As,min adotada (item 17.3.5.2.1): As para Md = ", formata(E.AsPosCalculada, 2),
                    " cm².")
            : std::string();
    // Escalas são entradas: escritas como o cálculo as lê, com ".".
    f.Text5.Text = FormataNumero(E.EscalaX, 2);
    f.Text6.Text = FormataNumero(E.EscalaY, 2);
    // Mrd passa à unidade de momento do usuário, no próprio estado.
    E.Unidade = f.Combo5.Text;
    E.FatorUnidade = FatorDaUnidade(E.Unidade);
    E.MrdReal = E.MrdReal / E.FatorUnidade;
    E.MrdCG = E.MrdCG / E.FatorUnidade;
    for (const LinhaPainel& l : LinhasPainel) {
        (f.*l.CG).Text = l.TextoCG(E);
        (f.*l.Real).Text = l.TextoReal(E);
    }
    f.Label29.Caption = f.Combo5.Text;
    // Mrd abaixo de Md e domínio 4 sem "Permitir domínio 4": alerta com o motivo.
    for (CaixaTexto* c : {&f.Text23, &f.Text24, &f.Text11, &f.Text12}) {
        c->Enabled = true;
        c->BackColor = Cor::Normal;
        c->ToolTipText.clear();
    }
    const std::pair<CaixaTexto*, double> mrds[] = {{&f.Text23, E.MrdCG}, {&f.Text24, E.MrdReal}};
    for (auto [caixa, mrd] : mrds)
        if (E.MrdEmKgfCm(mrd) < E.Md)
            Alerta(*caixa, Junta("Mrd = ", caixa->Text, " é menor que Md = ",
                                 formata(E.Md / E.FatorUnidade, 2), " ", f.Combo5.Text, "."));
    const std::pair<CaixaTexto*, const std::string*> dominios[] = {{&f.Text11, &E.DominioCG},
                                                                   {&f.Text12, &E.DominioReal}};
    for (auto [caixa, dominio] : dominios)
        if (*dominio == "4" && E.OpcaoDominio4 != 1)
            Alerta(*caixa, "Seção no domínio 4 sem \"Permitir domínio 4\" marcado.");
    for (int i = 1; i <= E.NumCamadasPos; ++i) f.Text25[i].Text = formata(E.DLinhaPos[i], 3);
    for (int i = 1; i <= E.NumCamadasNeg; ++i) f.Text3[i].Text = formata(E.DLinhaNeg[i], 3);
    f.Text26.Text = formata(E.DCG1, 3);
    f.Text29.Text = formata(E.DCG2, 3);
    f.Text36.Text = formata(E.PctHPos, 2);
    f.Text38.Text = formata(E.PctHNeg, 2);
    // Regra dos 10 % da altura: só a cor de alerta é posta aqui; Zera a tira.
    if (E.PctHPos > 10) f.Text36.BackColor = Cor::Alerta;
    if (E.PctHNeg > 10) f.Text38.BackColor = Cor::Alerta;
    // "Taxa > 4%" em alerta quando (As + As')/(b·h) passa de 4 % (exatamente 4 % atende).
    f.Text34.BackColor = E.Verif.FalhaTaxa ? Cor::Alerta : Cor::Normal;
    // Depois de "Tira 1 barra" pode haver menos linhas: as de sobra ficam vazias.
    EscreveLinhas(f.TextVerificacao, LinhasVerificacao(E.Verif, E.SeparadorDecimal));
    EscreveLinhas(f.TextCortante, LinhasCortante(E, E.SeparadorDecimal));
    EscreveLinhas(f.TextFissuracao, LinhasServico(E, E.SeparadorDecimal));
}

} // namespace lumbrio
