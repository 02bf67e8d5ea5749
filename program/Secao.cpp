// Membros da seção: leem o estado, chamam as funções puras de section/ e escrevem o
// resultado de volta.
#include "section/Secao.h"
#include "base/Numeros.h"
#include "program/Dimensionamento.h"
#include "section/ArmaduraTeorica.h"
#include "section/BlocoRetangular.h"
#include "section/SecaoT.h"
#include "section/ValoresFinais.h"
#include "section/Verificacoes.h"

namespace lumbrio {

LeiDoAco Dimensionamento::Lei() const {
    return LeiDoCalculo(*this);
}

GeometriaT Dimensionamento::Geometria() const {
    return GeometriaDe(Forma, Base, Altura);
}

void Dimensionamento::CGd1() {
    DCG1 = Centroide(Pos.NumBarras, Pos.Bitola, Pos.NumCamadas, AreaBarra, Pos.DLinha, DCG1);
}

void Dimensionamento::CGd2() {
    DCG2 = Centroide(Neg.NumBarras, Neg.Bitola, Neg.NumCamadas, AreaBarra, Neg.DLinha, DCG2);
}

void Dimensionamento::MomentosLimitesRET() {
    const MomentosLimites m = MomentosLimitesDe(AlturaUtil, Geometria(), SigCd, EpsYd, Concreto);
    MLim2a = m.M2a;
    MLim2b = m.M2b;
    MLim3 = m.M3;
    MLim4 = m.M4;
}

void Dimensionamento::DescobreXRET() {
    const LinhaNeutra ln = DescobreX(Md, AlturaUtil, Geometria(), SigCd, EpsYd, Concreto,
                                     {MLim2a, MLim2b, MLim3, MLim4}, XMax, PrecisãoM);
    X = ln.X;
    EpsC = ln.B.EpsC;
    PassosDescobreX = ln.Passos;
    if (ln.Dominio.empty()) return; // forçada: vai para a armadura de compressão
    Dominio = ln.Dominio;
    Y = ln.B.Y;
    Rcc = ln.B.Rcc;
    Z = ln.B.Z;
    MRcc = ln.B.MRcc;
}

void Dimensionamento::xMáximo() {
    const double k = FatorXMaximo;
    // O fator só vale com "Utilizar x máximo" marcado; desmarcado, não é conferido.
    if (OpcaoXMaximo == 1 && (k < 0 || k > 1)) Recusar("xMáximo deve estar entre 0 e 1 .d", "");
    XMax = XMaximo(AlturaUtil, EpsYd, Concreto, Edicao, k, OpcaoDominio4, OpcaoXMaximo);
    FatorXMaximoLimitado = OpcaoXMaximo == 1 && OpcaoDominio4 != 1 && k * AlturaUtil > XMax;
    if (!(XMax > 0))
        Recusar("A profundidade máxima da linha neutra resultou nula.",
                "Informe em \"Utilizar x máximo =\" um fator maior que 0.");
}

void Dimensionamento::AsTeóricaNeg() {
    const ArmaduraNegativa a =
        AsTeoricaNeg(X, AlturaUtil, Geometria(), SigCd, Concreto, Lei(), Md, DCG2);
    Y = a.B.Y;
    Z = a.B.Z;
    EpsC = a.B.EpsC;
    Rcc = a.B.Rcc;
    MRcc = a.B.MRcc;
    Rsc = a.Rsc;
    Neg.Eps[1] = a.Eps;
    Neg.Sig[1] = a.Sig;
    Neg.AsRestante = a.AsLinha;
    AsNeg = Neg.AsRestante;
}

void Dimensionamento::AsTeóricaPos() {
    const double d = AlturaUtil;
    MinimaGovernou = false;
    const ArmaduraPositiva a = AsTeoricaPos(X, d, EpsC, Rcc, Rsc, Lei());
    Pos.AsRestante = a.As;
    AsPosSemLimite = a.SemLimite;
    if (a.SemLimite) return;
    Pos.Eps[1] = a.Eps;
    Pos.Sig[1] = a.Sig;
    AsPosCalculada = Pos.AsRestante;
    if (Edicao == Norma::NBR2023) {
        // A edição em vigor dimensiona com pelo menos As,min, com o d desta passagem.
        const double asMin =
            Forma.T ? ArmaduraMinimaT(Edicao, Geometria(), d, SigCd, Fcd, Fyd, Fck / 10)
                    : ArmaduraMinima(Edicao, Base, Altura, d, SigCd, Fcd, Fyd, Fck / 10);
        if (Pos.AsRestante < asMin) {
            Pos.AsRestante = asMin;
            MinimaGovernou = true;
        }
    }
    AsPos = Pos.AsRestante;
}

// Busca o equilíbrio de um modelo e guarda o estado do fim da busca (Real: todas as
// camadas; CG: o índice 1), os passos, o resíduo e Mrd.
void Dimensionamento::Equilibra(bool Real, long& Passos, double& Residuo, double& Mrd) {
    const SecaoColocada s = ColocadaDe(*this);
    const Equilibrio e = BuscaEquilibrio(s, Real, PrecisãoN);
    X = e.X;
    EpsC = e.B.EpsC;
    Y = e.B.Y;
    Rcc = e.B.Rcc;
    Dominio = e.Dominio;
    const int nPos = Real ? Pos.NumCamadas : 1, nNeg = Real ? Neg.NumCamadas : 1;
    for (int i = 1; i <= nPos; ++i) Pos.Eps[i] = e.Pos.Eps[i], Pos.Sig[i] = e.Pos.Sig[i];
    for (int i = 1; i <= nNeg; ++i) Neg.Eps[i] = e.Neg.Eps[i], Neg.Sig[i] = e.Neg.Sig[i];
    Passos = e.Passos;
    Residuo = e.Residuo;
    Mrd = Real ? MomentoResistenteReal(s, e) : MomentoResistenteCG(s, e);
}

void Dimensionamento::ValoresFinaisCG() {
    Equilibra(false, PassosCG, ResiduoCG, MrdCG);
    // Distância do centróide à face externa das barras da camada 1, em % de h.
    const double fiT = Diametro[BitolaEstr];
    PctHPos = 100 * ((DCG1 - Cobrimento) - fiT) / Altura;
    if (Neg.NumBarras[1] != 0) PctHNeg = 100 * ((DCG2 - Cobrimento) - fiT) / Altura;
}

void Dimensionamento::ValoresCG() {
    XCG = X;
    DominioCG = Dominio;
    RccCG = Rcc;
    EpsCCG = EpsC;
    EpsS1CG = Pos.Eps[1];
    XEscoamento = X + X * EpsYd / EpsC;
}

void Dimensionamento::ValoresFinaisReais() {
    Equilibra(true, PassosReal, ResiduoReal, MrdReal);
    AsReal = AreaDaFace(Pos);
    AsNegReal = AreaDaFace(Neg);
}

double Dimensionamento::AreaDaFace(const Face& F) const {
    double a = 0;
    for (int i = 1; i <= F.NumCamadas; ++i) a += F.NumBarras[i] * AreaBarra[F.Bitola[i]];
    return a;
}

void Dimensionamento::ValoresRET() {
    XReal = X;
    DominioReal = Dominio;
    RccReal = Rcc;
}

} // namespace lumbrio
