#pragma once
// The framework's application, commands, windows, frames, views, documents, dialogs.
//
// A program has one static application object derived from CWinApp; the
// framework's WinMain (linked with CWinApp) calls its InitInstance and runs
// its message loop. Window classes declare DECLARE_MESSAGE_MAP() and define
// the map with BEGIN_MESSAGE_MAP(Class, Base) ... END_MESSAGE_MAP(), class
// templates with BEGIN_TEMPLATE_MESSAGE_MAP(Template, T, Base); see
// MessageMap.h for the entries and the handler signatures they expect.
#include "framework/Core.h"
#include "framework/StandardIds.h"
#include "framework/FrameworkMessages.h"
#include "framework/MessageMap.h"
#include "framework/CCmdTarget.h"
#include "framework/CCmdUI.h"
#include "framework/ModuleState.h"
#include "framework/WindowClasses.h"
#include "framework/CWnd.h"
#include "framework/CWinThread.h"
#include "framework/CWinApp.h"
#include "framework/CCreateContext.h"
#include "framework/CFrameWnd.h"
#include "framework/CView.h"
#include "framework/CDocument.h"
#include "framework/CDocTemplate.h"
#include "framework/CPaintDC.h"
#include "framework/CCommandLineInfo.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CRecentFileList.h"
#include "framework/CPrintInfo.h"
