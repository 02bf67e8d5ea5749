#pragma once
#include "../files/Arquivo.h" // acusada: output fica só sobre section
#include "section/Planta.h"
