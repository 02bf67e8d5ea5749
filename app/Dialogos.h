// Diálogos modais: "Mensagem de erro" (Form2), "Sobre" (Form6) e "Outros valores"
// (Form8), criados no primeiro uso e depois só escondidos e mostrados (a caixa de
// fechar age como o botão "Continuar" / "&Voltar"); e a ficha do relatório.
#pragma once

#include "Ligacoes.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace lumbrio {
struct FichaDoProjeto;
}

namespace lumbrio::janela {

class Form2 : public QDialog {
    Q_OBJECT
  public:
    explicit Form2(QWidget* Pai);
    void Liga(TabelaLigacoes& Tabela, ControlesForm2& Controles);
    // Tamanho do diálogo e das linhas pelo texto da mensagem.
    void AjustaAoTexto();

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command1;
};

class Form6 : public QDialog {
    Q_OBJECT
  public:
    explicit Form6(QWidget* Pai);

    QPushButton* Command1;
};

class Form8 : public QDialog {
    Q_OBJECT
  public:
    explicit Form8(QWidget* Pai);
    void Liga(TabelaLigacoes& Tabela, ControlesForm8& Controles);

    // Confere as caixas (pelo núcleo); falso mantém o diálogo aberto. "&Voltar",
    // Esc e a caixa de fechar passam todos por ela.
    std::function<bool()> Confere;
    void accept() override;
    void reject() override;

    QLineEdit* Text2; // diâmetro máximo do agregado graúdo (cm)
    QLineEdit* Text3; // PrecisãoM (kgf·cm)
    QLineEdit* Text1; // PrecisãoN (kgf)
    std::array<QCheckBox*, 2> Check1;
    std::array<QLineEdit*, 2> Text4; // espaçamentos mínimos do usuário (cm)
    QLineEdit* Text5;                // espaçamento mínimo prático dos estribos (cm)
    QPushButton* Command1;

  private:
    ControlesForm8* controles = nullptr;
};

// O espaçamento mínimo prático dos estribos fica nas configurações do usuário (o arquivo
// de valores tem os seus registros fixos): Grava o guarda, senão o põe em Controles.
void LembraEspacamentoDosEstribos(ControlesForm8& Controles, bool Grava);

// Os pedidos da janela ao usuário; vazio, 0 ou falso quando cancelados.
// "Identificação do relatório": obra, elemento, responsável e registro, com os textos
// da última vez.
bool PedeFichaDoRelatorio(QWidget* Pai, FichaDoProjeto& Ficha);
// Arquivo de valores (texto) a abrir ou a salvar.
QString PedeArquivoDeValores(QWidget* Pai, bool Abrir);
// Relatório ou desenho a gravar, com um nome sugerido na pasta de trabalho.
// "O arquivo ... já existe. Substituí-lo?", mostrado por Mostra; verdadeiro com "Substituir".
bool PerguntaSeSubstitui(QWidget* Pai, const QString& Nome,
                         const std::function<void(QDialog&)>& Mostra);
// A janela da ajuda ("Ajuda → Conteúdo", F1), com a página embutida; não modal.
QDialog* NovaAjuda(QWidget* Pai);
// "Salvar as alterações em ...?" ao fechar, mostrado por Mostra: 0 "Salvar", 1 "Não
// salvar", 2 "Cancelar" (também Esc).
int PerguntaSeSalvaAlteracoes(QWidget* Pai, const QString& Nome,
                              const std::function<void(QDialog&)>& Mostra);
QString PedeArquivoDeSaida(QWidget* Pai, const QString& Titulo, const QString& Filtros,
                           QString& Filtro);
// Resolução do PNG em pontos por polegada.
int PedeResolucaoDoPng(QWidget* Pai);
bool EscolheImpressora(QWidget* Pai, QPrinter& Impressora);

} // namespace lumbrio::janela
