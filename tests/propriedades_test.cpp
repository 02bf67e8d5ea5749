// Propriedades sobre milhares de seções aleatórias realistas (semente fixa).
#include "base/Catalogos.h"
#include "output/Painel.h"
#include "program/Dimensionamento.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

namespace lumbrio {
namespace {

// Seção aleatória: b 12–60 cm, h 25–150 cm, cobrimento 1,5–5 cm, fck 15–50 MPa,
// os seis aços, todas as bitolas, Md de 0 até além da armadura dupla.
Dimensionamento SecaoAleatoria(std::mt19937& g) {
    auto real = [&](double a, double b) { return std::uniform_real_distribution<>(a, b)(g); };
    auto inteiro = [&](int a, int b) { return std::uniform_int_distribution<>(a, b)(g); };
    auto texto = [](double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.4g", v);
        return std::string(buf);
    };
    Dimensionamento p;
    auto& f = p.Form1;
    const double b = std::round(real(12, 60)), h = std::round(real(25, 150));
    const double fck = std::round(real(15, 50));
    f.Text1.Text = texto(b);
    f.Text2.Text = texto(h);
    f.Text4.Text = texto(real(1.5, 5));
    f.Text18.Text = texto(fck);
    f.Combo1.Text = std::string(ItensCombo1[inteiro(0, 5)]);
    f.Combo3.Text = std::string(TabelaBitolas[inteiro(0, 3)].Texto);
    const int base = inteiro(3, 10); // bitolas realistas de 8 a 40 mm, às vezes misturadas
    for (int i = 1; i <= 6; ++i)
        f.Combo2[i].Text =
            std::string(TabelaBitolas[inteiro(0, 3) == 0 ? inteiro(2, 10) : base].Texto);
    for (int i = 1; i <= 3; ++i)
        f.Combo4[i].Text = std::string(TabelaBitolas[inteiro(2, 10)].Texto);
    // Md em kgf·cm até 1,3 vez o momento do concreto em x = d.
    const double sigcd = 0.85 * fck * 10 / 1.4;
    const double mlim = 0.48 * b * sigcd * (0.9 * h) * (0.9 * h);
    f.Combo5.Text = "Kgf.cm";
    f.Text17.Text = texto(real(0, 1.3) * mlim);
    f.Check4.Value = inteiro(0, 1);
    f.Check5.Value = inteiro(0, 1);
    f.Text19.Text = texto(real(0.3, 1));
    f.Check1.Value = inteiro(0, 1);
    p.Form8.Text2.Text = texto(real(0.5, 3));
    const char* precisoes[] = {"100", "10", "1", "0.01"};
    p.Form8.Text1.Text = precisoes[inteiro(0, 3)];
    p.Form8.Text3.Text = precisoes[inteiro(0, 3)];
    p.Form8.Check1[0].Value = inteiro(0, 2);
    p.Form8.Text4[0].Text = texto(real(0, 5));
    p.Form8.Check1[1].Value = inteiro(0, 2);
    p.Form8.Text4[1].Text = texto(real(0, 5));
    return p;
}

// As barras que um dimensionamento colocou, digitadas de volta, dão bit a bit o mesmo
// equilíbrio nos dois modelos, nas duas edições; só são recusadas barras comprimidas
// sobre as tracionadas (o dimensionamento não confere a altura).
TEST(Propriedades, barras_digitadas_de_volta_dao_o_mesmo_calculo) {
    std::mt19937 g(20261207);
    int conferidas = 0;
    for (int n = 0; n < 300; ++n) {
        Dimensionamento p = SecaoAleatoria(g);
        p.Form1.ComboNorma.Text = std::string(ItensNorma[static_cast<std::size_t>(n % 2)]);
        p.Programa();
        Dimensionamento v = p;
        v.Form1.CheckVerifica.Value = 1;
        for (std::size_t i = 1; i <= 6; ++i) {
            v.Form1.TextBarrasPos[i].Text = TextoDecimalCurto(p.Pos.NumBarras[i]);
            if (i <= 3) v.Form1.TextBarrasNeg[i].Text = TextoDecimalCurto(p.Neg.NumBarras[i]);
        }
        v.Programa();
        SCOPED_TRACE(testing::Message() << "seção " << n << ": " << v.MensagemErro);
        if (!p.HaResultados || v.MensagemErro.find("alcança a camada") != std::string::npos)
            continue;
        conferidas += v.HaResultados;
        EXPECT_EQ(std::tie(v.MrdCG, v.MrdReal, v.XCG, v.XReal, v.DominioCG, v.DominioReal,
                           v.Pos.Eps, v.Neg.Eps),
                  std::tie(p.MrdCG, p.MrdReal, p.XCG, p.XReal, p.DominioCG, p.DominioReal,
                           p.Pos.Eps, p.Neg.Eps));
    }
    EXPECT_GT(conferidas, 150);
}

} // namespace
} // namespace lumbrio
