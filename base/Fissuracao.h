// Abertura de fissuras em serviço (item 17.3.3) com as barras colocadas: as entradas
// lidas e o resumo por camada do último cálculo. Dados apenas. Unidades: kgf, cm,
// kgf/cm², kgf·cm; wk em mm.
#pragma once

#include <vector>

namespace lumbrio {

struct EntradasFissuracao {
    bool Usada = false; // Mser vazio: sem verificação
    double Mser = 0;    // kgf·cm
    int Classe = 2;     // classe de agressividade ambiental, 1 a 4
};

// Uma camada com barras: positiva (tracionada) ou negativa, a sua profundidade, as
// tensões nos dois modelos e wk das barras da ponta e das de dentro (modelo Real).
struct FissuracaoDaCamada {
    bool Negativa = false;
    int Camada = 0; // 1..6 ou 1..3
    double Y = 0;   // cm, da face comprimida
    int Barras = 0;
    double Fi = 0;                        // cm
    double SigmaReal = 0;                 // kgf/cm², positiva na tração
    double SigmaCG = 0;                   // a da face no modelo CG
    double WkPonta = 0, WkDentro = 0;     // mm; sem barras de dentro, WkDentro = 0
    double AcriPonta = 0, AcriDentro = 0; // cm²
    // A barra de maior wk da camada: Acri (cm²), ρr, w1 e w2 (mm).
    double AcriGoverna = 0, RhoGoverna = 0, W1Governa = 0, W2Governa = 0;
};

struct ResultadoFissuracao {
    bool Calculado = false;
    double XReal = 0, XCG = 0; // cm
    double SigmaReal = 0;      // camada positiva 1 (a externa), kgf/cm²
    double SigmaCG = 0;        // centróide positivo no modelo CG, kgf/cm²
    double Mr = 0;             // kgf·cm
    double IReal = 0;          // I_II do modelo Real, cm⁴
    bool Fissura = false;
    double Eta1 = 0;
    double WkMax = 0, WkLim = 0; // mm
    int CamadaWkMax = 0;         // camada positiva da maior wk (0: nenhuma)
    bool FalhaWk = false;
    // Tabela 17.2 para a tensão da camada externa; sem linha acima de 360 MPa.
    bool TemLimites = false;
    double FiMaxTabela = 0, SMaxTabela = 0; // mm, cm
    std::vector<FissuracaoDaCamada> Camadas;
};

// σs da camada externa acima de fyk: o aço escoaria em serviço e o estádio II linear
// já não vale (um alerta na janela e no CSV).
inline bool SigmaAcimaDeFyk(const ResultadoFissuracao& R, double Fyk) {
    return R.Calculado && R.SigmaReal > Fyk;
}

} // namespace lumbrio
