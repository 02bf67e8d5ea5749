// O arquivo resulta.txt de "Exporta dados" e dos botões de Md.
#pragma once

#include "base/EstadoDeProjeto.h"

#include <string>

namespace lumbrio {

// Conteúdo de resulta.txt (UTF-8, CRLF) do projeto atual: bitolas da camada 1, b, h,
// fck, %h, os dois Mrd, as barras por camada e a posição da linha de escoamento em
// relação às camadas. Atualiza no estado as contagens de camadas com barras e
// PosicaoEscoamento.
std::string TextoResulta(EstadoDeProjeto& E);

} // namespace lumbrio
