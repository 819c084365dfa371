#pragma once
// Resource ids of the command bars' own texts, dialogs, menus, pictures and
// cursors (res/XTPCommandBarsResource.rc, which programs include from their
// own resource script; res/make_images.py draws the pictures and cursors).

// The question asked when a saved tool bar meets a program whose built-in
// bar has changed; %s is the bar's title. Yes keeps the new bar.
#define XTP_IDS_CONFIRM_TOOLBAR_CHANGED 9394

// The question asked before the menu bar is reset to its menu resource; %s
// is the bar's title. OK resets.
#define XTP_IDS_CONFIRM_RESET_MENU 9397
// The images of the MDI child's system commands (restore, minimise,
// maximise, close), four 16 x 16 cells on magenta.
#define XTP_IDB_MENUBAR_ICONS 9407

// The "Add or Remove Buttons" entry of a tool bar's expand popup.
#define XTP_IDS_ADDORREMOVE 9300
// Asked before a tool bar goes back to its original buttons; %s is its title.
#define XTP_IDS_CONFIRM_RESET 9349
// The last line of the "Add or Remove Buttons" list: back to the original buttons.
#define XTP_IDS_RESET 9395

// Command ids the bars reserve; their strings are the controls' tool tips.
#define XTP_ID_TOOLBAR_EXPAND 9400 // the expand button ("Toolbar Options")
#define XTP_ID_TOOLBAR_HIDE 9401   // the close button of floating tool bars ("Close")
#define XTP_ID_CUSTOMIZE 35001     // the customize command ("Customize...")

// ---- Customize mode --------------------------------------------------------

// Cursors of the customize drag: copying onto a bar, moving onto a bar, over
// no bar; and of resizing a control's width.
#define XTP_IDC_CUSTOMIZE_COPY 9301
#define XTP_IDC_CUSTOMIZE_MOVE 9302
#define XTP_IDC_CUSTOMIZE_NODROP 9303
#define XTP_IDC_CUSTOMIZE_RESIZE 9972

// The customize sheet: its caption, the text of its one button and the
// categories the program adds to the commands page.
#define XTP_IDS_CUSTOMIZE 9312
#define XTP_IDS_CUSTOMIZE_CLOSE 9307
#define XTP_IDS_NEW_MENU 9314
#define XTP_IDS_ALL_COMMANDS 9337
#define XTP_IDS_BUILT_IN_MENUS 9350

// The toolbars page (dialog 9304) and the toolbar-name dialog (9328).
#define XTP_IDD_PAGE_TOOLBARS 9304
#define XTP_IDC_LIST_TOOLBARS 9305
#define XTP_IDC_BUTTON_NEW 9308
#define XTP_IDC_BUTTON_RENAME 9309
#define XTP_IDC_BUTTON_DELETE 9310
#define XTP_IDC_BUTTON_RESET 9311
#define XTP_IDD_NEWTOOLBAR 9328
#define XTP_IDC_TOOLBAR_NAME 9329
#define XTP_IDS_CUSTOM_BAR 9330
#define XTP_IDS_ERROR_BLANKNAME 9331
#define XTP_IDS_ERROR_LIMIT 9332
#define XTP_IDS_ERROR_EXISTS 9333
#define XTP_IDS_RENAMETOOLBAR 9334
#define XTP_IDS_CONFIRM_DELETE 9335

// The commands page (dialog 9313).
#define XTP_IDD_PAGE_COMMANDS 9313
#define XTP_IDC_LIST_COMMANDS 9327
#define XTP_IDC_LIST_CATEGORIES 9338

// The options page (dialog 9339).
#define XTP_IDD_PAGE_OPTIONS 9339
#define XTP_IDC_CHECK_FULL_MENUS 9340
#define XTP_IDC_CHECK_AFTERDELAY 9341
#define XTP_IDC_BUTTON_RESETDATA 9342
#define XTP_IDC_CHECK_LARGEICONS 9343
#define XTP_IDC_CHECK_SCREENTTIPS 9344
#define XTP_IDC_CHECK_SHORTCUTS 9345
#define XTP_IDS_CONFIRM_RESETDATA 9346
#define XTP_IDC_COMBO_ANIMATION 9410
// The six menu animations, 9411 "(System default)" to 9416 "None"; the
// index in this order is the stored value.
#define XTP_IDS_ANIMATION_SYSDEF 9411
#define XTP_ANIMATION_COUNT 6

// The control context menu of customize mode (menu 9336) and its commands.
#define XTP_IDR_CUSTOMIZEMENU 9336
#define XTP_ID_CUSTOMIZE_RESET 9315
#define XTP_ID_CUSTOMIZE_DELETE 9316
#define XTP_ID_CUSTOMIZE_NAME 9317
#define XTP_ID_CUSTOMIZE_COPYBUTTONIMAGE 9318
#define XTP_ID_CUSTOMIZE_PASTEBUTTONIMAGE 9319
#define XTP_ID_CUSTOMIZE_RESETBUTTONIMAGE 9320
#define XTP_ID_CUSTOMIZE_EDITBUTTONIMAGE 9321
#define XTP_ID_CUSTOMIZE_CHANGEBUTTONIMAGE 9322
#define XTP_ID_CUSTOMIZE_DEFAULTSTYLE 9323
#define XTP_ID_CUSTOMIZE_IMAGEANDTEXT 9324
#define XTP_ID_CUSTOMIZE_TEXTONLY 9325
#define XTP_ID_CUSTOMIZE_BEGINAGROUP 9326
// The stock images of "Change Button Image", 16 x 16 cells.
#define XTP_IDB_BUTTONIMAGES 9322

// The Button Editor (dialog 9351), its tool and move bars and palette.
#define XTP_IDD_IMAGEEDITOR 9351
#define XTP_IDB_IMAGEEDITOR_ICONS 9352       // 4-bit, light grey mask
#define XTP_IDB_IMAGEEDITOR_ICONS_ALPHA 9353 // 32-bit with alpha
#define XTP_IDC_EDITOR_MOVE_PLACE 9354       // the static where the move bar goes
#define XTP_IDC_EDITOR_COLORS_PLACE 9357     // the static where the palette goes
#define XTP_IDC_EDITOR_TOOLS_PLACE 9358      // the static where the tools bar goes
#define XTP_IDC_EDITOR_TRANSPARENT 9359
#define XTP_IDC_EDITOR_CUSTOMCOLOR 9360
#define XTP_IDC_EDITOR_GRID 9361
#define XTP_IDC_EDITOR_PREVIEW 9362
// Tools (tool number = id - 9363); each string is "\n" and the tool tip.
#define XTP_ID_EDITOR_PENCIL 9363
#define XTP_ID_EDITOR_FILL 9364
#define XTP_ID_EDITOR_GETCOLOR 9365
#define XTP_ID_EDITOR_LINE 9366
#define XTP_ID_EDITOR_RECTANGLE 9367
#define XTP_ID_EDITOR_CIRCLE 9368
// Actions.
#define XTP_ID_EDITOR_COPY 9369
#define XTP_ID_EDITOR_PASTE 9370
#define XTP_ID_EDITOR_CLEAR 9371
#define XTP_ID_EDITOR_UNDO 9372
#define XTP_ID_EDITOR_REDO 9373
#define XTP_ID_EDITOR_OPEN 9374
// The move arrows: one pixel left, down, up and right.
#define XTP_ID_EDITOR_MOVE_LEFT 9354
#define XTP_ID_EDITOR_MOVE_DOWN 9355
#define XTP_ID_EDITOR_MOVE_UP 9356
#define XTP_ID_EDITOR_MOVE_RIGHT 9357
// Grid cursors: shapes, pick colour, fill, pencil.
#define XTP_IDC_EDITOR_CURSOR_SHAPE 9375
#define XTP_IDC_EDITOR_CURSOR_PICK 9376
#define XTP_IDC_EDITOR_CURSOR_FILL 9377
#define XTP_IDC_EDITOR_CURSOR_PENCIL 9378
// The filter of "Import from File".
#define XTP_IDS_PICTURE_FILTER 9396
// Colour names of the palette swatches (each swatch's id is its name's id).
#define XTP_IDS_CLR_BLACK 9450
#define XTP_IDS_CLR_DARK_BLUE 9455
#define XTP_IDS_CLR_DARK_RED 9458
#define XTP_IDS_CLR_DARK_YELLOW 9460
#define XTP_IDS_CLR_GREEN 9461
#define XTP_IDS_CLR_TEAL 9462
#define XTP_IDS_CLR_BLUE 9463
#define XTP_IDS_CLR_GRAY50 9465
#define XTP_IDS_CLR_RED 9466
#define XTP_IDS_CLR_VIOLET 9472
#define XTP_IDS_CLR_PINK 9474
#define XTP_IDS_CLR_YELLOW 9476
#define XTP_IDS_CLR_BRIGHT_GREEN 9477
#define XTP_IDS_CLR_TURQUOISE 9478
#define XTP_IDS_CLR_GRAY25 9481
#define XTP_IDS_CLR_WHITE 9489
