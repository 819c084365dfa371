#pragma once
// CXTPPropExchangeParam: which parts of the command bars' state one exchange
// moves (CXTPCommandBars::DoPropExchange). The exchange hands it down to the
// bars and controls through CXTPPropExchange::m_dwData, so a control
// collection can ask whether the original controls go with it.
#include "toolkit/foundation/XTPPropExchange.h"

class CXTPCommandBars;

class CXTPPropExchangeParam
{
public:
    CXTPPropExchangeParam()
        : bSerializeControls(FALSE), bSaveOnlyCustomized(TRUE), bLoadSilent(FALSE),
          bSaveOriginalControls(TRUE), bSerializeImages(FALSE), bSerializeOptions(FALSE),
          bSerializeLayout(TRUE), bSerializeDesignerControls(FALSE), bSerializeActions(FALSE)
    {}

    // The record an exchange carries; a default one when it carries none.
    static const CXTPPropExchangeParam& Of(const CXTPPropExchange* pPX);

    BOOL bSerializeControls;
    BOOL bSaveOnlyCustomized;
    BOOL bLoadSilent;
    BOOL bSaveOriginalControls;
    BOOL bSerializeImages;
    BOOL bSerializeOptions;
    BOOL bSerializeLayout;
    // Set by the whole-state exchange without a record; neither changes what
    // is exchanged.
    BOOL bSerializeDesignerControls;
    BOOL bSerializeActions;
};
