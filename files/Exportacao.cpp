// O arquivo resulta.txt: 20 números e textos do projeto atual.
#include "files/Exportacao.h"

#include "base/Numeros.h"

#include <algorithm>

namespace lumbrio {

std::string TextoResulta(EstadoDeProjeto& E) {
    // Os vetores por camada têm 6 posições úteis, qualquer que seja o estado.
    const int camadasPos = std::clamp(E.Pos.NumCamadas, 0, 6);
    const int camadasNeg = std::clamp(static_cast<int>(E.Neg.NumCamadas), 0, 6);

    E.CamadasComBarrasPos = 0;
    for (int i = 1; i <= camadasPos; ++i)
        if (E.Pos.NumBarras[i] > 0) ++E.CamadasComBarrasPos;
    E.CamadasComBarrasNeg = 0;
    for (int i = 1; i <= camadasNeg; ++i)
        if (E.Neg.NumBarras[i] > 0) ++E.CamadasComBarrasNeg;

    // "abaixo" quando a linha de escoamento do diagrama (em y de janela, que cresce
    // para baixo) fica mais baixa que alguma camada examinada no desenho da seção;
    // o exame para na primeira camada sem barras.
    E.PosicaoEscoamento = "acima";
    for (int i = 1; i <= camadasPos; ++i) {
        if (E.Pos.NumBarras[i] == 0) break;
        if (E.OrigemYDiagrama + E.EscalaY * E.XEscoamento >
            E.OrigemYSecao + E.EscalaSecao * (E.Altura - E.Pos.DLinha[i]))
            E.PosicaoEscoamento = "abaixo";
    }

    const auto texto = [](const std::string& t) { return t + "\r\n"; };
    const auto numero = [&E](double v) {
        return TextoNumeroExporta(v, E.SeparadorDecimal) + "\r\n";
    };
    std::string conteudo;
    conteudo += texto(E.Form1.Combo2[1].Text);
    conteudo += texto(E.Form1.Combo4[1].Text);
    conteudo += numero(E.Base);
    conteudo += numero(E.Altura);
    conteudo += numero(E.Fck);
    conteudo += texto(E.Form1.Text36.Text);
    conteudo += texto(E.Form1.Text23.Text);
    conteudo += texto(E.Form1.Text24.Text);
    conteudo += numero(E.CamadasComBarrasPos);
    for (int i = 1; i <= 6; ++i) conteudo += numero(E.Pos.NumBarras[i]);
    conteudo += numero(E.CamadasComBarrasNeg);
    for (int i = 1; i <= 3; ++i) conteudo += numero(E.Neg.NumBarras[i]);
    conteudo += texto(E.PosicaoEscoamento);
    return conteudo;
}

} // namespace lumbrio
