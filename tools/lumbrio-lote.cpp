// lumbrio-lote: dimensiona em lote os arquivos de valores, com séries de Md, em CSV.
#include "files/Lote.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto opcoes = lumbrio::InterpretaArgumentosLote(args);
    if (const auto* erro = std::get_if<std::string>(&opcoes)) {
        std::fprintf(stderr, "lumbrio-lote: %s\nUse lumbrio-lote --help para ver o uso.\n",
                     erro->c_str());
        return 2;
    }
    const auto& o = std::get<lumbrio::OpcoesLote>(opcoes);
    if (o.Ajuda) {
        std::fputs(lumbrio::TextoAjudaLote().c_str(), stdout);
        return 0;
    }
    return lumbrio::ExecutaLote(o, stdout, stderr, ::isatty(STDERR_FILENO) != 0);
}
