// Área cliente da janela principal: os controles da tabela de Geometria.h ligados ao
// modelo, os retângulos brancos Shape4 e Shape1 e, sobre eles, o Desenho; e a área
// de rolagem que a leva.
#pragma once

#include "program/Dimensionamento.h"

#include <QWidget>

class QLabel;
class QScrollArea;

namespace lumbrio::janela {

class TabelaLigacoes;

// Nota sobre os desenhos quando as entradas mudaram depois do cálculo.
inline const QString NotaDesatualizado =
    "Resultados desatualizados: as entradas mudaram. Calcule de novo (Enter).";

class Superficie : public QWidget {
    Q_OBJECT
  public:
    // Do tamanho da janela de projeto com a faixa de baixo e a coluna da direita.
    Superficie(const Dimensionamento& Modelo, QWidget* Pai);
    // Os widgets da tabela, ligados aos campos de Form, e a ordem do Tab.
    void CriaControles(TabelaLigacoes& Tabela, ControlesForm1& Form);
    // A legenda dos desenhos na moldura "Legenda do desenho": as cores e, depois de um
    // cálculo, a escala da seção na tela.
    void MostraLegenda();

  protected:
    void paintEvent(QPaintEvent* Evento) override;

  private:
    const Dimensionamento& modelo;
    QLabel* legenda = nullptr;
};

// A superfície numa área de rolagem sem moldura: numa tela menor que a janela
// (1366 × 768, escala 2) ela rola, e o foco do teclado a leva junto.
QScrollArea* NovaRolagem(Superficie* Conteudo, QWidget* Pai);

} // namespace lumbrio::janela
