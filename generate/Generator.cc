// generate/Generator.cc - code-generation settings and the output-file driver.

#include "generate/Generator.h"

int Generator::printTypeCodes = 0;
int Generator::generateTrace = 0;
int Generator::generateStdStream = 1;
int Generator::generateContainer = 0;
int Generator::generateExcepSpec = 1;
int Generator::generateExceptions = 1;
const char* Generator::generateExport = nullptr;
const char* Generator::generateSkelExport = nullptr;
const char* Generator::baseObject = "CORBA_Object";
const char* Generator::corbaIncludeFile = "corba.h";
int Generator::generateTie = 1;
int Generator::generatePTie = 0;
int Generator::overloadVarFunc = 1;
int Generator::generateInline = 1;
const char* Generator::includeFile = nullptr;
const char* Generator::outputPath = nullptr;
