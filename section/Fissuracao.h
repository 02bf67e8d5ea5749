// Abertura de fissuras (ELS-W) da seção retangular no estádio II: linha neutra e
// inércia da seção fissurada, tensões das barras em serviço, momento de fissuração,
// área crítica de cada barra tracionada e wk do item 17.3.3.2; o controle sem cálculo
// de wk da tabela 17.2 e os limites de wk pela classe de agressividade.
// Unidades: cm, cm², kgf, kgf/cm², kgf·cm; wk em mm.
#pragma once

#include "base/FormaDaSecao.h"
#include "base/Norma.h"

#include <optional>
#include <string_view>
#include <vector>

namespace lumbrio {

// Abscissas (cm da face esquerda) de N barras de diâmetro Fi igualmente espaçadas
// entre as faces internas do estribo: a primeira em c + φt + φ/2, a última em
// b − c − φt − φ/2. Uma barra só fica na primeira posição, como no desenho da seção.
std::vector<double> AbscissasDasBarras(int N, double b, double Cobrimento, double FiEstribo,
                                       double Fi);

// Uma camada de barras iguais.
struct CamadaFissuracao {
    double Y = 0;                // cm, da face comprimida
    double Fi = 0;               // cm
    double AreaBarra = 0;        // cm²
    std::vector<double> XBarras; // cm, da face esquerda; o número de barras
    bool Tracionada = true;
    double Area() const { return AreaBarra * static_cast<double>(XBarras.size()); }
};

// Área de aço (cm²) concentrada na profundidade Y (cm, da face comprimida).
struct AreaEmY {
    double Area = 0, Y = 0;
};

// Modelo Real: cada camada na sua profundidade. Modelo CG: a área de cada face no
// centróide dela (tracionada e comprimida). Camadas sem barras ficam de fora.
std::vector<AreaEmY> AreasReais(const std::vector<CamadaFissuracao>& Camadas);
std::vector<AreaEmY> AreasCG(const std::vector<CamadaFissuracao>& Camadas);

// Seção fissurada, linear, sem o concreto tracionado.
struct EstadioII {
    double X = 0, I = 0; // cm, cm⁴
    // Tensão do aço (kgf/cm²) na profundidade Y para Mser, positiva na tração.
    double TensaoAco(double Y, double Mser, double AlfaE) const {
        return AlfaE * Mser * (Y - X) / I;
    }
    // Tensão de compressão do concreto na face comprimida (kgf/cm²).
    double TensaoConcreto(double Mser) const { return Mser * X / I; }
};

// x_II de b·x²/2 + Σ αe·A·(x − y) = 0 e I_II = b·x³/3 + Σ αe·A·(y − x)².
EstadioII EstadioIIDe(double b, const std::vector<AreaEmY>& Areas, double AlfaE);

// Momento de fissuração (kgf·cm), Mr = 1,5·fctk,inf·b·h²/6 com fctk,inf = 0,7·fctm
// (fctm em kgf/cm²).
double MomentoDeFissuracao(double b, double h, double Fctm);

// Coeficiente de conformação superficial η1 do aço da lista: 1,0 no CA-25, 2,25 no
// CA-50, 1,4 no CA-60 pela 2003 e 1,0 pela 2023; NaN para um aço fora da lista.
double Eta1(std::string_view TextoAco, Norma Edicao);

// As duas estimativas de wk (mm) e a menor delas.
struct AberturaFissura {
    double W1 = 0, W2 = 0, Wk = 0;
};

// wk de uma barra de diâmetro Fi (cm) com tensão Sigma, Es e Fctm (kgf/cm²) e
// ρr = A_barra/Acri: w1 = φ/(12,5·η1)·σ/Es·3σ/fctm e w2 = φ/(12,5·η1)·σ/Es·(4/ρr + 45),
// com φ em mm.
AberturaFissura AberturaDeFissura(double Fi, double Sigma, double Es, double Fctm, double Eta1,
                                  double Rho);

// Área crítica (cm²) de cada barra, camada a camada (vazia nas camadas comprimidas):
// o quadrado de lado 15φ em torno da barra, cortado pelas faces da seção e pela
// mediatriz entre ela e cada outra barra tracionada.
std::vector<std::vector<double>> AreasCriticas(double b, double h,
                                               const std::vector<CamadaFissuracao>& Camadas);

struct DadosFissuracao {
    double b = 0, h = 0; // a alma bw e a altura
    FormaDaSecao Forma;  // na T, o estádio II e Mr com a mesa
    std::vector<CamadaFissuracao> Camadas;
    double Mser = 0;                   // kgf·cm
    double AlfaE = 15;                 // Es/Ecs
    double Es = 0, Fctm = 0, Eta1 = 0; // kgf/cm², kgf/cm²
};

// Uma barra tracionada: camada (índice em Camadas), posição, tensão, área crítica,
// ρr e wk.
struct BarraFissuracao {
    std::size_t Camada = 0;
    double X = 0, Y = 0, Sigma = 0, Acri = 0, Rho = 0;
    AberturaFissura W;
};

// A seção nos dois modelos e wk barra a barra (modelo Real). Com Mser ≤ Mr a seção
// não fissura: as tensões ficam, wk é zero em todas as barras.
struct AnaliseFissuracao {
    EstadioII Real, CG;
    double YCG = 0, SigmaCG = 0; // centróide tracionado (cm) e tensão nele (kgf/cm²)
    double Mr = 0;
    bool Fissura = false;
    std::vector<BarraFissuracao> Barras;
    double WkMax = 0; // mm
    std::string_view Situacao() const { return Fissura ? "fissura" : "não fissura"; }
};

AnaliseFissuracao AnalisaFissuracao(const DadosFissuracao& D);

// Controle sem cálculo de wk (tabela 17.2, concreto armado): diâmetro e espaçamento
// máximos para a tensão σs (MPa); entre linhas vale a de cima, acima de 360 MPa não há.
struct LimitesBarras {
    double FiMax = 0; // mm
    double SMax = 0;  // cm
};
std::optional<LimitesBarras> LimitesSemCalculoDeWk(double SigmaMPa);

// wk,lim (mm) da classe de agressividade ambiental I a IV; NaN fora delas.
double AberturaLimite(int ClasseAgressividade);

} // namespace lumbrio
