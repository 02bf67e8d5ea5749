// Testes da janela: textos que cabem, teclado, resultados desatualizados, diálogos
// modais com vigia, exportações e pintura. O que o núcleo decide fica nos testes dele.
#include "Componentes.h"
#include "Form1.h"
#include "Ligacoes.h"
#include "output/Comparacao.h"
#include "output/Painel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyleOptionGroupBox>
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

// Textos que não cabem no seu widget com a fonte em uso, legendas que encostam num
// vizinho e títulos de moldura cobertos.
QStringList NaoCabem(QWidget* Raiz) {
    QStringList r;
    for (QWidget* w : Raiz->findChildren<QWidget*>()) {
        if (!w->isVisible() || qobject_cast<QComboBox*>(w->parentWidget())) continue;
        const QFontMetrics m(w->font());
        const QString n = w->objectName();
        if (auto* c = qobject_cast<QLineEdit*>(w)) {
            if (m.horizontalAdvance(c->text()) > lumbrio::janela::LarguraTexto(c)) r << n;
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            if (m.horizontalAdvance(c->currentText()) > lumbrio::janela::LarguraTexto(c)) r << n;
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            const QRect t = m.boundingRect(b->rect().adjusted(4, 0, -4, 0),
                                           Qt::TextWordWrap | Qt::TextShowMnemonic, b->text());
            if (t.height() > b->height() - 4 || t.width() > b->width() - 4) r << n;
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            QStyleOptionGroupBox o;
            o.initFrom(g);
            o.text = g->title();
            o.subControls = QStyle::SC_GroupBoxLabel;
            const QRect t =
                g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
            for (QWidget* v : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (v->isVisible() && t.intersects(v->geometry()))
                    r << n + " sob " + v->objectName();
        }
        const QRect t = lumbrio::janela::AreaDoTexto(w);
        if (t.isNull()) continue;
        if (!w->geometry().contains(t)) r << n;
        for (QWidget* v : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (v != w && v->isVisible() && t.adjusted(-1, 0, 1, 0).intersects(v->geometry()))
                r << n + " encosta em " + v->objectName();
    }
    return r;
}

// Contraste entre duas cores (WCAG 2).
double Contraste(QColor A, QColor B) {
    auto luminancia = [](QColor c) {
        auto lin = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double a = luminancia(A), b = luminancia(B);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
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

    // Também sob pt_BR (janela_virgula): o painel segue o separador do sistema; as
    // escalas, que são entradas, ficam com o "." que o cálculo lê.
    void calcula_usa_o_separador_decimal_do_sistema() {
        const QString esperado = qEnvironmentVariable("LUMBRIO_SEPARADOR_ESPERADO", ".");
        QCOMPARE(QLocale::system().decimalPoint(), esperado);
        QCOMPARE(Area()->size(), QSize(770, 712)); // 11550 × (8595 + 2085) twips
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
        const QString x = Caixa("Text5")->text(), y = Caixa("Text6")->text();
        QTest::mouseClick(Marca("Check3"), Qt::LeftButton, {}, QPoint(6, 8)); // "Auto." solta
        Botao("Command1")->click();
        QCOMPARE(Caixa("Text5")->text() + Caixa("Text6")->text(), x + y);
        QVERIFY(x.contains('.') && y.contains('.'));
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

    // Enter sempre calcula (nunca sai); Espaço e Alt+letra acionam o botão; o Tab
    // segue a leitura do formulário e pula as caixas de resultado.
    void teclado() {
        janela->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(janela.get()));
        const char* focos[] = {"Text18", "Command6", "Command7", "Check4", "Combo5", "ComboNorma"};
        for (const char* nome : focos) {
            Caixa("Text17")->setText(QString::number(9000 + 100 * (&nome - focos)));
            auto* w = Controle<QWidget>(Area(), nome);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Return);
            QVERIFY2(janela->isVisible(), nome);
            QVERIFY2(janela->Modelo().HaResultados && !janela->Modelo().Desatualizado(), nome);
        }
        QSignalSpy bipou(janela.get(), &Form1::Bipou);
        QTest::keyClick(Combo("Combo5"), 'k'); // lista de unidades recusa digitação
        QCOMPARE(bipou.count(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier); // "Sa&lva padrão"
        QTRY_VERIFY(janela->statusBar()->currentMessage().contains("Padrão.txt")); // clique animado
        Botao("Command8")->setFocus();
        QTest::keyClick(Botao("Command8"), Qt::Key_Space); // "&Exporta dados"
        QVERIFY(janela->statusBar()->currentMessage().contains(QDir::currentPath()));

        QStringList paradas;
        Caixa("Text1")->setFocus();
        for (QWidget* w = Caixa("Text1"); paradas.size() < 100;) {
            paradas << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
            w = QApplication::focusWidget();
            if (w == Caixa("Text1")) break;
        }
        QCOMPARE(paradas.size(), 43); // escalas desabilitadas por "Auto."
        QCOMPARE(paradas.removeDuplicates(), 0);
        for (const lumbrio::LinhaPainel& l : lumbrio::LinhasPainel)
            QVERIFY(!paradas.contains(Q(l.NomeCG)) && !paradas.contains(Q(l.NomeReal)));
        for (const char* r : {"Text34", "Text36", "Text25(1)", "TextVerificacao(1)"})
            QVERIFY2(!paradas.contains(r), r);
        const char* leitura[] = {"Text1",      "Text4",  "Combo3", "Combo2(1)", "Text17",
                                 "ComboNorma", "Check4", "Check3", "Command1",  "Command8"};
        for (std::size_t i = 1; i < std::size(leitura); ++i)
            QVERIFY2(paradas.indexOf(leitura[i - 1]) < paradas.indexOf(leitura[i]), leitura[i]);
        QTest::mouseClick(Caixa("Text8"), Qt::LeftButton); // o mouse ainda seleciona
        QCOMPARE(QApplication::focusWidget(), Caixa("Text8"));
    }

    // Cada texto cabe no seu widget, sem encostar nos vizinhos, nos projetos de alerta
    // e de números grandes (também a 150 %, em janela_150).
    void textos_cabem() {
        struct Caso {
            const char *Md, *Unidade, *Passo, *Bitola;
        } const casos[] = {
            {"10000", "KN.cm", "1", "40 mm"},
            {"60001", "KN.cm", "10000", "20 mm (3/4'')"},
            {"23000000", "Kgf.mm", "10000", "22.5 mm (7/8'')"},
            {"1e30", "Kgf.mm", "10000", "32 mm (1 1/4'')"},
        };
        for (const Caso& c : casos) {
            Caixa("Text17")->setText(c.Md);
            Caixa("Text7")->setText(c.Passo);
            Combo("Combo5")->setCurrentText(c.Unidade);
            for (int i = 1; i <= 6; ++i) Combo(QString("Combo2(%1)").arg(i))->setEditText(c.Bitola);
            Combo("Combo4(1)")->setEditText("8 mm (5/16'')");
            Botao("Command1")->click();
            const QStringList falhas = NaoCabem(Area());
            QVERIFY2(falhas.isEmpty(), qPrintable(QString(c.Md) + ": " + falhas.join(", ")));
            for (const char* l : {"Combo2(1)", "Combo4(1)"}) // o começo à vista
                QCOMPARE(Combo(l)->lineEdit()->cursorPosition(), 0);
        }
        // O número mostrado é o do modelo, só mais curto: nunca os últimos dígitos.
        int curtos = 0;
        for (const lumbrio::LinhaPainel& l : lumbrio::LinhasPainel) {
            const std::string& modelo = (janela->Modelo().Form1.*l.CG).Text;
            const QString mostrado = Caixa(Q(l.NomeCG))->text();
            if (l.Rotulo == "Dom" || mostrado == Q(modelo)) continue;
            ++curtos;
            QVERIFY2(std::abs(mostrado.toDouble() / std::stod(modelo) - 1) < 0.01,
                     qPrintable(mostrado));
            QVERIFY(Caixa(Q(l.NomeCG))->toolTip().startsWith(Q(modelo)));
        }
        QVERIFY(curtos >= 2);
        const std::string mrd = janela->Modelo().Form1.Text23.Text;
        Menu("mnuItemCopiarResultados")->trigger(); // o modelo guarda o número inteiro
        QVERIFY(QApplication::clipboard()->text().contains(Q(mrd)));
    }

    // Alerta em branco sobre o vermelho (contraste ≥ 4,5:1) com o motivo na dica.
    void alertas_legiveis_com_o_motivo() {
        Caixa("Text17")->setText("60001");
        for (int i = 1; i <= 6; ++i)
            Combo(QString("Combo2(%1)").arg(i))->setEditText("20 mm (3/4'')");
        Botao("Command1")->click();
        const auto& f = janela->Modelo().Form1;
        int alertas = 0;
        for (QLineEdit* c : Area()->findChildren<QLineEdit*>()) {
            if (!c->property("alerta").toBool()) continue;
            ++alertas;
            const QPalette p = c->palette();
            QVERIFY(Contraste(p.color(QPalette::Text), p.color(QPalette::Base)) >= 4.5);
            QCOMPARE(p.color(QPalette::Base), QColor(128, 0, 0));
        }
        QVERIFY(alertas >= 3);
        QVERIFY(Caixa("Text24")->property("alerta").toBool());
        QCOMPARE(Caixa("Text24")->toolTip(), Q(f.Text24.ToolTipText));
        QVERIFY(Contraste(Qt::black, QColor(128, 0, 0)) < 4.5); // o que havia antes
    }

    // Qualquer entrada mudada depois do cálculo apaga o painel e o desenho; a
    // exportação pede um novo cálculo, que volta tudo ao normal.
    void resultados_desatualizados() {
        const std::function<void()> mudancas[] = {
            [this] { QTest::keyClicks(Caixa("Text1"), "5"); },
            [this] { Combo("Combo6")->setCurrentText("Kgf/cm2"); },
            [this] { Combo("ComboNorma")->setCurrentText("NBR 6118:2023"); },
            [this] { QTest::mouseClick(Marca("Check4"), Qt::LeftButton, {}, QPoint(6, 8)); },
            [this] { Menu("mnuItemCarregpadr")->trigger(); }, // Padrão.txt com base 33
        };
        for (const auto& muda : mudancas) {
            NovaJanela();
            Caixa("Text1")->setText("33");
            Menu("mnuItemSaveDefault")->trigger();
            Caixa("Text1")->setText("20");
            Botao("Command1")->click();
            const QColor normal = Caixa("Text8")->palette().color(QPalette::Text);
            muda();
            QVERIFY(janela->Modelo().Desatualizado());
            QVERIFY(Caixa("Text8")->palette().color(QPalette::Text) != normal);
            janela->ArquivoEscolhido = "velho.pdf";
            janela->AoMostrar = [](QDialog& d) { d.close(); };
            Menu("mnuItemRelatorioPdf")->trigger();
            QCOMPARE(janela->Mostrados, QStringList{"Form2"});
            QVERIFY(!QFile::exists("velho.pdf"));
            QTest::keyClick(Caixa("Text2"), Qt::Key_Return);
            QVERIFY(!janela->Modelo().Desatualizado() && janela->Modelo().HaResultados);
            QCOMPARE(Caixa("Text8")->palette().color(QPalette::Text), normal);
        }
    }

    // Lista "Norma" pelo teclado, linhas de verificação e o título com a edição.
    void norma_verificacoes_e_titulo() {
        janela->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(janela.get()));
        QCOMPARE(janela->windowTitle(), QString("Lumbrio — NBR 6118:2003"));
        QCOMPARE(Controle<QLabel>(Area(), "Label47")->buddy(), Combo("ComboNorma"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Combo("ComboNorma"));
        Combo("ComboNorma")->setCurrentText("NBR 6118:2023");
        QCOMPARE(janela->windowTitle(), QString("Lumbrio — NBR 6118:2023"));
        Caixa("Text17")->setText("60001");
        Botao("Command1")->click();
        const auto& v = janela->Modelo().Form1.TextVerificacao;
        int falhas = 0;
        for (std::size_t i = 1; i < v.size(); ++i) {
            QLineEdit* linha = Caixa(QString("TextVerificacao(%1)").arg(i));
            QCOMPARE(linha->text().isEmpty(), v[i].Text.empty());
            QVERIFY(linha->isReadOnly());
            falhas += linha->property("alerta").toBool();
        }
        QVERIFY(!v[1].Text.empty() && falhas >= 1);
        Combo("ComboNorma")->setCurrentText("NBR 6118:2003"); // título: a do cálculo
        QCOMPARE(janela->windowTitle(), QString("Lumbrio — NBR 6118:2023"));
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

    // "Outros valores" confere as caixas no "&Voltar"; o diálogo de erro cabe no
    // texto; "Sobre" em "Aj&uda" com a versão; o padrão volta na partida.
    void dialogos() {
        QString erro;
        janela->AoMostrar = [&](QDialog& d) {
            if (d.objectName() == "Form2") {
                erro = Controle<QLabel>(&d, "Label1")->text();
                const QLabel* l = Controle<QLabel>(&d, "Label1");
                QVERIFY(d.height() < 326 && l->height() >= l->heightForWidth(l->width()));
                d.close();
                return;
            }
            Controle<QLineEdit>(&d, "Text2")->setText("-1");
            Controle<QPushButton>(&d, "Command1")->click(); // recusado: fica aberto
            QVERIFY(d.isVisible());
            Controle<QLineEdit>(&d, "Text2")->setText("2");
            Controle<QLineEdit>(&d, "Text3")->setText("250");
            Controle<QPushButton>(&d, "Command1")->click();
            QVERIFY(!d.isVisible());
        };
        QCOMPARE(Menu("mnuItemPrecisao")->text(), QString("&Outros valores..."));
        Menu("mnuItemPrecisao")->trigger();
        QVERIFY(!janela->Travou && erro.startsWith("O diâmetro máximo do agregado graúdo"));
        QCOMPARE(janela->Mostrados, (QStringList{"Form8", "Form2"}));
        QString sobre;
        janela->AoMostrar = [&](QDialog& d) {
            for (QLabel* l : d.findChildren<QLabel*>()) sobre += l->text();
            d.close();
        };
        QVERIFY(
            janela->menuBar()->actions().last()->menu()->actions().contains(Menu("mnuItemAbout")));
        Menu("mnuItemAbout")->trigger();
        QVERIFY(sobre.contains("Versão 0.1") && sobre.contains("Licença MIT"));
        Caixa("Text1")->setText("33");
        janela->ArquivoEscolhido = "viga"; // sem extensão: ganha ".txt"
        Menu("mnuItemSave")->trigger();
        QVERIFY(QFile::exists("viga.txt"));
        QCOMPARE(janela->statusBar()->currentMessage(),
                 QString("Valores gravados em \"viga.txt\"."));
        QFile::rename("viga.txt", "Padrão.txt");
        NovaJanela(); // carrega Padrão.txt sem calcular
        QCOMPARE(Caixa("Text1")->text(), QString("33"));
        QCOMPARE(janela->Modelo().Form8.Text3.Text, std::string("250"));
        QVERIFY(Caixa("Text8")->text().isEmpty());
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
