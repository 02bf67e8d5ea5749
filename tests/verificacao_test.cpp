// Verificação de uma armadura dada: as barras digitadas, os valores de referência do
// livro, as recusas de camadas que não cabem, Md opcional e os estribos dados.
#include "SecaoVerificada.h"
#include "output/TextosVerificacao.h"
#include "program/Dimensionamento.h"

#include <gtest/gtest.h>

#include <string>

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
    // Md de um lado e do outro de Mrd: a utilização passa de 1 e "Mrd ≥ Md" falha.
    for (const auto& [md, falha] : {std::pair{"13507", false}, std::pair{"13508", true}}) {
        SCOPED_TRACE(md);
        p.Form1.Text17.Text = md;
        p.Programa();
        EXPECT_EQ(p.Verif.FalhaMrdReal, falha);
        EXPECT_EQ(p.Verif.UtilReal > 1, falha);
        EXPECT_DOUBLE_EQ(p.Verif.UtilCG * p.MrdCG, p.Md);
    }
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

} // namespace
} // namespace lumbrio
