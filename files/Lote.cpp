// lumbrio-lote: projetos de uma série de Md para cada arquivo de valores, em CSV.
#include "files/Lote.h"

#include "calc/Numeros.h"
#include "files/ArquivoTexto.h"
#include "files/Configuracao.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <iterator>
#include <thread>

namespace lumbrio {

namespace {

// Séries mais longas são quase certamente um engano de digitação.
constexpr double MaximoProjetosSerie = 1e9;
// Acima disto o lote mostra o progresso (quando a saída de erros é um terminal).
constexpr std::size_t ProjetosParaProgresso = 10000;

// Um projeto: parte do estado recém-carregado, com Md no Text17. Com Pontos, guarda
// o que o resumo da série precisa.
void Projeta(Dimensionamento& W, const Dimensionamento& Carregado, std::string_view Arquivo,
             const std::string& Md, std::string& Csv, bool Detalhes,
             std::vector<PontoSerie>* Pontos = nullptr) {
    W = Carregado;
    W.Form1.Text17.Text = Md;
    W.Programa();
    AcrescentaLinhaCsv(Csv, Arquivo, Md, W, Detalhes);
    if (Pontos) Pontos->push_back(PontoDoProjeto(Md, W));
}

// Destino do CSV: a saída padrão ou um arquivo substituído de uma vez no fim.
class DestinoCsv {
  public:
    DestinoCsv(std::FILE* Padrao) : padrao(Padrao) {}
    bool Abre(const std::string& Nome, std::string& Motivo) {
        arquivo = !Nome.empty();
        return !arquivo || gravacao.Abre(Nome, Motivo);
    }
    bool Escreve(std::string& Parte, std::string& Motivo) {
        bool ok = true;
        if (arquivo) {
            ok = falhou.empty() && gravacao.Escreve(Parte, falhou);
        } else if (std::fwrite(Parte.data(), 1, Parte.size(), padrao) != Parte.size()) {
            falhou = MotivoErro(errno);
            ok = false;
        }
        Parte.clear();
        if (!ok) Motivo = falhou;
        return ok;
    }
    bool Conclui(std::string& Motivo) {
        if (!falhou.empty()) {
            Motivo = falhou;
            return false;
        }
        if (arquivo) return gravacao.Conclui(Motivo);
        if (std::fflush(padrao) != 0) {
            Motivo = MotivoErro(errno);
            return false;
        }
        return true;
    }

  private:
    std::FILE* padrao;
    bool arquivo = false;
    GravacaoAtomica gravacao;
    std::string falhou;
};

} // namespace

std::optional<SerieMd> LeSerieMd(std::string_view Texto) {
    std::array<std::optional<double>, 3> v;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto dois = Texto.find(':');
        if ((dois == std::string_view::npos) != (i == 2)) return std::nullopt;
        v[i] = LeDecimalExato(Texto.substr(0, dois));
        if (!v[i]) return std::nullopt;
        if (i < 2) Texto.remove_prefix(dois + 1);
    }
    SerieMd s{*v[0], *v[1], *v[2]};
    if (s.Inicio != s.Fim && (s.Passo == 0 || (s.Fim - s.Inicio) / s.Passo < 0))
        return std::nullopt;
    if (s.Inicio != s.Fim && !((s.Fim - s.Inicio) / s.Passo < MaximoProjetosSerie))
        return std::nullopt;
    return s;
}

std::size_t TamanhoSerie(const SerieMd& Serie) {
    if (Serie.Inicio == Serie.Fim) return 1;
    // Folga relativa para que 0:1:0.1 inclua o 1 apesar do arredondamento.
    const double passos = (Serie.Fim - Serie.Inicio) / Serie.Passo;
    return static_cast<std::size_t>(std::floor(passos * (1 + 1e-12) + 1e-9)) + 1;
}

std::string TextoMdDaSerie(const SerieMd& Serie, std::size_t k) {
    // Multiplicação, não soma acumulada: o erro não cresce ao longo da série.
    return TextoDecimalCurto(Serie.Inicio + static_cast<double>(k) * Serie.Passo);
}

std::variant<OpcoesLote, std::string>
InterpretaArgumentosLote(const std::vector<std::string>& Args) {
    OpcoesLote o;
    bool fimDasOpcoes = false, temMd = false, temSaida = false;
    for (std::size_t i = 0; i < Args.size(); ++i) {
        const std::string& a = Args[i];
        if (fimDasOpcoes || a.size() < 2 || a[0] != '-') {
            o.Arquivos.push_back(a);
            continue;
        }
        if (a == "--") {
            fimDasOpcoes = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            o.Ajuda = true;
            continue;
        }
        if (a == "--detalhes") {
            o.Detalhes = true;
            continue;
        }
        // "--md VALOR" ou "--md=VALOR"; o mesmo para --saida.
        auto valor = [&](std::string_view nome, std::string& v) -> std::optional<std::string> {
            if (a.size() > nome.size() && a.compare(0, nome.size(), nome) == 0 &&
                a[nome.size()] == '=') {
                v = a.substr(nome.size() + 1);
                return std::nullopt;
            }
            if (i + 1 >= Args.size()) return "falta o valor de " + std::string(nome) + ".";
            v = Args[++i];
            return std::nullopt;
        };
        const auto comeca = [&](std::string_view nome) {
            return a == nome || (a.size() > nome.size() && a.compare(0, nome.size(), nome) == 0 &&
                                 a[nome.size()] == '=');
        };
        std::string v;
        if (comeca("--md")) {
            if (temMd) return std::string("--md apareceu mais de uma vez.");
            if (auto erro = valor("--md", v)) return *erro;
            o.Serie = LeSerieMd(v);
            if (!o.Serie)
                return "série de Md inválida: \"" + v +
                       "\". Use INÍCIO:FIM:PASSO com \".\" decimal, PASSO diferente de zero e "
                       "no sentido de INÍCIO a FIM (ex.: --md 5000:20000:500).";
            temMd = true;
        } else if (comeca("--saida")) {
            if (temSaida) return std::string("--saida apareceu mais de uma vez.");
            if (auto erro = valor("--saida", v)) return *erro;
            if (v.empty()) return std::string("--saida precisa de um nome de arquivo.");
            o.Saida = v;
            temSaida = true;
        } else {
            return "opção desconhecida: " + a + ".";
        }
    }
    if (!o.Ajuda && o.Arquivos.empty()) return std::string("nenhum arquivo de valores indicado.");
    return o;
}

std::string TextoAjudaLote() {
    return "Uso: lumbrio-lote [--md INÍCIO:FIM:PASSO] [--saida ARQ.csv] [--detalhes] "
           "ARQUIVO.txt...\n"
           "\n"
           "Carrega cada arquivo de valores (o formato de \"Salvar como...\" e de Padrão.txt),\n"
           "dimensiona a seção e escreve uma linha CSV por projeto, depois do cabeçalho,\n"
           "com os textos do painel de resultados (\".\" decimal). Não grava resulta.txt.\n"
           "\n"
           "Opções:\n"
           "  --md INÍCIO:FIM:PASSO  dimensiona a série de momentos Md de INÍCIO a FIM com\n"
           "                         PASSO, na unidade de Md de cada arquivo\n"
           "                         (ex.: --md 5000:20000:500); sem ela, vale o Md do arquivo\n"
           "  --saida ARQ.csv        grava o CSV em ARQ.csv (substituído só no fim, inteiro)\n"
           "                         em vez da saída padrão\n"
           "  --detalhes             acrescenta, depois de \"erro\", a comparação dos modelos:\n"
           "                         deformação (por mil), tensão (kgf/cm2) e escoamento\n"
           "                         (1/0) de cada camada no modelo Real e de cada face no\n"
           "                         modelo CG, e a diferença de Mrd (Real - CG) / CG em %;\n"
           "                         com --md, resume cada série na saída de erros: o\n"
           "                         primeiro Md em que %h passa de 10 % e a maior\n"
           "                         diferença de Mrd entre os modelos\n"
           "  -h, --help             mostra esta ajuda\n"
           "\n"
           "Um projeto recusado sai com a mensagem na coluna \"erro\" e as colunas de\n"
           "resultado vazias; o lote continua. Acima de 10 000 projetos o progresso aparece\n"
           "na saída de erros, quando ela é um terminal.\n"
           "\n"
           "Saída: 0 se todos os arquivos foram lidos; 1 se algum não pôde ser lido (uma\n"
           "linha por arquivo na saída de erros); 2 para erro nos argumentos ou ao gravar\n"
           "o CSV.\n";
}

int ExecutaLote(const OpcoesLote& Opcoes, std::FILE* Saida, std::FILE* Erros,
                bool MostraProgresso) {
    DestinoCsv destino(Saida);
    std::string motivo;
    if (!destino.Abre(Opcoes.Saida, motivo)) {
        std::fprintf(Erros, "lumbrio-lote: o arquivo \"%s\" não pode ser gravado: %s.\n",
                     Opcoes.Saida.c_str(), motivo.c_str());
        return 2;
    }
    const std::size_t porArquivo = Opcoes.Serie ? TamanhoSerie(*Opcoes.Serie) : 1;
    const std::size_t total = porArquivo * Opcoes.Arquivos.size();
    const bool progresso = MostraProgresso && total > ProjetosParaProgresso;
    unsigned trabalhadores = Opcoes.Trabalhadores;
    if (trabalhadores == 0) trabalhadores = std::thread::hardware_concurrency();
    if (trabalhadores == 0) trabalhadores = 1;
    const std::size_t bloco = Opcoes.TamanhoBloco > 0 ? Opcoes.TamanhoBloco : 1;

    std::string csv;
    AcrescentaCabecalhoCsv(csv, Opcoes.Detalhes);
    bool gravou = destino.Escreve(csv, motivo);
    int status = 0;
    std::size_t feitos = 0;
    // A linha de progresso é reescrita no lugar (\r) e fechada antes de outra mensagem.
    bool linhaAberta = false;
    auto atualizaProgresso = [&] {
        if (!progresso) return;
        std::fprintf(Erros, "\rlumbrio-lote: %zu de %zu projetos (%zu%%)", feitos, total,
                     feitos * 100 / total);
        linhaAberta = true;
    };
    auto fechaLinha = [&] {
        if (linhaAberta) std::fputc('\n', Erros);
        linhaAberta = false;
    };
    std::vector<Dimensionamento> estados(trabalhadores);
    std::vector<std::string> partes(trabalhadores);
    std::vector<std::vector<PontoSerie>> pontos(trabalhadores);
    const bool resume = Opcoes.Detalhes && Opcoes.Serie;

    for (const std::string& nome : Opcoes.Arquivos) {
        if (!gravou) break;
        Dimensionamento carregado;
        if (const auto falha = CarregaConfiguracao(carregado, nome)) {
            fechaLinha();
            std::fprintf(Erros, "lumbrio-lote: %s\n", falha->Mensagem.c_str());
            status = 1;
            feitos += porArquivo;
            atualizaProgresso();
            continue;
        }
        if (!Opcoes.Serie) {
            Projeta(estados[0], carregado, nome, carregado.Form1.Text17.Text, csv, Opcoes.Detalhes);
            gravou = destino.Escreve(csv, motivo);
            ++feitos;
            continue;
        }
        // Cada rodada dá um bloco a cada trabalhador; as partes saem na ordem da série.
        const SerieMd& serie = *Opcoes.Serie;
        std::vector<PontoSerie> serieToda;
        auto trabalha = [&](unsigned t, std::size_t inicio) {
            const std::size_t fim = std::min(inicio + bloco, porArquivo);
            for (std::size_t k = inicio; k < fim; ++k)
                Projeta(estados[t], carregado, nome, TextoMdDaSerie(serie, k), partes[t],
                        Opcoes.Detalhes, resume ? &pontos[t] : nullptr);
        };
        for (std::size_t rodada = 0; rodada < porArquivo && gravou;
             rodada += bloco * trabalhadores) {
            std::vector<std::thread> linhas;
            for (unsigned t = 1; t < trabalhadores && rodada + t * bloco < porArquivo; ++t)
                linhas.emplace_back(trabalha, t, rodada + t * bloco);
            trabalha(0, rodada);
            for (auto& l : linhas) l.join();
            for (unsigned t = 0; t < trabalhadores && gravou; ++t)
                gravou = destino.Escreve(partes[t], motivo);
            // Os blocos da rodada estão na ordem da série, trabalhador a trabalhador.
            for (auto& p : pontos) {
                std::move(p.begin(), p.end(), std::back_inserter(serieToda));
                p.clear();
            }
            feitos += std::min(bloco * trabalhadores, porArquivo - rodada);
            atualizaProgresso();
        }
        if (resume && gravou) {
            fechaLinha();
            std::fputs(ResumoSerie(nome, serieToda).c_str(), Erros);
        }
    }
    fechaLinha();
    if (!gravou || !destino.Conclui(motivo)) {
        std::fprintf(Erros, "lumbrio-lote: o CSV não foi gravado: %s.\n", motivo.c_str());
        return 2;
    }
    return status;
}

} // namespace lumbrio
