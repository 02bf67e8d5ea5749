// Filtro de teclas da janela principal: caracteres recusados por caixa (com bipe)
// e Enter, que sempre aciona o botão padrão ("&Calcula").
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

class FiltroTeclas : public QObject {
    Q_OBJECT
  public:
    FiltroTeclas(const TabelaLigacoes& Tabela, QPushButton* BotaoPadrao, std::function<void()> Bipe,
                 QObject* Pai);

    // Passa a observar as teclas do widget.
    void Observa(QWidget* Widget);

  protected:
    bool eventFilter(QObject* Objeto, QEvent* Evento) override;

  private:
    const TabelaLigacoes& tabela;
    QPushButton* botaoPadrao;
    std::function<void()> bipe;
};

} // namespace lumbrio::janela
