// Exportações do último cálculo: relatório na impressora ou em PDF (uma só folha A4
// para os dois), desenhos em SVG ou PNG.
#pragma once

#include "output/Relatorio.h"
#include "program/Dimensionamento.h"

#include <QString>
#include <string>

class QImage;
class QPagedPaintDevice;
class QPrinter;

namespace lumbrio::janela {

// O que as exportações pedem ao usuário; a janela responde com diálogos e os testes
// com respostas prontas.
class PedidosExportacao {
  public:
    virtual ~PedidosExportacao() = default;
    // Nome de um arquivo a gravar (relatório, desenho), como digitado, e o filtro
    // escolhido entre os Filtros ("PNG (*.png)"); vazio quando cancelado.
    virtual QString PedeArquivoSaida(const QString& Titulo, const QString& Filtros,
                                     QString& Filtro) = 0;
    // O arquivo Nome já existe: substituí-lo? Perguntado sobre o nome final, com a
    // extensão que o programa acrescenta.
    virtual bool ConfirmaSubstituicao(const QString& Nome) = 0;
    // Resolução do PNG em pontos por polegada; 0 quando cancelado.
    virtual int PedeResolucao() = 0;
    // Diálogo de impressão; falso quando cancelado.
    virtual bool PedeImpressora(QPrinter& Impressora) = 0;
    // Obra, elemento, responsável e registro do relatório; falso quando cancelado.
    virtual bool PedeFicha(FichaDoProjeto& Ficha) = 0;
    // Falha ao gravar ou imprimir, com o motivo em português.
    virtual void AvisaFalha(const QString& Nome, const std::string& Motivo) = 0;
};

// Folha do relatório: A4, margens de 15 mm dos lados e 12 mm em cima e embaixo.
void PreparaFolha(QPagedPaintDevice& Dispositivo);

// Relatório em PDF A4; falso, com o motivo, quando o arquivo não pôde ser gravado.
// Como as outras gravações daqui, monta tudo na memória e substitui o arquivo de uma
// vez (GravaAtomico): numa falha o arquivo anterior fica intacto.
bool GravaRelatorioPdf(const QString& Nome, const Dimensionamento& D, std::string& Motivo,
                       const FichaDoProjeto& Ficha = {});

// Imagem em PNG, gravada de uma vez; falso, com o motivo, numa falha.
bool GravaPng(const QString& Nome, const QImage& Imagem, std::string& Motivo);

// Os comandos do menu Arquivo; nada fazem sem um cálculo completo (HaResultados).
void Imprime(PedidosExportacao& Pedidos, const Dimensionamento& D);
void ExportaPdf(PedidosExportacao& Pedidos, const Dimensionamento& D);
// SVG ou PNG (na resolução pedida): pela extensão do nome ou, sem uma delas, pelo filtro
// escolhido.
void ExportaDesenho(PedidosExportacao& Pedidos, const Dimensionamento& D);

} // namespace lumbrio::janela
