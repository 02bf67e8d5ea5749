// Desenhos em SVG a partir da lista de primitivas: um elemento por primitiva.
#pragma once

#include "calc/Primitivas.h"

#include <string>
#include <vector>

namespace lumbrio {

inline constexpr double TwipsPorUnidadeSvg = 15; // 1 unidade SVG = 1 px CSS = 15 twips

// Cor "#rrggbb" da paleta de 16 cores; o primeiro plano é preto.
std::string CorSvg(int Cor);

// Documento SVG 1.1 em UTF-8: <line> e <circle> (contorno, sem preenchimento) nas
// coordenadas das primitivas divididas por TwipsPorUnidadeSvg; a viewBox envolve o
// desenho com uma margem de Margem unidades.
std::string DesenhoSvg(const std::vector<Primitiva>& Lista, const std::string& Titulo = "",
                       double Margem = 4);

} // namespace lumbrio
