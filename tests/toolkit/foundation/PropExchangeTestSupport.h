#pragma once
// Helpers of the settings-exchange tests: a settings object that uses every
// kind of value the exchange carries.
#include "toolkit/foundation/XTPPropExchange.h"

#include <memory>
#include <string>
#include <vector>

typedef std::unique_ptr<CXTPPropExchange> SectionPtr;

// A small serializable object carried inside a value by PX_Serialize.
class CPayload : public CObject
{
    DECLARE_SERIAL(CPayload)
public:
    CPayload() : m_nNumber(0) {}
    void Serialize(CArchive& ar) override;

    long m_nNumber;
    CString m_strText;
};

// Every kind of value, a nested section, a list, a blob and an object (the
// unsigned short, long, unsigned and enumeration forms pass on the short and
// int ones unchanged).
struct CompositeSettings
{
    BYTE byteValue = 0;
    short shortValue = 0;
    DWORD dwordValue = 0;
    int intValue = 0;
    BOOL boolValue = FALSE;
    CString stringValue;
    float floatValue = 0;
    double doubleValue = 0;
    CSize sizeValue = CSize(0, 0);
    CPoint pointValue = CPoint(0, 0);
    CRect rectValue = CRect(0, 0, 0, 0);
    CRuntimeClass* pClass = NULL;
    CString nestedText;
    int nestedNumber = 0;
    std::vector<int> items;
    std::vector<BYTE> blob;
    CPayload payload;

    // Values that differ from every default.
    void Fill();
    void DoPropExchange(CXTPPropExchange* pPX);
};

// Every value of the settings as one text, to compare two settings whole;
// floats only when bFloats (the text stores have no text form for them).
std::string Describe(const CompositeSettings& settings, BOOL bFloats);
