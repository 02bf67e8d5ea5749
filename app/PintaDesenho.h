// Pintura da lista de primitivas (twips) em qualquer QPainter: tela, PDF, SVG, PNG.
#pragma once

#include "base/Primitivas.h"

#include <QColor>
#include <vector>

class QPainter;

namespace lumbrio::janela {

// Cor da paleta de 16 cores; -1 (primeiro plano) dá a cor recebida.
QColor CorDaPaleta(int Cor, const QColor& PrimeiroPlano);

// A cor de alerta do painel, das verificações e do relatório.
QColor CorDeAlerta();

// Escala: unidades do QPainter por twip (1/15 na tela). A cor da caneta atual do
// QPainter é o primeiro plano. Linhas e círculos (contornos) com antisserrilhado.
void PintaDesenho(QPainter& Pintor, const std::vector<Primitiva>& Lista, double Escala);

} // namespace lumbrio::janela
