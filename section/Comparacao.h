// Comparação dos modelos CG e Real de um cálculo completo: deformação e tensão de
// cada camada, Mrd nas duas unidades, regra dos 10 % da altura e Mrd < Md.
#pragma once

#include "base/EstadoDeProjeto.h"

#include <vector>

namespace lumbrio {

inline constexpr double KgfCmPorKNm = 10000; // 1 kN·m = 10 000 kgf·cm (tabela de unidades)
inline constexpr double LimitePctH = 10;     // %, item 17.2.4.1 da NBR 6118:2003

// Uma camada com barras no modelo Real, em x = XReal.
struct CamadaReal {
    bool Negativa = false; // armadura negativa (face comprimida)
    int Camada = 0;        // 1..6 positivas, 1..3 negativas
    double DLinha = 0;     // cm, da face da própria armadura
    int Barras = 0;
    int Bitola = 0;     // índice no catálogo
    double Area = 0;    // cm²
    double Eps = 0;     // por mil: + é tração nas positivas e compressão nas negativas
    double Sig = 0;     // kgf/cm², com o sinal de Eps
    bool Escoa = false; // |Eps| ≥ EpsYd
    bool Tracionada() const { return Negativa ? Eps < 0 : Eps > 0; }
};

// A deformação única de uma face no modelo CG, em x = XCG.
struct FaceCG {
    bool Existe = false; // a face tem barras
    double DLinha = 0;   // cm: d'CG1 ou d'CG2
    double Eps = 0;      // por mil, mesma convenção de CamadaReal
    double Sig = 0;      // kgf/cm²
    bool Escoa = false;
};

struct Comparacao {
    std::vector<CamadaReal> Camadas; // positivas 1..6, depois negativas 1..3
    FaceCG CGPos, CGNeg;
    double EpsCCG = 0, EpsCReal = 0;         // concreto, por mil
    double MrdCGKgfCm = 0, MrdRealKgfCm = 0; // kgf·cm
    double MrdCGKNm = 0, MrdRealKNm = 0;     // kN·m
    double MdKgfCm = 0;                      // kgf·cm
    double DiferencaMrdPct = 0;              // (Real − CG) / CG, %; NaN se MrdCG = 0
    bool AtendePos = true;                   // %h ≤ 10
    bool TemNeg = false;                     // camada negativa 1 com barras: %h' vale
    bool AtendeNeg = true;
    bool MrdRealAbaixoDeMd = false;
};

// Recalcula a partir do estado de um cálculo completo (HaResultados).
Comparacao ComparaModelos(const EstadoDeCalculo& D);

} // namespace lumbrio
