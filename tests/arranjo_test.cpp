// Espaçamentos mínimos, capacidade das camadas, distribuição das barras,
// espaçamentos reais e "Tira 1 barra".
#include "arrangement/Arranjo.h"
#include "calc/Dimensionamento.h"

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
        const Bitolas bitola{0, 1, 2, 2, 2, 2, 2};
        const Diametros diametro{0, c.fi1, c.fi2};
        Camadas h{}, v{}, centros{};
        EspacamentosMinimos(6, bitola, diametro, c.agregado, c.usuarioH, c.usuarioV, h, v, centros);
        EXPECT_DOUBLE_EQ(h[1], c.h) << c.fi1 << " " << c.agregado;
        EXPECT_DOUBLE_EQ(v[1], c.v) << c.fi1 << " " << c.agregado;
        EXPECT_DOUBLE_EQ(centros[1], c.centros) << c.fi1 << " " << c.agregado;
        EXPECT_DOUBLE_EQ(centros[6], 0); // a última camada não tem vizinha
    }
}

// O mínimo do usuário só vale com a caixa marcada (valor 1) e lê o número inicial.
TEST(EspacamentosMinimos, minimo_do_usuario_so_vale_marcado) {
    const std::tuple<int, const char*, double> casos[] = {{1, "4", 4},  {0, "4", 2}, {2, "4", 2},
                                                          {1, "-3", 2}, {1, "x", 2}, {1, "3,5", 3}};
    for (const auto& [marcado, texto, minimo] : casos) {
        Dimensionamento p; // sem bitola nem agregado: o mínimo fixo é 2 cm
        p.NumCamadasPos = p.NumCamadasNeg = 2;
        p.Form8.Check1 = {Marcador{marcado}, Marcador{marcado}};
        p.Form8.Text4 = {CaixaTexto{texto}, CaixaTexto{texto}};
        p.EspMinimosPos();
        p.EspMinimosNeg();
        EXPECT_DOUBLE_EQ(p.EspMinHorPos[1], minimo) << marcado << " " << texto;
        EXPECT_DOUBLE_EQ(p.EspMinHorNeg[1], minimo) << marcado << " " << texto;
        EXPECT_DOUBLE_EQ(p.EspMinVertPos[1], minimo) << marcado << " " << texto; // vertical
    }
}

// Barras de 12,5 mm (φ = 1,25 cm, A = 1,25 cm²), 3 cm livres: em bw = 14 cm cabem
// exatamente 4 (4·1,25 + 3·3 = 14).
const Bitolas Bitola125{0, 1, 1, 1, 1, 1, 1};
const Diametros Diametro125{0, 1.25};

TEST(Capacidades, maior_n_que_cabe_na_largura_e_negativa_conta_como_zero) {
    const Camadas eh{0, 3, 3, 3, 3, 3, 3};
    for (const auto& [bw, n] : {std::pair{14.0, 4.0}, {13.99, 3.0}, {1.0, 0.0}, {-5.0, 0.0}}) {
        Camadas max{};
        Capacidades(6, bw, Bitola125, Diametro125, eh, max);
        EXPECT_EQ(max, (Camadas{0, n, n, n, n, n, n})) << bw;
    }
}

TEST(Distribuicao, parte_inteira_mais_um_camada_a_camada_ate_4_barras) {
    const Camadas max{0, 4, 4, 4, 4, 4, 4};
    const std::pair<double, Camadas> casos[] = {
        {3.0, {0, 3}},    // q = 2,4
        {2.5, {0, 3}},    // q = 2 exato: 3 barras, não 2
        {5.0, {0, 4, 1}}, // q = 4: passa da capacidade
        {7.5, {0, 4, 3}},   {0, {0, 1}},
        {999999999999, max}}; // sem limite: enche as seis e transborda
    for (const auto& [area, barras] : casos) {
        double resta = area;
        std::string fim;
        Camadas n{};
        bool transborda = false;
        for (int i = 1; i <= 6 && fim != "sim"; ++i)
            transborda = DistribuiCamada(i, 6, 1.25, max, resta, fim, n);
        EXPECT_EQ(n, barras) << area;
        EXPECT_EQ(fim, "sim");
        EXPECT_EQ(transborda, area > 100) << area;
    }
}

TEST(Distribuicao, espacamentos_reais_com_duas_barras_ou_mais) {
    Camadas livre{0, 0, 9.5, 7}, hor{};
    EspacamentosReais(3, 14, Bitola125, Diametro125, {0, 3, 1, 0}, livre, hor);
    EXPECT_EQ(livre, (Camadas{0, 5.125, 9.5, 7})); // uma barra ou nenhuma: fica o anterior
    EXPECT_DOUBLE_EQ(hor[1], 6.375);
}

TEST(TiraUmaBarra, retira_da_camada_mais_interna_para_a_face) {
    Dimensionamento p;
    p.Programa();
    ASSERT_TRUE(p.HaResultados);
    p.NumBarrasPos = {0, 3, 2, 0, 0, 0, 0};
    const double dcg2 = p.DCG2;
    p.Form1.Text2.Text = "80"; // entrada mudada depois do cálculo: não vale
    const std::array<std::array<double, 2>, 4> esperado{{{3, 1}, {3, 0}, {2, 0}, {1, 0}}};
    for (const auto& e : esperado) {
        p.Command3_Click();
        EXPECT_FALSE(p.Form2.Visivel) << p.Form2.Label1.Caption;
        EXPECT_DOUBLE_EQ(p.NumBarrasPos[1], e[0]);
        EXPECT_DOUBLE_EQ(p.NumBarrasPos[2], e[1]);
    }
    // O centróide e o painel acompanham as barras que ficaram.
    EXPECT_DOUBLE_EQ(p.DCG1, p.DLinhaPos[1]);
    EXPECT_DOUBLE_EQ(p.DCG2, dcg2);
    EXPECT_DOUBLE_EQ(p.Altura, 50);
    EXPECT_EQ(p.Form1.Text33.Text, "12.50");
    EXPECT_FALSE(p.Desenho.empty());
}

TEST(TiraUmaBarra, antes_do_calculo_ou_na_ultima_barra_nada_muda) {
    Dimensionamento p;
    p.Command3_Click();
    EXPECT_TRUE(p.Form2.Visivel);
    p.Form2.Visivel = false;
    p.Programa(); // valores de projeto: uma barra de 40 mm
    ASSERT_DOUBLE_EQ(p.NumBarrasPos[1], 1);
    const std::string mrd = p.Form1.Text23.Text;
    const std::size_t primitivas = p.Desenho.size();
    p.Command3_Click();
    EXPECT_TRUE(p.Form2.Visivel);
    EXPECT_DOUBLE_EQ(p.NumBarrasPos[1], 1);
    EXPECT_EQ(p.Form1.Text23.Text, mrd);
    EXPECT_EQ(p.Desenho.size(), primitivas);
}

TEST(TravaDeBitolas, copia_so_para_a_mesma_face) {
    Dimensionamento p;
    p.Combo2_Click(7); // não há camada 7: nada acontece
    p.Combo4_Click(0);
    EXPECT_FALSE(p.HaResultados);
    p.Form1.Check1.Value = 1;
    p.Form1.Combo2[3].Text = "16 mm (5/8'')";
    p.Combo2_Click(3);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(p.Form1.Combo2[i].Text, "16 mm (5/8'')");
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(p.Form1.Combo4[i].Text, "40 mm");
    EXPECT_EQ(p.Form1.Combo3.Text, "10 mm (3/8'')");
    EXPECT_TRUE(p.HaResultados);
    EXPECT_EQ(p.BitolaPos[6], 6);

    p.Form1.Check1.Value = 0;
    p.Form1.Combo4[2].Text = "20 mm (3/4'')";
    p.Combo4_Click(2);
    EXPECT_EQ(p.Form1.Combo4[1].Text, "40 mm");
    EXPECT_EQ(p.BitolaNeg[2], 7);
    p.Form1.Check1.Value = 1;
    p.Form1.Combo4[3].Text = "12.5 mm (1/2'')";
    p.Combo4_Click(3); // a última camada também trava as outras
    EXPECT_EQ(p.Form1.Combo4[1].Text, "12.5 mm (1/2'')");
    p.Form1.Combo4[1].Text = p.Form1.Combo2[1].Text = "20 mm (3/4'')";
    p.Combo4_Click(1); // e a primeira
    p.Combo2_Click(1);
    EXPECT_EQ(p.Form1.Combo4[3].Text, "20 mm (3/4'')");
    EXPECT_EQ(p.Form1.Combo2[6].Text, "20 mm (3/4'')");
}

} // namespace
} // namespace lumbrio
