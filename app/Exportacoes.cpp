// Exportações: impressão e PDF do relatório na mesma folha, desenhos em SVG e PNG.
#include "Exportacoes.h"

#include "Relatorio.h"
#include "output/Svg.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace lumbrio::janela {

namespace {

const QString TituloDocumento = "Relatório de cálculo — Lumbrio";

// Nome sem extensão ganha a padrão: "relatório" → "relatório.pdf".
QString ComExtensao(const QString& Nome, const QString& Padrao) {
    return QFileInfo(Nome).suffix().isEmpty() ? Nome + "." + Padrao : Nome;
}

bool GravaSvg(const QString& Nome, const Dimensionamento& D) {
    QSaveFile arquivo(Nome);
    const std::string svg =
        DesenhoSvg(D.Desenho, "Lumbrio: diagrama de deformações e seção", 4, true);
    return arquivo.open(QIODevice::WriteOnly) &&
           arquivo.write(svg.data(), qint64(svg.size())) == qint64(svg.size()) && arquivo.commit();
}

} // namespace

void PreparaFolha(QPagedPaintDevice& Dispositivo) {
    Dispositivo.setPageSize(QPageSize(QPageSize::A4));
    Dispositivo.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
}

bool GravaRelatorioPdf(const QString& Nome, const Dimensionamento& D) {
    QPdfWriter pdf(Nome);
    PreparaFolha(pdf);
    pdf.setResolution(300);
    pdf.setTitle(TituloDocumento);
    pdf.setCreator("Lumbrio");
    QPainter p;
    if (!p.begin(&pdf)) return false;
    PintaRelatorio(p, pdf, D);
    return p.end();
}

void Imprime(PedidosExportacao& Pedidos, const Dimensionamento& D) {
    if (!D.HaResultados) return;
    QPrinter impressora(QPrinter::HighResolution);
    PreparaFolha(impressora);
    impressora.setDocName(TituloDocumento);
    if (!Pedidos.PedeImpressora(impressora)) return;
    QPainter pintor;
    if (!pintor.begin(&impressora)) return Pedidos.AvisaFalha(impressora.printerName());
    PintaRelatorio(pintor, impressora, D);
    pintor.end();
}

void ExportaPdf(PedidosExportacao& Pedidos, const Dimensionamento& D) {
    if (!D.HaResultados) return;
    const QString nome = Pedidos.PedeArquivoSaida("Exportar relatório PDF", "PDF (*.pdf)");
    if (nome.isEmpty()) return;
    const QString arquivo = ComExtensao(nome, "pdf");
    if (!GravaRelatorioPdf(arquivo, D)) Pedidos.AvisaFalha(arquivo);
}

void ExportaDesenho(PedidosExportacao& Pedidos, const Dimensionamento& D) {
    if (!D.HaResultados) return;
    const QString nome = Pedidos.PedeArquivoSaida("Exportar desenho", "SVG (*.svg);;PNG (*.png)");
    if (nome.isEmpty()) return;
    const QString arquivo = ComExtensao(nome, "svg");
    if (QFileInfo(arquivo).suffix().compare("png", Qt::CaseInsensitive) != 0) {
        if (!GravaSvg(arquivo, D)) Pedidos.AvisaFalha(arquivo);
        return;
    }
    const int dpi = Pedidos.PedeResolucao();
    if (dpi <= 0) return;
    if (!ImagemDesenhos(D, dpi).save(arquivo, "PNG")) Pedidos.AvisaFalha(arquivo);
}

} // namespace lumbrio::janela
