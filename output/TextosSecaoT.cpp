// A seção T em palavras.
#include "output/TextosSecaoT.h"

#include "base/Numeros.h"

#include <algorithm>

namespace lumbrio {

std::string_view CasoDaSecaoT(const Verificacoes& V) {
    if (!V.SecaoT) return {};
    return V.CasoMesa ? "mesa" : "alma";
}

void AcrescentaLinhasT(const Verificacoes& V, std::vector<LinhaVerificacao>& L,
                       std::string_view Separador) {
    if (!V.SecaoT) return;
    const auto n = [&](double v, int casas) { return FormataNumero(v, casas, Separador); };
    const char* fibra = V.MesaComprimida ? "inferior" : "superior";
    const auto minima =
        std::ranges::find(L, std::string_view("Armadura mínima"), &LinhaVerificacao::Grandeza);
    if (minima != L.end())
        minima->Nota =
            V.Edicao == Norma::NBR2003
                ? Junta("Seção T: ρmin = ωmin·fcd/fyd ≥ ", n(0.15, 2),
                        " % com ωmin = ", n(V.MesaComprimida ? 0.024 : 0.031, 3), " (mesa ",
                        V.MesaComprimida ? "comprimida" : "tracionada",
                        "), das linhas da seção T da Tabela 17.3 (item 17.3.5.2.1), sobre a área "
                        "da alma com a mesa colaborante.")
                : Junta("Seção T: As para Md,min = ", n(0.8, 1),
                        "·W0·fctk,sup, com W0 = ", n(V.W0, 0), " cm³ da seção bruta na fibra ",
                        fibra, " (tracionada), e ao menos ", n(0.15, 2),
                        " % da área bruta Ac da T (item 17.3.5.2.1: ρmin = As,min/Ac).");
    LinhaVerificacao mesa{
        "Seção T",
        Junta("mesa ", V.MesaComprimida ? "comprimida" : "tracionada", ", caso ", CasoDaSecaoT(V),
              V.MomentoAbas > 0 ? Junta(", abas ", n(V.MomentoAbas / V.FatorMd, 0), " ",
                                        SimboloDoMomento(V.UnidadeMd))
                                : std::string()),
        "", "14.6.2.2", "informação"};
    mesa.Informativa = true;
    mesa.Nota = V.CasoMesa ? "λx ≤ hf: o bloco de tensões é um retângulo de largura bf."
                : V.MesaComprimida
                    ? "λx > hf: as abas (bf − bw)·hf a σcd em d − hf/2 e a alma bw com o resto."
                    : "Mesa tracionada: a zona comprimida é a da alma bw; a mesa entra em As,min, "
                      "na taxa máxima e em Mr.";
    L.push_back(std::move(mesa));
    LinhaVerificacao ligacao{"Ligação mesa–alma",
                             Junta("armadura transversal ≥ ", n(1.5, 1), " cm²/m"), "", "18.3.7",
                             "informação"};
    ligacao.Informativa = true;
    ligacao.Nota = "Armadura de ligação da mesa com a alma, por metro de viga, atravessando a "
                   "ligação (item 18.3.7).";
    L.push_back(std::move(ligacao));
}

} // namespace lumbrio
