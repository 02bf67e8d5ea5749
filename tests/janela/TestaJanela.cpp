// Testes da janela principal e dos diálogos: legendas e padrões, comandos,
// filtro de teclas, diálogos modais e pintura do desenho.
#include "Form1.h"
#include "Ligacoes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
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
#include <QXmlStreamReader>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <functional>
#include <memory>

using lumbrio::Primitiva;
using lumbrio::janela::Form1;

namespace {

// Janela com os diálogos modais e o diálogo de arquivo sob controle do teste.
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
        QTimer::singleShot(5000, &Dialogo, [this, &Dialogo] {
            if (!Dialogo.isVisible()) return;
            Travou = true;
            Dialogo.done(0);
        });
        Form1::MostraModal(Dialogo);
    }
    QString PedeArquivo(bool) override { return ArquivoEscolhido; }
    QString PedeArquivoSaida(const QString&, const QString&) override { return ArquivoEscolhido; }
    int PedeResolucao() override { return Resolucao; }
    bool PedeImpressora(QPrinter&) override {
        ++ImpressorasPedidas;
        return false; // cancelado: nada é impresso
    }
};

template <class T> T* Controle(QWidget* Pai, const QString& Nome) {
    T* w = Pai->findChild<T*>(Nome);
    if (!w) qFatal("controle %s não encontrado", qPrintable(Nome));
    return w;
}

QStringList LinhasDoArquivo(const QString& Nome) {
    QFile f(Nome);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(f.readAll()).split("\r\n");
}

// Procura, no pixel do ponto (twips) e nos oito vizinhos, uma cor que atenda ao critério:
// o antisserrilhado espalha uma linha de 1 pixel por dois.
bool CorPerto(const QImage& Imagem, QPointF Twips, const std::function<bool(QColor)>& Criterio) {
    const int cx = int(std::floor(Twips.x() / 15 + 0.5));
    const int cy = int(std::floor(Twips.y() / 15 + 0.5));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (Imagem.valid(cx + dx, cy + dy) && Criterio(Imagem.pixelColor(cx + dx, cy + dy)))
                return true;
    return false;
}

bool Vermelho(QColor c) {
    return c.red() > 200 && c.green() < 160 && c.blue() < 160;
}
bool Verde(QColor c) {
    return c.green() > 200 && c.red() < 160 && c.blue() < 160;
}
bool Escuro(QColor c) {
    return c.red() < 150 && c.green() < 150 && c.blue() < 150;
}
// Texto das páginas do PDF (pdftotext); vazio se a ferramenta falhou.
QString TextoDoPdf(const QString& Nome) {
    QProcess p;
    p.start("pdftotext", {"-layout", Nome, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool Branco(QColor c) {
    return c.red() == 255 && c.green() == 255 && c.blue() == 255;
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

    void janela_abre_com_legendas_padroes_e_listas() {
        QCOMPARE(janela->windowTitle(), QString("Lumbrio"));
        QCOMPARE(Area()->size(), QSize(770, 573)); // 11550 × 8595 twips
        QCOMPARE(Caixa("Text17")->geometry().topLeft(),
                 QPoint(32, 24)); // (4200, 2160) na moldura (3720, 1800)
        QCOMPARE(Caixa("Text1")->text(), QString("20"));
        QCOMPARE(Caixa("Text2")->text(), QString("50"));
        QCOMPARE(Caixa("Text17")->text(), QString("10000"));
        QCOMPARE(Caixa("Text21")->text(), QString("1.4"));
        QCOMPARE(Caixa("Text34")->text(), QString("Taxa > 4%"));
        QCOMPARE(Combo("Combo5")->currentText(), QString("KN.cm"));
        QCOMPARE(Combo("Combo5")->count(), 12);
        QVERIFY(!Combo("Combo5")->isEditable());
        QCOMPARE(Combo("Combo7")->currentText(), QString("KN/cm2"));
        QCOMPARE(Combo("Combo1")->currentText(), QString("Aço CA-50A"));
        QCOMPARE(Combo("Combo3")->currentText(), QString("10 mm (3/8'')"));
        QCOMPARE(Combo("Combo3")->count(), 4);
        QCOMPARE(Combo("Combo2(6)")->currentText(), QString("40 mm"));
        QCOMPARE(Combo("Combo2(6)")->count(), 11);
        QVERIFY(Combo("Combo4(2)")->isEditable());
        QVERIFY(Marca("Check3")->isChecked());
        QVERIFY(!Caixa("Text5")->isEnabled());
        QVERIFY(!Caixa("Text6")->isEnabled());
        QCOMPARE(Botao("Command1")->text(), QString("&Calcula"));
        QCOMPARE(Botao("Command7")->text(), QString("Ca&rrega padrão"));
        QCOMPARE(Menu("mnuItemCarregpadr")->text(), QString("Carre&gar valores padrões"));
        QCOMPARE(Controle<QLabel>(Area(), "Label11")->text(), QString("γ"));
        // Nenhum cálculo na partida.
        QVERIFY(Caixa("Text8")->text().isEmpty());
        QVERIFY(janela->Modelo().Desenho.empty());
    }

    void calcula_preenche_o_painel_com_os_textos_do_nucleo() {
        Botao("Command1")->click();
        const auto& f = janela->Modelo().Form1;
        QVERIFY(!f.Text8.Text.empty());
        const std::pair<const char*, const lumbrio::CaixaTexto*> caixas[] = {
            {"Text8", &f.Text8},      {"Text33", &f.Text33}, {"Text23", &f.Text23},
            {"Text24", &f.Text24},    {"Text9", &f.Text9},   {"Text11", &f.Text11},
            {"Text13", &f.Text13},    {"Text16", &f.Text16}, {"Text26", &f.Text26},
            {"Text36", &f.Text36},    {"Text5", &f.Text5},   {"Text25(6)", &f.Text25[6]},
            {"Text3(3)", &f.Text3[3]}};
        for (const auto& [nome, caixa] : caixas)
            QCOMPARE(Caixa(nome)->text(), QString::fromStdString(caixa->Text));
        QCOMPARE(Controle<QLabel>(Area(), "Label29")->text(), QString("KN.cm"));
        QVERIFY(janela->Mostrados.isEmpty());
    }

    void calcula_usa_o_separador_decimal_do_sistema() {
        const QString esperado = qEnvironmentVariable("LUMBRIO_SEPARADOR_ESPERADO", ".");
        QCOMPARE(QLocale::system().decimalPoint(), esperado);
        Botao("Command1")->click();
        QVERIFY2(Caixa("Text9")->text().contains(esperado), qPrintable(Caixa("Text9")->text()));
    }

    void filtro_de_teclas_data() {
        QTest::addColumn<QString>("caixa");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("depois");
        QTest::addColumn<int>("bipes");
        QTest::newRow("vírgula em Md bipa") << "Text17" << int(Qt::Key_Comma) << ","
                                            << "100"
                                            << "100" << 1;
        QTest::newRow("ponto em Md entra") << "Text17" << int(Qt::Key_Period) << "."
                                           << "100"
                                           << "100." << 0;
        QTest::newRow("ponto na base bipa") << "Text1" << int(Qt::Key_Period) << "."
                                            << "20"
                                            << "20" << 1;
        QTest::newRow("dígito na base entra") << "Text1" << int(Qt::Key_5) << "5"
                                              << "20"
                                              << "205" << 0;
        QTest::newRow("espaço no passo da altura bipa") << "Text32" << int(Qt::Key_Space) << " "
                                                        << "1"
                                                        << "1" << 1;
        QTest::newRow("letra em fck bipa") << "Text18" << int(Qt::Key_A) << "a"
                                           << "20"
                                           << "20" << 1;
        QTest::newRow("dígito em As bipa") << "Text8" << int(Qt::Key_1) << "1"
                                           << ""
                                           << "" << 1;
        QTest::newRow("Backspace em x bipa") << "Text9" << int(Qt::Key_Backspace) << "\b"
                                             << "12"
                                             << "12" << 1;
        QTest::newRow("Backspace na base entra") << "Text1" << int(Qt::Key_Backspace) << "\b"
                                                 << "20"
                                                 << "2" << 0;
        QTest::newRow("Delete em Rcc não é filtrado") << "Text13" << int(Qt::Key_Delete) << "\x7f"
                                                      << "12"
                                                      << "2" << 0;
        QTest::newRow("letra em Mrd entra") << "Text23" << int(Qt::Key_A) << "a"
                                            << ""
                                            << "a" << 0;
        QTest::newRow("vírgula no passo de Md entra") << "Text7" << int(Qt::Key_Comma) << ","
                                                      << "1"
                                                      << "1," << 0;
    }

    void filtro_de_teclas() {
        QFETCH(QString, caixa);
        QFETCH(int, tecla);
        QFETCH(QString, texto);
        QFETCH(QString, antes);
        QFETCH(QString, depois);
        QFETCH(int, bipes);
        QLineEdit* c = Caixa(caixa);
        c->setText(antes);
        c->setCursorPosition(tecla == Qt::Key_Delete ? 0 : int(antes.size()));
        QSignalSpy bipou(janela.get(), &Form1::Bipou);
        QKeyEvent evento(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
        QApplication::sendEvent(c, &evento);
        QCOMPARE(c->text(), depois);
        QCOMPARE(bipou.count(), bipes);
    }

    void lista_de_unidades_recusa_digitacao() {
        QSignalSpy bipou(janela.get(), &Form1::Bipou);
        QTest::keyClick(Combo("Combo5"), 'k');
        QCOMPARE(Combo("Combo5")->currentText(), QString("KN.cm"));
        QCOMPARE(bipou.count(), 1);
    }

    void enter_em_text18_calcula() {
        QTest::keyClick(Caixa("Text18"), Qt::Key_Return);
        QVERIFY(!Caixa("Text8")->text().isEmpty());
    }

    void enter_em_outro_botao_aciona_esse_botao() {
        QTest::keyClick(Botao("Command6"), Qt::Key_Return); // "&Sai"
        QVERIFY(!janela->isVisible());
        QVERIFY(Caixa("Text8")->text().isEmpty());
    }

    void auto_desabilita_e_habilita_as_escalas() {
        QTest::mouseClick(Marca("Check3"), Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(!Marca("Check3")->isChecked());
        QVERIFY(Caixa("Text5")->isEnabled());
        QVERIFY(Caixa("Text6")->isEnabled());
        QTest::mouseClick(Marca("Check3"), Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(!Caixa("Text5")->isEnabled());
        QVERIFY(!Caixa("Text6")->isEnabled());
    }

    void passo_menos_da_base_escreve_menos_cinco_e_calcula() {
        Caixa("Text31")->setText("25");
        Botao("Command13")->click();
        QCOMPARE(Caixa("Text1")->text(), QString("-5"));
        QCOMPARE(janela->Mostrados, QStringList{"Form2"}); // base negativa: o cálculo recusa
    }

    void passo_zero_calcula_sem_bipe() {
        QSignalSpy bipou(janela.get(), &Form1::Bipou);
        Caixa("Text32")->setText("0");
        Botao("Command15")->click();
        QCOMPARE(Caixa("Text2")->text(), QString("50"));
        QVERIFY(!Caixa("Text8")->text().isEmpty());
        QCOMPARE(bipou.count(), 0);
    }

    void passo_sem_numero_bipa_e_nao_calcula() {
        QSignalSpy bipou(janela.get(), &Form1::Bipou);
        Caixa("Text1")->clear();
        Botao("Command16")->click();
        QCOMPARE(Caixa("Text1")->text(), QString());
        QVERIFY(Caixa("Text8")->text().isEmpty());
        QVERIFY(janela->Mostrados.isEmpty());
        QCOMPARE(bipou.count(), 1);
    }

    void passo_de_md_recalcula_e_exporta() {
        Caixa("Text7")->setText("500");
        Botao("Command4")->click();
        QCOMPARE(Caixa("Text17")->text(), QString("10500"));
        QVERIFY(!Caixa("Text8")->text().isEmpty());
        QCOMPARE(LinhasDoArquivo("resulta.txt").size(), 21); // 20 linhas e o fim
    }

    void erro_mostra_o_dialogo_e_continuar_o_esconde() {
        Caixa("Text19")->setText("2"); // x máximo fora de 0 a 1
        QString mensagem;
        janela->AoMostrar = [&mensagem](QDialog& d) {
            mensagem = Controle<QLabel>(&d, "Label1")->text();
            Controle<QPushButton>(&d, "Command1")->click(); // "Continuar"
        };
        Botao("Command1")->click();
        QCOMPARE(janela->Mostrados, QStringList{"Form2"});
        QCOMPARE(mensagem, QString("xMáximo deve estar entre 0 e 1 .d"));
        QVERIFY(!janela->Travou);
        QVERIFY(janela->isVisible());
        QVERIFY(!janela->Modelo().Form2.Visivel);
        QVERIFY(Caixa("Text8")->text().isEmpty());

        // A caixa de fechar age como "Continuar".
        janela->AoMostrar = [](QDialog& d) { d.close(); };
        Botao("Command1")->click();
        QCOMPARE(janela->Mostrados.size(), 2);
        QVERIFY(!janela->Travou);
        QVERIFY(janela->isVisible());
    }

    void outros_valores_ficam_entre_aberturas_e_vao_ao_arquivo() {
        QDialog* primeiro = nullptr;
        janela->AoMostrar = [&primeiro](QDialog& d) {
            primeiro = &d;
            auto* precisao = Controle<QLineEdit>(&d, "Text3");
            QCOMPARE(precisao->text(), QString("100"));
            precisao->setText("250");
            Controle<QPushButton>(&d, "Command1")->click(); // "&Voltar"
        };
        Menu("mnuItemPrecisao")->trigger();
        QString reaberto;
        QDialog* segundo = nullptr;
        janela->AoMostrar = [&](QDialog& d) {
            segundo = &d;
            reaberto = Controle<QLineEdit>(&d, "Text3")->text();
            d.close();
        };
        Menu("mnuItemPrecisao")->trigger();
        QVERIFY(!janela->Travou);
        QCOMPARE(janela->Mostrados, (QStringList{"Form8", "Form8"}));
        QCOMPARE(segundo, primeiro);
        QCOMPARE(reaberto, QString("250"));

        Botao("Command2")->click(); // "S&alva padrão"
        const QStringList linhas = LinhasDoArquivo("Padrão.txt");
        QVERIFY(linhas.size() > 20);
        QCOMPARE(linhas[19], QString("250")); // registro 20: PrecisãoM
    }

    void padrao_salvo_e_carregado_na_partida_sem_calculo() {
        Caixa("Text1")->setText("33");
        Menu("mnuItemSaveDefault")->trigger();
        NovaJanela();
        QCOMPARE(Caixa("Text1")->text(), QString("33"));
        QVERIFY(Caixa("Text8")->text().isEmpty());
    }

    void abrir_arquivo_cancelado_ainda_calcula() {
        janela->ArquivoEscolhido.clear();
        Caixa("Text2")->setText("60");
        Menu("mnuItemload")->trigger();
        QCOMPARE(Caixa("Text2")->text(), QString("60"));
        QVERIFY(!Caixa("Text8")->text().isEmpty());
    }

    void tranca_copia_a_escolha_positiva_so_para_as_positivas() {
        QTest::mouseClick(Marca("Check1"), Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(Marca("Check1")->isChecked());
        QComboBox* camada3 = Combo("Combo2(3)");
        const int i16 = camada3->findText("16 mm (5/8'')");
        camada3->setCurrentIndex(i16);
        emit camada3->activated(i16);
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(Combo(QString("Combo2(%1)").arg(k))->currentText(), QString("16 mm (5/8'')"));
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(Combo(QString("Combo4(%1)").arg(k))->currentText(), QString("40 mm"));
        QCOMPARE(Combo("Combo3")->currentText(), QString("10 mm (3/8'')"));
        QVERIFY(!Caixa("Text8")->text().isEmpty()); // a escolha calcula
    }

    void sem_tranca_so_a_camada_escolhida_muda() {
        QComboBox* camada3 = Combo("Combo2(3)");
        const int i16 = camada3->findText("16 mm (5/8'')");
        camada3->setCurrentIndex(i16);
        emit camada3->activated(i16);
        QCOMPARE(Combo("Combo2(3)")->currentText(), QString("16 mm (5/8'')"));
        QCOMPARE(Combo("Combo2(1)")->currentText(), QString("40 mm"));
    }

    void tira_uma_barra_tres_vezes_de_4_e_2_deixa_3_e_0() {
        Botao("Command1")->click();
        auto& m = janela->Modelo();
        m.NumBarrasPos = {0, 4, 2, 0, 0, 0, 0};
        for (int i = 0; i < 3; ++i) Botao("Command3")->click();
        QCOMPARE(m.NumBarrasPos[1], 3.0);
        QCOMPARE(m.NumBarrasPos[2], 0.0);
        QVERIFY(janela->Mostrados.isEmpty());
        QVERIFY(!Caixa("Text8")->text().isEmpty());
    }

    void tira_uma_barra_antes_do_calculo_explica_no_dialogo() {
        Botao("Command3")->click();
        QCOMPARE(janela->Mostrados, QStringList{"Form2"});
        QVERIFY(janela->isVisible());
    }

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

        caixa.BackColor = lumbrio::Cor::Alerta;
        lista.BackColor = lumbrio::Cor::Alerta;
        tabela.DoModelo();
        QCOMPARE(edicao.text(), QString("12.50"));
        QCOMPARE(combo.currentText(), QString("40 mm"));
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

    void itens_do_relatorio_so_depois_de_um_calculo_completo() {
        const QStringList itens{"mnuItemImprimir", "mnuItemRelatorioPdf", "mnuItemExportarDesenho",
                                "mnuItemCopiarResultados"};
        for (const QString& i : itens) QVERIFY2(!Menu(i)->isEnabled(), qPrintable(i));
        QCOMPARE(Menu("mnuItemImprimir")->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(Menu("mnuItemCopiarResultados")->shortcut(), QKeySequence("Ctrl+Shift+C"));
        QCOMPARE(Menu("mnuItemRelatorioPdf")->text(), QString("E&xportar relatório PDF..."));
        Botao("Command1")->click();
        for (const QString& i : itens) QVERIFY2(Menu(i)->isEnabled(), qPrintable(i));
        Menu("mnuItemImprimir")->trigger();
        QCOMPARE(janela->ImpressorasPedidas, 1);
        // Um cálculo recusado limpa os resultados: os itens voltam a ficar desabilitados.
        Caixa("Text19")->setText("2");
        janela->AoMostrar = [](QDialog& d) { d.close(); };
        Botao("Command1")->click();
        QCOMPARE(janela->Mostrados, QStringList{"Form2"});
        for (const QString& i : itens) QVERIFY2(!Menu(i)->isEnabled(), qPrintable(i));
    }

    void relatorio_pdf_com_os_numeros_do_painel_data() {
        QTest::addColumn<QString>("md");
        QTest::addColumn<QString>("positivas");
        QTest::addColumn<QString>("negativas");
        QTest::addColumn<QStringList>("trechos");
        QTest::newRow("padrão") << "10000"
                                << "40 mm"
                                << "40 mm" << QStringList{"1 φ 40 mm", "atende", "Nenhum aviso"};
        // Armadura dupla: %h positiva acima de 10 e Mrd Real abaixo de Md.
        QTest::newRow("armadura dupla")
            << "25000"
            << "20 mm (3/4'')"
            << "16 mm (5/8'')"
            << QStringList{"2 φ 20 mm", "2 φ 16 mm", "não atende", "não resistem", "compressão"};
    }

    void relatorio_pdf_com_os_numeros_do_painel() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) não está instalado");
        QFETCH(QString, md);
        QFETCH(QString, positivas);
        QFETCH(QString, negativas);
        QFETCH(QStringList, trechos);
        Caixa("Text17")->setText(md);
        for (int i = 1; i <= 6; ++i) Combo(QString("Combo2(%1)").arg(i))->setEditText(positivas);
        for (int i = 1; i <= 3; ++i) Combo(QString("Combo4(%1)").arg(i))->setEditText(negativas);
        Botao("Command1")->click();
        QVERIFY(janela->Mostrados.isEmpty());
        janela->ArquivoEscolhido = "relatório"; // sem extensão: ganha ".pdf"
        Menu("mnuItemRelatorioPdf")->trigger();
        QFile pdf("relatório.pdf");
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        const QString texto = TextoDoPdf(pdf.fileName());
        QVERIFY(!texto.isEmpty());
        const int paginas = int(texto.count('\f'));
        QVERIFY2(paginas == 1 || paginas == 2, qPrintable(QString::number(paginas)));
        QStringList esperados = trechos;
        esperados << "Relatório de cálculo"
                  << "17.2.4.1"
                  << "CA-50A";
        for (const char* caixa : {"Text23", "Text24", "Text8", "Text33", "Text9", "Text10",
                                  "Text13", "Text14", "Text36", "Text26"})
            esperados << Caixa(caixa)->text();
        for (const QString& e : esperados) QVERIFY2(texto.contains(e), qPrintable(e));
    }

    void relatorio_que_nao_pode_ser_gravado_explica_no_dialogo() {
        Botao("Command1")->click();
        janela->ArquivoEscolhido = "sem_pasta/relatório.pdf";
        Menu("mnuItemRelatorioPdf")->trigger();
        QCOMPARE(janela->Mostrados, QStringList{"Form2"});
        QVERIFY(janela->Modelo().Form2.Label1.Caption.find("sem_pasta") != std::string::npos);
    }

    void desenho_em_svg_tem_um_elemento_por_primitiva() {
        Botao("Command1")->click();
        janela->ArquivoEscolhido = "desenho.svg";
        Menu("mnuItemExportarDesenho")->trigger();
        QFile svg("desenho.svg");
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        int linhas = 0, circulos = 0;
        QString raiz;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (raiz.isEmpty()) raiz = xml.name().toString();
            if (xml.name() == QStringLiteral("line")) ++linhas;
            if (xml.name() == QStringLiteral("circle")) ++circulos;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(raiz, QString("svg"));
        int esperadasLinhas = 0, esperadosCirculos = 0;
        for (const Primitiva& p : janela->Modelo().Desenho)
            ++(p.tipo == Primitiva::Tipo::Linha ? esperadasLinhas : esperadosCirculos);
        QCOMPARE(linhas, esperadasLinhas);
        QCOMPARE(circulos, esperadosCirculos);
        QVERIFY(circulos >= 1);
    }

    void desenho_em_png_na_resolucao_pedida() {
        Botao("Command1")->click();
        janela->ArquivoEscolhido = "desenho.png";
        janela->Resolucao = 0; // cancelado: nada é gravado
        Menu("mnuItemExportarDesenho")->trigger();
        QVERIFY(!QFile::exists("desenho.png"));
        janela->Resolucao = 288; // 1440 twips por polegada: 5 twips por ponto
        Menu("mnuItemExportarDesenho")->trigger();
        const QImage imagem("desenho.png");
        QCOMPARE(imagem.size(), QSize(7740 / 5, 4740 / 5)); // molduras Shape4 + Shape1
        QCOMPARE(imagem.dotsPerMeterX(), qRound(288 / 0.0254));
        // Meio da linha de deformações (a primeira vermelha), em pontos de 5 twips a
        // partir da origem da região (3720, 3795).
        const auto& desenho = janela->Modelo().Desenho;
        const auto linha = std::find_if(desenho.begin(), desenho.end(), [](const Primitiva& p) {
            return p.cor == lumbrio::CorVermelhoClaro;
        });
        QVERIFY(linha != desenho.end());
        const QPoint meio(qRound(((linha->x1 + linha->x2) / 2 - 3720) / 5),
                          qRound(((linha->y1 + linha->y2) / 2 - 3795) / 5));
        bool achou = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                achou |= imagem.valid(meio + QPoint(dx, dy)) &&
                         Vermelho(imagem.pixelColor(meio + QPoint(dx, dy)));
        QVERIFY(achou);
        QVERIFY(Branco(imagem.pixelColor(imagem.width() - 3, imagem.height() - 3)));
    }

    void copiar_resultados_poe_o_painel_tabulado() {
        Caixa("Text17")->setText("25000");
        for (int i = 1; i <= 3; ++i)
            Combo(QString("Combo4(%1)").arg(i))->setEditText("16 mm (5/8'')");
        Botao("Command1")->click();
        QApplication::clipboard()->clear();
        Menu("mnuItemCopiarResultados")->trigger();
        const QStringList linhas = QApplication::clipboard()->text().split('\n');
        const QStringList esperadas{
            "\tCG\tReal\t",
            "As'\t" + Caixa("Text28")->text() + "\t" + Caixa("Text27")->text() + "\tcm2",
            "As\t" + Caixa("Text8")->text() + "\t" + Caixa("Text33")->text() + "\tcm2",
            "Mrd\t" + Caixa("Text23")->text() + "\t" + Caixa("Text24")->text() + "\t" +
                Controle<QLabel>(Area(), "Label29")->text(),
            "x\t" + Caixa("Text9")->text() + "\t" + Caixa("Text10")->text() + "\tcm",
            "Dom\t" + Caixa("Text11")->text() + "\t" + Caixa("Text12")->text() + "\t",
            "Rcc\t" + Caixa("Text13")->text() + "\t" + Caixa("Text14")->text() + "\tKgf",
            "y/2\t" + Caixa("Text15")->text() + "\t" + Caixa("Text16")->text() + "\tcm",
            ""};
        QCOMPARE(linhas, esperadas);
        QVERIFY(!Caixa("Text28")->text().isEmpty());
    }

    void desenho_pintado_onde_as_primitivas_dizem() {
        Botao("Command1")->click();
        const auto& desenho = janela->Modelo().Desenho;
        QVERIFY(!desenho.empty());
        const QImage imagem = Area()->grab().toImage();
        int vermelhas = 0, verdes = 0, circulos = 0;
        for (const Primitiva& p : desenho) {
            const QPointF meio((p.x1 + p.x2) / 2, (p.y1 + p.y2) / 2);
            if (p.tipo == Primitiva::Tipo::Circulo) {
                // Contorno escuro; por dentro de um círculo grande não há tinta do
                // círculo (a linha do nível do aço passa pelo centro, por isso meio raio acima).
                const double r = p.raio / std::sqrt(2.0);
                QVERIFY(CorPerto(imagem, {p.x1 + r, p.y1 - r}, Escuro));
                if (p.raio > 60)
                    QVERIFY(
                        !Escuro(imagem.pixelColor(int(p.x1 / 15), int((p.y1 - p.raio / 2) / 15))));
                ++circulos;
            } else if (p.cor == lumbrio::CorVermelhoClaro) {
                QVERIFY(CorPerto(imagem, meio, Vermelho));
                ++vermelhas;
            } else if (p.cor == lumbrio::CorVerdeClaro) {
                QVERIFY(CorPerto(imagem, meio, Verde));
                ++verdes;
            }
        }
        QVERIFY(vermelhas >= 5); // linha de deformação e as duas cruzes
        QVERIFY(verdes >= 3);
        QVERIFY(circulos >= 1);
        // Canto do retângulo da seção, longe de tudo: branco.
        QVERIFY(Branco(imagem.pixelColor((7410 + 4050 - 60) / 15, (3795 + 4740 - 60) / 15)));
    }
};

QTEST_MAIN(TestaJanela)
#include "TestaJanela.moc"
