// Armaduras teóricas: As' quando x passa de x máximo, e As. Unidades: cm, cm², kgf,
// kgf/cm², kgf·cm; deformações em por mil.
#pragma once

#include "section/BlocoRetangular.h"
#include "section/Secao.h"

namespace lumbrio {

// Armadura de compressão com x no limite: o bloco (regime Compressao), o momento que
// falta, ΔM = Md − MRcc, o binário As'–As com braço d − d'CG2 e a área As'. Recusa d
// que não passa de d'CG2 e a armadura de compressão sobre a linha neutra.
struct ArmaduraNegativa {
    Bloco B;
    double DeltaM = 0, Rsc = 0;
    double Eps = 0, Sig = 0; // no centróide d'CG2
    double AsLinha = 0;
};
ArmaduraNegativa AsTeoricaNeg(double X, double d, const GeometriaT& G, double SigCd,
                              const ParametrosConcreto& P, const LeiDoAco& Lei, double Md,
                              double DCG2);

// Armadura de tração para o equilíbrio Rsc + Rcc = As·σs, com εs no centróide d.
// SemLimite em x = d (deformação nula no aço). Recusa uma área negativa ou infinita.
struct ArmaduraPositiva {
    bool SemLimite = false;
    double Eps = 0, Sig = 0;
    double As = 0;
};
ArmaduraPositiva AsTeoricaPos(double X, double d, double EpsC, double Rcc, double Rsc,
                              const LeiDoAco& Lei);

} // namespace lumbrio
