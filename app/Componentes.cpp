// Botão, caixa de marcação e os outros controles da janela.
#include "Componentes.h"

#include "Geometria.h"
#include "files/ArquivoTexto.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

namespace lumbrio::janela {

namespace {

int AlinhamentoLegenda(const QWidget* w, const QStyleOption& opt, int Horizontal) {
    int flags = Horizontal | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!w->style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, w))
        flags |= Qt::TextHideMnemonic;
    return flags;
}

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QGroupBox* NovaMoldura(QWidget* Pai, const QString& Nome, const QString& Legenda, double Left,
                       double Top, double Width, double Height) {
    auto* m = new QGroupBox(Legenda, Pai);
    m->setObjectName(Nome);
    m->setFont(FontePadrao());
    m->setGeometry(RetanguloTwips(Left, Top, Width, Height));
    return m;
}

QComboBox* NovaLista(QWidget* Pai, const QString& Nome, double Left, double Top, double Width,
                     double Height, std::span<const std::string_view> Itens, bool Editavel) {
    auto* c = new QComboBox(Pai);
    c->setObjectName(Nome);
    c->setFont(FontePadrao());
    c->setGeometry(RetanguloTwips(Left, Top, Width, Height));
    QStringList itens;
    for (std::string_view t : Itens) itens << Q(t);
    c->addItems(itens);
    c->setEditable(Editavel);
    if (Editavel) {
        // Texto digitado fica só na caixa: não entra na lista nem é completado.
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
    }
    c->setMaxVisibleItems(int(Itens.size()));
    return c;
}

} // namespace

void BotaoComando::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString legenda = opt.text;
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
    p.drawItemText(area, AlinhamentoLegenda(this, opt, Qt::AlignHCenter), opt.palette, isEnabled(),
                   legenda, QPalette::ButtonText);
}

void CaixaMarcacao::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString legenda = opt.text;
    opt.text.clear();
    p.drawControl(QStyle::CE_CheckBox, opt);
    opt.text = legenda;
    const QRect area = style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, this);
    p.drawItemText(area, AlinhamentoLegenda(this, opt, Qt::AlignLeft), opt.palette, isEnabled(),
                   legenda, QPalette::WindowText);
}

int LarguraTexto(const QLineEdit* Caixa) {
    const int quadro =
        Caixa->hasFrame() ? Caixa->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QMargins m = Caixa->textMargins();
    return Caixa->width() - 2 * quadro - 4 - m.left() - m.right(); // 2 px de cada lado
}

int LarguraTexto(const QComboBox* Lista) {
    QStyleOptionComboBox opt;
    opt.initFrom(Lista);
    opt.editable = Lista->isEditable();
    opt.frame = Lista->hasFrame();
    const QRect r = Lista->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                   QStyle::SC_ComboBoxEditField, Lista);
    return r.width() - (Lista->isEditable() ? 4 : 0);
}

QLabel* NovoRotulo(QWidget* Pai, const QString& Nome, const QString& Texto, double Left,
                   double Top) {
    auto* r = new QLabel(Texto, Pai);
    r->setObjectName(Nome);
    r->setFont(FontePadrao());
    r->setTextFormat(Qt::PlainText);
    r->move(px(Left), px(Top));
    r->adjustSize();
    return r;
}

QLabel* NovoRotulo(QWidget* Pai, const QString& Nome, const QString& Texto, double Left, double Top,
                   double Width, double Height) {
    auto* r = new QLabel(Texto, Pai);
    r->setObjectName(Nome);
    r->setFont(FontePadrao());
    r->setTextFormat(Qt::PlainText);
    r->setWordWrap(true);
    r->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    r->setGeometry(RetanguloTwips(Left, Top, Width, Height));
    return r;
}

QLineEdit* NovaCaixa(QWidget* Pai, const QString& Nome, double Left, double Top, double Width,
                     double Height) {
    auto* c = new QLineEdit(Pai);
    c->setObjectName(Nome);
    c->setFont(FontePadrao());
    c->setGeometry(RetanguloTwips(Left, Top, Width, Height));
    return c;
}

BotaoComando* NovoBotao(QWidget* Pai, const QString& Nome, const QString& Legenda, double Left,
                        double Top, double Width, double Height) {
    auto* b = new BotaoComando(Legenda, Pai);
    b->setObjectName(Nome);
    b->setFont(FontePadrao());
    b->setAutoDefault(false);
    b->setGeometry(RetanguloTwips(Left, Top, Width, Height));
    return b;
}

CaixaMarcacao* NovaMarca(QWidget* Pai, const QString& Nome, const QString& Legenda, double Left,
                         double Top, double Width, double Height) {
    auto* m = new CaixaMarcacao(Legenda, Pai);
    m->setObjectName(Nome);
    m->setFont(FontePadrao());
    const QSize natural = m->sizeHint();
    QRect r = RetanguloTwips(Left, Top, Width, Height);
    if (Width <= 0) r.setWidth(natural.width());
    if (r.height() < natural.height()) {
        // Com altura dada cresce igualmente para cima e para baixo, mantendo o centro;
        // sem altura fica no topo dado.
        if (Height > 0) r.translate(0, -(natural.height() - r.height()) / 2);
        r.setHeight(natural.height());
    }
    m->setGeometry(r);
    return m;
}

QString Indice(const char* Nome, int i) {
    return QString("%1(%2)").arg(Nome).arg(i);
}

void MostraArmaduraDada(QWidget* Superficie, bool Marcada) {
    for (const std::string_view nome : geometria::SoNaVerificacao)
        Superficie->findChild<QWidget*>(Q(nome))->setVisible(Marcada);
    for (const std::string_view nome : geometria::NumerosDasCamadas)
        Superficie->findChild<QWidget*>(Q(nome))->setVisible(!Marcada);
}

QWidget* NovoControle(QWidget* Pai, const Controle& C) {
    using enum TipoControle;
    const QString nome = Q(C.Nome);
    const auto* legenda = std::get_if<std::string_view>(&C.Texto);
    const QString texto = legenda ? Q(*legenda) : QString();
    switch (C.Tipo) {
    case Moldura:
        return NovaMoldura(Pai, nome, texto, C.Left, C.Top, C.Width, C.Height);
    case Rotulo: {
        QLabel* r = NovoRotulo(Pai, nome, texto, C.Left, C.Top);
        if (C.Recuo > 0) {
            r->setIndent(C.Recuo);
            r->adjustSize();
        }
        if (C.Width > 0) r->resize(px(C.Width), r->height());
        return r;
    }
    case Caixa:
    case Resultado:
    case Leitura: {
        QLineEdit* c = NovaCaixa(Pai, nome, C.Left, C.Top, C.Width, C.Height);
        if (C.Tipo == Leitura) c->setReadOnly(true);
        return c;
    }
    case Botao:
        return NovoBotao(Pai, nome, texto, C.Left, C.Top, C.Width, C.Height);
    case Lista:
    case Editavel:
        return NovaLista(Pai, nome, C.Left, C.Top, C.Width, C.Height,
                         std::get<std::span<const std::string_view>>(C.Texto), C.Tipo == Editavel);
    case Marca:
        return NovaMarca(Pai, nome, texto, C.Left, C.Top, C.Width, C.Height);
    }
    return nullptr;
}

QRect AreaDoTexto(const QWidget* W) {
    const QFontMetrics m(W->font());
    const QRect g = W->geometry();
    const int sinais = Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (const auto* r = qobject_cast<const QLabel*>(W)) {
        const int recuo = std::max(0, r->indent());
        const QRect t = m.boundingRect(QRect(0, 0, r->width() - recuo, 10000), sinais, r->text());
        return {g.topLeft() + QPoint(recuo, 0), t.size()};
    }
    if (const auto* c = qobject_cast<const QCheckBox*>(W)) {
        const int marca = c->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                          c->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        const QRect t = m.boundingRect(QRect(0, 0, c->width() - marca, 10000), sinais, c->text());
        return {g.topLeft() + QPoint(marca, (c->height() - t.height()) / 2), t.size()};
    }
    return {};
}

void AjustaLegendas(QWidget* Raiz) {
    for (QWidget* w : Raiz->findChildren<QWidget*>()) {
        if (AreaDoTexto(w).isNull()) continue;
        const auto irmaos = w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        auto encosta = [&] {
            const QRect t = AreaDoTexto(w).adjusted(-1, 0, 1, 0); // ao menos 1 pixel livre
            for (const QWidget* v : irmaos)
                if (v != w && t.intersects(v->geometry())) return true;
            return false;
        };
        QFont f = w->font();
        while (encosta() && f.pixelSize() > 8) {
            f.setPixelSize(f.pixelSize() - 1);
            w->setFont(f);
            if (auto* r = qobject_cast<QLabel*>(w); r && !r->wordWrap()) r->adjustSize();
        }
    }
}

QFont FontePadrao() {
    QFont f = QApplication::font();
    // Famílias de largura próxima à da fonte de sistema de 8 pontos, para que as
    // legendas caibam nos espaços da janela de projeto; a primeira vem com o programa
    // (fonts-liberation2), as outras têm as mesmas medidas ou quase.
    f.setFamilies({"Liberation Sans", "Microsoft Sans Serif", "Arimo", "Arial", "Helvetica",
                   "DejaVu Sans Condensed", f.family()});
    f.setPixelSize(11);
    f.setBold(false);
    f.setItalic(false);
    return f;
}

void AplicaFontePadrao(QWidget* Janela) {
    Janela->setFont(FontePadrao());
}

void CentraNaTela(QWidget* Janela) {
    const QScreen* tela = Janela->screen();
    if (!tela) return;
    const QRect livre = tela->availableGeometry();
    const QSize moldura = Janela->frameGeometry().size() - Janela->size();
    Janela->resize(Janela->size().boundedTo(livre.size() - moldura));
    QRect r = Janela->frameGeometry();
    r.moveCenter(livre.center());
    Janela->move(r.topLeft());
}

void LimiteDasCaixas(QWidget* Raiz) {
    for (QLineEdit* c : Raiz->findChildren<QLineEdit*>())
        c->setMaxLength(int(TamanhoMaximoLeitura));
}

} // namespace lumbrio::janela
