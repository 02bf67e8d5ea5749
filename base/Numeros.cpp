// Números, independentes do locale.
#include "base/Numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <system_error>
#include <utility>

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
    std::size_t digitos = 0;
    while (i < s.size() && Digito(s[i])) ++i, ++digitos;
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
        // Ordem de grandeza pelo primeiro algarismo não nulo, contado a partir do ponto.
        const std::size_t k = numero.find_first_not_of("0.");
        const std::size_t ponto = std::min(numero.find('.'), numero.size());
        long ordem = 0;
        if (k != std::string_view::npos)
            ordem = k < ponto ? expoente + static_cast<long>(ponto - k)
                              : expoente - static_cast<long>(k - ponto - 1);
        valor = ordem > 0 ? std::numeric_limits<double>::infinity() : 0;
    }
    return negativo ? -valor : valor;
}

std::string NumeroMensagem(double Valor, int Casas) {
    if (std::fabs(Valor) < 1e15) return FormataNumero(Valor, Casas);
    return "fora do alcance (além de 1E+15)";
}

void AcrescentaNumeroCurto(std::string& Texto, double Valor, int Casas,
                           std::string_view Separador) {
    if (!std::isfinite(Valor) || std::fabs(Valor) < 1e9)
        return AcrescentaNumero(Texto, Valor, Casas, Separador);
    char t[32];
    std::snprintf(t, sizeof t, "%.3E", Valor);
    std::string s = t;
    TrocaSeparador(s, Separador);
    Texto += s;
}

std::string NumeroCurto(double Valor, int Casas, std::string_view Separador) {
    std::string s;
    AcrescentaNumeroCurto(s, Valor, Casas, Separador);
    return s;
}

void AcrescentaNumero(std::string& Texto, double Valor, int Casas, std::string_view Separador) {
    if (!std::isfinite(Valor)) return;
    constexpr double Potencias[] = {1, 10, 100, 1000, 10000};
    const bool tabelada = Casas >= 0 && Casas <= 4;
    const double escala = tabelada ? Potencias[Casas] : std::pow(10.0, Casas);
    const double p = Valor * escala;
    if (tabelada && std::fabs(p) < 4503599627370496.0 && Separador.size() <= 8) {
        // O inteiro mais próximo do produto exato, com o ponto antes dos últimos Casas
        // dígitos, sem passar pelo texto do double. Abaixo de 2^52 a parte inteira e a
        // fração de p são exatas; só um empate (fração 0,5) pede o erro do produto:
        // nulo, arredonda para longe do zero; senão, o sinal dele diz o lado do meio.
        const auto inteira = static_cast<long long>(p);
        const double fracao = p - static_cast<double>(inteira);
        long long n = inteira;
        if (std::fabs(fracao) == 0.5) {
            const double erro = std::fma(Valor, escala, -p);
            const bool paraCima = erro > 0 || (erro == 0 && p > 0);
            const bool paraBaixo = erro < 0 || (erro == 0 && p < 0);
            n += paraCima && p > 0 ? 1 : paraBaixo && p < 0 ? -1 : 0;
        } else if (fracao > 0.5) {
            ++n;
        } else if (fracao < -0.5) {
            --n;
        }
        // Os algarismos de |n| no fim de um quadro, zeros à esquerda até Casas + 1.
        char quadro[40];
        char* const fim = quadro + sizeof quadro;
        char* ini = fim;
        auto resto = static_cast<unsigned long long>(n < 0 ? -n : n);
        for (int k = 0; k < Casas; ++k, resto /= 10) *--ini = static_cast<char>('0' + resto % 10);
        if (Casas > 0) {
            ini -= Separador.size();
            std::copy(Separador.begin(), Separador.end(), ini);
        }
        do {
            *--ini = static_cast<char>('0' + resto % 10);
            resto /= 10;
        } while (resto != 0);
        if (n < 0) *--ini = '-';
        Texto.append(ini, static_cast<std::size_t>(fim - ini));
        return;
    }
    // Produto exato: p + erro. Só um p com parte fracionária 0.5 pede o erro: nulo, é
    // um empate; senão, o sinal dele diz de que lado do meio o produto está.
    const bool meio = std::fabs(p - std::trunc(p)) == 0.5;
    const double erro = meio ? std::fma(Valor, escala, -p) : 0;
    const double v =
        meio && erro == 0 ? std::nextafter(Valor, std::copysign(HUGE_VAL, Valor)) : Valor;
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, Casas);
    std::string_view t(buf, static_cast<std::size_t>(r.ptr - buf));
    // Sem sinal para um valor que arredonda para zero.
    if (t[0] == '-' && t.find_first_not_of("0.", 1) == std::string_view::npos) t.remove_prefix(1);
    const auto ponto = t.find('.');
    Texto += t.substr(0, ponto);
    if (ponto != std::string_view::npos) {
        Texto += Separador;
        Texto += t.substr(ponto + 1);
    }
}

std::string FormataNumero(double Valor, int Casas, std::string_view Separador) {
    std::string s;
    AcrescentaNumero(s, Valor, Casas, Separador);
    return s;
}

std::string TextoDecimalCurto(double Valor) {
    if (Valor == 0) return "0"; // também -0
    if (std::isnan(Valor)) return "NaN";
    if (std::isinf(Valor)) return Valor > 0 ? "Inf" : "-Inf";
    if (std::fabs(Valor) < 1e15 && Valor == std::trunc(Valor)) {
        // Inteiro de até 15 algarismos: ele mesmo, sem expoente.
        char inteiro[24];
        const auto fim =
            std::to_chars(inteiro, inteiro + sizeof inteiro, static_cast<long long>(Valor)).ptr;
        return std::string(inteiro, fim);
    }
    // Arredonda para 15 algarismos significativos e descobre o expoente decimal.
    char cientifico[40];
    auto r = std::to_chars(cientifico, cientifico + sizeof cientifico, Valor,
                           std::chars_format::scientific, 14);
    std::string_view t(cientifico, static_cast<std::size_t>(r.ptr - cientifico));
    const auto posE = t.find('e');
    int expoente = 0;
    std::from_chars(t.data() + posE + (t[posE + 1] == '+' ? 2 : 1), t.data() + t.size(), expoente);
    char buf[64];
    if (expoente < -5 || expoente >= 15) {
        // Mantissa sem zeros finais, expoente com sinal e dois dígitos no mínimo.
        std::string mantissa(t.substr(0, posE));
        if (mantissa.find('.') != std::string::npos) {
            mantissa.erase(mantissa.find_last_not_of('0') + 1);
            if (mantissa.back() == '.') mantissa.pop_back();
        }
        const int absExp = std::abs(expoente);
        mantissa += expoente < 0 ? "E-" : "E+";
        if (absExp < 10) mantissa += '0';
        mantissa += std::to_string(absExp);
        return mantissa;
    }
    // Notação fixa com as casas que restam dos 15 algarismos; tira zeros finais.
    const int casas = 14 - expoente > 0 ? 14 - expoente : 0;
    r = std::to_chars(buf, buf + sizeof buf, Valor, std::chars_format::fixed, casas);
    std::string s(buf, r.ptr);
    if (s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
    }
    return s;
}

std::string TextoNumeroExporta(double Valor, std::string_view Separador) {
    const std::string curto = TextoDecimalCurto(Valor);
    std::string_view v = curto;
    std::string saida(1, v.front() == '-' ? '-' : ' ');
    if (v.front() == '-') v.remove_prefix(1);
    if (v.size() > 1 && v[0] == '0' && v[1] == '.') v.remove_prefix(1);
    const auto ponto = v.find('.');
    saida += v.substr(0, ponto);
    if (ponto != std::string_view::npos) {
        saida += Separador;
        saida += v.substr(ponto + 1);
    }
    saida += ' ';
    return saida;
}

bool ComecaComNumero(std::string_view Texto) {
    std::string s;
    for (char c : Texto) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        s.push_back(c);
        if (s.size() == 3) break;
    }
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i < s.size() && Digito(s[i])) return true;
    return i + 1 < s.size() && s[i] == '.' && Digito(s[i + 1]);
}

std::optional<double> LeDecimalExato(std::string_view Texto) {
    const bool mais = !Texto.empty() && Texto[0] == '+';
    if (mais) Texto.remove_prefix(1);
    if (Texto.empty() || (mais && Texto[0] == '-')) return std::nullopt;
    // from_chars aceitaria "inf" e "nan": exige dígito ou ponto depois do sinal.
    const std::size_t i = Texto[0] == '-' ? 1 : 0;
    if (i >= Texto.size() || !(Digito(Texto[i]) || Texto[i] == '.')) return std::nullopt;
    double v = 0;
    const auto r = std::from_chars(Texto.data(), Texto.data() + Texto.size(), v);
    if (r.ec != std::errc{} || r.ptr != Texto.data() + Texto.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<double> LeDecimalComVirgula(std::string_view Texto) {
    const auto p = Texto.find_first_not_of(" \t");
    if (p == std::string_view::npos) return std::nullopt;
    std::string t(Texto.substr(p, Texto.find_last_not_of(" \t") + 1 - p));
    if (std::ranges::count(t, ',') > 1 ||
        (t.find(',') != std::string::npos && t.find('.') != std::string::npos))
        return std::nullopt;
    std::ranges::replace(t, ',', '.');
    return LeDecimalExato(t);
}

std::vector<std::string> FormasDoNumero(std::string_view Texto, std::string_view Separador) {
    std::vector<std::string> formas{std::string(Texto)};
    std::string t(Texto);
    const auto sep = Separador.empty() ? std::string::npos : t.find(Separador);
    if (sep != std::string::npos) t.replace(sep, Separador.size(), ".");
    const auto valor = LeDecimalExato(t);
    if (!valor || t.find_first_of("eE") != std::string::npos) return formas;
    const auto ponto = t.find('.');
    const int casas = ponto == std::string::npos ? 0 : int(t.size() - ponto - 1);
    for (int c = casas - 1; c >= 0; --c) formas.push_back(FormataNumero(*valor, c, Separador));
    for (int c = 3; c >= 0; --c) {
        char buf[40];
        const auto r =
            std::to_chars(buf, buf + sizeof buf, *valor, std::chars_format::scientific, c);
        std::string forma(buf, r.ptr);
        TrocaSeparador(forma, Separador);
        formas.push_back(std::move(forma));
    }
    return formas;
}

} // namespace lumbrio
