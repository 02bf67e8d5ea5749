// Consultas às tabelas das listas.
#include "calc/Catalogos.h"

#include "calc/Recusa.h"
#include "calc/Textos.h"

namespace lumbrio {

double FatorDaUnidade(std::string_view Texto) {
    for (const auto& u : TabelaUnidades)
        if (u.Texto == Texto) return u.Fator;
    Recusar(Junta("Unidade desconhecida: \"", TextoVisivel(Texto), "\"."),
            "Escolha a unidade na lista (o arquivo de valores pode trazer uma unidade inválida).");
}

} // namespace lumbrio
