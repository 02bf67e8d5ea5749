// Análise da seção: lei do aço, bloco retangular, linha neutra, armaduras
// teóricas, centróides e valores finais dos modelos CG e Real.
#include "SecaoVerificada.h"
#include "calc/Dimensionamento.h"
#include "section/Secao.h"

#include <gtest/gtest.h>

namespace lumbrio {
namespace {

using teste::AcoCA50;
using teste::SecaoD45;

TEST(LeiDoAco, tensao_de_calculo_das_duas_faces_e_limites_dos_trechos) {
    const std::tuple<const char*, double, double> casos[] = {
        {"Aço CA-50A", 1.5, 3150.00}, {"Aço CA-50A", 2.5, 4347.83}, {"Aço CA-50B", 1.2, 2520.00},
        {"Aço CA-50B", 2.0, 3554.73}, {"Aço CA-50B", 3.0, 4007.20}, {"Aço CA-50B", -3.0, -4007.20},
        {"Aço CA-50B", 4.5, 4347.83}, {"Aço CA-50A", 25, 4347.83},  {"Aço CA-50B", 0, 0}};
    for (const auto& [aco, eps, sigma] : casos) {
        Dimensionamento p;
        AcoCA50(p, aco);
        p.IndCamada = 2;
        p.EpsPos[2] = eps;
        p.SigSdAço();
        EXPECT_NEAR(p.SigPos[2], sigma, 0.005) << aco << " " << eps;
        p.EpsNeg[2] = eps;
        p.SigSdAçoNeg();
        EXPECT_DOUBLE_EQ(p.SigNeg[2], p.SigPos[2]);
        // εyd dá fyd e o limite de proporcionalidade, 0,7 fyd.
        for (const auto& [e, s] : {std::pair{p.EpsYd, p.Fyd}, {700 * p.Fyd / p.Es, 0.7 * p.Fyd}}) {
            p.EpsPos[2] = e;
            p.SigSdAço();
            EXPECT_NEAR(p.SigPos[2], s, 1e-9) << aco << " " << e;
        }
    }
}

TEST(BlocoRetangular, momentos_limites_e_linha_neutra_de_cada_dominio) {
    Dimensionamento p = SecaoD45();
    teste::Confere({{p.MLim2a, "765000.0"},
                    {p.MLim2b, "1142777.8"},
                    {p.MLim3, "2313392.1"},
                    {p.MLim4, "2950714.3"},
                    {p.XMax, "28.2745"}});
    p.Md = 500000; // 2a: busca em 16 passos
    p.DescobreXRET();
    EXPECT_EQ(p.PassosDescobreX, 16);
    teste::Confere({{p.X, "6.133"}, {p.EpsC, "1.5779"}, {p.Rcc, "11751.3"}, {p.MRcc, "499980.07"}});
    // 2b, 3 e 4 em forma fechada; Md = MLim4 vai a x = 1,1 XMax e Md nulo termina num
    // x pequeno e positivo.
    const std::tuple<double, double, double, const char*> casos[] = {
        {1000000, 10.0477, 2.8747, "2b"}, {2000000, 23.0049, 3.5, "3"},
        {2800000, 39.4658, 3.5, "4"},     {p.MLim4, 1.1 * p.XMax, 3.5, "4"},
        {0, 0.01, 0.1 / 44.99, "2a"},     {p.MLim2a, 7.5, 2, "2a"}};
    for (const auto& [md, x, eps, dominio] : casos) {
        p.Md = md;
        p.DescobreXRET();
        EXPECT_NEAR(p.X, x, 0.00005) << md;
        EXPECT_NEAR(p.EpsC, eps, 0.00005) << md;
        EXPECT_EQ(p.Dominio, dominio) << md;
    }
    // Cada fronteira já é do domínio seguinte: d/6, 3,5·d/13,5 e x34.
    const ParametrosConcreto c;
    EXPECT_EQ(DominioDe(7.5, 45, p.EpsYd, c), "2b");
    EXPECT_EQ(DominioDe(XLimite2b(45, c), 45, p.EpsYd, c), "3");
    EXPECT_EQ(DominioDe(XLimite3(45, p.EpsYd, c), 45, p.EpsYd, c), "4");
}

TEST(XMaximo, opcoes_de_dominio_4_e_x_maximo) {
    const double x34 = 3.5 * 45 / (1000 * (5000 / 1.15) / 2100000 + 3.5);
    const std::tuple<int, int, const char*, double> casos[] = {
        {0, 0, "0.5", x34},  {0, 1, "0.5", 22.5}, {0, 1, "0.9", x34}, {1, 0, "0.5", 45},
        {1, 1, "0.9", 40.5}, {2, 1, "0.5", x34},  {1, 1, "1", 45}};
    for (const auto& [c4, c5, k, xmax] : casos) {
        Dimensionamento p = SecaoD45();
        p.Form1.Check4.Value = c4;
        p.Form1.Check5.Value = c5;
        p.Form1.Text19.Text = k;
        p.xMáximo();
        EXPECT_NEAR(p.XMax, xmax, 1e-9) << c4 << c5 << " " << k;
    }
}

TEST(ArmaduraTeorica, dominio_3_sem_armadura_de_compressao) {
    Dimensionamento s = SecaoD45();
    teste::Armaduras(s, 2000000);
    EXPECT_NEAR(s.EpsPos[1], 3.3464, 0.00005);
    EXPECT_DOUBLE_EQ(s.SigPos[1], s.Fyd);
    teste::Confere({{s.AsPos, "12.850"}, {s.Rcc, "55868.96"}, {s.AsNeg, "0.000"}});
    // x = d: área sem limite, As fica como estava.
    s.X = 45;
    s.AsPos = 7;
    s.AsTeóricaPos();
    EXPECT_DOUBLE_EQ(s.AsPosRestante, 999999999999);
    EXPECT_TRUE(s.AsPosSemLimite);
    EXPECT_DOUBLE_EQ(s.AsPos, 7);
}

TEST(ArmaduraTeorica, armadura_dupla_em_x_maximo) {
    Dimensionamento p = SecaoD45();
    teste::Armaduras(p, 2800000);
    teste::Confere({{p.X, "28.2745"},
                    {p.Rcc, "68666.60"},
                    {p.MRcc, "2313392.08"},
                    {p.DeltaM, "486607.92"},
                    {p.Rsc, "11868.49"},
                    {p.EpsNeg[1], "3.0049"},
                    {p.AsNeg, "2.730"},
                    {p.EpsPos[1], "2.0704"},
                    {p.AsPos, "18.523"}});
    EXPECT_DOUBLE_EQ(p.SigNeg[1], p.Fyd);
    // Em x = x34 a deformação cai um passo de arredondamento abaixo de εyd: ramo
    // elástico, com a mesma área.
    EXPECT_LT(p.EpsPos[1], p.EpsYd);
    EXPECT_LT(p.SigPos[1], p.Fyd);
}

TEST(ArmaduraTeorica, armadura_dupla_com_x_maximo_no_dominio_2a) {
    // k = 0,1: x = 4,5 cm < d/6, bloco reduzido com εc = 10·x/(d − x) = 1,1111 por mil.
    Dimensionamento p = SecaoD45();
    p.Form1.Check5.Value = 1;
    p.Form1.Text19.Text = "0.1";
    p.xMáximo();
    teste::Armaduras(p, 2000000);
    teste::Confere(
        {{p.EpsC, "1.1111"}, {p.Rcc, "6071.43"}, {p.MRcc, "262285.71"}, {p.Rsc, "42383.28"}});
}

TEST(Centroides, camadas_ponderadas_pela_area) {
    Dimensionamento p;
    p.Bitolas();
    p.NumCamadasPos = 6;
    p.DLinhaPos = {0, 4.25, 8.75, 12, 15, 18, 21};
    p.BitolaPos = {0, 6, 5, 5, 5, 5, 5}; // 16 mm (2,0 cm²) e 12,5 mm (1,25 cm²)
    // 3 + 2 barras; uma de 12,5 mm (área abaixo de 1 cm²); sem barras, fica o anterior.
    const std::pair<PorCamada, double> casos[] = {
        {{0, 3, 2}, 5.5735}, {{0, 0, 1}, 8.75}, {{}, 8.75}};
    for (const auto& [barras, dcg] : casos) {
        p.NumBarrasPos = barras;
        p.CGd1();
        EXPECT_NEAR(p.DCG1, dcg, 0.00005);
    }
}

TEST(ValoresFinais, modelos_cg_e_real) {
    Dimensionamento p = teste::SecaoVerificada();
    EXPECT_NEAR(p.DCG1, 5.8, 1e-12);
    p.ValoresFinaisCG();
    p.ValoresCG();
    EXPECT_EQ(p.DominioCG, "4");
    EXPECT_EQ(p.PassosCG, 45);
    teste::Confere({{p.XCG, "27.880"},
                    {p.RccCG, "67708.57"},
                    {p.MrdCG, "2237632.87"},
                    {p.PctHPos, "5.60"},
                    {p.EpsS1CG, "2.0488"},
                    {p.XEscoamento, "44.372"}});
    EXPECT_LE(std::abs(p.ResiduoCG), p.PrecisãoN);

    p.ValoresFinaisReais();
    p.ValoresRET();
    EXPECT_EQ(p.DominioReal, "3");
    EXPECT_EQ(p.PassosReal, 35);
    teste::Confere({{p.XReal, "27.060"},
                    {p.RccReal, "65717.14"},
                    {p.MrdReal, "2200472.61"},
                    {p.AsReal, "15.750"},
                    {p.SigPos[1], "4347.83"},
                    {p.SigPos[2], "3922.17"}});
    // Tolerância enorme: as duas buscas terminam em x = 1 cm no primeiro passo.
    p.PrecisãoN = 100000;
    p.ValoresFinaisCG();
    EXPECT_DOUBLE_EQ(p.X, 1);
    EXPECT_EQ(p.PassosCG, 1);
    p.ValoresFinaisReais();
    EXPECT_DOUBLE_EQ(p.X, 1);
}

} // namespace
} // namespace lumbrio
