// Diálogos "Mensagem de erro", "Sobre", "Outros valores" e "Identificação do
// relatório", e os diálogos padrão dos pedidos da janela.
#include "Dialogos.h"

#include "Componentes.h"
#include "Dicas.h"
#include "Geometria.h"

#include "lumbrio/Versao.h"
#include "output/Relatorio.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QSettings>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

namespace lumbrio::janela {

namespace {

void PreparaDialogo(QDialog* d, const QString& Nome, const QString& Titulo, double Largura,
                    double Altura) {
    AplicaFontePadrao(d);
    d->setObjectName(Nome);
    d->setWindowTitle(Titulo);
    d->setModal(true);
    d->setFixedSize(px(Largura), px(Altura));
}
} // namespace

Form2::Form2(QWidget* Pai) : QDialog(Pai) {
    PreparaDialogo(this, "Form2", "Mensagem de erro", 9960, 4890);
    Label1 = NovoRotulo(this, "Label1", {}, 600, 480, 8775, 2175);
    QFont grande = font();
    grande.setPointSizeF(13.5);
    Label1->setFont(grande);
    Label2 = NovoRotulo(this, "Label2", {}, 600, 3120, 3615, 375);
    Command1 = NovoBotao(this, "Command1", "Continuar", 4680, 3960, 1335, 615);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void Form2::AjustaAoTexto() {
    // Largura da mensagem até a da janela de projeto; altura das linhas que ela ocupa.
    const int largura =
        std::min(px(8775), Label1->fontMetrics().horizontalAdvance(Label1->text()) + 4);
    const int largura2 =
        std::min(px(8775), Label2->fontMetrics().horizontalAdvance(Label2->text()) + 4);
    const int x = px(600), util = std::max({largura, largura2, Command1->width()});
    Label1->setGeometry(x, px(480), util, Label1->heightForWidth(util));
    int y = Label1->geometry().bottom() + px(300);
    Label2->setGeometry(x, y, util, Label2->text().isEmpty() ? 0 : Label2->heightForWidth(util));
    y = Label2->geometry().bottom() + px(300);
    Command1->move(x + (util - Command1->width()) / 2, y);
    setFixedSize(util + 2 * x, Command1->geometry().bottom() + px(315));
}

void Form2::Liga(TabelaLigacoes& Tabela, ControlesForm2& Controles) {
    Tabela.Liga(Label1, Controles.Label1);
    Tabela.Liga(Label2, Controles.Label2);
}

Form6::Form6(QWidget* Pai) : QDialog(Pai) {
    PreparaDialogo(this, "Form6", "Sobre", 7275, 4050);
    auto* titulo = NovoRotulo(this, "Label1", "Programa Lumbrio", 1710, 120, 3300, 390);
    QFont grande = font(); // a família da janela: a de projeto nem sempre existe
    grande.setPointSizeF(14.25);
    titulo->setFont(grande);
    titulo->setWordWrap(false);
    NovoRotulo(this, "Label2",
               "Este programa verifica a regra do item 17.2.4.1 da NBR 6118:2003, que permite "
               "considerar os esforços da armadura de uma viga concentrados no seu centro de "
               "gravidade enquanto a distância desse centro à barra mais afastada da linha "
               "neutra não passar de 10 % da altura da seção. Dimensiona à flexão a seção "
               "retangular de concreto armado pela NBR 6118:2003 ou, à escolha, pela NBR "
               "6118:2023, e compara os dois modelos: CG, com as barras no centro de gravidade, "
               "e Real, com cada camada na sua profundidade. Com as barras colocadas, confere "
               "as verificações da norma, os estribos para a força cortante e a abertura de "
               "fissuras camada a camada.",
               240, 690, 6765, 2205);
    // Linha única até o botão "&Voltar".
    NovoRotulo(this, "Label3(0)", "Lumbrio — dimensionamento de vigas de concreto armado", 240,
               3270, 5340, 285)
        ->setWordWrap(false);
    NovoRotulo(this, "Label3(1)", QString("Versão %1 — 2026 — Licença MIT").arg(VersaoLumbrio), 240,
               3600, 5340, 285)
        ->setWordWrap(false);
    Command1 = NovoBotao(this, "Command1", "&Voltar", 5670, 3270, 1335, 615);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

Form8::Form8(QWidget* Pai) : QDialog(Pai) {
    PreparaDialogo(this, "Form8", "Outros valores", 5940, 4650);
    // Três linhas centradas na altura da caixa Text2.
    NovoRotulo(this, "Label3", "Diâmetro máximo do agregado graúdo (cm)", 240, 435, 1650, 630)
        ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Text2 = NovaCaixa(this, "Text2", 1950, 675, 975, 285);
    NovoRotulo(this, "Label6", "PrecisãoM (Kgf.cm)", 240, 1080);
    Text3 = NovaCaixa(this, "Text3", 1950, 1035, 975, 285);
    NovoRotulo(this, "Label2", "PrecisãoN (Kgf)", 240, 1410);
    Text1 = NovaCaixa(this, "Text1", 1950, 1365, 975, 285);
    Check1[0] = NovaMarca(this, "Check1(0)", "Espaçamento mínimo entre barras na horizontal (cm)",
                          240, 1770, 2355, 405);
    Text4[0] = NovaCaixa(this, "Text4(0)", 2640, 1830, 975, 285);
    Check1[1] = NovaMarca(this, "Check1(1)", "Espaçamento mínimo entre barras na vertical (cm)",
                          240, 2190, 2355, 405);
    Text4[1] = NovaCaixa(this, "Text4(1)", 2640, 2250, 975, 285);
    NovoRotulo(this, "Label4", "Espaçamento mínimo dos estribos (cm)", 240, 2745);
    Text5 = NovaCaixa(this, "Text5", 2640, 2700, 975, 285);
    NovoRotulo(this, "Label1",
               "OBS: Valores muito alto ou muito baixo de precisão podem causar travamento do "
               "programa. O valor padrão é de 0,0001",
               240, 3600, 2775, 855);
    // "&Voltar", Esc e a caixa de fechar conferem as caixas pelo núcleo (Form1).
    Command1 = NovoBotao(this, "Command1", "&Voltar", 3960, 3720, 1335, 495);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form8::accept);
    // O que cada valor é (a dica das caixas junta o aviso do momento a isto).
    const std::pair<QWidget*, const char*> dicas[] = {
        {Text2, "Entra nos espaçamentos mínimos entre barras (1,2 vez o diâmetro na "
                "horizontal, 0,5 vez na vertical)."},
        {Text3, "Tolerância de momento das buscas de equilíbrio (kgf·cm)."},
        {Text1, "Tolerância de força das buscas de equilíbrio: |Rc − Rst| aceito (kgf)."},
        {Check1[0], "Marcado: o espaçamento livre horizontal também não fica abaixo do valor "
                    "ao lado."},
        {Text4[0], "Mínimo do usuário para o espaçamento livre entre barras de uma camada (cm)."},
        {Check1[1], "Marcado: o espaçamento livre vertical também não fica abaixo do valor ao "
                    "lado."},
        {Text4[1], "Mínimo do usuário para o espaçamento livre entre camadas (cm)."},
        {Text5, "Abaixo dele a cortante pede outra bitola ou mais ramos: espaço para o "
                "vibrador (item 18.3.3.2). 0: sem mínimo."}};
    for (const auto& [w, dica] : dicas)
        if (qobject_cast<QLineEdit*>(w))
            w->setProperty("explica", QString(dica));
        else
            w->setToolTip(dica);
}

void Form8::accept() {
    if (Confere && !Confere()) return;
    if (controles) LembraEspacamentoDosEstribos(*controles, true);
    QDialog::accept();
}

void Form8::reject() {
    if (Confere && !Confere()) return;
    if (controles) LembraEspacamentoDosEstribos(*controles, true);
    QDialog::reject();
}

void LembraEspacamentoDosEstribos(ControlesForm8& Controles, bool Grava) {
    QSettings config("Lumbrio", "Lumbrio");
    const QString chave = "outros/espacamentoMinimoEstribos";
    if (Grava)
        config.setValue(chave, QString::fromStdString(Controles.Text5.Text));
    else if (config.contains(chave))
        Controles.Text5.Text = config.value(chave).toString().toStdString();
}

void Form8::Liga(TabelaLigacoes& Tabela, ControlesForm8& Controles) {
    // Números com "." ou com a vírgula do teclado brasileiro, que vira ponto.
    Tabela.Liga(Text2, Controles.Text2, Filtro::Decimal);
    Tabela.Liga(Text3, Controles.Text3, Filtro::Decimal);
    Tabela.Liga(Text1, Controles.Text1, Filtro::Decimal);
    for (int i = 0; i < 2; ++i) {
        Tabela.Liga(Check1[i], Controles.Check1[i]);
        Tabela.Liga(Text4[i], Controles.Text4[i], Filtro::Decimal);
    }
    Tabela.Liga(Text5, Controles.Text5, Filtro::Decimal);
    controles = &Controles;
}

bool PedeFichaDoRelatorio(QWidget* Pai, FichaDoProjeto& Ficha) {
    // Lembrada entre as execuções nas configurações do usuário, não no arquivo de valores.
    QSettings config("Lumbrio", "Lumbrio");
    QDialog dialogo(Pai);
    dialogo.setObjectName("FichaDoRelatorio");
    dialogo.setWindowTitle("Identificação do relatório");
    auto* forma = new QFormLayout(&dialogo);
    const std::pair<const char*, std::string*> campos[] = {
        {"Obra", &Ficha.Obra},
        {"Elemento", &Ficha.Elemento},
        {"Responsável técnico", &Ficha.Responsavel},
        {"Registro (CREA)", &Ficha.Registro}};
    std::vector<QLineEdit*> caixas;
    for (const auto& [rotulo, valor] : campos) {
        auto* caixa = new QLineEdit(config.value(QString("relatorio/") + rotulo).toString());
        caixa->setMinimumWidth(320);
        forma->addRow(rotulo, caixa);
        caixas.push_back(caixa);
    }
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    forma->addRow(botoes);
    QObject::connect(botoes, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(botoes, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    if (dialogo.exec() != QDialog::Accepted) return false;
    for (std::size_t i = 0; i < caixas.size(); ++i) {
        const QString t = caixas[i]->text().trimmed();
        config.setValue(QString("relatorio/") + campos[i].first, t);
        *campos[i].second = t.toStdString();
    }
    return true;
}

QString PedeArquivoDeValores(QWidget* Pai, bool Abrir) {
    const QString filtro = "Arquivos de texto (*.txt *.TXT *.Txt);;Todos os arquivos (*)";
    // Substituir um arquivo é perguntado pelo nome final, com a extensão: não aqui.
    return Abrir ? QFileDialog::getOpenFileName(Pai, {}, {}, filtro)
                 : QFileDialog::getSaveFileName(Pai, {}, {}, filtro, nullptr,
                                                QFileDialog::DontConfirmOverwrite);
}

QString PedeArquivoDeSaida(QWidget* Pai, const QString& Titulo, const QString& Filtros,
                           QString& Filtro) {
    // Na pasta de trabalho (a do Padrão.txt), com um nome sugerido.
    const QString nome = Filtros.startsWith("PDF") ? "relatório.pdf" : "desenho.svg";
    return QFileDialog::getSaveFileName(Pai, Titulo, QDir::current().filePath(nome), Filtros,
                                        &Filtro, QFileDialog::DontConfirmOverwrite);
}

bool PerguntaSeSubstitui(QWidget* Pai, const QString& Nome,
                         const std::function<void(QDialog&)>& Mostra) {
    QMessageBox pergunta(
        QMessageBox::Warning, "Aviso",
        QString("O arquivo \"%1\" já existe. Substituí-lo?").arg(QFileInfo(Nome).fileName()),
        QMessageBox::NoButton, Pai);
    pergunta.setObjectName("ConfirmaSubstituicao");
    pergunta.setInformativeText("O conteúdo atual dele será perdido.");
    QPushButton* substitui = pergunta.addButton("&Substituir", QMessageBox::AcceptRole);
    pergunta.setDefaultButton(pergunta.addButton("&Cancelar", QMessageBox::RejectRole));
    Mostra(pergunta);
    return pergunta.clickedButton() == substitui;
}

QDialog* NovaAjuda(QWidget* Pai) {
    auto* d = new QDialog(Pai);
    d->setObjectName("Ajuda");
    d->setWindowTitle("Ajuda do Lumbrio");
    auto* texto = new QTextBrowser(d);
    texto->setObjectName("TextoAjuda");
    texto->setHtml(PaginaDeAjuda());
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Close, d);
    QObject::connect(botoes, &QDialogButtonBox::rejected, d, &QDialog::close);
    auto* layout = new QVBoxLayout(d);
    layout->addWidget(texto);
    layout->addWidget(botoes);
    d->resize(720, 600);
    return d;
}

int PerguntaSeSalvaAlteracoes(QWidget* Pai, const QString& Nome,
                              const std::function<void(QDialog&)>& Mostra) {
    QMessageBox pergunta(QMessageBox::Warning, "Aviso",
                         Nome.isEmpty() ? QString("Salvar os valores num arquivo antes de sair?")
                                        : QString("Salvar as alterações em \"%1\" antes de sair?")
                                              .arg(QFileInfo(Nome).fileName()),
                         QMessageBox::NoButton, Pai);
    pergunta.setObjectName("PerguntaSeSalva");
    pergunta.setInformativeText("Sem salvar, as mudanças nos valores serão perdidas.");
    QPushButton* botoes[] = {pergunta.addButton("&Salvar", QMessageBox::AcceptRole),
                             pergunta.addButton("&Não salvar", QMessageBox::DestructiveRole),
                             pergunta.addButton("&Cancelar", QMessageBox::RejectRole)};
    pergunta.setDefaultButton(botoes[0]);
    pergunta.setEscapeButton(botoes[2]);
    Mostra(pergunta);
    const auto i = std::ranges::find(botoes, pergunta.clickedButton());
    return i == std::end(botoes) ? 2 : int(i - std::begin(botoes));
}

int PedeResolucaoDoPng(QWidget* Pai) {
    bool ok = false;
    const int dpi = QInputDialog::getInt(Pai, "Exportar desenho",
                                         "Resolução (pontos por polegada):", 300, 72, 2400, 1, &ok);
    return ok ? dpi : 0;
}

bool EscolheImpressora(QWidget* Pai, QPrinter& Impressora) {
    QPrintDialog dialogo(&Impressora, Pai);
    return dialogo.exec() == QDialog::Accepted;
}

} // namespace lumbrio::janela
