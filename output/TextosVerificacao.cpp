// As linhas das verificações da norma em texto.
#include "output/TextosVerificacao.h"

#include "calc/Numeros.h"
#include "section/Verificacoes.h"

#include <cmath>

namespace lumbrio {

std::string LinhaVerificacao::Texto() const {
    const std::string item = Junta(" (", Escopo, Escopo.empty() ? "" : ", ", "item ", Item, ")");
    if (Limite.empty()) return Junta(Grandeza, ": ", Valor, " — ", Veredito, item);
    return Junta(Grandeza, ": ", Valor, " (limite ", Limite, ") — ", Veredito, item);
}

std::vector<LinhaVerificacao> LinhasVerificacao(const Verificacoes& V, std::string_view Separador) {
    const auto n = [&](double v, int casas) { return FormataNumero(v, casas, Separador); };
    const auto veredito = [](bool falha) { return falha ? "não atende" : "atende"; };
    std::vector<LinhaVerificacao> l;
    l.reserve(8);
    LinhaVerificacao xd{
        "Ductilidade x/d", Junta("cálculo ", n(V.XdCalculo, 3)), Junta("≤ ", n(V.XdLim, 2)),
        "14.6.4.3",        veredito(V.FalhaDuctilidade),         V.FalhaDuctilidade};
    if (V.Edicao == Norma::NBR2003) xd.Escopo = "apoios e ligações";
    if (V.XdSoApoios) {
        xd.Veredito = "atende no vão";
        xd.Informativa = true;
        xd.Nota = Junta("x/d ≤ ", n(V.XdLim, 2),
                        " vale nas regiões de apoio e nas ligações, onde este cálculo não o "
                        "atende; no vão, a seção nos domínios 2 e 3 é admitida.");
    }
    l.push_back(std::move(xd));
    LinhaVerificacao colocadas{"x/d das barras colocadas",
                               Junta("CG ", n(V.XdCG, 3), ", Real ", n(V.XdReal, 3)), "",
                               "14.6.4.3", "informação"};
    colocadas.Informativa = true;
    if (V.NotaArredondamento) {
        const bool temArea = std::isfinite(V.AsLinhaExtra);
        colocadas.Veredito = temArea ? Junta("nota: A's,extra = ", n(V.AsLinhaExtra, 2), " cm2")
                                     : std::string("nota");
        colocadas.Nota = Junta(
            "O cálculo atende a x/d ≤ ", n(V.XdLim, 2),
            ", mas a tração a mais das barras arredondadas move a linha neutra das barras "
            "colocadas para além do limite",
            temArea ? Junta("; uma armadura de compressão a mais de A's,extra = (As colocada − "
                            "As calculada)·fyd / σ's = ",
                            n(V.AsLinhaExtra, 2), " cm2 (σ's = ", n(V.SigLinhaNoLimite, 2),
                            " kgf/cm2 com x no limite) a traria de volta a ele.")
                    : std::string("."));
    }
    l.push_back(std::move(colocadas));
    if (V.ConcretoNaoResisteMdMin)
        l.push_back({"Armadura mínima", "o concreto não resiste a Md,min", "", "17.3.5.2.1",
                     "não atende", true});
    else
        l.push_back({"Armadura mínima", Junta("As,min = ", n(V.AsMin, 2), " cm2"),
                     "As colocada ≥ As,min", "17.3.5.2.1", veredito(V.FalhaAsMin), V.FalhaAsMin});
    l.push_back({"Armadura máxima", Junta("(As + As')/Ac = ", n(V.TaxaPct, 2), " %"),
                 Junta("≤ ", n(TaxaMaxima * 100, 0), " %"), "17.3.5.2.4", veredito(V.FalhaTaxa),
                 V.FalhaTaxa});
    if (V.PedePele) {
        // Uma instrução, não um "atende": o relatório a lista entre os avisos.
        l.push_back({"Armadura de pele", Junta(n(V.AsPele, 2), " cm2 por face"),
                     "espaçamento ≤ 20 cm", "17.3.5.2.3", "acrescentar"});
        l.back().Informativa = true;
    }
    if (V.AlertaEquilibrio)
        l.push_back({"Equilíbrio", "Rc − Rst acima de 1 % de Rcc ou Mrd ≤ 0",
                     "reduza a PrecisãoN e confira Es", "17.2.2", "resultado não confiável", true});
    if (V.CoeficienteImplausivel)
        l.push_back({"Coeficientes", Junta("γc = ", n(V.GamaC, 2), ", γs = ", n(V.GamaS, 2)),
                     Junta(n(1, 1), " a ", n(2, 1)), "12.4", "confira os valores", true});
    if (V.ClasseForaDaFaixa)
        l.push_back({"Classe do concreto", Junta("fck = ", n(V.FckMPa, 0), " MPa"),
                     Junta(n(V.FckMinimo, 0), " a ", n(V.FckMaximo, 0), " MPa"), "8.2.1",
                     "fora da faixa da norma", true});
    return l;
}

} // namespace lumbrio
