// Bloco retangular de tensões, momentos limites e linha neutra para Md.
#include "section/BlocoRetangular.h"

namespace lumbrio {

MomentosLimites MomentosLimitesDe(double d, const GeometriaT& G, double SigCd, double EpsYd,
                                  const ParametrosConcreto& P) {
    const auto m = [&](double X) { return BlocoEm(X, d, G, SigCd, P, RegimeBloco::Pleno).MRcc; };
    return {m(XLimite2a(d, P)), m(XLimite2b(d, P)), m(XLimite3(d, EpsYd, P)), m(d)};
}

LinhaNeutra DescobreX(double Md, double d, const GeometriaT& G, double SigCd, double EpsYd,
                      const ParametrosConcreto& P, const MomentosLimites& M, double XMax,
                      double PrecisaoM) {
    LinhaNeutra r;
    if (Md <= M.M2a && !G.AbasComprimidas()) {
        // Domínio 2a: busca em passos, com o bloco de tensão reduzida (a T com abas
        // comprimidas toma σcd inteira e vai à forma fechada).
        r.Dominio = "2a";
        r.X = BuscaEmPassos(
            [&](double X) {
                r.B = BlocoEm(X, d, G, SigCd, P, RegimeBloco::Dominio2a);
                return r.B.MRcc - Md;
            },
            PrecisaoM, r.Passos,
            {"A linha neutra para Md não pôde ser encontrada.", "da linha neutra",
             "Aumente a PrecisãoM (Kgf.cm) em \"Outros valores\"."});
    } else if (Md <= M.M2b || Md <= M.M3 || Md < M.M4) {
        // Forma fechada do equilíbrio de momentos em torno da armadura tracionada.
        r.B.Y = AlturaDoBlocoT(G, d, Md, SigCd);
        r.X = r.B.Y / P.Lambda;
        r.B.Tensao = SigCd;
        ResultanteDoBloco(r.B, d, G);
        r.B.EpsC = EpsConcreto(r.X, d, P);
        r.Dominio = DominioDe(r.X, d, EpsYd, P);
    } else {
        // Nem x = d basta: força a armadura de compressão.
        r.X = 1.1 * XMax;
        r.B.EpsC = P.EpsCu;
    }
    return r;
}

double XMaximo(double d, double EpsYd, const ParametrosConcreto& P, Norma Edicao, double k,
               int Check4, int Check5) {
    double xLim = XLimite3(d, EpsYd, P);
    if (Edicao == Norma::NBR2023 && P.XiLim * d < xLim) xLim = P.XiLim * d;
    if (Check4 == 1 && Check5 == 1) return k * d; // k·d como digitado
    if (Check4 == 1 && Check5 == 0) return d;
    if (Check4 == 0 && Check5 == 1) return k * d > xLim ? xLim : k * d;
    return xLim;
}

} // namespace lumbrio
