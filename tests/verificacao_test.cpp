// Verificação de uma armadura dada: as barras digitadas, os valores de referência do
// livro, as recusas de camadas que não cabem, Md opcional e os estribos dados.
#include "SecaoVerificada.h"
#include "output/Relatorio.h"
#include "output/TextosVerificacao.h"
#include "program/Dimensionamento.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace lumbrio {
namespace {

// 20 × 50, C20, CA-50A, NBR 6118:2023, estribo de 6,3 mm, barras de 16 mm.
Dimensionamento Viga20x50(const char* Cobrimento, const char* Md) {
    Dimensionamento p;
    p.Form1.ComboNorma.Text = "NBR 6118:2023";
    p.Form1.Text4.Text = Cobrimento;
    p.Form1.Text17.Text = Md;
    p.Form1.Combo3.Text = "6.3 mm (1/4'')";
    teste::PoeBitolas(p, "16 mm (5/8'')", "16 mm (5/8'')");
    return p;
}

// Marca a verificação com as barras de cada camada positiva e negativa.
void Dadas(Dimensionamento& p, std::initializer_list<const char*> Pos,
           std::initializer_list<const char*> Neg = {}) {
    p.Form1.CheckVerifica.Value = 1;
    std::size_t i = 1;
    for (const char* n : Pos) p.Form1.TextBarrasPos[i++].Text = n;
    i = 1;
    for (const char* n : Neg) p.Form1.TextBarrasNeg[i++].Text = n;
}

TEST(Verificacao, quatro_phi_16_do_livro_como_o_dimensionamento_as_coloca) {
    Dimensionamento projeto = Viga20x50("2.57", "13000");
    projeto.Programa();
    ASSERT_TRUE(projeto.HaResultados);
    ASSERT_EQ(projeto.Pos.NumBarras[1] + projeto.Pos.NumBarras[2], 4);
    Dimensionamento p = Viga20x50("2.57", "");
    Dadas(p, {"4"});
    p.Programa();
    ASSERT_TRUE(p.HaResultados) << p.MensagemErro;
    teste::Confere({p.XCG, p.XReal, p.MrdCG / 100, p.MrdReal / 100},
                   "17.90 17.90 13507.44 13507.44");
    EXPECT_EQ(p.DominioCG + p.DominioReal, "33");
    EXPECT_EQ(p.MrdReal, projeto.MrdReal);
    // Sem Md: só a resistência, sem "Mrd ≥ Md".
    EXPECT_FALSE(p.Verif.FalhaMrdCG || p.Verif.FalhaMrdReal);
    EXPECT_FALSE(p.Verif.TemMd);
    // O relatório diz que é uma verificação e lista as barras dadas entre os dados.
    const Relatorio r = MontaRelatorio(p);
    EXPECT_EQ(r.Titulo, "Relatório de cálculo — Verificação");
    const auto& dados = std::get<Tabela>(r.Secoes[0].Blocos[0]).Linhas;
    EXPECT_EQ(
        std::ranges::count_if(
            dados, [](const LinhaTabela& l) { return l.Celulas[0].starts_with("Barras dadas"); }),
        1);
    EXPECT_EQ(MontaRelatorio(projeto).Titulo, "Relatório de cálculo");
    // Md de um lado e do outro de Mrd: a utilização passa de 1 e "Mrd ≥ Md" falha.
    for (const auto& [md, falha] : {std::pair{"13507", false}, std::pair{"13508", true}}) {
        SCOPED_TRACE(md);
        p.Form1.Text17.Text = md;
        p.Programa();
        EXPECT_EQ(p.Verif.FalhaMrdReal, falha);
        EXPECT_EQ(p.Verif.UtilReal > 1, falha);
        EXPECT_DOUBLE_EQ(p.Verif.UtilCG * p.MrdCG, p.Md);
    }
    // "Tira 1 barra" tira da caixa da camada: a verificação continua nas barras digitadas.
    p.Command3_Click();
    EXPECT_EQ(p.Form1.TextBarrasPos[1].Text, "3");
    EXPECT_EQ(p.Pos.NumBarras[1], 3);
}

// 4 + 3 φ16 e 4 φ12,5 comprimidas: o dimensionamento atende a x/d no limite, as barras
// dadas passam dele.
TEST(Verificacao, barras_dadas_julgam_a_ductilidade_pelo_x_delas) {
    Dimensionamento projeto = Viga20x50("2.5", "21000");
    for (std::size_t i = 4; i <= 6; ++i) projeto.Form1.Combo2[i].Text = "40 mm";
    for (std::size_t i = 1; i <= 3; ++i) projeto.Form1.Combo4[i].Text = "12.5 mm (1/2'')";
    projeto.Programa();
    ASSERT_TRUE(projeto.HaResultados);
    EXPECT_EQ(projeto.Pos.NumBarras, (PorCamada{0, 4, 3, 0, 0, 0, 0}));
    EXPECT_EQ(projeto.Neg.NumBarras, (PorCamada{0, 4, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(projeto.Verif.FalhaDuctilidade);
    Dimensionamento p = projeto;
    Dadas(p, {"4", "3"}, {"4"});
    p.Programa();
    ASSERT_TRUE(p.HaResultados) << p.MensagemErro;
    teste::Confere({p.MrdCG / 100, p.MrdReal / 100, p.XReal, p.Verif.XdCalculo},
                   "23112.26 23111.04 20.10 0.451");
    EXPECT_EQ(p.DominioReal, "3");
    EXPECT_EQ(std::tie(p.MrdCG, p.MrdReal), std::tie(projeto.MrdCG, projeto.MrdReal));
    EXPECT_TRUE(p.Verif.FalhaDuctilidade);
    for (const LinhaVerificacao& l : LinhasVerificacao(p.Verif))
        if (l.Grandeza == "Ductilidade x/d") {
            EXPECT_EQ(l.Valor, "barras dadas 0.451");
        }
}

// Camadas que não cabem: a recusa diz a largura ou a altura pedida e a que há; uma
// barra a menos (ou 1 cm a mais de altura) já cabe.
TEST(Verificacao, camadas_que_nao_cabem_sao_recusadas_com_as_medidas) {
    struct Caso {
        const char* nome;
        const char* altura;
        std::initializer_list<const char*> pos, neg;
        const char* mensagem; // vazia: cabe
    };
    // Da face tracionada: 3,93 + 3,6·2 = 11,13 até o centro da camada 3; da comprimida,
    // 3,93 + 3,6 = 7,53 até a camada 2; entre elas 0,8 + 2 + 0,8.
    const Caso casos[] = {
        {"cinco_barras_em_bw_13_74",
         "50",
         {"5"},
         {},
         "precisa de 16.00 cm e a largura interna ao estribo é bw = 13.74 cm"},
        {"quatro_barras_cabem", "50", {"4"}, {}, ""},
        {"camadas_se_alcancam",
         "21",
         {"2", "2", "2"},
         {"2", "2"},
         "pedem h = 22.26 cm e a altura é 21.00 cm"},
        {"camadas_no_limite", "22.26", {"2", "2", "2"}, {"2", "2"}, ""},
        {"sem_barra_de_tracao", "50", {"0"}, {"2"}, "Nenhuma barra de tração"},
        {"contagem_fracionaria", "50", {"2.5"}, {}, "deve ser um número inteiro"},
        {"contagem_enorme", "50", {"1e300"}, {}, "precisa de fora do alcance"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Dimensionamento p = Viga20x50("2.5", "");
        p.Form1.Text2.Text = c.altura;
        Dadas(p, c.pos, c.neg);
        p.Programa();
        EXPECT_EQ(p.HaResultados, *c.mensagem == 0);
        if (*c.mensagem) {
            EXPECT_NE(p.MensagemErro.find(c.mensagem), std::string::npos) << p.MensagemErro;
        }
    }
}

// Estribos dados a s: no espaçamento que o dimensionamento calcula para Vd, VRd3 = Vd;
// cada limite (VRd3 ≥ Vd, s ≤ s,máx, Asw/s ≥ mínima) com um caso de cada lado.
TEST(Verificacao, estribos_dados_resistem_vrd3_contra_vd_e_os_limites) {
    Dimensionamento p = Viga20x50("2.5", "");
    Dadas(p, {"4"});
    const auto com = [&p](const char* Vd, double s) {
        p.Form1.TextVd.Text = Vd;
        p.Form1.TextSEstribo.Text = TextoDecimalCurto(s);
        p.Programa();
        EXPECT_TRUE(p.HaResultados) << p.MensagemErro;
        return p.ResCortante;
    };
    const ResultadoCortante alto = com("150", 10); // Asw/s calculada acima da mínima
    ASSERT_GT(alto.AswS, alto.AswSMin);
    EXPECT_NEAR(com("150", alto.SCalculado).VRd3, p.EntCortante.Vd, 1e-9 * p.EntCortante.Vd);
    // s,máx com Vd baixo; com estribo de 5 mm a mínima pede s menor que ele.
    const double sMax = com("20", 10).SMax;
    p.Form1.Combo3.Text = "5 mm";
    const double aswSMin = com("20", 10).AswSMin;
    const double sMin = p.EntCortante.Ramos * p.AreaBarra[p.BitolaEstr] / aswSMin;
    ASSERT_LT(sMin, sMax);
    struct Caso {
        const char* nome;
        const char* estribo;
        const char* vd;
        double s;
        bool vrd3, smax, minima; // falhas esperadas
    };
    const Caso casos[] = {
        {"vrd3_abaixo_de_vd", "6.3 mm (1/4'')", "150", alto.SCalculado * 1.01, true, false, false},
        {"vrd3_acima_de_vd", "6.3 mm (1/4'')", "150", alto.SCalculado * 0.99, false, false, false},
        {"s_no_maximo", "6.3 mm (1/4'')", "20", sMax, false, false, false},
        {"s_acima_do_maximo", "6.3 mm (1/4'')", "20", sMax + 0.1, false, true, false},
        {"asw_s_na_minima", "5 mm", "20", sMin * 0.999, false, false, false},
        {"asw_s_abaixo_da_minima", "5 mm", "20", sMin * 1.001, false, false, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        p.Form1.Combo3.Text = c.estribo;
        const ResultadoCortante r = com(c.vd, c.s);
        EXPECT_EQ(std::tuple(r.FalhaVRd3, r.FalhaSDado, r.FalhaAswSDada),
                  std::tuple(c.vrd3, c.smax, c.minima));
        EXPECT_DOUBLE_EQ(r.VRd3, r.Vc + r.VswDada);
    }
    // Sem estribos dados, a moldura dimensiona como sempre.
    p.Form1.TextSEstribo.Text = "";
    p.Programa();
    EXPECT_FALSE(p.ResCortante.EstribosDados);
}

} // namespace
} // namespace lumbrio
