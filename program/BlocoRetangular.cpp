// Bloco retangular de tensões do concreto, momentos limites dos domínios,
// busca da linha neutra para Md e profundidade máxima da linha neutra.
#include "calc/Numeros.h"
#include "program/Dimensionamento.h"
#include "section/Secao.h"

#include <cmath>

namespace lumbrio {

void Dimensionamento::DiagRet() {
    Y = Concreto.Lambda * X;
    Rcc = Y * Base * SigCd;
    Z = AlturaUtil - Y / 2;
    MRcc = Z * Rcc;
}

void Dimensionamento::MomentosLimitesRET() {
    const double d = AlturaUtil;
    X = XLimite2a(d, Concreto);
    DiagRet();
    MLim2a = MRcc;
    X = XLimite2b(d, Concreto);
    DiagRet();
    MLim2b = MRcc;
    X = XLimite3(d, EpsYd, Concreto);
    DiagRet();
    MLim3 = MRcc;
    X = d;
    DiagRet();
    MLim4 = MRcc;
}

void Dimensionamento::DescobreXRET() {
    const double d = AlturaUtil;
    PassosDescobreX = 0;
    if (Md <= MLim2a) {
        // Domínio 2a: busca em passos, com o bloco de tensão reduzida.
        Dominio = "2a";
        X = 0;
        PassoX = 1;
        auto bloco = [&] {
            Y = Concreto.Lambda * X;
            EpsC = 10 * X / (d - X);
            SigCdRed = TensaoBlocoReduzida(SigCd, EpsC, Concreto);
            Rcc = Y * Base * SigCdRed;
            Z = d - Y / 2;
            MRcc = Z * Rcc;
        };
        for (;;) {
            if (X + PassoX == X) {
                // O passo já não muda X: o equilíbrio está cercado tão justo quanto a
                // precisão dupla permite, e a tolerância não pôde ser atingida.
                if (!(X > 0))
                    Recusar("A linha neutra para Md não pôde ser encontrada.",
                            "Aumente a PrecisãoM (Kgf.cm) em \"Outros valores\".");
                bloco();
                break;
            }
            if (++PassosDescobreX > LimitePassosBusca)
                Recusar(Junta("A busca da linha neutra não convergiu em ",
                              std::to_string(LimitePassosBusca), " passos."),
                        "Aumente a PrecisãoM (Kgf.cm) em \"Outros valores\".");
            X = X + PassoX;
            bloco();
            if (std::fabs(Md - MRcc) <= PrecisãoM) break;
            if (MRcc > Md) {
                X = X - PassoX;
                if (PassoX == 1) X = std::floor(X);
                PassoX = PassoX / 10;
            }
        }
    } else if (Md <= MLim2b || Md <= MLim3 || Md < MLim4) {
        // Forma fechada do equilíbrio de momentos em torno da armadura tracionada.
        Y = d - std::sqrt(d * d - 2 * Md / (Base * SigCd));
        X = Y / Concreto.Lambda;
        Rcc = Y * Base * SigCd;
        if (X < XLimite2b(d, Concreto)) {
            Dominio = "2b";
            EpsC = 10 * X / (d - X);
        } else {
            if (X < XLimite3(d, EpsYd, Concreto))
                Dominio = "3";
            else
                Dominio = "4";
            EpsC = Concreto.EpsCu;
        }
    } else {
        // Nem x = d basta: força a armadura de compressão.
        X = 1.1 * XMax;
        EpsC = Concreto.EpsCu;
    }
}

void Dimensionamento::xMáximo() {
    const double d = AlturaUtil;
    const double k = ValorNumerico(Form1.Text19.Text);
    if (k < 0 || k > 1) Recusar("xMáximo deve estar entre 0 e 1 .d", "");
    XMax = k * d;
    // Sem domínio 4 permitido, x vai até x34; na NBR 6118:2023, também até ξlim·d.
    double xLim = XLimite3(d, EpsYd, Concreto);
    if (Edicao == Norma::NBR2023 && Concreto.XiLim * d < xLim) xLim = Concreto.XiLim * d;
    const int c4 = Form1.Check4.Value, c5 = Form1.Check5.Value;
    OpcaoDominio4 = c4;
    OpcaoXMaximo = c5;
    FatorXMaximo = k;
    if (c4 == 0 && c5 == 0) {
        XMax = xLim;
    } else if (c4 == 0 && c5 == 1) {
        if (XMax > xLim) XMax = xLim;
    } else if (c4 == 1 && c5 == 0) {
        XMax = d;
    } else if (c4 == 1 && c5 == 1) {
        // k·d como digitado
    } else {
        XMax = xLim;
    }
    if (!(XMax > 0))
        Recusar("A profundidade máxima da linha neutra resultou nula.",
                "Informe em \"Utilizar x máximo =\" um fator maior que 0.");
}

} // namespace lumbrio
