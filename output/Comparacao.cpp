// Textos da comparação dos modelos CG e Real.
#include "output/Comparacao.h"

#include "base/Catalogos.h"
#include "base/Numeros.h"
#include "output/Painel.h"
#include "output/TextosVerificacao.h"

namespace lumbrio {

std::string Veredito(bool Atende) {
    return Atende ? "atende" : "não atende";
}

std::string TextoBitola(int Bitola, std::string_view Separador) {
    // Texto do catálogo até o parêntese: "20 mm (3/4'')" dá "20 mm".
    std::string_view t = Bitola >= 1 && Bitola <= static_cast<int>(TabelaBitolas.size())
                             ? TabelaBitolas[static_cast<std::size_t>(Bitola - 1)].Texto
                             : std::string_view("?");
    std::string diametro(t.substr(0, t.find(" (")));
    TrocaSeparador(diametro, Separador);
    return diametro;
}

std::string TextoBarras(int Barras, int Bitola, std::string_view Separador) {
    return Junta(std::to_string(Barras), " φ ", TextoBitola(Bitola, Separador));
}

std::string AvisoMrdAbaixoDeMd(const EstadoDeProjeto& D, const Comparacao& C,
                               std::string_view Separador) {
    if (!C.MrdRealAbaixoDeMd) return {};
    const double f = D.FatorMd;
    return Junta("Atenção: as barras colocadas, vistas camada a camada (modelo Real), não "
                 "resistem ao momento para o qual foram dimensionadas: Mrd Real = ",
                 FormataNumero(C.MrdRealKgfCm / f, 2, Separador),
                 " < Md = ", FormataNumero(C.MdKgfCm / f, 2, Separador), " ",
                 SimboloDoMomento(D.UnidadeMd), ".");
}

std::string TextoPainelTabulado(const EstadoDeProjeto& D) {
    const auto& f = D.Form1;
    std::string s = "\tCG\tReal\t\n";
    for (const LinhaPainel& l : LinhasPainel)
        s += Junta(l.Rotulo, "\t", (f.*l.CG).Text, "\t", (f.*l.Real).Text, "\t",
                   UnidadeDaLinha(f, l), "\n");
    // Depois do painel, as linhas das molduras como a janela as mostra, uma por linha.
    const auto moldura = [&s](const char* Titulo, const auto& Caixas) {
        std::string linhas;
        for (const CaixaTexto& c : Caixas)
            if (!c.Text.empty()) linhas += c.Text + "\n";
        if (!linhas.empty()) s += Junta("\n", Titulo, "\n", linhas);
    };
    moldura("Verificações", f.TextVerificacao);
    moldura("Força cortante", f.TextCortante);
    moldura("Abertura de fissuras", f.TextFissuracao);
    moldura("Durabilidade", f.TextDurabilidade);
    return s;
}

} // namespace lumbrio
