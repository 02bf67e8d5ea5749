// lumbrio-lote --detalhes: colunas da comparação dos modelos depois de "erro" e o
// resumo de cada série de Md na saída de erros.
#include "LoteTeste.h"
#include "PastaTemporaria.h"
#include "calc/Numeros.h"
#include "files/Configuracao.h"
#include "output/Comparacao.h"
#include "output/Csv.h"
#include "tools/lote/Lote.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace lumbrio::teste {
namespace {

class Detalhes : public PastaTemporaria {};

// Viga 20 × 50 dos padrões com barras positivas de 20 mm e negativas de 16 mm, Md em
// KN.cm.
void GravaViga(const std::string& Nome, const std::string& Md = "25000") {
    Dimensionamento d;
    d.Form1.Text17.Text = Md;
    for (int i = 1; i <= 6; ++i) d.Form1.Combo2[i].Text = "20 mm (3/4'')";
    for (int i = 1; i <= 3; ++i) d.Form1.Combo4[i].Text = "16 mm (5/8'')";
    ASSERT_FALSE(GravaConfiguracao(d, Nome));
}

std::size_t Coluna(const std::vector<std::string>& Cabecalho, const std::string& Nome) {
    const auto c = std::find(Cabecalho.begin(), Cabecalho.end(), Nome);
    EXPECT_NE(c, Cabecalho.end()) << Nome;
    return static_cast<std::size_t>(c - Cabecalho.begin());
}

TEST(DetalhesCsv, colunas_novas_so_com_a_opcao_e_depois_de_erro) {
    std::string padrao, detalhes;
    AcrescentaCabecalhoCsv(padrao);
    AcrescentaCabecalhoCsv(detalhes, true);
    const auto p = LeCsv(padrao).at(0), d = LeCsv(detalhes).at(0);
    ASSERT_EQ(p.size(), 44u);
    EXPECT_EQ(p.back(), "erro");
    // 9 camadas × (ε, σ, escoa) + 2 faces CG × 3 + a diferença de Mrd.
    ASSERT_EQ(d.size(), 44u + 27 + 6 + 1);
    EXPECT_TRUE(std::equal(p.begin(), p.end(), d.begin()));
    EXPECT_EQ(d[44], "eps_Real_pos1");
    EXPECT_EQ(d[44 + 3 * 6], "eps_Real_neg1");
    EXPECT_EQ(d[44 + 27 + 5], "escoa_CG_neg");
    EXPECT_EQ(d.back(), "dif_Mrd_pct");
}

TEST(DetalhesCsv, argumento_liga_a_opcao) {
    const auto o = std::get<OpcoesLote>(
        InterpretaArgumentosLote(std::vector<std::string>{"--detalhes", "a.txt"}));
    EXPECT_TRUE(o.Detalhes);
    EXPECT_FALSE(
        std::get<OpcoesLote>(InterpretaArgumentosLote(std::vector<std::string>{"a.txt"})).Detalhes);
    EXPECT_NE(TextoAjudaLote().find("--detalhes"), std::string::npos);
}

TEST_F(Detalhes, linha_traz_a_comparacao_do_mesmo_projeto_feito_na_janela) {
    GravaViga("viga.txt");
    OpcoesLote o;
    o.Arquivos = {"viga.txt"};
    o.Detalhes = true;
    const auto e = Executa(o);
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.erros, "") << "sem série, sem resumo";
    const auto linhas = LeCsv(e.saida);
    ASSERT_EQ(linhas.size(), 2u);
    const auto& cab = linhas[0];
    const auto& l = linhas[1];
    ASSERT_EQ(l.size(), cab.size());
    EXPECT_EQ(l[Coluna(cab, "erro")], "");

    Dimensionamento d;
    ASSERT_FALSE(CarregaConfiguracao(d, "viga.txt"));
    d.Programa();
    ASSERT_TRUE(d.HaResultados);
    const Comparacao c = ComparaModelos(d);
    for (const CamadaReal& r : c.Camadas) {
        const std::string sufixo = Junta(r.Negativa ? "neg" : "pos", std::to_string(r.Camada));
        SCOPED_TRACE(sufixo);
        // Quatro casas de ε e duas de σ: meia unidade da última casa.
        EXPECT_NEAR(std::stod(l[Coluna(cab, "eps_Real_" + sufixo)]), r.Eps, 0.00005);
        EXPECT_NEAR(std::stod(l[Coluna(cab, "sig_Real_" + sufixo)]), r.Sig, 0.005);
        EXPECT_EQ(l[Coluna(cab, "escoa_Real_" + sufixo)], r.Escoa ? "1" : "0");
    }
    // Camadas sem barras ficam vazias.
    for (int i = 1; i <= 6; ++i) {
        if (d.NumBarrasPos[i] == 0) {
            EXPECT_EQ(l[Coluna(cab, "eps_Real_pos" + std::to_string(i))], "") << i;
        }
    }
    EXPECT_NEAR(std::stod(l[Coluna(cab, "eps_CG_neg")]), c.CGNeg.Eps, 0.00005);
    EXPECT_NEAR(std::stod(l[Coluna(cab, "dif_Mrd_pct")]), c.DiferencaMrdPct, 0.0005);
    EXPECT_LT(c.DiferencaMrdPct, 0) << "camadas altas abaixo de fyd: o modelo Real resiste menos";
}

TEST_F(Detalhes, projeto_recusado_deixa_as_colunas_novas_vazias) {
    GravaViga("viga.txt");
    OpcoesLote o;
    o.Arquivos = {"viga.txt"};
    o.Serie = LeSerieMd("-5:-5:1");
    o.Detalhes = true;
    const auto e = Executa(o);
    const auto linhas = LeCsv(e.saida);
    ASSERT_EQ(linhas.size(), 2u);
    ASSERT_EQ(linhas[1].size(), linhas[0].size());
    EXPECT_FALSE(linhas[1][43].empty()) << "mensagem em erro";
    for (std::size_t i = 44; i < linhas[1].size(); ++i) EXPECT_EQ(linhas[1][i], "") << i;
    EXPECT_NE(e.erros.find("nenhum projeto da série foi calculado"), std::string::npos) << e.erros;
}

TEST_F(Detalhes, resumo_da_serie_concorda_com_as_colunas_do_csv) {
    GravaViga("viga.txt");
    GravaViga("outra.txt");
    OpcoesLote o;
    o.Arquivos = {"viga.txt", "outra.txt"};
    o.Serie = LeSerieMd("15000:30000:1000");
    o.Detalhes = true;
    o.Trabalhadores = 3;
    o.TamanhoBloco = 2;
    const auto e = Executa(o);
    ASSERT_EQ(e.status, 0) << e.erros;
    const auto linhas = LeCsv(e.saida);
    const auto& cab = linhas.at(0);
    // O que o resumo deve dizer, tirado das colunas do CSV do primeiro arquivo.
    std::string primeiroAcima, mdMaior;
    double maior = 0;
    for (std::size_t i = 1; i < linhas.size() && linhas[i][0] == "viga.txt"; ++i) {
        const auto& l = linhas[i];
        if (primeiroAcima.empty() &&
            (l[Coluna(cab, "alerta_pctH_pos")] == "1" || l[Coluna(cab, "alerta_pctH_neg")] == "1"))
            primeiroAcima = l[1];
        const double dif = std::stod(l[Coluna(cab, "dif_Mrd_pct")]);
        if (mdMaior.empty() || std::fabs(dif) > std::fabs(maior)) {
            maior = dif;
            mdMaior = l[1];
        }
    }
    ASSERT_FALSE(primeiroAcima.empty()) << "a série devia passar de 10 %";
    std::istringstream erros(e.erros);
    std::vector<std::string> resumos;
    for (std::string r; std::getline(erros, r);) resumos.push_back(r);
    ASSERT_EQ(resumos.size(), 2u) << e.erros;
    EXPECT_EQ(resumos[0].rfind("lumbrio-lote: viga.txt: ", 0), 0u) << resumos[0];
    EXPECT_NE(resumos[0].find("a partir de Md = " + primeiroAcima + " ("), std::string::npos)
        << resumos[0];
    EXPECT_NE(resumos[0].find("% em Md = " + mdMaior + "."), std::string::npos) << resumos[0];
    EXPECT_EQ(resumos[1].substr(resumos[1].find(": ", 14)),
              resumos[0].substr(resumos[0].find(": ", 14)))
        << "o mesmo projeto nos dois arquivos";
}

struct CasoResumo {
    const char* nome;
    std::vector<PontoSerie> pontos;
    const char* texto;
};

class ResumoDaSerie : public ::testing::TestWithParam<CasoResumo> {};

TEST_P(ResumoDaSerie, frase_do_resumo) {
    EXPECT_EQ(ResumoSerie("v.txt", GetParam().pontos), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ResumoDaSerie,
    ::testing::Values(
        CasoResumo{"exatamente_10_nao_passa",
                   {{"1", true, 10.0, 0, false, -0.5}, {"2", true, 9, 0, false, 1.25}},
                   "lumbrio-lote: v.txt: %h não passa de 10 % na série; maior diferença de Mrd "
                   "entre os modelos (Real - CG) / CG: 1.25 % em Md = 2.\n"},
        CasoResumo{"negativa_passa_primeiro",
                   {{"1", true, 4, 10.5, true, -3}, {"2", true, 11, 12, true, -2}},
                   "lumbrio-lote: v.txt: %h passa de 10 % a partir de Md = 1 (armadura "
                   "negativa, %h = 10.50 %); maior diferença de Mrd entre os modelos (Real - "
                   "CG) / CG: -3.00 % em Md = 1.\n"},
        CasoResumo{"negativa_sem_barras_nao_conta_e_recusados_ficam_de_fora",
                   {{"1", true, 4, 30, false, 0},
                    {"2", false, 50, 0, false, 99},
                    {"3", true, 10.01, 0, false, 0}},
                   "lumbrio-lote: v.txt: %h passa de 10 % a partir de Md = 3 (armadura "
                   "positiva, %h = 10.01 %); maior diferença de Mrd entre os modelos (Real - "
                   "CG) / CG: 0.00 % em Md = 1.\n"},
        CasoResumo{"nada_calculado",
                   {{"1", false, 0, 0, false, 0}},
                   "lumbrio-lote: v.txt: %h não passa de 10 % na série; nenhum projeto da série "
                   "foi calculado.\n"}),
    [](const auto& i) { return std::string(i.param.nome); });

} // namespace
} // namespace lumbrio::teste
