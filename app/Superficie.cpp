// Área cliente da janela principal: controles, pintura e rolagem.
#include "Superficie.h"

#include "Componentes.h"
#include "Geometria.h"
#include "PintaDesenho.h"
#include "output/Desenhos.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <map>

namespace lumbrio::janela {

Superficie::Superficie(const Dimensionamento& Modelo, QWidget* Pai) : QWidget(Pai), modelo(Modelo) {
    setObjectName("Superficie");
    // A faixa de baixo (norma e verificações) acrescenta 4305 twips à janela de projeto e a
    // coluna da direita (força cortante e fissuras), 7410.
    setFixedSize(px(11550 + 7410), px(8595 + 4305));
    // Molduras como na janela de projeto: a borda passa pelo meio da legenda.
    setStyleSheet("QGroupBox { border: 1px solid palette(mid); margin-top: 0.55em; }"
                  "QGroupBox::title { subcontrol-origin: margin; left: 5px; padding: 0 2px; }");
}

void Superficie::CriaControles(TabelaLigacoes& Tabela, ControlesForm1& Form) {
    std::map<int, QWidget*> cadeia; // paradas do Tab pela posição na tabela
    for (const Controle& c : geometria::Form1) {
        QWidget* pai = c.Pai.empty() ? this
                                     : findChild<QWidget*>(QString::fromUtf8(c.Pai),
                                                           Qt::FindDirectChildrenOnly);
        QWidget* w = NovoControle(pai, c);
        Tabela.Liga(w, c, Form);
        if (c.Tab != geometria::Fora) cadeia[c.Tab] = w;
        if (c.Tipo == TipoControle::Leitura && c.Tab != geometria::Fora)
            w->setFocusPolicy(Qt::StrongFocus);
    }
    QWidget* anterior = nullptr;
    for (auto [posicao, w] : cadeia) {
        if (anterior) setTabOrder(anterior, w);
        anterior = w;
    }
    // Título dos resultados em destaque, na família da janela (a de projeto pedia uma
    // fonte que as máquinas não têm e que cairia numa qualquer).
    QFont titulo = font();
    titulo.setPointSizeF(12);
    titulo.setBold(true);
    findChild<QGroupBox*>("Frame1")->setFont(titulo);
    findChild<QLabel*>("Label47")->setBuddy(findChild<QComboBox*>("ComboNorma"));
    // Na coluna da direita, abaixo da durabilidade.
    auto* moldura = new QGroupBox("Legenda do desenho", this);
    moldura->setObjectName("FrameLegenda");
    moldura->setFont(FontePadrao());
    moldura->setGeometry(RetanguloTwips(11580, 6480, 7260, 1800));
    legenda = new QLabel(moldura);
    legenda->setObjectName("LabelLegenda");
    legenda->setWordWrap(true);
    legenda->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    legenda->setGeometry(RetanguloTwips(120, 300, 7020, 1440));
    MostraLegenda();
}

void Superficie::MostraLegenda() {
    std::vector<std::string> linhas = LegendaDosDesenhos(modelo, 1440 / TwipsPorPixel);
    if (!modelo.HaResultados) linhas.erase(linhas.begin()); // sem seção desenhada, sem escala
    QString texto;
    for (const std::string& l : linhas) texto += QString::fromStdString(l) + "\n";
    legenda->setText(texto.trimmed());
}

void Superficie::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor primeiroPlano = palette().color(QPalette::WindowText);
    for (const auto& m : {Shape4, Shape1}) {
        const QRect r = RetanguloTwips(m.Left, m.Top, m.Width, m.Height);
        p.fillRect(r, Qt::white);
        p.setPen(primeiroPlano);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    // Resultados de entradas que mudaram: desenho apagado e uma nota.
    const bool desatualizado = modelo.Desatualizado();
    if (desatualizado) {
        // Sobre os dois desenhos, quebrando a linha se preciso: nunca cortada.
        const QRect faixa = RetanguloTwips(Shape4.Left + 60, Shape4.Top + 30,
                                           Shape1.Left + Shape1.Width - Shape4.Left - 120, 900);
        const QRect texto =
            p.fontMetrics().boundingRect(faixa, Qt::TextWordWrap, NotaDesatualizado);
        p.fillRect(texto.adjusted(-3, -1, 3, 1), Qt::white);
        p.setPen(CorDeAlerta());
        p.drawText(faixa, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, NotaDesatualizado);
        p.setOpacity(0.3);
    }
    // Meio pixel: um ponto em twips cai no centro do seu pixel.
    p.translate(0.5, 0.5);
    p.setPen(primeiroPlano);
    PintaDesenho(p, modelo.Desenho, 1.0 / TwipsPorPixel);
}

QScrollArea* NovaRolagem(Superficie* Conteudo, QWidget* Pai) {
    auto* rolagem = new QScrollArea(Pai);
    rolagem->setObjectName("Rolagem");
    rolagem->setFrameShape(QFrame::NoFrame);
    rolagem->setFocusPolicy(Qt::NoFocus);
    rolagem->setWidget(Conteudo);
    QObject::connect(qApp, &QApplication::focusChanged, Conteudo,
                     [Conteudo, rolagem](QWidget*, QWidget* Agora) {
                         // O widget inteiro, não só o cursor de texto, com uma folga de 10 pixels.
                         if (!Agora || !Conteudo->isAncestorOf(Agora)) return;
                         const QPoint centro = Agora->mapTo(Conteudo, Agora->rect().center());
                         rolagem->ensureVisible(centro.x(), centro.y(), Agora->width() / 2 + 10,
                                                Agora->height() / 2 + 10);
                     });
    return rolagem;
}

} // namespace lumbrio::janela
