#include "program/Ausente.h" // acusada: não se acha
#include "tools/Lote.h"      // acusada: app e tools não se incluem
