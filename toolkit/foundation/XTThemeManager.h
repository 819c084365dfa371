#pragma once
// Themes of the standard-control extensions. Every control family (list and
// header controls, captions, flat edits and combo boxes, buttons, splitters)
// draws through a theme object, a CXTThemeManagerStyle, that holds the family's
// colours and sizes for the current style. Per family, one shared style
// factory owns the current theme object and tells every control of its host
// list when the theme changes; a control may also hold a private theme in a
// factory of its own. The theme manager keeps the shared factories and
// switches the style of all families at once.
//
// A family derives:
//   - its theme classes from CXTThemeManagerStyle, overriding RefreshMetrics;
//   - its factory from CXTThemeManagerStyleFactory (DECLARE_DYNCREATE and
//     IMPLEMENT_DYNCREATE), overriding CreateTheme(nTheme) to return a new
//     theme object for the style number (NULL where it has none);
//   - its controls from CXTThemeManagerStyleHost, constructed with
//     RUNTIME_CLASS of the factory and overriding OnThemeChanged to redraw.
// GetSafeTheme may answer NULL (a factory without a theme for the style):
// callers draw without one then.
#include "framework/Core.h"

class CXTThemeManager;
class CXTThemeManagerStyleFactory;
class CXTThemeManagerStyleHost;

// The base of every control theme object.
class CXTThemeManagerStyle
{
public:
    CXTThemeManagerStyle() : m_pFactory(NULL), m_nTheme(0) {}
    virtual ~CXTThemeManagerStyle() {}

    // Recomputes the theme's colours and sizes; empty in the base.
    virtual void RefreshMetrics() {}

    CXTThemeManagerStyleFactory* GetFactory() const { return m_pFactory; }
    // The style number the theme was created for (the factory records it).
    int GetThemeId() const { return m_nTheme; }
    void SetThemeId(int nTheme) { m_nTheme = nTheme; }

private:
    friend class CXTThemeManagerStyleFactory;

    CXTThemeManagerStyleFactory* m_pFactory;
    int m_nTheme;
};

// The factory of one control family's theme objects; it owns the current
// theme and keeps the list of the hosts that use it.
class CXTThemeManagerStyleFactory : public CObject
{
    DECLARE_DYNCREATE(CXTThemeManagerStyleFactory)
public:
    // Enters the theme manager's list of all factories.
    CXTThemeManagerStyleFactory();
    // Deletes the theme and leaves the manager's list.
    ~CXTThemeManagerStyleFactory() override;

    // A new theme object for the style number; NULL in the base.
    virtual CXTThemeManagerStyle* CreateTheme(int nTheme);
    // The theme's RefreshMetrics when there is a theme.
    virtual void RefreshMetrics();

    // Replaces the theme (pTheme may be NULL), refreshes it and tells every
    // host, head first.
    void SetTheme(CXTThemeManagerStyle* pTheme);
    void SetTheme(int nTheme);
    // The theme, created for the manager's style on first use; NULL when the
    // factory has none for that style.
    CXTThemeManagerStyle* GetSafeTheme();
    CXTThemeManagerStyle* GetTheme() const { return m_pTheme; }

    // The host list (each host enters and leaves it itself).
    void AddHost(CXTThemeManagerStyleHost* pHost);
    void RemoveHost(CXTThemeManagerStyleHost* pHost);
    CXTThemeManagerStyleHost* GetFirstHost() const { return m_pFirstHost; }

private:
    friend class CXTThemeManager;
    friend class CXTThemeManagerStyleHost;

    CXTThemeManagerStyle* CreateThemeFor(int nTheme);
    // Stores the theme, sets its back pointer and refreshes it.
    void AdoptTheme(CXTThemeManagerStyle* pTheme);

    CXTThemeManagerStyle* m_pTheme;
    CXTThemeManagerStyleHost* m_pFirstHost;
    CXTThemeManagerStyleFactory* m_pNextFactory;
};

// The themed part of a control.
class CXTThemeManagerStyleHost
{
public:
    // Takes the shared factory of the class from the theme manager and enters
    // its host list.
    explicit CXTThemeManagerStyleHost(CRuntimeClass* pFactoryClass);
    // Leaves the host list; deletes a private factory it owns.
    virtual ~CXTThemeManagerStyleHost();

    // A new factory of the host's factory class.
    virtual CXTThemeManagerStyleFactory* CreateFactory();
    // Called after the host's theme changed; controls redraw. Empty in the base.
    virtual void OnThemeChanged() {}

    // The private factory when there is one, else the shared factory.
    CXTThemeManagerStyleFactory* GetFactory() const;
    CXTThemeManagerStyle* GetSafeTheme();

    // Gives the host a private theme in a factory of its own, which the host
    // owns; NULL returns it to the shared factory.
    void SetTheme(CXTThemeManagerStyle* pTheme);
    // A private theme made by the shared factory for the style number.
    void SetTheme(int nTheme);
    // Uses a factory the caller keeps.
    void SetFactory(CXTThemeManagerStyleFactory* pFactory);

    CXTThemeManagerStyleHost* GetNextHost() const { return m_pNextHost; }

private:
    friend class CXTThemeManagerStyleFactory;

    CXTThemeManagerStyleHost(const CXTThemeManagerStyleHost&);
    CXTThemeManagerStyleHost& operator=(const CXTThemeManagerStyleHost&);

    void LeaveFactory();
    void EnterFactory();
    void DeletePrivateFactory();

    BOOL m_bOwnsPrivateFactory;
    CRuntimeClass* m_pFactoryClass;
    CXTThemeManagerStyleFactory* m_pPrivateFactory;
    CXTThemeManagerStyleFactory* m_pSharedFactory;
    CXTThemeManagerStyleHost* m_pNextHost;
};

// The process-wide registry of the shared factories and the current style.
class CXTThemeManager
{
public:
    CXTThemeManager();
    // Deletes every shared factory.
    virtual ~CXTThemeManager();

    // The shared factory of the class, created on first use; NULL when the
    // class cannot be created or is no style factory.
    CXTThemeManagerStyleFactory* GetFactory(CRuntimeClass* pFactoryClass);

    // Gives every shared factory a theme of the new style number; nothing
    // when the number is the current one. Private themes stay.
    void SetTheme(int nTheme);
    int GetTheme() const { return m_nTheme; }

    // RefreshMetrics of every factory, shared and private.
    void RefreshMetrics();

private:
    friend class CXTThemeManagerStyleFactory;

    CXTThemeManager(const CXTThemeManager&);
    CXTThemeManager& operator=(const CXTThemeManager&);

    void AddFactory(CXTThemeManagerStyleFactory* pFactory);
    void RemoveFactory(CXTThemeManagerStyleFactory* pFactory);

    CMapPtrToPtr m_mapFactories;
    int m_nTheme;
    CXTThemeManagerStyleFactory* m_pFirstFactory;
};

// The process-wide theme manager, created on first use and destroyed at exit.
CXTThemeManager* XTThemeManager();
