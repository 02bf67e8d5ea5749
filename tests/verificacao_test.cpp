// Verificação de barras dadas: os exemplos de referência, as recusas de camadas que não
// cabem, Md opcional e os estribos dados.
#include "SecaoVerificada.h"
#include "output/Relatorio.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace lumbrio {
namespace {

using Barras = std::vector<const char*>;

// 20 × 50, C20, CA-50A, 2023, estribo de 6,3 mm, 16 mm tracionadas e 12,5 mm comprimidas;
// com barras, a verificação delas.
Dimensionamento Viga(const char* Cobrimento, const char* Md, Barras Pos = {}, Barras Neg = {},
                     const char* Altura = "50") {
    Dimensionamento p;
    auto& f = p.Form1;
    f.ComboNorma.Text = "NBR 6118:2023", f.Combo3.Text = "6.3 mm (1/4'')";
    f.Text2.Text = Altura, f.Text4.Text = Cobrimento, f.Text17.Text = Md;
    teste::PoeBitolas(p, "16 mm (5/8'')", "12.5 mm (1/2'')");
    f.CheckVerifica.Value = !Pos.empty();
    for (std::size_t i = 0; i < Pos.size(); ++i) f.TextBarrasPos[i + 1].Text = Pos[i];
    for (std::size_t i = 0; i < Neg.size(); ++i) f.TextBarrasNeg[i + 1].Text = Neg[i];
    p.Programa();
    return p;
}

TEST(Verificacao, exemplos_de_referencia_com_e_sem_md) {
    Dimensionamento livro = Viga("2.57", "", {" 4 "});
    teste::Confere({livro.XCG, livro.XReal, livro.MrdCG / 100, livro.MrdReal / 100},
                   "17.90 17.90 13507.44 13507.44");
    EXPECT_EQ(livro.DominioCG + livro.DominioReal, "33");
    EXPECT_EQ(livro.MrdReal, Viga("2.57", "13000").MrdReal);     // o projeto põe os mesmos 4 φ16
    EXPECT_FALSE(livro.Verif.TemMd || livro.Verif.FalhaMrdReal); // sem Md, só a resistência
    const Relatorio relatorio = MontaRelatorio(livro);
    EXPECT_EQ(relatorio.Titulo, "Relatório de cálculo — Verificação");
    const auto& dados = std::get<Tabela>(relatorio.Secoes.at(1).Blocos.at(0)).Linhas.back();
    EXPECT_EQ(Junta(dados.Celulas[0], ": ", dados.Celulas[1]),
              "Barras dadas, positiva 1: 4 φ 16 mm");
    livro.Command3_Click(); // "Tira 1 barra" tira da caixa
    EXPECT_EQ(livro.Form1.TextBarrasPos[1].Text + TextoDecimalCurto(livro.Pos.NumBarras[1]), "33");
    for (const auto& [md, falha] : {std::pair{"13507", false}, {"13508", true}}) {
        const Dimensionamento p = Viga("2.57", md, {"4"});
        EXPECT_EQ(std::tuple(p.Verif.FalhaMrdReal, p.Verif.UtilReal > 1), std::tuple(falha, falha));
    }
    // O projeto põe 4 + 3 φ16 e 4 φ12,5 com x/d no limite; digitadas, x/d passa dele.
    const Dimensionamento projeto = Viga("2.5", "21000"),
                          dadas = Viga("2.5", "21000", {"4", "3"}, {"4"});
    EXPECT_EQ(std::tuple(projeto.Pos.NumBarras, projeto.Neg.NumBarras[1]),
              std::tuple(PorCamada{0, 4, 3, 0, 0, 0, 0}, 4.0));
    teste::Confere({dadas.MrdCG / 100, dadas.MrdReal / 100, dadas.XReal, dadas.Verif.XdCalculo},
                   "23112.26 23111.04 20.10 0.451");
    EXPECT_EQ(std::tie(dadas.MrdCG, dadas.DominioReal),
              std::tie(projeto.MrdCG, projeto.DominioReal));
    EXPECT_TRUE(dadas.Verif.FalhaDuctilidade && !projeto.Verif.FalhaDuctilidade);
}

// Barras dadas de CA-60: 10 mm na camada 1 e 12,5 mm só na camada 6, que é apontada.
TEST(Verificacao, ca60_acima_de_10_mm_na_ultima_camada) {
    Dimensionamento p;
    p.Form1.Combo1.Text = "Aço CA-60A", p.Form1.CheckVerifica.Value = 1;
    p.Form1.Combo2[1].Text = "10 mm (3/8'')", p.Form1.Combo2[6].Text = "12.5 mm (1/2'')";
    p.Form1.TextBarrasPos[1].Text = p.Form1.TextBarrasPos[6].Text = "2";
    p.Programa();
    EXPECT_TRUE(p.HaResultados && p.Verif.FalhaCA60);
}

// Da face às bordas das barras: 3,93 + 2 × 3,6 + 0,8 na camada positiva 3, 3,755 + 3,25
// + 0,625 na negativa 2 (12,5 mm), e 2 cm entre elas: h = 21,56 cm. bw = 13,74 cm
// comporta 4 φ16 (5 pedem 16 cm).
TEST(Verificacao, camadas_que_nao_cabem_sao_recusadas_com_as_medidas) {
    const std::tuple<const char*, Barras, const char*> casos[] = {
        {"50", {"5"}, "precisa de 16.00 cm e a largura interna ao estribo é bw = 13.74 cm"},
        {"21.55", {"2", "2", "2"}, "pedem h = 21.56 cm e a altura é 21.55 cm"},
        {"21.55", {"2", "2", "1"}, "positiva 3 (1 barra de 16 mm"},
        {"21.57", {"2", "2", "2"}, ""},
        {"50", {"1e300"}, "precisa de fora do alcance"},
        {"50", {"2.5"}, "deve ser um número inteiro"},
        {"50", {"0"}, "Nenhuma barra de tração"}};
    for (const auto& [altura, pos, mensagem] : casos) {
        const Dimensionamento p = Viga("2.5", "", pos, {"2", "2"}, altura);
        EXPECT_NE(p.MensagemErro.find(mensagem), std::string::npos)
            << altura << " " << pos[0] << ": " << p.MensagemErro;
        EXPECT_EQ(p.HaResultados, *mensagem == 0) << altura;
    }
}

// No espaçamento que o dimensionamento calcula para Vd, VRd3 = Vd; cada limite com um
// caso de cada lado (com estribo de 5 mm a mínima pede s menor que s,máx).
TEST(Verificacao, estribos_dados_contra_vd_smax_e_minima) {
    Dimensionamento p = Viga("2.5", "", {"4"});
    const auto com = [&p](const char* Estribo, const char* Vd, double s) {
        p.Form1.Combo3.Text = Estribo, p.Form1.TextVd.Text = Vd;
        p.Form1.TextSEstribo.Text = TextoDecimalCurto(s);
        p.Programa();
        EXPECT_DOUBLE_EQ(p.ResCortante.VRd3, p.ResCortante.Vc + p.ResCortante.VswDada);
        return p.ResCortante;
    };
    const char *fi63 = "6.3 mm (1/4'')", *fi5 = "5 mm";
    const double sVd = com(fi63, "150", 10).SCalculado, sMax = com(fi63, "20", 10).SMax;
    const double sMin = 2 * 0.2 / com(fi5, "20", 10).AswSMin; // 2 ramos de 0,2 cm²
    EXPECT_NEAR(com(fi63, "150", sVd).VRd3, 15000, 1e-6);     // kgf
    // Falhas esperadas: centenas VRd3 < Vd, dezenas s > s,máx, unidades Asw/s < mínima.
    const std::tuple<const char*, const char*, double, int> casos[] = {
        {fi63, "150", sVd * 1.01, 100}, {fi63, "150", sVd * 0.99, 0}, {fi63, "20", sMax + 0.1, 10},
        {fi63, "20", sMax, 0},          {fi5, "20", sMin * 1.001, 1}, {fi5, "20", sMin * 0.999, 0}};
    for (const char* s : {"0.49", "0.5"}) { // abaixo do passo de 0,5 cm, recusado
        p.Form1.TextSEstribo.Text = s;
        p.Programa();
        EXPECT_EQ(p.HaResultados, std::string(s) == "0.5") << s;
    }
    for (const auto& [fi, vd, s, falhas] : casos) {
        const ResultadoCortante r = com(fi, vd, s);
        EXPECT_EQ(100 * r.FalhaVRd3 + 10 * r.FalhaSDado + r.FalhaAswSDada, falhas)
            << fi << " " << s;
    }
}

} // namespace
} // namespace lumbrio
