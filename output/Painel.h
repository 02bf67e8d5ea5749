// Linhas do painel de resultados (modelos CG e Real lado a lado) e as caixas que
// um cálculo preenche: uma única tabela para o painel, a área de transferência,
// o CSV do lote, o lumbrio-painel e os testes.
#pragma once

#include "calc/Controles.h"
#include "calc/EstadoDeProjeto.h"
#include "calc/Numeros.h"

#include <array>
#include <string>
#include <string_view>

namespace lumbrio {

// Uma linha do painel: as caixas CG e Real, a unidade, o nome por extenso do
// relatório, a coluna e a posição no CSV e os textos das duas caixas tirados do estado
// de um cálculo completo (Mrd já na unidade do usuário), com o separador do painel.
struct LinhaPainel {
    using Texto = std::string (*)(const EstadoDeProjeto&);
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
inline std::string N(const EstadoDeProjeto& E, double Valor, int Casas) {
    return FormataNumero(Valor, Casas, E.SeparadorDecimal);
}
} // namespace painel

inline constexpr std::array<LinhaPainel, 7> LinhasPainel{{
    {"As'", "Text28", "Text27", &ControlesForm1::Text28, &ControlesForm1::Text27, "cm2", "AsLinha",
     false, "As' (compressão)", "cm²", 1,
     [](const EstadoDeProjeto& E) { return painel::N(E, E.AsNeg, 2); },
     [](const EstadoDeProjeto& E) { return painel::N(E, E.AsNegReal, 2); }},
    {"As", "Text8", "Text33", &ControlesForm1::Text8, &ControlesForm1::Text33, "cm2", "As", false,
     "As (tração)", "cm²", 0,
     [](const EstadoDeProjeto& E) {
         return E.AsPosSemLimite ? std::string() : painel::N(E, E.AsPos, 2);
     },
     [](const EstadoDeProjeto& E) { return painel::N(E, E.AsReal, 2); }},
    {"Mrd", "Text23", "Text24", &ControlesForm1::Text23, &ControlesForm1::Text24, "", "Mrd", true,
     "Mrd", "", 2, [](const EstadoDeProjeto& E) { return painel::N(E, E.MrdCG, 2); },
     [](const EstadoDeProjeto& E) { return painel::N(E, E.MrdReal, 2); }},
    {"x", "Text9", "Text10", &ControlesForm1::Text9, &ControlesForm1::Text10, "cm", "x", false,
     "x (linha neutra)", "cm", 3, [](const EstadoDeProjeto& E) { return painel::N(E, E.XCG, 3); },
     [](const EstadoDeProjeto& E) { return painel::N(E, E.XReal, 3); }},
    {"Dom", "Text11", "Text12", &ControlesForm1::Text11, &ControlesForm1::Text12, "", "Dom", false,
     "Domínio", "", 4, [](const EstadoDeProjeto& E) { return E.DominioCG; },
     [](const EstadoDeProjeto& E) { return E.DominioReal; }},
    {"Rcc", "Text13", "Text14", &ControlesForm1::Text13, &ControlesForm1::Text14, "Kgf", "Rcc",
     false, "Rcc", "kgf", 5, [](const EstadoDeProjeto& E) { return painel::N(E, E.RccCG, 0); },
     [](const EstadoDeProjeto& E) { return painel::N(E, E.RccReal, 0); }},
    {"y/2", "Text15", "Text16", &ControlesForm1::Text15, &ControlesForm1::Text16, "cm", "y2", false,
     "y/2", "cm", 6, [](const EstadoDeProjeto& E) { return painel::N(E, E.MeioBloco(E.XCG), 2); },
     [](const EstadoDeProjeto& E) { return painel::N(E, E.MeioBloco(E.XReal), 2); }},
}};

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

// Escreve o painel de um cálculo completo: as caixas de resultado, Mrd na unidade
// de momento do usuário (no próprio estado), os alertas e as linhas de verificação.
// Recusa um valor que não é número.
void EscrevePainel(EstadoDeProjeto& E);

} // namespace lumbrio
