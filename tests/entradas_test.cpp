// Entradas e o estado que a janela só pinta: números em texto, unidades, aços,
// resultados desatualizados, alertas com o motivo e "Outros valores".
#include "base/Numeros.h"
#include "program/Dimensionamento.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumbrio {
namespace {

TEST(Numeros, prefixo_numerico_le_o_maior_numero_inicial) {
    const std::pair<const char*, double> casos[] = {
        {"1.15", 1.15},      {"1,15", 1},       {"12.5.3", 12.5}, {"", 0},
        {"abc", 0},          {" 2 5\t", 25},    {"2\n0", 20},     {"-.5", -0.5},
        {"+3x", 3},          {".", 0},          {"-", 0},         {"1e3", 1000},
        {"1E-2", 0.01},      {"1e", 1},         {"2e+", 2},       {"5.", 5},
        {"1e-999", 0},       {"0.000e999", 0},  {"00.5e1", 5},    {"-1e999", -HUGE_VAL},
        {"1e999", HUGE_VAL}, {"1.5e12", 1.5e12}};
    for (const auto& [texto, valor] : casos) EXPECT_EQ(ValorNumerico(texto), valor) << texto;
    EXPECT_TRUE(ComecaComNumero(" -.5") && !ComecaComNumero("a5") && !ComecaComNumero("+."));
    EXPECT_TRUE(LeDecimalExato("+5") == 5.0 && !LeDecimalExato("+-5") && !LeDecimalExato("5 "));
    // Fora do alcance do double, a ordem de grandeza decide entre 0 e infinito.
    EXPECT_EQ(ValorNumerico("0." + std::string(4500, '0') + "1e4000"), 0); // 1e-4501 × 1e4000
    EXPECT_EQ(ValorNumerico(std::string(300, '0') + "1e-400"), 0);
    EXPECT_EQ(ValorNumerico("2" + std::string(1000000, '0')), HUGE_VAL);
    EXPECT_EQ(ValorNumerico("1e999999999999"), HUGE_VAL);
}

TEST(Numeros, formato_do_painel_arredonda_empates_para_longe_do_zero) {
    // 1.005 é 1.00499... em binário.
    const std::tuple<double, int, const char*> casos[] = {{1.125, 2, "1.13"},
                                                          {-1.125, 2, "-1.13"},
                                                          {2.5, 0, "3"},
                                                          {0.5, 0, "1"},
                                                          {1.005, 2, "1.00"},
                                                          {-0.001, 2, "0.00"},
                                                          {-0.4, 0, "0"},
                                                          {0.0625, 3, "0.063"},
                                                          {1234567.891, 2, "1234567.89"},
                                                          {0, 3, "0.000"},
                                                          {999999999999, 0, "999999999999"},
                                                          {-2.5, 6, "-2.500000"},
                                                          // 0.015 é 0.01499..., 0.025 é 0.02500...1
                                                          {0.015, 2, "0.01"},
                                                          {-0.015, 2, "-0.01"},
                                                          {0.025, 2, "0.03"},
                                                          {-0.025, 2, "-0.03"},
                                                          {-1.5, 0, "-2"},
                                                          {-0.51, 0, "-1"},
                                                          {-1e-7, 6, "0.000000"},
                                                          {0.015625, 5, "0.01563"}};
    for (const auto& [v, casas, texto] : casos) EXPECT_EQ(FormataNumero(v, casas), texto) << v;
    EXPECT_EQ(FormataNumero(5, 2, ","), "5,00");
    EXPECT_EQ(FormataNumero(-1.125, 2, "::"), "-1::13");
    EXPECT_EQ(FormataNumero(1.125, 2, "#########"), "1#########13"); // separador longo
    // Inteiros até 15 algarismos saem inteiros; daí em diante, com expoente.
    for (const auto& [v, texto] : {std::pair{999999999999999.0, "999999999999999"},
                                   {-20.0, "-20"},
                                   {1e15, "1E+15"},
                                   {20.5, "20.5"}})
        EXPECT_EQ(TextoDecimalCurto(v), texto) << texto;
    EXPECT_EQ(FormataNumero(std::nan(""), 2), "");
}

TEST(Numeros, texto_visivel_escapa_controles_e_troca_bytes_que_nao_sao_utf8) {
    EXPECT_EQ(TextoVisivel("a\x1b[2Jb\n"), "a\\x1B[2Jb\\x0A");
    EXPECT_EQ(TextoVisivel(std::string("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(TextoVisivel("Aço \xE7"), "Aço \xEF\xBF\xBD");
    EXPECT_EQ(TextoVisivel("\xF0\x9F"), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(TextoVisivel("😀 é"), "😀 é");
    EXPECT_EQ(TextoVisivel("NBR\u00A06118\u200B\uFEFF\u0085"),
              "NBR\\u00A06118\\u200B\\uFEFF\\u0085");
    EXPECT_EQ(TextoVisivel(std::string(500, 'x'), 10), std::string(10, 'x') + "…");
    EXPECT_EQ(TextoVisivel("\u0080\u2028\u205F"), "\\u0080\\u2028\\u205F");
    EXPECT_EQ(TextoNumeroExporta(-12.5, ","), "-12,5 ");
}

// O espaçamento mínimo do usuário vai até 10000 cm, a maior dimensão de seção.
TEST(Ler, espacamento_do_usuario_ate_10000_cm) {
    for (const auto& [texto, aceito] : {std::pair{"10000", true}, {"10000.5", false}}) {
        SCOPED_TRACE(texto);
        Dimensionamento p;
        p.Form8.Check1[0].Value = 1, p.Form8.Text4[0].Text = texto;
        bool lido = true;
        try {
            EXPECT_EQ(LeEntradas(p.Form1, p.Form8).EspHorUsuario, 10000);
        } catch (const Recusa&) {
            lido = false;
        }
        EXPECT_EQ(lido, aceito);
    }
}

// A 2023 vai até C90; a 2003 lê qualquer fck (a verificação da classe avisa).
TEST(Ler, fck_ate_90_mpa_na_2023) {
    for (const auto& [norma, fck, aceito] : {std::tuple{"NBR 6118:2023", "90", true},
                                             {"NBR 6118:2023", "90.5", false},
                                             {"NBR 6118:2003", "90.5", true}}) {
        SCOPED_TRACE(Junta(norma, ", fck ", fck));
        Dimensionamento p;
        p.Form1.ComboNorma.Text = norma, p.Form1.Text18.Text = fck;
        bool lido = true;
        try {
            LeEntradas(p.Form1, p.Form8);
        } catch (const Recusa& r) {
            lido = false;
            EXPECT_EQ(r.Mensagem,
                      "O fck deve ser no máximo 90 MPa na NBR 6118:2023 (classes até C90).");
        }
        EXPECT_EQ(lido, aceito);
    }
}

TEST(Desatualizado, cada_entrada_marca_e_o_resto_nao) {
    const std::tuple<const char*, void (*)(Dimensionamento&), bool> casos[] = {
        {"base", [](auto& d) { d.Form1.Text1.Text = "21"; }, true},
        {"unidade de Es", [](auto& d) { d.Form1.Combo7.Text = "MPa"; }, true},
        {"norma", [](auto& d) { d.Form1.ComboNorma.Text = "NBR 6118:2023"; }, true},
        {"bitola positiva 6", [](auto& d) { d.Form1.Combo2[6].Text = "20 mm (3/4'')"; }, true},
        {"bitola negativa 3", [](auto& d) { d.Form1.Combo4[3].Text = "5 mm"; }, true},
        {"domínio 4", [](auto& d) { d.Form1.Check4.Value = 1; }, true},
        {"PrecisãoM", [](auto& d) { d.Form8.Text3.Text = "50"; }, true},
        {"espaçamento vertical", [](auto& d) { d.Form8.Check1[1].Value = 1; }, true},
        {"espaçamento dos estribos", [](auto& d) { d.Form8.Text5.Text = "8"; }, true},
        {"passo da base", [](auto& d) { d.Form1.Text31.Text = "5"; }, false},
        {"caixa de As", [](auto& d) { d.Form1.Text8.Text = "0"; }, false},
    };
    for (const auto& [nome, muda, desatualiza] : casos) {
        SCOPED_TRACE(nome);
        Dimensionamento antes;
        muda(antes);
        EXPECT_FALSE(antes.Desatualizado() || antes.ResultadosAtuais() || antes.Form2.Visivel);
        Dimensionamento d;
        d.Programa();
        muda(d);
        EXPECT_EQ(d.Desatualizado(), desatualiza);
        EXPECT_EQ(d.ResultadosAtuais(), !desatualiza);
        EXPECT_EQ(d.Form2.Visivel, desatualiza);
    }
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
        {"10000", "100", "0", 0, ""},
        {"10000.5", "100", "0", 0, "no máximo 10000 cm"},
        {"1", "-5", "0", 0, "PrecisãoM (Kgf.cm) deve ser um número maior que zero."},
        {"1", "100", "-2", 1, "O espaçamento mínimo horizontal (cm) deve ser um número maior ou"},
        {"1", "100", "", 1, "O espaçamento mínimo horizontal (cm) deve ser um número."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(Junta(c.Agregado, ", ", c.PrecisaoM, ", ", c.Espacamento));
        Dimensionamento d;
        d.Programa();
        d.Form8.Text2.Text = c.Agregado;
        d.Form8.Text3.Text = c.PrecisaoM;
        d.Form8.Text4[0].Text = c.Espacamento;
        d.Form8.Check1[0].Value = c.Marca;
        const bool aceito = *c.Mensagem == 0;
        EXPECT_EQ(d.Form8_Voltar(), aceito);
        EXPECT_EQ(d.Form2.Visivel, !aceito);
        EXPECT_NE(d.Form2.Label1.Caption.find(c.Mensagem), std::string::npos)
            << d.Form2.Label1.Caption;
        EXPECT_EQ(d.Form2.Label2.Caption.find("Valor lido") == 0, !aceito);
        EXPECT_TRUE(d.HaResultados); // conferir não apaga o cálculo
    }
    for (const auto& [estribos, aceito] : {std::pair{"100", true}, {"100,5", false}}) {
        Dimensionamento d;
        d.Form8.Text5.Text = estribos; // espaçamento mínimo dos estribos, de 0 a 100 cm
        EXPECT_EQ(d.Form8_Voltar(), aceito) << estribos;
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
