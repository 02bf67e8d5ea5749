// Leitura das entradas em unidades internas, unidades e escalas dos desenhos.
#include "calc/Catalogos.h"
#include "calc/Numeros.h"
#include "program/Dimensionamento.h"

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
// número maior ou igual a zero, na unidade interna, ou a recusa com a Mensagem.
std::optional<double> NumeroOpcional(const std::string& Texto, double Fator, const char* Mensagem) {
    const auto primeiro = Texto.find_first_not_of(" \t");
    if (primeiro == std::string::npos) return std::nullopt;
    const auto v =
        LeDecimalExato(Texto.substr(primeiro, Texto.find_last_not_of(" \t") + 1 - primeiro));
    if (!v || !(*v >= 0) || !std::isfinite(*v * Fator)) RecusaValor(Mensagem, "", Texto);
    return NaUnidadeInterna(*v, Fator);
}

} // namespace

void Dimensionamento::Unidades() {
    FatorUnidade = FatorDaUnidade(Unidade);
}

void Dimensionamento::ConfereOutros() {
    const auto& o = Form8;
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
}

bool Dimensionamento::Form8_Voltar() {
    try {
        ConfereOutros();
        return true;
    } catch (const Recusa& r) {
        MostraErro(r.Mensagem, r.Mensagem2); // os resultados ficam: nada foi calculado
        return false;
    }
}

void Dimensionamento::Ler() {
    auto& f = Form1;
    Base = ValorNumerico(f.Text1.Text);
    Altura = ValorNumerico(f.Text2.Text);
    Unidade = f.Combo5.Text;
    Unidades();
    Md = NaUnidadeInterna(ValorNumerico(f.Text17.Text), FatorUnidade);
    Unidade = f.Combo6.Text;
    Unidades();
    Fck = NaUnidadeInterna(ValorNumerico(f.Text18.Text), FatorUnidade);
    Unidade = f.Combo7.Text;
    Unidades();
    Es = NaUnidadeInterna(ValorNumerico(f.Text20.Text), FatorUnidade);
    Edicao = f.ComboNorma.Text == ItensNorma[1] ? Norma::NBR2023 : Norma::NBR2003;
    if (f.ComboNorma.Text != ItensNorma[0] && f.ComboNorma.Text != ItensNorma[1])
        Recusar(Junta("Norma desconhecida: \"", TextoVisivel(f.ComboNorma.Text), "\"."),
                "Escolha a edição da NBR 6118 na lista \"Norma\".");
    Concreto = ParametrosDe(Edicao, Fck / 10);
    GamaC = ValorNumerico(f.Text21.Text);
    GamaS = ValorNumerico(f.Text22.Text);
    Cobrimento = ValorNumerico(f.Text4.Text);

    // Área do diagrama de deformações: 10 + εcu por mil na horizontal, a altura na vertical.
    MargemDiagrama = 10;
    OrigemXDiagrama = Shape4.Left + MargemDiagrama;
    OrigemYDiagrama = Shape4.Top + MargemDiagrama;
    if (f.Check3.Value == 1) {
        EscalaX = (Shape4.Width - 2 * MargemDiagrama) / (Concreto.EpsCu + 10);
        EscalaY = (Shape4.Height - 2 * MargemDiagrama) / Altura;
    } else {
        EscalaX = ValorNumerico(f.Text5.Text);
        EscalaY = ValorNumerico(f.Text6.Text);
    }
    // Área da seção: a maior escala única que cabe na moldura.
    MargemSecao = 10;
    OrigemXSecao = Shape1.Left + MargemSecao;
    OrigemYSecao = Shape1.Top + MargemSecao;
    EscalaXSecao = (Shape1.Width - 2 * MargemSecao) / Base;
    EscalaYSecao = (Shape1.Height - 2 * MargemSecao) / Altura;
    EscalaSecao = EscalaXSecao < EscalaYSecao ? EscalaXSecao : EscalaYSecao;
    if (EscalaY > EscalaSecao) EscalaY = EscalaSecao;

    PrecisãoM = ValorNumerico(Form8.Text3.Text);
    PrecisãoN = ValorNumerico(Form8.Text1.Text);
    DiamAgregado = ValorNumerico(Form8.Text2.Text);

    // Sem estes valores não há cálculo possível.
    ExigeDimensao(Base, "A base (cm)", f.Text1.Text);
    ExigeDimensao(Altura, "A altura (cm)", f.Text2.Text);
    // Texto sem número ("abc", "inf", "NaN") não vira 0 em silêncio; o cobrimento
    // vazio continua sendo zero.
    if (!ComecaComNumero(f.Text17.Text))
        RecusaValor("O momento Md", " deve ser um número.", f.Text17.Text);
    ExigeNaoNegativo(Md, "O momento Md", f.Text17.Text);
    ExigePositivo(Fck, "O fck", f.Text18.Text);
    if (Edicao == Norma::NBR2023 && Fck / 10 > FckMaximo2023)
        Recusar("O fck deve ser no máximo 90 MPa na NBR 6118:2023 (classes até C90).",
                Junta("Valor lido: \"", TextoVisivel(f.Text18.Text), "\" ", f.Combo6.Text, "."));
    ExigePositivo(Es, "O módulo Es", f.Text20.Text);
    ExigePositivo(GamaC, "O coeficiente γc", f.Text21.Text);
    ExigePositivo(GamaS, "O coeficiente γs", f.Text22.Text);
    if (!ComecaComNumero(f.Text4.Text) &&
        f.Text4.Text.find_first_not_of(" \t\r\n") != std::string::npos)
        RecusaValor("O cobrimento (cm)", " deve ser um número.", f.Text4.Text);
    ExigeNaoNegativo(Cobrimento, "O cobrimento (cm)", f.Text4.Text);
    ExigeFinito(PrecisãoM, "PrecisãoM (Kgf.cm)", Form8.Text3.Text);
    ExigeFinito(PrecisãoN, "PrecisãoN (Kgf)", Form8.Text1.Text);
    // Um agregado nulo, negativo ou sem número agiria como um agregado pequeno: contra a
    // segurança nos espaçamentos mínimos.
    ExigePositivo(DiamAgregado, "O diâmetro máximo do agregado graúdo", Form8.Text2.Text);
    if (DiamAgregado > DimensaoMaxima)
        RecusaValor("O diâmetro máximo do agregado graúdo", " deve ser no máximo 10000 cm.",
                    Form8.Text2.Text);
    ExigeEscala(EscalaX, "A escala X", f.Text5.Text);
    ExigeEscala(EscalaY, "A escala Y", f.Text6.Text);
}

} // namespace lumbrio

namespace lumbrio {

void Dimensionamento::LerCortante() {
    const auto& f = Form1;
    EntradasCortante e;
    UnidadeVd = f.ComboVd.Text;
    FatorVd =
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
    const auto vd = NumeroOpcional(f.TextVd.Text, FatorVd,
                                   "Vd deve ser um número maior ou igual a zero (ou vazio: sem "
                                   "verificação da cortante).");
    e.Usada = vd.has_value();
    e.Vd = vd.value_or(0);
    EntCortante = e;
}

void Dimensionamento::LerServico() {
    const auto& f = Form1;
    EntradasServico e;
    ItemDaLista(ItensCombo5, f.ComboMser.Text, "Unidade de Mser", "a unidade de Mser");
    e.Classe = static_cast<int>(ItemDaLista(ItensCAA, f.ComboCAA.Text, "Classe de agressividade",
                                            "a classe de agressividade (I a IV)")) +
               1;
    UnidadeMser = f.ComboMser.Text;
    FatorMser = FatorDaUnidade(UnidadeMser);
    const auto mser = NumeroOpcional(f.TextMser.Text, FatorMser,
                                     "Mser deve ser um número maior ou igual a zero (ou vazio: "
                                     "sem verificação da abertura de fissuras).");
    e.Usada = mser.has_value();
    e.Mser = mser.value_or(0);
    EntServico = e;
}

} // namespace lumbrio
