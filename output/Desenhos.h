// Diagrama de deformações (modelo CG) e detalhe da seção como primitivas em twips.
#pragma once

#include "calc/EstadoDeProjeto.h"
#include "calc/Primitivas.h"

#include <vector>

namespace lumbrio {

// O diagrama de deformações do modelo CG de um cálculo completo.
std::vector<Primitiva> DiagramaDeDeformacoes(const EstadoDeProjeto& E);

// Acrescenta a D a seção: contorno, estribo, barras de cada camada e as cruzes dos
// centróides. Recusa uma coordenada fora do alcance da precisão simples.
void DetalheDaSecao(const EstadoDeProjeto& E, std::vector<Primitiva>& D);

} // namespace lumbrio
