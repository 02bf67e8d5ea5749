// lumbrio-lote: argumentos, séries de Md, CSV e a execução sobre arquivos de valores.
#include "LoteTeste.h"
#include "PastaTemporaria.h"
#include "files/Configuracao.h"
#include "output/Csv.h"
#include "tools/lote/Lote.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <vector>

namespace lumbrio::teste {
namespace {

class LoteExecucao : public PastaTemporaria {};

// Grava um arquivo de valores de uma viga com Md em Kgf.m.
void GravaViga(const std::string& Nome, const std::string& Base = "20") {
    Dimensionamento d;
    d.Form1.Text1.Text = Base;
    d.Form1.Combo5.Text = "Kgf.m";
    d.Form1.Text17.Text = "10000";
    d.Form1.Combo2[1].Text = "16 mm (5/8'')";
    ASSERT_FALSE(GravaConfiguracao(d, Nome));
}

TEST(LoteCsv, cabecalho_tem_as_colunas_na_ordem_combinada) {
    std::string csv;
    AcrescentaCabecalhoCsv(csv);
    std::vector<std::string> esperadas{
        "arquivo",  "Md",       "As_CG",       "As_Real", "AsLinha_CG", "AsLinha_Real",
        "Mrd_CG",   "Mrd_Real", "unidade_Mrd", "x_CG",    "x_Real",     "Dom_CG",
        "Dom_Real", "Rcc_CG",   "Rcc_Real",    "y2_CG",   "y2_Real"};
    for (int i = 1; i <= 6; ++i) esperadas.push_back("dlinha_pos" + std::to_string(i));
    for (int i = 1; i <= 3; ++i) esperadas.push_back("dlinha_neg" + std::to_string(i));
    for (const char* c :
         {"dCG1", "dCG2", "pctH_pos", "pctH_neg", "alerta_pctH_pos", "alerta_pctH_neg"})
        esperadas.push_back(c);
    for (int i = 1; i <= 6; ++i) esperadas.push_back("barras_pos" + std::to_string(i));
    for (int i = 1; i <= 3; ++i) esperadas.push_back("barras_neg" + std::to_string(i));
    for (const char* c : {"alerta_pos6", "alerta_neg3", "erro"}) esperadas.push_back(c);
    EXPECT_EQ(csv, [&] {
        std::string s;
        for (const auto& c : esperadas) s += (s.empty() ? "" : ",") + c;
        return s + "\r\n";
    }());
}

TEST(LoteCsv, campos_com_virgula_aspas_ou_quebra_vao_entre_aspas) {
    const std::pair<const char*, const char*> casos[] = {
        {"simples", "simples"},   {"", ""},
        {"a,b", "\"a,b\""},       {"diz \"oi\"", "\"diz \"\"oi\"\"\""},
        {"a\r\nb", "\"a\r\nb\""}, {"viga 20x50.txt", "viga 20x50.txt"}};
    for (const auto& [campo, esperado] : casos) {
        std::string csv;
        AcrescentaCampoCsv(csv, campo);
        EXPECT_EQ(csv, esperado);
        EXPECT_EQ(Campos(csv), std::vector<std::string>{campo});
    }
}

struct CasoSerie {
    const char* texto;
    std::vector<std::string> mds; // vazio: série recusada
};

void PrintTo(const CasoSerie& c, std::ostream* os) {
    *os << '"' << c.texto << '"';
}

class SerieDeMd : public ::testing::TestWithParam<CasoSerie> {};

TEST_P(SerieDeMd, gera_os_momentos_ou_recusa) {
    const auto serie = LeSerieMd(GetParam().texto);
    if (GetParam().mds.empty()) {
        EXPECT_FALSE(serie) << GetParam().texto;
        return;
    }
    ASSERT_TRUE(serie) << GetParam().texto;
    std::vector<std::string> mds;
    for (std::size_t k = 0; k < TamanhoSerie(*serie); ++k) mds.push_back(TextoMdDaSerie(*serie, k));
    EXPECT_EQ(mds, GetParam().mds);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, SerieDeMd,
    ::testing::Values(
        CasoSerie{"9000:11000:1000", {"9000", "10000", "11000"}},
        CasoSerie{"1:2:0.5", {"1", "1.5", "2"}},
        // 0.1 não é exato em binário: o último passo ainda inclui o 1 e os textos saem limpos.
        CasoSerie{"0:1:0.1",
                  {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}},
        CasoSerie{"10:0:-5", {"10", "5", "0"}}, CasoSerie{"-1:1:1", {"-1", "0", "1"}},
        CasoSerie{"5:5:1", {"5"}}, CasoSerie{"1:2.5:1", {"1", "2"}}, CasoSerie{"1:2", {}},
        CasoSerie{"1:2:0", {}}, CasoSerie{"1:2:-1", {}}, CasoSerie{"a:2:1", {}},
        CasoSerie{"1,5:2:1", {}}, CasoSerie{"1:2:3:4", {}}, CasoSerie{"0:1e12:1", {}},
        CasoSerie{"nan:1:1", {}}, CasoSerie{"", {}}));

TEST(LoteArgumentos, opcoes_e_erros_da_linha_de_comando) {
    using Args = std::vector<std::string>;
    auto o = std::get<OpcoesLote>(
        InterpretaArgumentosLote(Args{"--md=1:3:1", "a.txt", "--saida", "s.csv", "b.txt"}));
    ASSERT_TRUE(o.Serie);
    EXPECT_EQ(o.Serie->Fim, 3);
    EXPECT_EQ(o.Saida, "s.csv");
    EXPECT_EQ(o.Arquivos, (Args{"a.txt", "b.txt"}));
    o = std::get<OpcoesLote>(InterpretaArgumentosLote(Args{"--", "--md"}));
    EXPECT_EQ(o.Arquivos, Args{"--md"});
    EXPECT_TRUE(std::get<OpcoesLote>(InterpretaArgumentosLote(Args{"--help"})).Ajuda);
    for (const Args& ruim :
         {Args{}, Args{"--md"}, Args{"--md", "1:2", "a.txt"}, Args{"--x", "a.txt"},
          Args{"--saida=", "a.txt"}, Args{"--md=1:2:1", "--md=1:2:1", "a.txt"}}) {
        const auto r = InterpretaArgumentosLote(ruim);
        ASSERT_TRUE(std::holds_alternative<std::string>(r)) << ruim.size();
        EXPECT_FALSE(std::get<std::string>(r).empty());
    }
    EXPECT_NE(TextoAjudaLote().find("Uso: lumbrio-lote"), std::string::npos);
}

TEST_F(LoteExecucao, serie_de_md_da_as_linhas_da_janela_para_cada_momento) {
    GravaViga("viga.txt");
    OpcoesLote o;
    o.Arquivos = {"viga.txt"};
    o.Serie = LeSerieMd("8000:12000:2000");
    const auto e = Executa(o);
    EXPECT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.erros, "");
    const auto linhas = LeCsv(e.saida);
    ASSERT_EQ(linhas.size(), 4u);
    const std::vector<std::string> mds{"8000", "10000", "12000"};
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        const auto& l = linhas[i];
        const auto coluna = [&](const char* nome) {
            const auto c = std::find(linhas[0].begin(), linhas[0].end(), nome);
            return l.at(static_cast<std::size_t>(c - linhas[0].begin()));
        };
        ASSERT_EQ(l.size(), linhas[0].size());
        EXPECT_EQ(l[0], "viga.txt");
        EXPECT_EQ(l[1], mds[i - 1]);
        // O mesmo projeto feito na janela: carrega, escreve Md e calcula.
        Dimensionamento d;
        ASSERT_FALSE(CarregaConfiguracao(d, "viga.txt"));
        d.Form1.Text17.Text = mds[i - 1];
        d.Programa();
        ASSERT_TRUE(d.HaResultados) << d.Form2.Label1.Caption;
        EXPECT_EQ(coluna("Mrd_CG"), d.Form1.Text23.Text);
        EXPECT_EQ(coluna("As_CG"), d.Form1.Text8.Text);
        EXPECT_EQ(coluna("unidade_Mrd"), "Kgf.m");
        EXPECT_EQ(coluna("Dom_Real"), d.Form1.Text12.Text);
        EXPECT_EQ(coluna("dlinha_neg3"), d.Form1.Text3[3].Text);
        EXPECT_EQ(coluna("dCG1"), d.Form1.Text26.Text);
        EXPECT_EQ(coluna("barras_pos1"), std::to_string(static_cast<int>(d.NumBarrasPos[1])));
        EXPECT_EQ(coluna("erro"), "");
    }
    // Momentos maiores pedem mais aço: a série não repete o mesmo projeto.
    EXPECT_NE(linhas[1][2], linhas[3][2]) << "As_CG";
    EXPECT_FALSE(std::filesystem::exists("resulta.txt")) << "o lote não exporta";
}

TEST_F(LoteExecucao, arquivo_ilegivel_avisa_na_saida_de_erros_e_o_lote_continua) {
    GravaViga("viga.txt");
    EscreveBytes("curto.txt", "20\r\n50\r\n");
    OpcoesLote o;
    o.Arquivos = {"ausente.txt", "viga.txt", "curto.txt"};
    const auto e = Executa(o);
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.erros.find("\"ausente.txt\""), std::string::npos) << e.erros;
    EXPECT_NE(e.erros.find("\"curto.txt\""), std::string::npos) << e.erros;
    EXPECT_EQ(std::count(e.erros.begin(), e.erros.end(), '\n'), 2);
    const auto linhas = LeCsv(e.saida);
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[1][0], "viga.txt");
    EXPECT_EQ(linhas[1][1], "10000") << "sem --md vale o Md do arquivo";
}

TEST_F(LoteExecucao, projeto_recusado_sai_com_erro_e_colunas_vazias) {
    GravaViga("sem base.txt", "0");
    OpcoesLote o;
    o.Arquivos = {"sem base.txt"};
    const auto e = Executa(o);
    EXPECT_EQ(e.status, 0) << "o arquivo foi lido; o projeto é que foi recusado";
    const auto linhas = LeCsv(e.saida);
    ASSERT_EQ(linhas.size(), 2u);
    const auto& l = linhas[1];
    ASSERT_EQ(l.size(), linhas[0].size());
    EXPECT_EQ(l[0], "sem base.txt");
    EXPECT_FALSE(l.back().empty());
    for (std::size_t i = 2; i + 1 < l.size(); ++i) EXPECT_EQ(l[i], "") << linhas[0][i];
}

TEST_F(LoteExecucao, trabalhadores_em_paralelo_dao_o_mesmo_csv_em_ordem) {
    GravaViga("viga.txt");
    GravaViga("larga.txt", "30");
    OpcoesLote o;
    o.Arquivos = {"viga.txt", "larga.txt"};
    o.Serie = LeSerieMd("1000:30000:500");
    o.TamanhoBloco = 7;
    o.Trabalhadores = 1;
    const auto sozinho = Executa(o);
    o.Trabalhadores = 3;
    const auto juntos = Executa(o);
    EXPECT_EQ(LeCsv(sozinho.saida).size(), 1u + 2 * 59);
    EXPECT_EQ(juntos.saida, sozinho.saida);
}

TEST_F(LoteExecucao, saida_em_arquivo_igual_a_saida_padrao) {
    GravaViga("viga.txt");
    OpcoesLote o;
    o.Arquivos = {"viga.txt"};
    o.Serie = LeSerieMd("5000:6000:250");
    const auto padrao = Executa(o);
    o.Saida = "série.csv";
    const auto arquivo = Executa(o);
    EXPECT_EQ(arquivo.status, 0);
    EXPECT_EQ(arquivo.saida, "");
    EXPECT_EQ(LeBytes("série.csv"), padrao.saida);
    EXPECT_EQ(ArquivosNaPasta(), 2u) << "temporário deixado na pasta";

    o.Saida = "sem_pasta/s.csv";
    const auto falha = Executa(o);
    EXPECT_EQ(falha.status, 2);
    EXPECT_NE(falha.erros.find("sem_pasta/s.csv"), std::string::npos);
}

} // namespace
} // namespace lumbrio::teste
