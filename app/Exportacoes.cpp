// Exportações: impressão e PDF do relatório na mesma folha, desenhos em SVG e PNG.
#include "Exportacoes.h"

#include "Relatorio.h"
#include "files/ArquivoTexto.h"
#include "output/Svg.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace lumbrio::janela {

namespace {

const QString TituloDocumento = "Relatório de cálculo — Lumbrio";

// O nome que será gravado: com uma das extensões dos Filtros ("PDF (*.pdf)", "SVG (*.svg);;
// PNG (*.png)") fica como está; sem uma delas ganha a do filtro escolhido: "relatório" →
// "relatório.pdf", "desenho" com PNG → "desenho.png". Vazio quando o usuário cancelou ou
// não quis substituir o arquivo que já existe com esse nome.
QString PedeNomeFinal(PedidosExportacao& Pedidos, const QString& Titulo, const QString& Filtros) {
    QString filtro;
    const QString nome = Pedidos.PedeArquivoSaida(Titulo, Filtros, filtro);
    if (nome.isEmpty()) return {};
    const auto extensao = [](const QString& f) { return f.section("*.", 1).section(')', 0, 0); };
    const QString sufixo = QFileInfo(nome).suffix();
    QString final;
    for (const QString& f : Filtros.split(";;"))
        if (sufixo.compare(extensao(f), Qt::CaseInsensitive) == 0) final = nome;
    if (final.isEmpty())
        final =
            nome + "." +
            extensao(Filtros.split(";;").contains(filtro) ? filtro : Filtros.section(";;", 0, 0));
    if (QFileInfo::exists(final) && !Pedidos.ConfirmaSubstituicao(final)) return {};
    return final;
}

// Substitui o arquivo pelos bytes de uma vez; o nome vai ao sistema na codificação dele.
bool GravaBytes(const QString& Nome, std::string_view Bytes, std::string& Motivo) {
    return GravaAtomico(QFile::encodeName(Nome).toStdString(), Bytes, Motivo);
}

bool GravaSvg(const QString& Nome, const Dimensionamento& D, std::string& Motivo) {
    return GravaBytes(Nome, DesenhoSvgAnotado(D, "Lumbrio: diagrama de deformações e seção"),
                      Motivo);
}

} // namespace

void PreparaFolha(QPagedPaintDevice& Dispositivo) {
    Dispositivo.setPageSize(QPageSize(QPageSize::A4));
    Dispositivo.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
}

bool GravaRelatorioPdf(const QString& Nome, const Dimensionamento& D, std::string& Motivo,
                       const FichaDoProjeto& Ficha) {
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&memoria);
        PreparaFolha(pdf);
        pdf.setResolution(300);
        pdf.setTitle(TituloDocumento);
        pdf.setCreator("Lumbrio");
        QPainter p;
        if (!p.begin(&pdf) || (PintaRelatorio(p, pdf, D, Ficha), !p.end())) {
            Motivo = "o relatório não pôde ser montado";
            return false;
        }
    }
    const QByteArray& bytes = memoria.data();
    return GravaBytes(Nome, {bytes.constData(), std::size_t(bytes.size())}, Motivo);
}

bool GravaPng(const QString& Nome, const QImage& Imagem, std::string& Motivo) {
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    if (!Imagem.save(&memoria, "PNG")) {
        Motivo = "a imagem não pôde ser montada (memória insuficiente?)";
        return false;
    }
    const QByteArray& bytes = memoria.data();
    return GravaBytes(Nome, {bytes.constData(), std::size_t(bytes.size())}, Motivo);
}

void Imprime(PedidosExportacao& Pedidos, const Dimensionamento& D) {
    if (!D.HaResultados) return;
    QPrinter impressora(QPrinter::HighResolution);
    PreparaFolha(impressora);
    impressora.setDocName(TituloDocumento);
    FichaDoProjeto ficha;
    if (!Pedidos.PedeFicha(ficha) || !Pedidos.PedeImpressora(impressora)) return;
    QPainter pintor;
    if (!pintor.begin(&impressora))
        return Pedidos.AvisaFalha(impressora.printerName(), "a impressora não respondeu");
    PintaRelatorio(pintor, impressora, D, ficha);
    pintor.end();
}

void ExportaPdf(PedidosExportacao& Pedidos, const Dimensionamento& D) {
    if (!D.HaResultados) return;
    FichaDoProjeto ficha;
    if (!Pedidos.PedeFicha(ficha)) return;
    const QString arquivo = PedeNomeFinal(Pedidos, "Exportar relatório PDF", "PDF (*.pdf)");
    if (arquivo.isEmpty()) return;
    std::string motivo;
    if (!GravaRelatorioPdf(arquivo, D, motivo, ficha)) Pedidos.AvisaFalha(arquivo, motivo);
}

void ExportaDesenho(PedidosExportacao& Pedidos, const Dimensionamento& D) {
    if (!D.HaResultados) return;
    const QString arquivo = PedeNomeFinal(Pedidos, "Exportar desenho", "SVG (*.svg);;PNG (*.png)");
    if (arquivo.isEmpty()) return;
    std::string motivo;
    if (QFileInfo(arquivo).suffix().compare("png", Qt::CaseInsensitive) != 0) {
        if (!GravaSvg(arquivo, D, motivo)) Pedidos.AvisaFalha(arquivo, motivo);
        return;
    }
    const int dpi = Pedidos.PedeResolucao();
    if (dpi <= 0) return;
    if (!GravaPng(arquivo, ImagemDesenhos(D, dpi), motivo)) Pedidos.AvisaFalha(arquivo, motivo);
}

} // namespace lumbrio::janela
