// Textos das listas da janela: unidades, aços e bitolas, na ordem em que aparecem.
#pragma once

#include "base/Norma.h"

#include <array>
#include <string_view>

namespace lumbrio {

struct Unidade {
    std::string_view Texto;
    double Fator; // unidades internas (kgf, cm) por unidade do usuário
};

// Ordem da tabela: momentos, depois tensões; "MPa" por último.
inline constexpr std::array<Unidade, 25> TabelaUnidades{{
    {"Kgf.mm", 0.1},    {"Kgf.cm", 1},     {"Kgf.m", 100},   {"Tf.mm", 100},  {"Tf.cm", 1000},
    {"Tf.m", 100000},   {"N.mm", 0.01},    {"N.cm", 0.1},    {"N.m", 10},     {"KN.mm", 10},
    {"KN.cm", 100},     {"KN.m", 10000},   {"Kgf/mm2", 100}, {"Kgf/cm2", 1},  {"Kgf/m2", 0.0001},
    {"Tf/mm2", 100000}, {"Tf/cm2", 1000},  {"Tf/m2", 0.1},   {"N/mm2", 10},   {"N/cm2", 0.1},
    {"N/m2", 0.00001},  {"KN/mm2", 10000}, {"KN/cm2", 100},  {"KN/m2", 0.01}, {"MPa", 10},
}};

// Fator da unidade de texto Texto; recusa uma unidade fora da tabela (o arquivo de
// valores pode trazer uma unidade inválida).
double FatorDaUnidade(std::string_view Texto);

// Valor × Fator em unidades internas. Os fatores são potências de 10: fora do 1, o
// produto é arredondado a 15 algarismos, e o mesmo número em outra unidade dá o mesmo
// double (90 000 000 N/m2 dá 900 kgf/cm2, não 900,0000000000001, que passaria de C90).
double NaUnidadeInterna(double Valor, double Fator);

inline constexpr std::array<std::string_view, 12> ItensCombo5{"Kgf.mm", "Kgf.cm", "Kgf.m", "Tf.mm",
                                                              "Tf.cm",  "Tf.m",   "N.mm",  "N.cm",
                                                              "N.m",    "KN.mm",  "KN.cm", "KN.m"};

// Combo6 (fck) e Combo7 (Es).
inline constexpr std::array<std::string_view, 13> ItensTensao{
    "MPa",   "Kgf/mm2", "Kgf/cm2", "Kgf/m2", "Tf/mm2", "Tf/cm2", "Tf/m2",
    "N/mm2", "N/cm2",   "N/m2",    "KN/mm2", "KN/cm2", "KN/m2"};

inline constexpr std::array<std::string_view, 6> ItensCombo1{
    "Aço CA-25A", "Aço CA-50A", "Aço CA-60A", "Aço CA-25B", "Aço CA-50B", "Aço CA-60B"};

// Unidades de força (Vd): fator para kgf.
inline constexpr std::array<Unidade, 4> TabelaForcas{
    {{"Kgf", 1}, {"KN", 100}, {"Tf", 1000}, {"N", 0.1}}};
inline constexpr std::array<std::string_view, 4> ItensForca{"Kgf", "KN", "Tf", "N"};

// Modelos de cálculo da cortante, aços do estribo e classes de agressividade.
inline constexpr std::array<std::string_view, 2> ItensModelo{"Modelo I", "Modelo II"};
inline constexpr std::array<std::string_view, 2> ItensAcoEstribo{"CA-50", "CA-60"};
inline constexpr std::array<std::string_view, 4> ItensCAA{"I", "II", "III", "IV"};

// Forma da seção e face da mesa de uma seção T.
inline constexpr std::array<std::string_view, 2> ItensSecao{"Retangular", "T"};
inline constexpr std::array<std::string_view, 2> ItensMesa{"Comprimida", "Tracionada"};
// Calculadora de bf: a vinculação do vão e o que há de cada lado da mesa.
inline constexpr std::array<std::string_view, 4> ItensVinculo{
    "Simplesmente apoiada", "Contínua num lado", "Contínua nos dois lados", "Balanço"};
inline constexpr std::array<std::string_view, 3> ItensLadoMesa{"Sem laje", "Laje interna (b2)",
                                                               "Laje em balanço (b4)"};

// Edições da NBR 6118 da lista "Norma"; a primeira é a de projeto.
inline constexpr std::array<std::string_view, 2> ItensNorma{"NBR 6118:2003", "NBR 6118:2023"};

// "NBR 6118:2003" ou "NBR 6118:2023".
constexpr std::string_view TextoNorma(Norma Edicao) {
    return Edicao == Norma::NBR2023 ? ItensNorma[1] : ItensNorma[0];
}

// Classe B: encruada a frio, lei tensão-deformação com trecho curvo.
inline constexpr bool AcoClasseB(std::string_view Texto) {
    return Texto == "Aço CA-25B" || Texto == "Aço CA-50B" || Texto == "Aço CA-60B";
}

// fyk (kgf/cm²) do aço da lista; 0 fora dela.
inline constexpr int FykDoAco(std::string_view Texto) {
    if (Texto == "Aço CA-25B" || Texto == "Aço CA-25A") return 2500;
    if (Texto == "Aço CA-50B" || Texto == "Aço CA-50A") return 5000;
    if (Texto == "Aço CA-60B" || Texto == "Aço CA-60A") return 6000;
    return 0;
}

// εyd (por mil) de fyd e Es (kgf/cm²): na classe B, 2 por mil além da deformação
// elástica de escoamento.
inline constexpr double EpsYdDoAco(double Fyd, double Es, bool ClasseB) {
    return ClasseB ? 2 + 1000 * Fyd / Es : 1000 * Fyd / Es;
}

// Bitolas: índice k = posição + 1. As quatro primeiras formam a lista do estribo.
struct Bitola {
    std::string_view Texto;
    double Diametro;  // cm
    double AreaBarra; // cm², área nominal
};

inline constexpr std::array<Bitola, 11> TabelaBitolas{{
    {"5 mm", 0.5, 0.2},
    {"6.3 mm (1/4'')", 0.63, 0.315},
    {"8 mm (5/16'')", 0.8, 0.5},
    {"10 mm (3/8'')", 1.0, 0.8},
    {"12.5 mm (1/2'')", 1.25, 1.25},
    {"16 mm (5/8'')", 1.6, 2.0},
    {"20 mm (3/4'')", 2.0, 3.15},
    {"22.5 mm (7/8'')", 2.25, 4.0},
    {"25 mm (1'')", 2.5, 5.0},
    {"32 mm (1 1/4'')", 3.2, 8.0},
    {"40 mm", 4.0, 12.5},
}};

inline constexpr int NumBitolasEstribo = 4;

} // namespace lumbrio
