// Força cortante, item 17.4: modelos I e II da treliça, estribos verticais ou
// inclinados, armadura mínima e espaçamentos do item 18.3.3.2.
#pragma once

#include "calc/Cortante.h"
#include "section/Secao.h"

namespace lumbrio {

// Espaçamentos a adotar são múltiplos deste passo (cm).
inline constexpr double PassoEspacamento = 0.5;

// Limites das entradas que o cálculo aceita.
inline constexpr double TetaMinimo = 30, TetaMaximo = 45; // graus
inline constexpr double AlfaMinimo = 45, AlfaMaximo = 90; // graus
inline constexpr int RamosMinimo = 2, RamosMaximo = 12;

// Dimensiona os estribos da seção para E.Vd.
ResultadoCortante CalculaCortante(const EntradasCortante& E, const SecaoCortante& S);

} // namespace lumbrio
