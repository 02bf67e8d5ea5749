// Funções puras da seção retangular: lei do aço, deformação do concreto, fronteiras
// dos domínios, bloco de tensão reduzida e centróide de uma face. Os procedimentos
// de Dimensionamento são membros finos sobre elas.
// Unidades: cm, kgf/cm²; deformações em por mil.
#pragma once

#include <array>
#include <string_view>

namespace lumbrio {

// Lei tensão-deformação de cálculo do aço: classe A elastoplástica, classe B com
// trecho curvo entre 0,7 fyd e fyd.
struct LeiDoAco {
    double Fyd = 0, Es = 0, EpsYd = 0; // kgf/cm², kgf/cm², por mil
    bool ClasseB = false;
    // Tensão (kgf/cm²) para a deformação Eps (por mil), com o sinal dela.
    double Tensao(double Eps) const;
    bool Escoa(double Eps) const;
};

// Fronteiras dos domínios para a altura útil d: 2a/2b, 2b/3 e 3/4 (x34).
inline double XLimite2a(double d) {
    return d / 6;
}
inline double XLimite2b(double d) {
    return 3.5 * d / 13.5;
}
inline double XLimite3(double d, double EpsYd) {
    return 3.5 * d / (EpsYd + 3.5);
}

// Deformação do concreto na face comprimida (por mil) para x e d: domínios 2a e 2b
// com o aço a 10 por mil, 3,5 por mil a partir da fronteira 2b/3.
inline double EpsConcreto(double X, double d) {
    return X < XLimite2b(d) ? 10 * X / (d - X) : 3.5;
}

// Domínio de deformação de x: "2a", "2b", "3" ou "4".
std::string_view DominioDe(double X, double d, double EpsYd);

// Tensão do bloco reduzido do domínio 2a para a deformação do concreto EpsC.
inline double TensaoBlocoReduzida(double SigCd, double EpsC) {
    return SigCd * (1 - (1 - EpsC / 2));
}

// Centróide das camadas 1..NumCamadas de uma face (cm da face), com momentos em torno
// da camada 1; sem barras, devolve Anterior (não há área para ponderar).
double Centroide(const std::array<double, 7>& NumBarras, const std::array<int, 7>& Bitola,
                 int NumCamadas, const std::array<double, 12>& AreaBarra,
                 const std::array<double, 7>& DLinha, double Anterior);

} // namespace lumbrio
