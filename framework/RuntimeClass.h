#pragma once

// The run-time class record: a class can tell its name and base at run time.
class CObject;

struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  unsigned m_wSchema;
  CObject* (*m_pfnCreateObject)();
  const CRuntimeClass* m_pBaseClass;

  bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
public:
  static const CRuntimeClass classCObject;

  CObject() = default;
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
  virtual ~CObject() = default;

  virtual const CRuntimeClass* GetRuntimeClass() const;
  bool IsKindOf(const CRuntimeClass* runtimeClass) const;
};

#define RUNTIME_CLASS(theClass) (&theClass::class##theClass)

#define DECLARE_DYNAMIC(theClass)                 \
public:                                           \
  static const CRuntimeClass class##theClass;     \
  const CRuntimeClass* GetRuntimeClass() const override;

// Schema 0xFFFF and no creation function: identifiable at run time, not creatable by name.
#define IMPLEMENT_DYNAMIC(theClass, baseClass)                                                                   \
  const CRuntimeClass theClass::class##theClass = {#theClass, sizeof(theClass), 0xFFFF, nullptr,                 \
                                                    RUNTIME_CLASS(baseClass)};                                   \
  const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }
