// Comparação dos modelos CG e Real, recalculada do estado sem alterá-lo.
#include "section/Comparacao.h"

#include "section/Secao.h"

#include <cmath>
#include <limits>

namespace lumbrio {

Comparacao ComparaModelos(const EstadoDeCalculo& D) {
    Comparacao C;
    const LeiDoAco lei = LeiDoCalculo(D);
    const double h = D.Altura, d = D.AlturaUtil;

    // Modelo Real: cada camada na sua profundidade, em x = XReal.
    const double xR = D.XReal;
    C.EpsCReal = EpsConcreto(xR, d, D.Concreto);
    const auto camadas = [&](bool negativa, int n, const PorCamada& NumBarras,
                             const std::array<int, 7>& Bitola, const PorCamada& DLinha) {
        for (int i = 1; i <= n; ++i) {
            if (NumBarras[i] == 0) continue;
            CamadaReal c;
            c.Negativa = negativa;
            c.Camada = i;
            c.DLinha = DLinha[i];
            c.Barras = static_cast<int>(NumBarras[i]);
            c.Bitola = Bitola[i];
            c.Area = c.Barras * D.AreaBarra[c.Bitola];
            c.Eps = negativa ? C.EpsCReal * (xR - c.DLinha) / xR
                             : C.EpsCReal * ((h - c.DLinha) - xR) / xR;
            c.Sig = lei.Tensao(c.Eps);
            c.Escoa = lei.Escoa(c.Eps);
            C.Camadas.push_back(c);
        }
    };
    camadas(false, D.Pos.NumCamadas, D.Pos.NumBarras, D.Pos.Bitola, D.Pos.DLinha);
    camadas(true, D.Neg.NumCamadas, D.Neg.NumBarras, D.Neg.Bitola, D.Neg.DLinha);

    // Modelo CG: uma deformação por face, no centróide, em x = XCG.
    const double xC = D.XCG;
    C.EpsCCG = EpsConcreto(xC, d, D.Concreto);
    double asNeg = 0;
    for (int i = 1; i <= D.Neg.NumCamadas; ++i) asNeg += D.Neg.NumBarras[i];
    C.CGPos.Existe = D.AsReal > 0;
    C.CGPos.DLinha = D.DCG1;
    C.CGPos.Eps = C.EpsCCG * ((h - D.DCG1) - xC) / xC;
    C.CGNeg.Existe = asNeg > 0;
    C.CGNeg.DLinha = D.DCG2;
    C.CGNeg.Eps = C.EpsCCG * (xC - D.DCG2) / xC;
    for (FaceCG* f : {&C.CGPos, &C.CGNeg}) {
        f->Sig = lei.Tensao(f->Eps);
        f->Escoa = lei.Escoa(f->Eps);
    }

    C.MrdCGKgfCm = D.MrdCG;
    C.MrdRealKgfCm = D.MrdReal;
    C.MrdCGKNm = C.MrdCGKgfCm / KgfCmPorKNm;
    C.MrdRealKNm = C.MrdRealKgfCm / KgfCmPorKNm;
    C.MdKgfCm = D.Md;
    C.DiferencaMrdPct = C.MrdCGKgfCm != 0 ? 100 * (C.MrdRealKgfCm - C.MrdCGKgfCm) / C.MrdCGKgfCm
                                          : std::numeric_limits<double>::quiet_NaN();
    C.AtendePos = !(D.PctHPos > LimitePctH);
    C.TemNeg = D.Neg.NumBarras[1] != 0;
    C.AtendeNeg = !C.TemNeg || !(D.PctHNeg > LimitePctH);
    C.MrdRealAbaixoDeMd = C.MrdRealKgfCm < D.Md;
    return C;
}

} // namespace lumbrio
