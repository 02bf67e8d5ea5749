// Relatório de cálculo: dados, resultados dos modelos CG e Real lado a lado, barras
// por camada, regra dos 10 % da altura, desenhos, tabela camada a camada, equilíbrio
// e avisos. Medidas do leiaute em milímetros.
#include "Relatorio.h"

#include "PintaDesenho.h"
#include "calc/Catalogos.h"
#include "calc/Numeros.h"
#include "output/Comparacao.h"

#include <QDateTime>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace lumbrio::janela {

namespace {

using Dim = Dimensionamento;

// Região dos dois desenhos em twips: da moldura do diagrama até o fim da seção.
const QRectF RegiaoDesenhos(Dim::Shape4.Left, Dim::Shape4.Top,
                            Dim::Shape1.Left + Dim::Shape1.Width - Dim::Shape4.Left,
                            Dim::Shape4.Height);

const QColor CorTitulo(20, 50, 90);
const QColor CorFundoCabecalho(225, 232, 240);
const QColor CorGrade(170, 180, 190);
const QColor CorAlerta(128, 0, 0); // a cor de alerta do painel
const QColor CorBoa(0, 100, 0);

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QFont Fonte(double Pontos, bool Negrito = false) {
    QFont f("DejaVu Sans");
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(Pontos);
    f.setBold(Negrito);
    return f;
}

// Número sem zeros à direita, com o separador dado: 20, 12,5.
std::string Curto(double v, const std::string& Separador) {
    std::string s = TextoDecimalCurto(v);
    if (const auto p = s.find('.'); p != std::string::npos) s.replace(p, 1, Separador);
    return s;
}

// Um rótulo de barras da seção, na altura (twips) da camada.
struct RotuloCamada {
    double YTwips;
    double XFimTwips; // face direita da seção
    QString Texto;
};

std::vector<RotuloCamada> RotulosDasCamadas(const Dim& D) {
    std::vector<RotuloCamada> r;
    const double s = D.EscalaSecao, x = D.OrigemXSecao + s * D.Base;
    const std::string& sep = D.SeparadorDecimal;
    auto rotulo = [&](int n, int bitola, double dl) {
        return Q(Junta(TextoBarras(n, bitola, sep), "   d' = ", FormataNumero(dl, 2, sep), " cm"));
    };
    for (int i = D.NumCamadasNeg; i >= 1; --i)
        if (D.NumBarrasNeg[i] != 0)
            r.push_back({D.OrigemYSecao + s * D.DLinhaNeg[i], x,
                         rotulo(int(D.NumBarrasNeg[i]), D.BitolaNeg[i], D.DLinhaNeg[i])});
    for (int i = D.NumCamadasPos; i >= 1; --i)
        if (D.NumBarrasPos[i] != 0)
            r.push_back({D.OrigemYSecao + s * (D.Altura - D.DLinhaPos[i]), x,
                         rotulo(int(D.NumBarrasPos[i]), D.BitolaPos[i], D.DLinhaPos[i])});
    std::sort(r.begin(), r.end(),
              [](const RotuloCamada& a, const RotuloCamada& b) { return a.YTwips < b.YTwips; });
    return r;
}

// Folha A4 em construção: cursor vertical, quebra de página e blocos de texto.
class Folha {
  public:
    Folha(QPainter& P, QPagedPaintDevice& Dispositivo, const Dim& D)
        : p(P), dispositivo(Dispositivo), d(D), pontosPorMm(Dispositivo.logicalDpiY() / 25.4),
          largura(Dispositivo.width()), altura(Dispositivo.height()) {
        Cabecalho();
    }

    double mm(double v) const { return v * pontosPorMm; }
    double Largura() const { return largura; }
    double Y() const { return y; }
    void Avanca(double Mm) { y += mm(Mm); }
    int Paginas() const { return paginas; }
    QPainter& Pintor() { return p; }

    // Abre uma página nova se a altura pedida não cabe na atual.
    void Garante(double AlturaMm) {
        if (y + mm(AlturaMm) > altura - mm(RodapeMm)) NovaPagina();
    }

    void NovaPagina() {
        Rodape();
        dispositivo.newPage();
        ++paginas;
        y = 0;
        Cabecalho();
    }

    // Título de seção; abre página nova se nem o título e o começo do conteúdo
    // (ConteudoMm) cabem.
    void Secao(const QString& Titulo, double ConteudoMm = 20) {
        Garante(ConteudoMm + 10);
        y += mm(3);
        p.setFont(Fonte(11, true));
        p.setPen(CorTitulo);
        const double h = p.fontMetrics().height();
        p.drawText(QRectF(0, y, largura, h), Qt::AlignLeft | Qt::AlignVCenter, Titulo);
        y += h + mm(0.6);
        p.setPen(QPen(CorTitulo, mm(0.3)));
        p.drawLine(QPointF(0, y), QPointF(largura, y));
        y += mm(2);
        p.setPen(Qt::black);
    }

    // Parágrafo com quebra de linha; Cor e Negrito opcionais.
    void Texto(const QString& T, double Pontos = 9, const QColor& Cor = Qt::black,
               bool Negrito = false) {
        p.setFont(Fonte(Pontos, Negrito));
        const QRectF caixa =
            p.boundingRect(QRectF(0, 0, largura, 1e6), Qt::TextWordWrap | Qt::AlignLeft, T);
        Garante(caixa.height() / pontosPorMm + 1);
        p.setPen(Cor);
        p.drawText(QRectF(0, y, largura, caixa.height()), Qt::TextWordWrap | Qt::AlignLeft, T);
        p.setPen(Qt::black);
        y += caixa.height() + mm(1);
    }

    // Tabela com cabeçalho opcional; larguras em mm; as colunas marcadas em Esquerda
    // (bit c) alinham à esquerda, as outras ao centro. Cores: por linha (inválida = preto).
    void Tabela(const std::vector<double>& LargurasMm, const QStringList& Cabecalho,
                const std::vector<QStringList>& Linhas, const std::vector<QColor>& Cores = {},
                double Pontos = 8.5, unsigned Esquerda = 1) {
        p.setFont(Fonte(Pontos));
        const double h = p.fontMetrics().height() * 1.45;
        const double total = mm(std::accumulate(LargurasMm.begin(), LargurasMm.end(), 0.0));
        Garante(((Cabecalho.isEmpty() ? 0 : 1) + double(Linhas.size())) * h / pontosPorMm + 2);
        auto linha = [&](const QStringList& celulas, bool titulo, const QColor& cor) {
            if (titulo) p.fillRect(QRectF(0, y, total, h), CorFundoCabecalho);
            p.setFont(Fonte(Pontos, titulo));
            p.setPen(cor.isValid() ? cor : QColor(Qt::black));
            double x = 0;
            for (std::size_t c = 0; c < LargurasMm.size(); ++c) {
                const double w = mm(LargurasMm[c]);
                const QString t = c < std::size_t(celulas.size()) ? celulas[qsizetype(c)] : "";
                const auto alin =
                    ((Esquerda >> c) & 1 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
                p.drawText(QRectF(x + mm(1.2), y, w - mm(2.4), h), alin, t);
                x += w;
            }
            y += h;
            p.setPen(QPen(CorGrade, mm(0.15)));
            p.drawLine(QPointF(0, y), QPointF(total, y));
        };
        p.setPen(QPen(CorGrade, mm(0.15)));
        p.drawLine(QPointF(0, y), QPointF(total, y));
        if (!Cabecalho.isEmpty()) linha(Cabecalho, true, QColor());
        for (std::size_t i = 0; i < Linhas.size(); ++i)
            linha(Linhas[i], false, i < Cores.size() ? Cores[i] : QColor());
        p.setPen(Qt::black);
        y += mm(1.5);
    }

    void Rodape() {
        p.setFont(Fonte(7.5));
        p.setPen(Qt::darkGray);
        const double h = p.fontMetrics().height();
        const double yr = altura - h;
        p.setPen(QPen(CorGrade, mm(0.15)));
        p.drawLine(QPointF(0, yr - mm(1)), QPointF(largura, yr - mm(1)));
        p.setPen(Qt::darkGray);
        p.drawText(QRectF(0, yr, largura, h), Qt::AlignLeft | Qt::AlignVCenter,
                   "Lumbrio — flexão simples de seção retangular de concreto armado "
                   "(NBR 6118:2003)");
        p.drawText(QRectF(0, yr, largura, h), Qt::AlignRight | Qt::AlignVCenter,
                   QString("página %1").arg(paginas));
        p.setPen(Qt::black);
    }

  private:
    static constexpr double RodapeMm = 9;

    void Cabecalho() {
        p.setFont(Fonte(14, true));
        p.setPen(CorTitulo);
        const double h = p.fontMetrics().height();
        p.drawText(QRectF(0, 0, largura, h), Qt::AlignLeft | Qt::AlignVCenter,
                   paginas == 1 ? "Relatório de cálculo" : "Relatório de cálculo (continuação)");
        p.setFont(Fonte(8));
        p.setPen(Qt::darkGray);
        p.drawText(QRectF(0, 0, largura, h), Qt::AlignRight | Qt::AlignVCenter,
                   Q(Junta("Viga ", Curto(d.Base, d.SeparadorDecimal), " × ",
                           Curto(d.Altura, d.SeparadorDecimal), " cm — ")) +
                       QLocale(QLocale::Portuguese, QLocale::Brazil)
                           .toString(QDateTime::currentDateTime(), "dd/MM/yyyy HH:mm"));
        y = h + mm(1);
        p.setPen(QPen(CorTitulo, mm(0.6)));
        p.drawLine(QPointF(0, y), QPointF(largura, y));
        p.setPen(Qt::black);
        y += mm(3);
    }

    QPainter& p;
    QPagedPaintDevice& dispositivo;
    const Dim& d;
    double pontosPorMm;
    double largura, altura;
    double y = 0;
    int paginas = 1;
};

// Números com o separador do painel.
struct Formatos {
    const Dim& d;
    QString operator()(double v, int casas) const {
        return Q(FormataNumero(v, casas, d.SeparadorDecimal));
    }
};

QString SimNao(int Valor) {
    return Valor == 1 ? "sim" : (Valor == 2 ? "indefinido" : "não");
}

void DadosDeEntrada(Folha& F, const Dim& D, const Formatos& N) {
    const double fator = D.FatorUnidade != 0 ? D.FatorUnidade : 1;
    // O aço do cálculo, pelo estado: a classe B escoa 2 por mil além da deformação elástica.
    const bool classeB = D.EpsYd > 1000 * D.Fyd / D.Es + 1;
    const QString aco = QString("CA-%1%2").arg(D.Fyk / 100).arg(classeB ? "B" : "A");
    // Opções lidas pelo cálculo, não os controles (que podem ter mudado depois dele).
    const QString xMaximo = D.OpcaoXMaximo == 1 ? "sim, k = " + N(D.FatorXMaximo, 3) : "não";
    F.Secao("1. Dados de entrada");
    F.Tabela(
        {40, 50, 40, 50}, {},
        {
            {"Base b", N(D.Base, 2) + " cm", "Altura h", N(D.Altura, 2) + " cm"},
            {"Cobrimento c", N(D.Cobrimento, 2) + " cm", "Estribo φt",
             Q(TextoBitola(D.BitolaEstr, D.SeparadorDecimal))},
            {"Momento de cálculo Md", N(D.Md / fator, 2) + " " + Q(D.Unidade), "Md em kN·m",
             N(D.Md / KgfCmPorKNm, 2) + " kN·m"},
            {"Concreto fck", N(D.Fck / 10, 1) + " MPa (" + N(D.Fck, 0) + " kgf/cm²)", "γc / γs",
             N(D.GamaC, 2) + " / " + N(D.GamaS, 2)},
            {"Aço", aco, "Módulo Es", N(D.Es, 0) + " kgf/cm²"},
            {"fyd", N(D.Fyd, 2) + " kgf/cm²", "εyd", N(D.EpsYd, 3) + " ‰"},
            {"Altura útil d", N(D.AlturaUtil, 3) + " cm", "x máximo adotado", N(D.XMax, 3) + " cm"},
            {"Permitir domínio 4", SimNao(D.OpcaoDominio4), "Utilizar x máximo", xMaximo},
            {"Agregado (diâm. máx.)", N(D.DiamAgregado, 2) + " cm", "PrecisãoM / PrecisãoN",
             Q(Junta(Curto(D.PrecisãoM, D.SeparadorDecimal), " kgf·cm / ",
                     Curto(D.PrecisãoN, D.SeparadorDecimal), " kgf"))},
        },
        {}, 8.5, 0b0101);
}

void Resultados(Folha& F, const Dim& D, const Comparacao& C, const Formatos& N) {
    const double d = D.AlturaUtil;
    F.Secao("2. Resultados dos modelos CG e Real");
    F.Tabela({60, 40, 40, 40}, {"Grandeza", "CG", "Real", "Unidade"},
             {
                 {"As' (compressão)", N(D.AsNeg, 2), N(D.AsNegReal, 2), "cm²"},
                 {"As (tração)", D.AsPosSemLimite ? "—" : N(D.AsPos, 2), N(D.AsReal, 2), "cm²"},
                 {"Mrd", N(D.MrdCG, 2), N(D.MrdReal, 2), Q(D.Unidade)},
                 {"Mrd", N(C.MrdCGKNm, 2), N(C.MrdRealKNm, 2), "kN·m"},
                 {"x (linha neutra)", N(D.XCG, 3), N(D.XReal, 3), "cm"},
                 {"x/d", N(D.XCG / d, 3), N(D.XReal / d, 3), "—"},
                 {"Domínio", Q(D.DominioCG), Q(D.DominioReal), ""},
                 {"Rcc", N(D.RccCG, 0), N(D.RccReal, 0), "kgf"},
                 {"y/2", N(D.XCG * 0.8 / 2, 2), N(D.XReal * 0.8 / 2, 2), "cm"},
             });
    const QString dif =
        std::isfinite(C.DiferencaMrdPct) ? N(C.DiferencaMrdPct, 2) + " %" : QString("—");
    F.Texto("Diferença de Mrd entre os modelos, (Real − CG) / CG: " + dif, 9.5, Qt::black, true);
    F.Texto("No modelo CG, As e As' são as áreas teóricas do dimensionamento e as barras de "
            "cada face agem no centróide dela; no modelo Real, as áreas são as das barras "
            "colocadas e cada camada age na sua profundidade.",
            8, Qt::darkGray);
}

void Armaduras(Folha& F, const Dim& D, const Comparacao& C, const Formatos& N) {
    F.Secao("3. Armaduras colocadas e regra dos 10 % da altura");
    std::vector<QStringList> linhas;
    for (const CamadaReal& c : C.Camadas)
        linhas.push_back({c.Negativa ? "Negativa (face comprimida)" : "Positiva (face tracionada)",
                          QString::number(c.Camada),
                          Q(TextoBarras(c.Barras, c.Bitola, D.SeparadorDecimal)), N(c.DLinha, 3),
                          N(c.Area, 2)});
    F.Tabela({60, 25, 35, 30, 30}, {"Armadura", "Camada", "Barras", "d' (cm)", "As (cm²)"}, linhas);
    const auto regra = [&](const QString& nome, double dcg, double pct, bool atende) {
        return QStringList{nome, N(dcg, 3) + " cm", N(pct, 2) + " %",
                           Q(Veredito(atende)) + (atende ? " (≤ 10 %)" : " (> 10 %)")};
    };
    std::vector<QStringList> regras{regra("Positiva: d'CG1", D.DCG1, D.PctHPos, C.AtendePos)};
    std::vector<QColor> cores{C.AtendePos ? CorBoa : CorAlerta};
    if (C.TemNeg) {
        regras.push_back(regra("Negativa: d'CG2", D.DCG2, D.PctHNeg, C.AtendeNeg));
        cores.push_back(C.AtendeNeg ? CorBoa : CorAlerta);
    } else {
        regras.push_back({"Negativa: d'CG2", N(D.DCG2, 3) + " cm", "—", "sem armadura negativa"});
        cores.push_back(QColor());
    }
    F.Tabela({55, 35, 30, 60}, {"Centróide", "d'CG", "%h", "Item 17.2.4.1 (NBR 6118:2003)"}, regras,
             cores);
    F.Texto("%h: distância do centróide da armadura à face externa das barras da camada 1 "
            "(c + φt da face), em por cento da altura h. O modelo CG só é admitido até 10 %.",
            8, Qt::darkGray);
}

void Desenhos(Folha& F, const Dim& D, const Formatos& N) {
    constexpr double AlturaMm = 80;
    F.Garante(AlturaMm + 20); // título, desenho e legenda na mesma página
    F.Secao("6. Diagrama de deformações (modelo CG) e seção transversal");
    const QRectF destino(0, F.Y(), F.Largura(), F.mm(AlturaMm));
    PintaDesenhos(F.Pintor(), D, destino, true);
    F.Avanca(AlturaMm + 1.5);
    F.Texto("Linhas horizontais: linha neutra do modelo CG (x = " + N(D.XCG, 3) +
                " cm), nível do centróide da armadura tracionada (d = " + N(D.Altura - D.DCG1, 3) +
                " cm) e, em verde, a profundidade em que o aço "
                "atinge εyd (" +
                N(D.XEscoamento, 3) +
                " cm). Em vermelho: deformações do modelo CG e cruzes nos centróides "
                "das armaduras.",
            8, Qt::darkGray);
}

void CamadaACamada(Folha& F, const Dim& D, const Comparacao& C, const Formatos& N) {
    F.Secao("7. Comparação camada a camada");
    F.Texto("Modelo Real em x = " + N(D.XReal, 3) + " cm (εc = " + N(C.EpsCReal, 3) +
            " ‰); modelo CG em x = " + N(D.XCG, 3) + " cm (εc = " + N(C.EpsCCG, 3) +
            " ‰). Uma camada escoa quando |ε| ≥ εyd = " + N(D.EpsYd, 3) + " ‰.");
    std::vector<QStringList> linhas;
    std::vector<QColor> cores;
    const auto esforco = [](bool tracionada, double eps) {
        return eps == 0 ? QString("—") : (tracionada ? "tração" : "compressão");
    };
    for (const CamadaReal& c : C.Camadas) {
        linhas.push_back(
            {QString("Real — %1 %2").arg(c.Negativa ? "negativa" : "positiva").arg(c.Camada),
             N(c.DLinha, 3), Q(TextoBarras(c.Barras, c.Bitola, D.SeparadorDecimal)), N(c.Area, 2),
             N(c.Eps, 3), N(c.Sig, 2), esforco(c.Tracionada(), c.Eps), c.Escoa ? "sim" : "não"});
        cores.push_back(QColor());
    }
    for (const auto& [face, neg] : {std::pair{&C.CGPos, false}, std::pair{&C.CGNeg, true}}) {
        if (!face->Existe) continue;
        const bool tracionada = neg ? face->Eps < 0 : face->Eps > 0;
        linhas.push_back({neg ? "CG — centróide negativo" : "CG — centróide positivo",
                          N(face->DLinha, 3), "todas", N(neg ? D.AsNegReal : D.AsReal, 2),
                          N(face->Eps, 3), N(face->Sig, 2), esforco(tracionada, face->Eps),
                          face->Escoa ? "sim" : "não"});
        cores.push_back(CorTitulo);
    }
    F.Tabela({42, 18, 24, 18, 18, 26, 20, 14},
             {"Modelo — camada", "d' (cm)", "Barras", "As (cm²)", "ε (‰)", "σsd (kgf/cm²)",
              "Esforço", "Escoa"},
             linhas, cores, 8);
    F.Texto("d' medido da face da própria armadura; ε positivo indica tração nas camadas "
            "positivas e compressão nas negativas.",
            8, Qt::darkGray);
}

void Equilibrio(Folha& F, const Dim& D, const Formatos& N) {
    F.Secao("5. Equilíbrio e buscas", 28);
    const auto linha = [&](const char* modelo, double residuo, long passos) {
        const bool ok = std::fabs(residuo) <= D.PrecisãoN;
        return QStringList{modelo, N(residuo, 2), N(D.PrecisãoN, 2), QString::number(passos),
                           ok ? "dentro da tolerância" : "fora da tolerância"};
    };
    F.Tabela({35, 40, 40, 25, 40},
             {"Modelo", "Rc − Rst (kgf)", "PrecisãoN (kgf)", "Passos", "Situação"},
             {linha("CG", D.ResiduoCG, D.PassosCG), linha("Real", D.ResiduoReal, D.PassosReal)});
    const QString busca =
        D.PassosDescobreX > 0
            ? QString("Busca da linha neutra para Md: %1 passos").arg(D.PassosDescobreX)
            : QString("Linha neutra para Md obtida sem busca em passos");
    F.Texto(busca + QString("; passagens do laço dos centróides: %1.").arg(D.PassosPrograma), 8.5);
}

void Avisos(Folha& F, const Dim& D, const Comparacao& C, const Formatos& N) {
    F.Secao("4. Avisos");
    QStringList avisos;
    if (const std::string a = AvisoMrdAbaixoDeMd(D, C, D.SeparadorDecimal); !a.empty())
        avisos << Q(a);
    if (!C.AtendePos)
        avisos << "A armadura positiva não atende à regra dos 10 % (%h = " + N(D.PctHPos, 2) +
                      " %): o modelo CG não deve ser usado; vale o modelo Real.";
    if (!C.AtendeNeg)
        avisos << "A armadura negativa não atende à regra dos 10 % (%h = " + N(D.PctHNeg, 2) +
                      " %): o modelo CG não deve ser usado; vale o modelo Real.";
    if (avisos.isEmpty()) {
        F.Texto("Nenhum aviso: as barras colocadas resistem a Md nos dois modelos e a regra "
                "dos 10 % da altura é atendida.",
                9, CorBoa);
        return;
    }
    for (const QString& a : avisos) F.Texto("• " + a, 9.5, CorAlerta, true);
}

} // namespace

void PintaDesenhos(QPainter& Pintor, const Dimensionamento& D, const QRectF& Destino,
                   bool Rotulos) {
    Pintor.save();
    std::vector<RotuloCamada> rotulos;
    double colunaRotulos = 0;
    Pintor.setFont(Fonte(7.5));
    const QFontMetricsF metricas(Pintor.font(), Pintor.device());
    if (Rotulos) {
        rotulos = RotulosDasCamadas(D);
        for (const auto& r : rotulos)
            colunaRotulos = std::max(colunaRotulos, metricas.horizontalAdvance(r.Texto));
        if (colunaRotulos > 0) colunaRotulos += metricas.height() * 2.5;
    }
    const double k = std::min((Destino.width() - colunaRotulos) / RegiaoDesenhos.width(),
                              Destino.height() / RegiaoDesenhos.height());
    const auto ponto = [&](double xTw, double yTw) {
        return QPointF(Destino.left() + (xTw - RegiaoDesenhos.left()) * k,
                       Destino.top() + (yTw - RegiaoDesenhos.top()) * k);
    };
    if (Rotulos) {
        const double espessura = std::max(1.0, k * 10);
        Pintor.setPen(QPen(CorGrade, espessura));
        for (const auto& m : {Dim::Shape4, Dim::Shape1})
            Pintor.drawRect(
                QRectF(ponto(m.Left, m.Top), ponto(m.Left + m.Width, m.Top + m.Height)));
    }
    Pintor.save();
    Pintor.translate(ponto(0, 0));
    Pintor.setPen(QPen(Qt::black));
    PintaDesenho(Pintor, D.Desenho, k);
    Pintor.restore();

    // Rótulos à direita da seção, sem se sobreporem, ligados à camada por uma guia.
    const double xTexto = ponto(RegiaoDesenhos.right(), 0).x() + metricas.height();
    double yLivre = -1e300;
    for (const auto& r : rotulos) {
        const QPointF camada = ponto(r.XFimTwips, r.YTwips);
        const double y = std::max(camada.y(), yLivre + metricas.height());
        yLivre = y;
        Pintor.setPen(QPen(QColor(90, 90, 90), std::max(1.0, k * 8), Qt::DotLine));
        Pintor.drawLine(camada + QPointF(k * 60, 0), QPointF(xTexto - metricas.height() * 0.4, y));
        Pintor.setPen(Qt::black);
        Pintor.drawText(QPointF(xTexto, y + metricas.ascent() / 2 - metricas.descent() / 2),
                        r.Texto);
    }
    Pintor.restore();
}

QImage ImagemDesenhos(const Dimensionamento& D, int Dpi) {
    const double k = Dpi / 1440.0;
    QImage imagem(QSize(int(std::ceil(RegiaoDesenhos.width() * k)),
                        int(std::ceil(RegiaoDesenhos.height() * k))),
                  QImage::Format_RGB32);
    imagem.setDotsPerMeterX(int(std::lround(Dpi / 0.0254)));
    imagem.setDotsPerMeterY(int(std::lround(Dpi / 0.0254)));
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setPen(Qt::black);
    PintaDesenhos(p, D, QRectF(QPointF(0, 0), QSizeF(imagem.size())), false);
    return imagem;
}

int PintaRelatorio(QPainter& Pintor, QPagedPaintDevice& Dispositivo, const Dimensionamento& D) {
    const Comparacao C = ComparaModelos(D);
    const Formatos N{D};
    Folha F(Pintor, Dispositivo, D);
    DadosDeEntrada(F, D, N);
    Resultados(F, D, C, N);
    Armaduras(F, D, C, N);
    Avisos(F, D, C, N);
    Equilibrio(F, D, N);
    Desenhos(F, D, N);
    CamadaACamada(F, D, C, N);
    F.Rodape();
    return F.Paginas();
}

bool GravaRelatorioPdf(const QString& Nome, const Dimensionamento& D) {
    QPdfWriter pdf(Nome);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle("Relatório de cálculo — Lumbrio");
    pdf.setCreator("Lumbrio");
    QPainter p;
    if (!p.begin(&pdf)) return false;
    PintaRelatorio(p, pdf, D);
    return p.end();
}

} // namespace lumbrio::janela
