// As verificações da norma em palavras: uma linha por verificação, para a janela,
// o relatório e as referências dos testes.
#pragma once

#include "base/EstadoDeProjeto.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumbrio {

// Uma linha de verificação em texto: grandeza, valor, limite, item da norma e veredito;
// Escopo diz onde o item vale; Nota explica um veredito que não é falha nem "atende".
struct LinhaVerificacao {
    std::string_view Grandeza;
    std::string Valor, Limite;
    std::string_view Item;
    std::string Veredito;
    bool Falha = false;
    std::string_view Escopo = {};
    std::string Nota = {};
    bool Informativa = false;  // nem falha nem "atende": informação ou nota
    bool AvisoProprio = false; // o relatório já tem um aviso com as palavras dele
    // A linha da janela: "Ductilidade x/d: cálculo 0.450 (limite ≤ 0.45) — atende (item
    // 14.6.4.3)"; com escopo, "(apoios e ligações, item 14.6.4.3)".
    std::string Texto() const;
};

// As linhas das verificações, na ordem da janela e do relatório.
std::vector<LinhaVerificacao> LinhasVerificacao(const Verificacoes& V,
                                                std::string_view Separador = ".");

// A primeira linha de "Verificações": "Seção atende" ou "Seção não atende: N falhas — …",
// com as falhas nomeadas (as que cabem em MaxCaracteres; as outras contadas) e, quando
// Md passa do que a seção comporta, o que mudar; a nota tem todas e o porquê.
LinhaVerificacao LinhaDoVeredito(const EstadoDeCalculo& E, std::string_view Separador = ".",
                                 std::size_t MaxCaracteres = std::string::npos);

// As linhas da durabilidade (item 7.4) na classe de agressividade do cálculo.
std::vector<LinhaVerificacao> LinhasDurabilidade(const Verificacoes& V,
                                                 std::string_view Separador = ".");

// "kN", "kgf", "tf" ou "N" de um item da lista de unidades de força.
std::string_view SimboloDaForca(std::string_view Item);

// "kN·m", "kgf·cm", "tf·m"... de um item da lista de unidades de momento.
std::string SimboloDoMomento(std::string_view Item);

// As linhas da abertura de fissuras, momentos na unidade de Mser; vazia sem verificação.
std::vector<LinhaVerificacao> LinhasFissuracao(const EstadoDeProjeto& E,
                                               std::string_view Separador = ".");

// As linhas da força cortante, forças na unidade de Vd (Fator kgf por unidade); vazia
// sem verificação.
std::vector<LinhaVerificacao> LinhasCortante(const EstadoDeProjeto& E,
                                             std::string_view Separador = ".");

} // namespace lumbrio
