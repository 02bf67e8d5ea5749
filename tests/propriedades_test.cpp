// Propriedades sobre milhares de seções aleatórias realistas (semente fixa):
// equilíbrio refeito à parte, áreas colocadas, espaçamentos, modelos iguais com
// uma só camada, término com resultado ou recusa.
#include "PastaTemporaria.h"
#include "calc/Catalogos.h"
#include "calc/Dimensionamento.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

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

// Rc − Rst (kgf) em x para as barras colocadas; Real põe cada camada na sua
// profundidade, CG as põe no centróide da face.
double Desequilibrio(const Dimensionamento& p, double x, bool real) {
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
    double rc = 0.8 * x * p.Base * tensao, rst = 0;
    for (int i = 1; i <= 6; ++i) {
        const double prof = real ? p.DLinhaPos[i] : p.DCG1;
        const double eps = epsC * ((p.Altura - prof) - x) / x;
        rst +=
            p.NumBarrasPos[i] * p.AreaBarra[p.BitolaPos[i]] * Tensao(eps, b, p.Fyd, p.Es, p.EpsYd);
    }
    for (int i = 1; i <= 3; ++i) {
        const double prof = real ? p.DLinhaNeg[i] : p.DCG2;
        const double eps = epsC * (x - prof) / x;
        rc +=
            p.NumBarrasNeg[i] * p.AreaBarra[p.BitolaNeg[i]] * Tensao(eps, b, p.Fyd, p.Es, p.EpsYd);
    }
    return rc - rst;
}

class Propriedades : public ::testing::Test {
  protected:
    static constexpr int NumSecoes = 3000;
};

TEST_F(Propriedades, cada_secao_termina_com_resultado_ou_recusa) {
    std::mt19937 g(20261206);
    int resultados = 0;
    for (int n = 0; n < NumSecoes; ++n) {
        Dimensionamento p = SecaoAleatoria(g);
        p.Programa();
        const bool recusa = p.Form2.Visivel;
        ASSERT_NE(recusa, p.HaResultados) << "seção " << n;
        if (recusa) {
            EXPECT_FALSE(p.Form2.Label1.Caption.empty());
            EXPECT_EQ(p.Form1.Text23.Text, "");
            continue;
        }
        ++resultados;
        EXPECT_LE(p.PassosPrograma, LimitePassosPrograma);
        EXPECT_LE(p.PassosCG, LimitePassosBusca);
        EXPECT_LE(p.PassosReal, LimitePassosBusca);
    }
    // A amostra é realista: a maioria das seções tem resultado.
    EXPECT_GT(resultados, NumSecoes / 2);
}

TEST_F(Propriedades, equilibrio_dos_dois_modelos_refeito_a_parte) {
    std::mt19937 g(7);
    for (int n = 0; n < NumSecoes; ++n) {
        Dimensionamento p = SecaoAleatoria(g);
        p.Programa();
        if (!p.HaResultados) continue;
        // A lei da classe B arredonda C para precisão simples: folga proporcional ao aço.
        const double folga = p.PrecisãoN + 1e-3 * (p.AsReal + p.AsNegReal) + 1e-9 * p.RccCG;
        EXPECT_LE(std::fabs(Desequilibrio(p, p.XCG, false)), folga)
            << "seção " << n << " CG, x = " << p.XCG;
        EXPECT_LE(std::fabs(Desequilibrio(p, p.XReal, true)), folga)
            << "seção " << n << " Real, x = " << p.XReal;
    }
}

TEST_F(Propriedades, areas_colocadas_e_espacamentos_reais) {
    std::mt19937 g(11);
    for (int n = 0; n < NumSecoes; ++n) {
        Dimensionamento p = SecaoAleatoria(g);
        p.Programa();
        if (!p.HaResultados) continue;
        const auto& f = p.Form1;
        if (f.Combo2[6].BackColor == Cor::Normal && !p.AsPosSemLimite) {
            EXPECT_GE(p.AsReal, p.AsPos) << "seção " << n;
        }
        if (f.Combo4[3].BackColor == Cor::Normal) {
            EXPECT_GE(p.AsNegReal, p.AsNeg) << "seção " << n;
        }
        for (int i = 1; i <= 6; ++i) {
            if (p.NumBarrasPos[i] >= 2) {
                EXPECT_GE(p.EspLivrePos[i], p.EspMinHorPos[i] - 1e-9) << "seção " << n;
            }
        }
        for (int i = 1; i <= 3; ++i) {
            if (p.NumBarrasNeg[i] >= 2) {
                EXPECT_GE(p.EspLivreNeg[i], p.EspMinHorNeg[i] - 1e-9) << "seção " << n;
            }
        }
    }
}

TEST_F(Propriedades, so_a_camada_1_e_sem_compressao_os_modelos_coincidem) {
    std::mt19937 g(13);
    int casos = 0;
    for (int n = 0; n < NumSecoes; ++n) {
        Dimensionamento p = SecaoAleatoria(g);
        p.Form1.Text17.Text = "0"; // pouco aço: cabe na camada 1
        p.Programa();
        if (!p.HaResultados || p.AsReal != p.NumBarrasPos[1] * p.AreaBarra[p.BitolaPos[1]] ||
            p.AsNegReal != 0)
            continue;
        ++casos;
        EXPECT_EQ(p.Form1.Text9.Text, p.Form1.Text10.Text) << "seção " << n;
        EXPECT_EQ(p.Form1.Text11.Text, p.Form1.Text12.Text) << "seção " << n;
        EXPECT_EQ(p.Form1.Text13.Text, p.Form1.Text14.Text) << "seção " << n;
        EXPECT_EQ(p.Form1.Text23.Text, p.Form1.Text24.Text) << "seção " << n;
    }
    EXPECT_GT(casos, NumSecoes / 2);
}

class GravaCarrega : public teste::PastaTemporaria {};

TEST_F(GravaCarrega, gravar_carregar_e_calcular_da_o_mesmo_painel) {
    std::mt19937 g(17);
    for (int n = 0; n < 300; ++n) {
        Dimensionamento a = SecaoAleatoria(g);
        a.Programa();
        const std::string recusa = a.Form2.Label1.Caption;
        a.Form2.Visivel = false;
        a.NomeArquivo = "secao.txt";
        a.Grava();
        ASSERT_FALSE(a.Form2.Visivel) << a.Form2.Label1.Caption;
        Dimensionamento b;
        b.NomeArquivo = "secao.txt";
        b.Carrega();
        ASSERT_FALSE(b.Form2.Visivel) << b.Form2.Label1.Caption;
        b.Programa();
        EXPECT_EQ(a.HaResultados, b.HaResultados) << "seção " << n;
        EXPECT_EQ(recusa, b.Form2.Label1.Caption) << "seção " << n;
        const auto& fa = a.Form1;
        const auto& fb = b.Form1;
        for (auto caixa :
             {&ControlesForm1::Text8, &ControlesForm1::Text33, &ControlesForm1::Text23,
              &ControlesForm1::Text24, &ControlesForm1::Text9, &ControlesForm1::Text10,
              &ControlesForm1::Text11, &ControlesForm1::Text12, &ControlesForm1::Text13,
              &ControlesForm1::Text14, &ControlesForm1::Text28, &ControlesForm1::Text27,
              &ControlesForm1::Text26, &ControlesForm1::Text29, &ControlesForm1::Text36,
              &ControlesForm1::Text38})
            EXPECT_EQ((fa.*caixa).Text, (fb.*caixa).Text) << "seção " << n;
        EXPECT_EQ(a.NumBarrasPos, b.NumBarrasPos) << "seção " << n;
        EXPECT_EQ(a.Desenho.size(), b.Desenho.size()) << "seção " << n;
    }
}

} // namespace
} // namespace lumbrio
