// Seção T: a mesa que a laje dá à viga. Largura colaborante, propriedades da seção
// bruta, a zona comprimida do bloco de tensões, a armadura mínima, o momento de
// fissuração e o estádio II com a mesa. Unidades: cm, cm², cm³, cm⁴, kgf, kgf/cm²,
// kgf·cm.
#pragma once

#include "base/FormaDaSecao.h"
#include "base/Norma.h"
#include "section/Fissuracao.h"

#include <vector>

namespace lumbrio {

// Vinculação do vão, para a distância a entre pontos de momento nulo.
enum class VinculacaoDoVao { SimplesmenteApoiado, ContinuoUmLado, ContinuoDoisLados, Balanco };

// a = 1,00·l, 0,75·l, 0,60·l ou 2,00·l.
double DistanciaEntreMomentosNulos(VinculacaoDoVao V, double Vao);

// Um lado da mesa: sem laje, laje até a viga vizinha (b2, a distância livre entre as
// almas) ou laje em balanço de borda (b4).
struct LadoDaMesa {
    enum class Tipo { SemLaje, Interno, Borda } Lado = Tipo::SemLaje;
    double Distancia = 0; // b2 ou b4 (cm)
};

// bf = bw + b1 + b3, com b1 ≤ 0,10·a e ≤ 0,5·b2 no lado interno e b3 ≤ 0,10·a e ≤ b4 no
// de borda.
double LarguraColaborante(double bw, double a, LadoDaMesa Esquerdo, LadoDaMesa Direito);

// Uma seção T: mesa bf × hf na face comprimida ou na tracionada, alma bw, altura h.
struct GeometriaT {
    double bf = 0, hf = 0, bw = 0, h = 0;
    bool MesaComprimida = true;
    double Aba() const { return bf - bw; } // as duas abas juntas
    // Há abas na zona comprimida: senão o bloco é o retângulo bw de sempre.
    bool AbasComprimidas() const { return MesaComprimida && Aba() > 0; }
};

// A geometria de uma seção de alma bw e altura h; a retangular é uma T sem mesa.
GeometriaT GeometriaDe(const FormaDaSecao& F, double bw, double h);

// Seção bruta: área, inércia em torno do centróide, distância do centróide à fibra
// mais tracionada e o módulo resistente relativo a ela.
struct PropriedadesT {
    double Area = 0, I = 0, Yt = 0, W0 = 0;
};
PropriedadesT PropriedadesDe(const GeometriaT& G);

// Zona comprimida de altura y (do bloco ou da linha neutra) a partir da face
// comprimida: área e momento estático em torno dessa face. Com a mesa tracionada, a
// zona comprimida é a da alma.
struct ZonaComprimida {
    double Area = 0, Momento = 0;
};
ZonaComprimida ZonaComprimidaDe(const GeometriaT& G, double y);

// Momento (kgf·cm) das abas inteiras a σcd em torno da armadura à altura útil d:
// (bf − bw)·hf·σcd·(d − hf/2).
double MomentoDasAbas(const GeometriaT& G, double d, double SigCd);

// Altura (cm) do bloco de tensão plena σcd que resiste a Md (kgf·cm) em torno da
// armadura à altura útil d: um retângulo bf enquanto Md ≤ bf·hf·σcd·(d − hf/2); além,
// as abas inteiras em d − hf/2 e a alma com o resto. NaN quando nem y = d basta.
double AlturaDoBlocoT(const GeometriaT& G, double d, double Md, double SigCd);

// Armadura mínima (cm²) da seção T com altura útil d, σcd, fcd e fyd (kgf/cm²), fck em
// MPa. 2003: ρmin = ωmin·fcd/fyd ≥ 0,15 % da área da alma com a mesa, ωmin de 0,024
// (mesa comprimida) ou 0,031 (mesa tracionada). 2023: As para Md,min = 0,8·W0·fctk,sup,
// com W0 da fibra tracionada, e ao menos 0,15 % da área bruta. Negativa quando o
// concreto não resiste a Md,min.
double ArmaduraMinimaT(Norma Edicao, const GeometriaT& G, double d, double SigCd, double Fcd,
                       double Fyd, double FckMPa);

// Momento de fissuração da T, Mr = 1,2·fctk,inf·Ic/yt com fctk,inf = 0,7·fctm (kgf/cm²).
double MomentoDeFissuracaoT(const GeometriaT& G, double Fctm);

// Estádio II com a mesa: quando x passa de hf numa mesa comprimida, as abas entram na
// zona comprimida; com a mesa tracionada é o retângulo bw.
EstadioII EstadioIIDe(const GeometriaT& G, const std::vector<AreaEmY>& Areas, double AlfaE);

} // namespace lumbrio
