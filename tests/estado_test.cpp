// Estado que a janela só pinta: resultados desatualizados, título, alertas com o
// motivo, "Outros valores" conferido, formas curtas dos números e a linha de estado.
#include "PastaTemporaria.h"
#include "calc/Dimensionamento.h"
#include "calc/Numeros.h"
#include "files/Configuracao.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace lumbrio {
namespace {

TEST(Desatualizado, cada_entrada_marca_e_o_resto_nao) {
    using Muda = std::function<void(Dimensionamento&)>;
    const std::pair<const char*, Muda> entradas[] = {
        {"base", [](auto& d) { d.Form1.Text1.Text = "21"; }},
        {"Md", [](auto& d) { d.Form1.Text17.Text = "10001"; }},
        {"unidade de Es", [](auto& d) { d.Form1.Combo7.Text = "MPa"; }},
        {"norma", [](auto& d) { d.Form1.ComboNorma.Text = "NBR 6118:2023"; }},
        {"bitola 6", [](auto& d) { d.Form1.Combo2[6].Text = "20 mm (3/4'')"; }},
        {"negativa 3", [](auto& d) { d.Form1.Combo4[3].Text = "5 mm"; }},
        {"domínio 4", [](auto& d) { d.Form1.Check4.Value = 1; }},
        {"escala Y", [](auto& d) { d.Form1.Text6.Text = "90"; }},
        {"PrecisãoM", [](auto& d) { d.Form8.Text3.Text = "50"; }},
        {"espaçamento vertical", [](auto& d) { d.Form8.Check1[1].Value = 1; }},
    };
    const std::pair<const char*, Muda> outras[] = {
        {"passo da base", [](auto& d) { d.Form1.Text31.Text = "5"; }},
        {"passo de Md", [](auto& d) { d.Form1.Text7.Text = "100"; }},
        {"caixa de As", [](auto& d) { d.Form1.Text8.Text = "0"; }},
    };
    for (const auto& [nome, muda] : entradas) {
        Dimensionamento d;
        muda(d); // antes de um cálculo nada está desatualizado
        EXPECT_FALSE(d.Desatualizado()) << nome;
        d.Programa();
        ASSERT_TRUE(d.HaResultados) << nome;
        EXPECT_TRUE(d.ResultadosAtuais()) << nome;
        Dimensionamento antes;
        antes.Programa();
        muda(antes);
        EXPECT_TRUE(antes.Desatualizado()) << nome;
        EXPECT_FALSE(antes.ResultadosAtuais()) << nome;
        EXPECT_TRUE(antes.Form2.Visivel) << nome;
    }
    for (const auto& [nome, muda] : outras) {
        Dimensionamento d;
        d.Programa();
        muda(d);
        EXPECT_FALSE(d.Desatualizado()) << nome;
    }
    Dimensionamento d; // sem cálculo não há o que exportar, e nada é dito
    EXPECT_FALSE(d.ResultadosAtuais());
    EXPECT_FALSE(d.Form2.Visivel);
}

TEST(Titulo, edicao_do_calculo_ou_da_lista) {
    Dimensionamento d;
    EXPECT_EQ(d.TituloJanela(), "Lumbrio — NBR 6118:2003");
    d.Form1.ComboNorma.Text = "NBR 6118:2023";
    EXPECT_EQ(d.TituloJanela(), "Lumbrio — NBR 6118:2023");
    d.Programa();
    d.Form1.ComboNorma.Text = "NBR 6118:2003"; // os resultados ainda são da 2023
    EXPECT_EQ(d.TituloJanela(), "Lumbrio — NBR 6118:2023");
    d.Form1.Text1.Text = "0";
    d.Programa(); // recusa: sem resultados, vale a lista
    EXPECT_EQ(d.TituloJanela(), "Lumbrio — NBR 6118:2003");
}

TEST(OutrosValores, voltar_confere_as_caixas) {
    struct Caso {
        const char *Agregado, *PrecisaoM, *Espacamento;
        int Marca;
        const char* Mensagem; // vazio: aceito
    } const casos[] = {
        {"1", "100", "0", 0, ""},
        {"2.5", "0.01", "abc", 0, ""}, // espaçamento desmarcado não importa
        {"1", "100", "abc", 2, ""},    // nem acinzentado
        {"abc", "100", "0", 0, "O diâmetro máximo do agregado graúdo deve ser um número."},
        {"-1", "100", "0", 0, "O diâmetro máximo do agregado graúdo deve ser um número maior"},
        {"0", "100", "0", 0, "O diâmetro máximo do agregado graúdo deve ser um número maior"},
        {"20000", "100", "0", 0, "no máximo 10000 cm"},
        {"1", "1x", "0", 0, "PrecisãoM (Kgf.cm) deve ser um número."},
        {"1", "-5", "0", 0, "PrecisãoM (Kgf.cm) deve ser um número maior que zero."},
        {"1", "100", "-2", 1, "O espaçamento mínimo horizontal (cm) deve ser um número maior ou"},
        {"1", "100", "", 1, "O espaçamento mínimo horizontal (cm) deve ser um número."},
    };
    for (const Caso& c : casos) {
        Dimensionamento d;
        d.Programa();
        d.Form8.Text2.Text = c.Agregado;
        d.Form8.Text3.Text = c.PrecisaoM;
        d.Form8.Text4[0].Text = c.Espacamento;
        d.Form8.Check1[0].Value = c.Marca;
        const bool aceito = std::string(c.Mensagem).empty();
        EXPECT_EQ(d.Form8_Voltar(), aceito) << c.Agregado << " " << c.PrecisaoM;
        EXPECT_EQ(d.Form2.Visivel, !aceito);
        EXPECT_NE(d.Form2.Label1.Caption.find(c.Mensagem), std::string::npos)
            << d.Form2.Label1.Caption;
        EXPECT_EQ(d.Form2.Label2.Caption.find("Valor lido") == 0, !aceito);
        EXPECT_TRUE(d.HaResultados); // conferir não apaga o cálculo
    }
}

TEST(Alertas, mrd_abaixo_de_md_e_dominio_4_sem_permissao) {
    struct Caso {
        const char *Md, *Bitola;
        int Dominio4;
        bool MrdRealAbaixo; // Md acima do que as barras de 20 mm resistem
    } const casos[] = {{"10000", "40 mm", 0, false},
                       {"10000", "40 mm", 1, false},
                       {"25000", "20 mm (3/4'')", 0, true}};
    for (const Caso& c : casos) {
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
            EXPECT_EQ(caixa->ToolTipText.empty(), !alerta);
        }
        d.Form1.Text1.Text = "0"; // a recusa limpa os alertas
        d.Programa();
        for (const auto* caixa : {&f.Text23, &f.Text24, &f.Text11, &f.Text12})
            EXPECT_TRUE(caixa->BackColor == Cor::Normal && caixa->ToolTipText.empty());
    }
    Dimensionamento d; // o projeto padrão é verificado no domínio 4 sem a permissão
    d.Programa();
    EXPECT_EQ(d.Form1.Text12.ToolTipText, "Seção no domínio 4 sem \"Permitir domínio 4\" marcado.");
}

TEST(Painel, escalas_com_ponto_sob_qualquer_separador) {
    Dimensionamento d;
    d.SeparadorDecimal = ",";
    d.Programa();
    EXPECT_EQ(d.Form1.Text5.Text, "271.85");
    EXPECT_EQ(d.Form1.Text6.Text, "94.40");
    EXPECT_EQ(d.Form1.Text9.Text.find('.'), std::string::npos); // o painel segue a vírgula
    d.Form1.Check3.Value = 0; // escalas digitadas: lidas como mostradas
    d.Programa();
    EXPECT_DOUBLE_EQ(d.EscalaX, 271.85);
    EXPECT_DOUBLE_EQ(d.EscalaY, 94.40);
}

TEST(Numeros, formas_do_numero_da_mais_longa_a_mais_curta) {
    using V = std::vector<std::string>;
    struct Caso {
        const char *Texto, *Separador;
        V Formas;
    } const casos[] = {
        {"39280758.09", ".",
         V{"39280758.09", "39280758.1", "39280758", "3.928e+07", "3.93e+07", "3.9e+07", "4e+07"}},
        {"-0,96", ",", V{"-0,96", "-1,0", "-1", "-9,600e-01", "-9,60e-01", "-9,6e-01", "-1e+00"}},
        {"850", ".", V{"850", "8.500e+02", "8.50e+02", "8.5e+02", "8e+02"}},
        {"4", ".", V{"4", "4.000e+00", "4.00e+00", "4.0e+00", "4e+00"}},
        {"2b", ".", V{"2b"}},
        {"", ".", V{""}},
        {"1e5", ".", V{"1e5"}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(FormasDoNumero(c.Texto, c.Separador), c.Formas) << c.Texto;
}

class Estado : public teste::PastaTemporaria {};

TEST_F(Estado, gravar_nomeia_o_arquivo_e_da_extensao_txt) {
    struct Caso {
        const char *Nome, *Gravado;
    } const casos[] = {{"viga", "viga.txt"}, {"viga.TXT", "viga.TXT"}, {"v.dados", "v.dados"}};
    for (const Caso& c : casos) {
        Dimensionamento d;
        GravaArquivo(d, c.Nome);
        EXPECT_TRUE(std::filesystem::exists(c.Gravado)) << c.Nome;
        EXPECT_EQ(d.Estado, Junta("Valores gravados em \"", c.Gravado, "\"."));
    }
    Dimensionamento d;
    GravaArquivo(d, ""); // "Salvar como..." cancelado
    EXPECT_TRUE(d.NomeArquivo.empty() && d.Estado.empty() && !std::filesystem::exists(".txt"));
    GravaArquivo(d, "sem_pasta/v.txt");
    EXPECT_TRUE(d.Estado.empty() && d.Form2.Visivel);
    d.Form2 = {};
    d.Rapida();
    EXPECT_EQ(d.Estado, Junta("Dados exportados em \"resulta.txt\" na pasta \"",
                              std::filesystem::current_path().string(), "\"."));
}

} // namespace
} // namespace lumbrio
