// Desenhos em SVG a partir da lista de primitivas: um elemento por primitiva.
#pragma once

#include "base/EstadoDeProjeto.h"
#include "base/Primitivas.h"

#include <string>
#include <vector>

namespace lumbrio {

inline constexpr double TwipsPorUnidadeSvg = 15; // 1 unidade SVG = 1 px CSS = 15 twips
inline constexpr double CorpoTextoSvg = 10;      // corpo dos textos, em unidades

// Cor "#rrggbb" da paleta de 16 cores; o primeiro plano é preto.
std::string CorSvg(int Cor);

// Recorte de uma primitiva: a moldura do desenho onde ela começa (diagrama Shape4 ou
// seção Shape1); as linhas horizontais de nível ligam os dois desenhos e ficam nas duas.
enum class Recorte { Diagrama, Secao, Ambos };
Recorte RecorteDe(const Primitiva& P);
// A moldura do recorte em twips, com um pixel da janela (15 twips) de borda em volta.
Moldura MolduraDoRecorte(Recorte R);

// Documento SVG 1.1 em UTF-8: <line> e <circle> (contorno, sem preenchimento) nas
// coordenadas das primitivas divididas por TwipsPorUnidadeSvg; a viewBox envolve o
// desenho com uma margem de Margem unidades. Recortado: cada elemento fica na moldura
// do seu RecorteDe (clipPath) e a viewBox não passa das molduras.
std::string DesenhoSvg(const std::vector<Primitiva>& Lista, const std::string& Titulo = "",
                       double Margem = 4, bool Recortado = false);

// Os desenhos do último cálculo de E (recortados) com as cotas b e h, os rótulos das
// camadas (AnotaDesenhos) e, embaixo, a legenda de escala e cores em <text>.
std::string DesenhoSvgAnotado(const EstadoDeProjeto& E, const std::string& Titulo = "");

} // namespace lumbrio
