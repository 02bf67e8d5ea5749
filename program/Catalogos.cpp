// Aços e catálogo de bitolas: tensões de escoamento e índices das listas.
#include "base/Catalogos.h"
#include "program/Dimensionamento.h"

namespace lumbrio {

void Dimensionamento::Bitolas() {
    for (int k = 1; k <= 11; ++k) {
        Diametro[k] = TabelaBitolas[k - 1].Diametro;
        AreaBarra[k] = TabelaBitolas[k - 1].AreaBarra;
    }
}

void Dimensionamento::Aço() {
    Fyd = Fyk / GamaS;
    EpsYd = EpsYdDoAco(Fyd, Es, ClasseB);
}

} // namespace lumbrio
