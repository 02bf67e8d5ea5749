// Testes da janela: textos que cabem, teclado, resultados desatualizados, diálogos
// modais com vigia, exportações e pintura. O que o núcleo decide fica nos testes dele.
#include "Componentes.h"
#include "Form1.h"
#include "PintaDesenho.h"
#include "Relatorio.h"
#include "files/Configuracao.h"
#include "output/Desenhos.h"
#include "output/Painel.h"

#include <QSettings>
#include <QtTest>
#include <QtWidgets>
#include <clocale>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/resource.h>

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
    QString FiltroEscolhido;   // vazio: o primeiro dos filtros
    QStringList Substituicoes; // os nomes sobre os quais se perguntou
    bool Substitui = false;    // a resposta a essa pergunta
    bool PerguntaReal = false; // a pergunta é o diálogo da janela
    int Resolucao = 0;         // resposta ao pedido de resolução do PNG
    int ImpressorasPedidas = 0;
    bool Travou = false; // o diálogo não se escondeu sozinho
    QStringList PerguntasAoFechar;
    Resposta AoFechar = Resposta::Cancelar;

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
    QString PedeArquivoSaida(const QString&, const QString& Filtros, QString& Filtro) override {
        Filtro = FiltroEscolhido.isEmpty() ? Filtros.section(";;", 0, 0) : FiltroEscolhido;
        return ArquivoEscolhido;
    }
    bool ConfirmaSubstituicao(const QString& Nome) override {
        Substituicoes << Nome;
        return PerguntaReal ? Form1::ConfirmaSubstituicao(Nome) : Substitui;
    }
    int PedeResolucao() override { return Resolucao; }
    Resposta PerguntaSeSalva(const QString& Nome) override {
        PerguntasAoFechar << Nome;
        return AoFechar;
    }
    bool PedeImpressora(QPrinter&) override { return ++ImpressorasPedidas < 0; } // conta e cancela
    bool PedeFicha(lumbrio::FichaDoProjeto& F) override {
        F = {"Edifício Aurora", "V-12", "Maria Souza", "CREA-SP 123456"};
        return true;
    }
};

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QByteArray Bytes(const QString& Nome) {
    QFile f(Nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void EscreveArquivo(const QString& Nome, const QByteArray& Conteudo) {
    QFile f(Nome);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(Conteudo) == Conteudo.size());
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
        int sobra = 0; // largura livre para o texto
        if (auto* c = qobject_cast<QLineEdit*>(w))
            sobra = lumbrio::janela::LarguraTexto(c) - m.horizontalAdvance(c->text());
        else if (auto* c = qobject_cast<QComboBox*>(w))
            sobra = lumbrio::janela::LarguraTexto(c) - m.horizontalAdvance(c->currentText());
        else if (auto* b = qobject_cast<QPushButton*>(w))
            sobra = b->height() - 4 -
                    m.boundingRect(b->rect().adjusted(4, 0, -4, 0), Qt::TextWordWrap, b->text())
                        .height();
        QRect t = lumbrio::janela::AreaDoTexto(w);
        if (auto* g = qobject_cast<QGroupBox*>(w)) {
            QStyleOptionGroupBox o;
            o.initFrom(g);
            o.text = g->title();
            t = g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
            for (QWidget* v : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (t.intersects(v->geometry())) r << v->objectName() + " sobre o título";
        } else if (!t.isNull()) {
            sobra = w->geometry().contains(t) ? 0 : -1;
            for (QWidget* v : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (v != w && v->isVisible() && t.adjusted(-1, 0, 1, 0).intersects(v->geometry()))
                    r << w->objectName() + " encosta em " + v->objectName();
        }
        if (sobra < 0) r << w->objectName();
    }
    return r;
}

} // namespace

class TestaJanela : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> pasta;
    QTemporaryDir configuracoes; // as do usuário, longe das de quem roda os testes
    QString pastaAnterior;
    std::unique_ptr<JanelaDeTeste> janela;

    QWidget* Area() { return janela->findChild<QWidget*>("Superficie"); }
    QLineEdit* Caixa(const QString& Nome) { return Controle<QLineEdit>(Area(), Nome); }
    QComboBox* Combo(const QString& Nome) { return Controle<QComboBox>(Area(), Nome); }
    QCheckBox* Marca(const QString& Nome) { return Controle<QCheckBox>(Area(), Nome); }
    QPushButton* Botao(const QString& Nome) { return Controle<QPushButton>(Area(), Nome); }
    QAction* Menu(const QString& Nome) { return Controle<QAction>(janela.get(), Nome); }
    void NovaJanela(bool Ativa = false) {
        janela = std::make_unique<JanelaDeTeste>();
        janela->show();
        if (Ativa) janela->activateWindow(); // foco e atalhos de teclado
        if (Ativa) QVERIFY(QTest::qWaitForWindowActive(janela.get()));
    }
    void Bitolas(const char* Positiva, const char* Negativa = nullptr) {
        for (int i = 1; i <= 6; ++i) Combo(QString("Combo2(%1)").arg(i))->setEditText(Positiva);
        for (int i = 1; Negativa && i <= 3; ++i)
            Combo(QString("Combo4(%1)").arg(i))->setEditText(Negativa);
    }

  private slots:
    // Os textos foram medidos nas famílias de FontePadrao(); com outra (a DejaVu Sans
    // de uma instalação mínima é 10 % mais larga), números perderiam dígitos.
    void initTestCase() {
        std::setlocale(LC_NUMERIC, "C");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configuracoes.path());
        const QString familia = QFontInfo(lumbrio::janela::FontePadrao()).family();
        QVERIFY2(lumbrio::janela::FontePadrao().families().contains(familia) &&
                     familia != QApplication::font().family(),
                 qPrintable("A fonte da janela resolveu para \"" + familia +
                            "\": instale o pacote fonts-liberation2."));
    }

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

    void filtro_de_teclas() {
        struct Caso {
            const char *Caixa, *Texto, *Antes, *Depois;
            int Tecla, Bipes;
        } const casos[] = {
            {"Text17", ",", "100", "100.", Qt::Key_Comma, 0},  // vírgula em Md é o ponto
            {"Text21", ",", "1", "1.", Qt::Key_Comma, 0},      // e em γc
            {"Text17", ".", "100", "100.", Qt::Key_Period, 0}, // ponto em Md entra
            {"Text1", ".", "20", "20", Qt::Key_Period, 1},     // ponto na base bipa
            {"Text32", " ", "1", "1", Qt::Key_Space, 1},       // espaço no passo da altura
            {"Text8", "1", "", "", Qt::Key_1, 1},              // dígito em As (resultado)
            {"Text9", "\b", "12", "12", Qt::Key_Backspace, 1},
            {"Text1", "\b", "20", "2", Qt::Key_Backspace, 0},
            {"Text13", "\x7f", "12", "2", Qt::Key_Delete, 0}, // Delete não é filtrado
            {"Text23", "a", "", "a", Qt::Key_A, 0},           // Mrd é livre
            {"Text7", ",", "1", "1.", Qt::Key_Comma, 0},      // e no passo de Md
            {"Text19", ",", "0", "0.", Qt::Key_Comma, 0},     // e no fator de x máximo
        };
        for (const Caso& c : casos) {
            QLineEdit* caixa = Caixa(c.Caixa);
            caixa->setText(c.Antes);
            caixa->setCursorPosition(c.Tecla == Qt::Key_Delete ? 0 : int(strlen(c.Antes)));
            janela->statusBar()->clearMessage();
            QSignalSpy bipou(janela.get(), &Form1::Bipou);
            QKeyEvent evento(QEvent::KeyPress, c.Tecla, Qt::NoModifier, c.Texto);
            QApplication::sendEvent(caixa, &evento);
            const QByteArray caso = QByteArray(c.Caixa) + " " + c.Texto;
            QVERIFY2(caixa->text() == c.Depois && bipou.count() == c.Bipes, caso.data());
            // Cada recusa diz o motivo na barra de estado.
            QVERIFY2(janela->statusBar()->currentMessage().isEmpty() == !c.Bipes, caso.data());
        }
        QKeyEvent virgula(QEvent::KeyPress, Qt::Key_Comma, Qt::NoModifier, ",");
        QApplication::sendEvent(Caixa("Text1"), &virgula);
        QVERIFY(janela->statusBar()->currentMessage().contains("centímetros inteiros"));
    }

    // Enter sempre calcula (nunca sai); Espaço e Alt+letra acionam botões; o Tab
    // segue a leitura do formulário e pula as caixas de resultado.
    void teclado() {
        NovaJanela(true);
        int md = 9000;
        for (const char* nome : {"Text18", "Command6", "Command7", "Check4", "Combo5", "Text8"}) {
            Caixa("Text17")->setText(QString::number(md += 100));
            QWidget* w = Controle<QWidget>(Area(), nome);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Return);
            QVERIFY2(janela->isVisible() && janela->Modelo().Md == md * 100, nome);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);  // "Sa&lva"
        QTRY_VERIFY(janela->statusBar()->currentMessage().contains("Padrão.txt")); // animado
        Botao("Command8")->setFocus();
        QTest::keyClick(Botao("Command8"), Qt::Key_Space); // "&Exporta dados"
        QVERIFY(janela->statusBar()->currentMessage().contains(QDir::currentPath()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier); // "&Norma"
        QCOMPARE(QApplication::focusWidget(), Combo("ComboNorma"));

        // Numa tela pequena a superfície rola: cada parada do Tab fica à vista.
        janela->resize(640, 400);
        QCoreApplication::processEvents();
        const QWidget* vista = janela->findChild<QScrollArea*>("Rolagem")->viewport();
        QStringList paradas;
        for (QWidget* w = Caixa("Text1");
             paradas.size() < 100 && !paradas.contains(w->objectName());
             w = QApplication::focusWidget()) {
            paradas << w->objectName();
            w->setFocus();
            const QRect r(w->mapTo(vista, QPoint(0, 0)), w->size());
            QVERIFY2(vista->rect().contains(r), qPrintable(w->objectName()));
            QTest::keyClick(w, Qt::Key_Tab);
        }
        janela->MostraInteira();
        // Escalas desabilitadas por "Auto.", θ no modelo I, barras dadas escondidas.
        QCOMPARE(paradas.size(), 81);
        const char* leitura[] = {"Text1",
                                 "Text4",
                                 "Combo3",
                                 "Combo2(1)",
                                 "Text17",
                                 "ComboNorma",
                                 "Check4",
                                 "Check3",
                                 "Command1",
                                 "Command8",
                                 "TextVd",
                                 "TextRamos",
                                 "TextMser",
                                 "ComboCAA",
                                 "TextVerificacao(1)",
                                 "TextCortante(1)",
                                 "TextFissuracao(4)"};
        for (std::size_t i = 1; i < std::size(leitura); ++i)
            QVERIFY2(paradas.indexOf(leitura[i - 1]) < paradas.indexOf(leitura[i]), leitura[i]);
        for (const char* r : {"Text8", "Text24", "Text34", "Text36", "Text25(1)"}) {
            QVERIFY2(!paradas.contains(r), r);
            QTest::mouseClick(Caixa(r), Qt::LeftButton); // o mouse ainda seleciona
            QCOMPARE(QApplication::focusWidget(), Caixa(r));
        }
        // Enter numa lista aberta só escolhe o item: nada é calculado.
        QComboBox* unidade = Combo("Combo5");
        unidade->showPopup();
        QTest::keyClick(unidade->view(), Qt::Key_Down);
        QTest::keyClick(unidade->view(), Qt::Key_Return);
        QVERIFY(!unidade->view()->isVisible() && janela->Modelo().Desatualizado());
        // θ só se digita no modelo II.
        QComboBox* modelo = Combo("ComboModelo");
        modelo->setCurrentIndex(1);
        emit modelo->activated(1);
        QVERIFY(Caixa("TextTeta")->isEnabled());
    }

    // Cada texto cabe no seu widget, sem encostar nos vizinhos, nos projetos de alerta
    // e de números grandes (também a 150 %, em janela_150); alertas em branco sobre o
    // vermelho escuro, com o motivo na dica; linhas de verificação só leitura.
    void textos_cabem() {
        struct Caso {
            const char *Md, *Unidade, *Bitola, *Vd, *Modelo;
        } const casos[] = {
            {"10000", "KN.cm", "40 mm", "", "Modelo I"},
            {"23000", "KN.cm", "20 mm (3/4'')", "153", "Modelo II"}, // a nota de A's,extra
            {"60001", "KN.cm", "20 mm (3/4'')", "99999", "Modelo I"},
            {"23000000", "Kgf.mm", "22.5 mm (7/8'')", "0", "Modelo II"},
            {"1e30", "Kgf.mm", "32 mm (1 1/4'')", "", "Modelo I"},
        };
        Combo("ComboNorma")->setCurrentText("NBR 6118:2023");
        QCOMPARE(janela->windowTitle(), QString("sem nome* — Lumbrio — NBR 6118:2023"));
        QStringList alertas;
        for (const Caso& c : casos) {
            Caixa("Text17")->setText(c.Md);
            Caixa("Text7")->setText("10000");
            Combo("Combo5")->setCurrentText(c.Unidade);
            Caixa("TextVd")->setText(c.Vd);
            Caixa("TextMser")->setText(c.Vd); // o mesmo número em KN.cm
            Combo("ComboCAA")->setCurrentText("IV");
            Combo("ComboModelo")->setCurrentText(c.Modelo);
            Bitolas(c.Bitola, "8 mm (5/16'')");
            // No 4º caso, barras dadas no lugar do número das camadas, sem encostar nele.
            const bool dadas = c.Vd == std::string("0");
            if (Marca("CheckVerifica")->isChecked() != dadas) Marca("CheckVerifica")->click();
            Caixa("TextBarrasPos(1)")->setText("1");
            Botao("Command1")->click();
            QCOMPARE(janela->Modelo().Verificacao, dadas);
            const QStringList falhas = NaoCabem(Area());
            QVERIFY2(falhas.isEmpty(), qPrintable(QString(c.Md) + ": " + falhas.join(", ")));
            for (const char* l : {"Combo2(1)", "Combo4(1)"}) // o começo à vista
                QCOMPARE(Combo(l)->lineEdit()->cursorPosition(), 0);
            for (QWidget* w : Area()->findChildren<QWidget*>()) {
                if (!w->property("alerta").toBool()) continue;
                alertas << w->objectName();
                QCOMPARE(w->palette().color(QPalette::Base), QColor(128, 0, 0)); // branco: 11:1
                QCOMPARE(w->palette().color(QPalette::Text), QColor(Qt::white));
            }
        }
        QVERIFY(alertas.contains("Text24") && alertas.filter("TextVerificacao").size() >= 1 &&
                alertas.contains("TextCortante(1)") && alertas.contains("TextFissuracao(1)"));
        QVERIFY(Caixa("Text24")->toolTip().contains(Q(janela->Modelo().Form1.Text24.ToolTipText)));
        // Uma entrada muda: os alertas do cálculo anterior perdem o vermelho vivo.
        QTest::keyClick(Caixa("Text17"), Qt::Key_1);
        for (const char* nome : {"Text24", "TextVerificacao(1)"})
            QVERIFY(Caixa(nome)->palette().color(QPalette::Base) != QColor(128, 0, 0));
        QTest::keyClick(Caixa("Text17"), Qt::Key_Backspace); // de volta: vivo outra vez
        QCOMPARE(Caixa("Text24")->palette().color(QPalette::Base), QColor(128, 0, 0));
        const auto& v = janela->Modelo().Form1.TextVerificacao;
        for (std::size_t i = 1; i < v.size(); ++i) {
            QLineEdit* linha = Caixa(QString("TextVerificacao(%1)").arg(i));
            QVERIFY(linha->isReadOnly() && linha->text().isEmpty() == v[i].Text.empty());
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
        Menu("mnuItemCopiarResultados")->trigger(); // o modelo guarda o número inteiro
        QVERIFY(QApplication::clipboard()->text().contains(Q(janela->Modelo().Form1.Text23.Text)));
        // O título segue a edição do cálculo, não a da lista mudada depois dele.
        Combo("ComboNorma")->setCurrentText("NBR 6118:2003");
        QCOMPARE(janela->windowTitle(), QString("sem nome* — Lumbrio — NBR 6118:2023"));
    }

    // Qualquer entrada mudada depois do cálculo apaga o painel e o desenho; a
    // exportação pede um novo cálculo, que volta tudo ao normal.
    // Cada botão +/- muda a sua caixa com o seu sinal; sem número na caixa, só o bipe.
    void botoes_de_passo() {
        for (const char* passo : {"Text31", "Text32", "Text7"}) Caixa(passo)->setText("1");
        // {botão, caixa, 10 depois do clique}
        const std::tuple<const char*, const char*, const char*> casos[] = {
            {"Command16", "Text1", "11"}, {"Command13", "Text1", "9"},
            {"Command15", "Text2", "11"}, {"Command14", "Text2", "9"},
            {"Command4", "Text17", "11"}, {"Command5", "Text17", "9"}};
        for (const auto& [botao, caixa, depois] : casos) {
            Caixa(caixa)->setText("10");
            QSignalSpy bipou(janela.get(), &Form1::Bipou);
            Botao(botao)->click();
            const QString somado = Caixa(caixa)->text();
            Caixa(caixa)->clear();
            Botao(botao)->click();
            QVERIFY2(somado == depois && Caixa(caixa)->text().isEmpty() && bipou.count() == 1,
                     botao);
        }
    }

    void resultados_desatualizados() {
        const std::function<void()> mudancas[] = {
            [this] { QTest::keyClicks(Caixa("Text1"), "5"); },
            [this] { Combo("Combo6")->setCurrentText("Kgf/cm2"); },
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
            QVERIFY(janela->Mostrados == QStringList{"Form2"} && !QFile::exists("velho.pdf"));
            QTest::keyClick(Caixa("Text2"), Qt::Key_Return);
            QVERIFY(!janela->Modelo().Desatualizado() && janela->Modelo().HaResultados);
            QCOMPARE(Caixa("Text8")->palette().color(QPalette::Text), normal);
        }
    }

    // Recusa no diálogo de erro, do tamanho do texto; "Outros valores" conferido no
    // "&Voltar"; "Sobre" em "Aj&uda" com a versão.
    void dialogos() {
        Caixa("Text19")->setText("2"); // x máximo fora de 0 a 1: só conta se marcado
        Botao("Command1")->click();
        QVERIFY(janela->Mostrados.isEmpty() && janela->Modelo().HaResultados);
        Marca("Check5")->setChecked(true);
        QString erro;
        janela->AoMostrar = [&](QDialog& d) {
            if (d.objectName() == "Form2") {
                const QLabel* l = Controle<QLabel>(&d, "Label1");
                erro = l->text();
                QVERIFY(d.height() < 326 && l->height() >= l->heightForWidth(l->width()));
                Controle<QPushButton>(&d, "Command1")->click(); // "Continuar"
                return;
            }
            Controle<QLineEdit>(&d, "Text2")->setText("-1");
            Controle<QPushButton>(&d, "Command1")->click(); // recusado: fica aberto
            QVERIFY(d.isVisible());
            QTest::keyClick(&d, Qt::Key_Escape); // Esc confere como "&Voltar"
            QVERIFY(d.isVisible());
            auto* agregado = Controle<QLineEdit>(&d, "Text2");
            agregado->clear();
            QTest::keyClicks(agregado, "2,5"); // a vírgula do teclado vira ponto
            QCOMPARE(agregado->text(), QString("2.5"));
            Controle<QPushButton>(&d, "Command1")->click();
            QVERIFY(!d.isVisible());
        };
        Botao("Command1")->click();
        QCOMPARE(erro, QString("xMáximo deve estar entre 0 e 1 .d"));
        Menu("mnuItemPrecisao")->trigger();
        QVERIFY(erro.startsWith("O diâmetro máximo do agregado graúdo"));
        QCOMPARE(janela->Mostrados, (QStringList{"Form2", "Form8", "Form2", "Form2"}));
        QString sobre;
        janela->AoMostrar = [&](QDialog& d) {
            for (QLabel* l : d.findChildren<QLabel*>()) {
                sobre += l->text();
                QVERIFY(l->height() >= l->heightForWidth(l->width())); // o texto inteiro
            }
            d.close();
        };
        QCOMPARE(Menu("mnuItemAbout")->parent()->objectName(), QString("mnuAjuda"));
        Menu("mnuItemAbout")->trigger();
        QVERIFY(!janela->Travou && sobre.contains("Versão 0.1") && sobre.contains("6118:2023"));
        // Um pedido ao usuário é um "Aviso"; uma recusa, "Mensagem de erro".
        QString titulo;
        janela->AoMostrar = [&](QDialog& d) {
            titulo = d.windowTitle();
            d.close();
        };
        Caixa("Text17")->setText("12000");
        Botao("Command3")->click(); // "Tira 1 barra" com resultados desatualizados
        QCOMPARE(titulo, QString("Aviso"));
        Caixa("Text17")->setText("-1");
        Botao("Command1")->click();
        QCOMPARE(titulo, QString("Mensagem de erro"));
    }

    // Um texto além dos 32767 caracteres de um QLineEdit volta inteiro ao salvar; um
    // arquivo que passaria do limite de leitura não é gravado.
    void textos_longos_nao_sao_cortados() {
        lumbrio::Dimensionamento d;
        d.Form1.Text31.Text = std::string(40000, '5');
        QVERIFY(!lumbrio::GravaConfiguracao(d, "longo.txt"));
        for (const char* nome : {"longo.txt", "copia.txt"}) {
            janela->ArquivoEscolhido = nome;
            Menu(nome[0] == 'l' ? "mnuItemload" : "mnuItemSave")->trigger();
        }
        QVERIFY(janela->Mostrados.isEmpty());
        QCOMPARE(Bytes("copia.txt"), Bytes("longo.txt"));
        Caixa("Text32")->setText(QString(30000, '5'));
        janela->ArquivoEscolhido = "grande.txt";
        Menu("mnuItemSave")->trigger();
        QVERIFY(janela->Mostrados == QStringList{"Form2"} && !QFile::exists("grande.txt"));
        QVERIFY(janela->statusBar()->currentMessage().isEmpty());
    }

    // Exportações só depois de um cálculo; de ponta a ponta (armadura dupla, %h acima
    // de 10 e Mrd Real abaixo de Md): PDF com os números do painel, SVG, PNG e falha.
    void exportacoes_depois_de_um_calculo() {
        const QStringList itens{"mnuItemImprimir", "mnuItemRelatorioPdf", "mnuItemExportarDesenho",
                                "mnuItemCopiarResultados"};
        for (const QString& i : itens) QVERIFY2(!Menu(i)->isEnabled(), qPrintable(i));
        Caixa("Text17")->setText("25000");
        Bitolas("20 mm (3/4'')", "16 mm (5/8'')");
        Botao("Command1")->click();
        for (const QString& i : itens) QVERIFY2(Menu(i)->isEnabled(), qPrintable(i));
        Menu("mnuItemImprimir")->trigger();
        QCOMPARE(janela->ImpressorasPedidas, 1);
        for (const char* nome : {"relatório", "desenho", "desenho.png"}) { // sem extensão: PDF, SVG
            janela->ArquivoEscolhido = nome;
            Menu(nome[0] == 'r' ? "mnuItemRelatorioPdf" : "mnuItemExportarDesenho")->trigger();
        }
        QVERIFY(QFile::exists("relatório.pdf") && QFile::exists("desenho.svg"));
        QVERIFY(!QFile::exists("desenho.png")); // resolução cancelada: nada gravado
        janela->Resolucao = 288;
        Menu("mnuItemExportarDesenho")->trigger();
        // 1440 twips por polegada: 5 twips por ponto; texto de 7,5 pt = 150 twips. Cotas e
        // deformações no lugar, a legenda embaixo e, no SVG, os valores de b e h.
        const QImage imagem("desenho.png");
        const auto& modelo = janela->Modelo();
        const auto a = lumbrio::AnotaDesenhos(modelo, 150, [](const auto&) { return 0.0; });
        const QPointF canto(a.Regiao.Left, a.Regiao.Top);
        auto meio = [](const Primitiva& p) { return QPointF(p.x1 + p.x2, p.y1 + p.y2) / 2; };
        for (const Primitiva& p : a.Cotas)
            QVERIFY(CorPerto(imagem, meio(p), Tinta::Escuro, 5, canto));
        for (const Primitiva& p : modelo.Desenho)
            if (p.cor == lumbrio::CorVermelhoClaro)
                QVERIFY(CorPerto(imagem, meio(p), Tinta::Vermelho, 5, canto));
        QVERIFY(imagem.width() > a.Regiao.Width / 5); // coluna dos rótulos
        bool legenda = false;
        for (int y = int(a.Regiao.Height / 5) + 2; y < imagem.height(); ++y)
            for (int x = 0; x < 200; ++x) legenda |= Tinta::Escuro(imagem.pixelColor(x, y));
        QVERIFY(legenda);
        const QByteArray svg = Bytes("desenho.svg");
        for (double v : {modelo.Base, modelo.Altura})
            QVERIFY(svg.contains(">" + QByteArray::number(v) + " cm</text>"));
        janela->ArquivoEscolhido = "sem_pasta/relatório.pdf";
        Menu("mnuItemRelatorioPdf")->trigger();
        QVERIFY(janela->Mostrados == QStringList{"Form2"} &&
                janela->Modelo().Form2.Label1.Caption.find("sem_pasta") != std::string::npos);
        // Disco cheio (aqui, limite de tamanho): os arquivos anteriores ficam inteiros.
        const QStringList nomes{"relatório.pdf", "desenho.svg", "desenho.png"};
        QByteArrayList antes;
        for (const QString& n : nomes) antes << Bytes(n);
        rlimit normal{};
        getrlimit(RLIMIT_FSIZE, &normal);
        const rlimit cheio{100, normal.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &cheio);
        janela->Substitui = true;
        for (const QString& n : nomes) {
            janela->ArquivoEscolhido = n, janela->Modelo().Form2.Label1.Caption.clear();
            Menu(n.endsWith("pdf") ? "mnuItemRelatorioPdf" : "mnuItemExportarDesenho")->trigger();
            QVERIFY(janela->Modelo().Form2.Label1.Caption.find("tamanho máximo") !=
                    std::string::npos);
        }
        setrlimit(RLIMIT_FSIZE, &normal);
        for (qsizetype i = 0; i < nomes.size(); ++i) QCOMPARE(Bytes(nomes[i]), antes[i]);
        QCOMPARE(janela->Substituicoes, nomes); // só sobre os que já existiam
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) não está instalado");
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", "relatório.pdf", "-"});
        QVERIFY(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0);
        const QString texto = QString::fromUtf8(pdftotext.readAllStandardOutput());
        // Quantas páginas depende das métricas da fonte instalada; a numeração acompanha.
        const qsizetype paginas = texto.count('\f');
        QVERIFY(paginas >= 3);
        QStringList esperados{"(continuação)", "2 φ 16 mm",       "não atende",
                              "não resistem",  "Edifício Aurora", "CREA-SP 123456"};
        esperados << QString("página 1 de %1").arg(paginas)
                  << QString("página %1 de %1").arg(paginas);
        for (const char* caixa : {"Text23", "Text24", "Text8", "Text33", "Text9", "Text36"})
            esperados << Caixa(caixa)->text();
        for (const QString& e : esperados) QVERIFY2(texto.contains(e), qPrintable(e));
    }

    // Cada texto do relatório cabe na sua caixa (medido com QTextLayout, linha a linha),
    // com identificações longas, em todas as seções, e toda célula é pintada.
    void relatorio_nao_corta_texto() {
        Caixa("Text17")->setText("25000");
        Caixa("TextVd")->setText("300");
        Caixa("TextMser")->setText("12000");
        Bitolas("20 mm (3/4'')", "16 mm (5/8'')");
        Botao("Command1")->click();
        const std::string longo = std::string(80, '7'); // 80 caracteres sem espaço
        const lumbrio::FichaDoProjeto ficha{"Conjunto residencial — bloco B, " + longo,
                                            "Viga V1 (20×50) — vão central", longo, longo};
        QBuffer memoria;
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoria);
        lumbrio::janela::PreparaFolha(pdf);
        QStringList pintados, cortados;
        QPainter p(&pdf);
        lumbrio::janela::PintaRelatorio(
            p, pdf, janela->Modelo(), ficha,
            [&](const QRectF& r, const QString& t, const QTextOption& o, const QFont& f) {
                QTextLayout l(t, f, &pdf);
                l.setTextOption(o);
                l.beginLayout();
                double h = 0, w = 0, linhas = 0; // a altura de cada linha sai inteira
                for (QTextLine k = l.createLine(); k.isValid(); k = l.createLine(), ++linhas)
                    k.setLineWidth(r.width()), h += k.height(),
                        w = std::max(w, k.naturalTextWidth());
                l.endLayout();
                if (w > r.width() + 0.5 || h > r.height() + linhas) cortados << t;
                pintados << t;
            });
        p.end();
        QVERIFY2(cortados.isEmpty(), qPrintable(cortados.join(" | ")));
        const lumbrio::Relatorio r = lumbrio::MontaRelatorio(janela->Modelo(), ficha);
        QCOMPARE(r.Secoes.size(), std::size_t(11)); // cortante, fissuras, assinatura
        QStringList textos;
        std::vector<const lumbrio::Tabela*> tabelas{&r.Ficha};
        for (const auto& secao : r.Secoes) {
            textos << Q(secao.Titulo);
            for (const auto& b : secao.Blocos)
                if (const auto* t = std::get_if<lumbrio::Tabela>(&b)) tabelas.push_back(t);
        }
        for (const lumbrio::Tabela* t : tabelas)
            for (const auto& l : t->Linhas)
                for (const std::string& c : l.Celulas) textos << Q(c);
        for (const QString& t : textos) QVERIFY2(pintados.contains(t), qPrintable(t));
    }

    // Sob um gerenciador de janelas (janela_gerenciador: Xvfb a 1366 × 768 com openbox),
    // a moldura inteira, com a barra de título, abre dentro da área livre da tela.
    void abre_dentro_da_tela() {
        if (qEnvironmentVariableIsEmpty("LUMBRIO_GERENCIADOR"))
            QSKIP("só sob um gerenciador de janelas (teste janela_gerenciador)");
        // Uma janela de prova espera o gerenciador emoldurar; depois, com folga, a do programa.
        QWidget prova;
        prova.show();
        QTRY_VERIFY_WITH_TIMEOUT(prova.frameGeometry().top() < prova.geometry().top(), 20000);
        NovaJanela();
        QTRY_VERIFY_WITH_TIMEOUT(janela->frameGeometry().top() < janela->geometry().top(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(
            janela->screen()->availableGeometry().contains(janela->frameGeometry()), 20000);
    }

    // F1 abre a ajuda embutida, que explica cada símbolo; cada entrada e cada caixa de
    // resultado tem dica; a legenda do desenho fica na janela, com a escala depois do cálculo.
    void ajuda_dicas_e_legenda() {
        NovaJanela(true);
        QTest::keySequence(janela.get(), QKeySequence::HelpContents);
        auto* ajuda = janela->findChild<QDialog*>("Ajuda");
        QVERIFY(ajuda && ajuda->isVisible());
        const QString pagina = Controle<QTextBrowser>(ajuda, "TextoAjuda")->toPlainText();
        for (const char* termo :
             {"y/2", "Rcc", "Dom", "%h", "d'CG", "Escala", "modelo CG", "modelo Real", "14.6.4.3",
              "17.4", "17.3.3", "Padrão.txt", "lumbrio-lote"})
            QVERIFY2(pagina.contains(QString::fromUtf8(termo)), termo);
        // A moldura da legenda não cobre nenhuma outra da superfície.
        const auto* moldura = Area()->findChild<QGroupBox*>("FrameLegenda");
        for (const QGroupBox* b : Area()->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(b == moldura || !moldura->geometry().intersects(b->geometry()),
                     qPrintable(b->objectName()));
        const auto legenda = [&] { return Controle<QLabel>(Area(), "LabelLegenda")->text(); };
        QVERIFY(legenda().startsWith("Vermelho") && !legenda().contains("Seção"));
        Botao("Command1")->click();
        QVERIFY(legenda().startsWith(QString("Seção 20 × 50 cm")));
        QStringList semDica;
        for (QWidget* w : Area()->findChildren<QWidget*>()) {
            const bool caixa =
                qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget());
            if ((caixa || qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w)) &&
                w->toolTip().isEmpty())
                semDica << w->objectName();
        }
        janela->AoMostrar = [&](QDialog& d) { // e as de "Outros valores"
            for (QWidget* w : d.findChildren<QWidget*>())
                if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w)) &&
                    w->toolTip().isEmpty())
                    semDica << w->objectName();
            d.close();
        };
        Menu("mnuItemPrecisao")->trigger();
        QVERIFY2(semDica.isEmpty(), qPrintable(semDica.join(", ")));
    }

    // O título diz o arquivo e "*" com valores não salvos; Ctrl+S salva no arquivo atual
    // (sem ele, pede o nome); fechar com mudanças pergunta, e só "Cancelar" fica.
    void arquivo_atual_no_titulo_salvar_e_fechar() {
        const auto titulo = [&] { return janela->windowTitle().section(" — ", 0, 0); };
        Botao("Command1")->click(); // calcular não muda valores
        QCOMPARE(titulo(), QString("Lumbrio"));
        QVERIFY(Menu("mnuItemload")->shortcut() == QKeySequence::Open &&
                Menu("mnuItemSalvar")->shortcut() == QKeySequence::Save);
        QTest::keyClicks(Caixa("Text1"), "5");
        QCOMPARE(titulo(), QString("sem nome*"));
        janela->ArquivoEscolhido = "viga";
        Menu("mnuItemSalvar")->trigger(); // sem arquivo: o nome pedido
        QCOMPARE(titulo(), QString("viga.txt"));
        janela->ArquivoEscolhido = "outro.txt"; // não é pedido de novo
        Caixa("Text1")->setText("30"), QTest::keyClicks(Caixa("Text1"), "5");
        QCOMPARE(titulo(), QString("viga.txt*"));
        Menu("mnuItemSalvar")->trigger();
        QVERIFY(titulo() == "viga.txt" && Bytes("viga.txt").startsWith("305\r\n"));
        QVERIFY(!QFile::exists("outro.txt"));
        using R = Form1::Resposta;
        for (const R r : {R::Cancelar, R::Descartar, R::Salvar}) {
            NovaJanela();
            janela->ArquivoEscolhido = "viga.txt";
            Menu("mnuItemload")->trigger(); // aberto e sem mudanças: fechar não pergunta
            QVERIFY(janela->close() && janela->PerguntasAoFechar.isEmpty());
            janela->show(), janela->AoFechar = r;
            Caixa("Text1")->setText("40"), QTest::keyClicks(Caixa("Text1"), "0");
            QCOMPARE(janela->close(), r != R::Cancelar);
            QCOMPARE(janela->PerguntasAoFechar, QStringList{"viga.txt"});
            QCOMPARE(Bytes("viga.txt").startsWith("400\r\n"), r == R::Salvar);
        }
        // "Copiar resultados" leva também o veredito, as verificações, a cortante e a
        // durabilidade.
        Caixa("TextVd")->setText("100");
        Botao("Command1")->click();
        Menu("mnuItemCopiarResultados")->trigger();
        const QString copiado = QApplication::clipboard()->text();
        for (const QString& linha :
             {Caixa("TextVerificacao(1)")->text(), Caixa("TextCortante(1)")->text(),
              Caixa("TextDurabilidade(1)")->text()})
            QVERIFY2(!linha.isEmpty() && copiado.contains("\n" + linha + "\n"), qPrintable(linha));
    }

    // Nenhum arquivo é substituído sem perguntar, e a pergunta é sobre o nome que será
    // gravado: "viga" em "Salvar como..." grava viga.txt, "relatório" o .pdf, e um
    // desenho sem extensão toma a do filtro escolhido (PNG, não SVG).
    void exportar_e_salvar_perguntam_antes_de_substituir() {
        Botao("Command1")->click();
        const QByteArray assinado = "conteúdo que não pode se perder";
        struct Caso {
            const char *menu, *digitado, *filtro, *gravado;
        };
        for (const Caso& c : {Caso{"mnuItemSave", "viga", "", "viga.txt"},
                              Caso{"mnuItemRelatorioPdf", "relatório", "", "relatório.pdf"},
                              Caso{"mnuItemExportarDesenho", "figura", "PNG (*.png)", "figura.png"},
                              Caso{"mnuItemExportarDesenho", "planta", "", "planta.svg"}}) {
            const QString gravado = c.gravado;
            EscreveArquivo(gravado, assinado);
            janela->ArquivoEscolhido = c.digitado, janela->FiltroEscolhido = c.filtro;
            janela->Resolucao = 96;
            for (const bool sim : {false, true}) {
                janela->Substitui = sim, janela->Substituicoes.clear();
                Menu(c.menu)->trigger();
                QCOMPARE(janela->Substituicoes, QStringList{gravado});
                QCOMPARE(Bytes(gravado) == assinado, !sim);
            }
            QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{gravado});
            QVERIFY(janela->Mostrados.isEmpty());
            QVERIFY2(QFile::remove(gravado), c.gravado);
        }
        // O diálogo da janela: "Aviso" com o nome; Esc cancela, "Substituir" substitui.
        EscreveArquivo("viga.txt", assinado);
        janela->ArquivoEscolhido = "viga", janela->PerguntaReal = true;
        for (const bool sim : {false, true}) {
            janela->AoMostrar = [&](QDialog& d) {
                QVERIFY(d.windowTitle() == "Aviso" && d.findChild<QLabel*>("qt_msgbox_label")
                                                          ->text()
                                                          .contains("\"viga.txt\" já existe"));
                if (!sim) return QTest::keyClick(&d, Qt::Key_Escape);
                for (QPushButton* b : d.findChildren<QPushButton*>())
                    if (b->text() == "&Substituir") b->click();
            };
            Menu("mnuItemSave")->trigger();
            QVERIFY(!janela->Travou);
            QCOMPARE(Bytes("viga.txt") == assinado, !sim);
        }
        janela->AoMostrar = nullptr, janela->PerguntaReal = false;
        QVERIFY(QFile::remove("viga.txt"));
        // O PNG pedido pelo filtro é PNG; um nome novo não pergunta nada.
        janela->ArquivoEscolhido = "nova", janela->FiltroEscolhido = "PNG (*.png)";
        janela->Substituicoes.clear();
        Menu("mnuItemExportarDesenho")->trigger();
        QVERIFY(janela->Substituicoes.isEmpty());
        QVERIFY(Bytes("nova.png").startsWith("\x89PNG") && !QFile::exists("nova.svg"));
    }

    // O painel segue o separador do sistema (também sob pt_BR, em janela_virgula); as
    // escalas, que são entradas, ficam com o "." que o cálculo lê. O desenho é pintado
    // onde as primitivas dizem (também num servidor X, em janela_xvfb).
    void calcula_e_pinta() {
        const QString esperado = qEnvironmentVariable("LUMBRIO_SEPARADOR_ESPERADO", ".");
        QCOMPARE(QLocale::system().decimalPoint(), esperado);
        QCOMPARE(Area()->size(), QSize(1264, 860)); // (11550 + 7410) × (8595 + 4305) twips
        Botao("Command1")->click();
        const auto& f = janela->Modelo().Form1;
        QVERIFY(!f.Text8.Text.empty() && janela->Mostrados.isEmpty());
        for (const lumbrio::LinhaPainel& l : lumbrio::LinhasPainel)
            QCOMPARE(Caixa(Q(l.NomeReal))->text(), Q((f.*l.Real).Text));
        QVERIFY2(Caixa("Text9")->text().contains(esperado), qPrintable(Caixa("Text9")->text()));
        QCOMPARE((Caixa("Text5")->text() + Caixa("Text6")->text()).count('.'), 2);
        const QImage imagem = Area()->grab().toImage();
        int vermelhas = 0, verdes = 0, circulos = 0;
        for (const Primitiva& p : janela->Modelo().Desenho) {
            const QPointF meio((p.x1 + p.x2) / 2, (p.y1 + p.y2) / 2);
            if (p.tipo == Primitiva::Tipo::Circulo) {
                // Contorno escuro (a linha do nível do aço passa pelo centro).
                const double r = p.raio / std::sqrt(2.0);
                QVERIFY(CorPerto(imagem, {p.x1 + r, p.y1 - r}, Tinta::Escuro));
                ++circulos;
            } else if (p.cor == lumbrio::CorVermelhoClaro) {
                QVERIFY(CorPerto(imagem, meio, Tinta::Vermelho));
                vermelhas += std::hypot(p.x2 - p.x1, p.y2 - p.y1) >= 75; // cruzes de 5 px ou mais
            } else if (p.cor == lumbrio::CorVerdeClaro) {
                QVERIFY(CorPerto(imagem, meio, Tinta::Verde));
                ++verdes;
            }
        }
        QVERIFY(vermelhas >= 5 && verdes >= 3 && circulos >= 1); // deformação e duas cruzes
        // Uma deformação acima de 10 ‰ sai da moldura do diagrama: fica recortada nela.
        QImage tela(800, 600, QImage::Format_RGB32);
        tela.fill(Qt::white);
        QPainter p(&tela);
        lumbrio::janela::PintaDesenho(p,
                                      {Primitiva{Primitiva::Tipo::Linha, 5000, 5000, 12500, 9500, 0,
                                                 lumbrio::CorVermelhoClaro}},
                                      1.0 / 15);
        p.end();
        QVERIFY(Tinta::Vermelho(tela.pixelColor(7000 / 15, 6200 / 15)));
        for (QPointF fora : {QPointF(9000, 7400), QPointF(12000, 9200)}) // seção e além
            QVERIFY(!CorPerto(tela, fora, Tinta::Vermelho));
    }
};

QTEST_MAIN(TestaJanela)
#include "TestaJanela.moc"
