// "Seção": retangular ou T, a mesa (bf, hf e a face) e a calculadora de bf pela
// vinculação do vão e pelas lajes de cada lado; criado no primeiro uso.
#pragma once

#include "Ligacoes.h"

#include <QDialog>

class QPushButton;

namespace lumbrio::janela {

class FormSecao : public QDialog {
    Q_OBJECT
  public:
    FormSecao(QWidget* Pai, TabelaLigacoes& Tabela, ControlesForm1& Form,
              ControlesCalculadoraBf& Calculadora);

    QPushButton* CommandBf; // "Calcular bf"
    QPushButton* Command1;  // "&Voltar"
};

} // namespace lumbrio::janela
