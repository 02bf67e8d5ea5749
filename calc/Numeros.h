// Leitura de números em texto e formatação das caixas de resultado.
#pragma once

#include <string>
#include <string_view>

namespace lumbrio {

// Concatena textos numa mensagem (evita cadeias de operator+ entre temporários).
template <class... Partes> std::string Junta(const Partes&... partes) {
    std::string s;
    (s.append(std::string_view(partes)), ...);
    return s;
}

// Regra do prefixo numérico: brancos, tabulações e quebras de linha são ignorados;
// vale o maior trecho inicial que forma um número decimal (sinal, dígitos, um ".",
// expoente), com "." como separador qualquer que seja a configuração regional.
// Texto que não começa por número dá 0. Estouro dá ±infinito.
double ValorNumerico(std::string_view Texto);

// Formatos "##0.00" (Casas = 2), "##0.000" (3) e "##0" (0): pelo menos um dígito
// inteiro, sem separador de milhar; empate exato arredonda para longe do zero;
// valor que arredonda para zero não leva sinal.
std::string FormataNumero(double Valor, int Casas, std::string_view Separador = ".");

} // namespace lumbrio
