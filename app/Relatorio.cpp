// Relatório de cálculo: dispõe na página o relatório montado pelo núcleo
// (MontaRelatorio) e pinta os desenhos no lugar deles. Medidas do leiaute em milímetros.
#include "Relatorio.h"

#include "PintaDesenho.h"
#include "output/Comparacao.h"
#include "output/Desenhos.h"
#include "output/Relatorio.h"

#include <QBuffer>
#include <QDateTime>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <variant>
#include <vector>

namespace lumbrio::janela {

namespace {

using Dim = Dimensionamento;

// Região dos dois desenhos em twips: da moldura do diagrama até o fim da seção.
const QRectF RegiaoDesenhos(Shape4.Left, Shape4.Top, Shape1.Left + Shape1.Width - Shape4.Left,
                            Shape4.Height);

const QColor CorTitulo(20, 50, 90);
const QColor CorFundoCabecalho(225, 232, 240);
const QColor CorGrade(170, 180, 190);
const QColor CorBoa(0, 100, 0);

QColor CorDa(Enfase E, const QColor& Normal) {
    switch (E) {
    case Enfase::Alerta:
        return CorDeAlerta();
    case Enfase::Boa:
        return CorBoa;
    case Enfase::Modelo:
        return CorTitulo;
    case Enfase::Normal:
        break;
    }
    return Normal;
}

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

// Folha A4 em construção: cursor vertical, quebra de página e blocos de texto.
class Folha {
  public:
    // Total: o número de páginas, de uma passagem anterior; 0 quando ainda não se sabe.
    Folha(QPainter& P, QPagedPaintDevice& Dispositivo, const Relatorio& R, int Total,
          const ObservaTexto& Observa)
        : p(P), dispositivo(Dispositivo), r(R), observa(Observa),
          pontosPorMm(Dispositivo.logicalDpiY() / 25.4), largura(Dispositivo.width()),
          altura(Dispositivo.height()), total(Total) {
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
        const double h = Escreve(QRectF(0, y, largura, 0), Qt::AlignLeft, Titulo);
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
        Garante(AlturaDe(largura, Qt::AlignLeft, T) / pontosPorMm + 1);
        p.setPen(Cor);
        const double h = Escreve(QRectF(0, y, largura, 0), Qt::AlignLeft, T);
        p.setPen(Qt::black);
        y += h + mm(1);
    }

    // Tabela: títulos em negrito sobre fundo claro, colunas à esquerda ou ao centro,
    // uma cor por linha. Cada célula quebra a linha dentro da sua coluna; a linha da
    // tabela tem a altura da célula mais alta e, quando não cabe, vai à página seguinte.
    void Tabela(const lumbrio::Tabela& T) {
        const double pontos = T.Miuda ? 8 : 8.5;
        p.setFont(Fonte(pontos));
        const double folga = p.fontMetrics().height() * 0.45;
        double totalMm = 0;
        for (const ColunaTabela& c : T.Colunas) totalMm += c.LarguraMm;
        const double total = mm(totalMm);
        const auto alinhamento = [&](std::size_t c) {
            return T.Colunas[c].Esquerda ? Qt::AlignLeft : Qt::AlignHCenter;
        };
        const auto texto = [&](std::size_t c, const LinhaTabela* l) {
            return !l ? Q(T.Colunas[c].Titulo)
                      : (c < l->Celulas.size() ? Q(l->Celulas[c]) : QString());
        };
        // l nulo: a linha dos títulos.
        const auto alturaDaLinha = [&](const LinhaTabela* l) {
            p.setFont(Fonte(pontos, !l));
            double h = p.fontMetrics().height();
            for (std::size_t c = 0; c < T.Colunas.size(); ++c)
                h = std::max(
                    h, AlturaDe(mm(T.Colunas[c].LarguraMm) - mm(2.4), alinhamento(c), texto(c, l)));
            return h + folga;
        };
        const auto linha = [&](const LinhaTabela* l, double h) {
            if (!l) p.fillRect(QRectF(0, y, total, h), CorFundoCabecalho);
            p.setFont(Fonte(pontos, !l));
            p.setPen(l ? CorDa(l->Cor, Qt::black) : QColor(Qt::black));
            double x = 0;
            for (std::size_t c = 0; c < T.Colunas.size(); ++c) {
                const double w = mm(T.Colunas[c].LarguraMm);
                Escreve(QRectF(x + mm(1.2), y + folga / 2, w - mm(2.4), h - folga), alinhamento(c),
                        texto(c, l));
                x += w;
            }
            y += h;
            p.setPen(QPen(CorGrade, mm(0.15)));
            p.drawLine(QPointF(0, y), QPointF(total, y));
        };
        // O título e a primeira linha juntos; depois, cada linha onde couber.
        const double titulo = T.Cabecalho ? alturaDaLinha(nullptr) : 0;
        Garante((titulo + (T.Linhas.empty() ? 0 : alturaDaLinha(&T.Linhas.front()))) / pontosPorMm +
                2);
        p.setPen(QPen(CorGrade, mm(0.15)));
        p.drawLine(QPointF(0, y), QPointF(total, y));
        if (T.Cabecalho) linha(nullptr, titulo);
        for (const LinhaTabela& l : T.Linhas) {
            const double h = alturaDaLinha(&l);
            if (y + h > altura - mm(RodapeMm)) {
                NovaPagina();
                if (T.Cabecalho) linha(nullptr, titulo);
            }
            linha(&l, h);
        }
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
        // O número da página à direita; o texto do rodapé no que sobra à esquerda.
        const QString pagina = total > 0 ? QString("página %1 de %2").arg(paginas).arg(total)
                                         : QString("página %1").arg(paginas);
        const double wPagina = p.fontMetrics().horizontalAdvance(pagina) + mm(1);
        Escreve(QRectF(largura - wPagina, yr, wPagina, h), Qt::AlignRight, pagina);
        Escreve(QRectF(0, yr, largura - wPagina - mm(2), h), Qt::AlignLeft, Q(r.Rodape));
        p.setPen(Qt::black);
    }

  private:
    static constexpr double RodapeMm = 9;

    static QTextOption Quebra(Qt::Alignment Alinhamento) {
        QTextOption o(Alinhamento);
        o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        return o;
    }

    // Altura do texto T quebrado na largura dada, com a fonte em uso.
    double AlturaDe(double Largura, Qt::Alignment Alinhamento, const QString& T) {
        return p.boundingRect(QRectF(0, 0, Largura, 1e6), T, Quebra(Alinhamento)).height();
    }

    // Pinta T quebrado na largura da caixa; altura 0: a do texto. Devolve a altura usada.
    double Escreve(QRectF Caixa, Qt::Alignment Alinhamento, const QString& T) {
        if (Caixa.height() <= 0) Caixa.setHeight(AlturaDe(Caixa.width(), Alinhamento, T));
        const QTextOption o = Quebra(Alinhamento);
        p.drawText(Caixa, T, o);
        if (observa) observa(Caixa, T, o, p.font());
        return Caixa.height();
    }

    void Cabecalho() {
        p.setFont(Fonte(14, true));
        p.setPen(CorTitulo);
        const QString titulo = Q(paginas == 1 ? r.Titulo : r.TituloContinuacao);
        const double wTitulo = p.fontMetrics().horizontalAdvance(titulo) + mm(1);
        const double h = Escreve(QRectF(0, 0, wTitulo, 0), Qt::AlignLeft, titulo);
        p.setFont(Fonte(8));
        p.setPen(Qt::darkGray);
        Escreve(QRectF(wTitulo + mm(3), 0, largura - wTitulo - mm(3), h),
                Qt::AlignRight | Qt::AlignVCenter,
                Q(r.Identificacao) + " — " +
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
    const Relatorio& r;
    const ObservaTexto& observa;
    double pontosPorMm;
    double largura, altura;
    double y = 0;
    int paginas = 1;
    int total;
};

void Dispoe(Folha& F, const Dim&, const Paragrafo& P) {
    const bool nota = P.Forma == Estilo::Nota;
    const double pontos = P.Forma == Estilo::Destaque ? 9.5
                          : P.Forma == Estilo::Resumo ? 8.5
                          : nota                      ? 8
                                                      : 9;
    F.Texto(Q(P.Texto), pontos, CorDa(P.Cor, nota ? Qt::darkGray : Qt::black),
            P.Forma == Estilo::Destaque);
}

void Dispoe(Folha& F, const Dim&, const Tabela& T) {
    F.Tabela(T);
}

void Dispoe(Folha& F, const Dim& D, const LugarDesenhos& L) {
    const QRectF destino(0, F.Y(), F.Largura(), F.mm(L.AlturaMm));
    PintaDesenhos(F.Pintor(), D, destino);
    F.Avanca(L.AlturaMm + 1.5);
}

} // namespace

namespace {

// Fonte dos rótulos, das cotas e da legenda; o corpo em unidades do dispositivo.
QFont FonteDesenhos() {
    return Fonte(7.5);
}
double CorpoNo(const QPaintDevice& Dispositivo) {
    return FonteDesenhos().pointSizeF() * Dispositivo.logicalDpiY() / 72;
}

// Anotações medidas com a fonte no dispositivo, na escala k (unidades por twip).
Anotacoes AnotacoesNaEscala(const Dim& D, const QPaintDevice& Dispositivo, double k) {
    const QFontMetricsF m(FonteDesenhos(), &Dispositivo);
    return AnotaDesenhos(D, CorpoNo(Dispositivo) / k,
                         [&](const std::string& s) { return m.horizontalAdvance(Q(s)) / k; });
}

// Desenhos e anotações na escala k, com o canto da região de A em Canto; Molduras:
// as molduras dos dois desenhos em cinza claro.
void PintaAnotado(QPainter& P, const Dim& D, const Anotacoes& A, double k, QPointF Canto,
                  bool Molduras) {
    P.save();
    P.translate(Canto - QPointF(A.Regiao.Left, A.Regiao.Top) * k);
    if (Molduras) {
        P.setPen(QPen(CorGrade, std::max(1.0, k * 10)));
        for (const auto& m : {Shape4, Shape1})
            P.drawRect(QRectF(m.Left * k, m.Top * k, m.Width * k, m.Height * k));
    }
    P.setPen(QPen(Qt::black));
    PintaDesenho(P, D.Desenho, k);
    P.setRenderHint(QPainter::Antialiasing);
    auto linhas = [&](const std::vector<Primitiva>& L) {
        for (const Primitiva& l : L) P.drawLine(QPointF(l.x1, l.y1) * k, QPointF(l.x2, l.y2) * k);
    };
    P.setPen(QPen(Qt::black, std::max(1.0, k * 9)));
    linhas(A.Cotas);
    P.setPen(QPen(QColor(90, 90, 90), std::max(1.0, k * 8), Qt::DotLine));
    linhas(A.Guias);
    P.setPen(Qt::black);
    P.setFont(FonteDesenhos());
    const QFontMetricsF m(P.font(), P.device());
    for (const TextoDeDesenho& t : A.Textos) {
        const QString texto = Q(t.Texto);
        P.save();
        P.translate(QPointF(t.X, t.Y) * k);
        if (t.Vertical) P.rotate(-90);
        P.drawText(QPointF(t.Centrado ? -m.horizontalAdvance(texto) / 2 : 0, 0), texto);
        P.restore();
    }
    P.restore();
}

} // namespace

void PintaDesenhos(QPainter& Pintor, const Dimensionamento& D, const QRectF& Destino) {
    // A região anotada depende da escala (o texto tem corpo fixo): poucas passagens
    // bastam para a escala que cabe em Destino. As molduras vão inteiras.
    auto cabe = [&](const Moldura& R) {
        const double altura = std::max(R.Top + R.Height, RegiaoDesenhos.bottom()) - R.Top;
        return std::min(Destino.width() / R.Width, Destino.height() / altura);
    };
    double k = cabe({RegiaoDesenhos.left(), RegiaoDesenhos.top(), RegiaoDesenhos.width(),
                     RegiaoDesenhos.height()});
    for (int i = 0; i < 4; ++i) k = cabe(AnotacoesNaEscala(D, *Pintor.device(), k).Regiao);
    PintaAnotado(Pintor, D, AnotacoesNaEscala(D, *Pintor.device(), k), k, Destino.topLeft(), true);
}

QImage ImagemDesenhos(const Dimensionamento& D, int Dpi) {
    const double k = Dpi / 1440.0;
    auto preparada = [&](QSize Tamanho) {
        QImage i(Tamanho, QImage::Format_RGB32);
        i.setDotsPerMeterX(int(std::lround(Dpi / 0.0254)));
        i.setDotsPerMeterY(int(std::lround(Dpi / 0.0254)));
        return i;
    };
    const QImage medida = preparada({1, 1});
    const Anotacoes a = AnotacoesNaEscala(D, medida, k);
    const QFontMetricsF m(FonteDesenhos(), &medida);
    // A legenda, embaixo, começa na margem esquerda.
    const std::vector<std::string> legenda = LegendaDosDesenhos(D, Dpi);
    double largura = a.Regiao.Width * k;
    for (const std::string& l : legenda)
        largura = std::max(largura, m.horizontalAdvance(Q(l)) + m.height() / 2);
    const double yLegenda = a.Regiao.Height * k + m.height() * 0.5;
    QImage imagem = preparada(QSize(
        int(std::ceil(largura)), int(std::ceil(yLegenda + m.height() * (legenda.size() + 0.3)))));
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    PintaAnotado(p, D, a, k, {0, 0}, false);
    p.setFont(FonteDesenhos());
    p.setPen(Qt::black);
    for (std::size_t i = 0; i < legenda.size(); ++i)
        p.drawText(QPointF(0, yLegenda + m.height() * double(i) + m.ascent()), Q(legenda[i]));
    return imagem;
}

namespace {

int Pinta(QPainter& Pintor, QPagedPaintDevice& Dispositivo, const Dimensionamento& D,
          const Relatorio& R, int Total, const ObservaTexto& Observa = {}) {
    Folha F(Pintor, Dispositivo, R, Total, Observa);
    F.Tabela(R.Ficha);
    for (const SecaoRelatorio& s : R.Secoes) {
        F.Secao(Q(s.Titulo), s.ConteudoMm);
        for (const BlocoRelatorio& b : s.Blocos)
            std::visit([&](const auto& bloco) { Dispoe(F, D, bloco); }, b);
    }
    F.Rodape();
    return F.Paginas();
}

} // namespace

int PintaRelatorio(QPainter& Pintor, QPagedPaintDevice& Dispositivo, const Dimensionamento& D,
                   const FichaDoProjeto& Ficha, const ObservaTexto& Observa) {
    const Relatorio R = MontaRelatorio(D, Ficha);
    // Primeira passagem num PDF na memória com a mesma folha e resolução: conta as
    // páginas para o rodapé "página N de M".
    QBuffer nada;
    nada.open(QIODevice::WriteOnly);
    QPdfWriter contagem(&nada);
    contagem.setPageLayout(Dispositivo.pageLayout());
    contagem.setResolution(Dispositivo.logicalDpiY());
    QPainter pc(&contagem);
    const int total = Pinta(pc, contagem, D, R, 0);
    pc.end();
    return Pinta(Pintor, Dispositivo, D, R, total, Observa);
}

} // namespace lumbrio::janela
