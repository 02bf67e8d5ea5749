// Posições e tamanhos em twips (1/1440 pol.) convertidos para pixels lógicos, e a
// tabela dos controles da janela principal.
#pragma once

#include "Ligacoes.h"
#include "base/Catalogos.h"
#include "output/Painel.h"

#include <QRect>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <variant>

namespace lumbrio::janela {

// 15 twips por pixel lógico; o Qt ajusta telas de alta densidade.
inline constexpr double TwipsPorPixel = 15.0;

inline int px(double twips) {
    return qRound(twips / TwipsPorPixel);
}

inline QRect RetanguloTwips(double Left, double Top, double Width, double Height) {
    return QRect(px(Left), px(Top), px(Width), px(Height));
}

enum class TipoControle {
    Moldura,   // legenda no Texto
    Rotulo,    // sem largura, do tamanho do texto
    Caixa,     // entrada do usuário
    Resultado, // caixa que o cálculo preenche, fora da cadeia do Tab
    Leitura,   // resultado só leitura
    Botao,
    Lista,    // escolha só pela lista
    Editavel, // lista com texto digitado, que não entra na lista
    Marca,    // sem largura, do tamanho da legenda
};

// Controle do modelo ligado ao widget: uma função que o acha em ControlesForm1.
using CampoForm1 =
    std::variant<std::monostate, CaixaTexto& (*)(ControlesForm1&), Lista& (*)(ControlesForm1&),
                 Marcador& (*)(ControlesForm1&), Rotulo& (*)(ControlesForm1&)>;

// Campo<&ControlesForm1::Text1>; Campo<&ControlesForm1::Combo2, 6> é Combo2(6).
template <auto Membro, int Indice = -1> constexpr auto& Campo(ControlesForm1& f) {
    if constexpr (Indice < 0)
        return f.*Membro;
    else
        return (f.*Membro)[Indice];
}

// Uma linha da tabela. Posição e tamanho em twips, no pai (uma moldura ou, com Pai
// vazio, a superfície). Texto: a legenda ou, numa lista, os itens.
struct Controle {
    std::string_view Nome;
    TipoControle Tipo;
    std::string_view Pai;
    double Left, Top, Width, Height;
    std::variant<std::string_view, std::span<const std::string_view>> Texto;
    int Tab = 0; // posição na cadeia do Tab, a partir de 1; 0: fora dela
    CampoForm1 Modelo{};
    Filtro Teclas = Filtro::Livre;
    int Recuo = 0; // pixels antes do texto de um rótulo
};

namespace geometria {

using enum TipoControle;
using enum Filtro;
using F = ControlesForm1;
inline constexpr int Fora = 0;
inline constexpr auto& P = LinhasPainel;
inline constexpr auto V = &F::TextVerificacao;
inline constexpr auto C = &F::TextCortante;
inline constexpr auto W = &F::TextFissuracao;
inline constexpr auto U = &F::TextDurabilidade;
static_assert(P.size() == 7, "uma linha de Resultados na tabela por linha do painel");

inline constexpr auto TextosBitolas = [] {
    std::array<std::string_view, TabelaBitolas.size()> t{};
    for (std::size_t k = 0; k < t.size(); ++k) t[k] = TabelaBitolas[k].Texto;
    return t;
}();
inline constexpr std::span<const std::string_view> Bitolas = TextosBitolas;
inline constexpr auto Estribos = Bitolas.first(NumBitolasEstribo);

// Na ordem de criação, que é a do empilhamento. Caixas e botões de Dimensões e de
// Esforços: posição na janela de projeto menos a origem da moldura (3720; 120 ou 1800).
inline constexpr Controle Form1[] = {
    {"Frame6", Moldura, "", 3720, 120, 2895, 975, "Dimensões"},
    {"Label30", Rotulo, "Frame6", 120, 240, 0, 0, "Base (cm)"},
    {"Label4", Rotulo, "Frame6", 120, 550, 0, 0, "Altura (cm)"},
    {"Text1", Caixa, "Frame6", 960, 240, 615, 285, "", 1, Campo<&F::Text1>, Digitos},
    {"Text2", Caixa, "Frame6", 960, 525, 615, 285, "", 5, Campo<&F::Text2>, Digitos},
    {"Command16", Botao, "Frame6", 1680, 240, 375, 285, "+", 2},
    {"Text31", Caixa, "Frame6", 2040, 240, 375, 285, "", 3, Campo<&F::Text31>, Digitos},
    {"Command13", Botao, "Frame6", 2400, 240, 375, 285, "-", 4},
    {"Command15", Botao, "Frame6", 1680, 525, 375, 285, "+", 6},
    {"Text32", Caixa, "Frame6", 2040, 525, 375, 285, "", 7, Campo<&F::Text32>, Digitos},
    {"Command14", Botao, "Frame6", 2400, 525, 375, 285, "-", 8},

    {"Frame7", Moldura, "", 3720, 1080, 2895, 615, "Arranjo"},
    {"Label33", Rotulo, "Frame7", 120, 240, 0, 0, "Cobrimento(cm)"},
    {"Text4", Caixa, "Frame7", 1320, 240, 495, 285, "", 9, Campo<&F::Text4>, DigitosPonto},
    {"Label8", Rotulo, "Frame7", 1815, 255, 0, 0, "cm", Fora, {}, {}, 3}, // longe da caixa

    {"Frame8", Moldura, "", 3720, 1800, 3855, 1935, "Esforços e Resistências"},
    {"Label34", Rotulo, "Frame8", 120, 360, 0, 0, "Md"},
    {"Label35", Rotulo, "Frame8", 120, 720, 0, 0, "Fck"},
    {"Label36", Rotulo, "Frame8", 120, 1080, 0, 0, "Aço"},
    {"Label10", Rotulo, "Frame8", 120, 1440, 0, 0, "Es"},
    {"Text17", Caixa, "Frame8", 480, 360, 975, 285, "", 21, Campo<&F::Text17>, DigitosPonto},
    {"Combo5", Lista, "Frame8", 1560, 360, 1005, 315, ItensCombo5, 22, Campo<&F::Combo5>, Nenhum},
    {"Text18", Caixa, "Frame8", 480, 720, 975, 285, "", 26, Campo<&F::Text18>, DigitosPonto},
    {"Combo6", Lista, "Frame8", 1560, 720, 1005, 315, ItensTensao, 27, Campo<&F::Combo6>, Nenhum},
    {"Combo1", Lista, "Frame8", 480, 1080, 2085, 315, ItensCombo1, 29, Campo<&F::Combo1>, Nenhum},
    {"Text20", Caixa, "Frame8", 480, 1440, 975, 285, "", 31, Campo<&F::Text20>, DigitosPonto},
    {"Combo7", Lista, "Frame8", 1560, 1425, 1005, 315, ItensTensao, 32, Campo<&F::Combo7>, Nenhum},
    // γc e γs: a letra grega em vez da fonte de símbolos.
    {"Label11", Rotulo, "Frame8", 2640, 840, 0, 0, "γ"},
    {"Label12", Rotulo, "Frame8", 2760, 885, 0, 0, "c"},
    {"Text21", Caixa, "Frame8", 2880, 840, 615, 285, "", 28, Campo<&F::Text21>, DigitosPonto},
    {"Label14", Rotulo, "Frame8", 2640, 1200, 0, 0, "γ"},
    {"Label37", Rotulo, "Frame8", 2745, 1200, 0, 0, "s"},
    {"Text22", Caixa, "Frame8", 2880, 1200, 615, 285, "", 30, Campo<&F::Text22>, DigitosPonto},
    // Passo de Md entre "+" e "-", largo o bastante para 10000.
    {"Command4", Botao, "Frame8", 2640, 120, 300, 525, "+", 23},
    {"Text7", Caixa, "Frame8", 2940, 360, 495, 285, "", 24, Campo<&F::Text7>, Decimal},
    {"Command5", Botao, "Frame8", 3435, 120, 300, 525, "-", 25},

    {"Frame4", Moldura, "", 7680, 2760, 2655, 1020, "Opções"},
    {"Check4", Marca, "Frame4", 120, 240, 0, 0, "Permitir domínio 4", 34, Campo<&F::Check4>},
    {"Check5", Marca, "Frame4", 120, 480, 0, 0, "Utilizar x máximo =", 35, Campo<&F::Check5>},
    {"Text19", Caixa, "Frame4", 1800, 480, 495, 285, "", 36, Campo<&F::Text19>, Decimal},
    {"Label28", Rotulo, "Frame4", 2400, 495, 0, 0, ".d"},

    {"Frame2", Moldura, "", 9240, 120, 1095, 1695, "Escala"},
    {"Label21", Rotulo, "Frame2", 120, 240, 0, 0, "X"},
    {"Text5", Caixa, "Frame2", 360, 225, 615, 285, "", 37, Campo<&F::Text5>, DigitosPonto},
    {"Label22", Rotulo, "Frame2", 120, 615, 0, 0, "Y"},
    {"Text6", Caixa, "Frame2", 360, 600, 615, 285, "", 38, Campo<&F::Text6>, DigitosPonto},
    {"Check3", Marca, "Frame2", 120, 960, 0, 0, "Auto.", 39, Campo<&F::Check3>},

    {"Frame3", Moldura, "", 120, 120, 3495, 4545, "Bitolas"},
    {"Label18", Rotulo, "Frame3", 120, 240, 0, 0, "Estribo"},
    {"Combo3", Editavel, "Frame3", 120, 480, 1575, 315, Estribos, 10, Campo<&F::Combo3>},
    {"Label26", Rotulo, "Frame3", 120, 840, 0, 0, "Negativas"},
    {"Combo4(1)", Editavel, "Frame3", 120, 1050, 1575, 315, Bitolas, 11, Campo<&F::Combo4, 1>},
    {"Label27", Rotulo, "Frame3", 1800, 1110, 0, 0, "1"},
    {"Text3(1)", Resultado, "Frame3", 2040, 1050, 615, 315, "", Fora, Campo<&F::Text3, 1>},
    {"Combo4(2)", Editavel, "Frame3", 120, 1365, 1575, 315, Bitolas, 12, Campo<&F::Combo4, 2>},
    {"Label38", Rotulo, "Frame3", 1800, 1425, 0, 0, "2"},
    {"Text3(2)", Resultado, "Frame3", 2040, 1365, 615, 315, "", Fora, Campo<&F::Text3, 2>},
    {"Combo4(3)", Editavel, "Frame3", 120, 1680, 1575, 315, Bitolas, 13, Campo<&F::Combo4, 3>},
    {"Label39", Rotulo, "Frame3", 1800, 1740, 0, 0, "3"},
    {"Text3(3)", Resultado, "Frame3", 2040, 1680, 615, 315, "", Fora, Campo<&F::Text3, 3>},
    // Camada 6 no alto, camada 1 (face tracionada) embaixo.
    {"Label6", Rotulo, "Frame3", 120, 2040, 0, 0, "Positivas"},
    {"Combo2(6)", Editavel, "Frame3", 120, 2280, 1575, 315, Bitolas, 14, Campo<&F::Combo2, 6>},
    {"Label23(4)", Rotulo, "Frame3", 1800, 2340, 0, 0, "6"},
    {"Text25(6)", Resultado, "Frame3", 2040, 2280, 615, 315, "", Fora, Campo<&F::Text25, 6>},
    {"Combo2(5)", Editavel, "Frame3", 120, 2595, 1575, 315, Bitolas, 15, Campo<&F::Combo2, 5>},
    {"Label23(3)", Rotulo, "Frame3", 1800, 2655, 0, 0, "5"},
    {"Text25(5)", Resultado, "Frame3", 2040, 2595, 615, 315, "", Fora, Campo<&F::Text25, 5>},
    {"Combo2(4)", Editavel, "Frame3", 120, 2910, 1575, 315, Bitolas, 16, Campo<&F::Combo2, 4>},
    {"Label23(2)", Rotulo, "Frame3", 1800, 2970, 0, 0, "4"},
    {"Text25(4)", Resultado, "Frame3", 2040, 2910, 615, 315, "", Fora, Campo<&F::Text25, 4>},
    {"Combo2(3)", Editavel, "Frame3", 120, 3225, 1575, 315, Bitolas, 17, Campo<&F::Combo2, 3>},
    {"Label23(0)", Rotulo, "Frame3", 1800, 3285, 0, 0, "3"},
    {"Text25(3)", Resultado, "Frame3", 2040, 3225, 615, 315, "", Fora, Campo<&F::Text25, 3>},
    {"Combo2(2)", Editavel, "Frame3", 120, 3540, 1575, 315, Bitolas, 18, Campo<&F::Combo2, 2>},
    {"Label24", Rotulo, "Frame3", 1800, 3600, 0, 0, "2"},
    {"Text25(2)", Resultado, "Frame3", 2040, 3540, 615, 315, "", Fora, Campo<&F::Text25, 2>},
    {"Combo2(1)", Editavel, "Frame3", 120, 3855, 1575, 315, Bitolas, 19, Campo<&F::Combo2, 1>},
    {"Label25", Rotulo, "Frame3", 1800, 3915, 0, 0, "1"},
    {"Text25(1)", Resultado, "Frame3", 2040, 3855, 615, 315, "", Fora, Campo<&F::Text25, 1>},
    {"Label20", Rotulo, "Frame3", 2160, 720, 0, 0, "d' (cm)"},
    {"Label46", Rotulo, "Frame3", 2280, 300, 0, 0, "10%h"},
    {"Text30", Resultado, "Frame3", 2760, 240, 615, 315, "", Fora, Campo<&F::Text30>},
    {"Label44", Rotulo, "Frame3", 2962, 840, 0, 0, "%h"},
    {"Text38", Resultado, "Frame3", 2760, 1080, 615, 315, "", Fora, Campo<&F::Text38>},
    {"Label42", Rotulo, "Frame3", 2850, 1440, 0, 0, "d'CG2"},
    {"Text29", Resultado, "Frame3", 2760, 1680, 615, 315, "", Fora, Campo<&F::Text29>},
    {"Label51", Rotulo, "Frame3", 2880, 2880, 0, 0, "%h"},
    {"Text36", Resultado, "Frame3", 2760, 3240, 615, 315, "", Fora, Campo<&F::Text36>},
    {"Label32", Rotulo, "Frame3", 2827, 3600, 0, 0, "d'CG 1"},
    {"Text26", Resultado, "Frame3", 2760, 3855, 615, 315, "", Fora, Campo<&F::Text26>},
    {"Check1", Marca, "Frame3", 120, 4260, 1335, 195, "Tranca bitola", 20, Campo<&F::Check1>},

    // Painel: rótulo, CG, Real e unidade de cada linha, a cada 285 twips.
    {"Frame1", Moldura, "", 120, 4665, 3495, 2775, "Resultados"},
    {"Label1", Rotulo, "Frame1", 915, 360, 0, 0, "CG"},
    {"Label2", Rotulo, "Frame1", 1815, 360, 0, 0, "Real"},
    {"Label41", Rotulo, "Frame1", 120, 630, 0, 0, P[0].Rotulo},
    {P[0].NomeCG, Resultado, "Frame1", 600, 585, 855, 285, "", Fora, Campo<P[0].CG>},
    {P[0].NomeReal, Resultado, "Frame1", 1560, 585, 855, 285, "", Fora, Campo<P[0].Real>},
    {"Label40", Rotulo, "Frame1", 2415, 630, 0, 0, P[0].Unidade, Fora, {}, {}, 4},
    {"Label3", Rotulo, "Frame1", 120, 915, 0, 0, P[1].Rotulo},
    {P[1].NomeCG, Resultado, "Frame1", 600, 870, 855, 285, "", Fora, Campo<P[1].CG>, Nenhum},
    {P[1].NomeReal, Resultado, "Frame1", 1560, 870, 855, 285, "", Fora, Campo<P[1].Real>},
    {"Label15", Rotulo, "Frame1", 2415, 915, 0, 0, P[1].Unidade, Fora, {}, {}, 4},
    {"Label31", Rotulo, "Frame1", 120, 1200, 0, 0, P[2].Rotulo},
    {P[2].NomeCG, Resultado, "Frame1", 600, 1155, 855, 285, "", Fora, Campo<P[2].CG>},
    {P[2].NomeReal, Resultado, "Frame1", 1560, 1155, 855, 285, "", Fora, Campo<P[2].Real>},
    {"Label5", Rotulo, "Frame1", 120, 1485, 0, 0, P[3].Rotulo},
    {P[3].NomeCG, Resultado, "Frame1", 600, 1440, 855, 285, "", Fora, Campo<P[3].CG>, Nenhum},
    {P[3].NomeReal, Resultado, "Frame1", 1560, 1440, 855, 285, "", Fora, Campo<P[3].Real>, Nenhum},
    {"Label16", Rotulo, "Frame1", 2415, 1485, 0, 0, P[3].Unidade, Fora, {}, {}, 4},
    {"Label7", Rotulo, "Frame1", 120, 1770, 0, 0, P[4].Rotulo},
    {P[4].NomeCG, Resultado, "Frame1", 600, 1725, 855, 285, "", Fora, Campo<P[4].CG>, Nenhum},
    {P[4].NomeReal, Resultado, "Frame1", 1560, 1725, 855, 285, "", Fora, Campo<P[4].Real>, Nenhum},
    {"Label9", Rotulo, "Frame1", 120, 2055, 0, 0, P[5].Rotulo},
    {P[5].NomeCG, Resultado, "Frame1", 600, 2010, 855, 285, "", Fora, Campo<P[5].CG>, Nenhum},
    {P[5].NomeReal, Resultado, "Frame1", 1560, 2010, 855, 285, "", Fora, Campo<P[5].Real>, Nenhum},
    {"Label17", Rotulo, "Frame1", 2415, 2055, 0, 0, P[5].Unidade, Fora, {}, {}, 4},
    {"Label13", Rotulo, "Frame1", 120, 2340, 0, 0, P[6].Rotulo},
    {P[6].NomeCG, Resultado, "Frame1", 600, 2295, 855, 285, "", Fora, Campo<P[6].CG>, Nenhum},
    {P[6].NomeReal, Resultado, "Frame1", 1560, 2295, 855, 285, "", Fora, Campo<P[6].Real>, Nenhum},
    {"Label19", Rotulo, "Frame1", 2415, 2340, 0, 0, P[6].Unidade, Fora, {}, {}, 4},
    // Unidade de Mrd como as outras, com largura para "Kgf.mm".
    {"Label29", Rotulo, "Frame1", 2415, 1200, 1005, 0, "Kgf.mm", Fora, Campo<&F::Label29>, {}, 4},
    {"Text34", Resultado, "", 120, 7500, 3495, 375, "", Fora, Campo<&F::Text34>},

    {"Label47", Rotulo, "", 120, 8760, 0, 0, "&Norma"},
    {"ComboNorma", Lista, "", 120, 9000, 2085, 315, ItensNorma, 33, Campo<&F::ComboNorma>, Nenhum},
    // Uma linha por verificação da norma.
    {"Frame10", Moldura, "", 3720, 8550, 7740, 4350, "Verificações"},
    {"TextVerificacao(1)", Leitura, "Frame10", 120, 240, 7500, 270, "", 56, Campo<V, 1>},
    {"TextVerificacao(2)", Leitura, "Frame10", 120, 510, 7500, 270, "", 57, Campo<V, 2>},
    {"TextVerificacao(3)", Leitura, "Frame10", 120, 780, 7500, 270, "", 58, Campo<V, 3>},
    {"TextVerificacao(4)", Leitura, "Frame10", 120, 1050, 7500, 270, "", 59, Campo<V, 4>},
    {"TextVerificacao(5)", Leitura, "Frame10", 120, 1320, 7500, 270, "", 60, Campo<V, 5>},
    {"TextVerificacao(6)", Leitura, "Frame10", 120, 1590, 7500, 270, "", 61, Campo<V, 6>},
    {"TextVerificacao(7)", Leitura, "Frame10", 120, 1860, 7500, 270, "", 62, Campo<V, 7>},
    {"TextVerificacao(8)", Leitura, "Frame10", 120, 2130, 7500, 270, "", 63, Campo<V, 8>},
    {"TextVerificacao(9)", Leitura, "Frame10", 120, 2400, 7500, 270, "", 64, Campo<V, 9>},
    {"TextVerificacao(10)", Leitura, "Frame10", 120, 2670, 7500, 270, "", 65, Campo<V, 10>},
    {"TextVerificacao(11)", Leitura, "Frame10", 120, 2940, 7500, 270, "", 66, Campo<V, 11>},
    {"TextVerificacao(12)", Leitura, "Frame10", 120, 3210, 7500, 270, "", 67, Campo<V, 12>},
    {"TextVerificacao(13)", Leitura, "Frame10", 120, 3480, 7500, 270, "", 68, Campo<V, 13>},
    {"TextVerificacao(14)", Leitura, "Frame10", 120, 3750, 7500, 270, "", 69, Campo<V, 14>},
    {"TextVerificacao(15)", Leitura, "Frame10", 120, 4020, 7500, 270, "", 70, Campo<V, 15>},

    {"Command1", Botao, "", 6840, 120, 1335, 660, "&Calcula", 40},
    {"Command6", Botao, "", 8175, 120, 735, 660, "&Sai", 41},
    {"Command3", Botao, "", 6840, 780, 2055, 375, "&Tira 1 barra", 42},
    {"Command7", Botao, "", 6840, 1155, 1095, 660, "Ca&rrega padrão", 43},
    // Alt+A é do menu "&Arquivo": o botão fica com Alt+L.
    {"Command2", Botao, "", 7935, 1155, 975, 660, "Sa&lva padrão", 44},
    {"Command8", Botao, "", 7680, 1920, 2655, 735, "&Exporta dados", 45},

    // Força cortante, à direita: entradas e uma linha por resultado.
    {"Frame11", Moldura, "", 11580, 120, 7260, 2940, "Força cortante (item 17.4)"},
    {"LabelVd", Rotulo, "Frame11", 120, 345, 0, 0, "Vd"},
    {"TextVd", Caixa, "Frame11", 480, 300, 975, 285, "", 46, Campo<&F::TextVd>, DigitosPonto},
    {"ComboVd", Lista, "Frame11", 1500, 285, 855, 315, ItensForca, 47, Campo<&F::ComboVd>, Nenhum},
    {"LabelModelo", Rotulo, "Frame11", 2520, 345, 0, 0, "Modelo"},
    {"ComboModelo", Lista, "Frame11", 3240, 285, 1335, 315, ItensModelo, 48, Campo<&F::ComboModelo>,
     Nenhum},
    {"LabelAcoEstribo", Rotulo, "Frame11", 4740, 345, 0, 0, "Aço"},
    {"ComboAcoEstribo", Lista, "Frame11", 5220, 285, 1095, 315, ItensAcoEstribo, 49,
     Campo<&F::ComboAcoEstribo>, Nenhum},
    {"LabelTeta", Rotulo, "Frame11", 120, 765, 0, 0, "θ"},
    {"TextTeta", Caixa, "Frame11", 480, 720, 615, 285, "", 50, Campo<&F::TextTeta>, DigitosPonto},
    {"LabelGrauTeta", Rotulo, "Frame11", 1110, 735, 0, 0, "°"},
    {"LabelAlfa", Rotulo, "Frame11", 1500, 765, 0, 0, "α"},
    {"TextAlfa", Caixa, "Frame11", 1860, 720, 615, 285, "", 51, Campo<&F::TextAlfa>, DigitosPonto},
    {"LabelGrauAlfa", Rotulo, "Frame11", 2490, 735, 0, 0, "°"},
    {"LabelRamos", Rotulo, "Frame11", 2880, 765, 0, 0, "Ramos"},
    {"TextRamos", Caixa, "Frame11", 3600, 720, 495, 285, "", 52, Campo<&F::TextRamos>, Digitos},
    {"TextCortante(1)", Leitura, "Frame11", 120, 1140, 7020, 270, "", 71, Campo<C, 1>},
    {"TextCortante(2)", Leitura, "Frame11", 120, 1410, 7020, 270, "", 72, Campo<C, 2>},
    {"TextCortante(3)", Leitura, "Frame11", 120, 1680, 7020, 270, "", 73, Campo<C, 3>},
    {"TextCortante(4)", Leitura, "Frame11", 120, 1950, 7020, 270, "", 74, Campo<C, 4>},
    {"TextCortante(5)", Leitura, "Frame11", 120, 2220, 7020, 270, "", 75, Campo<C, 5>},
    {"TextCortante(6)", Leitura, "Frame11", 120, 2490, 7020, 270, "", 76, Campo<C, 6>},

    // Abertura de fissuras em serviço, abaixo da cortante.
    {"Frame12", Moldura, "", 11580, 3180, 7260, 1920, "Abertura de fissuras (item 17.3.3)"},
    {"LabelMser", Rotulo, "Frame12", 120, 345, 0, 0, "Mser"},
    {"TextMser", Caixa, "Frame12", 600, 300, 975, 285, "", 53, Campo<&F::TextMser>, DigitosPonto},
    {"ComboMser", Lista, "Frame12", 1680, 285, 1005, 315, ItensCombo5, 54, Campo<&F::ComboMser>,
     Nenhum},
    {"LabelCAA", Rotulo, "Frame12", 2880, 345, 0, 0, "CAA"},
    {"ComboCAA", Lista, "Frame12", 3480, 285, 735, 315, ItensCAA, 55, Campo<&F::ComboCAA>, Nenhum},
    {"TextFissuracao(1)", Leitura, "Frame12", 120, 720, 7020, 270, "", 77, Campo<W, 1>},
    {"TextFissuracao(2)", Leitura, "Frame12", 120, 990, 7020, 270, "", 78, Campo<W, 2>},
    {"TextFissuracao(3)", Leitura, "Frame12", 120, 1260, 7020, 270, "", 79, Campo<W, 3>},
    {"TextFissuracao(4)", Leitura, "Frame12", 120, 1530, 7020, 270, "", 80, Campo<W, 4>},

    // Durabilidade na classe de agressividade escolhida acima.
    {"Frame13", Moldura, "", 11580, 5220, 7260, 1140, "Durabilidade (item 7.4)"},
    {"TextDurabilidade(1)", Leitura, "Frame13", 120, 255, 7020, 270, "", 81, Campo<U, 1>},
    {"TextDurabilidade(2)", Leitura, "Frame13", 120, 525, 7020, 270, "", 82, Campo<U, 2>},
    {"TextDurabilidade(3)", Leitura, "Frame13", 120, 795, 7020, 270, "", 83, Campo<U, 3>},

    // Verificação de uma armadura dada: as barras de cada camada no lugar do número da
    // camada e o espaçamento dos estribos dados, só à vista com a marcação.
    {"CheckVerifica", Marca, "Frame4", 120, 720, 0, 0, "Verificar armadura dada", 84,
     Campo<&F::CheckVerifica>},
    {"TextBarrasNeg(1)", Caixa, "Frame3", 1710, 1050, 315, 315, "", 85, Campo<&F::TextBarrasNeg, 1>,
     Digitos},
    {"TextBarrasNeg(2)", Caixa, "Frame3", 1710, 1365, 315, 315, "", 86, Campo<&F::TextBarrasNeg, 2>,
     Digitos},
    {"TextBarrasNeg(3)", Caixa, "Frame3", 1710, 1680, 315, 315, "", 87, Campo<&F::TextBarrasNeg, 3>,
     Digitos},
    {"TextBarrasPos(6)", Caixa, "Frame3", 1710, 2280, 315, 315, "", 88, Campo<&F::TextBarrasPos, 6>,
     Digitos},
    {"TextBarrasPos(5)", Caixa, "Frame3", 1710, 2595, 315, 315, "", 89, Campo<&F::TextBarrasPos, 5>,
     Digitos},
    {"TextBarrasPos(4)", Caixa, "Frame3", 1710, 2910, 315, 315, "", 90, Campo<&F::TextBarrasPos, 4>,
     Digitos},
    {"TextBarrasPos(3)", Caixa, "Frame3", 1710, 3225, 315, 315, "", 91, Campo<&F::TextBarrasPos, 3>,
     Digitos},
    {"TextBarrasPos(2)", Caixa, "Frame3", 1710, 3540, 315, 315, "", 92, Campo<&F::TextBarrasPos, 2>,
     Digitos},
    {"TextBarrasPos(1)", Caixa, "Frame3", 1710, 3855, 315, 315, "", 93, Campo<&F::TextBarrasPos, 1>,
     Digitos},
    {"LabelSEstribo", Rotulo, "Frame11", 4260, 765, 0, 0, "s"},
    {"TextSEstribo", Caixa, "Frame11", 4500, 720, 615, 285, "", 94, Campo<&F::TextSEstribo>,
     DigitosPonto},
    {"LabelCmSEstribo", Rotulo, "Frame11", 5130, 765, 0, 0, "cm"},
};

// Os widgets que só a verificação de uma armadura dada mostra, e os números das camadas
// que as caixas de barras cobrem.
inline constexpr std::string_view SoNaVerificacao[] = {
    "TextBarrasNeg(1)", "TextBarrasNeg(2)", "TextBarrasNeg(3)", "TextBarrasPos(6)",
    "TextBarrasPos(5)", "TextBarrasPos(4)", "TextBarrasPos(3)", "TextBarrasPos(2)",
    "TextBarrasPos(1)", "LabelSEstribo",    "TextSEstribo",     "LabelCmSEstribo"};
inline constexpr std::string_view NumerosDasCamadas[] = {"Label27",    "Label38",    "Label39",
                                                         "Label23(4)", "Label23(3)", "Label23(2)",
                                                         "Label23(0)", "Label24",    "Label25"};

// Nomes únicos; moldura-mãe antes dos filhos; texto e campo do modelo do tipo do
// widget; na cadeia do Tab os controles de entrada e as linhas só leitura que a
// pedem, cada posição de 1 a N uma vez.
constexpr std::size_t CampoDoTipo(TipoControle T) {
    switch (T) {
    case Caixa:
    case Resultado:
    case Leitura:
        return 1;
    case Lista:
    case Editavel:
        return 2;
    case Marca:
        return 3;
    default:
        return 0;
    }
}

constexpr bool Coerente(std::span<const Controle> Tabela) {
    std::size_t paradas = 0;
    for (std::size_t i = 0; i < Tabela.size(); ++i) {
        const Controle& c = Tabela[i];
        bool paiAntes = c.Pai.empty();
        for (std::size_t j = 0; j < i; ++j) {
            if (Tabela[j].Nome == c.Nome) return false;
            paiAntes |= Tabela[j].Nome == c.Pai && Tabela[j].Tipo == Moldura;
        }
        const bool lista = c.Tipo == Lista || c.Tipo == Editavel;
        const bool entrada = lista || c.Tipo == Caixa || c.Tipo == Botao || c.Tipo == Marca;
        const bool naCadeia = c.Tab != Fora;
        const std::size_t m = c.Modelo.index();
        // Entradas sempre na cadeia do Tab; linhas só leitura podem estar (o texto
        // inteiro se lê pelo teclado); o resto, fora.
        if (!paiAntes || c.Texto.index() != lista || (entrada && !naCadeia) ||
            (naCadeia && !entrada && c.Tipo != Leitura) ||
            (m != CampoDoTipo(c.Tipo) && !(c.Tipo == Rotulo && m == 4)))
            return false;
        paradas += naCadeia;
    }
    for (std::size_t p = 1; p <= paradas; ++p) {
        std::size_t vezes = 0;
        for (const Controle& c : Tabela) vezes += std::size_t(c.Tab) == p;
        if (vezes != 1) return false;
    }
    return true;
}
static_assert(Coerente(Form1));
static_assert(
    std::ranges::count(Form1, Leitura, &Controle::Tipo) ==
        std::tuple_size_v<decltype(F::TextVerificacao)> - 1 +
            std::tuple_size_v<decltype(F::TextCortante)> - 1 +
            std::tuple_size_v<decltype(F::TextFissuracao)> - 1 +
            std::tuple_size_v<decltype(F::TextDurabilidade)> - 1,
    "uma linha por verificação da norma, da durabilidade e por resultado da cortante e do serviço");

} // namespace geometria

} // namespace lumbrio::janela
