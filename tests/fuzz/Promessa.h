// A promessa verificada pelos alvos de fuzzing: resultado ou recusa clara, nunca
// os dois, nunca um número inválido numa caixa ou num desenho.
#pragma once

#include "output/Painel.h"
#include "program/Dimensionamento.h"
#include "section/Cortante.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace lumbrio::fuzz {

[[noreturn]] inline void Falha(const char* oque) {
    std::fprintf(stderr, "promessa quebrada: %s\n", oque);
    std::abort();
}

inline bool TextoInvalido(const std::string& t) {
    return t.find("nan") != std::string::npos || t.find("inf") != std::string::npos;
}

// Aviso = mensagem que deixa o painel como estava ("Tira 1 barra" sem barra a tirar).
inline void VerificaPromessa(const Dimensionamento& p, bool AvisoPermitido = false) {
    const auto& f = p.Form1;
    // Text5, Text6, Text26 e Text29 guardam o texto anterior numa recusa (podem ter
    // sido digitados): só valem depois de um cálculo completo.
    if (p.HaResultados) {
        const auto confere = [](const CaixaTexto& c) {
            if (TextoInvalido(c.Text)) Falha("número inválido numa caixa de resultado");
        };
        ParaCadaCaixaZerada(f, confere);
        for (const CaixaTexto* c : {&f.Text26, &f.Text29, &f.Text5, &f.Text6}) confere(*c);
    }
    if (!p.HaResultados && !f.Text23.Text.empty()) Falha("recusa com o painel preenchido");
    for (const Primitiva& q : p.Desenho)
        if (!std::isfinite(q.x1) || !std::isfinite(q.y1) || !std::isfinite(q.x2) ||
            !std::isfinite(q.y2) || !std::isfinite(q.raio))
            Falha("primitiva de desenho com coordenada inválida");
    if (p.HaResultados && p.Form2.Visivel && !AvisoPermitido)
        Falha("resultado e recusa ao mesmo tempo");
    if (p.Form2.Visivel && p.Form2.Label1.Caption.empty()) Falha("recusa sem mensagem");
    if (p.HaResultados && f.Text9.Text.empty()) Falha("resultado sem x no painel");
    // As linhas da cortante e do serviço só com números finitos.
    const auto& c = p.ResCortante;
    for (double v : {c.VRd2, c.Vc, c.Vsw, c.AswSAdotada, c.VdMin, c.S, c.SMax, c.St, c.StMax})
        if (c.Calculado && !std::isfinite(v)) Falha("cortante com número inválido");
    if (c.Calculado && !(c.S >= PassoEspacamento) && !c.FalhaS)
        Falha("espaçamento de estribo abaixo do passo sem alerta");
    const auto& s = p.ResFissuracao;
    for (double v : {s.XReal, s.SigmaReal, s.SigmaCG, s.Mr, s.WkMax})
        if (s.Calculado && !std::isfinite(v)) Falha("serviço com número inválido");
}

// Pasta própria do processo de fuzzing, que passa a ser a pasta atual.
inline void EntraNaPastaTemporaria(const char* Nome) {
    const auto p = std::filesystem::temp_directory_path() / (Nome + std::to_string(getpid()));
    std::filesystem::create_directories(p);
    std::filesystem::current_path(p);
}

} // namespace lumbrio::fuzz
