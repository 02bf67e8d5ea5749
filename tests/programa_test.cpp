// Cálculo completo pelo condutor: painel, recusas com mensagem e desenhos.
#include "PastaTemporaria.h"
#include "SecaoVerificada.h"
#include "output/Desenhos.h"
#include "output/Painel.h"
#include "program/Dimensionamento.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <tuple>

namespace lumbrio {
namespace {

// O painel completo do projeto padrão está em projetos.txt; aqui, fcd e σcd de C20 e
// as escalas dos desenhos, sempre com ponto (são entradas) e lidas como mostradas.
TEST(Programa, valores_de_projeto_preenchem_o_painel) {
    Dimensionamento p;
    p.SeparadorDecimal = ",";
    p.Programa();
    ASSERT_TRUE(p.HaResultados && !p.Form2.Visivel) << p.Form2.Label1.Caption;
    teste::Confere({{p.Fcd, "142.857"}, {p.SigCd, "121.429"}});
    const auto& f = p.Form1;
    EXPECT_EQ(Junta(f.Text25[1].Text, " ", f.Text3[1].Text, " ", f.Text38.Text, " ", f.Text29.Text,
                    " ", f.Text5.Text, " ", f.Text6.Text),
              "8,000 8,000 0,00 8,000 271.85 94.40");
    EXPECT_EQ(p.Form1.Label29.Caption, "KN.cm");
    // A forma fechada da linha neutra equilibra Md com o bloco.
    EXPECT_NEAR(p.MRcc, p.Md, 1e-9 * p.Md);
    p.Form1.Check3.Value = 0;
    p.Programa();
    EXPECT_DOUBLE_EQ(p.EscalaX, 271.85);
    EXPECT_EQ(f.Text5.ToolTipText + p.Estado, "");
    // Digitadas vazia e nula: as automáticas, ditas na caixa e na linha de estado.
    p.Form1.Text5.Text = "", p.Form1.Text6.Text = "0";
    p.Programa();
    EXPECT_EQ(Junta(f.Text5.Text, " ", f.Text6.Text), "271.85 94.40");
    EXPECT_FALSE(f.Text5.ToolTipText.empty() || f.Text6.ToolTipText.empty());
    EXPECT_NE(p.Estado.find("automática"), std::string::npos);
}

TEST(Painel, alerta_dos_10_por_cento_e_estrito) {
    Dimensionamento p;
    p.Programa();
    for (const double pct : {10.0, 10.01}) {
        p.PctHPos = p.PctHNeg = pct;
        p.Imprime();
        EXPECT_EQ(p.Form1.Text36.BackColor == Cor::Alerta, pct > 10) << pct;
        EXPECT_EQ(p.Form1.Text38.BackColor == Cor::Alerta, pct > 10) << pct;
    }
    EXPECT_EQ(p.Form1.Text36.Text, "10.01");
    p.XCG = 12.5;
    p.PctHPos = 0;
    p.Imprime();
    EXPECT_EQ(p.Form1.Text15.Text, "5.00");
    // O painel sai do cálculo: %h dentro do limite volta à cor normal.
    EXPECT_EQ(p.Form1.Text36.BackColor, Cor::Normal);
    p.PctHPos = 10.5;
    p.Imprime();
    p.Zera();
    EXPECT_EQ(p.Form1.Text36.BackColor, Cor::Normal);
    EXPECT_EQ(p.Form1.Text8.Text, "");
    EXPECT_TRUE(p.Desenho.empty());
    EXPECT_FALSE(p.Form1.Text26.Text.empty()); // d'CG1 fica até o próximo cálculo
}

// Cada recusa: painel limpo, mensagem no diálogo e o programa segue.
using D = Dimensionamento;
const struct CasoRecusa {
    const char* nome;
    void (*prepara)(D&);
    const char* trecho; // parte da mensagem
} Recusas[] = {
    {"base_zero", [](D& p) { p.Form1.Text1.Text = "0"; }, "base"},
    {"base_absurda", [](D& p) { p.Form1.Text1.Text = "20000"; }, "10000 cm"},
    {"md_estourado", [](D& p) { p.Form1.Text17.Text = "1e400"; }, "grande demais"},
    {"es_subnormal", [](D& p) { p.Form1.Text20.Text = "1e-320"; }, "módulo Es é pequeno demais"},
    {"gama_s_subnormal", [](D& p) { p.Form1.Text22.Text = "1e-320"; }, "γs é pequeno demais"},
    {"agregado_sem_numero", [](D& p) { p.Form8.Text2.Text = "xyz"; },
     "agregado graúdo deve ser um número maior que zero"},
    {"agregado_enorme", [](D& p) { p.Form8.Text2.Text = "1e308"; },
     "agregado graúdo deve ser no máximo"},
    {"espacamento_enorme",
     [](D& p) { p.Form8.Check1[0].Value = 1, p.Form8.Text4[0].Text = "1e308"; },
     "horizontal mínimo"},
    {"x_maximo_acima_de_1", [](D& p) { p.Form1.Check5.Value = 1, p.Form1.Text19.Text = "1.0001"; },
     "entre 0 e 1 .d"},
    {"x_maximo_negativo", [](D& p) { p.Form1.Check5.Value = 1, p.Form1.Text19.Text = "-0.5"; },
     "entre 0 e 1 .d"},
    {"c95_na_2023",
     [](D& p) { p.Form1.Text18.Text = "95", p.Form1.ComboNorma.Text = "NBR 6118:2023"; }, "90 MPa"},
    {"altura_vazia", [](D& p) { p.Form1.Text2.Text = ""; }, "altura"},
    {"gama_c_zero", [](D& p) { p.Form1.Text21.Text = "0"; }, "γc"},
    {"gama_s_zero", [](D& p) { p.Form1.Text22.Text = "x"; }, "γs"},
    {"es_infinito", [](D& p) { p.Form1.Text20.Text = "1e999"; }, "Es"},
    {"fck_zero", [](D& p) { p.Form1.Text18.Text = "0"; }, "fck"},
    {"md_negativo", [](D& p) { p.Form1.Text17.Text = "-5"; }, "Md"},
    {"gama_c_minusculo", [](D& p) { p.Form1.Text21.Text = "1e-310"; }, "As = fora do alcance"},
    {"cobrimento_enorme", [](D& p) { p.Form1.Text4.Text = "1e308"; }, "d = fora do alcance"},
    {"md_nan", [](D& p) { p.Form1.Text17.Text = "NaN"; }, "Md deve ser um número."},
    {"md_vazio", [](D& p) { p.Form1.Text17.Text = " "; }, "Md deve ser um número."},
    {"cobrimento_inf", [](D& p) { p.Form1.Text4.Text = "inf"; }, "cobrimento (cm) deve ser"},
    {"cobrimento_entre_aspas", [](D& p) { p.Form1.Text4.Text = "\"1,5\""; }, "cobrimento"},
    {"unidade_desconhecida", [](D& p) { p.Form1.Combo6.Text = "psi"; }, "\"psi\""},
    {"aco_desconhecido", [](D& p) { p = D{}, p.Form1.Combo1.Text = "Aço CA-40"; }, "Aço CA-40"},
    {"bitola_sem_indice_anterior", [](D& p) { p = D{}, p.Form1.Combo2[2].Text = "12 mm"; },
     "camada positiva 2"},
    // Depois de um cálculo, um texto fora da lista não reaproveita o valor anterior.
    {"bitola_desconhecida_apos_calculo", [](D& p) { p.Form1.Combo2[1].Text = "12 mm"; },
     "camada positiva 1"},
    {"aco_com_letra_o_apos_calculo", [](D& p) { p.Form1.Combo1.Text = "Aço CA-5OA"; }, "CA-5OA"},
    {"estribo_desconhecido", [](D& p) { p = D{}, p.Form1.Combo3.Text = "12.5 mm (1/2'')"; },
     "estribo"},
    {"x_maximo_nulo", [](D& p) { p.Form1.Check5.Value = 1, p.Form1.Text19.Text = ""; }, "x máximo"},
    {"nenhuma_barra_cabe", [](D& p) { p.Form1.Text1.Text = "13"; }, "bw = 1.00 cm."},
    {"altura_util_negativa", [](D& p) { p.Form1.Text2.Text = "6"; }, "d = -2.00 cm não é positiva"},
    // 23 x 39 cm, 12,5 mm na camada 1 e 40 mm nas demais, Md além de x34.
    {"d_menor_que_dcg2",
     [](D& p) {
         p.Form1.Text1.Text = "23", p.Form1.Text2.Text = "39", p.Form1.Text17.Text = "30000";
         p.Form1.Combo2[1].Text = "12.5 mm (1/2'')";
     },
     "não comporta"},
    // Achados do fuzzing: 5,5e41 twips por mil e εyd de 1e42 ‰ punham desenhos fora
    // do alcance das coordenadas.
    {"escala_x_fora_dos_desenhos",
     [](D& p) {
         p.Form1.Check3.Value = 0, p.Form1.Text5.Text = "5.5e41", p.Form1.Text6.Text = "0";
     },
     "escala X"},
    {"es_minusculo_nao_cabe_no_desenho",
     [](D& p) {
         p.Form1.Combo7.Text = "MPa", p.Form1.Text20.Text = "5e-40";
         p.Form1.Combo1.Text = "Aço CA-60B";
     },
     "desenhos"},
    {"vd_sem_numero", [](D& p) { p.Form1.TextVd.Text = "1,5"; }, "Vd deve ser um número"},
    {"vd_negativo", [](D& p) { p.Form1.TextVd.Text = "-1"; }, "Vd deve ser um número"},
    {"teta_abaixo", [](D& p) { p.Form1.TextTeta.Text = "29.99"; },
     "θ das bielas (graus) deve "
     "ser um número de 30 a 45"},
    {"alfa_acima", [](D& p) { p.Form1.TextAlfa.Text = "91"; },
     "α dos estribos (graus) deve "
     "ser um número de 45 a 90"},
    {"um_ramo", [](D& p) { p.Form1.TextRamos.Text = "1"; },
     "ramos do estribo deve ser um número "
     "de 2 a 12"},
    {"ramos_fracionarios", [](D& p) { p.Form1.TextRamos.Text = "2.5"; }, "deve ser inteiro"},
    {"unidade_de_vd", [](D& p) { p.Form1.ComboVd.Text = "kN"; }, "unidade de Vd"},
    {"modelo_III", [](D& p) { p.Form1.ComboModelo.Text = "Modelo III"; }, "modelo de cálculo"},
    {"mser_negativo", [](D& p) { p.Form1.TextMser.Text = "-1"; }, "Mser deve ser um número"},
    // Positivos que não cabem no cálculo: grandes demais, não "maior ou igual a zero".
    {"mser_fora_do_alcance", [](D& p) { p.Form1.TextMser.Text = "1e308"; },
     "Mser é grande demais para o cálculo."},
    {"vd_fora_do_alcance", [](D& p) { p.Form1.TextVd.Text = "1e306", p.Form1.ComboVd.Text = "Tf"; },
     "Vd é grande demais para o cálculo."},
    {"classe_V", [](D& p) { p.Form1.ComboCAA.Text = "V"; }, "Classe de agressividade"}};

TEST(Programa, cada_recusa_limpa_o_painel_e_explica) {
    const auto ocupada = [](const CaixaTexto& t) {
        return !t.Text.empty() || t.BackColor != Cor::Normal || !t.ToolTipText.empty();
    };
    // Linhas ocupadas das verificações, da cortante e da fissuração.
    const auto linhas = [&](const ControlesForm1& f) {
        return std::tuple{std::ranges::count_if(f.TextVerificacao, ocupada),
                          std::ranges::count_if(f.TextCortante, ocupada),
                          std::ranges::count_if(f.TextFissuracao, ocupada)};
    };
    for (const CasoRecusa& c : Recusas) {
        SCOPED_TRACE(c.nome);
        Dimensionamento p;
        p.Form1.TextVd.Text = "100", p.Form1.TextMser.Text = "60";
        p.Programa(); // um cálculo anterior deixa o painel e as três listas de linhas cheios
        ASSERT_TRUE(p.HaResultados);
        const auto [verificacao, cortante, fissuracao] = linhas(p.Form1);
        ASSERT_TRUE(verificacao && cortante && fissuracao);
        for (auto& l : p.Form1.Combo2) l.BackColor = Cor::Alerta; // camadas cheias antes
        for (auto& l : p.Form1.Combo4) l.BackColor = Cor::Alerta;
        ParaCadaCaixaZerada(p.Form1,
                            [](CaixaTexto& t) { t.BackColor = Cor::Alerta, t.ToolTipText = "x"; });
        c.prepara(p);
        p.Programa();
        EXPECT_FALSE(p.HaResultados);
        EXPECT_TRUE(p.Form2.Visivel);
        const std::string msg = p.Form2.Label1.Caption + " " + p.Form2.Label2.Caption;
        EXPECT_NE(msg.find(c.trecho), std::string::npos) << msg;
        EXPECT_TRUE(p.Desenho.empty());
        int cheias = 0;
        ParaCadaCaixaZerada(p.Form1, [&](const CaixaTexto& t) { cheias += ocupada(t); });
        for (int i = 1; i <= 6; ++i) cheias += p.Form1.Combo2[i].BackColor != Cor::Normal;
        for (int i = 1; i <= 3; ++i) cheias += p.Form1.Combo4[i].BackColor != Cor::Normal;
        EXPECT_EQ(cheias, 0);
        EXPECT_EQ(linhas(p.Form1), std::tuple(0, 0, 0)) << "verificações, cortante, fissuração";
        // O estado da análise também volta a zero: nada do cálculo anterior fica nele.
        for (const double v :
             {p.X, p.EpsC, p.Rcc, p.MRcc, p.AlturaUtil, p.Pos.AsRestante, p.AsNeg, p.Pos.Eps[1]})
            EXPECT_EQ(v, 0);
    }
}

TEST(Programa, classe_b_com_precisao_fina_termina) {
    for (const char* precisao : {"0.01", "0.0001", "0"}) {
        SCOPED_TRACE(precisao);
        Dimensionamento p;
        p.Form1.Combo1.Text = "Aço CA-50B";
        p.Form1.Combo2[1].Text = "16 mm (5/8'')";
        p.Form8.Text1.Text = precisao;
        p.Form8.Text3.Text = precisao;
        p.Form1.Text17.Text = "2000";
        p.Programa();
        EXPECT_TRUE(p.HaResultados) << p.Form2.Label1.Caption;
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

// As primitivas em texto, uma por linha: tipo, coordenadas em twips e cor.
std::string Primitivas(const Dimensionamento& p) {
    std::ostringstream o;
    o << std::fixed << std::setprecision(2);
    for (const Primitiva& q : p.Desenho) {
        if (q.tipo == Primitiva::Tipo::Linha)
            o << "L " << q.x1 << ' ' << q.y1 << ' ' << q.x2 << ' ' << q.y2;
        else
            o << "C " << q.x1 << ' ' << q.y1 << " r " << q.raio;
        o << " cor " << q.cor << '\n';
    }
    return o.str();
}

// Viga 20 x 50 com Md = 5000 KN.cm e barras de 16 mm: diagrama, contorno, estribo,
// barras e cruzes de 90 twips nos centróides, conferidos à mão contra as escalas (OX = 3730,
// OY = 3805, 271,85 twips por mil, 94,4 twips por cm) e guardados em desenho-20x50.txt.
// Com armadura dupla (Md = 25000, 20 mm e 16 mm): as barras negativas a 6,8 e 10,4 cm
// da face comprimida (y = 4446,92 e 4786,76) e a deformação do aço de 1,9594 por mil.
TEST(Desenhos, todas_as_primitivas_da_viga_20x50) {
    for (const char* md : {"5000", "25000"}) {
        SCOPED_TRACE(Junta("Md = ", md));
        Dimensionamento p;
        p.Form1.Text17.Text = md;
        const bool simples = md[0] == '5';
        teste::PoeBitolas(p, simples ? "16 mm (5/8'')" : "20 mm (3/4'')",
                          simples ? "40 mm" : "16 mm (5/8'')");
        p.Programa();
        ASSERT_TRUE(p.HaResultados);
        teste::ConfereReferencia(md[0] == '5' ? "desenho-20x50.txt" : "desenho-20x50-dupla.txt",
                                 Primitivas(p));
        // Com 94,4 twips por cm: 6,29 px a 96 px por polegada, escala 1:6.
        const std::string legenda = LegendaDosDesenhos(p, 96)[0];
        EXPECT_NE(legenda.find("= 6.29 px (escala 1:6 a 96 px"), std::string::npos) << legenda;
    }
    // T 60/20 × 50 com a mesa de 10 cm em cima, a 67,17 twips por cm (a mesa cabe): a mesa
    // de x = 7420 a 11450 e y = 3805 a 4476,67, a alma de 8763,33 a 10106,67, conferidos à mão.
    Dimensionamento t;
    t.Form1.Text17.Text = "5000", t.Form1.ComboSecao.Text = "T";
    t.Form1.TextBf.Text = "60", t.Form1.TextHf.Text = "10";
    t.Programa();
    ASSERT_TRUE(t.HaResultados) << t.MensagemErro;
    teste::ConfereReferencia("desenho-20x50-T.txt", Primitivas(t));
}

} // namespace
} // namespace lumbrio

namespace lumbrio {
namespace {

// Um projeto depois de outro no mesmo estado (a janela, um trabalhador do lote) dá a
// cortante e a fissuração de um estado novo: o último resultado guardado só vale para
// as mesmas entradas.
TEST(Programa, cortante_e_fissuracao_de_um_projeto_depois_de_outro) {
    const auto prepara = [](Dimensionamento& p, const char* Base, const char* Md) {
        p.Form1.Text1.Text = Base, p.Form1.Text17.Text = Md;
        p.Form1.TextVd.Text = "120", p.Form1.TextMser.Text = "6000";
    };
    Dimensionamento usado;
    for (const auto& [base, md] : {std::pair{"20", "10000"}, {"25", "10000"}, {"25", "14000"}}) {
        SCOPED_TRACE(Junta("b = ", base, ", Md = ", md));
        prepara(usado, base, md);
        usado.Programa();
        Dimensionamento novo;
        prepara(novo, base, md);
        novo.Programa();
        ASSERT_TRUE(usado.HaResultados && novo.HaResultados);
        EXPECT_EQ(usado.ResCortante.VRd2, novo.ResCortante.VRd2);
        EXPECT_EQ(usado.ResCortante.S, novo.ResCortante.S);
        EXPECT_EQ(usado.ResFissuracao.WkMax, novo.ResFissuracao.WkMax);
        EXPECT_EQ(usado.ResFissuracao.SigmaReal, novo.ResFissuracao.SigmaReal);
    }
}

// Depois de "Tira 1 barra" as barras que ficam vão de canto a canto do estribo, como numa
// camada cheia (a 2023 põe duas na camada 1: ver projetos.txt).
TEST(Arranjo, tira_1_barra_espalha_as_que_ficam) {
    Dimensionamento p;
    teste::Viga20x50C30(p, "130", "16 mm (5/8'')");
    p.Programa();
    ASSERT_EQ(p.Pos.NumBarras[1], 4);
    ASSERT_EQ(p.Pos.NumBarras[2], 0);
    for (int n : {3, 2}) {
        p.Command3_Click();
        SCOPED_TRACE(n);
        EXPECT_EQ(p.Pos.NumBarras[1], n);
        EXPECT_DOUBLE_EQ(p.Pos.EspLivre[1], (p.LarguraInterna() - n * 1.6) / (n - 1));
        EXPECT_FALSE(p.Verif.FalhaBarrasCamada1);
    }
}

// Entradas sem silêncio: vírgula no fator de x máximo, fator acima do limite da edição
// dito na barra de estado, e a unidade de Mser que segue a de Md até o usuário escolher.
TEST(Programa, fator_de_x_maximo_com_virgula_e_limitado_com_aviso) {
    for (const auto& [fator, recusa, aviso] : {std::tuple{"0,45", "", ""},
                                               {"0,46", "", "0.450·d"},
                                               {"1", "", "0.450·d"},
                                               {"0,3,0", "O fator de x máximo deve ser", ""}}) {
        Dimensionamento p;
        teste::Viga20x50C30(p, "150");
        p.Form1.Check5.Value = 1, p.Form1.Text19.Text = fator;
        p.Programa();
        EXPECT_TRUE(p.MensagemErro.starts_with(recusa) && p.HaResultados == !*recusa) << fator;
        EXPECT_EQ(p.Estado.empty(), !*aviso) << fator;
        EXPECT_NE(p.Estado.find(aviso), std::string::npos) << fator;
    }
    Dimensionamento p;
    p.Form1.Combo5.Text = "KN.m", p.Combo5_Click();
    p.Form1.ComboMser.Text = "Kgf.cm", p.ComboMser_Click();
    p.Form1.Combo5.Text = "Tf.m", p.Combo5_Click();
    EXPECT_EQ(p.Form1.ComboMser.Text, "Kgf.cm"); // o usuário escolheu: não segue mais
    p.Form1.ComboMser.Text = "Tf.m", p.ComboMser_Click(), p.Form1.Combo5.Text = "KN.m";
    p.Combo5_Click();
    EXPECT_EQ(p.Form1.ComboMser.Text, "KN.m"); // a mesma de Md: volta a seguir
}

} // namespace
} // namespace lumbrio
