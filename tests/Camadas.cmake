# Confere as camadas pelos #include: cada arquivo .h e .cpp das pastas de código só
# inclui cabeçalhos da própria pasta e das que ela tem abaixo de si. Uso:
#   cmake -DRAIZ=<pasta do projeto> -P tests/Camadas.cmake
# Falha dizendo arquivo, linha e inclusão de cada uma que sobe de camada, vai a uma
# pasta sem camada ou não se acha; também falha com código numa pasta sem camada.

cmake_minimum_required(VERSION 3.25)

# O que cada pasta inclui além dela mesma, como o CMakeLists.txt da raiz liga as
# bibliotecas: section, arrangement e files ficam lado a lado sobre base e não se
# incluem; output fica só sobre section; app e tools não se incluem.
set(abaixo_base "")
set(abaixo_section base)
set(abaixo_arrangement base)
set(abaixo_files base)
set(abaixo_output section base)
set(abaixo_program output section arrangement files base)
set(abaixo_app program ${abaixo_program})
set(abaixo_tools program ${abaixo_program})
# Testes e benchmarks incluem o que quiserem.
set(livres tests bench)

if(NOT IS_DIRECTORY "${RAIZ}")
  message(FATAL_ERROR "Uso: cmake -DRAIZ=<pasta do projeto> -P Camadas.cmake")
endif()

set(erros "")
file(GLOB pastas LIST_DIRECTORIES true RELATIVE "${RAIZ}" "${RAIZ}/*")
foreach(pasta IN LISTS pastas)
  if(NOT IS_DIRECTORY "${RAIZ}/${pasta}" OR pasta MATCHES "^\\." OR pasta IN_LIST livres)
    continue()
  endif()
  file(GLOB_RECURSE fontes RELATIVE "${RAIZ}" "${RAIZ}/${pasta}/*.h" "${RAIZ}/${pasta}/*.cpp"
       "${RAIZ}/${pasta}/CMakeCache.txt")
  if(NOT fontes OR fontes MATCHES "CMakeCache.txt") # sem código, ou pasta de compilação
    continue()
  endif()
  if(NOT DEFINED abaixo_${pasta})
    list(GET fontes 0 f)
    list(APPEND erros "${f}: código na pasta ${pasta}/, que não tem camada")
    continue()
  endif()
  foreach(f IN LISTS fontes)
    file(READ "${RAIZ}/${f}" texto)
    # Uma linha por item da lista: ";", colchetes e barras invertidas não importam aqui.
    string(REGEX REPLACE "[];[\\]" " " texto "${texto}")
    string(REPLACE "\n" ";" linhas "${texto}")
    get_filename_component(dir "${RAIZ}/${f}" DIRECTORY)
    set(n 0)
    foreach(l IN LISTS linhas)
      math(EXPR n "${n} + 1")
      if(NOT l MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)")
        continue()
      endif()
      set(incluido "${CMAKE_MATCH_2}")
      set(aspas "${CMAKE_MATCH_1}")
      string(REGEX REPLACE "^lumbrio/" "packaging/" gerado "${incluido}.in")
      # Entre aspas vale primeiro a pasta do arquivo, depois a raiz; <...> só a raiz.
      if(aspas STREQUAL "\"" AND EXISTS "${dir}/${incluido}")
        get_filename_component(alvo "${incluido}" ABSOLUTE BASE_DIR "${dir}")
      elseif(EXISTS "${RAIZ}/${incluido}")
        get_filename_component(alvo "${incluido}" ABSOLUTE BASE_DIR "${RAIZ}")
      elseif(aspas STREQUAL "<" OR EXISTS "${RAIZ}/${gerado}")
        continue() # do sistema, ou gerado pelo CMake a partir de packaging/ (só constantes)
      else()
        list(APPEND erros "${f}:${n}: #include \"${incluido}\" não se acha")
        continue()
      endif()
      file(RELATIVE_PATH alvo "${RAIZ}" "${alvo}")
      string(REGEX REPLACE "/.*" "" camada "${alvo}")
      if(NOT camada STREQUAL pasta AND NOT camada IN_LIST abaixo_${pasta})
        list(APPEND erros "${f}:${n}: #include \"${incluido}\": ${pasta}/ não inclui ${camada}/")
      endif()
    endforeach()
  endforeach()
endforeach()

if(erros)
  list(LENGTH erros total)
  list(JOIN erros "\n" texto)
  message(NOTICE "${texto}")
  message(FATAL_ERROR "Camadas violadas: ${total}")
endif()
