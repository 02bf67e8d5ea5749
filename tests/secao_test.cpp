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

} // namespace
} // namespace lumbrio
