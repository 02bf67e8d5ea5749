// Abertura de fissuras (item 17.3.3): estádio II, áreas críticas e wk barra a barra, as
// fórmulas e tabelas, as propriedades do estádio II e o alerta de σs na janela.
#include "SecaoVerificada.h"
#include "base/Catalogos.h"
#include "base/Numeros.h"
#include "program/Dimensionamento.h"
#include "section/Fissuracao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace lumbrio {
namespace {

// 20 × 50, C25, CA-50, c = 2,5 cm, estribo de 6,3 mm: 4 φ16 e 2 φ16 tracionadas, 2 φ10
// comprimidas; Mser = 60 kN·m.
TEST(Fissuracao, viga_20x50_estadio_ii_areas_criticas_e_wk_barra_a_barra) {
    const auto camada = [](double y, int n, double fi, double area, bool tracionada) {
        return CamadaFissuracao{y, fi, area, AbscissasDasBarras(n, 20, 2.5, 0.63, fi), tracionada};
    };
    DadosFissuracao d;
    d.b = 20, d.h = 50, d.Mser = 600000, d.Es = 2100000, d.Fctm = 10 * FctmMPa(Norma::NBR2023, 25),
    d.Eta1 = 2.25;
    d.Camadas = {camada(46.07, 4, 1.6, 2.01, true), camada(42.47, 2, 1.6, 2.01, true),
                 camada(3.63, 2, 1.0, 0.785, false)};
    const AnaliseFissuracao a = AnalisaFissuracao(d);
    const auto mpa = [&](double y) { return a.Real.TensaoAco(y, d.Mser, 15) / 10; };
    teste::Confere({{d.Camadas[0].XBarras[1], "7.977"},
                    {d.Camadas[0].XBarras[3], "16.07"},
                    {a.Real.X, "20.19"},
                    {mpa(46.07), "135.4"},
                    {mpa(42.47), "116.6"},
                    {a.YCG, "44.87"},
                    {a.SigmaCG / 10, "129.5"},
                    {a.Mr / 10000, "22.4"},
                    {0.7 * d.Fctm / 10, "1.80"},
                    {a.WkMax, "0.043"}});
    EXPECT_EQ(a.CG.X, a.Real.X);
    // As bordas e as do meio da camada 1, depois as duas da camada 2.
    const char *acri[] = {"34.1", "32.4", "32.4", "34.1", "128.8", "128.8"},
               *wk[] = {"0.041", "0.040", "0.040", "0.041", "0.043", "0.043"};
    ASSERT_EQ(a.Barras.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(testing::Message() << "barra " << i + 1);
        teste::Confere({{a.Barras[i].Acri, acri[i]}, {a.Barras[i].W.Wk, wk[i]}});
    }
    EXPECT_TRUE(a.Barras[3].Camada == 0 && a.Barras[4].Camada == 1);
    EXPECT_TRUE(a.Fissura && a.Situacao() == "fissura");
    // Em Mser = Mr não fissura: as tensões ficam, wk é zero.
    d.Mser = a.Mr;
    const AnaliseFissuracao n = AnalisaFissuracao(d);
    EXPECT_TRUE(n.Situacao() == "não fissura" && n.WkMax == 0);
    for (const auto& b : n.Barras) EXPECT_TRUE(b.W.Wk == 0 && b.Sigma > 0);
    // Sem barras tracionadas não há centróide tracionado.
    d.Camadas[0].XBarras.clear(), d.Camadas[1].Tracionada = false;
    EXPECT_TRUE(std::isnan(AnalisaFissuracao(d).SigmaCG));
    // Uma barra só fica na primeira posição.
    EXPECT_EQ(AbscissasDasBarras(1, 20, 2.5, 0.63, 1.6), std::vector{d.Camadas[0].XBarras[0]});
}

TEST(Fissuracao, formulas_de_wk_eta1_tabela_17_2_e_limites) {
    // φ16, σ = 343,8 MPa, ρr = 0,0732, fctm = 2,565 MPa, η1 = 2,25.
    const AberturaFissura w = AberturaDeFissura(1.6, 3438, 2100000, 25.65, 2.25, 0.0732);
    teste::Confere({{w.W2, "0.093"}, {w.W1, "0.3745"}, {w.Wk, "0.093"}});
    for (const Norma e : {Norma::NBR2003, Norma::NBR2023})
        EXPECT_TRUE(Eta1("Aço CA-25A", e) == 1 && Eta1("Aço CA-50B", e) == 2.25 &&
                    Eta1("Aço CA-60A", e) == (e == Norma::NBR2003 ? 1.4 : 1))
            << TextoNorma(e);
    EXPECT_TRUE(std::isnan(Eta1("Aço CA-50", Norma::NBR2023)));
    // {σs (MPa), φmax (mm), smax (cm)}: entre linhas vale a de cima.
    const std::tuple<double, double, double> linhas[] = {
        {-10, 32, 30},    {160, 32, 30},      {160.01, 25, 25}, {200.01, 20, 20},
        {240.01, 16, 15}, {280.01, 12.5, 10}, {320.01, 10, 5},  {360, 10, 5}};
    for (const auto& [sigma, fi, s] : linhas) {
        const auto l = LimitesSemCalculoDeWk(sigma);
        ASSERT_TRUE(l) << sigma;
        EXPECT_TRUE(l->FiMax == fi && l->SMax == s) << sigma;
    }
    EXPECT_FALSE(LimitesSemCalculoDeWk(360.01));
    const double limites[] = {0.4, 0.3, 0.3, 0.2};
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(AberturaLimite(c), limites[c - 1]) << c;
    EXPECT_TRUE(std::isnan(AberturaLimite(0)) && std::isnan(AberturaLimite(5)));
}

// A linha do estádio II acende só com σs da camada externa acima de fyk = 500 MPa; entre
// fyd = 434,8 MPa e fyk, não.
TEST(Fissuracao, sigma_s_em_alerta_so_acima_de_fyk) {
    for (const auto& [mser, acima] : {std::pair{"180", false}, {"190", true}}) {
        SCOPED_TRACE(Junta("Mser = ", mser, " KN.m"));
        Dimensionamento p;
        teste::Fissuracao16(p, mser);
        p.Programa();
        const auto& linhas = p.Form1.TextFissuracao;
        const auto l = std::ranges::find_if(
            linhas, [](const CaixaTexto& t) { return t.Text.starts_with("Estádio II"); });
        ASSERT_NE(l, linhas.end());
        const double sigma = ValorNumerico(l->Text.substr(l->Text.find("Real ") + 5));
        EXPECT_TRUE(acima ? sigma > 500 : sigma > 434.8 && sigma < 500) << l->Text;
        EXPECT_EQ(l->BackColor == Cor::Alerta, acima) << l->Text;
    }
}

} // namespace
} // namespace lumbrio
