// Análise da seção pelas funções puras, com valores literais: lei do aço, bloco
// retangular e os seus regimes, linha neutra, armaduras teóricas, equilíbrio e Mrd dos
// modelos CG e Real, a comparação camada a camada e a abertura de fissuras.
#include "SecaoVerificada.h"
#include "base/Catalogos.h"
#include "output/Comparacao.h"
#include "program/Dimensionamento.h"
#include "section/ArmaduraTeorica.h"
#include "section/BlocoRetangular.h"
#include "section/Fissuracao.h"
#include "section/Secao.h"
#include "section/ValoresFinais.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace lumbrio {
namespace {

// CA-50 com γs = 1,15 e Es = 2 100 000 kgf/cm²; classe B: 2 por mil além de fyd/Es.
constexpr double Fyd = 5000 / 1.15, Es = 2100000, EpsYd = 1000 * Fyd / Es;
constexpr LeiDoAco CA50A{Fyd, Es, EpsYd, false}, CA50B{Fyd, Es, 2 + EpsYd, true};
// C25, γc = 1,4, NBR 6118:2003; b = 20 cm, d = 45 cm.
const ParametrosConcreto C25;
constexpr double SigCd = 0.85 * 250 / 1.4, B = 20, D = 45;
const GeometriaT Ret{B, 0, B, 50, true}; // a retangular: uma T sem mesa

TEST(LeiDoAco, tensao_de_calculo_das_duas_faces_e_limites_dos_trechos) {
    // 2,351 por mil: com C em precisão simples, 3739,88; em dupla seria 3739,87.
    const std::tuple<const LeiDoAco*, double, const char*> casos[] = {
        {&CA50A, 1.5, "3150.00"},  {&CA50A, 2.5, "4347.83"}, {&CA50B, 1.2, "2520.00"},
        {&CA50B, 2.0, "3554.73"},  {&CA50B, 3.0, "4007.20"}, {&CA50B, -3.0, "-4007.20"},
        {&CA50B, 4.5, "4347.83"},  {&CA50A, 25, "4347.83"},  {&CA50B, 0, "0.00"},
        {&CA50B, 2.351, "3739.88"}};
    for (const auto& [lei, eps, sigma] : casos) {
        SCOPED_TRACE(eps);
        teste::Confere({{lei->Tensao(eps), sigma}});
        // εyd dá fyd e o limite de proporcionalidade, 0,7 fyd.
        EXPECT_NEAR(lei->Tensao(lei->EpsYd), Fyd, 1e-9);
        EXPECT_NEAR(lei->Tensao(700 * Fyd / Es), 0.7 * Fyd, 1e-9);
    }
}

TEST(BlocoRetangular, regimes_de_deformacao_e_de_tensao) {
    // Em x = d/6 = 7,5 cm (fronteira 2a/2b) e no domínio 2b: a verificação reduz a
    // tensão até a fronteira inclusive; a armadura de compressão toma εcu já nela.
    using R = RegimeBloco;
    const struct {
        double x;
        R regime;
        const char *epsC, *tensao;
        bool reduzida;
    } casos[] = {{7.5, R::Verificacao, "2.0000", "151.7857", true},
                 {7.5, R::Compressao, "3.5000", "151.7857", false},
                 {10, R::Verificacao, "2.8571", "151.7857", false},
                 {10, R::Compressao, "3.5000", "151.7857", false},
                 {6, R::Verificacao, "1.5385", "116.7582", true},
                 {6, R::Compressao, "1.5385", "116.7582", true},
                 {6, R::Dominio2a, "1.5385", "116.7582", true},
                 {6, R::Pleno, "0.0000", "151.7857", false}};
    for (const auto& c : casos) {
        const Bloco b = BlocoEm(c.x, D, Ret, SigCd, C25, c.regime);
        SCOPED_TRACE(testing::Message() << c.x << " " << int(c.regime));
        teste::Confere({{b.EpsC, c.epsC}, {b.Tensao, c.tensao}});
        EXPECT_EQ(b.Reduzida, c.reduzida);
        EXPECT_DOUBLE_EQ(b.Y, 0.8 * c.x);
        EXPECT_DOUBLE_EQ(b.MRcc, (D - b.Y / 2) * b.Y * B * b.Tensao);
    }
}

TEST(BlocoRetangular, momentos_limites_e_linha_neutra_de_cada_dominio) {
    const MomentosLimites m = MomentosLimitesDe(D, Ret, SigCd, EpsYd, C25);
    const double xMax = XMaximo(D, EpsYd, C25, Norma::NBR2003, 0, 0, 0);
    teste::Confere({{m.M2a, "765000.0"},
                    {m.M2b, "1142777.8"},
                    {m.M3, "2313392.1"},
                    {m.M4, "2950714.3"},
                    {xMax, "28.2745"}});
    // 2a: busca em 16 passos.
    const LinhaNeutra a = DescobreX(500000, D, Ret, SigCd, EpsYd, C25, m, xMax, 100);
    EXPECT_EQ(a.Passos, 16);
    teste::Confere(
        {{a.X, "6.133"}, {a.B.EpsC, "1.5779"}, {a.B.Rcc, "11751.3"}, {a.B.MRcc, "499980.07"}});
    // 2b, 3 e 4 em forma fechada; Md = MLim4 vai a x = 1,1 x máximo e Md nulo termina
    // num x pequeno e positivo.
    const std::tuple<double, double, double, const char*> casos[] = {
        {1000000, 10.0477, 2.8747, "2b"}, {2000000, 23.0049, 3.5, "3"},
        {2800000, 39.4658, 3.5, "4"},     {m.M4, 1.1 * xMax, 3.5, ""},
        {0, 0.01, 0.1 / 44.99, "2a"},     {m.M2a, 7.5, 2, "2a"}};
    for (const auto& [md, x, eps, dominio] : casos) {
        const LinhaNeutra l = DescobreX(md, D, Ret, SigCd, EpsYd, C25, m, xMax, 100);
        EXPECT_NEAR(l.X, x, 0.00005) << md;
        EXPECT_NEAR(l.B.EpsC, eps, 0.00005) << md;
        EXPECT_EQ(l.Dominio, dominio) << md;
    }
    // Cada fronteira já é do domínio seguinte: d/6, 3,5·d/13,5 e x34.
    EXPECT_EQ(DominioDe(7.5, D, EpsYd, C25), "2b");
    EXPECT_EQ(DominioDe(XLimite2b(D, C25), D, EpsYd, C25), "3");
    EXPECT_EQ(DominioDe(XLimite3(D, EpsYd, C25), D, EpsYd, C25), "4");
    // x máximo de cada par de marcações, com k = 0,5 e a 2023 limitada a 0,45·d.
    const ParametrosConcreto c30 = ParametrosDe(Norma::NBR2023, 30);
    teste::Confere({{XMaximo(D, EpsYd, C25, Norma::NBR2003, 0.5, 0, 1), "22.5"},
                    {XMaximo(D, EpsYd, C25, Norma::NBR2003, 0.7, 0, 1), "28.2745"},
                    {XMaximo(D, EpsYd, C25, Norma::NBR2003, 0.5, 1, 0), "45"},
                    {XMaximo(D, EpsYd, C25, Norma::NBR2003, 0.7, 1, 1), "31.5"},
                    {XMaximo(D, EpsYd, c30, Norma::NBR2023, 0, 2, 0), "20.25"}});
}

TEST(ArmaduraTeorica, simples_dupla_e_sem_limite) {
    // Domínio 3: só As.
    const LinhaNeutra l = DescobreX(2000000, D, Ret, SigCd, EpsYd, C25,
                                    MomentosLimitesDe(D, Ret, SigCd, EpsYd, C25), 28.2745, 100);
    const ArmaduraPositiva s = AsTeoricaPos(l.X, D, l.B.EpsC, l.B.Rcc, 0, CA50A);
    teste::Confere(
        {{s.Eps, "3.3464"}, {s.Sig, "4347.83"}, {s.As, "12.850"}, {l.B.Rcc, "55868.96"}});
    // Dupla em x34: As' com d' = 4 cm; εs cai um arredondamento abaixo de εyd.
    const double x34 = XLimite3(D, EpsYd, C25);
    const ArmaduraNegativa n = AsTeoricaNeg(x34, D, Ret, SigCd, C25, CA50A, 2800000, 4);
    const ArmaduraPositiva p = AsTeoricaPos(x34, D, n.B.EpsC, n.B.Rcc, n.Rsc, CA50A);
    teste::Confere({{n.B.Rcc, "68666.60"},
                    {n.B.MRcc, "2313392.08"},
                    {n.DeltaM, "486607.92"},
                    {n.Rsc, "11868.49"},
                    {n.Eps, "3.0049"},
                    {n.AsLinha, "2.730"},
                    {p.Eps, "2.0704"},
                    {p.As, "18.523"}});
    EXPECT_TRUE(p.Eps < EpsYd && p.Sig < Fyd);
    // x máximo no domínio 2a (k = 0,1): bloco reduzido com εc = 10·x/(d − x).
    const ArmaduraNegativa r = AsTeoricaNeg(4.5, D, Ret, SigCd, C25, CA50A, 2000000, 4);
    teste::Confere(
        {{r.B.EpsC, "1.1111"}, {r.B.Rcc, "6071.43"}, {r.B.MRcc, "262285.71"}, {r.Rsc, "42383.28"}});
    // x = d: área sem limite.
    EXPECT_TRUE(AsTeoricaPos(D, D, 3.5, 1000, 0, CA50A).SemLimite);
}

// b = 20, h = 50 cm, C25, CA-50A: 3 barras de 20 mm a 4,0 cm e 2 a 8,5 cm da face
// tracionada (d'CG1 = 5,8 cm, d = 44,2 cm); sem barras negativas.
SecaoColocada Colocada() {
    PorBitola area{};
    for (int k = 1; k <= 11; ++k) area[k] = TabelaBitolas[k - 1].AreaBarra;
    return {Ret,
            50,
            44.2,
            SigCd,
            C25,
            CA50A,
            area,
            {6, {0, 3, 2}, {0, 7, 7, 7, 7, 7, 7}, {0, 4.0, 8.5, 12.5, 16.5, 20.5, 24.5}, 5.8},
            {3, {}, {0, 7, 7, 7}, {0, 4.0, 8.0, 12.0}, 4.0}};
}

TEST(ValoresFinais, equilibrio_e_mrd_dos_modelos_cg_e_real) {
    const SecaoColocada s = Colocada();
    const Equilibrio cg = BuscaEquilibrio(s, false, 100);
    EXPECT_EQ(cg.Dominio, "4");
    EXPECT_EQ(cg.Passos, 45);
    EXPECT_LE(std::abs(cg.Residuo), 100);
    teste::Confere({{cg.X, "27.880"},
                    {cg.B.Rcc, "67708.57"},
                    {MomentoResistenteCG(s, cg), "2237632.87"},
                    {cg.Pos.Eps[1], "2.0488"}});
    const Equilibrio real = BuscaEquilibrio(s, true, 100);
    EXPECT_EQ(real.Dominio, "3");
    EXPECT_EQ(real.Passos, 35);
    teste::Confere({{real.X, "27.060"},
                    {real.B.Rcc, "65717.14"},
                    {MomentoResistenteReal(s, real), "2200472.61"},
                    {real.Pos.Sig[1], "4347.83"},
                    {real.Pos.Sig[2], "3922.17"}});
    // Tolerância enorme: as duas buscas terminam em x = 1 cm no primeiro passo.
    for (const bool r : {false, true}) {
        const Equilibrio e = BuscaEquilibrio(s, r, 100000);
        EXPECT_TRUE(e.X == 1 && e.Passos == 1) << r;
    }
}

// Seção verificada com Md entre Mrd Real e Mrd CG; Mrd escrito em KN.cm.
Dimensionamento SecaoComparada() {
    Dimensionamento p = teste::SecaoVerificada();
    p.Md = 2250000; // kgf·cm, acima de Mrd Real e abaixo de Mrd CG
    p.ValoresFinaisCG();
    p.ValoresCG();
    p.ValoresFinaisReais();
    p.ValoresRET();
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
        SCOPED_TRACE(testing::Message() << "camada " << i + 1);
        const CamadaReal& r = c.Camadas[i];
        const auto& [dLinha, area, eps, sig, escoa] = esperadas[i];
        EXPECT_TRUE(!r.Negativa && r.Tracionada() && r.Camada == int(i) + 1);
        EXPECT_EQ(r.DLinha, dLinha);
        EXPECT_EQ(r.Escoa, escoa);
        teste::Confere({{r.Area, area}, {r.Eps, eps}, {r.Sig, sig}});
    }
    // CG: uma só deformação, 2,0488 por mil < εyd = 2,0704: não escoa. Mrd em kgf·cm
    // e em kN·m.
    EXPECT_TRUE(c.CGPos.Existe && !c.CGNeg.Existe && !c.CGPos.Escoa && c.AtendePos);
    EXPECT_NEAR(c.CGPos.Sig, 2100 * 2.0488, 0.2);
    teste::Confere({{c.EpsCReal, "3.5000"},
                    {c.CGPos.Eps, "2.0488"},
                    {c.MrdCGKgfCm, "2237632.87"},
                    {c.MrdRealKgfCm, "2200472.61"},
                    {c.MrdCGKNm, "223.763287"},
                    {c.MrdRealKNm, "220.047261"},
                    {c.DiferencaMrdPct, "-1.6607"}});
    // O CG positivo existe com qualquer área.
    Dimensionamento q = p;
    for (const double as : {0.0, 0.8}) {
        q.AsReal = as;
        EXPECT_EQ(ComparaModelos(q).CGPos.Existe, as > 0) << as;
    }
    EXPECT_EQ(TextoBarras(2, 5, ","), "2 φ 12,5 mm");
}

} // namespace
} // namespace lumbrio
