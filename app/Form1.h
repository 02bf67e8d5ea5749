// Janela principal "Lumbrio": controles ligados ao modelo do núcleo, comandos,
// menus, filtro de teclas e a superfície de desenho.
#pragma once

#include "Exportacoes.h"
#include "Ligacoes.h"
#include "program/Dimensionamento.h"

#include <QMainWindow>
#include <QScrollArea>
#include <functional>

class QAction;
class QDialog;
class QPrinter;
class QPushButton;

namespace lumbrio::janela {

class Form2;
class Form6;
class FiltroTeclas;
class Form8;
class FormSecao;
class Superficie;

class Form1 : public QMainWindow, protected PedidosExportacao {
    Q_OBJECT
  public:
    // A resposta à pergunta de salvar antes de fechar.
    enum class Resposta { Salvar, Descartar, Cancelar };
    // Mostra a superfície inteira, mesmo maior que a tela (captura de tela).
    void MostraInteira();
    // SemDialogos: as mensagens de erro vão para essa função, não para o diálogo
    // modal (a captura de tela roda sem ninguém para fechá-lo). Exemplo: os valores
    // instalados com o programa, os padrões quando a pasta não tem Padrão.txt.
    explicit Form1(QWidget* Pai = nullptr, std::function<void(const std::string&)> SemDialogos = {},
                   const QString& Exemplo = {});

    Dimensionamento& Modelo() { return modelo; }

  signals:
    // Emitido a cada bipe do sistema (tecla recusada, botão de passo sem número).
    void Bipou();

  protected:
    // Mostra um diálogo modal e volta quando ele é escondido.
    virtual void MostraModal(QDialog& Dialogo);
    // Nome escolhido no diálogo de arquivo, como digitado; vazio quando cancelado. Ao
    // salvar, o diálogo não pergunta nada: a pergunta é sobre o nome final.
    virtual QString PedeArquivo(bool Abrir);
    QString PedeArquivoSaida(const QString& Titulo, const QString& Filtros,
                             QString& Filtro) override;
    bool ConfirmaSubstituicao(const QString& Nome) override;
    int PedeResolucao() override;
    bool PedeImpressora(QPrinter& Impressora) override;
    // Diálogo da ficha, com os textos da última vez (configurações do usuário).
    bool PedeFicha(FichaDoProjeto& Ficha) override;
    // Falha ao gravar: a mensagem vai ao diálogo "Mensagem de erro".
    void AvisaFalha(const QString& Nome, const std::string& Motivo) override;
    void showEvent(QShowEvent* Evento) override;
    // A moldura do gerenciador de janelas só se conhece depois de mostrada a janela: na
    // primeira vez que ela aparece, a janela volta a caber na área livre da tela.
    bool event(QEvent* Evento) override;
    // Fechar (também "Sai" e "Sair") com valores não salvos pergunta antes.
    void closeEvent(QCloseEvent* Evento) override;
    // "Salvar as alterações em ...?"; Nome vazio: valores ainda sem arquivo.
    virtual Resposta PerguntaSeSalva(const QString& Nome);

  private:
    // Botões, listas de bitolas e "Auto." ligados aos comandos do núcleo.
    void LigaComandos();
    void CriaMenus();
    void ObservaTeclas();
    void ObservaEntradas();
    // Resultados apagados e título conforme o modelo.
    void MarcaDesatualizado();

    // Um comando: widgets → modelo, núcleo, modelo → widgets, diálogo de erro.
    void Comando(const std::function<void()>& Nucleo);
    void Executa(const std::function<void()>& Nucleo);
    void Atualiza();
    // Os seis botões +/-: bipe quando a caixa alvo não tem número (nada muda, nada calcula).
    void ComandoPasso(Dimensionamento::AlvoPasso Alvo, int Sinal);
    void Bipa();

    // Comando de arquivo com o nome pedido ao usuário (vazio quando cancelado).
    void ComArquivo(bool Abrir, void (*Nucleo)(Dimensionamento&, const std::string&));
    // "Salvar" (Ctrl+S): no arquivo atual; sem ele, "Salvar como...".
    void Salva();
    void Sobre();
    // "Ajuda → Conteúdo" (F1): a página de ajuda, ao lado da janela.
    void Ajuda();
    void Outros();
    void Secao(); // "Seção...": retangular ou T e a calculadora de bf
    void CopiarResultados();

    Dimensionamento modelo;
    TabelaLigacoes tabela;
    Superficie* superficie;
    QScrollArea* rolagem; // a superfície inteira, com barras quando a tela é menor
    // A janela com a superfície inteira, o menu e a barra de estado.
    QSize TamanhoInteiro() const;
    QPushButton* Command1 = nullptr;
    Form2* form2 = nullptr;
    Form6* form6 = nullptr;
    Form8* form8 = nullptr;
    QDialog* janelaAjuda = nullptr;
    FormSecao* formSecao = nullptr;
    FiltroTeclas* filtroTeclas = nullptr;
    bool centrada = false;
    int ajustesDaMoldura = 0;
    // Itens que só valem depois de um cálculo completo.
    std::vector<QAction*> acoesDoCalculo;
    std::function<void(const std::string&)> semDialogos;
};

} // namespace lumbrio::janela
