// Painel de resultados: limpa (Zera) e escreve (Imprime) as caixas.
#include "output/Painel.h"
#include "base/Catalogos.h"
#include "base/EstadoDeProjeto.h"
#include "base/Numeros.h"
#include "output/TextosVerificacao.h"

#include <cmath>

namespace lumbrio {

namespace {

void Alerta(CaixaTexto& Caixa, std::string Motivo) {
    Caixa.BackColor = Cor::Alerta;
    Caixa.ToolTipText = std::move(Motivo);
}

// As linhas nas caixas 1..N, falhas na cor de alerta, a nota na dica; as de sobra vazias.
using Linhas = std::vector<LinhaVerificacao>;

// O que cabe numa linha de "Verificações" sem cortar (a do veredito põe o resto na nota).
constexpr std::size_t CaracteresDaLinha = 96;

template <std::size_t N>
void EscreveLinhas(std::array<CaixaTexto, N>& Caixas, const Linhas& Lista) {
    for (std::size_t i = 1; i < N; ++i) {
        CaixaTexto& caixa = Caixas[i];
        caixa = CaixaTexto{};
        if (i > Lista.size()) continue;
        caixa.Text = Lista[i - 1].Texto();
        caixa.BackColor = Lista[i - 1].Falha ? Cor::Alerta : Cor::Normal;
        caixa.ToolTipText = Lista[i - 1].Nota;
    }
}

} // namespace

std::string AvisoFatorXMaximo(const EstadoDeCalculo& E, std::string_view Separador) {
    return Junta("O fator de x máximo ", TextoCurto(E.FatorXMaximo, Separador),
                 " passa do limite da ", TextoNorma(E.Edicao),
                 ": o cálculo usou x máximo = ", FormataNumero(E.XMax / E.AlturaUtil, 3, Separador),
                 "·d.");
}

void EscrevePainel(EstadoDeProjeto& E) {
    const auto formata = [&E](double Valor, int Casas) {
        return FormataNumero(Valor, Casas, E.SeparadorDecimal);
    };
    auto& f = E.Form1;
    // A última camada de cada face em alerta quando não comportou a área.
    for (Lista& l : f.Combo2) l.BackColor = Cor::Normal;
    for (Lista& l : f.Combo4) l.BackColor = Cor::Normal;
    if (E.Pos.Transborda) f.Combo2[6].BackColor = Cor::Alerta;
    if (E.Neg.Transborda) f.Combo4[3].BackColor = Cor::Alerta;
    ParaCadaCaixaZerada(f, [](CaixaTexto& t) {
        t.Text.clear();
        t.BackColor = Cor::Normal;
        t.ToolTipText.clear();
    });
    f.Text34.BackColor = Cor::Normal;
    // As linhas de verificação saem do cálculo; sem ele, nenhuma. As de sobra (depois de
    // "Tira 1 barra" pode haver menos linhas) ficam vazias.
    const bool calculo = E.HaResultados;
    const std::string_view sep = E.SeparadorDecimal;
    Linhas verificacoes;
    if (calculo) {
        verificacoes = LinhasVerificacao(E.Verif, sep);
        verificacoes.insert(verificacoes.begin(), LinhaDoVeredito(E, sep, CaracteresDaLinha));
    }
    EscreveLinhas(f.TextVerificacao, verificacoes);
    EscreveLinhas(f.TextDurabilidade, calculo ? LinhasDurabilidade(E.Verif, sep) : Linhas{});
    EscreveLinhas(f.TextCortante, calculo ? LinhasCortante(E, sep) : Linhas{});
    EscreveLinhas(f.TextFissuracao, calculo ? LinhasFissuracao(E, sep) : Linhas{});
    // Uma escala digitada vazia ou nula foi trocada pela automática: a caixa diz.
    const char* nula = "Escala vazia ou nula: o diagrama usa a automática.";
    f.Text5.ToolTipText = calculo && E.EscalaXNula ? nula : "";
    f.Text6.ToolTipText = calculo && E.EscalaYNula ? nula : "";
    f.Text19.ToolTipText =
        calculo && E.FatorXMaximoLimitado ? AvisoFatorXMaximo(E, E.SeparadorDecimal) : "";
    if (!calculo) return;

    f.Text8.ToolTipText =
        E.MinimaGovernou
            ? Junta("As,min adotada (item 17.3.5.2.1): As para Md = ", formata(E.AsPosCalculada, 2),
                    " cm².")
            : std::string();
    // Escalas são entradas: escritas como o cálculo as lê, com ".".
    f.Text5.Text = FormataNumero(E.EscalaX, 2);
    f.Text6.Text = FormataNumero(E.EscalaY, 2);
    for (const LinhaPainel& l : LinhasPainel) {
        (f.*l.CG).Text = TextoDaLinha(l, false, E, E.SeparadorDecimal);
        (f.*l.Real).Text = TextoDaLinha(l, true, E, E.SeparadorDecimal);
    }
    f.Label29.Caption = E.UnidadeMd;
    // x = d: As não tem limite; a caixa diz por quê em vez de ficar vazia.
    if (E.AsPosSemLimite) {
        f.Text8.Text = "x = d";
        Alerta(f.Text8, "x chegou a d: nenhuma As equilibra Md com as camadas disponíveis. "
                        "Aumente a seção.");
    }
    // Mrd abaixo de Md e domínio 4 sem "Permitir domínio 4": alerta com o motivo.
    for (CaixaTexto* c : {&f.Text23, &f.Text24, &f.Text11, &f.Text12}) c->Enabled = true;
    const std::pair<CaixaTexto*, double> mrds[] = {{&f.Text23, E.MrdCG}, {&f.Text24, E.MrdReal}};
    for (auto [caixa, mrd] : mrds)
        if (mrd < E.Md)
            Alerta(*caixa, Junta("Mrd = ", caixa->Text, " é menor que Md = ",
                                 formata(E.Md / E.FatorMd, 2), " ", E.UnidadeMd, "."));
    const std::pair<CaixaTexto*, const std::string*> dominios[] = {{&f.Text11, &E.DominioCG},
                                                                   {&f.Text12, &E.DominioReal}};
    for (auto [caixa, dominio] : dominios)
        if (*dominio == "4" && E.OpcaoDominio4 != 1)
            Alerta(*caixa, "Seção no domínio 4 sem \"Permitir domínio 4\" marcado.");
    for (int i = 1; i <= E.Pos.NumCamadas; ++i) f.Text25[i].Text = formata(E.Pos.DLinha[i], 3);
    for (int i = 1; i <= E.Neg.NumCamadas; ++i) f.Text3[i].Text = formata(E.Neg.DLinha[i], 3);
    f.Text26.Text = formata(E.DCG1, 3);
    f.Text29.Text = formata(E.DCG2, 3);
    f.Text36.Text = formata(E.PctHPos, 2);
    f.Text38.Text = formata(E.PctHNeg, 2);
    // Regra dos 10 % da altura.
    if (E.PctHPos > 10) f.Text36.BackColor = Cor::Alerta;
    if (E.PctHNeg > 10) f.Text38.BackColor = Cor::Alerta;
    // "Taxa > 4%" em alerta quando (As + As')/(b·h) passa de 4 % (exatamente 4 % atende).
    f.Text34.BackColor = E.Verif.FalhaTaxa ? Cor::Alerta : Cor::Normal;
}

} // namespace lumbrio
