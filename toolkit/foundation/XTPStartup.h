#pragma once
// The toolkit's start-up: one ordered list of steps to which every part of the
// toolkit adds its own entries. The steps run once, in order, before the application's
// own start-up code (during static initialisation, once every entry of the
// program has been added); at process exit the exit routines of the steps that
// ran are called in exactly the reverse order.
//
// A part adds an entry in the .cpp file of the object it concerns (so the
// entry is linked whenever the object is used), with the order constant of its
// step below:
//
//     static void BuildImageManager() { ... }
//     static void DestroyImageManager() { ... }
//     XTP_STARTUP_ENTRY(ImageManager, xtpStartupImageManager, BuildImageManager, DestroyImageManager);
//
// Either routine may be NULL: an entry with only an exit routine registers a
// destruction at its place in the order (the on-demand holders: theme,
// resource, keyboard and mouse managers), an entry with only a start routine
// builds something that lives on. Entries of equal order run in the order they
// were added, which is fixed only within one .cpp file; use distinct orders
// (the gaps are there for that) when the order between files matters.
//
// Runtime classes that must be creatable by name before any object of them
// exists (a saved bar state names them) go into a class entry:
//
//     XTP_STARTUP_CLASSES(BarClasses, xtpStartupBarClasses,
//                         XTP_STARTUP_CLASS(CXTPControl), XTP_STARTUP_CLASS(CXTPToolBar));
//
// which enters them in the framework's class list at its step, as the
// framework's own class registration does (a class is entered only once).
//
// Objects that the start-up fills and that other files read must be
// constructed before the steps run: define them with XTP_STARTUP_OBJECT.
//
// Functions that build process-wide objects on first use (the colour manager,
// the shared UI data) register their own destruction when they are first
// built; when that happens after the start-up, they are destroyed before every
// exit routine of this list.
#include "framework/Core.h"

// The start-up order of the toolkit's steps. The foundation (toolkit/foundation)
// adds the theme manager, draw helpers, monitor functions, message, profile
// name, clipboard formats, image manager, resource manager, visual styles,
// version record and unset rectangle; the command bars and the task panel add
// the rest.
enum XTPStartupOrder
{
    xtpStartupThemeManager = 100,          // exit: the theme manager's holder
    xtpStartupDrawHelpers = 200,           // the draw helpers
    xtpStartupMultiMonitor = 300,          // the monitor functions (unbound)
    xtpStartupPaintManager = 400,          // exit: the command bars' paint manager
    xtpStartupTaskbarCreated = 500,        // the message "TaskbarCreated"
    xtpStartupProfileFileName = 600,       // the profile file name
    xtpStartupTaskPanelFormat = 700,       // the clipboard format "TaskPanelGroupItem"
    xtpStartupImageManager = 800,          // the global image manager
    xtpStartupImageFormats = 900,          // "Vurari ToolBar Image", "Alpha Bitmap Image"
    xtpStartupBarClasses = 1000,           // runtime classes of controls and bars
    xtpStartupColorConstants = 1100,       // (the colour constants are constant-initialised)
    xtpStartupResourceManager = 1200,      // exit: the resource manager's holder
    xtpStartupPopupClasses = 1300,         // runtime classes of popups and the menu bar
    xtpStartupSoundAndHookManagers = 1400, // the menu-sound and window-hook managers
    xtpStartupKeyboardManager = 1500,      // exit: the keyboard-manager holder
    xtpStartupControlPopupClass = 1510,    // runtime class CXTPControlPopup
    xtpStartupMouseManager = 1520,         // exit: the mouse-manager holder
    xtpStartupControlClasses = 1600,       // runtime classes of the other controls
    xtpStartupUxTheme = 1700,              // the visual-styles module record
    xtpStartupWinVersion = 1800,           // the shared version record
    xtpStartupUnsetRect = 1900,            // the unset rectangle
    xtpStartupEditClasses = 2000,          // runtime classes of edit, custom and group items
    xtpStartupShortcutManager = 2100,      // exit: the shortcut manager's holder
    xtpStartupShadowManager = 2200,        // the drop-shadow manager
    xtpStartupDialogBarClass = 2300        // runtime class CXTPDialogBar
};

typedef void (*XTP_STARTUP_PROC)();

// One step of the start-up. Entries are static objects; they are linked into
// the list when constructed.
class CXTPStartupEntry
{
public:
    CXTPStartupEntry(int nOrder, XTP_STARTUP_PROC pfnStart, XTP_STARTUP_PROC pfnExit);
    // A class entry: enters the classes in the framework's class list.
    CXTPStartupEntry(int nOrder, CRuntimeClass* const* ppClasses, int nClassCount);

    int GetOrder() const { return m_nOrder; }
    // Runs the start routine; TRUE when the entry has an exit routine to
    // register.
    BOOL Start();
    void Exit();
    CXTPStartupEntry* GetNext() const { return m_pNext; }

private:
    void Insert();

    int m_nOrder;
    XTP_STARTUP_PROC m_pfnStart;
    XTP_STARTUP_PROC m_pfnExit;
    CRuntimeClass* const* m_ppClasses;
    int m_nClassCount;
    CXTPStartupEntry* m_pNext;
};

// The list of all entries, in start-up order.
class CXTPStartup
{
public:
    // Runs every step once, in order (nothing when the steps already ran).
    static void Run();
    // Calls the exit routines of the steps that ran, in reverse order; Run may
    // then run the steps again. Also called once at process exit.
    static void Shutdown();
    static BOOL IsRunning();

    // The first entry; the others follow through GetNext.
    static CXTPStartupEntry* GetFirstEntry();
};

// Static objects that the start-up fills are built just before the steps run.
#define XTP_STARTUP_INIT_PRIORITY 60000
#define XTP_STARTUP_OBJECT __attribute__((init_priority(XTP_STARTUP_INIT_PRIORITY)))

#define XTP_STARTUP_ENTRY(name, order, pfnStart, pfnExit)                                                    \
    static CXTPStartupEntry xtpStartup_##name XTP_STARTUP_OBJECT((order), (pfnStart), (pfnExit))

#define XTP_STARTUP_CLASS(class_name) (&class_name::class##class_name)

#define XTP_STARTUP_CLASSES(name, order, ...)                                                                \
    static CRuntimeClass* const xtpStartupClasses_##name[] = {__VA_ARGS__};                                  \
    static CXTPStartupEntry xtpStartup_##name XTP_STARTUP_OBJECT(                                            \
        (order), xtpStartupClasses_##name, (int)(sizeof(xtpStartupClasses_##name) / sizeof(CRuntimeClass*)))
