// A força cortante da seção: os estribos com as barras colocadas.
#include "section/Cortante.h"
#include "base/Catalogos.h"
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
    ResCortante.AbaixoDoMinimo = ResCortante.S < EntCortante.SMinPratico;
    if (!ResCortante.AbaixoDoMinimo || ResCortante.FalhaBielas) return;
    // O primeiro estribo que dá s ≥ o mínimo: a bitola seguinte, ou mais ramos da mesma.
    const auto atende = [&](const EntradasCortante& e, const SecaoCortante& c) {
        const ResultadoCortante r = CalculaCortante(e, c);
        return r.S >= e.SMinPratico && !r.FalhaPhiT && !r.FalhaSt;
    };
    for (int k = BitolaEstr + 1; k <= NumBitolasEstribo; ++k) {
        SecaoCortante c = s;
        c.PhiT = Diametro[static_cast<std::size_t>(k)];
        c.AreaEstribo = AreaBarra[static_cast<std::size_t>(k)];
        if (atende(EntCortante, c)) {
            ResCortante.PhiSugerido = c.PhiT;
            return;
        }
    }
    for (int n = EntCortante.Ramos + 1; n <= RamosMaximo; ++n) {
        EntradasCortante e = EntCortante;
        e.Ramos = n;
        if (atende(e, s)) {
            ResCortante.RamosSugeridos = n;
            return;
        }
    }
}

} // namespace lumbrio
