// Cópia entre widgets e o modelo de controles do núcleo.
#include "Ligacoes.h"

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

// Cor de alerta: cor 4 da paleta de 16 cores. A normal é a da paleta do sistema.
void AplicaCor(QWidget* w, Cor c) {
    const bool alerta = c == Cor::Alerta;
    if (w->property("alerta").toBool() == alerta) return;
    w->setProperty("alerta", alerta);
    QPalette p;
    if (alerta) p.setColor(QPalette::Base, QColor(128, 0, 0));
    w->setPalette(p);
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

void ParaCaixa(const QLineEdit* w, CaixaTexto& c) {
    c.Text = w->text().toStdString();
}

void ParaLista(const QComboBox* w, Lista& c) {
    // Lista sem edição com texto fora dela: o texto continua no modelo.
    if (w->isEditable() || w->currentIndex() >= 0) c.Text = w->currentText().toStdString();
}

void DaCaixa(QLineEdit* w, const CaixaTexto& c) {
    if (w->text() != Q(c.Text)) w->setText(Q(c.Text));
    w->setEnabled(c.Enabled);
    AplicaCor(w, c.BackColor);
}

void DaLista(QComboBox* w, const Lista& c) {
    const QString t = Q(c.Text);
    const int i = w->findText(t);
    if (w->isEditable()) {
        if (i >= 0) w->setCurrentIndex(i);
        w->setEditText(t);
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

} // namespace

void TabelaLigacoes::Liga(QLineEdit* Caixa, CaixaTexto& Controle, Filtro F) {
    ligacoes.push_back({Caixa, &Controle, F});
}
void TabelaLigacoes::Liga(QComboBox* Combo, Lista& Controle, Filtro F) {
    ligacoes.push_back({Combo, &Controle, F});
}
void TabelaLigacoes::Liga(QCheckBox* Marca, Marcador& Controle) {
    ligacoes.push_back({Marca, &Controle, Filtro::Livre});
}
void TabelaLigacoes::Liga(QLabel* Rot, Rotulo& Controle) {
    ligacoes.push_back({Rot, &Controle, Filtro::Livre});
}

void TabelaLigacoes::ParaModelo() const {
    for (const Ligacao& l : ligacoes) {
        if (auto* c = std::get_if<CaixaTexto*>(&l.Controle))
            ParaCaixa(static_cast<QLineEdit*>(l.Widget), **c);
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
            DaCaixa(static_cast<QLineEdit*>(l.Widget), **c);
        else if (auto* c = std::get_if<Lista*>(&l.Controle))
            DaLista(static_cast<QComboBox*>(l.Widget), **c);
        else if (auto* c = std::get_if<Marcador*>(&l.Controle))
            DaMarca(static_cast<QCheckBox*>(l.Widget), **c);
        else if (auto* c = std::get_if<Rotulo*>(&l.Controle))
            static_cast<QLabel*>(l.Widget)->setText(Q((*c)->Caption));
    }
}

Filtro TabelaLigacoes::FiltroDe(const QObject* Widget) const {
    for (const Ligacao& l : ligacoes)
        if (l.Widget == Widget) return l.F;
    return Filtro::Livre;
}

} // namespace lumbrio::janela
