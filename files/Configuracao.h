// Arquivo de valores (Padrão.txt e outros): os 39 registros das entradas da janela
// principal e de "Outros valores", uma linha cada, CRLF, Windows-1252 no disco.
#pragma once

#include "calc/EstadoDeProjeto.h"
#include "calc/Recusa.h"

#include <optional>
#include <string>

namespace lumbrio {

inline constexpr const char* ArquivoPadrao = "Padrão.txt";
inline constexpr int NumRegistrosConfiguracao = 39;

// Os 39 registros na ordem do arquivo (o registro 40, a norma, é opcional e vem
// depois deles só fora da NBR 6118:2003). O tipo do valor dá o tipo do registro:
// std::string é texto, bool é a habilitação de uma caixa (True/False) e int é o
// estado de uma caixa de marcação (" 1 "). F recebe (descrição, valor).
template <class D, class F> void ParaCadaRegistro(D& d, F&& f) {
    auto& a = d.Form1;
    auto& o = d.Form8;
    f("Text1, base (cm)", a.Text1.Text);
    f("Text2, altura (cm)", a.Text2.Text);
    f("Text31, passo da base", a.Text31.Text);
    f("Text32, passo da altura", a.Text32.Text);
    f("Text4, cobrimento", a.Text4.Text);
    f("Text4, cobrimento habilitado", a.Text4.Enabled);
    f("Text17, Md", a.Text17.Text);
    f("Text18, fck", a.Text18.Text);
    f("Text20, Es", a.Text20.Text);
    f("Text21, coeficiente do concreto", a.Text21.Text);
    f("Text22, coeficiente do aço", a.Text22.Text);
    f("Combo5, unidade de Md", a.Combo5.Text);
    f("Combo6, unidade de fck", a.Combo6.Text);
    f("Combo1, aço", a.Combo1.Text);
    f("Combo7, unidade de Es", a.Combo7.Text);
    f("Text5, escala X habilitada", a.Text5.Enabled);
    f("Text6, escala Y habilitada", a.Text6.Enabled);
    f("Check3, \"Auto.\"", a.Check3.Value);
    f("Outros valores, diâmetro máximo do agregado", o.Text2.Text);
    f("Outros valores, \"PrecisãoM (Kgf.cm)\"", o.Text3.Text);
    f("Combo3, estribo", a.Combo3.Text);
    f("Combo2(1), bitola positiva 1", a.Combo2[1].Text);
    f("Combo2(2), bitola positiva 2", a.Combo2[2].Text);
    f("Combo2(3), bitola positiva 3", a.Combo2[3].Text);
    f("Combo4(1), bitola negativa 1", a.Combo4[1].Text);
    f("Combo4(2), bitola negativa 2", a.Combo4[2].Text);
    f("Combo4(3), bitola negativa 3", a.Combo4[3].Text);
    f("Check4, \"Permitir domínio 4\"", a.Check4.Value);
    f("Check5, \"Utilizar x máximo =\"", a.Check5.Value);
    f("Text19, fator de x máximo", a.Text19.Text);
    f("Outros valores, \"PrecisãoN (Kgf)\"", o.Text1.Text);
    f("Combo2(4), bitola positiva 4", a.Combo2[4].Text);
    f("Combo2(5), bitola positiva 5", a.Combo2[5].Text);
    f("Combo2(6), bitola positiva 6", a.Combo2[6].Text);
    f("Check1, \"Tranca bitola\"", a.Check1.Value);
    f("Outros valores, espaçamento mínimo horizontal", o.Text4[0].Text);
    f("Outros valores, espaçamento mínimo vertical", o.Text4[1].Text);
    f("Outros valores, usar espaçamento horizontal", o.Check1[0].Value);
    f("Outros valores, usar espaçamento vertical", o.Check1[1].Value);
}

// Falha de leitura ou gravação: as duas linhas do diálogo "Mensagem de erro", como
// uma recusa do cálculo.
using FalhaArquivo = Recusa;

// Conteúdo do arquivo (bytes Windows-1252) com os valores atuais dos controles.
// Falha só quando um texto tem caractere que não existe em Windows-1252.
std::optional<FalhaArquivo> TextoConfiguracao(const EstadoDeProjeto& D, std::string& Bytes);

// Grava os 39 registros em Nome, substituindo o arquivo de uma vez.
std::optional<FalhaArquivo> GravaConfiguracao(const EstadoDeProjeto& D, const std::string& Nome);

// Lê os 39 registros de Nome e só então os põe nos controles: com qualquer falha
// (arquivo ausente, ilegível, curto ou com registro malformado) nada muda.
std::optional<FalhaArquivo> CarregaConfiguracao(EstadoDeProjeto& D, const std::string& Nome);

} // namespace lumbrio
