// generate/Generator.h - code-generation settings and the output-file driver.
//
// The command line sets these switches once per run; every emitter reads
// them. All members are static.

#ifndef VELMARIC_GENERATE_GENERATOR_H
#define VELMARIC_GENERATE_GENERATOR_H

class Generator {
public:
  /// 1: type-code declarations and definitions are written.
  static int printTypeCodes;
  /// 1: the client header includes the trace header and stubs and
  /// skeletons carry trace calls.
  static int generateTrace;
  /// 1: standard stream insertion and extraction operators are written.
  static int generateStdStream;
  /// 1: hash and compare functions for structs, unions and containers.
  static int generateContainer;
  /// 1: exception specifications on skeleton and tie members.
  static int generateExcepSpec;
  /// 1: generated code raises C++ exceptions.
  static int generateExceptions;
  /// Export macro written into client-side class heads; null means none.
  /// Not owned (points at an option argument or a literal).
  static const char* generateExport;
  /// Export macro for skeleton classes; null means none. Not owned.
  static const char* generateSkelExport;
  /// Root base class of interfaces without bases. Not owned.
  static const char* baseObject;
  /// The runtime header the client header includes. Not owned.
  static const char* corbaIncludeFile;
  /// 1: tie class templates are written.
  static int generateTie;
  /// 1: the pointer-holding tie variant is written.
  static int generatePTie;
  /// 1: operations get overloads taking holder (_var) arguments.
  static int overloadVarFunc;
  /// 1: array class members are written inline in the client header.
  static int generateInline;
  /// Extra header included by both implementation files; null means none.
  /// Not owned.
  static const char* includeFile;
  /// Directory the four files are written into; null means the current
  /// directory. Not owned.
  static const char* outputPath;
};

#endif
