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

// Lei do aço refeita à parte: a curva da classe B é resolvida por bisseção.
double Tensao(double eps, bool classeB, double fyd, double es, double epsYd) {
    const double e = std::fabs(eps);
    double s;
    if (!classeB)
        s = e >= epsYd ? fyd : es * e / 1000;
    else if (e <= 700 * fyd / es)
        s = es * e / 1000;
    else if (e >= epsYd)
        s = fyd;
    else {
        double lo = 0.7 * fyd, hi = fyd;
        for (int k = 0; k < 200; ++k) {
            const double m = (lo + hi) / 2;
            const double em = 1000 * (m / es + (m / fyd - 0.7) * (m / fyd - 0.7) / 45);
            (em < e ? lo : hi) = m;
        }
        s = (lo + hi) / 2;
    }
    return eps < 0 ? -s : s;
}

// Forças das barras colocadas em x: Rc − Rst (kgf) e o momento resistente em torno
// da face comprimida (kgf·cm), refeitos à parte. Real põe cada camada na sua
// profundidade, CG as põe no centróide da face.
struct Forcas {
    double Desequilibrio, Momento;
};

Forcas Refaz(const Dimensionamento& p, double x, bool real) {
    const double d = p.AlturaUtil;
    double epsC, tensao;
    if (x > d / 6) {
        epsC = x < 3.5 * d / 13.5 ? 10 * x / (d - x) : 3.5;
        tensao = p.SigCd;
    } else {
        epsC = 10 * x / (d - x);
        tensao = p.SigCd * epsC / 2;
    }
    const bool b = AcoClasseB(p.Form1.Combo1.Text);
    const double rcc = 0.8 * x * p.Base * tensao;
    double rc = rcc, rst = 0, m = -rcc * 0.4 * x;
    for (int i = 1; i <= 6; ++i) {
        const double prof = p.Altura - (real ? p.Pos.DLinha[i] : p.DCG1);
        const double eps = epsC * (prof - x) / x;
        const double f = p.Pos.NumBarras[i] * p.AreaBarra[p.Pos.Bitola[i]] *
                         Tensao(eps, b, p.Fyd, p.Es, p.EpsYd);
        rst += f;
        m += f * prof;
    }
    for (int i = 1; i <= 3; ++i) {
        const double prof = real ? p.Neg.DLinha[i] : p.DCG2;
        const double eps = epsC * (x - prof) / x;
        const double f = p.Neg.NumBarras[i] * p.AreaBarra[p.Neg.Bitola[i]] *
                         Tensao(eps, b, p.Fyd, p.Es, p.EpsYd);
        rc += f;
        m -= f * prof;
    }
    return {rc - rst, m};
}

// Cada seção termina com resultado ou recusa; com resultado, os dois modelos estão em
// equilíbrio e o seu Mrd é o momento das forças em torno da face comprimida; as áreas
// colocadas cobrem as teóricas, as barras respeitam o espaçamento mínimo e, com uma
// só camada e sem compressão, os dois modelos coincidem.
TEST(Propriedades, secoes_aleatorias) {
    constexpr int NumSecoes = 4000;
    std::mt19937 g(20261206);
    int resultados = 0, umaCamada = 0;
    for (int n = 0; n < NumSecoes; ++n) {
        Dimensionamento p = SecaoAleatoria(g);
        if (n % 4 == 0) p.Form1.Text17.Text = "0"; // pouco aço: cabe na camada 1
        p.Programa();
        SCOPED_TRACE(testing::Message() << "seção " << n);
        ASSERT_NE(p.Form2.Visivel, p.HaResultados);
        if (!p.HaResultados) {
            EXPECT_FALSE(p.Form2.Label1.Caption.empty());
            EXPECT_EQ(p.Form1.Text23.Text, "");
            continue;
        }
        ++resultados;
        // A lei da classe B arredonda C para precisão simples: folga proporcional ao aço.
        const double folga = p.PrecisãoN + 1e-3 * (p.AsReal + p.AsNegReal) + 1e-9 * p.RccCG;
        for (const bool real : {false, true}) {
            const double x = real ? p.XReal : p.XCG;
            const double mrd = real ? p.MrdReal : p.MrdCG;
            const Forcas r = Refaz(p, x, real);
            EXPECT_LE(std::fabs(r.Desequilibrio), folga) << (real ? "Real" : "CG");
            // Um resíduo de força desloca o momento de no máximo resíduo × altura.
            EXPECT_NEAR(r.Momento, mrd, folga * p.Altura + 1e-9 * std::fabs(mrd))
                << (real ? "Real" : "CG");
        }
        const bool coubePos = p.Form1.Combo2[6].BackColor == Cor::Normal && !p.AsPosSemLimite;
        EXPECT_TRUE(!coubePos || p.AsReal >= p.AsPos);
        EXPECT_TRUE(p.Form1.Combo4[3].BackColor == Cor::Alerta || p.AsNegReal >= p.AsNeg);
        for (int i = 1; i <= 6; ++i)
            EXPECT_TRUE(p.Pos.NumBarras[i] < 2 || p.Pos.EspLivre[i] >= p.Pos.EspMinHor[i] - 1e-9)
                << i;
        for (int i = 1; i <= 3; ++i)
            EXPECT_TRUE(p.Neg.NumBarras[i] < 2 || p.Neg.EspLivre[i] >= p.Neg.EspMinHor[i] - 1e-9)
                << i;
        // Um círculo por barra colocada, todos dentro da largura interna ao cobrimento.
        double barras = 0, circulos = 0;
        for (int i = 1; i <= 6; ++i) barras += p.Pos.NumBarras[i];
        for (int i = 1; i <= 3; ++i) barras += p.Neg.NumBarras[i];
        const double x0 = p.OrigemXSecao, s = p.EscalaSecao;
        for (const Primitiva& q : p.Desenho) {
            if (q.tipo != Primitiva::Tipo::Circulo) continue;
            ++circulos;
            EXPECT_TRUE(q.x1 - q.raio >= x0 + s * p.Cobrimento - 1 &&
                        q.x1 + q.raio <= x0 + s * (p.Base - p.Cobrimento) + 1);
        }
        EXPECT_EQ(circulos, barras);
        if (p.AsReal == p.Pos.NumBarras[1] * p.AreaBarra[p.Pos.Bitola[1]] && p.AsNegReal == 0) {
            ++umaCamada;
            for (const LinhaPainel& l : LinhasPainel) {
                if (l.Rotulo != "As") {
                    EXPECT_EQ((p.Form1.*l.CG).Text, (p.Form1.*l.Real).Text) << l.Rotulo;
                }
            }
        }
    }
    // A amostra é realista: a maioria das seções tem resultado, muitas numa camada.
    EXPECT_GT(resultados, NumSecoes / 2);
    EXPECT_GT(umaCamada, NumSecoes / 8);
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
