// Leitura das entradas em unidades internas, unidades e escalas dos desenhos.
#include "base/Catalogos.h"
#include "base/Numeros.h"
#include "base/Primitivas.h"
#include "program/Dimensionamento.h"
#include "section/Cortante.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

namespace lumbrio {

namespace {

[[noreturn]] void RecusaValor(const char* Nome, const char* Regra, const std::string& Texto) {
    Recusar(Junta(Nome, Regra), Junta("Valor lido: \"", TextoVisivel(Texto), "\"."));
}

// Recusa um valor grande demais para a precisão dupla (o texto estourou).
void ExigeNaoInfinito(double Valor, const char* Nome, const std::string& Texto) {
    if (!std::isinf(Valor)) return;
    RecusaValor(Nome, " é grande demais para o cálculo.", Texto);
}

// Recusa um valor que precisa ser finito e maior que zero.
void ExigePositivo(double Valor, const char* Nome, const std::string& Texto) {
    ExigeNaoInfinito(Valor, Nome, Texto);
    if (std::isfinite(Valor) && Valor > 0) return;
    RecusaValor(Nome, " deve ser um número maior que zero.", Texto);
}

// Recusa um valor que precisa ser finito e não negativo.
void ExigeNaoNegativo(double Valor, const char* Nome, const std::string& Texto) {
    ExigeNaoInfinito(Valor, Nome, Texto);
    if (std::isfinite(Valor) && Valor >= 0) return;
    RecusaValor(Nome, " deve ser um número maior ou igual a zero.", Texto);
}

// Seções de mais de 100 m não são vigas: o limite mantém as buscas e os desenhos
// dentro de tempo e memória limitados.
inline constexpr double DimensaoMaxima = 10000; // cm
inline constexpr double FckMaximo2023 = 90;     // MPa

void ExigeDimensao(double Valor, const char* Nome, const std::string& Texto) {
    if (!(Valor > DimensaoMaxima)) ExigePositivo(Valor, Nome, Texto);
    if (Valor <= DimensaoMaxima) return;
    Recusar(Junta(Nome, " deve ser no máximo 10000 cm."),
            Junta("Valor lido: \"", TextoVisivel(Texto), "\"."));
}

// Escalas digitadas: os desenhos usam coordenadas em precisão simples (twips).
inline constexpr double EscalaMaxima = 100000; // twips por mil ou por cm

void ExigeEscala(double Valor, const char* Nome, const std::string& Texto) {
    if (std::isfinite(Valor) && std::fabs(Valor) <= EscalaMaxima) return;
    Recusar(Junta(Nome, " deve estar entre -100000 e 100000."),
            Junta("Valor lido: \"", TextoVisivel(Texto), "\"."));
}

void ExigeFinito(double Valor, const char* Nome, const std::string& Texto) {
    if (std::isfinite(Valor)) return;
    Recusar(Junta(Nome, " está fora do intervalo dos números."),
            Junta("Valor lido: \"", TextoVisivel(Texto), "\"."));
}

// Posição do texto na lista; fora dela, a recusa: "Unidade de Vd fora da lista: ...",
// "Escolha a unidade de Vd na lista.".
template <std::size_t N>
std::size_t ItemDaLista(const std::array<std::string_view, N>& Itens, const std::string& Texto,
                        const char* Titulo, const char* Nome) {
    const auto i = std::ranges::find(Itens, Texto);
    if (i == Itens.end())
        Recusar(Junta(Titulo, " fora da lista: \"", TextoVisivel(Texto), "\"."),
                Junta("Escolha ", Nome, " na lista."));
    return static_cast<std::size_t>(i - Itens.begin());
}

double NumeroNaFaixa(const std::string& Texto, double Min, double Max, const char* Nome) {
    const auto v = LeDecimalExato(Texto);
    if (!v || !(*v >= Min && *v <= Max))
        RecusaValor(Nome,
                    Junta(" deve ser um número de ", TextoDecimalCurto(Min), " a ",
                          TextoDecimalCurto(Max), ".")
                        .c_str(),
                    Texto);
    return *v;
}

// Caixa de uma verificação opcional (Vd, Mser): só brancos é "sem verificação"; senão um
// número maior ou igual a zero, na unidade interna, ou a recusa com a Mensagem; um
// número que não cabe no cálculo na unidade interna é recusado como grande demais.
std::optional<double> NumeroOpcional(const std::string& Texto, double Fator, const char* Nome,
                                     const char* Mensagem) {
    const auto primeiro = Texto.find_first_not_of(" \t");
    if (primeiro == std::string::npos) return std::nullopt;
    const auto v =
        LeDecimalExato(Texto.substr(primeiro, Texto.find_last_not_of(" \t") + 1 - primeiro));
    if (!v || !(*v >= 0)) RecusaValor(Mensagem, "", Texto);
    ExigeNaoInfinito(*v * Fator, Nome, Texto);
    return NaUnidadeInterna(*v, Fator);
}

// O espaçamento mínimo prático dos estribos (cm), de 0 (sem mínimo) a 100 cm.
double EspacamentoMinimoEstribos(const ControlesForm8& o) {
    const auto v = LeDecimalComVirgula(o.Text5.Text);
    if (!v || !(*v >= 0 && *v <= 100))
        RecusaValor("O espaçamento mínimo dos estribos (cm)", " deve ser um número de 0 a 100.",
                    o.Text5.Text);
    return *v;
}

} // namespace

void ConfereOutros(const ControlesForm8& o) {
    // Só um número inteiro na caixa: "abc" ou "1x" não viram 0 ou 1 em silêncio.
    auto numero = [](const CaixaTexto& c, const char* Nome) {
        const auto v = LeDecimalExato(c.Text);
        if (!v) RecusaValor(Nome, " deve ser um número.", c.Text);
        return *v;
    };
    const double agregado = numero(o.Text2, "O diâmetro máximo do agregado graúdo");
    ExigePositivo(agregado, "O diâmetro máximo do agregado graúdo", o.Text2.Text);
    if (agregado > DimensaoMaxima)
        RecusaValor("O diâmetro máximo do agregado graúdo", " deve ser no máximo 10000 cm.",
                    o.Text2.Text);
    ExigePositivo(numero(o.Text3, "PrecisãoM (Kgf.cm)"), "PrecisãoM (Kgf.cm)", o.Text3.Text);
    ExigePositivo(numero(o.Text1, "PrecisãoN (Kgf)"), "PrecisãoN (Kgf)", o.Text1.Text);
    const char* espacamentos[] = {"O espaçamento mínimo horizontal (cm)",
                                  "O espaçamento mínimo vertical (cm)"};
    for (std::size_t i = 0; i < 2; ++i)
        if (o.Check1[i].Value == 1)
            ExigeNaoNegativo(numero(o.Text4[i], espacamentos[i]), espacamentos[i], o.Text4[i].Text);
    EspacamentoMinimoEstribos(o);
}

bool Dimensionamento::Form8_Voltar() {
    try {
        ConfereOutros(Form8);
        return true;
    } catch (const Recusa& r) {
        MostraErro(r.Mensagem, r.Mensagem2); // os resultados ficam: nada foi calculado
        return false;
    }
}

namespace {

// Índice (1..Quantos) do texto no catálogo; um texto fora da lista é recusado.
int IndiceBitola(const std::string& Texto, int Quantos, const char* Lista) {
    for (int k = 1; k <= Quantos; ++k)
        if (TabelaBitolas[static_cast<std::size_t>(k - 1)].Texto == Texto) return k;
    Recusar(Junta("Bitola desconhecida em ", Lista, ": \"", TextoVisivel(Texto), "\"."),
            "Escolha uma bitola da lista.");
}

void BitolaPositiva(const ControlesForm1& f, int Camada, EntradasProjeto& e) {
    const std::string nome = Junta("camada positiva ", std::to_string(Camada));
    e.Pos.Bitola[static_cast<std::size_t>(Camada)] =
        IndiceBitola(f.Combo2[static_cast<std::size_t>(Camada)].Text,
                     static_cast<int>(TabelaBitolas.size()), nome.c_str());
}

void BitolaNegativa(const ControlesForm1& f, int Camada, EntradasProjeto& e) {
    const std::string nome = Junta("camada negativa ", std::to_string(Camada));
    e.Neg.Bitola[static_cast<std::size_t>(Camada)] =
        IndiceBitola(f.Combo4[static_cast<std::size_t>(Camada)].Text,
                     static_cast<int>(TabelaBitolas.size()), nome.c_str());
}

void BitolaEstribo(const ControlesForm1& f, EntradasProjeto& e) {
    e.BitolaEstr = IndiceBitola(f.Combo3.Text, NumBitolasEstribo, "estribo");
}

// Fator da unidade da lista (kgf·cm, kgf/cm² ou kgf por unidade).
double Unidades(const std::string& Unidade) {
    return FatorDaUnidade(Unidade);
}

void Ler(const ControlesForm1& f, const ControlesForm8& o, EntradasProjeto& e) {
    e.Base = ValorNumerico(f.Text1.Text);
    e.Altura = ValorNumerico(f.Text2.Text);
    e.UnidadeMd = f.Combo5.Text;
    e.FatorMd = Unidades(e.UnidadeMd);
    // Na verificação de barras dadas, Md vazio é "só a resistência".
    e.TemMd = !e.Verificacao || f.Text17.Text.find_first_not_of(" \t\r\n") != std::string::npos;
    e.Md = e.TemMd ? NaUnidadeInterna(ValorNumerico(f.Text17.Text), e.FatorMd) : 0;
    e.Fck = NaUnidadeInterna(ValorNumerico(f.Text18.Text), Unidades(f.Combo6.Text));
    e.Es = NaUnidadeInterna(ValorNumerico(f.Text20.Text), Unidades(f.Combo7.Text));
    e.Edicao = f.ComboNorma.Text == ItensNorma[1] ? Norma::NBR2023 : Norma::NBR2003;
    if (f.ComboNorma.Text != ItensNorma[0] && f.ComboNorma.Text != ItensNorma[1])
        Recusar(Junta("Norma desconhecida: \"", TextoVisivel(f.ComboNorma.Text), "\"."),
                "Escolha a edição da NBR 6118 na lista \"Norma\".");
    const ParametrosConcreto concreto = ParametrosDe(e.Edicao, e.Fck / 10);
    e.GamaC = ValorNumerico(f.Text21.Text);
    e.GamaS = ValorNumerico(f.Text22.Text);
    e.Cobrimento = ValorNumerico(f.Text4.Text);

    // Escalas do diagrama: 10 + εcu por mil na horizontal e a altura na vertical, ou as
    // digitadas; a vertical não passa da maior escala única que cabe na seção.
    // Uma escala digitada vazia ou nula apagaria o diagrama: vale a automática, e a
    // janela diz isso.
    const double autoX = (Shape4.Width - 2 * MargemDesenho) / (concreto.EpsCu + 10);
    const double autoY = (Shape4.Height - 2 * MargemDesenho) / e.Altura;
    const bool manual = f.Check3.Value != 1;
    e.EscalaX = manual ? ValorNumerico(f.Text5.Text) : autoX;
    e.EscalaY = manual ? ValorNumerico(f.Text6.Text) : autoY;
    e.EscalaXNula = e.EscalaX == 0, e.EscalaYNula = e.EscalaY == 0;
    if (e.EscalaXNula) e.EscalaX = autoX;
    if (e.EscalaYNula) e.EscalaY = autoY;
    const double escalaSecao = EscalaDaSecao(e.Base, e.Altura);
    if (e.EscalaY > escalaSecao) e.EscalaY = escalaSecao;

    e.PrecisãoM = ValorNumerico(o.Text3.Text);
    e.PrecisãoN = ValorNumerico(o.Text1.Text);
    e.DiamAgregado = ValorNumerico(o.Text2.Text);
    e.OpcaoDominio4 = f.Check4.Value;
    e.OpcaoXMaximo = f.Check5.Value;
    e.FatorXMaximo = ValorNumerico(f.Text19.Text);
    // O fator usado: "0,30" é 0.3, não o 0 do prefixo; vazio continua 0 (a recusa de x
    // máximo nulo diz o que fazer).
    if (e.OpcaoXMaximo == 1 && f.Text19.Text.find_first_not_of(" \t") != std::string::npos) {
        const auto k = LeDecimalComVirgula(f.Text19.Text);
        if (!k)
            RecusaValor("O fator de x máximo", " deve ser um número (vírgula ou ponto decimal).",
                        f.Text19.Text);
        e.FatorXMaximo = *k;
    }

    // Sem estes valores não há cálculo possível.
    ExigeDimensao(e.Base, "A base (cm)", f.Text1.Text);
    ExigeDimensao(e.Altura, "A altura (cm)", f.Text2.Text);
    // Texto sem número ("abc", "inf", "NaN") não vira 0 em silêncio; o cobrimento
    // vazio continua sendo zero.
    if (e.TemMd && !ComecaComNumero(f.Text17.Text))
        RecusaValor("O momento Md", " deve ser um número.", f.Text17.Text);
    ExigeNaoNegativo(e.Md, "O momento Md", f.Text17.Text);
    ExigePositivo(e.Fck, "O fck", f.Text18.Text);
    if (e.Edicao == Norma::NBR2023 && e.Fck / 10 > FckMaximo2023)
        Recusar("O fck deve ser no máximo 90 MPa na NBR 6118:2023 (classes até C90).",
                Junta("Valor lido: \"", TextoVisivel(f.Text18.Text), "\" ", f.Combo6.Text, "."));
    ExigePositivo(e.Es, "O módulo Es", f.Text20.Text);
    ExigePositivo(e.GamaC, "O coeficiente γc", f.Text21.Text);
    ExigePositivo(e.GamaS, "O coeficiente γs", f.Text22.Text);
    if (!ComecaComNumero(f.Text4.Text) &&
        f.Text4.Text.find_first_not_of(" \t\r\n") != std::string::npos)
        RecusaValor("O cobrimento (cm)", " deve ser um número.", f.Text4.Text);
    ExigeNaoNegativo(e.Cobrimento, "O cobrimento (cm)", f.Text4.Text);
    ExigeFinito(e.PrecisãoM, "PrecisãoM (Kgf.cm)", o.Text3.Text);
    ExigeFinito(e.PrecisãoN, "PrecisãoN (Kgf)", o.Text1.Text);
    // Um agregado nulo, negativo ou sem número agiria como um agregado pequeno: contra a
    // segurança nos espaçamentos mínimos.
    ExigePositivo(e.DiamAgregado, "O diâmetro máximo do agregado graúdo", o.Text2.Text);
    if (e.DiamAgregado > DimensaoMaxima)
        RecusaValor("O diâmetro máximo do agregado graúdo", " deve ser no máximo 10000 cm.",
                    o.Text2.Text);
    ExigeEscala(e.EscalaX, "A escala X", f.Text5.Text);
    ExigeEscala(e.EscalaY, "A escala Y", f.Text6.Text);
}

void LerCortante(const ControlesForm1& f, EntradasProjeto& p) {
    EntradasCortante& e = p.Cortante;
    p.UnidadeVd = f.ComboVd.Text;
    p.FatorVd =
        TabelaForcas[ItemDaLista(ItensForca, f.ComboVd.Text, "Unidade de Vd", "a unidade de Vd")]
            .Fator;
    e.Modelo = ItemDaLista(ItensModelo, f.ComboModelo.Text, "Modelo de cálculo",
                           "o modelo de cálculo") == 0
                   ? ModeloTrelica::I
                   : ModeloTrelica::II;
    e.Teta =
        NumeroNaFaixa(f.TextTeta.Text, TetaMinimo, TetaMaximo, "O ângulo θ das bielas (graus)");
    e.Alfa =
        NumeroNaFaixa(f.TextAlfa.Text, AlfaMinimo, AlfaMaximo, "O ângulo α dos estribos (graus)");
    const double ramos =
        NumeroNaFaixa(f.TextRamos.Text, RamosMinimo, RamosMaximo, "O número de ramos do estribo");
    if (ramos != std::floor(ramos))
        RecusaValor("O número de ramos do estribo", " deve ser inteiro.", f.TextRamos.Text);
    e.Ramos = static_cast<int>(ramos);
    e.Fywk = ItemDaLista(ItensAcoEstribo, f.ComboAcoEstribo.Text, "Aço do estribo",
                         "o aço do estribo") == 0
                 ? 5000
                 : 6000;
    const auto vd = NumeroOpcional(f.TextVd.Text, p.FatorVd, "Vd",
                                   "Vd deve ser um número maior ou igual a zero (ou vazio: sem "
                                   "verificação da cortante).");
    e.Usada = vd.has_value();
    e.Vd = vd.value_or(0);
}

void LerFissuracao(const ControlesForm1& f, EntradasProjeto& p) {
    EntradasFissuracao& e = p.Fissuracao;
    ItemDaLista(ItensCombo5, f.ComboMser.Text, "Unidade de Mser", "a unidade de Mser");
    e.Classe = static_cast<int>(ItemDaLista(ItensCAA, f.ComboCAA.Text, "Classe de agressividade",
                                            "a classe de agressividade (I a IV)")) +
               1;
    p.UnidadeMser = f.ComboMser.Text;
    p.FatorMser = FatorDaUnidade(p.UnidadeMser);
    const auto mser = NumeroOpcional(f.TextMser.Text, p.FatorMser, "Mser",
                                     "Mser deve ser um número maior ou igual a zero (ou vazio: "
                                     "sem verificação da abertura de fissuras).");
    e.Usada = mser.has_value();
    e.Mser = mser.value_or(0);
}

// Barras de uma camada dada: inteiro maior ou igual a zero; vazio é zero.
double BarrasDaCamada(const CaixaTexto& Caixa, const std::string& Nome) {
    const std::string& t = Caixa.Text;
    const auto p = t.find_first_not_of(" \t");
    if (p == std::string::npos) return 0;
    const auto v = LeDecimalExato(std::string_view(t).substr(p, t.find_last_not_of(" \t") + 1 - p));
    if (!v || !(*v >= 0) || *v != std::floor(*v))
        RecusaValor(Nome.c_str(), " deve ser um número inteiro maior ou igual a zero.", t);
    return *v;
}

// As barras digitadas de cada camada e o espaçamento dos estribos dados.
void LerArmaduraDada(const ControlesForm1& f, EntradasProjeto& e) {
    for (std::size_t i = 1; i <= 6; ++i)
        e.Pos.Barras[i] = BarrasDaCamada(
            f.TextBarrasPos[i], Junta("O número de barras da camada positiva ", std::to_string(i)));
    for (std::size_t i = 1; i <= 3; ++i)
        e.Neg.Barras[i] = BarrasDaCamada(
            f.TextBarrasNeg[i], Junta("O número de barras da camada negativa ", std::to_string(i)));
    // Abaixo do passo dos espaçamentos os estribos não se montam (e Asw/s estouraria).
    const char* mensagem = "O espaçamento dos estribos (cm) deve ser um número de 0.5 ou mais (ou "
                           "vazio: sem estribos dados).";
    const auto s = NumeroOpcional(f.TextSEstribo.Text, 1, "O espaçamento dos estribos", mensagem);
    if (s && !(*s >= PassoEspacamento)) RecusaValor(mensagem, "", f.TextSEstribo.Text);
    e.Cortante.SDado = s.value_or(0);
}

// A forma da seção; na T, a mesa: bf ≥ bw e 0 < hf < h.
void LerSecao(const ControlesForm1& f, EntradasProjeto& e) {
    FormaDaSecao& m = e.Forma;
    m.T = ItemDaLista(ItensSecao, f.ComboSecao.Text, "Seção",
                      "a seção (\"Retangular\" ou \"T\")") == 1;
    if (!m.T) return;
    m.Bf = ValorNumerico(f.TextBf.Text);
    m.Hf = ValorNumerico(f.TextHf.Text);
    ExigeDimensao(m.Bf, "A largura da mesa bf (cm)", f.TextBf.Text);
    ExigeDimensao(m.Hf, "A espessura da mesa hf (cm)", f.TextHf.Text);
    if (m.Bf < e.Base)
        Recusar(Junta("A largura da mesa bf = ", FormataNumero(m.Bf, 2),
                      " cm é menor que a base (largura da alma) bw = ", FormataNumero(e.Base, 2),
                      " cm."),
                "Na seção T, bf deve ser maior ou igual a bw.");
    if (!(m.Hf < e.Altura))
        Recusar(Junta("A espessura da mesa hf = ", FormataNumero(m.Hf, 2),
                      " cm não é menor que a altura h = ", FormataNumero(e.Altura, 2), " cm."),
                "Na seção T, hf deve ficar entre 0 e h.");
    m.MesaComprimida = ItemDaLista(ItensMesa, f.ComboMesa.Text, "Face da mesa",
                                   "a face da mesa (\"Comprimida\" ou \"Tracionada\")") == 0;
    // O diagrama não passa da escala da seção, agora com a mesa.
    e.EscalaY = std::min(e.EscalaY, EscalaDaSecao(m.Bf, e.Altura));
}

// O aço da lista; fyd = fyk/γs e εyd = fyd/Es precisam ser finitos.
void AçoDaLista(const ControlesForm1& f, EntradasProjeto& e) {
    const std::string& t = f.Combo1.Text;
    e.Fyk = FykDoAco(t);
    if (e.Fyk == 0)
        Recusar(Junta("Aço desconhecido: \"", TextoVisivel(t), "\"."), "Escolha o aço na lista.");
    e.TextoAco = t;
    e.ClasseB = AcoClasseB(t);
    const double fyd = e.Fyk / e.GamaS;
    if (!std::isfinite(fyd))
        Recusar("O coeficiente γs é pequeno demais: fyd = fyk / γs resultou infinito.",
                Junta("Valor lido: \"", TextoVisivel(f.Text22.Text), "\"."));
    if (!std::isfinite(EpsYdDoAco(fyd, e.Es, e.ClasseB)))
        Recusar("O módulo Es é pequeno demais: a deformação de escoamento fyd / Es resultou "
                "infinita.",
                Junta("Valor lido: \"", TextoVisivel(f.Text20.Text), "\" ",
                      TextoVisivel(f.Combo7.Text), "."));
}

// Valor do usuário em "Outros valores", quando a caixa está marcada (valor 1).
double MinimoUsuario(const Marcador& Check, const CaixaTexto& Text, const char* Nome) {
    if (Check.Value != 1) return 0;
    const double v = ValorNumerico(Text.Text);
    if (!std::isfinite(v))
        Recusar(Junta(Nome, " está fora do intervalo dos números."),
                Junta("Valor lido: \"", TextoVisivel(Text.Text), "\"."));
    if (v > DimensaoMaxima)
        Recusar(Junta(Nome, " mínimo deve ser no máximo 10000 cm."),
                Junta("Valor lido: \"", TextoVisivel(Text.Text), "\"."));
    return v;
}

} // namespace

std::optional<double> MdDaCaixa(std::string_view Texto, double FatorMd) {
    if (!ComecaComNumero(Texto)) return std::nullopt;
    const double md = NaUnidadeInterna(ValorNumerico(Texto), FatorMd);
    if (!std::isfinite(md) || !(md >= 0)) return std::nullopt;
    return md;
}

EntradasProjeto LeEntradas(const ControlesForm1& f, const ControlesForm8& o) {
    EntradasProjeto e;
    for (int i = 1; i <= 6; ++i) BitolaPositiva(f, i, e);
    for (int i = 1; i <= 3; ++i) BitolaNegativa(f, i, e);
    BitolaEstribo(f, e);
    e.Verificacao = f.CheckVerifica.Value == 1;
    Ler(f, o, e);
    LerSecao(f, e);
    LerCortante(f, e);
    LerFissuracao(f, e);
    AçoDaLista(f, e);
    e.EspHorUsuario = MinimoUsuario(o.Check1[0], o.Text4[0], "O espaçamento horizontal");
    e.EspVertUsuario = MinimoUsuario(o.Check1[1], o.Text4[1], "O espaçamento vertical");
    if (e.Verificacao) LerArmaduraDada(f, e);
    e.Cortante.SMinPratico = EspacamentoMinimoEstribos(o);
    return e;
}

} // namespace lumbrio
