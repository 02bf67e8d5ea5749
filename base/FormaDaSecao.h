// A forma da seção: retangular ou T, com a mesa que a laje dá à viga. Dados apenas; cm.
#pragma once

namespace lumbrio {

struct FormaDaSecao {
    bool T = false;
    double Bf = 0, Hf = 0;      // cm: largura colaborante e espessura da mesa
    bool MesaComprimida = true; // na face comprimida (vão) ou na tracionada (apoio)
    bool operator==(const FormaDaSecao&) const = default;
};

} // namespace lumbrio
