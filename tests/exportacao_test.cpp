// resulta.txt, Rapida, botões de passo e o texto decimal curto que eles escrevem.
#include "PastaTemporaria.h"
#include "calc/Dimensionamento.h"
#include "calc/Numeros.h"

#include <gtest/gtest.h>

#include <tuple>

namespace lumbrio::teste {
namespace {

class Exportacao : public PastaTemporaria {};

const std::string Referencia = LeBytes(std::filesystem::path(LUMBRIO_DADOS_TESTE) / "resulta.txt");

// Viga 22.5x50 com fck 200 kgf/cm², camadas positivas de 3 e 2 barras e nenhuma
// negativa. Camadas a 3805 + 94.4·(50 − d'): 7883.08, 7628.2, 7373.32... twips;
// o escoamento em 3805 + 94.4·x fica, com x = 41, em 7675.4: abaixo da camada 2.
Dimensionamento EstadoExportavel() {
    Dimensionamento d;
    auto& a = d.Form1;
    std::tie(a.Combo2[1].Text, a.Text36.Text, a.Text23.Text, a.Text24.Text, d.ArquivoExporta) =
        std::tuple("16 mm (5/8'')", "7.25", "12345.67", "12000.50", "resulta.txt");
    std::tie(d.Base, d.Altura, d.Fck, d.XEscoamento, d.NumCamadasPos) =
        std::tuple(22.5, 50, 200, 41, 6);
    std::tie(d.OrigemYDiagrama, d.OrigemYSecao, d.EscalaY, d.EscalaSecao) =
        std::tuple(3805, 3805, 94.4, 94.4);
    d.NumBarrasPos = {0, 3, 2};
    d.DLinhaPos = {0, 6.8, 9.5, 12.2};
    return d;
}

TEST_F(Exportacao, exporta_o_resulta_de_referencia_por_cima_de_outro) {
    EscreveBytes("resulta.txt", std::string(500, 'x'));
    Dimensionamento d = EstadoExportavel();
    d.Exporta();
    EXPECT_EQ(LeBytes("resulta.txt"), Referencia) << d.MensagemErro;
    EXPECT_EQ(ArquivosNaPasta(), 1u);
    EXPECT_EQ(d.Estado, Junta("Dados exportados em \"resulta.txt\" na pasta \"",
                              std::filesystem::current_path().string(), "\"."));
    // Separador regional só nas linhas de número, sem o zero antes dele; o texto das
    // caixas sai como está.
    std::tie(d.SeparadorDecimal, d.Base, d.Fck) = std::tuple(",", 1.5e-7, -0.25);
    d.Exporta();
    std::string esperado = Referencia;
    esperado.replace(esperado.find(" 22.5 "), 6, " 1,5E-07 ");
    esperado.replace(esperado.find(" 200 "), 5, "-,25 ");
    EXPECT_EQ(LeBytes("resulta.txt"), esperado);
}

TEST_F(Exportacao, conta_as_camadas_com_barras_e_compara_o_escoamento_ate_a_primeira_vazia) {
    // {camadas, barras +, barras −, x (cm), camadas com barras + e −, posição}
    const std::tuple<int, PorCamada, PorCamada, double, int, int, const char*> casos[] = {
        {6, {0, 3, 2}, {}, 41, 2, 0, "abaixo"},
        {6, {0, 3, 2}, {}, 40.5, 2, 0, "acima"}, // na altura da camada 2
        {6, {0, 3, 0, 2}, {}, 39, 2, 0, "acima"},
        {2, {0, 3, 0, 2}, {0, 1, 0, 5}, 39, 1, 1, "acima"},
        {0, {0, 3, 2}, {0, 1}, 41, 0, 0, "acima"},
        {9, {0, 3, 2}, {5}, 30, 2, 0, "acima"}}; // só 6 camadas; a posição 0 não conta
    for (const auto& [camadas, pos, neg, x, comPos, comNeg, posicao] : casos) {
        Dimensionamento d = EstadoExportavel();
        d.NumCamadasPos = d.NumCamadasNeg = static_cast<short>(camadas);
        std::tie(d.NumBarrasPos, d.NumBarrasNeg, d.XEscoamento) = std::tuple(pos, neg, x);
        d.Exporta();
        EXPECT_EQ(d.CamadasComBarrasPos, comPos) << x;
        EXPECT_EQ(d.CamadasComBarrasNeg, comNeg) << x;
        EXPECT_EQ(d.PosicaoEscoamento, posicao) << x;
    }
}

TEST_F(Exportacao, taxa_acima_de_4_por_cento_alerta_ate_zerar_e_falha_avisa_sem_limpar) {
    std::filesystem::create_directories("ocupado/dentro");
    Dimensionamento d = EstadoExportavel();
    d.AsReal = 30;
    // {As negativa (45 cm² são 4 % de 22.5 x 50), arquivo, bitola, cor, motivo da falha}
    const std::tuple<double, const char*, const char*, Cor, const char*> casos[] = {
        {15, "resulta.txt", "16 mm", Cor::Normal, ""},
        {15.01, "ocupado", "16 mm", Cor::Alerta, ": o nome é de uma pasta."},
        {0, "resulta.txt", "16 mm ✓", Cor::Alerta,
         ": o caractere \"✓\" não existe no conjunto Windows-1252 dos arquivos."}};
    for (const auto& [negativa, arquivo, bitola, cor, motivo] : casos) {
        std::tie(d.AsNegReal, d.ArquivoExporta, d.Form1.Combo2[1].Text) =
            std::tuple(negativa, arquivo, bitola);
        d.Exporta();
        EXPECT_EQ(d.Form1.Text34.BackColor, cor) << negativa;
        EXPECT_EQ(d.Form2.Visivel, *motivo != 0);
        EXPECT_EQ(d.MensagemErro,
                  *motivo ? "O arquivo \"" + d.ArquivoExporta + "\" não foi gravado" + motivo : "");
        d.Form2 = {};
    }
    EXPECT_EQ(d.Form1.Text23.Text, "12345.67") << "a falha não limpa os resultados";
    EXPECT_EQ(LeBytes("resulta.txt").substr(0, 7), "16 mm\r\n") << "o anterior fica inteiro";
    EXPECT_EQ(ArquivosNaPasta(), 2u) << "temporário deixado na pasta";
}

TEST_F(Exportacao, botoes_de_passo_somam_o_passo_e_recalculam_so_com_numero_na_caixa) {
    // O resultado sai no texto decimal curto: 15 algarismos, expoente fora de 1E-05 a 1E+15.
    using F = ControlesForm1;
    using D = Dimensionamento;
    // {comando, caixa, caixa do passo, antes, passo, depois (nulo: nada acontece)}
    const std::tuple<void (D::*)(), CaixaTexto F::*, CaixaTexto F::*, const char*, const char*,
                     const char*>
        casos[] = {{&D::Command13_Click, &F::Text1, &F::Text31, "20", "25", "-5"},
                   {&D::Command16_Click, &F::Text1, &F::Text31, "0.1", "0.2", "0.3"},
                   {&D::Command16_Click, &F::Text1, &F::Text31, "0", "0.33333333333333333",
                    "0.333333333333333"},
                   {&D::Command15_Click, &F::Text2, &F::Text32, "1e-5", "-0.00000985", "1.5E-07"},
                   {&D::Command14_Click, &F::Text2, &F::Text32, "-.5", "1/3", "-1.5"},
                   {&D::Command4_Click, &F::Text17, &F::Text7, "999999999999999", "1", "1E+15"},
                   {&D::Command5_Click, &F::Text17, &F::Text7, "10000.3", "0.1", "10000.2"},
                   {&D::Command4_Click, &F::Text17, &F::Text7, "abc", "1", nullptr},
                   {&D::Command16_Click, &F::Text1, &F::Text31, "", "1", nullptr}};
    for (const auto& [comando, alvo, passo, antes, textoPasso, depois] : casos) {
        std::filesystem::remove("resulta.txt");
        Dimensionamento d;
        (d.Form1.*alvo).Text = antes;
        (d.Form1.*passo).Text = textoPasso;
        d.Form1.Text8.Text = "sentinela"; // Zera a limpa: sinal de que houve cálculo
        (d.*comando)();
        EXPECT_EQ((d.Form1.*alvo).Text, depois ? depois : antes);
        EXPECT_EQ(d.PassoRecusado, !depois);
        EXPECT_EQ(d.Form1.Text8.Text == "sentinela", !depois) << antes;
        // Só os botões de Md exportam, e só depois de um cálculo completo.
        EXPECT_EQ(std::filesystem::exists("resulta.txt"),
                  depois && alvo == &F::Text17 && d.HaResultados);
    }
}

} // namespace
} // namespace lumbrio::teste
