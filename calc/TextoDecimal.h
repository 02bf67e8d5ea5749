// Texto decimal curto dos números que o programa escreve: botões de passo,
// arquivo resulta.txt e a série de momentos do lumbrio-lote. Independe do locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumbrio {

// Menor texto decimal com no máximo 15 algarismos significativos e "." como
// separador: 20 + 1 dá "21", 10000 + 0.5 dá "10000.5", 0.1 + 0.2 dá "0.3".
// Expoente só fora de 1E-05 a 1E+15 ("1E+20", "1.5E-07"); -0 é escrito "0".
std::string TextoDecimalCurto(double Valor);

// Forma de número do resulta.txt: um branco (ou "-"), o valor sem o zero antes
// do separador e um branco: " 3 ", " .5 ", "-.5 ", " 10000,5 " com Separador ",".
std::string TextoNumeroExporta(double Valor, std::string_view Separador);

// Verdadeiro quando o texto, sem brancos, tabulações e quebras de linha, começa
// por um número (sinal opcional, depois um dígito ou "." e dígito): é o caso em
// que ValorNumerico lê um número e não o 0 de um texto sem número.
bool ComecaComNumero(std::string_view Texto);

// O texto inteiro é um número decimal ("." como separador, sinal e expoente
// opcionais, sem brancos); nullopt caso contrário ou fora do intervalo do double.
std::optional<double> LeDecimalExato(std::string_view Texto);

} // namespace lumbrio
