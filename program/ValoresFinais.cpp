// Verificação da seção com as barras colocadas, nos modelos CG e Real.
#include "calc/Numeros.h"
#include "program/Dimensionamento.h"
#include "section/Secao.h"

#include <cmath>

namespace lumbrio {

// Avalia o equilíbrio em X: bloco de tensões, deformações e tensões das camadas.
// Devolve Rc − Rst (kgf); o modelo Real põe cada camada na sua profundidade, o
// modelo CG põe as barras de cada face no centróide dela.
template <bool Real> double Dimensionamento::ForcaResultante(double& Rc, double& Rst) {
    const double d = AlturaUtil;
    double tensaoBloco;
    EpsC = EpsConcreto(X, d, Concreto);
    Y = Concreto.Lambda * X;
    if (X > XLimite2a(d, Concreto)) {
        tensaoBloco = SigCd;
    } else {
        Dominio = "2a";
        SigCdRed = TensaoBlocoReduzida(SigCd, EpsC, Concreto);
        tensaoBloco = SigCdRed;
    }
    Rcc = Y * Base * tensaoBloco;
    Rc = Rcc;
    Rst = 0;
    if constexpr (Real) {
        for (IndCamada = 1; IndCamada <= NumCamadasPos; ++IndCamada) {
            EpsPos[IndCamada] = EpsC * ((Altura - DLinhaPos[IndCamada]) - X) / X;
            SigSdAço();
        }
        for (IndCamada = 1; IndCamada <= NumCamadasNeg; ++IndCamada) {
            EpsNeg[IndCamada] = EpsC * (X - DLinhaNeg[IndCamada]) / X;
            SigSdAçoNeg();
        }
        for (int i = 1; i <= NumCamadasPos; ++i)
            Rst += NumBarrasPos[i] * SigPos[i] * AreaBarra[BitolaPos[i]];
        for (int i = 1; i <= NumCamadasNeg; ++i)
            Rc += NumBarrasNeg[i] * SigNeg[i] * AreaBarra[BitolaNeg[i]];
    } else {
        IndCamada = 1;
        EpsPos[1] = EpsC * ((Altura - DCG1) - X) / X;
        SigSdAço();
        EpsNeg[1] = EpsC * (X - DCG2) / X;
        SigSdAçoNeg();
        for (int i = 1; i <= NumCamadasPos; ++i)
            Rst += NumBarrasPos[i] * SigPos[1] * AreaBarra[BitolaPos[i]];
        for (int i = 1; i <= NumCamadasNeg; ++i)
            Rc += NumBarrasNeg[i] * SigNeg[1] * AreaBarra[BitolaNeg[i]];
    }
    return Rc - Rst;
}

// Busca em passos de X a partir de 0: sobe de 1 cm até a compressão passar a
// tração, volta e refina por décimos, centésimos...
template <bool Real> void Dimensionamento::BuscaEquilibrio(long& Passos, double& Residuo) {
    const double d = AlturaUtil;
    double Rc = 0, Rst = 0;
    X = 0;
    PassoX = 1;
    Passos = 0;
    for (;;) {
        if (X + PassoX == X) {
            // O passo já não muda X: fica este X, o mais justo que a precisão dupla
            // permite (a lei da classe B é uma escada de cerca de 1e-4 kgf/cm²).
            if (!(X > 0))
                Recusar("O equilíbrio da seção não pôde ser encontrado.",
                        "Aumente a PrecisãoN (Kgf) em \"Outros valores\".");
            Residuo = ForcaResultante<Real>(Rc, Rst);
            break;
        }
        if (++Passos > LimitePassosBusca)
            Recusar(Junta("A busca do equilíbrio da seção não convergiu em ",
                          std::to_string(LimitePassosBusca), " passos."),
                    "Aumente a PrecisãoN (Kgf) em \"Outros valores\".");
        X = X + PassoX;
        Residuo = ForcaResultante<Real>(Rc, Rst);
        if (std::fabs(Rc - Rst) <= PrecisãoN) break;
        if (Rc > Rst) {
            X = X - PassoX;
            PassoX = PassoX / 10;
        }
    }
    Dominio = DominioDe(X, d, EpsYd, Concreto);
}

void Dimensionamento::ValoresFinaisCG() {
    BuscaEquilibrio<false>(PassosCG, ResiduoCG);
    const double dCG = Altura - DCG1;
    double somaNeg = 0;
    for (int i = 1; i <= NumCamadasNeg; ++i)
        somaNeg += NumBarrasNeg[i] * SigNeg[1] * AreaBarra[BitolaNeg[i]];
    MrdCG = Rcc * (dCG - Y / 2) + somaNeg * (dCG - DCG2);

    // Distância do centróide à face externa das barras da camada 1, em % de h.
    const double fiT = Diametro[BitolaEstr];
    PctHPos = 100 * ((DCG1 - Cobrimento) - fiT) / Altura;
    if (NumBarrasNeg[1] != 0) PctHNeg = 100 * ((DCG2 - Cobrimento) - fiT) / Altura;
}

void Dimensionamento::ValoresCG() {
    XCG = X;
    DominioCG = Dominio;
    RccCG = Rcc;
    EpsCCG = EpsC;
    EpsS1CG = EpsPos[1];
    XEscoamento = X + X * EpsYd / EpsC;
}

void Dimensionamento::ValoresFinaisReais() {
    BuscaEquilibrio<true>(PassosReal, ResiduoReal);
    // Momentos em torno da camada positiva 1.
    const double d1 = Altura - DLinhaPos[1];
    MrdReal = Rcc * (d1 - Y / 2);
    for (int i = 1; i <= NumCamadasNeg; ++i)
        MrdReal += NumBarrasNeg[i] * SigNeg[i] * AreaBarra[BitolaNeg[i]] * (d1 - DLinhaNeg[i]);
    for (int i = 1; i <= NumCamadasPos; ++i)
        MrdReal -=
            NumBarrasPos[i] * SigPos[i] * AreaBarra[BitolaPos[i]] * (DLinhaPos[i] - DLinhaPos[1]);
    AsReal = 0;
    for (int i = 1; i <= NumCamadasPos; ++i) AsReal += NumBarrasPos[i] * AreaBarra[BitolaPos[i]];
    AsNegReal = 0;
    for (int i = 1; i <= NumCamadasNeg; ++i) AsNegReal += NumBarrasNeg[i] * AreaBarra[BitolaNeg[i]];
}

void Dimensionamento::ValoresRET() {
    XReal = X;
    DominioReal = Dominio;
    RccReal = Rcc;
}

} // namespace lumbrio
