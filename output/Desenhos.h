// Diagrama de deformações (modelo CG) e detalhe da seção como primitivas em twips;
// cotas, rótulos das camadas e legenda das exportações.
#pragma once

#include "base/EstadoDeProjeto.h"
#include "base/Primitivas.h"

#include <functional>
#include <string>
#include <vector>

namespace lumbrio {

// O diagrama de deformações do modelo CG de um cálculo completo.
std::vector<Primitiva> DiagramaDeDeformacoes(const EstadoDeProjeto& E);

// Acrescenta a D a seção: contorno, estribo, barras de cada camada e as cruzes dos
// centróides. Recusa uma coordenada fora do alcance da precisão simples.
void DetalheDaSecao(const EstadoDeProjeto& E, std::vector<Primitiva>& D);

// Texto de desenho em twips; (X, Y) na linha de base, no início do texto ou, Centrado,
// no meio. Vertical: girado 90° no sentido anti-horário em torno de (X, Y).
struct TextoDeDesenho {
    double X = 0, Y = 0;
    std::string Texto;
    bool Centrado = false;
    bool Vertical = false;
};

// Anotações dos desenhos em twips.
struct Anotacoes {
    std::vector<Primitiva> Cotas;       // linhas de cota e de chamada de b e h
    std::vector<Primitiva> Guias;       // da face direita da seção a cada rótulo
    std::vector<TextoDeDesenho> Textos; // b, h e um rótulo por camada com barras
    Moldura Regiao{};                   // os dois desenhos com as anotações
};

// Largura em twips de um texto na altura de texto em uso.
using LarguraDeTexto = std::function<double(const std::string&)>;

// Largura estimada de quem não mede texto: 0,62 da altura por caractere.
double LarguraEstimada(const std::string& Texto, double AlturaTexto);

// Cotas b e h fora do contorno da seção (b embaixo, h à direita) e, numa coluna à
// direita de tudo, um rótulo por camada com barras ("2 φ 16 mm, d' = 6.80 cm") ligado
// ao eixo da camada, de cima para baixo e sem sobreposição. AlturaTexto: o corpo da
// fonte em twips.
Anotacoes AnotaDesenhos(const EstadoDeProjeto& E, double AlturaTexto,
                        const LarguraDeTexto& Largura);

// Legenda sob os desenhos, uma linha por item: seção e escala numa saída de Dpi
// pontos por polegada (1440 twips), depois o que cada cor marca.
std::vector<std::string> LegendaDosDesenhos(const EstadoDeProjeto& E, double Dpi);

} // namespace lumbrio
