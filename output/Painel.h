// Linhas do painel de resultados (modelos CG e Real lado a lado) e as caixas que
// um cálculo preenche: uma única tabela para o painel, a área de transferência,
// o CSV do lote, o lumbrio-painel e os testes.
#pragma once

#include "base/Controles.h"
#include "base/EstadoDeProjeto.h"
#include "base/Numeros.h"

#include <array>
#include <string>
#include <string_view>

namespace lumbrio {

// Uma linha do painel: as caixas CG e Real, a unidade, o nome por extenso do
// relatório, a coluna e a posição no CSV e os textos das duas caixas tirados do estado
// de um cálculo completo (Mrd já na unidade do usuário), com o separador do painel.
struct LinhaPainel {
    // Acrescenta o texto de uma caixa ao fim de uma cadeia.
    using Texto = void (*)(std::string&, const EstadoDeCalculo&, std::string_view Separador);
    std::string_view Rotulo;           // "As'", "Mrd"...
    std::string_view NomeCG, NomeReal; // nomes dos controles: "Text28", "Text27"
    CaixaTexto ControlesForm1::*CG;
    CaixaTexto ControlesForm1::*Real;
    std::string_view Unidade;      // vazio: sem unidade ("Dom") ou a de Mrd (Label29)
    std::string_view Coluna;       // nome da grandeza nas colunas do CSV: "As" → As_CG, As_Real
    bool UnidadeDeMomento = false; // a unidade é a legenda de Label29
    std::string_view PorExtenso, UnidadePorExtenso; // "As' (compressão)", "cm²"
    int OrdemCsv = 0;                               // As antes de As'
    Texto TextoCG = nullptr, TextoReal = nullptr;
};

namespace painel {
using T = std::string&;
using E = const EstadoDeCalculo&;
using S = std::string_view;
} // namespace painel

inline constexpr std::array<LinhaPainel, 7> LinhasPainel{{
    {"As'", "Text28", "Text27", &ControlesForm1::Text28, &ControlesForm1::Text27, "cm2", "AsLinha",
     false, "As' (compressão)", "cm²", 1,
     [](painel::T T, painel::E E, painel::S S) { AcrescentaNumero(T, E.AsNeg, 2, S); },
     [](painel::T T, painel::E E, painel::S S) { AcrescentaNumero(T, E.AsNegReal, 2, S); }},
    {"As", "Text8", "Text33", &ControlesForm1::Text8, &ControlesForm1::Text33, "cm2", "As", false,
     "As (tração)", "cm²", 0,
     [](painel::T T, painel::E E, painel::S S) {
         if (!E.AsPosSemLimite) AcrescentaNumero(T, E.AsPos, 2, S);
     },
     [](painel::T T, painel::E E, painel::S S) { AcrescentaNumero(T, E.AsReal, 2, S); }},
    {"Mrd", "Text23", "Text24", &ControlesForm1::Text23, &ControlesForm1::Text24, "", "Mrd", true,
     "Mrd", "", 2,
     [](painel::T T, painel::E E, painel::S S) { AcrescentaNumero(T, E.MrdCG / E.FatorMd, 2, S); },
     [](painel::T T, painel::E E, painel::S S) {
         AcrescentaNumero(T, E.MrdReal / E.FatorMd, 2, S);
     }},
    {"x", "Text9", "Text10", &ControlesForm1::Text9, &ControlesForm1::Text10, "cm", "x", false,
     "x (linha neutra)", "cm", 3,
     [](painel::T T, painel::E E, painel::S S) { AcrescentaNumero(T, E.XCG, 3, S); },
     [](painel::T T, painel::E E, painel::S S) { AcrescentaNumero(T, E.XReal, 3, S); }},
    {"Dom", "Text11", "Text12", &ControlesForm1::Text11, &ControlesForm1::Text12, "", "Dom", false,
     "Domínio", "", 4, [](painel::T T, painel::E E, painel::S) { T += E.DominioCG; },
     [](painel::T T, painel::E E, painel::S) { T += E.DominioReal; }},
    {"Rcc", "Text13", "Text14", &ControlesForm1::Text13, &ControlesForm1::Text14, "Kgf", "Rcc",
     false, "Rcc", "kgf", 5,
     [](painel::T T, painel::E E, painel::S S) { AcrescentaNumero(T, E.RccCG, 0, S); },
     [](painel::T T, painel::E E, painel::S S) { AcrescentaNumero(T, E.RccReal, 0, S); }},
    {"y/2", "Text15", "Text16", &ControlesForm1::Text15, &ControlesForm1::Text16, "cm", "y2", false,
     "y/2", "cm", 6,
     [](painel::T T, painel::E E, painel::S S) { AcrescentaNumero(T, E.MeioBloco(E.XCG), 2, S); },
     [](painel::T T, painel::E E, painel::S S) {
         AcrescentaNumero(T, E.MeioBloco(E.XReal), 2, S);
     }},
}};

// O texto da caixa CG ou Real da linha.
inline std::string TextoDaLinha(const LinhaPainel& l, bool Real, const EstadoDeCalculo& E,
                                std::string_view Separador) {
    std::string t;
    (Real ? l.TextoReal : l.TextoCG)(t, E, Separador);
    return t;
}

// Unidade escrita ao lado da linha (a de Mrd acompanha o cálculo).
inline std::string_view UnidadeDaLinha(const ControlesForm1& f, const LinhaPainel& l) {
    return l.UnidadeDeMomento ? std::string_view(f.Label29.Caption) : l.Unidade;
}

// Aplica Fn a cada caixa que Zera esvazia: as linhas do painel, "10%h", %h, %h' e os
// d' das camadas (d'CG1 e d'CG2 ficam com o último valor).
template <class Form, class Fn> void ParaCadaCaixaZerada(Form& f, Fn&& fn) {
    for (const LinhaPainel& l : LinhasPainel) {
        fn(f.*l.CG);
        fn(f.*l.Real);
    }
    for (auto* c : {&f.Text30, &f.Text36, &f.Text38}) fn(*c);
    for (int i = 1; i <= 6; ++i) fn(f.Text25[i]);
    for (int i = 1; i <= 3; ++i) fn(f.Text3[i]);
}

// "O fator de x máximo 0.6 passa do limite da NBR 6118:2023: o cálculo usou x máximo =
// 0.450·d.": o fator digitado foi limitado ao da edição.
std::string AvisoFatorXMaximo(const EstadoDeCalculo& E, std::string_view Separador = ".");

// Escreve o painel do estado: sem cálculo (HaResultados falso), as caixas de resultado
// vazias, sem alerta; com ele, as caixas, Mrd na unidade de momento do usuário, os
// alertas e as linhas de verificação.
void EscrevePainel(EstadoDeProjeto& E);

} // namespace lumbrio
