// Força cortante, item 17.4: modelos I e II da treliça, estribos verticais ou
// inclinados, armadura mínima e espaçamentos do item 18.3.3.2.
#pragma once

#include "base/Cortante.h"
#include "section/Secao.h"

namespace lumbrio {

// Espaçamentos a adotar são múltiplos deste passo (cm).
inline constexpr double PassoEspacamento = 0.5;

// Dimensiona os estribos da seção para E.Vd.
ResultadoCortante CalculaCortante(const EntradasCortante& E, const SecaoCortante& S);

} // namespace lumbrio
