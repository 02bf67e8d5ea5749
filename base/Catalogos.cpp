// Consultas às tabelas das listas.
#include "base/Catalogos.h"

#include "base/Recusa.h"
#include "base/Textos.h"

#include <charconv>
#include <cmath>

namespace lumbrio {

double FatorDaUnidade(std::string_view Texto) {
    for (const auto& u : TabelaUnidades)
        if (u.Texto == Texto) return u.Fator;
    Recusar(Junta("Unidade desconhecida: \"", TextoVisivel(Texto), "\"."),
            "Escolha a unidade na lista (o arquivo de valores pode trazer uma unidade inválida).");
}

double NaUnidadeInterna(double Valor, double Fator) {
    const double v = Valor * Fator;
    if (Fator == 1 || !std::isfinite(v) || v == 0) return v;
    char texto[40];
    const auto fim =
        std::to_chars(texto, texto + sizeof texto, v, std::chars_format::scientific, 14);
    double arredondado = v;
    std::from_chars(texto, fim.ptr, arredondado);
    return arredondado;
}

} // namespace lumbrio
