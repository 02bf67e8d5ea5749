// Programa Lumbrio: abre a janela principal.
#include "Exportacoes.h"
#include "Form1.h"
#include "base/Catalogos.h"
#include "base/Textos.h"
#include "files/ArquivoTexto.h"
#include "lumbrio/Versao.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <exception>
#include <string_view>

namespace {

// --help e --version respondem antes de abrir a tela: funcionam sem servidor gráfico.
bool RespondeSemJanela(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "-h" || a == "--help") {
            std::fputs("Uso: lumbrio [-h | --help] [-V | --version]\n\n"
                       "Abre a janela de dimensionamento à flexão de seções retangulares de\n"
                       "concreto armado (NBR 6118:2003 ou 2023). Para séries sem janela, veja\n"
                       "lumbrio-lote --help.\n",
                       stdout);
            return true;
        }
        if (a == "-V" || a == "--version") {
            std::fputs(lumbrio::Junta("lumbrio ", lumbrio::VersaoLumbrio, " (",
                                      lumbrio::ItensNorma[0], " e ", lumbrio::ItensNorma[1], ")\n")
                           .c_str(),
                       stdout);
            return true;
        }
    }
    return false;
}

int Erro(const std::string& Mensagem) {
    std::fputs(lumbrio::Junta("lumbrio: ", Mensagem, "\n").c_str(), stderr);
    return 1;
}

int Executa(int argc, char** argv) {
    QApplication app(argc, argv);
    // O mesmo estilo em qualquer área de trabalho: as medidas da janela foram conferidas
    // nele, e ele marca com nitidez o botão que tem o foco do teclado.
    QApplication::setStyle("Fusion");
    // O núcleo lê e escreve números com "." qualquer que seja o locale do sistema.
    std::setlocale(LC_NUMERIC, "C");

    // Botões e diálogos padrão do Qt em português, como o resto da janela.
    QTranslator traducao;
    if (traducao.load(QLocale(QLocale::Portuguese, QLocale::Brazil), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traducao);

    // Opção oculta: calcula com os valores da janela e grava a imagem dela. Nada
    // espera resposta: um erro vai para a saída de erros e encerra com status 1.
    const QStringList args = app.arguments();
    const qsizetype i = args.indexOf("--captura");
    if (i < 0) {
        // Os valores de exemplo instalados (share/lumbrio/ ao lado de bin/).
        lumbrio::janela::Form1 janela(
            nullptr, {}, QCoreApplication::applicationDirPath() + "/../share/lumbrio/Padrão.txt");
        janela.show();
        return app.exec();
    }
    const QString nome = i + 1 < args.size() ? args[i + 1] : QString();
    if (nome.isEmpty()) return Erro("--captura pede o nome do arquivo da imagem.");
    // A imagem é PNG: outro nome (x.jpg) teria dados PNG sob a extensão de outro formato.
    if (QFileInfo(nome).suffix().compare("png", Qt::CaseInsensitive) != 0)
        return Erro(lumbrio::Junta("--captura grava só PNG: o nome \"",
                                   lumbrio::TextoVisivel(nome.toStdString()),
                                   "\" não termina em .png."));
    bool falhou = false;
    lumbrio::janela::Form1 janela(nullptr, [&](const std::string& m) { falhou = Erro(m) != 0; });
    janela.show();
    janela.MostraInteira();
    QCoreApplication::processEvents(); // as barras de rolagem somem antes da foto
    if (!falhou) janela.centralWidget()->findChild<QPushButton*>("Command1")->click();
    if (falhou) return 1;
    std::string motivo;
    if (lumbrio::janela::GravaPng(nome, janela.grab().toImage(), motivo)) return 0;
    return Erro(lumbrio::ArquivoNaoGravado(nome.toStdString(), motivo));
}

} // namespace

int main(int argc, char** argv) {
    lumbrio::AbreDescritoresPadrao();
    if (RespondeSemJanela(argc, argv)) return 0;
    try {
        return Executa(argc, argv);
    } catch (const std::exception&) {
        std::fputs("lumbrio: erro interno (memória insuficiente ou falha do sistema); o programa "
                   "foi encerrado.\n",
                   stderr);
        return 1;
    }
}
