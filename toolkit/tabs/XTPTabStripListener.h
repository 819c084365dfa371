#pragma once
// CXTPTabStripListener: what a tab painter tells the strips that use it when
// its settings change (position, layout, colours, appearance). A strip, or
// any host of strips such as the MDI tab client, derives from it and lays
// itself out again.
class CXTPTabStripListener
{
public:
    // The painter's settings changed. Base: RecalcHostLayout.
    virtual void OnPainterChanged() { RecalcHostLayout(); }
    virtual ~CXTPTabStripListener() {}
    // The host lays the strip (or its strips) out again.
    virtual void RecalcHostLayout() = 0;
};
