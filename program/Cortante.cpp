// A força cortante da seção: os estribos com as barras colocadas.
#include "program/Dimensionamento.h"
#include "section/ForcaCortante.h"

namespace lumbrio {

void Dimensionamento::VerificaCortante() {
    if (!EntCortante.Usada) {
        ResCortante = {};
        return;
    }
    const SecaoCortante s{Base,  Altura - DCG1, Cobrimento,           Fck,
                          GamaC, GamaS,         Diametro[BitolaEstr], AreaBarra[BitolaEstr],
                          Edicao};
    ResCortante = CalculaCortante(EntCortante, s);
}

} // namespace lumbrio
