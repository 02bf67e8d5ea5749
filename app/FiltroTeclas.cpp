// Filtro de teclas e tecla Enter da janela principal.
#include "FiltroTeclas.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace lumbrio::janela {

namespace {

bool Digito(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

bool TeclaAceita(Filtro F, const QKeyEvent& Tecla) {
    if (F == Filtro::Livre || F == Filtro::Decimal) return true;
    if (Tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return true;
    if (Tecla.key() == Qt::Key_Backspace) return F != Filtro::Nenhum;
    const QString texto = Tecla.text();
    if (texto.isEmpty()) return true;
    for (QChar c : texto)
        if (!c.isPrint()) return true; // Delete, Tab, Esc: não são caracteres digitados
    if (F == Filtro::Nenhum) return false;
    for (QChar c : texto)
        if (!Digito(c) && !(F == Filtro::DigitosPonto && c == u'.')) return false;
    return true;
}

QString MotivoDaRecusa(Filtro F) {
    switch (F) {
    case Filtro::Digitos:
        return "Base e altura em centímetros inteiros: só algarismos.";
    case Filtro::DigitosPonto:
        return "Só algarismos e o separador decimal (\".\" ou \",\").";
    default:
        return "Esta caixa não se digita: escolha na lista ou veja o resultado.";
    }
}

FiltroTeclas::FiltroTeclas(const TabelaLigacoes& Tabela, QPushButton* BotaoPadrao,
                           std::function<void(const QString&)> Recusa, QObject* Pai)
    : QObject(Pai), tabela(Tabela), botaoPadrao(BotaoPadrao), recusa(std::move(Recusa)) {}

void FiltroTeclas::Observa(QWidget* Widget) {
    Widget->installEventFilter(this);
}

bool FiltroTeclas::eventFilter(QObject* Objeto, QEvent* Evento) {
    if (Evento->type() != QEvent::KeyPress) return false;
    const auto* tecla = static_cast<QKeyEvent*>(Evento);
    const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    // Enter calcula, onde quer que esteja o foco, menos numa lista aberta: lá ele só
    // escolhe o item. Espaço aciona o botão com o foco.
    const auto* w = qobject_cast<const QWidget*>(Objeto);
    if (enter && w && w->window()->windowType() == Qt::Popup) return false;
    if (enter && !(tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        botaoPadrao->click();
        return true;
    }
    const Filtro f = tabela.FiltroDe(Objeto);
    // A vírgula (teclado brasileiro, teclado numérico) é o separador decimal.
    auto* caixa = qobject_cast<QLineEdit*>(Objeto);
    if ((f == Filtro::DigitosPonto || f == Filtro::Decimal) && caixa && tecla->text() == u"," &&
        !(tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        caixa->insert(".");
        return true;
    }
    if (TeclaAceita(f, *tecla)) return false;
    recusa(MotivoDaRecusa(f));
    return true;
}

} // namespace lumbrio::janela
