// Força cortante numa seção retangular (item 17.4): as entradas lidas e os resultados
// do último cálculo. Dados apenas. Unidades: kgf, cm, kgf/cm²; Asw/s em cm²/cm.
#pragma once

#include "base/Norma.h"

namespace lumbrio {

// Faixas das entradas que o cálculo aceita.
inline constexpr double TetaMinimo = 30, TetaMaximo = 45; // graus
inline constexpr double AlfaMinimo = 45, AlfaMaximo = 90; // graus
inline constexpr int RamosMinimo = 2, RamosMaximo = 12;

// Modelos de cálculo da treliça: I (bielas a 45°) e II (θ de 30° a 45°).
enum class ModeloTrelica { I, II };

struct EntradasCortante {
    bool Usada = false; // Vd vazio: sem verificação
    double Vd = 0;      // kgf
    ModeloTrelica Modelo = ModeloTrelica::I;
    double Teta = 30, Alfa = 90; // graus
    int Ramos = 2;
    double Fywk = 5000; // kgf/cm²
    double SDado = 0;   // cm: espaçamento dos estribos dados (verificação); 0: nenhum
    // Espaçamento mínimo prático (cm): espaço para o vibrador entre estribos (item 18.3.3.2).
    double SMinPratico = 7;
    bool operator==(const EntradasCortante&) const = default;
};

// A seção para a força cortante: bw, d, o concreto, os coeficientes e o estribo.
struct SecaoCortante {
    double Bw = 0, D = 0, Cobrimento = 0; // cm
    double Fck = 0;                       // kgf/cm²
    double GamaC = 1.4, GamaS = 1.15;
    double PhiT = 0, AreaEstribo = 0; // cm, cm² de uma barra do estribo
    Norma Edicao = Norma::NBR2003;    // a expressão de fctm acima de C50
    bool operator==(const SecaoCortante&) const = default;
};

struct ResultadoCortante {
    bool Calculado = false;
    double AlfaV2 = 0, FctmMPa = 0;
    double Fctd = 0, Fywd = 0;                            // kgf/cm²
    double VRd2 = 0, Vc0 = 0, Vc = 0, Vsw = 0, VdMin = 0; // kgf
    double AswS = 0, AswSMin = 0, AswSAdotada = 0;        // cm²/cm
    double RhoSwMin = 0;                                  // fração
    double SCalculado = 0;                                // cm, antes do arredondamento
    double S = 0;           // cm: o espaçamento a adotar, múltiplo de 0,5 e ≤ s,máx
    bool SLimitado = false; // s,máx governou
    bool FalhaS = false;    // o calculado fica abaixo do passo: nenhum espaçamento serve
    double SMax = 0, St = 0, StMax = 0; // cm
    double PhiTMin = 0.5, PhiTMax = 0;  // cm
    bool FalhaBielas = false, FalhaSt = false, FalhaPhiT = false;
    // Estribos dados a SDado: Asw/s deles (cm²/cm), Vsw que resistem e VRd3 = Vc + Vsw.
    bool EstribosDados = false;
    double AswSDada = 0, VswDada = 0, VRd3 = 0; // cm²/cm, kgf, kgf
    bool FalhaVRd3 = false, FalhaSDado = false, FalhaAswSDada = false;
    // s abaixo do mínimo prático, e o primeiro estribo que o atende: a bitola seguinte
    // (PhiSugerido, cm) ou, com a mesma bitola, mais ramos (0: nenhum atende).
    bool AbaixoDoMinimo = false;
    double PhiSugerido = 0;
    int RamosSugeridos = 0;
};

} // namespace lumbrio
