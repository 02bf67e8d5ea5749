// Testes da janela: filtro de teclas, diálogos modais com vigia, ligação dos widgets
// ao modelo, exportações e pintura. O que o núcleo decide fica nos testes do núcleo.
#include "Form1.h"
#include "Ligacoes.h"
#include "output/Comparacao.h"
#include "output/Painel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

using lumbrio::Primitiva;
using lumbrio::janela::Form1;

namespace {

// Janela com os diálogos modais e os pedidos ao usuário sob controle do teste.
class JanelaDeTeste : public Form1 {
  public:
    // Roda com o diálogo já mostrado; nulo: o diálogo nem é mostrado.
    std::function<void(QDialog&)> AoMostrar;
    QStringList Mostrados;
    QString ArquivoEscolhido;
    int Resolucao = 0; // resposta ao pedido de resolução do PNG
    int ImpressorasPedidas = 0;
    bool Travou = false; // o diálogo não se escondeu sozinho

  protected:
    void MostraModal(QDialog& Dialogo) override {
        Mostrados << Dialogo.objectName();
        if (!AoMostrar) return;
        QTimer::singleShot(0, &Dialogo, [this, &Dialogo] { AoMostrar(Dialogo); });
        QTimer::singleShot(5000, &Dialogo, [this, &Dialogo] { // vigia
            if (!Dialogo.isVisible()) return;
            Travou = true;
            Dialogo.done(0);
        });
        Form1::MostraModal(Dialogo);
    }
    QString PedeArquivo(bool) override { return ArquivoEscolhido; }
    QString PedeArquivoSaida(const QString&, const QString&) override { return ArquivoEscolhido; }
    int PedeResolucao() override { return Resolucao; }
    bool PedeImpressora(QPrinter&) override { return ++ImpressorasPedidas < 0; } // conta e cancela
};

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

template <class T> T* Controle(QObject* Pai, const QString& Nome) {
    T* w = Pai->findChild<T*>(Nome);
    if (!w) qFatal("controle %s não encontrado", qPrintable(Nome));
    return w;
}

// Critérios de cor de um pixel.
struct Tinta {
    static bool Vermelho(QColor c) { return c.red() > 200 && c.green() < 160 && c.blue() < 160; }
    static bool Verde(QColor c) { return c.green() > 200 && c.red() < 160 && c.blue() < 160; }
    static bool Escuro(QColor c) { return c.red() < 150 && c.green() < 150 && c.blue() < 150; }
    static bool Branco(QColor c) { return c == QColor(Qt::white); }
};
using Criterio = bool (*)(QColor);

// Procura, no pixel do ponto (twips, a partir de Origem) e nos oito vizinhos, uma cor
// que atenda ao critério: o antisserrilhado espalha uma linha de 1 pixel por dois.
bool CorPerto(const QImage& Imagem, QPointF Twips, Criterio C, double TwipsPorPixel = 15,
              QPointF Origem = {}) {
    const QPointF p = (Twips - Origem) / TwipsPorPixel;
    const int cx = int(std::floor(p.x() + 0.5)), cy = int(std::floor(p.y() + 0.5));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (Imagem.valid(cx + dx, cy + dy) && C(Imagem.pixelColor(cx + dx, cy + dy)))
                return true;
    return false;
}

} // namespace

class TestaJanela : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> pasta;
    QString pastaAnterior;
    std::unique_ptr<JanelaDeTeste> janela;

    QWidget* Area() { return janela->centralWidget(); }
    QLineEdit* Caixa(const QString& Nome) { return Controle<QLineEdit>(Area(), Nome); }
    QComboBox* Combo(const QString& Nome) { return Controle<QComboBox>(Area(), Nome); }
    QCheckBox* Marca(const QString& Nome) { return Controle<QCheckBox>(Area(), Nome); }
    QPushButton* Botao(const QString& Nome) { return Controle<QPushButton>(Area(), Nome); }
    QAction* Menu(const QString& Nome) { return Controle<QAction>(janela.get(), Nome); }
    void NovaJanela() {
        janela = std::make_unique<JanelaDeTeste>();
        janela->show();
    }

  private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }

    // Cada teste numa pasta temporária vazia, onde ficam Padrão.txt e resulta.txt.
    void init() {
        pasta = std::make_unique<QTemporaryDir>();
        QVERIFY(pasta->isValid());
        pastaAnterior = QDir::currentPath();
        QDir::setCurrent(pasta->path());
        NovaJanela();
    }

    void cleanup() {
        janela.reset();
        QDir::setCurrent(pastaAnterior);
        pasta.reset();
    }

    // Também sob pt_BR (janela_virgula): o painel segue o modelo com o separador do sistema.
    void calcula_usa_o_separador_decimal_do_sistema() {
        const QString esperado = qEnvironmentVariable("LUMBRIO_SEPARADOR_ESPERADO", ".");
        QCOMPARE(QLocale::system().decimalPoint(), esperado);
        QCOMPARE(Area()->size(), QSize(770, 573));                       // 11550 × 8595 twips
        QCOMPARE(Caixa("Text17")->geometry().topLeft(), QPoint(32, 24)); // (4200, 2160) − moldura
        QVERIFY(!Combo("Combo5")->isEditable() && Combo("Combo4(2)")->isEditable());
        QVERIFY(Caixa("Text8")->text().isEmpty() && janela->Modelo().Desenho.empty());
        Botao("Command1")->click();
        const auto& f = janela->Modelo().Form1;
        QVERIFY(!f.Text8.Text.empty() && janela->Mostrados.isEmpty());
        for (const lumbrio::LinhaPainel& l : lumbrio::LinhasPainel) {
            QCOMPARE(Caixa(Q(l.NomeCG))->text(), Q((f.*l.CG).Text));
            QCOMPARE(Caixa(Q(l.NomeReal))->text(), Q((f.*l.Real).Text));
        }
        QCOMPARE(Controle<QLabel>(Area(), "Label29")->text(), QString("KN.cm"));
        QVERIFY2(Caixa("Text9")->text().contains(esperado), qPrintable(Caixa("Text9")->text()));
    }

    void filtro_de_teclas() {
        struct Caso {
            const char *Caixa, *Texto, *Antes, *Depois;
            int Tecla, Bipes;
        } const casos[] = {
            {"Text17", ",", "100", "100", Qt::Key_Comma, 1},   // vírgula em Md bipa
            {"Text17", ".", "100", "100.", Qt::Key_Period, 0}, // ponto em Md entra
            {"Text1", ".", "20", "20", Qt::Key_Period, 1},     // ponto na base bipa
            {"Text32", " ", "1", "1", Qt::Key_Space, 1},       // espaço no passo da altura
            {"Text8", "1", "", "", Qt::Key_1, 1},              // dígito em As (resultado)
            {"Text9", "\b", "12", "12", Qt::Key_Backspace, 1},
            {"Text1", "\b", "20", "2", Qt::Key_Backspace, 0},
            {"Text13", "\x7f", "12", "2", Qt::Key_Delete, 0}, // Delete não é filtrado
            {"Text23", "a", "", "a", Qt::Key_A, 0},           // Mrd é livre
            {"Text7", ",", "1", "1,", Qt::Key_Comma, 0},      // passo de Md é livre
        };
        for (const Caso& c : casos) {
            QLineEdit* caixa = Caixa(c.Caixa);
            caixa->setText(c.Antes);
            caixa->setCursorPosition(c.Tecla == Qt::Key_Delete ? 0 : int(strlen(c.Antes)));
            QSignalSpy bipou(janela.get(), &Form1::Bipou);
            QKeyEvent evento(QEvent::KeyPress, c.Tecla, Qt::NoModifier, c.Texto);
            QApplication::sendEvent(caixa, &evento);
            const QByteArray caso = QByteArray(c.Caixa) + " " + c.Texto;
            QVERIFY2(caixa->text() == c.Depois, caso.data());
            QVERIFY2(bipou.count() == c.Bipes, caso.data());
        }
    }

    void teclas_da_lista_passo_enter_e_marca_auto() {
        QSignalSpy bipou(janela.get(), &Form1::Bipou);
        QTest::keyClick(Combo("Combo5"), 'k'); // lista de unidades recusa digitação
        QCOMPARE(Combo("Combo5")->currentText(), QString("KN.cm"));
        QCOMPARE(bipou.count(), 1);
        Caixa("Text1")->clear();
        Botao("Command16")->click(); // passo sem número: bipa, nada muda, nada calcula
        QVERIFY(Caixa("Text1")->text().isEmpty() && Caixa("Text8")->text().isEmpty());
        QCOMPARE(bipou.count(), 2);
        Caixa("Text1")->setText("20");
        QTest::mouseClick(Marca("Check3"), Qt::LeftButton, {}, QPoint(6, 8)); // "Auto." solta
        QVERIFY(Caixa("Text5")->isEnabled() && Caixa("Text6")->isEnabled());
        QTest::keyClick(Caixa("Text18"), Qt::Key_Return); // Enter numa caixa calcula
        QVERIFY(!Caixa("Text8")->text().isEmpty());
        QTest::keyClick(Botao("Command6"), Qt::Key_Return); // Enter em "&Sai" fecha
        QVERIFY(!janela->isVisible());
    }

    // Recusa: o diálogo mostra a mensagem; "Continuar" ou fechar o esconde (o vigia
    // fecha o que ficar aberto) e a janela segue sem resultados nem itens de relatório.
    void erro_mostra_o_dialogo_e_continuar_o_esconde() {
        Caixa("Text19")->setText("2"); // x máximo fora de 0 a 1
        QString mensagem;
        janela->AoMostrar = [&mensagem](QDialog& d) {
            mensagem = Controle<QLabel>(&d, "Label1")->text();
            Controle<QPushButton>(&d, "Command1")->click(); // "Continuar"
        };
        Botao("Command1")->click();
        QCOMPARE(mensagem, QString("xMáximo deve estar entre 0 e 1 .d"));
        janela->AoMostrar = [](QDialog& d) { d.close(); };
        Botao("Command1")->click();
        QCOMPARE(janela->Mostrados, (QStringList{"Form2", "Form2"}));
        QVERIFY(!janela->Travou && janela->isVisible() && !janela->Modelo().Form2.Visivel);
        QVERIFY(Caixa("Text8")->text().isEmpty() && !Menu("mnuItemImprimir")->isEnabled());
    }

    void outros_valores_e_o_mesmo_dialogo_e_o_padrao_volta_na_partida() {
        janela->AoMostrar = [](QDialog& d) {
            Controle<QLineEdit>(&d, "Text3")->setText("250");
            Controle<QPushButton>(&d, "Command1")->click(); // "&Voltar"
        };
        Menu("mnuItemPrecisao")->trigger();
        QString reaberto;
        janela->AoMostrar = [&](QDialog& d) { // o mesmo diálogo, com o valor dado
            reaberto = Controle<QLineEdit>(&d, "Text3")->text();
            d.close();
        };
        Menu("mnuItemPrecisao")->trigger();
        QVERIFY(!janela->Travou);
        QCOMPARE(janela->Mostrados, (QStringList{"Form8", "Form8"}));
        QCOMPARE(reaberto, QString("250"));
        Caixa("Text1")->setText("33");
        Menu("mnuItemSaveDefault")->trigger();
        NovaJanela(); // carrega Padrão.txt sem calcular
        QCOMPARE(Caixa("Text1")->text(), QString("33"));
        QCOMPARE(janela->Modelo().Form8.Text3.Text, std::string("250"));
        QVERIFY(Caixa("Text8")->text().isEmpty());
    }

    // Ida e volta da tabela de ligações: texto, cor de alerta, habilitação, sem sinais.
    void ligacao_pinta_o_alerta_e_volta_ao_normal_sem_sinais() {
        lumbrio::CaixaTexto caixa{"12.50"};
        lumbrio::Lista lista{"40 mm"};
        QLineEdit edicao;
        QComboBox combo;
        combo.setEditable(true);
        combo.addItems({"5 mm", "40 mm"});
        lumbrio::janela::TabelaLigacoes tabela;
        tabela.Liga(&edicao, caixa);
        tabela.Liga(&combo, lista);
        QSignalSpy mudou(&combo, &QComboBox::currentIndexChanged);
        const QColor normal = edicao.palette().color(QPalette::Active, QPalette::Base);
        caixa.BackColor = lista.BackColor = lumbrio::Cor::Alerta;
        tabela.DoModelo();
        QVERIFY(edicao.text() == "12.50" && combo.currentText() == "40 mm");
        QCOMPARE(edicao.palette().color(QPalette::Base), QColor(128, 0, 0));
        QCOMPARE(combo.palette().color(QPalette::Base), QColor(128, 0, 0));
        caixa.BackColor = lumbrio::Cor::Normal;
        caixa.Enabled = false;
        tabela.DoModelo();
        QCOMPARE(edicao.palette().color(QPalette::Active, QPalette::Base), normal);
        QVERIFY(!edicao.isEnabled());
        QCOMPARE(mudou.count(), 0); // texto posto pelo programa não é uma escolha
        combo.setEditText("texto fora da lista");
        tabela.ParaModelo();
        QCOMPARE(lista.Text, std::string("texto fora da lista"));
    }

    // De ponta a ponta: armadura dupla, %h acima de 10 e Mrd Real abaixo de Md.
    void relatorio_pdf_com_os_numeros_do_painel() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) não está instalado");
        Caixa("Text17")->setText("25000");
        for (int i = 1; i <= 6; ++i)
            Combo(QString("Combo2(%1)").arg(i))->setEditText("20 mm (3/4'')");
        for (int i = 1; i <= 3; ++i)
            Combo(QString("Combo4(%1)").arg(i))->setEditText("16 mm (5/8'')");
        Botao("Command1")->click();
        QVERIFY(janela->Mostrados.isEmpty());
        janela->ArquivoEscolhido = "relatório"; // sem extensão: ganha ".pdf"
        Menu("mnuItemRelatorioPdf")->trigger();
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", "relatório.pdf", "-"});
        QVERIFY(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0);
        const QString texto = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(texto.count('\f'), 2);
        QStringList esperados{"(continuação)", "2 φ 16 mm", "não atende", "não resistem"};
        for (const char* caixa : {"Text23", "Text24", "Text8", "Text33", "Text9", "Text36"})
            esperados << Caixa(caixa)->text();
        for (const QString& e : esperados) QVERIFY2(texto.contains(e), qPrintable(e));
    }

    // Itens de exportação só depois de um cálculo; desenho em SVG e PNG; falha de gravação.
    void exportacoes_depois_de_um_calculo() {
        const QStringList itens{"mnuItemImprimir", "mnuItemRelatorioPdf", "mnuItemExportarDesenho",
                                "mnuItemCopiarResultados"};
        for (const QString& i : itens) QVERIFY2(!Menu(i)->isEnabled(), qPrintable(i));
        Botao("Command1")->click();
        for (const QString& i : itens) QVERIFY2(Menu(i)->isEnabled(), qPrintable(i));
        Menu("mnuItemImprimir")->trigger();
        QCOMPARE(janela->ImpressorasPedidas, 1);
        janela->ArquivoEscolhido = "desenho"; // sem extensão: SVG
        Menu("mnuItemExportarDesenho")->trigger();
        QVERIFY(QFile::exists("desenho.svg"));
        janela->ArquivoEscolhido = "desenho.png";
        Menu("mnuItemExportarDesenho")->trigger(); // resolução cancelada: nada é gravado
        QVERIFY(!QFile::exists("desenho.png"));
        janela->Resolucao = 288; // 1440 twips por polegada: 5 twips por ponto
        Menu("mnuItemExportarDesenho")->trigger();
        const QImage imagem("desenho.png");
        QCOMPARE(imagem.size(), QSize(7740 / 5, 4740 / 5)); // molduras Shape4 + Shape1
        QCOMPARE(imagem.dotsPerMeterX(), qRound(288 / 0.0254));
        for (const Primitiva& p : janela->Modelo().Desenho) // linhas de deformação
            if (p.cor == lumbrio::CorVermelhoClaro)
                QVERIFY(CorPerto(imagem, {(p.x1 + p.x2) / 2, (p.y1 + p.y2) / 2}, Tinta::Vermelho, 5,
                                 {3720, 3795}));
        QVERIFY(Tinta::Branco(imagem.pixelColor(imagem.width() - 3, imagem.height() - 3)));

        janela->ArquivoEscolhido = "sem_pasta/relatório.pdf";
        Menu("mnuItemRelatorioPdf")->trigger();
        QCOMPARE(janela->Mostrados, QStringList{"Form2"});
        QVERIFY(janela->Modelo().Form2.Label1.Caption.find("sem_pasta") != std::string::npos);
    }

    void desenho_pintado_onde_as_primitivas_dizem() {
        Botao("Command1")->click();
        const QImage imagem = Area()->grab().toImage();
        int vermelhas = 0, verdes = 0, circulos = 0;
        for (const Primitiva& p : janela->Modelo().Desenho) {
            const QPointF meio((p.x1 + p.x2) / 2, (p.y1 + p.y2) / 2);
            if (p.tipo == Primitiva::Tipo::Circulo) {
                // Contorno escuro; por dentro de um círculo grande não há tinta do
                // círculo (a linha do nível do aço passa pelo centro, por isso meio raio acima).
                const double r = p.raio / std::sqrt(2.0);
                QVERIFY(CorPerto(imagem, {p.x1 + r, p.y1 - r}, Tinta::Escuro));
                if (p.raio > 60)
                    QVERIFY(!Tinta::Escuro(
                        imagem.pixelColor(int(p.x1 / 15), int((p.y1 - p.raio / 2) / 15))));
                ++circulos;
            } else if (p.cor == lumbrio::CorVermelhoClaro) {
                QVERIFY(CorPerto(imagem, meio, Tinta::Vermelho));
                ++vermelhas;
            } else if (p.cor == lumbrio::CorVerdeClaro) {
                QVERIFY(CorPerto(imagem, meio, Tinta::Verde));
                ++verdes;
            }
        }
        QVERIFY(vermelhas >= 5 && verdes >= 3 && circulos >= 1); // deformação e duas cruzes
        // Canto do retângulo da seção, longe de tudo: branco.
        QVERIFY(Tinta::Branco(imagem.pixelColor((7410 + 4050 - 60) / 15, (3795 + 4740 - 60) / 15)));
    }
};

QTEST_MAIN(TestaJanela)
#include "TestaJanela.moc"
