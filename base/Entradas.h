// As entradas da janela principal e de "Outros valores": cada controle que o usuário
// muda, uma vez, com a sua descrição, o número do registro no arquivo de valores (0:
// fora dele; a norma é o registro 40, opcional; a cortante e o serviço, 41 a 50, vêm
// só quando usados, a verificação de uma armadura dada, 51 a 61, só quando marcada ou
// com a seção T, e a seção T, 62 a 65, só quando escolhida),
// se o cálculo o lê e o que ele guarda.
#pragma once

namespace lumbrio {

enum class TipoEntrada {
    Numero,         // caixa de número
    Passo,          // caixa de passo dos botões +/-
    UnidadeMomento, // lista de unidades de momento
    UnidadeTensao,  // lista de unidades de tensão
    Aco,            // lista de aços
    Norma,          // lista de edições
    Estribo,        // bitolas do estribo
    Bitola,         // bitolas das camadas
    Marca,          // caixa de marcação (0, 1, 2)
    Habilitacao,    // a habilitação de uma caixa (True/False)
    UnidadeForca,   // lista de unidades de força
    Modelo,         // modelo de cálculo da cortante
    AcoEstribo,     // aço do estribo
    Classe,         // classe de agressividade ambiental
    Teta,           // θ das bielas (graus)
    Alfa,           // α dos estribos (graus)
    Ramos,          // ramos do estribo
    Barras,         // barras de uma camada dada (inteiro ≥ 0)
    Secao,          // forma da seção ("Retangular" ou "T")
    Mesa,           // face da mesa ("Comprimida" ou "Tracionada")
};

struct Entrada {
    const char* Descricao;
    int Registro; // 1..39 e 41..65 no arquivo de valores; 0 fora dele
    bool Calculo; // o cálculo o lê: mudá-lo desatualiza os resultados
    TipoEntrada Tipo;
};

// Chama F(Entrada, valor) para cada entrada, na ordem dos registros. O tipo do valor
// dá o tipo do registro: std::string é texto, bool é a habilitação de uma caixa e
// int é o estado de uma caixa de marcação.
template <class D, class F> void ParaCadaEntrada(D& d, F&& f) {
    using T = TipoEntrada;
    auto& a = d.Form1;
    auto& o = d.Form8;
    f(Entrada{"Text1, base (cm)", 1, true, T::Numero}, a.Text1.Text);
    f(Entrada{"Text2, altura (cm)", 2, true, T::Numero}, a.Text2.Text);
    f(Entrada{"Text31, passo da base", 3, false, T::Passo}, a.Text31.Text);
    f(Entrada{"Text32, passo da altura", 4, false, T::Passo}, a.Text32.Text);
    f(Entrada{"Text4, cobrimento", 5, true, T::Numero}, a.Text4.Text);
    f(Entrada{"Text4, cobrimento habilitado", 6, false, T::Habilitacao}, a.Text4.Enabled);
    f(Entrada{"Text17, Md", 7, true, T::Numero}, a.Text17.Text);
    f(Entrada{"Text18, fck", 8, true, T::Numero}, a.Text18.Text);
    f(Entrada{"Text20, Es", 9, true, T::Numero}, a.Text20.Text);
    f(Entrada{"Text21, coeficiente do concreto", 10, true, T::Numero}, a.Text21.Text);
    f(Entrada{"Text22, coeficiente do aço", 11, true, T::Numero}, a.Text22.Text);
    f(Entrada{"Combo5, unidade de Md", 12, true, T::UnidadeMomento}, a.Combo5.Text);
    f(Entrada{"Combo6, unidade de fck", 13, true, T::UnidadeTensao}, a.Combo6.Text);
    f(Entrada{"Combo1, aço", 14, true, T::Aco}, a.Combo1.Text);
    f(Entrada{"Combo7, unidade de Es", 15, true, T::UnidadeTensao}, a.Combo7.Text);
    f(Entrada{"Text5, escala X habilitada", 16, false, T::Habilitacao}, a.Text5.Enabled);
    f(Entrada{"Text6, escala Y habilitada", 17, false, T::Habilitacao}, a.Text6.Enabled);
    f(Entrada{"Text5, escala X", 0, true, T::Numero}, a.Text5.Text);
    f(Entrada{"Text6, escala Y", 0, true, T::Numero}, a.Text6.Text);
    f(Entrada{"Check3, \"Auto.\"", 18, true, T::Marca}, a.Check3.Value);
    f(Entrada{"Outros valores, diâmetro máximo do agregado", 19, true, T::Numero}, o.Text2.Text);
    f(Entrada{"Outros valores, \"PrecisãoM (Kgf.cm)\"", 20, true, T::Numero}, o.Text3.Text);
    f(Entrada{"Combo3, estribo", 21, true, T::Estribo}, a.Combo3.Text);
    f(Entrada{"Combo2(1), bitola positiva 1", 22, true, T::Bitola}, a.Combo2[1].Text);
    f(Entrada{"Combo2(2), bitola positiva 2", 23, true, T::Bitola}, a.Combo2[2].Text);
    f(Entrada{"Combo2(3), bitola positiva 3", 24, true, T::Bitola}, a.Combo2[3].Text);
    f(Entrada{"Combo4(1), bitola negativa 1", 25, true, T::Bitola}, a.Combo4[1].Text);
    f(Entrada{"Combo4(2), bitola negativa 2", 26, true, T::Bitola}, a.Combo4[2].Text);
    f(Entrada{"Combo4(3), bitola negativa 3", 27, true, T::Bitola}, a.Combo4[3].Text);
    f(Entrada{"Check4, \"Permitir domínio 4\"", 28, true, T::Marca}, a.Check4.Value);
    f(Entrada{"Check5, \"Utilizar x máximo =\"", 29, true, T::Marca}, a.Check5.Value);
    f(Entrada{"Text19, fator de x máximo", 30, true, T::Numero}, a.Text19.Text);
    f(Entrada{"Outros valores, \"PrecisãoN (Kgf)\"", 31, true, T::Numero}, o.Text1.Text);
    f(Entrada{"Combo2(4), bitola positiva 4", 32, true, T::Bitola}, a.Combo2[4].Text);
    f(Entrada{"Combo2(5), bitola positiva 5", 33, true, T::Bitola}, a.Combo2[5].Text);
    f(Entrada{"Combo2(6), bitola positiva 6", 34, true, T::Bitola}, a.Combo2[6].Text);
    f(Entrada{"Check1, \"Tranca bitola\"", 35, true, T::Marca}, a.Check1.Value);
    f(Entrada{"Outros valores, espaçamento mínimo horizontal", 36, true, T::Numero},
      o.Text4[0].Text);
    f(Entrada{"Outros valores, espaçamento mínimo vertical", 37, true, T::Numero}, o.Text4[1].Text);
    f(Entrada{"Outros valores, usar espaçamento horizontal", 38, true, T::Marca},
      o.Check1[0].Value);
    f(Entrada{"Outros valores, usar espaçamento vertical", 39, true, T::Marca}, o.Check1[1].Value);
    f(Entrada{"ComboNorma, norma", 0, true, T::Norma}, a.ComboNorma.Text);
    f(Entrada{"Outros valores, espaçamento mínimo dos estribos", 0, true, T::Numero}, o.Text5.Text);
    f(Entrada{"Vd", 41, true, T::Numero}, a.TextVd.Text);
    f(Entrada{"unidade de Vd", 42, true, T::UnidadeForca}, a.ComboVd.Text);
    f(Entrada{"modelo de cálculo da cortante", 43, true, T::Modelo}, a.ComboModelo.Text);
    f(Entrada{"θ das bielas", 44, true, T::Teta}, a.TextTeta.Text);
    f(Entrada{"α dos estribos", 45, true, T::Alfa}, a.TextAlfa.Text);
    f(Entrada{"ramos do estribo", 46, true, T::Ramos}, a.TextRamos.Text);
    f(Entrada{"aço do estribo", 47, true, T::AcoEstribo}, a.ComboAcoEstribo.Text);
    f(Entrada{"Mser", 48, true, T::Numero}, a.TextMser.Text);
    f(Entrada{"unidade de Mser", 49, true, T::UnidadeMomento}, a.ComboMser.Text);
    f(Entrada{"classe de agressividade", 50, true, T::Classe}, a.ComboCAA.Text);
    f(Entrada{"\"Verificar armadura dada\"", 51, true, T::Marca}, a.CheckVerifica.Value);
    static constexpr const char* positivas[] = {
        "barras da camada positiva 1", "barras da camada positiva 2",
        "barras da camada positiva 3", "barras da camada positiva 4",
        "barras da camada positiva 5", "barras da camada positiva 6"};
    for (int i = 1; i <= 6; ++i)
        f(Entrada{positivas[i - 1], 51 + i, true, T::Barras}, a.TextBarrasPos[i].Text);
    static constexpr const char* negativas[] = {"barras da camada negativa 1",
                                                "barras da camada negativa 2",
                                                "barras da camada negativa 3"};
    for (int i = 1; i <= 3; ++i)
        f(Entrada{negativas[i - 1], 57 + i, true, T::Barras}, a.TextBarrasNeg[i].Text);
    f(Entrada{"espaçamento dos estribos dados", 61, true, T::Numero}, a.TextSEstribo.Text);
    f(Entrada{"seção", 62, true, T::Secao}, a.ComboSecao.Text);
    f(Entrada{"largura da mesa bf", 63, true, T::Numero}, a.TextBf.Text);
    f(Entrada{"espessura da mesa hf", 64, true, T::Numero}, a.TextHf.Text);
    f(Entrada{"face da mesa", 65, true, T::Mesa}, a.ComboMesa.Text);
}

} // namespace lumbrio
