// Recusa de um comando: as duas linhas do diálogo "Mensagem de erro".
#pragma once

#include <string>
#include <utility>

namespace lumbrio {

struct Recusa {
    std::string Mensagem;
    std::string Mensagem2;
};

// Interrompe o comando em curso com uma recusa; quem guarda o estado a captura,
// limpa os resultados e a mostra.
[[noreturn]] inline void Recusar(std::string Mensagem, std::string Mensagem2 = "") {
    throw Recusa{std::move(Mensagem), std::move(Mensagem2)};
}

} // namespace lumbrio
