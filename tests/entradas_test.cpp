// Leitura das entradas: prefixo numérico, unidades, escalas, aços e bitolas.
#include "calc/Dimensionamento.h"
#include "calc/Numeros.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumbrio {
namespace {

struct CasoNumero {
    const char* texto;
    double valor;
};

class PrefixoNumerico : public ::testing::TestWithParam<CasoNumero> {};

TEST_P(PrefixoNumerico, le_o_maior_numero_inicial) {
    EXPECT_DOUBLE_EQ(ValorNumerico(GetParam().texto), GetParam().valor) << GetParam().texto;
}

INSTANTIATE_TEST_SUITE_P(
    Textos, PrefixoNumerico,
    ::testing::Values(CasoNumero{"1.15", 1.15}, CasoNumero{"1,15", 1}, CasoNumero{"12.5.3", 12.5},
                      CasoNumero{"", 0}, CasoNumero{"abc", 0}, CasoNumero{" 2 5\t", 25},
                      CasoNumero{"2\n0", 20}, CasoNumero{"-.5", -0.5}, CasoNumero{"+3x", 3},
                      CasoNumero{".", 0}, CasoNumero{"-", 0}, CasoNumero{"1e3", 1000},
                      CasoNumero{"1E-2", 0.01}, CasoNumero{"1e", 1}, CasoNumero{"2e+", 2},
                      CasoNumero{"5.", 5}, CasoNumero{"0.0001", 0.0001}, CasoNumero{"1e-999", 0},
                      CasoNumero{"0.000e999", 0}));

TEST(PrefixoNumerico, estouro_da_infinito_com_sinal) {
    EXPECT_TRUE(std::isinf(ValorNumerico("1e999")));
    EXPECT_GT(ValorNumerico("1e999"), 0);
    EXPECT_LT(ValorNumerico("-1e999"), 0);
}

struct CasoFormato {
    double valor;
    int casas;
    const char* texto;
};

std::ostream& operator<<(std::ostream& o, const CasoFormato& c) {
    return o << c.valor << " com " << c.casas << " casas";
}

class Formato : public ::testing::TestWithParam<CasoFormato> {};

TEST_P(Formato, arredonda_como_o_painel) {
    EXPECT_EQ(FormataNumero(GetParam().valor, GetParam().casas), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Valores, Formato,
    ::testing::Values(CasoFormato{1.125, 2, "1.13"}, // empate exato: longe do zero
                      CasoFormato{-1.125, 2, "-1.13"}, CasoFormato{2.5, 0, "3"},
                      CasoFormato{0.5, 0, "1"}, CasoFormato{1.005, 2, "1.00"}, // 1.00499...
                      CasoFormato{-0.001, 2, "0.00"}, CasoFormato{-0.4, 0, "0"},
                      CasoFormato{0.0625, 3, "0.063"}, CasoFormato{12.850, 2, "12.85"},
                      CasoFormato{1234567.891, 2, "1234567.89"}, CasoFormato{0, 3, "0.000"},
                      CasoFormato{999999999999, 0, "999999999999"}));

TEST(Formato, usa_o_separador_regional) {
    EXPECT_EQ(FormataNumero(5, 2, ","), "5,00");
    EXPECT_EQ(FormataNumero(std::nan(""), 2), "");
}

// Lê as entradas do modelo de controles como a calculadora faz.
void LerTudo(Dimensionamento& p) {
    p.Bitolas();
    p.NumCamadasPos = 6;
    p.NumCamadasNeg = 3;
    p.Ler();
}

TEST(Ler, valores_de_projeto_em_unidades_internas) {
    Dimensionamento p;
    LerTudo(p);
    EXPECT_DOUBLE_EQ(p.Md, 1000000);
    EXPECT_DOUBLE_EQ(p.Fck, 200);
    EXPECT_DOUBLE_EQ(p.Es, 2100000);
    EXPECT_DOUBLE_EQ(p.GamaC, 1.4);
    EXPECT_DOUBLE_EQ(p.GamaS, 1.15);
    EXPECT_DOUBLE_EQ(p.Cobrimento, 5);
    EXPECT_DOUBLE_EQ(p.OrigemXDiagrama, 3730);
    EXPECT_DOUBLE_EQ(p.OrigemYDiagrama, 3805);
    EXPECT_NEAR(p.EscalaX, 271.85, 0.005);
    EXPECT_DOUBLE_EQ(p.EscalaY, 94.4);
    EXPECT_DOUBLE_EQ(p.OrigemXSecao, 7420);
    EXPECT_DOUBLE_EQ(p.OrigemYSecao, 3805);
    EXPECT_DOUBLE_EQ(p.EscalaXSecao, 201.5);
    EXPECT_DOUBLE_EQ(p.EscalaSecao, 94.4);
    EXPECT_DOUBLE_EQ(p.PrecisãoM, 100);
    EXPECT_DOUBLE_EQ(p.PrecisãoN, 100);
    EXPECT_DOUBLE_EQ(p.DiamAgregado, 1);
    // Unidade fica com o texto de Es e o seu fator.
    EXPECT_EQ(p.Unidade, "KN/cm2");
    EXPECT_DOUBLE_EQ(p.FatorUnidade, 100);
}

TEST(Ler, secao_larga_baixa_a_escala_y_para_a_da_secao) {
    Dimensionamento p;
    p.Form1.Text1.Text = "60";
    p.Form1.Text2.Text = "30";
    LerTudo(p);
    EXPECT_NEAR(p.EscalaSecao, 67.17, 0.005);
    EXPECT_DOUBLE_EQ(p.EscalaY, p.EscalaSecao);
}

TEST(Ler, escala_digitada_tambem_e_limitada) {
    Dimensionamento p;
    p.Form1.Check3.Value = 0;
    p.Form1.Text5.Text = "300";
    p.Form1.Text6.Text = "500";
    LerTudo(p);
    EXPECT_DOUBLE_EQ(p.EscalaX, 300);
    EXPECT_DOUBLE_EQ(p.EscalaY, 94.4);
}

struct CasoUnidade {
    const char* combo;
    const char* texto;
    double md;
};

class UnidadeMomento : public ::testing::TestWithParam<CasoUnidade> {};

TEST_P(UnidadeMomento, converte_md_para_kgf_cm) {
    Dimensionamento p;
    p.Form1.Combo5.Text = GetParam().combo;
    p.Form1.Text17.Text = GetParam().texto;
    LerTudo(p);
    EXPECT_DOUBLE_EQ(p.Md, GetParam().md);
}

INSTANTIATE_TEST_SUITE_P(Tabela, UnidadeMomento,
                         ::testing::Values(CasoUnidade{"Kgf.m", "250", 25000},
                                           CasoUnidade{"N.mm", "250", 2.5},
                                           CasoUnidade{"Tf.m", "2", 200000},
                                           CasoUnidade{"KN.m", "1", 10000},
                                           CasoUnidade{"Kgf.mm", "10", 1}));

TEST(Ler, es_em_mpa_igual_a_kn_cm2) {
    Dimensionamento p;
    p.Form1.Combo7.Text = "MPa";
    p.Form1.Text20.Text = "210000";
    LerTudo(p);
    EXPECT_DOUBLE_EQ(p.Es, 2100000);
    p.Form1.Combo6.Text = "Kgf/cm2";
    p.Form1.Text18.Text = "250";
    LerTudo(p);
    EXPECT_DOUBLE_EQ(p.Fck, 250);
}

TEST(Ler, cobrimento_vazio_ou_com_virgula) {
    Dimensionamento p;
    p.Form1.Text4.Text = "";
    LerTudo(p);
    EXPECT_DOUBLE_EQ(p.Cobrimento, 0);
    p.Form1.Text4.Text = "2,5";
    LerTudo(p);
    EXPECT_DOUBLE_EQ(p.Cobrimento, 2);
    p.Form8.Text3.Text = "0.0001";
    LerTudo(p);
    EXPECT_DOUBLE_EQ(p.PrecisãoM, 0.0001);
}

struct CasoAco {
    const char* texto;
    double gamaS;
    double fyd;
    double epsYd;
};

class Acos : public ::testing::TestWithParam<CasoAco> {};

TEST_P(Acos, fyd_e_deformacao_de_escoamento) {
    Dimensionamento p;
    p.Form1.Combo1.Text = GetParam().texto;
    p.Form1.Text22.Text = std::to_string(GetParam().gamaS);
    LerTudo(p);
    p.Aço();
    EXPECT_NEAR(p.Fyd, GetParam().fyd, 0.005);
    EXPECT_NEAR(p.EpsYd, GetParam().epsYd, 0.00005);
}

INSTANTIATE_TEST_SUITE_P(Grades, Acos,
                         ::testing::Values(CasoAco{"Aço CA-50A", 1.15, 4347.83, 2.0704},
                                           CasoAco{"Aço CA-50B", 1.15, 4347.83, 4.0704},
                                           CasoAco{"Aço CA-25A", 1.15, 2173.91, 1.0352},
                                           CasoAco{"Aço CA-60A", 1.15, 5217.39, 2.4845},
                                           CasoAco{"Aço CA-50A", 1.0, 5000, 2.381}));

TEST(Bitolas, textos_da_lista_dao_indice_diametro_e_area) {
    Dimensionamento p;
    p.Bitolas();
    p.Form1.Combo3.Text = "10 mm (3/8'')";
    p.BitolaEstribo();
    EXPECT_EQ(p.BitolaEstr, 4);
    EXPECT_DOUBLE_EQ(p.Diametro[p.BitolaEstr], 1.0);
    p.CamadaPos = 1;
    p.Form1.Combo2[1].Text = "6.3 mm (1/4'')";
    p.BitolaPositiva();
    EXPECT_DOUBLE_EQ(p.Diametro[p.BitolaPos[1]], 0.63);
    EXPECT_DOUBLE_EQ(p.AreaBarra[p.BitolaPos[1]], 0.315);
    p.CamadaNeg = 2;
    p.BitolaNegativa();
    EXPECT_EQ(p.BitolaNeg[2], 11);
    EXPECT_DOUBLE_EQ(p.AreaBarra[11], 12.5);
}

TEST(Bitolas, texto_desconhecido_mantem_o_indice_anterior) {
    Dimensionamento p;
    p.Form1.Combo2[1].Text = "25 mm (1'')";
    p.Programa();
    ASSERT_TRUE(p.HaResultados);
    EXPECT_EQ(p.BitolaPos[1], 9);
    p.Form1.Combo2[1].Text = "20 mm";
    p.Programa();
    ASSERT_TRUE(p.HaResultados);
    EXPECT_EQ(p.BitolaPos[1], 9);
}

} // namespace
} // namespace lumbrio
