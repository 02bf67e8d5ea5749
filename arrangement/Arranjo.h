// Funções puras do arranjo das barras de uma face: espaçamentos mínimos, capacidade
// das camadas, distribuição da área e espaçamentos reais. Camadas indexadas de 1.
// Unidades: cm, cm².
#pragma once

#include <array>
#include <cmath>

namespace lumbrio {

using Camadas = std::array<double, 7>;
using Bitolas = std::array<int, 7>;
using Diametros = std::array<double, 12>;

// Espaçamentos livres mínimos das camadas 1..N: horizontal (2 cm, φ, 1,2·agregado,
// mínimo do usuário) e vertical entre i e i + 1 (2 cm, os dois φ, 0,5·agregado, mínimo
// do usuário), e a distância entre centros das camadas i e i + 1.
void EspacamentosMinimos(int N, const Bitolas& Bitola, const Diametros& Diametro,
                         double DiamAgregado, double MinHorUsuario, double MinVertUsuario,
                         Camadas& EspMinHor, Camadas& EspMinVert, Camadas& EspVert);

// Espaçamento vertical livre mínimo entre duas camadas de bitolas FiA e FiB (cm).
double EspacamentoVerticalMinimo(double FiA, double FiB, double DiamAgregado,
                                 double MinVertUsuario);

// Largura (cm) que n barras de diâmetro Fi ocupam lado a lado com o espaçamento livre Eh.
inline double LarguraDasBarras(double n, double Fi, double Eh) {
    return n * Fi + (n - 1) * Eh;
}

// Número máximo de barras lado a lado: maior n com n·φ + (n − 1)·eh ≤ bw; uma
// capacidade negativa (bw menor que uma barra) conta como 0.
void Capacidades(int N, double bw, const Bitolas& Bitola, const Diametros& Diametro,
                 const Camadas& EspMinHor, Camadas& NumMax);

// Barras de uma camada para a área que falta (parte inteira de As/A mais um),
// limitadas à capacidade NumMax.
struct DistribuicaoCamada {
    double Barras = 0;
    double AsRestante = 0;   // a área que fica para as camadas seguintes
    bool Fim = false;        // a distribuição termina nesta camada
    bool Transborda = false; // a última camada não comporta a área
};
inline DistribuicaoCamada DistribuiCamada(bool Ultima, double Area, double NumMax,
                                          double AsRestante) {
    DistribuicaoCamada r;
    r.AsRestante = AsRestante;
    const double q = AsRestante / Area;
    r.Barras = std::floor(q + 1); // parte inteira de q mais um, não o teto
    r.Fim = !(r.Barras > NumMax);
    if (!r.Fim) {
        r.Barras = NumMax;
        r.Fim = r.Transborda = Ultima;
        if (!Ultima) r.AsRestante = AsRestante - r.Barras * Area;
    }
    return r;
}

// Barras espalhadas por toda a largura interna ao estribo, vãos iguais (camadas com
// duas barras ou mais).
void EspacamentosReais(int N, double bw, const Bitolas& Bitola, const Diametros& Diametro,
                       const Camadas& NumBarras, Camadas& EspLivre, Camadas& EspHor);

} // namespace lumbrio
