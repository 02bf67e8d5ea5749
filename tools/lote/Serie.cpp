#include "tools/lote/Serie.h"

#include "base/Numeros.h"
#include "output/Csv.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace lumbrio {

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
    if (s.Inicio == s.Fim) return s;
    const double passos = (s.Fim - s.Inicio) / s.Passo;
    if (s.Passo == 0 || passos < 0 || !std::isfinite(passos)) return std::nullopt;
    return s;
}

std::size_t TamanhoSerie(const SerieMd& Serie) {
    if (Serie.Inicio == Serie.Fim) return 1;
    // Folga para que 0:1:0.1 inclua o 1 apesar do arredondamento; Fim − Inicio erra
    // até um ulp do maior deles, o que em passos pequenos (16500:16500.01:0.001) pesa.
    const double passos = (Serie.Fim - Serie.Inicio) / Serie.Passo;
    const double maior = std::max(std::fabs(Serie.Inicio), std::fabs(Serie.Fim));
    const double folga = std::min(1e-3, 1e-9 + 8 * DBL_EPSILON * maior / std::fabs(Serie.Passo));
    return static_cast<std::size_t>(std::floor(passos * (1 + 1e-12) + folga)) + 1;
}

std::string TextoMdDaSerie(const SerieMd& Serie, std::size_t k) {
    // Multiplicação, não soma acumulada: o erro não cresce ao longo da série.
    // O último não passa do fim por arredondamento: é o próprio fim.
    const double md = Serie.Inicio + static_cast<double>(k) * Serie.Passo;
    return TextoDecimalCurto(Serie.Passo > 0 ? std::min(md, Serie.Fim) : std::max(md, Serie.Fim));
}

bool Paralelo::Rodadas(std::size_t Total,
                       const std::function<void(unsigned, std::size_t, std::size_t)>& Tarefa,
                       const std::function<bool(std::size_t)>& DepoisDaRodada) const {
    const std::size_t porRodada = Bloco * Trabalhadores;
    std::vector<std::exception_ptr> falhas(Trabalhadores);
    for (std::size_t rodada = 0; rodada < Total; rodada += porRodada) {
        // Uma exceção (memória insuficiente) num trabalhador volta a quem chamou, depois
        // de todos pararem, em vez de encerrar o processo sem apagar o temporário.
        const auto bloco = [&](unsigned t) {
            const std::size_t inicio = rodada + t * Bloco;
            try {
                Tarefa(t, inicio, std::min(inicio + Bloco, Total));
            } catch (...) {
                falhas[t] = std::current_exception();
            }
        };
        {
            std::vector<std::jthread> linhas; // esperados também quando algo falha aqui
            linhas.reserve(Trabalhadores);
            for (unsigned t = 1; t < Trabalhadores && rodada + t * Bloco < Total; ++t) {
                try {
                    linhas.emplace_back(bloco, t);
                } catch (const std::system_error&) {
                    bloco(t); // sem linha nova (limite de memória ou de processos): aqui mesmo
                }
            }
            bloco(0);
        }
        for (const std::exception_ptr& f : falhas)
            if (f) std::rethrow_exception(f);
        if (!DepoisDaRodada(std::min(porRodada, Total - rodada))) return false;
    }
    return true;
}

ProjetosDoArquivo::ProjetosDoArquivo(const Dimensionamento& C) : Carregado(C) {
    ControlesForm1 f = C.Form1;
    f.Text17.Text = "0";
    try {
        Entradas = LeEntradas(f, C.Form8);
    } catch (const Recusa&) {
        // Cada projeto passa pela leitura das caixas e diz a sua recusa.
    }
}

void Projeta(Dimensionamento& W, EntradasProjeto* Entradas, const ProjetosDoArquivo& Arquivo,
             std::string_view Nome, const std::string& Md, std::string& Csv, bool Detalhes) {
    try {
        const auto md = Entradas ? MdDaCaixa(Md, Entradas->FatorMd) : std::nullopt;
        if (md) {
            Entradas->Md = *md;
            Entradas->TemMd = true; // na verificação de barras dadas, as barras ficam
            W.Calcula(*Entradas);
        } else {
            ControlesForm1 f = Arquivo.Carregado.Form1;
            f.Text17.Text = Md;
            W.Calcula(LeEntradas(f, Arquivo.Carregado.Form8));
        }
    } catch (const Recusa& r) {
        static_cast<EstadoDeCalculo&>(W) = EstadoDeCalculo{};
        W.MensagemErro = r.Mensagem;
        W.MensagemErro2 = r.Mensagem2;
    }
    AcrescentaLinhaCsv(Csv, Nome, Md, W, Detalhes);
}

ResultadoArquivo ProjetaSerie(const ProjetosDoArquivo& Arquivo, std::string_view Nome,
                              const SerieMd& Serie, bool Detalhes, const Paralelo& P,
                              SaidaLote& Saida) {
    std::vector<Dimensionamento> estados(P.Trabalhadores);
    std::vector<EntradasProjeto> entradas(Arquivo.Entradas ? P.Trabalhadores : 0,
                                          Arquivo.Entradas.value_or(EntradasProjeto{}));
    std::vector<std::string> partes(P.Trabalhadores);
    std::vector<std::vector<PontoSerie>> pontos(P.Trabalhadores);
    ResumoSerie resumo; // memória constante: nenhum ponto guardado além da rodada
    const auto projeta = [&](unsigned t, std::size_t inicio, std::size_t fim) {
        for (std::size_t k = inicio; k < fim; ++k) {
            std::string md = TextoMdDaSerie(Serie, k);
            Projeta(estados[t], entradas.empty() ? nullptr : &entradas[t], Arquivo, Nome, md,
                    partes[t], Detalhes);
            if (Detalhes) pontos[t].push_back(PontoDoProjeto(std::move(md), estados[t]));
        }
    };
    // Os blocos da rodada estão na ordem da série, trabalhador a trabalhador.
    const auto grava = [&](std::size_t projetos) {
        bool gravou = true;
        for (std::size_t t = 0; t < partes.size() && gravou; ++t) gravou = Saida.Escreve(partes[t]);
        for (auto& p : pontos) {
            for (PontoSerie& q : p) resumo.Acrescenta(std::move(q));
            p.clear();
        }
        Saida.Avanca(projetos);
        return gravou;
    };
    ResultadoArquivo r;
    r.Gravou = P.Rodadas(TamanhoSerie(Serie), projeta, grava);
    if (Detalhes && r.Gravou) r.Resumo = resumo.Texto(Nome);
    return r;
}

} // namespace lumbrio
