// Cópia entre widgets e o modelo de controles do núcleo.
#include "Ligacoes.h"

#include "Componentes.h"
#include "Geometria.h"
#include "PintaDesenho.h"
#include "base/Numeros.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace lumbrio::janela {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Cor de alerta: cor 4 da paleta de 16 cores, com texto branco (contraste 14:1).
// A normal é a da paleta do sistema. Apagada: texto cinza; em alerta, também o fundo perde
// o vermelho vivo (um alerta de entradas que já mudaram não vale mais).
void AplicaPaleta(QWidget* w, bool Alerta, bool Apagada) {
    if (w->property("alerta").toBool() == Alerta && w->property("apagada").toBool() == Apagada)
        return;
    w->setProperty("alerta", Alerta);
    w->setProperty("apagada", Apagada);
    QPalette p;
    if (Alerta) {
        const QColor vermelho = Apagada ? QColor(215, 190, 190) : CorDeAlerta();
        p.setColor(QPalette::Base, vermelho);
        p.setColor(QPalette::Button, vermelho);
        p.setColor(QPalette::Text, Qt::white);
        p.setColor(QPalette::ButtonText, Qt::white);
    }
    if (Apagada) p.setColor(QPalette::Text, Alerta ? QColor(120, 90, 90) : QColor(150, 150, 150));
    w->setPalette(p);
}

void AplicaCor(QWidget* w, Cor c) {
    AplicaPaleta(w, c == Cor::Alerta, w->property("apagada").toBool());
}

// Caixa de entrada: a fonte diminui até 7 pixels para o texto caber inteiro.
void AjustaFonte(QLineEdit* w) {
    QFont f = FontePadrao();
    for (int tamanho = f.pixelSize(); tamanho >= 7; --tamanho) {
        f.setPixelSize(tamanho);
        if (QFontMetrics(f).horizontalAdvance(w->text()) <= LarguraTexto(w)) break;
    }
    if (w->font() != f) w->setFont(f);
}

int ValorMarca(Qt::CheckState s) {
    switch (s) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void ParaCaixa(const QLineEdit* w, CaixaTexto& c, bool Resultado) {
    // Forma curta posta pela janela: o modelo guarda o número inteiro.
    if (Resultado && w->text() == w->property("mostrado").toString()) return;
    c.Text = w->text().toStdString();
}

void ParaLista(const QComboBox* w, Lista& c) {
    // Lista sem edição com texto fora dela: o texto continua no modelo.
    if (w->isEditable() || w->currentIndex() >= 0) c.Text = w->currentText().toStdString();
}

void DaCaixa(QLineEdit* w, const CaixaTexto& c, bool Resultado, const std::string& Separador) {
    QString texto = Q(c.Text);
    QString dica = Q(c.ToolTipText);
    if (Resultado) {
        // A forma mais longa do número que cabe, primeiro na fonte da janela, depois em
        // até dois pixels a menos: só então o número perde algarismos, nunca cortado.
        QFont f = FontePadrao();
        const int normal = f.pixelSize();
        bool cabe = false;
        for (const std::string& forma : FormasDoNumero(c.Text, Separador)) {
            texto = Q(forma);
            for (int tamanho = normal; tamanho >= normal - 2 && !cabe; --tamanho) {
                f.setPixelSize(tamanho);
                cabe = QFontMetrics(f).horizontalAdvance(texto) <= LarguraTexto(w);
            }
            if (cabe) break;
        }
        if (!cabe) f.setPixelSize(normal);
        if (w->font() != f) w->setFont(f);
        // Número encurtado ou linha que não cabe: o texto inteiro na dica.
        if (texto != Q(c.Text) || !cabe)
            dica = dica.isEmpty() ? Q(c.Text) : Q(c.Text) + "\n" + dica;
        w->setProperty("mostrado", texto);
    }
    if (w->text() != texto) {
        w->setText(texto);
        w->setCursorPosition(0);
    }
    if (!Resultado) AjustaFonte(w);
    // Depois do que a caixa diz agora, o que ela é (Dicas.h).
    if (const QString explica = w->property("explica").toString(); !explica.isEmpty())
        dica = dica.isEmpty() ? explica : dica + "\n\n" + explica;
    w->setToolTip(dica);
    w->setEnabled(c.Enabled);
    AplicaCor(w, c.BackColor);
}

void DaLista(QComboBox* w, const Lista& c) {
    const QString t = Q(c.Text);
    const int i = w->findText(t);
    if (w->isEditable()) {
        if (i >= 0) w->setCurrentIndex(i);
        w->setEditText(t);
        w->lineEdit()->setCursorPosition(0); // o começo do texto sempre à vista
    } else {
        w->setCurrentIndex(i);
        w->setPlaceholderText(i >= 0 ? QString() : t);
    }
    AplicaCor(w, c.BackColor);
}

void DaMarca(QCheckBox* w, const Marcador& c) {
    if (c.Value == 2) {
        w->setCheckState(Qt::PartiallyChecked);
    } else {
        w->setTristate(false);
        w->setCheckState(c.Value == 1 ? Qt::Checked : Qt::Unchecked);
    }
}

template <class... F> struct Sobrecarga : F... { using F::operator()...; };

} // namespace

void TabelaLigacoes::Liga(QLineEdit* Caixa, CaixaTexto& Controle, Filtro F) {
    QObject::connect(Caixa, &QLineEdit::textChanged, Caixa, [Caixa] { AjustaFonte(Caixa); });
    ligacoes.push_back({Caixa, &Controle, F});
}
void TabelaLigacoes::LigaResultado(QLineEdit* Caixa, CaixaTexto& Controle, Filtro F) {
    Caixa->setFocusPolicy(Qt::ClickFocus);
    ligacoes.push_back({Caixa, &Controle, F, true});
}

void TabelaLigacoes::Liga(QComboBox* Combo, Lista& Controle, Filtro F) {
    if (QLineEdit* edicao = Combo->lineEdit())
        QObject::connect(edicao, &QLineEdit::editingFinished, edicao,
                         [edicao] { edicao->setCursorPosition(0); });
    ligacoes.push_back({Combo, &Controle, F});
}
void TabelaLigacoes::Liga(QCheckBox* Marca, Marcador& Controle) {
    ligacoes.push_back({Marca, &Controle, Filtro::Livre});
}
void TabelaLigacoes::Liga(QLabel* Rot, Rotulo& Controle) {
    ligacoes.push_back({Rot, &Controle, Filtro::Livre});
}

void TabelaLigacoes::Liga(QWidget* Widget, const Controle& Linha, ControlesForm1& Form) {
    std::visit(Sobrecarga{
                   [](std::monostate) {},
                   [&](CaixaTexto& (*campo)(ControlesForm1&)) {
                       auto* caixa = static_cast<QLineEdit*>(Widget);
                       if (Linha.Tipo == TipoControle::Caixa)
                           Liga(caixa, campo(Form), Linha.Teclas);
                       else
                           LigaResultado(caixa, campo(Form), Linha.Teclas);
                   },
                   [&](Lista& (*campo)(ControlesForm1&)) {
                       Liga(static_cast<QComboBox*>(Widget), campo(Form), Linha.Teclas);
                   },
                   [&](Marcador& (*campo)(ControlesForm1&)) {
                       Liga(static_cast<QCheckBox*>(Widget), campo(Form));
                   },
                   [&](Rotulo& (*campo)(ControlesForm1&)) {
                       Liga(static_cast<QLabel*>(Widget), campo(Form));
                   },
               },
               Linha.Modelo);
}

void TabelaLigacoes::ParaModelo() const {
    for (const Ligacao& l : ligacoes) {
        if (auto* c = std::get_if<CaixaTexto*>(&l.Controle))
            ParaCaixa(static_cast<QLineEdit*>(l.Widget), **c, l.Resultado);
        else if (auto* c = std::get_if<Lista*>(&l.Controle))
            ParaLista(static_cast<QComboBox*>(l.Widget), **c);
        else if (auto* c = std::get_if<Marcador*>(&l.Controle))
            (*c)->Value = ValorMarca(static_cast<QCheckBox*>(l.Widget)->checkState());
    }
}

void TabelaLigacoes::DoModelo() const {
    for (const Ligacao& l : ligacoes) {
        const QSignalBlocker bloqueio(l.Widget);
        if (auto* c = std::get_if<CaixaTexto*>(&l.Controle))
            DaCaixa(static_cast<QLineEdit*>(l.Widget), **c, l.Resultado, separador);
        else if (auto* c = std::get_if<Lista*>(&l.Controle))
            DaLista(static_cast<QComboBox*>(l.Widget), **c);
        else if (auto* c = std::get_if<Marcador*>(&l.Controle))
            DaMarca(static_cast<QCheckBox*>(l.Widget), **c);
        else if (auto* c = std::get_if<Rotulo*>(&l.Controle))
            static_cast<QLabel*>(l.Widget)->setText(Q((*c)->Caption));
    }
}

void TabelaLigacoes::ApagaResultados(bool Apagados) const {
    for (const Ligacao& l : ligacoes)
        if (l.Resultado) AplicaPaleta(l.Widget, l.Widget->property("alerta").toBool(), Apagados);
}

Filtro TabelaLigacoes::FiltroDe(const QObject* Widget) const {
    for (const Ligacao& l : ligacoes)
        if (l.Widget == Widget) return l.F;
    return Filtro::Livre;
}

} // namespace lumbrio::janela
