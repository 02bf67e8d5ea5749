// Relatório de cálculo como dados: dados de entrada, resultados dos modelos CG e Real
// lado a lado, barras por camada, regra dos 10 % da altura, avisos, equilíbrio,
// desenhos e a tabela camada a camada.
#include "output/Relatorio.h"

#include "base/Catalogos.h"
#include "base/Numeros.h"
#include "lumbrio/Versao.h"
#include "output/Comparacao.h"
#include "output/Painel.h"
#include "output/TextosSecaoT.h"
#include "output/TextosVerificacao.h"
#include "section/Cortante.h"
#include "section/Verificacoes.h"

#include <cmath>
#include <utility>

namespace lumbrio {

namespace {

using Dim = EstadoDeProjeto;

// Números e textos com o separador do painel.
struct Formatos {
    const Dim& d;
    std::string operator()(double v, int casas) const {
        return FormataNumero(v, casas, d.SeparadorDecimal);
    }
    std::string Curto(double v) const { return TextoCurto(v, d.SeparadorDecimal); }
    // "10 %": o limite da regra da altura.
    std::string Limite() const { return Curto(LimitePctH) + " %"; }
    // Uma unidade por grandeza, como a janela as mostra: momentos na unidade de Md e
    // tensões em MPa (as das linhas de verificação).
    std::string Momento(double KgfCm, int Casas) const {
        return Junta((*this)(KgfCm / d.FatorMd, Casas), " ", SimboloDoMomento(d.UnidadeMd));
    }
    std::string Tensao(double KgfCm2, int Casas) const {
        return (*this)(KgfCm2 / 10, Casas) + " MPa";
    }
};

Tabela NovaTabela(std::vector<ColunaTabela> Colunas, bool Cabecalho = true) {
    Tabela t;
    t.Colunas = std::move(Colunas);
    t.Cabecalho = Cabecalho;
    return t;
}

std::string SimNao(int Valor) {
    return Valor == 1 ? "sim" : (Valor == 2 ? "indefinido" : "não");
}

// "CA-50A": resistência do cálculo e classe do aço escolhido na lista.
std::string NomeDoAco(const Dim& D) {
    return Junta("CA-", std::to_string(D.Fyk / 100), AcoClasseB(D.TextoAco) ? "B" : "A");
}

// λ e αc do bloco e, na 2023, o fator de fragilidade ηc, com a tensão que dão.
LinhaTabela BlocoDeTensoes(const Dim& D, const Formatos& N) {
    const ParametrosConcreto& p = D.Concreto;
    const std::string sigCd = N.Tensao(D.SigCd, 2);
    if (D.Edicao == Norma::NBR2003)
        return {{"Bloco λ / αc", Junta(N.Curto(p.Lambda), " / ", N.Curto(p.AlfaC)), "σcd = αc·fcd",
                 sigCd}};
    return {{"Bloco λ / αc / ηc",
             Junta(N.Curto(p.Lambda), " / ", N.Curto(p.AlfaC), " / ", N(p.EtaC, 4)),
             "σcd = αc·ηc·fcd", sigCd}};
}

// A mesa da seção T depois de "Base b" (a alma bw): bf, hf, a face, o caso e as fórmulas.
void AcrescentaSecaoT(const Dim& D, const Formatos& N, Tabela& T) {
    const FormaDaSecao& m = D.Forma;
    const bool mesa = D.Verif.CasoMesa;
    const auto i = T.Linhas.begin() + 1;
    T.Linhas.insert(
        i, {{{"Seção T: mesa bf × hf", Junta(N(m.Bf, 2), " × ", N(m.Hf, 2), " cm"), "Face da mesa",
              m.MesaComprimida ? "comprimida" : "tracionada"}},
            {{"Caso", Junta(CasoDaSecaoT(D.Verif), mesa ? " (λx ≤ hf)" : " (λx > hf)"), "Fórmulas",
              !m.MesaComprimida ? "bloco na alma bw; mesa em As,min, Ac e Mr"
              : mesa            ? "bloco retangular de largura bf"
                                : "abas (bf − bw)·hf·σcd em d − hf/2; alma bw com o resto"}},
            {{"Mr da T", Junta(N.Curto(1.2), "·fctk,inf·Ic/yt"), "As,min da T",
              D.Edicao == Norma::NBR2003
                  ? std::string("ωmin da Tabela 17.3 (seção T)")
                  : Junta("Md,min = ", N.Curto(0.8), "·W0·fctk,sup, W0 da T bruta")}}});
}

SecaoRelatorio DadosDeEntrada(const Dim& D, const Formatos& N) {
    // Opções lidas pelo cálculo, não os controles (que podem ter mudado depois dele).
    const std::string xMaximo = D.OpcaoXMaximo == 1 ? "sim, k = " + N(D.FatorXMaximo, 3) : "não";
    Tabela t = NovaTabela({{"", 40, true}, {"", 50}, {"", 40, true}, {"", 50}}, false);
    t.Linhas = {
        {{"Base b", N(D.Base, 2) + " cm", "Altura h", N(D.Altura, 2) + " cm"}},
        {{"Cobrimento c", N(D.Cobrimento, 2) + " cm", "Estribo φt",
          TextoBitola(D.BitolaEstr, D.SeparadorDecimal)}},
        {{"Momento de cálculo Md", D.TemMd ? N.Momento(D.Md, 2) : std::string("não dado"),
          "Agregado (diâm. máx.)", N(D.DiamAgregado, 2) + " cm"}},
        {{"Concreto fck", N.Tensao(D.Fck, 1), "γc / γs",
          Junta(N(D.GamaC, 2), " / ", N(D.GamaS, 2))}},
        {{"Aço", NomeDoAco(D), "Módulo Es", N.Tensao(D.Es, 0)}},
        {{"fyd", N.Tensao(D.Fyd, 2), "εyd", N(D.EpsYd, 3) + " ‰"}},
        {{"Altura útil d", N(D.AlturaUtil, 3) + " cm",
          D.Verificacao ? "Armadura" : "x máximo adotado",
          D.Verificacao ? "dada (verificação)" : N(D.XMax, 3) + " cm"}},
        {{"Permitir domínio 4", SimNao(D.OpcaoDominio4), "Utilizar x máximo", xMaximo}},
        {{"Tolerância do equilíbrio", Junta(N.Curto(D.PrecisãoN), " kgf de força"), "e de momento",
          N.Momento(D.PrecisãoM, 3)}},
        BlocoDeTensoes(D, N),
    };
    if (D.Forma.T) AcrescentaSecaoT(D, N, t);
    // Barras dadas: cada camada com barras, nas profundidades do arranjo.
    if (D.Verificacao)
        for (const auto& [face, nome] : {std::pair{&D.Pos, "positiva"}, {&D.Neg, "negativa"}})
            for (int i = 1; i <= face->NumCamadas; ++i)
                if (face->NumBarras[i] > 0)
                    t.Linhas.push_back({{Junta("Barras dadas, ", nome, " ", std::to_string(i)),
                                         TextoBarras(static_cast<int>(face->NumBarras[i]),
                                                     face->Bitola[i], D.SeparadorDecimal),
                                         "d'", N(face->DLinha[i], 3) + " cm"}});
    return {.Titulo = "2. Dados de entrada",
            .Blocos = {std::move(t),
                       Paragrafo{Junta("Unidades: momentos em ", SimboloDoMomento(D.UnidadeMd),
                                       ", como Md; tensões em MPa; forças da flexão em kgf, "
                                       "como a caixa Rcc. O cálculo é feito em kgf e cm; o kgf "
                                       "deste programa vale 10 N (g = 10 m/s²): 1 tf = 1000 kgf "
                                       "= 10 kN, e 12 tf·m = 120 kN·m."),
                                 Estilo::Nota}}};
}

// As expressões da flexão com o item da norma e o valor de cada modelo ao lado.
Tabela ExpressoesDaFlexao(const Dim& D, const Formatos& N) {
    Tabela t = NovaTabela(
        {{"Grandeza", 24, true}, {"Expressão", 74, true}, {"Item", 18}, {"CG", 32}, {"Real", 32}});
    t.Miuda = true;
    const double d = D.AlturaUtil;
    const std::string sigCd = N.Tensao(D.SigCd, 2), epsYd = N(D.EpsYd, 3) + " ‰";
    const std::string item = D.Edicao == Norma::NBR2003 ? "17.2.2" : "17.2.2 e 8.2.10";
    t.Linhas = {
        {{"σcd", D.Edicao == Norma::NBR2003 ? "αc·fcd" : "αc·ηc·fcd", item, sigCd, sigCd}},
        {{"y/2", "λ·x/2: meia altura do bloco retangular de tensões", "17.2.2",
          N(D.MeioBloco(D.XCG), 2) + " cm", N(D.MeioBloco(D.XReal), 2) + " cm"}},
        {{"Rcc", "σcd·b·λ·x: resultante do concreto comprimido", "17.2.2", N(D.RccCG, 0) + " kgf",
          N(D.RccReal, 0) + " kgf"}},
        {{"Mrd",
          "CG: Rcc·(d − y/2) + A's·σ's·(d − d'CG2); Real: Σ Asi·σsi·(di − y/2), cada "
          "camada na sua profundidade di",
          "17.2.2", N.Momento(D.MrdCG, 2), N.Momento(D.MrdReal, 2)}},
        {{"εyd", "fyd/Es: o aço escoa quando |ε| ≥ εyd", "8.3.6", epsYd, epsYd}},
        {{"x/d", Junta("ductilidade: x/d ≤ ", N(D.Verif.XdLim, 2)), "14.6.4.3", N(D.XCG / d, 3),
          N(D.XReal / d, 3)}},
    };
    return t;
}

SecaoRelatorio Resultados(const Dim& D, const Comparacao& C, const Formatos& N) {
    const double d = D.AlturaUtil;
    Tabela t = NovaTabela({{"Grandeza", 60, true}, {"CG", 40}, {"Real", 40}, {"Unidade", 40}});
    for (const LinhaPainel& l : LinhasPainel) {
        // As sem limite (x = d): a caixa fica vazia, o relatório diz "—".
        std::string cg = TextoDaLinha(l, false, D, D.SeparadorDecimal);
        if (cg.empty()) cg = "—";
        t.Linhas.push_back({{std::string(l.PorExtenso), std::move(cg),
                             TextoDaLinha(l, true, D, D.SeparadorDecimal),
                             l.UnidadeDeMomento ? SimboloDoMomento(D.UnidadeMd)
                                                : std::string(l.UnidadePorExtenso)}});
        // x também relativo à altura útil.
        if (l.Coluna == "x") t.Linhas.push_back({{"x/d", N(D.XCG / d, 3), N(D.XReal / d, 3), "—"}});
    }
    const std::string dif =
        std::isfinite(C.DiferencaMrdPct) ? N(C.DiferencaMrdPct, 2) + " %" : std::string("—");
    SecaoRelatorio s;
    s.Titulo = "3. Resultados dos modelos CG e Real";
    s.Blocos.push_back(std::move(t));
    s.Blocos.push_back(ExpressoesDaFlexao(D, N));
    if (D.MinimaGovernou)
        s.Blocos.push_back(Paragrafo{Junta("A armadura mínima governou o dimensionamento (item "
                                           "17.3.5.2.1): As para Md = ",
                                           N(D.AsPosCalculada, 2),
                                           " cm², adotada As,min = ", N(D.AsPos, 2), " cm².")});
    s.Blocos.push_back(
        Paragrafo{"Diferença de Mrd entre os modelos, (Real − CG) / CG: " + dif, Estilo::Destaque});
    s.Blocos.push_back(
        Paragrafo{"No modelo CG, As e As' são as áreas teóricas do dimensionamento e as barras de "
                  "cada face agem no centróide dela; no modelo Real, as áreas são as das barras "
                  "colocadas e cada camada age na sua profundidade.",
                  Estilo::Nota});
    return s;
}

SecaoRelatorio Armaduras(const Dim& D, const Comparacao& C, const Formatos& N) {
    Tabela barras = NovaTabela({{"Armadura", 60, true},
                                {"Camada", 25},
                                {"Barras", 35},
                                {"d' (cm)", 30},
                                {"As (cm²)", 30}});
    for (const CamadaReal& c : C.Camadas)
        barras.Linhas.push_back(
            {{c.Negativa ? "Negativa (face comprimida)" : "Positiva (face tracionada)",
              std::to_string(c.Camada), TextoBarras(c.Barras, c.Bitola, D.SeparadorDecimal),
              N(c.DLinha, 3), N(c.Area, 2)}});
    const std::string limite = N.Limite();
    const auto regra = [&](const char* nome, double dcg, double pct, bool atende) {
        return LinhaTabela{{nome, N(dcg, 3) + " cm", N(pct, 2) + " %",
                            Junta(Veredito(atende), atende ? " (≤ " : " (> ", limite, ")")},
                           atende ? Enfase::Boa : Enfase::Alerta};
    };
    Tabela regras = NovaTabela({{"Centróide", 55, true},
                                {"d'CG", 35},
                                {"%h", 30},
                                {Junta("Item 17.2.4.1 (", TextoNorma(D.Edicao), ")"), 60}});
    regras.Linhas.push_back(regra("Positiva: d'CG1", D.DCG1, D.PctHPos, C.AtendePos));
    if (C.TemNeg)
        regras.Linhas.push_back(regra("Negativa: d'CG2", D.DCG2, D.PctHNeg, C.AtendeNeg));
    else
        regras.Linhas.push_back(
            {{"Negativa: d'CG2", N(D.DCG2, 3) + " cm", "—", "sem armadura negativa"}});
    return {.Titulo = Junta("4. Armaduras colocadas e regra dos ", limite, " da altura"),
            .Blocos = {
                std::move(barras), std::move(regras),
                Paragrafo{Junta("%h: distância do centróide da armadura à face externa das barras "
                                "da camada 1 (c + φt da face), em por cento da altura h. O modelo "
                                "CG só é admitido até ",
                                limite, "."),
                          Estilo::Nota}}};
}

// Quais avisos aparecem: Mrd Real abaixo de Md e cada face fora da regra da altura.
SecaoRelatorio Avisos(const Dim& D, const Comparacao& C, const Formatos& N) {
    SecaoRelatorio s;
    s.Titulo = "1. Veredito e avisos";
    const std::string limite = N.Limite();
    // O veredito de todas as verificações abre a seção; as falhas vêm uma a uma depois.
    const LinhaVerificacao veredito = LinhaDoVeredito(D, D.SeparadorDecimal);
    s.Blocos.push_back(
        Paragrafo{Junta(veredito.Texto(), ".", veredito.Nota.empty() ? "" : " ", veredito.Nota),
                  Estilo::Destaque, veredito.Falha ? Enfase::Alerta : Enfase::Boa});
    if (std::string a = AvisoMrdAbaixoDeMd(D, C, D.SeparadorDecimal); !a.empty())
        s.Blocos.push_back(Paragrafo{"• " + a, Estilo::Destaque, Enfase::Alerta});
    const auto regra = [&](bool atende, const char* face, double pct) {
        if (!atende)
            s.Blocos.push_back(Paragrafo{Junta("• A armadura ", face, " não atende à regra dos ",
                                               limite, " (%h = ", N(pct, 2),
                                               " %): o modelo CG não deve ser usado; vale o "
                                               "modelo Real."),
                                         Estilo::Destaque, Enfase::Alerta});
    };
    regra(C.AtendePos, "positiva", D.PctHPos);
    regra(C.AtendeNeg, "negativa", D.PctHNeg);
    if ((D.DominioCG == "4" || D.DominioReal == "4") && D.OpcaoDominio4 != 1)
        s.Blocos.push_back(Paragrafo{"• Com as barras colocadas a seção fica no domínio 4 sem "
                                     "\"Permitir domínio 4\" marcado.",
                                     Estilo::Destaque, Enfase::Alerta});
    for (const LinhaVerificacao& v : LinhasVerificacao(D.Verif, D.SeparadorDecimal))
        if (v.Falha && !v.AvisoProprio)
            s.Blocos.push_back(Paragrafo{"• " + v.Texto() + ".", Estilo::Destaque, Enfase::Alerta});
    for (const LinhaVerificacao& v : LinhasCortante(D, D.SeparadorDecimal))
        if (v.Falha)
            s.Blocos.push_back(Paragrafo{"• Força cortante — " + v.Texto() + ".", Estilo::Destaque,
                                         Enfase::Alerta});
    for (const LinhaVerificacao& v : LinhasFissuracao(D, D.SeparadorDecimal))
        if (v.Falha)
            s.Blocos.push_back(Paragrafo{"• Abertura de fissuras — " + v.Texto() + ".",
                                         Estilo::Destaque, Enfase::Alerta});
    for (const LinhaVerificacao& v : LinhasDurabilidade(D.Verif, D.SeparadorDecimal))
        if (v.Falha)
            s.Blocos.push_back(
                Paragrafo{"• Durabilidade — " + v.Texto() + ".", Estilo::Destaque, Enfase::Alerta});
    if (D.Verif.PedePele)
        s.Blocos.push_back(Paragrafo{Junta("• Acrescentar armadura de pele: ",
                                           FormataNumero(D.Verif.AsPele, 2, D.SeparadorDecimal),
                                           " cm² por face, com espaçamento ≤ 20 cm (item "
                                           "17.3.5.2.3)."),
                                     Estilo::Destaque});
    if (s.Blocos.size() == 1)
        s.Blocos.push_back(Paragrafo{
            Junta("Nenhum aviso: as barras colocadas resistem ", D.TemMd ? "a Md" : "(sem Md dado)",
                  " nos dois modelos e a regra dos ", limite, " da altura é atendida."),
            Estilo::Corpo, Enfase::Boa});
    return s;
}

SecaoRelatorio Equilibrio(const Dim& D, const Formatos& N) {
    // A mesma regra da linha "Equilíbrio" das verificações: 1 % de Rcc e Mrd positivo.
    const auto linha = [&](const char* modelo, double residuo, long passos, bool alerta,
                           double mrd) {
        const char* situacao = !alerta      ? "dentro da tolerância"
                               : !(mrd > 0) ? "Mrd ≤ 0: não confiável"
                                            : "longe do equilíbrio";
        return LinhaTabela{
            {modelo, N(residuo, 2), N(D.PrecisãoN, 2), std::to_string(passos), situacao},
            alerta ? Enfase::Alerta : Enfase::Normal};
    };
    Tabela t = NovaTabela({{"Modelo", 35, true},
                           {"Rc − Rst (kgf)", 40},
                           {"Tolerância (kgf)", 40},
                           {"Passos", 25},
                           {"Situação", 40}});
    t.Linhas = {
        linha("CG", D.ResiduoCG, D.PassosCG, D.Verif.AlertaEquilibrioCG, D.Verif.MrdCG),
        linha("Real", D.ResiduoReal, D.PassosReal, D.Verif.AlertaEquilibrioReal, D.Verif.MrdReal)};
    const std::string busca =
        D.PassosDescobreX > 0
            ? Junta("Busca da linha neutra para Md: ", std::to_string(D.PassosDescobreX), " passos")
            : std::string("Linha neutra para Md obtida sem busca em passos");
    // Barras dadas: nem a busca de x para Md nem o laço da distribuição rodaram.
    std::string nota =
        D.Verificacao
            ? "Barras dadas: sem busca da linha neutra para Md nem "
              "distribuição das barras."
            : Junta(busca, "; a altura útil d foi recalculada ", std::to_string(D.PassosPrograma),
                    D.PassosPrograma == 1 ? " vez" : " vezes",
                    " com o centróide das barras colocadas até não mudar.");
    return {.Titulo = "5. Equilíbrio e buscas",
            .ConteudoMm = 28,
            .Blocos = {std::move(t), Paragrafo{std::move(nota), Estilo::Resumo}}};
}

SecaoRelatorio Desenhos(const Dim& D, const Formatos& N) {
    const LugarDesenhos lugar;
    // Título, desenho e legenda na mesma página.
    return {.Titulo = "6. Diagrama de deformações (modelo CG) e seção transversal",
            .ConteudoMm = lugar.AlturaMm + 10,
            .Blocos = {
                lugar,
                Paragrafo{Junta("Linhas horizontais: linha neutra do modelo CG (x = ", N(D.XCG, 3),
                                " cm), nível do centróide da armadura tracionada (d = ",
                                N(D.Altura - D.DCG1, 3),
                                " cm) e, em verde, a profundidade em que o aço atinge εyd (",
                                N(D.XEscoamento, 3),
                                " cm). Em vermelho: deformações do modelo CG e cruzes nos "
                                "centróides das armaduras."),
                          Estilo::Nota}}};
}

// Uma linha de tabela por verificação; as notas, em parágrafos depois dela.
Tabela TabelaVerificacoes(const std::vector<LinhaVerificacao>& Linhas,
                          std::vector<BlocoRelatorio>& notas) {
    Tabela t = NovaTabela({{"Verificação", 36, true},
                           {"Valor", 50, true},
                           {"Limite", 38, true},
                           {"Item", 20},
                           {"Resultado", 36}});
    t.Miuda = true;
    for (const LinhaVerificacao& v : Linhas) {
        const std::string limite =
            v.Escopo.empty() ? v.Limite : Junta(v.Limite, " (", v.Escopo, ")");
        const Enfase cor =
            v.Falha ? Enfase::Alerta : (v.Informativa ? Enfase::Normal : Enfase::Boa);
        t.Linhas.push_back(
            {{std::string(v.Grandeza), v.Valor, limite, std::string(v.Item), v.Veredito}, cor});
        if (!v.Nota.empty()) notas.push_back(Paragrafo{Junta("Nota: ", v.Nota), Estilo::Resumo});
    }
    return t;
}

SecaoRelatorio SecaoVerificacoes(const Dim& D) {
    std::vector<BlocoRelatorio> notas;
    std::vector<LinhaVerificacao> linhas = LinhasVerificacao(D.Verif, D.SeparadorDecimal);
    for (LinhaVerificacao& l : LinhasDurabilidade(D.Verif, D.SeparadorDecimal))
        linhas.push_back(std::move(l));
    Tabela t = TabelaVerificacoes(linhas, notas);
    SecaoRelatorio s{.Titulo = Junta("8. Verificações (", TextoNorma(D.Edicao), ")"),
                     .Blocos = {std::move(t)}};
    s.Blocos.insert(s.Blocos.end(), notas.begin(), notas.end());
    s.Blocos.push_back(
        Paragrafo{"x/d do cálculo com o x e o d do dimensionamento; o das barras colocadas, com "
                  "d = h − d'CG1.",
                  Estilo::Nota});
    return s;
}

SecaoRelatorio CamadaACamada(const Dim& D, const Comparacao& C, const Formatos& N) {
    Tabela t = NovaTabela({{"Modelo — camada", 42, true},
                           {"d' (cm)", 18},
                           {"Barras", 24},
                           {"As (cm²)", 18},
                           {"ε (‰)", 18},
                           {"σsd (MPa)", 26},
                           {"Esforço", 20},
                           {"Escoa", 14}});
    t.Miuda = true;
    const auto esforco = [](bool tracionada, double eps) -> std::string {
        return eps == 0 ? "—" : (tracionada ? "tração" : "compressão");
    };
    for (const CamadaReal& c : C.Camadas)
        t.Linhas.push_back(
            {{Junta("Real — ", c.Negativa ? "negativa " : "positiva ", std::to_string(c.Camada)),
              N(c.DLinha, 3), TextoBarras(c.Barras, c.Bitola, D.SeparadorDecimal), N(c.Area, 2),
              N(c.Eps, 3), N(c.Sig / 10, 2), esforco(c.Tracionada(), c.Eps),
              c.Escoa ? "sim" : "não"}});
    for (const auto& [face, neg] : {std::pair{&C.CGPos, false}, std::pair{&C.CGNeg, true}}) {
        if (!face->Existe) continue;
        const bool tracionada = neg ? face->Eps < 0 : face->Eps > 0;
        t.Linhas.push_back(
            {{neg ? "CG — centróide negativo" : "CG — centróide positivo", N(face->DLinha, 3),
              "todas", N(neg ? D.AsNegReal : D.AsReal, 2), N(face->Eps, 3), N(face->Sig / 10, 2),
              esforco(tracionada, face->Eps), face->Escoa ? "sim" : "não"},
             Enfase::Modelo});
    }
    return {
        .Titulo = "7. Comparação camada a camada",
        .Blocos = {
            Paragrafo{Junta("Modelo Real em x = ", N(D.XReal, 3), " cm (εc = ", N(C.EpsCReal, 3),
                            " ‰); modelo CG em x = ", N(D.XCG, 3), " cm (εc = ", N(C.EpsCCG, 3),
                            " ‰). Uma camada escoa quando |ε| ≥ εyd = ", N(D.EpsYd, 3), " ‰.")},
            std::move(t),
            Paragrafo{"d' medido da face da própria armadura; ε positivo indica tração nas "
                      "camadas positivas e compressão nas negativas.",
                      Estilo::Nota}}};
}

// Força cortante: entradas, expressões em palavras, valores e vereditos.
SecaoRelatorio Cortante(const Dim& D, const Formatos& N) {
    const ResultadoCortante& R = D.ResCortante;
    const EntradasCortante& E = D.EntCortante;
    const std::string u = Junta(" ", SimboloDaForca(D.UnidadeVd));
    const auto f = [&](double kgf) { return N(kgf / D.FatorVd, 1) + u; };
    const auto m2 = [&](double cm2cm) { return N(cm2cm * 100, 2) + " cm²/m"; };
    const auto mpa = [&](double kgf) { return N(kgf / 10, 1) + " MPa"; };
    const bool modeloI = E.Modelo == ModeloTrelica::I;
    const std::string fator = modeloI ? "(sen α + cos α)" : "(cotg α + cotg θ)·sen α";
    // Constantes das expressões com o separador do relatório.
    const auto k = [&](double c) { return N.Curto(c); };
    Tabela t = NovaTabela({{"Grandeza", 30, true}, {"Expressão", 100, true}, {"Valor", 50}});
    t.Miuda = true;
    t.Linhas = {
        {{"αv2", Junta("1 − fck/", k(250), ", fck em MPa"), N(R.AlfaV2, 3)}},
        {{"fctm / fctd",
          Junta(D.Fck / 10 <= 50             ? Junta(k(0.3), "·fck^(2/3)")
                : D.Edicao == Norma::NBR2023 ? Junta(k(2.12), "·ln[1 + ", k(0.1), "·(fck + 8)]")
                                             : Junta(k(2.12), "·ln(1 + ", k(0.11), "·fck)"),
                " / ", k(0.7), "·fctm/γc"),
          Junta(N(R.FctmMPa, 3), " / ", N(R.Fctd / 10, 3), " MPa")}},
        {{"fywd", "fywk/γs, no máximo 435 MPa", mpa(R.Fywd)}},
        {{"VRd2",
          modeloI ? Junta(k(0.27), "·αv2·fcd·bw·d")
                  : Junta(k(0.54), "·αv2·fcd·bw·d·sen²θ·(cotg α + cotg θ)"),
          f(R.VRd2)}},
        {{modeloI ? "Vc = Vc0" : "Vc = Vc1",
          modeloI ? Junta(k(0.6), "·fctd·bw·d")
                  : Junta("Vc0 = ", k(0.6), "·fctd·bw·d = ", f(R.Vc0),
                          " até Vd = Vc0, zero em Vd = VRd2, linear entre eles"),
          f(R.Vc)}},
        {{"Vsw", "Vd − Vc", f(R.Vsw)}},
        {{"Asw/s calculada", Junta("Vsw / (", k(0.9), "·d·fywd·", fator, ")"), m2(R.AswS)}},
        {{"Asw/s mínima",
          Junta("ρsw,min·bw·sen α, ρsw,min = ", k(0.2), "·fctm/fywk = ", N(R.RhoSwMin * 100, 4),
                " %"),
          m2(R.AswSMin)}},
        {{"Asw/s adotada", "a maior das duas", m2(R.AswSAdotada)}},
        {{"Vd,min", "Vd até o qual a armadura mínima governa", f(R.VdMin)}},
        {{"s",
          Junta("ramos·Asw,φ / (Asw/s adotada) = ", N(R.SCalculado, 2), " cm, múltiplo de ",
                k(PassoEspacamento), " cm abaixo, ≤ s,máx"),
          R.FalhaS ? Junta("nenhum (abaixo de ", k(PassoEspacamento), " cm)") : N(R.S, 1) + " cm"}},
    };
    std::vector<BlocoRelatorio> notas;
    Tabela v = TabelaVerificacoes(LinhasCortante(D, D.SeparadorDecimal), notas);
    SecaoRelatorio s{
        .Titulo = "9. Força cortante (item 17.4)",
        .ConteudoMm = 40,
        .Blocos = {
            Paragrafo{Junta("Vd = ", f(E.Vd), "; modelo ", modeloI ? "I" : "II",
                            modeloI ? " (bielas a 45°)" : Junta(" com θ = ", N.Curto(E.Teta), "°"),
                            "; estribos a α = ", N.Curto(E.Alfa), "° com ", std::to_string(E.Ramos),
                            " ramos de φ ", N.Curto(D.Diametro[D.BitolaEstr] * 10), " mm em ",
                            E.Fywk > 5000 ? "CA-60" : "CA-50", "; bw = ", N.Curto(D.Base),
                            " cm e d = h − d'CG1 = ", N(D.Altura - D.DCG1, 2),
                            " cm, das barras colocadas.")},
            std::move(t), std::move(v)}};
    s.Blocos.insert(s.Blocos.end(), notas.begin(), notas.end());
    return s;
}

// Abertura de fissuras: entradas, a tabela por camada e os vereditos.
SecaoRelatorio AberturaDeFissuras(const Dim& D, const Formatos& N) {
    const ResultadoFissuracao& R = D.ResFissuracao;
    const auto m = [&](double kgfcm) { return N.Momento(kgfcm, 2); };
    const auto mpa = [&](double kgf) { return N(kgf / 10, 1); };
    const auto wk = [&](double w, bool existe) { return existe ? N(w, 3) : std::string("—"); };
    Tabela t = NovaTabela({{"Camada", 28, true},
                           {"y (cm)", 18},
                           {"Barras", 24},
                           {"σs Real (MPa)", 24},
                           {"σs CG (MPa)", 22},
                           {"Acri (cm²)", 32},
                           {"wk (mm)", 32}});
    t.Miuda = true;
    for (const FissuracaoDaCamada& c : R.Camadas) {
        const bool dentro = c.Barras > 2;
        t.Linhas.push_back(
            {{Junta(c.Negativa ? "negativa " : "positiva ", std::to_string(c.Camada)), N(c.Y, 2),
              Junta(std::to_string(c.Barras), " φ ", N.Curto(c.Fi * 10)), mpa(c.SigmaReal),
              mpa(c.SigmaCG),
              c.Negativa ? std::string("—")
                         : Junta(N(c.AcriPonta, 1), " / ", dentro ? N(c.AcriDentro, 1) : "—"),
              c.Negativa ? std::string("—")
                         : Junta(wk(c.WkPonta, true), " / ", wk(c.WkDentro, dentro))},
             !c.Negativa && c.Camada == R.CamadaWkMax && R.FalhaWk ? Enfase::Alerta
                                                                   : Enfase::Normal});
    }
    std::vector<BlocoRelatorio> notas;
    Tabela v = TabelaVerificacoes(LinhasFissuracao(D, D.SeparadorDecimal), notas);
    SecaoRelatorio s{
        .Titulo = "10. Estado-limite de abertura de fissuras (item 17.3.3)",
        .ConteudoMm = 40,
        .Blocos = {Paragrafo{Junta("Mser = ", m(D.EntFissuracao.Mser),
                                   " (combinação frequente); classe de "
                                   "agressividade ",
                                   ItensCAA[static_cast<std::size_t>(D.EntFissuracao.Classe - 1)],
                                   ", wk,lim = ", N(R.WkLim, 2),
                                   " mm; αe = 15; η1 = ", N(R.Eta1, 2), "; Mr = ", m(R.Mr), " (",
                                   R.Fissura ? "a seção fissura" : "a seção não fissura: wk = 0",
                                   "). Estádio II com as barras colocadas: x = ", N(R.XReal, 2),
                                   " cm nos dois modelos; o CG põe toda a tração no centróide.")},
                   std::move(t), std::move(v)}};
    s.Blocos.insert(s.Blocos.end(), notas.begin(), notas.end());
    s.Blocos.push_back(
        Paragrafo{"Acri e wk: barras das pontas da camada / barras de dentro. Acri: o quadrado "
                  "de lado 15φ em torno da barra, cortado pelas faces da seção e pela mediatriz "
                  "entre ela e cada outra barra tracionada. y medido da face comprimida; σs "
                  "positiva na tração.",
                  Estilo::Nota});
    return s;
}

// O fim da folha: o lugar da data e da assinatura de quem responde pelo cálculo.
SecaoRelatorio DataEAssinatura(const FichaDoProjeto& Ficha, int Numero) {
    const std::string linha(40, '_');
    const auto campo = [&](const std::string& t) { return t.empty() ? linha : t; };
    return {.Titulo = Junta(std::to_string(Numero), ". Data e assinatura"),
            .ConteudoMm = 40,
            .Blocos = {Paragrafo{Junta("Local e data: ", linha)}, Paragrafo{" "},
                       Paragrafo{Junta("Assinatura: ", linha)},
                       Paragrafo{Junta("Responsável técnico: ", campo(Ficha.Responsavel))},
                       Paragrafo{Junta("Registro (CREA): ", campo(Ficha.Registro))}}};
}

} // namespace

Relatorio MontaRelatorio(const EstadoDeProjeto& D, const FichaDoProjeto& Ficha) {
    const Comparacao C = ComparaModelos(D);
    const Formatos N{D};
    Relatorio r;
    // Identificação para assinar: um campo vazio fica como linha a preencher à mão.
    const auto campo = [](const std::string& t) { return t.empty() ? std::string(" ") : t; };
    r.Ficha = NovaTabela({{"Obra", 55, true},
                          {"Elemento", 35, true},
                          {"Responsável técnico", 55, true},
                          {"Registro (CREA)", 35, true}});
    r.Ficha.Linhas = {{{campo(Ficha.Obra), campo(Ficha.Elemento), campo(Ficha.Responsavel),
                        campo(Ficha.Registro)}}};
    r.Titulo = D.Verificacao ? "Relatório de cálculo — Verificação" : "Relatório de cálculo";
    r.TituloContinuacao = r.Titulo + " (continuação)";
    r.Identificacao =
        Junta("Viga ", N.Curto(D.Base), " × ", N.Curto(D.Altura), " cm — ", TextoNorma(D.Edicao));
    r.Rodape = Junta("Lumbrio ", VersaoLumbrio,
                     " — flexão simples de seção retangular de concreto armado (",
                     TextoNorma(D.Edicao), ")");
    // O veredito e os avisos abrem a primeira página.
    r.Secoes = {Avisos(D, C, N),        DadosDeEntrada(D, N), Resultados(D, C, N),
                Armaduras(D, C, N),     Equilibrio(D, N),     Desenhos(D, N),
                CamadaACamada(D, C, N), SecaoVerificacoes(D)};
    if (D.ResCortante.Calculado) r.Secoes.push_back(Cortante(D, N));
    if (D.ResFissuracao.Calculado) r.Secoes.push_back(AberturaDeFissuras(D, N));
    r.Secoes.push_back(DataEAssinatura(Ficha, D.ResFissuracao.Calculado ? 11
                                              : D.ResCortante.Calculado ? 10
                                                                        : 9));
    return r;
}

} // namespace lumbrio
