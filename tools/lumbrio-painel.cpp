// Calcula a seção com os valores de projeto e imprime o painel de resultados.
#include "output/Painel.h"
#include "program/Dimensionamento.h"

#include <cstdio>
#include <exception>
#include <string>

int main() try {
    lumbrio::Dimensionamento p;
    p.Programa();
    const auto& f = p.Form1;
    if (p.Form2.Visivel) {
        std::fprintf(stderr, "%s\n%s\n", p.Form2.Label1.Caption.c_str(),
                     p.Form2.Label2.Caption.c_str());
        return 1;
    }
    std::printf("Viga %s x %s cm, Md = %s %s\n\n", f.Text1.Text.c_str(), f.Text2.Text.c_str(),
                f.Text17.Text.c_str(), f.Combo5.Text.c_str());
    std::printf("%-5s %12s %12s\n", "", "CG", "Real");
    for (const lumbrio::LinhaPainel& l : lumbrio::LinhasPainel)
        std::printf("%-5s %12s %12s  %s\n", std::string(l.Rotulo).c_str(), (f.*l.CG).Text.c_str(),
                    (f.*l.Real).Text.c_str(), std::string(lumbrio::UnidadeDaLinha(f, l)).c_str());
    std::printf("\nd'CG1 = %s cm   %%h = %s\nd'CG2 = %s cm   %%h = %s\n", f.Text26.Text.c_str(),
                f.Text36.Text.c_str(), f.Text29.Text.c_str(), f.Text38.Text.c_str());
    for (int i = 1; i <= 6; ++i)
        std::printf("camada positiva %d: %2.0f barras de %s, d' = %s cm\n", i, p.Pos.NumBarras[i],
                    f.Combo2[i].Text.c_str(), f.Text25[i].Text.c_str());
    for (int i = 1; i <= 3; ++i)
        std::printf("camada negativa %d: %2.0f barras de %s, d' = %s cm\n", i, p.Neg.NumBarras[i],
                    f.Combo4[i].Text.c_str(), f.Text3[i].Text.c_str());
    return 0;
} catch (const std::exception&) {
    std::fputs("lumbrio-painel: erro interno (memória insuficiente ou falha do sistema).\n",
               stderr);
    return 1;
}
