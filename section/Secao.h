// Funções puras da seção retangular: lei do aço, deformação do concreto, fronteiras
// dos domínios, bloco de tensão reduzida e centróide de uma face. Os procedimentos
// de Dimensionamento são membros finos sobre elas.
// Unidades: cm, kgf/cm²; deformações em por mil.
#pragma once

#include "base/EstadoDeProjeto.h"
#include "base/Norma.h"

#include <array>
#include <cmath>
#include <string_view>

namespace lumbrio {

// Parâmetros para fck em MPa: a NBR 6118:2003 usa o bloco de até C50 em qualquer
// fck, com x/d ≤ 0,50 até C35 e 0,40 acima; a 2023 reduz a tensão por
// ηc = (40/fck)^(1/3) acima de C40, varia o bloco e as deformações acima de C50 e
// limita x/d a 0,45 até C50 e 0,35 acima.
ParametrosConcreto ParametrosDe(Norma Edicao, double FckMPa);

// Tensão do bloco retangular, σcd = αc·ηc·fcd (kgf/cm²).
inline double TensaoDoBloco(double Fcd, const ParametrosConcreto& P) {
    return P.AlfaC * P.EtaC * Fcd;
}

// Lei tensão-deformação de cálculo do aço: classe A elastoplástica, classe B com
// trecho curvo entre 0,7 fyd e fyd.
struct LeiDoAco {
    double Fyd = 0, Es = 0, EpsYd = 0; // kgf/cm², kgf/cm², por mil
    bool ClasseB = false;
    // Tensão (kgf/cm²) para a deformação Eps (por mil), com o sinal dela.
    double Tensao(double Eps) const;
    bool Escoa(double Eps) const;
};

// Em linha: as buscas de equilíbrio a chamam para cada camada a cada passo.
inline double LeiDoAco::Tensao(double Eps) const {
    const double e = std::fabs(Eps);
    double sig;
    if (!ClasseB) {
        sig = e >= EpsYd ? Fyd : Es * e / 1000;
    } else if (!(e > 700 * Fyd / Es)) {
        sig = Es * e / 1000; // trecho linear até 0,7 fyd
    } else if (e >= EpsYd) {
        sig = Fyd;
    } else {
        // Raiz maior de A·σ² − B·σ + C = 0; C passa por precisão simples.
        const double A = 1 / (45 * Fyd * Fyd);
        const double B = 1.4 / (45 * Fyd) - 1 / Es;
        const double C = static_cast<float>(0.49 / 45 - e / 1000);
        sig = (B + std::sqrt(B * B - 4 * A * C)) / (2 * A);
    }
    return std::copysign(sig, Eps);
}

// fctm (MPa) da classe: 0,3·fck^(2/3) até C50; acima, 2,12·ln[1 + 0,1·(fck + 8)] na 2023
// e 2,12·ln(1 + 0,11·fck) na 2003, que não vai além de C50 (a verificação da classe
// avisa).
inline double FctmMPa(Norma Edicao, double FckMPa) {
    if (FckMPa <= 50) return 0.3 * std::pow(FckMPa, 2.0 / 3);
    return Edicao == Norma::NBR2023 ? 2.12 * std::log(1 + 0.1 * (FckMPa + 8))
                                    : 2.12 * std::log(1 + 0.11 * FckMPa);
}

inline bool LeiDoAco::Escoa(double Eps) const {
    return std::fabs(Eps) >= EpsYd;
}

// A lei do aço que o cálculo leu (aço escolhido, fyd, Es, εyd).
inline LeiDoAco LeiDoCalculo(const EstadoDeCalculo& E) {
    return {E.Fyd, E.Es, E.EpsYd, E.ClasseB};
}

// Fronteiras dos domínios para a altura útil d: 2a/2b (εc2 com o aço a 10 por mil),
// 2b/3 (εcu e 10 por mil) e 3/4 (x34: εcu e εyd).
inline double XLimite2a(double d, const ParametrosConcreto& P) {
    return P.EpsC2 * d / (P.EpsC2 + 10);
}
inline double XLimite2b(double d, const ParametrosConcreto& P) {
    return P.EpsCu * d / (P.EpsCu + 10);
}
inline double XLimite3(double d, double EpsYd, const ParametrosConcreto& P) {
    return P.EpsCu * d / (EpsYd + P.EpsCu);
}

// Deformação do concreto na face comprimida (por mil) para x e d: domínios 2a e 2b
// com o aço a 10 por mil, εcu a partir da fronteira 2b/3.
inline double EpsConcreto(double X, double d, const ParametrosConcreto& P) {
    return X < XLimite2b(d, P) ? 10 * X / (d - X) : P.EpsCu;
}

// Domínio de deformação de x: "2a", "2b", "3" ou "4".
std::string_view DominioDe(double X, double d, double EpsYd, const ParametrosConcreto& P);

// Tensão do bloco reduzido do domínio 2a para a deformação do concreto EpsC.
inline double TensaoBlocoReduzida(double SigCd, double EpsC, const ParametrosConcreto& P) {
    return SigCd * (1 - (1 - EpsC / P.EpsC2));
}

// Centróide das camadas 1..NumCamadas de uma face (cm da face), com momentos em torno
// da camada 1; sem barras, devolve Anterior (não há área para ponderar).
double Centroide(const std::array<double, 7>& NumBarras, const std::array<int, 7>& Bitola,
                 int NumCamadas, const std::array<double, 12>& AreaBarra,
                 const std::array<double, 7>& DLinha, double Anterior);

} // namespace lumbrio
