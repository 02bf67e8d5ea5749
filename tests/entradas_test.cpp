// Leitura das entradas: prefixo numérico, formato do painel, unidades, escalas,
// aços e bitolas.
#include "calc/Dimensionamento.h"
#include "calc/Numeros.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumbrio {
namespace {

TEST(Numeros, prefixo_numerico_le_o_maior_numero_inicial) {
    const std::pair<const char*, double> casos[] = {
        {"1.15", 1.15},      {"1,15", 1},       {"12.5.3", 12.5}, {"", 0},
        {"abc", 0},          {" 2 5\t", 25},    {"2\n0", 20},     {"-.5", -0.5},
        {"+3x", 3},          {".", 0},          {"-", 0},         {"1e3", 1000},
        {"1E-2", 0.01},      {"1e", 1},         {"2e+", 2},       {"5.", 5},
        {"1e-999", 0},       {"0.000e999", 0},  {"00.5e1", 5},    {"-1e999", -HUGE_VAL},
        {"1e999", HUGE_VAL}, {"1.5e12", 1.5e12}};
    for (const auto& [texto, valor] : casos) EXPECT_EQ(ValorNumerico(texto), valor) << texto;
    // Fora do alcance do double, a ordem de grandeza decide entre 0 e infinito.
    EXPECT_EQ(ValorNumerico("0." + std::string(4500, '0') + "1e4000"), 0); // 1e-4501 × 1e4000
    EXPECT_EQ(ValorNumerico(std::string(300, '0') + "1e-400"), 0);
    EXPECT_EQ(ValorNumerico("2" + std::string(1000000, '0')), HUGE_VAL);
    EXPECT_EQ(ValorNumerico("1e999999999999"), HUGE_VAL);
}

TEST(Numeros, formato_do_painel_arredonda_empates_para_longe_do_zero) {
    const std::tuple<double, int, const char*> casos[] = {{1.125, 2, "1.13"},
                                                          {-1.125, 2, "-1.13"},
                                                          {2.5, 0, "3"},
                                                          {0.5, 0, "1"},
                                                          {1.005, 2, "1.00"}, // 1.00499...
                                                          {-0.001, 2, "0.00"},
                                                          {-0.4, 0, "0"},
                                                          {0.0625, 3, "0.063"},
                                                          {0, 3, "0.000"},
                                                          {1234567.891, 2, "1234567.89"},
                                                          {999999999999, 0, "999999999999"}};
    for (const auto& [v, casas, texto] : casos) EXPECT_EQ(FormataNumero(v, casas), texto) << v;
    EXPECT_EQ(FormataNumero(5, 2, ","), "5,00");
    EXPECT_EQ(FormataNumero(std::nan(""), 2), "");
}

TEST(Numeros, texto_visivel_escapa_controles_e_troca_bytes_que_nao_sao_utf8) {
    EXPECT_EQ(TextoVisivel("a\x1b[2Jb\n"), "a\\x1B[2Jb\\x0A");
    EXPECT_EQ(TextoVisivel(std::string("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(TextoVisivel("Aço \xE7"), "Aço \xEF\xBF\xBD");
    EXPECT_EQ(TextoVisivel("\xF0\x9F"), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(TextoVisivel(std::string(500, 'x'), 10), std::string(10, 'x') + "…");
}

// Lê as entradas do modelo de controles como a calculadora faz.
void LerTudo(Dimensionamento& p) {
    p.Bitolas();
    p.NumCamadasPos = 6;
    p.NumCamadasNeg = 3;
    p.Ler();
}

TEST(Ler, textos_em_unidades_internas) {
    // {unidade de Md, Md} em kgf·cm.
    const std::tuple<const char*, const char*, double> momentos[] = {{"Kgf.m", "250", 25000},
                                                                     {"N.mm", "250", 2.5},
                                                                     {"Tf.m", "2", 200000},
                                                                     {"KN.m", "1", 10000},
                                                                     {"Kgf.mm", "10", 1}};
    for (const auto& [unidade, texto, md] : momentos) {
        Dimensionamento p;
        p.Form1.Combo5.Text = unidade;
        p.Form1.Text17.Text = texto;
        LerTudo(p);
        EXPECT_NEAR(p.Md, md, 1e-9) << unidade;
    }
    // Es em MPa, fck em kgf/cm², cobrimento vazio ou com vírgula; seção larga e
    // baixa: a escala Y desce para a da seção; escala digitada: X fica, Y é
    // limitada à da seção.
    using D = Dimensionamento;
    const std::tuple<void (*)(ControlesForm1&), double D::*, double> casos[] = {
        {[](auto& f) { f.Combo7.Text = "MPa", f.Text20.Text = "210000"; }, &D::Es, 2100000},
        {[](auto& f) { f.Combo6.Text = "Kgf/cm2", f.Text18.Text = "250"; }, &D::Fck, 250},
        {[](auto& f) { f.Text4.Text = ""; }, &D::Cobrimento, 0},
        {[](auto& f) { f.Text4.Text = "2,5"; }, &D::Cobrimento, 2},
        {[](auto& f) { f.Text1.Text = "60", f.Text2.Text = "30"; }, &D::EscalaY, 67.17},
        {[](auto& f) { f.Check3.Value = 0, f.Text5.Text = "300", f.Text6.Text = "500"; },
         &D::EscalaY, 94.4}};
    for (const auto& [prepara, grandeza, valor] : casos) {
        Dimensionamento p;
        prepara(p.Form1);
        LerTudo(p);
        EXPECT_NEAR(p.*grandeza, valor, 0.005) << valor;
    }
}

TEST(Ler, acos_dao_fyd_e_deformacao_de_escoamento) {
    const std::tuple<const char*, const char*, double, double> casos[] = {
        {"Aço CA-50A", "1.15", 4347.83, 2.0704},
        {"Aço CA-50B", "1.15", 4347.83, 4.0704},
        {"Aço CA-25A", "1.15", 2173.91, 1.0352},
        {"Aço CA-60A", "1.15", 5217.39, 2.4845},
        {"Aço CA-50A", "1", 5000, 2.381}};
    for (const auto& [aco, gamaS, fyd, epsYd] : casos) {
        Dimensionamento p;
        p.Form1.Combo1.Text = aco;
        p.Form1.Text22.Text = gamaS;
        LerTudo(p);
        p.Aço();
        EXPECT_NEAR(p.Fyd, fyd, 0.005) << aco;
        EXPECT_NEAR(p.EpsYd, epsYd, 0.00005) << aco;
    }
}

} // namespace
} // namespace lumbrio
