// Números: leitura das caixas, formatos do painel, textos decimais curtos (botões de
// passo, resulta.txt, séries) e o separador decimal. Independe do locale.
#pragma once

#include "base/Textos.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrio {

// Regra do prefixo numérico: brancos, tabulações e quebras de linha são ignorados;
// vale o maior trecho inicial que forma um número decimal (sinal, dígitos, um ".",
// expoente), com "." como separador qualquer que seja a configuração regional.
// Texto que não começa por número dá 0. Estouro dá ±infinito.
double ValorNumerico(std::string_view Texto);

// Formatos "##0.00" (Casas = 2), "##0.000" (3) e "##0" (0): pelo menos um dígito
// inteiro, sem separador de milhar; empate exato arredonda para longe do zero;
// valor que arredonda para zero não leva sinal.
std::string FormataNumero(double Valor, int Casas, std::string_view Separador = ".");
// FormataNumero acrescentado ao fim de Texto, sem texto intermediário.
void AcrescentaNumero(std::string& Texto, double Valor, int Casas,
                      std::string_view Separador = ".");

// Número que cabe numa linha de verificação ou numa coluna do CSV: FormataNumero até
// 1E+9 em valor absoluto; além disso, notação científica de quatro algarismos
// ("1.000E+30"), com o separador. Infinito ou indefinido: vazio, como FormataNumero.
std::string NumeroCurto(double Valor, int Casas, std::string_view Separador = ".");
// NumeroCurto acrescentado ao fim de Texto.
void AcrescentaNumeroCurto(std::string& Texto, double Valor, int Casas,
                           std::string_view Separador = ".");

// Número de uma mensagem: FormataNumero até 1E+15 em valor absoluto; além disso, ou
// infinito ou indefinido, "fora do alcance (além de 1E+15)", nunca vazio nem com
// centenas de algarismos.
std::string NumeroMensagem(double Valor, int Casas);

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

// O número de uma caixa, com vírgula ou ponto decimal ("0,30", " 0.5 "): LeDecimalExato
// sem os brancos das pontas; nullopt quando não é um número ("0,3,0", "1,5.0", "").
std::optional<double> LeDecimalComVirgula(std::string_view Texto);

// TextoDecimalCurto com o separador dado: 20 → "20", 12.5 → "12,5".
inline std::string TextoCurto(double Valor, std::string_view Separador) {
    std::string s = TextoDecimalCurto(Valor);
    TrocaSeparador(s, Separador);
    return s;
}

// Formas de um número do painel, da mais longa à mais curta, para a que cabe na
// caixa: o texto, menos casas decimais até nenhuma, depois expoente com 3 a 0
// casas ("39280758.09", "39280758.1", "39280758", "3.928e+07" ... "4e+07"). Texto
// que não é número: só ele.
std::vector<std::string> FormasDoNumero(std::string_view Texto, std::string_view Separador = ".");

} // namespace lumbrio
