// Comandos de arquivo da janela, com as falhas no diálogo "Mensagem de erro". Nome
// vazio (diálogo cancelado) não lê nem grava.
#pragma once

#include "program/Dimensionamento.h"

#include <string>

namespace lumbrio {

// "Carregar valores padrões": só os controles, sem cálculo.
void CarregaArquivo(Dimensionamento& D, const std::string& Nome);
// "Abrir arquivo..." e "Carrega padrão": carrega e calcula (mesmo sem arquivo).
void AbreArquivo(Dimensionamento& D, const std::string& Nome);
// "Salvar como...", "Salva padrão" e "Salvar valores como padrão".
void GravaArquivo(Dimensionamento& D, const std::string& Nome);
// O nome que GravaArquivo grava: sem extensão, ganha ".txt" (a janela confere este, não o
// digitado, antes de substituir um arquivo).
std::string NomeDeValores(const std::string& Nome);

// "Abrir arquivo..." (Ctrl+O): como AbreArquivo; lido, o arquivo passa a ser o atual.
void AbreDocumento(Dimensionamento& D, const std::string& Nome);
// "Salvar como..." e "Salvar" (Ctrl+S): como GravaArquivo; gravado, passa a ser o atual.
void SalvaDocumento(Dimensionamento& D, const std::string& Nome);
// Os valores das caixas diferem dos do arquivo atual (ou dos da abertura da janela).
bool ValoresMudaram(const EstadoDeProjeto& D);

// Carga da abertura da janela. Padrão.txt ausente é o primeiro uso: valem os valores de
// Exemplo (os instalados com o programa), ditos na linha de estado, ou, sem eles, os de
// projeto, em silêncio; outras falhas vão para o diálogo.
void CarregaPadraoInicial(Dimensionamento& D, const std::string& Exemplo = "");
// O arquivo dos padrões ("Carrega padrão", "Carregar valores padrões"): Padrão.txt, ou o
// de exemplo quando Padrão.txt não existe e o exemplo existe.
std::string ArquivoDosPadroes(const EstadoDeProjeto& D);

} // namespace lumbrio
