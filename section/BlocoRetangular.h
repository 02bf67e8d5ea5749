// Bloco retangular de tensões do concreto, momentos limites dos domínios, a busca em
// passos e a linha neutra para Md. Unidades: cm, kgf, kgf/cm², kgf·cm; deformações
// em por mil.
#pragma once

#include "base/EstadoDeProjeto.h"
#include "base/Numeros.h"
#include "base/Recusa.h"
#include "section/Secao.h"
#include "section/SecaoT.h"

#include <cmath>
#include <string>
#include <string_view>

namespace lumbrio {

// Como o bloco toma a deformação e a tensão do concreto.
enum class RegimeBloco {
    Pleno,       // σcd em toda a altura; εc não é calculada
    Dominio2a,   // aço a 10 por mil: εc = 10·x/(d − x) e tensão reduzida
    Compressao,  // armadura de compressão: εcu já a partir de x2a (d/6), reduzida abaixo
    Verificacao, // εc dos domínios (EpsConcreto); tensão reduzida até x2a inclusive
};

struct Bloco {
    double Y = 0;          // cm, altura do bloco, λ·x
    double EpsC = 0;       // por mil (zero no regime Pleno)
    double Tensao = 0;     // kgf/cm²
    bool Reduzida = false; // a tensão é a reduzida do domínio 2a
    double Rcc = 0;        // kgf
    double Centro = 0;     // cm, da face comprimida à resultante (y/2 no retângulo)
    double Z = 0;          // cm, braço até d
    double MRcc = 0;       // kgf·cm, em torno de d
};

// A resultante do bloco de altura k.Y e tensão k.Tensao na zona comprimida de G, o
// braço até d e o momento: no retângulo bw, Y·bw·σ em Y/2; com abas comprimidas, a
// zona de ZonaComprimidaDe.
inline void ResultanteDoBloco(Bloco& k, double d, const GeometriaT& G) {
    if (G.AbasComprimidas()) {
        const ZonaComprimida z = ZonaComprimidaDe(G, k.Y);
        k.Rcc = z.Area * k.Tensao;
        k.Centro = z.Area > 0 ? z.Momento / z.Area : 0;
    } else {
        k.Rcc = k.Y * G.bw * k.Tensao;
        k.Centro = k.Y / 2;
    }
    k.Z = d - k.Centro;
    k.MRcc = k.Z * k.Rcc;
}

// O bloco em x para a altura útil d, a seção G e σcd (em linha: as buscas o avaliam a
// cada passo).
inline Bloco BlocoEm(double X, double d, const GeometriaT& G, double SigCd,
                     const ParametrosConcreto& P, RegimeBloco R) {
    Bloco k;
    k.Y = P.Lambda * X;
    k.Tensao = SigCd;
    switch (R) {
    case RegimeBloco::Pleno:
        break;
    case RegimeBloco::Dominio2a:
        k.EpsC = 10 * X / (d - X);
        k.Reduzida = true;
        break;
    case RegimeBloco::Compressao:
        k.Reduzida = !(X >= XLimite2a(d, P));
        k.EpsC = k.Reduzida ? 10 * X / (d - X) : P.EpsCu;
        break;
    case RegimeBloco::Verificacao:
        k.EpsC = EpsConcreto(X, d, P);
        k.Reduzida = !(X > XLimite2a(d, P));
        break;
    }
    // Com abas comprimidas a mesa toma σcd inteira em todos os domínios.
    if (G.AbasComprimidas()) k.Reduzida = false;
    if (k.Reduzida) k.Tensao = TensaoBlocoReduzida(SigCd, k.EpsC, P);
    ResultanteDoBloco(k, d, G);
    return k;
}

// Momentos do bloco pleno nas fronteiras 2a/2b, 2b/3, 3/4 e em x = d.
struct MomentosLimites {
    double M2a = 0, M2b = 0, M3 = 0, M4 = 0; // kgf·cm
};
MomentosLimites MomentosLimitesDe(double d, const GeometriaT& G, double SigCd, double EpsYd,
                                  const ParametrosConcreto& P);

// Textos de uma busca em passos que não termina.
struct MensagensBusca {
    std::string_view NaoEncontrada; // "A linha neutra para Md não pôde ser encontrada."
    std::string_view Objeto;        // "da linha neutra": "A busca ... não convergiu em"
    std::string_view Conselho;
};

// Busca em passos a partir de x = 0: sobe de 1 cm até Excesso(x) passar de zero, volta
// e refina por décimos, centésimos...; para com |Excesso(x)| ≤ Tolerancia ou quando o
// passo já não muda x (o mais justo que a precisão dupla permite), e então Excesso foi
// avaliado por último no x devolvido. Recusa quando x fica em zero ou passa de
// LimitePassosBusca passos.
template <class F>
double BuscaEmPassos(F&& Excesso, double Tolerancia, long& Passos, const MensagensBusca& M) {
    double X = 0, Passo = 1;
    Passos = 0;
    for (;;) {
        if (X + Passo == X) {
            if (!(X > 0)) Recusar(std::string(M.NaoEncontrada), std::string(M.Conselho));
            Excesso(X);
            return X;
        }
        if (++Passos > LimitePassosBusca)
            Recusar(Junta("A busca ", M.Objeto, " não convergiu em ",
                          std::to_string(LimitePassosBusca), " passos."),
                    std::string(M.Conselho));
        X = X + Passo;
        const double e = Excesso(X);
        if (std::fabs(e) <= Tolerancia) return X;
        if (e > 0) {
            X = X - Passo;
            Passo = Passo / 10;
        }
    }
}

// Linha neutra para Md: busca em passos no domínio 2a, forma fechada do equilíbrio de
// momentos em torno da armadura tracionada (AlturaDoBlocoT) até x = d e, além, x = 1,1·x máximo
// (força a armadura de compressão).
struct LinhaNeutra {
    double X = 0;
    std::string_view Dominio; // vazio quando forçada
    Bloco B;                  // vazio (só εcu) quando forçada
    long Passos = 0;          // passos da busca do domínio 2a
};
LinhaNeutra DescobreX(double Md, double d, const GeometriaT& G, double SigCd, double EpsYd,
                      const ParametrosConcreto& P, const MomentosLimites& M, double XMax,
                      double PrecisaoM);

// x máximo para o fator k de "Utilizar x máximo" e as marcações Check4 ("Permitir
// domínio 4") e Check5 ("Utilizar x máximo"): sem domínio 4, até x34 e, na 2023,
// também até ξlim·d.
double XMaximo(double d, double EpsYd, const ParametrosConcreto& P, Norma Edicao, double k,
               int Check4, int Check5);

} // namespace lumbrio
