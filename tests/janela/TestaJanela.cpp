// Testes da janela principal e dos diálogos: legendas e padrões, comandos,
// filtro de teclas, diálogos modais e pintura do desenho.
#include "Form1.h"
#include "Ligacoes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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
