// Fuzzing da leitura de números em texto e da formatação do painel.
#include "base/Numeros.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    const double v = lumbrio::ValorNumerico(texto);
    if (std::isnan(v)) std::abort();
    // Brancos em qualquer posição não mudam o valor.
    const double comBrancos = lumbrio::ValorNumerico(" " + texto + "\t");
    if (!(comBrancos == v)) std::abort();
    for (int casas : {0, 2, 3}) {
        const std::string s = lumbrio::FormataNumero(v, casas, ",");
        if (std::isfinite(v) == s.empty()) std::abort();
        if (s.find_first_of("ne") != std::string::npos) std::abort();
    }
    return 0;
}
