#include "tools/lote/Lote.h"

#include "base/Catalogos.h"
#include "base/Numeros.h"
#include "files/ArquivoTexto.h"
#include "files/Configuracao.h"
#include "lumbrio/Versao.h"
#include "output/Csv.h"

#include <cerrno>
#include <exception>
#include <new>
#include <thread>

#include <sys/stat.h>

namespace lumbrio {

namespace {

// Acima disto o lote mostra o progresso (quando a saída de erros é um terminal).
constexpr std::size_t ProjetosParaProgresso = 10000;

// O CSV vai para a saída padrão ou para um arquivo substituído de uma vez no fim; o
// progresso é uma linha da saída de erros reescrita no lugar (\r).
class SaidaDoLote final : public SaidaLote {
  public:
    SaidaDoLote(std::FILE* Padrao, std::FILE* Erros, std::size_t Total, bool Progresso,
                bool Brasileiro)
        : padrao(Padrao), erros(Erros), total(Total), progresso(Progresso), brasileiro(Brasileiro) {
    }

    bool Abre(const std::string& Nome, std::string& Motivo) {
        arquivo = !Nome.empty();
        return !arquivo || gravacao.Abre(Nome, Motivo);
    }
    bool Escreve(std::string& Parte) override {
        if (brasileiro) ParaCsvBrasileiro(Parte);
        bool ok = true;
        if (arquivo) {
            ok = !falhou && gravacao.Escreve(Parte, motivo);
        } else if (std::fwrite(Parte.data(), 1, Parte.size(), padrao) != Parte.size()) {
            motivo = MotivoErro(errno);
            ok = false;
        }
        Parte.clear();
        falhou |= !ok;
        return ok;
    }
    bool Conclui(std::string& Motivo) {
        Motivo = motivo;
        if (falhou) return false;
        if (arquivo) return gravacao.Conclui(Motivo);
        if (std::fflush(padrao) == 0) return true;
        Motivo = MotivoErro(errno);
        return false;
    }

    void Avanca(std::size_t Projetos) override {
        Conta(Projetos);
        if (!progresso) return;
        std::fprintf(erros, "\rlumbrio-lote: %zu de %zu projetos (%zu%%)", feitos, total,
                     feitos * 100 / total);
        linhaAberta = true;
    }
    // Sem reescrever a linha de progresso.
    void Conta(std::size_t Projetos) { feitos += Projetos; }
    // Fecha a linha de progresso antes de outra mensagem.
    void FechaLinha() {
        if (linhaAberta) std::fputc('\n', erros);
        linhaAberta = false;
    }

  private:
    std::FILE *padrao, *erros;
    std::size_t total, feitos = 0;
    bool progresso, brasileiro, linhaAberta = false;
    bool arquivo = false, falhou = false;
    GravacaoAtomica gravacao;
    std::string motivo;
};

} // namespace

ResultadoArquivo ProjetaArquivo(const std::string& Nome, const OpcoesLote& Opcoes,
                                const Paralelo& P, SaidaLote& Saida) {
    Dimensionamento carregado;
    if (const auto falha = CarregaConfiguracao(carregado, Nome)) return {falha->Mensagem, true, {}};
    ProjetosDoArquivo projetos(carregado);
    if (Opcoes.Serie) return ProjetaSerie(projetos, Nome, *Opcoes.Serie, Opcoes.Detalhes, P, Saida);
    Dimensionamento d;
    std::string csv;
    Projeta(d, projetos.Entradas ? &*projetos.Entradas : nullptr, projetos, Nome,
            carregado.Form1.Text17.Text, csv, Opcoes.Detalhes);
    return {std::nullopt, Saida.Escreve(csv), {}};
}

std::string TextoVersaoLote() {
    return Junta("lumbrio-lote ", VersaoLumbrio, " (", ItensNorma[0], " e ", ItensNorma[1], ")\n");
}

namespace {

// --saida que é também um arquivo de entrada (mesmo caminho ou mesmo arquivo).
bool MesmoArquivo(const std::string& A, const std::string& B) {
    if (A == B) return true;
    struct stat a {
    }, b{};
    return ::stat(A.c_str(), &a) == 0 && ::stat(B.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

} // namespace

int ExecutaLote(const OpcoesLote& Opcoes, std::FILE* Saida, std::FILE* Erros,
                bool MostraProgresso) {
    for (const std::string& a : Opcoes.Arquivos) {
        if (!Opcoes.Saida.empty() && MesmoArquivo(Opcoes.Saida, a)) {
            std::fprintf(Erros,
                         "lumbrio-lote: --saida \"%s\" é também um arquivo de valores da "
                         "entrada; nada foi calculado nem gravado.\n",
                         TextoVisivel(Opcoes.Saida).c_str());
            return 2;
        }
    }
    const std::size_t porArquivo = Opcoes.Serie ? TamanhoSerie(*Opcoes.Serie) : 1;
    const std::size_t total = porArquivo * Opcoes.Arquivos.size();
    SaidaDoLote saida(Saida, Erros, total, MostraProgresso && total > ProjetosParaProgresso,
                      Opcoes.Brasileiro);
    std::string motivo;
    if (!saida.Abre(Opcoes.Saida, motivo)) {
        std::fprintf(Erros, "lumbrio-lote: o arquivo \"%s\" não pode ser gravado: %s.\n",
                     TextoVisivel(Opcoes.Saida).c_str(), motivo.c_str());
        return 2;
    }
    Paralelo p{Opcoes.Trabalhadores, Opcoes.TamanhoBloco > 0 ? Opcoes.TamanhoBloco : 1};
    if (p.Trabalhadores == 0) p.Trabalhadores = std::max(1u, std::thread::hardware_concurrency());

    std::string csv(Opcoes.Brasileiro ? MarcaUtf8 : "");
    AcrescentaCabecalhoCsv(csv, Opcoes.Detalhes);
    bool gravou = saida.Escreve(csv);
    int status = 0;
    std::size_t lidos = 0;
    for (std::size_t i = 0; i < Opcoes.Arquivos.size() && gravou; ++i) {
        const ResultadoArquivo r = ProjetaArquivo(Opcoes.Arquivos[i], Opcoes, p, saida);
        gravou = r.Gravou;
        lidos += !r.Falha;
        if (r.Falha) {
            saida.FechaLinha();
            std::fprintf(Erros, "lumbrio-lote: %s\n", r.Falha->c_str());
            status = 1;
            saida.Avanca(porArquivo);
        } else if (!Opcoes.Serie) {
            saida.Conta(1);
        }
        if (!r.Resumo.empty()) {
            saida.FechaLinha();
            std::fputs(r.Resumo.c_str(), Erros);
        }
    }
    saida.FechaLinha();
    // Nenhum arquivo lido: um --saida que já existia fica como estava (e uma falha
    // de gravação, mesmo a do cabeçalho, é dita abaixo).
    if (lidos == 0 && !Opcoes.Saida.empty() && gravou) return status;
    if (!saida.Conclui(motivo)) {
        std::fprintf(Erros, "lumbrio-lote: o CSV não foi gravado: %s.\n", motivo.c_str());
        return 2;
    }
    return status;
}

namespace {

int PrincipalSemProtecao(const std::vector<std::string>& Args, std::FILE* Saida, std::FILE* Erros,
                         bool MostraProgresso) {
    const auto opcoes = InterpretaArgumentosLote(Args);
    if (const auto* erro = std::get_if<std::string>(&opcoes)) {
        // O erro repete o argumento digitado: controles escapados antes do terminal.
        std::fprintf(Erros, "lumbrio-lote: %s\nUse lumbrio-lote --help para ver o uso.\n",
                     TextoVisivel(*erro, std::string::npos).c_str());
        return 2;
    }
    const auto& o = std::get<OpcoesLote>(opcoes);
    if (o.Ajuda || o.Versao) {
        std::fputs((o.Ajuda ? TextoAjudaLote() : TextoVersaoLote()).c_str(), Saida);
        return 0;
    }
    return ExecutaLote(o, Saida, Erros, MostraProgresso);
}

} // namespace

int Principal(const std::vector<std::string>& Args, std::FILE* Saida, std::FILE* Erros,
              bool MostraProgresso) {
    // A pilha desfeita até aqui já apagou o temporário de um --saida. O status 1 é o de
    // um arquivo ilegível: uma falha do próprio lote é 2. Uma linha de progresso aberta
    // é fechada antes da mensagem.
    const char* inicio = MostraProgresso ? "\n" : "";
    try {
        return PrincipalSemProtecao(Args, Saida, Erros, MostraProgresso);
    } catch (const std::bad_alloc&) {
        std::fprintf(
            Erros, "%slumbrio-lote: memória insuficiente; o lote parou e o CSV não foi gravado.\n",
            inicio);
    } catch (const std::exception&) {
        std::fprintf(Erros,
                     "%slumbrio-lote: erro interno (falha do sistema); o lote parou e o CSV "
                     "não foi gravado.\n",
                     inicio);
    }
    return 2;
}

} // namespace lumbrio
