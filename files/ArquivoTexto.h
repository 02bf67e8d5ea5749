// Arquivos de texto do programa: conversão entre UTF-8 (memória) e Windows-1252
// (disco), leitura inteira e gravação atômica, com motivos de falha em português.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumbrio {

// Converte UTF-8 em Windows-1252. Se um caractere não existe em Windows-1252 (ou o
// texto não é UTF-8 válido), devolve false e põe esse caractere em Invalido.
bool ParaWindows1252(std::string_view Utf8, std::string& Saida, std::string& Invalido);

// Converte Windows-1252 em UTF-8; os 256 bytes têm imagem (os cinco sem caractere
// definido, 81 8D 8F 90 9D, viram U+0081... como no Windows), então nunca falha.
std::string DeWindows1252(std::string_view Bytes);

// Motivo de uma falha de sistema (errno), em português: "a pasta não existe".
std::string MotivoErro(int Codigo);

// Tamanho máximo de um arquivo lido pelo programa (um arquivo de valores tem cerca
// de 250 bytes).
inline constexpr std::size_t TamanhoMaximoLeitura = 64 * 1024;

// Lê o arquivo inteiro, só se for um arquivo comum de até TamanhoMaximoLeitura bytes
// (um FIFO ou dispositivo é recusado sem bloquear); em falha devolve nullopt e põe o
// motivo em Motivo.
std::optional<std::string> LeArquivo(const std::string& Nome, std::string& Motivo);

// Substitui Nome pelo Conteudo de uma vez: grava um temporário na mesma pasta,
// força-o ao disco e o renomeia sobre Nome. Um link simbólico é seguido (o link
// fica, o arquivo apontado é substituído). Um destino que existe e não é arquivo
// comum (dispositivo, FIFO, pasta) ou é protegido contra gravação é recusado. Em
// falha o temporário é apagado, Nome fica como estava e o motivo vai para Motivo.
bool GravaAtomico(const std::string& Nome, std::string_view Conteudo, std::string& Motivo);

// Gravação atômica em partes, para saídas grandes (CSV do lumbrio-lote).
class GravacaoAtomica {
  public:
    GravacaoAtomica() = default;
    GravacaoAtomica(const GravacaoAtomica&) = delete;
    GravacaoAtomica& operator=(const GravacaoAtomica&) = delete;
    ~GravacaoAtomica(); // sem Conclui, descarta o temporário

    bool Abre(const std::string& Nome, std::string& Motivo);
    bool Escreve(std::string_view Parte, std::string& Motivo);
    bool Conclui(std::string& Motivo);

  private:
    void Descarta();
    void Registra(const std::string& Nome);
    std::string Destino, Temporario;
    int Descritor = -1;
};

// Abre /dev/null, só para leitura, nos descritores 0, 1 e 2 que estiverem fechados:
// nenhum arquivo aberto depois ocupa o lugar da saída de erros, e escrever na saída
// fechada continua sendo uma falha.
void AbreDescritoresPadrao();

// Instala, em todo sinal que encerraria o processo e pode ser tratado (SIGINT, SIGTERM,
// SIGQUIT, SIGPIPE, SIGUSR2, SIGABRT... e os de tempo real), o tratamento que apaga o
// temporário de uma gravação atômica em curso e diz o motivo na saída de erros, em
// nome de Programa, antes de encerrar pelo mesmo sinal; os sinais ignorados ao iniciar
// ficam ignorados. SIGXFSZ passa a ser ignorado: a escrita falha com EFBIG.
void ApagaTemporarioAoInterromper(const char* Programa);

// A frase de toda gravação que falhou: "O arquivo "Nome" não foi gravado: Motivo."
std::string ArquivoNaoGravado(std::string_view Nome, std::string_view Motivo);

} // namespace lumbrio
