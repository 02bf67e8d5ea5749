// Estado que a janela só pinta: resultados desatualizados, título, alertas com o
// motivo, "Outros valores" conferido e formas curtas dos números.
#include "calc/Dimensionamento.h"
#include "calc/Numeros.h"

#include <gtest/gtest.h>

namespace lumbrio {
namespace {

// Uma entrada mudada depois do cálculo desatualiza os resultados, e a exportação pede
// um novo cálculo; passos e caixas de resultado não, nem nada antes de um cálculo.
TEST(Desatualizado, cada_entrada_marca_e_o_resto_nao) {
    const std::pair<void (*)(Dimensionamento&), bool> casos[] = {
        {[](auto& d) { d.Form1.Text1.Text = "21"; }, true},
        {[](auto& d) { d.Form1.Combo7.Text = "MPa"; }, true},
        {[](auto& d) { d.Form1.ComboNorma.Text = "NBR 6118:2023"; }, true},
        {[](auto& d) { d.Form1.Combo2[6].Text = "20 mm (3/4'')"; }, true},
        {[](auto& d) { d.Form1.Combo4[3].Text = "5 mm"; }, true},
        {[](auto& d) { d.Form1.Check4.Value = 1; }, true},
        {[](auto& d) { d.Form8.Text3.Text = "50"; }, true},
        {[](auto& d) { d.Form8.Check1[1].Value = 1; }, true},
        {[](auto& d) { d.Form1.Text31.Text = "5"; }, false}, // passo da base
        {[](auto& d) { d.Form1.Text8.Text = "0"; }, false},  // caixa de As
    };
    for (const auto& [muda, desatualiza] : casos) {
        Dimensionamento d;
        muda(d);
        EXPECT_FALSE(d.Desatualizado() || d.ResultadosAtuais() || d.Form2.Visivel);
        d = {};
        d.Programa();
        muda(d);
        EXPECT_EQ(d.Desatualizado(), desatualiza);
        EXPECT_EQ(d.ResultadosAtuais(), !desatualiza);
        EXPECT_EQ(d.Form2.Visivel, desatualiza);
    }
}

TEST(Titulo, edicao_do_calculo_ou_da_lista) {
    Dimensionamento d;
    d.Form1.ComboNorma.Text = "NBR 6118:2023";
    d.Programa();
    d.Form1.ComboNorma.Text = "NBR 6118:2003"; // os resultados ainda são da 2023
    EXPECT_EQ(d.TituloJanela(), "Lumbrio — NBR 6118:2023");
    d.Form1.Text1.Text = "0";
    d.Programa(); // recusa: sem resultados, vale a lista
    EXPECT_EQ(d.TituloJanela(), "Lumbrio — NBR 6118:2003");
}

TEST(OutrosValores, voltar_confere_as_caixas) {
    const struct {
        const char *Agregado, *PrecisaoM, *Espacamento;
        int Marca;
        const char* Mensagem; // vazio: aceito
    } casos[] = {
        {".5", "0.01", "abc", 0, ""}, // espaçamento desmarcado não importa
        {"1", "100", "abc", 2, ""},   // nem acinzentado
        {"abc", "100", "0", 0, "O diâmetro máximo do agregado graúdo deve ser um número."},
        {"0", "100", "0", 0, "O diâmetro máximo do agregado graúdo deve ser um número maior"},
        {"20000", "100", "0", 0, "no máximo 10000 cm"},
        {"1", "-5", "0", 0, "PrecisãoM (Kgf.cm) deve ser um número maior que zero."},
        {"1", "100", "-2", 1, "O espaçamento mínimo horizontal (cm) deve ser um número maior ou"},
        {"1", "100", "", 1, "O espaçamento mínimo horizontal (cm) deve ser um número."},
    };
    for (const auto& c : casos) {
        Dimensionamento d;
        d.Programa();
        d.Form8.Text2.Text = c.Agregado;
        d.Form8.Text3.Text = c.PrecisaoM;
        d.Form8.Text4[0].Text = c.Espacamento;
        d.Form8.Check1[0].Value = c.Marca;
        const bool aceito = *c.Mensagem == 0;
        EXPECT_EQ(d.Form8_Voltar(), aceito) << c.Agregado << " " << c.PrecisaoM;
        EXPECT_EQ(d.Form2.Visivel, !aceito);
        EXPECT_NE(d.Form2.Label1.Caption.find(c.Mensagem), std::string::npos)
            << d.Form2.Label1.Caption;
        EXPECT_EQ(d.Form2.Label2.Caption.find("Valor lido") == 0, !aceito);
        EXPECT_TRUE(d.HaResultados); // conferir não apaga o cálculo
    }
}

TEST(Alertas, mrd_abaixo_de_md_e_dominio_4_sem_permissao) {
    const struct {
        const char *Md, *Bitola;
        int Dominio4;
        bool MrdRealAbaixo; // Md acima do que as barras de 20 mm resistem
    } casos[] = {{"10000", "40 mm", 0, false},
                 {"10000", "40 mm", 1, false},
                 {"25000", "20 mm (3/4'')", 0, true}};
    for (const auto& c : casos) {
        Dimensionamento d;
        for (int i = 1; i <= 6; ++i) d.Form1.Combo2[i].Text = c.Bitola;
        for (int i = 1; i <= 3; ++i) d.Form1.Combo4[i].Text = "16 mm (5/8'')";
        d.Form1.Text17.Text = c.Md;
        d.Form1.Check4.Value = c.Dominio4;
        d.Programa();
        ASSERT_TRUE(d.HaResultados);
        const auto& f = d.Form1;
        EXPECT_EQ(f.Text24.BackColor == Cor::Alerta, c.MrdRealAbaixo) << c.Md;
        EXPECT_EQ(f.Text24.ToolTipText,
                  c.MrdRealAbaixo
                      ? "Mrd = " + f.Text24.Text + " é menor que Md = " + c.Md + ".00 KN.cm."
                      : "");
        EXPECT_EQ(f.Text23.BackColor == Cor::Alerta, d.MrdCG < std::stod(c.Md));
        for (const auto& [caixa, dominio] :
             {std::pair{&f.Text11, &d.DominioCG}, std::pair{&f.Text12, &d.DominioReal}}) {
            const bool alerta = *dominio == "4" && c.Dominio4 == 0;
            EXPECT_EQ(caixa->BackColor == Cor::Alerta, alerta) << c.Md << " " << c.Dominio4;
            EXPECT_EQ(caixa->ToolTipText,
                      alerta ? "Seção no domínio 4 sem \"Permitir domínio 4\" marcado." : "");
        }
        d.Form1.Text1.Text = "0"; // a recusa limpa os alertas
        d.Programa();
        for (const auto* caixa : {&f.Text23, &f.Text24, &f.Text11, &f.Text12})
            EXPECT_TRUE(caixa->BackColor == Cor::Normal && caixa->ToolTipText.empty());
    }
}

TEST(Numeros, formas_do_numero_da_mais_longa_a_mais_curta) {
    using V = std::vector<std::string>;
    const std::tuple<const char*, const char*, V> casos[] = {
        {"39280758.09", ".",
         V{"39280758.09", "39280758.1", "39280758", "3.928e+07", "3.93e+07", "3.9e+07", "4e+07"}},
        {"-0,96", ",", V{"-0,96", "-1,0", "-1", "-9,600e-01", "-9,60e-01", "-9,6e-01", "-1e+00"}},
        {"850", ".", V{"850", "8.500e+02", "8.50e+02", "8.5e+02", "8e+02"}},
        {"2b", ".", V{"2b"}},
        {"1e5", ".", V{"1e5"}},
    };
    for (const auto& [texto, separador, formas] : casos)
        EXPECT_EQ(FormasDoNumero(texto, separador), formas) << texto;
}

} // namespace
} // namespace lumbrio
