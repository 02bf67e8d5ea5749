// Equilíbrio e momento resistente da seção com as barras colocadas.
#include "section/ValoresFinais.h"

namespace lumbrio {

void ForcasEm(const SecaoColocada& S, double X, bool Real, Equilibrio& E) {
    const FaceColocada &pos = S.Pos, &neg = S.Neg;
    E.X = X;
    E.B = BlocoEm(X, S.AlturaUtil, S.Secao, S.SigCd, S.Concreto, RegimeBloco::Verificacao);
    const double epsC = E.B.EpsC;
    E.Rc = E.B.Rcc;
    E.Rst = 0;
    if (Real) {
        for (int i = 1; i <= pos.NumCamadas; ++i) {
            E.Pos.Eps[i] = epsC * ((S.Altura - pos.DLinha[i]) - X) / X;
            E.Pos.Sig[i] = S.Lei.Tensao(E.Pos.Eps[i]);
        }
        for (int i = 1; i <= neg.NumCamadas; ++i) {
            E.Neg.Eps[i] = epsC * (X - neg.DLinha[i]) / X;
            E.Neg.Sig[i] = S.Lei.Tensao(E.Neg.Eps[i]);
        }
        for (int i = 1; i <= pos.NumCamadas; ++i)
            E.Rst += pos.NumBarras[i] * E.Pos.Sig[i] * S.AreaBarra[pos.Bitola[i]];
        for (int i = 1; i <= neg.NumCamadas; ++i)
            E.Rc += neg.NumBarras[i] * E.Neg.Sig[i] * S.AreaBarra[neg.Bitola[i]];
    } else {
        E.Pos.Eps[1] = epsC * ((S.Altura - pos.DCG) - X) / X;
        E.Pos.Sig[1] = S.Lei.Tensao(E.Pos.Eps[1]);
        E.Neg.Eps[1] = epsC * (X - neg.DCG) / X;
        E.Neg.Sig[1] = S.Lei.Tensao(E.Neg.Eps[1]);
        for (int i = 1; i <= pos.NumCamadas; ++i)
            E.Rst += pos.NumBarras[i] * E.Pos.Sig[1] * S.AreaBarra[pos.Bitola[i]];
        for (int i = 1; i <= neg.NumCamadas; ++i)
            E.Rc += neg.NumBarras[i] * E.Neg.Sig[1] * S.AreaBarra[neg.Bitola[i]];
    }
    E.Residuo = E.Rc - E.Rst;
}

Equilibrio BuscaEquilibrio(const SecaoColocada& S, bool Real, double PrecisaoN) {
    Equilibrio e;
    long passos = 0;
    BuscaEmPassos(
        [&](double X) {
            ForcasEm(S, X, Real, e);
            return e.Residuo;
        },
        PrecisaoN, passos,
        {"O equilíbrio da seção não pôde ser encontrado.", "do equilíbrio da seção",
         "Aumente a PrecisãoN (Kgf) em \"Outros valores\"."});
    e.Passos = passos;
    e.Dominio = DominioDe(e.X, S.AlturaUtil, S.Lei.EpsYd, S.Concreto);
    return e;
}

double MomentoResistenteCG(const SecaoColocada& S, const Equilibrio& E) {
    const double dCG = S.Altura - S.Pos.DCG;
    double somaNeg = 0;
    for (int i = 1; i <= S.Neg.NumCamadas; ++i)
        somaNeg += S.Neg.NumBarras[i] * E.Neg.Sig[1] * S.AreaBarra[S.Neg.Bitola[i]];
    return E.B.Rcc * (dCG - E.B.Centro) + somaNeg * (dCG - S.Neg.DCG);
}

double MomentoResistenteReal(const SecaoColocada& S, const Equilibrio& E) {
    const FaceColocada &pos = S.Pos, &neg = S.Neg;
    const double d1 = S.Altura - pos.DLinha[1];
    double mrd = E.B.Rcc * (d1 - E.B.Centro);
    for (int i = 1; i <= neg.NumCamadas; ++i)
        mrd += neg.NumBarras[i] * E.Neg.Sig[i] * S.AreaBarra[neg.Bitola[i]] * (d1 - neg.DLinha[i]);
    for (int i = 1; i <= pos.NumCamadas; ++i)
        mrd -= pos.NumBarras[i] * E.Pos.Sig[i] * S.AreaBarra[pos.Bitola[i]] *
               (pos.DLinha[i] - pos.DLinha[1]);
    return mrd;
}

} // namespace lumbrio
