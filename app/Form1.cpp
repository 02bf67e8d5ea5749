// Janela principal: a superfície com os controles, a ligação ao modelo, os comandos
// e os menus.
#include "Form1.h"

#include "Componentes.h"
#include "Dialogos.h"
#include "Dicas.h"
#include "FiltroTeclas.h"
#include "Superficie.h"
#include "files/ArquivoTexto.h"
#include "files/Configuracao.h"
#include "output/Comparacao.h"
#include "program/Arquivos.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <exception>
#include <tuple>
#include <utility>

namespace lumbrio::janela {

Form1::Form1(QWidget* Pai, std::function<void(const std::string&)> SemDialogos,
             const QString& Exemplo)
    : QMainWindow(Pai), semDialogos(std::move(SemDialogos)) {
    AplicaFontePadrao(this);
    setObjectName("Form1");
    modelo.SeparadorDecimal = QLocale::system().decimalPoint().toStdString();
    tabela.Separador(modelo.SeparadorDecimal);

    superficie = new Superficie(modelo, this);
    rolagem = NovaRolagem(superficie, this);
    setCentralWidget(rolagem);
    // Uma linha de verificação com o foco: a nota dela na barra de estado.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* Agora) {
        if (const auto* linha = qobject_cast<QLineEdit*>(Agora);
            linha && superficie->isAncestorOf(linha) && linha->isReadOnly() &&
            !linha->toolTip().isEmpty())
            statusBar()->showMessage(linha->toolTip().replace('\n', ' '), 15000);
    });

    superficie->CriaControles(tabela, modelo.Form1);
    Command1 = superficie->findChild<QPushButton*>("Command1");
    Command1->setDefault(true);
    LigaComandos();
    CriaMenus();
    ObservaTeclas();
    ObservaEntradas();
    AjustaLegendas(superficie);
    PoeDicas(superficie);
    statusBar()->setObjectName("BarraEstado");
    LimiteDasCaixas(superficie);
    setMaximumSize(TamanhoInteiro());
    resize(TamanhoInteiro());

    // Padrões de projeto e das configurações, depois Padrão.txt quando existe; nenhum cálculo.
    LembraEspacamentoDosEstribos(modelo.Form8, false);
    tabela.DoModelo();
    Comando([this, e = Exemplo.toStdString()] { CarregaPadraoInicial(modelo, e); });
}

void Form1::LigaComandos() {
    using enum Dimensionamento::AlvoPasso;
    // {botão, caixa alvo, sinal do passo}
    const std::tuple<const char*, Dimensionamento::AlvoPasso, int> passos[] = {
        {"Command16", Base, +1},   {"Command13", Base, -1}, {"Command15", Altura, +1},
        {"Command14", Altura, -1}, {"Command4", Md, +1},    {"Command5", Md, -1}};
    for (const auto& [nome, alvo, sinal] : passos)
        connect(superficie->findChild<QAbstractButton*>(nome), &QAbstractButton::clicked, this,
                [this, alvo, sinal] { ComandoPasso(alvo, sinal); });

    auto nucleo = [this](std::function<void()> N) { return [this, N] { Comando(N); }; };
    const std::pair<const char*, std::function<void()>> cliques[] = {
        {"Check3", nucleo([this] { modelo.Check3_Click(); })},
        {"CheckVerifica", nucleo([] {})}, // as caixas das barras aparecem ou somem
        {"Command1", nucleo([this] { modelo.Command1_Click(); })},
        {"Command6", [this] { close(); }},
        {"Command3", nucleo([this] { modelo.Command3_Click(); })},
        {"Command7", nucleo([this] { AbreArquivo(modelo, ArquivoDosPadroes(modelo)); })},
        {"Command2", nucleo([this] { GravaArquivo(modelo, ArquivoPadrao); })},
        {"Command8", nucleo([this] { modelo.Rapida(); })}};
    for (const auto& [nome, acao] : cliques)
        connect(superficie->findChild<QAbstractButton*>(nome), &QAbstractButton::clicked, this,
                acao);

    std::vector<std::pair<QString, std::function<void()>>> listas{
        {"Combo3", [this] { modelo.Combo3_Click(); }},
        {"ComboModelo", [this] { modelo.ComboModelo_Click(); }},
        {"Combo5", [this] { modelo.Combo5_Click(); }},
        {"ComboMser", [this] { modelo.ComboMser_Click(); }}};
    for (int i = 1; i <= 3; ++i)
        listas.push_back({Indice("Combo4", i), [this, i] { modelo.Combo4_Click(i); }});
    for (int i = 1; i <= 6; ++i)
        listas.push_back({Indice("Combo2", i), [this, i] { modelo.Combo2_Click(i); }});
    for (const auto& [nome, acao] : listas)
        connect(superficie->findChild<QComboBox*>(nome), &QComboBox::activated, this, nucleo(acao));
}

void Form1::CriaMenus() {
    auto acao = [this](QMenu* menu, const char* nome, const QString& legenda, auto funcao) {
        QAction* a = menu->addAction(legenda);
        a->setObjectName(nome);
        connect(a, &QAction::triggered, this, funcao);
        return a;
    };
    QMenu* arquivo = menuBar()->addMenu("&Arquivo");
    arquivo->setObjectName("mnuFile");
    acao(arquivo, "mnuItemload", "&Abrir arquivo...", [this] {
        ComArquivo(true, AbreDocumento);
    })->setShortcut(QKeySequence::Open);
    acao(arquivo, "mnuItemCarregpadr", "Carre&gar valores padrões",
         [this] { Comando([this] { CarregaArquivo(modelo, ArquivoDosPadroes(modelo)); }); });
    acao(arquivo, "mnuItemSalvar", "&Salvar", [this] { Salva(); })->setShortcut(QKeySequence::Save);
    acao(arquivo, "mnuItemSave", "Salvar co&mo...", [this] { ComArquivo(false, SalvaDocumento); });
    acao(arquivo, "mnuItemSaveDefault", "Salvar valores como &padrão",
         [this] { Comando([this] { GravaArquivo(modelo, ArquivoPadrao); }); });
    arquivo->addSeparator();
    // Só com resultados das entradas atuais; senão o núcleo pede um novo cálculo.
    auto atual = [this](auto exporta) {
        return [this, exporta] {
            tabela.ParaModelo();
            if (modelo.ResultadosAtuais()) exporta();
            Atualiza();
        };
    };
    acoesDoCalculo = {
        acao(arquivo, "mnuItemImprimir", "&Imprimir...", atual([this] { Imprime(*this, modelo); })),
        acao(arquivo, "mnuItemRelatorioPdf", "E&xportar relatório PDF...",
             atual([this] { ExportaPdf(*this, modelo); })),
        acao(arquivo, "mnuItemExportarDesenho", "Exportar &desenho...",
             atual([this] { ExportaDesenho(*this, modelo); })),
        acao(arquivo, "mnuItemCopiarResultados", "&Copiar resultados",
             atual([this] { CopiarResultados(); })),
    };
    acoesDoCalculo[0]->setShortcut(QKeySequence::Print);
    acoesDoCalculo[3]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    for (QAction* a : acoesDoCalculo) a->setEnabled(false);
    arquivo->addSeparator();
    acao(arquivo, "mnuItemExit", "Sai&r", [this] { close(); });
    QMenu* valores = menuBar()->addMenu("&Valores");
    valores->setObjectName("mnuPrecisao");
    acao(valores, "mnuItemPrecisao", "&Outros valores...", [this] { Outros(); });
    acao(valores, "mnuItemSecao", "&Seção...", [this] { Secao(); });
    QMenu* ajuda = menuBar()->addMenu("Aj&uda");
    ajuda->setObjectName("mnuAjuda");
    acao(ajuda, "mnuItemConteudo", "&Conteúdo", [this] {
        Ajuda();
    })->setShortcut(QKeySequence::HelpContents);
    acao(ajuda, "mnuItemAbout", "S&obre...", [this] { Sobre(); });
}

void Form1::ObservaEntradas() {
    // Qualquer edição passa ao modelo, que diz se os resultados ficaram para trás.
    auto mudou = [this] {
        tabela.ParaModelo();
        MarcaDesatualizado();
    };
    for (QLineEdit* c : superficie->findChildren<QLineEdit*>())
        connect(c, &QLineEdit::textEdited, this, mudou);
    for (QComboBox* c : superficie->findChildren<QComboBox*>())
        connect(c, &QComboBox::currentTextChanged, this, mudou);
    for (QCheckBox* m : superficie->findChildren<QCheckBox*>())
        connect(m, &QCheckBox::clicked, this, mudou);
}

void Form1::MarcaDesatualizado() {
    tabela.ApagaResultados(modelo.Desatualizado());
    setWindowTitle(QString::fromStdString(modelo.TituloJanela()));
    superficie->MostraLegenda();
    superficie->update();
}

void Form1::ObservaTeclas() {
    auto* filtro = filtroTeclas = new FiltroTeclas(
        tabela, Command1,
        [this](const QString& Motivo) {
            Bipa();
            statusBar()->showMessage(Motivo, 6000);
        },
        this);
    for (QWidget* w : superficie->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus) filtro->Observa(w);
    // Marca acinzentada vinda do arquivo: um clique do usuário volta a duas posições.
    for (QCheckBox* m : superficie->findChildren<QCheckBox*>())
        connect(m, &QCheckBox::clicked, m, [m] {
            if (m->checkState() != Qt::PartiallyChecked) m->setTristate(false);
        });
}

void Form1::Comando(const std::function<void()>& Nucleo) {
    tabela.ParaModelo();
    Executa(Nucleo);
    Atualiza();
}

void Form1::Executa(const std::function<void()>& Nucleo) {
    try {
        modelo.Protegido(Nucleo);
    } catch (const std::exception& e) {
        // O programa nunca termina num erro: o diálogo mostra o que houve.
        modelo.MostraErro(std::string("Erro interno: ") + e.what());
    }
}

void Form1::Atualiza() {
    tabela.DoModelo();
    MostraArmaduraDada(superficie, modelo.Form1.CheckVerifica.Value == 1);
    for (QAction* a : acoesDoCalculo) a->setEnabled(modelo.HaResultados);
    MarcaDesatualizado();
    if (!modelo.Estado.empty()) {
        statusBar()->showMessage(QString::fromStdString(modelo.Estado));
        modelo.Estado.clear();
    }
    if (!modelo.Form2.Visivel) return;
    // Um erro apaga a mensagem anterior ("Valores gravados em ..."), que já não vale.
    statusBar()->clearMessage();
    if (semDialogos) {
        const auto& f = modelo.Form2;
        semDialogos(f.Label1.Caption + (f.Label2.Caption.empty() ? "" : " ") + f.Label2.Caption);
        modelo.Form2.Visivel = false;
        return;
    }
    if (!form2) {
        form2 = new Form2(this);
        form2->Liga(tabela, modelo.Form2);
        tabela.DoModelo();
    }
    form2->setWindowTitle(modelo.Form2.Aviso ? "Aviso" : "Mensagem de erro");
    form2->AjustaAoTexto();
    MostraModal(*form2);
    modelo.Form2.Visivel = false;
}

void Form1::ComandoPasso(Dimensionamento::AlvoPasso Alvo, int Sinal) {
    tabela.ParaModelo();
    Executa([this, Alvo, Sinal] { modelo.Passo_Click(Alvo, Sinal); });
    if (modelo.PassoRecusado) Bipa(); // caixa sem número: nada mudou, nada calculou
    Atualiza();
}

void Form1::Bipa() {
    emit Bipou();
    QApplication::beep();
}

void Form1::MostraInteira() {
    layout()->activate();
    setMaximumSize(TamanhoInteiro());
    resize(TamanhoInteiro());
    layout()->activate(); // a área de rolagem já no tamanho novo, sem esperar eventos
}

QSize Form1::TamanhoInteiro() const {
    // Depois de disposta, a janela menos a área de rolagem é o menu e a barra de estado
    // como estão; antes disso, o que eles pedem.
    const QSize resto =
        rolagem->isVisible()
            ? size() - rolagem->size()
            : QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    return superficie->size() + resto;
}

void Form1::showEvent(QShowEvent* Evento) {
    QMainWindow::showEvent(Evento);
    if (centrada) return;
    centrada = true;
    // O menu e a barra de estado só têm a altura final depois de polidos.
    MostraInteira();
    CentraNaTela(this); // a primeira vez
}

bool Form1::event(QEvent* Evento) {
    const bool r = QMainWindow::event(Evento);
    // O gerenciador pode ainda pôr a moldura onde quiser depois do primeiro ajuste: até
    // algumas vezes, enquanto ela sair da área livre, a janela volta para dentro.
    const QRect moldura = frameGeometry();
    if (centrada && ajustesDaMoldura < 5 && moldura.height() > height() &&
        moldura.contains(geometry()) && screen() &&
        !screen()->availableGeometry().contains(moldura)) {
        ++ajustesDaMoldura;
        CentraNaTela(this);
    }
    return r;
}

} // namespace lumbrio::janela
