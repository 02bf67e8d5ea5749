// Widgets da janela: botão e caixa de marcação com legenda em várias linhas, a
// criação dos controles em twips, as áreas dos textos, a fonte e a janela na tela.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace lumbrio::janela {

struct Controle;

// Legenda quebrada em linhas quando não cabe na largura do botão.
class BotaoComando : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* Evento) override;
};

// Legenda quebrada em linhas quando não cabe ao lado da marca.
class CaixaMarcacao : public QCheckBox {
    Q_OBJECT
  public:
    using QCheckBox::QCheckBox;

  protected:
    void paintEvent(QPaintEvent* Evento) override;
};

// Largura, em pixels, disponível para o texto de uma caixa ou de uma lista.
int LarguraTexto(const QLineEdit* Caixa);
int LarguraTexto(const QComboBox* Lista);

// Área do texto de um rótulo ou da legenda de uma marca, nas coordenadas do pai;
// nula para outros widgets.
QRect AreaDoTexto(const QWidget* W);
// Legenda que encosta num vizinho ganha fonte menor (até 8 pixels).
void AjustaLegendas(QWidget* Raiz);

// Criação de controles em coordenadas do pai, em twips. Sem tamanho, o rótulo
// toma o tamanho do texto; com tamanho, quebra linhas. Nome: o do controle.
QLabel* NovoRotulo(QWidget* Pai, const QString& Nome, const QString& Texto, double Left,
                   double Top);
QLabel* NovoRotulo(QWidget* Pai, const QString& Nome, const QString& Texto, double Left, double Top,
                   double Width, double Height);
QLineEdit* NovaCaixa(QWidget* Pai, const QString& Nome, double Left, double Top, double Width,
                     double Height);
BotaoComando* NovoBotao(QWidget* Pai, const QString& Nome, const QString& Legenda, double Left,
                        double Top, double Width, double Height);
// Sem largura, a marca toma o tamanho da legenda; a altura nunca fica menor que a da marca.
CaixaMarcacao* NovaMarca(QWidget* Pai, const QString& Nome, const QString& Legenda, double Left,
                         double Top, double Width = 0, double Height = 0);
// O widget de uma linha da tabela de controles (Geometria.h), sem ligação ao modelo.
QWidget* NovoControle(QWidget* Pai, const Controle& C);

// Fonte de todos os controles: 11 pixels lógicos, como a fonte de sistema de 8
// pontos. Cada controle a recebe explicitamente (a folha de estilo das molduras
// não deixa a fonte passar do pai aos filhos).
QFont FontePadrao();
void AplicaFontePadrao(QWidget* Janela);

// A janela no máximo do tamanho da área livre da sua tela, centrada nela.
void CentraNaTela(QWidget* Janela);

// "Combo2(3)": o nome do controle de índice i de um vetor de controles.
QString Indice(const char* Nome, int i);

// Com a verificação de uma armadura dada, as caixas das barras e do espaçamento dos
// estribos à vista, no lugar dos números das camadas; sem ela, como sempre.
void MostraArmaduraDada(QWidget* Superficie, bool Marcada);

// Um texto que cabe num arquivo de valores cabe na caixa: sem o corte do QLineEdit
// em 32767 caracteres, o que foi carregado volta inteiro ao salvar.
void LimiteDasCaixas(QWidget* Raiz);

} // namespace lumbrio::janela
