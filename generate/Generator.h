// generate/Generator.h - code-generation settings and the output-file driver.
//
// The command line sets these switches once per run; every emitter reads
// them. All members are static.

#ifndef VELMARIC_GENERATE_GENERATOR_H
#define VELMARIC_GENERATE_GENERATOR_H

#include <iosfwd>
#include <string>

class IDLContextExpr;
class IDLDefinition;
class IDLInterface;
class IDLScope;
class IDLSpec;
class NCLinkedList;
class NCObject;
class NCOrderedCltn;
class NCSet;
class NCString;

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

  // Type naming and parameter passing

  /// Writes the innermost C++ name of `type` (null writes nothing) used with
  /// the declarator `decl` (may be null): type->unscopedName, except that an
  /// array declarator turns a string element into "CORBA::String_var" and an
  /// interface element into its name followed by "_var".
  static void unscopedName(std::ostream& os, IDLDefinition* type,
                           IDLDefinition* decl);
  /// Writes the qualification of `definition` (of its target for a scoped
  /// name): the names of the enclosing interfaces, modules, structs, unions
  /// and exceptions, outermost first, each preceded by `prefix` (when not
  /// null) and followed by "::". Nothing at global scope or for null.
  static void printScope(std::ostream& os, IDLDefinition* definition,
                         const char* prefix);
  /// Writes the qualified name of `type` used with `decl` (may be null):
  /// the scope (with `prefix`, may be null) unless the unscoped name already
  /// holds a ':', then the generated class name of a declared sequence type
  /// or else the unscoped name.
  static void scopedName(std::ostream& os, IDLDefinition* type,
                         IDLDefinition* decl = nullptr,
                         const char* prefix = nullptr);
  /// scopedName without a prefix.
  static void printScopedType(std::ostream& os, IDLDefinition* type,
                              IDLDefinition* decl);
  /// The unscoped name, followed by "*" for an object reference that is not
  /// an array element.
  static void printType(std::ostream& os, IDLDefinition* type,
                        IDLDefinition* decl);
  /// Writes the C++ type of a parameter of `type` with declarator `decl`
  /// (may be null) passed `direction` ("in", "inout", "out" or "return").
  static void printParamType(std::ostream& os, IDLDefinition* type,
                             IDLDefinition* decl, const char* direction);
  /// The type of a result of `type`: printParamType for "return".
  static void printReturnType(std::ostream& os, IDLDefinition* type);
  /// The qualified type of a result of `type` with its decoration: "_ptr"
  /// for an object reference, "_slice *" for an array, nothing for a
  /// string, " *" for other results returned by pointer.
  static void printScopedReturnType(std::ostream& os, IDLDefinition* type);
  /// Writes the parameter list `params` (IDLParamDcl nodes; may be null),
  /// continuation lines starting with endltab and two tabs, then the
  /// context parameter when `context` (may be null) has a list. The caller
  /// writes the parentheses.
  static void printParams(std::ostream& os, NCOrderedCltn* params,
                          IDLContextExpr* context);
  /// 1 when a value of `definition` (a parameter's type, an operation's
  /// result type, else `definition` itself as a type) passed `direction`
  /// travels as a pointer; 0 otherwise.
  static int isArgPointer(IDLDefinition* definition, const char* direction);
  /// Writes the repository identifier of `definition` in double quotes:
  /// its ID pragma unchanged, or "IDL:" prefix/path/name ":" version
  /// (1.0 without a version pragma). Nothing for null.
  static void printRepositoryId(std::ostream& os, IDLDefinition* definition);
  /// Appends to `result` every direct and indirect base of `interface`
  /// that `result` does not yet hold, depth first in declaration order.
  /// The interfaces are not owned by `result`.
  static void parent_transitive_closure(IDLInterface& interface,
                                        NCOrderedCltn& result);
  /// A new string (owned by the caller): the class name of an anonymous
  /// sequence of elements named `elementTypeName` (qualified; null counts
  /// as empty) with `bound` (0 when unbounded).
  static NCString* makeSequenceName(const char* elementTypeName, int bound);
  /// A new string (owned by the caller): `text` with every ':', '(', '.',
  /// '/', '\\' and ')' replaced by '_'.
  static NCString* colonToUnderbar(NCString& text);

  // Type codes and object reference holder classes

  /// Writes the type-code declaration of `definition` (may be null) and the
  /// operators that move its values into and out of a CORBA::Any, by the
  /// node's typeCodeHeaderCode: at global scope an extern pointer and plain
  /// operators, inside a class a static member and friends. Nothing unless
  /// printTypeCodes is set.
  static void typeCodeHeaderCode(std::ostream& os, IDLDefinition* definition);
  /// Writes the type-code definition of `definition` (may be null) by the
  /// node's typeCodeCCode. Nothing unless printTypeCodes is set.
  static void typeCodeCCode(std::ostream& os, IDLDefinition* definition);
  /// Writes `name` when it is not null, else the type-code name of
  /// `definition` (nothing for null).
  static void unscopedTypeCodeName(std::ostream& os, IDLDefinition* definition,
                                   const char* name);
  /// Writes the type-code expression of `type` used with `declarator` (may
  /// be null): "_tc_" and the name for a named type, the type-code name of
  /// `nameSource` (may be null) or of the resolved type, or an in-place
  /// description of an anonymous array, sequence or string. The string
  /// forms end with a line end. Nothing for a null `type`.
  static void unscopedTypeCodeName(std::ostream& os, IDLDefinition* type,
                                   IDLDefinition* declarator,
                                   IDLDefinition* nameSource);
  /// The same expression, qualified by the scope of `type` unless it
  /// already holds a ':'.
  static void scopedTypeCodeName(std::ostream& os, IDLDefinition* type,
                                 IDLDefinition* declarator,
                                 IDLDefinition* nameSource);
  /// Writes the client-header class "_var" that holds one object reference
  /// of the interface `definition` (an IDLInterface; null writes nothing),
  /// inside an include guard so that a forward declaration and the
  /// definition may both write it.
  static void declareObjectVar(std::ostream& os, IDLDefinition* definition);
  /// Writes the out-of-line members and stream operators of the holder
  /// class of `definition` for the client implementation file; null writes
  /// nothing.
  static void implementObjectVar(std::ostream& os, IDLDefinition* definition);

  // Marshalling

  /// Writes the statement that puts `value` of `type` (may be null: nothing
  /// is written) declared with `decl` (may be null) on the marshal stream
  /// `stream`, a pointer when `isPointer`, as an argument of `direction`
  /// ("in", "out", "inout", "return" or null). An array declarator `decl`
  /// writes its _var class's write; any other goes to type's own
  /// writeObjectToStream with type's fixed-length flag. A null `value`
  /// stands for the name of `decl`.
  static void writeObjectToStream(std::ostream& os, IDLDefinition* type,
                                  IDLDefinition* decl, const char* stream,
                                  int isPointer, const char* direction,
                                  const char* value);
  /// The same for reading `value` from the marshal stream: an array reads
  /// through its _var class's copyFrom. `extra` (may be null) is handed on
  /// to type's readObjectFromStream.
  static void readObjectFromStream(std::ostream& os, IDLDefinition* type,
                                   IDLDefinition* decl, const char* stream,
                                   int isPointer, const char* direction,
                                   const char* value,
                                   const char* extra = nullptr);
  /// The same for writing to an object stream (NCostream): an array is put
  /// by its own put.
  static void writeObjectToNCStream(std::ostream& os, IDLDefinition* type,
                                    IDLDefinition* decl, const char* stream,
                                    int isPointer, const char* value);
  /// The same for reading from an object stream (NCistream).
  static void readObjectFromNCStream(std::ostream& os, IDLDefinition* type,
                                     IDLDefinition* decl, const char* stream,
                                     int isPointer, const char* value);
  /// Writes the marshal-stream argument flag of `direction`, preceded by
  /// ", ": ARG_IN, ARG_OUT, ARG_INOUT or ARG_RETURN; nothing for null or any
  /// other text.
  static void printMarshalAttribute(std::ostream& os, const char* direction);

  // Per-file state, overwritten by outputToFiles for every input file.

  /// The specification being written; not owned.
  static IDLSpec* _spec;
  /// The input file name recorded in the specification node; owned by that
  /// node. Definitions carrying an equal name belong to this file.
  static const NCString* _idl_file_name;
  /// The input file name without directories and ".idl"; owned here.
  static NCString* _file_name_prefix;
  /// Number of tabs endltab writes after each line break. Emitters raise it
  /// around the bodies they indent and leave it as they found it; it is
  /// never reset between files.
  static int _indentation;
  /// Names of the interfaces whose stubs or skeletons are being written,
  /// innermost first. The list and its strings are owned here.
  static NCLinkedList* _intf_name_stack;
  /// The interface member whose code is being written, or null; not owned.
  static IDLDefinition* _currentContext;

  // The output files.

  /// Writes the four files of IDLSpec::specification: client header, server
  /// header, client implementation, server implementation. Stops at the
  /// first file that fails. Returns 0, or 1 after a message on std::cerr.
  static int outputToFiles();
  /// A new string (owned by the caller): `path` without its directories.
  /// Null, with a message on std::cerr, for a null `path`.
  static NCString* stripDirectory(const NCString* path);
  /// A new string (owned by the caller): `path` without its directories and
  /// without a trailing ".idl" (case-sensitive) when something precedes it.
  /// Null, with a message on std::cerr, for a null `path`.
  static NCString* stripIdlFileName(const NCString* path);
  /// New strings (owned by the caller) naming the client header, server
  /// header, client implementation and server implementation made from the
  /// IDL file `idlName`; null when `idlName` is null.
  static NCString* idlToHeader(const NCString* idlName);
  static NCString* idlToServerHeader(const NCString* idlName);
  static NCString* idlToClient(const NCString* idlName);
  static NCString* idlToServer(const NCString* idlName);
  /// The path a file driver opens for `fileName`: outputPath, "/" and the
  /// name when an output path is set, else the name alone.
  static std::string makeOutputPath(const NCString& fileName);

  // Where a top-level definition came from, by the source file name it
  // carries. Only while outputToFiles writes a file (_idl_file_name set).

  /// Whether `fileName` is the IDL file being written.
  static bool isThisFile(const NCString& fileName);
  /// Whether `fileName` is a file the IDL file included: neither the file
  /// itself nor the "%GLOBAL%" of the predefined names.
  static bool isIncludedFile(const NCString& fileName);
  /// Whether `fileName` without its directories is "orb.idl", the runtime's
  /// own IDL file, whose declarations come with the runtime's headers.
  static bool isOrbIdl(const NCString& fileName);

  /// Writes the ten-line banner comment that opens every output file.
  static void printGreeting(std::ostream& os);

  // The interface name stack.

  /// Puts a copy of `name` on top of the stack.
  static void pushIntfName(const NCString& name);
  /// Removes (and frees) the top name; nothing when the stack is empty.
  static void popIntfName();
  /// The stack, innermost interface first; owned here, never null.
  static NCLinkedList* intfNameStack();

  // Sequence and array types of a scope.

  /// A new set (owned by the caller; the entries are not) of the sequence
  /// declarators registered in `scope` and in its sub-scopes, leaving out
  /// the sub-scopes of interfaces, modules, structs and unions, which write
  /// their own. Null, with a message on std::cerr, when a registry is
  /// missing.
  static NCSet* getAllSequences(IDLScope* scope);
  /// The same over the array declarators.
  static NCSet* getAllArrays(IDLScope* scope);

  // Type categories.

  /// The category of `type` (not null normally; the resolved type of a
  /// reference) used with `declarator` (may be null): 0 simple, 1 complex,
  /// 2 object reference, 3 error (null `type`, with a message on std::cerr).
  static int getTypeCategory(IDLDefinition* type, IDLDefinition* declarator);
  /// Whether the category is 0.
  static int isPrimitive(IDLDefinition* type, IDLDefinition* declarator);
  /// The defining node of the type `definition` refers to, looking through
  /// scoped names and typedefs (the tree's own resolution); may be null.
  static IDLDefinition* getType(IDLDefinition* definition);

  // Sequence class templates

  /// Write, for the client header and after an empty line, the class of a
  /// sequence named `className` (not null) whose elements are of the
  /// primitive, enumeration or constructed type named `elementType` (not
  /// null; qualified), unbounded or holding at most `bound` elements.
  static void declareUnboundSequence(std::ostream& os, const char* className,
                                     const char* elementType);
  static void declareBoundedSequence(std::ostream& os, const char* className,
                                     const char* elementType, int bound);
  /// Writes the reference-counting "_var" holder of such a class.
  static void declareSeqVar(std::ostream& os, const char* className,
                            const char* elementType);
  /// The same for a sequence of strings, whose operator[] hands out an
  /// element proxy.
  static void declareUnboundStringSequence(std::ostream& os,
                                           const char* className);
  static void declareBoundedStringSequence(std::ostream& os,
                                           const char* className, int bound);
  static void declareStringSeqVar(std::ostream& os, const char* className);
  /// The same for a sequence of references to the interface `elementType`
  /// (not null; qualified, without "_ptr").
  static void declareUnboundObjectSequence(std::ostream& os,
                                           const char* className,
                                           const char* elementType);
  static void declareBoundedObjectSequence(std::ostream& os,
                                           const char* className,
                                           const char* elementType, int bound);
  static void declareObjectSeqVar(std::ostream& os, const char* className,
                                  const char* elementType);
  /// Write, for the client implementation file, the out-of-line members of
  /// a sequence class declared above, one template per element family and
  /// boundedness. `prefix` (may be null or empty) is the scope qualification
  /// written before the class name, "::" included.
  static void implementUnboundedPrimitiveSequence(std::ostream& os,
                                                  const char* className,
                                                  const char* elementType,
                                                  const char* prefix);
  static void implementBoundedPrimitiveSequence(std::ostream& os,
                                                const char* className,
                                                const char* elementType,
                                                int bound, const char* prefix);
  static void implementUnboundedEnumSequence(std::ostream& os,
                                             const char* className,
                                             const char* elementType,
                                             const char* prefix);
  static void implementBoundedEnumSequence(std::ostream& os,
                                           const char* className,
                                           const char* elementType, int bound,
                                           const char* prefix);
  static void implementUnboundedConstructedSequence(std::ostream& os,
                                                    const char* className,
                                                    const char* elementType,
                                                    const char* prefix);
  static void implementBoundedConstructedSequence(std::ostream& os,
                                                  const char* className,
                                                  const char* elementType,
                                                  int bound,
                                                  const char* prefix);
  static void implementUnboundedStringSequence(std::ostream& os,
                                               const char* className,
                                               const char* prefix);
  static void implementBoundedStringSequence(std::ostream& os,
                                             const char* className, int bound,
                                             const char* prefix);
  static void implementUnboundedObjectSequence(std::ostream& os,
                                               const char* className,
                                               const char* elementType,
                                               const char* prefix);
  static void implementBoundedObjectSequence(std::ostream& os,
                                             const char* className,
                                             const char* elementType, int bound,
                                             const char* prefix);

  // Array class templates

  /// Writes the client-header declarations of the array `name` (the
  /// declarator's name): its slice typedefs, _alloc and _free, the _forany
  /// wrapper and the _var holder. `elementName` is the element type's
  /// qualified name, `elementType` its node (may be null: the elements are
  /// then treated as constructed), `dimensions` the constant expressions of
  /// the sizes, outermost first; `declarator` (may be null) is the array
  /// declarator, whose scope makes _alloc and _free static members. A
  /// non-zero `constConversion` gives both classes a conversion to the whole
  /// array type. With generateInline off the larger members are declared
  /// only. Nothing is owned; null names count as empty.
  static void declareArrayVar(std::ostream& os, const char* name,
                              const char* elementName,
                              IDLDefinition* elementType,
                              NCOrderedCltn* dimensions,
                              IDLDefinition* declarator, int constConversion);
  /// Writes, for the client implementation file, the definitions of the
  /// members that declareArrayVar declares when generateInline is off. The
  /// arguments are those of declareArrayVar; `declarator` and
  /// `constConversion` change nothing here.
  static void implementArrayVar(std::ostream& os, const char* name,
                                const char* elementName,
                                IDLDefinition* elementType,
                                NCOrderedCltn* dimensions,
                                IDLDefinition* declarator, int constConversion);
};

/// Ends a line: a newline (flushing, as std::endl does), then
/// Generator::_indentation tabs.
std::ostream& endltab(std::ostream& os);

/// Writes `obj`'s readable dump to standard output and flushes; nothing for
/// a null `obj`. A debugging aid.
void myprettyPrint(NCObject* obj);

#endif
