// Comparação dos modelos: tabela das camadas do modelo Real contra a deformação
// única do modelo CG, Mrd nas duas unidades, regra dos 10 % e o aviso Mrd Real
// < Md.
#include "SecaoVerificada.h"
#include "calc/Catalogos.h"
#include "calc/Dimensionamento.h"
#include "output/Comparacao.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumbrio {
namespace {

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

// Projeto completo pela janela do núcleo: seção 20 × 50 com barras de 20 mm.
Dimensionamento Projeto(const char* Md, const char* Negativas = "40 mm") {
    Dimensionamento p;
    p.Form1.Text4.Text = "2.5";
    p.Form1.Combo3.Text = "5 mm";
    p.Form1.Text18.Text = "25";
    p.Form1.Text17.Text = Md;
    for (int i = 1; i <= 6; ++i) p.Form1.Combo2[i].Text = "20 mm (3/4'')";
    for (int i = 1; i <= 3; ++i) p.Form1.Combo4[i].Text = Negativas;
    p.Programa();
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

TEST(Comparacao, armadura_dupla_lista_as_camadas_negativas_comprimidas) {
    const Dimensionamento p = Projeto("25000", "16 mm (5/8'')");
    ASSERT_TRUE(p.HaResultados) << p.Form2.Label1.Caption;
    const Comparacao c = ComparaModelos(p);
    int negativas = 0;
    for (const CamadaReal& r : c.Camadas) {
        if (!r.Negativa) continue;
        ++negativas; // acima da linha neutra: comprimida
        EXPECT_TRUE(r.Bitola == 6 && r.Eps > 0 && !r.Tracionada()) << r.Camada;
    }
    EXPECT_GE(negativas, 1);
    EXPECT_TRUE(c.CGNeg.Existe && c.TemNeg && c.CGNeg.Eps > 0);
    EXPECT_GT(p.PctHNeg, 0);                             // %h' vale com barras na camada negativa 1
    Dimensionamento umaBarra = teste::SecaoVerificada(); // uma barra de 10 mm: 0,8 cm²
    umaBarra.AsReal = 0.8;
    EXPECT_TRUE(ComparaModelos(umaBarra).CGPos.Existe);
}

TEST(Comparacao, regra_dos_10_por_cento_e_estrita_e_so_conta_a_face_com_barras) {
    const struct {
        double pctPos, pctNeg, barrasNeg1;
        bool atendePos, temNeg, atendeNeg;
    } casos[] = {{10.0, 0, 0, true, false, true},
                 {10.01, 0, 0, false, false, true},
                 {4, 12.5, 2, true, true, false},
                 {4, 12.5, 0, true, false, true},
                 {11, 10.5, 3, false, true, false}};
    for (const auto& k : casos) {
        Dimensionamento p = SecaoComparada();
        p.PctHPos = k.pctPos;
        p.PctHNeg = k.pctNeg;
        p.NumBarrasNeg[1] = k.barrasNeg1;
        const Comparacao c = ComparaModelos(p);
        EXPECT_EQ(std::tuple(c.AtendePos, c.TemNeg, c.AtendeNeg),
                  std::tuple(k.atendePos, k.temNeg, k.atendeNeg))
            << k.pctPos << " " << k.pctNeg;
    }
}

TEST(Comparacao, aviso_quando_mrd_real_fica_abaixo_de_md) {
    // Md = 23000 KN.cm: 4 + 1 barras; Mrd CG = 23230,35 passa, Mrd Real =
    // 22905,71 não.
    const Dimensionamento abaixo = Projeto("23000");
    ASSERT_TRUE(abaixo.HaResultados);
    const Comparacao c = ComparaModelos(abaixo);
    EXPECT_TRUE(c.MrdRealAbaixoDeMd);
    EXPECT_GE(c.MrdCGKgfCm, abaixo.Md);
    EXPECT_EQ(AvisoMrdAbaixoDeMd(abaixo, c, ","),
              "Atenção: as barras colocadas, vistas camada a camada (modelo "
              "Real), não resistem "
              "ao momento para o qual foram dimensionadas: Mrd Real = 22905,71 < "
              "Md = 23000,00 "
              "KN.cm.");
    // Md = 22500 KN.cm: as mesmas barras resistem.
    const Dimensionamento resiste = Projeto("22500");
    const Comparacao r = ComparaModelos(resiste);
    EXPECT_FALSE(r.MrdRealAbaixoDeMd);
    EXPECT_EQ(AvisoMrdAbaixoDeMd(resiste, r), "");
}

TEST(Comparacao, texto_das_barras_como_se_escreve_no_projeto) {
    const struct {
        int barras, bitola;
        const char* sep;
        const char* texto;
    } casos[] = {{3, 7, ".", "3 φ 20 mm"},
                 {2, 5, ",", "2 φ 12,5 mm"},
                 {6, 10, ".", "6 φ 32 mm"},
                 {1, 1, ".", "1 φ 5 mm"},
                 {2, 11, ".", "2 φ 40 mm"}};
    for (const auto& c : casos) EXPECT_EQ(TextoBarras(c.barras, c.bitola, c.sep), c.texto);
}

} // namespace
} // namespace lumbrio
