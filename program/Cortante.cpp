// A força cortante da seção: os estribos com as barras colocadas.
#include "section/Cortante.h"
#include "program/Dimensionamento.h"

namespace lumbrio {

void Dimensionamento::VerificaCortante() {
    if (!EntCortante.Usada) {
        ResCortante = {};
        return;
    }
    const SecaoCortante s{Base,  Altura - DCG1, Cobrimento,           Fck,
                          GamaC, GamaS,         Diametro[BitolaEstr], AreaBarra[BitolaEstr],
                          Edicao};
    if (!UltimaCortante || std::get<0>(*UltimaCortante) != EntCortante ||
        std::get<1>(*UltimaCortante) != s)
        UltimaCortante.emplace(EntCortante, s, CalculaCortante(EntCortante, s));
    ResCortante = std::get<2>(*UltimaCortante);
}

} // namespace lumbrio
