// lumbrio-lote: projetos de uma série de Md para cada arquivo de valores, em CSV.
#include "files/Lote.h"

#include "calc/Numeros.h"
#include "files/ArquivoTexto.h"
#include "files/Configuracao.h"
#include "output/Comparacao.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <iterator>
#include <thread>

namespace lumbrio {

namespace {

constexpr std::array<std::string_view, 44> ColunasCsv{"arquivo",
                                                      "Md",
                                                      "As_CG",
                                                      "As_Real",
                                                      "AsLinha_CG",
                                                      "AsLinha_Real",
                                                      "Mrd_CG",
                                                      "Mrd_Real",
                                                      "unidade_Mrd",
                                                      "x_CG",
                                                      "x_Real",
                                                      "Dom_CG",
                                                      "Dom_Real",
                                                      "Rcc_CG",
                                                      "Rcc_Real",
                                                      "y2_CG",
                                                      "y2_Real",
                                                      "dlinha_pos1",
                                                      "dlinha_pos2",
                                                      "dlinha_pos3",
                                                      "dlinha_pos4",
                                                      "dlinha_pos5",
                                                      "dlinha_pos6",
                                                      "dlinha_neg1",
                                                      "dlinha_neg2",
                                                      "dlinha_neg3",
                                                      "dCG1",
                                                      "dCG2",
                                                      "pctH_pos",
                                                      "pctH_neg",
                                                      "alerta_pctH_pos",
                                                      "alerta_pctH_neg",
                                                      "barras_pos1",
                                                      "barras_pos2",
                                                      "barras_pos3",
                                                      "barras_pos4",
                                                      "barras_pos5",
                                                      "barras_pos6",
                                                      "barras_neg1",
                                                      "barras_neg2",
                                                      "barras_neg3",
                                                      "alerta_pos6",
                                                      "alerta_neg3",
                                                      "erro"};

// Colunas de --detalhes, depois de "erro": o modelo Real camada a camada, o modelo CG
// por face e a diferença de Mrd. ε em por mil, σ em kgf/cm², diferença em %.
std::vector<std::string> ColunasDetalhes() {
    std::vector<std::string> c;
    const auto camadas = [&c](const char* face, int n) {
        for (int i = 1; i <= n; ++i)
            for (const char* g : {"eps", "sig", "escoa"})
                c.push_back(Junta(g, "_Real_", face, std::to_string(i)));
    };
    camadas("pos", 6);
    camadas("neg", 3);
    for (const char* face : {"pos", "neg"})
        for (const char* g : {"eps", "sig", "escoa"}) c.push_back(Junta(g, "_CG_", face));
    c.push_back("dif_Mrd_pct");
    return c;
}

void AcrescentaDetalhes(std::string& Csv, const Dimensionamento& D) {
    const std::size_t n = ColunasDetalhes().size();
    if (!D.HaResultados) {
        Csv.append(n, ',');
        return;
    }
    const Comparacao c = ComparaModelos(D);
    const auto tres = [&Csv](bool existe, double eps, double sig, bool escoa) {
        if (!existe) {
            Csv += ",,,";
            return;
        }
        Csv += Junta(",", FormataNumero(eps, 4), ",", FormataNumero(sig, 2), escoa ? ",1" : ",0");
    };
    for (const bool negativa : {false, true}) {
        for (int i = 1; i <= (negativa ? 3 : 6); ++i) {
            const auto r = std::find_if(c.Camadas.begin(), c.Camadas.end(), [&](const auto& k) {
                return k.Negativa == negativa && k.Camada == i;
            });
            const bool existe = r != c.Camadas.end();
            tres(existe, existe ? r->Eps : 0, existe ? r->Sig : 0, existe && r->Escoa);
        }
    }
    for (const FaceCG* f : {&c.CGPos, &c.CGNeg}) tres(f->Existe, f->Eps, f->Sig, f->Escoa);
    Csv += ',';
    Csv += FormataNumero(c.DiferencaMrdPct, 3);
}

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
    if (!Pontos) return;
    PontoSerie p{Md, W.HaResultados};
    if (W.HaResultados) {
        const Comparacao c = ComparaModelos(W);
        p.PctHPos = W.PctHPos;
        p.PctHNeg = W.PctHNeg;
        p.TemNeg = c.TemNeg;
        p.DiferencaMrdPct = c.DiferencaMrdPct;
    }
    Pontos->push_back(std::move(p));
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

void AcrescentaCampoCsv(std::string& Csv, std::string_view Campo) {
    bool aspas = false;
    for (char c : Campo) aspas |= c == ',' || c == '"' || c == '\r' || c == '\n';
    if (!aspas) {
        Csv += Campo;
        return;
    }
    Csv += '"';
    for (char c : Campo) {
        if (c == '"') Csv += '"';
        Csv += c;
    }
    Csv += '"';
}

void AcrescentaCabecalhoCsv(std::string& Csv, bool Detalhes) {
    for (std::size_t i = 0; i < ColunasCsv.size(); ++i) {
        if (i > 0) Csv += ',';
        Csv += ColunasCsv[i];
    }
    if (Detalhes)
        for (const std::string& c : ColunasDetalhes()) Csv += Junta(",", c);
    Csv += "\r\n";
}

void AcrescentaLinhaCsv(std::string& Csv, std::string_view Arquivo, std::string_view Md,
                        const Dimensionamento& D, bool Detalhes) {
    AcrescentaCampoCsv(Csv, Arquivo);
    Csv += ',';
    AcrescentaCampoCsv(Csv, Md);
    if (!D.HaResultados) {
        // Projeto recusado: colunas de resultado vazias e a mensagem em "erro".
        Csv.append(ColunasCsv.size() - 3, ',');
        Csv += ',';
        std::string erro = D.Form2.Label1.Caption;
        if (!D.Form2.Label2.Caption.empty()) erro += " " + D.Form2.Label2.Caption;
        AcrescentaCampoCsv(Csv, erro);
        if (Detalhes) AcrescentaDetalhes(Csv, D);
        Csv += "\r\n";
        return;
    }
    const auto& f = D.Form1;
    auto campo = [&Csv](std::string_view t) {
        Csv += ',';
        AcrescentaCampoCsv(Csv, t);
    };
    auto alerta = [&Csv](Cor c) { Csv += c == Cor::Alerta ? ",1" : ",0"; };
    for (const CaixaTexto* c : {&f.Text8, &f.Text33, &f.Text28, &f.Text27, &f.Text23, &f.Text24})
        campo(c->Text);
    campo(f.Label29.Caption);
    for (const CaixaTexto* c :
         {&f.Text9, &f.Text10, &f.Text11, &f.Text12, &f.Text13, &f.Text14, &f.Text15, &f.Text16})
        campo(c->Text);
    for (int i = 1; i <= 6; ++i) campo(f.Text25[static_cast<std::size_t>(i)].Text);
    for (int i = 1; i <= 3; ++i) campo(f.Text3[static_cast<std::size_t>(i)].Text);
    campo(f.Text26.Text);
    campo(f.Text29.Text);
    campo(f.Text36.Text);
    campo(f.Text38.Text);
    alerta(f.Text36.BackColor);
    alerta(f.Text38.BackColor);
    for (int i = 1; i <= 6; ++i) campo(TextoDecimalCurto(D.NumBarrasPos[i]));
    for (int i = 1; i <= 3; ++i) campo(TextoDecimalCurto(D.NumBarrasNeg[i]));
    alerta(f.Combo2[6].BackColor);
    alerta(f.Combo4[3].BackColor);
    Csv += ','; // "erro" vazio
    if (Detalhes) AcrescentaDetalhes(Csv, D);
    Csv += "\r\n";
}

std::string ResumoSerie(std::string_view Arquivo, const std::vector<PontoSerie>& Pontos) {
    const PontoSerie* acima = nullptr;
    const PontoSerie* maior = nullptr;
    for (const PontoSerie& p : Pontos) {
        if (!p.Calculado) continue;
        if (!acima && (p.PctHPos > LimitePctH || (p.TemNeg && p.PctHNeg > LimitePctH))) acima = &p;
        if (std::isfinite(p.DiferencaMrdPct) &&
            (!maior || std::fabs(p.DiferencaMrdPct) > std::fabs(maior->DiferencaMrdPct)))
            maior = &p;
    }
    std::string s = Junta("lumbrio-lote: ", Arquivo, ": ");
    if (acima) {
        const bool positiva = acima->PctHPos > LimitePctH;
        s += Junta("%h passa de 10 % a partir de Md = ", acima->Md, " (",
                   positiva ? "armadura positiva, %h = " : "armadura negativa, %h = ",
                   FormataNumero(positiva ? acima->PctHPos : acima->PctHNeg, 2), " %)");
    } else {
        s += "%h não passa de 10 % na série";
    }
    if (maior)
        s += Junta("; maior diferença de Mrd entre os modelos (Real - CG) / CG: ",
                   FormataNumero(maior->DiferencaMrdPct, 2), " % em Md = ", maior->Md);
    else
        s += "; nenhum projeto da série foi calculado";
    return s + ".\n";
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
