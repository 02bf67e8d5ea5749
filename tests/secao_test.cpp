// Análise da seção: lei do aço, bloco retangular, linha neutra, armaduras
// teóricas, centróides e valores finais dos modelos CG e Real.
#include "SecaoVerificada.h"
#include "calc/Dimensionamento.h"

#include <gtest/gtest.h>

namespace lumbrio {
namespace {

// Aço CA-50 com γs = 1,15 e Es = 2 100 000 kgf/cm² (fyd = 4347,83 kgf/cm²).
void AcoCA50(Dimensionamento& p, const char* texto = "Aço CA-50A") {
    p.Form1.Combo1.Text = texto;
    p.GamaS = 1.15;
    p.Es = 2100000;
    p.Aço();
}

TEST(LeiDoAco, tensao_de_calculo_das_duas_faces) {
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
    }
}

TEST(LeiDoAco, limites_dos_trechos) {
    for (const char* aco : {"Aço CA-50A", "Aço CA-50B"}) {
        Dimensionamento p;
        AcoCA50(p, aco);
        p.IndCamada = 1;
        p.EpsPos[1] = p.EpsYd;
        p.SigSdAço();
        EXPECT_DOUBLE_EQ(p.SigPos[1], p.Fyd) << aco;
    }
    Dimensionamento p;
    AcoCA50(p, "Aço CA-50B");
    p.IndCamada = 1;
    p.EpsPos[1] = 700 * p.Fyd / p.Es; // limite de proporcionalidade: trecho linear
    p.SigSdAço();
    EXPECT_NEAR(p.SigPos[1], 0.7 * p.Fyd, 1e-9);
    // Entre o limite e EpsYd a tensão cresce, estritamente entre 0,7 fyd e fyd.
    double anterior = 0.7 * p.Fyd;
    for (double e = 1.6; e < 4.0; e += 0.2) {
        p.EpsPos[1] = e;
        p.SigSdAço();
        EXPECT_GT(p.SigPos[1], anterior) << e;
        EXPECT_LT(p.SigPos[1], p.Fyd) << e;
        anterior = p.SigPos[1];
    }
}

// Seção b = 20 cm, d = 45 cm, fck = 250 kgf/cm², γc = 1,4, CA-50A, PrecisãoM = 100.
Dimensionamento SecaoD45() {
    Dimensionamento p;
    AcoCA50(p);
    p.Base = 20;
    p.AlturaUtil = 45;
    p.SigCd = 0.85 * 250 / 1.4;
    p.PrecisãoM = 100;
    p.xMáximo();
    p.MomentosLimitesRET();
    return p;
}

TEST(BlocoRetangular, momentos_limites_dos_dominios) {
    Dimensionamento p = SecaoD45();
    teste::Confere({{p.MLim2a, "765000.0"},
                    {p.MLim2b, "1142777.8"},
                    {p.MLim3, "2313392.1"},
                    {p.MLim4, "2950714.3"},
                    {p.XMax, "28.2745"}});
}

TEST(BlocoRetangular, dominio_2a_por_busca_em_16_passos) {
    Dimensionamento p = SecaoD45();
    p.Md = 500000;
    p.DescobreXRET();
    EXPECT_EQ(p.Dominio, "2a");
    EXPECT_EQ(p.PassosDescobreX, 16);
    teste::Confere({{p.X, "6.133"}, {p.EpsC, "1.5779"}, {p.Rcc, "11751.3"}, {p.MRcc, "499980.07"}});
}

TEST(BlocoRetangular, forma_fechada_nos_dominios_2b_3_e_4) {
    const std::tuple<double, double, const char*> casos[] = {
        {1000000, 10.0477, "2b"}, {2000000, 23.0049, "3"}, {2800000, 39.4658, "4"}};
    for (const auto& [md, x, dominio] : casos) {
        Dimensionamento p = SecaoD45();
        p.Md = md;
        p.DescobreXRET();
        EXPECT_NEAR(p.X, x, 0.00005) << md;
        EXPECT_EQ(p.Dominio, dominio) << md;
    }
}

TEST(BlocoRetangular, deformacao_do_concreto_em_2b_e_casos_limite) {
    Dimensionamento p = SecaoD45();
    p.Md = 1000000;
    p.DescobreXRET();
    EXPECT_NEAR(p.EpsC, 2.8747, 0.00005);
    // Md = MLim2a fica no caso 1; Md = MLim4 vai ao caso 3 (x = 1,1 XMax).
    p.Md = p.MLim2a;
    p.DescobreXRET();
    EXPECT_EQ(p.Dominio, "2a");
    p.Md = p.MLim4;
    p.DescobreXRET();
    EXPECT_DOUBLE_EQ(p.X, 1.1 * p.XMax);
    EXPECT_DOUBLE_EQ(p.EpsC, 3.5);
    p.Md = 0; // Md nulo termina num x pequeno e positivo
    p.DescobreXRET();
    EXPECT_DOUBLE_EQ(p.X, 0.01);
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

TEST(XMaximo, fator_fora_de_0_a_1_recusa_sem_encerrar) {
    for (const char* k : {"1.0001", "-0.5", "1e999"}) {
        Dimensionamento p;
        p.Form1.Text19.Text = k;
        p.Programa();
        EXPECT_FALSE(p.HaResultados) << k;
        EXPECT_TRUE(p.Form2.Visivel);
        EXPECT_EQ(p.Form2.Label1.Caption, "xMáximo deve estar entre 0 e 1 .d");
        EXPECT_EQ(p.Form2.Label2.Caption, "");
        EXPECT_EQ(p.Form1.Text8.Text, "");
    }
}

TEST(ArmaduraTeorica, dominio_3_sem_armadura_de_compressao) {
    Dimensionamento p;
    p.Form1.Text17.Text = "20000"; // 2 000 000 kgf·cm
    p.Form1.Text18.Text = "25";    // 250 kgf/cm²
    p.Form1.Text2.Text = "50";
    p.Programa();
    ASSERT_TRUE(p.HaResultados);
    // Com a seção montada à mão, d = 45 cm:
    Dimensionamento s = SecaoD45();
    s.Md = 2000000;
    s.DescobreXRET();
    ASSERT_LT(s.X, s.XMax);
    s.Rsc = 0;
    s.AsTeóricaPos();
    EXPECT_NEAR(s.EpsPos[1], 3.3464, 0.00005);
    EXPECT_DOUBLE_EQ(s.SigPos[1], s.Fyd);
    teste::Confere({{s.AsPos, "12.850"}, {s.Rcc, "55868.96"}});
}

TEST(ArmaduraTeorica, armadura_dupla_em_x_maximo) {
    Dimensionamento p = SecaoD45();
    p.Md = 2800000;
    p.DCG2 = 4;
    p.DescobreXRET();
    ASSERT_GT(p.X, p.XMax);
    p.X = p.XMax;
    p.AsTeóricaNeg();
    teste::Confere({{p.X, "28.2745"},
                    {p.Rcc, "68666.60"},
                    {p.MRcc, "2313392.08"},
                    {p.DeltaM, "486607.92"},
                    {p.Rsc, "11868.49"},
                    {p.EpsNeg[1], "3.0049"}});
    EXPECT_DOUBLE_EQ(p.SigNeg[1], p.Fyd);
    EXPECT_NEAR(p.AsNeg, 2.730, 0.0005);
    p.AsTeóricaPos();
    EXPECT_NEAR(p.EpsPos[1], 2.0704, 0.00005);
    EXPECT_LT(p.EpsPos[1], p.EpsYd); // comparação literal: ramo elástico
    EXPECT_LT(p.SigPos[1], p.Fyd);
    // Em x = x34 a deformação cai um passo de arredondamento abaixo de EpsYd e o
    // ramo elástico dá a mesma área.
    EXPECT_NEAR(p.AsPos, 18.523, 0.0005);
}

TEST(ArmaduraTeorica, armadura_dupla_com_x_maximo_no_dominio_2a) {
    // k = 0,1: x = 4,5 cm < d/6, bloco reduzido com εc = 10·x/(d − x) = 1,1111 por mil.
    Dimensionamento p = SecaoD45();
    p.Form1.Check5.Value = 1;
    p.Form1.Text19.Text = "0.1";
    p.xMáximo();
    p.Md = 2000000;
    p.DCG2 = 4;
    p.X = p.XMax;
    p.AsTeóricaNeg();
    teste::Confere(
        {{p.EpsC, "1.1111"}, {p.Rcc, "6071.43"}, {p.MRcc, "262285.71"}, {p.Rsc, "42383.28"}});
}

TEST(ArmaduraTeorica, x_igual_a_d_da_area_sem_limite) {
    Dimensionamento p = SecaoD45();
    p.X = 45;
    p.AsPos = 7;
    p.AsTeóricaPos();
    EXPECT_DOUBLE_EQ(p.AsPosRestante, 999999999999);
    EXPECT_TRUE(p.AsPosSemLimite);
    EXPECT_DOUBLE_EQ(p.AsPos, 7);
}

TEST(Centroides, camadas_ponderadas_pela_area) {
    Dimensionamento p;
    p.Bitolas();
    p.NumCamadasPos = 6;
    p.DLinhaPos = {0, 4.25, 8.75, 12, 15, 18, 21};
    p.BitolaPos = {0, 6, 5, 5, 5, 5, 5}; // 16 mm (2,0 cm²) e 12,5 mm (1,25 cm²)
    p.NumBarrasPos = {0, 3, 2, 0, 0, 0, 0};
    p.CGd1();
    EXPECT_NEAR(p.DCG1, 5.5735, 0.00005);
    p.NumBarrasPos = {0, 0, 1, 0, 0, 0, 0}; // uma barra de 12,5 mm: área abaixo de 1 cm²
    p.CGd1();
    EXPECT_DOUBLE_EQ(p.DCG1, 8.75);
    // Sem barras o centróide fica como estava.
    p.NumBarrasPos = {};
    p.DCG1 = 6.5;
    p.CGd1();
    EXPECT_DOUBLE_EQ(p.DCG1, 6.5);
}

TEST(ValoresFinais, modelos_cg_e_real) {
    Dimensionamento p = teste::SecaoVerificada();
    EXPECT_NEAR(p.DCG1, 5.8, 1e-12);
    p.ValoresFinaisCG();
    p.ValoresCG();
    EXPECT_NEAR(p.XCG, 27.880, 0.0005);
    EXPECT_EQ(p.DominioCG, "4");
    teste::Confere({{p.RccCG, "67708.57"}, {p.MrdCG, "2237632.87"}});
    EXPECT_EQ(p.PassosCG, 45);
    teste::Confere({{p.PctHPos, "5.60"}, {p.EpsS1CG, "2.0488"}, {p.XEscoamento, "44.372"}});
    EXPECT_LE(std::abs(p.ResiduoCG), p.PrecisãoN);

    p.ValoresFinaisReais();
    p.ValoresRET();
    EXPECT_NEAR(p.XReal, 27.060, 0.0005);
    EXPECT_EQ(p.DominioReal, "3");
    teste::Confere({{p.RccReal, "65717.14"}, {p.MrdReal, "2200472.61"}});
    EXPECT_EQ(p.PassosReal, 35);
    EXPECT_NEAR(p.AsReal, 15.75, 1e-12);
    teste::Confere({{p.SigPos[1], "4347.83"}, {p.SigPos[2], "3922.17"}});
}

TEST(ValoresFinais, tolerancia_enorme_termina_em_x_de_1_cm) {
    Dimensionamento p = teste::SecaoVerificada();
    p.PrecisãoN = 100000;
    p.ValoresFinaisCG();
    EXPECT_DOUBLE_EQ(p.X, 1);
    EXPECT_EQ(p.PassosCG, 1);
    p.ValoresFinaisReais();
    EXPECT_DOUBLE_EQ(p.X, 1);
}

TEST(ValoresFinais, tolerancia_inalcancavel_para_no_limite_da_precisao_dupla) {
    // A classe B arredonda C para precisão simples: a tensão vira uma escada e
    // PrecisãoN = 0.0001 não é atingida. A busca para quando o passo não muda x.
    Dimensionamento p = teste::SecaoVerificada();
    AcoCA50(p, "Aço CA-50B");
    p.PrecisãoN = 0;
    p.ValoresFinaisCG();
    EXPECT_GT(p.X, 20);
    EXPECT_LT(p.X, 40);
    EXPECT_LT(p.PassosCG, 1000);
    EXPECT_LT(std::abs(p.ResiduoCG), 1.0);
}

} // namespace
} // namespace lumbrio
