// NBR 6118:2023 ao lado da 2003: parâmetros do concreto pelo fck, linha neutra
// limitada pela ductilidade e as verificações da norma.
#include "SecaoVerificada.h"
#include "calc/Dimensionamento.h"
#include "section/Verificacoes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace lumbrio {
namespace {

TEST(Norma, parametros_do_concreto_pelo_fck) {
    // fck (MPa), edição, λ, αc, εcu, εc2, ξlim: valores da tabela da norma.
    const struct {
        double fck;
        Norma n;
        double lambda, alfa, epsCu, epsC2, xi;
    } casos[] = {
        {35, Norma::NBR2003, 0.8, 0.85, 3.5, 2.0, 0.50},
        {40, Norma::NBR2003, 0.8, 0.85, 3.5, 2.0, 0.40},
        {70, Norma::NBR2003, 0.8, 0.85, 3.5, 2.0, 0.40},
        {50, Norma::NBR2023, 0.8, 0.85, 3.5, 2.0, 0.45},
        {60, Norma::NBR2023, 0.775, 0.8075, 2.88, 2.29, 0.35},
        {70, Norma::NBR2023, 0.75, 0.765, 2.66, 2.42, 0.35},
        {90, Norma::NBR2023, 0.7, 0.68, 2.6, 2.60, 0.35},
    };
    for (const auto& c : casos) {
        const ParametrosConcreto p = ParametrosDe(c.n, c.fck);
        SCOPED_TRACE(testing::Message() << c.fck << " MPa, " << TextoNorma(c.n));
        EXPECT_DOUBLE_EQ(p.Lambda, c.lambda);
        EXPECT_DOUBLE_EQ(p.AlfaC, c.alfa);
        EXPECT_NEAR(p.EpsCu, c.epsCu, 0.005); // três algarismos significativos
        EXPECT_NEAR(p.EpsC2, c.epsC2, 0.005);
        EXPECT_DOUBLE_EQ(p.XiLim, c.xi);
    }
}

Dimensionamento Secao(Norma n, double fckMPa, double MdKgfCm) {
    Dimensionamento p = teste::SecaoD45(fckMPa, n);
    teste::Armaduras(p, MdKgfCm);
    return p;
}

TEST(Norma, c30_a_2023_para_x_em_045_d_e_pede_armadura_de_compressao) {
    const Dimensionamento a = Secao(Norma::NBR2003, 30, 2300000);
    teste::Confere({{a.X, "21.74"}, {a.X / 45, "0.483"}});
    EXPECT_DOUBLE_EQ(a.AsNeg, 0);
    EXPECT_NEAR(a.AsPos, 14.57, 0.005);
    const Dimensionamento b = Secao(Norma::NBR2023, 30, 2300000);
    EXPECT_DOUBLE_EQ(b.XMax, 0.45 * 45);
    teste::Confere({{b.X, "20.25"}, {b.AsNeg, "0.69"}, {b.AsPos, "14.26"}});
}

TEST(Norma, c70_na_2023_usa_o_bloco_do_fck) {
    const Dimensionamento p = Secao(Norma::NBR2023, 70, 2800000);
    teste::Confere({{p.X, "12.06"}, {p.AsPos, "15.91"}});
    EXPECT_DOUBLE_EQ(p.EpsC, p.Concreto.EpsCu);
}

TEST(Norma, armadura_minima) {
    const auto taxa = [](Norma n, double fck, double d) {
        const double fcd = fck * 10 / 1.4;
        const double sigcd = ParametrosDe(n, fck).AlfaC * fcd;
        return ArmaduraMinima(n, 20, 50, d, sigcd, fcd, 5000 / 1.15, fck) / (20 * 50) * 100;
    };
    teste::Confere({{taxa(Norma::NBR2023, 25, 45), "0.150"},
                    {taxa(Norma::NBR2003, 40, 45), "0.230"},
                    {taxa(Norma::NBR2023, 40, 40), "0.178"},
                    {taxa(Norma::NBR2023, 70, 45), "0.206"},   // fctm = 2,12·ln(1 + 0,11·fck)
                    {taxa(Norma::NBR2023, 50, 45), "0.183"}}); // C50 ainda com 0,3·fck^(2/3)
    // Com d muito pequeno o concreto não resiste a Md,min.
    EXPECT_LT(ArmaduraMinima(Norma::NBR2023, 20, 50, 1, 100, 100, 4347.83, 25), 0);
}

// Acima de C90 a 2003 calcula com a nota; a recusa da 2023 está em programa_test.cpp.
TEST(Norma, classes_de_concreto_de_cada_edicao) {
    const std::tuple<const char*, const char*, bool> casos[] = {
        {"NBR 6118:2003", "20", false}, {"NBR 6118:2003", "50", false},
        {"NBR 6118:2003", "55", true},  {"NBR 6118:2023", "55", false},
        {"NBR 6118:2023", "90", false}, {"NBR 6118:2023", "19", true},
        {"NBR 6118:2003", "95", true}};
    for (const auto& [norma, fck, fora] : casos) {
        Dimensionamento p;
        p.Form1.ComboNorma.Text = norma;
        p.Form1.Text18.Text = fck;
        p.Programa();
        EXPECT_TRUE(p.HaResultados) << norma << " C" << fck;
        EXPECT_EQ(p.Verif.ClasseForaDaFaixa, fora) << norma << " C" << fck;
    }
    // O fck lido em MPa escolhe o bloco: C70 na 2023 tem λ = 0,8 − 20/400 = 0,75.
    Dimensionamento p;
    p.Form1.ComboNorma.Text = "NBR 6118:2023";
    p.Form1.Text18.Text = "70";
    p.Programa();
    EXPECT_DOUBLE_EQ(p.Concreto.Lambda, 0.75);
}

TEST(Norma, coeficientes_plausiveis_de_1_a_2) {
    const std::tuple<double, double, bool> casos[] = {{1.4, 1.15, false}, {1, 2, false},
                                                      {2, 1, false},      {0.99, 1.15, true},
                                                      {1.4, 2.01, true},  {14, 1.15, true}};
    for (const auto& [gc, gs, nota] : casos) {
        Dimensionamento p;
        p.Form1.Text21.Text = std::to_string(gc);
        p.Form1.Text22.Text = std::to_string(gs);
        p.Programa();
        EXPECT_EQ(p.Verif.CoeficienteImplausivel, nota) << gc << " " << gs;
    }
}

// Cada linha das verificações do cálculo completo: texto esperado e falha.
TEST(Norma, verificacoes_do_calculo_completo) {
    const struct {
        const char* nome;
        std::function<void(Dimensionamento&)> prepara;
        const char* grandeza;
        bool falha;
        const char* valor = nullptr; // o valor escrito, quando conferido
    } casos[] = {
        {"taxa acima de 4 %", [](auto& p) { p.Form1.Text17.Text = "60001"; }, "Armadura máxima",
         true},
        {"uma barra de 10 mm",
         [](auto& p) {
             p.Form1.Text17.Text = "100";
             p.Form1.Combo2[1].Text = "10 mm (3/8'')";
         },
         "Armadura mínima", true},
        {"uma barra de 40 mm", [](auto& p) { p.Form1.Text17.Text = "100"; }, "Armadura mínima",
         false},
        {"viga 12 x 25 com uma barra de 10 mm: As,min de 0,45 cm²",
         [](auto& p) {
             p.Form1.Text1.Text = "12";
             p.Form1.Text2.Text = "25";
             p.Form1.Text4.Text = "2";
             p.Form1.Combo3.Text = "5 mm";
             p.Form1.Combo2[1].Text = "10 mm (3/8'')";
             p.Form1.Text17.Text = "100";
         },
         "Armadura mínima", false, "As,min = 0.45 cm2"},
        {"viga alta pede pele", [](auto& p) { p.Form1.Text2.Text = "80"; }, "Armadura de pele",
         false, "1.60 cm2 por face"}, // 0,10 % de 20 × 80
        {"na 2023, no máximo 5 cm² por metro de altura",
         [](auto& p) {
             p.Form1.ComboNorma.Text = "NBR 6118:2023";
             p.Form1.Text1.Text = "60";
             p.Form1.Text2.Text = "100";
         },
         "Armadura de pele", false, "5.00 cm2 por face"},
        {"x/d acima do limite com domínio 4",
         [](auto& p) {
             p.Form1.Check4.Value = 1;
             p.Form1.Text17.Text = "30000";
         },
         "Ductilidade x/d", true, "CG 0.870, Real 0.802"},
        {"tolerância frouxa", [](auto& p) { p.Form8.Text1.Text = "100000"; }, "Equilíbrio", true},
        {"Es minúsculo", [](auto& p) { p.Form1.Text20.Text = "1"; }, "Equilíbrio", true},
        {"γc com vírgula", [](auto& p) { p.Form1.Text21.Text = "14"; }, "Coeficientes", true},
        {"C15", [](auto& p) { p.Form1.Text18.Text = "15"; }, "Classe do concreto", true,
         "fck = 15 MPa"},
    };
    for (const auto& c : casos) {
        Dimensionamento p;
        c.prepara(p);
        p.Programa();
        ASSERT_TRUE(p.HaResultados) << c.nome << ": " << p.Form2.Label1.Caption;
        const auto linhas = LinhasVerificacao(p.Verif);
        const auto l = std::find_if(linhas.begin(), linhas.end(),
                                    [&](const auto& k) { return k.Grandeza == c.grandeza; });
        ASSERT_NE(l, linhas.end()) << c.nome;
        EXPECT_EQ(l->Falha, c.falha) << c.nome << ": " << l->Texto();
        EXPECT_EQ(c.valor ? l->Valor : "", c.valor ? c.valor : "") << c.nome;
        // A linha chega à janela com a cor de alerta exatamente quando falha.
        const auto i = static_cast<std::size_t>(l - linhas.begin()) + 1;
        EXPECT_EQ(p.Form1.TextVerificacao[i].Text, l->Texto());
        EXPECT_EQ(p.Form1.TextVerificacao[i].BackColor, c.falha ? Cor::Alerta : Cor::Normal);
    }
    Dimensionamento p;
    p.Programa();
    ASSERT_NE(p.Form1.TextVerificacao[1].Text, "");
    p.Zera();
    EXPECT_EQ(p.Form1.TextVerificacao[1].Text, "");
}

} // namespace
} // namespace lumbrio
