// Pasta de exemplo do teste das camadas: cada arquivo planta inclusões que passam
// (mesma pasta, de baixo, do sistema) e que falham (comentadas com "acusada").
#pragma once
#include "Vizinho.h"
#include "base/Base.h"
#include "output/Painel.h" // acusada: de cima
#include <vector>
