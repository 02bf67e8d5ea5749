// A seção T em palavras: a linha da mesa, a origem da armadura mínima e a ligação
// mesa–alma, para a janela e o relatório.
#pragma once

#include "output/TextosVerificacao.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumbrio {

// "mesa" (λx ≤ hf, o bloco na mesa) ou "alma"; vazio na seção retangular.
std::string_view CasoDaSecaoT(const Verificacoes& V);

// Numa seção T: a nota de As,min (de onde vem) e as linhas da mesa e da ligação
// mesa–alma, acrescentadas a L; nada na retangular.
void AcrescentaLinhasT(const Verificacoes& V, std::vector<LinhaVerificacao>& L,
                       std::string_view Separador);

} // namespace lumbrio
