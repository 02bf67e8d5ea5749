// lumbrio-lote: dimensiona em lote os arquivos de valores, com séries de Md, em CSV.
#include "tools/lote/Lote.h"

#include "files/ArquivoTexto.h"

#include <cstdio>
#include <exception>
#include <unistd.h>

int main(int argc, char** argv) {
    lumbrio::AbreDescritoresPadrao();
    lumbrio::ApagaTemporarioAoInterromper("lumbrio-lote");
    try {
        return lumbrio::Principal(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr,
                                  ::isatty(STDERR_FILENO) != 0);
    } catch (const std::exception&) {
        std::fputs("lumbrio-lote: erro interno (memória insuficiente ou falha do sistema); "
                   "o CSV não foi gravado.\n",
                   stderr);
        return 1;
    }
}
