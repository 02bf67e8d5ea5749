// Espaçamentos mínimos, "Tira 1 barra" e a trava das bitolas.
#include "arrangement/Arranjo.h"
#include "program/Dimensionamento.h"

#include <gtest/gtest.h>

namespace lumbrio {
namespace {

TEST(EspacamentosMinimos, maior_de_2_cm_diametro_agregado_e_minimo_do_usuario) {
    // Diâmetros das camadas 1 e 2 (cm), agregado, mínimos do usuário; esperados:
    // horizontal e vertical livres da camada 1 e distância entre centros 1–2.
    const struct {
        double fi1, fi2, agregado, usuarioH, usuarioV, h, v, centros;
    } casos[] = {
        {1.0, 1.0, 1, 0, 0, 2, 2, 3},        {1.25, 1.25, 2.5, 0, 0, 3, 2, 3.25},
        {1.25, 1.25, 5, 0, 0, 6, 2.5, 3.75}, {2.5, 3.2, 1, 0, 0, 2.5, 3.2, 6.05},
        {1.0, 1.0, 1, 4, 0, 4, 2, 3},        {1.0, 1.0, 1, 1.5, 3, 2, 3, 4},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message()
                     << "φ " << c.fi1 << " e " << c.fi2 << ", agregado " << c.agregado
                     << ", mínimos " << c.usuarioH << " e " << c.usuarioV);
        Camadas h{}, v{}, centros{};
        EspacamentosMinimos(6, {0, 1, 2, 2, 2, 2, 2}, {0, c.fi1, c.fi2}, c.agregado, c.usuarioH,
                            c.usuarioV, h, v, centros);
        EXPECT_EQ(std::pair(h[1], v[1]), std::pair(c.h, c.v));
        EXPECT_DOUBLE_EQ(centros[1], c.centros);
        EXPECT_EQ(centros[6], 0); // a última camada não tem vizinha
    }
    // Os mínimos de "Outros valores" chegam ao cálculo: 5 cm na vertical entre as
    // camadas de 40 mm põe a camada 2 a 8 + 5 + 4 = 17 cm da face.
    Dimensionamento p;
    p.Form8.Check1[1].Value = 1;
    p.Form8.Text4[1].Text = "5";
    p.Programa();
    EXPECT_DOUBLE_EQ(p.Pos.DLinha[2], 17);
}

// Retira da camada mais interna para a face; antes de um cálculo, com as entradas
// mudadas depois dele ou na última barra, só avisa.
TEST(TiraUmaBarra, retira_da_camada_mais_interna_para_a_face) {
    Dimensionamento p;
    p.Command3_Click();
    EXPECT_TRUE(p.Form2.Visivel);
    p.Form2.Visivel = false;
    p.Programa();
    p.Pos.NumBarras = {0, 3, 2, 0, 0, 0, 0};
    const double dcg2 = p.DCG2;
    p.Form1.Text2.Text = "80"; // entrada mudada depois do cálculo: pede um novo cálculo
    p.Command3_Click();
    EXPECT_TRUE(p.Form2.Visivel && p.Pos.NumBarras[1] == 3);
    p.Form2.Visivel = false;
    p.Form1.Text2.Text = "50";
    for (const auto& [camada1, camada2] : {std::pair{3, 1}, {3, 0}, {2, 0}, {1, 0}}) {
        SCOPED_TRACE(testing::Message() << "para " << camada1 << " e " << camada2 << " barras");
        p.Command3_Click();
        EXPECT_FALSE(p.Form2.Visivel) << p.Form2.Label1.Caption;
        EXPECT_EQ(p.Pos.NumBarras[1], camada1);
        EXPECT_EQ(p.Pos.NumBarras[2], camada2);
    }
    // O centróide e o painel acompanham as barras que ficaram.
    EXPECT_DOUBLE_EQ(p.DCG1, p.Pos.DLinha[1]);
    EXPECT_DOUBLE_EQ(p.DCG2, dcg2);
    EXPECT_DOUBLE_EQ(p.Altura, 50);
    EXPECT_EQ(p.Form1.Text33.Text, "12.50");
    const std::string mrd = p.Form1.Text23.Text;
    const std::size_t primitivas = p.Desenho.size();
    p.Command3_Click();
    EXPECT_TRUE(p.Form2.Visivel);
    EXPECT_DOUBLE_EQ(p.Pos.NumBarras[1], 1);
    EXPECT_EQ(p.Form1.Text23.Text, mrd);
    EXPECT_EQ(p.Desenho.size(), primitivas);
}

TEST(TravaDeBitolas, copia_so_para_a_mesma_face) {
    Dimensionamento p;
    p.Combo2_Click(7); // não há camada 7: nada acontece
    p.Combo4_Click(0), p.Combo4_Click(4);
    EXPECT_FALSE(p.HaResultados);
    p.Form1.Check1.Value = 1;
    p.Form1.Combo2[3].Text = "16 mm (5/8'')";
    p.Combo2_Click(3);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(p.Form1.Combo2[i].Text, "16 mm (5/8'')") << i;
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(p.Form1.Combo4[i].Text, "40 mm") << i;
    EXPECT_TRUE(p.HaResultados);
    EXPECT_EQ(p.Pos.Bitola[6], 6);
    p.Form1.Check1.Value = 0;
    p.Form1.Combo4[2].Text = "20 mm (3/4'')";
    p.Combo4_Click(2);
    EXPECT_EQ(p.Form1.Combo4[1].Text, "40 mm");
    EXPECT_EQ(p.Neg.Bitola[2], 7);
    p.Form1.Check1.Value = 1;
    p.Form1.Combo4[3].Text = "12.5 mm (1/2'')";
    p.Combo4_Click(3); // a última camada também trava as outras
    EXPECT_EQ(p.Form1.Combo4[1].Text, "12.5 mm (1/2'')");
    p.Form1.Combo4[1].Text = p.Form1.Combo2[1].Text = "20 mm (3/4'')";
    p.Combo4_Click(1); // e a primeira
    p.Combo2_Click(1);
    EXPECT_EQ(p.Form1.Combo4[3].Text + p.Form1.Combo2[6].Text, "20 mm (3/4'')20 mm (3/4'')");
}

} // namespace
} // namespace lumbrio
