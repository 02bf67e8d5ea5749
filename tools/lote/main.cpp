// lumbrio-lote: dimensiona em lote os arquivos de valores, com séries de Md, em CSV.
#include "tools/lote/Lote.h"

#include "files/ArquivoTexto.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    lumbrio::AbreDescritoresPadrao();
    lumbrio::ApagaTemporarioAoInterromper("lumbrio-lote");
    return lumbrio::Principal(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr,
                              ::isatty(STDERR_FILENO) != 0);
}
