// tree/IDLConstDcl.cc - constant declarations and their type check.

#include "tree/IDLConstDcl.h"

#include "frontend/IDLError.h"
#include "nclib/NCostream.h"
#include "tree/IDLPrimType.h"
#include "tree/StreamFields.h"
#include "tree/TreeMessages.h"

VELMARIC_DEFINE_CLASS(IDLConstDcl, IDLDefinition::desc())

IDLConstDcl::IDLConstDcl(const char* name, IDLDefinition* declaredType,
                         IDLDefinition* value)
    : IDLDefinition(DEF_const), _name(name), _declaredType(declaredType),
      _value(value) {}

IDLConstDcl::IDLConstDcl(NCistream& is) : IDLDefinition(is) {
  streamfields::readText(is, _name);
  _declaredType = streamfields::readRef<IDLDefinition>(is);
  _value = streamfields::readRef<IDLDefinition>(is);
  _literalType = streamfields::readRef<IDLPrimType>(is);
  is >> _intValue;
  is >> _floatValue;
}

IDLConstDcl::~IDLConstDcl() {
  traceFreeing();
}

void IDLConstDcl::write(NCostream& os) const {
  IDLDefinition::write(os);
  os << _name.chars();
  os.writeTransObj(_declaredType);
  os.writeTransObj(_value);
  os.writeTransObj(_literalType);
  os << _intValue;
  os << _floatValue;
}

void IDLConstDcl::storeValue() {
  IDLPrimType* resultType = _value ? _value->type() : nullptr;
  if (!resultType)
    IDLError::error(treemsg::illegalConstType);
  _intValue = _value->getInt();
  _floatValue = _value->getFloat();
  setType(resultType);
}

void IDLConstDcl::setType(IDLPrimType* t) {
  // Only the expression classes are compared: a long constant may hold any
  // integer expression, but not a floating one.
  IDLDefinition* declared = getType(_declaredType);
  int declaredClass = declared ? declared->exprType() : exprType(DEF_none);
  int valueClass = t ? t->exprType() : exprType(DEF_none);
  if (declaredClass != valueClass)
    IDLError::error(treemsg::mismatchedTypes);
  _literalType = t;
}
