// Filtro de teclas da janela principal: caracteres recusados por caixa (com bipe e
// uma nota do motivo), a vírgula como separador decimal e Enter, que sempre aciona o
// botão padrão ("&Calcula").
#pragma once

#include "Ligacoes.h"

#include <QObject>
#include <functional>

class QKeyEvent;
class QPushButton;

namespace lumbrio::janela {

// Verdadeiro quando a tecla passa pelo filtro da caixa. Delete, teclas de
// navegação e atalhos (Ctrl, Alt) nunca são filtrados; Backspace só em Nenhum.
bool TeclaAceita(Filtro F, const QKeyEvent& Tecla);

// Por que a caixa recusou uma tecla, para a barra de estado.
QString MotivoDaRecusa(Filtro F);

class FiltroTeclas : public QObject {
    Q_OBJECT
  public:
    // Recusa chama Recusa(motivo): o bipe e a nota.
    FiltroTeclas(const TabelaLigacoes& Tabela, QPushButton* BotaoPadrao,
                 std::function<void(const QString&)> Recusa, QObject* Pai);

    // Passa a observar as teclas do widget.
    void Observa(QWidget* Widget);

  protected:
    bool eventFilter(QObject* Objeto, QEvent* Evento) override;

  private:
    const TabelaLigacoes& tabela;
    QPushButton* botaoPadrao;
    std::function<void(const QString&)> recusa;
};

} // namespace lumbrio::janela
