// Análise da seção: lei do aço, bloco retangular, linha neutra, armaduras teóricas,
// centróides, valores finais dos modelos CG e Real e a comparação camada a camada.
#include "SecaoVerificada.h"
#include "calc/Catalogos.h"
#include "output/Comparacao.h"
#include "program/Dimensionamento.h"
#include "section/Secao.h"

#include <gtest/gtest.h>

#include <cmath>

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

// Seção verificada com Md entre Mrd Real e Mrd CG; Mrd escrito em KN.cm.
Dimensionamento SecaoComparada() {
    Dimensionamento p = teste::SecaoVerificada();
    p.Md = 2250000; // kgf·cm, acima de Mrd Real e abaixo de Mrd CG
    p.ValoresFinaisCG();
    p.ValoresCG();
    p.ValoresFinaisReais();
    p.ValoresRET();
    p.Imprime(); // Mrd passa a KN.cm
    return p;
}

TEST(Comparacao, secao_verificada_camada_1_escoa_a_2_nao_e_o_cg_fica_abaixo_de_fyd) {
    const Dimensionamento p = SecaoComparada();
    const Comparacao c = ComparaModelos(p);
    // ε = 3,5 · ((h − d') − x) / x com x = 27,06 cm: {d', área, ε, σ, escoa}.
    const std::tuple<double, const char*, const char*, const char*, bool> esperadas[] = {
        {4.0, "9.45", "2.4497", "4347.83", true}, {8.5, "6.30", "1.8677", "3922.17", false}};
    ASSERT_EQ(c.Camadas.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const CamadaReal& r = c.Camadas[i];
        const auto& [dLinha, area, eps, sig, escoa] = esperadas[i];
        EXPECT_TRUE(!r.Negativa && r.Tracionada() && r.Camada == int(i) + 1);
        EXPECT_EQ(r.DLinha, dLinha);
        EXPECT_EQ(r.Escoa, escoa);
        teste::Confere({{r.Area, area}, {r.Eps, eps}, {r.Sig, sig}});
    }
    // CG: uma só deformação, 2,0488 por mil < εyd = 2,0704: não escoa. Mrd de
    // volta a kgf·cm (Imprime dividiu por 100) e em kN·m.
    EXPECT_TRUE(c.CGPos.Existe && !c.CGNeg.Existe && !c.CGPos.Escoa && c.AtendePos);
    EXPECT_NEAR(c.CGPos.Sig, 2100 * 2.0488, 0.2);
    teste::Confere({{c.EpsCReal, "3.5000"},
                    {c.CGPos.Eps, "2.0488"},
                    {c.MrdCGKgfCm, "2237632.87"},
                    {c.MrdRealKgfCm, "2200472.61"},
                    {c.MrdCGKNm, "223.763287"},
                    {c.MrdRealKNm, "220.047261"},
                    {c.DiferencaMrdPct, "-1.6607"}});
}

TEST(Comparacao, cg_positivo_existe_com_qualquer_area) {
    Dimensionamento p = teste::SecaoVerificada();
    for (const double as : {0.0, 0.8}) { // 0,8 cm²: uma barra de 10 mm
        p.AsReal = as;
        EXPECT_EQ(ComparaModelos(p).CGPos.Existe, as > 0) << as;
    }
    EXPECT_EQ(TextoBarras(2, 5, ","), "2 φ 12,5 mm");
}

} // namespace
} // namespace lumbrio
