// Seção T: largura colaborante, seção bruta, bloco com as abas, armadura mínima,
// momento de fissuração e estádio II, contra exemplos de livro calculados à mão.
#include "PastaTemporaria.h"
#include "SecaoVerificada.h"
#include "files/Configuracao.h"
#include "section/ArmaduraTeorica.h"
#include "section/Secao.h"
#include "section/SecaoT.h"
#include "section/ValoresFinais.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumbrio {
namespace {

using enum VinculacaoDoVao;
using Lado = LadoDaMesa::Tipo;

TEST(SecaoT, largura_colaborante_pelo_vao_e_pelas_lajes) {
    const struct {
        const char* Nome;
        VinculacaoDoVao V;
        double Vao;
        LadoDaMesa Esquerdo, Direito;
        double Bf;
    } casos[] = {
        {"biapoiada, 0,10·a governa",
         SimplesmenteApoiado,
         500,
         {Lado::Interno, 300},
         {Lado::Interno, 300},
         120},
        {"borda, contínua num lado, 0,5·b2 governa",
         ContinuoUmLado,
         600,
         {Lado::Interno, 80},
         {},
         60},
        {"balanço", Balanco, 200, {Lado::Interno, 400}, {Lado::Interno, 400}, 100},
        {"contínua nos dois lados, b4 governa", ContinuoDoisLados, 500, {Lado::Borda, 29}, {}, 49},
        {"contínua nos dois lados, 0,10·a sobre b4",
         ContinuoDoisLados,
         500,
         {Lado::Borda, 31},
         {},
         50}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.Nome);
        const double a = DistanciaEntreMomentosNulos(c.V, c.Vao);
        EXPECT_DOUBLE_EQ(LarguraColaborante(20, a, c.Esquerdo, c.Direito), c.Bf);
    }
}

// fyd do CA-50 com γs = 1,15 e o bloco da edição para γc = 1,4.
constexpr double Fyd = 5000 / 1.15;
double SigCd(Norma N, double Fck) {
    return TensaoDoBloco(Fck * 10 / 1.4, ParametrosDe(N, Fck));
}

TEST(SecaoT, bloco_na_mesa_ou_com_as_abas_nos_exemplos_de_livro) {
    const struct {
        const char* Nome;
        GeometriaT G;
        double d, Fck, Md; // Md em kN·cm
        Norma N;
        bool NaMesa;
        double X, As;
    } casos[] = {
        {"100/20 × 50, C20", {100, 8, 20, 50}, 45, 20, 21000, Norma::NBR2003, true, 5.03, 11.24},
        {"45/18 × 30, C25", {45, 7, 18, 30}, 25, 25, 11200, Norma::NBR2003, false, 11.23, 12.24},
        {"60/10 × 29, C30", {60, 4, 10, 29}, 26.5, 30, 1890, Norma::NBR2003, true, 0.83, 1.66},
        {"45/18 × 30, C50 na 2023",
         {45, 7, 18, 30},
         25,
         50,
         11200,
         Norma::NBR2023,
         true,
         4.78,
         11.16}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.Nome);
        const double s = SigCd(c.N, c.Fck);
        const double y = AlturaDoBlocoT(c.G, c.d, c.Md * 100, s);
        EXPECT_EQ(y <= c.G.hf, c.NaMesa) << y;
        EXPECT_NEAR(y / ParametrosDe(c.N, c.Fck).Lambda, c.X, 0.005);
        EXPECT_NEAR(ZonaComprimidaDe(c.G, y).Area * s / Fyd, c.As, 0.005);
    }
    // Sem altura que baste: nem o bloco em toda a altura útil resiste.
    EXPECT_TRUE(std::isnan(AlturaDoBlocoT({45, 7, 18, 30}, 25, 1e8, SigCd(Norma::NBR2003, 25))));
}

TEST(SecaoT, armadura_minima_pela_fibra_tracionada_e_pela_area_da_t) {
    GeometriaT comprimida{100, 8, 20, 50, true}, tracionada{100, 8, 20, 50, false};
    EXPECT_NEAR(PropriedadesDe(comprimida).Area, 1640, 1e-9);
    EXPECT_NEAR(PropriedadesDe(comprimida).W0, 11563, 0.5);
    EXPECT_NEAR(PropriedadesDe(tracionada).W0, 22841, 0.5);
    // 2023, C25, d = 46: Md,min da mesa comprimida dá 1,55 cm², abaixo de 0,15 % da T.
    const double s = SigCd(Norma::NBR2023, 25), fcd = 250 / 1.4,
                 fctkSup = 1.3 * 0.3 * 10 * std::pow(25, 2.0 / 3);
    const double y = AlturaDoBlocoT(comprimida, 46, 0.8 * 11563 * fctkSup, s);
    EXPECT_NEAR(ZonaComprimidaDe(comprimida, y).Area * s / Fyd, 1.55, 0.005);
    EXPECT_NEAR(ArmaduraMinimaT(Norma::NBR2023, comprimida, 46, s, fcd, Fyd, 25), 2.46, 1e-9);
    EXPECT_NEAR(ArmaduraMinimaT(Norma::NBR2023, tracionada, 46, s, fcd, Fyd, 25), 3.21, 0.005);
    // 2003, C50: ωmin de 0,024 e 0,031 acima do piso de 0,15 %; C25: o piso.
    const double fcd50 = 500 / 1.4, s50 = SigCd(Norma::NBR2003, 50);
    EXPECT_NEAR(ArmaduraMinimaT(Norma::NBR2003, comprimida, 46, s50, fcd50, Fyd, 50),
                0.024 * fcd50 / Fyd * 1640, 1e-9);
    EXPECT_NEAR(ArmaduraMinimaT(Norma::NBR2003, tracionada, 46, s50, fcd50, Fyd, 50),
                0.031 * fcd50 / Fyd * 1640, 1e-9);
    EXPECT_NEAR(ArmaduraMinimaT(Norma::NBR2003, tracionada, 46, s, fcd, Fyd, 25), 2.46, 1e-9);
    // Uma T baixa demais para Md,min.
    EXPECT_LT(ArmaduraMinimaT(Norma::NBR2023, {100, 8, 20, 50, false}, 3, s, fcd, Fyd, 25), 0);
}

TEST(SecaoT, mesa_igual_a_alma_e_o_retangulo_e_as_abas_entram_com_x_acima_de_hf) {
    const std::vector<AreaEmY> barras{{12, 45}};
    // bf = bw: o estádio II do retângulo, e Mr com α = 1,2 no lugar de 1,5.
    const EstadioII r = EstadioIIDe(20, barras, 15), t = EstadioIIDe({20, 8, 20, 50}, barras, 15);
    EXPECT_EQ(t.X, r.X);
    EXPECT_EQ(t.I, r.I);
    EXPECT_DOUBLE_EQ(MomentoDeFissuracaoT({20, 8, 20, 50}, 25) / MomentoDeFissuracao(20, 50, 25),
                     1.2 / 1.5);
    // 100/20 × 50: no retângulo de 100 cm x seria 11,05 > hf; com as abas só até hf,
    // 10·x² + 820·x − 10660 = 0.
    const EstadioII m = EstadioIIDe({100, 8, 20, 50}, barras, 15);
    EXPECT_NEAR(m.X, 11.4118307, 1e-6);
    EXPECT_NEAR(m.I, 251549.347, 1e-3);
    EXPECT_EQ(EstadioIIDe({100, 8, 20, 50, false}, barras, 15).X, r.X) << "mesa tracionada";
    // x abaixo de hf: o retângulo bf.
    EXPECT_EQ(EstadioIIDe({100, 12, 20, 50}, barras, 15).X, EstadioIIDe(100, barras, 15).X);
}

// O dimensionamento com o bloco da T, na altura útil do exemplo: fora do domínio 2a, os
// números do livro; no 2a, o bloco reduzido, que com λx ≤ hf é o do retângulo bf.
TEST(SecaoT, dimensionamento_pela_t_e_pelo_retangulo_de_largura_bf) {
    const struct {
        const char* Nome;
        GeometriaT G;
        double d, Fck, Md;
        Norma N;
        const char *X, *As, *Abas = ""; // Abas em kN·cm
    } casos[] = {
        {"100/20 × 50, C20, 2a", {100, 8, 20, 50}, 45, 20, 21000, Norma::NBR2003, "5.03", "11.24"},
        {"45/18 × 30, C25, alma",
         {45, 7, 18, 30},
         25,
         25,
         11200,
         Norma::NBR2003,
         "11.23",
         "12.24",
         "6168"},
        {"60/10 × 29, C30, 2a", {60, 4, 10, 29}, 26.5, 30, 1890, Norma::NBR2003, "0.83", "1.66"},
        {"45/18 × 30, C50 2023", {45, 7, 18, 30}, 25, 50, 11200, Norma::NBR2023, "4.78", "11.16"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.Nome);
        const ParametrosConcreto p = ParametrosDe(c.N, c.Fck);
        const double s = SigCd(c.N, c.Fck), eps = Fyd / 2100; // εyd por mil
        const LeiDoAco lei{Fyd, 2100000, eps, false};
        const auto projeta = [&](const GeometriaT& G) {
            const LinhaNeutra l = DescobreX(c.Md * 100, c.d, G, s, eps, p,
                                            MomentosLimitesDe(c.d, G, s, eps, p), c.d, 1);
            return std::pair{l, AsTeoricaPos(l.X, c.d, l.B.EpsC, l.B.Rcc, 0, lei).As};
        };
        const auto [t, as] = projeta(c.G);
        teste::Confere({{t.X, c.X}, {as, c.As}});
        if (*c.Abas)
            teste::Confere({{MomentoDasAbas(c.G, c.d, s) / 100, c.Abas}, {t.X / c.d, "0.449"}});
        const double bf = c.G.bf;
        // No domínio 2a o retângulo reduz a tensão; a T com abas não.
        if (p.Lambda * t.X > c.G.hf || t.Dominio == "2a") continue;
        const auto [r, asR] = projeta({bf, 0, bf, c.G.h});
        EXPECT_NEAR(t.X, r.X, 1e-9);
        EXPECT_NEAR(as, asR, 1e-9);
    }
}

// Barras dadas na T do livro: As = 12,20 cm² em d = 25 cm, C25.
TEST(SecaoT, verificacao_de_barras_dadas_na_t) {
    PorBitola area{};
    area[1] = 12.20;
    const ParametrosConcreto p = ParametrosDe(Norma::NBR2003, 25);
    const SecaoColocada s{{45, 7, 18, 30},
                          30,
                          25,
                          SigCd(Norma::NBR2003, 25),
                          p,
                          {Fyd, 2100000, Fyd / 2100000 * 1000, false},
                          area,
                          {1, {0, 1}, {0, 1}, {0, 5}, 5},
                          {0, {}, {}, {}, 3}};
    for (const bool real : {false, true}) {
        SCOPED_TRACE(real ? "Real" : "CG");
        const Equilibrio e = BuscaEquilibrio(s, real, 1);
        const double mrd = real ? MomentoResistenteReal(s, e) : MomentoResistenteCG(s, e);
        teste::Confere({{e.X, "11.14"}, {mrd / 100, "11171"}});
    }
}

// Uma T pela janela: bf = bw é o retângulo (só Mr muda, pelo α); as recusas de bf e hf
// de cada lado do limite; o arquivo de valores e o CSV levam a mesa.
using SecaoTPelaJanela = teste::PastaTemporaria;
TEST_F(SecaoTPelaJanela, retangulo_com_bf_igual_a_bw_recusas_arquivo_e_csv) {
    const auto projeto = [](const char* Secao, const char* Bf, const char* Hf) {
        Dimensionamento p;
        p.Form1.ComboNorma.Text = "NBR 6118:2023", p.Form1.Text17.Text = "15000";
        p.Form1.TextMser.Text = "10000";
        p.Form1.ComboSecao.Text = Secao, p.Form1.TextBf.Text = Bf, p.Form1.TextHf.Text = Hf;
        p.Programa();
        return p;
    };
    const Dimensionamento r = projeto("Retangular", "", ""), t = projeto("T", "20", "8");
    EXPECT_EQ(std::tie(t.AsPos, t.MrdCG, t.MrdReal, t.Verif.AsMin, t.Verif.TaxaPct),
              std::tie(r.AsPos, r.MrdCG, r.MrdReal, r.Verif.AsMin, r.Verif.TaxaPct));
    EXPECT_NEAR(t.ResFissuracao.Mr / r.ResFissuracao.Mr, 1.2 / 1.5, 1e-12);
    for (const auto& [bf, hf, recusa] : {std::tuple{"19.99", "8", true},
                                         {"20", "49.99", false},
                                         {"20", "50", true},
                                         {"20", "0", true}}) {
        SCOPED_TRACE(Junta(bf, " × ", hf));
        EXPECT_EQ(projeto("T", bf, hf).HaResultados, !recusa);
    }
    Dimensionamento m = projeto("T", "100", "8");
    m.Form1.ComboMesa.Text = "Tracionada";
    auto col = teste::ColunasDoCsv(m);
    EXPECT_EQ(col["secao"] + col["bf"] + col["hf"] + col["caso_T"], "T100.008.00mesa");
    std::string bytes;
    ASSERT_FALSE(TextoConfiguracao(m, bytes));
    EXPECT_TRUE(bytes.ends_with("\r\n\r\nT\r\n100\r\n8\r\nTracionada\r\n"));
    ASSERT_FALSE(GravaConfiguracao(m, "t.txt"));
    Dimensionamento lido;
    ASSERT_FALSE(CarregaConfiguracao(lido, "t.txt"));
    lido.Programa();
    EXPECT_EQ(lido.Verif.MesaComprimida, false);
    EXPECT_GT(lido.AsPos, m.AsPos) << "a mesa tracionada: a zona comprimida é a alma";
}

// "Calcular bf" com bw = 20 da base: sem laje, b2 nem é lido; vão nulo não muda bf.
TEST(SecaoT, calculadora_de_bf_pela_janela) {
    constexpr const char *interna = "Laje interna (b2)", *sem = "Sem laje";
    const struct {
        const char *Vinculo, *Vao, *Esquerdo, *B2, *Direito, *Bf;
    } casos[] = {{"Simplesmente apoiada", "500", interna, "300", interna, "120"},
                 {"Contínua num lado", "600", interna, "80", sem, "60"},
                 {"Balanço", "200", interna, "400", interna, "100"},
                 {"Balanço", "0", interna, "400", interna, "7"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(Junta(c.Vinculo, " ", c.Vao));
        Dimensionamento p;
        p.Form1.TextBf.Text = "7";
        ControlesCalculadoraBf& f = p.FormBf;
        f.ComboVinculo.Text = c.Vinculo, f.TextVao.Text = c.Vao;
        f.ComboLado = {Lista{c.Esquerdo}, Lista{c.Direito}};
        f.TextLado = {CaixaTexto{c.B2}, CaixaTexto{c.Direito == sem ? "x" : c.B2}};
        p.CalculaBf_Click();
        EXPECT_EQ(p.Form1.TextBf.Text, c.Bf);
        EXPECT_EQ(p.Form2.Visivel, *c.Vao == '0');
    }
}

} // namespace
} // namespace lumbrio
