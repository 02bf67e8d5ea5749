// Leis tensão-deformação do aço: classe A elastoplástica, classe B com trecho curvo.
#include "calc/Catalogos.h"
#include "calc/Dimensionamento.h"

#include <cmath>

namespace lumbrio {

namespace {

// Tensão de cálculo (kgf/cm²) para a deformação Eps (por mil), com o sinal dela.
double TensaoAco(double Eps, bool ClasseB, double Fyd, double Es, double EpsYd) {
    const double e = std::fabs(Eps);
    double sig;
    if (!ClasseB) {
        sig = e >= EpsYd ? Fyd : Es * e / 1000;
    } else if (!(e > 700 * Fyd / Es)) {
        sig = Es * e / 1000; // trecho linear até 0,7 fyd
    } else if (e >= EpsYd) {
        sig = Fyd;
    } else {
        // Raiz maior de A·σ² − B·σ + C = 0; C passa por precisão simples.
        const double A = 1 / (45 * Fyd * Fyd);
        const double B = 1.4 / (45 * Fyd) - 1 / Es;
        const double C = static_cast<float>(0.49 / 45 - e / 1000);
        sig = (B + std::sqrt(B * B - 4 * A * C)) / (2 * A);
    }
    return Eps > 0 ? sig : (Eps < 0 ? -sig : 0.0);
}

} // namespace

void Dimensionamento::SigSdAço() {
    SigPos[IndCamada] = TensaoAco(EpsPos[IndCamada], AcoClasseB(Form1.Combo1.Text), Fyd, Es, EpsYd);
}

void Dimensionamento::SigSdAçoNeg() {
    SigNeg[IndCamada] = TensaoAco(EpsNeg[IndCamada], AcoClasseB(Form1.Combo1.Text), Fyd, Es, EpsYd);
}

} // namespace lumbrio
