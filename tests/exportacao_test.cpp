// resulta.txt, Rapida, botões de passo e o texto decimal curto que eles escrevem.
#include "PastaTemporaria.h"
#include "calc/Dimensionamento.h"
#include "calc/Numeros.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <sstream>
#include <vector>

namespace lumbrio::teste {
namespace {

class Exportacao : public PastaTemporaria {};

const std::filesystem::path Dados = LUMBRIO_DADOS_TESTE;

std::vector<std::string> LinhasCrlf(const std::string& Bytes) {
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    for (std::size_t p; (p = Bytes.find("\r\n", inicio)) != std::string::npos; inicio = p + 2)
        linhas.push_back(Bytes.substr(inicio, p - inicio));
    EXPECT_EQ(inicio, Bytes.size()) << "a última linha também termina em CRLF";
    return linhas;
}

// ---- Texto decimal curto ----

struct CasoNumero {
    double valor;
    const char* curto;   // botões de passo, "." decimal
    const char* exporta; // linha de número do resulta.txt com "," regional
};

void PrintTo(const CasoNumero& c, std::ostream* os) {
    *os << c.curto;
}

class TextoDecimal : public ::testing::TestWithParam<CasoNumero> {};

TEST_P(TextoDecimal, curto_e_forma_de_exportacao) {
    EXPECT_EQ(TextoDecimalCurto(GetParam().valor), GetParam().curto);
    EXPECT_EQ(TextoNumeroExporta(GetParam().valor, ","), GetParam().exporta);
}

INSTANTIATE_TEST_SUITE_P(
    Valores, TextoDecimal,
    ::testing::Values(
        CasoNumero{3, "3", " 3 "}, CasoNumero{20 + 1, "21", " 21 "},
        CasoNumero{20 - 25, "-5", "-5 "}, CasoNumero{0.5, "0.5", " ,5 "},
        CasoNumero{-0.5, "-0.5", "-,5 "}, CasoNumero{10000 + 0.5, "10000.5", " 10000,5 "},
        // 0.30000000000000004 tem 17 algarismos: com 15 fica 0.3.
        CasoNumero{0.1 + 0.2, "0.3", " ,3 "},
        CasoNumero{1.0 / 3, "0.333333333333333", " ,333333333333333 "},
        CasoNumero{2.0 / 3, "0.666666666666667", " ,666666666666667 "},
        CasoNumero{-0.0, "0", " 0 "},
        CasoNumero{999999999999999, "999999999999999", " 999999999999999 "},
        CasoNumero{1e15, "1E+15", " 1E+15 "},
        CasoNumero{123456789012345678.0, "1.23456789012346E+17", " 1,23456789012346E+17 "},
        CasoNumero{0.00001, "0.00001", " ,00001 "}, CasoNumero{-1.5e-7, "-1.5E-07", "-1,5E-07 "},
        CasoNumero{2.675, "2.675", " 2,675 "}));

TEST(TextoDecimal, comeca_com_numero_como_a_leitura_das_caixas) {
    for (const char* sim : {"12", " 1 2", ".5", "-.5", "+3", "- 5", "7abc", "1e5"})
        EXPECT_TRUE(ComecaComNumero(sim)) << sim;
    for (const char* nao : {"", "  ", "abc", ".", "-", "+.", "e5", ",5"})
        EXPECT_FALSE(ComecaComNumero(nao)) << nao;
}

// ---- Exporta sobre um estado montado à mão ----

// Viga 22.5x50 com fck 200 kgf/cm², camadas positivas de 3 e 2 barras e nenhuma
// negativa; a linha de escoamento fica abaixo da camada 2 e acima da 1.
Dimensionamento EstadoExportavel() {
    Dimensionamento d;
    d.Form1.Combo2[1].Text = "16 mm (5/8'')";
    d.Form1.Combo4[1].Text = "40 mm";
    d.Form1.Text36.Text = "7.25";
    d.Form1.Text23.Text = "12345.67";
    d.Form1.Text24.Text = "12000.50";
    d.Base = 22.5;
    d.Altura = 50;
    d.Fck = 200;
    d.NumCamadasPos = 6;
    d.NumCamadasNeg = 3;
    d.NumBarrasPos = {0, 3, 2, 0, 0, 0, 0};
    d.DLinhaPos = {0, 6.8, 9.5, 12.2, 14.9, 17.6, 20.3};
    d.OrigemYDiagrama = 3805;
    d.OrigemYSecao = 3805;
    d.EscalaY = 94.4;
    d.EscalaSecao = 94.4;
    d.XEscoamento = 41; // 7675.4 twips: abaixo da camada 2 (7628.2), acima da 1 (7883.08)
    d.AsReal = 10;
    d.ArquivoExporta = "resulta.txt";
    return d;
}

TEST_F(Exportacao, exporta_o_resulta_de_referencia_byte_a_byte) {
    // Para regenerar de propósito: rode este teste e copie o resulta.txt da pasta
    // temporária para tests/dados/, conferindo linha a linha contra a tabela de linhas.
    Dimensionamento d = EstadoExportavel();
    d.Exporta();
    EXPECT_FALSE(d.Form2.Visivel) << d.Form2.Label1.Caption;
    EXPECT_EQ(LeBytes("resulta.txt"), LeBytes(Dados / "resulta.txt"));
    EXPECT_EQ(d.CamadasComBarrasPos, 2);
    EXPECT_EQ(d.CamadasComBarrasNeg, 0);
    EXPECT_EQ(ArquivosNaPasta(), 1u);
}

TEST_F(Exportacao, separador_regional_vale_nas_linhas_de_numero) {
    Dimensionamento d = EstadoExportavel();
    d.SeparadorDecimal = ",";
    d.Fck = 250.5;
    d.Exporta();
    const auto linhas = LinhasCrlf(LeBytes("resulta.txt"));
    ASSERT_EQ(linhas.size(), 20u);
    EXPECT_EQ(linhas[2], " 22,5 ");
    EXPECT_EQ(linhas[4], " 250,5 ");
    EXPECT_EQ(linhas[6], "12345.67") << "texto das caixas sai como está";
}

struct CasoEscoamento {
    const char* nome;
    PorCamada barras;
    double xEscoamento; // cm
    const char* posicao;
};

void PrintTo(const CasoEscoamento& c, std::ostream* os) {
    *os << c.nome;
}

class PosicaoDoEscoamento : public PastaTemporaria,
                            public ::testing::WithParamInterface<CasoEscoamento> {};

TEST_P(PosicaoDoEscoamento, compara_o_diagrama_com_as_camadas_com_barras) {
    Dimensionamento d = EstadoExportavel();
    d.NumBarrasPos = GetParam().barras;
    d.XEscoamento = GetParam().xEscoamento;
    d.Exporta();
    EXPECT_EQ(d.PosicaoEscoamento, GetParam().posicao);
    EXPECT_EQ(LinhasCrlf(LeBytes("resulta.txt")).at(19), GetParam().posicao);
}

// Camadas a 7883.08, 7628.2, 7373.32 ... twips; escoamento em 3805 + 94.4·x.
INSTANTIATE_TEST_SUITE_P(
    Casos, PosicaoDoEscoamento,
    ::testing::Values(
        CasoEscoamento{"acima_de_todas", {0, 3, 2, 0, 0, 0, 0}, 30, "acima"},
        CasoEscoamento{"abaixo_da_segunda", {0, 3, 2, 0, 0, 0, 0}, 41, "abaixo"},
        CasoEscoamento{
            "primeira_camada_sem_barras_encerra_o_exame", {0, 0, 2, 4, 0, 0, 0}, 41, "acima"},
        CasoEscoamento{"camada_depois_de_uma_vazia_nao_conta", {0, 3, 0, 2, 0, 0, 0}, 39, "acima"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Exportacao, taxa_de_exatamente_4_por_cento_nao_alerta_acima_alerta) {
    Dimensionamento d = EstadoExportavel();
    d.Base = 20;
    d.Altura = 50;
    d.AsReal = 30;
    d.AsNegReal = 10; // 40 cm² = 4 % de 1000 cm²
    d.Exporta();
    EXPECT_EQ(d.Form1.Text34.BackColor, Cor::Normal);
    d.AsNegReal = 10.01;
    d.Exporta();
    EXPECT_EQ(d.Form1.Text34.BackColor, Cor::Alerta);
    d.AsNegReal = 0; // só Zera restaura a cor normal
    d.Exporta();
    EXPECT_EQ(d.Form1.Text34.BackColor, Cor::Alerta);
}

TEST_F(Exportacao, exportacao_impossivel_avisa_e_mantem_os_resultados) {
    std::filesystem::create_directories("resulta.txt/ocupada");
    Dimensionamento d = EstadoExportavel();
    d.AsReal = 100; // taxa acima de 4 %
    d.Exporta();
    ASSERT_TRUE(d.Form2.Visivel);
    EXPECT_NE(d.Form2.Label1.Caption.find("\"resulta.txt\""), std::string::npos);
    EXPECT_EQ(d.Form1.Text23.Text, "12345.67");
    EXPECT_EQ(d.Form1.Text34.BackColor, Cor::Alerta);
    EXPECT_EQ(ArquivosNaPasta(), 1u);
}

TEST_F(Exportacao, bitola_com_caractere_fora_do_1252_nao_grava_lixo) {
    Dimensionamento d = EstadoExportavel();
    d.Form1.Combo2[1].Text = "16 mm ✓";
    d.Exporta();
    ASSERT_TRUE(d.Form2.Visivel);
    EXPECT_NE(d.Form2.Label1.Caption.find("✓"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("resulta.txt"));
}

// ---- Rapida e botões de passo sobre o cálculo completo ----

TEST_F(Exportacao, rapida_calcula_e_exporta_os_numeros_do_calculo) {
    Dimensionamento d;
    d.Rapida();
    ASSERT_TRUE(d.HaResultados) << d.Form2.Label1.Caption;
    EXPECT_EQ(d.ArquivoExporta, "resulta.txt");
    const auto linhas = LinhasCrlf(LeBytes("resulta.txt"));
    ASSERT_EQ(linhas.size(), 20u);
    EXPECT_EQ(linhas[0], "40 mm");
    EXPECT_EQ(linhas[2], " 20 ");
    EXPECT_EQ(linhas[3], " 50 ");
    EXPECT_EQ(linhas[4], " 200 "); // 20 MPa
    EXPECT_EQ(linhas[5], d.Form1.Text36.Text);
    EXPECT_EQ(linhas[6], d.Form1.Text23.Text);
    EXPECT_EQ(linhas[7], d.Form1.Text24.Text);
    int comBarras = 0;
    for (int i = 1; i <= 6; ++i) {
        comBarras += d.NumBarrasPos[static_cast<std::size_t>(i)] > 0;
        EXPECT_EQ(
            linhas[static_cast<std::size_t>(8 + i)],
            " " + std::to_string(static_cast<int>(d.NumBarrasPos[static_cast<std::size_t>(i)])) +
                " ");
    }
    EXPECT_EQ(linhas[8], " " + std::to_string(comBarras) + " ");
    EXPECT_GT(comBarras, 0);
    const bool alerta = (d.AsReal + d.AsNegReal) / (20.0 * 50.0) > 0.04;
    EXPECT_EQ(d.Form1.Text34.BackColor == Cor::Alerta, alerta);
}

TEST_F(Exportacao, rapida_recusada_nao_exporta) {
    Dimensionamento d;
    d.Form1.Text1.Text = "0";
    d.Rapida();
    EXPECT_FALSE(d.HaResultados);
    EXPECT_TRUE(d.Form2.Visivel);
    EXPECT_FALSE(std::filesystem::exists("resulta.txt"));
}

struct CasoPasso {
    const char* nome;
    CaixaTexto ControlesForm1::*alvo;
    CaixaTexto ControlesForm1::*passo;
    void (Dimensionamento::*comando)();
    const char* antes;
    const char* textoPasso;
    const char* depois; // nullptr: caixa sem número, nada acontece
};

void PrintTo(const CasoPasso& c, std::ostream* os) {
    *os << c.nome;
}

class BotaoDePasso : public PastaTemporaria, public ::testing::WithParamInterface<CasoPasso> {};

TEST_P(BotaoDePasso, soma_o_passo_e_recalcula) {
    const CasoPasso& c = GetParam();
    Dimensionamento d;
    d.Form1.*c.alvo = CaixaTexto{c.antes};
    d.Form1.*c.passo = CaixaTexto{c.textoPasso};
    d.Form1.Text8.Text = "sentinela"; // Zera a limpa: sinal de que houve cálculo
    (d.*c.comando)();
    const bool md = c.alvo == &ControlesForm1::Text17;
    if (!c.depois) {
        EXPECT_EQ((d.Form1.*c.alvo).Text, c.antes);
        EXPECT_EQ(d.Form1.Text8.Text, "sentinela") << "nada roda sem número na caixa";
        EXPECT_FALSE(d.Form2.Visivel);
        EXPECT_TRUE(d.PassoRecusado);
        EXPECT_FALSE(std::filesystem::exists("resulta.txt"));
        return;
    }
    EXPECT_FALSE(d.PassoRecusado);
    EXPECT_EQ((d.Form1.*c.alvo).Text, c.depois);
    EXPECT_NE(d.Form1.Text8.Text, "sentinela") << "o passo recalcula";
    // Só os botões de Md exportam, e só depois de um cálculo completo.
    EXPECT_EQ(std::filesystem::exists("resulta.txt"), md && d.HaResultados);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, BotaoDePasso,
    ::testing::Values(
        CasoPasso{"base_menos_passo_maior_que_ela", &ControlesForm1::Text1, &ControlesForm1::Text31,
                  &Dimensionamento::Command13_Click, "20", "25", "-5"},
        CasoPasso{"base_mais_um", &ControlesForm1::Text1, &ControlesForm1::Text31,
                  &Dimensionamento::Command16_Click, "20", "1", "21"},
        CasoPasso{"altura_mais_passo_vazio_soma_zero", &ControlesForm1::Text2,
                  &ControlesForm1::Text32, &Dimensionamento::Command15_Click, "50", "", "50"},
        CasoPasso{"altura_menos_passo_com_texto_depois", &ControlesForm1::Text2,
                  &ControlesForm1::Text32, &Dimensionamento::Command14_Click, "50", "5 cm", "45"},
        CasoPasso{"md_mais_500_exporta", &ControlesForm1::Text17, &ControlesForm1::Text7,
                  &Dimensionamento::Command4_Click, "10000", "500", "10500"},
        CasoPasso{"md_mais_meio", &ControlesForm1::Text17, &ControlesForm1::Text7,
                  &Dimensionamento::Command4_Click, "10000", "0.5", "10000.5"},
        CasoPasso{"md_menos_decimal_sem_residuo", &ControlesForm1::Text17, &ControlesForm1::Text7,
                  &Dimensionamento::Command5_Click, "10000.3", "0.1", "10000.2"},
        CasoPasso{"md_sem_numero_nao_faz_nada", &ControlesForm1::Text17, &ControlesForm1::Text7,
                  &Dimensionamento::Command4_Click, "abc", "1", nullptr},
        CasoPasso{"base_vazia_nao_faz_nada", &ControlesForm1::Text1, &ControlesForm1::Text31,
                  &Dimensionamento::Command16_Click, "", "1", nullptr}),
    [](const auto& info) { return std::string(info.param.nome); });

} // namespace
} // namespace lumbrio::teste
