// Janela principal: controles nas posições da janela de projeto, ligação ao
// modelo e comandos.
#include "Form1.h"

#include "Componentes.h"
#include "Dialogos.h"
#include "FiltroTeclas.h"
#include "Geometria.h"
#include "calc/Catalogos.h"
#include "calc/Numeros.h"
#include "files/Configuracao.h"
#include "output/Comparacao.h"
#include "output/Painel.h"
#include "program/Arquivos.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <exception>
#include <string_view>

namespace lumbrio::janela {

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

template <class Itens> QStringList ItensDe(const Itens& itens) {
    QStringList l;
    for (std::string_view t : itens) l << Q(t);
    return l;
}

QStringList ListaBitolas(std::size_t Quantas) {
    QStringList l;
    for (std::size_t k = 0; k < Quantas; ++k) l << Q(TabelaBitolas[k].Texto);
    return l;
}

QString Indice(const char* Nome, int i) {
    return QString("%1(%2)").arg(Nome).arg(i);
}

QGroupBox* Moldura(QWidget* Pai, const QString& Nome, const QString& Legenda, double Left,
                   double Top, double Width, double Height) {
    auto* m = new QGroupBox(Legenda, Pai);
    m->setObjectName(Nome);
    m->setFont(FontePadrao());
    m->setGeometry(RetanguloTwips(Left, Top, Width, Height));
    return m;
}

QComboBox* NovaLista(QWidget* Pai, const QString& Nome, double Left, double Top, double Width,
                     double Height, const QStringList& Itens, bool Editavel) {
    auto* c = new QComboBox(Pai);
    c->setObjectName(Nome);
    c->setFont(FontePadrao());
    c->setGeometry(RetanguloTwips(Left, Top, Width, Height));
    c->addItems(Itens);
    c->setEditable(Editavel);
    if (Editavel) {
        // Texto digitado fica só na caixa: não entra na lista nem é completado.
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
    }
    c->setMaxVisibleItems(Itens.size());
    return c;
}

} // namespace

Form1::Form1(QWidget* Pai) : QMainWindow(Pai) {
    AplicaFontePadrao(this);
    setObjectName("Form1");
    modelo.SeparadorDecimal = QLocale::system().decimalPoint().toStdString();
    tabela.Separador(modelo.SeparadorDecimal);

    superficie = new Superficie(modelo, this);
    superficie->setObjectName("Superficie");
    // A faixa de baixo (norma e verificações) acrescenta 2580 twips à janela de projeto.
    superficie->setFixedSize(px(11550), px(8595 + 2580));
    // Molduras como na janela de projeto: a borda passa pelo meio da legenda.
    superficie->setStyleSheet(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 0.55em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 5px; padding: 0 2px; }");
    setCentralWidget(superficie);

    CriaDimensoes();
    CriaArranjo();
    CriaEsforcos();
    CriaOpcoesEscala();
    CriaBitolas();
    CriaResultados();
    CriaNormaVerificacoes();
    CriaBotoes();
    CriaMenus();
    OrdemDoTab();
    ObservaTeclas();
    ObservaEntradas();
    AjustaLegendas(superficie);
    statusBar()->setObjectName("BarraEstado");
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Padrões de projeto, depois Padrão.txt quando existe; nenhum cálculo.
    tabela.DoModelo();
    Comando([this] { CarregaPadraoInicial(modelo); });
}

void Form1::CriaDimensoes() {
    auto& f = modelo.Form1;
    auto* moldura = Moldura(superficie, "Frame6", "Dimensões", 3720, 120, 2895, 975);
    // Controles desenhados sobre a moldura: posições da janela menos a origem dela.
    constexpr double X0 = 3720, Y0 = 120;
    NovoRotulo(moldura, "Label30", "Base (cm)", 120, 240);
    NovoRotulo(moldura, "Label4", "Altura (cm)", 120, 550);
    tabela.Liga(NovaCaixa(moldura, "Text1", 4680 - X0, 360 - Y0, 615, 285), f.Text1,
                Filtro::Digitos);
    tabela.Liga(NovaCaixa(moldura, "Text2", 4680 - X0, 645 - Y0, 615, 285), f.Text2,
                Filtro::Digitos);
    auto* mais1 = NovoBotao(moldura, "Command16", "+", 5400 - X0, 360 - Y0, 375, 285);
    tabela.Liga(NovaCaixa(moldura, "Text31", 5760 - X0, 360 - Y0, 375, 285), f.Text31,
                Filtro::Digitos);
    auto* menos1 = NovoBotao(moldura, "Command13", "-", 6120 - X0, 360 - Y0, 375, 285);
    auto* mais2 = NovoBotao(moldura, "Command15", "+", 5400 - X0, 645 - Y0, 375, 285);
    tabela.Liga(NovaCaixa(moldura, "Text32", 5760 - X0, 645 - Y0, 375, 285), f.Text32,
                Filtro::Digitos);
    auto* menos2 = NovoBotao(moldura, "Command14", "-", 6120 - X0, 645 - Y0, 375, 285);

    using D = Dimensionamento;
    connect(mais1, &QPushButton::clicked, this, [this] { ComandoPasso(&D::Command16_Click); });
    connect(menos1, &QPushButton::clicked, this, [this] { ComandoPasso(&D::Command13_Click); });
    connect(mais2, &QPushButton::clicked, this, [this] { ComandoPasso(&D::Command15_Click); });
    connect(menos2, &QPushButton::clicked, this, [this] { ComandoPasso(&D::Command14_Click); });
}

void Form1::CriaArranjo() {
    auto* moldura = Moldura(superficie, "Frame7", "Arranjo", 3720, 1080, 2895, 615);
    NovoRotulo(moldura, "Label33", "Cobrimento(cm)", 120, 240);
    tabela.Liga(NovaCaixa(moldura, "Text4", 1320, 240, 495, 285), modelo.Form1.Text4,
                Filtro::DigitosPonto);
    QLabel* cm = NovoRotulo(moldura, "Label8", "cm", 1815, 255);
    cm->setIndent(3); // longe da borda da caixa
    cm->adjustSize();
}

void Form1::CriaEsforcos() {
    auto& f = modelo.Form1;
    auto* moldura =
        Moldura(superficie, "Frame8", "Esforços e Resistências", 3720, 1800, 3855, 1935);
    constexpr double X0 = 3720, Y0 = 1800;
    NovoRotulo(moldura, "Label34", "Md", 120, 360);
    NovoRotulo(moldura, "Label35", "Fck", 120, 720);
    NovoRotulo(moldura, "Label36", "Aço", 120, 1080);
    NovoRotulo(moldura, "Label10", "Es", 120, 1440);
    tabela.Liga(NovaCaixa(moldura, "Text17", 4200 - X0, 2160 - Y0, 975, 285), f.Text17,
                Filtro::DigitosPonto);
    tabela.Liga(
        NovaLista(moldura, "Combo5", 5280 - X0, 2160 - Y0, 1005, 315, ItensDe(ItensCombo5), false),
        f.Combo5, Filtro::Nenhum);
    tabela.Liga(NovaCaixa(moldura, "Text18", 4200 - X0, 2520 - Y0, 975, 285), f.Text18,
                Filtro::DigitosPonto);
    tabela.Liga(
        NovaLista(moldura, "Combo6", 5280 - X0, 2520 - Y0, 1005, 315, ItensDe(ItensTensao), false),
        f.Combo6, Filtro::Nenhum);
    tabela.Liga(
        NovaLista(moldura, "Combo1", 4200 - X0, 2880 - Y0, 2085, 315, ItensDe(ItensCombo1), false),
        f.Combo1, Filtro::Nenhum);
    tabela.Liga(NovaCaixa(moldura, "Text20", 4200 - X0, 3240 - Y0, 975, 285), f.Text20,
                Filtro::DigitosPonto);
    tabela.Liga(
        NovaLista(moldura, "Combo7", 5280 - X0, 3225 - Y0, 1005, 315, ItensDe(ItensTensao), false),
        f.Combo7, Filtro::Nenhum);
    // γc e γs: a letra grega em vez da fonte de símbolos.
    NovoRotulo(moldura, "Label11", "γ", 2640, 840);
    NovoRotulo(moldura, "Label12", "c", 2760, 885);
    tabela.Liga(NovaCaixa(moldura, "Text21", 6600 - X0, 2640 - Y0, 615, 285), f.Text21,
                Filtro::DigitosPonto);
    NovoRotulo(moldura, "Label14", "γ", 2640, 1200);
    NovoRotulo(moldura, "Label37", "s", 2745, 1200);
    tabela.Liga(NovaCaixa(moldura, "Text22", 6600 - X0, 3000 - Y0, 615, 285), f.Text22,
                Filtro::DigitosPonto);
    // Passo de Md entre "+" e "-", largo o bastante para 10000.
    auto* mais = NovoBotao(moldura, "Command4", "+", 2640, 120, 300, 525);
    tabela.Liga(NovaCaixa(moldura, "Text7", 2940, 360, 495, 285), f.Text7);
    auto* menos = NovoBotao(moldura, "Command5", "-", 3435, 120, 300, 525);

    using D = Dimensionamento;
    connect(mais, &QPushButton::clicked, this, [this] { ComandoPasso(&D::Command4_Click); });
    connect(menos, &QPushButton::clicked, this, [this] { ComandoPasso(&D::Command5_Click); });
}

void Form1::CriaOpcoesEscala() {
    auto& f = modelo.Form1;
    auto* opcoes = Moldura(superficie, "Frame4", "Opções", 7680, 2760, 2655, 855);
    tabela.Liga(NovaMarca(opcoes, "Check4", "Permitir domínio 4", 120, 240), f.Check4);
    tabela.Liga(NovaMarca(opcoes, "Check5", "Utilizar x máximo =", 120, 480), f.Check5);
    tabela.Liga(NovaCaixa(opcoes, "Text19", 1800, 480, 495, 285), f.Text19);
    NovoRotulo(opcoes, "Label28", ".d", 2400, 495);

    auto* escala = Moldura(superficie, "Frame2", "Escala", 9240, 120, 1095, 1695);
    NovoRotulo(escala, "Label21", "X", 120, 240);
    tabela.Liga(NovaCaixa(escala, "Text5", 360, 225, 615, 285), f.Text5, Filtro::DigitosPonto);
    NovoRotulo(escala, "Label22", "Y", 120, 615);
    tabela.Liga(NovaCaixa(escala, "Text6", 360, 600, 615, 285), f.Text6, Filtro::DigitosPonto);
    auto* automatica = NovaMarca(escala, "Check3", "Auto.", 120, 960);
    tabela.Liga(automatica, f.Check3);
    connect(automatica, &QCheckBox::clicked, this,
            [this] { Comando([this] { modelo.Check3_Click(); }); });
}

void Form1::CriaBitolas() {
    auto& f = modelo.Form1;
    auto* moldura = Moldura(superficie, "Frame3", "Bitolas", 120, 120, 3495, 4545);
    const QStringList bitolas = ListaBitolas(TabelaBitolas.size());

    NovoRotulo(moldura, "Label18", "Estribo", 120, 240);
    auto* estribo =
        NovaLista(moldura, "Combo3", 120, 480, 1575, 315, ListaBitolas(NumBitolasEstribo), true);
    tabela.Liga(estribo, f.Combo3);
    connect(estribo, &QComboBox::activated, this,
            [this] { Comando([this] { modelo.Combo3_Click(); }); });

    NovoRotulo(moldura, "Label26", "Negativas", 120, 840);
    const char* numerosNeg[] = {"Label27", "Label38", "Label39"};
    for (int i = 1; i <= 3; ++i) {
        const double topo = 1050 + 315 * (i - 1);
        auto* lista = NovaLista(moldura, Indice("Combo4", i), 120, topo, 1575, 315, bitolas, true);
        tabela.Liga(lista, f.Combo4[i]);
        connect(lista, &QComboBox::activated, this,
                [this, i] { Comando([this, i] { modelo.Combo4_Click(i); }); });
        NovoRotulo(moldura, numerosNeg[i - 1], QString::number(i), 1800, topo + 60);
        tabela.LigaResultado(NovaCaixa(moldura, Indice("Text3", i), 2040, topo, 615, 315),
                             f.Text3[i]);
    }

    NovoRotulo(moldura, "Label6", "Positivas", 120, 2040);
    // Camada 6 no alto, camada 1 (face tracionada) embaixo.
    const char* numerosPos[] = {"Label25",    "Label24",    "Label23(0)",
                                "Label23(2)", "Label23(3)", "Label23(4)"};
    for (int i = 6; i >= 1; --i) {
        const double topo = 2280 + 315 * (6 - i);
        auto* lista = NovaLista(moldura, Indice("Combo2", i), 120, topo, 1575, 315, bitolas, true);
        tabela.Liga(lista, f.Combo2[i]);
        connect(lista, &QComboBox::activated, this,
                [this, i] { Comando([this, i] { modelo.Combo2_Click(i); }); });
        NovoRotulo(moldura, numerosPos[i - 1], QString::number(i), 1800, topo + 60);
        tabela.LigaResultado(NovaCaixa(moldura, Indice("Text25", i), 2040, topo, 615, 315),
                             f.Text25[i]);
    }

    NovoRotulo(moldura, "Label20", "d' (cm)", 2160, 720);
    NovoRotulo(moldura, "Label46", "10%h", 2280, 300);
    tabela.LigaResultado(NovaCaixa(moldura, "Text30", 2760, 240, 615, 315), f.Text30);
    NovoRotulo(moldura, "Label44", "%h", 2962, 840);
    tabela.LigaResultado(NovaCaixa(moldura, "Text38", 2760, 1080, 615, 315), f.Text38);
    NovoRotulo(moldura, "Label42", "d'CG2", 2850, 1440);
    tabela.LigaResultado(NovaCaixa(moldura, "Text29", 2760, 1680, 615, 315), f.Text29);
    NovoRotulo(moldura, "Label51", "%h", 2880, 2880);
    tabela.LigaResultado(NovaCaixa(moldura, "Text36", 2760, 3240, 615, 315), f.Text36);
    NovoRotulo(moldura, "Label32", "d'CG 1", 2827, 3600);
    tabela.LigaResultado(NovaCaixa(moldura, "Text26", 2760, 3855, 615, 315), f.Text26);
    tabela.Liga(NovaMarca(moldura, "Check1", "Tranca bitola", 120, 4260, 1335, 195), f.Check1);
}

void Form1::CriaResultados() {
    auto& f = modelo.Form1;
    auto* moldura = Moldura(superficie, "Frame1", "Resultados", 120, 4665, 3495, 2775);
    QFont titulo("Comic Sans MS");
    titulo.setPointSizeF(12);
    titulo.setBold(true);
    moldura->setFont(titulo);

    NovoRotulo(moldura, "Label1", "CG", 915, 360);
    NovoRotulo(moldura, "Label2", "Real", 1815, 360);
    // Rótulos e filtros de cada linha do painel, na ordem de LinhasPainel.
    struct Posicao {
        const char* NomeRotulo;
        Filtro CG, Real;
        const char* NomeUnidade; // rótulo da unidade fixa, quando a linha tem
    };
    constexpr Filtro L = Filtro::Livre, N = Filtro::Nenhum;
    constexpr Posicao posicoes[] = {{"Label41", L, L, "Label40"}, {"Label3", N, L, "Label15"},
                                    {"Label31", L, L, nullptr},   {"Label5", N, N, "Label16"},
                                    {"Label7", N, N, nullptr},    {"Label9", N, N, "Label17"},
                                    {"Label13", N, N, "Label19"}};
    static_assert(std::size(posicoes) == LinhasPainel.size());
    for (std::size_t i = 0; i < LinhasPainel.size(); ++i) {
        const LinhaPainel& l = LinhasPainel[i];
        const Posicao& p = posicoes[i];
        const double topo = 585 + 285 * double(i);
        NovoRotulo(moldura, p.NomeRotulo, Q(l.Rotulo), 120, topo + 45);
        tabela.LigaResultado(NovaCaixa(moldura, Q(l.NomeCG), 600, topo, 855, 285), f.*l.CG, p.CG);
        tabela.LigaResultado(NovaCaixa(moldura, Q(l.NomeReal), 1560, topo, 855, 285), f.*l.Real,
                             p.Real);
        if (p.NomeUnidade) {
            QLabel* unidade = NovoRotulo(moldura, p.NomeUnidade, Q(l.Unidade), 2415, topo + 45);
            unidade->setIndent(4);
            unidade->adjustSize();
        }
    }
    // Como as outras unidades (mesmo topo e altura do texto), com largura para "Kgf.mm".
    auto* unidadeMrd = NovoRotulo(moldura, "Label29", "Kgf.mm", 2415, 1155 + 45);
    unidadeMrd->setIndent(4);
    unidadeMrd->resize(px(1005), unidadeMrd->sizeHint().height());
    tabela.Liga(unidadeMrd, f.Label29);

    tabela.LigaResultado(NovaCaixa(superficie, "Text34", 120, 7500, 3495, 375), f.Text34);
}

void Form1::CriaNormaVerificacoes() {
    auto& f = modelo.Form1;
    auto* rotulo = NovoRotulo(superficie, "Label47", "&Norma", 120, 8760);
    auto* lista =
        NovaLista(superficie, "ComboNorma", 120, 9000, 2085, 315, ItensDe(ItensNorma), false);
    rotulo->setBuddy(lista);
    tabela.Liga(lista, f.ComboNorma, Filtro::Nenhum);

    // Uma linha por verificação da norma, só leitura, fora da cadeia do Tab.
    auto* verificacoes = Moldura(superficie, "Frame10", "Verificações", 3720, 8640, 7740, 2475);
    for (int i = 1; i < int(f.TextVerificacao.size()); ++i) {
        auto* linha = NovaCaixa(verificacoes, Indice("TextVerificacao", i), 120,
                                255 + 270 * (i - 1), 7500, 270);
        linha->setReadOnly(true);
        tabela.LigaResultado(linha, f.TextVerificacao[i]);
    }
}

void Form1::CriaBotoes() {
    Command1 = NovoBotao(superficie, "Command1", "&Calcula", 6840, 120, 1335, 660);
    Command1->setDefault(true);
    auto* sai = NovoBotao(superficie, "Command6", "&Sai", 8175, 120, 735, 660);
    auto* tira = NovoBotao(superficie, "Command3", "&Tira 1 barra", 6840, 780, 2055, 375);
    auto* carrega = NovoBotao(superficie, "Command7", "Ca&rrega padrão", 6840, 1155, 1095, 660);
    // Alt+A é do menu "&Arquivo": o botão fica com Alt+L.
    auto* salva = NovoBotao(superficie, "Command2", "Sa&lva padrão", 7935, 1155, 975, 660);
    auto* exporta = NovoBotao(superficie, "Command8", "&Exporta dados", 7680, 1920, 2655, 735);

    connect(Command1, &QPushButton::clicked, this,
            [this] { Comando([this] { modelo.Command1_Click(); }); });
    connect(sai, &QPushButton::clicked, this, &QWidget::close);
    connect(tira, &QPushButton::clicked, this,
            [this] { Comando([this] { modelo.Command3_Click(); }); });
    connect(carrega, &QPushButton::clicked, this,
            [this] { Comando([this] { AbreArquivo(modelo, ArquivoPadrao); }); });
    connect(salva, &QPushButton::clicked, this,
            [this] { Comando([this] { GravaArquivo(modelo, ArquivoPadrao); }); });
    connect(exporta, &QPushButton::clicked, this, [this] { Comando([this] { modelo.Rapida(); }); });
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
    acao(arquivo, "mnuItemload", "&Abrir arquivo...", [this] { ComArquivo(true, AbreArquivo); });
    acao(arquivo, "mnuItemCarregpadr", "Carre&gar valores padrões",
         [this] { Comando([this] { CarregaArquivo(modelo, ArquivoPadrao); }); });
    acao(arquivo, "mnuItemSave", "&Salvar como...", [this] { ComArquivo(false, GravaArquivo); });
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
    QMenu* ajuda = menuBar()->addMenu("Aj&uda");
    ajuda->setObjectName("mnuAjuda");
    acao(ajuda, "mnuItemAbout", "S&obre...", [this] { Sobre(); });
}

void Form1::OrdemDoTab() {
    // Ordem de leitura: dimensões, bitolas, esforços, opções e escala, botões.
    const char* ordem[] = {
        "Text1",     "Command16", "Text31",    "Command13", "Text2",      "Command15", "Text32",
        "Command14", "Text4",     "Combo3",    "Combo4(1)", "Combo4(2)",  "Combo4(3)", "Combo2(6)",
        "Combo2(5)", "Combo2(4)", "Combo2(3)", "Combo2(2)", "Combo2(1)",  "Check1",    "Text17",
        "Combo5",    "Command4",  "Text7",     "Command5",  "Text18",     "Combo6",    "Text21",
        "Combo1",    "Text22",    "Text20",    "Combo7",    "ComboNorma", "Check4",    "Check5",
        "Text19",    "Text5",     "Text6",     "Check3",    "Command1",   "Command6",  "Command3",
        "Command7",  "Command2",  "Command8"};
    QWidget* anterior = nullptr;
    for (const char* nome : ordem) {
        auto* w = superficie->findChild<QWidget*>(nome);
        if (anterior) setTabOrder(anterior, w);
        anterior = w;
    }
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
    superficie->update();
}

void Form1::ObservaTeclas() {
    auto* filtro = new FiltroTeclas(
        tabela, Command1, [this] { Bipa(); }, this);
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
    for (QAction* a : acoesDoCalculo) a->setEnabled(modelo.HaResultados);
    MarcaDesatualizado();
    if (!modelo.Estado.empty()) {
        statusBar()->showMessage(QString::fromStdString(modelo.Estado));
        modelo.Estado.clear();
    }
    if (!modelo.Form2.Visivel) return;
    if (!form2) {
        form2 = new Form2(this);
        form2->Liga(tabela, modelo.Form2);
        tabela.DoModelo();
    }
    form2->AjustaAoTexto();
    MostraModal(*form2);
    modelo.Form2.Visivel = false;
}

void Form1::ComandoPasso(void (Dimensionamento::*Passo)()) {
    tabela.ParaModelo();
    Executa([this, Passo] { (modelo.*Passo)(); });
    if (modelo.PassoRecusado) Bipa(); // caixa sem número: nada mudou, nada calculou
    Atualiza();
}

void Form1::Bipa() {
    emit Bipou();
    QApplication::beep();
}

void Form1::ComArquivo(bool Abrir, void (*Nucleo)(Dimensionamento&, const std::string&)) {
    const std::string nome = PedeArquivo(Abrir).toStdString();
    Comando([this, nome, Nucleo] { Nucleo(modelo, nome); });
}

void Form1::Sobre() {
    if (!form6) form6 = new Form6(this);
    MostraModal(*form6);
}

void Form1::Outros() {
    tabela.ParaModelo();
    if (!form8) {
        form8 = new Form8(this);
        form8->Liga(tabela, modelo.Form8);
        tabela.DoModelo();
        // "&Voltar" confere as caixas; com um valor inválido o diálogo fica aberto.
        connect(form8->Command1, &QPushButton::clicked, this, [this] {
            tabela.ParaModelo();
            if (modelo.Form8_Voltar()) form8->accept();
            Atualiza();
        });
    }
    MostraModal(*form8);
    tabela.ParaModelo();
    MarcaDesatualizado();
}

void Form1::CopiarResultados() {
    if (!modelo.HaResultados) return;
    QApplication::clipboard()->setText(QString::fromStdString(TextoPainelTabulado(modelo)));
}

void Form1::AvisaFalha(const QString& Nome) {
    modelo.MostraErro(Junta("O arquivo \"", Nome.toStdString(), "\" não pôde ser gravado."),
                      "Verifique a pasta e as permissões.");
    Atualiza();
}

QString Form1::PedeArquivoSaida(const QString& Titulo, const QString& Filtros) {
    return QFileDialog::getSaveFileName(this, Titulo, {}, Filtros);
}

int Form1::PedeResolucao() {
    bool ok = false;
    const int dpi = QInputDialog::getInt(this, "Exportar desenho",
                                         "Resolução (pontos por polegada):", 300, 72, 2400, 1, &ok);
    return ok ? dpi : 0;
}

bool Form1::PedeImpressora(QPrinter& Impressora) {
    QPrintDialog dialogo(&Impressora, this);
    return dialogo.exec() == QDialog::Accepted;
}

void Form1::MostraModal(QDialog& Dialogo) {
    Dialogo.exec();
}

QString Form1::PedeArquivo(bool Abrir) {
    const QString filtro = "Arquivos de texto (*.txt *.TXT *.Txt);;Todos os arquivos (*)";
    return Abrir ? QFileDialog::getOpenFileName(this, {}, {}, filtro)
                 : QFileDialog::getSaveFileName(this, {}, {}, filtro);
}

void Form1::showEvent(QShowEvent* Evento) {
    QMainWindow::showEvent(Evento);
    if (centrada) return;
    centrada = true;
    if (const QScreen* tela = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(tela->availableGeometry().center());
        move(r.topLeft());
    }
}

} // namespace lumbrio::janela
