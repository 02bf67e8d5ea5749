// Conversão Windows-1252 ⇄ UTF-8 com iconv, leitura e gravação atômica de arquivos.
#include "files/ArquivoTexto.h"

#include "base/Textos.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iconv.h>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumbrio {

namespace {

// Bytes sem caractere em Windows-1252: o iconv os recusa; o Windows os lê como
// os controles U+0080..U+009F de mesmo número, e aqui também, nos dois sentidos.
bool ByteSemCaractere(unsigned char b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

class Conversor {
  public:
    Conversor(const char* Para, const char* De) : cd(iconv_open(Para, De)) {}
    ~Conversor() {
        if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
    Conversor(const Conversor&) = delete;
    Conversor& operator=(const Conversor&) = delete;
    bool Valido() const { return cd != reinterpret_cast<iconv_t>(-1); }

    // Converte a partir de Entrada; devolve o errno do iconv (0 quando terminou).
    // Entrada avança até o ponto da parada.
    int Converte(std::string_view& Entrada, std::string& Saida) {
        char buf[1024];
        while (!Entrada.empty()) {
            char* in = const_cast<char*>(Entrada.data());
            std::size_t inLeft = Entrada.size();
            char* out = buf;
            std::size_t outLeft = sizeof buf;
            const std::size_t r = iconv(cd, &in, &inLeft, &out, &outLeft);
            const int erro = r == static_cast<std::size_t>(-1) ? errno : 0;
            Saida.append(buf, static_cast<std::size_t>(out - buf));
            Entrada.remove_prefix(Entrada.size() - inLeft);
            if (erro != 0 && erro != E2BIG) return erro;
        }
        return 0;
    }

  private:
    iconv_t cd;
};

// Comprimento de uma sequência UTF-8 pelo seu primeiro byte (1 se inválido).
std::size_t ComprimentoUtf8(unsigned char b) {
    if (b >= 0xF0 && b < 0xF8) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC0) return 2;
    return 1;
}

std::atomic<unsigned> ContadorTemporarios{0};

// Nome de um temporário oculto na pasta do destino.
// Nome curto, na pasta do destino: um nome de 255 bytes ainda tem temporário.
std::string NomeTemporario(const std::filesystem::path& Destino) {
    std::string oculto = ".lumbrio";
    oculto += std::to_string(::getpid());
    oculto += '-';
    oculto += std::to_string(ContadorTemporarios.fetch_add(1));
    oculto += ".tmp";
    return (Destino.parent_path() / oculto).string();
}

// O temporário da gravação em curso, num buffer fixo que um tratador de sinal pode ler.
char TemporarioEmCurso[4096];
volatile std::sig_atomic_t HaTemporario = 0;

// Programa que encerra, para a mensagem do tratador ("lumbrio-lote").
char ProgramaEmCurso[64];

// O que cada sinal tratado quer dizer, para a mensagem de encerramento.
const char* MotivoSinal(int Sinal) {
    switch (Sinal) {
    case SIGINT:
        return "interrompido (Ctrl+C)";
    case SIGHUP:
        return "o terminal foi fechado (SIGHUP)";
    case SIGQUIT:
        return "interrompido (SIGQUIT)";
    case SIGPIPE:
        return "quem lia a saída a fechou (SIGPIPE)";
    case SIGXCPU:
        return "o limite de tempo de processador acabou (SIGXCPU)";
    case SIGALRM:
        return "o alarme de tempo disparou (SIGALRM)";
    case SIGVTALRM:
        return "o alarme de tempo virtual disparou (SIGVTALRM)";
    case SIGPROF:
        return "o alarme de perfil disparou (SIGPROF)";
    case SIGTERM:
        return "encerrado (SIGTERM)";
    case SIGUSR1:
        return "encerrado (SIGUSR1)";
    case SIGUSR2:
        return "encerrado (SIGUSR2)";
    case SIGPWR:
        return "falha de energia (SIGPWR)";
    case SIGSTKFLT:
        return "encerrado (SIGSTKFLT)";
    case SIGIO:
        return "encerrado (SIGIO)";
    case SIGABRT:
    case SIGSEGV:
    case SIGBUS:
    case SIGFPE:
    case SIGILL:
    case SIGTRAP:
    case SIGSYS:
        return "erro interno do programa";
    default:
        return "encerrado por um sinal";
    }
}

// Os sinais cujo efeito padrão encerra o processo e que podem ser tratados (SIGKILL e
// SIGSTOP não podem; SIGXFSZ é ignorado à parte), mais os de tempo real.
std::vector<int> SinaisQueEncerram() {
    std::vector<int> s{SIGHUP,  SIGINT,  SIGQUIT, SIGILL,  SIGTRAP,   SIGABRT, SIGBUS,
                       SIGFPE,  SIGUSR1, SIGSEGV, SIGUSR2, SIGPIPE,   SIGALRM, SIGTERM,
                       SIGXCPU, SIGPROF, SIGSYS,  SIGIO,   SIGVTALRM, SIGPWR,  SIGSTKFLT};
    for (int r = SIGRTMIN; r <= SIGRTMAX; ++r) s.push_back(r);
    return s;
}

extern "C" void ApagaEEncerra(int Sinal) {
    const bool havia = HaTemporario;
    if (havia) ::unlink(TemporarioEmCurso);
    // Só funções seguras num tratador: write, sem formatação.
    for (const char* parte : {static_cast<const char*>(ProgramaEmCurso), ": ", MotivoSinal(Sinal),
                              havia ? "; a gravação em curso foi descartada.\n" : ".\n"})
        [[maybe_unused]] const auto n = ::write(STDERR_FILENO, parte, std::strlen(parte));
    std::signal(Sinal, SIG_DFL);
    std::raise(Sinal);
}

// Grava tudo em Descritor, repetindo nas escritas parciais e interrupções.
int EscreveTudo(int Descritor, std::string_view Dados) {
    while (!Dados.empty()) {
        const ssize_t n = ::write(Descritor, Dados.data(), Dados.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        Dados.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

} // namespace

bool ParaWindows1252(std::string_view Utf8, std::string& Saida, std::string& Invalido) {
    Saida.clear();
    Invalido.clear();
    Conversor c("WINDOWS-1252", "UTF-8");
    if (!c.Valido()) {
        Invalido = "(conversor Windows-1252 indisponível)";
        return false;
    }
    while (!Utf8.empty()) {
        const int erro = c.Converte(Utf8, Saida);
        if (erro == 0) break;
        const auto b0 = static_cast<unsigned char>(Utf8[0]);
        const auto b1 = Utf8.size() > 1 ? static_cast<unsigned char>(Utf8[1]) : 0;
        if (erro == EILSEQ && b0 == 0xC2 && ByteSemCaractere(b1)) {
            Saida.push_back(static_cast<char>(b1));
            Utf8.remove_prefix(2);
            continue;
        }
        Invalido = std::string(Utf8.substr(0, ComprimentoUtf8(b0)));
        return false;
    }
    return true;
}

std::string DeWindows1252(std::string_view Bytes) {
    std::string saida;
    Conversor c("UTF-8", "WINDOWS-1252");
    while (!Bytes.empty()) {
        const int erro = c.Valido() ? c.Converte(Bytes, saida) : EILSEQ;
        if (erro == 0) break;
        // Byte sem caractere (ou conversor ausente): o código de mesmo número.
        const auto b = static_cast<unsigned char>(Bytes[0]);
        if (b < 0x80) {
            saida.push_back(static_cast<char>(b));
        } else {
            saida.push_back(static_cast<char>(0xC0 | (b >> 6)));
            saida.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
        Bytes.remove_prefix(1);
    }
    return saida;
}

std::string MotivoErro(int Codigo) {
    switch (Codigo) {
    case ENOENT:
        return "o arquivo ou a pasta não existe";
    case EACCES:
    case EPERM:
        return "permissão negada";
    case ENOSPC:
        return "não há espaço no disco";
#ifdef EDQUOT
    case EDQUOT:
        return "a cota de disco acabou";
#endif
    case EROFS:
        return "o disco é somente leitura";
    case EISDIR:
        return "o nome é de uma pasta";
    case ENOTDIR:
        return "uma parte do caminho não é uma pasta";
    case ENAMETOOLONG:
        return "o nome é longo demais";
    case EEXIST:
    case ENOTEMPTY:
        return "já existe uma pasta com esse nome";
    case EMFILE:
    case ENFILE:
        return "arquivos abertos demais";
    case EIO:
        return "erro de leitura ou gravação no disco";
    case EBUSY:
        return "o arquivo está em uso";
    case EXDEV:
        return "o temporário ficou em outro disco";
    case EPIPE:
        return "quem lia a saída a fechou";
    case EBADF:
        return "a saída não está aberta para gravação";
    case ELOOP:
        return "os links simbólicos formam um ciclo";
    case EFBIG:
        return "o arquivo passou do tamanho máximo permitido";
    default:
        return "erro do sistema " + std::to_string(Codigo);
    }
}

std::optional<std::string> LeArquivo(const std::string& Nome, std::string& Motivo) {
    // O_NONBLOCK: abrir um FIFO sem escritor não espera.
    const int fd = ::open(Nome.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Motivo = MotivoErro(errno);
        return std::nullopt;
    }
    constexpr const char* Grande = "o arquivo tem mais de 64 KiB e não é um arquivo de valores";
    std::string conteudo;
    const char* recusa = nullptr;
    int erro = 0;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        erro = errno;
    } else if (S_ISDIR(st.st_mode)) {
        erro = EISDIR;
    } else if (!S_ISREG(st.st_mode)) {
        recusa = "não é um arquivo comum (é um dispositivo, FIFO ou soquete)";
    } else if (static_cast<std::size_t>(st.st_size) > TamanhoMaximoLeitura) {
        recusa = Grande;
    } else {
        char buf[8192];
        ssize_t n;
        while ((n = ::read(fd, buf, sizeof buf)) != 0) {
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                erro = errno;
                break;
            }
            conteudo.append(buf, static_cast<std::size_t>(n));
            if (conteudo.size() > TamanhoMaximoLeitura) { // cresceu durante a leitura
                recusa = Grande;
                break;
            }
        }
    }
    ::close(fd);
    if (erro == 0 && recusa == nullptr) return conteudo;
    Motivo = erro != 0 ? MotivoErro(erro) : recusa;
    return std::nullopt;
}

void AbreDescritoresPadrao() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // open dá o menor descritor livre: justamente este. Só para leitura: quem
        // escreve nele (o CSV com ">&-") falha com EBADF, não some em silêncio.
        [[maybe_unused]] const int aberto = ::open("/dev/null", O_RDONLY);
    }
}

void ApagaTemporarioAoInterromper(const char* Programa) {
    std::snprintf(ProgramaEmCurso, sizeof ProgramaEmCurso, "%s", Programa);
    // Passar do limite de tamanho (ulimit -f) vira um erro de escrita (EFBIG), que a
    // gravação já trata: apaga o temporário e diz o motivo.
    std::signal(SIGXFSZ, SIG_IGN);
    for (const int s : SinaisQueEncerram()) {
        struct sigaction atual {};
        // Um sinal ignorado desde o início (nohup, trap '' INT) continua ignorado.
        if (::sigaction(s, nullptr, &atual) == 0 && atual.sa_handler == SIG_IGN) continue;
        std::signal(s, ApagaEEncerra);
    }
}

bool GravaAtomico(const std::string& Nome, std::string_view Conteudo, std::string& Motivo) {
    GravacaoAtomica g;
    return g.Abre(Nome, Motivo) && g.Escreve(Conteudo, Motivo) && g.Conclui(Motivo);
}

GravacaoAtomica::~GravacaoAtomica() {
    Descarta();
}

void GravacaoAtomica::Descarta() {
    if (Descritor >= 0) ::close(Descritor);
    Descritor = -1;
    if (!Temporario.empty()) ::unlink(Temporario.c_str());
    Registra({});
}

void GravacaoAtomica::Registra(const std::string& Nome) {
    Temporario = Nome;
    HaTemporario = 0;
    if (Nome.size() < sizeof TemporarioEmCurso) {
        std::memcpy(TemporarioEmCurso, Nome.c_str(), Nome.size() + 1);
        HaTemporario = !Nome.empty();
    }
}

bool GravacaoAtomica::Abre(const std::string& Nome, std::string& Motivo) {
    Descarta();
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path destino(Nome);
    // Um link simbólico continua link: grava-se no arquivo para o qual aponta, mesmo
    // que ele ainda não exista (link pendente).
    for (int elos = 0; fs::is_symlink(destino, ec); ++elos) {
        const fs::path alvo = fs::read_symlink(destino, ec);
        if (ec || elos == 40) {
            Motivo = MotivoErro(ec ? ec.value() : ELOOP);
            return false;
        }
        destino = alvo.is_absolute() ? alvo : destino.parent_path() / alvo;
    }
    Destino = destino.string();
    // Só um arquivo comum e gravável é substituído; um dispositivo, um FIFO ou um
    // arquivo protegido ficam como estão.
    struct stat atual {};
    const bool existe = ::stat(Destino.c_str(), &atual) == 0;
    if (existe) {
        if (S_ISDIR(atual.st_mode)) {
            Motivo = MotivoErro(EISDIR);
            return false;
        }
        if (!S_ISREG(atual.st_mode)) {
            Motivo = "o destino não é um arquivo comum (é um dispositivo, FIFO ou soquete)";
            return false;
        }
        if ((atual.st_mode & 0222) == 0) {
            Motivo = "o arquivo é protegido contra gravação";
            return false;
        }
    }
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const std::string nome = NomeTemporario(destino);
        Descritor = ::open(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Descritor >= 0) {
            Registra(nome);
            break;
        }
        if (errno != EEXIST) break;
    }
    if (Descritor < 0) {
        Motivo = MotivoErro(errno);
        return false;
    }
    // O arquivo novo herda as permissões do que substitui.
    if (existe) (void)::fchmod(Descritor, atual.st_mode & 07777);
    return true;
}

bool GravacaoAtomica::Escreve(std::string_view Parte, std::string& Motivo) {
    if (Descritor < 0) {
        Motivo = MotivoErro(EBADF);
        return false;
    }
    if (const int erro = EscreveTudo(Descritor, Parte); erro != 0) {
        Motivo = MotivoErro(erro);
        Descarta();
        return false;
    }
    return true;
}

bool GravacaoAtomica::Conclui(std::string& Motivo) {
    if (Descritor < 0) {
        Motivo = MotivoErro(EBADF);
        return false;
    }
    int erro = ::fsync(Descritor) != 0 && errno != EINVAL ? errno : 0;
    if (::close(Descritor) != 0 && erro == 0) erro = errno;
    Descritor = -1;
    if (erro == 0 && ::rename(Temporario.c_str(), Destino.c_str()) != 0) erro = errno;
    if (erro != 0) {
        Motivo = MotivoErro(erro);
        Descarta();
        return false;
    }
    Registra({});
    return true;
}

std::string ArquivoNaoGravado(std::string_view Nome, std::string_view Motivo) {
    return Junta("O arquivo \"", TextoVisivel(Nome), "\" não foi gravado: ", Motivo, ".");
}

} // namespace lumbrio
