// Comandos de arquivo: o arquivo de valores (Grava, Carrega e os itens do menu) e
// resulta.txt (Exporta e Rapida).
#include "program/Arquivos.h"

#include "base/Catalogos.h"
#include "base/Textos.h"
#include "files/ArquivoTexto.h"
#include "files/Configuracao.h"
#include "files/Exportacao.h"

#include <filesystem>

namespace lumbrio {

namespace {

std::string PastaAtual() {
    std::error_code erro;
    const auto pasta = std::filesystem::current_path(erro);
    return erro ? std::string(".") : pasta.string();
}

// Os valores de agora passam a ser os do arquivo Nome (vazio: sem nome).
void MarcaGravados(EstadoDeProjeto& D, const std::string& Nome) {
    D.ArquivoAtual = Nome;
    D.ValoresGravados.clear();
    TextoConfiguracao(D, D.ValoresGravados);
}

bool Existe(const std::string& Nome) {
    std::error_code ec;
    return std::filesystem::status(Nome, ec).type() != std::filesystem::file_type::not_found;
}

} // namespace

std::string ArquivoDosPadroes(const EstadoDeProjeto& D) {
    const bool exemplo =
        !Existe(ArquivoPadrao) && !D.ArquivoExemplo.empty() && Existe(D.ArquivoExemplo);
    return exemplo ? D.ArquivoExemplo : std::string(ArquivoPadrao);
}

void CarregaPadraoInicial(Dimensionamento& D, const std::string& Exemplo) {
    D.ArquivoExemplo = Exemplo;
    D.NomeArquivo = ArquivoDosPadroes(D);
    if (Existe(D.NomeArquivo) && D.Carrega() && D.NomeArquivo != ArquivoPadrao)
        D.Estado = "Primeiro uso, sem Padrão.txt nesta pasta: valores de exemplo (viga 20 × 50, "
                   "C25, NBR 6118:2023). \"Salva padrão\" grava os seus.";
    MarcaGravados(D, "");
}

void AbreDocumento(Dimensionamento& D, const std::string& Nome) {
    D.NomeArquivo = Nome;
    if (!Nome.empty() && D.Carrega()) MarcaGravados(D, Nome);
    D.Programa();
}

void SalvaDocumento(Dimensionamento& D, const std::string& Nome) {
    D.NomeArquivo = NomeDeValores(Nome);
    if (!Nome.empty() && D.Grava()) MarcaGravados(D, D.NomeArquivo);
}

bool ValoresMudaram(const EstadoDeProjeto& D) {
    std::string agora;
    return TextoConfiguracao(D, agora) || agora != D.ValoresGravados;
}

void CarregaArquivo(Dimensionamento& D, const std::string& Nome) {
    D.NomeArquivo = Nome;
    if (!Nome.empty()) D.Carrega();
}

void AbreArquivo(Dimensionamento& D, const std::string& Nome) {
    CarregaArquivo(D, Nome);
    D.Programa();
}

std::string NomeDeValores(const std::string& Nome) {
    // Nome sem extensão ganha ".txt", que o diálogo de abrir mostra.
    const bool semExtensao = !Nome.empty() && !std::filesystem::path(Nome).has_extension();
    return semExtensao ? Nome + ".txt" : Nome;
}

void GravaArquivo(Dimensionamento& D, const std::string& Nome) {
    D.NomeArquivo = NomeDeValores(Nome);
    if (!Nome.empty()) D.Grava();
}

std::string Dimensionamento::TituloJanela() const {
    const std::string edicao =
        HaResultados ? std::string(TextoNorma(Edicao)) : TextoVisivel(Form1.ComboNorma.Text, 40);
    const bool mudou = ValoresMudaram(*this);
    std::string arquivo =
        ArquivoAtual.empty()
            ? std::string(mudou ? "sem nome" : "")
            : TextoVisivel(std::filesystem::path(ArquivoAtual).filename().string());
    if (!arquivo.empty()) arquivo += mudou ? "* — " : " — ";
    return Junta(arquivo, "Lumbrio — ", edicao);
}

bool Dimensionamento::Grava() {
    const auto falha = GravaConfiguracao(*this, NomeArquivo);
    if (falha)
        MostraErro(falha->Mensagem, falha->Mensagem2);
    else
        Estado = Junta("Valores gravados em \"", TextoVisivel(NomeArquivo), "\".");
    return !falha;
}

bool Dimensionamento::Carrega() {
    // Uma falha não limpa os resultados: só os controles de entrada estariam em jogo.
    const auto falha = CarregaConfiguracao(*this, NomeArquivo);
    if (falha) MostraErro(falha->Mensagem, falha->Mensagem2);
    return !falha;
}

void Dimensionamento::Exporta() {
    const std::string conteudo = TextoResulta(*this);

    // Uma falha avisa e deixa os resultados na tela (MostraErro, sem Zera); o arquivo
    // anterior fica inteiro.
    std::string bytes, invalido, motivo;
    if (!ParaWindows1252(conteudo, bytes, invalido))
        MostraErro(ArquivoNaoGravado(ArquivoExporta,
                                     Junta("o caractere \"", invalido,
                                           "\" não existe no conjunto Windows-1252 dos arquivos")),
                   "Os resultados do cálculo continuam na tela.");
    else if (!GravaAtomico(ArquivoExporta, bytes, motivo))
        MostraErro(ArquivoNaoGravado(ArquivoExporta, motivo),
                   "Os resultados do cálculo continuam na tela.");
    else
        Estado = Junta("Dados exportados em \"", ArquivoExporta, "\" na pasta \"",
                       TextoVisivel(PastaAtual()), "\".");
}

void Dimensionamento::Rapida() {
    Programa();
    // Um cálculo recusado já mostrou a sua mensagem e limpou o painel: nada a exportar.
    if (!HaResultados) return;
    ArquivoExporta = "resulta.txt";
    Exporta();
}

} // namespace lumbrio
