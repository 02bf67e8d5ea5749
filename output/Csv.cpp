#include "output/Csv.h"

#include "calc/Catalogos.h"
#include "calc/Numeros.h"
#include "output/Comparacao.h"
#include "output/Painel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace lumbrio {

namespace {

// Uma coluna de resultado: o nome no cabeçalho e o texto tirado do projeto.
struct ColunaCsv {
    std::string Nome;
    std::function<std::string(const EstadoDeProjeto&)> Texto;
};

// Colunas entre "Md" e "erro": as linhas do painel (As antes de As'), a unidade de Mrd,
// os d' das camadas, d'CG, %h, os alertas e as barras de cada camada.
std::vector<ColunaCsv> MontaColunas() {
    std::vector<ColunaCsv> c;
    const auto caixa = [&c](std::string Nome, CaixaTexto ControlesForm1::*Caixa) {
        c.push_back(
            {std::move(Nome), [Caixa](const EstadoDeProjeto& D) { return (D.Form1.*Caixa).Text; }});
    };
    const auto alerta = [&c](std::string Nome, auto Controle) {
        c.push_back({std::move(Nome), [Controle](const EstadoDeProjeto& D) {
                         return std::string(Controle(D.Form1).BackColor == Cor::Alerta ? "1" : "0");
                     }});
    };
    std::array<const LinhaPainel*, LinhasPainel.size()> ordem{};
    for (const LinhaPainel& l : LinhasPainel) ordem[static_cast<std::size_t>(l.OrdemCsv)] = &l;
    for (const LinhaPainel* linha : ordem) {
        const LinhaPainel& l = *linha;
        caixa(Junta(l.Coluna, "_CG"), l.CG);
        caixa(Junta(l.Coluna, "_Real"), l.Real);
        if (l.UnidadeDeMomento)
            c.push_back({Junta("unidade_", l.Coluna), [&l](const EstadoDeProjeto& D) {
                             return std::string(UnidadeDaLinha(D.Form1, l));
                         }});
    }
    for (std::size_t i = 1; i <= 6; ++i)
        c.push_back({Junta("dlinha_pos", std::to_string(i)),
                     [i](const EstadoDeProjeto& D) { return D.Form1.Text25[i].Text; }});
    for (std::size_t i = 1; i <= 3; ++i)
        c.push_back({Junta("dlinha_neg", std::to_string(i)),
                     [i](const EstadoDeProjeto& D) { return D.Form1.Text3[i].Text; }});
    caixa("dCG1", &ControlesForm1::Text26);
    caixa("dCG2", &ControlesForm1::Text29);
    caixa("pctH_pos", &ControlesForm1::Text36);
    caixa("pctH_neg", &ControlesForm1::Text38);
    alerta(
        "alerta_pctH_pos", [](const ControlesForm1& f) -> auto& { return f.Text36; });
    alerta(
        "alerta_pctH_neg", [](const ControlesForm1& f) -> auto& { return f.Text38; });
    for (std::size_t i = 1; i <= 6; ++i)
        c.push_back({Junta("barras_pos", std::to_string(i)), [i](const EstadoDeProjeto& D) {
                         return TextoDecimalCurto(D.NumBarrasPos[i]);
                     }});
    for (std::size_t i = 1; i <= 3; ++i)
        c.push_back({Junta("barras_neg", std::to_string(i)), [i](const EstadoDeProjeto& D) {
                         return TextoDecimalCurto(D.NumBarrasNeg[i]);
                     }});
    alerta(
        "alerta_pos6", [](const ControlesForm1& f) -> auto& { return f.Combo2[6]; });
    alerta(
        "alerta_neg3", [](const ControlesForm1& f) -> auto& { return f.Combo4[3]; });
    return c;
}

const std::vector<ColunaCsv>& Colunas() {
    static const std::vector<ColunaCsv> c = MontaColunas();
    return c;
}

// Coluna de uma verificação opcional (a cortante, o serviço): vazia sem ela.
template <auto Resultado, class F>
std::function<std::string(const EstadoDeProjeto&)> SoCom(F Valor) {
    return [Valor](const EstadoDeProjeto& D) {
        return (D.*Resultado).Calculado ? Valor(D) : std::string();
    };
}
constexpr auto Cortante = [](auto Valor) { return SoCom<&EstadoDeProjeto::ResCortante>(Valor); };
constexpr auto Servico = [](auto Valor) { return SoCom<&EstadoDeProjeto::ResServico>(Valor); };

// Colunas das verificações da norma, logo depois de "erro", o alerta de equilíbrio e o
// x/d do dimensionamento.
std::vector<ColunaCsv> MontaColunasVerificacao() {
    const auto n = [](double v, int casas) { return FormataNumero(v, casas); };
    const auto b = [](bool v) { return std::string(v ? "1" : "0"); };
    using D = const EstadoDeProjeto&;
    return {
        {"norma", [](D d) { return std::string(TextoNorma(d.Edicao).substr(9)); }},
        {"xd_CG", [n](D d) { return n(d.Verif.XdCG, 3); }},
        {"xd_Real", [n](D d) { return n(d.Verif.XdReal, 3); }},
        {"xd_lim", [n](D d) { return n(d.Verif.XdLim, 2); }},
        {"alerta_xd_CG", [b](D d) { return b(d.Verif.FalhaXdCG); }},
        {"alerta_xd_Real", [b](D d) { return b(d.Verif.FalhaXdReal); }},
        {"As_min",
         [n](D d) {
             return d.Verif.ConcretoNaoResisteMdMin ? std::string() : n(d.Verif.AsMin, 2);
         }},
        {"alerta_As_min", [b](D d) { return b(d.Verif.FalhaAsMin); }},
        {"taxa_pct", [n](D d) { return n(d.Verif.TaxaPct, 2); }},
        {"alerta_taxa", [b](D d) { return b(d.Verif.FalhaTaxa); }},
        {"As_pele", [n](D d) { return d.Verif.PedePele ? n(d.Verif.AsPele, 2) : std::string(); }},
        {"alerta_equilibrio", [b](D d) { return b(d.Verif.AlertaEquilibrio); }},
        {"xd_calculo", [n](D d) { return n(d.Verif.XdCalculo, 3); }},
        {"alerta_xd_calculo", [b](D d) { return b(d.Verif.FalhaXdCalculo); }},
        {"alerta_Mrd_CG", [b](D d) { return b(d.Verif.FalhaMrdCG); }},
        {"alerta_Mrd_Real", [b](D d) { return b(d.Verif.FalhaMrdReal); }},
        {"alerta_pctH", [b](D d) { return b(d.Verif.FalhaPctH); }},
        {"alerta_camadas", [b](D d) { return b(d.Verif.EsgotadasPos || d.Verif.EsgotadasNeg); }},
        {"alerta_barras_camada1", [b](D d) { return b(d.Verif.FalhaBarrasCamada1); }},
        {"alerta_dominio4", [b](D d) { return b(d.Verif.FalhaDominio4); }},
        {"alerta_classe", [b](D d) { return b(d.Verif.ClasseForaDaFaixa); }},
        {"alerta_coeficientes", [b](D d) { return b(d.Verif.CoeficienteImplausivel); }},
        // Força cortante: vazias sem Vd.
        {"Vd", Cortante([n](D d) { return n(d.EntCortante.Vd, 1); })},
        {"modelo", Cortante([](D d) {
             return std::string(d.EntCortante.Modelo == ModeloTrelica::I ? "I" : "II");
         })},
        {"VRd2", Cortante([n](D d) { return n(d.ResCortante.VRd2, 1); })},
        {"alerta_VRd2", Cortante([b](D d) { return b(d.ResCortante.FalhaBielas); })},
        {"Vc", Cortante([n](D d) { return n(d.ResCortante.Vc, 1); })},
        {"Vsw", Cortante([n](D d) { return n(d.ResCortante.Vsw, 1); })},
        {"Asw_s", Cortante([n](D d) { return n(d.ResCortante.AswSAdotada * 100, 2); })},
        {"Asw_s_min", Cortante([n](D d) { return n(d.ResCortante.AswSMin * 100, 2); })},
        {"s_estribo", Cortante([n](D d) { return n(d.ResCortante.S, 1); })},
        {"s_max", Cortante([n](D d) { return n(d.ResCortante.SMax, 1); })},
        {"alerta_estribo",
         Cortante([b](D d) { return b(d.ResCortante.FalhaSt || d.ResCortante.FalhaPhiT); })},
        // Abertura de fissuras: vazias sem Mser.
        {"Mser", Servico([n](D d) { return n(d.EntServico.Mser, 2); })},
        {"xII_Real", Servico([n](D d) { return n(d.ResServico.XReal, 2); })},
        {"sigma_s_Real", Servico([n](D d) { return n(d.ResServico.SigmaReal, 1); })},
        {"sigma_s_CG", Servico([n](D d) { return n(d.ResServico.SigmaCG, 1); })},
        {"wk_max", Servico([n](D d) { return n(d.ResServico.WkMax, 3); })},
        {"wk_lim", Servico([n](D d) { return n(d.ResServico.WkLim, 2); })},
        {"alerta_wk", Servico([b](D d) { return b(d.ResServico.FalhaWk); })},
        {"Mr", Servico([n](D d) { return n(d.ResServico.Mr, 2); })},
    };
}

const std::vector<ColunaCsv>& ColunasVerificacao() {
    static const std::vector<ColunaCsv> c = MontaColunasVerificacao();
    return c;
}

// Colunas de --detalhes, depois das verificações: o modelo Real camada a camada, o modelo CG
// por face e a diferença de Mrd. ε em por mil, σ em kgf/cm², diferença em %.
std::vector<std::string> MontaColunasDetalhes() {
    std::vector<std::string> c;
    const auto camadas = [&c](const char* face, int n) {
        for (int i = 1; i <= n; ++i)
            for (const char* g : {"eps", "sig", "escoa"})
                c.push_back(Junta(g, "_Real_", face, std::to_string(i)));
    };
    camadas("pos", 6);
    camadas("neg", 3);
    for (const char* face : {"pos", "neg"})
        for (const char* g : {"eps", "sig", "escoa"}) c.push_back(Junta(g, "_CG_", face));
    c.push_back("dif_Mrd_pct");
    // Em serviço, cada camada positiva no modelo Real: σs (kgf/cm²) e a maior wk (mm).
    for (int i = 1; i <= 6; ++i)
        for (const char* g : {"sigma_s_pos", "wk_pos"}) c.push_back(Junta(g, std::to_string(i)));
    return c;
}

const std::vector<std::string>& ColunasDetalhes() {
    static const std::vector<std::string> c = MontaColunasDetalhes();
    return c;
}

void AcrescentaDetalhes(std::string& Csv, const EstadoDeProjeto& D) {
    if (!D.HaResultados) {
        Csv.append(ColunasDetalhes().size(), ',');
        return;
    }
    const Comparacao c = ComparaModelos(D);
    const auto tres = [&Csv](bool existe, double eps, double sig, bool escoa) {
        if (!existe) {
            Csv += ",,,";
            return;
        }
        Csv += Junta(",", FormataNumero(eps, 4), ",", FormataNumero(sig, 2), escoa ? ",1" : ",0");
    };
    for (const bool negativa : {false, true}) {
        for (int i = 1; i <= (negativa ? 3 : 6); ++i) {
            const auto r = std::find_if(c.Camadas.begin(), c.Camadas.end(), [&](const auto& k) {
                return k.Negativa == negativa && k.Camada == i;
            });
            if (r == c.Camadas.end())
                Csv += ",,,";
            else
                tres(true, r->Eps, r->Sig, r->Escoa);
        }
    }
    for (const FaceCG* f : {&c.CGPos, &c.CGNeg}) tres(f->Existe, f->Eps, f->Sig, f->Escoa);
    Csv += ',';
    Csv += FormataNumero(c.DiferencaMrdPct, 3);
    for (int i = 1; i <= 6; ++i) {
        const auto k = std::ranges::find_if(D.ResServico.Camadas, [i](const CamadaServico& s) {
            return !s.Negativa && s.Camada == i;
        });
        if (k == D.ResServico.Camadas.end()) {
            Csv += ",,";
            continue;
        }
        Csv += Junta(",", FormataNumero(k->SigmaReal, 1), ",",
                     FormataNumero(std::max(k->WkPonta, k->WkDentro), 3));
    }
}

} // namespace

void AcrescentaCampoCsv(std::string& Csv, std::string_view Campo) {
    if (Campo.find_first_of(",\"\r\n") == std::string_view::npos) {
        Csv += Campo;
        return;
    }
    Csv += '"';
    for (char c : Campo) {
        if (c == '"') Csv += '"';
        Csv += c;
    }
    Csv += '"';
}

void AcrescentaCabecalhoCsv(std::string& Csv, bool Detalhes) {
    Csv += "arquivo,Md";
    for (const ColunaCsv& c : Colunas()) Csv += Junta(",", c.Nome);
    Csv += ",erro";
    for (const ColunaCsv& c : ColunasVerificacao()) Csv += Junta(",", c.Nome);
    if (Detalhes)
        for (const std::string& c : ColunasDetalhes()) Csv += Junta(",", c);
    Csv += "\r\n";
}

void AcrescentaLinhaCsv(std::string& Csv, std::string_view Arquivo, std::string_view Md,
                        const EstadoDeProjeto& D, bool Detalhes) {
    // Um nome que não é UTF-8 não estraga o CSV; controles (NUL, ESC) no nome ou no Md
    // saem escapados, por inteiro: nenhum fim cortado.
    AcrescentaCampoCsv(Csv, TextoVisivel(Arquivo, std::string_view::npos));
    Csv += ',';
    AcrescentaCampoCsv(Csv, TextoVisivel(Md, std::string_view::npos));
    std::string erro;
    if (D.HaResultados) {
        for (const ColunaCsv& c : Colunas()) {
            Csv += ',';
            AcrescentaCampoCsv(Csv, c.Texto(D));
        }
    } else {
        Csv.append(Colunas().size(), ',');
        erro = D.Form2.Label1.Caption;
        if (!D.Form2.Label2.Caption.empty()) erro += Junta(" ", D.Form2.Label2.Caption);
    }
    Csv += ',';
    AcrescentaCampoCsv(Csv, erro);
    for (const ColunaCsv& c : ColunasVerificacao()) {
        Csv += ',';
        if (D.HaResultados) Csv += c.Texto(D);
    }
    if (Detalhes) AcrescentaDetalhes(Csv, D);
    Csv += "\r\n";
}

PontoSerie PontoDoProjeto(std::string Md, const EstadoDeProjeto& D) {
    PontoSerie p{std::move(Md), D.HaResultados};
    if (!D.HaResultados) return p;
    const Comparacao c = ComparaModelos(D);
    p.PctHPos = D.PctHPos;
    p.PctHNeg = D.PctHNeg;
    p.TemNeg = c.TemNeg;
    p.DiferencaMrdPct = c.DiferencaMrdPct;
    return p;
}

std::string ResumoSerie(std::string_view Arquivo, const std::vector<PontoSerie>& Pontos) {
    const PontoSerie* acima = nullptr;
    const PontoSerie* maior = nullptr;
    for (const PontoSerie& p : Pontos) {
        if (!p.Calculado) continue;
        if (!acima && (p.PctHPos > LimitePctH || (p.TemNeg && p.PctHNeg > LimitePctH))) acima = &p;
        if (std::isfinite(p.DiferencaMrdPct) &&
            (!maior || std::fabs(p.DiferencaMrdPct) > std::fabs(maior->DiferencaMrdPct)))
            maior = &p;
    }
    std::string s = Junta("lumbrio-lote: ", Arquivo, ": ");
    if (acima) {
        const bool positiva = acima->PctHPos > LimitePctH;
        s += Junta("%h passa de 10 % a partir de Md = ", acima->Md, " (",
                   positiva ? "armadura positiva, %h = " : "armadura negativa, %h = ",
                   FormataNumero(positiva ? acima->PctHPos : acima->PctHNeg, 2), " %)");
    } else {
        s += "%h não passa de 10 % na série";
    }
    if (maior)
        s += Junta("; maior diferença de Mrd entre os modelos (Real - CG) / CG: ",
                   FormataNumero(maior->DiferencaMrdPct, 2), " % em Md = ", maior->Md);
    else
        s += "; nenhum projeto da série foi calculado";
    return s + ".\n";
}

} // namespace lumbrio
