// Cálculo completo pelo condutor: painel, recusas com mensagem e desenhos.
#include "calc/Dimensionamento.h"
#include "output/Painel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace lumbrio {
namespace {

TEST(Programa, valores_de_projeto_preenchem_o_painel) {
    Dimensionamento p;
    p.Programa();
    ASSERT_TRUE(p.HaResultados) << p.Form2.Label1.Caption;
    EXPECT_FALSE(p.Form2.Visivel);
    int vazias = 0;
    ParaCadaCaixaZerada(p.Form1, [&](const CaixaTexto& c) { vazias += c.Text.empty(); });
    EXPECT_EQ(vazias, 1); // só "10%h"
    EXPECT_EQ(p.Form1.Text30.Text, "");
    EXPECT_EQ(p.Form1.Label29.Caption, "KN.cm");
    // Fck = 20 MPa: fcd = 142,857 e σcd = 121,429 kgf/cm²; 40 mm e estribo de 10 mm.
    EXPECT_NEAR(p.Fcd, 142.857, 0.0005);
    EXPECT_NEAR(p.SigCd, 121.429, 0.0005);
    EXPECT_EQ(p.Form1.Text25[1].Text, "8.000");
    EXPECT_EQ(p.Form1.Text25[6].Text, "48.000");
    EXPECT_EQ(p.Form1.Text3[3].Text, "24.000");
    EXPECT_EQ(p.Form1.Text5.Text, "271.85");
    EXPECT_EQ(p.Form1.Text6.Text, "94.40");
    p.SeparadorDecimal = ",";
    p.Programa();
    EXPECT_EQ(p.Form1.Text25[1].Text, "8,000");
}

TEST(Programa, primeira_passagem_usa_d_de_43_cm) {
    Dimensionamento p;
    p.Form1.Combo2[1].Text = "20 mm (3/4'')";
    p.Form1.Combo4[1].Text = "20 mm (3/4'')";
    p.Form1.Text17.Text = "100"; // cabe na camada 1: uma só passagem
    p.Programa();
    ASSERT_TRUE(p.HaResultados);
    EXPECT_DOUBLE_EQ(p.DLinhaPos[1], 7.0);
    EXPECT_DOUBLE_EQ(p.AlturaUtil, 43);
    EXPECT_EQ(p.PassosPrograma, 1);
    EXPECT_EQ(p.Form1.Text29.Text, "7.000"); // sem armadura de compressão
    EXPECT_DOUBLE_EQ(p.AsNeg, 0);
}

TEST(Programa, mrd_na_unidade_escolhida) {
    Dimensionamento p;
    p.Form1.Combo5.Text = "Kgf.cm";
    p.Form1.Text17.Text = "1000000";
    p.Programa();
    const std::string kgfcm = p.Form1.Text23.Text;
    p.Form1.Combo5.Text = "Kgf.m";
    p.Form1.Text17.Text = "10000";
    p.Programa();
    EXPECT_EQ(p.Form1.Label29.Caption, "Kgf.m");
    EXPECT_NEAR(std::stod(p.Form1.Text23.Text) * 100, std::stod(kgfcm), 0.5);
    EXPECT_NEAR(p.MrdCG * 100, std::stod(kgfcm), 0.5); // convertido no próprio estado
}

TEST(Painel, alerta_dos_10_por_cento_e_estrito) {
    Dimensionamento p;
    p.Programa();
    ASSERT_TRUE(p.HaResultados);
    p.PctHPos = 10;
    p.PctHNeg = 10.01;
    p.Imprime();
    EXPECT_EQ(p.Form1.Text36.BackColor, Cor::Normal);
    EXPECT_EQ(p.Form1.Text38.BackColor, Cor::Alerta);
    EXPECT_EQ(p.Form1.Text36.Text, "10.00");
    p.XCG = 12.5;
    p.Imprime();
    EXPECT_EQ(p.Form1.Text15.Text, "5.00");
    EXPECT_EQ(p.Form1.Text38.BackColor, Cor::Alerta); // só Zera volta à cor normal
    p.Zera();
    EXPECT_EQ(p.Form1.Text38.BackColor, Cor::Normal);
    EXPECT_EQ(p.Form1.Text8.Text, "");
    EXPECT_TRUE(p.Desenho.empty());
    EXPECT_FALSE(p.Form1.Text26.Text.empty()); // d'CG1 fica até o próximo cálculo
}

TEST(Painel, x_igual_a_d_deixa_as_vazio) {
    Dimensionamento p;
    p.Form1.Check4.Value = 1; // domínio 4 permitido, x máximo = d
    p.Form1.Text17.Text = "100000";
    p.Programa();
    ASSERT_TRUE(p.HaResultados) << p.Form2.Label1.Caption;
    EXPECT_TRUE(p.AsPosSemLimite);
    EXPECT_EQ(p.Form1.Text8.Text, "");
    EXPECT_EQ(p.Form1.Combo2[6].BackColor, Cor::Alerta);
    EXPECT_FALSE(p.Form1.Text33.Text.empty());
}

// Cada recusa: painel limpo, mensagem no diálogo e o programa segue.
struct CasoRecusa {
    const char* nome;
    std::function<void(Dimensionamento&)> prepara;
    const char* trecho; // parte da mensagem
};

class Recusas : public ::testing::TestWithParam<CasoRecusa> {};

TEST_P(Recusas, limpa_o_painel_e_explica) {
    Dimensionamento p;
    p.Programa(); // um cálculo anterior deixa o painel cheio
    ASSERT_TRUE(p.HaResultados);
    for (auto& c : p.Form1.Combo2) c.BackColor = Cor::Alerta; // camadas cheias antes
    for (auto& c : p.Form1.Combo4) c.BackColor = Cor::Alerta;
    GetParam().prepara(p);
    p.Programa();
    EXPECT_FALSE(p.HaResultados);
    EXPECT_TRUE(p.Form2.Visivel);
    const std::string msg = p.Form2.Label1.Caption + " " + p.Form2.Label2.Caption;
    EXPECT_NE(msg.find(GetParam().trecho), std::string::npos) << msg;
    EXPECT_EQ(p.Form1.Text23.Text, "");
    EXPECT_EQ(p.Form1.Text8.Text, "");
    EXPECT_EQ(p.Form1.Text25[1].Text, "");
    EXPECT_TRUE(p.Desenho.empty());
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(p.Form1.Combo2[i].BackColor, Cor::Normal);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(p.Form1.Combo4[i].BackColor, Cor::Normal);
    // O estado da análise também volta a zero: nada do cálculo anterior fica nele.
    for (const double v : {p.X, p.EpsC, p.Rcc, p.MRcc, p.AlturaUtil, p.AsPosRestante, p.AsNeg})
        EXPECT_EQ(v, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Entradas, Recusas,
    ::testing::Values(
        CasoRecusa{"base_zero", [](Dimensionamento& p) { p.Form1.Text1.Text = "0"; }, "base"},
        CasoRecusa{"base_absurda", [](Dimensionamento& p) { p.Form1.Text1.Text = "20000"; },
                   "10000 cm"},
        CasoRecusa{"base_estourada",
                   [](Dimensionamento& p) { p.Form1.Text1.Text = "1e999999999999"; }, "10000 cm"},
        CasoRecusa{"md_estourado", [](Dimensionamento& p) { p.Form1.Text17.Text = "1e400"; },
                   "grande demais"},
        CasoRecusa{"es_subnormal", [](Dimensionamento& p) { p.Form1.Text20.Text = "1e-320"; },
                   "módulo Es é pequeno demais"},
        CasoRecusa{"gama_s_subnormal", [](Dimensionamento& p) { p.Form1.Text22.Text = "1e-320"; },
                   "γs é pequeno demais"},
        CasoRecusa{"agregado_enorme", [](Dimensionamento& p) { p.Form8.Text2.Text = "1e308"; },
                   "agregado graúdo deve ser no máximo"},
        CasoRecusa{"espacamento_enorme",
                   [](Dimensionamento& p) {
                       p.Form8.Check1[0].Value = 1;
                       p.Form8.Text4[0].Text = "1e308";
                   },
                   "horizontal mínimo"},
        CasoRecusa{"altura_vazia", [](Dimensionamento& p) { p.Form1.Text2.Text = ""; }, "altura"},
        CasoRecusa{"gama_c_zero", [](Dimensionamento& p) { p.Form1.Text21.Text = "0"; }, "γc"},
        CasoRecusa{"gama_s_zero", [](Dimensionamento& p) { p.Form1.Text22.Text = "x"; }, "γs"},
        CasoRecusa{"es_infinito", [](Dimensionamento& p) { p.Form1.Text20.Text = "1e999"; }, "Es"},
        CasoRecusa{"fck_zero", [](Dimensionamento& p) { p.Form1.Text18.Text = "0"; }, "fck"},
        CasoRecusa{"md_negativo", [](Dimensionamento& p) { p.Form1.Text17.Text = "-5"; }, "Md"},
        CasoRecusa{"md_infinito", [](Dimensionamento& p) { p.Form1.Text17.Text = "9e999"; }, "Md"},
        CasoRecusa{"unidade_desconhecida", [](Dimensionamento& p) { p.Form1.Combo6.Text = "psi"; },
                   "\"psi\""},
        CasoRecusa{"aco_desconhecido",
                   [](Dimensionamento& p) {
                       p = Dimensionamento{};
                       p.Form1.Combo1.Text = "Aço CA-40";
                   },
                   "Aço CA-40"},
        CasoRecusa{"bitola_sem_indice_anterior",
                   [](Dimensionamento& p) {
                       p = Dimensionamento{};
                       p.Form1.Combo2[2].Text = "12 mm";
                   },
                   "camada positiva 2"},
        // Depois de um cálculo, um texto fora da lista não reaproveita o valor anterior.
        CasoRecusa{"bitola_desconhecida_apos_calculo",
                   [](Dimensionamento& p) { p.Form1.Combo2[1].Text = "12 mm"; },
                   "camada positiva 1"},
        CasoRecusa{"aco_com_letra_o_apos_calculo",
                   [](Dimensionamento& p) { p.Form1.Combo1.Text = "Aço CA-5OA"; }, "CA-5OA"},
        CasoRecusa{"estribo_desconhecido",
                   [](Dimensionamento& p) {
                       p = Dimensionamento{};
                       p.Form1.Combo3.Text = "12.5 mm (1/2'')";
                   },
                   "estribo"},
        CasoRecusa{"x_maximo_nulo",
                   [](Dimensionamento& p) {
                       p.Form1.Check5.Value = 1;
                       p.Form1.Text19.Text = "";
                   },
                   "x máximo"},
        CasoRecusa{"nenhuma_barra_cabe", [](Dimensionamento& p) { p.Form1.Text1.Text = "13"; },
                   "bw"},
        CasoRecusa{"altura_util_negativa", [](Dimensionamento& p) { p.Form1.Text2.Text = "6"; },
                   "altura útil"},
        CasoRecusa{"d_menor_que_dcg2",
                   [](Dimensionamento& p) {
                       // 23 x 39 cm, 12,5 mm na camada 1 e 40 mm nas demais, Md além de x34.
                       p.Form1.Text1.Text = "23";
                       p.Form1.Text2.Text = "39";
                       p.Form1.Combo2[1].Text = "12.5 mm (1/2'')";
                       p.Form1.Text17.Text = "30000";
                   },
                   "não comporta"},
        CasoRecusa{"escala_x_fora_dos_desenhos",
                   [](Dimensionamento& p) {
                       // Achado do fuzzing: 5,5e41 twips por mil estourava as coordenadas.
                       p.Form1.Check3.Value = 0;
                       p.Form1.Text5.Text = "550000000000000032424267218475380950171648.00";
                       p.Form1.Text6.Text = "0";
                   },
                   "escala X"},
        CasoRecusa{"es_minusculo_nao_cabe_no_desenho",
                   [](Dimensionamento& p) {
                       // Achado do fuzzing: εyd de 1e42 ‰ punha a linha de escoamento
                       // fora do alcance das coordenadas.
                       p.Form1.Combo7.Text = "MPa";
                       p.Form1.Text20.Text = "5e-40";
                       p.Form1.Combo1.Text = "Aço CA-60B";
                   },
                   "desenhos"},
        CasoRecusa{"agregado_infinito", [](Dimensionamento& p) { p.Form8.Text2.Text = "1e400"; },
                   "agregado"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Programa, classe_b_com_precisao_fina_termina) {
    for (const char* precisao : {"0.01", "0.0001", "0"}) {
        Dimensionamento p;
        p.Form1.Combo1.Text = "Aço CA-50B";
        p.Form1.Combo2[1].Text = "16 mm (5/8'')";
        p.Form8.Text1.Text = precisao;
        p.Form8.Text3.Text = precisao;
        p.Form1.Text17.Text = "2000";
        p.Programa();
        EXPECT_TRUE(p.HaResultados) << precisao << ": " << p.Form2.Label1.Caption;
        EXPECT_LT(p.PassosCG, LimitePassosBusca);
        EXPECT_LT(std::abs(p.ResiduoCG), 1.0);
    }
}

TEST(Programa, precisao_m_enorme_termina_em_x_de_1_cm) {
    Dimensionamento p;
    p.Form1.Text17.Text = "1000"; // domínio 2a
    p.Form8.Text3.Text = "1e9";
    p.Programa();
    ASSERT_TRUE(p.HaResultados);
    EXPECT_EQ(p.PassosDescobreX, 1);
}

// Linha esperada: extremos em twips e cor.
struct LinhaEsperada {
    double x1, y1, x2, y2;
    int cor;
};

void ConfereLinha(const Primitiva& q, const LinhaEsperada& e, int n) {
    EXPECT_EQ(q.tipo, Primitiva::Tipo::Linha) << "primitiva " << n;
    EXPECT_NEAR(q.x1, e.x1, 0.01) << "primitiva " << n;
    EXPECT_NEAR(q.y1, e.y1, 0.01) << "primitiva " << n;
    EXPECT_NEAR(q.x2, e.x2, 0.01) << "primitiva " << n;
    EXPECT_NEAR(q.y2, e.y2, 0.01) << "primitiva " << n;
    EXPECT_EQ(q.cor, e.cor) << "primitiva " << n;
}

TEST(Desenhos, todas_as_primitivas_da_viga_20x50) {
    Dimensionamento p;
    p.Form1.Combo2[1].Text = "16 mm (5/8'')";
    p.Form1.Text17.Text = "5000";
    p.Programa();
    ASSERT_TRUE(p.HaResultados);
    // Molduras padrão com "Auto.": OX = 3730, OY = 3805, EX = 3670 / 13,5, EY = 94,4;
    // as linhas longas terminam em 7410 + 4050 − 10 = 11450.
    const double OX = 3730, OY = 3805, EX = 3670 / 13.5, EY = 94.4, xR = 11450, h = 50;
    const double ys = OY + EY * (h - p.DCG1);
    const int F = CorPrimeiroPlano, G = CorVerdeClaro, R = CorVermelhoClaro, C = CorCinza;
    const LinhaEsperada diagrama[] = {
        {OX, OY + EY * h, OX + 10 * EX, OY + EY * h, F},
        {OX, ys, xR, ys, F},
        {OX + 10 * EX, OY + EY * h, OX + 10 * EX, OY, F},
        {OX + 10 * EX, OY, 7400, OY, F},
        {OX, ys, 7400, OY, F},
        {OX + EX * (10 - p.EpsYd), ys, OX + EX * (10 - p.EpsYd), ys + 10, G},
        {OX + 12 * EX, OY, OX + 12 * EX, OY - 10, G},
        {OX + EX * (10 - p.EpsS1CG), ys, OX + EX * (10 + p.EpsCCG), OY, R},
        {OX, OY + EY * p.XCG, xR, OY + EY * p.XCG, F},
        {OX + EX * (10 - p.EpsYd), OY + EY * p.XEscoamento, xR, OY + EY * p.XEscoamento, G}};
    // Seção na escala 94,4: contorno, estribo de 10 mm com cobrimento de 5 cm.
    const double X0 = 7420, Y0 = 3805, s = 94.4;
    const LinhaEsperada secao[] = {{X0, Y0, X0 + 1888, Y0, F},
                                   {X0 + 1888, Y0, X0 + 1888, Y0 + 4720, F},
                                   {X0 + 1888, Y0 + 4720, X0, Y0 + 4720, F},
                                   {X0, Y0 + 4720, X0, Y0, F},
                                   {X0 + 5 * s, Y0 + 5 * s, X0 + 15 * s, Y0 + 5 * s, C},
                                   {X0 + 15 * s, Y0 + 5 * s, X0 + 15 * s, Y0 + 45 * s, C},
                                   {X0 + 15 * s, Y0 + 45 * s, X0 + 5 * s, Y0 + 45 * s, C},
                                   {X0 + 5 * s, Y0 + 45 * s, X0 + 5 * s, Y0 + 5 * s, C},
                                   {X0 + 6 * s, Y0 + 6 * s, X0 + 14 * s, Y0 + 6 * s, C},
                                   {X0 + 14 * s, Y0 + 6 * s, X0 + 14 * s, Y0 + 44 * s, C},
                                   {X0 + 14 * s, Y0 + 44 * s, X0 + 6 * s, Y0 + 44 * s, C},
                                   {X0 + 6 * s, Y0 + 44 * s, X0 + 6 * s, Y0 + 6 * s, C}};
    const auto& d = p.Desenho;
    const int barras = static_cast<int>(p.NumBarrasPos[1]);
    ASSERT_EQ(p.NumBarrasPos[2], 0);
    ASSERT_GE(barras, 2);
    ASSERT_EQ(d.size(), 10u + 12u + static_cast<std::size_t>(barras) + 4u);
    for (int n = 0; n < 10; ++n) ConfereLinha(d[n], diagrama[n], n);
    for (int n = 0; n < 12; ++n) ConfereLinha(d[10 + n], secao[n], 10 + n);
    // Barras de 16 mm da camada 1: a primeira encosta no estribo, as outras seguem.
    for (int j = 0; j < barras; ++j) {
        const Primitiva& c = d[22 + j];
        EXPECT_EQ(c.tipo, Primitiva::Tipo::Circulo);
        EXPECT_NEAR(c.x1, X0 + s * (6 + 0.8) + s * j * p.EspHorPos[1], 0.01) << "barra " << j;
        EXPECT_NEAR(c.y1, Y0 + s * (h - 6.8), 0.01) << "barra " << j;
        EXPECT_NEAR(c.raio, s * 0.8, 0.001);
        EXPECT_EQ(c.cor, F);
    }
    // A última barra encosta no estribo à direita.
    EXPECT_NEAR(d[21 + barras].x1, X0 + s * (14 - 0.8), 0.01);
    // Cruzes de 90 twips (6 pixels) nos centróides: d'CG1 = 6,8 cm e d'CG2 = 8 cm (40 mm).
    const double px = X0 + s * 10, p1 = Y0 + s * (h - 6.8), p2 = Y0 + s * 8, m = 45;
    const LinhaEsperada cruzes[] = {{px, p1 - m, px, p1 + m, R},
                                    {px - m, p1, px + m, p1, R},
                                    {px, p2 - m, px, p2 + m, R},
                                    {px - m, p2, px + m, p2, R}};
    for (int n = 0; n < 4; ++n) ConfereLinha(d[22 + barras + n], cruzes[n], 22 + barras + n);
}

TEST(Auto, marca_desabilita_as_escalas) {
    Dimensionamento p;
    p.Form1.Check3.Value = 0;
    p.Check3_Click();
    EXPECT_TRUE(p.Form1.Text5.Enabled);
    EXPECT_TRUE(p.Form1.Text6.Enabled);
    p.Form1.Check3.Value = 1;
    p.Check3_Click();
    EXPECT_FALSE(p.Form1.Text5.Enabled);
    EXPECT_FALSE(p.Form1.Text6.Enabled);
}

} // namespace
} // namespace lumbrio
