// Comparação dos modelos CG e Real, recalculada do estado sem alterá-lo.
#include "output/Comparacao.h"

#include "calc/Catalogos.h"
#include "calc/Numeros.h"
#include "output/Painel.h"

#include <cmath>
#include <limits>

namespace lumbrio {

namespace {

// Tensão da lei do aço do cálculo para uma deformação (por mil), numa cópia do estado.
class LeiDoAco {
  public:
    explicit LeiDoAco(const Dimensionamento& D) : copia(D) { copia.IndCamada = 1; }
    double Tensao(double Eps) {
        copia.EpsPos[1] = Eps;
        copia.SigSdAço();
        return copia.SigPos[1];
    }

  private:
    Dimensionamento copia;
};

} // namespace

Comparacao ComparaModelos(const Dimensionamento& D) {
    Comparacao C;
    LeiDoAco lei(D);
    const double h = D.Altura, d = D.AlturaUtil;
    const auto escoa = [&D](double Eps) { return std::fabs(Eps) >= D.EpsYd; };

    // Modelo Real: cada camada na sua profundidade, em x = XReal.
    const double xR = D.XReal;
    C.EpsCReal = Dimensionamento::EpsConcreto(xR, d);
    for (int i = 1; i <= D.NumCamadasPos; ++i) {
        if (D.NumBarrasPos[i] == 0) continue;
        CamadaReal c;
        c.Camada = i;
        c.DLinha = D.DLinhaPos[i];
        c.Barras = static_cast<int>(D.NumBarrasPos[i]);
        c.Bitola = D.BitolaPos[i];
        c.Area = c.Barras * D.AreaBarra[c.Bitola];
        c.Eps = C.EpsCReal * ((h - c.DLinha) - xR) / xR;
        c.Sig = lei.Tensao(c.Eps);
        c.Escoa = escoa(c.Eps);
        C.Camadas.push_back(c);
    }
    for (int i = 1; i <= D.NumCamadasNeg; ++i) {
        if (D.NumBarrasNeg[i] == 0) continue;
        CamadaReal c;
        c.Negativa = true;
        c.Camada = i;
        c.DLinha = D.DLinhaNeg[i];
        c.Barras = static_cast<int>(D.NumBarrasNeg[i]);
        c.Bitola = D.BitolaNeg[i];
        c.Area = c.Barras * D.AreaBarra[c.Bitola];
        c.Eps = C.EpsCReal * (xR - c.DLinha) / xR;
        c.Sig = lei.Tensao(c.Eps);
        c.Escoa = escoa(c.Eps);
        C.Camadas.push_back(c);
    }

    // Modelo CG: uma deformação por face, no centróide, em x = XCG.
    const double xC = D.XCG;
    C.EpsCCG = Dimensionamento::EpsConcreto(xC, d);
    double asNeg = 0;
    for (int i = 1; i <= D.NumCamadasNeg; ++i) asNeg += D.NumBarrasNeg[i];
    C.CGPos.Existe = D.AsReal > 0;
    C.CGPos.DLinha = D.DCG1;
    C.CGPos.Eps = C.EpsCCG * ((h - D.DCG1) - xC) / xC;
    C.CGNeg.Existe = asNeg > 0;
    C.CGNeg.DLinha = D.DCG2;
    C.CGNeg.Eps = C.EpsCCG * (xC - D.DCG2) / xC;
    for (FaceCG* f : {&C.CGPos, &C.CGNeg}) {
        f->Sig = lei.Tensao(f->Eps);
        f->Escoa = escoa(f->Eps);
    }

    // Imprime deixou Mrd na unidade do usuário.
    C.MrdCGKgfCm = D.MrdCG * D.FatorUnidade;
    C.MrdRealKgfCm = D.MrdReal * D.FatorUnidade;
    C.MrdCGKNm = C.MrdCGKgfCm / KgfCmPorKNm;
    C.MrdRealKNm = C.MrdRealKgfCm / KgfCmPorKNm;
    C.MdKgfCm = D.Md;
    C.DiferencaMrdPct = C.MrdCGKgfCm != 0 ? 100 * (C.MrdRealKgfCm - C.MrdCGKgfCm) / C.MrdCGKgfCm
                                          : std::numeric_limits<double>::quiet_NaN();
    C.AtendePos = !(D.PctHPos > LimitePctH);
    C.TemNeg = D.NumBarrasNeg[1] != 0;
    C.AtendeNeg = !C.TemNeg || !(D.PctHNeg > LimitePctH);
    C.MrdRealAbaixoDeMd = C.MrdRealKgfCm < D.Md;
    return C;
}

std::string Veredito(bool Atende) {
    return Atende ? "atende" : "não atende";
}

std::string TextoBitola(int Bitola, std::string_view Separador) {
    // Texto do catálogo até o parêntese: "20 mm (3/4'')" dá "20 mm".
    std::string_view t = Bitola >= 1 && Bitola <= static_cast<int>(TabelaBitolas.size())
                             ? TabelaBitolas[static_cast<std::size_t>(Bitola - 1)].Texto
                             : std::string_view("?");
    return ComSeparador(std::string(t.substr(0, t.find(" ("))), Separador);
}

std::string TextoBarras(int Barras, int Bitola, std::string_view Separador) {
    return Junta(std::to_string(Barras), " φ ", TextoBitola(Bitola, Separador));
}

std::string AvisoMrdAbaixoDeMd(const Dimensionamento& D, const Comparacao& C,
                               std::string_view Separador) {
    if (!C.MrdRealAbaixoDeMd) return {};
    const double f = D.FatorUnidade != 0 ? D.FatorUnidade : 1;
    return Junta("Atenção: as barras colocadas, vistas camada a camada (modelo Real), não "
                 "resistem ao momento para o qual foram dimensionadas: Mrd Real = ",
                 FormataNumero(C.MrdRealKgfCm / f, 2, Separador),
                 " < Md = ", FormataNumero(C.MdKgfCm / f, 2, Separador), " ", D.Unidade, ".");
}

std::string TextoPainelTabulado(const Dimensionamento& D) {
    const auto& f = D.Form1;
    std::string s = "\tCG\tReal\t\n";
    for (const LinhaPainel& l : LinhasPainel)
        s += Junta(l.Rotulo, "\t", (f.*l.CG).Text, "\t", (f.*l.Real).Text, "\t",
                   UnidadeDaLinha(f, l), "\n");
    return s;
}

} // namespace lumbrio
