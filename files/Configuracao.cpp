// Grava e Carrega: o arquivo de valores com os 39 registros das entradas.
#include "files/Configuracao.h"

#include "base/Catalogos.h"
#include "base/Cortante.h"
#include "base/Numeros.h"
#include "base/Textos.h"
#include "files/ArquivoTexto.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace lumbrio {

namespace {

template <class T> using Valor = std::remove_cvref_t<T>;

// Texto que, sem aspas, não voltaria igual: vírgula ou quebra de linha (partem o
// campo), branco no começo (pulado) ou no fim (cortado) e aspas no começo. Os
// demais textos são gravados sem aspas, como sempre foram.
bool PrecisaAspas(std::string_view t) {
    if (t.empty()) return false;
    if (t.find_first_of(",\r\n") != std::string_view::npos) return true;
    const char p = t.front(), u = t.back();
    return p == ' ' || p == '\t' || p == '"' || u == ' ' || u == '\t';
}

// Entre aspas, uma aspa do texto é dobrada (o leitor lê "" como uma aspa).
std::string ComAspas(std::string_view t) {
    std::string s = "\"";
    for (char c : t) {
        if (c == '"') s += '"';
        s += c;
    }
    s += '"';
    return s;
}

std::string Numero(int v) {
    // Como o número de uma marcação é escrito: lugar do sinal, dígitos, um branco.
    const long long a = v < 0 ? -static_cast<long long>(v) : v;
    std::string s(1, v < 0 ? '-' : ' ');
    s += std::to_string(a);
    s += ' ';
    return s;
}

bool EhBranco(char c) {
    return c == ' ' || c == '\t';
}

enum class Leitura { Campo, Fim, AspasAbertas, TextoAposAspas };

// Lê um campo a partir de Pos: brancos e tabulações antes dele são pulados; entre
// aspas vai até a aspa seguinte ("" dentro dele é uma aspa); sem aspas vai até a
// vírgula ou o fim da linha, que são consumidos. Brancos finais sem aspas caem.
Leitura LeCampo(std::string_view s, std::size_t& Pos, std::string& Campo) {
    Campo.clear();
    while (Pos < s.size() && EhBranco(s[Pos])) ++Pos;
    if (Pos >= s.size()) return Leitura::Fim;
    auto consomeDelimitador = [&] {
        if (Pos >= s.size()) return;
        if (s[Pos] == ',') {
            ++Pos;
        } else if (s[Pos] == '\r') {
            ++Pos;
            if (Pos < s.size() && s[Pos] == '\n') ++Pos;
        } else if (s[Pos] == '\n') {
            ++Pos;
        }
    };
    if (s[Pos] == '"') {
        ++Pos;
        for (;;) {
            if (Pos >= s.size()) return Leitura::AspasAbertas;
            if (s[Pos] == '"') {
                if (Pos + 1 < s.size() && s[Pos + 1] == '"') {
                    Campo += '"';
                    Pos += 2;
                    continue;
                }
                ++Pos;
                break;
            }
            Campo += s[Pos++];
        }
        while (Pos < s.size() && EhBranco(s[Pos])) ++Pos;
        if (Pos < s.size() && s[Pos] != ',' && s[Pos] != '\r' && s[Pos] != '\n')
            return Leitura::TextoAposAspas;
        consomeDelimitador();
        return Leitura::Campo;
    }
    const std::size_t inicio = Pos;
    while (Pos < s.size() && s[Pos] != ',' && s[Pos] != '\r' && s[Pos] != '\n') ++Pos;
    std::size_t fim = Pos;
    while (fim > inicio && EhBranco(s[fim - 1])) --fim;
    Campo.assign(s.substr(inicio, fim - inicio));
    consomeDelimitador();
    return Leitura::Campo;
}

bool IgualSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto min = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (min(a[i]) != min(b[i])) return false;
    }
    return true;
}

// Valor de verdade: True ou False (sem distinção de maiúsculas).
std::optional<bool> LeVerdade(std::string_view t) {
    if (IgualSemCaixa(t, "True")) return true;
    if (IgualSemCaixa(t, "False")) return false;
    return std::nullopt;
}

// Número inteiro de uma marcação: sinal opcional e dígitos; só 0, 1 e 2 existem.
std::optional<int> LeMarca(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (i == t.size() || t.size() - i > 9) return std::nullopt;
    int v = 0;
    for (std::size_t k = i; k < t.size(); ++k) {
        if (t[k] < '0' || t[k] > '9') return std::nullopt;
        v = v * 10 + (t[k] - '0');
    }
    if (t[0] == '-') v = -v;
    if (v < 0 || v > 2) return std::nullopt;
    return v;
}

// Um número com vírgula decimal ("1,5"), como a janela o lê ao digitar, passa a "1.5":
// lido pelo prefixo, daria 1 em silêncio. Devolve o motivo da recusa quando a vírgula
// não faz do texto um número ("1,5x", "1,500,0"); vazio quando serve ou não há vírgula.
std::string LeVirgulaDecimal(const Entrada& E, std::string& Campo) {
    if ((E.Tipo != TipoEntrada::Numero && E.Tipo != TipoEntrada::Passo) ||
        Campo.find(',') == std::string::npos)
        return {};
    std::string ponto = Campo;
    std::ranges::replace(ponto, ',', '.');
    const auto p = ponto.find_first_not_of(" \t");
    const auto u = ponto.find_last_not_of(" \t");
    if (p == std::string::npos || !LeDecimalExato(std::string_view(ponto).substr(p, u + 1 - p)))
        return Junta("deveria ser um número (com vírgula ou ponto decimal) e traz \"",
                     TextoVisivel(Campo), "\"");
    Campo = std::move(ponto);
    return {};
}

FalhaArquivo FalhaCarga(const std::string& Nome, const std::string& Motivo) {
    return {"O arquivo \"" + TextoVisivel(Nome) + "\" não foi carregado: " + Motivo + ".",
            "Nenhum valor da janela foi alterado."};
}

std::string Registro(int n, const char* Descricao) {
    return "o registro " + std::to_string(n) + " (" + Descricao + ")";
}

// Controles com os valores de projeto: o tipo de cada registro e os padrões.
struct ModeloDosControles {
    ControlesForm1 Form1;
    ControlesForm8 Form8;
};

template <std::size_t N>
bool NaLista(const std::array<std::string_view, N>& Itens, std::string_view t) {
    return std::ranges::find(Itens, t) != Itens.end();
}

template <std::size_t N> std::string ListaDeItens(const std::array<std::string_view, N>& Itens) {
    std::string s;
    for (std::size_t i = 0; i < N; ++i)
        s += Junta(i == 0 ? "" : (i + 1 == N ? " ou " : ", "), "\"", Itens[i], "\"");
    return "deveria ser " + s;
}

} // namespace

bool UsaRegistrosExtras(const ControlesForm1& F) {
    return !F.TextVd.Text.empty() || !F.TextMser.Text.empty() || F.CheckVerifica.Value == 1 ||
           F.ComboSecao.Text != ItensSecao[0];
}

std::string ConfereRegistroExtra(const Entrada& E, const std::string& Texto) {
    const auto faixa = [&](double Min, double Max) -> std::string {
        const auto v = LeDecimalExato(Texto);
        if (v && *v >= Min && *v <= Max) return {};
        return Junta("deveria ser um número de ", TextoDecimalCurto(Min), " a ",
                     TextoDecimalCurto(Max));
    };
    using T = TipoEntrada;
    switch (E.Tipo) {
    case T::UnidadeForca:
        return NaLista(ItensForca, Texto) ? "" : ListaDeItens(ItensForca);
    case T::UnidadeMomento:
        return NaLista(ItensCombo5, Texto) ? "" : ListaDeItens(ItensCombo5);
    case T::Modelo:
        return NaLista(ItensModelo, Texto) ? "" : ListaDeItens(ItensModelo);
    case T::AcoEstribo:
        return NaLista(ItensAcoEstribo, Texto) ? "" : ListaDeItens(ItensAcoEstribo);
    case T::Classe:
        return NaLista(ItensCAA, Texto) ? "" : ListaDeItens(ItensCAA);
    case T::Secao:
        return NaLista(ItensSecao, Texto) ? "" : ListaDeItens(ItensSecao);
    case T::Mesa:
        return NaLista(ItensMesa, Texto) ? "" : ListaDeItens(ItensMesa);
    case T::Teta:
        return faixa(TetaMinimo, TetaMaximo);
    case T::Alfa:
        return faixa(AlfaMinimo, AlfaMaximo);
    case T::Barras: {
        const auto v = LeDecimalExato(Texto);
        if (Texto.empty() || (v && *v == std::floor(*v) && *v >= 0)) return {};
        return "deveria ser um número inteiro maior ou igual a zero";
    }
    case T::Ramos: {
        const auto v = LeDecimalExato(Texto);
        if (v && *v == std::floor(*v) && *v >= RamosMinimo && *v <= RamosMaximo) return {};
        return Junta("deveria ser um número inteiro de ", std::to_string(RamosMinimo), " a ",
                     std::to_string(RamosMaximo));
    }
    default:
        return {}; // Vd e Mser: o texto como digitado, conferido no cálculo
    }
}

std::optional<FalhaArquivo> TextoConfiguracao(const EstadoDeProjeto& D, std::string& Bytes) {
    Bytes.clear();
    std::optional<FalhaArquivo> falha;
    std::string linha, convertida, invalido;
    int n = 0;
    // Uma linha do arquivo, em Windows-1252; a primeira falha para a gravação.
    const auto acrescenta = [&](const char* descricao) {
        if (!ParaWindows1252(linha, convertida, invalido)) {
            falha = FalhaArquivo{Registro(n, descricao) + " tem o caractere \"" + invalido +
                                     "\", que não existe no conjunto Windows-1252 dos arquivos",
                                 ""};
            return;
        }
        Bytes += convertida;
        Bytes += "\r\n";
    };
    const auto texto = [&linha](const std::string& t) {
        linha = PrecisaAspas(t) ? ComAspas(t) : t;
    };
    ParaCadaRegistro(D, [&](const Entrada& e, const auto& v) {
        ++n;
        if (falha) return;
        using T = Valor<decltype(v)>;
        if constexpr (std::is_same_v<T, std::string>) {
            texto(v);
        } else if constexpr (std::is_same_v<T, bool>) {
            linha = v ? "True" : "False";
        } else {
            static_assert(std::is_same_v<T, int>);
            linha = Numero(v);
        }
        acrescenta(e.Descricao);
    });
    // Registro 40, a norma, só fora da NBR 6118:2003 ou antes dos registros 41 a 50:
    // os arquivos sem eles ficam como sempre foram.
    const bool extras = UsaRegistrosExtras(D.Form1);
    if (!falha && (extras || D.Form1.ComboNorma.Text != ItensNorma[0])) {
        ++n;
        texto(D.Form1.ComboNorma.Text);
        acrescenta("norma");
    }
    if (!extras) return falha;
    const bool verificacao = D.Form1.CheckVerifica.Value == 1;
    const bool secaoT = D.Form1.ComboSecao.Text != ItensSecao[0];
    ParaCadaRegistro(
        D,
        [&](const Entrada& e, const auto& v) {
            n = e.Registro;
            if (falha) return;
            if constexpr (std::is_same_v<Valor<decltype(v)>, int>) {
                linha = v == 1 ? "True" : "False"; // a marcação, como as habilitações
                acrescenta(e.Descricao);
            } else if constexpr (std::is_same_v<Valor<decltype(v)>, std::string>) {
                // Um arquivo que a própria janela não leria de volta não é gravado.
                if (const auto motivo = ConfereRegistroExtra(e, v); !motivo.empty()) {
                    falha = FalhaArquivo{Junta(Registro(n, e.Descricao), " ", motivo, " e traz \"",
                                               TextoVisivel(v), "\""),
                                         ""};
                    return;
                }
                texto(v);
                acrescenta(e.Descricao);
            }
        },
        PrimeiroRegistroExtra,
        secaoT        ? UltimoRegistroSecao
        : verificacao ? UltimoRegistroVerificacao
                      : UltimoRegistroExtra);
    return falha;
}

std::optional<FalhaArquivo> GravaConfiguracao(const EstadoDeProjeto& D, const std::string& Nome) {
    std::string bytes, motivo;
    if (auto falha = TextoConfiguracao(D, bytes))
        return FalhaArquivo{ArquivoNaoGravado(Nome, falha->Mensagem),
                            "Corrija o valor; o arquivo não foi alterado."};
    // Um arquivo que o programa não leria de volta não é gravado.
    if (bytes.size() > TamanhoMaximoLeitura)
        return FalhaArquivo{
            ArquivoNaoGravado(Nome,
                              Junta("teria ", std::to_string(bytes.size()), " bytes, mais que os ",
                                    std::to_string(TamanhoMaximoLeitura), " que o programa lê")),
            "Encurte os textos das caixas; o arquivo não foi alterado."};
    if (!GravaAtomico(Nome, bytes, motivo))
        return FalhaArquivo{ArquivoNaoGravado(Nome, motivo), "O arquivo não foi alterado."};
    return std::nullopt;
}

namespace {

// Leitura: os 39 campos do texto, sem interpretar; Pos fica depois do último.
std::optional<FalhaArquivo> LeCampos(const std::string& Nome, std::string_view Texto,
                                     std::size_t& Pos, std::vector<std::string>& Campos) {
    Campos.assign(NumRegistrosConfiguracao, {});
    for (int i = 0; i < NumRegistrosConfiguracao; ++i) {
        switch (LeCampo(Texto, Pos, Campos[static_cast<std::size_t>(i)])) {
        case Leitura::Campo:
            break;
        case Leitura::Fim:
            return FalhaCarga(Nome, "o arquivo acaba no registro " + std::to_string(i) +
                                        " e são necessários " +
                                        std::to_string(NumRegistrosConfiguracao));
        case Leitura::AspasAbertas:
            return FalhaCarga(Nome, "o registro " + std::to_string(i + 1) +
                                        " abre aspas que não se fecham");
        case Leitura::TextoAposAspas:
            return FalhaCarga(Nome, "o registro " + std::to_string(i + 1) +
                                        " tem texto depois das aspas de fechamento");
        }
    }
    return std::nullopt;
}

// Os registros De a Ate (41 a 50 ou 51 a 61), todos, conferidos contra as listas e as
// faixas; Quais diz no erro de que registros se trata.
std::optional<FalhaArquivo> LeExtras(const std::string& Nome, std::string_view Texto,
                                     std::size_t& Pos, int De, int Ate, const char* Quais,
                                     std::vector<std::string>& Saida) {
    static const ModeloDosControles tipos;
    std::optional<FalhaArquivo> falha;
    Saida.clear();
    ParaCadaRegistro(
        tipos,
        [&](const Entrada& e, const auto& v) {
            if (falha) return;
            std::string campo;
            switch (LeCampo(Texto, Pos, campo)) {
            case Leitura::Campo:
                break;
            case Leitura::Fim:
                falha = FalhaCarga(Nome, Junta("o arquivo acaba no registro ",
                                               std::to_string(e.Registro - 1), " e, com ", Quais,
                                               ", são necessários ", std::to_string(Ate)));
                return;
            case Leitura::AspasAbertas:
            case Leitura::TextoAposAspas:
                falha =
                    FalhaCarga(Nome, Registro(e.Registro, e.Descricao) + " tem aspas malformadas");
                return;
            }
            if (const auto motivo = LeVirgulaDecimal(e, campo); !motivo.empty()) {
                falha = FalhaCarga(Nome, Junta(Registro(e.Registro, e.Descricao), " ", motivo));
                return;
            }
            std::string motivo = ConfereRegistroExtra(e, campo);
            if constexpr (std::is_same_v<Valor<decltype(v)>, int>)
                if (!LeVerdade(campo)) motivo = "deveria ser True ou False";
            if (!motivo.empty()) {
                falha = FalhaCarga(Nome, Junta(Registro(e.Registro, e.Descricao), " ", motivo,
                                               " e traz \"", TextoVisivel(campo), "\""));
                return;
            }
            Saida.push_back(std::move(campo));
        },
        De, Ate);
    return falha;
}

// Conversão: True/False e as marcações de cada registro, conferidos contra o tipo do
// controle, e o registro 40, opcional, a norma, depois do qual só há linhas em branco.
std::optional<FalhaArquivo> Converte(const std::string& Nome, std::string_view Texto,
                                     std::size_t Pos, RegistrosLidos& R) {
    std::optional<FalhaArquivo> falha;
    int n = 0;
    static const ModeloDosControles tipos;
    ParaCadaRegistro(tipos, [&](const Entrada& e, const auto& v) {
        std::string& campo = R.Campos[static_cast<std::size_t>(n++)];
        const char* descricao = e.Descricao;
        if (falha) return;
        using T = Valor<decltype(v)>;
        if constexpr (std::is_same_v<T, std::string>) {
            if (const auto motivo = LeVirgulaDecimal(e, campo); !motivo.empty())
                falha = FalhaCarga(Nome, Junta(Registro(n, descricao), " ", motivo));
        } else if constexpr (std::is_same_v<T, bool>) {
            if (const auto b = LeVerdade(campo))
                R.Verdades[static_cast<std::size_t>(n)] = *b;
            else
                falha = FalhaCarga(Nome, Registro(n, descricao) +
                                             " deveria ser True ou False e traz \"" +
                                             TextoVisivel(campo) + "\"");
        } else if constexpr (std::is_same_v<T, int>) {
            if (const auto m = LeMarca(campo))
                R.Marcas[static_cast<std::size_t>(n)] = *m;
            else
                falha =
                    FalhaCarga(Nome, Registro(n, descricao) + " deveria ser 0, 1 ou 2 e traz \"" +
                                         TextoVisivel(campo) + "\"");
        }
    });
    if (falha) return falha;

    const auto pulaBrancos = [&] {
        while (Pos < Texto.size() &&
               (EhBranco(Texto[Pos]) || Texto[Pos] == '\r' || Texto[Pos] == '\n'))
            ++Pos;
    };
    R.Norma = ItensNorma[0];
    pulaBrancos();
    if (Pos < Texto.size()) {
        constexpr int r = NumRegistrosConfiguracao + 1;
        if (LeCampo(Texto, Pos, R.Norma) != Leitura::Campo ||
            (R.Norma != ItensNorma[0] && R.Norma != ItensNorma[1]))
            return FalhaCarga(Nome, Junta(Registro(r, "norma"), " deveria ser \"", ItensNorma[0],
                                          "\" ou \"", ItensNorma[1], "\" e traz \"",
                                          TextoVisivel(R.Norma), "\""));
        // Os registros 41 a 50 começam na linha seguinte: o 41 (Vd) pode ser vazio.
        if (Texto.find_first_not_of(" \t\r\n", Pos) != std::string_view::npos)
            if (auto f = LeExtras(Nome, Texto, Pos, PrimeiroRegistroExtra, UltimoRegistroExtra,
                                  "os registros da cortante e do serviço", R.Extras))
                return f;
        pulaBrancos();
        // Os registros 51 a 61: a verificação de uma armadura dada.
        if (Pos < Texto.size())
            if (auto f = LeExtras(Nome, Texto, Pos, PrimeiroRegistroVerificacao,
                                  UltimoRegistroVerificacao,
                                  "os registros da verificação de barras dadas", R.Verificacao))
                return f;
        pulaBrancos();
        // Os registros 62 a 65: a seção T.
        if (Pos < Texto.size())
            if (auto f = LeExtras(Nome, Texto, Pos, PrimeiroRegistroSecao, UltimoRegistroSecao,
                                  "os registros da seção T", R.Secao))
                return f;
        pulaBrancos();
        if (Pos < Texto.size())
            return FalhaCarga(
                Nome,
                Junta("há conteúdo depois do último registro, na linha ",
                      std::to_string(
                          1 + std::count(Texto.begin(),
                                         Texto.begin() + static_cast<std::ptrdiff_t>(Pos), '\n'))));
    }
    return std::nullopt;
}

} // namespace

std::variant<RegistrosLidos, FalhaArquivo> LeRegistros(const std::string& Nome) {
    std::string motivo;
    const auto bytes = LeArquivo(Nome, motivo);
    if (!bytes) return FalhaCarga(Nome, motivo);
    const std::string texto = DeWindows1252(*bytes);
    RegistrosLidos r;
    std::size_t pos = 0;
    if (auto falha = LeCampos(Nome, texto, pos, r.Campos)) return *falha;
    if (auto falha = Converte(Nome, texto, pos, r)) return *falha;
    return r;
}

void AplicaRegistros(EstadoDeProjeto& D, RegistrosLidos R) {
    // Na ordem dos registros. Marcar ou desmarcar "Auto." aplica a sua regra, que
    // habilita as escalas exatamente quando a caixa não está marcada; os registros 16
    // e 17 valem só quando o 18 deixa a caixa como estava.
    int n = 0;
    ParaCadaRegistro(D, [&](const Entrada&, auto& v) {
        const auto i = static_cast<std::size_t>(n++);
        using T = Valor<decltype(v)>;
        if constexpr (std::is_same_v<T, std::string>) {
            v = std::move(R.Campos[i]);
        } else if constexpr (std::is_same_v<T, bool>) {
            v = R.Verdades[i + 1];
        } else {
            const int novo = R.Marcas[i + 1];
            if (&v == &D.Form1.Check3.Value && novo != v) {
                v = novo;
                RegraDoAuto(D.Form1);
            } else {
                v = novo;
            }
        }
    });
    // Nada na janela trava ou destrava o cobrimento: um registro 6 False deixaria a caixa
    // presa para sempre. Ela fica habilitada, como a janela a desenha.
    D.Form1.Text4.Enabled = true;
    D.Form1.ComboNorma.Text = std::move(R.Norma);
    // Sem os registros 41 a 50, a cortante e o serviço voltam ao padrão (sem verificação);
    // sem os 51 a 61, a verificação de barras dadas fica desmarcada, com as caixas padrão;
    // sem os 62 a 65, a seção é retangular.
    const auto aplica = [&D](std::vector<std::string>& Lidos, int De, int Ate) {
        static const ModeloDosControles padrao;
        std::vector<std::string> padroes;
        ParaCadaRegistro(
            padrao,
            [&](const Entrada&, const auto& t) {
                if constexpr (std::is_same_v<Valor<decltype(t)>, std::string>)
                    padroes.push_back(t);
                else
                    padroes.push_back(t == 1 ? "True" : "False");
            },
            De, Ate);
        auto& valores = Lidos.empty() ? padroes : Lidos;
        std::size_t k = 0;
        ParaCadaRegistro(
            D,
            [&](const Entrada&, auto& v) {
                if constexpr (std::is_same_v<Valor<decltype(v)>, std::string>)
                    v = std::move(valores[k++]);
                else
                    v = LeVerdade(valores[k++]).value_or(false) ? 1 : 0;
            },
            De, Ate);
    };
    aplica(R.Extras, PrimeiroRegistroExtra, UltimoRegistroExtra);
    aplica(R.Verificacao, PrimeiroRegistroVerificacao, UltimoRegistroVerificacao);
    aplica(R.Secao, PrimeiroRegistroSecao, UltimoRegistroSecao);
    RegraDoModelo(D.Form1);
    D.Form1.MserSegueMd = D.Form1.ComboMser.Text == D.Form1.Combo5.Text;
}

std::optional<FalhaArquivo> CarregaConfiguracao(EstadoDeProjeto& D, const std::string& Nome) {
    auto lidos = LeRegistros(Nome);
    if (auto* falha = std::get_if<FalhaArquivo>(&lidos)) return std::move(*falha);
    AplicaRegistros(D, std::move(std::get<RegistrosLidos>(lidos)));
    return std::nullopt;
}

} // namespace lumbrio
