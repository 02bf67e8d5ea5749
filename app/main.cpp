// Programa Lumbrio: abre a janela principal.
#include "Form1.h"
#include "files/ArquivoTexto.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <exception>

namespace {

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
        return janela.grab().save(args[i + 1]) ? 0 : 1;
    }
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    lumbrio::AbreDescritoresPadrao();
    try {
        return Executa(argc, argv);
    } catch (const std::exception&) {
        std::fputs("lumbrio: erro interno (memória insuficiente ou falha do sistema); o programa "
                   "foi encerrado.\n",
                   stderr);
        return 1;
    }
}
