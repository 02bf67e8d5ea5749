// Leitura de números em texto e formatação das caixas de resultado.
#include "calc/Numeros.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace lumbrio {

namespace {

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double ValorNumerico(std::string_view Texto) {
    // Remove brancos, tabulações e quebras de linha em qualquer posição.
    std::string s;
    s.reserve(Texto.size());
    for (char c : Texto)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s.push_back(c);

    std::size_t i = 0;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativo = s[i++] == '-';
    const std::size_t inicioMantissa = i;
    std::size_t digitosInteiros = 0, digitos = 0;
    while (i < s.size() && Digito(s[i])) ++i, ++digitosInteiros;
    digitos = digitosInteiros;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && Digito(s[i])) ++i, ++digitos;
    }
    if (digitos == 0) return 0;
    std::size_t fim = i;
    long expoente = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegativo = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) expNegativo = s[j++] == '-';
        if (j < s.size() && Digito(s[j])) {
            while (j < s.size() && Digito(s[j])) {
                if (expoente < 100000) expoente = expoente * 10 + (s[j] - '0');
                ++j;
            }
            if (expNegativo) expoente = -expoente;
            fim = j;
        }
    }
    const std::string_view numero(s.data() + inicioMantissa, fim - inicioMantissa);
    double valor = 0;
    const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), valor,
                                   std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Estouro ou subfluxo: decide pela ordem de grandeza da mantissa e do expoente.
        std::size_t k = 0;
        while (k < numero.size() && (numero[k] == '0' || numero[k] == '.')) ++k;
        long ordem = expoente;
        if (digitosInteiros > 0) {
            std::size_t zeros = 0;
            while (zeros < numero.size() && numero[zeros] == '0') ++zeros;
            ordem += static_cast<long>(digitosInteiros) - static_cast<long>(zeros);
        }
        valor = (k < numero.size() && ordem > 0) ? std::numeric_limits<double>::infinity() : 0;
    }
    return negativo ? -valor : valor;
}

std::string FormataNumero(double Valor, int Casas, std::string_view Separador) {
    if (!std::isfinite(Valor)) return {};
    const double escala = std::pow(10.0, Casas);
    // Produto exato: p + erro. Um empate exato tem erro nulo e parte fracionária 0.5.
    const double p = Valor * escala;
    const double erro = std::fma(Valor, escala, -p);
    double v = Valor;
    if (erro == 0 && std::fabs(p) < 4503599627370496.0 && std::fabs(p - std::trunc(p)) == 0.5)
        v = std::nextafter(Valor, Valor > 0 ? HUGE_VAL : -HUGE_VAL);
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, Casas);
    std::string s(buf, r.ptr);
    // Sem sinal para um valor que arredonda para zero.
    if (!s.empty() && s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos)
        s.erase(0, 1);
    const auto pos = s.find('.');
    if (pos != std::string::npos) s.replace(pos, 1, Separador);
    return s;
}

} // namespace lumbrio
