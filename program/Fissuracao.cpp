// Abertura de fissuras em serviço com as barras colocadas, camada a camada.
#include "section/Fissuracao.h"
#include "program/Dimensionamento.h"

#include <algorithm>
#include <tuple>

namespace lumbrio {

void Dimensionamento::VerificaFissuracao() {
    ResFissuracao = {};
    if (!EntFissuracao.Usada) return;
    const auto barras = [](const Face& f) {
        return BarrasDaFace{f.NumCamadas, f.NumBarras, f.DLinha, f.EspHor, f.Bitola};
    };
    ChaveFissuracao chave{Base,        Altura,
                          Cobrimento,  Es,
                          Fck,         EntFissuracao.Mser,
                          DCG2,        EntFissuracao.Classe,
                          BitolaEstr,  Edicao,
                          TextoAco,    barras(Pos),
                          barras(Neg), Forma};
    if (UltimaFissuracao && UltimaFissuracao->first == chave) {
        ResFissuracao = UltimaFissuracao->second;
        return;
    }
    DadosFissuracao d;
    d.b = Base;
    d.h = Altura;
    d.Forma = Forma;
    d.Mser = EntFissuracao.Mser;
    d.Es = Es;
    d.Fctm = FctmMPa(Edicao, Fck / 10) * 10;
    d.Eta1 = Eta1(TextoAco, Edicao);
    // As barras como o desenho as põe: a primeira junto ao estribo, as outras a EspHor.
    const double inicio = Cobrimento + Diametro[BitolaEstr];
    std::vector<FissuracaoDaCamada> camadas;
    d.Camadas.reserve(9);
    camadas.reserve(9);
    const auto camada = [&](bool neg, int i, double n, int bitola, double dLinha, double esp) {
        if (n <= 0) return;
        const double fi = Diametro[bitola];
        CamadaFissuracao c{neg ? dLinha : Altura - dLinha, fi, AreaBarra[bitola], {}, !neg};
        c.XBarras.reserve(static_cast<std::size_t>(n));
        for (int j = 0; j < static_cast<int>(n); ++j)
            c.XBarras.push_back(inicio + fi / 2 + j * esp);
        d.Camadas.push_back(std::move(c));
        camadas.push_back({neg, i, d.Camadas.back().Y, static_cast<int>(n), fi});
    };
    for (int i = 1; i <= Pos.NumCamadas; ++i)
        camada(false, i, Pos.NumBarras[i], Pos.Bitola[i], Pos.DLinha[i], Pos.EspHor[i]);
    for (int i = 1; i <= Neg.NumCamadas; ++i)
        camada(true, i, Neg.NumBarras[i], Neg.Bitola[i], Neg.DLinha[i], Neg.EspHor[i]);

    const AnaliseFissuracao a = AnalisaFissuracao(d);
    ResultadoFissuracao& r = ResFissuracao;
    r.Calculado = true;
    r.XReal = a.Real.X;
    r.XCG = a.CG.X;
    r.Mr = a.Mr;
    r.IReal = a.Real.I;
    r.Fissura = a.Fissura;
    r.Eta1 = d.Eta1;
    r.SigmaCG = a.SigmaCG;
    r.WkLim = AberturaLimite(EntFissuracao.Classe);
    for (std::size_t k = 0; k < camadas.size(); ++k) {
        FissuracaoDaCamada& c = camadas[k];
        c.SigmaReal = a.Real.TensaoAco(c.Y, d.Mser, d.AlfaE);
        c.SigmaCG = c.Negativa ? a.CG.TensaoAco(DCG2, d.Mser, d.AlfaE) : a.SigmaCG;
        for (const BarraFissuracao& b : a.Barras) {
            if (b.Camada != k) continue;
            const bool ponta =
                b.X == d.Camadas[k].XBarras.front() || b.X == d.Camadas[k].XBarras.back();
            // A primeira barra da camada, ou a que passa da maior wk até aqui.
            if (c.AcriGoverna == 0 || b.W.Wk > std::max(c.WkPonta, c.WkDentro))
                std::tie(c.AcriGoverna, c.RhoGoverna, c.W1Governa, c.W2Governa) =
                    std::tuple(b.Acri, b.Rho, b.W.W1, b.W.W2);
            double& wk = ponta ? c.WkPonta : c.WkDentro;
            wk = std::max(wk, b.W.Wk);
            (ponta ? c.AcriPonta : c.AcriDentro) = b.Acri;
            if (b.W.Wk > r.WkMax) {
                r.WkMax = b.W.Wk;
                r.CamadaWkMax = c.Camada;
            }
        }
    }
    r.SigmaReal = camadas.empty() || camadas.front().Negativa ? 0 : camadas.front().SigmaReal;
    r.FalhaWk = r.WkMax > r.WkLim;
    if (const auto l = LimitesSemCalculoDeWk(r.SigmaReal / 10)) {
        r.TemLimites = true;
        r.FiMaxTabela = l->FiMax;
        r.SMaxTabela = l->SMax;
    }
    r.Camadas = std::move(camadas);
    UltimaFissuracao.emplace(std::move(chave), r);
}

} // namespace lumbrio
