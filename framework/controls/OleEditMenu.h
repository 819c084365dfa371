#pragma once
// The object entry of a container's Edit menu: the menu item at iMenuItem is
// replaced by an entry for the client item's object, named after the
// object's short type name ("Picture" gives "Picture &Object"):
// - without an item or object: "&Object", disabled;
// - an object without verbs for the container menu: "<type> &Object", the
//   command of the primary verb (nIDVerbMin);
// - one verb: "<verb> <type> &Object", that verb's command;
// - several verbs: a submenu "<type> &Object" with one item per verb.
// A verb's command is nIDVerbMin plus its number; verbs with negative
// numbers, verbs not meant for the container's menu and verbs whose command
// would pass nIDVerbMax are left out; each verb keeps its own menu flags
// (grayed, checked).
#include "framework/controls/COleClientItem.h"

class CMenu;

// The ids of the verb commands the framework reserves.
#define ID_OLE_VERB_FIRST 0xE210
#define ID_OLE_VERB_LAST 0xE21F

// Builds the entry; FALSE when the menu has no item at iMenuItem.
BOOL AfxOleSetEditMenu(COleClientItem* pClient, CMenu* pMenu, UINT iMenuItem, UINT nIDVerbMin,
                       UINT nIDVerbMax = ID_OLE_VERB_LAST);
