// Força cortante (item 17.4): exemplos de curso, limites de espaçamento e do estribo, o
// espaçamento abaixo do passo e os números enormes no CSV.
#include "SecaoVerificada.h"
#include "base/Numeros.h"
#include "program/Dimensionamento.h"
#include "section/Cortante.h"

#include <gtest/gtest.h>

namespace lumbrio {
namespace {

// Força cortante: exemplos de curso recalculados (C25, γc 1,4, γs 1,15; kN e cm²/m).
TEST(Cortante, exemplos_dos_modelos_I_e_II_e_armadura_minima) {
    const SecaoCortante s1{14, 46, 2.5, 250, 1.4, 1.15, 0.63, 0.315};
    const SecaoCortante s2{15, 31, 2.5, 250, 1.4, 1.15, 0.5, 0.2};
    // VRd2, Vc, Vsw (kN), Asw/s calculada e mínima (cm²/m), Vd,min (kN), s calculado,
    // adotado e s,máx (cm).
    const struct {
        const char* nome;
        SecaoCortante secao;
        EntradasCortante e;
        const char* esperados;
    } casos[] = {
        {"modelo I", s1, {true, 15300}, "279.5 49.6 103.4 5.75 1.44 75.4 11.0 10.5 27.6"},
        {"modelo II",
         s1,
         {true, 15300, ModeloTrelica::II},
         "242.0 22.9 130.1 4.17 1.44 85.2 15.1 15.0 27.6"},
        {"modelo II, α = 45°",
         s1,
         {true, 15300, ModeloTrelica::II, 30, 45},
         "381.7 34.1 118.9 3.42 1.02 80.3 18.4 18.0 27.6"},
        // CA-60: fywd limitada a 435 MPa; a mínima governa.
        {"CA-60, mínima",
         s2,
         {true, 3906, ModeloTrelica::I, 30, 90, 2, 6000},
         "201.8 35.8 3.3 0.27 1.28 51.3 31.2 18.5 18.6"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        const auto r = CalculaCortante(c.e, c.secao);
        teste::Confere({r.VRd2 / 100, r.Vc / 100, r.Vsw / 100, r.AswS * 100, r.AswSMin * 100,
                        r.VdMin / 100, r.SCalculado, r.S, r.SMax},
                       c.esperados);
    }
    // ρsw,min com CA-50 por classe.
    for (auto [fck, rho] : {std::pair{200.0, "0.0884"}, {250.0, "0.1026"}, {300.0, "0.1159"}})
        teste::Confere({{CalculaCortante({}, {14, 46, 2.5, fck}).RhoSwMin * 100, rho}});
}

// O espaçamento calculado abaixo do passo de 0,5 cm não vira 0: a verificação falha, na
// seção, na linha da janela e no CSV. Viga 200 × 50, C90, estribo de 5 mm com 12 ramos.
TEST(Cortante, espacamento_abaixo_do_passo_nao_atende) {
    const SecaoCortante secao{200, 45.5, 2.5, 900, 1.4, 1.15, 0.5, 0.19635};
    for (const auto& [vd, falha] : {std::pair{970000.0, false}, {980000.0, true}}) {
        const auto r = CalculaCortante({true, vd, ModeloTrelica::I, 30, 90, 12}, secao);
        SCOPED_TRACE(Junta("Vd = ", TextoDecimalCurto(vd),
                           ", s calculado = ", FormataNumero(r.SCalculado, 4)));
        EXPECT_EQ(r.SCalculado < PassoEspacamento, falha);
        EXPECT_EQ(r.FalhaS, falha);
        EXPECT_FALSE(r.FalhaBielas);
    }
    // De ponta a ponta, com cobrimento de 1,5 cm (d = 46 cm, VRd2 = 10 220 kN): Vd = 9 800
    // kN pede 0,51 cm e adota 0,5; Vd = 10 200 kN pede 0,49 cm.
    for (const auto& [vd, falha, texto, s] :
         {std::tuple{"9800", false, "Estribos: φ 5 mm c/ 0.5 cm, 12 ramos (limite s ≤ ", "0.5"},
          {"10200", true,
           "Estribos: φ 5 mm, 12 ramos: s = 0.49 cm (limite s ≥ 0.5 cm) — não atende", ""}}) {
        SCOPED_TRACE(vd);
        Dimensionamento p;
        auto& f = p.Form1;
        f.Text1.Text = "200", f.Text4.Text = "1.5", f.Text18.Text = "90";
        f.ComboNorma.Text = "NBR 6118:2023";
        f.Combo3.Text = "5 mm", f.TextRamos.Text = "12", f.TextVd.Text = vd;
        p.Form8.Text5.Text = "0"; // sem o mínimo prático: só o passo de 0,5 cm
        p.Programa();
        ASSERT_TRUE(p.HaResultados) << p.Form2.Label1.Caption;
        ASSERT_FALSE(p.ResCortante.FalhaBielas);
        const CaixaTexto* estribos = nullptr;
        for (const CaixaTexto& c : f.TextCortante)
            if (c.Text.starts_with("Estribos")) estribos = &c;
        ASSERT_NE(estribos, nullptr);
        EXPECT_TRUE(estribos->Text.starts_with(texto)) << estribos->Text;
        EXPECT_EQ(estribos->Text.find("c/ 0.0"), std::string::npos);
        EXPECT_EQ(estribos->BackColor == Cor::Alerta, falha);
        auto csv = teste::ColunasDoCsv(p);
        EXPECT_EQ(csv["s_estribo"], s);
        EXPECT_EQ(csv["alerta_estribo"], falha ? "1" : "0");
    }
}

// Um Vd enorme sai no CSV em notação científica, como nas linhas de verificação, e não
// com 300 algarismos; abaixo de 1E+9 kgf, com as casas de sempre.
TEST(Cortante, vd_enorme_no_csv_em_notacao_cientifica) {
    for (const auto& [vd, unidade, esperado] : {std::tuple{"1e300", "KN", "1.000E+302"},
                                                {"999999999.9", "Kgf", "999999999.9"},
                                                {"1e9", "Kgf", "1.000E+09"}}) {
        SCOPED_TRACE(Junta(vd, " ", unidade));
        Dimensionamento p;
        p.Form1.TextVd.Text = vd, p.Form1.ComboVd.Text = unidade;
        p.Programa();
        ASSERT_TRUE(p.HaResultados) << p.Form2.Label1.Caption;
        const auto csv = teste::ColunasDoCsv(p);
        EXPECT_EQ(csv.at("Vd"), esperado);
        for (const auto& [coluna, valor] : csv) EXPECT_LE(valor.size(), 16u) << coluna;
    }
}

} // namespace
} // namespace lumbrio
