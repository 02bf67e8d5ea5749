// Textos: mensagens montadas por partes, texto de fora pronto para uma mensagem e o
// separador decimal de um número já escrito.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumbrio {

// Concatena textos numa mensagem (evita cadeias de operator+ entre temporários).
template <class... Partes> std::string Junta(const Partes&... partes) {
    std::string s;
    s.reserve((std::string_view(partes).size() + ...));
    (s.append(std::string_view(partes)), ...);
    return s;
}

// Texto vindo de fora (arquivo, nome de arquivo, caixa) pronto para uma mensagem ou
// para o CSV: bytes de controle escritos como \xNN, bytes que não formam UTF-8 como
// U+FFFD e, além de Maximo bytes, o resto trocado por "…".
std::string TextoVisivel(std::string_view Texto, std::size_t Maximo = 200);

// Troca, no próprio texto, o primeiro "." pelo Separador ("12.5" → "12,5").
void TrocaSeparador(std::string& Texto, std::string_view Separador);

} // namespace lumbrio
