// Textos de fora prontos para mensagens e o separador decimal.
#include "base/Textos.h"

namespace lumbrio {

namespace {

// Código de uma sequência UTF-8 válida de 2 a 4 bytes.
char32_t CodigoUtf8(std::string_view Seq) {
    char32_t c = static_cast<unsigned char>(Seq[0]) & (0x7F >> Seq.size());
    for (std::size_t k = 1; k < Seq.size(); ++k)
        c = (c << 6) | (static_cast<unsigned char>(Seq[k]) & 0x3F);
    return c;
}

// Caracteres que não se veem ou parecem um branco comum.
bool Invisivel(char32_t c) {
    return (c >= 0x80 && c <= 0xA0) || c == 0xAD || (c >= 0x2000 && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) || c == 0x3000 ||
           c == 0xFEFF;
}

} // namespace

std::string TextoVisivel(std::string_view Texto, std::size_t Maximo) {
    std::string s;
    for (std::size_t i = 0; i < Texto.size();) {
        if (s.size() >= Maximo) {
            s += "…";
            break;
        }
        const auto b = static_cast<unsigned char>(Texto[i]);
        if (b < 0x20 || b == 0x7F) {
            constexpr char hex[] = "0123456789ABCDEF";
            s += "\\x";
            s += hex[b >> 4];
            s += hex[b & 15];
            ++i;
            continue;
        }
        // Comprimento e validade da sequência UTF-8 que começa em b.
        std::size_t n = b < 0x80         ? 1
                        : (b >> 5) == 6  ? 2
                        : (b >> 4) == 14 ? 3
                        : (b >> 3) == 30 ? 4
                                         : 0;
        if (n > 1 && b >= 0xC2 && b <= 0xF4 && i + n <= Texto.size()) {
            for (std::size_t k = 1; k < n; ++k)
                if ((static_cast<unsigned char>(Texto[i + k]) & 0xC0) != 0x80) n = 0;
        } else if (n != 1) {
            n = 0;
        }
        if (n == 0) {
            s += "\xEF\xBF\xBD"; // U+FFFD
            ++i;
        } else if (const char32_t c = CodigoUtf8(Texto.substr(i, n)); Invisivel(c)) {
            // Espaço sem quebra, larguras zero, marcas de direção: "\u00A0", não um
            // branco que parece o esperado.
            constexpr char hex[] = "0123456789ABCDEF";
            s += "\\u";
            for (int k = 12; k >= 0; k -= 4) s += hex[(c >> k) & 15];
            i += n;
        } else {
            s.append(Texto.substr(i, n));
            i += n;
        }
    }
    return s;
}

void TrocaSeparador(std::string& Texto, std::string_view Separador) {
    if (Separador == ".") return;
    if (const auto p = Texto.find('.'); p != std::string::npos) Texto.replace(p, 1, Separador);
}

} // namespace lumbrio
