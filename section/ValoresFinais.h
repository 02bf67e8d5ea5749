// A seção com as barras colocadas nos modelos CG (as barras de cada face no centróide
// dela) e Real (cada camada na sua profundidade): o equilíbrio das forças e o momento
// resistente. Unidades: cm, cm², kgf, kgf/cm², kgf·cm; deformações em por mil.
#pragma once

#include "base/EstadoDeProjeto.h"
#include "section/BlocoRetangular.h"
#include "section/Secao.h"

#include <array>
#include <string_view>

namespace lumbrio {

// As barras de uma face: camadas 1..NumCamadas, d' de cada uma e o centróide, da face.
struct FaceColocada {
    int NumCamadas = 0;
    PorCamada NumBarras{};
    std::array<int, 7> Bitola{};
    PorCamada DLinha{};
    double DCG = 0;
};

struct SecaoColocada {
    GeometriaT Secao;
    double Altura = 0, AlturaUtil = 0, SigCd = 0;
    ParametrosConcreto Concreto;
    LeiDoAco Lei;
    PorBitola AreaBarra{};
    FaceColocada Pos, Neg;
};

// A seção das barras colocadas no estado de um cálculo.
inline SecaoColocada ColocadaDe(const EstadoDeCalculo& D) {
    return {GeometriaDe(D.Forma, D.Base, D.Altura),
            D.Altura,
            D.AlturaUtil,
            D.SigCd,
            D.Concreto,
            LeiDoCalculo(D),
            D.AreaBarra,
            {D.Pos.NumCamadas, D.Pos.NumBarras, D.Pos.Bitola, D.Pos.DLinha, D.DCG1},
            {D.Neg.NumCamadas, D.Neg.NumBarras, D.Neg.Bitola, D.Neg.DLinha, D.DCG2}};
}

// O estado da seção em x: bloco, deformações e tensões das camadas (no modelo CG, só o
// índice 1, o centróide de cada face), Rc = Rcc + compressão do aço e Rst.
struct Equilibrio {
    double X = 0;
    Bloco B;
    struct {
        PorCamada Eps{}, Sig{};
    } Pos, Neg;
    double Rc = 0, Rst = 0;
    double Residuo = 0;       // Rc − Rst
    long Passos = 0;          // da busca
    std::string_view Dominio; // da busca
};

// Preenche E com o estado da seção em x.
void ForcasEm(const SecaoColocada& S, double X, bool Real, Equilibrio& E);

// x de Rc = Rst, a menos de PrecisaoN (kgf), pela busca em passos.
Equilibrio BuscaEquilibrio(const SecaoColocada& S, bool Real, double PrecisaoN);

// Mrd do modelo CG: momentos em torno do centróide positivo.
double MomentoResistenteCG(const SecaoColocada& S, const Equilibrio& E);
// Mrd do modelo Real: momentos em torno da camada positiva 1.
double MomentoResistenteReal(const SecaoColocada& S, const Equilibrio& E);

} // namespace lumbrio
