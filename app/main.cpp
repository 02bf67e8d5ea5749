// Programa Lumbrio: abre a janela principal.
#include "Form1.h"
#include "calc/Catalogos.h"
#include "calc/Textos.h"
#include "files/ArquivoTexto.h"
#include "lumbrio/Versao.h"

#include <QApplication>
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

int Executa(int argc, char** argv) {
    QApplication app(argc, argv);
    // O núcleo lê e escreve números com "." qualquer que seja o locale do sistema.
    std::setlocale(LC_NUMERIC, "C");

    // Botões e diálogos padrão do Qt em português, como o resto da janela.
    QTranslator traducao;
    if (traducao.load(QLocale(QLocale::Portuguese, QLocale::Brazil), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traducao);

    lumbrio::janela::Form1 janela;
    janela.show();

    // Opção oculta: calcula com os valores da janela e grava a imagem dela.
    const QStringList args = app.arguments();
    const qsizetype i = args.indexOf("--captura");
    if (i >= 0 && i + 1 < args.size()) {
        janela.centralWidget()->findChild<QPushButton*>("Command1")->click();
        if (janela.grab().save(args[i + 1])) return 0;
        std::fputs(lumbrio::Junta(lumbrio::ArquivoNaoGravado(args[i + 1].toStdString(),
                                                             "a imagem não pôde ser escrita"),
                                  "\n")
                       .c_str(),
                   stderr);
        return 1;
    }
    return app.exec();
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
